#include "clipboard_export.h"

#include "toolkit/clipboard.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/file_dialog.h"
#include "toolkit/file_write.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

namespace capture {

bool copyImageToClipboard(toolkit::Picture picture) {
    // The input window lives as long as the program: it owns what the program puts there.
    toolkit::ClipboardSession clipboard(toolkit::openWindow(windows::inputWindow()));
    if (!clipboard.open())
        return false;
    clipboard.empty();
    return clipboard.putBitmap(picture);
}

void offerSaveAsBitmap(toolkit::Window& captureWindow, toolkit::DrawingSurface& cropSurface,
                       bool onClipboard) {
    const int answer = toolkit::messageBox(onClipboard ? saveQuestion : clipboardFailedQuestion,
                                           toolkit::boxExclamation | toolkit::boxYesNo);
    if (answer != toolkit::resultYes)
        return;
    toolkit::FileDialog dialog;
    dialog.kind = 1;
    dialog.filter = "*.bmp";
    dialog.defaultExtension = "bmp";
    if (!dialog.show(captureWindow.handle()))
        return;
    const std::string image = cropSurface.getImage();
    if (toolkit::writeFileReplacing(dialog.fileName, image))
        toolkit::messageBox(savedMessage, toolkit::boxExclamation);
    else
        toolkit::messageBox(saveFailedMessage, toolkit::boxExclamation);
}

} // namespace capture
