// The real input window: its layout, its buttons, the input box and the colour picker.
#include "app/global_state.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/colour_picker.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <gtest/gtest.h>

using namespace testing_support;
using app::globalState;

namespace {

class InputWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A recorded first run: no notice in the way.
        CreateDirectoryW(L"D:\\tuk", nullptr);
        writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
        globalState = {};
        window_ = toolkit::Window::create(windows::inputWindow());
        ASSERT_TRUE(window_);
        window_->show();
        pumpMessages(50ms);
    }
    void TearDown() override {
        if (!window_->destroyed())
            DestroyWindow(window_->handle());
        pumpMessages(10ms);
        removeSettingsFolder();
    }

    HWND handleOf(const char* name) { return window_->control(name).handle(); }
    void press(const char* button) { SendMessageW(handleOf(button), BM_CLICK, 0, 0); }
    toolkit::EditBox& inputBox() { return window_->editBox("编辑框enter"); }
    toolkit::EditBox& fillBox() { return window_->editBox("编辑框char"); }
    toolkit::DrawingSurface& preview() { return window_->surface("画板4"); }
    toolkit::ColourPicker& picker() { return window_->colourPicker("颜色选择器2"); }

    int previewInk() {
        int ink = 0;
        for (int y = 0; y < preview().clientHeight(); ++y)
            for (int x = 0; x < preview().clientWidth(); ++x)
                ink += preview().getPoint(x, y) != toolkit::white;
        return ink;
    }

    std::shared_ptr<toolkit::Window> window_;
};

HWND findTopWindow(const char* title) {
    HWND found = FindWindowW(nullptr, widen(title).c_str());
    return found && IsWindowVisible(found) ? found : nullptr;
}

} // namespace

TEST_F(InputWindowTest, WindowAndControlsAreWhereTheyBelong) {
    RECT outer{};
    GetWindowRect(window_->handle(), &outer);
    EXPECT_EQ(outer.left, 50);
    EXPECT_EQ(outer.top, 50);
    EXPECT_EQ(outer.right - outer.left, 348);
    EXPECT_EQ(outer.bottom - outer.top, 210);
    EXPECT_EQ(windowText(window_->handle()), "tuk 3.1");
    const LONG style = GetWindowLongW(window_->handle(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window_->handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "narrow tool-window caption";
    EXPECT_TRUE(style & WS_THICKFRAME) << "resizable";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    struct Expected {
        const char* name;
        const char* parent; // empty: the window
        int left, top, width, height;
    };
    const Expected controls[] = {
        {"分组框2", "", 16, 112, 312, 56},
        {"按钮初始化", "分组框2", 224, 16, 60, 30},
        {"按钮2", "分组框2", 128, 16, 60, 30},
        {"按钮1", "分组框2", 32, 16, 60, 30},
        {"分组框3", "", 16, 8, 150, 96},
        {"画板4", "分组框3", 20, 54, 105, 30},
        {"编辑框enter", "分组框3", 20, 20, 105, 30},
        {"分组框1", "", 176, 8, 150, 96},
        {"颜色选择器2", "分组框1", 84, 20, 38, 20},
        {"标签3", "分组框1", 20, 20, 58, 20},
        {"标签4", "分组框1", 20, 60, 58, 20},
        {"编辑框char", "分组框1", 84, 60, 38, 20},
    };
    for (const Expected& c : controls) {
        HWND control = handleOf(c.name);
        HWND parent = *c.parent ? handleOf(c.parent) : window_->handle();
        EXPECT_EQ(GetParent(control), parent) << c.name;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.left) << c.name;
        EXPECT_EQ(r.top, c.top) << c.name;
        if (std::string(c.name).starts_with("标签")) {
            // A label widens only where a larger interface font would cut its caption (a
            // Chinese system's), and never as far as the controls right of it.
            EXPECT_GE(r.right - r.left, c.width) << c.name;
            EXPECT_LE(r.right, 84) << c.name;
        } else {
            EXPECT_EQ(r.right - r.left, c.width) << c.name;
        }
        EXPECT_EQ(r.bottom - r.top, c.height) << c.name;
    }
    EXPECT_EQ(windowText(handleOf("按钮1")), "1");
    EXPECT_EQ(windowText(handleOf("按钮初始化")), "初始化");
    EXPECT_EQ(windowText(handleOf("标签4")), "字    符：");
    EXPECT_EQ(inputBox().text(), "在此输入文字");
    EXPECT_EQ(fillBox().text(), "*");
    EXPECT_EQ(picker().colour(), 16711824u);
}

TEST_F(InputWindowTest, TwoBeforeOneAsksForOneAndOpensNothing) {
    MessageBoxAnswerer answerer;
    press("按钮2");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "请先按下1按钮！");
    EXPECT_EQ(answerer.seen()[0].title, "信息：");
    EXPECT_EQ(answerer.seen()[0].buttons, std::set<int>{IDOK});
    EXPECT_FALSE(answerer.seen()[0].hasIcon);
    EXPECT_EQ(findTopWindow("main"), nullptr);
    EXPECT_EQ(globalState.stepOneDone, 0);
}

