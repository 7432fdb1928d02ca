
#include <algorithm>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/clock.h"

namespace bw {

namespace {

struct PileGeometry {
    int kind = kNoPile;
    int direction = 0;
    CardPoint start;
    const std::string* pile = nullptr;
};

int StockIndexOf(const std::string& name) {
    if (name == "Mazzo") return 0;
    if (name == "Mazzo_Vis") return 1;
    if (name == "Waste" || name == "Mazzo_Waste") return 2;
    return -1;
}

PileGeometry GeometryOf(const Game& game, const std::string& name, int index) {
    const OptionTable& options = game.Options;
    PileGeometry g;
    const int stock = StockIndexOf(name);
    if (stock >= 0) {
        g.kind = kMazzo;
        g.start = {options.StockLeft(stock), options.StockTop(stock)};
        g.pile = &game.MazzoPiles[static_cast<size_t>(stock)];
        return g;
    }
    g.kind = PileKindOf(name);
    const size_t i = static_cast<size_t>(index);
    switch (g.kind) {
        case kFila:
            if (index < 0 || index >= 40) break;
            g.direction = TableauDirection(game, index);
            g.start = {game.FilaLeft[i], game.FilaTop[i] - options.Opt(opt::kScroll)};
            g.pile = &game.FilaPiles[i];
            break;
        case kDest:
            if (index < 0 || index >= 16) break;
            g.direction = Rule(game, rule::kDestFamily);
            g.start = {options.DestLeft(index), options.DestTop(index)};
            g.pile = &game.DestPiles[i];
            break;
        case kAppogg:
            if (index < 0 || index >= 10) break;
            g.direction = Rule(game, rule::kAppoggFamily);
            g.start = {options.AppoggLeft(index), options.AppoggTop(index)};
            g.pile = &game.AppoggPiles[i];
            break;
        default: break;
    }
    if (!g.pile) g.kind = kNoPile;
    return g;
}

bool CountsFaceUp(Game& g, CardCode c, int direction) {
    if (c < 1) return direction == 12;
    return FaceOf(g, c) == Face::kUp;
}

// The step card `c` adds to the card lying on it, as (dx, dy).
CardPoint StepOf(Game& g, int kind, int direction, CardCode c) {
    const bool up = CountsFaceUp(g, c, direction);
    const bool tableau = kind == kFila, dest = kind == kDest, reserve = kind == kAppogg;
    const bool down = (tableau && (direction == 1 || direction == 12)) ||
                      (dest && direction == 1) || (reserve && (direction == 1 || direction == 5));
    if (down) {
        if (reserve && direction == 5) return {0, Opt(g, opt::kReserveStep)};
        return {0, up ? Opt(g, opt::kUpStepDown) : Opt(g, opt::kDownStepDown)};
    }
    const bool right = (tableau && (direction == 2 || direction == 4 || direction == 6)) ||
                       ((dest || reserve) && (direction == 2 || direction == 4));
    if (right) {
        if (direction == 4) return {g.CardWidth + Opt(g, opt::kSideGap), 0};
        if (direction == 6) return {Opt(g, opt::kFanUpStep), 0};
        return {up ? Opt(g, opt::kUpStepRight) : Opt(g, opt::kDownStepRight), 0};
    }
    if (tableau && direction == 10)
        return {-(up ? Opt(g, opt::kUpStepRight) : Opt(g, opt::kDownStepRight)), 0};
    return {0, 0};
}

}  // namespace

int TableauDirection(const Game& g, int index) {
    const int family = Rule(g, rule::kTableFamily);
    if (family != 11) return family;
    if (index < 0 || index >= 40) return 0;
    return g.TableauPileFamily[static_cast<size_t>(index)];
}

int PileDirection(const Game& g, const std::string& name, int index) {
    if (StockIndexOf(name) >= 0) return 0;
    switch (PileKindOf(name)) {
        case kFila: return TableauDirection(g, index);
        case kDest: return Rule(g, rule::kDestFamily);
        case kAppogg: return Rule(g, rule::kAppoggFamily);
        default: return 0;
    }
}

int Direction8PerRow(Game& g) {
    int perRow = Rule(g, rule::kRowCards);
    if (perRow == -1) {
        const int pitch = g.CardWidth + Opt(g, opt::kColumnGap);
        perRow = pitch > 0 ? Screen().Width() / pitch : 1;
    }
    return std::max(perRow, 1);
}

CardPoint CardPositionInPile(Game& game, const std::string& name, int index, int above,
                             bool nextSlot) {
    const PileGeometry g = GeometryOf(game, name, index);
    if (g.kind == kNoPile) return {};
    CardPoint at = g.start;
    if (!OnTable(at.left) || !OnTable(at.top)) return at;

    const std::string& pile = *g.pile;
    const int n = SlotCount(pile);
    const int counted = std::clamp(n - std::max(above, 0), 0, n);
    // The card asked for: the next slot, or the topmost counted card.
    const int k = std::max(nextSlot ? counted : counted - 1, 0);

    if (g.kind == kFila && (g.direction == 8 || g.direction == 9)) {
        if (g.direction == 9) {
            at.left += k * (game.CardWidth + 2);
            return at;
        }
        const int perRow = Direction8PerRow(game);
        const int row = k / perRow;
        int col = k % perRow;
        if (row % 2 == 1) col = perRow - 1 - col;  // every second row runs right to left
        at.left += col * (game.CardWidth + Opt(game, opt::kColumnGap));
        at.top += row * (game.CardHeight + Opt(game, opt::kRowGap));
        return at;
    }

    if (g.direction == 7) {
        if (counted >= 1 && (n >= 2 || above > 0 || nextSlot))
            at.top += Opt(game, opt::kUpStepDown);
    } else {
        for (int j = 0; j < k; ++j) {
            const CardPoint step = StepOf(game, g.kind, g.direction, SlotCode(pile, j));
            at.left += step.left;
            at.top += step.top;
        }
    }
    if (g.kind == kFila && g.direction == 1 && !ParameterIs(field::kPilesTT, "N"))
        at.left += JitterFor(game, index, k);
    return at;
}

int CardTopInPile(Game& g, const std::string& name, int index, int above, bool nextSlot) {
    return CardPositionInPile(g, name, index, above, nextSlot).top;
}

int CardLeftInPile(Game& g, const std::string& name, int index, int above, bool nextSlot) {
    return CardPositionInPile(g, name, index, above, nextSlot).left;
}

CardPoint CardSlotPosition(Game& g, const std::string& name, int index, int k) {
    const std::string* pile = StockIndexOf(name) >= 0 ? PileByName(g, name) : nullptr;
    if (!pile) {
        const int kind = PileKindOf(name);
        if (kind == kFila || kind == kDest || kind == kAppogg) {
            PileList& list = PileListOf(g, kind);
            if (index >= 0 && index < static_cast<int>(list.size()))
                pile = &list[static_cast<size_t>(index)];
        }
    }
    const int n = pile ? SlotCount(*pile) : 0;
    return CardPositionInPile(g, name, index, n - k, true);
}

int PileBottomEdge(Game& g, const std::string& name, int index) {
    return CardTopInPile(g, name, index, 0, false) + g.CardHeight;
}

int JitterFor(const Game& g, int pile, int cardIndex) {
    if (pile < 0) return 0;
    const int row = pile < 7 ? pile : pile % 6;
    int col = std::max(cardIndex, 0);
    if (col > 12) col %= 12;
    return OffsetAt(g, row + 1, col);
}

int StackRaiseDepth(int cards, bool preview, int cap) {
    int d = 0;
    if (cards == 2) {
        d = 1;
    } else if (cards > 2) {
        d = cards / (preview ? 28 : 7) + 1;
    }
    return std::min(d, cap);
}

namespace {
bool MoveTo(Game& g, int leftEntry, int topEntry, int left, int top) {
    const bool changed = Opt(g, leftEntry) != left || Opt(g, topEntry) != top;
    g.Options.SetOpt(leftEntry, left);
    g.Options.SetOpt(topEntry, top);
    return changed;
}
}  // namespace

bool RaiseStockPile(Game& g, int i, bool preview) {
    if (i < 0 || i > 2) return false;
    const int baseLeft = Opt(g, opt::kStockBaseLeft + i), baseTop = Opt(g, opt::kStockBaseTop + i);
    if (!OnTable(baseLeft) || !OnTable(baseTop)) return false;
    const int d =
        StackRaiseDepth(SlotCount(g.MazzoPiles[static_cast<size_t>(i)]), preview, kStockRaiseCap);
    return MoveTo(g, 56 + i, 60 + i, baseLeft - d, baseTop - d);
}

bool RaiseFoundation(Game& g, int i, bool preview) {
    if (i < 0 || i > 15 || Rule(g, rule::kDestFamily) == 2 || Rule(g, rule::kDestFamily) == 7)
        return false;
    const int baseLeft = Opt(g, opt::kDestBaseLeft + i), baseTop = Opt(g, opt::kDestBaseTop + i);
    if (!OnTable(baseLeft) || !OnTable(baseTop)) return false;
    const int d = StackRaiseDepth(SlotCount(g.DestPiles[static_cast<size_t>(i)]), preview,
                                  kFoundationRaiseCap);
    return MoveTo(g, i, 17 + i, baseLeft - d, baseTop - d);
}

}  // namespace bw
