#pragma once
// The system clipboard, open for the lifetime of the object.
#include "picture.h"

namespace toolkit {

class Window;

class ClipboardSession {
  public:
    // OpenClipboard with the window as the owner. Another program may hold the clipboard for
    // a moment: it is tried for about a second.
    explicit ClipboardSession(const Window* owner);
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool open() const { return open_; }
    // EmptyClipboard: the program becomes the clipboard's owner.
    void empty();
    // SetClipboardData with CF_BITMAP. On success the bitmap belongs to the clipboard and the
    // picture gives it up; false (the picture keeps it) when there is none or it is refused.
    bool putBitmap(Picture& picture);

  private:
    bool open_ = false;
};

} // namespace toolkit
