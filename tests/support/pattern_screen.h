#pragma once
// A window over the whole screen painted with a pattern the test knows at every pixel.
#include "toolkit/bmp_codec.h"

#include <windows.h>

#include <cstdint>

namespace testing_support {

class PatternScreen {
  public:
    PatternScreen();
    ~PatternScreen();
    PatternScreen(const PatternScreen&) = delete;
    PatternScreen& operator=(const PatternScreen&) = delete;

    // The colour (0x00BBGGRR) at screen pixel (x, y).
    static std::uint32_t colourAt(int x, int y);
    // The w x h pixels at (x, y) as a raster.
    static toolkit::BmpRaster region(int x, int y, int w, int h);

  private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

} // namespace testing_support
