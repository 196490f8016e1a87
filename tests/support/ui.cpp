#include "support/ui.h"

#include "toolkit/text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace testing_support {

void pumpMessages(std::chrono::milliseconds duration) {
    pumpUntil([] { return false; }, duration);
}

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(toolkit::widen(path)), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(toolkit::widen(path)),
                      std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesW(toolkit::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(widen(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string dDriveFolder() {
    const char* folder = std::getenv("TUK_D_DRIVE");
    return folder ? folder : "";
}

void removeSettingsFolder() {
    DeleteFileW(L"D:\\tuk\\tuk.ini");
    RemoveDirectoryW(L"D:\\tuk");
}

DriveDRemoved::DriveDRemoved() {
    const std::string folder = dDriveFolder();
    ok_ = !folder.empty() &&
          MoveFileW(toolkit::widen(folder).c_str(), toolkit::widen(folder + ".away").c_str());
}

DriveDRemoved::~DriveDRemoved() {
    if (ok_) {
        const std::string folder = dDriveFolder();
        MoveFileW(toolkit::widen(folder + ".away").c_str(), toolkit::widen(folder).c_str());
    }
}

namespace {

std::map<UINT_PTR, std::function<void()>>& pendingSteps() {
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

void CALLBACK runPendingStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto found = pendingSteps().find(timer);
    if (found == pendingSteps().end())
        return;
    std::function<void()> step = std::move(found->second);
    pendingSteps().erase(found);
    step();
}

} // namespace

void runSoon(std::function<void()> step, std::chrono::milliseconds delay) {
    const UINT_PTR timer = SetTimer(
        nullptr, 0, static_cast<UINT>(delay.count() > 0 ? delay.count() : 1), &runPendingStep);
    pendingSteps()[timer] = std::move(step);
}

void clickAt(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    // Arrive with a move, as a hand would: some controls track the mouse before a press.
    SetCursorPos(p.x + 1, p.y + 1);
    INPUT inputs[3]{};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = (p.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = (p.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

namespace {

INPUT mouseInput(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (at.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags;
    return input;
}

} // namespace

void rightClickAtScreen(POINT point) {
    SetCursorPos(point.x, point.y);
    INPUT inputs[] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point),
                      mouseInput(MOUSEEVENTF_RIGHTDOWN), mouseInput(MOUSEEVENTF_RIGHTUP)};
    SendInput(3, inputs, sizeof(INPUT));
}

void dragOnScreen(POINT from, POINT to) {
    SetCursorPos(from.x, from.y);
    INPUT inputs[] = {
        mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from), mouseInput(MOUSEEVENTF_LEFTDOWN),
        mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to), mouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(4, inputs, sizeof(INPUT));
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

HWND findDialog() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t className[16]{};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770" && IsWindowVisible(window) &&
                !GetDlgItem(window, 0xFFFF)) {
                reinterpret_cast<Search*>(data)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return toolkit::narrow(text);
}

void cancelPendingSteps() {
    for (const auto& [timer, step] : pendingSteps())
        KillTimer(nullptr, timer);
    pendingSteps().clear();
}

COLORREF pixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

} // namespace testing_support
