#include "window_classes.h"

#include "control.h"
#include "window.h"

#include <commctrl.h>
#include <windows.h>

namespace toolkit {

namespace {

void registerClass(const char* name, WNDPROC procedure, LPCSTR cursor, UINT style = 0) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, cursor);
    wc.lpszClassName = name;
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    RegisterClassExA(&wc);
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
