#pragma once
// Single- and multi-line edit boxes.
#include "control.h"
#include "handles.h"

#include <string>
#include <string_view>

namespace toolkit {

class EditBox : public Control {
  public:
    using Control::Control;

    std::string text() const;
    void setText(std::string_view text);
    // Inserts after the last character; the caret follows and is scrolled into view.
    void appendText(std::string_view text);
    Colour textColour() const { return textColour_; }
    void setTextColour(Colour colour);

    std::optional<LRESULT> onControlColour(HDC dc) override;
    void onCommand(WORD code) override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;

  private:
    const EditBoxSettings& settings() const {
        return std::get<EditBoxSettings>(definition().settings);
    }
    Colour textColour_ = black;
    Brush background_;
    Font font_;
};

} // namespace toolkit
