#pragma once
// What differs between the families of games: the memory grids, the games
// played by selecting cards, and patience. The goal kind of the rule column
// (rule::kGoalKind) chooses the family; only the registry (registry.cpp)
// turns its number into a family, and the families compare kinds by the
// names below.
#include "core/state.h"

namespace bw {

struct Game;

namespace goal {
// Memory games on a grid of face-down cards.
constexpr int kAceToKing = 36;      // turn the cards up in rank order
constexpr int kPairs = 37;          // twins of the two decks pair
constexpr int kForgetMeNot = 38;    // place each model card's twin under it
constexpr int kConcentration = 39;  // any two cards of one rank pair
constexpr int kFirstMemory = kAceToKing;
constexpr int kLastMemory = kConcentration;

// Selection games: two selected cards summing to a target leave the table.
constexpr int kTopCardsSum14 = 3;     // top cards only, summing to 14
constexpr int kUncoveredSum13 = 4;    // uncovered cards summing to 13; holes count as empty
constexpr int kSelectAndRefill = 33;  // a selection; emptied piles refilled from the stock

// Patience kinds with a rule of their own.
constexpr int kOntoWaste = 2;           // cards are played onto "Waste"
constexpr int kWasteCardFaceDown = 11;  // deal special: the "Waste" card
constexpr int kEddy = 12;               // cards go to "Waste" with the sound "Eddy"
constexpr int kOntoWasteTurning = 15;   // onto "Waste", king and ace join round the corner
constexpr int kFillTableaus = 9;        // won with every tableau pile holding a card
constexpr int kFillTableausKeptScore = 59;
constexpr int kStockAndFourLeft = 21;  // won with the stock empty and at most 4 cards left
constexpr int kStockAndFourLeftDealt = 22;
constexpr int kOneCardEach = 27;        // won with one card on every tableau pile
constexpr int kAcesAlone = 31;          // won with an ace alone on every tableau pile
constexpr int kNoTableauDrops = 32;     // never won here, no tableau drop taken
constexpr int kBottomsInOrder = 34;     // scored by tableau bottoms in suit order
constexpr int kWasteCounts = 35;        // scored by the cards on "Waste"
constexpr int kFaceDownPlayable = 40;   // a face-down top card may be played on
constexpr int kOneFoundationLeft = 41;  // won with foundations 2.. empty
constexpr int kScoreWins = 42;          // won by the score alone
constexpr int kNineDownToOne = 43;      // a pile running 9 down to 1
constexpr int kPlayedOut = 44;          // never won here, a new deal scores the pack
constexpr int kFourPilesLeft = 45;      // won with exactly four tableau piles holding cards
constexpr int kNoTableauDropsScoreless = 46;
constexpr int kChainRemoval = 47;      // removal runs along the emptied piles
constexpr int kSecondFoundation = 48;  // scored by the cards on foundation 2
constexpr int kFourEach = 49;          // won with four cards on each of 24 piles
constexpr int kDealByNumber = 50;      // deal special of the game number
constexpr int kEightInReserve = 52;    // won with eight cards in reserve cell 1
constexpr int kStockOut = 55;          // won once the stock is empty
constexpr int kRankSums = 57;          // groups of four summing to the dealt sums
constexpr int kNumberSum = 58;         // foundations summing to the game number's sum
constexpr int kCentreEmpty = 62;       // won with the stock and piles 17..25 empty
}  // namespace goal

// The rules of one family. One object per family; FamilyOf picks it.
class GoalFamily {
public:
    virtual ~GoalFamily() = default;
    virtual bool IsWon(Game& g) const = 0;
    // The score the table is worth; `shown` false leaves the shown score.
    virtual int Score(Game& g, bool& shown) const = 0;
    // Played to its end rather than abandoned.
    virtual bool PlayedToTheEnd(const Game& g) const;
    // The misses kept with the game's result.
    virtual int Misses(const Game& g) const;
    // The memory result dialog and its status line at the end of the game.
    virtual bool ShowsMemoryEnd() const { return false; }
    virtual bool CountsSlips(const Game& /*g*/) const { return false; }
    // The sound of a card moved onto "Waste".
    virtual void PlayWasteSound(const Game& /*g*/) const {}
    // After a move onto a tableau pile.
    virtual void AfterTableauMove(Game& /*g*/) const {}
    // Whether the win is tested again once a move's fill and autoplay ran.
    virtual bool RetestsWinAfterMove(const Game& /*g*/, bool /*ontoReserve*/) const {
        return false;
    }
    // Each tick of the running game clock.
    virtual void ClockTick(Game& /*g*/) const {}
};

const GoalFamily& FamilyOf(const RuleTable& rules);
const GoalFamily& FamilyOf(const Game& g);

// The first foundation holds the selection list, codes of cards that lie
// elsewhere: the selection games and every game with rule::kSelectSum set.
bool FirstFoundationIsSelection(const RuleTable& rules);

// The memory kinds: every grid game, and those whose turns are recorded and
// may be played as a match against the computer.
bool IsMemoryKind(int goal);
bool RecordsTurns(int goal);
bool IsMatchGoal(int goal);

}  // namespace bw
