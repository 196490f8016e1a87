// The sampler on a real sampling surface and a real output box, checked against a rendering
// of its own.
#include "app/global_state.h"
#include "art/sampler.h"
#include "art/sampling_surface.h"
#include "capture/capture_window.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>

using namespace toolkit;
using namespace testing_support;
using app::globalState;

namespace {

using InkMask = std::array<std::array<bool, 101>, 19>; // [y][x], y 1..18, x 1..100

// Draws the UTF-16 text at (5, 5) on a white memory bitmap of its own, as the surface should,
// and tells which pixels of the grid are not white. Without a face, in the platform's default
// interface font; with one, in that face with the character height in pixels.
InkMask renderReference(std::wstring_view text, const wchar_t* face = nullptr,
                        int characterHeight = 0) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 60);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT all{0, 0, 200, 60};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    HFONT hfont = nullptr;
    if (face) {
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
        font.lfHeight = -characterHeight;
        hfont = CreateFontIndirectW(&font);
    }
    HGDIOBJ oldFont = SelectObject(dc, hfont ? hfont : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    TextOutW(dc, 5, 5, text.data(), static_cast<int>(text.size()));
    InkMask mask{};
    for (int y = 1; y <= 18; ++y)
        for (int x = 1; x <= 100; ++x)
            mask[y][x] = GetPixel(dc, x, y) != 0xFFFFFF;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    if (hfont)
        DeleteObject(hfont);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return mask;
}

// The lines the sampler should append for that mask.
std::string expectedBlock(const InkMask& mask, const std::string& fill) {
    std::string block;
    for (int y = 1; y <= 18; ++y) {
        for (int x = 1; x <= 100; ++x)
            block += mask[y][x] ? fill + " " : "  ";
        block += "\r\n";
    }
    return block;
}

int inkCount(const InkMask& mask) {
    int n = 0;
    for (const auto& row : mask)
        for (bool ink : row)
            n += ink;
    return n;
}

class SamplerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globalState = {};
        window_ = Window::create(definition_);
        ASSERT_TRUE(window_);
        window_->show();
        pumpMessages(50ms);
    }
    void TearDown() override {
        DestroyWindow(window_->handle());
        pumpMessages(10ms);
    }
    DrawingSurface& surface() { return window_->surface("画板1"); }
    EditBox& output() { return window_->editBox("编辑框main"); }

    // Runs the sampler, answering its question with `answer`.
    std::vector<SeenBox> runSampler(int answer = IDNO) {
        MessageBoxAnswerer answerer({answer});
        art::runSampler(surface(), output());
        return answerer.seen();
    }

    WindowDefinition definition_{
        .name = "art",
        .title = "sampler",
        .left = 50,
        .top = 50,
        .width = 600,
        .height = 400,
        .controls = {art::samplingSurface(400, 250),
                     {.name = "编辑框main",
                      .left = 0,
                      .top = 0,
                      .width = 580,
                      .height = 360,
                      .settings = EditBoxSettings{.multiLine = true,
                                                  .horizontalScrollBar = true,
                                                  .verticalScrollBar = true}}}};
    std::shared_ptr<Window> window_;
};

} // namespace

TEST_F(SamplerTest, EmptyTextGives18LinesOf200Blanks) {
    globalState.fillText = "*";
    runSampler();
    std::string expected;
    for (int i = 0; i < 18; ++i)
        expected += std::string(200, ' ') + "\r\n";
    EXPECT_EQ(output().text(), expected);
    EXPECT_EQ(globalState.scanRow, 19);
    EXPECT_EQ(globalState.scanColumn, 101);
}

TEST_F(SamplerTest, TheReferenceTellsAGlyphFromItsMojibake) {
    // "国" read as Windows-1252 bytes is "å›½": the comparison below would see the difference.
    EXPECT_NE(renderReference(L"国", L"宋体", 16),
              renderReference(L"\u00E5\u203A\u00BD", L"宋体", 16));
}

TEST_F(SamplerTest, InkIsWhereAnIndependentRenderingHasInk) {
    struct Case {
        const char* text;     // as the program holds it (UTF-8)
        const wchar_t* drawn; // the same text as the reference draws it (UTF-16)
        const wchar_t* face;  // empty: the surface's default interface font
        int characterHeight;  // of the size picked, in pixels at 96 dpi
    };
    const Case cases[] = {
        // The surface keeps a font once it is set: the default font's cases come first.
        {"tuk", L"tuk", L"", 0},
        {"在此输入文字", L"在此输入文字", L"", 0},
        {"国", L"国", L"宋体", 16},
        {"字符画 tuk", L"字符画 tuk", L"宋体", 12},
    };
    for (const Case& c : cases) {
        if (*c.face) {
            surface().setFontName(narrow(c.face));
            surface().setFontSize(c.characterHeight * 72.0 / 96);
        }
        const InkMask mask = *c.face ? renderReference(c.drawn, c.face, c.characterHeight)
                                     : renderReference(c.drawn);
        ASSERT_GT(inkCount(mask), 10) << c.text;
        globalState.sourceText = c.text;
        for (const char* fill : {"*", "字", ""}) {
            output().setText("");
            globalState.fillText = fill;
            runSampler();
            EXPECT_EQ(output().text(), expectedBlock(mask, fill)) << c.text << " / " << fill;
        }
    }
}

TEST_F(SamplerTest, RunsAppendBlocksAndLeaveNoInkBehind) {
    globalState.fillText = "#";
    globalState.sourceText = "国国";
    runSampler();
    const std::string first = output().text();
    globalState.sourceText = "";
    runSampler();
    std::string blank;
    for (int i = 0; i < 18; ++i)
        blank += std::string(200, ' ') + "\r\n";
    EXPECT_NE(first, blank);
    EXPECT_EQ(output().text(), first + blank);
}

TEST_F(SamplerTest, SurfaceIsShownOnlyWhileSamplingAndErasedAfterwards) {
    globalState.sourceText = "国";
    bool visibleAtQuestion = true;
    std::uint32_t pointAtQuestion = 0;
    MessageBoxAnswerer answerer({IDNO});
    answerer.onShown = [&](const SeenBox&) {
        visibleAtQuestion = surface().visible();
        pointAtQuestion = surface().getPoint(10, 10);
    };
    art::runSampler(surface(), output());
    EXPECT_FALSE(visibleAtQuestion);
    EXPECT_EQ(pointAtQuestion, notOnScreen);
    surface().setVisible(true);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(surface().getPoint(x, y), white) << "no text left at " << x << "," << y;
}

TEST_F(SamplerTest, AsksWhetherToCaptureAndAYesOpensTheOverlay) {
    for (int answer : {IDNO, IDYES}) {
        bool overlayOpened = false;
        runSoon(
            [&] {
                if (toolkit::Window* overlay = toolkit::openWindow(capture::captureWindow())) {
                    overlayOpened = true;
                    PostMessageW(overlay->control("画板1").handle(), WM_RBUTTONDOWN, 0, 0);
                    PostMessageW(overlay->control("画板1").handle(), WM_RBUTTONUP, 0, 0);
                }
            },
            500ms);
        const auto seen = runSampler(answer);
        cancelPendingSteps();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "已经完成工作，是否截图？");
        EXPECT_EQ(seen[0].title, "信息：");
        EXPECT_EQ(seen[0].buttons, (std::set<int>{IDYES, IDNO}));
        EXPECT_FALSE(seen[0].hasIcon);
        EXPECT_EQ(overlayOpened, answer == IDYES);
        EXPECT_EQ(toolkit::openWindow(capture::captureWindow()), nullptr) << "and it has closed";
    }
}
