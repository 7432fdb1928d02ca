#pragma once
// What the player has seen of the memory game on the table, to tell a slip
// (a miss a perfect memory would not have made) from an unavoidable miss.
//
// A card counts as seen once the player has turned it face up; it stays
// seen after it turns back, and undo does not make the player forget it.
// A turn is the two cards of "Pairs"/"Concentration", or one card of
// "Ace-To-King"; "known" below means seen in an earlier turn.
//
// "Pairs" (goal kind 37, a card's partner is its twin of the other deck) and
// "Concentration" (39, any other card of its rank): the miss of a turn that
// showed A and then B is a slip when
//   - a partner of A still in the grid was known (a perfect memory would
//     have turned it instead of B), or
//   - B itself was known and so was a partner of B still in the grid (the
//     player chose a card they had seen whose twin they had seen too).
// "Ace-To-King" (36): a card that breaks the run is a slip when it was
// known, for its rank was then known to be the wrong one.
// Every other miss is unavoidable. "Forget me not" counts no slips.
//
// The log also keeps the game's turns (core/turn_record.h), each judged by
// this rule.
#include <array>
#include <vector>

#include "core/cards.h"
#include "core/turn_record.h"

namespace bw {

struct MemoryLog {
    std::array<int, 109> seenInTurn;  // -1: never seen
    int turn = 0;
    int slips = 0;
    bool acted = false;
    TurnRecord record;
    MemoryLog() { seenInTurn.fill(-1); }
    bool operator==(const MemoryLog&) const = default;
};

struct Game;

// Game::memoryLog. A new deal: nothing seen, no slips, nothing done yet.
void ResetMemoryLog(Game& g);
// The next turn starts (a pair's first card; each "Ace-To-King" card); the
// first one notes the deal number.
void BeginMemoryTurn(Game& g);
// The player turned `card` face up.
void NoteCardTurned(Game& g, CardCode card);
// The player moved a card (a twin placed in "Forget me not").
void NotePlayerMove(Game& g);
// The turn showed `first` and then `second`, which does not pair it; both
// are still in the grid. Counts a slip when the rule above says so.
void NotePairMiss(Game& g, CardCode first, CardCode second);
// `card` broke the run.
void NoteSequenceMiss(Game& g, CardCode card);

int Slips(const Game& g);
// The turns played since the deal.
const TurnRecord& Turns(const Game& g);
// Whether the player turned or moved any card since the deal.
bool PlayerActed(const Game& g);
// Whether `card` was seen before the current turn.
bool KnownCard(const Game& g, CardCode card);

// Whether `a` and `b` pair in the game's pairing rule (goal kinds 37, 39).
bool Partners(const Game& g, CardCode a, CardCode b);
// Every card still in the grid rows, row by row, slot by slot.
std::vector<CardCode> GridCardCodes(const Game& g);

}  // namespace bw
