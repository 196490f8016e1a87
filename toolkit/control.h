#pragma once
// The common part of every control: identity, geometry, state and the hooks the window
// procedures call.
#include "definitions.h"
#include "geometry.h"

#include <windows.h>

#include <optional>
#include <string>

namespace toolkit {

class Window;

class Control : public OuterGeometry<Control> {
  public:
    Control(Window& window, const ControlDefinition& definition);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Creates the native control under `parent`; false when the platform refuses.
    bool create(HWND parent);

    const std::string& name() const { return definition_.name; }
    const ControlDefinition& definition() const { return definition_; }
    HWND handle() const { return handle_; }
    Window& window() const { return window_; }
    // That of its window.
    DisplayScale displayScale() const;

    // left, top, width, height and move (OuterGeometry): the outer rectangle in the parent's
    // client coordinates.

    bool visible() const;
    virtual void setVisible(bool visible);
    bool disabled() const;
    void setDisabled(bool disabled);
    // Mouse messages come to this control wherever the pointer is, until released.
    void captureMouse();
    void releaseMouse();

    // WM_CTLCOLOR*: the brush for the control's background, after setting up the DC.
    virtual std::optional<LRESULT> onControlColour(HDC) { return std::nullopt; }
    // WM_COMMAND sent by this control: its notification code and the command id.
    virtual void onCommand(WORD /*code*/, WORD /*id*/) {}
    // A notification that the control asked to be raised later, from the event loop.
    virtual void onQueuedEvent(Event event);
    // The window's client area changed size.
    virtual void onParentResized() {}
    // WM_NOTIFY sent by this control.
    virtual std::optional<LRESULT> onNotify(NMHDR*) { return std::nullopt; }

    // The window procedure of the toolkit's own control classes.
    static LRESULT CALLBACK ownClassProcedure(HWND, UINT, WPARAM, LPARAM);

  protected:
    struct NativeSpec {
        const wchar_t* className;
        DWORD style;
        DWORD exStyle;
        std::string text;
    };
    virtual NativeSpec nativeSpec() const = 0;
    // Runs once the native control exists: fonts, texts and settings messages.
    virtual void afterCreate() {}
    // Every message to the native control passes here first.
    virtual void beforeNativeMessage(UINT) {}
    // Messages to a control of one of the toolkit's own classes.
    virtual LRESULT ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
    void useDefaultFont();
    // The native control's window text.
    std::string nativeText() const;

  private:
    static LRESULT CALLBACK mouseSubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    Window& window_;
    const ControlDefinition& definition_;
    HWND handle_ = nullptr;
};

// The Win32 window style bits for a border setting.
void applyBorder(Border border, DWORD& style, DWORD& exStyle);

} // namespace toolkit
