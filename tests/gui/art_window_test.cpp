// The real art window opened from the real input window: lists, toolbar, layout, conversions.
#include "app/global_state.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/combo_box.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/number_text.h"
#include "toolkit/program.h"
#include "toolkit/toolbar.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <sstream>

using namespace testing_support;
using app::globalState;
using toolkit::ComboBox;
using toolkit::Window;

namespace {

enum ToolbarIndex { convert = 0, reset, quit, about, hint, capture, fonts };

// The art window of this thread that is open now.
Window* openArtWindow() {
    return toolkit::openWindow(windows::artWindow());
}

void clickToolbarButton(Window& art, int index) {
    HWND toolbar = art.control("工具条1").handle();
    RECT r{};
    SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    clickAt(toolbar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Picks an item from the combo box's list with the mouse, as a user does: a click on the
// arrow opens the list, a click on the item picks it.
void pickFromList(ComboBox& combo, int index) {
    COMBOBOXINFO info{sizeof info};
    GetComboBoxInfo(combo.handle(), &info);
    clickAt(combo.handle(), (info.rcButton.left + info.rcButton.right) / 2,
            (info.rcButton.top + info.rcButton.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return SendMessageW(combo.handle(), CB_GETDROPPEDSTATE, 0, 0); }));
    SendMessageW(info.hwndList, LB_SETTOPINDEX, index, 0);
    RECT r{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    clickAt(info.hwndList, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Cells of one line: "x " for ink or "  " for blank, each two bytes with a one-byte fill.
bool isCellLine(const std::string& line) {
    if (line.size() != 200)
        return false;
    for (std::size_t i = 0; i < line.size(); i += 2)
        if (line[i + 1] != ' ' || (line[i] != ' ' && line[i] != '#'))
            return false;
    return true;
}

class ArtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryW(L"D:\\tuk", nullptr);
        writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
        globalState = {};
        input_ = Window::create(windows::inputWindow());
        ASSERT_TRUE(input_);
        input_->show();
        input_->editBox("编辑框enter").setText("Tuk字");
        input_->editBox("编辑框char").setText("#");
        press("按钮1");
    }
    void TearDown() override {
        DestroyWindow(input_->handle());
        pumpMessages(10ms);
        removeSettingsFolder();
    }
    void press(const char* button) {
        SendMessageW(input_->control(button).handle(), BM_CLICK, 0, 0);
    }
    // Opens the art window with "2" and runs the steps in it, one after another from its own
    // event loop; the last step should close it.
    void withArtWindow(std::vector<std::function<void(Window&)>> steps,
                       std::chrono::milliseconds gap = 400ms) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            runSoon(
                [step = steps[i]] {
                    Window* art = openArtWindow();
                    ASSERT_TRUE(art) << "the art window is open";
                    step(*art);
                },
                gap * static_cast<int>(i + 1));
        press("按钮2");
    }

    std::shared_ptr<Window> input_;
};

} // namespace

TEST_F(ArtWindowTest, ListsAreFilledButDisabledUntilFonts) {
    withArtWindow({
        [](Window& art) {
            ComboBox& names = art.comboBox("组合框1");
            ComboBox& sizes = art.comboBox("组合框2");
            EXPECT_TRUE(names.disabled());
            EXPECT_TRUE(sizes.disabled());
            ASSERT_EQ(sizes.itemCount(), 72);
            for (int i = 0; i < 72; ++i)
                ASSERT_EQ(sizes.itemText(i), std::to_string(i + 1));
            EXPECT_EQ(sizes.text(), "9");
            EXPECT_EQ(sizes.currentItem(), -1);
            // The test prefix offers "宋体" (as a font replacement): listed and current.
            ASSERT_GE(names.currentItem(), 0);
            EXPECT_EQ(names.itemText(names.currentItem()), "宋体");
            for (int i = 0; i < names.itemCount(); ++i) {
                const char first = names.itemText(i)[0];
                EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(first)) || first == '@')
                    << names.itemText(i);
            }
            clickToolbarButton(art, fonts);
        },
        [](Window& art) {
            EXPECT_FALSE(art.comboBox("组合框1").disabled());
            EXPECT_FALSE(art.comboBox("组合框2").disabled());
            clickToolbarButton(art, fonts);
        },
        [](Window& art) {
            EXPECT_FALSE(art.comboBox("组合框1").disabled()) << "a second click changes nothing";
            art.requestClose();
        },
    });
}

