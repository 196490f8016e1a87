#include "sampler.h"

#include "app/global_state.h"
#include "capture/capture_window.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"

namespace art {

using app::globalState;

void runSampler(toolkit::DrawingSurface& samplingSurface, toolkit::EditBox& outputBox) {
    // A hidden surface takes no drawing, so it is shown first.
    samplingSurface.setVisible(true);
    samplingSurface.writeTextAt(5, 5, globalState.sourceText);

    // Nothing may return to the event loop before the last pixel is read: the surface does
    // not keep its drawing, and a repaint would erase the text.
    for (globalState.scanRow = 1; globalState.scanRow <= gridRows; ++globalState.scanRow) {
        for (globalState.scanColumn = 1; globalState.scanColumn <= gridColumns;
             ++globalState.scanColumn) {
            const auto colour =
                samplingSurface.getPoint(globalState.scanColumn, globalState.scanRow);
            if (colour == toolkit::white)
                outputBox.appendText(blankCell);
            else
                outputBox.appendText(globalState.fillText + " ");
        }
        outputBox.appendText("\r\n");
    }

    samplingSurface.setBackgroundPicture({});
    samplingSurface.setVisible(false);

    if (toolkit::messageBox(captureQuestion, toolkit::boxYesNo) == toolkit::resultYes)
        toolkit::loadWindowModal(capture::captureWindow());
}

} // namespace art
