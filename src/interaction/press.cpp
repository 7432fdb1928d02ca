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
#include "interaction/memory.h"

namespace bw {

namespace {

int ReserveCount() {
    return std::clamp(Rule(ProgramGame(), rule::kReserves), 0, 10);
}
const std::string& Fila(int i) {
    return ProgramGame().FilaPiles[static_cast<size_t>(i)];
}
const std::string& Appogg(int i) {
    return ProgramGame().AppoggPiles[static_cast<size_t>(i)];
}

bool Contains(int left, int top, int right, int bottom, int x, int y) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

PileHit CardHit(const std::string& name, const CardUnderPoint& u) {
    return {name, u.card, u.left, u.top, u.left + CardWidth, u.top + CardHeight};
}

// Autoplay state other than off (0) and automatic completion (3).
bool AutoplayRunning() {
    return Opt(ProgramGame(), opt::kAutoplay) != 0 && Opt(ProgramGame(), opt::kAutoplay) != 3;
}

// The tableau step of the hit test; false when it reports no card.
bool TableauHit(int x, int y, PileHit& hit) {
    const int n = TableauCount(ProgramGame());
    if (Rule(ProgramGame(), rule::kTableFamily) == 4) {
        // Side-by-side rows overlap the next pile: the pile drawn last wins.
        for (int i = n - 1; i >= 0; --i) {
            const std::string name = PileName(kFila, i + 1);
            const int left = ProgramGame().FilaLeft[static_cast<size_t>(i)],
                      top = FilaTopOnScreen(ProgramGame(), i);
            if (!OnTable(left) || !OnTable(top)) continue;
            const int right = CardLeftInPile(ProgramGame(), name, i, 0, false) + CardWidth;
            if (!Contains(left, top, right, top + CardHeight, x, y)) continue;
            const CardUnderPoint u = CardAt("Fila", Fila(i), i, x, y);
            if (u.card >= 1) {
                hit = CardHit(name, u);
                return true;
            }
        }
        return false;
    }
    for (int i = 0; i < n; ++i) {
        const std::string name = PileName(kFila, i + 1);
        const int left = ProgramGame().FilaLeft[static_cast<size_t>(i)],
                  top = FilaTopOnScreen(ProgramGame(), i);
        if (!OnTable(left) || !OnTable(top)) continue;
        const CardPoint topCard = CardPositionInPile(ProgramGame(), name, i, 0, false);
        int l = left, t = top, r = left + CardWidth, b = top + CardHeight;
        switch (TableauDirection(ProgramGame(), i)) {
            case 2:
            case 6: r = topCard.left + CardWidth; break;
            case 10: l = topCard.left; break;
            case 8: l = r = x, t = b = y; break;
            case 9:
                // Up to the right edge of the last slot, not a pitch beyond it.
                r = left + std::max(SlotCount(Fila(i)) - 1, 0) * (CardWidth + 2) + CardWidth;
                break;
            default: b = topCard.top + CardHeight; break;
        }
        if (!Contains(l, t, r, b, x, y)) continue;
        // The first pile whose rectangle holds the point ends the search,
        // whether or not a card lies under it.
        const CardUnderPoint u = CardAt("Fila", Fila(i), i, x, y);
        if (u.card < 1) return false;
        hit = CardHit(name, u);
        return true;
    }
    return false;
}

}  // namespace

IPressHooks& PressHooks() {
    return Installed<IPressHooks>();
}

PileHit HitTest(int x, int y) {
    static const char* const kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int i = 0; i < 3; ++i) {
        const int left = ProgramGame().Options.StockLeft(i),
                  top = ProgramGame().Options.StockTop(i);
        if (!OnTable(left) || !OnTable(top)) continue;
        if (Contains(left, top, left + CardWidth, top + CardHeight, x, y))
            return {kStockNames[i],
                    TopCode(ProgramGame().MazzoPiles[static_cast<size_t>(i)]),
                    left,
                    top,
                    left + CardWidth,
                    top + CardHeight};
    }

    PileHit hit;
    if (TableauHit(x, y, hit)) return hit;

