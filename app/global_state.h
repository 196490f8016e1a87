#pragma once
// The program-wide variables through which the windows hand data to each other.
#include <cstdint>
#include <string>

namespace app {

struct GlobalState {
    std::string sourceText; // the text to convert
    std::string fillText;   // marks an inked pixel
    std::string colourText; // the chosen colour as decimal text
    std::int32_t stepOneDone = 0;
    std::int32_t scanRow = 0;
    std::int32_t scanColumn = 0;
    std::int32_t selectionReleased = 0;
    std::int32_t selectionDragging = 0;
    // The selection corners keep the low 16 bits of what is stored and read back
    // sign-extended.
    std::int16_t selectionLeft = 0;
    std::int16_t selectionRight = 0;
    std::int16_t selectionTop = 0;
    std::int16_t selectionBottom = 0;
};

extern GlobalState globalState;

} // namespace app
