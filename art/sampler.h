#pragma once
// Turns the stored text into character art: 18 lines of 100 cells appended to the output box.
#include <string_view>

namespace toolkit {
class DrawingSurface;
class EditBox;
} // namespace toolkit

namespace art {

inline constexpr int gridColumns = 100;
inline constexpr int gridRows = 18;
inline constexpr const char* blankCell = "  ";
inline constexpr const char* captureQuestion = "已经完成工作，是否截图？";

// Draws sourceText on the sampling surface, reads the grid back into the output box, erases
// and hides the surface, then offers a screen capture.
void runSampler(toolkit::DrawingSurface& samplingSurface, toolkit::EditBox& outputBox);

} // namespace art
