#include "colour_picker.h"

#include "handles.h"
#include "window.h"
#include "window_classes.h"
#include "window_registry.h"

#include <commdlg.h>

namespace toolkit {

Control::NativeSpec ColourPicker::nativeSpec() const {
    return {colourPickerClass, 0, 0, {}};
}

void ColourPicker::afterCreate() {
    colour_ = std::get<ColourPickerSettings>(definition().settings).colour;
}

void ColourPicker::setColour(Colour colour) {
    colour_ = colour & 0xFFFFFF;
    InvalidateRect(handle(), nullptr, TRUE);
}

void ColourPicker::choose() {
    static COLORREF customColours[16]{};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window().handle();
    dialog.rgbResult = colour_;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    const bool chosen = ChooseColorW(&dialog) != FALSE;
    returnTo(window().handle());
    if (!chosen)
        return;
    setColour(dialog.rgbResult);
    window().raise(name(), Event::colourChosen);
}

LRESULT ColourPicker::ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintSession paint(handle());
        RECT r{};
        GetClientRect(handle(), &r);
        fillWithColour(paint.dc(), 0, 0, r.right, r.bottom, colour_);
        FrameRect(paint.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        if (GetFocus() == handle()) {
            InflateRect(&r, -2, -2);
            DrawFocusRect(paint.dc(), &r);
        }
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(handle(), nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(handle());
        return 0;
    case WM_LBUTTONUP: {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT r{};
        GetClientRect(handle(), &r);
        if (PtInRect(&r, p))
            choose();
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            choose();
            return 0;
        }
        break;
    default:
        break;
    }
    return Control::ownProcedure(message, wParam, lParam);
}

} // namespace toolkit
