#pragma once
// The Undo and Redo commands: the table goes back to the newest recorded
// step of one history while its present state is recorded in the other, so
// the two commands undo each other exactly (piles, face flags, step marks).
//
// What a step does not hold stays as it is: the miss counter of the memory
// games (an undo never takes a miss back) and the stock-pass counter (a pass
// that was used stays used).

namespace bw {

struct Game;

// True when the command may run: a game is in progress, nothing is held,
// undo is not switched off (parameter 137 = "2") and the history has a step
// (in "Forget me not" one recorded after the twins were dealt).
bool CanUndo(const Game& g);
bool CanRedo(const Game& g);
// The same whatever is held: what the greyed or enabled commands show.
bool UndoOffered(const Game& g);
bool RedoOffered(const Game& g);

// Restore the newest undo (redo) step; true when the table changed. A refused
// command beeps when only the empty history stood in the way.
bool UndoCommand(Game& g);
bool RedoCommand(Game& g);

// Enables or disables both commands in the window; they stay disabled while
// undo is switched off (parameter 137 = "2").
void SetUndoEnabled(Game& g, bool enabled);

}  // namespace bw
