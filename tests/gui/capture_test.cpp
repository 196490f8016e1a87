// The capture overlay over a screen the test paints itself, driven with real mouse messages,
// read back through the real clipboard and real files.
#include "app/global_state.h"
#include "capture/capture_window.h"
#include "capture/clipboard_export.h"
#include "support/clipboard.h"
#include "support/message_box_answerer.h"
#include "support/pattern_screen.h"
#include "support/process.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <thread>

using namespace testing_support;
using app::globalState;
using toolkit::BmpRaster;
using toolkit::Window;

namespace {

constexpr toolkit::Colour green = 0x00FF00;

Window* overlay() {
    return toolkit::openWindow(capture::captureWindow());
}
HWND surfaceHandle() {
    return overlay()->control("画板1").handle();
}

void post(UINT message, int x, int y, WPARAM keys = 0) {
    PostMessageW(surfaceHandle(), message, keys, MAKELPARAM(x, y));
}

// The overlay closes on the release of the right button.
void rightClick(int x, int y) {
    post(WM_RBUTTONDOWN, x, y);
    post(WM_RBUTTONUP, x, y);
}

// A press at one corner, moves, a release at the other.
void drag(POINT from, POINT to) {
    post(WM_LBUTTONDOWN, from.x, from.y, MK_LBUTTON);
    post(WM_MOUSEMOVE, (from.x + to.x) / 2, (from.y + to.y) / 2, MK_LBUTTON);
    post(WM_MOUSEMOVE, to.x, to.y, MK_LBUTTON);
    post(WM_LBUTTONUP, to.x, to.y);
}

// Types a name into the save dialog that is up now and confirms it.
void saveAs(const std::string& name) {
    HWND dialog = findDialog();
    ASSERT_TRUE(dialog) << "the save dialog is up";
    if (!SetDlgItemTextW(dialog, 1148, widen(name).c_str())) // the file name box (cmb13)
        SetDlgItemTextW(dialog, 1152, widen(name).c_str());  // or edt1
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

class CaptureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globalState = {};
        globalState.colourText = std::to_string(green);
        // A folder name with Chinese characters and a blank, as users have them.
        folder_ = programFolder() + "截图 captures\\";
        CreateDirectoryW(widen(folder_).c_str(), nullptr);
        for (const std::string& name : filesIn(folder_))
            DeleteFileW(widen(folder_ + name).c_str());
        putClipboardText("held before");
    }
    // Opens the overlay; the steps run from its event loop, one after another.
    void withOverlay(std::vector<std::function<void()>> steps,
                     std::chrono::milliseconds gap = 300ms) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            runSoon(steps[i], gap * static_cast<int>(i + 1));
        // Whatever the steps leave open is closed in the end.
        runSoon(
            [] {
                if (Window* w = overlay())
                    toolkit::destroyWindow(*w);
            },
            gap * static_cast<int>(steps.size() + 2));
        toolkit::loadWindowModal(capture::captureWindow());
        cancelPendingSteps();
        // With no window of the program left, the toolkit asked the event loop to end; in the
        // program the input window is always there, here the next overlay must not see it.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    PatternScreen screen_;
    std::string folder_;
};

} // namespace

TEST_F(CaptureTest, DragsInAllFourDirectionsCopyExactlyTheSelectedScreenshotPixels) {
    const BmpRaster expected = PatternScreen::region(300, 260, 61, 33);
    const POINT corners[4][2] = {{{300, 260}, {361, 293}},
                                 {{361, 293}, {300, 260}},
                                 {{361, 260}, {300, 293}},
                                 {{300, 293}, {361, 260}}};
    for (const auto& corner : corners) {
        MessageBoxAnswerer answerer({IDNO});
        withOverlay({[&] { drag(corner[0], corner[1]); }});
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text, "取到图片已保存到剪辑板中，现在要存为文件吗？");
        EXPECT_EQ(answerer.seen()[0].title, "信息：");
        EXPECT_EQ(answerer.seen()[0].buttons, (std::set<int>{IDYES, IDNO}));
        EXPECT_TRUE(answerer.seen()[0].hasIcon);
        EXPECT_EQ(globalState.selectionLeft, 300);
        EXPECT_EQ(globalState.selectionTop, 260);
        EXPECT_EQ(globalState.selectionRight, 361);
        EXPECT_EQ(globalState.selectionBottom, 293);
        const auto picture = clipboardPicture();
        ASSERT_TRUE(picture) << corner[0].x << "," << corner[0].y;
        EXPECT_EQ(picture->width, 61);
        EXPECT_EQ(picture->height, 33);
        EXPECT_TRUE(picture->rows == expected.rows) << "every pixel, no trace of the outline";
    }
}

