#pragma once
// The input window's handlers (its created handler lives with the start-up in app/).
#include "toolkit/events.h"

namespace windows {

inline constexpr const char* pressOneFirst = "请先按下1按钮！";

// 编辑框enter, leftButtonPressed: every press empties the input box.
void onInputBoxPressed(toolkit::Window& window, const toolkit::EventArgs& args);
// 按钮1: store the inputs and draw the preview.
void onStoreInputs(toolkit::Window& window, const toolkit::EventArgs& args);
// 颜色选择器2, colourChosen: store the colour.
void onColourChosen(toolkit::Window& window, const toolkit::EventArgs& args);
// 按钮2: open the art window, then read the inputs again.
void onOpenArtWindow(toolkit::Window& window, const toolkit::EventArgs& args);
// 按钮初始化: reset the inputs.
void onResetInputs(toolkit::Window& window, const toolkit::EventArgs& args);

} // namespace windows
