#include "toolkit/bmp_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using toolkit::BmpRaster;
using toolkit::decodeBmp;
using toolkit::encodeBmp;

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t u16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}
void putU32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(v >> (8 * i));
}
void putU16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<char>(v);
    b[at + 1] = static_cast<char>(v >> 8);
}

BmpRaster patterned(int width, int height) {
    BmpRaster r = BmpRaster::filled(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            r.setPixel(x, y, static_cast<std::uint32_t>((x * 37 + y * 101) * 0x010203) & 0xFFFFFF);
    return r;
}

} // namespace

TEST(BmpEncode, HeaderFieldsDescribeA24BitBottomUpFile) {
    const std::string bytes = encodeBmp(patterned(3, 2));
    const std::uint32_t rowBytes = 12; // 3 pixels * 3 bytes = 9, padded to 12
    ASSERT_EQ(bytes.size(), 54u + 2 * rowBytes);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(u32(bytes, 2), bytes.size());
    EXPECT_EQ(u16(bytes, 6), 0);
    EXPECT_EQ(u16(bytes, 8), 0);
    EXPECT_EQ(u32(bytes, 10), 54u);
    EXPECT_EQ(u32(bytes, 14), 40u);
    EXPECT_EQ(u32(bytes, 18), 3u);
    EXPECT_EQ(u32(bytes, 22), 2u); // positive: bottom row first
    EXPECT_EQ(u16(bytes, 26), 1);
    EXPECT_EQ(u16(bytes, 28), 24);
    EXPECT_EQ(u32(bytes, 30), 0u);
    EXPECT_EQ(u32(bytes, 34), 2 * rowBytes);
    for (std::size_t at = 38; at < 54; at += 4)
        EXPECT_EQ(u32(bytes, at), 0u) << "at " << at;
}

TEST(BmpEncode, PixelsAreBlueGreenRedWithTheBottomRowFirst) {
    BmpRaster r = BmpRaster::filled(1, 2, 0);
    r.setPixel(0, 0, 0x0000FF); // top: red
    r.setPixel(0, 1, 0xFF0000); // bottom: blue
    const std::string bytes = encodeBmp(r);
    ASSERT_EQ(bytes.size(), 54u + 8);
    // Bottom row first: blue is B=FF G=00 R=00, then one padding byte.
    EXPECT_EQ(bytes.substr(54, 4), std::string("\xFF\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(58, 4), std::string("\x00\x00\xFF\x00", 4));
}

TEST(BmpEncode, RowsArePaddedToFourBytes) {
    struct Case {
        int width;
        std::size_t rowBytes;
    };
    for (const Case c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}}) {
        const std::string bytes = encodeBmp(patterned(c.width, 3));
        EXPECT_EQ(bytes.size(), 54 + 3 * c.rowBytes) << "width " << c.width;
        EXPECT_EQ(u32(bytes, 34), 3 * c.rowBytes) << "width " << c.width;
        // Padding bytes are zero.
        for (std::size_t row = 0; row < 3; ++row)
            for (std::size_t at = c.width * 3; at < c.rowBytes; ++at)
                EXPECT_EQ(bytes[54 + row * c.rowBytes + at], 0) << "width " << c.width;
    }
}

TEST(BmpDecode, RoundTripKeepsEveryPixel) {
    for (int width : {1, 2, 3, 4, 7}) {
        const BmpRaster original = patterned(width, 5);
        const auto decoded = decodeBmp(encodeBmp(original));
        ASSERT_TRUE(decoded) << "width " << width;
        EXPECT_EQ(decoded->width, width);
        EXPECT_EQ(decoded->height, 5);
        EXPECT_EQ(decoded->rows, original.rows);
    }
}

TEST(BmpDecode, ReadsTopDownAnd32BitFiles) {
    const BmpRaster original = patterned(3, 2);
    // The same picture written top-down with 32 bits per pixel.
    std::string bytes = encodeBmp(original).substr(0, 54);
    putU32(bytes, 22, static_cast<std::uint32_t>(-2));
    putU16(bytes, 28, 32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const std::uint32_t c = original.pixel(x, y);
            bytes += static_cast<char>(c >> 16);
            bytes += static_cast<char>(c >> 8);
            bytes += static_cast<char>(c);
            bytes += '\0';
        }
    const auto decoded = decodeBmp(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->rows, original.rows);
}

TEST(BmpDecode, RejectsMalformedBytes) {
    const std::string good = encodeBmp(patterned(3, 2));
    struct Case {
        const char* what;
        std::string bytes;
    };
    auto with = [&](auto change) {
        std::string b = good;
        change(b);
        return b;
    };
    const Case cases[] = {
        {"empty", ""},
        {"magic only", "BM"},
        {"header cut short", good.substr(0, 53)},
        {"pixel data cut short", good.substr(0, good.size() - 1)},
        {"wrong magic", with([](std::string& b) { b[0] = 'M'; })},
        {"info header too small", with([](std::string& b) { putU32(b, 14, 12); })},
        {"info header past the end", with([](std::string& b) { putU32(b, 14, 0xFFFFFFF0u); })},
        {"zero width", with([](std::string& b) { putU32(b, 18, 0); })},
        {"negative width",
         with([](std::string& b) { putU32(b, 18, static_cast<std::uint32_t>(-3)); })},
        {"zero height", with([](std::string& b) { putU32(b, 22, 0); })},
        {"huge width", with([](std::string& b) { putU32(b, 18, 0x7FFFFFFF); })},
        {"huge height", with([](std::string& b) { putU32(b, 22, 0x80000000u); })},
        {"two planes", with([](std::string& b) { putU16(b, 26, 2); })},
        {"8 bits", with([](std::string& b) { putU16(b, 28, 8); })},
        {"compressed", with([](std::string& b) { putU32(b, 30, 1); })},
        {"offset inside the header", with([](std::string& b) { putU32(b, 10, 20); })},
        {"offset past the end", with([](std::string& b) { putU32(b, 10, 0xFFFFFFFFu); })},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(decodeBmp(c.bytes)) << c.what;
}
