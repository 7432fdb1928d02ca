#pragma once
// The players' matches: "DATA\Matches.dat", apart from the results and the
// statistics, so that a match won or lost never changes what a solo game's
// figures mean. It follows the players: renaming one moves their entries,
// clearing or deleting one removes them.
//
//   [Version]
//   Version=0001
//   [201]                                    one section per game id
//   Ann=000012 000007 000004 000001 <check>  played, won, lost, tied
//
// The check value is that of a results entry (section, player and record).
// A damaged entry costs only itself: the file as it was is kept aside
// (Matches.dat.bad, ...) and the rest rewritten.
#include <optional>
#include <string>

#include "core/match.h"

namespace bw {

inline constexpr const char* kMatchesFile = "DATA\\Matches.dat";

enum class MatchOutcome { kWon, kLost, kTied };

struct MatchRecord {
    long played = 0, won = 0, lost = 0, tied = 0;
    bool operator==(const MatchRecord&) const = default;
};

// Adds one match to the player's record of the game; false when it could
// not be kept (the message has been shown).
bool RecordMatchResult(int gameId, const std::string& player, MatchOutcome outcome);
// The player's record of the game; nothing when there is none.
std::optional<MatchRecord> ReadMatchRecord(int gameId, const std::string& player);
// "Match my level" for the player in game `gameId` on a grid of `pairs`
// pairs: RecallModel over their results of the game at the standard look
// time (a longer look would flatter their memory).
MemoryModel PlayerRecallModel(int gameId, const std::string& player, int pairs);
// The player operations, as for the results.
void RenamePlayerMatches(const std::string& oldName, const std::string& newName);
void ClearPlayerMatches(const std::string& player);

}  // namespace bw
