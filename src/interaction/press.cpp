#include "interaction/press.h"

#include <algorithm>
#include <optional>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/sounds.h"
#include "core/state.h"
#include "core/stock_moves.h"
#include "core/tr_marker.h"
#include "interaction/families/family_press.h"
#include "interaction/memory.h"

namespace bw {

namespace {

int ReserveCount(Game& g) {
    return std::clamp(Rule(g, rule::kReserves), 0, 10);
}
const std::string& Fila(Game& g, int i) {
    return g.FilaPiles[static_cast<size_t>(i)];
}
const std::string& Appogg(Game& g, int i) {
    return g.AppoggPiles[static_cast<size_t>(i)];
}

bool Contains(int left, int top, int right, int bottom, int x, int y) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

PileHit CardHit(const Game& g, const std::string& name, const CardUnderPoint& u) {
    return {name, u.card, u.left, u.top, u.left + g.CardWidth, u.top + g.CardHeight};
}

// Autoplay state other than off (0) and automatic completion (3).
bool AutoplayRunning(Game& g) {
    return Opt(g, opt::kAutoplay) != 0 && Opt(g, opt::kAutoplay) != 3;
}

// The tableau step of the hit test; false when it reports no card.
bool TableauHit(Game& g, int x, int y, PileHit& hit) {
    const int n = TableauCount(g);
    if (Rule(g, rule::kTableFamily) == 4) {
        // Side-by-side rows overlap the next pile: the pile drawn last wins.
        for (int i = n - 1; i >= 0; --i) {
            const std::string name = PileName(kFila, i + 1);
            const int left = g.FilaLeft[static_cast<size_t>(i)], top = FilaTopOnScreen(g, i);
            if (!OnTable(left) || !OnTable(top)) continue;
            const int right = CardLeftInPile(g, name, i, 0, false) + g.CardWidth;
            if (!Contains(left, top, right, top + g.CardHeight, x, y)) continue;
            const CardUnderPoint u = CardAt(g, "Fila", Fila(g, i), i, x, y);
            if (u.card >= 1) {
                hit = CardHit(g, name, u);
                return true;
            }
        }
        return false;
    }
    for (int i = 0; i < n; ++i) {
        const std::string name = PileName(kFila, i + 1);
        const int left = g.FilaLeft[static_cast<size_t>(i)], top = FilaTopOnScreen(g, i);
        if (!OnTable(left) || !OnTable(top)) continue;
        const CardPoint topCard = CardPositionInPile(g, name, i, 0, false);
        int l = left, t = top, r = left + g.CardWidth, b = top + g.CardHeight;
        switch (TableauDirection(g, i)) {
            case 2:
            case 6: r = topCard.left + g.CardWidth; break;
            case 10: l = topCard.left; break;
            case 8: l = r = x, t = b = y; break;
            case 9:
                // Up to the right edge of the last slot, not a pitch beyond it.
                r = left + std::max(SlotCount(Fila(g, i)) - 1, 0) * (g.CardWidth + 2) + g.CardWidth;
                break;
            default: b = topCard.top + g.CardHeight; break;
        }
        if (!Contains(l, t, r, b, x, y)) continue;
        // The first pile whose rectangle holds the point ends the search,
        // whether or not a card lies under it.
        const CardUnderPoint u = CardAt(g, "Fila", Fila(g, i), i, x, y);
        if (u.card < 1) return false;
        hit = CardHit(g, name, u);
        return true;
    }
    return false;
}

}  // namespace

IPressHooks& PressHooks() {
    return Installed<IPressHooks>();
}

PileHit HitTest(Game& g, int x, int y) {
    static const char* const kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int i = 0; i < 3; ++i) {
        const int left = g.Options.StockLeft(i), top = g.Options.StockTop(i);
        if (!OnTable(left) || !OnTable(top)) continue;
        if (Contains(left, top, left + g.CardWidth, top + g.CardHeight, x, y))
            return {kStockNames[i],
                    TopCode(g.MazzoPiles[static_cast<size_t>(i)]),
                    left,
                    top,
                    left + g.CardWidth,
                    top + g.CardHeight};
    }

