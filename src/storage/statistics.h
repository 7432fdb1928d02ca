#pragma once
// The statistics files under the program's "DATA" folder. This edition
// writes no results into them (its own results file is storage/results.h);
// it keeps the files consistent with the player list
// (renames, cleared players), upgrades an old hi-score file and guards the
// single-game values, whose records carry check numbers.
#include <optional>
#include <string>
#include "core/tr_marker.h"

namespace bw {

namespace stat_file {
inline constexpr const char* kGames = "DATA\\STAT.DAT";
inline constexpr const char* kSingleGame = "Data\\Stat_uni.dat";
inline constexpr const char* kLog = "Data\\Stat_log.dat";
inline constexpr const char* kHiScores = "DATA\\STAT_SCR.DAT";
inline constexpr const char* kSeriesMarker = "DATA\\Series_e01.dat";
}  // namespace stat_file

inline constexpr const char* kStatVersion = "0300";
// A game statistics entry with every counter at zero.
inline constexpr const char* kClearedGameRecord =
    "000000 000000 000000 000000 000000 000000 000000000000 000000000000";
// Added to each character of a single-game record, cyclically, to scramble
// it. Changing it makes every stored record read as corrupt.
inline constexpr const char* kSingleGameScrambleKey = "47163";
inline constexpr const char* kCorruptSingleGameMessage =
    BW_TR_NOOP("Messages",
               "It appears as if the Internet Single Game Values are incorrect or corrupted.\n"
               "The Internet Single Game Values will be deleted and reset to zero.");
// A corrupt record costs only itself: the message above names the copy of the
// file as it was, and only the corrupt values restart at zero.

// Brings "DATA\STAT_SCR.DAT" to the current version (score lines of 89
// characters plus " x"), then turns the old "S" switches of the settings
// file into "Y". Does nothing when the hi-score file does not exist. A file
// of an older version whose score lines are longer than the old format's is
// damaged or not a score file: it is moved aside (kScoreFileAsideMessage).
inline constexpr const char* kScoreFileAsideMessage =
    BW_TR_NOOP("Messages",
               "The hi-score file is not in a format the program knows.\n"
               "It has been kept, unchanged, as \"%s\".");
void UpgradeScoreFile();

// Gives the entries of `oldName` the new name in STAT.DAT, the game log,
// the hi-score file and the game results; missing files are skipped.
void RenamePlayerInStatistics(const std::string& oldName, const std::string& newName);

// Writes cleared records for the player into every game section of
// STAT.DAT (and zero single-game values for games below 8000), removes
// the player's lines from the game log and removes the player's results.
void ClearPlayerStatistics(const std::string& player);

// Writes zero won and lost records for the game into the player's section
// of Stat_uni.dat; for game ids 0..7999 only.
void ClearSingleGameValues(int gameId, const std::string& player);

struct SingleGameCounts {
    long won = 0;
    long lost = 0;
};
// The player's won and lost counts of the game; nullopt when a record is
// corrupt (it has then been reset to zero, the file as it was kept aside as
// "Stat_uni.dat.bad" and the user told). Game ids
// outside 0..7999 have no values and read as zero.
std::optional<SingleGameCounts> ReadSingleGameValues(int gameId, const std::string& player);

// True when a series statistics file "DATA\Stat_e*.dat" exists. At
// start-up, when there is none, the stale series file is deleted as well.
bool SeriesFileExists(bool atStartup);

// The single-game record format, exposed for tests and tools.
namespace single_game {
std::string WonKey(int gameId);   // "GW-0201"
std::string LostKey(int gameId);  // "GL-0201"
// Sum over the 1-based characters of key + first ten record characters.
long CheckNumber(const std::string& key, const std::string& firstTen);
// The 16 plain characters: ten with the count's digits at their places and
// random digits between, then the 6-digit check number.
std::string BuildRecord(const std::string& key, bool won, long count);
// The count of a plain record, or nullopt when it is not valid.
std::optional<long> ParseRecord(const std::string& key, bool won, const std::string& plain);
std::string Scramble(const std::string& plain);
std::string Unscramble(const std::string& stored);
// Added to the corruption message with the name of the copy and a quote.
inline constexpr const char* kKeptAsideNote =
    BW_TR_NOOP("Messages", "The file as it was has been kept as \"");
}  // namespace single_game

}  // namespace bw
