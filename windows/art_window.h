#pragma once
// The art window's handlers.
#include "toolkit/events.h"

namespace windows {

inline constexpr const char* sizeWarning = "字号过大可能导致显示异常，请自行调整窗口";

void onArtWindowCreated(toolkit::Window& window, const toolkit::EventArgs& args);
void onArtWindowSizeChanged(toolkit::Window& window, const toolkit::EventArgs& args);
// 组合框2: the user picked a font size.
void onFontSizePicked(toolkit::Window& window, const toolkit::EventArgs& args);
// 组合框1: the user picked a font name.
void onFontNamePicked(toolkit::Window& window, const toolkit::EventArgs& args);
// 工具条1: index is the button's position.
void onToolbarButton(toolkit::Window& window, const toolkit::EventArgs& args);

} // namespace windows
