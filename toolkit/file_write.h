#pragma once
#include <string>
#include <string_view>

namespace toolkit {

// Writes the bytes to the path as a whole: into a temporary file in the same folder, flushed,
// which then replaces the target in one step. On any failure the target is left as it was and
// no temporary file remains. True only after a complete write.
bool writeFileReplacing(const std::string& path, std::string_view bytes);

} // namespace toolkit