    // Foundations: the rectangle of the top card where the layout puts it.
    for (int n = 0; n < 16; ++n) {
        const std::string name = PileName(kDest, n + 1);
        if (!OnTable(ProgramGame().Options.DestLeft(n)) ||
            !OnTable(ProgramGame().Options.DestTop(n)))
            continue;
        const CardPoint at = CardPositionInPile(ProgramGame(), name, n, 0, false);
        if (Contains(at.left, at.top, at.left + CardWidth, at.top + CardHeight, x, y))
            return {name,
                    TopCode(ProgramGame().DestPiles[static_cast<size_t>(n)]),
                    at.left,
                    at.top,
                    at.left + CardWidth,
                    at.top + CardHeight};
    }

    for (int n = 0; n < ReserveCount(); ++n) {
        const std::string name = PileName(kAppogg, n + 1);
        const int left = ProgramGame().Options.AppoggLeft(n),
                  top = ProgramGame().Options.AppoggTop(n);
        if (!OnTable(left) || !OnTable(top) || Appogg(n).empty()) continue;
        const CardPoint topCard = CardPositionInPile(ProgramGame(), name, n, 0, false);
        int l = left, r = topCard.left + CardWidth, b = topCard.top + CardHeight;
        switch (Rule(ProgramGame(), rule::kAppoggFamily)) {
            case 1:
            case 3:
            case 5: r = left + CardWidth; break;
            case 2:
                l = topCard.left;
                b = top + CardHeight;
                break;
            default: break;
        }
        if (!Contains(l, top, r, b, x, y)) continue;
        const CardUnderPoint u = CardAt("Appogg", Appogg(n), n, x, y);
        if (u.card < 1) continue;
        // A cell that is lifted whole is held by its anchor.
        if (Rule(ProgramGame(), rule::kAppoggPickUp) == -11)
            return {name, u.card, l, top, r, top + CardHeight};
        return CardHit(name, u);
    }
    return {};
}

