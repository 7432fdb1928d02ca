#include "interaction/undo.h"

#include <string>
#include <vector>

#include "core/families/family.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/joker_caption.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/state.h"

namespace bw {

namespace {

bool UndoSwitchedOff(const Game& g) {
    return g.values.undoMode == "2";
}

// Nothing is restored while no game runs (a finished game has been scored)
// or while cards are held (the drop would land on a different table).
bool TableAccepts(const Game& g) {
    return Flag(g, flag::kInProgress) && g.Options.Opt(opt::kHeld) == 0 && !UndoSwitchedOff(g);
}

// In "Forget me not" the steps recorded before the twins were dealt hold no
// tableau card. Restoring one would show the models again (the memory test
// beaten), or leave them hidden with no twins to place, so undo stops at the
// dealt twins.
bool BeforeTheTwins(const Game& g, const HistoryLists& h) {
    if (Rule(g, rule::kGoalKind) != goal::kForgetMeNot || StepCount(h) == 0) return false;
    const std::vector<std::string>& rows = h[2];
    for (size_t k = rows.size() - 40; k < rows.size(); ++k)
        if (!rows[k].empty()) return false;
    return true;
}

// `from` gives its newest step to the table; the table as it is goes to
// `to`, carrying the step's marks element along so that the stock deals
// counted by autoplay follow the table back and forth.
bool Exchange(Game& g, HistoryLists& from, std::string& fromMarks, int toWhich,
              std::string& toMarks, ParamField soundSwitch, const char* sound) {
    if (!TableAccepts(g)) return false;
    if (StepCount(from) == 0 || (&from == &g.UndoLists && BeforeTheTwins(g, from))) {
        Dialogs().Beep();
        return false;
    }
    RecordStep(g, toWhich);
    std::string element;
    PopStepInto(g, from, fromMarks, &element);
    toMarks += element;

    // Cards of the present table may lie where the restored one has holes
    // or shorter piles: the picture is rebuilt, not drawn over.
    TableView().RedrawTable();
    ForgetJokerCaption(g);
    UpdateScore(g);
    SetFlag(g, flag::kFinished, IsGameWon(g));
    if (GetParameter(field::kSoundsEnabled) == "Y" && GetParameter(soundSwitch) == "Y")
        Sound().Play(sound, false);
    return true;
}

}  // namespace

bool CanUndo(const Game& g) {
    return TableAccepts(g) && StepCount(g.UndoLists) > 0 && !BeforeTheTwins(g, g.UndoLists);
}
bool CanRedo(const Game& g) {
    return TableAccepts(g) && StepCount(g.RedoLists) > 0;
}

// As CanUndo and CanRedo, but whatever is held: the commands stay as they
// are while a card is dragged.
bool UndoOffered(const Game& g) {
    return Flag(g, flag::kInProgress) && !UndoSwitchedOff(g) && StepCount(g.UndoLists) > 0 &&
           !BeforeTheTwins(g, g.UndoLists);
}
bool RedoOffered(const Game& g) {
    return Flag(g, flag::kInProgress) && !UndoSwitchedOff(g) && StepCount(g.RedoLists) > 0;
}

// The library has no recordings of their own for these two commands: undo
// sounds like cards put down, redo like cards picked up.
bool UndoCommand(Game& g) {
    return Exchange(g, g.UndoLists, g.UndoMarks, 0, g.RedoMarks, field::kSoundsUndo, "card_down");
}
bool RedoCommand(Game& g) {
    return Exchange(g, g.RedoLists, g.RedoMarks, 1, g.UndoMarks, field::kSoundsRedo, "card_up");
}

void SetUndoEnabled(Game& g, bool enabled) {
    AllowUndoRedo(g, enabled && !UndoSwitchedOff(g));
}

}  // namespace bw
