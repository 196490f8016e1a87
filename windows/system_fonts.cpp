#include "system_fonts.h"

#include "toolkit/handles.h"

#include <windows.h>

namespace windows {

std::vector<std::string> reportedFontNames() {
    std::vector<std::string> names;
    toolkit::WindowDc screen(nullptr);
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET; // all character sets, empty face name: all families
    EnumFontFamiliesExA(
        screen.get(), &query,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) -> int {
            reinterpret_cast<std::vector<std::string>*>(data)->emplace_back(font->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

} // namespace windows