TEST_F(ArtWindowTest, PickingSizesSetsTheFontAndWarnsFrom25On) {
    MessageBoxAnswerer answerer;
    withArtWindow({
        [](Window& art) { clickToolbarButton(art, fonts); },
        [](Window& art) { pickFromList(art.comboBox("组合框2"), 23); }, // "24"
        [&](Window& art) {
            EXPECT_DOUBLE_EQ(art.surface("画板1").fontSize(), 24);
            EXPECT_TRUE(answerer.seen().empty()) << "24 is set silently";
            pickFromList(art.comboBox("组合框2"), 24); // "25"
        },
        [&](Window& art) {
            EXPECT_DOUBLE_EQ(art.surface("画板1").fontSize(), 25) << "the size stays applied";
            ASSERT_EQ(answerer.seen().size(), 1u);
            EXPECT_EQ(answerer.seen()[0].text, "字号过大可能导致显示异常，请自行调整窗口");
            EXPECT_EQ(answerer.seen()[0].title, "提示");
            EXPECT_EQ(answerer.seen()[0].buttons, std::set<int>{IDOK});
            EXPECT_FALSE(answerer.seen()[0].hasIcon);
            const int index = art.comboBox("组合框1").currentItem();
            pickFromList(art.comboBox("组合框1"), index);
        },
        [&](Window& art) {
            EXPECT_EQ(art.surface("画板1").fontName(), "宋体");
            // Typing into the edit fields picks nothing.
            COMBOBOXINFO info{sizeof info};
            GetComboBoxInfo(art.comboBox("组合框2").handle(), &info);
            SetFocus(info.hwndItem);
            for (char c : std::string("30"))
                SendMessageW(info.hwndItem, WM_CHAR, c, 1);
        },
        [&](Window& art) {
            EXPECT_DOUBLE_EQ(art.surface("画板1").fontSize(), 25);
            EXPECT_EQ(answerer.seen().size(), 1u);
            art.requestClose();
        },
    });
}

TEST_F(ArtWindowTest, ToolbarHasItsButtonsTooltipsAndTheChosenColour) {
    withArtWindow({[](Window& art) {
        HWND toolbar = art.control("工具条1").handle();
        const char* texts[] = {"3", "初始化", "退出", "关于", "提示", "截图", "字体"};
        const char* tips[] = {
            "获取造的字", "重新输入信息", "退出程序", nullptr, "获取文字后拉伸窗口尺寸来截屏or复制",
            "截图分享",   "更换字体"};
        ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 7);
        HWND tooltips = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
        for (int i = 0; i < 7; ++i) {
            TBBUTTON button{};
            SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            wchar_t text[64]{};
            SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand,
                         reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(narrow(text), texts[i]);
            EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONINDETERMINATE, button.idCommand, 0) != 0,
                      i == hint)
                << texts[i];
            EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, button.idCommand, 0)) << texts[i];
            // What the tooltip asks for, the window answers.
            NMTTDISPINFOW info{};
            info.hdr.hwndFrom = tooltips;
            info.hdr.idFrom = static_cast<UINT_PTR>(button.idCommand);
            info.hdr.code = TTN_GETDISPINFOW;
            SendMessageW(art.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
            ASSERT_NE(info.lpszText, nullptr) << texts[i];
            if (tips[i]) {
                EXPECT_EQ(narrow(info.lpszText), tips[i]);
            } else {
                EXPECT_NE(narrow(info.lpszText).find("tuk"), std::string::npos);
            }
        }
        // Behind the buttons the toolbar shows the chosen colour, and the output box writes in it.
        const auto chosen = static_cast<COLORREF>(toolkit::toNumber(globalState.colourText));
        ASSERT_EQ(chosen, 16711824u);
        RECT r{};
        GetClientRect(toolbar, &r);
        EXPECT_EQ(pixelOf(toolbar, r.right - 3, r.bottom / 2), chosen);
        // Raised three-dimensional buttons: light left edges, dark right edges.
        for (int i : {1, 6}) {
            RECT b{};
            SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&b));
            const int middle = (b.top + b.bottom) / 2;
            EXPECT_EQ(pixelOf(toolbar, b.left, middle), GetSysColor(COLOR_3DLIGHT)) << i;
            EXPECT_EQ(pixelOf(toolbar, b.right - 1, middle), GetSysColor(COLOR_3DDKSHADOW)) << i;
        }
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(art.handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(art.control("编辑框main").handle()));
        EXPECT_EQ(GetTextColor(dc), chosen);
        DeleteDC(dc);
        art.requestClose();
    }});
}

