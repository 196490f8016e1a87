#include "input_window_created.h"

#include "global_state.h"
#include "toolkit/edit_box.h"
#include "toolkit/message_box.h"
#include "toolkit/profile_file.h"
#include "toolkit/window.h"

namespace app {

void onInputWindowCreated(toolkit::Window& window, const toolkit::EventArgs&) {
    window.setFocus(window.editBox("编辑框enter"));
    globalState.fillText = window.editBox("编辑框char").text();

    std::string firstRunKey;
    {
        // Drive D: may be a card reader or DVD drive without a medium: no "insert a disk".
        toolkit::QuietDriveErrors quiet;
        // Whether this worked is of no interest: a missing drive only brings the notice back.
        toolkit::createFolder(settingsFolder);
        firstRunKey = toolkit::readProfileValue(settingsFile, "1", "h", 10240);
        if (firstRunKey.empty())
            toolkit::writeProfileValue(settingsFile, "1", "h", "r");
    }
    if (firstRunKey.empty())
        toolkit::messageBox(firstRunNotice, toolkit::boxOk, "提示");
}

} // namespace app
