#include "support/process.h"

#include "toolkit/text.h"

#include <thread>

namespace testing_support {

std::string programFolder() {
    wchar_t path[MAX_PATH]{};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string folder = toolkit::narrow(std::wstring_view(path, length));
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

ChildProcess::ChildProcess(const std::string& program,
                           const std::vector<std::pair<std::string, std::string>>& environment) {
    for (const auto& [name, value] : environment)
        SetEnvironmentVariableW(toolkit::widen(name).c_str(), toolkit::widen(value).c_str());
    std::wstring commandLine = toolkit::widen('"' + programFolder() + program + '"');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        toolkit::widen(programFolder()).c_str(), &startup, &info_))
        info_ = {};
    for (const auto& [name, value] : environment)
        SetEnvironmentVariableW(toolkit::widen(name).c_str(), nullptr);
}

ChildProcess::~ChildProcess() {
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (!info_.hProcess ||
        WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

HWND ChildProcess::findWindow(const std::string& title) const {
    struct Search {
        DWORD processId;
        const std::string* title;
        HWND found = nullptr;
    } search{info_.dwProcessId, &title};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[256]{};
            GetWindowTextW(window, text, 256);
            if (owner == s->processId && *s->title == toolkit::narrow(text)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::waitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                                 bool mustBeVisible) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        HWND window = findWindow(title);
        if (window && (!mustBeVisible || IsWindowVisible(window)))
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return nullptr;
}

} // namespace testing_support
