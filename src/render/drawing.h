#pragma once
// Drawing single cards, card backs, empty-pile marks, the stack edge of thick
// piles, the selection frame and the completed-foundation highlight. All
// positions are window coordinates (see render/surfaces.h).
#include <QColor>
#include <QPoint>
#include <QRect>
#include <string>

#include "core/card_size.h"
#include "core/cards.h"
#include "core/state.h"
#include "render/surfaces.h"

namespace bw {

struct Game;

// Which empty pile a mark stands for.
enum MarkKind : int {
    kMarkStock = 1,    // "Mazzo"
    kMarkVisible = 2,  // "Mazzo_Vis"
    kMarkFoundation = 3,
    kMarkReserve = 5,
    kMarkTableau = 6,
    kMarkThirdPile = 7,  // the third stock-side pile
};

// Face index of a card code: 0..51 (both decks), 52 for a joker, -1 for a
// hole ("000") or anything else.
int FaceIndexOf(CardCode code);

// The card rectangle at a window position.
QRect CardRectAt(const Game& g, int left, int top);

// One face, with rounded corners: the corner pixels show what lay under
// them (top corners the canvas, bottom corners the background; with
// `raised` the bottom-right one is the stack edge's grey). Tableau cards of
// sideways piles take their corners as those piles overlap. `pileKind` is a
// PileKind; -1 / kNoPile for a card of no pile.
void DrawCard(Game& g, CardCode code, int left, int top, bool raised, const Canvas& canvas,
              int pileIndex = -1, int pileKind = kNoPile);
// The card back the same way; `height` rows of it. Off-table positions are skipped.
void DrawCardBack(Game& g, int left, int top, int height, bool raised, const Canvas& canvas);
// The mark of an empty pile; nothing for a pile off the table.
void DrawPileMark(Game& g, int markKind, int left, int top, const Canvas& canvas, int pileIndex);
// The mark code an empty pile shows ("004", "_WASTE", ...); empty when it
// shows none. `drawn` is false only for a pile that shows nothing at all.
std::string PileMarkCode(Game& g, int markKind, int pileIndex, bool& drawn);
// The mark of a rank value (1..13 and the game's special values); empty for
// none. `drawn` is true for the value that draws nothing on purpose.
std::string RankMarkCode(int value, bool& drawn);

// The four rounded corners of the card rectangle at (left, top) put back
// from BackgroundBitmap().
void RestoreCardCorners(const Game& g, int left, int top, const Canvas& canvas);

// Raises a stock-side pile (0..2) or a foundation over its stack edge and
// draws the edge. Nothing is drawn when the raise did not change unless
// `full`. False when the pile has no edge (off the table, or a foundation of
// direction 2 or 7).
bool DrawStackEdge(Game& g, int pile, bool foundation, const Canvas& canvas, bool full);

// Option entry 93 grows to the bottom edge (table coordinates) of every card
// or mark drawn.
void NoteLowestPixel(Game& g, int windowBottom);

// The frame that marks a selected card.
void DrawSelectionFrame(const Game& g, int left, int top, const Canvas& canvas);
// The verdict on a revealed answer, a badge on the lower half of the card at
// (left, top): a white tick on a dark green disc when right, a red cross on
// a white disc when wrong. Shape and brightness differ as well as the hue,
// so no player has to tell red from green.
void DrawAnswerMark(const Game& g, int left, int top, bool right, const Canvas& canvas);
extern const QColor kSelectionFrameColour;

// The colours of the foundation highlight, index 0..14.
QColor HighlightColour(int index);
// Whether foundation k holds all the cards it is meant to hold.
bool FoundationComplete(Game& g, int k);
// Marks the top card of each complete foundation (all when `index` is -1)
// on TableBitmap() and on the window, as the player's choices say.
void HighlightFoundations(Game& g, int index);
// The same with explicit mark (0..5) and colour index.
void HighlightFoundationsAs(Game& g, int index, int mark, int colourIndex);

}  // namespace bw
