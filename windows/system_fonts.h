#pragma once
#include <string>
#include <vector>

namespace windows {

// Every face name the system reports for all character sets, one entry per report, in the
// order of the reports (a family with several character sets comes several times in a row).
std::vector<std::string> reportedFontNames();

} // namespace windows
