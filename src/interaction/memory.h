#pragma once
// The memory games on a grid of face-down cards: "Pairs" (goal kind 37),
// "Concentration" (39), "Ace-To-King" (36) and the phases of "Forget me not"
// (38). Each grid row is one tableau pile; a card taken out leaves "000" so
// every other card keeps its place.
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/families/family.h"

namespace bw {

// The grids played by pressing: every memory kind but "Forget me not".
inline bool IsMemoryPressGoal(int goal) {
    return IsMemoryKind(goal) && goal != goal::kForgetMeNot;
}

// A code below 1 or a card whose face flag is "0".
bool IsHidden(const Game& g, CardCode card);
// Turns one grid card face up at (x, y) of row `row` (0-based), with its
// undo step, drawing and sound.
void TurnCardUp(Game& g, CardCode card, int x, int y, int row);
// One click of "Pairs" or "Concentration" on a hidden card.
bool PairClick(Game& g, CardCode card, int x, int y, int row);
// "Ace-To-King": appends the card (three digits) to the sequence record in
// Appogg1 when given, turns everything back when it breaks the run, and
// returns the run length.
int SequenceLength(Game& g, const std::string& code);
// Counts a miss and turns every face-up grid card back, 200 ms apart.
void TurnBackAll(Game& g);
// The face-up cards of the grid (during a turn-back pause, the missed ones).
std::vector<CardCode> FaceUpGridCodes(const Game& g);
bool AllGridCardsUp(const Game& g);
// The press on a grid card in goal kinds 36, 37 and 39, with the score, the
// win flag and the game end once no hidden card is left.
void MemoryPress(Game& g, CardCode card, int x, int y, int row);

// "Forget me not": deals each model card's twin to a random free twin row
// (the models' hiding and the answer rows are the core's).
void DealTwins(Game& g);

}  // namespace bw
