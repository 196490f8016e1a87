#include "geometry.h"

namespace toolkit {

RECT outerRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void moveOuter(HWND window, int left, int top, int width, int height) {
    const RECT r = outerRect(window);
    const int w = width == -1 ? r.right - r.left : clampSize(width);
    const int h = height == -1 ? r.bottom - r.top : clampSize(height);
    if (left == r.left && top == r.top && w == r.right - r.left && h == r.bottom - r.top)
        return;
    SetWindowPos(window, nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace toolkit
