#pragma once
// Loading a game's column of the rule matrix from "GAMES.DAT".
#include <string>
#include <vector>

#include "core/state.h"
#include "core/tr_marker.h"

namespace bw {

struct Game;

// The file's character substitution: stored ch stands for ch - 48 when
// ch >= 80, else ch + 48. The mapping is its own inverse on codes 32..127.
char DecodeGamesChar(char stored);
char EncodeGamesChar(char plain);
std::string DecodeGamesText(const std::string& stored);
std::string EncodeGamesText(const std::string& plain);

// The lines of a section ("Sect1", "Sect2") of GAMES.DAT-like text: the
// lines after the line beginning with "[" name "]" up to the next line whose
// first character is "[". CR LF or LF line ends.
std::vector<std::string> ReadGamesSection(const std::string& path, const std::string& section);
// The games file is read whole and kept: reading `path` again later reads
// the kept bytes, so what becomes of the file while the program runs (a copy
// or an install rewriting it in place) changes no rules and no catalogue.
// Each call reads the file anew (a link is followed, a pipe or device is not
// opened); false when it cannot be read, and nothing is kept then.
bool KeepGamesFile(const std::string& path);
// The same from text already in memory.
std::vector<std::string> ReadGamesSectionFromText(const std::string& text,
                                                  const std::string& section);

// A whole decimal integer: leading blanks, an optional sign and digits, nothing
// else (a value such as "12x" is refused rather than read as 12).
bool ParseGamesInteger(const std::string& text, long& value);
// A "[Sect2]" line in stored form: its entry number (columns 1-4), or -1 when
// they do not read as one; and its value in rules column `column` (10
// characters from column 17 + 11 * column, trailing blanks removed). The value
// is false when the line ends before the column, the field is blank or not a
// number.
int RuleLineIndex(const std::string& storedLine);
bool RuleLineValue(const std::string& storedLine, int column, long& value);

// Sets all 489 entries to 0, then loads column `column` (0-based) of
// "[Sect2]" of `path` into `rules`. A missing file or column leaves zeros.
// False when the column cannot be read whole: an entry's line is missing or
// ends before the column (a file cut inside the rules).
bool LoadRuleColumn(const std::string& path, int column, RuleTable& rules);
// The same for the current game: the column is the catalogue position of
// `gameId`; ids of 8000 and above load nothing. Keeps the rule bases.
void LoadGameRules(Game& g, int gameId);
// Whether the last LoadGameRules read the game's rules whole; a game whose
// rules cannot be read is not dealt (nor recorded).
bool GameRulesReadable();
// %1: the game's name; %2: the games file.
inline constexpr const char* kUnreadableRulesMessage = BW_TR_NOOP(
    "Messages",
    "The rules of the game \"%1\" cannot be read from the file\n%2\n"
    "The file is damaged; the game cannot be played. Reinstalling the program repairs it.");

// Entries 132..171 and 52..67 are kept after a load and restored before a
// new deal of the same game (the deal overwrites them).
void SaveRuleBases(Game& g);
void RestoreRuleBases(Game& g);

}  // namespace bw
