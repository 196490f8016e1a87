#pragma once

namespace toolkit {

// The LOGFONT height for a size in points: negative, so that the character height without
// internal leading is points x dots per inch / 72 pixels, rounded.
int fontHeightForPoints(double points, int dotsPerInch);

} // namespace toolkit
