#include "control.h"

#include "text.h"
#include "window.h"

#include <commctrl.h>

namespace toolkit {

Control::Control(Window& window, const ControlDefinition& definition)
    : window_(window), definition_(definition) {}

Control::~Control() {
    if (handle_ && IsWindow(handle_))
        RemoveWindowSubclass(handle_, &Control::mouseSubclass, 0);
}

bool Control::create(HWND parent) {
    NativeSpec spec = nativeSpec();
    DWORD style = spec.style | WS_CHILD | WS_CLIPSIBLINGS;
    if (definition_.visible)
        style |= WS_VISIBLE;
    if (definition_.disabled)
        style |= WS_DISABLED;
    if (definition_.tabStop)
        style |= WS_TABSTOP;
    const DisplayScale scale = displayScale();
    handle_ = CreateWindowExW(spec.exStyle, spec.className, widen(spec.text).c_str(), style,
                              scale.toDisplay(definition_.left), scale.toDisplay(definition_.top),
                              scale.toDisplay(clampSize(definition_.width)),
                              scale.toDisplay(clampSize(definition_.height)), parent, nullptr,
                              GetModuleHandleW(nullptr), this);
    if (!handle_)
        return false;
    SetWindowSubclass(handle_, &Control::mouseSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
    afterCreate();
    return true;
}

LRESULT CALLBACK Control::ownClassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control =
            static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!control)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return control->ownProcedure(message, wParam, lParam);
}

std::string Control::nativeText() const {
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
}

void Control::useDefaultFont() {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

DisplayScale Control::displayScale() const {
    return window_.displayScale();
}

void Control::onQueuedEvent(Event event) {
    window_.raise(name(), event);
}

bool Control::visible() const {
    return IsWindowVisible(handle_) != FALSE;
}

void Control::setVisible(bool visible) {
    if (visible) {
        ShowWindow(handle_, SW_SHOWNA);
        return;
    }
    // What lay below is repainted when the program next waits, as any uncovered part is;
    // some platforms (Wine) would otherwise repaint it on the spot.
    const RECT area = outerRect(handle_);
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                     SWP_NOACTIVATE);
    RedrawWindow(GetParent(handle_), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Control::captureMouse() {
    SetCapture(handle_);
}

void Control::releaseMouse() {
    if (GetCapture() == handle_)
        ReleaseCapture();
}

bool Control::disabled() const {
    return IsWindowEnabled(handle_) == FALSE;
}

void Control::setDisabled(bool disabled) {
    EnableWindow(handle_, disabled ? FALSE : TRUE);
}

// Mouse events reach the program's handlers before the control itself sees the message.
LRESULT CALLBACK Control::mouseSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    control->beforeNativeMessage(message);
    Event event{};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        event = Event::leftButtonPressed;
        break;
    case WM_LBUTTONUP:
        event = Event::leftButtonReleased;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        event = Event::rightButtonPressed;
        break;
    case WM_RBUTTONUP:
        event = Event::rightButtonReleased;
        break;
    case WM_MOUSEMOVE:
        event = Event::mouseMoved;
        break;
    default:
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    EventArgs args;
    args.x = static_cast<std::uint16_t>(LOWORD(lParam));
    args.y = static_cast<std::uint16_t>(HIWORD(lParam));
    args.keyState = ((wParam & MK_CONTROL) ? keyCtrl : 0) | ((wParam & MK_SHIFT) ? keyShift : 0) |
                    (GetKeyState(VK_MENU) < 0 ? keyAlt : 0);
    control->window().raise(control->name(), event, args);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void applyBorder(Border border, DWORD& style, DWORD& exStyle) {
    switch (border) {
    case Border::none:
        break;
    case Border::line:
        style |= WS_BORDER;
        break;
    case Border::thinSunken:
        exStyle |= WS_EX_STATICEDGE;
        break;
    case Border::sunken:
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    }
}

} // namespace toolkit
