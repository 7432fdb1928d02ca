#include "interaction/shortcuts.h"

#include <algorithm>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/drag.h"

namespace bw {

namespace {

int R(int i) {
    return (i >= 0 && i < 489) ? GameRules[static_cast<size_t>(i)] : 0;
}
int Opt(int i) {
    return MainGame.Opt(i);
}
int Count(int entry, int max) {
    return std::clamp(R(entry), 0, max);
}

constexpr int kRightToFoundations = 247;
constexpr int kRightToTableaus = 248;
constexpr int kDoubleToFoundations = 249;
constexpr int kDoubleToTableaus = 251;

bool On(int position) {
    return ParameterIs(position, "Y");
}

int TableauOf(CardCode card) {
    for (int i = 0; i < Count(368, 40); ++i)
        if (FindSlot(FilaPiles[static_cast<size_t>(i)], card) >= 0) return i;
    return -1;
}

bool IsReserveTop(CardCode card) {
    for (int i = 0; i < 10; ++i)
        if (!AppoggPiles[static_cast<size_t>(i)].empty() &&
            TopCode(AppoggPiles[static_cast<size_t>(i)]) == card)
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
            if (R(18) == 1) return true;
            return R(18) == 2 && SlotCount(DestPiles[static_cast<size_t>(n - 1)]) > 1;
        }
        case kFila: {
            if (R(13) == 0) return false;
            if (IsTableauTop(c)) return true;
            const int family = TableauDirection(PileNumberOf(hit.name) - 1);
            // Rows of slots lift one card at a time, like family 12.
            if (family == 12 || family == 8 || family == 9) return CanPickUp(c, false);
            if (!CanPickUp(c, false)) return false;
            single = false;
            return true;
        }
        case kAppogg: return IsTableauTop(c) || IsReserveTop(c) || R(14) == -11;
        default: return false;
    }
}

}  // namespace

void DoubleClickMove() {
    if (!Flag(flag::kInProgress) || Opt(94) != 0) return;
    const PileHit hit = HitTest(Opt(85), Opt(86));
    if (hit.name == "Mazzo") {
        // The press that follows acts as a second stock press.
        SetFlag(flag::kDoubleClick, false);
        return;
    }
    if (!On(kDoubleToFoundations) && !On(kDoubleToTableaus)) return;
    ShortcutMove(true, false, hit);
}

void RightClickMove(const PileHit& hit) {
    if (!On(kRightToFoundations) && !On(kRightToTableaus)) return;
    ShortcutMove(false, true, hit);
}

void ShortcutMove(bool doubleClick, bool rightClick, const PileHit& hit) {
    if (hit.card < 1 || !IsFaceUp(hit.card)) return;
    bool single = true;
    const bool eligible = Eligible(hit, single);
    if (doubleClick) SetFlag(flag::kDoubleClick, true);
    if (eligible) {
        bool f = doubleClick ? On(kDoubleToFoundations) : rightClick && On(kRightToFoundations);
        bool t = doubleClick ? On(kDoubleToTableaus) : rightClick && On(kRightToTableaus);
        if (Opt(110) == 1 || Opt(110) == 3 || R(37) == 1) f = t = true;
        if (f || t)
            SendCard(hit.card, hit.left, hit.top, hit.right, hit.bottom, single, f, t, true);
    }
    if (Flag(flag::kFinished)) GameHooks().EndGame();
}

bool SendCard(CardCode card, int left, int top, int right, int bottom, bool single,
              bool toFoundations, bool toTableaus, bool reservesAllowed) {
    EndHold();
    const int own = TableauOf(card);
    if (single) {
        RunHeight = CardHeight;
    } else {
        if (own < 0) return false;
        bottom = PileBottomEdge(PileName(kFila, own + 1), own);
        RunHeight = bottom - top;
    }
    MainGame.SetOpt(94, card);
    MainGame.SetOpt(95, 0);
    GrabOffset = {0, 0};
    DragRect = {left, top, right, bottom};
    MainGame.SetOpt(106, 0);
    MainGame.SetOpt(107, 0);
    SetMovingStackSingle(single);

    // Each destination alone, its own rectangle taken as the held one.
    auto send = [&](const DropTarget& t) { return DropHeldOn(card, TargetRect(t), {t}); };
    bool moved = false;
    if (toFoundations && single)
        for (int i = 0; i < Count(367, 16) && !moved; ++i)
            if (OnTable(MainGame.DestLeft(i))) moved = send({kDest, i});
    if (toTableaus)
        for (bool empty : {false, true})
            for (int i = 0; i < Count(368, 40) && !moved; ++i)
                if (i != own && OnTable(FilaLeft[static_cast<size_t>(i)]) &&
                    FilaPiles[static_cast<size_t>(i)].empty() == empty)
                    moved = send({kFila, i});
    if (reservesAllowed && single)
        for (int i = 0; i < Count(369, 10) && !moved; ++i)
            if (OnTable(MainGame.AppoggLeft(i))) moved = send({kAppogg, i});
    if (toTableaus && !moved && OnTable(MainGame.StockLeft(1))) moved = send({kMazzoVis, 1});

    // Lifted for a pile whose move then failed: put the picture right.
    if (!moved && CardsLifted()) ReturnHeld(card);
    MainGame.SetOpt(94, 0);
    MainGame.SetOpt(95, 0);
    EndHold();
    return moved;
}

}  // namespace bw
