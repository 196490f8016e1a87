#include "drawing_surface.h"

#include "bmp_codec.h"
#include "dib.h"
#include "display_scale.h"
#include "font_height.h"
#include "picture.h"
#include "text.h"
#include "window_classes.h"

#include <algorithm>

namespace toolkit {
namespace {

constexpr const wchar_t* fallbackFontName = L"宋体";

Canvas makeCanvas(HDC compatibleWith, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    Bitmap bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!bitmap)
        return {};
    return Canvas(compatibleWith, std::move(bitmap), width, height);
}

} // namespace

Control::NativeSpec DrawingSurface::nativeSpec() const {
    DWORD style = 0;
    DWORD exStyle = 0;
    applyBorder(settings().border, style, exStyle);
    return {surfaceClass, style, exStyle, {}};
}

void DrawingSurface::afterCreate() {
    const SurfaceSettings& s = settings();
    backgroundColour_ = s.backgroundColour;
    penColour_ = s.penColour;
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont_, &logFont_);
    if (!s.font.face.empty() || s.font.height != 0) {
        hasFont_ = true;
        if (!s.font.face.empty())
            lstrcpynW(logFont_.lfFaceName, widen(s.font.face).c_str(), LF_FACESIZE);
        if (s.font.height != 0)
            logFont_.lfHeight = s.font.height;
        logFont_.lfWeight = s.font.weight;
        makeFont();
    }
    if (s.brushStyle == BrushStyle::solid)
        brush_.reset(CreateSolidBrush(resolveColour(s.brushColour)));
    setPenColour(penColour_);
    if (s.independentOfDisplay) {
        resizeRaster(definition().width, definition().height);
        // The default interface font grows with the display; here it keeps its 96-DPI size.
        if (!hasFont_ && systemDpi() != 96) {
            logFont_.lfHeight = MulDiv(logFont_.lfHeight, 96, systemDpi());
            logFont_.lfWidth = 0;
            hasFont_ = true;
            makeFont();
        }
    } else if (s.keepsDrawing) {
        resizeRaster(clientWidth(), clientHeight());
    }
    if (!s.backgroundPicture.empty())
        setBackgroundPicture(s.backgroundPicture);
}

int DrawingSurface::clientWidth() const {
    RECT r{};
    GetClientRect(handle(), &r);
    return r.right;
}

int DrawingSurface::clientHeight() const {
    RECT r{};
    GetClientRect(handle(), &r);
    return r.bottom;
}

void DrawingSurface::paintBackgroundPart(HDC dc, int dx, int dy, int x, int y, int w, int h) const {
    if (!pictureTile_) {
        fillWithColour(dc, dx, dy, dx + w, dy + h, backgroundColour_);
        return;
    }
    // Tiles from the top-left cover everything, so the colour never shows.
    const int tw = pictureTile_.width();
    const int th = pictureTile_.height();
    if (x >= 0 && y >= 0 && x + w <= tw && y + h <= th) {
        // Inside the first tile (a screenshot under the capture overlay): one block copy.
        BitBlt(dc, dx, dy, w, h, pictureTile_.dc(), x, y, SRCCOPY);
        return;
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, dx, dy, dx + w, dy + h);
    for (int tileTop = (y / th) * th; tileTop < y + h; tileTop += th)
        for (int tileLeft = (x / tw) * tw; tileLeft < x + w; tileLeft += tw)
            BitBlt(dc, dx + tileLeft - x, dy + tileTop - y, tw, th, pictureTile_.dc(), 0, 0,
                   SRCCOPY);
    RestoreDC(dc, saved);
}

void DrawingSurface::resizeRaster(int width, int height) {
    WindowDc screen(nullptr);
    Canvas resized = makeCanvas(screen.get(), width, height);
    if (!resized)
        return;
    paintBackground(resized.dc(), resized.width(), resized.height());
    if (raster_)
        BitBlt(resized.dc(), 0, 0, raster_.width(), raster_.height(), raster_.dc(), 0, 0, SRCCOPY);
    raster_ = std::move(resized);
}

