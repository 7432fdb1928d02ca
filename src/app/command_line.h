#pragma once
// The command line: "--help" and "--version" answered the way every program
// does, and "--game ID" / "--deal NUMBER" to start straight into a deal.
// Any other argument is ignored.
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

// A deal asked for with "--game ID" and/or "--deal NUMBER".
struct DealRequest {
    int game = -1;       // -1: the stored game
    std::string name;    // the game's name, with `game`
    std::string number;  // 13 digits; empty: a new deal
    bool Asked() const { return game >= 0 || !number.empty(); }
};

// Reads the deal request into `out`. Returns exit code 2, after a message on
// `err`, for a bad number, an id that is no game (the catalogue of the
// program folder and the player's customised games), or an option without
// its value; the program then ends. Nothing when the game should start.
std::optional<int> ReadDealRequest(const std::vector<std::string>& args, DealRequest& out,
                                   std::ostream& err);

}  // namespace bw
