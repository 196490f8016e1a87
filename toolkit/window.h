#pragma once
// A top-level window built from its definition, with its controls and its handlers.
#include "control.h"
#include "definitions.h"
#include "geometry.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

namespace toolkit {

class EditBox;
class DrawingSurface;
class ColourPicker;
class ComboBox;
class Toolbar;

class Window : public OuterGeometry<Window> {
  public:
    // Builds the window and its controls, hidden; raises created, moved and sizeChanged.
    // Gives nothing when the platform refuses to create it.
    static std::shared_ptr<Window> create(const WindowDefinition& definition);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowDefinition& definition() const { return definition_; }
    HWND handle() const { return handle_; }
    // Definitions are in 96-DPI pixels; a window in the screen's own pixels is not scaled.
    DisplayScale displayScale() const {
        return definition_.screenPixels ? DisplayScale::none() : DisplayScale::system();
    }
    bool destroyed() const { return destroyed_; }

    // Controls by form name; asking for a name the definition lacks is a fatal error.
    Control& control(std::string_view name) const;
    EditBox& editBox(std::string_view name) const;
    DrawingSurface& surface(std::string_view name) const;
    ColourPicker& colourPicker(std::string_view name) const;
    ComboBox& comboBox(std::string_view name) const;
    Toolbar& toolbar(std::string_view name) const;
    Control* findControl(HWND handle) const;

    // left, top, width, height and move (OuterGeometry): the outer rectangle in screen
    // coordinates.
    bool visible() const;
    bool disabled() const;
    void show();
    // Carries out the pending repaint now.
    void refresh();
    void setFocus(Control& control);

    // Calls the handler bound to (control, event), if any. Nothing is delivered while the
    // window is being built.
    void raise(std::string_view controlName, Event event, const EventArgs& args = {});
    // Raises the control's event later, from the event loop.
    void queueEvent(const Control& control, Event event);

    // Starts the destruction; it happens later, from the event loop.
    void requestDestroy();
    // The close box and Esc: canBeClosed, then as requestDestroy.
    void requestClose();
    // Windows to enable again when this one goes (those that its modal opening disabled).
    void enableOnDestroy(std::vector<HWND> windows) { enableOnDestroy_ = std::move(windows); }

    // The window procedure of the toolkit's top-level window class.
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);

  private:
    explicit Window(const WindowDefinition& definition);
    bool build();
    template <typename T> T& typedControl(std::string_view name) const;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void finishDestroy();

    const WindowDefinition& definition_;
    HWND handle_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<HWND> enableOnDestroy_;
    HWND lastFocus_ = nullptr;
    bool building_ = true;
    bool destroyRequested_ = false;
    bool destroyed_ = false;
    int lastLeft_ = 0; // the rectangle of the last moved and sizeChanged events
    int lastTop_ = 0;
    int lastWidth_ = -1;
    int lastHeight_ = -1;
};

} // namespace toolkit