void DrawingSurface::paintClient(HDC dc) const {
    if (raster_)
        BitBlt(dc, 0, 0, raster_.width(), raster_.height(), raster_.dc(), 0, 0, SRCCOPY);
    else
        paintBackground(dc, clientWidth(), clientHeight());
}

// Painted straight onto the screen: the same picture as a repaint through WM_PAINT, without
// its round trip (a drag repaints the whole screen-sized surface at every mouse move).
void DrawingSurface::repaintNow() {
    if (!visible())
        return;
    {
        WindowDc screen(handle());
        paintClient(screen.get());
    }
    ValidateRect(handle(), nullptr);
}

void DrawingSurface::clear() {
    if (raster_)
        paintBackground(raster_.dc(), raster_.width(), raster_.height());
    repaintNow();
}

template <typename Draw> void DrawingSurface::drawEverywhere(Draw draw) {
    if (raster_)
        draw(raster_.dc());
    if (!visible())
        return;
    if (settings().independentOfDisplay) {
        repaintNow(); // the screen shows the raster
        return;
    }
    WindowDc screen(handle());
    draw(screen.get());
}

HFONT DrawingSurface::currentFont() const {
    return hasFont_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawingSurface::makeFont() {
    font_.reset(CreateFontIndirectW(&logFont_));
}

void DrawingSurface::writeTextAt(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    const SurfaceSettings& s = settings();
    const std::wstring lines = widen(text);
    drawEverywhere([&](HDC dc) {
        Selection font(dc, currentFont());
        SetTextColor(dc, resolveColour(s.textColour));
        SetBkMode(dc, s.transparentTextBackground ? TRANSPARENT : OPAQUE);
        SetBkColor(dc, resolveColour(s.textBackgroundColour));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int lineTop = y;
        std::size_t start = 0;
        while (start <= lines.size()) {
            std::size_t end = lines.find_first_of(L"\r\n", start);
            const std::size_t lineEnd = end == std::wstring::npos ? lines.size() : end;
            if (lineEnd > start)
                TextOutW(dc, x, lineTop, lines.data() + start, static_cast<int>(lineEnd - start));
            if (end == std::wstring::npos)
                break;
            // "\r\n" is one break, as are a lone "\r" and a lone "\n".
            start =
                end + ((lines[end] == L'\r' && end + 1 < lines.size() && lines[end + 1] == L'\n')
                           ? 2
                           : 1);
            lineTop += metrics.tmHeight + 2;
        }
    });
}

std::uint32_t DrawingSurface::getPoint(int x, int y) const {
    if (!visible() || x < 0 || y < 0)
        return notOnScreen;
    if (settings().independentOfDisplay)
        return x < raster_.width() && y < raster_.height() ? GetPixel(raster_.dc(), x, y)
                                                           : notOnScreen;
    if (x >= clientWidth() || y >= clientHeight())
        return notOnScreen;
    WindowDc screen(handle());
    return GetPixel(screen.get(), x, y);
}

void DrawingSurface::drawRectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    HBRUSH brush = brush_ ? brush_.get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    drawEverywhere([&](HDC dc) {
        Selection pen(dc, pen_.get());
        Selection fill(dc, brush);
        Rectangle(dc, left, top, right, bottom);
    });
}

void DrawingSurface::copyRegion(int x, int y, int w, int h, DrawingSurface& target, int tx,
                                int ty) {
    if (w <= 0 || h <= 0)
        return;
    auto copyFrom = [&](HDC source) {
        target.drawEverywhere([&](HDC dc) { BitBlt(dc, tx, ty, w, h, source, x, y, SRCCOPY); });
    };
    if (raster_) {
        copyFrom(raster_.dc());
    } else {
        WindowDc screen(handle());
        copyFrom(screen.get());
    }
}

