#pragma once
// The outer rectangle of windows and controls, read and written the same way for both.
#include "display_scale.h"

#include <windows.h>

namespace toolkit {

// Outer sizes are clamped to this range when written.
inline int clampSize(int value) {
    return value < 0 ? 0 : (value > 32627 ? 32627 : value);
}

// In the parent's client coordinates for a child window, in screen coordinates otherwise.
RECT outerRect(HWND window);
// A width or height of -1 keeps that size; an unchanged rectangle does nothing.
void moveOuter(HWND window, int left, int top, int width, int height);

// The position and size properties of anything with a handle() and a displayScale(), in
// 96-DPI pixels.
template <typename Derived> class OuterGeometry {
  public:
    int left() const { return scale().toDesign(outerRect(handleOf()).left); }
    int top() const { return scale().toDesign(outerRect(handleOf()).top); }
    int width() const {
        const RECT r = outerRect(handleOf());
        return scale().toDesign(r.right - r.left);
    }
    int height() const {
        const RECT r = outerRect(handleOf());
        return scale().toDesign(r.bottom - r.top);
    }
    // Each setter leaves the other three exactly where they are on the display.
    void setLeft(int value) {
        const RECT r = outerRect(handleOf());
        moveOuter(handleOf(), scale().toDisplay(value), r.top, -1, -1);
    }
    void setTop(int value) {
        const RECT r = outerRect(handleOf());
        moveOuter(handleOf(), r.left, scale().toDisplay(value), -1, -1);
    }
    void setWidth(int value) {
        const RECT r = outerRect(handleOf());
        moveOuter(handleOf(), r.left, r.top, scale().toDisplay(clampSize(value)), -1);
    }
    void setHeight(int value) {
        const RECT r = outerRect(handleOf());
        moveOuter(handleOf(), r.left, r.top, -1, scale().toDisplay(clampSize(value)));
    }
    // A width or height of -1 keeps that size.
    void move(int left, int top, int width, int height) {
        const DisplayScale s = scale();
        moveOuter(handleOf(), s.toDisplay(left), s.toDisplay(top),
                  width == -1 ? -1 : s.toDisplay(clampSize(width)),
                  height == -1 ? -1 : s.toDisplay(clampSize(height)));
    }

  private:
    HWND handleOf() const { return static_cast<const Derived*>(this)->handle(); }
    DisplayScale scale() const { return static_cast<const Derived*>(this)->displayScale(); }
};

} // namespace toolkit
