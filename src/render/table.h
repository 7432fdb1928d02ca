#pragma once
// Drawing whole piles and the whole table: the full repaint (also the deal
// animation), the partial updates after a move, and showing TableBitmap() on
// the window. Pile contents come from the game state, positions from the
// layout and the card-position rule.
#include <QPoint>
#include <QRect>
#include <string>

#include "render/surfaces.h"

namespace bw {

struct Game;

// Card `cardIndex` (0 = bottom) of a pile of `kind` (kFila, kDest, kAppogg,
// or kMazzo for the stock-side pile `pileIndex`), or its empty mark. With
// `animate` the card first flies from `start` (the deal); it then lies in
// TableBitmap(). The bottom card gets its four corners from the background.
void DrawPileCard(Game& g, int kind, int pileIndex, int cardIndex, bool raised,
                  const Canvas& canvas, bool animate = false, QPoint start = QPoint());

// The whole table onto TableBitmap() and `canvas` (the caller shows it).
// With `animateDeal` the cards are thrown from the deck one by one on the
// window, and the table is shown at the end.
void RepaintTable(Game& g, const Canvas& canvas, bool animateDeal);
// The top card (or mark) of a pile, with its stack edge.
void RedrawPileTop(Game& g, const std::string& name, int pileIndex, const Canvas& canvas);
// A reserve cell or tableau pile card by card; a foundation's top.
void RedrawPile(Game& g, const std::string& name, const Canvas& canvas);
// Puts the table back where cards left a pile whose text went from
// `oldPile` to `newPile` (the live pile may hold either), and redraws the
// piles that the erased area overlapped. `left` is the pile's left.
void ErasePileTail(Game& g, const std::string& oldPile, const std::string& newPile, int left,
                   const Canvas& canvas, const std::string& name);

// TableBitmap() onto the window, from the scroll position down.
void ShowTable(const Game& g);
// ShowTable for a picture about to be drawn over (the empty table before a
// deal): the screen takes it with the next drawing, one copy for both.
void ShowTableSoon(const Game& g);
// One window rectangle of it.
void ShowTableRect(const Game& g, const QRect& r);

// Where the deal throws cards from (window coordinates) and which pile that is.
struct DeckPlace {
    std::string
        pile;  // "Mazzo", "Mazzo_Vis", "Appogg1", "Waste", "Dest1", "Fila1"; empty off the table
    QPoint at;
};
DeckPlace DeckPosition(Game& g);

// The pile's anchor: where its first card lies (window coordinates).
QPoint PileAnchor(Game& g, const std::string& name, int pileIndex);
// The window rectangle a pile's cards cover (its anchor card when empty).
QRect PileExtent(Game& g, const std::string& name, int pileIndex);
// What every pile on the table covers together.
QRect TableExtent(Game& g);

// The caption over a foundation holding a joker: `text` and the suit
// picture in a white box over foundation `foundation`; every other
// foundation's caption erased (-1 erases all).
void DrawJokerCaption(Game& g, int foundation, const std::string& text,
                      const std::string& suitImage);

}  // namespace bw