void DrawingSurface::copyBackgroundRegion(int x, int y, int w, int h, DrawingSurface& target,
                                          int tx, int ty) {
    if (w <= 0 || h <= 0)
        return;
    target.drawEverywhere([&](HDC dc) { paintBackgroundPart(dc, tx, ty, x, y, w, h); });
}

Picture DrawingSurface::picture() const {
    if (raster_)
        return Picture::copyOf(raster_.dc(), 0, 0, raster_.width(), raster_.height());
    WindowDc screen(handle());
    return Picture::copyOf(screen.get(), 0, 0, clientWidth(), clientHeight());
}

void DrawingSurface::useAsBackground(Picture picture) {
    picture_.clear();
    setBackgroundTile(std::move(picture));
}

// The picture becomes the tile of the background (none without a bitmap), and all drawing is
// erased.
void DrawingSurface::setBackgroundTile(Picture picture) {
    pictureTile_ = Canvas();
    if (picture.handle()) {
        WindowDc screen(nullptr);
        const int width = picture.width();
        const int height = picture.height();
        pictureTile_ = Canvas(screen.get(), Bitmap(picture.giveAway()), width, height);
    }
    if (raster_)
        paintBackground(raster_.dc(), raster_.width(), raster_.height());
    repaintNow();
}

std::string DrawingSurface::getImage() const {
    if (raster_)
        return encodeBmp(readRaster(raster_.dc(), 0, 0, raster_.width(), raster_.height()));
    WindowDc screen(handle());
    return encodeBmp(readRaster(screen.get(), 0, 0, clientWidth(), clientHeight()));
}

void DrawingSurface::setBackgroundPicture(std::string_view bytes) {
    picture_.assign(bytes);
    const auto decoded = decodeBmp(bytes);
    setBackgroundTile(decoded ? Picture::fromRaster(*decoded) : Picture());
}

void DrawingSurface::setBackgroundColour(Colour colour) {
    backgroundColour_ = colour;
    clear();
}

void DrawingSurface::setPenColour(Colour colour) {
    penColour_ = colour;
    const SurfaceSettings& s = settings();
    const int style = s.penStyle == PenStyle::dotted ? PS_DOT : PS_SOLID;
    pen_.reset(CreatePen(style, s.penWidth, resolveColour(colour)));
}

std::string DrawingSurface::fontName() const {
    return narrow(logFont_.lfFaceName);
}

void DrawingSurface::setFontName(std::string_view name) {
    // A longer name would be cut by the font record and pick some other font.
    std::wstring face = widen(name);
    if (face.empty() || face.size() >= LF_FACESIZE)
        face = fallbackFontName;
    lstrcpynW(logFont_.lfFaceName, face.c_str(), LF_FACESIZE);
    hasFont_ = true;
    makeFont();
}

void DrawingSurface::setFontSize(double points) {
    fontSize_ = points;
    const int dpi = settings().independentOfDisplay ? 96 : systemDpi();
    logFont_.lfHeight = fontHeightForPoints(points, dpi);
    logFont_.lfWidth = 0;
    hasFont_ = true;
    makeFont();
}

void DrawingSurface::setVisible(bool show) {
    Control::setVisible(show);
    if (show)
        repaintNow();
}

LRESULT DrawingSurface::ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintSession paint(handle());
        paintClient(paint.dc());
        return 0;
    }
    case WM_SIZE:
        // The raster of a surface independent of the display keeps its stored size.
        if (raster_ && !settings().independentOfDisplay)
            resizeRaster(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(
                nullptr, settings().cursor == SurfaceCursor::crossHair ? IDC_CROSS : IDC_ARROW));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return Control::ownProcedure(message, wParam, lParam);
}

std::string takeScreenshot() {
    settleScreen();
    return encodeBmp(readScreen());
}

int screenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int screenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

} // namespace toolkit