TEST_F(CaptureTest, OutlineIsDrawnInTheChosenColourAndFollowsTheMouse) {
    std::vector<std::uint32_t> seen;
    withOverlay({
        [&] {
            post(WM_LBUTTONDOWN, 100, 100, MK_LBUTTON);
            post(WM_MOUSEMOVE, 200, 160, MK_LBUTTON);
        },
        [&] {
            toolkit::DrawingSurface& s = overlay()->surface("画板1");
            // The 2-pixel pen runs along the corners, its last pixels next to the mouse.
            seen = {s.getPoint(100, 130), s.getPoint(199, 130), s.getPoint(150, 159),
                    s.getPoint(150, 130)};
            post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
        },
        [&] {
            toolkit::DrawingSurface& s = overlay()->surface("画板1");
            seen.push_back(s.getPoint(199, 130));
            seen.push_back(s.getPoint(139, 110));
            rightClick(140, 120);
        },
    });
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0], green) << "left edge";
    EXPECT_EQ(seen[1], green) << "right edge at the mouse";
    EXPECT_EQ(seen[2], green) << "bottom edge at the mouse";
    EXPECT_EQ(seen[3], PatternScreen::colourAt(150, 130)) << "a hollow inside shows the screenshot";
    EXPECT_EQ(seen[4], PatternScreen::colourAt(199, 130)) << "the old outline is gone";
    EXPECT_EQ(seen[5], green) << "the new right edge";
}

TEST_F(CaptureTest, AfterACompletedCaptureMovesBeforeThePressDoNotClear) {
    globalState.selectionReleased = 1; // as a completed capture leaves it
    std::uint32_t kept = 0;
    withOverlay({
        [&] {
            overlay()->surface("画板1").drawRectangle(10, 10, 60, 60);
            post(WM_MOUSEMOVE, 30, 30);
        },
        [&] {
            kept = overlay()->surface("画板1").getPoint(10, 30);
            rightClick(30, 30);
        },
    });
    EXPECT_EQ(kept, green) << "the move neither cleared nor refreshed";
    EXPECT_EQ(globalState.selectionReleased, 1);
}

TEST_F(CaptureTest, AClickWithoutADragSelectsNothingAndTheOverlayStays) {
    MessageBoxAnswerer answerer;
    bool stillUp = false;
    std::uint32_t outlineLeft = 0;
    withOverlay({
        [] {
            post(WM_LBUTTONDOWN, 400, 300, MK_LBUTTON);
            post(WM_LBUTTONUP, 400, 300);
        },
        [&] {
            stillUp = overlay() != nullptr;
            post(WM_LBUTTONDOWN, 420, 300, MK_LBUTTON);
            post(WM_MOUSEMOVE, 450, 330, MK_LBUTTON);
            post(WM_LBUTTONUP, 450, 300); // a line is no rectangle either
        },
        [&] {
            stillUp = stillUp && overlay() != nullptr;
            outlineLeft = overlay()->surface("画板1").getPoint(420, 315);
        },
    });
    EXPECT_TRUE(stillUp);
    EXPECT_EQ(outlineLeft, PatternScreen::colourAt(420, 315)) << "no outline left standing";
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(clipboardText(), "held before");
    EXPECT_FALSE(clipboardPicture());
}

