#pragma once
// Product names in captions and messages.
#include <string>

#include "build_info.h"

namespace bw {

inline constexpr const char* kProductName = "Brindlewick 2003";
inline constexpr const char* kProductVersion = BW_VERSION;
inline constexpr const char* kSuiteName = "Quillory 2004";
inline constexpr const char* kSuiteVersion = "6.2";

// Replaces the first "[Program]", "[Program_sw]", "[GameNum_sw]" and
// "[GameNum_fw]", in that order; later occurrences stay as they are.
std::string ExpandPlaceholders(std::string text);

}  // namespace bw
