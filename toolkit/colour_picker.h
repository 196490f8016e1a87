#pragma once
// A small swatch that shows a colour; a click opens the system colour dialog.
#include "control.h"

namespace toolkit {

class ColourPicker : public Control {
  public:
    using Control::Control;

    Colour colour() const { return colour_; }
    // Raises nothing.
    void setColour(Colour colour);

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;
    LRESULT ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Opens the dialog; colourChosen follows only a confirmed choice.
    void choose();
    Colour colour_ = black;
};

} // namespace toolkit
