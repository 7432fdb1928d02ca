#pragma once
// The selection games: each press selects or deselects a card, and when the
// selected cards make a complete group under the game's rule (goal kind,
// rule::kGoalKind; target sum rule::kSelectSum) the move engine removes them.
// The selected codes are kept, three digits each, in the first foundation.
#include <vector>

#include "core/cards.h"
#include "interaction/press.h"

namespace bw {

// The selected cards in selection order.
std::vector<CardCode> SelectedCards(const Game& g);
bool IsSelected(const Game& g, CardCode card);

// Goal kinds 3, 4 and 33: pairs summing to 14 (3) or 13 (4; a king alone).
void PairSelect(Game& g, CardCode card);
// Goal kind 4: no card of the next row lies on the card.
bool IsUncovered(Game& g, CardCode card);

enum class Verdict { kGrow, kRefuse, kComplete };
// What the game's rule makes of the selection (the newest card last).
Verdict JudgeSelection(Game& g, int goal, const std::vector<CardCode>& selection);

// The press of a selection game (rule::kSelectSum != 0).
void SelectionPress(Game& g, MouseButton button, int shift, int x, int y, const PileHit& hit);

}  // namespace bw
