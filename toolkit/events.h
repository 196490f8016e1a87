#pragma once
#include <cstdint>

namespace toolkit {

enum class Event {
    created,
    moved,
    sizeChanged,
    canBeClosed,
    willBeDestroyed,
    clicked,
    textChanged,
    listItemSelected,
    buttonClicked,
    colourChosen,
    leftButtonPressed,
    leftButtonReleased,
    rightButtonPressed,
    rightButtonReleased,
    mouseMoved,
};

// Mouse key state bits.
inline constexpr int keyCtrl = 1;
inline constexpr int keyShift = 2;
inline constexpr int keyAlt = 4;

struct EventArgs {
    std::uint16_t x = 0; // mouse events: client pixels
    std::uint16_t y = 0;
    int keyState = 0;
    int index = 0; // buttonClicked: 0-based toolbar button
};

class Window;
using Handler = void (*)(Window& window, const EventArgs& args);

} // namespace toolkit
