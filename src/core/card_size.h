#pragma once
// The card size in force is the game's (`Game::CardWidth`, `CardHeight`):
// the geometry and hit testing of a game follow the size it is laid out at.
#include "core/params.h"

namespace bw {

// How far a card in motion is drawn up and to the left of its place: 9 with
// card shadows on (preference "Cards_Shadowed", position 178, not "N"), else 0.
inline int CardShadowOffset() {
    return ParameterIs(field::kCardsShadowed, "N") ? 0 : 9;
}

}  // namespace bw
