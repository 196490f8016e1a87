// The input window's created handler on the real input window, in this process.
#include "app/global_state.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <gtest/gtest.h>

using namespace testing_support;
using app::globalState;

TEST(InputWindowCreated, TakesTheFillTextAndFocusesTheInputBoxBeforeShowing) {
    CreateDirectoryW(L"D:\\tuk", nullptr);
    writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
    globalState = {};
    MessageBoxAnswerer answerer;
    auto window = toolkit::Window::create(windows::inputWindow());
    ASSERT_TRUE(window);
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(globalState.fillText, "*");
    EXPECT_EQ(globalState.sourceText, "");
    EXPECT_EQ(globalState.colourText, "");
    EXPECT_EQ(globalState.stepOneDone, 0);
    EXPECT_FALSE(window->visible());

    window->show();
    EXPECT_EQ(GetFocus(), window->control("编辑框enter").handle()) << "typing goes there at once";
    DestroyWindow(window->handle());
    removeSettingsFolder();
}
