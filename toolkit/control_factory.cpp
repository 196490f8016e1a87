#include "control_factory.h"

#include "colour_picker.h"
#include "combo_box.h"
#include "drawing_surface.h"
#include "edit_box.h"
#include "simple_controls.h"
#include "toolbar.h"

namespace toolkit {
namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

} // namespace

std::unique_ptr<Control> makeControl(Window& window, const ControlDefinition& definition) {
    using Made = std::unique_ptr<Control>;
    return std::visit(Overloaded{
                          [&](const GroupBoxSettings&) -> Made {
                              return std::make_unique<GroupBox>(window, definition);
                          },
                          [&](const PushButtonSettings&) -> Made {
                              return std::make_unique<PushButton>(window, definition);
                          },
                          [&](const LabelSettings&) -> Made {
                              return std::make_unique<Label>(window, definition);
                          },
                          [&](const EditBoxSettings&) -> Made {
                              return std::make_unique<EditBox>(window, definition);
                          },
                          [&](const SurfaceSettings&) -> Made {
                              return std::make_unique<DrawingSurface>(window, definition);
                          },
                          [&](const ColourPickerSettings&) -> Made {
                              return std::make_unique<ColourPicker>(window, definition);
                          },
                          [&](const ComboBoxSettings&) -> Made {
                              return std::make_unique<ComboBox>(window, definition);
                          },
                          [&](const ToolbarSettings&) -> Made {
                              return std::make_unique<Toolbar>(window, definition);
                          },
                      },
                      definition.settings);
}

} // namespace toolkit
