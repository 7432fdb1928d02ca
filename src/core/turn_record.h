#pragma once
// The turns of a memory game as the player made them ("Pairs" 37,
// "Concentration" 39, "Ace-To-King" 36), kept in the memory log, and what
// they tell of the player's memory.
//
// A turn is numbered from 1 in the order played. A turn's cards are the two
// of a pair attempt, or the one card of "Ace-To-King"; each card carries its
// grid row and slot (cards never change slots in these grids) and the game
// time, in ms since the deal, at which it was turned. Outcome: "pair" (for
// "Ace-To-King": the card continued the run), "miss", or "slip" (a miss the
// memory log's rule, core/memory_log.h, counts as one); a turn still being
// played is open.
//
// A card was "seen in turn s" when it was turned face up in turn s; "last
// seen before t" is the highest such s below t. Cards of a pair found leave
// the grid.
//
// Recall span of a found pair, turned as A then B in turn t: t minus the
// turn in which B was last seen before t. A pair whose second card had not
// been seen before was found by chance and has no span. In "Ace-To-King" a
// card that continued the run and had been seen before has the span t minus
// its last sighting.
//
// A slip's partner: in turn t showing A then B, the card a perfect memory
// would have paired. When a partner of A still in the grid had been seen,
// the slip is A's, and its partner is the one of those last seen; otherwise
// (B known, and a partner of B known) it is B's, with that partner. Its age
// is t minus the turn in which that partner was last seen, and its place is
// the partner's row and slot. In "Ace-To-King" the slip is the known card
// that broke the run: its own last sighting and place.
//
// Slips per game: the turns whose outcome is "slip". The slip heat map
// counts, per grid row and slot, the slips whose partner lay there.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cards.h"
#include "core/families/family.h"

namespace bw {

enum class TurnOutcome : uint8_t { kOpen, kPair, kMiss, kSlip };

struct TurnCard {
    CardCode card = 0;
    int row = -1;     // grid row, 0-based
    int column = -1;  // slot in the row, 0-based
    int64_t ms = 0;   // game time since the deal
    bool operator==(const TurnCard&) const = default;
};

struct Turn {
    std::vector<TurnCard> cards;
    TurnOutcome outcome = TurnOutcome::kOpen;
    bool operator==(const Turn&) const = default;
};

struct TurnRecord {
    std::string deal;  // the deal number, 13 digits; empty before the first turn
    int goal = 0;      // the goal kind played
    std::vector<Turn> turns;
    bool operator==(const TurnRecord&) const = default;
};

// Cards a turn of the goal kind shows: 1 in "Ace-To-King", else 2. Which
// kinds record their turns: RecordsTurns (core/families/family.h).
inline size_t CardsPerTurn(int goal) {
    return goal == goal::kAceToKing ? 1 : 2;
}
// Whether `a` and `b` pair in the goal kind: twins of the two decks in
// "Pairs", any two cards of one rank in "Concentration".
bool PairPartners(int goal, CardCode a, CardCode b);

// The record as one line of text without line breaks, and back:
//   <goal> <deal or -> then per turn " <o><card>"...
// with o one of p m s o (pair, miss, slip, open) and each card
// "CCC.row.slot.ms", cards of a turn joined by ",".
std::string TurnRecordText(const TurnRecord& record);
// nullopt for text that is not such a line or holds values out of range.
std::optional<TurnRecord> ParseTurnRecord(std::string_view text);
// "pair", "miss", "slip" or "open".
const char* OutcomeWord(TurnOutcome outcome);

struct SlipMark {
    int turn = 0;          // 1-based
    CardCode card = 0;     // the card that should have been paired
    CardCode partner = 0;  // 0: the record does not show one
    int row = -1, column = -1;
    int turnsAgo = -1;  // turns since the partner was last seen; -1: unknown
    bool operator==(const SlipMark&) const = default;
};

struct RecallProfile {
    std::vector<int> spans;  // one per pair found from memory, in turn order
    std::vector<SlipMark> slips;
};

RecallProfile Recall(const TurnRecord& record);
int SlipCount(const TurnRecord& record);

// Slips per grid place, summed over games, over every place a card was
// turned at.
struct SlipHeat {
    int rows = 0, columns = 0;
    std::vector<int> counts;  // row-major, rows x columns
    void Add(const TurnRecord& record);
    int At(int row, int column) const;
    int Most() const;
};

// The memory measures of a player's games, oldest first: recall spans in
// bands (1, 2, 3, 4, 5, 6-10, 11-20, 21 and more turns), slips per game with
// their least-squares trend line (its values at the first and the last
// game), and the slips' heat map.
inline constexpr int kSpanBands = 8;
struct MemorySummary {
    std::vector<int> spanBands = std::vector<int>(kSpanBands, 0);
    std::vector<int> slipsPerGame;
    double trendFirst = 0, trendLast = 0;
    SlipHeat heat;
};
// The band of a recall span (>= 1).
int SpanBand(int span);
MemorySummary SummarizeMemory(const std::vector<TurnRecord>& games);

// A run's pace: the game time, in ms since the deal, at which each pair was
// found, in order (the time of the turn's last card).
std::vector<int64_t> PairTimes(const TurnRecord& record);
// The best of earlier games on the deal `deal`: the one that found the most
// pairs (a won game beats any lost one), of those the one that found its
// last pair soonest; its pair times. Empty when no game on that deal found
// a pair.
std::vector<int64_t> BestRun(const std::vector<TurnRecord>& games, std::string_view deal);
// Pairs the run had found by game time `ms`.
int PairsBy(const std::vector<int64_t>& pairTimes, int64_t ms);

}  // namespace bw
