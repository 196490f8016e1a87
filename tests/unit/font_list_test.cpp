#include "windows/font_list.h"

#include <gtest/gtest.h>

using windows::makeFontList;

TEST(FontList, ReversesDropsAdjacentRepeatsKeepsNamesNotStartingWithALetterOrAt) {
    struct Case {
        const char* what;
        std::vector<std::string> reported;
        std::vector<std::string> items;
        int current;
    };
    const Case cases[] = {
        {"nothing reported", {}, {}, -1},
        {"letters and @ are left out", {"Arial", "@宋体", "zeta", "宋体"}, {"宋体"}, 0},
        {"repeats next to each other count once",
         {"宋体", "宋体", "宋体", "黑体", "黑体"},
         {"黑体", "宋体"},
         1},
        {"repeats apart both stay; the later is current",
         {"宋体", "黑体", "宋体"},
         {"宋体", "黑体", "宋体"},
         2},
        {"a repeat is judged before filtering", {"宋体", "Arial", "宋体"}, {"宋体", "宋体"}, 1},
        {"digits, punctuation and non-ASCII first bytes are listed",
         {"1942 report", "_private", "(x)", "ＭＳ 明朝", "Ωmega"},
         {"Ωmega", "ＭＳ 明朝", "(x)", "_private", "1942 report"},
         -1},
        {"no 宋体: no current item", {"黑体", "楷体"}, {"楷体", "黑体"}, -1},
        {"only the whole name counts", {"宋体 Bold", "宋"}, {"宋", "宋体 Bold"}, -1},
        {"an empty name is no match", {""}, {}, -1},
    };
    for (const Case& c : cases) {
        const auto list = makeFontList(c.reported);
        EXPECT_EQ(list.items, c.items) << c.what;
        EXPECT_EQ(list.current, c.current) << c.what;
    }
}
