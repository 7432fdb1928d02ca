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

namespace {
int RuleCount(int entry, int max) {
    int n = Rule(entry);
    return n < 0 ? 0 : n > max ? max : n;
}
}  // namespace

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

int LocateCard(CardCode c) {
    if (c < 1 || c > 108) return kLocNowhere;
    const CardPlace p =
        FindCardPlace(c, {{kMazzo, 0, 2}, {kDest, 0, 16}, {kFila, 0, 40}, {kAppogg, 0, 10}});
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
bool OfferAccepted(CardCode c, int i) {
    const std::string& pile = DestPiles[static_cast<size_t>(i)];
    const int rule = Rule(rule::kDestRule1 + i);
    const int capacity = Rule(rule::kDestMaxCards);
    if (capacity > 0 && rule != 20 && rule != 29 && CardCount(pile) >= capacity) return false;
    const CardCode top = pile.empty() ? -1 : TopCode(pile);
    PileRules offer = FoundationRules(i);
    offer.dropFlag = false;
    return CanPlace(top, c, offer);
}

bool OfferRange(CardCode c, int from, int to) {
    if (c < 1 || c > 108) return false;
    to = std::min(to, RuleCount(rule::kDests, 16) - 1);
    for (int i = std::max(from, 0); i <= to; ++i) {
        if (!OfferAccepted(c, i)) continue;
        TakeCardAnywhere(c, 1);
        AppendCard(DestPiles, i, c, "1");
        PileDrawing().RedrawPileTop(PileName(kDest, i + 1));
        return true;
    }
    return false;
}

}  // namespace

bool OfferToFoundations(CardCode c, int first) {
    return OfferRange(c, first < 0 ? 0 : first, 15);
}

bool OfferToFoundationsGrouped(CardCode c, int position) {
    if (position >= 0 && position <= 3) return OfferRange(c, 0, 3);
    if (position >= 6 && position <= 9) return OfferRange(c, 4, 7);
    return OfferRange(c, 0, 7);
}

}  // namespace bw
