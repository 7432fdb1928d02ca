#pragma once
// The game state's types and the names the engine reaches the program's one
// game by: card register, the four pile lists, the rule table, the option
// table of TMainGame, the game flags and times. The game itself is a value,
// `Game` in core/game.h; these names are bound to the program's instance.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/option_entries.h"
#include "core/rule_names.h"

namespace bw {

struct Game;

// Pile kinds, as codes.
enum PileKind : int {
    kNoPile = 0,
    kMazzo = 1,     // the stock
    kMazzoVis = 2,  // cards turned from the stock
    kWaste = 3,
    kFila = 4,    // tableau
    kDest = 5,    // foundation
    kAppogg = 6,  // reserve cell
};

using PileList = std::vector<std::string>;

struct PileSet {
    PileList mazzo = PileList(3);
    PileList fila = PileList(40);
    PileList dest = PileList(16);
    PileList appogg = PileList(10);
    bool operator==(const PileSet&) const = default;
};

// The live table. Entry 0/1/2 of MazzoPiles: "Mazzo", "Mazzo_Vis", "Waste".
extern PileList& MazzoPiles;
extern PileList& FilaPiles;
extern PileList& DestPiles;
extern PileList& AppoggPiles;

// 489 signed 16-bit rule entries of the current game, named in rule::.
using RuleTable = std::array<int16_t, 489>;
extern RuleTable& GameRules;

// Entry `entry` of a rule table; 0 for a number outside the table.
inline int Rule(const RuleTable& rules, int entry) {
    return entry >= 0 && entry < static_cast<int>(rules.size()) ? rules[static_cast<size_t>(entry)]
                                                                : 0;
}
// Entry `entry` of the current game.
inline int Rule(int entry) {
    return Rule(GameRules, entry);
}
// A number outside the table is ignored.
inline void SetRule(int entry, int value) {
    if (entry >= 0 && entry < static_cast<int>(GameRules.size()))
        GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
}
// A count entry (piles of a kind) kept within 0..max.
inline int RuleCount(int entry, int max) {
    return std::clamp(Rule(entry), 0, max);
}
// The game's tableau piles: its count entry kept within FilaPiles.
inline int TableauCount() {
    return RuleCount(rule::kFilas, 40);
}

// In the selection games (rule::kSelectSum set, goal kinds 3 and 4) the first
// foundation holds the selection list: codes of cards that lie elsewhere.
inline bool FirstFoundationIsSelection(const RuleTable& rules) {
    return Rule(rules, rule::kSelectSum) != 0 || Rule(rules, rule::kGoalKind) == 3 ||
           Rule(rules, rule::kGoalKind) == 4;
}
inline bool FirstFoundationIsSelection() {
    return FirstFoundationIsSelection(GameRules);
}

// The tableau anchors, outside the option table. FilaTop holds table
// coordinates; FilaTopOnScreen subtracts the scroll offset (option 90).

// Not-on-the-table markers; a coordinate at or below -10000 is off the table.
constexpr int kOffStock = -10000;
constexpr int kOffDest = -10001;
constexpr int kOffFila = -10002;
constexpr int kOffAppogg = -10003;
inline bool OnTable(int coordinate) {
    return coordinate > -10000;
}

// The option table: 186 signed 16-bit entries, named in opt::.
class OptionTable {
public:
    int16_t Opt(int i) const {
        return (i >= 0 && i < 186) ? options_[static_cast<size_t>(i)] : int16_t{0};
    }
    void SetOpt(int i, int v) {
        if (i >= 0 && i < 186) options_[static_cast<size_t>(i)] = static_cast<int16_t>(v);
    }
    // Anchors: lefts as stored, tops minus the scroll offset (entry 90).
    int DestLeft(int i) const { return Opt(opt::kDestLeft + i); }
    int DestTop(int i) const { return Opt(opt::kDestTop + i) - Opt(opt::kScroll); }
    void SetDestLeft(int i, int v) { SetOpt(opt::kDestLeft + i, v); }
    void SetDestTop(int i, int v) { SetOpt(opt::kDestTop + i, v); }
    int AppoggLeft(int i) const { return Opt(opt::kAppoggLeft + i); }
    int AppoggTop(int i) const { return Opt(opt::kAppoggTop + i) - Opt(opt::kScroll); }
    void SetAppoggLeft(int i, int v) { SetOpt(opt::kAppoggLeft + i, v); }
    void SetAppoggTop(int i, int v) { SetOpt(opt::kAppoggTop + i, v); }
    // Stock-side piles: 0 "Mazzo", 1 "Mazzo_Vis", 2 "Waste".
    int StockLeft(int i) const { return Opt(opt::kStockLeft + i); }
    int StockTop(int i) const { return Opt(opt::kStockTop + i) - Opt(opt::kScroll); }
    void SetStockLeft(int i, int v) { SetOpt(opt::kStockLeft + i, v); }
    void SetStockTop(int i, int v) { SetOpt(opt::kStockTop + i, v); }

