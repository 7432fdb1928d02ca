#include "core/move_engine.h"

#include <algorithm>

#include "core/game.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/state.h"

namespace bw {

// ===========================================================================
// Engine state
// ===========================================================================

bool MovingStackIsSingle(const Game& g) {
    return g.movingStackSingle;
}
void SetMovingStackSingle(Game& g, bool single) {
    g.movingStackSingle = single;
}

void ResetMoveEngineState(Game& g) {
    g.RunningCount = 0;
    g.movingStackSingle = true;
}

// ===========================================================================
// Card location
// ===========================================================================

int LocateCard(Game& g, CardCode c) {
    if (c < 1 || c > 108) return kLocNowhere;
    const CardPlace p =
        FindCardPlace(g, c, {{kMazzo, 0, 2}, {kDest, 0, 16}, {kFila, 0, 40}, {kAppogg, 0, 10}});
    switch (p.kind) {
        case kMazzo: return kLocMazzo;
        case kMazzoVis: return kLocMazzoVis;
        case kDest: return -(p.index + 1);
        case kFila: return p.index + 1;
        case kAppogg: return -(21 + p.index);
        default: return kLocNowhere;
    }
}

// ===========================================================================
// Foundation offers (deal and automatic play)
// ===========================================================================

namespace {

// Whether foundation i would take c as an automatic offer. Besides the
// placement test the foundation's capacity (rule::kDestMaxCards) is kept as a drop
// keeps it, so a two-deck game never piles a second suit run on a full
// foundation while another stands empty; 0 means the game sets no capacity.
bool OfferAccepted(Game& g, CardCode c, int i) {
    const std::string& pile = g.DestPiles[static_cast<size_t>(i)];
    const int rule = Rule(g, rule::kDestRule1 + i);
    const int capacity = Rule(g, rule::kDestMaxCards);
    if (capacity > 0 && rule != 20 && rule != 29 && CardCount(pile) >= capacity) return false;
    const CardCode top = pile.empty() ? -1 : TopCode(pile);
    PileRules offer = FoundationRules(g, i);
    offer.dropFlag = false;
    return CanPlace(g, top, c, offer);
}

bool OfferRange(Game& g, CardCode c, int from, int to) {
    if (c < 1 || c > 108) return false;
    to = std::min(to, RuleCount(g, rule::kDests, 16) - 1);
    for (int i = std::max(from, 0); i <= to; ++i) {
        if (!OfferAccepted(g, c, i)) continue;
        TakeCardAnywhere(g, c, 1);
        AppendCard(g, g.DestPiles, i, c, Face::kUp);
        PileDrawing().RedrawPileTop(PileName(kDest, i + 1));
        return true;
    }
    return false;
}

}  // namespace

bool OfferToFoundations(Game& g, CardCode c, int first) {
    return OfferRange(g, c, first < 0 ? 0 : first, 15);
}

bool OfferToFoundationsGrouped(Game& g, CardCode c, int position) {
    if (position >= 0 && position <= 3) return OfferRange(g, c, 0, 3);
    if (position >= 6 && position <= 9) return OfferRange(g, c, 4, 7);
    return OfferRange(g, c, 0, 7);
}

}  // namespace bw
