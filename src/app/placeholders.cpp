#include "app/placeholders.h"

namespace bw {

namespace {
void ReplaceFirst(std::string& text, const std::string& what, const std::string& by) {
    const size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), by);
}
}  // namespace

std::string ExpandPlaceholders(std::string text) {
    ReplaceFirst(text, "[Program]", kProductName);
    ReplaceFirst(text, "[Program_sw]", kSuiteName);
    ReplaceFirst(text, "[GameNum_sw]", "390");
    ReplaceFirst(text, "[GameNum_fw]", "5");
    return text;
}

}  // namespace bw
