#pragma once
// Text is UTF-8 inside the program and UTF-16 at every Win32 call: these two functions are
// the one place where it changes form.
#include <string>
#include <string_view>

namespace toolkit {

// UTF-8 to UTF-16; invalid bytes become U+FFFD.
std::wstring widen(std::string_view utf8);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string narrow(std::wstring_view utf16);

} // namespace toolkit
