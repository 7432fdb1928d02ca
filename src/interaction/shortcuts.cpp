#include "interaction/shortcuts.h"

#include <algorithm>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/drag.h"

namespace bw {

namespace {

bool On(ParamField f) {
    return ParameterIs(f, "Y");
}

bool IsReserveTop(Game& g, CardCode card) {
    for (int i = 0; i < 10; ++i)
        if (!g.AppoggPiles[static_cast<size_t>(i)].empty() &&
            TopCode(g.AppoggPiles[static_cast<size_t>(i)]) == card)
            return true;
    return false;
}

// Whether the gesture may send the hit card, and whether it goes alone.
bool Eligible(Game& g, const PileHit& hit, bool& single) {
    const CardCode c = hit.card;
    single = true;
    if (hit.name == "Mazzo_Vis") return true;
    switch (PileKindOf(hit.name)) {
        case kDest: {
            const int n = PileNumberOf(hit.name);
            if (n < 1 || n > 16) return false;
            if (Rule(g, rule::kDestPickUp) == 1) return true;
            return Rule(g, rule::kDestPickUp) == 2 &&
                   SlotCount(g.DestPiles[static_cast<size_t>(n - 1)]) > 1;
        }
        case kFila: {
            if (Rule(g, rule::kPickUpRule) == 0) return false;
            if (IsTableauTop(g, c)) return true;
            const int family = TableauDirection(g, PileNumberOf(hit.name) - 1);
            // Rows of slots lift one card at a time, like family 12.
            if (family == 12 || family == 8 || family == 9) return CanPickUp(g, c, false);
            if (!CanPickUp(g, c, false)) return false;
            single = false;
            return true;
        }
        case kAppogg:
            return IsTableauTop(g, c) || IsReserveTop(g, c) || Rule(g, rule::kAppoggPickUp) == -11;
        default: return false;
    }
}

}  // namespace

void DoubleClickMove(Game& g) {
    if (!Flag(g, flag::kInProgress) || Opt(g, opt::kHeld) != 0) return;
    const PileHit hit = HitTest(g, Opt(g, opt::kPressX), Opt(g, opt::kPressY));
    if (hit.name == "Mazzo") {
        // The press that follows acts as a second stock press.
        SetFlag(g, flag::kDoubleClick, false);
        return;
    }
    if (!On(field::kDoubleToFoundations) && !On(field::kDoubleToTableaus)) return;
    ShortcutMove(g, true, false, hit);
}

void RightClickMove(Game& g, const PileHit& hit) {
    if (!On(field::kRightToFoundations) && !On(field::kRightToTableaus)) return;
    ShortcutMove(g, false, true, hit);
}

void ShortcutMove(Game& g, bool doubleClick, bool rightClick, const PileHit& hit) {
    if (hit.card < 1 || !IsFaceUp(g, hit.card)) return;
    bool single = true;
    const bool eligible = Eligible(g, hit, single);
    if (doubleClick) SetFlag(g, flag::kDoubleClick, true);
    if (eligible) {
        bool f = doubleClick ? On(field::kDoubleToFoundations)
                             : rightClick && On(field::kRightToFoundations);
        bool t =
            doubleClick ? On(field::kDoubleToTableaus) : rightClick && On(field::kRightToTableaus);
        if (Opt(g, opt::kAutoplay) == 1 || Opt(g, opt::kAutoplay) == 3 ||
            Rule(g, rule::kOneClick) == 1)
            f = t = true;
        if (f || t)
            SendCard(g, hit.card, hit.left, hit.top, hit.right, hit.bottom, single, f, t, true);
    }
    if (Flag(g, flag::kFinished)) GameHooks().EndGame(g);
}

bool SendCard(Game& g, CardCode card, int left, int top, int right, int bottom, bool single,
              bool toFoundations, bool toTableaus, bool reservesAllowed) {
    EndHold(g);
    const int own = TableauHolding(g, card);
    if (single) {
        g.pointer.RunHeight = g.CardHeight;
    } else {
        if (own < 0) return false;
        bottom = PileBottomEdge(g, PileName(kFila, own + 1), own);
        g.pointer.RunHeight = bottom - top;
    }
    g.Options.SetOpt(opt::kHeld, card);
    g.Options.SetOpt(opt::kHeldTop, 0);
    g.pointer.GrabOffset = {0, 0};
    g.pointer.DragRect = {left, top, right, bottom};
    g.Options.SetOpt(opt::kHoldX, 0);
    g.Options.SetOpt(opt::kHoldY, 0);
    SetMovingStackSingle(g, single);

    // Each destination alone, its own rectangle taken as the held one.
    auto send = [&](const DropTarget& t) { return DropHeldOn(g, card, TargetRect(g, t), {t}); };
    bool moved = false;
    if (toFoundations && single)
        for (int i = 0; i < RuleCount(g, rule::kDests, 16) && !moved; ++i)
            if (OnTable(g.Options.DestLeft(i))) moved = send({kDest, i});
    if (toTableaus)
        for (bool empty : {false, true})
            for (int i = 0; i < TableauCount(g) && !moved; ++i)
                if (i != own && OnTable(g.FilaLeft[static_cast<size_t>(i)]) &&
                    g.FilaPiles[static_cast<size_t>(i)].empty() == empty)
                    moved = send({kFila, i});
    if (reservesAllowed && single)
        for (int i = 0; i < RuleCount(g, rule::kReserves, 10) && !moved; ++i)
            if (OnTable(g.Options.AppoggLeft(i))) moved = send({kAppogg, i});
    if (toTableaus && !moved && OnTable(g.Options.StockLeft(1))) moved = send({kMazzoVis, 1});

    // Lifted for a pile whose move then failed: put the picture right.
    if (!moved && CardsLifted(g)) ReturnHeld(g, card);
    g.Options.SetOpt(opt::kHeld, 0);
    g.Options.SetOpt(opt::kHeldTop, 0);
    EndHold(g);
    return moved;
}

}  // namespace bw
