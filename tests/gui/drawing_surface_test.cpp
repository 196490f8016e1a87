// Drawing surfaces on a real window under the real GDI.
#include "support/ui.h"
#include "toolkit/bmp_codec.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace toolkit;
using namespace testing_support;

namespace {

constexpr Colour teal = 0x808000;

WindowDefinition surfaceWindow() {
    return {
        .name = "surfaces",
        .title = "surfaces",
        .left = 100,
        .top = 100,
        .width = 400,
        .height = 300,
        .controls =
            {
                {.name = "plain",
                 .left = 10,
                 .top = 10,
                 .width = 60,
                 .height = 40,
                 .settings = SurfaceSettings{.backgroundColour = teal}},
                {.name = "keeping",
                 .left = 80,
                 .top = 10,
                 .width = 60,
                 .height = 40,
                 .settings = SurfaceSettings{.backgroundColour = white,
                                             .keepsDrawing = true,
                                             .penColour = red,
                                             .brushStyle = BrushStyle::hollow}},
                {.name = "hidden",
                 .left = 150,
                 .top = 10,
                 .width = 60,
                 .height = 40,
                 .visible = false,
                 .settings = SurfaceSettings{}},
                {.name = "target",
                 .left = 220,
                 .top = 10,
                 .width = 60,
                 .height = 40,
                 .settings = SurfaceSettings{.backgroundColour = black, .keepsDrawing = true}},
                {.name = "text",
                 .left = 10,
                 .top = 60,
                 .width = 200,
                 .height = 80,
                 .settings = SurfaceSettings{.border = Border::thinSunken}},
                {.name = "text2",
                 .left = 10,
                 .top = 150,
                 .width = 200,
                 .height = 80,
                 .settings = SurfaceSettings{.border = Border::thinSunken}},
            },
    };
}

class DrawingSurfaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = Window::create(definition_);
        ASSERT_TRUE(window_);
        window_->show();
        pumpMessages(50ms);
    }
    DrawingSurface& surface(const char* name) { return window_->surface(name); }

    // Number of pixels in the rectangle that are not `background`.
    int inkIn(DrawingSurface& s, int x0, int y0, int x1, int y1, Colour background = white) {
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                ink += s.getPoint(x, y) != background;
        return ink;
    }

    WindowDefinition definition_ = surfaceWindow();
    std::shared_ptr<Window> window_;
};

BmpRaster decoded(const std::string& bytes) {
    auto raster = decodeBmp(bytes);
    EXPECT_TRUE(raster);
    return raster ? *raster : BmpRaster{};
}

} // namespace

TEST_F(DrawingSurfaceTest, HiddenSurfaceReadsNotOnScreenEverywhere) {
    DrawingSurface& hidden = surface("hidden");
    for (auto [x, y] : {std::pair{0, 0}, std::pair{30, 20}, std::pair{59, 39}})
        EXPECT_EQ(hidden.getPoint(x, y), notOnScreen);
    hidden.setVisible(true);
    EXPECT_EQ(hidden.getPoint(30, 20), white) << "showing puts the background in place at once";
    EXPECT_EQ(hidden.getPoint(60, 20), notOnScreen) << "outside the client area";
    hidden.setVisible(false);
    EXPECT_EQ(hidden.getPoint(30, 20), notOnScreen);
}

TEST_F(DrawingSurfaceTest, DrawingWithoutKeepingLastsUntilTheNextRepaint) {
    DrawingSurface& s = surface("text");
    s.writeTextAt(5, 5, "国");
    EXPECT_GT(inkIn(s, 0, 0, 40, 30), 0);
    InvalidateRect(s.handle(), nullptr, TRUE);
    UpdateWindow(s.handle());
    EXPECT_EQ(inkIn(s, 0, 0, 40, 30), 0);

    s.writeTextAt(5, 5, "国");
    s.clear();
    EXPECT_EQ(inkIn(s, 0, 0, 40, 30), 0);
}