    void ClearOptions() { options_.fill(0); }
    bool operator==(const OptionTable&) const = default;

private:
    std::array<int16_t, 186> options_{};
};

// The option table of the program's game (core/game.h) and, apart from it,
// the game catalogue, which is no play state.
class TMainGame {
public:
    explicit constexpr TMainGame(OptionTable& options) : options_(&options) {}
    TMainGame(const TMainGame&) = delete;
    TMainGame& operator=(const TMainGame&) = delete;

    int16_t Opt(int i) const { return options_->Opt(i); }
    void SetOpt(int i, int v) { options_->SetOpt(i, v); }
    int DestLeft(int i) const { return options_->DestLeft(i); }
    int DestTop(int i) const { return options_->DestTop(i); }
    void SetDestLeft(int i, int v) { options_->SetDestLeft(i, v); }
    void SetDestTop(int i, int v) { options_->SetDestTop(i, v); }
    int AppoggLeft(int i) const { return options_->AppoggLeft(i); }
    int AppoggTop(int i) const { return options_->AppoggTop(i); }
    void SetAppoggLeft(int i, int v) { options_->SetAppoggLeft(i, v); }
    void SetAppoggTop(int i, int v) { options_->SetAppoggTop(i, v); }
    int StockLeft(int i) const { return options_->StockLeft(i); }
    int StockTop(int i) const { return options_->StockTop(i); }
    void SetStockLeft(int i, int v) { options_->SetStockLeft(i, v); }
    void SetStockTop(int i, int v) { options_->SetStockTop(i, v); }
    void ClearOptions() { options_->ClearOptions(); }
    OptionTable& Options() { return *options_; }
    const OptionTable& Options() const { return *options_; }

    std::vector<std::string> catalogue;  // one line per game (catalogue layout)
    std::vector<std::string> second;

private:
    OptionTable* options_;
};

extern TMainGame MainGame;

// Option entry `entry`; 0 for a number outside the table.
inline int Opt(int entry) {
    return MainGame.Opt(entry);
}

// Positions of GameFlags.
namespace flag {
constexpr int kCloseRefused = 0;
constexpr int kInProgress = 2;
constexpr int kClockRuns = 3;
constexpr int kFirstActivation = 4;
constexpr int kDoubleClick = 5;
constexpr int kWinAnimation = 6;
constexpr int kStockOperation = 7;
constexpr int kFinished = 8;
constexpr int kEnded = 9;
}  // namespace flag

// The flags of the program's game; Flag(g, i) in core/game.h reads any game's.
bool Flag(int i);
void SetFlag(int i, bool on);
// A flag of a given game's flags.
inline bool Flag(const std::array<uint8_t, 16>& flags, int i) {
    return flags[static_cast<size_t>(i)] != 0;
}

// Fills the card register (all cards face up) and empties everything else:
// the state of a program that has just started.
void ResetGameState(Game& g);
// 108 lines of 20 characters: name (15), suit digit, code (3), face flag.
void FillCardRegister(Game& g);

// Sets every pile anchor to its not-on-the-table marker.
void ResetPileAnchors(Game& g);

}  // namespace bw
