#pragma once
// Between GDI bitmaps and 24-bit rasters.
#include "bmp_codec.h"
#include "handles.h"

namespace toolkit {

// The w x h pixels at (x, y) of a device context.
BmpRaster readRaster(HDC source, int x, int y, int width, int height);

// A bitmap compatible with the screen holding the raster.
Bitmap makeScreenBitmap(const BmpRaster& raster);

// The whole primary screen at this moment.
BmpRaster readScreen();

} // namespace toolkit
