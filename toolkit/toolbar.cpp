#include "toolbar.h"

#include "text.h"
#include "window.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace toolkit {
Control::NativeSpec Toolbar::nativeSpec() const {
    // Raised (not flat) buttons, text right of the image, wrapping, tooltips, a divider line.
    return {TOOLBARCLASSNAMEW, TBSTYLE_LIST | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS | CCS_TOP, 0, {}};
}

void Toolbar::afterCreate() {
    SendMessageW(handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(handle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    SendMessageW(handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    useDefaultFont();
    std::vector<TBBUTTON> buttons;
    const auto& defined = settings().buttons;
    texts_.clear();
    for (const ToolbarButton& button : defined)
        texts_.push_back(widen(button.text));
    for (std::size_t i = 0; i < defined.size(); ++i) {
        TBBUTTON b{};
        b.iBitmap = I_IMAGENONE;
        b.idCommand = commandOf(static_cast<int>(i));
        b.fsState = TBSTATE_ENABLED | (defined[i].indeterminate ? TBSTATE_INDETERMINATE : 0);
        b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        b.iString = reinterpret_cast<INT_PTR>(texts_[i].c_str());
        buttons.push_back(b);
    }
    SendMessageW(handle(), TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(handle(), TB_AUTOSIZE, 0, 0);
    setBackgroundColour(settings().backgroundColour);
}

void Toolbar::setBackgroundColour(Colour colour) {
    backgroundColour_ = colour;
    background_.reset(CreateSolidBrush(resolveColour(colour)));
    InvalidateRect(handle(), nullptr, TRUE);
}

int Toolbar::buttonCount() const {
    return static_cast<int>(SendMessageW(handle(), TB_BUTTONCOUNT, 0, 0));
}

void Toolbar::onCommand(WORD, WORD id) {
    EventArgs args;
    args.index = id - commandOf(0);
    window().raise(name(), Event::buttonClicked, args);
}

std::optional<LRESULT> Toolbar::onNotify(NMHDR* header) {
    if (header->code == NM_CUSTOMDRAW && header->hwndFrom == handle()) {
        auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
        switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREERASE: {
            RECT r{};
            GetClientRect(handle(), &r);
            FillRect(draw->nmcd.hdc, &r, background_.get());
            return CDRF_SKIPDEFAULT;
        }
        case CDDS_PREPAINT:
            FillRect(draw->nmcd.hdc, &draw->nmcd.rc, background_.get());
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPOSTPAINT: {
            // Raised three-dimensional buttons, sunken while pressed, whatever the platform's
            // visual style would draw (flat, under themes and under Wine).
            RECT r = draw->nmcd.rc;
            const bool pressed = (draw->nmcd.uItemState & CDIS_SELECTED) != 0;
            DrawEdge(draw->nmcd.hdc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
        }
    }
    if (header->code == TTN_GETDISPINFOW &&
        header->hwndFrom == reinterpret_cast<HWND>(SendMessageW(handle(), TB_GETTOOLTIPS, 0, 0))) {
        const int index = static_cast<int>(header->idFrom) - commandOf(0);
        const auto& defined = settings().buttons;
        if (index < 0 || index >= static_cast<int>(defined.size()))
            return std::nullopt;
        tooltipBuffer_ = widen(defined[index].tooltip);
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tooltipBuffer_.data();
        return 0;
    }
    return std::nullopt;
}

void Toolbar::onParentResized() {
    SendMessageW(handle(), TB_AUTOSIZE, 0, 0);
}

} // namespace toolkit
