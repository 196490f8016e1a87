#include "toolkit/font_height.h"
#include "toolkit/number_text.h"

#include <gtest/gtest.h>

using toolkit::toNumber;
using toolkit::toText;

TEST(ToText, WritesDecimal) {
    EXPECT_EQ(toText(16711824), "16711824");
    EXPECT_EQ(toText(0), "0");
    EXPECT_EQ(toText(-255), "-255");
}

TEST(ToNumber, ReadsTheLeadingNumberByAtofRules) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"16711824", 16711824},
        {"255", 255},
        {"+12", 12},
        {"-7.5", -7.5},
        {"  \t42", 42},
        {"1e3", 1000},
        {"2.5E-1", 0.25},
        {".5", 0.5},
        {"25abc", 25},
        {"12 34", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"宋体", 0},
        // Full-width forms count as their ASCII twins.
        {"２５", 25},
        {"－３．５", -3.5},
        {"＋７", 7},
        {"　９", 9}, // ideographic space leads
        {"１ｅ２", 100},
        {"２５号", 25},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(toNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ToNumber, ColourTextRoundTrips) {
    for (long long colour : {0LL, 255LL, 16711824LL, 0xFFFFFFLL})
        EXPECT_EQ(static_cast<long long>(toNumber(toText(colour))), colour);
}

TEST(FontHeight, PointsBecomeACharacterHeightInPixels) {
    struct Case {
        double points;
        int dpi;
        int height;
    };
    // size x dpi / 72, rounded, negative for "character height without internal leading".
    for (const Case c :
         {Case{9, 96, -12}, Case{12, 96, -16}, Case{10.5, 96, -14}, Case{25, 96, -33},
          Case{1, 96, -1}, Case{72, 96, -96}, Case{12, 120, -20}, Case{11, 96, -15}})
        EXPECT_EQ(toolkit::fontHeightForPoints(c.points, c.dpi), c.height)
            << c.points << "pt at " << c.dpi << " dpi";
}

TEST(ToColour, TruncatesTheNumberTowardZero) {
    struct Case {
        const char* text;
        std::uint32_t colour;
    };
    for (const Case c : {Case{"16711824", 16711824u}, Case{"255.9", 255u}, Case{"", 0u},
                         Case{"abc", 0u}, Case{"２５５", 255u}})
        EXPECT_EQ(toolkit::toColour(c.text), c.colour) << '"' << c.text << '"';
}
