#pragma once
// The games data in the form people write and review: one text file per game
// with its catalogue fields and its rule entries by number, each with a short
// name and a comment. CompileGames turns a set of them into the bytes of
// GAMES.DAT; DecodeGames turns any GAMES.DAT back into that form.
//
//   # free comment lines
//   game    201
//   family  16
//   class   0
//   screen  0                  # 1: needs a screen of 800 x 600 or more
//   name    Memory-Up (6x4)    (the rest of the line, taken as it stands)
//
//   368  Tableaus      4       # comment
//
// A rule line is: entry number (0..488), short name (1-12 printable
// characters, "-" for none), value (a 16-bit integer), optional "#" comment.
#include <string>
#include <vector>

namespace bw {

struct RuleSource {
    int index = 0;
    std::string shortName;  // empty: none
    int value = 0;
    std::string comment;  // without the "#"
};

struct GameSource {
    int id = -1;
    int family = 0;
    char editionClass = '0';
    bool needs800x600 = false;
    std::string name;
    std::vector<RuleSource> rules;  // ascending entry numbers, each at most once
    std::string header;             // the comment lines before "game", without "# "
};

constexpr int kRuleEntries = 489;

// Parses one game file. Problems go to `errors` as "file:line: message";
// false when there was any.
bool ParseGameSource(const std::string& text, const std::string& fileName, GameSource& out,
                     std::vector<std::string>& errors);
std::string FormatGameSource(const GameSource& game);

// The GAMES.DAT bytes (CR LF lines, stored form) for `games`: "[Sect1]" with
// one catalogue line per game in ascending id order, then "[Sect2]" with one
// line for every entry 0..488 in order, so that line positions and entry
// numbers agree. Games of class "0" or "5" get rules columns in catalogue
// order. False (with messages) for duplicate ids or names, fields that do not
// fit their columns, or one entry given two different short names.
bool CompileGames(std::vector<GameSource> games, std::string& bytes,
                  std::vector<std::string>& errors);

// Every "[Sect1]" entry of `bytes` with the rules of its column (entries of
// other classes have none). Lines that cannot be read are reported in
// `warnings` and skipped; false when the text has no "[Sect1]" entry at all.
bool DecodeGames(const std::string& bytes, std::vector<GameSource>& games,
                 std::vector<std::string>& warnings);

// "201-memory-up-6x4.game": a file name for a decoded game.
std::string GameSourceFileName(const GameSource& game);

}  // namespace bw