CardUnderPoint CardAt(const std::string& kind, const std::string& pile, int index, int x, int y) {
    const int count = SlotCount(pile);
    const bool tableau = kind == "Fila";
    if (count == 0 || index < 0 || index >= (tableau ? 40 : 10)) return {};
    const std::string name = kind + std::to_string(index + 1);
    const int family =
        tableau ? TableauDirection(ProgramGame(), index) : Rule(ProgramGame(), rule::kAppoggFamily);
    const CardPoint anchor = tableau ? CardPoint{ProgramGame().FilaLeft[static_cast<size_t>(index)],
                                                 FilaTopOnScreen(ProgramGame(), index)}
                                     : CardPoint{ProgramGame().Options.AppoggLeft(index),
                                                 ProgramGame().Options.AppoggTop(index)};

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
                const CardCode c = SlotCode(pile, k);
                const bool last = k == count - 1;
                int h = Opt(ProgramGame(), opt::kReserveStep);
                if (family == 1 || family == 3 || (family == 12 && c >= 1))
                    h = IsFaceUp(ProgramGame(), c) ? Opt(ProgramGame(), opt::kUpStepDown)
                                                   : Opt(ProgramGame(), opt::kDownStepDown);
                else if (family == 12)
                    h = Opt(ProgramGame(), opt::kUpStepDown);
                else if (family == 7)
                    h = k == 0 ? Opt(ProgramGame(), opt::kUpStepDown) : 0;
                const bool inBand =
                    last ? (top <= y && y <= top + CardHeight) : (top <= y && y < top + h);
                if (inBand) {
                    if (family == 3) return {TopCode(pile), anchor.left, anchor.top};
                    return {c, CardLeftInPile(ProgramGame(), name, index, count - k, true), top};
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
                const CardPoint at = CardSlotPosition(ProgramGame(), name, index, k);
                if (Contains(at.left, at.top, at.left + CardWidth, at.top + CardHeight, x, y))
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
                const CardCode c = SlotCode(pile, k);
                const bool last = k == count - 1;
                const bool up = IsFaceUp(ProgramGame(), c);
                bool inSlot = false;
                int step = 0;
                if (family == 4) {
                    inSlot = left <= x && x <= left + CardWidth;
                    step = CardWidth + Opt(ProgramGame(), opt::kSideGap);
                } else if (family == 10) {
                    // Cascading left, each card shows its right-hand strip.
                    step = -(up ? Opt(ProgramGame(), opt::kUpStepRight)
                                : Opt(ProgramGame(), opt::kDownStepRight));
                    inSlot = last ? (left <= x && x <= left + CardWidth)
                                  : (left + CardWidth + step < x && x <= left + CardWidth);
                } else {
                    step = family == 2 ? (up ? Opt(ProgramGame(), opt::kUpStepRight)
                                             : Opt(ProgramGame(), opt::kDownStepRight))
                                       : (up ? Opt(ProgramGame(), opt::kFanUpStep)
                                             : Opt(ProgramGame(), opt::kFanDownStep));
                    inSlot = last ? (left <= x && x <= left + CardWidth)
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

CardPlace FindPileSlot(CardCode card) {
    if (card < 1) return {};
    return FindCardPlace(ProgramGame(), card,
                         {{kFila, 0, TableauCount(ProgramGame())},
                          {kAppogg, 0, 10},
                          {kDest, 0, 16},
                          {kMazzo, 0, 3}});
}

bool AllHoles(const std::string& pile, int from, int to) {
    for (int k = from; k < to; ++k)
        if (SlotCode(pile, k) != 0) return false;
    return true;
}

}  // namespace

bool CanPickUp(CardCode card, bool relaxed) {
    const CardPlace at = FindPileSlot(card);
    if (!at.pile) {
        ProgramGame().Options.SetOpt(opt::kHeldTop, 0);
        return false;
    }
    const int count = SlotCount(*at.pile);
    const int run = count - at.slot;
    ProgramGame().Options.SetOpt(opt::kHeldTop, TopCode(*at.pile));

    const int rule = Rule(ProgramGame(), rule::kPickUpRule);
    int empties = 0, emptyCells = 0;
    for (int i = 0; i < TableauCount(ProgramGame()); ++i) empties += Fila(i).empty() ? 1 : 0;
    for (int i = 0; i < ReserveCount(); ++i) emptyCells += Appogg(i).empty() ? 1 : 0;
    int limit = 0;
    switch (rule) {
        case -1: return true;
        case -12: return RankOf(card) == 13 || run == 1;
        case -13: return run == 1 || (at.kind == kFila && at.slot == 0);
        case -15: return ReserveBlockFree(card);
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

bool IsRun(CardCode card, int index) {
    const std::optional<PileRules> fit = StackFitRules(ProgramGame(), index);
    if (!fit) return true;
    if (index < 0 || index >= 40) return false;
    const std::string& pile = Fila(index);
    const int slot = FindSlot(pile, card);
    if (slot < 0) return false;
    for (int k = slot + 1; k < SlotCount(pile); ++k) {
        if (!CanPlace(ProgramGame(), SlotCode(pile, k - 1), SlotCode(pile, k), *fit)) return false;
    }
    return true;
}

bool ReserveBlockFree(CardCode card) {
    const CardPlace at = FindPileSlot(card);
    if (at.kind == kFila) {
        // Groups of ten piles: the left five open towards the group's start,
        // the right five towards its end.
        const int first = at.index / 10 * 10;
        if (at.index - first < 5) {
            for (int i = first; i < at.index; ++i)
                if (!Fila(i).empty()) return false;
        } else {
            for (int i = at.index + 1; i < first + 10 && i < 40; ++i)
                if (!Fila(i).empty()) return false;
        }
        return true;
    }
    if (at.kind == kAppogg) {
        const int cell = at.index + 1;
        if (cell >= 2 && cell <= 5) {
            for (int i = 0; i < at.index; ++i)
                if (!Appogg(i).empty()) return false;
        } else if (cell >= 6) {
            for (int i = at.index + 1; i < 10; ++i)
                if (!Appogg(i).empty()) return false;
        }
    }
    return true;
}

namespace {

struct Pickup {
    bool accepted = false;
    bool run = false;        // a run lifted from inside a tableau pile
    bool wholeCell = false;  // a reserve cell of rule -11
    CardCode card = 0;
    int left = 0, top = 0;
    HeldRect rect;
};

enum class Next { kEnd, kStep11 };

void Peek(CardCode card, int left, int top) {
    CardDrawing().DrawCardFace(card, left, top, kOnScreen);
    ProgramGame().pointer.PeekCard = {left, top};
}

// Goal kinds 2 and 15 play tableau cards onto the "Waste", one rank up or down.
bool WasteAccepts(CardCode card, int goal) {
    const CardCode top = TopCode(ProgramGame().MazzoPiles[2]);
    const int a = RankOf(card), b = RankOf(top);
    if (goal != goal::kOntoWasteTurning && top >= 1 && ((a == 13 && b == 1) || (a == 1 && b == 13)))
        return false;
    return CanPlace(ProgramGame(), top >= 1 ? top : -1, card,
                    {.dropFlag = false,
                     .corner = goal == goal::kOntoWasteTurning,
                     .buildRule = 2,
                     .direction = 2,
                     .baseRank = Rule(ProgramGame(), rule::kBaseRank1)});
}

// Step 10: a card of a tableau pile was hit.
Next TableauPress(MouseButton button, const PileHit& hit, Pickup& pick) {
    const bool left = button == MouseButton::kLeft, right = button == MouseButton::kRight;
    const int goal = Rule(ProgramGame(), rule::kGoalKind),
              family = Rule(ProgramGame(), rule::kTableFamily);
    const int index = PileNumberOf(hit.name) - 1;
    const CardCode card = hit.card;
    const std::string& pile = Fila(index);
    const bool isTop = TopCode(pile) == card;

    if (left && (goal == goal::kOntoWaste || goal == goal::kOntoWasteTurning)) {
        if (isTop && WasteAccepts(card, goal)) {
            pick.accepted = true;
            return Next::kStep11;
        }
        if (Opt(ProgramGame(), opt::kAutoplay) == 0) Dialogs().Beep();
        return Next::kEnd;
    }
    if (goal == goal::kEddy) return Next::kStep11;
    if (left && (goal == goal::kTopCardsSum14 || goal == goal::kUncoveredSum13)) {
        if (goal == goal::kTopCardsSum14 ? isTop : PressHooks().IsUncovered(card))
            PressHooks().PairSelect(card);
        return Next::kEnd;
    }
    if (goal == goal::kSelectAndRefill) {
        PressHooks().PairSelect(card);
        return Next::kEnd;
    }
    if (right && (goal == goal::kNoTableauDrops || goal == goal::kNoTableauDropsScoreless))
        return Next::kStep11;
    if (IsMemoryPressGoal(goal)) {
        MemoryPress(card, hit.left, hit.top, index);
        return Next::kEnd;
    }
    if (goal == goal::kFaceDownPlayable || goal == goal::kPickUpAny || goal == goal::kPickUpAnyToo)
        return Next::kStep11;
    if (family == 8 || family == 9) {
        pick.accepted = CanPickUp(card, false);
        return Next::kStep11;
    }
    if (goal == goal::kNextRankUp) return Next::kStep11;
    if (family == 12) {
        pick.accepted = CanPickUp(card, false);
        return Next::kStep11;
    }
    // Piles below rule::kFixedCols x kFixedRows are not touched by the left button.
    if (left && Rule(ProgramGame(), rule::kFixedCols) >= 1 &&
        index + 1 < Rule(ProgramGame(), rule::kFixedCols) * Rule(ProgramGame(), rule::kFixedRows))
        return Next::kStep11;
    if (isTop) {
        if (left) {
            if (IsFaceDown(ProgramGame(), card))
                TurnCardUp(card, hit.left, hit.top, index);
            else
                pick.accepted = CanPickUp(card, false);
        }
    } else if (left) {
        if (IsRun(card, index) && CanPickUp(card, false) && IsFaceUp(ProgramGame(), card)) {
            pick.accepted = true;
            pick.run = true;
            const int bottom = PileBottomEdge(ProgramGame(), hit.name, index);
            ProgramGame().pointer.RunHeight = bottom - hit.top;
            pick.rect.bottom = bottom;
        }
    } else if (right && IsFaceUp(ProgramGame(), card) &&
               ParameterIs(field::kShowPartialCard, "Y")) {
        Peek(card, hit.left, hit.top);
    }
    return Next::kStep11;
}

std::string TwoDigits(int n) {
    return FormatNumber(n, 2);
}

// Merges the undo steps of a press that dealt in several moves and marks the
// step as a deal.
void MergeDealSteps(int dealt) {
    if (dealt > 1) DropSecondNewestSteps(ProgramGame(), dealt - 1);
    if (dealt >= 1) MarkStep(ProgramGame(), 2);
}

void RaiseDealCounter() {
    if (!AutoplayRunning()) ++ProgramGame().pointer.DealCounter;
}

bool StockEmpty() {
    return ProgramGame().MazzoPiles[0].empty();
}

// The stock deals onto other piles than "Mazzo_Vis".
void StockDeal(CardCode c) {
    const int n = TableauCount(ProgramGame());
    const int lastMode = Rule(ProgramGame(), rule::kFilaStock1 - 1 + n);
    const int reserveMode = Rule(ProgramGame(), rule::kAppoggStock1);
    if ((Rule(ProgramGame(), rule::kRedealPress) >= 1 && StockEmpty()) ||
        Rule(ProgramGame(), rule::kRedealPress) == 6) {
        ExecuteMove(ProgramGame(), c, "Mazzo_Redeal");
    } else if (Rule(ProgramGame(), rule::kFilaStock1) == 1 || lastMode == 1) {
        const bool tableaus = ExecuteMove(ProgramGame(), 1, "Add_Tableaus");
        if (reserveMode == 5 && ExecuteMove(ProgramGame(), 1, "Add_Reserves") && tableaus)
            DropNewestSteps(ProgramGame(), 1);
    } else if (Rule(ProgramGame(), rule::kFilaStock1) == 2 || lastMode == 2) {
        bool full = true;
        for (int i = 0; i < n; ++i) full = full && !Fila(i).empty();
        if (full)
            ExecuteMove(ProgramGame(), 1, "Add_Tableaus");
        else
            Dialogs().Info(
                BW_TR_NOOP("Messages", "Fill in any gaps in the tableau before dealing."));
    } else if (reserveMode == 1 ||
               Rule(ProgramGame(), rule::kAppoggStock1 - 1 + ReserveCount()) == 1) {
        ExecuteMove(ProgramGame(), 1, "Add_Reserves");
    } else if (reserveMode == 3) {
        if (SlotCount(ProgramGame().MazzoPiles[0]) != 8) {
            ExecuteMove(ProgramGame(), 1, "Add_Reserves");
            ExecuteMove(ProgramGame(), 1, "Add_Reserves");
        } else {
            ExecuteMove(ProgramGame(), 1, "Add_Tableaus_Last");
        }
    } else if (reserveMode == 4 && !StockEmpty()) {
        RaiseDealCounter();
        const int k = ProgramGame().pointer.DealCounter % 2 == 0 ? 2 : 1;
        int dealt = 0;
        for (int i = 1; i <= 3 && !StockEmpty(); ++i)
            if (ExecuteMove(ProgramGame(), i, "Add_Reserve_" + std::to_string(k))) ++dealt;
        MergeDealSteps(dealt);
    } else if (Rule(ProgramGame(), rule::kFilaStock1) == 8 ||
               Rule(ProgramGame(), rule::kFilaStock1 + 8) == 8) {
        int dealt = 0;
        for (int e = 1; e <= n; ++e) {
            if (Rule(ProgramGame(), rule::kFilaStock1 - 1 + e) != 8) continue;
            for (int i = 1; i <= 4 && !StockEmpty(); ++i)
                if (ExecuteMove(ProgramGame(), e + i - 1, "Add_Tableau_" + TwoDigits(e))) ++dealt;
        }
        if (dealt > 1) DropNewestSteps(ProgramGame(), dealt - 1);
    } else if (Rule(ProgramGame(), rule::kFilaStock1) == 10 && !StockEmpty()) {
        RaiseDealCounter();
        const int d = ProgramGame().pointer.DealCounter + (AutoplayRunning() ? 2 : 1);
        int dealt = 0;
        for (int j = 0; j < 8; ++j) {
            if (ExecuteMove(ProgramGame(), j + 1, "Add_Tableau_" + TwoDigits(8 * d - 15 + j))) {
                ++dealt;
                if (AutoplayRunning()) break;
            }
        }
        MergeDealSteps(dealt);
    } else if (Rule(ProgramGame(), rule::kFilaStock1) == 11 && !StockEmpty()) {
        RaiseDealCounter();
        int dealt = 0;
        for (int e = 1; e <= n; ++e) {
            if (ExecuteMove(ProgramGame(), 1, "Add_Tableau_" + TwoDigits(e))) {
                ++dealt;
                if (AutoplayRunning()) break;
            }
        }
        MergeDealSteps(dealt);
    } else if (Rule(ProgramGame(), rule::kWasteStyle) != 0) {
        ExecuteMove(ProgramGame(), c, "Mazzo_Waste");
    }
}

// Stock mode 9: short tableau piles are filled up to three cards, turning
// "Mazzo_Vis" back into the stock when it runs out (while the redeal limit
// allows, as the redeal itself counts it). The whole press is one undo step:
// the step recorded first (before a deal or a redeal) keeps the table as it
// was before the press, so a redeal that comes first is taken back too.
void RefillShortPiles(CardCode c) {
    int steps = 0;
    bool needed = false;
    for (int e = 0; e < TableauCount(ProgramGame()); ++e) {
        if (SlotCount(Fila(e)) >= 3) continue;
        needed = true;
        for (int t = 0; t < 3 && SlotCount(Fila(e)) < 3; ++t) {
            if (StockEmpty() && !ProgramGame().MazzoPiles[1].empty() &&
                RedealsRemain(ProgramGame())) {
                ProgramGame().Options.SetOpt(opt::kStockPressed, 1);
                if (ExecuteMove(ProgramGame(), c, "Mazzo_Vis")) ++steps;
                ProgramGame().Options.SetOpt(opt::kStockPressed, 0);
            }
            if (!StockEmpty() && ExecuteMove(ProgramGame(), 1, "Add_Tableau_" + TwoDigits(e + 1)))
                ++steps;
        }
    }
    if (steps >= 2) DropNewestSteps(ProgramGame(), steps - 1);
    if (!needed) ExecuteMove(ProgramGame(), c, "Mazzo_Vis");
}

void StockPress(const PileHit& hit) {
    const CardCode c = TopCode(ProgramGame().MazzoPiles[0]);
    const int goal = Rule(ProgramGame(), rule::kGoalKind);
    if (goal == goal::kUncoveredSum13 && c >= 1 && !ProgramGame().DestPiles[0].empty()) {
        PressHooks().PairSelect(hit.card);
        return;
    }
    if (Rule(ProgramGame(), rule::kStockToVis) != 1) {
        StockDeal(c);
    } else if (Rule(ProgramGame(), rule::kFilaStock1) != 9) {
        if (Rule(ProgramGame(), rule::kVisTurnMode) == 0 ||
            (Rule(ProgramGame(), rule::kVisTurnMode) == 1 && ProgramGame().MazzoPiles[1].empty()))
            ExecuteMove(ProgramGame(), c, "Mazzo_Vis");
    } else {
        RefillShortPiles(c);
    }
    if ((goal == goal::kOntoWaste || goal == goal::kOntoWasteTurning) &&
        Flag(ProgramGame(), flag::kFinished))
        GameHooks().EndGame(ProgramGame());
}

// Step 12: a left press that step 10 did not handle; false when the press
// ends here.
bool PilePress(const PileHit& hit, Pickup& pick) {
    const int goal = Rule(ProgramGame(), rule::kGoalKind);
    if (hit.name == "Mazzo") {
        StockPress(hit);
        return false;
    }
    if (hit.name == "Mazzo_Vis") {
        if (hit.card >= 1 && Rule(ProgramGame(), rule::kVisHeld) == 0) {
            if (goal == goal::kUncoveredSum13) {
                PressHooks().PairSelect(hit.card);
                return false;
            }
            const CardCode base = TopCode(ProgramGame().DestPiles[0]);
            if (goal == goal::kNextRankUp && base >= 1 &&
                RankOf(hit.card) == NextRank(RankOf(base))) {
                CardAnimations().FlyCard(hit.card, hit.left, hit.top,
                                         ProgramGame().Options.DestLeft(0),
                                         ProgramGame().Options.DestTop(0));
                ProgramGame().Options.SetOpt(opt::kHeld, hit.card);
                ExecuteMove(ProgramGame(), 1, "Dest01");
                ProgramGame().Options.SetOpt(opt::kHeld, 0);
                if (Flag(ProgramGame(), flag::kFinished)) GameHooks().EndGame(ProgramGame());
                return false;
            }
            pick.accepted = true;
            return true;
        }
        if (Rule(ProgramGame(), rule::kRedealPress) >= 1 && ProgramGame().MazzoPiles[0].empty() &&
            ProgramGame().MazzoPiles[1].empty())
            ExecuteMove(ProgramGame(), 0, "Mazzo_Redeal");
        return false;
    }
    const int kind = PileKindOf(hit.name);
    if (kind == kDest && hit.card >= 1) {
        const int index = PileNumberOf(hit.name) - 1;
        switch (Rule(ProgramGame(), rule::kDestPickUp)) {
            case 1: pick.accepted = true; break;
            case 2:
                pick.accepted = SlotCount(ProgramGame().DestPiles[static_cast<size_t>(index)]) >= 2;
                break;
            case 3: pick.accepted = PressHooks().CanLeaveFoundation(hit.card); break;
            default: break;
        }
        return true;
    }
    if (kind == kAppogg && hit.card >= 1 && Rule(ProgramGame(), rule::kAppoggPickUp) != -14) {
        const std::string& cell = Appogg(PileNumberOf(hit.name) - 1);
        if (Rule(ProgramGame(), rule::kAppoggPickUp) == -15) {
            pick.accepted = ReserveBlockFree(hit.card);
        } else if (TopCode(cell) == hit.card) {
            pick.accepted = IsFaceUp(ProgramGame(), hit.card);
        } else if (Rule(ProgramGame(), rule::kAppoggPickUp) == -11) {
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
void PickUp(const Pickup& pick, int x, int y) {
    if (Opt(ProgramGame(), opt::kHeld) == 0) {
        ProgramGame().Options.SetOpt(opt::kHoldX, x);
        ProgramGame().Options.SetOpt(opt::kHoldY, y);
    }
    ProgramGame().Options.SetOpt(opt::kHeld, pick.card);
    SetMovingStackSingle(ProgramGame(), !pick.run);
    ProgramGame().pointer.GrabOffset = {x - pick.left, y - pick.top};
    ProgramGame().pointer.DragRect = pick.rect;
    PressHooks().BuildHeldImage();
    PressHooks().LiftCards(pick.card, !pick.run);
    if (!ParameterIs(field::kCardsShadowed, "N")) {
        // Lifted up and left by the shadow, with the grab point moved along
        // so the card does not jump under the pointer.
        const int lift = HeldLift();
        PressHooks().DrawHeldImage(pick.left - lift, pick.top - lift);
        ProgramGame().pointer.GrabOffset.x += lift;
        ProgramGame().pointer.GrabOffset.y += lift;
        if (Opt(ProgramGame(), opt::kAutoplay) == 0) PlaySwitched("card_up", field::kSoundsCardUp);
    } else if (pick.wholeCell || !ParameterIs(field::kPilesTT, "N")) {
        PressHooks().DrawHeldImage(pick.left, pick.top);
    }
    const int goal = Rule(ProgramGame(), rule::kGoalKind);
    if (goal == goal::kOntoWaste || goal == goal::kEddy || goal == goal::kOntoWasteTurning) {
        CardAnimations().FlyCard(
            pick.card, ProgramGame().pointer.DragRect.left, ProgramGame().pointer.DragRect.top,
            ProgramGame().Options.StockLeft(2), ProgramGame().Options.StockTop(2));
        // The flight empties the hand (option 94); the move needs the card.
        ProgramGame().Options.SetOpt(opt::kHeld, pick.card);
        ExecuteMove(ProgramGame(), 1, "Waste");
        ProgramGame().Options.SetOpt(opt::kHeld, 0);
        ProgramGame().Options.SetOpt(opt::kHeldTop, 0);
        if (Flag(ProgramGame(), flag::kFinished)) GameHooks().EndGame(ProgramGame());
    }
}

}  // namespace

int HeldLift() {
    return ParameterIs(field::kCardsShadowed, "N") ? 0 : CardShadowOffset() - 2;
}

void PointerPress(MouseButton button, int shift, int x, int y) {
    ProgramGame().pointer.MouseIdleStamp = -1;
    StatusDisplay().HidePileSizePanel();
    if (!Flag(ProgramGame(), flag::kInProgress) || Opt(ProgramGame(), opt::kHeld) != 0) return;
    ProgramGame().Options.SetOpt(opt::kPointerMoved, 0);
    if (Flag(ProgramGame(), flag::kDoubleClick)) {
        // The press that follows a double click: the double click acted already.
        SetFlag(ProgramGame(), flag::kDoubleClick, false);
        return;
    }
    GameHooks().ClockTick(ProgramGame());
    ProgramGame().Options.SetOpt(opt::kPressX, x);
    ProgramGame().Options.SetOpt(opt::kPressY, y);
    const PileHit hit = HitTest(x, y);

    const bool left = button == MouseButton::kLeft, right = button == MouseButton::kRight;
    const bool ctrl = (shift & kCtrlKey) != 0;
    const int goal = Rule(ProgramGame(), rule::kGoalKind);
    if (right && !ctrl && goal != goal::kNoTableauDrops && goal != goal::kNoTableauDropsScoreless &&
        goal != goal::kSelectAndRefill) {
        PressHooks().RightClickShortcut(hit);
        return;
    }
    if (right && ctrl && hit.name.empty()) return;
    if (Rule(ProgramGame(), rule::kOneClick) == 1) {
        PressHooks().ClickShortcut(hit);
        return;
    }
    ProgramGame().pointer.RunHeight = CardHeight;
    if (Rule(ProgramGame(), rule::kSelectSum) != 0) {
        PressHooks().SelectionPress(button, shift, x, y, hit);
        return;
    }

    Pickup pick;
    pick.card = hit.card;
    pick.left = hit.left;
    pick.top = hit.top;
    pick.rect = {hit.left, hit.top, hit.right, hit.bottom};
    const int kind = PileKindOf(hit.name);
    const bool tableauCard = hit.card >= 1 && kind == kFila;
    if (tableauCard && TableauPress(button, hit, pick) == Next::kEnd) return;

    if (right) {
        if (kind == kAppogg &&
            (Rule(ProgramGame(), rule::kAppoggFamily) == 1 ||
             Rule(ProgramGame(), rule::kAppoggFamily) == 2) &&
            hit.card >= 1 && IsFaceUp(ProgramGame(), hit.card) &&
            ParameterIs(field::kShowPartialCard, "Y"))
            Peek(hit.card, hit.left, hit.top);
        if (ProgramGame().pointer.PeekCard.x == 0 && ProgramGame().pointer.PeekCard.y == 0)
            Dialogs().Beep();
        return;
    }
    if (!tableauCard && left && !PilePress(hit, pick)) return;
    if (pick.accepted) PickUp(pick, x, y);
}

}  // namespace bw
