
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

bool CountsFaceUp(CardCode c, int direction) {
    if (c < 1) return direction == 12;
    return FaceFlag(c) == '1';
}

// The step card `c` adds to the card lying on it, as (dx, dy).
CardPoint StepOf(int kind, int direction, CardCode c) {
    const bool up = CountsFaceUp(c, direction);
    const bool tableau = kind == kFila, dest = kind == kDest, reserve = kind == kAppogg;
    const bool down = (tableau && (direction == 1 || direction == 12)) ||
                      (dest && direction == 1) || (reserve && (direction == 1 || direction == 5));
    if (down) {
        if (reserve && direction == 5) return {0, Opt(opt::kReserveStep)};
        return {0, up ? Opt(opt::kUpStepDown) : Opt(opt::kDownStepDown)};
    }
    const bool right = (tableau && (direction == 2 || direction == 4 || direction == 6)) ||
                       ((dest || reserve) && (direction == 2 || direction == 4));
    if (right) {
        if (direction == 4) return {CardWidth + Opt(opt::kSideGap), 0};
        if (direction == 6) return {Opt(opt::kFanUpStep), 0};
        return {up ? Opt(opt::kUpStepRight) : Opt(opt::kDownStepRight), 0};
    }
    if (tableau && direction == 10)
        return {-(up ? Opt(opt::kUpStepRight) : Opt(opt::kDownStepRight)), 0};
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

int Direction8PerRow() {
    int perRow = Rule(rule::kRowCards);
    if (perRow == -1) {
        const int pitch = CardWidth + Opt(opt::kColumnGap);
        perRow = pitch > 0 ? Screen().Width() / pitch : 1;
    }
    return std::max(perRow, 1);
}

CardPoint CardPositionInPile(const std::string& name, int index, int above, bool nextSlot) {
    const Game& game = ProgramGame();
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
            at.left += k * (CardWidth + 2);
            return at;
        }
        const int perRow = Direction8PerRow();
        const int row = k / perRow;
        int col = k % perRow;
        if (row % 2 == 1) col = perRow - 1 - col;  // every second row runs right to left
        at.left += col * (CardWidth + Opt(opt::kColumnGap));
        at.top += row * (CardHeight + Opt(opt::kRowGap));
        return at;
    }

    if (g.direction == 7) {
        if (counted >= 1 && (n >= 2 || above > 0 || nextSlot)) at.top += Opt(opt::kUpStepDown);
    } else {
        for (int j = 0; j < k; ++j) {
            const CardPoint step = StepOf(g.kind, g.direction, SlotCode(pile, j));
            at.left += step.left;
            at.top += step.top;
        }
    }
    if (g.kind == kFila && g.direction == 1 && !ParameterIs(field::kPilesTT, "N"))
        at.left += JitterFor(game, index, k);
    return at;
}

int CardTopInPile(const std::string& name, int index, int above, bool nextSlot) {
    return CardPositionInPile(name, index, above, nextSlot).top;
}

int CardLeftInPile(const std::string& name, int index, int above, bool nextSlot) {
    return CardPositionInPile(name, index, above, nextSlot).left;
}

CardPoint CardSlotPosition(const std::string& name, int index, int k) {
    const std::string* pile = StockIndexOf(name) >= 0 ? PileByName(name) : nullptr;
    if (!pile) {
        const int kind = PileKindOf(name);
        if (kind == kFila || kind == kDest || kind == kAppogg) {
            PileList& list = PileListOf(kind);
            if (index >= 0 && index < static_cast<int>(list.size()))
                pile = &list[static_cast<size_t>(index)];
        }
    }
    const int n = pile ? SlotCount(*pile) : 0;
    return CardPositionInPile(name, index, n - k, true);
}

int PileBottomEdge(const std::string& name, int index) {
    return CardTopInPile(name, index, 0, false) + CardHeight;
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
bool MoveTo(int leftEntry, int topEntry, int left, int top) {
    const bool changed = Opt(leftEntry) != left || Opt(topEntry) != top;
    MainGame.SetOpt(leftEntry, left);
    MainGame.SetOpt(topEntry, top);
    return changed;
}
}  // namespace

bool RaiseStockPile(int i, bool preview) {
    if (i < 0 || i > 2) return false;
    const int baseLeft = Opt(opt::kStockBaseLeft + i), baseTop = Opt(opt::kStockBaseTop + i);
    if (!OnTable(baseLeft) || !OnTable(baseTop)) return false;
    const int d =
        StackRaiseDepth(SlotCount(MazzoPiles[static_cast<size_t>(i)]), preview, kStockRaiseCap);
    return MoveTo(56 + i, 60 + i, baseLeft - d, baseTop - d);
}

bool RaiseFoundation(int i, bool preview) {
    if (i < 0 || i > 15 || Rule(rule::kDestFamily) == 2 || Rule(rule::kDestFamily) == 7)
        return false;
    const int baseLeft = Opt(opt::kDestBaseLeft + i), baseTop = Opt(opt::kDestBaseTop + i);
    if (!OnTable(baseLeft) || !OnTable(baseTop)) return false;
    const int d =
        StackRaiseDepth(SlotCount(DestPiles[static_cast<size_t>(i)]), preview, kFoundationRaiseCap);
    return MoveTo(i, 17 + i, baseLeft - d, baseTop - d);
}

}  // namespace bw
