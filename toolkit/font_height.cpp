#include "font_height.h"

#include <cmath>

namespace toolkit {

int fontHeightForPoints(double points, int dotsPerInch) {
    return -static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

} // namespace toolkit
