#include "interaction/selection.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/state.h"
#include "interaction/memory.h"

namespace bw {

namespace {

std::string& SelectionList(Game& g) {
    return g.DestPiles[0];
}
const std::string& SelectionList(const Game& g) {
    return g.DestPiles[0];
}

// Where a selectable card lies. The first foundation is the list itself and
// is never searched: its codes name cards that lie elsewhere.
struct Place {
    int kind = kNoPile;
    int index = -1;
    int slot = -1;
    std::string name;
    const std::string* pile = nullptr;
    bool Found() const { return pile != nullptr; }
    bool IsTop() const { return pile && slot == SlotCount(*pile) - 1; }
};

Place PlaceOf(Game& g, CardCode card) {
    if (card < 1) return {};
    const CardPlace p = FindCardPlace(g, card,
                                      {{kMazzoVis, 1, 1},
                                       {kMazzo, 0, 1},
                                       {kFila, 0, TableauCount(g)},
                                       {kAppogg, 0, 10},
                                       {kDest, 1, 15}});
    if (!p.Found()) return {};
    return {p.kind, p.index, p.slot, p.Name(), p.pile};
}

CardPoint PositionOf(Game& g, const Place& p) {
    return CardSlotPosition(g, p.name, p.index, p.slot);
}

void DrawFrame(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    if (!p.Found()) return;
    const CardPoint at = PositionOf(g, p);
    CardDrawing().DrawSelectionFrame(at.left, at.top, kOnBoth);
}

void EraseFrame(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    if (!p.Found()) return;
    const CardPoint at = PositionOf(g, p);
    CardDrawing().EraseSelectionFrame(card, at.left, at.top, kOnBoth);
}

// Adds the card to the list, or takes it out when it is there; true when added.
bool Toggle(Game& g, CardCode card) {
    std::string& list = SelectionList(g);
    const int slot = FindSlot(list, card);
    if (slot >= 0) {
        list.erase(static_cast<size_t>(slot) * 3, 3);
        return false;
    }
    list += FormatCode(card);
    return true;
}

void Unselect(Game& g, CardCode card) {
    std::string& list = SelectionList(g);
    const int slot = FindSlot(list, card);
    if (slot >= 0) list.erase(static_cast<size_t>(slot) * 3, 3);
}

void ClearSelection(Game& g) {
    for (CardCode c : SelectedCards(g)) EraseFrame(g, c);
    SelectionList(g).clear();
}

void EndIfFinished(Game& g) {
    if (Flag(g, flag::kFinished)) GameHooks().EndGame(g);
}

// The move engine takes the group away; no press may start another meanwhile.
void RemoveSelection(Game& g, bool toWaste, bool refill) {
    WindowControl().SwallowInput(true);
    if (toWaste) ExecuteMove(g, 0, StockOp(MoveOp::kRemoveSelection));
    if (refill) ExecuteMove(g, 0, StockOp(MoveOp::kFillFromStock));
    WindowControl().SwallowInput(false);
    EndIfFinished(g);
}

// The top card of its tableau pile, reserve cell or "Mazzo_Vis".
bool Exposed(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    return p.Found() && p.IsTop() && (p.kind == kFila || p.kind == kAppogg || p.kind == kMazzoVis);
}

// Cards lying next to each other in the tableau grid (across, down or
// diagonally): at most one card's pitch apart each way.
bool Neighbours(Game& g, CardCode a, CardCode b) {
    const Place pa = PlaceOf(g, a), pb = PlaceOf(g, b);
    if (pa.kind != kFila || pb.kind != kFila) return false;
    const CardPoint A = PositionOf(g, pa), B = PositionOf(g, pb);
    const int dx = std::abs(A.left - B.left), dy = std::abs(A.top - B.top);
    if (dx == 0 && dy == 0) return false;
    return dx <= g.CardWidth * 3 / 2 && dy <= g.CardHeight * 3 / 2;
}

// Goal kind 57: the first card of one of the first sixteen tableau piles.
bool FirstOfFirstSixteen(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    return p.kind == kFila && p.index < 16 && p.slot == 0;
}

// Goal kind 47: a face-up card of a tableau pile numbered below 22.
int LowTableauNumber(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    if (p.kind != kFila || !IsFaceUp(g, card) || p.index + 1 >= 22) return 0;
    return p.index + 1;
}

bool AllDistinct(const std::vector<int>& ranks) {
    std::vector<int> r = ranks;
    std::sort(r.begin(), r.end());
    return std::adjacent_find(r.begin(), r.end()) == r.end();
}

// Goal kind 57: the two selected cards change places, gliding 50 ms apart.
void SwapFirstCards(Game& g, CardCode a, CardCode b) {
    const Place pa = PlaceOf(g, a), pb = PlaceOf(g, b);
    if (pa.kind != kFila || pb.kind != kFila) return;
    RecordStep(g, 1);
    const CardPoint A = PositionOf(g, pa), B = PositionOf(g, pb);
    if (!ParameterIs(field::kCardsAnimate, "N")) {
        CardAnimations().FlyCard(a, A.left, A.top, B.left, B.top);
        Waits().Wait(50);
        CardAnimations().FlyCard(b, B.left, B.top, A.left, A.top);
    }
    g.FilaPiles[static_cast<size_t>(pa.index)].replace(0, 3, FormatCode(b));
    g.FilaPiles[static_cast<size_t>(pb.index)].replace(0, 3, FormatCode(a));
    SelectionList(g).clear();
    PileDrawing().RedrawPile(pa.name);
    PileDrawing().RedrawPile(pb.name);
    RecordStep(g, 0, true);
    UpdateScore(g);
    SetFlag(g, flag::kFinished, IsGameWon(g));
    EndIfFinished(g);
}

bool AnyPressGoesOn(int goal) {
    switch (goal) {
        case goal::kNeighbourPairs:
        case goal::kExposedPairsAnyButton:
        case goal::kTensTwentiesThirties:
        case goal::kSuitPairsToTarget:
        case goal::kColourPairsToTarget:
        case goal::kSuitRunToTarget:
        case goal::kTargetOrNeighbours:
        case goal::kChainRemoval:
        case goal::kSecondFoundation: return true;
        default: return false;
    }
}

int TableauIndexOf(const PileHit& hit) {
    return PileKindOf(hit.name) == kFila ? PileNumberOf(hit.name) - 1 : -1;
}

}  // namespace

std::vector<CardCode> SelectedCards(const Game& g) {
    std::vector<CardCode> cards;
    const std::string& list = SelectionList(g);
    cards.reserve(static_cast<size_t>(SlotCount(list)));
    for (int i = 0; i < SlotCount(list); ++i) cards.push_back(SlotCode(list, i));
    return cards;
}

bool IsSelected(const Game& g, CardCode card) {
    return card >= 1 && FindSlot(SelectionList(g), card) >= 0;
}

void PairSelect(Game& g, CardCode card) {
    const int goal = Rule(g, rule::kGoalKind);
    if (card < 1) return;
    if (goal == goal::kSelectAndRefill) {
        DrawFrame(g, card);
        return;
    }
    if (!Toggle(g, card)) {
        EraseFrame(g, card);
        return;
    }
    const std::vector<CardCode> selected = SelectedCards(g);
    if (selected.size() > 2) {
        Dialogs().Beep();
        Unselect(g, card);
        return;
    }
    DrawFrame(g, card);
    int sum = 0;
    for (CardCode c : selected) sum += RankOf(c);
    if ((goal == goal::kTopCardsSum14 && sum == 14) || (goal == goal::kUncoveredSum13 && sum == 13))
        RemoveSelection(g, true, false);
}

bool IsUncovered(Game& g, CardCode card) {
    const Place p = PlaceOf(g, card);
    if (p.kind != kFila) return true;
    const int rows = TableauCount(g);
    bool laterEmpty = true;
    for (int r = p.index + 1; r < rows && laterEmpty; ++r) {
        const std::string& row = g.FilaPiles[static_cast<size_t>(r)];
        for (int s = 0; s < SlotCount(row); ++s)
            if (SlotCode(row, s) != 0) laterEmpty = false;
    }
    if (laterEmpty) return true;
    if (p.index + 1 >= rows) return true;
    const std::string& next = g.FilaPiles[static_cast<size_t>(p.index) + 1];
    auto holds = [&](int s) { return s < SlotCount(next) && SlotCode(next, s) >= 1; };
    return !holds(p.slot) && !holds(p.slot + 1);
}

Verdict JudgeSelection(Game& g, int goal, const std::vector<CardCode>& sel) {
    using V = Verdict;
    const int n = static_cast<int>(sel.size());
    if (n == 0) return V::kGrow;
    const int target = Rule(g, rule::kSelectSum);
    std::vector<int> ranks;
    ranks.reserve(sel.size());
    for (CardCode c : sel) ranks.push_back(RankOf(c));
    auto count = [&](int lo, int hi) {
        return static_cast<int>(
            std::count_if(ranks.begin(), ranks.end(), [&](int r) { return r >= lo && r <= hi; }));
    };
    auto sum = [&](int lo, int hi, int cap = 99) {
        int s = 0;
        for (int r : ranks)
            if (r >= lo && r <= hi) s += std::min(r, cap);
        return s;
    };
    auto ranksIn = [&](int lo, int hi) {
        std::vector<int> r;
        for (int x : ranks)
            if (x >= lo && x <= hi) r.push_back(x);
        return r;
    };
    const CardCode a = sel[0], last = sel.back();

    switch (goal) {
        case goal::kNumbersToTarget: {
            // Number cards 1..9 to the target, or four tens, jacks, queens or kings.
            const int nums = count(1, 9), high = n - nums;
            if (nums > 0 && high > 0) return V::kRefuse;
            const std::vector<int> h = ranksIn(10, 13);
            if (!h.empty() && std::count(h.begin(), h.end(), h[0]) != high) return V::kRefuse;
            if (target == 10 && nums > 0 && n >= 3) return V::kRefuse;
            if (high == 4) return V::kComplete;
            if (nums == n && sum(1, 9) == target && (target != 10 || n == 2)) return V::kComplete;
            return V::kGrow;
        }
        case goal::kNeighbourPairs:
            if (n > 2) return V::kRefuse;
            if (n == 2) {
                if (ranks[0] != ranks[1]) return V::kRefuse;
                // Same rank but apart in the grid: never a pair, refused.
                return Neighbours(g, a, last) ? V::kComplete : V::kRefuse;
            }
            return V::kGrow;
        case goal::kExposedPairs:
        case goal::kExposedPairsAnyButton:
            if (n > 2 || !Exposed(g, last)) return V::kRefuse;
            if (n == 2) return ranks[0] == ranks[1] ? V::kComplete : V::kRefuse;
            return V::kGrow;
        case goal::kElevensAndFaces:
        case goal::kElevensAndFacesOnly: {
            // Two number cards (1..10) to 11, or a jack, a queen and a king.
            const int nums = count(1, 10), faces = n - nums;
            if (nums > 0 && faces > 0) return V::kRefuse;
            if (!AllDistinct(ranksIn(11, 13))) return V::kRefuse;
            if (n >= 3 && nums > 0) return V::kRefuse;
            if (goal == goal::kElevensAndFacesOnly && n >= 4) return V::kRefuse;
            if (nums == 2 && sum(1, 10) == 11) return V::kComplete;
            if (faces == 3) return V::kComplete;
            return V::kGrow;
        }
        case goal::kEighteensAndAces: {
            // An ace alone, or one face with three cards 2..10 making 18.
            const int faces = count(11, 13), aces = count(1, 1);
            if (n > 4 || faces >= 2 || (aces > 0 && n > 1)) return V::kRefuse;
            if (n == 4 && faces == 0) return V::kRefuse;
            // The group's shape: every card must lie open (on top of its pile).
            for (CardCode c : sel)
                if (!Exposed(g, c)) return V::kRefuse;
            if (n == 1 && aces == 1) return V::kComplete;
            if (n == 4 && faces == 1 && sum(2, 10) == 18) return V::kComplete;
            return V::kGrow;
        }
        case goal::kTensTwentiesThirties: {
            const int s = sum(1, 13, 10);
            return n >= 2 && (s == 10 || s == 20 || s == 30) ? V::kComplete : V::kGrow;
        }
        case goal::kNinesAndHighFours: {
            // Number cards 1..9 to 9 (a nine alone), or a ten, jack, queen and king.
            const int nums = count(1, 9), high = n - nums;
            if (nums > 0 && high > 0) return V::kRefuse;
            if (!AllDistinct(ranksIn(10, 13))) return V::kRefuse;
            if (n >= 3 && nums > 0) return V::kRefuse;
            if (nums == n && sum(1, 9) == 9) return V::kComplete;
            if (high == 4) return V::kComplete;
            return V::kGrow;
        }
        case goal::kRankPairs:
            if (n > 2) return V::kRefuse;
            if (n == 2) return ranks[0] == ranks[1] ? V::kComplete : V::kRefuse;
            return V::kGrow;
        case goal::kFacesMatchNumbers: {
            const int faces = sum(11, 13), nums = sum(1, 10);
            if (faces >= 14) return V::kRefuse;
            return nums == faces && nums != 0 ? V::kComplete : V::kGrow;
        }
        case goal::kChainRemoval: {
            if (n > 2) return V::kRefuse;
            if (n < 2) return V::kGrow;
            const int pa = LowTableauNumber(g, a), pb = LowTableauNumber(g, last);
            const bool ok = pa > 0 && pb > 0 && std::abs(pa - pb) == 2 && ranks[0] == ranks[1];
            return ok ? V::kComplete : V::kRefuse;
        }
        case goal::kRankSums:
            // Only first cards can change places: any other is refused at once.
            if (n > 2 || !FirstOfFirstSixteen(g, last)) return V::kRefuse;
            return n == 2 ? V::kComplete : V::kGrow;
        case goal::kTwoToTarget:
            if (n > 2) return V::kRefuse;
            return sum(1, 13) == target ? V::kComplete : V::kGrow;
        // 21: two cards of one suit summing to the target.
        case goal::kSuitPairsToTarget:
        // 22: two cards of one colour summing to the target.
        case goal::kColourPairsToTarget: {
            if (n > 2) return V::kRefuse;
            if (n < 2) return V::kGrow;
            const bool alike = goal == goal::kSuitPairsToTarget ? SuitOf(a) == SuitOf(last)
                                                                : IsRed(a) == IsRed(last);
            return alike && sum(1, 13) == target ? V::kComplete : V::kRefuse;
        }
        // 23: cards of one suit, any number, summing to the target.
        case goal::kSuitRunToTarget:
            if (SuitOf(last) != SuitOf(a) || sum(1, 13) > target) return V::kRefuse;
            return sum(1, 13) == target ? V::kComplete : V::kGrow;
        // 45: a card of the target rank alone, or two grid neighbours to the target.
        case goal::kTargetOrNeighbours:
            if (n > 2) return V::kRefuse;
            if (n == 1) return ranks[0] == target ? V::kComplete : V::kGrow;
            return sum(1, 13) == target && Neighbours(g, a, last) ? V::kComplete : V::kRefuse;
        case goal::kSecondFoundation:
        case goal::kStockOut: return V::kRefuse;
        default: return sum(1, 13) == target ? V::kComplete : V::kGrow;
    }
}

void SelectionPress(Game& g, MouseButton button, int /*shift*/, int /*x*/, int /*y*/,
                    const PileHit& hit) {
    const int goal = Rule(g, rule::kGoalKind);
    const bool left = button == MouseButton::kLeft;
    const int kind = PileKindOf(hit.name);
    const bool goesOn = (left && (kind == kFila || AnyPressGoesOn(goal))) || kind == kDest ||
                        goal == goal::kFacesMatchNumbers;
    // Goal kinds 48 and 55 select nothing.
    if (!goesOn || goal == goal::kSecondFoundation || goal == goal::kStockOut) return;

    if (left && hit.name == "Mazzo") {
        if (goal == goal::kNeighbourPairs || goal == goal::kTargetOrNeighbours) {
            ExecuteMove(g, 0, StockOp(MoveOp::kCloseUpTableau));
        } else if (goal == goal::kTensTwentiesThirties || goal == goal::kSuitPairsToTarget ||
                   goal == goal::kColourPairsToTarget || goal == goal::kSuitRunToTarget ||
                   goal == goal::kFacesMatchNumbers || goal == goal::kChainRemoval) {
            if (goal == goal::kChainRemoval) ClearSelection(g);
            ExecuteMove(g, 1, StockOp(MoveOp::kAddTableaus));
        }
        EndIfFinished(g);
        return;
    }
    if ((goal == goal::kExposedPairs || goal == goal::kExposedPairsAnyButton) &&
        hit.name == "Mazzo_Vis" && g.MazzoPiles[1].empty()) {
        ExecuteMove(g, 0, StockOp(MoveOp::kTurnStock));
        return;
    }
    if (kind == kDest && hit.card < 1) {
        if (goal == goal::kFacesMatchNumbers && !SelectionList(g).empty()) Dialogs().Beep();
        return;
    }
    const CardCode card = hit.card;
    if (card < 1 || hit.name == "Dest1" || hit.name == "Mazzo" || hit.name == "Mazzo_Waste") return;

    if (!IsFaceUp(g, card)) {
        const Place p = PlaceOf(g, card);
        const bool top = p.IsTop() && (p.kind == kFila || p.kind == kAppogg);
        if (left && (goal == goal::kRankPairs || goal == goal::kElevensAndFacesOnly) && top)
            TurnCardUp(g, card, hit.left, hit.top, TableauIndexOf(hit));
        else if (goal == goal::kChainRemoval)
            Dialogs().Beep();
        return;
    }

    if (!Toggle(g, card)) {
        EraseFrame(g, card);
        return;
    }
    switch (JudgeSelection(g, goal, SelectedCards(g))) {
        case Verdict::kRefuse:
            Dialogs().Beep();
            Unselect(g, card);
            return;
        case Verdict::kGrow: DrawFrame(g, card); return;
        case Verdict::kComplete: break;
    }
    DrawFrame(g, card);
    if (goal == goal::kRankSums) {
        const std::vector<CardCode> sel = SelectedCards(g);
        SwapFirstCards(g, sel[0], sel[1]);
        return;
    }
    RemoveSelection(g, goal != goal::kSecondFoundation,
                    g.Options.Opt(opt::kCloseAsked) != 1 && goal != goal::kNeighbourPairs &&
                        goal != goal::kChainRemoval);
}

}  // namespace bw
