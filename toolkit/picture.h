#pragma once
// A picture: one bitmap compatible with the screen, with its size. Pictures go from the screen
// to a surface and from a surface to the clipboard as the bitmaps they are; .bmp bytes are made
// only where bytes are wanted (a file).
#include "bmp_codec.h"
#include "handles.h"

namespace toolkit {

class Picture {
  public:
    Picture() = default;
    // The whole primary screen at this moment, once the windows below a window that has just
    // gone have repainted.
    static Picture ofScreen();
    // The raster's pixels; no bitmap when the platform refuses one.
    static Picture fromRaster(const BmpRaster& raster);
    // The w x h pixels at (x, y) of a device context.
    static Picture copyOf(HDC source, int x, int y, int width, int height);

    HBITMAP handle() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The bitmap now belongs to somebody else (a surface, the clipboard); the picture forgets
    // it.
    HBITMAP giveAway() {
        width_ = height_ = 0;
        return bitmap_.release();
    }

  private:
    Bitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// Lets the repaints of windows uncovered a moment ago reach the screen.
void settleScreen();

} // namespace toolkit
