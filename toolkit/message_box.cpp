#include "message_box.h"

#include "edit_box.h"
#include "text.h"
#include "window_registry.h"

#include <windows.h>

#include <string>

namespace toolkit {

int messageBox(std::string_view text, int flags, std::string_view title) {
    flushPendingAppends();
    const HWND opener = windowInUse();
    const int id = MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(),
                               static_cast<UINT>(flags) | MB_TASKMODAL);
    returnTo(opener);
    // IDOK = 1 ... IDNO = 7 become 0 ... 6.
    return id > 0 ? id - 1 : resultCancel;
}

} // namespace toolkit
