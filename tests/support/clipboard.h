#pragma once
// The system clipboard as another program sees it.
#include "toolkit/bmp_codec.h"

#include <optional>
#include <string>

namespace testing_support {

// The picture on the clipboard, read as a 24-bit raster; nothing when there is none.
std::optional<toolkit::BmpRaster> clipboardPicture();
// Text on the clipboard (CF_UNICODETEXT, as UTF-8); nothing when there is none.
std::optional<std::string> clipboardText();
// Puts a text on the clipboard, replacing what it held.
void putClipboardText(const std::string& text);

} // namespace testing_support
