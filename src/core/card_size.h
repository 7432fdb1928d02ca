#pragma once
// The current card size in pixels, shared by the Qt-free geometry (card
// positions, hit testing) and the card images, which set it when a card set
// is chosen. 71 x 96 is the standard size "B".
#include "core/params.h"

namespace bw {

inline int CardWidth = 71;
inline int CardHeight = 96;

// How far a card in motion is drawn up and to the left of its place: 9 with
// card shadows on (preference "Cards_Shadowed", position 178, not "N"), else 0.
inline int CardShadowOffset() {
    return ParameterIs(field::kCardsShadowed, "N") ? 0 : 9;
}

}  // namespace bw
