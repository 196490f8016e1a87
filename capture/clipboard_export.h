#pragma once
// The captured picture on the clipboard and, if the user wishes, in a .bmp file.
#include "toolkit/picture.h"

namespace toolkit {
class DrawingSurface;
class Window;
} // namespace toolkit

namespace capture {

inline constexpr const char* saveQuestion = "取到图片已保存到剪辑板中，现在要存为文件吗？";
inline constexpr const char* clipboardFailedQuestion =
    "剪辑板正被其他程序占用，图片未能放入剪辑板。现在要存为文件吗？";
inline constexpr const char* savedMessage = "保存文件成功！";
inline constexpr const char* saveFailedMessage = "保存文件失败！原来的文件没有改动。";

// Puts the picture's bitmap on the clipboard, as the bitmap it is, with the input window as the
// owner. A clipboard held by another program is tried again for about a second. True when the
// clipboard holds the picture afterwards.
bool copyImageToClipboard(toolkit::Picture picture);

// Asks whether to save the crop surface's image as well, lets the user choose a file and
// writes it. `onClipboard` tells whether the picture reached the clipboard.
void offerSaveAsBitmap(toolkit::Window& captureWindow, toolkit::DrawingSurface& cropSurface,
                       bool onClipboard);

} // namespace capture
