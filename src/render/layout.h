#pragma once
// Where every pile of the current game lies on the table. A pure computation:
// it reads GameRules (the five group codes and counts) and option entry 72,
// and writes the pile anchors of its option table (entries 0..62, the drawing copies
// 123..129 and 135..167, the scroll offset 90) and the game's FilaLeft/FilaTop.
// No Qt here: the rules tests and the command-line tool use it headless.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bw {

struct Game;

// Everything the layout needs besides the rules. All values are pixels and
// are taken as 16-bit signed numbers, except the card size.
struct LayoutInput {
    // The table rectangle. The caller picks it: the main window's table (see
    // MainWindowTableRect) or, while option entry 70 is 1, the open-game
    // preview picture (PreviewTableRect).
    int top = 0;     // first usable y
    int bottom = 0;  // last usable y
    int height = 0;  // height the tall-table tests use
    int width = 0;
    int cardWidth = 71;
    int cardHeight = 96;
    int shadowOffset = 9;  // 9 with card shadows on, else 0
    int screenWidth = 0;   // the whole display, not the window
    int screenHeight = 0;
    int scrollPosition = 0;  // the table's vertical scroll bar
};

struct TableRect {
    int top = 0;
    int bottom = 0;
    int height = 0;
    int width = 0;
};

// The main window's table: below the visible tool bar (its bottom edge, or
// nothing when no tool bar shows), down to the last client row, as wide as
// the window without its vertical scroll bar. `height` is the outer height.
TableRect MainWindowTableRect(std::optional<int> toolBarBottom, int clientHeight, int outerHeight,
                              int outerWidth, int scrollBarWidth);
// The open-game dialog's preview picture.
TableRect PreviewTableRect(int pictureWidth, int pictureHeight);
void ApplyTableRect(const TableRect& rect, LayoutInput& in);

// A layout group code: the row digit (first character of the row rule's
// decimal text) followed by the style rule as three digits, e.g. "2003".
std::string GroupCode(int rowRule, int styleRule);

// Whether the layout places a tableau of the current game's style (rules
// 359 and 360); a style it does not know leaves the tableau off the table.
bool TableauStyleKnown(const Game& g);

// Lays out every pile of the current game. Piles that no style places keep
// what they held before, so the caller resets the anchors first.
void LayOutPiles(Game& g, const LayoutInput& in);
// ResetPileAnchors() followed by LayOutPiles(in).
void ResetAndLayOutPiles(Game& g, const LayoutInput& in);

// The card size "Fit to the table" (size letter "F"): the cards take the
// largest size at which the current game's piles fit the table, any size in
// pixels, with the proportions of size "B".
constexpr char kFitToTableSize = 'F';
// The card width that goes with a fitted card height.
int FittedCardWidth(int height);
// Fitted heights go from the least, below which no card can be told from
// another, to the most, twice the height of the library's master pictures.
constexpr int kLeastFittedHeight = 40;
constexpr int kMostFittedHeight = 768;
// The largest fitted height at which `holds` (the table holds every pile
// whole at that card height) is true, found by halving the range; the
// least when it holds at none.
int LargestFittedHeight(const std::function<bool(int)>& holds);

// Card width and height for a size letter S, B, M or L; false for any other.
bool CardSizeForLetter(char letter, int& width, int& height);

// The overlap offsets of option entries 64..67, 72, 75, 76, 83, 84, 101 and
// 102 for a card size letter and the current GameRules (entries 3, 5, 6).
// Fitted cards take those of "B" in proportion to the card height.
void SetOverlapOffsets(Game& g, char sizeLetter);

struct PilePosition {
    std::string name;  // "Mazzo", "Mazzo_Vis", "Waste", "Dest3", "Fila12", "Appogg1"
    int left = 0;
    int top = 0;  // as seen on screen: minus the scroll offset
};

// The current game's piles that lie on the table (both coordinates above
// -10000): the stock group, then foundations, tableau and reserve cells up to
// the game's counts.
std::vector<PilePosition> PilesOnTable(const Game& g);
// One line per pile: name, left and top separated by single blanks.
std::string FormatPilePositions(const std::vector<PilePosition>& piles);

}  // namespace bw
