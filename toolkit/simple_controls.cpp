#include "simple_controls.h"

#include "text.h"
#include "window.h"
#include "window_classes.h"

#include <commctrl.h>

namespace toolkit {

Control::NativeSpec GroupBox::nativeSpec() const {
    return {groupBoxClass, 0, WS_EX_CONTROLPARENT, {}};
}

LRESULT GroupBox::ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto& settings = std::get<GroupBoxSettings>(definition().settings);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintSession paint(handle());
        RECT r{};
        GetClientRect(handle(), &r);
        fillWithColour(paint.dc(), 0, 0, r.right, r.bottom, settings.backgroundColour);
        // Without a caption the etched line runs where a caption's middle would be.
        TEXTMETRICW metrics{};
        {
            Selection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
            GetTextMetricsW(paint.dc(), &metrics);
        }
        r.top += metrics.tmHeight / 2;
        DrawEdge(paint.dc(), &r, EDGE_ETCHED, BF_RECT);
        return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return SendMessageW(window().handle(), message, wParam, lParam);
    default:
        return Control::ownProcedure(message, wParam, lParam);
    }
}

Control::NativeSpec PushButton::nativeSpec() const {
    const auto& settings = std::get<PushButtonSettings>(definition().settings);
    return {WC_BUTTONW, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, settings.caption};
}

void PushButton::onCommand(WORD code, WORD) {
    if (code == BN_CLICKED)
        window().raise(name(), Event::clicked);
}

Control::NativeSpec Label::nativeSpec() const {
    const auto& settings = std::get<LabelSettings>(definition().settings);
    DWORD style = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
    DWORD exStyle = 0;
    applyBorder(settings.border, style, exStyle);
    return {WC_STATICW, style, exStyle, settings.caption};
}

void Label::afterCreate() {
    const auto& settings = std::get<LabelSettings>(definition().settings);
    background_.reset(CreateSolidBrush(resolveColour(settings.backgroundColour)));
    useDefaultFont();
    widenToFitCaption(settings.caption);
}

// The interface font is larger on some systems (a Chinese one's is 12 pixels, not 11) than the
// stored size allows for: a caption that would be cut widens its label just enough.
void Label::widenToFitCaption(const std::string& caption) {
    const std::wstring text = widen(caption);
    SIZE extent{};
    {
        WindowDc dc(handle());
        Selection font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    RECT client{};
    GetClientRect(handle(), &client);
    if (extent.cx <= client.right)
        return;
    const RECT outer = outerRect(handle());
    SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left + extent.cx - client.right,
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Label::onControlColour(HDC dc) {
    const auto& settings = std::get<LabelSettings>(definition().settings);
    SetTextColor(dc, resolveColour(settings.textColour));
    SetBkColor(dc, resolveColour(settings.backgroundColour));
    return reinterpret_cast<LRESULT>(background_.get());
}

} // namespace toolkit