    PileHit hit;
    if (TableauHit(g, x, y, hit)) return hit;

    // Foundations: the rectangle of the top card where the layout puts it.
    for (int n = 0; n < 16; ++n) {
        const std::string name = PileName(kDest, n + 1);
        if (!OnTable(g.Options.DestLeft(n)) || !OnTable(g.Options.DestTop(n))) continue;
        const CardPoint at = CardPositionInPile(g, name, n, 0, false);
        if (Contains(at.left, at.top, at.left + g.CardWidth, at.top + g.CardHeight, x, y))
            return {name,
                    TopCode(g.DestPiles[static_cast<size_t>(n)]),
                    at.left,
                    at.top,
                    at.left + g.CardWidth,
                    at.top + g.CardHeight};
    }

    for (int n = 0; n < ReserveCount(g); ++n) {
        const std::string name = PileName(kAppogg, n + 1);
        const int left = g.Options.AppoggLeft(n), top = g.Options.AppoggTop(n);
        if (!OnTable(left) || !OnTable(top) || Appogg(g, n).empty()) continue;
        const CardPoint topCard = CardPositionInPile(g, name, n, 0, false);
        int l = left, r = topCard.left + g.CardWidth, b = topCard.top + g.CardHeight;
        switch (Rule(g, rule::kAppoggFamily)) {
            case 1:
            case 3:
            case 5: r = left + g.CardWidth; break;
            case 2:
                l = topCard.left;
                b = top + g.CardHeight;
                break;
            default: break;
        }
        if (!Contains(l, top, r, b, x, y)) continue;
        const CardUnderPoint u = CardAt(g, "Appogg", Appogg(g, n), n, x, y);
        if (u.card < 1) continue;
        // A cell that is lifted whole is held by its anchor.
        if (Rule(g, rule::kAppoggPickUp) == -11)
            return {name, u.card, l, top, r, top + g.CardHeight};
        return CardHit(g, name, u);
    }
    return {};
}

CardUnderPoint CardAt(Game& g, const std::string& kind, const std::string& pile, int index, int x,
                      int y) {
    const int count = SlotCount(pile);
    const bool tableau = kind == "Fila";
    if (count == 0 || index < 0 || index >= (tableau ? 40 : 10)) return {};
    const std::string name = kind + std::to_string(index + 1);
    const int family = tableau ? TableauDirection(g, index) : Rule(g, rule::kAppoggFamily);
    const CardPoint anchor =
        tableau ? CardPoint{g.FilaLeft[static_cast<size_t>(index)], FilaTopOnScreen(g, index)}
                : CardPoint{g.Options.AppoggLeft(index), g.Options.AppoggTop(index)};

    switch (family) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 12: {
            // Bands from the bottom card: each card shows the strip down to
            // the next card, the top card shows whole (its bottom edge included).
            int top = anchor.top;
            for (int k = 0; k < count; ++k) {
                const Card card = CardAt(g, pile, k);
                const CardCode c = card.code;
                const bool last = k == count - 1;
                int h = Opt(g, opt::kReserveStep);
                if (family == 1 || family == 3 || (family == 12 && c >= 1))
                    h = card.FaceUp() ? Opt(g, opt::kUpStepDown) : Opt(g, opt::kDownStepDown);
                else if (family == 12)
                    h = Opt(g, opt::kUpStepDown);
                else if (family == 7)
                    h = k == 0 ? Opt(g, opt::kUpStepDown) : 0;
                const bool inBand =
                    last ? (top <= y && y <= top + g.CardHeight) : (top <= y && y < top + h);
                if (inBand) {
                    if (family == 3) return {TopCode(pile), anchor.left, anchor.top};
                    return {c, CardLeftInPile(g, name, index, count - k, true), top};
                }
                top += h;
            }
            return {};
        }
        case 8:
        case 9:
            for (int k = 0; k < count; ++k) {
                const CardCode c = SlotCode(pile, k);
                if (c < 1) continue;
                const CardPoint at = CardSlotPosition(g, name, index, k);
                if (Contains(at.left, at.top, at.left + g.CardWidth, at.top + g.CardHeight, x, y))
                    return {c, at.left, at.top};
            }
            // A hole, or beside the row: no card.
            return {};
        case 2:
        case 4:
        case 6:
        case 10: {
            int left = anchor.left;
            for (int k = 0; k < count; ++k) {
                const Card card = CardAt(g, pile, k);
                const CardCode c = card.code;
                const bool last = k == count - 1;
                const bool up = card.FaceUp();
                bool inSlot = false;
                int step = 0;
                if (family == 4) {
                    inSlot = left <= x && x <= left + g.CardWidth;
                    step = g.CardWidth + Opt(g, opt::kSideGap);
                } else if (family == 10) {
                    // Cascading left, each card shows its right-hand strip.
                    step = -(up ? Opt(g, opt::kUpStepRight) : Opt(g, opt::kDownStepRight));
                    inSlot = last ? (left <= x && x <= left + g.CardWidth)
                                  : (left + g.CardWidth + step < x && x <= left + g.CardWidth);
                } else {
                    step = family == 2
                               ? (up ? Opt(g, opt::kUpStepRight) : Opt(g, opt::kDownStepRight))
                               : (up ? Opt(g, opt::kFanUpStep) : Opt(g, opt::kFanDownStep));
                    inSlot = last ? (left <= x && x <= left + g.CardWidth)
                                  : (left <= x && x < left + step);
                }
                if (inSlot) return {c, left, anchor.top};
                left += step;
            }
            return {};
        }
        default:
            // Squared: only the top card shows.
            return {TopCode(pile), anchor.left, anchor.top};
    }
}

