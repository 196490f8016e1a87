#pragma once
// Numbers as the handlers pass them around: colours travel as decimal text between windows.
#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

// Decimal text of an integer.
std::string toText(long long value);

// The leading decimal number of a text as a real, by C atof rules, after full-width forms
// (digits, signs, dot, letters, the ideographic space) are mapped to ASCII; 0 when no
// number leads.
double toNumber(std::string_view text);

// A colour from its decimal text: toNumber, truncated toward zero.
std::uint32_t toColour(std::string_view text);

// Full-width forms (U+FF01..U+FF5E, U+3000) of a UTF-8 text replaced by their ASCII twins.
std::string mapFullWidthToAscii(std::string_view text);

} // namespace toolkit
