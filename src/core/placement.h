#pragma once
// Whether a card (or the stack that starts with it) may be put on a pile,
// interpreted from the per-pile rule entries of GameRules. Never changes the table.
#include <optional>
#include <string>

#include "core/cards.h"

namespace bw {

struct Game;

// The rule entries of the pile a card would go on, and how the question is put.
struct PileRules {
    int emptyRule = -1;  // what an empty pile takes: a rank, -1 any card, or a code
    // A player's drop; clear for automatic offers and for a stack checked
    // card by card.
    bool dropFlag = true;
    int pileIndex = 0;
    bool corner = false;  // building may turn the corner between king and ace
    bool isFoundation = false;
    int buildRule = 0;
    int direction = 0;
    int baseRank = 0;
};

// Tableau pile `index` and foundation `index` as their rule entries read, for
// a drop.
PileRules TableauRules(Game& g, int index);
PileRules FoundationRules(Game& g, int index);
// How the cards of a stack on tableau pile `index` must fit one another
// (rule::kStackFit: 1 by the pile's own build code, 10 by code 0, 11 by code
// 1), without the drop flag; none when the game tests no fit.
std::optional<PileRules> StackFitRules(Game& g, int index);

// T: the target's top card (-1 or 0 for an empty pile); M: the moving card.
bool CanPlace(Game& g, CardCode T, CardCode M, const PileRules& rules);
bool CanDropOnTableau(Game& g, int index, CardCode M);
bool CanDropOnFoundation(Game& g, int index, CardCode M);
// By pile name: "Fila"N, "Dest"N, "Appogg"N (reserve rules included).
bool CanDropOn(Game& g, const std::string& name, CardCode M);

}  // namespace bw
