#pragma once
// Registration of the toolkit's own window classes.

namespace toolkit {

inline constexpr const wchar_t* topWindowClass = L"tukWindow";
inline constexpr const wchar_t* groupBoxClass = L"tukGroupBox";
inline constexpr const wchar_t* surfaceClass = L"tukSurface";
inline constexpr const wchar_t* colourPickerClass = L"tukColourPicker";

// Registers the classes and the common controls once per process.
void ensureWindowClasses();

} // namespace toolkit
