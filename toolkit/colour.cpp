#include "colour.h"

#include "handles.h"

#include <windows.h>

namespace toolkit {

Colour resolveColour(Colour colour) {
    if (colour & 0x80000000u)
        return GetSysColor(static_cast<int>(colour & 0xFFu));
    return colour & 0xFFFFFFu;
}

void fillWithColour(HDC dc, int left, int top, int right, int bottom, Colour colour) {
    const RECT r{left, top, right, bottom};
    Brush brush(CreateSolidBrush(resolveColour(colour)));
    FillRect(dc, &r, brush.get());
}

} // namespace toolkit
