#include "capture_window.h"

#include "app/global_state.h"
#include "clipboard_export.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/number_text.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <algorithm>

namespace capture {

using app::globalState;

void onCaptureWindowCreated(toolkit::Window& window, const toolkit::EventArgs&) {
    window.refresh();
    window.move(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
    toolkit::DrawingSurface& surface = window.surface("画板1");
    surface.move(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
    // Not shown yet: the screenshot is of the screen without the overlay.
    surface.useAsBackground(toolkit::Picture::ofScreen());
    surface.setPenColour(toolkit::toColour(globalState.colourText));
}

void onSelectionStarted(toolkit::Window& window, const toolkit::EventArgs& args) {
    globalState.selectionReleased = 0;
    globalState.selectionDragging = 1;
    globalState.selectionLeft = static_cast<std::int16_t>(args.x);
    globalState.selectionTop = static_cast<std::int16_t>(args.y);
    window.surface("隐藏画板").move(globalState.selectionLeft, globalState.selectionTop, 1, 1);
    // The release ends the drag wherever it happens, over the title bar or off the overlay.
    window.surface("画板1").captureMouse();
}

void onMouseMoved(toolkit::Window& window, const toolkit::EventArgs& args) {
    toolkit::DrawingSurface& surface = window.surface("画板1");
    if (globalState.selectionReleased != 1) {
        // The whole screenshot again, which takes the last rectangle away.
        surface.clear();
        window.refresh();
    }
    if (globalState.selectionDragging != 0) {
        globalState.selectionRight = static_cast<std::int16_t>(args.x);
        globalState.selectionBottom = static_cast<std::int16_t>(args.y);
        surface.drawRectangle(globalState.selectionLeft, globalState.selectionTop,
                              globalState.selectionRight, globalState.selectionBottom);
    }
}

void onSelectionReleased(toolkit::Window& window, const toolkit::EventArgs& args) {
    toolkit::DrawingSurface& surface = window.surface("画板1");
    surface.releaseMouse();
    globalState.selectionReleased = 1;
    globalState.selectionDragging = 0;
    // A release outside the surface (the mouse is captured) ends the selection at its edge.
    const auto x = static_cast<std::int16_t>(
        std::clamp<int>(static_cast<std::int16_t>(args.x), 0, surface.clientWidth()));
    const auto y = static_cast<std::int16_t>(
        std::clamp<int>(static_cast<std::int16_t>(args.y), 0, surface.clientHeight()));
    // The release point against the press point; the corner of the last move is overwritten.
    if (x < globalState.selectionLeft) {
        globalState.selectionRight = globalState.selectionLeft;
        globalState.selectionLeft = x;
    } else {
        globalState.selectionRight = x;
    }
    if (y < globalState.selectionTop) {
        globalState.selectionBottom = globalState.selectionTop;
        globalState.selectionTop = y;
    } else {
        globalState.selectionBottom = y;
    }
    const int width = globalState.selectionRight - globalState.selectionLeft;
    const int height = globalState.selectionBottom - globalState.selectionTop;
    // A click without a drag selects nothing: the overlay waits for a drag, with no outline
    // left standing.
    if (width <= 0 || height <= 0) {
        surface.clear();
        return;
    }

    // Exactly the selected screenshot pixels, without the outline drawn over them.
    toolkit::DrawingSurface& crop = window.surface("隐藏画板");
    crop.move(globalState.selectionLeft, globalState.selectionTop, width, height);
    surface.copyBackgroundRegion(globalState.selectionLeft, globalState.selectionTop, width, height,
                                 crop, 0, 0);
    const bool onClipboard = copyImageToClipboard(crop.picture());
    offerSaveAsBitmap(window, crop, onClipboard);
    toolkit::destroyWindow(window);
}

void onRightButtonReleased(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::destroyWindow(window);
}

void onCaptureWindowGoing(toolkit::Window&, const toolkit::EventArgs&) {
    globalState.selectionDragging = 0;
}

} // namespace capture
