#pragma once
// Every finished game, per player and game: "DATA\Results.dat", a section
// file of its own beside the statistics files (which keep their own rules).
//
//   [Version]
//   Version=0002
//   [201]                      one section per game id, in decimal
//   Ann=<record> <check>       one entry per player, a fixed-width record
//   [201/1000]                 the games played with a longer look time (in
//   Ann=<record> <check>       ms) in a section of their own
//
// The memory games' look time (core/look_time.h) is part of where a record
// is kept, so that scores made with a longer look are never mixed with those
// of the standard one; a game section without it, as every file written
// before look times existed has, holds the standard look time.
// A record is 1800 characters: thirteen totals, then the last 50 games,
// oldest first, in slots of 33 characters; unused slots hold zeros and "-".
// The check value is the CRC-32 (8 lower-case hex digits) of the section
// name (the game id, and the look time where there is one), a line feed, the player's name, "=" and
// the record, so a changed byte of the record or its name shows. Every field has a fixed width, so
// an update overwrites the entry in place and the file is only rebuilt when an entry is added or
// removed.
//
// Version 0001 entries were the record alone; such a file (and one without
// a version section, or empty) is read and rewritten at once as 0002.
// A damaged entry or line costs only itself: the file as it was is kept
// beside it as "Results.dat.bad" (then .bad2, ...) and the rest rewritten.
//
//   played  won     lost    best    besttm  total         streak  longest
//   000012 000007 000005 +00058 000094 +00000000345 000002 000004
//   misses    slips     perfect lastdate cnt
//   000000031 000000009 000001 20030601 12
//   then 50 x " " + slot: score sec    miss slip W/L date
//                         +0058 000094 0002 0001 W 20030601
//
// Best score counts every game, best time only won ones; a perfect game is
// won without a miss. Values too large for a field stop at its maximum;
// once "played" is at its maximum the counts (played, won, lost, perfect,
// the sums) stay as they are, so they still add up.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/tr_marker.h"

namespace bw {

inline constexpr const char* kResultsFile = "DATA\\Results.dat";
inline constexpr const char* kResultsVersion = "0002";
inline constexpr const char* kResultsVersionUnchecked = "0001";
inline constexpr int kResultHistory = 50;
inline constexpr size_t kResultRecordLength = 1800;
inline constexpr size_t kResultEntryLength = kResultRecordLength + 9;  // + " " + check
inline constexpr long kResultCountMax = 999999;

namespace results_msg {
inline constexpr const char* kDamaged =
    BW_TR_NOOP("Messages",
               "The game results file was damaged or could not be read.\n"
               "It has been kept as \"%s\" and a new results file is started.");
inline constexpr const char* kDamagedEntries =
    BW_TR_NOOP("Messages",
               "Some game results were damaged and have been left out; the others are kept.\n"
               "The file as it was has been kept as \"%s\".");
inline constexpr const char* kDamagedKept =
    BW_TR_NOOP("Messages",
               "The game results file is damaged or cannot be read, and it cannot be moved aside.\n"
               "Results of this session are not kept.");
inline constexpr const char* kReadOnly =
    BW_TR_NOOP("Messages",
               "Game results cannot be saved: the DATA folder cannot be written.\n"
               "Results of this session are not kept.");
}  // namespace results_msg

struct ResultRecord {
    long played = 0, won = 0, lost = 0;
    long bestScore = 0;  // of any game; meaningful once played > 0
    long bestTime = 0;   // seconds of the fastest won game; meaningful once won > 0
    long long totalScore = 0;
    long streak = 0, longestStreak = 0;
    long misses = 0, slips = 0;
    long perfect = 0;
    int lastDate = 0;
    std::vector<GameResult> history;  // oldest first, at most kResultHistory
    int lookMs = 0;                   // the look time of every game here; 0: the standard

    void Add(const GameResult& r);
    bool operator==(const ResultRecord&) const = default;
};

// The record alone (kResultRecordLength characters).
std::string FormatResultRecord(const ResultRecord& r);
// nullopt for anything that is not a well-formed record.
std::optional<ResultRecord> ParseResultRecord(const std::string& text);
// The stored value: the record, a blank and its check value.
std::string FormatResultEntry(int gameId, const std::string& player, const ResultRecord& r);
// nullopt unless a well-formed record with the right check value; the
// record and its games get `lookMs`.
std::optional<ResultRecord> ParseResultEntry(int gameId, const std::string& player,
                                             const std::string& text, int lookMs = 0);

// The check value of an entry: 8 hex digits of the CRC-32 of the section
// name, a line feed, the player's name, "=" and the record.
std::string ResultCheckValue(const std::string& section, const std::string& player,
                             const std::string& record);

// The section of a game and look time ("201", "201/1000"), and back.
struct ResultKey {
    int gameId = 0;
    int lookMs = 0;
    bool operator==(const ResultKey&) const = default;
    bool operator<(const ResultKey& o) const {
        return gameId != o.gameId ? gameId < o.gameId : lookMs < o.lookMs;
    }
};
inline constexpr int kResultLookMsMax = 600000;
std::string ResultSectionName(const ResultKey& key);
std::optional<ResultKey> ResultSectionKey(const std::string& section);

// Game id -> record of one player, games of the standard look time.
using PlayerResults = std::map<int, ResultRecord>;
// Every record of one player, by game and look time.
using PlayerLookResults = std::map<ResultKey, ResultRecord>;

// Adds one game to the player's record of the game and its look time. A
// damaged file is moved aside first; a folder that cannot be written is
// reported once per run.
void RecordGameResult(int gameId, const std::string& player, const GameResult& result);
// The player's records; empty when there are none (or the file was damaged,
// which has then been reported and moved aside).
PlayerResults ReadPlayerResults(const std::string& player);
PlayerLookResults ReadPlayerLookResults(const std::string& player);
// The player operations: renaming moves the entries to the new name,
// clearing removes them.
void RenamePlayerResults(const std::string& oldName, const std::string& newName);
void ClearPlayerResults(const std::string& player);

// Forgets what this run has reported (tests start afresh).
void ResetResultsSession();

}  // namespace bw
