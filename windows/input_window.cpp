#include "input_window.h"

#include "app/global_state.h"
#include "toolkit/colour_picker.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/message_box.h"
#include "toolkit/number_text.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "window_definitions.h"

namespace windows {

using app::globalState;
using toolkit::toText;

void onInputBoxPressed(toolkit::Window& window, const toolkit::EventArgs&) {
    window.editBox("编辑框enter").setText("");
}

void onStoreInputs(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::DrawingSurface& preview = window.surface("画板4");
    preview.clear();
    preview.writeTextAt(1, 1, window.editBox("编辑框enter").text());
    globalState.sourceText = window.editBox("编辑框enter").text();
    globalState.fillText = window.editBox("编辑框char").text();
    globalState.colourText = toText(window.colourPicker("颜色选择器2").colour());
    globalState.stepOneDone = 1;
}

void onColourChosen(toolkit::Window& window, const toolkit::EventArgs&) {
    globalState.colourText = toText(window.colourPicker("颜色选择器2").colour());
}

void onOpenArtWindow(toolkit::Window& window, const toolkit::EventArgs&) {
    if (globalState.stepOneDone != 1) {
        toolkit::messageBox(pressOneFirst, toolkit::boxOk);
        return;
    }
    globalState.fillText = window.editBox("编辑框char").text();
    toolkit::loadWindowModal(artWindow());
    globalState.sourceText = window.editBox("编辑框enter").text();
    globalState.colourText = toText(window.colourPicker("颜色选择器2").colour());
}

void onResetInputs(toolkit::Window& window, const toolkit::EventArgs&) {
    window.editBox("编辑框enter").setText("");
    window.surface("画板4").clear();
    globalState.sourceText.clear();
    globalState.fillText.clear();
    window.colourPicker("颜色选择器2").setColour(toolkit::red);
    window.editBox("编辑框char").setText("*");
}

} // namespace windows
