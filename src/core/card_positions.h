#pragma once
// Where each card of a pile lies on the window: the one rule shared by
// drawing, hit testing, dragging and animations, so they agree to the pixel.
// Qt-free: it reads only the game state, the option table and the card size.
#include <array>
#include <cstdint>
#include <string>

namespace bw {

struct Game;

struct CardPoint {
    int left = 0;
    int top = 0;
};

// Direction code of a tableau pile: rule::kTableFamily, or, for table family 11,
// the pile's own entry of the game's TableauPileFamily (set with the layout).
int TableauDirection(const Game& g, int index);

// The direction code of any pile by name ("Fila"N, "Dest"N, "Appogg"N; the
// stock-side piles have none and lie squared).
int PileDirection(const Game& g, const std::string& name, int index);

// The window position of a card of a pile. `above` counts the cards from the
// card asked for up to the top, both included (0 = the top card); with
// `nextSlot` the place where one more card would go. Card k (0 = bottom) of a
// pile of n cards is (above = n - k, nextSlot = true). Piles off the table
// answer their off-table anchor.
CardPoint CardPositionInPile(Game& g, const std::string& name, int index, int above, bool nextSlot);
int CardTopInPile(Game& g, const std::string& name, int index, int above, bool nextSlot);
int CardLeftInPile(Game& g, const std::string& name, int index, int above, bool nextSlot);
// Card k (0 = bottom) of a pile, holes ("000") included as slots.
CardPoint CardSlotPosition(Game& g, const std::string& name, int index, int k);
// The window y just below the pile's top card.
int PileBottomEdge(Game& g, const std::string& name, int index);
// Cards per row of table family 8: rule::kRowCards, or as many as fit across
// the screen when it is -1.
int Direction8PerRow(Game& g);

// The shift of card `cardIndex` (0 = bottom) of tableau pile `pile` in a
// downward cascade ("Piles_TT"): the game's offset table, drawn anew for
// every game (DrawOffsetTable).
int JitterFor(const Game& g, int pile, int cardIndex);

// Thick piles are drawn raised over a stack edge.
constexpr int kStockRaiseCap = 15;
constexpr int kFoundationRaiseCap = 2;
int StackRaiseDepth(int cards, bool preview, int cap = kStockRaiseCap);
// Moves a stock-side pile (0..2) or a foundation (0..15) to its raised
// position, its base position (option entries 123-129, 135-167) less the
// depth in both directions. True when the position changed. Foundations
// whose direction (rule::kDestFamily) is 2 or 7 are never raised.
bool RaiseStockPile(Game& g, int i, bool preview);
bool RaiseFoundation(Game& g, int i, bool preview);

}  // namespace bw
