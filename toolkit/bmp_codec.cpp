#include "bmp_codec.h"

#include <cstring>

namespace toolkit {
namespace {

void putU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t getU32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

std::uint16_t getU16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

// Largest side accepted from a file; keeps every size computation far from overflow.
constexpr std::int64_t maxSide = 1 << 15;

} // namespace

std::uint32_t BmpRaster::pixel(int x, int y) const {
    const std::size_t at = static_cast<std::size_t>(height - 1 - y) * stride(width) + x * 3;
    return rows[at + 2] | (rows[at + 1] << 8) | (rows[at] << 16);
}

void BmpRaster::setPixel(int x, int y, std::uint32_t colour) {
    const std::size_t at = static_cast<std::size_t>(height - 1 - y) * stride(width) + x * 3;
    rows[at] = static_cast<std::uint8_t>(colour >> 16);
    rows[at + 1] = static_cast<std::uint8_t>(colour >> 8);
    rows[at + 2] = static_cast<std::uint8_t>(colour);
}

BmpRaster BmpRaster::filled(int width, int height, std::uint32_t colour) {
    BmpRaster r{width, height,
                std::vector<std::uint8_t>(static_cast<std::size_t>(stride(width)) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            r.setPixel(x, y, colour);
    return r;
}

std::string encodeBmp(const BmpRaster& raster) {
    const auto dataSize = static_cast<std::uint32_t>(raster.rows.size());
    std::string out;
    out.reserve(bmpHeaderSize + dataSize);
    out += "BM";
    putU32(out, static_cast<std::uint32_t>(bmpHeaderSize) + dataSize);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, static_cast<std::uint32_t>(bmpHeaderSize));
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(raster.width));
    putU32(out, static_cast<std::uint32_t>(raster.height));
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0); // BI_RGB
    putU32(out, dataSize);
    for (int i = 0; i < 4; ++i)
        putU32(out, 0);
    out.append(reinterpret_cast<const char*>(raster.rows.data()), raster.rows.size());
    return out;
}

std::optional<BmpRaster> decodeBmp(std::string_view bytes) {
    if (bytes.size() < bmpHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const std::uint32_t offset = getU32(bytes, 10);
    const std::uint32_t infoSize = getU32(bytes, 14);
    if (infoSize < 40 || 14 + static_cast<std::uint64_t>(infoSize) > bytes.size())
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(getU32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(getU32(bytes, 22));
    const std::uint16_t planes = getU16(bytes, 26);
    const std::uint16_t bits = getU16(bytes, 28);
    const std::uint32_t compression = getU32(bytes, 30);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0)
        return std::nullopt;
    if (width <= 0 || width > maxSide || rawHeight == 0 || rawHeight < -maxSide ||
        rawHeight > maxSide)
        return std::nullopt;
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    const std::int64_t sourceStride = ((static_cast<std::int64_t>(width) * bits + 31) / 32) * 4;
    const std::int64_t needed = sourceStride * height;
    if (offset < 14 + infoSize || offset > bytes.size() ||
        static_cast<std::int64_t>(bytes.size() - offset) < needed)
        return std::nullopt;

    BmpRaster raster{
        width, height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(BmpRaster::stride(width)) * height)};
    const std::size_t bytesPerPixel = bits / 8;
    for (int row = 0; row < height; ++row) {
        // Row `row` of the result counts from the bottom, like the file's own order.
        const int sourceRow = topDown ? height - 1 - row : row;
        const char* src = bytes.data() + offset + sourceStride * sourceRow;
        std::uint8_t* dst =
            raster.rows.data() + static_cast<std::size_t>(row) * BmpRaster::stride(width);
        if (bytesPerPixel == 3) {
            std::memcpy(dst, src, static_cast<std::size_t>(width) * 3);
        } else {
            for (int x = 0; x < width; ++x)
                std::memcpy(dst + x * 3, src + x * bytesPerPixel, 3);
        }
    }
    return raster;
}

} // namespace toolkit
