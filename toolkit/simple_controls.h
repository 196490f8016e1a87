#pragma once
// Group boxes, push buttons and labels: controls that only show and click.
#include "control.h"
#include "handles.h"

namespace toolkit {

// A frame without caption that holds other controls; their notifications go on to the window.
class GroupBox : public Control {
  public:
    using Control::Control;

  protected:
    NativeSpec nativeSpec() const override;
    LRESULT ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class PushButton : public Control {
  public:
    using Control::Control;
    void onCommand(WORD code, WORD id) override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override { useDefaultFont(); }
};

class Label : public Control {
  public:
    using Control::Control;
    std::optional<LRESULT> onControlColour(HDC dc) override;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;

  private:
    void widenToFitCaption(const std::string& caption);
    Brush background_;
};

} // namespace toolkit
