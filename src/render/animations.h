#pragma once
// The floating picture that every card movement shares (flights, the deal,
// dragging), the flight of a card and the turning of a card. Everything runs
// synchronously: draw, wait through Waits(), draw again; each step shows on
// the window at once.
#include <QImage>
#include <QRect>

#include "core/cards.h"

namespace bw {

struct Game;

// The picture of what moves: one card, or a column of cards for a drag.
struct MovingImage {
    QImage image;
    int height = 0;   // the card height for one card
    QRect last;       // where it was last shown (window coordinates)
    QRect lastDrawn;  // the same with its shadow
    bool shown = false;
};
MovingImage& Moving();

// One card's face (or the back for -1) becomes the moving picture.
void PrepareMovingCard(const Game& g, CardCode code);
// Any picture (a dragged column) becomes the moving picture, not yet shown.
void SetMovingImage(const QImage& picture);
// Forgets where it was shown, without restoring anything (the card size
// changed, or the table was redrawn under it).
void ResetMovingImage();

// Moves the picture to a window position: restores what it uncovers from
// TableBitmap(), with `fullRestore` gives it rounded corners over the table,
// and either drops it into TableBitmap() (`drop`) or draws its shadow when
// card shadows are on. False when it is already there.
bool ShowMovingImageAt(Game& g, int left, int top, bool drop, bool fullRestore);
// Draws the picture, with its shadow when cards are shadowed, on the window
// at (left, top) and remembers the place; what it left elsewhere is the
// caller's to restore.
void DrawMovingImageAt(Game& g, int left, int top);
// Takes the picture off the window (the end of a drag that goes nowhere).
void HideMovingImage(const Game& g);

// The per-step pixel advance of a flight over `distance` pixels.
int FlightStep(int distance, bool fast, bool autoplay);

// Flies one card (or, without `prepare`, the moving picture as it is) from
// (x0, y0) to (x1, y1). `lift` flies it raised by the shadow offset and sets
// it down at the end; `fast` takes longer steps and shorter waits; `drop`
// leaves it in TableBitmap(). A target below -9999 leaves the table.
void FlyCard(Game& g, CardCode code, int x0, int y0, bool prepare, bool lift, bool fast, bool drop,
             int y1, int x1);

// A card turning face up where it lies: the back narrows, the face widens.
// The table picture is not changed.
void AnimateFaceUp(const Game& g, CardCode code, int left, int top);

}  // namespace bw