namespace {

CardPlace FindPileSlot(Game& g, CardCode card) {
    if (card < 1) return {};
    return FindCardPlace(
        g, card, {{kFila, 0, TableauCount(g)}, {kAppogg, 0, 10}, {kDest, 0, 16}, {kMazzo, 0, 3}});
}

bool AllHoles(const std::string& pile, int from, int to) {
    for (int k = from; k < to; ++k)
        if (SlotCode(pile, k) != 0) return false;
    return true;
}

}  // namespace

bool CanPickUp(Game& g, CardCode card, bool relaxed) {
    const CardPlace at = FindPileSlot(g, card);
    if (!at.pile) {
        g.Options.SetOpt(opt::kHeldTop, 0);
        return false;
    }
    const int count = SlotCount(*at.pile);
    const int run = count - at.slot;
    g.Options.SetOpt(opt::kHeldTop, TopCode(*at.pile));

    const int rule = Rule(g, rule::kPickUpRule);
    int empties = 0, emptyCells = 0;
    for (int i = 0; i < TableauCount(g); ++i) empties += Fila(g, i).empty() ? 1 : 0;
    for (int i = 0; i < ReserveCount(g); ++i) emptyCells += Appogg(g, i).empty() ? 1 : 0;
    int limit = 0;
    switch (rule) {
        case -1: return true;
        case -12: return RankOf(card) == 13 || run == 1;
        case -13: return run == 1 || (at.kind == kFila && at.slot == 0);
        case -15: return ReserveBlockFree(g, card);
        case -16:
            // Outside the tableau rows the rule says nothing: one card at a time.
            if (at.kind != kFila) return run == 1;
            return AllHoles(*at.pile, 0, at.slot) || AllHoles(*at.pile, at.slot + 1, count);
        case -5:
            limit = empties > 0 ? emptyCells + empties + (relaxed ? 0 : 1) : emptyCells + 1;
            break;
        case -6: limit = empties > 0 ? emptyCells + empties : emptyCells + 1; break;
        default: limit = rule < 0 ? std::max(empties, 1) : rule; break;
    }
    return run <= limit;
}

bool IsRun(Game& g, CardCode card, int index) {
    const std::optional<PileRules> fit = StackFitRules(g, index);
    if (!fit) return true;
    if (index < 0 || index >= 40) return false;
    const std::string& pile = Fila(g, index);
    const int slot = FindSlot(pile, card);
    if (slot < 0) return false;
    for (int k = slot + 1; k < SlotCount(pile); ++k) {
        if (!CanPlace(g, SlotCode(pile, k - 1), SlotCode(pile, k), *fit)) return false;
    }
    return true;
}

