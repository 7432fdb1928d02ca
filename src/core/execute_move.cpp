// ExecuteMove: every move request names its target; card targets share one
// sequence (undo step, take, append face up, redraw, win test, sound) and
// every successful operation ends with the common tail.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/memory_log.h"
#include "core/move_engine.h"
#include "core/move_target.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/sounds.h"
#include "core/state.h"
#include "core/stock_moves.h"

namespace bw {

namespace {

// What an operation leaves for the common tail.
struct MoveEffects {
    bool leftTableau = false;  // a card left a tableau pile
    int targetKind = kNoPile;  // kind of the pile that received cards
    int lowestY = -1;          // lowest table y reached by a card, -1 = unknown
};

struct PilePlace {
    int kind = kNoPile;  // kMazzo, kMazzoVis, kWaste, kFila, kDest, kAppogg
    int index = -1;      // index in the kind's list
    std::string name;
    bool autoplay = false;  // "Dest_Autoplay": the autoplay sound
};

std::string NameOf(int kind, int index) {
    switch (kind) {
        case kMazzo: return "Mazzo";
        case kMazzoVis: return "Mazzo_Vis";
        case kWaste: return "Waste";
        default: return PileName(kind, index + 1);
    }
}

std::string& PileAt(Game& g, int kind, int index) {
    return PileListOf(g, kind)[static_cast<size_t>(index)];
}

// A card target's pile, or nullopt for one no card can be moved to.
std::optional<PilePlace> CardTarget(const MoveTarget& t) {
    PilePlace p{t.pile.kind, t.pile.index, std::string(), t.op == MoveOp::kToPileByAutoplay};
    switch (p.kind) {
        case kWaste: p.index = 2; break;
        case kMazzoVis: p.index = 1; break;
        default:
            if (p.index < 0 || p.index >= PileLimit(p.kind)) return std::nullopt;
            break;
    }
    p.name = NameOf(p.kind, p.index);
    return p;
}

// Where a card lies, searched in the order the take-anywhere rule uses.
std::optional<PilePlace> FindCard(Game& g, CardCode c) {
    const CardPlace p = FindCardAnywhere(g, c);
    if (!p.Found()) return std::nullopt;
    return PilePlace{p.kind, p.index, p.Name(), false};
}

void Redraw(const PilePlace& p) {
    if (p.kind == kFila || p.kind == kAppogg || p.kind == kDest)
        PileDrawing().RedrawPile(p.name);
    else
        PileDrawing().RedrawPileTop(p.name);
}

// Build rule 71: a card that jumped over a neighbour takes it off the table.
void RemoveJumpedCard(Game& g, int from, int to) {
    const int width = Rule(g, rule::kGridWidth);
    const int distance = std::abs(from - to);
    const bool sameRow = distance == 2 && (width <= 0 || from / width == to / width);
    const bool sameColumn = width > 0 && distance == 2 * width;
    if (!sameRow && !sameColumn) return;
    const int middle = (from + to) / 2;
    std::string& pile = g.FilaPiles[static_cast<size_t>(middle)];
    if (pile.size() < 3) return;
    const std::string before = pile;
    const CardCode jumped = TopCode(pile);
    pile.erase(pile.size() - 3);
    AppendCard(g, g.MazzoPiles, 2, jumped, Face::kUp);
    const std::string name = PileName(kFila, middle + 1);
    PileDrawing().ErasePileTail(before, pile, name);
    PileDrawing().RedrawPile(name);
    PileDrawing().RedrawPileTop("Waste");
}

void PlayMoveSound(Game& g, const PilePlace& to) {
    switch (to.kind) {
        case kDest:
            if (to.autoplay)
                PlaySwitched("Autoplay", field::kSoundsAutoplay);
            else
                PlaySwitched("Foundation", field::kSoundsFoundation);
            break;
        case kFila:
        case kAppogg:
        case kMazzoVis: PlaySwitched("Tableau", field::kSoundsTableau); break;
        case kWaste: FamilyOf(g).PlayWasteSound(g); break;
        default: break;
    }
}

// The held card (option 94) goes to a pile: alone, or, onto a tableau pile,
// with every card above it. Slotted tableau rows (families 8 and 9) lift one
// card at a time, so there the card moves alone.
bool MoveHeldCards(Game& g, const PilePlace& to, MoveEffects& fx) {
    const CardCode card = Opt(g, opt::kHeld);
    if (card < 1) return false;
    const std::optional<PilePlace> from = FindCard(g, card);
    if (!from || (from->kind == to.kind && from->index == to.index)) return false;

    RecordStep(g, 1);
    NotePlayerMove(g);
    std::string& source = PileAt(g, from->kind, from->index);
    const std::string before = source;
    std::string moving;
    const bool slotted = Rule(g, rule::kTableFamily) == 8 || Rule(g, rule::kTableFamily) == 9;
    if (to.kind == kFila && !(from->kind == kFila && slotted)) {
        const size_t at = static_cast<size_t>(FindSlot(source, card)) * 3;
        moving = source.substr(at);
        source.erase(at);
    } else {
        const bool leaveHole =
            to.kind == kDest && Rule(g, rule::kTableFamily) == 12 && from->kind == kFila;
        TakeCard(PileListOf(g, from->kind), from->index, card, leaveHole ? 2 : 1);
        moving = FormatCode(card);
    }
    for (int i = 0; i < SlotCount(moving); ++i)
        AppendCard(g, PileListOf(g, to.kind), to.index, SlotCode(moving, i), Face::kUp);

    PileDrawing().ErasePileTail(before, source, from->name);
    Redraw(*from);
    Redraw(to);
    if (to.kind == kDest && Opt(g, opt::kHighlightFoundations) != 0)
        PileDrawing().HighlightFoundations(to.index);
    SetFlag(g, flag::kFinished, IsGameWon(g));
    PlayMoveSound(g, to);
    if (Rule(g, rule::kDestRule1) == 72 || Rule(g, rule::kDestRule1) == 75)
        PileDrawing().UpdateJokerCaption();

    if (to.kind == kFila) {
        if (from->kind == kFila && Rule(g, rule::kFilaRule1 + to.index) == 71) {
            RemoveJumpedCard(g, from->index, to.index);
            // The win test above saw the card jumped over still on the table.
            SetFlag(g, flag::kFinished, IsGameWon(g));
        }
        FamilyOf(g).AfterTableauMove(g);
    }

    fx.leftTableau = from->kind == kFila;
    fx.targetKind = to.kind;
    const int bottom = PileBottomEdge(g, to.name, to.index);
    if (OnTable(CardTopInPile(g, to.name, to.index, 0, false)))
        fx.lowestY = bottom + Opt(g, opt::kScroll);
    return true;
}

bool AutoplayActive(Game& g) {
    return Status(g).autoplay && Status(g).commands;
}

void TurnExposedTableauCardsUp(Game& g) {
    const int tableaus = TableauCount(g);
    for (int i = 0; i < tableaus; ++i) {
        const CardCode top = TopCode(g.FilaPiles[static_cast<size_t>(i)]);
        if (top < 1 || FaceOf(g, top) != Face::kDown) continue;
        SetCardFace(g, top, Face::kUp);
        const std::string name = PileName(kFila, i + 1);
        const CardPoint at = CardPositionInPile(g, name, i, 0, false);
        CardAnimations().AnimateFaceUp(top, at.left, at.top);
        PileDrawing().RedrawPileTop(name);
    }
}

void CommonTail(Game& g, const MoveEffects& fx) {
    g.Options.SetOpt(opt::kMoveMarkA, 0);
    // A kind whose score is not recomputed leaves the shown one as it is.
    UpdateScore(g);
    if (fx.lowestY > Opt(g, opt::kLowestPixel)) g.Options.SetOpt(opt::kLowestPixel, fx.lowestY);
    if (fx.leftTableau && !AutoplayActive(g) && Rule(g, rule::kAutoTurnUp) != 0 &&
        !ParameterIs(field::kAutomaticFaceUp, "N"))
        TurnExposedTableauCardsUp(g);
    // Autoplay's own moves (state other than 0 and 3) keep what can be redone.
    if (Opt(g, opt::kAutoplay) == 0 || Opt(g, opt::kAutoplay) == 3) RecordStep(g, 0, true);
    if (Opt(g, opt::kFillTableaus) <= 1)
        g.Options.SetOpt(opt::kFillTableaus, Opt(g, opt::kFillTableaus) + 1);
    if (Rule(g, rule::kAutoFill) != 0 && Opt(g, opt::kFillTableaus) == 1) {
        g.Options.SetOpt(opt::kFillTableaus, 2);
        ExecuteMove(g, 0, StockOp(MoveOp::kFillTableaus));
    }
    if (FamilyOf(g).RetestsWinAfterMove(g, fx.targetKind == kAppogg))
        SetFlag(g, flag::kFinished, IsGameWon(g));
    SetFlag(g, flag::kStockOperation, true);
}

}  // namespace

bool ExecuteMove(Game& g, int count, const MoveTarget& target) {
    // Until the automatic tableau fill has run, only the foundations take cards.
    if (Rule(g, rule::kFirstToDest) == 1 && Opt(g, opt::kFillTableaus) == 0 &&
        !(target.IsCardMove() && target.pile.kind == kDest))
        return false;
    MoveEffects fx;
    if (target.IsCardMove()) {
        const std::optional<PilePlace> to = CardTarget(target);
        if (!to || !MoveHeldCards(g, *to, fx)) return false;
    } else {
        StockEffects effects;
        if (!ExecuteStockOperation(g, count, target, &effects)) return false;
        fx.leftTableau = effects.leftTableau;
    }
    CommonTail(g, fx);
    return true;
}

}  // namespace bw
