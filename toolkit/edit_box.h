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
    ~EditBox() override;

    std::string text() const;
    void setText(std::string_view text);
    // Inserts after the last character; the caret follows and is scrolled into view.
    // Appends made one after another reach the native box as one insertion (an insertion
    // is slow in some edit controls, whatever its length): they are held until the program
    // next waits for the user, or until anything else reaches the box.
    void appendText(std::string_view text);
    Colour textColour() const { return textColour_; }
    void setTextColour(Colour colour);

    std::optional<LRESULT> onControlColour(HDC dc) override;
    void onCommand(WORD code, WORD id) override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;
    void beforeNativeMessage(UINT message) override;

  private:
    friend void flushPendingAppends();
    void flushAppends();
    const EditBoxSettings& settings() const {
        return std::get<EditBoxSettings>(definition().settings);
    }
    std::string pendingAppends_;
    Colour textColour_ = black;
    Brush background_;
    Font font_;
};

// Hands every held append to its box; called before the program waits for the user.
void flushPendingAppends();

} // namespace toolkit
