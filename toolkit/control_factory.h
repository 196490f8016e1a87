#pragma once
#include "control.h"

#include <memory>

namespace toolkit {

// The control object for a definition's kind, not yet created on screen.
std::unique_ptr<Control> makeControl(Window& window, const ControlDefinition& definition);

} // namespace toolkit
