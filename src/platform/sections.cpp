#include "platform/sections.h"

#include "platform/paths.h"

namespace bw::platform {

std::string_view TrimBlanks(std::string_view text) {
    const size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t") - b + 1);
}

std::optional<std::string> SectionName(std::string_view line, SectionSyntax syntax) {
    switch (syntax) {
        case SectionSyntax::kExact:
            if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
            return std::string(line.substr(1, line.size() - 2));
        case SectionSyntax::kProfile: {
            const std::string_view t = TrimBlanks(line);
            if (t.empty() || t[0] != '[') return std::nullopt;
            const size_t close = t.find(']');
            if (close == std::string_view::npos) return std::nullopt;
            return std::string(TrimBlanks(t.substr(1, close - 1)));
        }
        case SectionSyntax::kLinePrefix: break;
    }
    return std::nullopt;
}

SectionScanner::SectionScanner(std::string_view name, SectionSyntax syntax)
    : name_(syntax == SectionSyntax::kProfile ? ToLower(std::string(TrimBlanks(name)))
                                              : std::string(name)),
      syntax_(syntax) {}

bool SectionScanner::Opens(std::string_view line) const {
    if (syntax_ == SectionSyntax::kLinePrefix)
        return line.size() >= name_.size() + 2 && line[0] == '[' &&
               line.substr(1, name_.size()) == name_ && line[name_.size() + 1] == ']';
    const auto name = SectionName(line, syntax_);
    if (!name) return false;
    return syntax_ == SectionSyntax::kProfile ? ToLower(*name) == name_ : *name == name_;
}

bool SectionScanner::EndsBody(std::string_view line) const {
    if (syntax_ == SectionSyntax::kProfile) return SectionName(line, syntax_).has_value();
    return !line.empty() && line[0] == '[';
}

bool SectionScanner::Take(std::string_view line) {
    switch (state_) {
        case State::kBefore:
            if (Opens(line)) state_ = State::kBody;
            return false;
        case State::kBody:
            if (!EndsBody(line)) return true;
            state_ = State::kAfter;
            return false;
        case State::kAfter: break;
    }
    return false;
}

}  // namespace bw::platform
