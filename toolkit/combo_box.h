#pragma once
// An editable drop-down combo box.
#include "control.h"
#include "handles.h"

#include <string>
#include <string_view>

namespace toolkit {

class ComboBox : public Control {
  public:
    using Control::Control;

    // The new item's index, or -1 when the platform refuses it.
    int addItem(std::string_view text);
    int itemCount() const;
    // Empty outside 0..count-1.
    std::string itemText(int index) const;
    // The selected index, or -1.
    int currentItem() const;
    // Clamped to -1..count-1; raises nothing.
    void setCurrentItem(int index);
    // The text of the edit field.
    std::string text() const;

    std::optional<LRESULT> onControlColour(HDC dc) override;
    void onCommand(WORD code, WORD id) override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;

  private:
    Brush background_;
};

} // namespace toolkit