bool ReserveBlockFree(Game& g, CardCode card) {
    const CardPlace at = FindPileSlot(g, card);
    if (at.kind == kFila) {
        // Groups of ten piles: the left five open towards the group's start,
        // the right five towards its end.
        const int first = at.index / 10 * 10;
        if (at.index - first < 5) {
            for (int i = first; i < at.index; ++i)
                if (!Fila(g, i).empty()) return false;
        } else {
            for (int i = at.index + 1; i < first + 10 && i < 40; ++i)
                if (!Fila(g, i).empty()) return false;
        }
        return true;
    }
    if (at.kind == kAppogg) {
        const int cell = at.index + 1;
        if (cell >= 2 && cell <= 5) {
            for (int i = 0; i < at.index; ++i)
                if (!Appogg(g, i).empty()) return false;
        } else if (cell >= 6) {
            for (int i = at.index + 1; i < 10; ++i)
                if (!Appogg(g, i).empty()) return false;
        }
    }
    return true;
}

namespace {

void Peek(Game& g, CardCode card, int left, int top) {
    CardDrawing().DrawCardFace(card, left, top, kOnScreen);
    g.pointer.PeekCard = {left, top};
}

// Step 10: a card of a tableau pile was hit.
PressStep TableauPress(Game& g, const FamilyPress& family, MouseButton button, const PileHit& hit,
                       Pickup& pick) {
    const bool left = button == MouseButton::kLeft, right = button == MouseButton::kRight;
    const int tableFamily = Rule(g, rule::kTableFamily);
    const int index = PileNumberOf(hit.name) - 1;
    const CardCode card = hit.card;
    const std::string& pile = Fila(g, index);
    const bool isTop = TopCode(pile) == card;

    if (const std::optional<PressStep> own =
            family.TableauCard(g, {button, hit, index, isTop}, pick))
        return *own;
    if (tableFamily == 8 || tableFamily == 9) {
        pick.accepted = CanPickUp(g, card, false);
        return PressStep::kStep11;
    }
    if (family.LeavesTableauCard(g)) return PressStep::kStep11;
    if (tableFamily == 12) {
        pick.accepted = CanPickUp(g, card, false);
        return PressStep::kStep11;
    }
    // Piles below rule::kFixedCols x kFixedRows are not touched by the left button.
    if (left && Rule(g, rule::kFixedCols) >= 1 &&
        index + 1 < Rule(g, rule::kFixedCols) * Rule(g, rule::kFixedRows))
        return PressStep::kStep11;
    if (isTop) {
        if (left) {
            if (IsFaceDown(g, card))
                TurnCardUp(g, card, hit.left, hit.top, index);
            else
                pick.accepted = CanPickUp(g, card, false);
        }
    } else if (left) {
        if (IsRun(g, card, index) && CanPickUp(g, card, false) && IsFaceUp(g, card)) {
            pick.accepted = true;
            pick.run = true;
            const int bottom = PileBottomEdge(g, hit.name, index);
            g.pointer.RunHeight = bottom - hit.top;
            pick.rect.bottom = bottom;
        }
    } else if (right && IsFaceUp(g, card) && ParameterIs(field::kShowPartialCard, "Y")) {
        Peek(g, card, hit.left, hit.top);
    }
    return PressStep::kStep11;
}

// Merges the undo steps of a press that dealt in several moves and marks the
// step as a deal.
void MergeDealSteps(Game& g, int dealt) {
    if (dealt > 1) DropSecondNewestSteps(g, dealt - 1);
    if (dealt >= 1) MarkStep(g, 2);
}

void RaiseDealCounter(Game& g) {
    if (!AutoplayRunning(g)) ++g.pointer.DealCounter;
}

bool StockEmpty(Game& g) {
    return g.MazzoPiles[0].empty();
}

// The stock deals onto other piles than "Mazzo_Vis".
void StockDeal(Game& g, CardCode c) {
    const int n = TableauCount(g);
    const int lastMode = Rule(g, rule::kFilaStock1 - 1 + n);
    const int reserveMode = Rule(g, rule::kAppoggStock1);
    if ((Rule(g, rule::kRedealPress) >= 1 && StockEmpty(g)) || Rule(g, rule::kRedealPress) == 6) {
        ExecuteMove(g, c, StockOp(MoveOp::kRedeal));
    } else if (Rule(g, rule::kFilaStock1) == 1 || lastMode == 1) {
        const bool tableaus = ExecuteMove(g, 1, StockOp(MoveOp::kAddTableaus));
        if (reserveMode == 5 && ExecuteMove(g, 1, StockOp(MoveOp::kAddReserves)) && tableaus)
            DropNewestSteps(g, 1);
    } else if (Rule(g, rule::kFilaStock1) == 2 || lastMode == 2) {
        bool full = true;
        for (int i = 0; i < n; ++i) full = full && !Fila(g, i).empty();
        if (full)
            ExecuteMove(g, 1, StockOp(MoveOp::kAddTableaus));
        else
            Dialogs().Info(
                BW_TR_NOOP("Messages", "Fill in any gaps in the tableau before dealing."));
    } else if (reserveMode == 1 || Rule(g, rule::kAppoggStock1 - 1 + ReserveCount(g)) == 1) {
        ExecuteMove(g, 1, StockOp(MoveOp::kAddReserves));
    } else if (reserveMode == 3) {
        if (SlotCount(g.MazzoPiles[0]) != 8) {
            ExecuteMove(g, 1, StockOp(MoveOp::kAddReserves));
            ExecuteMove(g, 1, StockOp(MoveOp::kAddReserves));
        } else {
            ExecuteMove(g, 1, StockOp(MoveOp::kAddTableausLast));
        }
    } else if (reserveMode == 4 && !StockEmpty(g)) {
        RaiseDealCounter(g);
        const int k = g.pointer.DealCounter % 2 == 0 ? 2 : 1;
        int dealt = 0;
        for (int i = 1; i <= 3 && !StockEmpty(g); ++i)
            if (ExecuteMove(g, i, StockOp(MoveOp::kAddReserve, k))) ++dealt;
        MergeDealSteps(g, dealt);
    } else if (Rule(g, rule::kFilaStock1) == 8 || Rule(g, rule::kFilaStock1 + 8) == 8) {
        int dealt = 0;
        for (int e = 1; e <= n; ++e) {
            if (Rule(g, rule::kFilaStock1 - 1 + e) != 8) continue;
            for (int i = 1; i <= 4 && !StockEmpty(g); ++i)
                if (ExecuteMove(g, e + i - 1, StockOp(MoveOp::kAddTableau, e))) ++dealt;
        }
        if (dealt > 1) DropNewestSteps(g, dealt - 1);
    } else if (Rule(g, rule::kFilaStock1) == 10 && !StockEmpty(g)) {
        RaiseDealCounter(g);
        const int d = g.pointer.DealCounter + (AutoplayRunning(g) ? 2 : 1);
        int dealt = 0;
        for (int j = 0; j < 8; ++j) {
            if (ExecuteMove(g, j + 1, StockOp(MoveOp::kAddTableau, 8 * d - 15 + j))) {
                ++dealt;
                if (AutoplayRunning(g)) break;
            }
        }
        MergeDealSteps(g, dealt);
    } else if (Rule(g, rule::kFilaStock1) == 11 && !StockEmpty(g)) {
        RaiseDealCounter(g);
        int dealt = 0;
        for (int e = 1; e <= n; ++e) {
            if (ExecuteMove(g, 1, StockOp(MoveOp::kAddTableau, e))) {
                ++dealt;
                if (AutoplayRunning(g)) break;
            }
        }
        MergeDealSteps(g, dealt);
    } else if (Rule(g, rule::kWasteStyle) != 0) {
        ExecuteMove(g, c, StockOp(MoveOp::kTurnStockToWaste));
    }
}

// Stock mode 9: short tableau piles are filled up to three cards, turning
// "Mazzo_Vis" back into the stock when it runs out (while the redeal limit
// allows, as the redeal itself counts it). The whole press is one undo step:
// the step recorded first (before a deal or a redeal) keeps the table as it
// was before the press, so a redeal that comes first is taken back too.
void RefillShortPiles(Game& g, CardCode c) {
    int steps = 0;
    bool needed = false;
    for (int e = 0; e < TableauCount(g); ++e) {
        if (SlotCount(Fila(g, e)) >= 3) continue;
        needed = true;
        for (int t = 0; t < 3 && SlotCount(Fila(g, e)) < 3; ++t) {
            if (StockEmpty(g) && !g.MazzoPiles[1].empty() && RedealsRemain(g)) {
                g.Options.SetOpt(opt::kStockPressed, 1);
                if (ExecuteMove(g, c, StockOp(MoveOp::kTurnStock))) ++steps;
                g.Options.SetOpt(opt::kStockPressed, 0);
            }
            if (!StockEmpty(g) && ExecuteMove(g, 1, StockOp(MoveOp::kAddTableau, e + 1))) ++steps;
        }
    }
    if (steps >= 2) DropNewestSteps(g, steps - 1);
    if (!needed) ExecuteMove(g, c, StockOp(MoveOp::kTurnStock));
}

void StockPress(Game& g, const FamilyPress& family, const PileHit& hit) {
    const CardCode c = TopCode(g.MazzoPiles[0]);
    if (family.StockCard(g, hit, c)) return;
    if (Rule(g, rule::kStockToVis) != 1) {
        StockDeal(g, c);
    } else if (Rule(g, rule::kFilaStock1) != 9) {
        if (Rule(g, rule::kVisTurnMode) == 0 ||
            (Rule(g, rule::kVisTurnMode) == 1 && g.MazzoPiles[1].empty()))
            ExecuteMove(g, c, StockOp(MoveOp::kTurnStock));
    } else {
        RefillShortPiles(g, c);
    }
    family.AfterStockPress(g);
}

// Step 12: a left press that step 10 did not handle; false when the press
// ends here.
bool PilePress(Game& g, const FamilyPress& family, const PileHit& hit, Pickup& pick) {
    if (hit.name == "Mazzo") {
        StockPress(g, family, hit);
        return false;
    }
    if (hit.name == "Mazzo_Vis") {
        if (hit.card >= 1 && Rule(g, rule::kVisHeld) == 0) {
            if (family.VisibleStockCard(g, hit)) return false;
            pick.accepted = true;
            return true;
        }
        if (Rule(g, rule::kRedealPress) >= 1 && g.MazzoPiles[0].empty() && g.MazzoPiles[1].empty())
            ExecuteMove(g, 0, StockOp(MoveOp::kRedeal));
        return false;
    }
    const int kind = PileKindOf(hit.name);
    if (kind == kDest && hit.card >= 1) {
        const int index = PileNumberOf(hit.name) - 1;
        switch (Rule(g, rule::kDestPickUp)) {
            case 1: pick.accepted = true; break;
            case 2: pick.accepted = SlotCount(g.DestPiles[static_cast<size_t>(index)]) >= 2; break;
            case 3: pick.accepted = PressHooks().CanLeaveFoundation(g, hit.card); break;
            default: break;
        }
        return true;
    }
    if (kind == kAppogg && hit.card >= 1 && Rule(g, rule::kAppoggPickUp) != -14) {
        const std::string& cell = Appogg(g, PileNumberOf(hit.name) - 1);
        if (Rule(g, rule::kAppoggPickUp) == -15) {
            pick.accepted = ReserveBlockFree(g, hit.card);
        } else if (TopCode(cell) == hit.card) {
            pick.accepted = IsFaceUp(g, hit.card);
        } else if (Rule(g, rule::kAppoggPickUp) == -11) {
            // The whole cell, held from its anchor by its bottom card.
            pick.accepted = true;
            pick.wholeCell = true;
            pick.card = BottomCode(cell);
        }
        return true;
    }
    return false;
}

// Step 13: the accepted card (or run) is held.
void PickUp(Game& g, const FamilyPress& family, const Pickup& pick, int x, int y) {
    if (Opt(g, opt::kHeld) == 0) {
        g.Options.SetOpt(opt::kHoldX, x);
        g.Options.SetOpt(opt::kHoldY, y);
    }
    g.Options.SetOpt(opt::kHeld, pick.card);
    SetMovingStackSingle(g, !pick.run);
    g.pointer.GrabOffset = {x - pick.left, y - pick.top};
    g.pointer.DragRect = pick.rect;
    PressHooks().BuildHeldImage(g);
    PressHooks().LiftCards(g, pick.card, !pick.run);
    if (!ParameterIs(field::kCardsShadowed, "N")) {
        // Lifted up and left by the shadow, with the grab point moved along
        // so the card does not jump under the pointer.
        const int lift = HeldLift();
        PressHooks().DrawHeldImage(g, pick.left - lift, pick.top - lift);
        g.pointer.GrabOffset.x += lift;
        g.pointer.GrabOffset.y += lift;
        if (Opt(g, opt::kAutoplay) == 0) PlaySwitched("card_up", field::kSoundsCardUp);
    } else if (pick.wholeCell || !ParameterIs(field::kPilesTT, "N")) {
        PressHooks().DrawHeldImage(g, pick.left, pick.top);
    }
    family.AfterPickUp(g, pick);
}

}  // namespace

