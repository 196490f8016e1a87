#pragma once
// A toolbar docked along the top of the window, with text buttons and tooltips.
#include "control.h"
#include "handles.h"

#include <string>
#include <vector>

namespace toolkit {

class Toolbar : public Control {
  public:
    using Control::Control;

    Colour backgroundColour() const { return backgroundColour_; }
    // Fills the toolbar behind its buttons.
    void setBackgroundColour(Colour colour);
    int buttonCount() const;
    // Index of the button with that 0-based position's command.
    static int commandOf(int index) { return index + 1; }

    void onCommand(WORD code, WORD id) override;
    std::optional<LRESULT> onNotify(NMHDR* header) override;
    void onParentResized() override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;

  private:
    const ToolbarSettings& settings() const {
        return std::get<ToolbarSettings>(definition().settings);
    }
    Colour backgroundColour_ = systemButtonFace;
    Brush background_;
    std::vector<std::wstring> texts_; // the buttons' texts, as the toolbar was given them
    std::wstring tooltipBuffer_;
};

} // namespace toolkit
