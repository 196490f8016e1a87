#pragma once
// The outer rectangle of windows and controls, read and written the same way for both.
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

// The position and size properties of anything with a handle().
template <typename Derived> class OuterGeometry {
  public:
    int left() const { return outerRect(handleOf()).left; }
    int top() const { return outerRect(handleOf()).top; }
    int width() const {
        const RECT r = outerRect(handleOf());
        return r.right - r.left;
    }
    int height() const {
        const RECT r = outerRect(handleOf());
        return r.bottom - r.top;
    }
    void setLeft(int value) { move(value, top(), -1, -1); }
    void setTop(int value) { move(left(), value, -1, -1); }
    void setWidth(int value) { move(left(), top(), clampSize(value), -1); }
    void setHeight(int value) { move(left(), top(), -1, clampSize(value)); }
    void move(int left, int top, int width, int height) {
        moveOuter(handleOf(), left, top, width, height);
    }

  private:
    HWND handleOf() const { return static_cast<const Derived*>(this)->handle(); }
};

} // namespace toolkit
