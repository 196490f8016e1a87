#include "clipboard_export.h"

#include "toolkit/drawing_surface.h"
#include "toolkit/file_dialog.h"
#include "toolkit/file_write.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace capture {
namespace {

// The clipboard, open for the lifetime of the object.
class OpenClipboardSession {
  public:
    // Another program may hold the clipboard for a moment: try for about a second.
    explicit OpenClipboardSession(HWND owner) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (!(open_ = OpenClipboard(owner) != FALSE) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
    ~OpenClipboardSession() {
        if (open_)
            CloseClipboard();
    }
    bool open() const { return open_; }

  private:
    bool open_ = false;
};

HWND inputWindowHandle() {
    toolkit::Window* input = toolkit::openWindow(windows::inputWindow());
    return input ? input->handle() : nullptr;
}

} // namespace

bool copyImageToClipboard(std::string_view imageBytes) {
    toolkit::Picture picture = toolkit::Picture::fromImageBytes(imageBytes);
    OpenClipboardSession clipboard(inputWindowHandle());
    if (!clipboard.open())
        return false;
    EmptyClipboard();
    if (!picture.handle() || !SetClipboardData(CF_BITMAP, picture.handle()))
        return false;
    picture.giveAway(); // the clipboard owns the bitmap now
    return true;
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
