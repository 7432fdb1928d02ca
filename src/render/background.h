#pragma once
// The table background: plain green, a colour (optionally faded to black
// towards the bottom), a numbered library picture, or the player's own
// picture file. Painted onto a canvas and, unless told otherwise, onto
// BackgroundBitmap(), the source of every erase.
#include <QColor>
#include <cstdint>
#include <string>

#include "render/surfaces.h"

namespace bw {

// Background kinds; any other value is the number of a library picture
// ("B" + three digits), copied once when above 499, else tiled.
constexpr int kBackgroundDefault = 0;
constexpr int kBackgroundColour = 1;
constexpr int kBackgroundOwnImage = 2;

// The system's button-face colour as a colour value (the default colour).
constexpr int64_t kButtonFaceColourValue = 0x8000000F;

// Chooses the background from the preferences and paints it.
void PaintBackground(const Canvas& canvas);
// Paints a given background. `colour` is a colour value (red in the low
// byte; values with bit 31 set name system colours); a `fixedColour` above 0
// is used instead of it. `fileName` is the own picture (empty: the one in
// the player's choices). With `canvasOnly` BackgroundBitmap() is left alone.
void PaintBackgroundAs(const Canvas& canvas, int kind, int64_t colour, const std::string& fileName,
                       bool canvasOnly, int64_t fixedColour);

// A colour value as an RGB colour; system colours come from the platform's
// palette (the button face is index 15).
QColor ColourOfValue(int64_t value);

// Windows' MulDiv: a * b / c rounded to the nearest integer, halves away
// from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The colour fade spans 80 more pixels than the table while the main
// window's vertical scroll bar is shown; the window tells.
void SetVerticalScrollBarShown(bool shown);
bool VerticalScrollBarShown();

}  // namespace bw
