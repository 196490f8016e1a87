#pragma once
// The rules that turn the system's reported font names into the art window's font list.
#include <string>
#include <vector>

namespace windows {

inline constexpr const char* preferredFont = "宋体";

struct FontList {
    std::vector<std::string> items;
    int current = -1; // the last item equal to "宋体", or -1
};

// The reported names in reverse order, each name that equals the one before it (in that
// order) left out, then only the names that match "^[^A-Za-z@].*": those that begin neither
// with an ASCII letter nor with "@".
FontList makeFontList(const std::vector<std::string>& reported);

} // namespace windows
