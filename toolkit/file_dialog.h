#pragma once
// The common open/save dialog as a component with properties.
#include <windows.h>

#include <string>
#include <string_view>

namespace toolkit {

// "label|pattern|label|pattern" as the dialog wants it: trailing blanks trimmed, "||" added
// unless already there, then every "|" turned into a terminator.
std::string filterList(std::string_view filter);

class FileDialog {
  public:
    int kind = 0; // 0 open, 1 save
    std::string filter;
    std::string defaultExtension;
    std::string title;
    std::string fileName;  // the chosen full path once confirmed
    int initialFilter = 0; // 0: the first entry

    // Shows the dialog modally; false when the user cancels.
    bool show(HWND owner);
};

} // namespace toolkit
