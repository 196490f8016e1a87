#pragma once
// The capture overlay: a full-screen window showing a screenshot, on which the user drags a
// rectangle that then goes to the clipboard and, on request, into a .bmp file.
#include "toolkit/definitions.h"

namespace capture {

const toolkit::WindowDefinition& captureWindow();

void onCaptureWindowCreated(toolkit::Window& window, const toolkit::EventArgs& args);
void onSelectionStarted(toolkit::Window& window, const toolkit::EventArgs& args);
void onMouseMoved(toolkit::Window& window, const toolkit::EventArgs& args);
void onSelectionReleased(toolkit::Window& window, const toolkit::EventArgs& args);
// On the release, not the press: a release left for the window below would open its menu.
void onRightButtonReleased(toolkit::Window& window, const toolkit::EventArgs& args);
void onCaptureWindowGoing(toolkit::Window& window, const toolkit::EventArgs& args);

} // namespace capture
