#include "window_classes.h"

#include "control.h"
#include "window.h"

#include <commctrl.h>
#include <windows.h>

namespace toolkit {

namespace {

void registerClass(const wchar_t* name, WNDPROC procedure, LPCWSTR cursor, UINT style = 0) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, cursor);
    wc.lpszClassName = name;
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    RegisterClassExW(&wc);
}

bool registerAll() {
    INITCOMMONCONTROLSEX icc{sizeof icc,
                             ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    registerClass(topWindowClass, &Window::procedure, IDC_ARROW);
    registerClass(groupBoxClass, &Control::ownClassProcedure, IDC_ARROW);
    // A DC of its own: the sampler reads pixels one by one, and each GetDC is then cheap.
    registerClass(surfaceClass, &Control::ownClassProcedure, IDC_ARROW, CS_OWNDC);
    registerClass(colourPickerClass, &Control::ownClassProcedure, IDC_HAND);
    return true;
}

} // namespace

void ensureWindowClasses() {
    static const bool registered = registerAll();
    (void)registered;
}

} // namespace toolkit
