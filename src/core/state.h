#pragma once
// The game state's types: pile lists, the rule table, the option table,
// the game flags' positions, and the game catalogue. The game itself is a
// value, `Game` in core/game.h, and every engine function receives it.
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

// A pile: its kind and its index in the kind's list (on the stock side
// 0 "Mazzo", 1 "Mazzo_Vis", 2 "Waste").
struct PileId {
    PileKind kind = kNoPile;
    int index = -1;
    bool operator==(const PileId&) const = default;
};

using PileList = std::vector<std::string>;

struct PileSet {
    PileList mazzo = PileList(3);
    PileList fila = PileList(40);
    PileList dest = PileList(16);
    PileList appogg = PileList(10);
    bool operator==(const PileSet&) const = default;
};

// 489 signed 16-bit rule entries of a game, named in rule::.
using RuleTable = std::array<int16_t, 489>;

// Entry `entry` of a rule table; 0 for a number outside the table.
inline int Rule(const RuleTable& rules, int entry) {
    return entry >= 0 && entry < static_cast<int>(rules.size()) ? rules[static_cast<size_t>(entry)]
                                                                : 0;
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

// The game catalogue: the registry of the games there are, no play state.
struct TMainGame {
    std::vector<std::string> catalogue;  // one line per game (catalogue layout)
    std::vector<std::string> second;
};

extern TMainGame MainGame;
// Empties the catalogue: a run starts without one until GAMES.DAT is read.
void ForgetCatalogue();

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

// A flag of a given game's flags.
inline bool Flag(const std::array<uint8_t, 16>& flags, int i) {
    return flags[static_cast<size_t>(i)] != 0;
}

// Fills the card register (all cards face up) and empties everything else
// of the game: the game of a program that has just started. The catalogue is
// not the game's and stays.
void ResetGameState(Game& g);
// 108 lines of 20 characters: name (15), suit digit, code (3), face flag.
void FillCardRegister(Game& g);

// Sets every pile anchor to its not-on-the-table marker.
void ResetPileAnchors(Game& g);

}  // namespace bw
