#pragma once
// Carrying out moves for every game: by target pile name or stock operation.
#include <string>

#include "core/cards.h"
#include "core/move_target.h"

namespace bw {

struct Game;

// --- Engine state kept between moves ---------------------------------------

// The selection of the pointer handlers (its card is option 94): one card
// exactly when its picked-up height equals one card's height. The handlers
// set it when they pick something up; it reads as single otherwise.
// Game::movingStackSingle.
bool MovingStackIsSingle(const Game& g);
void SetMovingStackSingle(Game& g, bool single);

// Game::RunningCount is the counter of the counting games (goal kind 28):
// build rule 40 reads it; a new game sets it to 0.

// Back to the state of a program that has just started.
void ResetMoveEngineState(Game& g);

// --- Card location and foundation offers -----------------------------------

// Location codes of LocateCard.
constexpr int kLocMazzo = -99;
constexpr int kLocMazzoVis = -98;
constexpr int kLocNowhere = 0;
// -1..-16 foundation 1..16, 1..40 tableau pile 1..40, -21..-30 reserve cell 1..10.
inline bool LocIsTableau(int loc) {
    return loc >= 1 && loc <= 40;
}
inline bool LocIsFoundation(int loc) {
    return loc >= -16 && loc <= -1;
}
inline bool LocIsReserve(int loc) {
    return loc >= -30 && loc <= -21;
}
inline bool LocIsStock(int loc) {
    return loc == kLocMazzo || loc == kLocMazzoVis;
}

// -99 "Mazzo", -98 "Mazzo_Vis", -1..-16 foundation, 1..40 tableau,
// -21..-30 reserve cell, 0 nowhere ("Waste" included).
int LocateCard(Game& g, CardCode c);
// Offers a card to the foundations from `first` (0-based; -1 = from the
// first); true when it was moved onto one.
bool OfferToFoundations(Game& g, CardCode c, int first);
// The deal's grouped variant: position 0-3 tries foundations 1-4, 6-9
// foundations 5-8, any other position foundations 1-8.
bool OfferToFoundationsGrouped(Game& g, CardCode c, int position);

// Carries out a move: the held card (option 94) onto a pile, or a stock
// operation; true when something moved. A pile number no card can go to
// moves nothing.
bool ExecuteMove(Game& g, int count, const MoveTarget& target);

}  // namespace bw
