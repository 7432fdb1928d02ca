#include "core/stock_moves.h"
#include "core/families/family.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/autoplay.h"
#include "core/game.h"
#include "core/history.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/sounds.h"
#include "core/state.h"

namespace bw {

namespace {

// Parameter positions of the switches used here.

std::string& Stock(Game& g) {
    return g.MazzoPiles[0];
}
std::string& Turned(Game& g) {
    return g.MazzoPiles[1];
}

CardCode TakeTop(std::string& pile) {
    CardCode c = TopCode(pile);
    pile.erase(pile.size() - 3);
    return c;
}

bool HasCard(const std::string& pile) {
    for (int i = 0; i < SlotCount(pile); ++i)
        if (SlotCode(pile, i) >= 1) return true;
    return false;
}

void Finish(Game& g) {
    SetFlag(g, flag::kFinished, IsGameWon(g));
    SetFlag(g, flag::kStockOperation, true);
}

// ---- Turning and redealing -------------------------------------------------

bool RedealStock(Game& g) {
    g.Options.SetOpt(opt::kStockPressed, 0);
    if (!Stock(g).empty() || SlotCount(Turned(g)) < 2 || !RedealsRemain(g)) return false;
    g.Options.SetOpt(opt::kStockPasses, g.Options.Opt(opt::kStockPasses) + 1);
    RecordStep(g, 1);
    // Dealt face down unless the game deals its stock face up; the same
    // reading as the deal, so a redealt stock looks like the dealt one.
    const Face face = Rule(g, rule::kStockDown) != 0 ? Face::kDown : Face::kUp;
    const int cards = SlotCount(Turned(g));
    while (!Turned(g).empty()) AppendCard(g, g.MazzoPiles, 0, TakeTop(Turned(g)), face);
    if (GetParameter(field::kRedealAnimation) != "N") {
        PlayEventSoundLooped("Redeal", SoundSwitch(field::kSoundsRedeal));
        CardAnimations().AnimateRedeal(cards);
        StopEventSound();
    } else {
        PlayEventSound("Red_no_a", SoundSwitch(field::kSoundsQuietRedeal));
    }
    PileDrawing().RedrawPile("Mazzo_Vis");
    PileDrawing().RedrawPile("Mazzo");
    Finish(g);
    return true;
}

bool TurnStock(Game& g, bool toWaste) {
    if (Stock(g).empty()) return RedealStock(g);
    g.Options.SetOpt(opt::kStockPressed, 0);
    RecordStep(g, 1);
    const int index = toWaste ? 2 : 1;
    // A game that names no count turns one card: a press must move something.
    for (int k = std::max(1, Rule(g, rule::kTurnCards)); k > 0 && !Stock(g).empty(); --k)
        AppendCard(g, g.MazzoPiles, index, TakeTop(Stock(g)), Face::kUp);
    PileDrawing().RedrawPile("Mazzo");
    PileDrawing().RedrawPile(toWaste ? "Waste" : "Mazzo_Vis");
    PlayEventSound("Stock", SoundSwitch(field::kSoundsStock));
    Finish(g);
    return true;
}

// ---- Dealing from the stock ------------------------------------------------

bool DealFromStock(Game& g, const MoveTarget& t) {
    const MoveOp op = t.op;
    const bool fill = op == MoveOp::kFillTableaus;
    const bool reserve = op == MoveOp::kAddReserves || op == MoveOp::kAddReserve;
    const int nf = TableauCount(g);
    const int na = RuleCount(g, rule::kReserves, 10);
    std::vector<int> piles;
    if (op == MoveOp::kAddTableaus || op == MoveOp::kAddTableausLast || fill) {
        for (int i = 0; i < nf; ++i) piles.push_back(i);
    } else if (op == MoveOp::kAddReserves) {
        for (int i = 0; i < na; ++i) piles.push_back(i);
    } else if (reserve) {
        if (t.number >= 1 && t.number <= na) piles.push_back(t.number - 1);
    } else {
        if (t.number >= 1 && t.number <= nf) piles.push_back(t.number - 1);
    }
    // With reserve deal code 5 the reserves are dealt only while stock
    // passes remain (an unlimited game never runs out of them).
    if (reserve && Rule(g, rule::kAppoggStock1) == 5 && Rule(g, rule::kStockPasses) != -1 &&
        g.Options.Opt(opt::kStockPasses) >= Rule(g, rule::kStockPasses))
        return false;

    PileList& list = reserve ? g.AppoggPiles : g.FilaPiles;
    auto pile = [&](int i) -> std::string& { return list[static_cast<size_t>(i)]; };
    auto code = [&](int i) {
        if (op == MoveOp::kAddTableausLast) return 1;
        if (fill) return pile(i).empty() ? 1 : 0;
        return reserve ? Rule(g, rule::kAppoggStock1 + i) : Rule(g, rule::kFilaStock1 + i);
    };
    auto takes = [&](int i) {
        const int q = code(i);
        if (q < 1 || q > 12) return false;
        return !(q == 7 && !reserve && pile(i).empty());
    };
    // Only the first pile that takes a card decides whether anything is
    // dealt, so a press that cannot deal leaves no undo step behind.
    if (Stock(g).empty() || std::none_of(piles.begin(), piles.end(), takes)) return false;

    if (!fill) RecordStep(g, 1);
    g.Options.SetOpt(opt::kStockChanged, 1);
    SetFlag(g, flag::kStockOperation, false);
    const std::string kind = reserve ? "Appogg" : "Fila";
    for (int i : piles) {
        if (!takes(i)) continue;
        if (Stock(g).empty()) break;
        const bool down = (op == MoveOp::kAddTableaus && code(i) == 6) || (reserve && code(i) == 5);
        AppendCard(g, list, i, TakeTop(Stock(g)), down ? Face::kDown : Face::kUp);
        PileDrawing().RedrawPile(kind + std::to_string(i + 1));
        if (Rule(g, rule::kTableFamily) == 8) {
            g.FilaPiles[0] += "000";
            PileDrawing().RedrawPile("Fila1");
        }
    }
    PileDrawing().RedrawPile("Mazzo");
    PlayEventSound("Shuffle", SoundSwitch(reserve ? field::kSoundsShuffle : field::kSoundsTableau));
    g.Options.SetOpt(opt::kStockChanged, 0);
    Finish(g);
    return true;
}

// ---- Selection games -------------------------------------------------------

// Where a selected card lies, in the order TakeCardAnywhere searches; the
// first foundation is the selection itself and is passed over.
CardPlace FindOnTable(Game& g, CardCode c) {
    return FindCardPlace(g, c,
                         {{kMazzoVis, 1, 1},
                          {kFila, 0, TableauCount(g)},
                          {kDest, 1, 15},
                          {kMazzo, 0, 1},
                          {kWaste, 2, 1},
                          {kAppogg, 0, 10}});
}

// The slot of the selection to take next. Goal kind 47 follows the row: after
// a card empties its tableau pile, a selected card on top of a neighbouring
// pile goes next; otherwise the selection is taken in the order it was made.
int NextSelected(Game& g, const std::string& selection, int emptied) {
    if (Rule(g, rule::kGoalKind) != goal::kChainRemoval || emptied < 0) return 0;
    for (int n : {emptied + 1, emptied - 1}) {
        if (n < 0 || n >= TableauCount(g)) continue;
        const CardCode top = TopCode(g.FilaPiles[static_cast<size_t>(n)]);
        const int slot = top >= 1 ? FindSlot(selection, top) : -1;
        if (slot >= 0) return slot;
    }
    return 0;
}

bool RemoveSelection(Game& g) {
    std::string& selection = g.DestPiles[0];
    bool any = false;
    for (int i = 0; i < SlotCount(selection) && !any; ++i)
        any = SlotCode(selection, i) >= 1 && FindOnTable(g, SlotCode(selection, i)).Found();
    if (!any) {
        // Nothing selected is on the table any more: drop the stale selection.
        if (!selection.empty()) {
            selection.clear();
            PileDrawing().RedrawPile("Dest1");
        }
        return false;
    }
    PlayEventSound("Pairing", SoundSwitch(field::kSoundsPairing));
    RecordStep(g, 1);
    Waits().Wait(150);
    const int family = Rule(g, rule::kTableFamily);
    std::vector<std::string> sources;
    int emptied = -1;
    while (SlotCount(selection) > 0) {
        const int slot = NextSelected(g, selection, emptied);
        const CardCode c = SlotCode(selection, slot);
        selection.erase(static_cast<size_t>(slot) * 3, 3);
        emptied = -1;
        const CardPlace from = c >= 1 ? FindOnTable(g, c) : CardPlace{};
        if (!from.Found()) continue;
        if (GetParameter(field::kCardsAnimate) != "N") CardAnimations().FlyCard(c, -1, -1, "Waste");
        // Table family 4 keeps every tableau and reserve place (a hole).
        const bool hole = family == 4 && from.kind != kMazzo && from.kind != kMazzoVis;
        TakeCard(PileListOf(g, from.kind), from.index, c, hole ? 2 : 1);
        const std::string name = from.Name();
        if (family != 4) PileDrawing().RedrawPile(name);
        if (std::find(sources.begin(), sources.end(), name) == sources.end())
            sources.push_back(name);
        AppendCard(g, g.MazzoPiles, 2, c, Face::kUp);
        PileDrawing().RedrawPile("Waste");
        if (from.kind == kFila) {
            g.stockEffects.leftTableau = true;
            if (!HasCard(*from.pile)) emptied = from.index;
        }
    }
    PileDrawing().RedrawPile("Dest1");
    if (family == 4) {
        TableView().RepaintTable(false);
        TableView().ShowTable();
    } else if (family == 8) {
        // A family-8 tableau is drawn as one block: redraw each pile the
        // removed cards came from once more now that all of them are gone.
        for (const auto& name : sources) PileDrawing().RedrawPile(name);
    }
    Finish(g);
    if (Rule(g, rule::kGoalKind) == goal::kSelectAndRefill) {
        AutoplayMoves().FillAfterRemoval(g);
    }
    return true;
}

bool FillEmptyTableausFromStock(Game& g) {
    bool any = false;
    for (int i = 0; i < TableauCount(g) && !Stock(g).empty(); ++i) {
        if (!g.FilaPiles[static_cast<size_t>(i)].empty()) continue;
        AppendCard(g, g.FilaPiles, i, TakeTop(Stock(g)), Face::kUp);
        PileDrawing().RedrawPile("Fila" + std::to_string(i + 1));
        any = true;
    }
    if (!any) return false;
    PileDrawing().RedrawPile("Mazzo");
    PlayEventSound("Shuffle", SoundSwitch(field::kSoundsTableau));
    Finish(g);
    return true;
}

// Closes the gaps of the grid: every empty pile takes over the next
// non-empty pile after it, then the piles left empty are filled from the stock.
bool CloseUpTableau(Game& g) {
    const int nf = TableauCount(g);
    auto pile = [&g](int i) -> std::string& { return g.FilaPiles[static_cast<size_t>(i)]; };
    bool anyEmpty = false, gapBeforeCard = false;
    for (int i = 0; i < nf; ++i) {
        if (pile(i).empty())
            anyEmpty = true;
        else if (anyEmpty)
            gapBeforeCard = true;
    }
    if (!anyEmpty || (Stock(g).empty() && !gapBeforeCard)) return false;
    RecordStep(g, 1);
    g.DestPiles[0].clear();
    PileDrawing().RedrawPile("Dest1");
    for (int i = 0; i < nf; ++i) {
        if (!pile(i).empty()) continue;
        for (int j = i + 1; j < nf; ++j) {
            if (pile(j).empty()) continue;
            pile(i).swap(pile(j));
            g.stockEffects.leftTableau = true;
            break;
        }
    }
    for (int i = 0; i < nf && !Stock(g).empty(); ++i)
        if (pile(i).empty()) AppendCard(g, g.FilaPiles, i, TakeTop(Stock(g)), Face::kUp);
    for (int i = 0; i < nf; ++i) PileDrawing().RedrawPile("Fila" + std::to_string(i + 1));
    PileDrawing().RedrawPile("Mazzo");
    PlayEventSound("Shuffle", SoundSwitch(field::kSoundsShuffle));
    Finish(g);
    return true;
}

}  // namespace

bool RedealsRemain(Game& g) {
    const int limit = Rule(g, rule::kStockPasses);
    return limit == -1 || g.Options.Opt(opt::kStockPasses) <= limit;
}

namespace {
bool Dispatch(Game& g, const MoveTarget& t) {
    switch (t.op) {
        case MoveOp::kTurnStock: return TurnStock(g, false);
        case MoveOp::kTurnStockToWaste: return TurnStock(g, true);
        case MoveOp::kRedeal: return RedealStock(g);
        case MoveOp::kRemoveSelection: return RemoveSelection(g);
        case MoveOp::kFillFromStock: return FillEmptyTableausFromStock(g);
        case MoveOp::kCloseUpTableau: return CloseUpTableau(g);
        case MoveOp::kAddTableaus:
        case MoveOp::kAddTableausLast:
        case MoveOp::kFillTableaus:
        case MoveOp::kAddTableau:
        case MoveOp::kAddReserves:
        case MoveOp::kAddReserve: return DealFromStock(g, t);
        case MoveOp::kToPile:
        case MoveOp::kToPileByAutoplay: return false;
    }
    return false;
}
}  // namespace

bool ExecuteStockOperation(Game& g, int /*count*/, const MoveTarget& t, StockEffects* effects) {
    g.stockEffects = StockEffects{};
    const bool moved = Dispatch(g, t);
    if (effects) *effects = g.stockEffects;
    return moved;
}

}  // namespace bw