int HeldLift() {
    return ParameterIs(field::kCardsShadowed, "N") ? 0 : CardShadowOffset() - 2;
}

void PointerPress(Game& g, MouseButton button, int shift, int x, int y) {
    g.pointer.MouseIdleStamp = -1;
    StatusDisplay().HidePileSizePanel();
    if (!Flag(g, flag::kInProgress) || Opt(g, opt::kHeld) != 0) return;
    g.Options.SetOpt(opt::kPointerMoved, 0);
    if (Flag(g, flag::kDoubleClick)) {
        // The press that follows a double click: the double click acted already.
        SetFlag(g, flag::kDoubleClick, false);
        return;
    }
    GameHooks().ClockTick(g);
    g.Options.SetOpt(opt::kPressX, x);
    g.Options.SetOpt(opt::kPressY, y);
    const PileHit hit = HitTest(g, x, y);

    const bool left = button == MouseButton::kLeft, right = button == MouseButton::kRight;
    const bool ctrl = (shift & kCtrlKey) != 0;
    // The game's family, chosen once for the whole press.
    const FamilyPress& family = FamilyPressOf(g);
    if (right && !ctrl && family.TakesRightClickShortcut(g)) {
        PressHooks().RightClickShortcut(g, hit);
        return;
    }
    if (right && ctrl && hit.name.empty()) return;
    if (Rule(g, rule::kOneClick) == 1) {
        PressHooks().ClickShortcut(g, hit);
        return;
    }
    g.pointer.RunHeight = g.CardHeight;
    if (Rule(g, rule::kSelectSum) != 0) {
        PressHooks().SelectionPress(g, button, shift, x, y, hit);
        return;
    }

    Pickup pick;
    pick.card = hit.card;
    pick.left = hit.left;
    pick.top = hit.top;
    pick.rect = {hit.left, hit.top, hit.right, hit.bottom};
    const int kind = PileKindOf(hit.name);
    const bool tableauCard = hit.card >= 1 && kind == kFila;
    if (tableauCard && TableauPress(g, family, button, hit, pick) == PressStep::kEnd) return;

    if (right) {
        if (kind == kAppogg &&
            (Rule(g, rule::kAppoggFamily) == 1 || Rule(g, rule::kAppoggFamily) == 2) &&
            hit.card >= 1 && IsFaceUp(g, hit.card) && ParameterIs(field::kShowPartialCard, "Y"))
            Peek(g, hit.card, hit.left, hit.top);
        if (g.pointer.PeekCard.x == 0 && g.pointer.PeekCard.y == 0) Dialogs().Beep();
        return;
    }
    if (!tableauCard && left && !PilePress(g, family, hit, pick)) return;
    if (pick.accepted) PickUp(g, family, pick, x, y);
}

}  // namespace bw
