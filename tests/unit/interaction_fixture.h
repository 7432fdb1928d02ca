#pragma once
// A table for the drag, shortcut and selection tests: the real press hooks
// installed, recording drawing, window and game-end ports, and small rule
// tables (a Klondike-like game, a FreeCell-like game with reserve cells).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/game_status.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/drag.h"
#include "interaction/press.h"
#include "interaction/wiring.h"
#include "support/program_game.h"
#include "support/recording_table.h"
#include "support/recording_window.h"
#include "support/test_support.h"

namespace bw::test {

inline CardCode Hearts(int r) {
    return r;
}
inline CardCode Diamonds(int r) {
    return 13 + r;
}
inline CardCode Clubs(int r) {
    return 26 + r;
}
inline CardCode Spades(int r) {
    return 39 + r;
}

inline std::string Cards(std::initializer_list<CardCode> codes) {
    std::string s;
    for (CardCode c : codes) s += FormatCode(c);
    return s;
}

class RecordingGame : public IGameHooks {
public:
    int ends = 0;
    int ticks = 0;
    bool EndGame(Game& /*g*/) override {
        ++ends;
        SetFlag(ProgramGame(), flag::kInProgress, false);
        return true;
    }
    void ClockTick(Game&) override { ++ticks; }
};

class InteractionTest : public ::testing::Test {
protected:
    CoreFixture fx;
    RecordingTable table;
    RecordingWindow window;
    RecordingGame game;

    InteractionTest() {
        InstalledPorts().SetTable(&table);
        SetGameCommands(ProgramGame(), true);
        InstalledPorts().SetWindow(&window);
        InstalledPorts().game = &game;
        InstallInteractionHooks();
        ResetPileAnchors(ProgramGame());
        ProgramGame().CardWidth = 71;
        ProgramGame().CardHeight = 96;
        ProgramGame().OffsetTable = {};
        ProgramGame().pointer.PeekCard = {};
        ProgramGame().Options.SetOpt(64, 18);
        ProgramGame().Options.SetOpt(66, 4);
        // Glides on, no shadows or cascade shifts: drawing positions stay plain.
        SetParameter(67, 1, "Y");
        SetParameter(178, 1, "N");
        SetParameter(179, 1, "N");
        SetParameter(172, 2, "10");
        SetFlag(ProgramGame(), flag::kInProgress, true);
        ProgramGame().Options.SetOpt(91, 2);
        ProgramGame().Options.SetOpt(73, 1);
    }
    ~InteractionTest() override {
        Install<IPressHooks>(nullptr);
        InstalledPorts().memory = nullptr;
    }

    static void Foundation(int i, int left, int top) {
        ProgramGame().GameRules[static_cast<size_t>(52 + i)] = 1;  // from the ace
        ProgramGame().GameRules[static_cast<size_t>(68 + i)] = 1;  // upwards
        ProgramGame().GameRules[static_cast<size_t>(84 + i)] = 0;  // in suit
        ProgramGame().Options.SetDestLeft(i, left);
        ProgramGame().Options.SetDestTop(i, top);
    }
    static void Tableau(int i, int left, int top, int emptyRule) {
        ProgramGame().GameRules[static_cast<size_t>(132 + i)] = static_cast<int16_t>(emptyRule);
        ProgramGame().GameRules[static_cast<size_t>(172 + i)] = 0;  // downwards
        ProgramGame().GameRules[static_cast<size_t>(212 + i)] = 3;  // alternate colours
        ProgramGame().FilaLeft[static_cast<size_t>(i)] = static_cast<int16_t>(left);
        ProgramGame().FilaTop[static_cast<size_t>(i)] = static_cast<int16_t>(top);
    }

    // Four foundations in a row at y 10 (x 400, 500, 600, 700), the stock and
    // "Mazzo_Vis" at (10, 10) and (110, 10), tableau piles at y 200, 100
    // apart from x 100; empty piles take kings; runs of any length move.
    void Klondike(int piles = 4) {
        ProgramGame().GameRules[3] = 1;
        ProgramGame().GameRules[2] = 1;
        ProgramGame().GameRules[13] = -1;
        ProgramGame().GameRules[32] = 13;
        ProgramGame().GameRules[33] = -1;
        ProgramGame().GameRules[367] = 4;
        ProgramGame().GameRules[368] = static_cast<int16_t>(piles);
        ProgramGame().GameRules[369] = 0;
        ProgramGame().GameRules[10] = 1;
        ProgramGame().GameRules[22] = 1;
        for (int i = 0; i < 4; ++i) Foundation(i, 400 + 100 * i, 10);
        for (int i = 0; i < piles; ++i) Tableau(i, 100 + 100 * i, 200, 13);
        ProgramGame().Options.SetStockLeft(0, 10);
        ProgramGame().Options.SetStockTop(0, 10);
        ProgramGame().Options.SetStockLeft(1, 110);
        ProgramGame().Options.SetStockTop(1, 10);
    }

    // As Klondike, with four free cells at y 400 (x 100 .. 400) and any card
    // on an empty pile.
    void FreeCell() {
        Klondike();
        ProgramGame().GameRules[369] = 4;
        ProgramGame().GameRules[13] = -5;
        for (int i = 0; i < 4; ++i) {
            ProgramGame().GameRules[static_cast<size_t>(132 + i)] = -1;
            ProgramGame().GameRules[static_cast<size_t>(332 + i)] = 0;
            ProgramGame().Options.SetAppoggLeft(i, 100 + 100 * i);
            ProgramGame().Options.SetAppoggTop(i, 400);
        }
    }

    static void Down(std::initializer_list<CardCode> codes) {
        for (CardCode c : codes) SetFaceFlag(ProgramGame().CardRegister, c, '0');
    }

    // Press at (x, y), move to (x + dx, y + dy), release.
    static void DragBy(int x, int y, int dx, int dy) {
        PointerPress(ProgramGame(), MouseButton::kLeft, 0, x, y);
        PointerMove(ProgramGame(), x + dx, y + dy);
        PointerRelease(ProgramGame(), MouseButton::kLeft);
    }
};

}  // namespace bw::test
