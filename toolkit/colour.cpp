#include "colour.h"

#include <windows.h>

namespace toolkit {

Colour resolveColour(Colour colour) {
    if (colour & 0x80000000u)
        return GetSysColor(static_cast<int>(colour & 0xFFu));
    return colour & 0xFFFFFFu;
}

} // namespace toolkit
