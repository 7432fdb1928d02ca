#pragma once
// The game takes no arguments of its own, but answers "--help" and
// "--version" the way every program does; any other argument is ignored.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace bw {

// Writes the answer to `out` and returns the exit code when an argument
// asked for one (the program then ends); nothing when the game should start.
// `programDir` and `dataDir` are the folders the help names.
std::optional<int> AnswerCommandLine(const std::vector<std::string>& args,
                                     const std::string& programDir, const std::string& dataDir,
                                     std::ostream& out);

}  // namespace bw
