#include "support/pattern_screen.h"

#include "support/ui.h"

#include <vector>

namespace testing_support {

std::uint32_t PatternScreen::colourAt(int x, int y) {
    const std::uint32_t red = static_cast<std::uint32_t>(x) & 0xFF;
    const std::uint32_t green = static_cast<std::uint32_t>(y) & 0xFF;
    const std::uint32_t blue = static_cast<std::uint32_t>((x >> 8) * 40 + (y >> 8) * 90 + 7) & 0xFF;
    return red | green << 8 | blue << 16;
}

toolkit::BmpRaster PatternScreen::region(int x, int y, int w, int h) {
    toolkit::BmpRaster raster = toolkit::BmpRaster::filled(w, h, 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            raster.setPixel(i, j, colourAt(x + i, y + j));
    return raster;
}

LRESULT CALLBACK PatternScreen::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r{};
    GetClientRect(window, &r);
    const toolkit::BmpRaster all = region(0, 0, r.right, r.bottom);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, all.width, all.height, 1, 24, BI_RGB};
    SetDIBitsToDevice(dc, 0, 0, all.width, all.height, 0, 0, 0, all.height, all.rows.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(window, &ps);
    return 0;
}

PatternScreen::PatternScreen() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PatternScreen::procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"tukTestPattern";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, L"tukTestPattern", L"pattern", WS_POPUP | WS_VISIBLE, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
    pumpMessages(100ms);
}

PatternScreen::~PatternScreen() {
    DestroyWindow(window_);
}

} // namespace testing_support
