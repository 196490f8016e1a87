#include "edit_box.h"

#include "text.h"
#include "window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace toolkit {
namespace {

std::vector<EditBox*>& boxesWithPendingAppends() {
    static std::vector<EditBox*> boxes;
    return boxes;
}

} // namespace

EditBox::~EditBox() {
    std::erase(boxesWithPendingAppends(), this);
}

void flushPendingAppends() {
    const std::vector<EditBox*> boxes = std::move(boxesWithPendingAppends());
    boxesWithPendingAppends().clear();
    for (EditBox* box : boxes)
        box->flushAppends();
}

Control::NativeSpec EditBox::nativeSpec() const {
    const EditBoxSettings& s = settings();
    DWORD style = 0;
    DWORD exStyle = 0;
    switch (s.align) {
    case HorizontalAlign::left:
        style |= ES_LEFT;
        break;
    case HorizontalAlign::centre:
        style |= ES_CENTER;
        break;
    case HorizontalAlign::right:
        style |= ES_RIGHT;
        break;
    }
    if (s.multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
        if (s.horizontalScrollBar)
            style |= ES_AUTOHSCROLL | WS_HSCROLL; // lines never wrap
        if (s.verticalScrollBar)
            style |= WS_VSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    applyBorder(s.border, style, exStyle);
    return {WC_EDITW, style, exStyle, s.text};
}

void EditBox::afterCreate() {
    const EditBoxSettings& s = settings();
    textColour_ = s.textColour;
    background_.reset(CreateSolidBrush(resolveColour(s.backgroundColour)));
    if (s.font.face.empty() && s.font.height == 0) {
        useDefaultFont();
    } else {
        LOGFONTW lf{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
        lf.lfHeight = displayScale().toDisplay(s.font.height);
        lf.lfWidth = 0;
        lf.lfWeight = s.font.weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, widen(s.font.face).c_str(), LF_FACESIZE);
        font_.reset(CreateFontIndirectW(&lf));
        SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    SendMessageW(handle(), EM_SETLIMITTEXT, 0, 0); // no length limit
    SendMessageW(handle(), EM_SETSEL, 0, 0);       // caret at the start, nothing selected
}

std::string EditBox::text() const {
    return nativeText();
}

void EditBox::setText(std::string_view text) {
    SetWindowTextW(handle(), widen(text).c_str());
}

void EditBox::appendText(std::string_view text) {
    if (text.empty())
        return;
    if (pendingAppends_.empty())
        boxesWithPendingAppends().push_back(this);
    pendingAppends_.append(text);
}

void EditBox::beforeNativeMessage(UINT) {
    if (!pendingAppends_.empty())
        flushAppends();
}

void EditBox::flushAppends() {
    if (pendingAppends_.empty())
        return;
    std::erase(boxesWithPendingAppends(), this);
    const std::wstring text = widen(pendingAppends_);
    pendingAppends_.clear();
    // A shown edit control may redo its layout, scroll bars and caret step by step while it
    // takes the text (Wine's does, at several times the cost). Hidden for the insertion, it
    // takes it at once; nothing is painted in between, so nobody sees it go.
    const bool shown = (GetWindowLongW(handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    const HWND focus = GetFocus();
    constexpr UINT keepPlace =
        SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (shown)
        SetWindowPos(handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | keepPlace);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(handle()));
    SendMessageW(handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
    if (shown) {
        SetWindowPos(handle(), nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | keepPlace);
        if (focus == handle() && GetFocus() != focus)
            SetFocus(focus);
        RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

void EditBox::setTextColour(Colour colour) {
    textColour_ = colour;
    InvalidateRect(handle(), nullptr, TRUE);
}

std::optional<LRESULT> EditBox::onControlColour(HDC dc) {
    SetTextColor(dc, resolveColour(textColour_));
    SetBkColor(dc, resolveColour(settings().backgroundColour));
    return reinterpret_cast<LRESULT>(background_.get());
}

void EditBox::onCommand(WORD code, WORD) {
    if (code == EN_CHANGE)
        window().raise(name(), Event::textChanged);
}

} // namespace toolkit
