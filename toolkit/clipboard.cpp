#include "clipboard.h"

#include "window.h"

#include <chrono>
#include <thread>

namespace toolkit {

ClipboardSession::ClipboardSession(const Window* owner) {
    const HWND handle = owner ? owner->handle() : nullptr;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!(open_ = OpenClipboard(handle) != FALSE) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

ClipboardSession::~ClipboardSession() {
    if (open_)
        CloseClipboard();
}

void ClipboardSession::empty() {
    EmptyClipboard();
}

bool ClipboardSession::putBitmap(Picture& picture) {
    if (!picture.handle() || !SetClipboardData(CF_BITMAP, picture.handle()))
        return false;
    picture.giveAway();
    return true;
}

} // namespace toolkit
