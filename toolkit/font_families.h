#pragma once
#include <string>
#include <vector>

namespace toolkit {

// Every face name that the platform's font family enumeration reports on the screen for all
// character sets, one entry per report, in the order of the reports (a family with several
// character sets comes several times in a row).
std::vector<std::string> reportedFontFamilies();

} // namespace toolkit
