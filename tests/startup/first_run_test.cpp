// The real tuk.exe starting up: the first-run notice and its settings file on drive D:.
#include "support/message_box_answerer.h"
#include "support/process.h"
#include "support/ui.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr const char* settingsFile = "D:\\tuk\\tuk.ini";
constexpr const char* notice = "如果出现文字错乱等现象，请把程序兼容性设置为 WinXp";

struct StartUp {
    bool noticeShown = false;
    SeenBox notice;
    bool inputWindowVisibleDuringNotice = true;
    bool inputWindowExistedDuringNotice = false;
    std::optional<int> exitCode;
};

// Starts tuk.exe, answers a first-run notice if one comes, waits for the input window and
// closes it again with its close box.
StartUp startAndClose() {
    StartUp result;
    ChildProcess tuk("tuk.exe");
    EXPECT_TRUE(tuk.started());
    // Until the input window is visible, a notice may still come.
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    HWND input = nullptr;
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto box = waitForMessageBoxOf(tuk.id(), 50ms)) {
            result.noticeShown = true;
            result.notice = readMessageBox(*box);
            HWND hidden = tuk.findWindow("tuk 3.1");
            result.inputWindowExistedDuringNotice = hidden != nullptr;
            result.inputWindowVisibleDuringNotice = hidden && IsWindowVisible(hidden);
            EXPECT_TRUE(pressButtonAndWait(*box, IDOK, 5s));
        }
        input = tuk.findWindow("tuk 3.1");
        if (input && IsWindowVisible(input))
            break;
    }
    EXPECT_TRUE(input && IsWindowVisible(input)) << "the input window did not show";
    // A late notice would still be on screen now.
    EXPECT_FALSE(waitForMessageBoxOf(tuk.id(), 300ms));
    PostMessageW(input, WM_SYSCOMMAND, SC_CLOSE, 0);
    result.exitCode = tuk.waitForExit(10s);
    return result;
}

std::string settingsValue() {
    wchar_t value[64]{};
    GetPrivateProfileStringW(L"1", L"h", L"", value, 64, widen(settingsFile).c_str());
    return narrow(value);
}

class FirstRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(dDriveFolder().empty()) << "run through CTest from scripts/test.sh";
        removeSettingsFolder();
    }
    void TearDown() override { removeSettingsFolder(); }
};

} // namespace

TEST_F(FirstRunTest, FirstStartShowsTheNoticeBeforeTheWindowAndRecordsIt) {
    const StartUp first = startAndClose();
    EXPECT_TRUE(first.noticeShown);
    EXPECT_EQ(first.notice.text, notice);
    EXPECT_EQ(first.notice.title, "提示");
    EXPECT_EQ(first.notice.buttons, std::set<int>{IDOK});
    EXPECT_FALSE(first.notice.hasIcon);
    EXPECT_TRUE(first.inputWindowExistedDuringNotice) << "the window is being created";
    EXPECT_FALSE(first.inputWindowVisibleDuringNotice);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(readFile(settingsFile), "[1]\r\nh=r\r\n");

    const StartUp second = startAndClose();
    EXPECT_FALSE(second.noticeShown);
    EXPECT_EQ(second.exitCode, 0);
}

TEST_F(FirstRunTest, AnyNonEmptyValueKeepsTheNoticeAwayAndTheFileUntouched) {
    ASSERT_TRUE(CreateDirectoryW(L"D:\\tuk", nullptr));
    const std::string contents = "[other]\r\nk=v\r\n[1]\r\nh=anything\r\nx=1\r\n";
    ASSERT_TRUE(writeFile(settingsFile, contents));
    const StartUp start = startAndClose();
    EXPECT_FALSE(start.noticeShown);
    EXPECT_EQ(readFile(settingsFile), contents);
}

TEST_F(FirstRunTest, AnEmptyValueBringsTheNoticeAndBecomesR) {
    ASSERT_TRUE(CreateDirectoryW(L"D:\\tuk", nullptr));
    ASSERT_TRUE(writeFile(settingsFile, "[1]\r\nh=\r\n[other]\r\nk=v\r\n"));
    const StartUp start = startAndClose();
    EXPECT_TRUE(start.noticeShown);
    EXPECT_EQ(settingsValue(), "r");
    wchar_t other[16]{};
    GetPrivateProfileStringW(L"other", L"k", L"", other, 16, widen(settingsFile).c_str());
    EXPECT_EQ(narrow(other), "v") << "other sections stay";
}

TEST_F(FirstRunTest, WithoutDriveDTheNoticeComesAtEveryStartAndNothingElse) {
    DriveDRemoved noDriveD;
    ASSERT_TRUE(noDriveD.ok());
    ASSERT_FALSE(fileExists("D:\\"));
    for (int start = 0; start < 2; ++start) {
        const StartUp s = startAndClose();
        EXPECT_TRUE(s.noticeShown) << "start " << start;
        EXPECT_EQ(s.notice.text, notice);
        EXPECT_EQ(s.exitCode, 0);
    }
}
