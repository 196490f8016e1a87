#pragma once
// Registration of the toolkit's own window classes.

namespace toolkit {

inline constexpr const char* topWindowClass = "tukWindow";
inline constexpr const char* groupBoxClass = "tukGroupBox";
inline constexpr const char* surfaceClass = "tukSurface";
inline constexpr const char* colourPickerClass = "tukColourPicker";

// Registers the classes and the common controls once per process.
void ensureWindowClasses();

} // namespace toolkit
