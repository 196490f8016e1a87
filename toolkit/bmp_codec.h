#pragma once
// .bmp bytes without any platform code: 24 bits per pixel, bottom row first, pixel data at 54.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// A 24-bit raster in the layout of a bottom-up DIB: rows of blue, green, red bytes, each row
// padded to a multiple of 4 bytes, the bottom row first.
struct BmpRaster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;

    static int stride(int width) { return (width * 3 + 3) & ~3; }
    // Pixel at (x, y), y counted from the top, as 0x00BBGGRR.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t colour);
    static BmpRaster filled(int width, int height, std::uint32_t colour);
};

inline constexpr std::size_t bmpHeaderSize = 54;

// The complete file: headers followed by raster.rows. The raster must be consistent.
std::string encodeBmp(const BmpRaster& raster);

// Reads uncompressed 24- or 32-bit files, bottom-up or top-down, into a 24-bit bottom-up
// raster. Anything else, truncated or inconsistent, gives nothing.
std::optional<BmpRaster> decodeBmp(std::string_view bytes);

} // namespace toolkit
