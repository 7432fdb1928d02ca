#pragma once
// Playing the memory games from the keyboard. A focus frame moves over the
// places of the grid; the keys act through the same press, drag and release
// as the mouse, so undo, sounds and scoring are exactly those of a click.
//
//   arrows        move the frame (the first arrow only shows it)
//   Home, End     the first and last place of the frame's row
//   Space, Return turn the card under the frame ("Pairs", "Concentration",
//                 "Ace-To-King"); in "Forget me not" lift the twin under it
// While a twin of "Forget me not" is lifted the arrows, Home and End choose
// the answer place under a model, Return (or Space) puts the twin there
// and Escape puts it back.
#include <vector>

#include "core/pointer_state.h"

namespace bw {

struct Game;

enum class TableKey { kLeft, kRight, kUp, kDown, kHome, kEnd, kSpace, kReturn, kEscape };

// True when the key was used (the caller then swallows it).
bool TableKeyPress(Game& g, TableKey key);
// A mouse press on the table, a new layout: the frame goes until the next
// arrow key. A twin lifted from the keyboard is put back first.
void HideFocusFrame(Game& g);

// Every place of the current grid, rows of the screen from the top and
// places from the left; empty for games that are not memory games.
std::vector<std::vector<GridPlace>> GridPlaces(Game& g);
// Where the frame is (when shown) and whether a twin is lifted by it.
bool FocusFrameShown(const Game& g);
GridPlace FocusedPlace(const Game& g);
bool KeyboardHolding(const Game& g);

}  // namespace bw