TEST_F(ArtWindowTest, LayoutFollowsEveryResize) {
    auto checkLayout = [](Window& art) {
        const int w = art.width();
        const int h = art.height();
        auto& output = art.control("编辑框main");
        EXPECT_EQ(output.width(), w - 20) << w << "x" << h;
        EXPECT_EQ(output.height(), h - 40) << w << "x" << h;
        auto& surface = art.control("画板1");
        EXPECT_EQ(surface.left() + surface.width(), w) << w << "x" << h;
        EXPECT_EQ(surface.top() + surface.height(), h) << w << "x" << h;
        RECT toolbar{};
        GetWindowRect(art.control("工具条1").handle(), &toolbar);
        RECT client{};
        GetClientRect(art.handle(), &client);
        EXPECT_EQ(toolbar.right - toolbar.left, client.right) << "the toolbar spans the width";
    };
    withArtWindow({
        [&](Window& art) {
            EXPECT_EQ(art.width(), 1009);
            EXPECT_EQ(art.height(), 460);
            EXPECT_EQ(art.left(), 50);
            checkLayout(art);
            art.move(art.left(), art.top(), 700, 380);
        },
        [&](Window& art) {
            checkLayout(art);
            SendMessageW(art.handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        },
        [&](Window& art) {
            checkLayout(art);
            SendMessageW(art.handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
            art.move(art.left(), art.top(), 1200, 600);
        },
        [&](Window& art) {
            checkLayout(art);
            art.requestClose();
        },
    });
}

TEST_F(ArtWindowTest, ThreeAppendsEighteenLinesEachAndReopeningStartsAfresh) {
    MessageBoxAnswerer answerer({IDNO, IDNO});
    std::string afterOne;
    std::string afterTwo;
    withArtWindow({
        [](Window& art) { clickToolbarButton(art, convert); },
        [&](Window& art) {
            afterOne = art.editBox("编辑框main").text();
            clickToolbarButton(art, convert);
        },
        [&](Window& art) {
            afterTwo = art.editBox("编辑框main").text();
            EXPECT_FALSE(art.surface("画板1").visible());
            art.requestClose();
        },
    });
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].text, "已经完成工作，是否截图？");
    const auto lines = linesOf(afterOne);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(afterOne.substr(afterOne.size() - 2), "\r\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(isCellLine(lines[i])) << "line " << i << ": " << lines[i];
        if (i < 4) {
            EXPECT_EQ(lines[i], std::string(200, ' ')) << "rows 1 to 4 lie above the text";
        }
    }
    EXPECT_NE(afterOne.find('#'), std::string::npos) << "the text left ink";
    EXPECT_EQ(afterTwo, afterOne + afterOne) << "a second run appends the same block";

    withArtWindow({[](Window& art) {
        EXPECT_EQ(art.editBox("编辑框main").text(), "");
        EXPECT_TRUE(art.comboBox("组合框1").disabled());
        EXPECT_TRUE(art.comboBox("组合框2").disabled());
        LOGFONTW interfaceFont{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof interfaceFont, &interfaceFont);
        EXPECT_EQ(art.surface("画板1").fontName(), narrow(interfaceFont.lfFaceName));
        art.requestClose();
    }});
}

