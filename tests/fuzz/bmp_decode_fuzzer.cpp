// libFuzzer target for the .bmp decoder, built natively (it has no Win32 in it). Whatever the
// bytes, decoding must not read out of bounds, and what it accepts must encode to a file that
// decodes to the same raster.
#include "toolkit/bmp_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto raster = toolkit::decodeBmp(bytes);
    if (!raster)
        return 0;
    if (raster->rows.size() !=
        static_cast<std::size_t>(toolkit::BmpRaster::stride(raster->width)) * raster->height)
        std::abort();
    const auto again = toolkit::decodeBmp(toolkit::encodeBmp(*raster));
    if (!again || again->rows != raster->rows || again->width != raster->width ||
        again->height != raster->height)
        std::abort();
    return 0;
}
