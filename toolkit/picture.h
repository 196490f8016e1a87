#pragma once
// A short-lived picture made from image bytes: one bitmap compatible with the screen.
#include "handles.h"

#include <string_view>

namespace toolkit {

class Picture {
  public:
    // Empty or unreadable bytes give a picture without a bitmap (handle 0).
    static Picture fromImageBytes(std::string_view bytes);

    HBITMAP handle() const { return bitmap_.get(); }
    // The bitmap now belongs to somebody else (the clipboard); the picture forgets it.
    void giveAway() { bitmap_.release(); }

  private:
    Bitmap bitmap_;
};

} // namespace toolkit
