// How the process ends: the exit routine runs once on a normal end and after exitProgram,
// never after a fatal start-up error.
#include "support/message_box_answerer.h"
#include "support/process.h"
#include "support/ui.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace testing_support;

namespace {

struct Ending {
    std::optional<int> exitCode;
    std::string report;
};

class ProgramEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A recorded first run keeps the notice out of the way.
        CreateDirectoryW(L"D:\\tuk", nullptr);
        writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
        reportPath_ = programFolder() + "probe-report.txt";
        DeleteFileW(widen(reportPath_).c_str());
    }
    void TearDown() override {
        DeleteFileW(widen(reportPath_).c_str());
        removeSettingsFolder();
    }

    // Starts the probe, lets `act` end it, and collects its report.
    template <typename Act> Ending run(const std::string& mode, Act act) {
        ChildProcess probe("tuk_probe.exe",
                           {{"TUK_PROBE_REPORT", reportPath_}, {"TUK_PROBE_MODE", mode}});
        EXPECT_TRUE(probe.started());
        act(probe);
        Ending ending;
        ending.exitCode = probe.waitForExit(10s);
        ending.report = readFile(reportPath_).value_or("no report");
        return ending;
    }

    std::string reportPath_;
};

HWND inputWindowOf(const ChildProcess& probe) {
    HWND input = probe.waitForWindow("tuk 3.1", 10s);
    EXPECT_TRUE(input);
    return input;
}

} // namespace

TEST_F(ProgramEndTest, ClosingTheInputWindowEndsWithZeroAfterOneExitRoutine) {
    const Ending byCloseBox = run("", [](ChildProcess& probe) {
        PostMessageW(inputWindowOf(probe), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(byCloseBox.exitCode, 0);
    EXPECT_EQ(byCloseBox.report, "code=0 exitRoutineCalls=1 textsReleased=1");

    const Ending byEsc = run("", [](ChildProcess& probe) {
        HWND input = inputWindowOf(probe);
        // Esc where the focus is: in the input box.
        HWND box = FindWindowExW(FindWindowExW(input, nullptr, nullptr, nullptr), nullptr, L"EDIT",
                                 nullptr);
        PostMessageW(box ? box : input, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(byEsc.exitCode, 0);
    EXPECT_EQ(byEsc.report, "code=0 exitRoutineCalls=1 textsReleased=1");
}

TEST_F(ProgramEndTest, ExitProgramRunsTheExitRoutineOnceAndEndsWithItsCode) {
    const Ending ending = run("exit-program", [](ChildProcess&) {});
    EXPECT_EQ(ending.exitCode, 0);
    EXPECT_EQ(ending.report, "code=0 exitRoutineCalls=1 textsReleased=1");
}

HWND childWithText(HWND parent, const char* text) {
    struct Search {
        const char* text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (windowText(child) == s->text) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(ProgramEndTest, QuitInTheArtWindowEndsWithZeroAfterOneExitRoutine) {
    const Ending ending = run("", [](ChildProcess& probe) {
        HWND input = inputWindowOf(probe);
        PostMessageW(childWithText(input, "1"), BM_CLICK, 0, 0);
        PostMessageW(childWithText(input, "2"), BM_CLICK, 0, 0);
        HWND art = probe.waitForWindow("main", 10s);
        ASSERT_TRUE(art);
        HWND toolbar = FindWindowExW(art, nullptr, L"ToolbarWindow32", nullptr);
        // Toolbar button "退出", the third: command 3.
        PostMessageW(art, WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    });
    EXPECT_EQ(ending.exitCode, 0);
    EXPECT_EQ(ending.report, "code=0 exitRoutineCalls=1 textsReleased=1");
}

TEST_F(ProgramEndTest, FatalStartUpErrorTellsTheUserAndEndsWithMinusOne) {
    SeenBox box;
    const Ending ending = run("broken-definition", [&](ChildProcess& probe) {
        auto shown = waitForMessageBoxOf(probe.id(), 10s);
        ASSERT_TRUE(shown);
        box = readMessageBox(*shown);
        pressButtonAndWait(*shown, IDOK, 5s);
    });
    EXPECT_EQ(ending.exitCode, -1);
    EXPECT_EQ(ending.report, "code=-1 exitRoutineCalls=0 textsReleased=1");
    EXPECT_NE(box.text.find("窗口定义"), std::string::npos) << box.text;
    EXPECT_EQ(box.title, "tuk");
}
