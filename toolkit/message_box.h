#pragma once
#include <string_view>

namespace toolkit {

// Flags are the Win32 MessageBox values.
inline constexpr int boxOk = 0;
inline constexpr int boxYesNo = 4;
inline constexpr int boxExclamation = 48;

// Results.
enum BoxResult {
    resultOk = 0,
    resultCancel,
    resultAbort,
    resultRetry,
    resultIgnore,
    resultYes,
    resultNo
};

inline constexpr const char* defaultBoxTitle = "信息：";

// No owner, task-modal; "信息：" as the title when none is given.
int messageBox(std::string_view text, int flags, std::string_view title = defaultBoxTitle);

} // namespace toolkit