TEST_F(CaptureTest, AOnePixelWideSelectionGivesAOnePixelWideImage) {
    MessageBoxAnswerer answerer({IDNO});
    withOverlay({[] { drag({500, 200}, {501, 240}); }});
    const auto picture = clipboardPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 1);
    EXPECT_EQ(picture->height, 40);
    EXPECT_TRUE(picture->rows == PatternScreen::region(500, 200, 1, 40).rows);
}

TEST_F(CaptureTest, RightClickEscAndCloseBoxDuringADragLeaveWithoutAnImage) {
    enum How { rightClick, escape, closeBox };
    for (How how : {rightClick, escape, closeBox}) {
        MessageBoxAnswerer answerer;
        withOverlay({
            [] {
                post(WM_LBUTTONDOWN, 100, 100, MK_LBUTTON);
                post(WM_MOUSEMOVE, 180, 150, MK_LBUTTON);
            },
            [&] {
                EXPECT_EQ(globalState.selectionDragging, 1);
                if (how == rightClick)
                    post(WM_RBUTTONDOWN, 180, 150); // the release follows in the next step
                else if (how == escape)
                    PostMessageW(surfaceHandle(), WM_KEYDOWN, VK_ESCAPE, 1);
                else
                    PostMessageW(overlay()->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
            },
            [&] {
                if (how == rightClick) {
                    EXPECT_NE(overlay(), nullptr) << "a right press alone does not close it";
                    post(WM_RBUTTONUP, 180, 150);
                }
            },
            [&] { EXPECT_EQ(overlay(), nullptr) << "closed by " << how; },
        });
        EXPECT_EQ(globalState.selectionDragging, 0) << how;
        EXPECT_TRUE(answerer.seen().empty()) << how;
        EXPECT_EQ(clipboardText(), "held before") << how;
    }
}

TEST_F(CaptureTest, ABusyClipboardIsNotReportedAsSuccessAndSavingIsStillOffered) {
    // Another owner holds the clipboard for longer than the program waits.
    std::thread holder([] {
        HWND owner = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
        OpenClipboard(owner);
        std::this_thread::sleep_for(3500ms);
        CloseClipboard();
        DestroyWindow(owner);
    });
    std::this_thread::sleep_for(100ms);
    MessageBoxAnswerer answerer({IDYES});
    bool dialogOffered = false;
    withOverlay({
                    [] {
                        drag({100, 100}, {140, 130});
                    },
                    [&] {
                        HWND dialog = findDialog();
                        dialogOffered = dialog != nullptr;
                        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                    },
                },
                1500ms);
    holder.join();
    ASSERT_GE(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, capture::clipboardFailedQuestion);
    EXPECT_EQ(answerer.seen()[0].text.find("已保存到剪辑板"), std::string::npos);
    EXPECT_TRUE(dialogOffered);
    EXPECT_EQ(clipboardText(), "held before") << "nothing reached the clipboard";
}

TEST_F(CaptureTest, SavingWritesTheImageAsABmpAndReplacesAnExistingFileWhole) {
    const std::string expected = toolkit::encodeBmp(PatternScreen::region(200, 150, 45, 23));
    const std::string path = folder_ + "shot.bmp";
    // First a new file, named without extension; then over it, after the overwrite prompt.
    for (bool existing : {false, true}) {
        if (existing) {
            ASSERT_TRUE(writeFile(path, std::string(100000, 'x')));
        }
        std::deque<int> answers{IDYES};
        if (existing)
            answers.push_back(IDYES); // replace it?
        answers.push_back(IDOK);
        MessageBoxAnswerer answerer(answers);
        withOverlay({[] {
                         drag({200, 150}, {245, 173});
                     },
                     [&] { saveAs(folder_ + "shot"); }},
                    700ms);
        const auto written = readFile(path);
        ASSERT_TRUE(written);
        EXPECT_EQ(written->size(), expected.size()) << (existing ? "replaced" : "new");
        EXPECT_TRUE(*written == expected) << (existing ? "replaced" : "new");
        ASSERT_EQ(answerer.seen().size(), existing ? 3u : 2u);
        EXPECT_EQ(answerer.seen().back().text, "保存文件成功！");
        EXPECT_EQ(answerer.seen().back().title, "信息：");
        EXPECT_TRUE(answerer.seen().back().hasIcon);
        EXPECT_EQ(filesIn(folder_), std::vector<std::string>{"shot.bmp"});
    }
}

TEST_F(CaptureTest, ALockedFileStaysIntactAndTheFailureIsReported) {
    const std::string path = folder_ + "locked.bmp";
    const std::string old = "old contents";
    ASSERT_TRUE(writeFile(path, old));
    HANDLE lock =
        CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    MessageBoxAnswerer answerer({IDYES, IDYES, IDOK});
    withOverlay({[] { drag({10, 10}, {50, 50}); }, [&] { saveAs(path); }}, 700ms);
    CloseHandle(lock);
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(filesIn(folder_), std::vector<std::string>{"locked.bmp"}) << "no temporary file left";
    ASSERT_FALSE(answerer.seen().empty());
    EXPECT_EQ(answerer.seen().back().text, capture::saveFailedMessage);
    EXPECT_TRUE(answerer.seen().back().hasIcon);
    for (const SeenBox& box : answerer.seen()) {
        EXPECT_NE(box.text, "保存文件成功！");
    }
}

TEST_F(CaptureTest, NoAndCancelWriteNothing) {
    {
        MessageBoxAnswerer answerer({IDNO});
        withOverlay({[] { drag({10, 10}, {50, 50}); }});
        EXPECT_EQ(answerer.seen().size(), 1u);
    }
    {
        MessageBoxAnswerer answerer({IDYES});
        withOverlay({[] {
                         drag({10, 10}, {50, 50});
                     },
                     [] { PostMessageW(findDialog(), WM_COMMAND, IDCANCEL, 0); }},
                    700ms);
        EXPECT_EQ(answerer.seen().size(), 1u);
    }
    EXPECT_TRUE(filesIn(folder_).empty());
    EXPECT_TRUE(clipboardPicture()) << "the clipboard keeps the picture";
}

// The right button's release that cancels the overlay stays with the overlay: a text box below
// it opens no context menu (whose Delete or Cut would lose text).
TEST_F(CaptureTest, ARealRightClickCancelsWithoutAMenuFromTheWindowBelow) {
    HWND below =
        CreateWindowExW(0, L"EDIT", L"text below", WS_POPUP | WS_VISIBLE | WS_BORDER, 300, 300, 200,
                        80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(below);
    pumpMessages(100ms);
    auto menuShown = [] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        return menu && IsWindowVisible(menu);
    };
    bool menuAfterwards = false;
    MessageBoxAnswerer answerer;
    withOverlay({[] {
                     rightClickAtScreen({350, 330});
                 },
                 [&] {
                     EXPECT_EQ(overlay(), nullptr) << "the right click closed the overlay";
                     menuAfterwards = menuShown();
                 }});
    pumpMessages(300ms);
    EXPECT_FALSE(menuAfterwards || menuShown()) << "no context menu came up";
    EXPECT_EQ(windowText(below), "text below");
    EXPECT_TRUE(answerer.seen().empty());
    DestroyWindow(below);
}

// With the button down the mouse belongs to the overlay: a release over its title bar still
// ends the drag, with the selection cut at the surface's edge.
TEST_F(CaptureTest, AReleaseOutsideTheSurfaceEndsTheDrag) {
    MessageBoxAnswerer answerer({IDNO});
    withOverlay({[] {
                     POINT from{120, 100};
                     ClientToScreen(surfaceHandle(), &from);
                     dragOnScreen(from, {from.x + 60, 2}); // the title bar, above the surface
                 },
                 [] {}},
                700ms);
    EXPECT_EQ(overlay(), nullptr) << "the drag ended and the overlay closed";
    ASSERT_EQ(answerer.seen().size(), 1u) << "the export asked its question";
    EXPECT_EQ(globalState.selectionTop, 0);
    EXPECT_EQ(globalState.selectionBottom, 100);
    EXPECT_EQ(globalState.selectionDragging, 0);
}
