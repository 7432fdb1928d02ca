#pragma once
// The deal: the card order is computed from the 13 digits of the game number
// alone (no random generator), then the rule table filters the pack, seeds
// the foundations and deals the piles. The same number and rules always give
// the same table.
#include <string>
#include <string_view>
#include <vector>

#include "core/cards.h"
#include "core/state.h"

namespace bw {

struct Game;

// The pack in deal order; 0 is an unfilled place ("000").
using Pack = std::vector<CardCode>;

// The 13-digit game number text G of a stored number (padded with zeros).
std::string GameNumberDigits(const std::string& stored);

// Builds the pack from the game number at parameter position 153 and
// rule::kPackCards, kJokerCount, kJokers, kStripRanks.
Pack BuildPack(const Game& g);
Pack BuildPackFor(const Game& g, std::string_view gameNumber);

// The free-slot search: forward from i to the end (or backward to 0); then
// the first free place from the start; -1 when there is none.
int NextFreeSlot(const Pack& pack, int i, bool forward);

// Moves cards from the head of the pack onto pile `index` of `list`, face
// down (values 1001..1499 name one card by rank, 1501..1504 a joker).
void DealCards(Game& g, int n, Pack& pack, PileList& list, int index);

// Builds the pack and deals the current game; ends by computing the score.
void DealGame(Game& g);

}  // namespace bw