TEST_F(InputWindowTest, OneStoresTheInputsAndPreviewsOnlyAText) {
    struct Case {
        const char* text; // nullptr: the placeholder as it stands
        std::string stored;
        bool ink;
    };
    const Case cases[] = {
        {nullptr, "在此输入文字", true}, {"", "", false}, {"字abc", "字abc", true}};
    for (const Case& c : cases) {
        if (c.text)
            inputBox().setText(c.text);
        fillBox().setText("@@");
        preview().writeTextAt(1, 1, "旧"); // left over from before
        press("按钮1");
        EXPECT_EQ(globalState.sourceText, c.stored);
        EXPECT_EQ(globalState.fillText, "@@");
        EXPECT_EQ(globalState.colourText, "16711824");
        EXPECT_EQ(globalState.stepOneDone, 1);
        EXPECT_EQ(previewInk() > 0, c.ink) << '"' << c.stored << '"';
    }
}

TEST_F(InputWindowTest, ALeftClickIntoTheInputBoxEmptiesIt) {
    for (const char* text : {"在此输入文字", "my own text"}) {
        inputBox().setText(text);
        clickAt(handleOf("编辑框enter"), 30, 10);
        pumpUntil([&] { return inputBox().text().empty(); }, 2s);
        EXPECT_EQ(inputBox().text(), "") << text;
        EXPECT_EQ(GetFocus(), handleOf("编辑框enter")) << "the caret lands in the box";
    }
}

TEST_F(InputWindowTest, ColourChosenInTheDialogIsStoredAtOnceCancelChangesNothing) {
    struct Case {
        int button;
        const char* red;
        const char* green;
        const char* blue;
        toolkit::Colour expected;
    };
    for (const Case c :
         {Case{IDOK, "10", "20", "30", 0x1E140A}, Case{IDCANCEL, "1", "2", "3", 0x1E140A},
          Case{IDOK, "10", "20", "30", 0x1E140A}}) {
        HWND dialog = nullptr;
        runSoon(
            [&] {
                dialog = findDialog();
                SetDlgItemTextW(dialog, 706, widen(c.red).c_str());
                SetDlgItemTextW(dialog, 707, widen(c.green).c_str());
                SetDlgItemTextW(dialog, 708, widen(c.blue).c_str());
                PostMessageW(dialog, WM_COMMAND, c.button, 0);
            },
            300ms);
        // A pick must store the colour itself, the same one again too: nothing stale may pass.
        if (c.button == IDOK)
            globalState.colourText = "stale";
        const std::string before = globalState.colourText;
        clickAt(handleOf("颜色选择器2"), 10, 10);
        pumpUntil([&] { return dialog && !IsWindow(dialog); }, 5s);
        ASSERT_TRUE(dialog) << "the colour dialog opened";
        EXPECT_EQ(picker().colour(), c.expected);
        if (c.button == IDOK)
            EXPECT_EQ(globalState.colourText, std::to_string(c.expected));
        else
            EXPECT_EQ(globalState.colourText, before) << "cancel stores nothing";
    }
}

TEST_F(InputWindowTest, ResetClearsTheInputsButKeepsColourTextAndStepOne) {
    inputBox().setText("abc");
    fillBox().setText("#");
    press("按钮1");
    ASSERT_GT(previewInk(), 0);
    press("按钮初始化");
    EXPECT_EQ(inputBox().text(), "");
    EXPECT_EQ(previewInk(), 0);
    EXPECT_EQ(globalState.sourceText, "");
    EXPECT_EQ(globalState.fillText, "");
    EXPECT_EQ(picker().colour(), 255u);
    EXPECT_EQ(fillBox().text(), "*");
    EXPECT_EQ(globalState.colourText, "16711824") << "writing the picker's colour raises nothing";
    EXPECT_EQ(globalState.stepOneDone, 1);
}

TEST_F(InputWindowTest, TwoOpensTheArtWindowModallyAndRereadsTheInputsAfterwards) {
    inputBox().setText("abc");
    press("按钮1");
    inputBox().setText("xyz");
    fillBox().setText("%");
    picker().setColour(0x123456);
    bool inputDisabled = false;
    std::string sourceWhileOpen;
    std::string fillWhileOpen;
    runSoon(
        [&] {
            HWND art = findTopWindow("main");
            inputDisabled = !IsWindowEnabled(window_->handle());
            sourceWhileOpen = globalState.sourceText;
            fillWhileOpen = globalState.fillText;
            PostMessageW(art, WM_CLOSE, 0, 0);
        },
        500ms);
    press("按钮2");
    EXPECT_TRUE(inputDisabled);
    EXPECT_EQ(sourceWhileOpen, "abc") << "the art window works with what 1 stored";
    EXPECT_EQ(fillWhileOpen, "%") << "the fill text is refreshed before it opens";
    EXPECT_TRUE(IsWindowEnabled(window_->handle()));
    EXPECT_EQ(globalState.sourceText, "xyz");
    EXPECT_EQ(globalState.colourText, std::to_string(0x123456));
}

TEST_F(InputWindowTest, ResizingMovesNoControl) {
    window_->move(60, 70, 500, 400);
    RECT r{};
    GetWindowRect(handleOf("分组框2"), &r);
    MapWindowPoints(HWND_DESKTOP, window_->handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 16);
    EXPECT_EQ(r.top, 112);
}
