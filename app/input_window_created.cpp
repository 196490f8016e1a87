#include "input_window_created.h"

#include "global_state.h"
#include "toolkit/edit_box.h"
#include "toolkit/message_box.h"
#include "toolkit/window.h"

#include <windows.h>

#include <vector>

namespace app {

void onInputWindowCreated(toolkit::Window& window, const toolkit::EventArgs&) {
    window.setFocus(window.editBox("编辑框enter"));
    globalState.fillText = window.editBox("编辑框char").text();

    // Whether this worked is of no interest: a missing drive only brings the notice back.
    CreateDirectoryA(settingsFolder, nullptr);
    std::vector<char> value(10240);
    GetPrivateProfileStringA("1", "h", nullptr, value.data(), static_cast<DWORD>(value.size()),
                             settingsFile);
    if (value[0] != '\0')
        return;
    WritePrivateProfileStringA("1", "h", "r", settingsFile);
    toolkit::messageBox(firstRunNotice, toolkit::boxOk, "提示");
}

} // namespace app
