#pragma once
// One game as a value: the table, the rules, the play state and the
// history, owned by one object that can be copied, assigned and compared.
// A copy is a whole game; playing on one leaves the other untouched.
//
// Engine functions take the game they work on as their first argument
// (`Game& g`, or `const Game&` to read) and reach no other, and so do the
// pointer handlers and the drawing. There is no global game: the program's
// main makes one for the run and hands it to the window.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/card_positions.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/memory_log.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/pointer_state.h"
#include "core/state.h"
#include "core/stock_moves.h"

namespace bw {

// The values of the running game, each held as the text its field of the
// parameter block held (see SetValue): the score is six characters and may be
// negative or asterisks; an id or a mark is its digits as stored.
struct GameValues {
    std::string score;
    std::string number;  // the deal number, digits or a daily date
    std::string id;
    std::string name;
    std::string player;
    std::string file;      // a per-game file that the end of the game deletes
    std::string undoMode;  // "2": no undo in this game; else the player's choice
    std::string startMarkA, startMarkB, startMarkC, startMarkD;
    std::string newGameMarkA, newGameMarkB, newGameMarkC;

    bool operator==(const GameValues&) const = default;
};

// Sets one value with the cut of its field.
inline void SetValue(std::string& value, ParamField f, std::string_view text) {
    value = FieldText(f, text);
}

struct Game {
    // The table: "Mazzo", "Mazzo_Vis", "Waste"; the tableau, foundations and
    // reserve cells; the trial copy; the card register (faces).
    PileList MazzoPiles = PileList(3);
    PileList FilaPiles = PileList(40);
    PileList DestPiles = PileList(16);
    PileList AppoggPiles = PileList(10);
    PileSet SavedPiles;
    std::vector<std::string> CardRegister;

    // The rules of the game in play and its option table; the rule entries a
    // game changes while it is played are kept here to be put back.
    RuleTable GameRules{};
    OptionTable Options;
    std::array<int16_t, 40> keptTableau{};
    std::array<int16_t, 16> keptFoundation{};

    // Geometry drawn for this deal, at the card size in force (set by the
    // card images when a card set is chosen; 71 x 96 is the size "B").
    int CardWidth = 71;
    int CardHeight = 96;
    std::array<int16_t, 40> FilaLeft{};
    std::array<int16_t, 40> FilaTop{};
    std::array<int16_t, 40> TableauPileFamily = [] {
        std::array<int16_t, 40> a{};
        a.fill(1);
        return a;
    }();
    OffsetRows OffsetTable{};

    // Play state.
    GameValues values;
    std::array<uint8_t, 16> GameFlags{};
    std::array<int64_t, 2> GameTimes{};
    int64_t pausedAt = -1;  // time of day the clock was paused at; -1: running
    int RunningCount = 0;
    bool movingStackSingle = true;
    StockEffects stockEffects;
    PointerState pointer;
    GameStatus status;
    MemoryLog memoryLog;
    // Cards of a missed pair are face up until the turn-back pause ends.
    bool turningBack = false;
    // The end of the game is being shown: input that reaches the table
    // meanwhile (an accessible press bypasses the result dialog's modality)
    // must not end it a second time.
    bool ending = false;
    // A match's game, played by the window's seats: however it ends (the
    // last pair, a new deal, the player quitting) it is not recorded in the
    // player's results and opens no end dialog, for the seats keep records
    // of their own. Not part of the game's text: a match is never resumed.
    bool inMatch = false;
    std::string caption;               // the window caption as last set
    std::string jokerText, jokerSuit;  // the joker caption on the screen

    // Undo and redo.
    HistoryLists UndoLists;
    HistoryLists RedoLists;
    std::string UndoMarks;
    std::string RedoMarks;

    bool operator==(const Game&) const = default;
};

// The rule entry, option entry and flag readers of one game.
inline int Rule(const Game& g, int entry) {
    return Rule(g.GameRules, entry);
}
// A number outside the table is ignored.
inline void SetRule(Game& g, int entry, int value) {
    if (entry >= 0 && entry < static_cast<int>(g.GameRules.size()))
        g.GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
}
inline int RuleCount(const Game& g, int entry, int max) {
    return std::clamp(Rule(g, entry), 0, max);
}
inline int TableauCount(const Game& g) {
    return RuleCount(g, rule::kFilas, 40);
}
inline int Opt(const Game& g, int entry) {
    return g.Options.Opt(entry);
}
// A tableau anchor's top less the scroll offset.
inline int FilaTopOnScreen(const Game& g, int i) {
    return g.FilaTop[static_cast<size_t>(i)] - g.Options.Opt(opt::kScroll);
}
// The game id, or `def` when it is not a number.
inline int GameId(const Game& g, int def = -1) {
    return static_cast<int>(TextInt(g.values.id, def));
}
inline int ScoreValue(const Game& g) {
    return static_cast<int>(TextInt(g.values.score, 0));
}
inline bool Flag(const Game& g, int i) {
    return g.GameFlags[static_cast<size_t>(i)] != 0;
}
inline void SetFlag(Game& g, int i, bool on) {
    g.GameFlags[static_cast<size_t>(i)] = on ? 1 : 0;
}

}  // namespace bw
