#pragma once
// Positions and sizes in window definitions are pixels of a 96-DPI display. On a display with
// more dots per inch they are scaled by the system DPI, as the platform scales old programs,
// but sharp.

namespace toolkit {

// The system's dots per inch (96 at 100 %), read once.
int systemDpi();

class DisplayScale {
  public:
    // A scale of 1: for what works in the screen's own pixels (the capture overlay).
    static DisplayScale none() { return DisplayScale(96); }
    static DisplayScale system() { return DisplayScale(systemDpi()); }

    // 96-DPI pixels to the display's, and back; rounded to the nearest pixel.
    int toDisplay(int designPixels) const;
    int toDesign(int displayPixels) const;

  private:
    explicit DisplayScale(int dpi) : dpi_(dpi) {}
    int dpi_;
};

} // namespace toolkit
