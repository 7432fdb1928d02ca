#pragma once
// The memory family's steps that other layers start: the model cards of
// "Forget me not" and the check of its answer rows.
#include "core/cards.h"

namespace bw {

struct Game;

// The pause per card turned back or shown, in ms.
constexpr int kTurnBackPauseMs = 200;

// Turns the model cards on the foundations face down (`hide`) or up again,
// drawing each; hiding pauses before every card.
void SetModelFaces(Game& g, bool hide);
// The answer rows holding their model's twin; `mark` draws each row's
// verdict, and a frame round every right one.
int TwinMatches(Game& g, bool mark);
// Once every answer row holds a card: the models are shown, the rows
// judged, the score set and the game ended.
void CheckTwinRowsFull(Game& g);

}  // namespace bw
