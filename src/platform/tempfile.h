#pragma once
#include <string>

namespace bw::platform {

// Creates a new empty file named prefix (first three characters) + a
// hexadecimal number + ".tmp", exclusively, in `dir` (the system temporary
// folder when `dir` is empty). Returns its full path, or "" on failure.
std::string CreateTempFile(const std::string& dir, const std::string& prefix);

}  // namespace bw::platform
