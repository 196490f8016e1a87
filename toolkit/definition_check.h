#pragma once
#include "definitions.h"

#include <string>

namespace toolkit {

// What keeps a definition from being built, or an empty text when it holds together: form
// names unique and not empty, each parent a group box listed before its children, every
// handler bound to the window or to one of its controls.
std::string findDefinitionFault(const WindowDefinition& definition);

} // namespace toolkit
