#pragma once
// The stored settings of the program's windows.
#include "toolkit/definitions.h"

namespace windows {

const toolkit::WindowDefinition& inputWindow();
const toolkit::WindowDefinition& artWindow();
const toolkit::WindowDefinition& aboutWindow();

} // namespace windows
