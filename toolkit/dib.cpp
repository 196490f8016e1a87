#include "dib.h"

namespace toolkit {
namespace {

BITMAPINFO infoFor(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

BmpRaster readRaster(HDC source, int x, int y, int width, int height) {
    BmpRaster raster;
    raster.width = width > 0 ? width : 0;
    raster.height = height > 0 ? height : 0;
    raster.rows.resize(static_cast<std::size_t>(BmpRaster::stride(raster.width)) * raster.height);
    if (raster.rows.empty())
        return raster;
    MemoryDc memory(source);
    Bitmap bitmap(CreateCompatibleBitmap(source, width, height));
    {
        Selection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, source, x, y, SRCCOPY);
    }
    BITMAPINFO info = infoFor(width, height);
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), raster.rows.data(), &info,
              DIB_RGB_COLORS);
    return raster;
}

Bitmap makeScreenBitmap(const BmpRaster& raster) {
    WindowDc screen(nullptr);
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), raster.width, raster.height));
    if (!bitmap)
        return bitmap;
    BITMAPINFO info = infoFor(raster.width, raster.height);
    SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(raster.height), raster.rows.data(),
              &info, DIB_RGB_COLORS);
    return bitmap;
}

BmpRaster readScreen() {
    WindowDc screen(nullptr);
    return readRaster(screen.get(), 0, 0, GetSystemMetrics(SM_CXSCREEN),
                      GetSystemMetrics(SM_CYSCREEN));
}

} // namespace toolkit
