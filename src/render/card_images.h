#pragma once
// The card size and every image the table needs at that size: the 52 faces
// and the joker, the card back, the empty-pile marks, the drag shadows and
// the stack borders, from the resource library or from the player's own
// card set (".crs") and own card back files.
#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "core/card_size.h"
#include "render/layout.h"

namespace bw {

struct Game;

// The card size itself is the game's, `Game::CardWidth` and `CardHeight`.
// The picture caches at the card size in force, each made on first use.
QRect&
CardRect();  // (0, 0, CardWidth, CardHeight) of the program's game: the source of every card copy

// Index = suit x 13 + rank - 1 (hearts, diamonds, clubs, spades); 52 is the joker.
std::array<QImage, 53>& CardFaces();
QImage& CardBack();
// Empty-pile marks by mark code ("004", "_WASTE", "022", "010", ...).
std::map<std::string, QImage>& PileMarks();
// Drag shadows 1 (right of the card) and 2 (below it); white is transparent.
std::array<QImage, 2>& CardShadows();
// Stack borders 1 (right edges) and 2 (bottom edges); pure blue is transparent.
std::array<QImage, 2>& StackBorders();
constexpr QRgb kShadowKey = 0xFFFFFFFF;
constexpr QRgb kBorderKey = 0xFF0000FF;

// The mark codes loaded for every size.
extern const char* const kPileMarkCodes[21];
// The face to draw (index as CardFaces()): fitted faces are scaled from the
// library's masters when first asked for, the others are CardFaces() as loaded.
QImage& CardFace(int index);
// The library's large picture of a face (index as CardFaces()) or of the back
// in use, for drawing at device pixels; null for the player's own files.
QImage DetailMaster(bool back, int index);
// The library's mark of a code at the card size (fitted: scaled from its
// master), ready to be blended; empty when the library lacks it.
QImage LibraryMark(const std::string& code);
// The library's large mark of a code (cached); null when it has none.
const QImage& MarkMaster(const std::string& code);
// The mark of a code, or an empty image.
const QImage& PileMark(const std::string& code);
// A mark as loaded, ready to be blended: translucent ones premultiplied.
QImage MarkPicture(const QImage& loaded);

// The masters' letter in the library's picture names and their size (four
// times "B").
constexpr char kMasterSize = 'X';
constexpr int kMasterWidth = 284;
constexpr int kMasterHeight = 384;

// The size letter's card size; false (and nothing set) for other letters.
bool CardSizeOfLetter(char letter, int& width, int& height);
// The size the library grids are cut at: 59 x 80 for "M", 85 x 115 for
// "S", 71 x 96 for any other letter.
QSize CuttingSize(char letter);

// What SetUpCards needs from the rest of the program, installed with
// Install<ICardSetUp>. Unset, each step does nothing, except ReloadRules
// (loads the current game's rules) and Advice (ShowAdviceMessage).
class ICardSetUp {
public:
    virtual ~ICardSetUp() = default;
    // Step 1: the current game's rules.
    virtual void ReloadRules(Game& g);
    // The size fits: "C&ustomize..." enabled.
    virtual void EnableCustomize() {}
    // The menus that depend on the game.
    virtual void UpdateGameMenus() {}
    // LayOutPiles with the window's table.
    virtual void LayOutPiles() {}
    // Whether there is a table to choose the card size for; without one the
    // size is never chosen for the table.
    virtual bool HasTable() { return false; }
    // After LayOutPiles: true when the table holds every pile whole.
    virtual bool TableHoldsPiles() { return false; }
    // The moving-card buffer follows the size.
    virtual void CardSizeChanged() {}
    // The forced-size message with its "don't show again" key.
    virtual void Advice(const std::string& text, const std::string& key);
};
ICardSetUp& CardSetUp();

// The card-size setup run for every new game and when a game is opened:
// decides the size for the screen and the game, tells the player once when
// a smaller size is forced, loads the images when the size or the suit mode
// changed, resets the pile positions, sets the overlap offsets and lays the
// piles out.
void SetUpCards(Game& g);
// After a deal or a change of the table's size: the largest card size, up
// to the one the screen rules chose, at which the table holds every pile
// whole (down to "M"), with new images when the size changes. The trials
// leave the piles laid out at any size: the caller lays them out again.
void FitCardsToTable(Game& g);
// The player picks the card size (Customize): position 128 and the player's
// kept choice (so "Card_Size") take the letter, and a smaller size the screen
// or the table forced on the last one is forgotten. The sizes forced are
// set in position 128 only.
void ChooseCardSize(char letter);
// Sets the card size from the size letter (or the own card set's size) and
// loads every image.
void ApplyCardSize(Game& g);
// Faces (library or own set), pile marks, back, shadows, borders and joker.
// The library's sets of the last sizes used are kept and used again.
void LoadCardImages(Game& g);
// Drops the kept sets (the next LoadCardImages builds its set anew).
void ForgetKeptCardImages();
// The card back: the own back file stretched to the card size, or the
// library back of the back number.
void LoadCardBack();

enum class CardSetCheck { kValid, kMissing, kBadFormat };
// Checks an own card set file (empty: the configured one) and gives the
// size letter its pixel size stands for (425 x 1380 "S", 355 x 1152 "B",
// 295 x 960 "M").
CardSetCheck CheckCardSetFile(const std::string& file, char& sizeLetter);
// The configured own card set file: "data\custom card sets\" + name + ".crs".
std::string OwnCardSetPath();
// The configured own card back file: "data\custom decks\" + name + ".bmp".
std::string OwnCardBackPath();
// Switches the own card set off (in force and in the player's choices) and
// reloads the four suits from the library.
void ResetOwnCardSet(Game& g);
// Face set "004": when the library lacks it ("CB004H"), the set becomes "001".
// Installed into the preferences as their IDeckFourSetUp.
void DeckFourSetUp();

// The texts of the forced-size messages.
std::string Medium640Message(const std::string& gameName);
std::string Medium800Message(const std::string& gameName);
std::string LargeCardsMessage(const std::string& gameName);

}  // namespace bw
