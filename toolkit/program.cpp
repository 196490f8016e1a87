#include "program.h"

#include "definition_check.h"
#include "edit_box.h"
#include "text.h"
#include "window.h"
#include "window_classes.h"
#include "window_registry.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <string>

namespace toolkit {
namespace {

void (*exitRoutine)() = nullptr;
int exitRoutineCalls = 0;
ProcessEndObserver processEndObserver = nullptr;

int modalDepth = 0; // nested loops of loadWindowModal now running

void runExitRoutine() {
    if (exitRoutine) {
        ++exitRoutineCalls;
        exitRoutine();
    }
}

[[noreturn]] void endProcess(int code) {
    if (processEndObserver)
        processEndObserver(code, exitRoutineCalls);
    ExitProcess(static_cast<UINT>(code));
}

void useProgramFolderAsWorkingDirectory() {
    // Long paths: the buffer grows until the whole name fits.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >=
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    if (length == 0 || length >= path.size())
        return;
    path.resize(length);
    path.erase(path.find_last_of(L"\\/") + 1);
    SetCurrentDirectoryW(path.c_str());
}

// A combo box (the box or its edit field) whose drop-down list is open.
bool inDroppedComboBox(HWND window) {
    for (HWND w = window; w; w = GetParent(w)) {
        wchar_t className[16]{};
        GetClassNameW(w, className, 16);
        if (lstrcmpiW(className, WC_COMBOBOXW) == 0)
            return SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    return false;
}

// Esc closes the window it was pressed in, unless an open drop-down list takes it to close
// itself; Tab moves between tab stops.
bool handleWindowKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.wParam != VK_ESCAPE && message.wParam != VK_TAB))
        return false;
    if (message.wParam == VK_ESCAPE && inDroppedComboBox(message.hwnd))
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    Window* window = findWindow(root);
    if (!window)
        return false;
    if (message.wParam == VK_ESCAPE) {
        window->requestClose();
        return true;
    }
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    if (HWND next = GetNextDlgTabItem(root, GetFocus(), backwards ? TRUE : FALSE))
        SetFocus(next);
    return true;
}

// One message from the queue; false when the quit message came.
bool pumpOneMessage() {
    // A gone window's handler may still be on the stack below a nested loop: objects are
    // released only from the outermost loop.
    if (modalDepth == 0)
        releaseUnregisteredWindows();
    flushPendingAppends();
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(message.wParam)); // let outer loops see it too
        return false;
    }
    if (!handleWindowKeys(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

} // namespace

void initialise(std::initializer_list<const WindowDefinition*> definitions) {
    useProgramFolderAsWorkingDirectory();
    OleInitialize(nullptr);
    for (const WindowDefinition* definition : definitions) {
        const std::string fault = findDefinitionFault(*definition);
        if (!fault.empty())
            fatalError("程序无法启动：窗口定义无法载入（" + fault + "）。");
    }
    ensureWindowClasses();
}

void registerExitRoutine(void (*routine)()) {
    exitRoutine = routine;
}

void loadFirstWindow(const WindowDefinition& definition) {
    std::shared_ptr<Window> window = Window::create(definition);
    if (!window)
        fatalError("程序无法启动：窗口“" + definition.title + "”无法创建。");
    if (definition.visible)
        window->show();
}

void runEventLoop() {
    while (pumpOneMessage()) {
    }
    releaseUnregisteredWindows();
}

void loadWindowModal(const WindowDefinition& definition) {
    flushPendingAppends();
    const HWND opener = windowInUse();
    std::shared_ptr<Window> window = Window::create(definition);
    if (!window)
        return;
    if (definition.visible && !window->destroyed())
        window->show();
    std::vector<HWND> disabled;
    for (HWND other : liveWindowHandles())
        if (other != window->handle() && IsWindowEnabled(other)) {
            EnableWindow(other, FALSE);
            disabled.push_back(other);
        }
    window->enableOnDestroy(std::move(disabled));
    ++modalDepth;
    while (!window->destroyed() && pumpOneMessage()) {
    }
    --modalDepth;
    // None of its handlers can be running now: it goes with this function, not later.
    keepOnlyHere(*window);
    returnTo(opener);
}

void destroyWindow(Window& window) {
    window.requestDestroy();
}

Window* openWindow(const WindowDefinition& definition) {
    return findWindow(definition);
}

void runProgram(int (*startRoutine)()) {
    const int code = startRoutine();
    runExitRoutine();
    endProcess(code);
}

void exitProgram(int code) {
    runExitRoutine();
    endProcess(code);
}

void fatalError(std::string_view text) {
    MessageBoxW(nullptr, widen(text).c_str(), L"tuk", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    endProcess(-1);
}

void setProcessEndObserver(ProcessEndObserver observer) {
    processEndObserver = observer;
}

} // namespace toolkit