TEST_F(ArtWindowTest, ResetReturnsToTheInputWindowWhoseHandlerGoesOn) {
    input_->editBox("编辑框enter").setText("changed");
    withArtWindow({[](Window& art) { clickToolbarButton(art, reset); }});
    EXPECT_EQ(openArtWindow(), nullptr);
    EXPECT_EQ(globalState.sourceText, "changed") << "the handler of 2 went on";
    EXPECT_TRUE(IsWindowEnabled(input_->handle()));
}

TEST_F(ArtWindowTest, HintDoesNothingAndAboutShowsItsTextAfresh) {
    const std::vector<std::string> entries = {
        "1.tuk 是一款将输入的文字转换成指定字符的特殊字，可以应用用在bbs回帖、博客、聊天中。",
        "2.该软件小巧、简洁、无病毒是绿色软件，无需安装就可打开直接使用。",
        "2.按钮 1 2 3 顺序完成造字操作。",
        "3.本程序完全免费，请勿用作商业用途。",
        "4.如果您发现该程序bug or 有意见请联系邮箱(e-mail)：tuk-feedback@example.com",
        "2014.2.18 更新说明：3.0",
        "1.许多用户不会使用，特加入截图功能。",
        "2.美化界面，优化代码。",
        "2014.2.18 更新说明：3.1",
        "1.功能优化",
        "2.界面美化",
    };
    std::string expected;
    for (const std::string& entry : entries)
        expected += (expected.empty() ? "" : "\r\n\r\n") + entry;

    auto aboutBox = [] {
        HWND about = FindWindowW(nullptr, L"关于程序");
        return about ? FindWindowExW(about, nullptr, L"EDIT", nullptr) : nullptr;
    };
    std::string firstText;
    std::string secondText;
    bool artDisabledMeanwhile = false;
    bool artEnabledAfter = false;
    withArtWindow(
        {
            [](Window& art) { clickToolbarButton(art, hint); },
            [](Window& art) {
                EXPECT_EQ(FindWindowW(nullptr, L"关于程序"), nullptr) << "提示 opens nothing";
                clickToolbarButton(art, about);
            },
            [&](Window& art) {
                HWND box = aboutBox();
                ASSERT_TRUE(box);
                artDisabledMeanwhile = !IsWindowEnabled(art.handle());
                firstText = windowText(box);
                const LONG style = GetWindowLongW(box, GWL_STYLE);
                EXPECT_FALSE(style & WS_HSCROLL) << "no horizontal scroll bar";
                EXPECT_FALSE(style & ES_AUTOHSCROLL) << "long lines wrap";
                EXPECT_TRUE(style & WS_VSCROLL);
                const auto lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
                wchar_t last[64]{};
                *reinterpret_cast<WORD*>(last) = 63;
                last[SendMessageW(box, EM_GETLINE, lines - 1, reinterpret_cast<LPARAM>(last))] = 0;
                EXPECT_EQ(narrow(last), "2.界面美化");
                // Where the last line stands in the box: below its bottom until scrolled there.
                auto lastLineInView = [&] {
                    RECT client{};
                    GetClientRect(box, &client);
                    const auto start = SendMessageW(box, EM_LINEINDEX, lines - 1, 0);
                    const auto position = SendMessageW(box, EM_POSFROMCHAR, start, 0);
                    const int top = static_cast<short>(HIWORD(position));
                    return position != -1 && top >= 0 && top < client.bottom;
                };
                EXPECT_FALSE(lastLineInView()) << "the text is longer than the box";
                SendMessageW(box, WM_VSCROLL, SB_BOTTOM, 0);
                EXPECT_GT(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
                EXPECT_TRUE(lastLineInView()) << "the scroll bar reaches the last line";
                SetWindowTextW(box, L"edited");
                PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
            },
            [&](Window& art) {
                EXPECT_EQ(FindWindowW(nullptr, L"关于程序"), nullptr) << "Esc closed it";
                artEnabledAfter = IsWindowEnabled(art.handle()) != FALSE;
                clickToolbarButton(art, about);
            },
            [&](Window&) {
                secondText = windowText(aboutBox());
                PostMessageW(FindWindowW(nullptr, L"关于程序"), WM_CLOSE, 0, 0);
            },
            [](Window& art) { art.requestClose(); },
        },
        500ms);
    EXPECT_EQ(firstText, expected);
    EXPECT_EQ(secondText, expected) << "edits do not survive closing";
    EXPECT_TRUE(artDisabledMeanwhile);
    EXPECT_TRUE(artEnabledAfter);
}

// Esc goes to an open drop-down list first: it closes the list and nothing else.
TEST_F(ArtWindowTest, EscOnADroppedListOnlyClosesTheList) {
    withArtWindow({
        [](Window& art) { clickToolbarButton(art, fonts); },
        [](Window& art) {
            SendMessageW(art.comboBox("组合框2").handle(), CB_SHOWDROPDOWN, TRUE, 0);
            SetFocus(art.comboBox("组合框2").handle());
        },
        [](Window& art) {
            ASSERT_TRUE(SendMessageW(art.comboBox("组合框2").handle(), CB_GETDROPPEDSTATE, 0, 0));
            pressKey(VK_ESCAPE);
        },
        [](Window& art) {
            EXPECT_FALSE(SendMessageW(art.comboBox("组合框2").handle(), CB_GETDROPPEDSTATE, 0, 0));
            art.requestClose(); // still open: Esc did not reach the window
        },
    });
    EXPECT_EQ(openArtWindow(), nullptr);
}

// The art depends on the text, the fill text and the font alone: not on the window's size or
// place on the screen, nor on what covers it.
TEST_F(ArtWindowTest, TheArtIsTheSameShrunkMovedOffTheScreenAndCovered) {
    struct Case {
        const char* what;
        RECT window; // left, top, right, bottom of the art window
        bool covered;
    };
    const Case cases[] = {{"as it opens", {50, 50, 1059, 510}, false},
                          {"shrunk until the toolbar wraps", {50, 50, 300, 250}, false},
                          {"partly off the screen", {-700, 900, 309, 1360}, false},
                          {"covered by another window", {50, 50, 1059, 510}, true}};
    std::vector<std::string> blocks;
    MessageBoxAnswerer answerer({IDNO, IDNO, IDNO, IDNO});
    std::vector<std::function<void(Window&)>> steps;
    for (const Case& c : cases) {
        steps.push_back([c, &blocks](Window& art) {
            art.editBox("编辑框main").setText("");
            SetWindowPos(art.handle(), nullptr, c.window.left, c.window.top,
                         c.window.right - c.window.left, c.window.bottom - c.window.top,
                         SWP_NOZORDER);
            HWND cover = nullptr;
            if (c.covered) {
                RECT r{};
                GetWindowRect(art.handle(), &r);
                cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                        WS_POPUP | WS_VISIBLE | SS_BLACKRECT, r.left, r.top,
                                        r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
                UpdateWindow(cover);
            }
            // The toolbar may be off the screen or covered: the button is pressed by message.
            SendMessageW(art.handle(), WM_COMMAND,
                         MAKEWPARAM(toolkit::Toolbar::commandOf(convert), BN_CLICKED),
                         reinterpret_cast<LPARAM>(art.control("工具条1").handle()));
            blocks.push_back(art.editBox("编辑框main").text());
            if (cover)
                DestroyWindow(cover);
        });
    }
    steps.push_back([](Window& art) { art.requestClose(); });
    withArtWindow(steps);
    ASSERT_EQ(blocks.size(), 4u);
    ASSERT_EQ(linesOf(blocks[0]).size(), 18u);
    for (std::size_t i = 1; i < blocks.size(); ++i)
        EXPECT_EQ(blocks[i], blocks[0]) << cases[i].what;
}
