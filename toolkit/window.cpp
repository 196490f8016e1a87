#include "window.h"

#include "colour_picker.h"
#include "combo_box.h"
#include "control_factory.h"
#include "drawing_surface.h"
#include "edit_box.h"
#include "handles.h"
#include "program.h"
#include "text.h"
#include "toolbar.h"
#include "window_classes.h"
#include "window_registry.h"

#include <string>

namespace toolkit {
namespace {

constexpr UINT finishDestroyMessage = WM_APP + 1;
constexpr UINT queuedEventMessage = WM_APP + 2; // wParam: control index, lParam: event

void frameStyles(const WindowDefinition& d, DWORD& style, DWORD& exStyle) {
    style = WS_CLIPCHILDREN;
    exStyle = WS_EX_CONTROLPARENT;
    switch (d.frame) {
    case Frame::resizableToolWindow:
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case Frame::resizable:
        style |= WS_OVERLAPPEDWINDOW;
        break;
    case Frame::fixed:
        // A modal frame: the title bar carries the close box and no icon.
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME;
        break;
    }
    if (d.clientEdge)
        exStyle |= WS_EX_CLIENTEDGE;
}

} // namespace

Window::Window(const WindowDefinition& definition) : definition_(definition) {}

Window::~Window() {
    if (handle_ && IsWindow(handle_)) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

std::shared_ptr<Window> Window::create(const WindowDefinition& definition) {
    ensureWindowClasses();
    std::shared_ptr<Window> window(new Window(definition));
    if (!window->build())
        return nullptr;
    registerWindow(window);
    window->building_ = false;
    window->lastLeft_ = window->left();
    window->lastTop_ = window->top();
    window->lastWidth_ = window->width();
    window->lastHeight_ = window->height();
    window->raise({}, Event::created);
    window->raise({}, Event::moved);
    window->raise({}, Event::sizeChanged);
    return window;
}

bool Window::build() {
    DWORD style = 0;
    DWORD exStyle = 0;
    frameStyles(definition_, style, exStyle);
    const DisplayScale scale = displayScale();
    handle_ = CreateWindowExW(exStyle, topWindowClass, widen(definition_.title).c_str(), style,
                              scale.toDisplay(definition_.left), scale.toDisplay(definition_.top),
                              scale.toDisplay(clampSize(definition_.width)),
                              scale.toDisplay(clampSize(definition_.height)), nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    if (!handle_)
        return false;
    for (const ControlDefinition& d : definition_.controls) {
        HWND parent = handle_;
        if (!d.parent.empty()) {
            const Control* holder = nullptr;
            for (const auto& c : controls_)
                if (c->name() == d.parent)
                    holder = c.get();
            if (!holder)
                return false;
            parent = holder->handle();
        }
        std::unique_ptr<Control> control = makeControl(*this, d);
        if (!control || !control->create(parent))
            return false;
        controls_.push_back(std::move(control));
    }
    return true;
}

Control& Window::control(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->name() == name)
            return *c;
    fatalError("窗口 " + definition_.name + " 中没有控件 " + std::string(name));
}

template <typename T> T& Window::typedControl(std::string_view name) const {
    if (auto* typed = dynamic_cast<T*>(&control(name)))
        return *typed;
    fatalError("控件 " + std::string(name) + " 的类型不对");
}

EditBox& Window::editBox(std::string_view name) const {
    return typedControl<EditBox>(name);
}
DrawingSurface& Window::surface(std::string_view name) const {
    return typedControl<DrawingSurface>(name);
}
ColourPicker& Window::colourPicker(std::string_view name) const {
    return typedControl<ColourPicker>(name);
}

ComboBox& Window::comboBox(std::string_view name) const {
    return typedControl<ComboBox>(name);
}
Toolbar& Window::toolbar(std::string_view name) const {
    return typedControl<Toolbar>(name);
}

Control* Window::findControl(HWND handle) const {
    for (const auto& c : controls_)
        if (c->handle() == handle)
            return c.get();
    return nullptr;
}

bool Window::visible() const {
    return IsWindowVisible(handle_) != FALSE;
}
bool Window::disabled() const {
    return IsWindowEnabled(handle_) == FALSE;
}

void Window::show() {
    ShowWindow(handle_, SW_SHOW);
    UpdateWindow(handle_);
    if (lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}

void Window::refresh() {
    RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Window::setFocus(Control& control) {
    lastFocus_ = control.handle();
    if (visible())
        SetFocus(lastFocus_);
}

void Window::raise(std::string_view controlName, Event event, const EventArgs& args) {
    if (building_ || destroyed_)
        return;
    for (const HandlerBinding& binding : definition_.handlers)
        if (binding.event == event && binding.control == controlName) {
            binding.handler(*this, args);
            return;
        }
}

void Window::queueEvent(const Control& control, Event event) {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].get() == &control)
            PostMessageW(handle_, queuedEventMessage, i, static_cast<LPARAM>(event));
}

void Window::requestDestroy() {
    if (destroyRequested_ || destroyed_)
        return;
    destroyRequested_ = true;
    PostMessageW(handle_, finishDestroyMessage, 0, 0);
}

void Window::requestClose() {
    if (destroyRequested_ || destroyed_)
        return;
    raise({}, Event::canBeClosed);
    requestDestroy();
}

void Window::finishDestroy() {
    for (HWND w : enableOnDestroy_)
        if (IsWindow(w))
            EnableWindow(w, TRUE);
    enableOnDestroy_.clear();
    raise({}, Event::willBeDestroyed);
    DestroyWindow(handle_);
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->onMessage(message, wParam, lParam);
}

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(handle_, &r);
        fillWithColour(reinterpret_cast<HDC>(wParam), 0, 0, r.right, r.bottom,
                       definition_.backgroundColour);
        return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        auto child = reinterpret_cast<HWND>(lParam);
        Control* control = findControl(child);
        if (!control)
            control = findControl(GetParent(child)); // the edit field of a combo box
        if (control)
            if (auto result = control->onControlColour(reinterpret_cast<HDC>(wParam)))
                return *result;
        break;
    }
    case WM_COMMAND:
        if (Control* control = findControl(reinterpret_cast<HWND>(lParam)))
            control->onCommand(HIWORD(wParam), LOWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        // From a control itself, or from one of its parts (a toolbar's tooltips).
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Control* control = findControl(header->hwndFrom)) {
            if (auto result = control->onNotify(header))
                return *result;
            break;
        }
        for (const auto& control : controls_)
            if (auto result = control->onNotify(header))
                return *result;
        break;
    }
    case queuedEventMessage:
        if (wParam < controls_.size())
            controls_[wParam]->onQueuedEvent(static_cast<Event>(lParam));
        return 0;
    case WM_MOVE:
        if (!building_ && (left() != lastLeft_ || top() != lastTop_)) {
            lastLeft_ = left();
            lastTop_ = top();
            raise({}, Event::moved);
        }
        break;
    case WM_SIZE:
        for (const auto& control : controls_)
            control->onParentResized();
        if (!building_ && (width() != lastWidth_ || height() != lastHeight_)) {
            lastWidth_ = width();
            lastHeight_ = height();
            raise({}, Event::sizeChanged);
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(handle_, focus))
                lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        requestClose();
        return 0;
    case finishDestroyMessage:
        finishDestroy();
        return 0;
    case WM_NCDESTROY:
        destroyed_ = true;
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        unregisterWindow(this);
        return DefWindowProcW(handle_, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

} // namespace toolkit