TEST_F(DrawingSurfaceTest, KeptDrawingSurvivesRepaintsAndIsWhatGetImageGives) {
    DrawingSurface& s = surface("keeping");
    s.drawRectangle(40, 30, 10, 5); // corners in any order
    InvalidateRect(s.handle(), nullptr, TRUE);
    UpdateWindow(s.handle());
    EXPECT_EQ(s.getPoint(10, 5), red);
    EXPECT_EQ(s.getPoint(20, 15), white) << "a hollow brush leaves the inside alone";

    const BmpRaster image = decoded(s.getImage());
    ASSERT_EQ(image.width, s.clientWidth());
    ASSERT_EQ(image.height, s.clientHeight());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            ASSERT_EQ(image.pixel(x, y), s.getPoint(x, y)) << x << "," << y;
}

TEST_F(DrawingSurfaceTest, RectangleCornersInAnyOrderDrawTheSameOutline) {
    DrawingSurface& s = surface("keeping");
    s.drawRectangle(5, 5, 30, 20);
    const std::string reference = s.getImage();
    for (auto [x1, y1, x2, y2] :
         {std::tuple{30, 20, 5, 5}, std::tuple{30, 5, 5, 20}, std::tuple{5, 20, 30, 5}}) {
        s.clear();
        s.drawRectangle(x1, y1, x2, y2);
        EXPECT_EQ(s.getImage(), reference) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
}

TEST_F(DrawingSurfaceTest, ResizingAKeepingSurfaceKeepsTheOldRasterTopLeft) {
    DrawingSurface& s = surface("keeping");
    s.drawRectangle(2, 2, 10, 10);
    s.move(s.left(), s.top(), 100, 60);
    const BmpRaster image = decoded(s.getImage());
    EXPECT_EQ(image.width, s.clientWidth());
    EXPECT_EQ(image.pixel(2, 2), red);
    EXPECT_EQ(image.pixel(90, 50), white) << "the new part gets the background";
}

TEST_F(DrawingSurfaceTest, BackgroundPictureIsTiledFromTheTopLeft) {
    BmpRaster tile = BmpRaster::filled(3, 2, 0);
    const Colour colours[2][3] = {{0x0000FF, 0x00FF00, 0xFF0000}, {0x123456, 0xABCDEF, 0x000000}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, colours[y][x]);
    DrawingSurface& s = surface("plain");
    s.setBackgroundPicture(encodeBmp(tile));
    for (int y = 0; y < s.clientHeight(); y += 7)
        for (int x = 0; x < s.clientWidth(); x += 5)
            EXPECT_EQ(s.getPoint(x, y), colours[y % 2][x % 3]) << x << "," << y;
}

TEST_F(DrawingSurfaceTest, PictureChangesEraseDrawingAndBadPicturesShowTheColour) {
    DrawingSurface& s = surface("keeping");
    s.drawRectangle(2, 2, 20, 20);
    s.setBackgroundPicture("BM not a bitmap at all");
    EXPECT_EQ(s.getPoint(2, 2), white) << "drawing erased, undecodable picture dropped";
    EXPECT_EQ(decoded(s.getImage()).pixel(2, 2), white) << "the raster was refilled as well";

    DrawingSurface& plain = surface("plain");
    plain.setBackgroundPicture(encodeBmp(BmpRaster::filled(4, 4, 0x00FF00)));
    EXPECT_EQ(plain.getPoint(10, 10), 0x00FF00u);
    plain.setBackgroundPicture({});
    EXPECT_EQ(plain.getPoint(10, 10), teal) << "empty bytes remove the picture";
}

TEST_F(DrawingSurfaceTest, CopyRegionCopiesIntoTheTargetsRasterAndScreen) {
    DrawingSurface& source = surface("keeping");
    DrawingSurface& target = surface("target");
    source.drawRectangle(0, 0, 8, 6);
    source.copyRegion(0, 0, 8, 6, target, 3, 4);
    EXPECT_EQ(target.getPoint(3, 4), red);
    EXPECT_EQ(target.getPoint(5, 6), white) << "inside the outline";
    EXPECT_EQ(target.getPoint(2, 4), black) << "left of the copy";
    EXPECT_EQ(decoded(target.getImage()).pixel(3, 4), red);

    target.clear();
    source.copyRegion(0, 0, 0, 6, target, 3, 4);
    source.copyRegion(0, 0, 8, -1, target, 3, 4);
    EXPECT_EQ(target.getPoint(3, 4), black) << "nothing is copied for a width or height below 1";
}

TEST_F(DrawingSurfaceTest, LineBreaksStartANewLineTwoPixelsBelowTheCell) {
    DrawingSurface& together = surface("text");
    DrawingSurface& apart = surface("text2");
    together.writeTextAt(5, 5, "国A\r\n国B\n国C");

    TEXTMETRICW metrics{};
    {
        HDC dc = GetDC(apart.handle());
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(apart.handle(), dc);
    }
    const int step = metrics.tmHeight + 2;
    apart.writeTextAt(5, 5, "国A");
    apart.writeTextAt(5, 5 + step, "国B");
    apart.writeTextAt(5, 5 + 2 * step, "国C");
    EXPECT_GT(inkIn(apart, 0, 0, together.clientWidth(), together.clientHeight()), 0);
    for (int y = 0; y < together.clientHeight(); ++y)
        for (int x = 0; x < together.clientWidth(); ++x)
            ASSERT_EQ(together.getPoint(x, y), apart.getPoint(x, y)) << x << "," << y;
}

// The platform's font record holds 31 UTF-16 units of a face name; a longer name would be cut
// and pick another font. A Chinese name is three UTF-8 bytes a character but one unit.
TEST_F(DrawingSurfaceTest, FontNameFallsBackWhenItDoesNotFitTheFontRecord) {
    DrawingSurface& s = surface("text");
    struct Case {
        std::string name;
        std::string expected;
    };
    const std::string units31(31, 'F');
    std::string chinese20;
    for (int i = 0; i < 20; ++i)
        chinese20 += "字";
    for (const Case& c :
         {Case{"Tahoma", "Tahoma"}, Case{units31, units31}, Case{units31 + "G", "宋体"},
          Case{"", "宋体"}, Case{chinese20, chinese20}, Case{"方正粗黑宋简体", "方正粗黑宋简体"}}) {
        s.setFontName(c.name);
        EXPECT_EQ(s.fontName(), c.expected) << c.name;
    }
}

TEST_F(DrawingSurfaceTest, FontSizeSetsTheCharacterHeight) {
    DrawingSurface& s = surface("text");
    s.setFontName("宋体");
    s.setFontSize(12);
    // Draw one solid glyph and measure its inked height against a font made independently.
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lstrcpyW(lf.lfFaceName, L"宋体");
    lf.lfHeight = -16; // 12 pt at 96 dpi
    HFONT reference = CreateFontIndirectW(&lf);
    DrawingSurface& r = surface("text2");
    s.writeTextAt(5, 5, "国");
    {
        HDC dc = GetDC(r.handle());
        HGDIOBJ old = SelectObject(dc, reference);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 5, 5, L"国", 1);
        SelectObject(dc, old);
        ReleaseDC(r.handle(), dc);
    }
    DeleteObject(reference);
    EXPECT_GT(inkIn(s, 0, 0, 40, 40), 10);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(s.getPoint(x, y), r.getPoint(x, y)) << x << "," << y;
}

TEST(Screenshot, CoversThePrimaryScreenAsItIsNow) {
    WindowDefinition definition{
        .name = "shot",
        .title = "shot",
        .left = 200,
        .top = 200,
        .width = 200,
        .height = 150,
        .controls = {{.name = "s",
                      .left = 0,
                      .top = 0,
                      .width = 100,
                      .height = 80,
                      .settings = SurfaceSettings{.backgroundColour = 0x3366CC}}}};
    auto window = Window::create(definition);
    window->show();
    pumpMessages(100ms);
    POINT origin{0, 0};
    ClientToScreen(window->surface("s").handle(), &origin);

    const BmpRaster shot = decoded(takeScreenshot());
    EXPECT_EQ(shot.width, screenWidth());
    EXPECT_EQ(shot.height, screenHeight());
    EXPECT_EQ(shot.pixel(origin.x + 50, origin.y + 40), 0x3366CCu);
}
