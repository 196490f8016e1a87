#include "font_families.h"

#include "handles.h"
#include "text.h"

namespace toolkit {

std::vector<std::string> reportedFontFamilies() {
    std::vector<std::string> names;
    WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET; // all character sets, empty face name: all families
    EnumFontFamiliesExW(
        screen.get(), &query,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
            reinterpret_cast<std::vector<std::string>*>(data)->push_back(narrow(font->lfFaceName));
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

} // namespace toolkit
