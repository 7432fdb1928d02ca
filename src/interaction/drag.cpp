#include "interaction/drag.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/autoplay.h"
#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/sounds.h"
#include "core/state.h"
#include "interaction/families/family_press.h"
#include "platform/clock.h"
#include "storage/preferences.h"

namespace bw {

namespace {

bool Animate() {
    return !ParameterIs(field::kCardsAnimate, "N");
}
bool Shadowed() {
    return !ParameterIs(field::kCardsShadowed, "N");
}

// An area of the window, right and bottom exclusive.
using Area = ShownArea;

Area Union(const Area& a, const Area& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void Restore(const Area& a) {
    if (!a.Empty()) CardDrawing().RestoreRect(a.left, a.top, a.right, a.bottom);
}

// The window area the held image covers at (left, top), shadow included.
Area ImageArea(Game& g, int left, int top) {
    const int s = Shadowed() ? CardShadowOffset() : 0;
    return {left, top, left + g.CardWidth + s, top + g.pointer.RunHeight + s};
}

// What of `a` lies outside `b`: at most four bands, two for a plain shift.
std::vector<Area> Uncovered(const Area& a, const Area& b) {
    const Area cut{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                   std::min(a.bottom, b.bottom)};
    if (cut.Empty()) return {a};
    std::vector<Area> strips;
    auto add = [&](const Area& s) {
        if (!s.Empty()) strips.push_back(s);
    };
    add({a.left, a.top, a.right, cut.top});
    add({a.left, cut.bottom, a.right, a.bottom});
    add({a.left, cut.top, cut.left, cut.bottom});
    add({cut.right, cut.top, a.right, cut.bottom});
    return strips;
}

// Searched as the return searches: "Mazzo_Vis", the tableau, the
// foundations, the reserve cells; the stock last.
CardPlace FindCard(Game& g, CardCode card) {
    if (card < 1) return {};
    return FindCardPlace(g, card,
                         {{kMazzoVis, 1, 1},
                          {kFila, 0, TableauCount(g)},
                          {kDest, 0, 16},
                          {kAppogg, 0, 10},
                          {kMazzo, 0, 1}});
}

bool Slotted(Game& g, int index) {
    const int d = TableauDirection(g, index);
    return d == 8 || d == 9;
}

// The whole pile as it lies: from its first card to its top card's far corner.
Area PileArea(Game& g, const std::string& name, int index) {
    const CardPoint first = CardSlotPosition(g, name, index, 0);
    const CardPoint top = CardPositionInPile(g, name, index, 0, false);
    return {std::min(first.left, top.left), std::min(first.top, top.top),
            std::max(first.left, top.left) + g.CardWidth,
            std::max(first.top, top.top) + g.CardHeight};
}

bool Overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Tableau piles drawn before pile `i` that its cards may cover: family 1 the
// nearest lower pile starting above it and sharing columns, families 2 and 6
// the nearest lower pile it overlaps.
int CoveredNeighbour(Game& g, int i) {
    const int d = TableauDirection(g, i);
    if (d != 1 && d != 2 && d != 6) return -1;
    const std::string name = PileName(kFila, i + 1);
    const Area mine = PileArea(g, name, i);
    for (int j = i - 1; j >= 0; --j) {
        if (!OnTable(g.FilaLeft[static_cast<size_t>(j)])) continue;
        const Area other = PileArea(g, PileName(kFila, j + 1), j);
        if (d == 1) {
            if (g.FilaTop[static_cast<size_t>(j)] < g.FilaTop[static_cast<size_t>(i)] &&
                std::abs(g.FilaLeft[static_cast<size_t>(j)] - g.FilaLeft[static_cast<size_t>(i)]) <
                    g.CardWidth)
                return j;
        } else if (Overlap(mine, other)) {
            return j;
        }
    }
    return -1;
}

// Redraws on the table picture what a lift or a return changed in pile `p`
// (the live lists decide whether the held cards are there).
void RedrawPlace(Game& g, const CardPlace& p, const Area& before) {
    switch (p.kind) {
        case kFila: {
            if (Rule(g, rule::kTableFamily) == 4) {
                PileDrawing().DrawAllPiles(kOnTable);
                return;
            }
            if (Slotted(g, p.index)) return;
            PileDrawing().DrawPile(p.Name(), kOnTable);
            if (const int j = CoveredNeighbour(g, p.index); j >= 0)
                PileDrawing().DrawPile(PileName(kFila, j + 1), kOnTable);
            // The cascade's small sideways shifts leave edges beside the pile.
            if (!ParameterIs(field::kPilesTT, "N")) {
                Restore({before.left - 2, before.top, before.left, before.bottom});
                Restore({before.right, before.top, before.right + 2, before.bottom});
            }
            return;
        }
        case kAppogg: {
            PileDrawing().DrawPile(p.Name(), kOnTable);
            if (Rule(g, rule::kAppoggFamily) != 3) return;
            const Area cell = PileArea(g, p.Name(), p.index);
            for (int i = 0; i < TableauCount(g); ++i) {
                if (!OnTable(g.FilaLeft[static_cast<size_t>(i)])) continue;
                const std::string name = PileName(kFila, i + 1);
                if (Overlap(cell, PileArea(g, name, i))) {
                    PileDrawing().DrawPile(name, kOnTable);
                    break;
                }
            }
            return;
        }
        default: PileDrawing().DrawPile(p.Name(), kOnTable); return;
    }
}

bool WholeCell(Game& g, const CardPlace& p) {
    return p.kind == kAppogg && Rule(g, rule::kAppoggPickUp) == -11 && p.slot == 0 &&
           SlotCount(*p.pile) > 1;
}

// Moves the image on the window: only the strips it uncovers are restored.
// The shadow lets the table show through, so the old image and shadow
// under the new shadow are restored too; only the new cards cover them.
void ShowHeldAt(Game& g, int left, int top) {
    const Area next = ImageArea(g, left, top);
    const Area cards{left, top, left + g.CardWidth, top + g.pointer.RunHeight};
    for (const Area& strip : Uncovered(g.pointer.shown, cards)) Restore(strip);
    PointerFeedback().DrawHeldImageAt(left, top);
    g.pointer.shown = next;
    g.pointer.DragRect = {left, top, left + g.CardWidth, top + g.pointer.RunHeight};
}

void Glide(Game& g, int toLeft, int toTop, bool shadow) {
    if (!Animate()) return;
    // The glide puts the table picture back behind the image as it goes.
    PointerFeedback().GlideHeldImage(g.pointer.DragRect.left, g.pointer.DragRect.top, toLeft, toTop,
                                     shadow);
    g.pointer.shown = ImageArea(g, toLeft, toTop);
    g.pointer.DragRect = {toLeft, toTop, toLeft + g.CardWidth, toTop + g.pointer.RunHeight};
}

int HeldCount(Game& g, CardCode card) {
    if (MovingStackIsSingle(g)) return 1;
    const std::string run = StackFrom(g, card, false);
    return std::max(SlotCount(run), 1);
}

bool AdjacentOnVisibleStock(Game& g, CardCode card) {
    const CardCode top = TopCode(g.MazzoPiles[1]);
    if (top < 1 || IsJoker(top) || IsJoker(card) || SuitOf(top) != SuitOf(card)) return false;
    return NextRank(RankOf(top)) == RankOf(card) || PrevRank(RankOf(top)) == RankOf(card);
}

bool SelectionInFirstFoundation(Game& g, const FamilyPress& family) {
    return Rule(g, rule::kSelectSum) != 0 || family.KeepsSelectionInFirstFoundation(g);
}

// One candidate: the rectangle test, the pile's drop test, the glide and the
// move engine.
bool TryTarget(Game& g, CardCode card, const HeldRect& held, const DropTarget& t) {
    if (!Intersects(held, TargetRect(g, t))) return false;
    const std::string name = TargetName(t);
    const FamilyPress& family = FamilyPressOf(g);
    // Until the tableau has been filled automatically only foundations take cards.
    if (Rule(g, rule::kFirstToDest) != 0 && Opt(g, opt::kFillTableaus) == 0 && t.kind != kDest)
        return false;
    bool shadow = true;
    int count = 1;
    const MoveTarget move = ToPile(static_cast<PileKind>(t.kind), t.index + 1);
    switch (t.kind) {
        case kDest:
            // Where the first foundation keeps the selected codes it takes no card.
            if (t.index == 0 && SelectionInFirstFoundation(g, family)) return false;
            if (!CanDropOn(g, name, card)) return false;
            if (Opt(g, opt::kAutoplay) == 1 || Opt(g, opt::kAutoplay) == 3) return false;
            break;
        case kFila: {
            if (!family.TakesTableauDrops(g)) return false;
            const std::optional<bool> own = family.TableauDropRule(g, t.index, card);
            if (own ? !*own : !CanDropOn(g, name, card)) return false;
            shadow = MovingStackIsSingle(g) || ParameterIs(field::kPilesTT, "N");
            count = HeldCount(g, card);
            break;
        }
        case kAppogg:
            if (!OnTable(g.Options.AppoggLeft(t.index))) return false;
            if (!CanDropOn(g, name, card)) return false;
            break;
        case kMazzoVis:
            if (g.pointer.RunHeight != g.CardHeight || Rule(g, rule::kVisTarget) != 2 ||
                g.MazzoPiles[1].empty() || !AdjacentOnVisibleStock(g, card))
                return false;
            break;
        default: return false;
    }
    if (!g.pointer.lifted) {
        BuildHeldImage(g);
        LiftCards(g, card, MovingStackIsSingle(g));
    }
    const CardPoint to = CardPositionInPile(g, name, t.index, 0, true);
    Glide(g, to.left, to.top, shadow);
    if (!ExecuteMove(g, count, move)) return false;
    if (t.kind == kFila) family.AfterTableauDrop(g);
    // The image leaves the window: the table picture shows the cards moved.
    Restore(g.pointer.shown);
    g.pointer.shown = {};
    g.pointer.lifted = false;
    if (Opt(g, opt::kCountsPlayed) < 1 && Opt(g, opt::kAutoplay) != 3)
        g.Options.SetOpt(opt::kCountsPlayed, 1);
    return true;
}

}  // namespace

void BuildHeldImage(Game& g) {
    PointerFeedback().BuildHeldImage(Opt(g, opt::kHeld), g.pointer.RunHeight);
    // Until the image is drawn the window still shows the cards in place.
    g.pointer.shown = {g.pointer.DragRect.left, g.pointer.DragRect.top, g.pointer.DragRect.right,
                       g.pointer.DragRect.bottom};
}

void LiftCards(Game& g, CardCode card, bool single) {
    CardPlace p = FindCard(g, card);
    if (!p.pile) return;
    SavePiles(g);
    const Area before = p.kind == kFila ? PileArea(g, p.Name(), p.index) : Area{};
    const bool whole = WholeCell(g, p);
    std::string& pile = *p.pile;
    const size_t at = static_cast<size_t>(p.slot) * 3;
    const int family = Rule(g, rule::kTableFamily);
    if (!single || whole) {
        // A run, or a reserve cell lifted whole.
        pile.erase(at);
    } else if (p.kind == kFila && Slotted(g, p.index)) {
        // Rows keep every card in its slot: only the picture loses it.
        const CardPoint c = CardSlotPosition(g, p.Name(), p.index, p.slot);
        CardDrawing().EraseRect(c.left, c.top, c.left + g.CardWidth, c.top + g.CardHeight,
                                kOnTable);
    } else if ((family == 4 && p.kind != kMazzo && p.kind != kMazzoVis) ||
               (family == 12 && p.kind == kFila)) {
        pile.replace(at, 3, "000");
    } else {
        pile.erase(at, 3);
    }
    RedrawPlace(g, p, before);
    if (whole) Restore(PileArea(g, p.Name(), p.index));
    RestorePiles(g);
    g.pointer.lifted = true;
}

void DrawHeldImage(Game& g, int left, int top) {
    PointerFeedback().DrawHeldImageAt(left, top);
    g.pointer.shown = Union(g.pointer.shown, ImageArea(g, left, top));
}

bool CanLeaveFoundation(Game& g, CardCode card) {
    const CardPlace p = FindCard(g, card);
    if (p.kind != kDest || TopCode(*p.pile) != card) return false;
    // Asked at the press, before the pick-up has set the held card's state.
    const int noReturn = Opt(g, opt::kHeldTop);
    const bool single = MovingStackIsSingle(g);
    g.Options.SetOpt(opt::kHeldTop, 0);
    SetMovingStackSingle(g, true);
    bool fits = false;
    for (int i = 0; i < TableauCount(g) && !fits; ++i)
        fits = CanDropOn(g, PileName(kFila, i + 1), card);
    for (int i = 0; i < RuleCount(g, rule::kReserves, 10) && !fits; ++i)
        fits = CanDropOn(g, PileName(kAppogg, i + 1), card);
    g.Options.SetOpt(opt::kHeldTop, noReturn);
    SetMovingStackSingle(g, single);
    return fits;
}

bool CardsLifted(const Game& g) {
    return g.pointer.lifted;
}

void EndHold(Game& g) {
    g.pointer.shown = {};
    g.pointer.lifted = false;
}

void PointerMove(Game& g, int x, int y) {
    if (Opt(g, opt::kAutoplay) != 0) return;
    g.pointer.MouseIdleStamp = -1;
    if (Opt(g, opt::kHeld) != 0) {
        g.Options.SetOpt(opt::kPointerMoved, 1);
        PointerFeedback().SetTableCursor(DragCursorShape());
        ShowHeldAt(g, x - g.pointer.GrabOffset.x, y - g.pointer.GrabOffset.y);
        return;
    }
    if (Opt(g, opt::kStockPressed) == 1) {
        const int i = Rule(g, rule::kStockMode) == 1 ? 0 : 1;
        const int left = g.Options.StockLeft(i), top = g.Options.StockTop(i);
        if (x < left || x > left + g.CardWidth || y < top || y > top + g.CardHeight) {
            PointerFeedback().DrawStockPressed(i == 0 ? "Mazzo" : "Mazzo_Vis", false);
            Waits().Wait(50);
            g.Options.SetOpt(opt::kStockPressed, 0);
        }
        return;
    }
    if (Flag(g, flag::kInProgress)) {
        g.pointer.MouseIdleStamp = platform::TickCount();
        if (x != Opt(g, opt::kPileSizeX) || y != Opt(g, opt::kPileSizeY))
            StatusDisplay().HidePileSizePanel();
        g.Options.SetOpt(opt::kPileSizeX, x);
        g.Options.SetOpt(opt::kPileSizeY, y);
    }
}

void PointerRelease(Game& g, MouseButton /*button*/) {
    PointerFeedback().SetTableCursor(TableCursorShape());
    if (Opt(g, opt::kStockPressed) == 1) {
        const int i = Rule(g, rule::kStockMode) == 1 ? 0 : 1;
        PointerFeedback().DrawStockPressed(i == 0 ? "Mazzo" : "Mazzo_Vis", false);
        Waits().Wait(50);
        ExecuteMove(g, TopCode(g.MazzoPiles[0]), StockOp(MoveOp::kTurnStock));
        g.Options.SetOpt(opt::kStockPressed, 0);
    }
    if (const CardCode held = Opt(g, opt::kHeld); held != 0) {
        // A release before any movement always puts the cards back. The
        // lifted image floats up and left of the place the cards cover on the
        // table: that place decides where they drop, so a card moved squarely
        // onto a pile does not also reach into its left or upper neighbour.
        const int lift = HeldLift();
        const HeldRect covered{g.pointer.DragRect.left + lift, g.pointer.DragRect.top + lift,
                               g.pointer.DragRect.right + lift, g.pointer.DragRect.bottom + lift};
        const bool dropped = Opt(g, opt::kPointerMoved) == 1 && DropHeld(g, held, covered);
        if (!dropped) ReturnHeld(g, held);
        g.Options.SetOpt(opt::kHeld, 0);
        g.Options.SetOpt(opt::kHeldTop, 0);
        EndHold(g);
        if (dropped && Flag(g, flag::kFinished)) GameHooks().EndGame(g);
    }
    EndHold(g);
    if (g.pointer.PeekCard.x != 0 || g.pointer.PeekCard.y != 0) {
        Restore({g.pointer.PeekCard.x, g.pointer.PeekCard.y, g.pointer.PeekCard.x + g.CardWidth,
                 g.pointer.PeekCard.y + g.CardHeight});
        g.pointer.PeekCard = {};
    }
    AutoplayAfterRelease(g);
}

bool Intersects(const HeldRect& h, const HeldRect& p) {
    // Right and bottom lie one pixel past a card, so the edge-inclusive tests
    // below also pass for rectangles that merely meet: the held card covers
    // nothing of such a pile (its overlap area is 0) and must not land there.
    if (h.left >= p.right || p.left >= h.right || h.top >= p.bottom || p.top >= h.bottom)
        return false;
    auto in = [&](int x, int y) {
        return p.left <= x && x <= p.right && p.top <= y && y <= p.bottom;
    };
    if (in(h.left, h.top) || in(h.right, h.bottom) || in(h.right, h.top) || in(h.left, h.bottom))
        return true;
    const bool leftIn = p.left <= h.left && h.left <= p.right;
    const bool rightIn = p.left <= h.right && h.right <= p.right;
    if (!leftIn && !rightIn) return false;
    for (int y = h.top; y <= h.bottom; y += 50)
        if (p.top <= y && y <= p.bottom) return true;
    return false;
}

int OverlapArea(const HeldRect& h, const HeldRect& p) {
    auto in = [&](int x, int y) {
        return p.left <= x && x <= p.right && p.top <= y && y <= p.bottom;
    };
    if (in(h.left, h.top)) return (p.right - h.left) * (p.bottom - h.top);
    if (in(h.right, h.bottom)) return (h.right - p.left) * (h.bottom - p.top);
    if (in(h.right, h.top)) return (p.bottom - h.top) * (h.right - p.left);
    if (in(h.left, h.bottom)) return (p.right - h.left) * (h.bottom - p.top);
    const bool leftIn = p.left <= h.left && h.left <= p.right;
    const bool rightIn = p.left <= h.right && h.right <= p.right;
    if (!leftIn && !rightIn) return 0;
    for (int y = h.top; y <= h.bottom; y += 50) {
        if (p.top <= y && y <= p.bottom)
            return leftIn ? (p.right - h.left) * (h.bottom - h.top)
                          : (h.right - p.left) * (h.bottom - h.top);
    }
    return 0;
}

std::string TargetName(const DropTarget& t) {
    if (t.kind == kMazzoVis) return "Mazzo_Vis";
    return PileName(t.kind, t.index + 1);
}

HeldRect TargetRect(Game& g, const DropTarget& t) {
    const CardPoint p = CardPositionInPile(g, TargetName(t), t.index, 0, false);
    return {p.left, p.top, p.left + g.CardWidth, p.top + g.CardHeight};
}

std::vector<DropTarget> RankTargets(Game& g, const HeldRect& held) {
    // Area, kind and index as one text: sorted as text, the largest area
    // wins and equal areas go to the higher kind, then the higher index.
    std::vector<std::string> found;
    auto consider = [&](const HeldRect& r, int kind, int index) {
        if (!OnTable(r.left) || !OnTable(r.top) || !Intersects(held, r)) return;
        const int area = std::clamp(OverlapArea(held, r), 0, 999999);
        found.push_back(FormatNumber(area, 6) + FormatNumber(kind, 3) + FormatNumber(index, 3));
    };
    for (int i = 0; i < RuleCount(g, rule::kDests, 16); ++i) {
        if (!OnTable(g.Options.DestLeft(i))) continue;
        consider(TargetRect(g, {kDest, i}), kDest, i);
    }
    if (Rule(g, rule::kTableFamily) != 8) {
        for (int i = 0; i < TableauCount(g); ++i) {
            if (!OnTable(g.FilaLeft[static_cast<size_t>(i)])) continue;
            const std::string name = PileName(kFila, i + 1);
            const int slots = SlotCount(g.FilaPiles[static_cast<size_t>(i)]);
            if (TableauDirection(g, i) == 9 && slots > 0) {
                // Every slot of a row is a place of its own, recorded for the row.
                for (int k = 0; k < slots; ++k) {
                    const CardPoint c = CardSlotPosition(g, name, i, k);
                    consider({c.left, c.top, c.left + g.CardWidth, c.top + g.CardHeight}, kFila, i);
                }
            } else {
                consider(TargetRect(g, {kFila, i}), kFila, i);
            }
        }
    }
    for (int i = 0; i < RuleCount(g, rule::kReserves, 10); ++i) {
        if (!OnTable(g.Options.AppoggLeft(i))) continue;
        consider(TargetRect(g, {kAppogg, i}), kAppogg, i);
    }
    if (Rule(g, rule::kVisMode) != 4 && OnTable(g.Options.StockLeft(1)))
        consider(TargetRect(g, {kMazzoVis, 1}), kMazzoVis, 1);

    std::sort(found.begin(), found.end());
    std::vector<DropTarget> best;
    for (auto it = found.rbegin(); it != found.rend() && best.size() < 4; ++it)
        best.push_back({std::atoi(it->substr(6, 3).c_str()), std::atoi(it->substr(9, 3).c_str())});
    return best;
}

bool DropHeld(Game& g, CardCode card, const HeldRect& held) {
    return DropHeldOn(g, card, held, RankTargets(g, held));
}

bool DropHeldOn(Game& g, CardCode card, const HeldRect& held,
                const std::vector<DropTarget>& candidates) {
    for (const DropTarget& t : candidates)
        if (TryTarget(g, card, held, t)) return true;
    return false;
}

void ReturnHeld(Game& g, CardCode card) {
    const CardPlace p = FindCard(g, card);
    if (!p.pile) {
        // Nowhere on the table (moved meanwhile): just clear the image away.
        Restore(g.pointer.shown);
        EndHold(g);
        return;
    }
    const int count = SlotCount(*p.pile);
    const bool top = p.slot == count - 1 || (p.kind == kFila && Slotted(g, p.index));
    CardPoint place = CardSlotPosition(g, p.Name(), p.index, p.slot);
    bool shadow = true;
    if (!top && !WholeCell(g, p)) shadow = ParameterIs(field::kPilesTT, "N");
    if (g.pointer.lifted)
        RedrawPlace(g, p, p.kind == kFila ? PileArea(g, p.Name(), p.index) : Area{});
    Glide(g, place.left, place.top, shadow);
    Restore(g.pointer.shown);
    // The place with its shadow and the cascade's sideways shifts.
    const Area at{place.left, place.top, place.left + g.CardWidth, place.top + g.pointer.RunHeight};
    Restore({at.left - 15, at.top - 15, at.right + 15, at.bottom + 15});
    EndHold(g);
    if (Shadowed()) PlaySwitched("card_down", field::kSoundsCardDown);
}

}  // namespace bw
