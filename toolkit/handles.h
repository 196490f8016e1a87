#pragma once
// Owning wrappers for the GDI and USER handles the toolkit uses.
#include "colour.h"

#include <windows.h>

#include <utility>

namespace toolkit {

// Fills a rectangle of a device context with a colour (a system colour too).
void fillWithColour(HDC dc, int left, int top, int right, int bottom, Colour colour);

// A GDI object (pen, brush, font, bitmap) deleted with DeleteObject.
template <typename H> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(H handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(H handle = nullptr) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }
    // Gives up ownership, for a handle that somebody else will own (the clipboard).
    H release() { return std::exchange(handle_, nullptr); }

  private:
    H handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;

// The device context of a window (or of the screen for a null window), released on scope exit.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint for the scope, EndPaint when it ends.
class PaintSession {
  public:
    explicit PaintSession(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    ~PaintSession() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context compatible with another DC, deleted on scope exit.
class MemoryDc {
  public:
    MemoryDc() = default;
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        std::swap(dc_, other.dc_);
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

  private:
    HDC dc_ = nullptr;
};

// Selects an object into a DC for the scope, then puts the previous one back.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_)
            SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context with a bitmap of its own selected into it: an off-screen canvas.
class Canvas {
  public:
    Canvas() = default;
    Canvas(HDC compatibleWith, Bitmap bitmap, int width, int height)
        : dc_(compatibleWith), bitmap_(std::move(bitmap)), width_(width), height_(height) {
        previous_ = SelectObject(dc_.get(), bitmap_.get());
    }
    Canvas(Canvas&& other) noexcept { swap(other); }
    Canvas& operator=(Canvas&& other) noexcept {
        Canvas gone(std::move(*this));
        swap(other);
        return *this;
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        if (dc_.get() && previous_)
            SelectObject(dc_.get(), previous_);
    }

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return dc_.get() && bitmap_; }

  private:
    void swap(Canvas& other) noexcept {
        std::swap(dc_, other.dc_);
        std::swap(bitmap_, other.bitmap_);
        std::swap(previous_, other.previous_);
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
    }
    MemoryDc dc_;
    Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace toolkit
