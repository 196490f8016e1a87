// The toolkit's message box: real boxes, read and answered as a user would.
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/message_box.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

using namespace toolkit;
using namespace testing_support;

TEST(ToolkitMessageBox, FlagsGiveTheirButtonsAndAnswersMapToResults) {
    struct Case {
        int flags;
        int press;
        std::set<int> buttons;
        bool icon;
        int result;
    };
    const Case cases[] = {
        {boxOk, IDOK, {IDOK}, false, resultOk},
        {boxYesNo, IDYES, {IDYES, IDNO}, false, resultYes},
        {boxYesNo, IDNO, {IDYES, IDNO}, false, resultNo},
        {boxExclamation, IDOK, {IDOK}, true, resultOk},
        {boxExclamation | boxYesNo, IDNO, {IDYES, IDNO}, true, resultNo},
        {MB_OKCANCEL, IDCANCEL, {IDOK, IDCANCEL}, false, resultCancel},
        {MB_ABORTRETRYIGNORE, IDRETRY, {IDABORT, IDRETRY, IDIGNORE}, false, resultRetry},
        {MB_ABORTRETRYIGNORE, IDIGNORE, {IDABORT, IDRETRY, IDIGNORE}, false, resultIgnore},
        {MB_ABORTRETRYIGNORE, IDABORT, {IDABORT, IDRETRY, IDIGNORE}, false, resultAbort},
    };
    for (const Case& c : cases) {
        MessageBoxAnswerer answerer({c.press});
        EXPECT_EQ(messageBox("文字", c.flags), c.result) << "flags " << c.flags;
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].buttons, c.buttons) << "flags " << c.flags;
        EXPECT_EQ(answerer.seen()[0].hasIcon, c.icon) << "flags " << c.flags;
    }
}

TEST(ToolkitMessageBox, TitleIsInfoUnlessGivenAndTheTextIsShownAsIs) {
    MessageBoxAnswerer answerer;
    messageBox("请先按下1按钮！", boxOk);
    messageBox("字号过大可能导致显示异常，请自行调整窗口", boxOk, "提示");
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].title, "信息：");
    EXPECT_EQ(answerer.seen()[0].text, "请先按下1按钮！");
    EXPECT_EQ(answerer.seen()[1].title, "提示");
    EXPECT_EQ(answerer.seen()[1].text, "字号过大可能导致显示异常，请自行调整窗口");
}

TEST(ToolkitMessageBox, HasNoOwnerAndKeepsTheProgramsWindowsFromInput) {
    WindowDefinition definition{
        .name = "w", .title = "w", .left = 10, .top = 10, .width = 200, .height = 100};
    auto window = Window::create(definition);
    window->show();
    MessageBoxAnswerer answerer;
    bool windowEnabledMeanwhile = true;
    HWND owner = reinterpret_cast<HWND>(1);
    answerer.onShown = [&](const SeenBox&) {
        windowEnabledMeanwhile = IsWindowEnabled(window->handle()) != FALSE;
        owner = GetWindow(GetActiveWindow(), GW_OWNER);
    };
    messageBox("task-modal", boxOk);
    EXPECT_FALSE(windowEnabledMeanwhile);
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(IsWindowEnabled(window->handle())) << "enabled again afterwards";
}
