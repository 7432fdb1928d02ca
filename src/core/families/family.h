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

// Selection games: the player selects cards and a complete group leaves
// the table. The selection kinds with a rule of their own, by that rule.
constexpr int kNumbersToTarget = 1;  // number cards to the target, or four of a high rank
constexpr int kTopCardsSum14 = 3;    // two top cards summing to 14
constexpr int kUncoveredSum13 = 4;   // two uncovered cards to 13; holes count as empty
constexpr int kTwoToTarget = 7;      // one or two cards summing to the target
constexpr int kNeighbourPairs = 8;   // two grid neighbours of one rank
constexpr int kExposedPairs = 14;    // two open cards of one rank
constexpr int kExposedPairsAnyButton = 16;
constexpr int kElevensAndFaces = 17;       // two numbers to 11, or a jack, queen and king
constexpr int kEighteensAndAces = 18;      // an ace alone, or a face and three to 18
constexpr int kTensTwentiesThirties = 20;  // cards summing to 10, 20 or 30
constexpr int kSuitPairsToTarget = 21;     // also won with the stock out and four cards left
constexpr int kColourPairsToTarget = 22;   // likewise; the deal takes card 12 out
constexpr int kSuitRunToTarget = 23;       // one suit to the target; tableau drops marked
constexpr int kNinesAndHighFours = 24;     // numbers to 9, or a ten, jack, queen and king
constexpr int kRankPairs = 25;             // two cards of one rank
constexpr int kElevensAndFacesOnly = 26;   // as kElevensAndFaces, three cards at most
constexpr int kSelectAndRefill = 33;       // a selection; emptied piles refilled from the stock
constexpr int kFacesMatchNumbers =
    41;  // faces and numbers of equal sums; won with one foundation left
constexpr int kTargetOrNeighbours = 45;  // the target rank alone or two neighbours to it
constexpr int kChainRemoval = 47;        // pairs two piles apart; removal runs along the row
constexpr int kRankSums = 57;            // first cards swapped until the dealt sums are met

// Patience kinds with a rule of their own.
constexpr int kOntoWaste = 2;          // cards are played onto "Waste"
constexpr int kFillTableaus = 9;       // won with every tableau pile holding a card
constexpr int kPlainTable = 10;        // no table decoration
constexpr int kAcesFromReserve = 11;   // deal special: the reserve's aces go up
constexpr int kEddy = 12;              // cards go to "Waste" with the sound "Eddy"
constexpr int kOntoWasteTurning = 15;  // onto "Waste", king and ace join round the corner
constexpr int kRowDrop = 19;           // a drop rule of its own along the row
constexpr int kOneCardEach = 27;       // won with one card on every tableau pile
constexpr int kAcesAlone = 31;         // won with an ace alone on every tableau pile
constexpr int kNoTableauDrops = 32;    // never won here, no tableau drop taken
constexpr int kBottomsInOrder = 34;    // scored by tableau bottoms in suit order
constexpr int kWasteCounts = 35;       // scored by the cards on "Waste"
constexpr int kFaceDownPlayable = 40;  // a face-down top card may be played on
constexpr int kScoreWins = 42;         // won by the score alone
constexpr int kNineDownToOne = 43;     // a pile running 9 down to 1
constexpr int kPlayedOut = 44;         // never won here; scored by the pack
constexpr int kNoTableauDropsScoreless = 46;
constexpr int kSecondFoundation = 48;  // scored by the cards on foundation 2; selects nothing
constexpr int kFourEach = 49;          // won with four cards on each of 24 piles
constexpr int kDoubledBases = 50;      // deal special: the second foundations' bases doubled
constexpr int kEightInReserve = 52;    // won with eight cards in reserve cell 1
constexpr int kPickUpAny = 53;         // a press on the tableau picks the card up
constexpr int kPickUpAnyToo = 54;
constexpr int kStockOut = 55;  // won once the stock is empty; selects nothing
constexpr int kPlainTableToo = 56;
constexpr int kNumberSum = 58;  // foundations summing to the game number's sum
constexpr int kFillTableausKeptScore = 59;
constexpr int kNextRankUp = 61;   // "Mazzo_Vis" plays the next rank onto foundation 1
constexpr int kCentreEmpty = 62;  // won with the stock and piles 17..25 empty
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
// The selection kinds listed above.
bool IsSelectionKind(int goal);
bool RecordsTurns(int goal);
bool IsMatchGoal(int goal);

}  // namespace bw
