#pragma once
#include "toolkit/definitions.h"

namespace art {

// The art window's hidden sampling surface: 136 x 88 with a thin sunken edge, white, black
// text on a transparent background, no stored font and no kept drawing.
toolkit::ControlDefinition samplingSurface(int left, int top);

} // namespace art
