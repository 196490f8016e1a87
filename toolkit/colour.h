#pragma once
#include <cstdint>

namespace toolkit {

// A colour as 0x00BBGGRR (red in the low byte). Values with the high bit set name a system
// colour instead: 0x80000000 | the GetSysColor index.
using Colour = std::uint32_t;

inline constexpr Colour white = 0xFFFFFF;
inline constexpr Colour black = 0x000000;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour systemButtonFace = 0x8000000F; // COLOR_BTNFACE

// What getPoint gives for a pixel that is not on screen; no colour at all.
inline constexpr std::uint32_t notOnScreen = 0xFFFFFFFF;

// Resolves a system colour to its current 0x00BBGGRR value.
Colour resolveColour(Colour colour);

} // namespace toolkit
