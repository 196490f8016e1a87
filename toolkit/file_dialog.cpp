#include "file_dialog.h"

#include "edit_box.h"
#include "text.h"
#include "window_registry.h"

#include <commdlg.h>

#include <vector>

namespace toolkit {

std::string filterList(std::string_view filter) {
    std::string list(filter);
    while (!list.empty() && list.back() == ' ')
        list.pop_back();
    if (list.size() < 2 || list.compare(list.size() - 2, 2, "||") != 0)
        list += "||";
    for (char& c : list)
        if (c == '|')
            c = '\0';
    return list;
}

bool FileDialog::show(HWND owner) {
    flushPendingAppends();
    const std::wstring filters = widen(filterList(filter));
    const std::wstring wideTitle = widen(title);
    const std::wstring extension = widen(defaultExtension);
    std::vector<wchar_t> path(32768, L'\0');
    widen(fileName).copy(path.data(), path.size() - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(initialFilter + 1);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A save dialog asks before replacing and needs an existing folder; a new name is fine.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (kind == 1 ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL confirmed = kind == 1 ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    returnTo(owner);
    if (!confirmed)
        return false;
    fileName = narrow(path.data());
    return true;
}

} // namespace toolkit
