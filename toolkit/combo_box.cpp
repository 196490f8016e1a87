#include "combo_box.h"

#include "text.h"
#include "window.h"

#include <commctrl.h>

#include <algorithm>

namespace toolkit {

Control::NativeSpec ComboBox::nativeSpec() const {
    const auto& s = std::get<ComboBoxSettings>(definition().settings);
    return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, s.editText};
}

void ComboBox::afterCreate() {
    const auto& s = std::get<ComboBoxSettings>(definition().settings);
    background_.reset(CreateSolidBrush(white));
    useDefaultFont();
    // The window's height is the closed box plus its drop-down list.
    const DisplayScale scale = displayScale();
    SetWindowPos(handle(), nullptr, 0, 0, scale.toDisplay(definition().width),
                 scale.toDisplay(definition().height + s.listHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(handle(), widen(s.editText).c_str());
}

int ComboBox::addItem(std::string_view text) {
    const std::wstring item = widen(text);
    const auto index =
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

int ComboBox::itemCount() const {
    return static_cast<int>(SendMessageW(handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::itemText(int index) const {
    if (index < 0 || index >= itemCount())
        return {};
    const auto length = SendMessageW(handle(), CB_GETLBTEXTLEN, index, 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return narrow(text);
}

int ComboBox::currentItem() const {
    const auto index = SendMessageW(handle(), CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
}

void ComboBox::setCurrentItem(int index) {
    SendMessageW(handle(), CB_SETCURSEL, std::clamp(index, -1, itemCount() - 1), 0);
}

std::string ComboBox::text() const {
    return nativeText();
}

std::optional<LRESULT> ComboBox::onControlColour(HDC dc) {
    SetTextColor(dc, black);
    SetBkColor(dc, white);
    return reinterpret_cast<LRESULT>(background_.get());
}

void ComboBox::onCommand(WORD code, WORD) {
    // Only the user's picks send this; it is raised once the box has finished with it.
    if (code == CBN_SELCHANGE)
        window().queueEvent(*this, Event::listItemSelected);
}

} // namespace toolkit
