#include "core/joker_caption.h"

#include <algorithm>

#include "core/cards.h"
#include "core/game.h"
#include "core/ports.h"
#include "core/state.h"

namespace bw {

// Game::jokerText and jokerSuit hold the caption on the screen: option 100
// alone tells only where the joker lies, and a card put on a lone joker
// changes its meaning without moving it.
namespace {
const char* SuitImage(int suit) {
    static const char* names[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    return suit >= 0 && suit < 4 ? names[suit] : "";
}
}  // namespace

JokerCaption ComputeJokerCaption(const Game& g, bool standardDpi) {
    JokerCaption cap;
    const int nd = std::clamp<int>(Rule(g.GameRules, rule::kDests), 0, 16);
    for (int f = 0; f < nd && cap.foundation < 0; ++f) {
        const std::string& pile = g.DestPiles[static_cast<size_t>(f)];
        for (int s = 0; s < SlotCount(pile); ++s) {
            if (!IsJoker(SlotCode(pile, s))) continue;
            cap.foundation = f;
            cap.position = s;
            break;
        }
    }
    if (cap.foundation < 0) return cap;

    const std::string& pile = g.DestPiles[static_cast<size_t>(cap.foundation)];
    const int n = SlotCount(pile);
    if (cap.position == 0) {
        // At the bottom it stands for one below the card above it.
        const CardCode above = n > 1 ? SlotCode(pile, 1) : 0;
        const int r = RankOf(above);
        if (r >= 1 && r <= 13) {
            cap.rank = PrevRank(r);
            cap.suit = SuitOf(above);
        }
    } else {
        // Higher up it continues the card below it in the foundation's suit;
        // a king goes on to an ace only while a full round is not complete.
        const int r = RankOf(SlotCode(pile, cap.position - 1));
        const int bottomSuit = SuitOf(SlotCode(pile, 0));
        if (r >= 1 && r <= 13 && bottomSuit >= 0 && (r < 13 || n < 14)) {
            cap.rank = NextRank(r);
            cap.suit = bottomSuit;
        }
    }
    const std::string rankText = RankText(cap.rank);
    cap.text =
        std::string(standardDpi ? "Joker" : "J") + (rankText.size() == 1 ? " = " : "=") + rankText;
    cap.suitImage = SuitImage(cap.suit);
    return cap;
}

bool RefreshJokerCaption(Game& g) {
    const int destRule = Rule(g.GameRules, rule::kDestRule1);
    if (destRule != 72 && destRule != 75) return false;
    const JokerCaption cap = ComputeJokerCaption(g, Screen().Dpi() == 96);
    if (cap.Memo() == g.Options.Opt(opt::kJokerCaption) && cap.text == g.jokerText &&
        cap.suitImage == g.jokerSuit)
        return false;
    g.Options.SetOpt(opt::kJokerCaption, cap.Memo());
    g.jokerText = cap.text;
    g.jokerSuit = cap.suitImage;
    PileDrawing().DrawJokerCaption(cap.foundation, cap.text, cap.suitImage);
    return true;
}

void ForgetJokerCaption(Game& g) {
    g.Options.SetOpt(opt::kJokerCaption, -1);
    g.jokerText.clear();
    g.jokerSuit.clear();
}

}  // namespace bw
