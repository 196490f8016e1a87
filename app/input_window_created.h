#pragma once
#include "toolkit/events.h"

namespace app {

inline constexpr const char* settingsFolder = "D:\\tuk\\";
inline constexpr const char* settingsFile = "D:\\tuk\\tuk.ini";
inline constexpr const char* firstRunNotice = "如果出现文字错乱等现象，请把程序兼容性设置为 WinXp";

// The input window's created handler: focus on the input box, the initial fill text and,
// on the first start, the compatibility notice.
void onInputWindowCreated(toolkit::Window& window, const toolkit::EventArgs& args);

} // namespace app
