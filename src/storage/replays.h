#pragma once
// The turns of the last finished memory games, per player and game:
// "DATA\Replays.dat", a file of its own beside the results file, rewritten
// whole through the atomic replace. One line per game, oldest first:
//
//   Brindlewick replays 0001
//   201 20261210 1c9e0a44 3 Ann 37 0001234567890 p001.0.0.0,053.1.0.950 m...
//
// A game line: the game id, the date played (YYYYMMDD), the check value, the
// length of the player's name in bytes and the name, then the turn record
// (core/turn_record.h). The check value is that of a results entry with the
// game id as section, the player, and "<date> <turn record>" as record, so
// a changed byte of the line shows. At most the last 50 games of a player
// and game are kept; open turns are not stored.
//
// A file without that first line is moved aside whole ("Replays.dat.bad",
// then .bad2, ...); one with damaged lines is copied aside and rewritten
// without them. Either is said once, and a DATA folder that cannot be
// written once per run.
#include <string>
#include <string_view>
#include <vector>

#include "core/tr_marker.h"
#include "core/turn_record.h"

namespace bw {

inline constexpr const char* kReplaysFile = "DATA\\Replays.dat";
inline constexpr const char* kReplaysHeader = "Brindlewick replays 0001";
inline constexpr int kReplayHistory = 50;

namespace replays_msg {
inline constexpr const char* kDamaged =
    BW_TR_NOOP("Messages",
               "The file of replays was damaged and could not be read.\n"
               "It has been kept as \"%s\" and a new one is started.");
inline constexpr const char* kDamagedEntries =
    BW_TR_NOOP("Messages",
               "Some replays were damaged and have been left out; the others are kept.\n"
               "The file as it was has been kept as \"%s\".");
inline constexpr const char* kReadOnly =
    BW_TR_NOOP("Messages",
               "Replays cannot be saved: the DATA folder cannot be written.\n"
               "Replays of this session are not kept.");
}  // namespace replays_msg

struct StoredReplay {
    int gameId = 0;
    std::string player;
    int date = 0;  // YYYYMMDD
    TurnRecord record;
    bool operator==(const StoredReplay&) const = default;
};

struct ReplayFileText {
    std::vector<StoredReplay> games;  // oldest first
    bool unreadable = false;          // no replay file at all: no first line
    bool damaged = false;             // some lines were left out
};

ReplayFileText ParseReplays(std::string_view text);
std::string ReplaysText(const std::vector<StoredReplay>& games);

// Adds a finished game; a record without a full turn is not kept.
void RecordReplay(int gameId, const std::string& player, int date, const TurnRecord& record);
// The player's stored games of `gameId`, oldest first. A damaged file is
// repaired as above.
std::vector<StoredReplay> ReadReplays(int gameId, const std::string& player);
// The player operations, as for the results.
void RenamePlayerReplays(const std::string& oldName, const std::string& newName);
void ClearPlayerReplays(const std::string& player);

// Forgets what this run has reported (tests start afresh).
void ResetReplaysSession();

}  // namespace bw
