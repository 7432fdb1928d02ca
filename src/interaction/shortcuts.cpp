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

int TableauOf(CardCode card) {
    for (int i = 0; i < TableauCount(ProgramGame()); ++i)
        if (FindSlot(ProgramGame().FilaPiles[static_cast<size_t>(i)], card) >= 0) return i;
    return -1;
}

bool IsReserveTop(CardCode card) {
    for (int i = 0; i < 10; ++i)
        if (!ProgramGame().AppoggPiles[static_cast<size_t>(i)].empty() &&
            TopCode(ProgramGame().AppoggPiles[static_cast<size_t>(i)]) == card)
            return true;
    return false;
}

// Whether the gesture may send the hit card, and whether it goes alone.
bool Eligible(const PileHit& hit, bool& single) {
    const CardCode c = hit.card;
    single = true;
    if (hit.name == "Mazzo_Vis") return true;
    switch (PileKindOf(hit.name)) {
        case kDest: {
            const int n = PileNumberOf(hit.name);
            if (n < 1 || n > 16) return false;
            if (Rule(ProgramGame(), rule::kDestPickUp) == 1) return true;
            return Rule(ProgramGame(), rule::kDestPickUp) == 2 &&
                   SlotCount(ProgramGame().DestPiles[static_cast<size_t>(n - 1)]) > 1;
        }
        case kFila: {
            if (Rule(ProgramGame(), rule::kPickUpRule) == 0) return false;
            if (IsTableauTop(ProgramGame(), c)) return true;
            const int family = TableauDirection(ProgramGame(), PileNumberOf(hit.name) - 1);
            // Rows of slots lift one card at a time, like family 12.
            if (family == 12 || family == 8 || family == 9) return CanPickUp(c, false);
            if (!CanPickUp(c, false)) return false;
            single = false;
            return true;
        }
        case kAppogg:
            return IsTableauTop(ProgramGame(), c) || IsReserveTop(c) ||
                   Rule(ProgramGame(), rule::kAppoggPickUp) == -11;
        default: return false;
    }
}

}  // namespace

void DoubleClickMove() {
    if (!Flag(ProgramGame(), flag::kInProgress) || Opt(ProgramGame(), opt::kHeld) != 0) return;
    const PileHit hit = HitTest(Opt(ProgramGame(), opt::kPressX), Opt(ProgramGame(), opt::kPressY));
    if (hit.name == "Mazzo") {
        // The press that follows acts as a second stock press.
        SetFlag(ProgramGame(), flag::kDoubleClick, false);
        return;
    }
    if (!On(field::kDoubleToFoundations) && !On(field::kDoubleToTableaus)) return;
    ShortcutMove(true, false, hit);
}

void RightClickMove(const PileHit& hit) {
    if (!On(field::kRightToFoundations) && !On(field::kRightToTableaus)) return;
    ShortcutMove(false, true, hit);
}

void ShortcutMove(bool doubleClick, bool rightClick, const PileHit& hit) {
    if (hit.card < 1 || !IsFaceUp(ProgramGame(), hit.card)) return;
    bool single = true;
    const bool eligible = Eligible(hit, single);
    if (doubleClick) SetFlag(ProgramGame(), flag::kDoubleClick, true);
    if (eligible) {
        bool f = doubleClick ? On(field::kDoubleToFoundations)
                             : rightClick && On(field::kRightToFoundations);
        bool t =
            doubleClick ? On(field::kDoubleToTableaus) : rightClick && On(field::kRightToTableaus);
        if (Opt(ProgramGame(), opt::kAutoplay) == 1 || Opt(ProgramGame(), opt::kAutoplay) == 3 ||
            Rule(ProgramGame(), rule::kOneClick) == 1)
            f = t = true;
        if (f || t)
            SendCard(hit.card, hit.left, hit.top, hit.right, hit.bottom, single, f, t, true);
    }
    if (Flag(ProgramGame(), flag::kFinished)) GameHooks().EndGame(ProgramGame());
}

bool SendCard(CardCode card, int left, int top, int right, int bottom, bool single,
              bool toFoundations, bool toTableaus, bool reservesAllowed) {
    EndHold();
    const int own = TableauOf(card);
    if (single) {
        ProgramGame().pointer.RunHeight = CardHeight;
    } else {
        if (own < 0) return false;
        bottom = PileBottomEdge(ProgramGame(), PileName(kFila, own + 1), own);
        ProgramGame().pointer.RunHeight = bottom - top;
    }
    ProgramGame().Options.SetOpt(opt::kHeld, card);
    ProgramGame().Options.SetOpt(opt::kHeldTop, 0);
    ProgramGame().pointer.GrabOffset = {0, 0};
    ProgramGame().pointer.DragRect = {left, top, right, bottom};
    ProgramGame().Options.SetOpt(opt::kHoldX, 0);
    ProgramGame().Options.SetOpt(opt::kHoldY, 0);
    SetMovingStackSingle(ProgramGame(), single);

    // Each destination alone, its own rectangle taken as the held one.
    auto send = [&](const DropTarget& t) { return DropHeldOn(card, TargetRect(t), {t}); };
    bool moved = false;
    if (toFoundations && single)
        for (int i = 0; i < RuleCount(ProgramGame(), rule::kDests, 16) && !moved; ++i)
            if (OnTable(ProgramGame().Options.DestLeft(i))) moved = send({kDest, i});
    if (toTableaus)
        for (bool empty : {false, true})
            for (int i = 0; i < TableauCount(ProgramGame()) && !moved; ++i)
                if (i != own && OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)]) &&
                    ProgramGame().FilaPiles[static_cast<size_t>(i)].empty() == empty)
                    moved = send({kFila, i});
    if (reservesAllowed && single)
        for (int i = 0; i < RuleCount(ProgramGame(), rule::kReserves, 10) && !moved; ++i)
            if (OnTable(ProgramGame().Options.AppoggLeft(i))) moved = send({kAppogg, i});
    if (toTableaus && !moved && OnTable(ProgramGame().Options.StockLeft(1)))
        moved = send({kMazzoVis, 1});

    // Lifted for a pile whose move then failed: put the picture right.
    if (!moved && CardsLifted()) ReturnHeld(card);
    ProgramGame().Options.SetOpt(opt::kHeld, 0);
    ProgramGame().Options.SetOpt(opt::kHeldTop, 0);
    EndHold();
    return moved;
}

}  // namespace bw
