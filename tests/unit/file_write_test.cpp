// Whole-file writes with the real file system: long Chinese paths, vanished folders.
#include "support/ui.h"
#include "toolkit/file_write.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

void removeFile(const std::string& path) {
    DeleteFileW(widen(path).c_str());
}

void removeFolder(const std::string& path) {
    RemoveDirectoryW(widen(path).c_str());
}

} // namespace

// A temporary name cut at 260 bytes once landed on a sibling of the target folder ("decoy"),
// overwrote it and left .tmp files behind; the write must go whole to the target instead.
TEST(FileWrite, DeepChinesePathsAreWrittenWholeAndNothingElseIsTouched) {
    struct Case {
        int depth;      // characters 中 in the folder's name
        bool withDecoy; // a file D:\tuk\ + 84 x 中, where a cut temporary name would point
    };
    const std::string image(70000, '\x5A');
    for (const Case c : {Case{84, false}, Case{93, true}}) {
        const std::string base = "D:\\tuk\\";
        const std::string folder = base + repeat("中", c.depth) + "\\";
        const std::string decoy = base + repeat("中", 84);
        CreateDirectoryW(widen(base).c_str(), nullptr);
        ASSERT_TRUE(CreateDirectoryW(widen(folder).c_str(), nullptr)) << c.depth;
        if (c.withDecoy) {
            ASSERT_TRUE(writeFile(decoy, "decoy"));
        }

        EXPECT_TRUE(toolkit::writeFileReplacing(folder + "shot.bmp", image)) << c.depth;
        EXPECT_EQ(readFile(folder + "shot.bmp"), image) << c.depth;
        EXPECT_EQ(filesIn(folder), std::vector<std::string>{"shot.bmp"}) << "no .tmp left";
        if (c.withDecoy) {
            EXPECT_EQ(readFile(decoy), "decoy");
        }

        removeFile(folder + "shot.bmp");
        removeFolder(folder);
        removeFile(decoy);
    }
    removeSettingsFolder();
}

TEST(FileWrite, AFolderThatIsGoneWritesNothingAndSaysSo) {
    const std::string gone = "D:\\tuk\\不在了\\";
    removeFolder(gone);
    EXPECT_FALSE(toolkit::writeFileReplacing(gone + "shot.bmp", "BM"));
    EXPECT_FALSE(fileExists(gone));
    EXPECT_FALSE(fileExists(gone + "shot.bmp"));
}
