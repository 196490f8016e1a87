#include "number_text.h"

#include <cstdlib>

namespace toolkit {

std::string toText(long long value) {
    return std::to_string(value);
}

std::string mapFullWidthToAscii(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 == 0xE3 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            static_cast<unsigned char>(text[i + 2]) == 0x80) {
            out.push_back(' '); // U+3000 ideographic space
            i += 2;
            continue;
        }
        if (b0 == 0xEF && i + 2 < text.size()) {
            // U+FF01..U+FF5E: EF BC 81..EF BC BF, EF BD 80..EF BD 9E
            const auto b1 = static_cast<unsigned char>(text[i + 1]);
            const auto b2 = static_cast<unsigned char>(text[i + 2]);
            const unsigned codePoint = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
            if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80 && codePoint >= 0xFF01 &&
                codePoint <= 0xFF5E) {
                out.push_back(static_cast<char>(codePoint - 0xFF01 + 0x21));
                i += 2;
                continue;
            }
        }
        out.push_back(static_cast<char>(b0));
    }
    return out;
}

std::uint32_t toColour(std::string_view text) {
    return static_cast<std::uint32_t>(static_cast<long long>(toNumber(text)));
}

double toNumber(std::string_view text) {
    const std::string ascii = mapFullWidthToAscii(text);
    return std::strtod(ascii.c_str(), nullptr);
}

} // namespace toolkit
