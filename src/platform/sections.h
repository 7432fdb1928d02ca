#pragma once
// Sectioned text files: "[name]" header lines, each followed by its body up
// to the next header. The program reads three families of them, which differ
// only in how strictly a header is spelled; every reader of any of them finds
// its sections with the one scanner below.
#include <optional>
#include <string>
#include <string_view>

namespace bw::platform {

enum class SectionSyntax {
    // The section files the program writes: the header is the whole line
    // "[name]", names compare byte for byte, and any line starting with "["
    // ends a body.
    kExact,
    // GAMES.DAT: a line beginning with "[name]" opens the section; any line
    // starting with "[" ends a body.
    kLinePrefix,
    // Profile files: blanks around the header and its name and text after
    // "]" are ignored, names compare without regard to case, and only a
    // header ends a body.
    kProfile,
};

// Blanks and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// The name that `line` (without its line end) opens a section with, or
// nullopt when it is no header. Not for kLinePrefix, whose headers are only
// ever compared with a name: it gives nullopt.
std::optional<std::string> SectionName(std::string_view line, SectionSyntax syntax);

// Follows the lines of a file, in order, to the body of the first section
// called `name`.
class SectionScanner {
public:
    SectionScanner(std::string_view name, SectionSyntax syntax);
    // Takes the next line (without its line end): true when it is a line of
    // the section's body.
    bool Take(std::string_view line);
    // The header has been seen.
    bool found() const { return state_ != State::kBefore; }
    // The body has ended: no later line belongs to it.
    bool done() const { return state_ == State::kAfter; }

private:
    bool Opens(std::string_view line) const;
    bool EndsBody(std::string_view line) const;
    enum class State { kBefore, kBody, kAfter };
    std::string name_;  // as compared: lower case for profile files
    SectionSyntax syntax_;
    State state_ = State::kBefore;
};

}  // namespace bw::platform
