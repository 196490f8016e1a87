// The capture window: the capture surface over the whole screen, the crop surface under it.
#include "capture_window.h"

namespace capture {

using namespace toolkit;

namespace {

WindowDefinition makeCaptureWindow() {
    return {
        .name = "capture",
        .title = "",
        .left = 0,
        .top = 0,
        .width = 400, // moved over the whole screen before it is shown
        .height = 300,
        .frame = Frame::fixed,
        .screenPixels = true, // the screenshot and the selection are exact at any scaling
        .backgroundColour = systemButtonFace,
        .controls =
            {
                {.name = "画板1",
                 .left = 0,
                 .top = 0,
                 .width = 400,
                 .height = 300,
                 .settings = SurfaceSettings{.border = Border::none,
                                             .backgroundColour = systemButtonFace,
                                             .keepsDrawing = false,
                                             .penStyle = PenStyle::dotted, // solid at this width
                                             .penWidth = 2,
                                             .penColour = red,
                                             .brushStyle = BrushStyle::hollow,
                                             .cursor = SurfaceCursor::crossHair}},
                {.name = "隐藏画板",
                 .left = 0,
                 .top = 0,
                 .width = 1,
                 .height = 1,
                 .settings = SurfaceSettings{.border = Border::none,
                                             .backgroundColour = systemButtonFace,
                                             .keepsDrawing = true}},
            },
        .handlers =
            {
                {{}, Event::created, &onCaptureWindowCreated},
                {{}, Event::willBeDestroyed, &onCaptureWindowGoing},
                {"画板1", Event::leftButtonPressed, &onSelectionStarted},
                {"画板1", Event::mouseMoved, &onMouseMoved},
                {"画板1", Event::leftButtonReleased, &onSelectionReleased},
                {"画板1", Event::rightButtonReleased, &onRightButtonReleased},
            },
    };
}

} // namespace

const WindowDefinition& captureWindow() {
    static const WindowDefinition definition = makeCaptureWindow();
    return definition;
}

} // namespace capture
