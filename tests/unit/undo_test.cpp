#include "interaction/undo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "core/game.h"
#include "core/game_text.h"
#include "core/history.h"
#include "core/memory_log.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/rules.h"
#include "core/score.h"
#include "core/state.h"
#include "core/stock_moves.h"
#include "support/engine_fakes.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

std::string Pile(std::initializer_list<int> codes, char face = '1') {
    std::string s;
    for (int c : codes) {
        s += FormatCode(c);
        if (c >= 1) SetFaceFlag(ProgramGame().CardRegister, c, face);
    }
    return s;
}

// Everything a step must bring back: the four pile lists and every face flag.
struct Table {
    PileList mazzo, fila, dest, appogg;
    std::string faces;
    bool operator==(const Table&) const = default;
};

Table Snapshot() {
    Table t{ProgramGame().MazzoPiles,
            ProgramGame().FilaPiles,
            ProgramGame().DestPiles,
            ProgramGame().AppoggPiles,
            {}};
    for (CardCode c = 1; c <= 108; ++c) t.faces += FaceFlag(ProgramGame().CardRegister, c);
    return t;
}

class UndoTest : public ::testing::Test {
protected:
    test::CoreFixture fx;
    test::EngineTable table;
    test::EngineWindow window;
    std::string& stock = ProgramGame().MazzoPiles[0];
    std::string& turned = ProgramGame().MazzoPiles[1];
    std::string& waste = ProgramGame().MazzoPiles[2];

    UndoTest() {
        InstalledPorts().SetTable(&table);
        InstalledPorts().SetWindow(&window);
        SetFlag(ProgramGame(), flag::kInProgress, true);
    }
    static void Rule(int entry, int value) {
        ProgramGame().GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
    }
    static std::string& Fila(int n) { return ProgramGame().FilaPiles[static_cast<size_t>(n - 1)]; }
    // A Klondike-like table: stock, turned cards, tableau with face-down cards.
    void Klondike() {
        Rule(367, 4);
        Rule(368, 7);
        Rule(22, 1);
        Rule(15, -1);
        Rule(7, 1);
        ProgramGame().Options.SetOpt(73, 1);
        for (int i = 1; i <= 7; ++i) Rule(291 + i, 1);
        stock = Pile({30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}, '0');
        Fila(1) = Pile({1});
        Fila(2) = Pile({2, 15}, '0');
        SetFaceFlag(ProgramGame().CardRegister, 15, '1');
        Fila(3) = Pile({3, 16, 29}, '0');
        SetFaceFlag(ProgramGame().CardRegister, 29, '1');
        ProgramGame().DestPiles[0] = Pile({14});
    }
};

// ---- The history store ----------------------------------------------------------

TEST_F(UndoTest, PileImages) {
    SetFaceFlag(ProgramGame().CardRegister, 7, '0');
    SetFaceFlag(ProgramGame().CardRegister, 12, '1');
    EXPECT_EQ(PileImage(ProgramGame(), "007"), "0070");
    EXPECT_EQ(PileImage(ProgramGame(), "000"), "0000");
    EXPECT_EQ(PileImage(ProgramGame(), "012000007"), "012100000070");
    EXPECT_EQ(PileImage(ProgramGame(), ""), "");
    // Back from an image: codes and face flags.
    SetFaceFlag(ProgramGame().CardRegister, 7, '1');
    SetFaceFlag(ProgramGame().CardRegister, 12, '0');
    EXPECT_EQ(PileFromImage(ProgramGame(), "012100000070"), "012000007");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 12), '1');
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 7), '0');
}

TEST_F(UndoTest, DroppingFromAnEmptyHistoryChangesNothing) {
    DropNewestSteps(ProgramGame(), 1);
    DropNewestSteps(ProgramGame(), 5);
    DropSecondNewestSteps(ProgramGame(), 3);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    for (const auto& l : ProgramGame().UndoLists) EXPECT_TRUE(l.empty());
    EXPECT_EQ(ProgramGame().UndoMarks, "");
    // One step and more drops than steps: the step goes, nothing breaks.
    RecordStep(ProgramGame(), 1);
    DropNewestSteps(ProgramGame(), 3);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(ProgramGame().UndoMarks, "");
    // The second-newest drop never takes the only step.
    RecordStep(ProgramGame(), 1);
    DropSecondNewestSteps(ProgramGame(), 2);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

TEST_F(UndoTest, RecordingWritesTheStepFlagsAndSkipsTheSelection) {
    SetValue(ProgramGame().values.newGameMarkA, field::kNewGameMarkA, "1");
    SetValue(ProgramGame().values.newGameMarkB, field::kNewGameMarkB, "1");
    Rule(39, 10);  // a selection game: Dest1 is the selection
    ProgramGame().DestPiles[0] = Pile({5, 6});
    ProgramGame().DestPiles[1] = Pile({7});
    RecordStep(ProgramGame(), 1);
    EXPECT_EQ(ProgramGame().values.newGameMarkA, "0");
    EXPECT_EQ(ProgramGame().values.newGameMarkB, "1");
    EXPECT_EQ(ProgramGame().UndoLists[1][0], "");
    EXPECT_EQ(ProgramGame().UndoLists[1][1], "0071");
    EXPECT_EQ(ProgramGame().UndoMarks, ",");
    RecordStep(ProgramGame(), 0);
    EXPECT_EQ(ProgramGame().values.newGameMarkB, "0");
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 1);
    RecordStep(ProgramGame(), 0, true);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

TEST_F(UndoTest, MarksMergeAndCount) {
    std::string m = ",002,,001";
    MergeMarks(m);
    EXPECT_EQ(m, ",002,001");
    EXPECT_EQ(CountMarks(",002,002001,", 2), 2);
    EXPECT_EQ(CountMarks(",002,002001,", 1), 1);
    EXPECT_EQ(CountMarks("", 2), 0);
    m = ",005";
    MergeMarks(m);
    EXPECT_EQ(m, "");
    RecordStep(ProgramGame(), 1);
    MarkStep(ProgramGame(), 2);
    EXPECT_EQ(ProgramGame().UndoMarks, ",002");
}

TEST_F(UndoTest, EightPileStockPressLeavesOneMarkedStep) {
    Klondike();
    Rule(368, 8);
    Rule(299, 1);
    const Table before = Snapshot();
    // Stock mode 10: eight numbered deals, merged and marked as a deal step.
    int dealt = 0;
    for (int n = 1; n <= 8; ++n)
        dealt += ExecuteStockOperation(ProgramGame(), n, StockOp(MoveOp::kAddTableau, n)) ? 1 : 0;
    ASSERT_EQ(dealt, 8);
    ASSERT_EQ(StepCount(ProgramGame().UndoLists), 8);
    DropSecondNewestSteps(ProgramGame(), dealt - 1);
    MarkStep(ProgramGame(), 2);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().UndoMarks, ",002");
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 1);
    // The step that survives is the table before the press.
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UndoTest, TableauAndReserveDealMergeIntoOneStep) {
    Klondike();
    Rule(369, 2);
    Rule(342, 5);
    Rule(343, 5);
    RecordStep(ProgramGame(), 1);  // an earlier move
    const Table before = Snapshot();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 1, StockOp(MoveOp::kAddTableaus)));
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 1, StockOp(MoveOp::kAddReserves)));
    DropNewestSteps(ProgramGame(), 1);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 2);
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

// ---- The commands ------------------------------------------------------------------

TEST_F(UndoTest, UndoAndRedoRestoreTheTableExactly) {
    Klondike();
    std::vector<Table> states{Snapshot()};
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    states.push_back(Snapshot());
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kAddTableaus)));
    states.push_back(Snapshot());
    // A move of the common sequence: step first, then the change.
    RecordStep(ProgramGame(), 1);
    TakeCardAnywhere(ProgramGame(), 29, 1);
    AppendCard(ProgramGame(), ProgramGame().DestPiles, 1, 29, Face::kUp);
    SetFaceFlag(ProgramGame().CardRegister, 16, '1');
    states.push_back(Snapshot());

    for (int i = 2; i >= 0; --i) {
        ASSERT_TRUE(UndoCommand(ProgramGame())) << i;
        EXPECT_EQ(Snapshot(), states[static_cast<size_t>(i)]) << i;
    }
    EXPECT_FALSE(UndoCommand(ProgramGame()));
    EXPECT_EQ(fx.dialogs.beeps, 1);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 3);
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(RedoCommand(ProgramGame())) << i;
        EXPECT_EQ(Snapshot(), states[static_cast<size_t>(i)]) << i;
    }
    EXPECT_FALSE(RedoCommand(ProgramGame()));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 3);
    // Undo once more after the redos: the same table as before.
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), states[2]);
}

// A copy is a whole game: playing on the program's game leaves the copy as it
// was, and assigning the copy back brings table, rules, flags and history back.
TEST_F(UndoTest, AGameIsAValue) {
    Klondike();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    const Table onTable = Snapshot();
    const Game before = ProgramGame();
    Game copy = ProgramGame();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kAddTableaus)));
    RecordStep(ProgramGame(), 1);
    TakeCardAnywhere(ProgramGame(), 29, 1);
    AppendCard(ProgramGame(), ProgramGame().DestPiles, 1, 29, Face::kUp);
    SetFlag(ProgramGame(), flag::kFinished, true);
    ProgramGame().Options.SetOpt(opt::kMisses, 3);
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_NE(ProgramGame(), before);
    EXPECT_EQ(copy, before);

    ProgramGame() = copy;
    EXPECT_EQ(ProgramGame(), before);
    EXPECT_EQ(Snapshot(), onTable);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    // The bound names reach the assigned game: its undo goes on working.
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(copy, before);
}

// Two games played side by side through the functions that take a Game: each
// step, undo and rule reset works on its own game's table, face flags and
// history, and neither the other game nor the program's game moves.
TEST_F(UndoTest, TwoGamesPlayedSideBySide) {
    Klondike();
    Game a = ProgramGame();
    Fila(1) = Pile({5, 6}, '0');
    Game b = ProgramGame();
    const Game program = ProgramGame(), aBefore = a, bBefore = b;
    ASSERT_NE(a, b);

    RecordStep(a, 1);
    a.FilaPiles[1] = FormatCode(2);  // the face-down 15 goes up to a foundation
    SetFaceFlag(a.CardRegister, 15, '1');
    a.DestPiles[0] += FormatCode(15);
    RecordStep(a, 1);
    MarkStep(a, 2);
    a.FilaPiles[0].clear();
    NoteCardTurned(a, 15);
    SetMovingStackSingle(a, false);
    SaveRuleBases(a);
    a.GameRules[rule::kEmptyFila1] = 9;
    RestoreRuleBases(a);
    EXPECT_EQ(a.GameRules, aBefore.GameRules);
    EXPECT_EQ(a.UndoMarks, ",,002");

    // Undo brings 15 back face down, into a's register only.
    ASSERT_TRUE(PopStepInto(a, a.UndoLists, a.UndoMarks));
    EXPECT_EQ(a.DestPiles[0], FormatCode(14) + FormatCode(15));
    EXPECT_EQ(a.FilaPiles[0], aBefore.FilaPiles[0]);
    ASSERT_TRUE(PopStepInto(a, a.UndoLists, a.UndoMarks));
    EXPECT_EQ(a.FilaPiles, aBefore.FilaPiles);
    EXPECT_EQ(a.DestPiles, aBefore.DestPiles);
    EXPECT_EQ(a.CardRegister, aBefore.CardRegister);
    EXPECT_EQ(StepCount(a.UndoLists), 0);
    EXPECT_EQ(a.memoryLog.seenInTurn[15], 0);  // undo does not forget a seen card
    EXPECT_FALSE(MovingStackIsSingle(a));

    EXPECT_EQ(SaveGameText(b), SaveGameText(bBefore));
    EXPECT_EQ(ProgramGame(), program);
    RecordStep(b, 1);
    ClearHistory(a, true);
    EXPECT_EQ(StepCount(b.UndoLists), 1);
    EXPECT_EQ(ProgramGame(), program);
}

// The checksum SaveGameText ends with, to make damaged texts that pass it.
std::string Resummed(std::string text) {
    text.resize(text.rfind("sum "));
    uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return text + "sum " + hex + "\n";
}

TEST_F(UndoTest, GameTextRoundTripAndHostileTexts) {
    Klondike();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    ProgramGame().status.score = "12\\3\nx";  // escapes survive
    ProgramGame().CardWidth = 60;
    ProgramGame().CardHeight = 81;
    const std::string text = SaveGameText(ProgramGame());
    Game loaded;
    std::string error;
    ASSERT_TRUE(LoadGameText(text, loaded, error)) << error;
    Game program = ProgramGame();
    program.values = {};  // kept beside the text, not in it
    EXPECT_EQ(loaded, program);
    EXPECT_EQ(SaveGameText(loaded), text);

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return Resummed(t.replace(at, from.size(), to));
    };
    // A text of the version before the card size was kept reads at the
    // standard size, everything else as written.
    {
        std::string old = replaced("Brindlewick game 2\n", "Brindlewick game 1\n");
        for (const char* line : {"CardWidth 1 60\n", "CardHeight 1 81\n"})
            old.erase(old.find(line), std::strlen(line));
        Game fromOld;
        ASSERT_TRUE(LoadGameText(Resummed(old), fromOld, error)) << error;
        EXPECT_EQ(std::make_pair(fromOld.CardWidth, fromOld.CardHeight), std::make_pair(71, 96));
        fromOld.CardWidth = 60;
        fromOld.CardHeight = 81;
        EXPECT_EQ(fromOld, loaded);
    }
    const Game untouched = loaded;
    const std::vector<std::pair<std::string, std::string>> hostile = {
        {text.substr(0, text.size() / 2), "cut short"},
        {text.substr(0, text.size() - 1), "cut short"},
        {std::string(), "cut short"},
        {"Brindlewick game 3" + text.substr(text.find('\n')), "another version"},
        {"Brindlewick game 0" + text.substr(text.find('\n')), "another version"},
        {replaced("CardHeight 1 81", "CardHeight 1 0"), "out of range"},
        {"garbage\n" + text, "not a saved game"},
        {text.substr(0, 60) + "X" + text.substr(61), "checksum"},
        {replaced("|" + ProgramGame().MazzoPiles[0].substr(0, 3), "|109"), "out of range"},
        {replaced("|" + ProgramGame().MazzoPiles[0].substr(0, 3), "|0a1"), "out of range"},
        {replaced("UndoStock 3", "UndoStock 99999999999"), "count is out of range"},
        {replaced("UndoStock 3", "UndoStock 2999999"), "wrong length"},
        {replaced("GameFlags 16 ", "GameFlags 16 256 "), "out of range"},
        {replaced("GameRules 489", "GameRules 490"), "wrong length"},
        {replaced("\nsum", "\nextra\nsum"), "followed by more"},
        {replaced("RunningCount 1 0", "RunningCount 1 0x"), "damaged"},
    };
    for (const auto& [bad, why] : hostile) {
        error.clear();
        EXPECT_FALSE(LoadGameText(bad, loaded, error)) << why;
        EXPECT_NE(error.find(why), std::string::npos) << error << " / " << why;
        EXPECT_EQ(loaded, untouched) << why;
    }
}

TEST_F(UndoTest, MarksTravelWithTheirStep) {
    Klondike();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 1, StockOp(MoveOp::kAddTableaus)));
    MarkStep(ProgramGame(), 2);
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    EXPECT_EQ(ProgramGame().UndoMarks, ",002,");
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 0);  // the deal no longer counts
    EXPECT_EQ(ProgramGame().RedoMarks, ",,002");
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    EXPECT_EQ(ProgramGame().UndoMarks, ",002");
    EXPECT_EQ(ProgramGame().RedoMarks, ",");
}

TEST_F(UndoTest, RestoringRepaintsScoresAndJudgesTheTable) {
    Klondike();
    SetParameter(120, 2, "01");
    Rule(371, 52);
    RecordStep(ProgramGame(), 1);
    // The last card goes to a foundation and the game is finished.
    TakeCardAnywhere(ProgramGame(), 1, 1);
    AppendCard(ProgramGame(), ProgramGame().DestPiles, 0, 1, Face::kUp);
    SetFlag(ProgramGame(), flag::kFinished, true);
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
    // Rebuilt from the background and shown once, not drawn over.
    EXPECT_EQ(table.Count("redraw"), 1);
    EXPECT_EQ(table.Count("repaint") + table.Count("show"), 0);
    ASSERT_FALSE(window.scores.empty());
    bool shown = true;
    EXPECT_EQ(window.scores.back(), std::to_string(ComputeScore(ProgramGame(), shown)));
    EXPECT_EQ(ProgramGame().values.score, window.scores.back());
}

TEST_F(UndoTest, RefusedWhileNoGameRunsOrCardsAreHeld) {
    Klondike();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    const Table after = Snapshot();
    SetFlag(ProgramGame(), flag::kInProgress, false);
    EXPECT_FALSE(CanUndo(ProgramGame()));
    EXPECT_FALSE(UndoCommand(ProgramGame()));
    SetFlag(ProgramGame(), flag::kInProgress, true);
    ProgramGame().Options.SetOpt(94, 30);
    EXPECT_FALSE(UndoCommand(ProgramGame()));
    ProgramGame().Options.SetOpt(94, 0);
    SetValue(ProgramGame().values.undoMode, field::kUndoMode, "2");
    EXPECT_FALSE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), after);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(fx.dialogs.beeps, 0);
    SetValue(ProgramGame().values.undoMode, field::kUndoMode, "0");
    EXPECT_TRUE(CanUndo(ProgramGame()));
    EXPECT_FALSE(CanRedo(ProgramGame()));
    EXPECT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_TRUE(CanRedo(ProgramGame()));
}

TEST_F(UndoTest, SoundsUnderTheirSwitches) {
    Klondike();
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kTurnStock)));
    SetParameter(141, 1, "Y");
    SetParameter(151, 1, "Y");
    SetParameter(146, 1, "N");
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"card_down"});
    SetParameter(146, 1, "Y");
    SetParameter(141, 1, "N");
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    EXPECT_EQ(fx.sound.played.size(), 1u);
    SetParameter(141, 1, "Y");
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    EXPECT_EQ(fx.sound.played.back(), "card_up");
}

TEST_F(UndoTest, EnablingFollowsTheUndoSetting) {
    SetUndoEnabled(ProgramGame(), true);
    SetUndoEnabled(ProgramGame(), false);
    SetValue(ProgramGame().values.undoMode, field::kUndoMode, "2");
    SetUndoEnabled(ProgramGame(), true);
    EXPECT_EQ(window.undoEnabled, (std::vector<bool>{true, false, false}));
}

// A "Concentration" grid: the pair flow of the memory play, then undo.
TEST_F(UndoTest, MemoryGridComesBackExactlyButMissesStay) {
    Rule(51, 39);
    Rule(3, 9);
    Rule(368, 2);
    Fila(1) = Pile({7, 20, 33}, '0');
    Fila(2) = Pile({59, 46, 8}, '0');
    ProgramGame().Options.SetOpt(99, 2);  // two misses so far
    const Table start = Snapshot();

    // First card up.
    RecordStep(ProgramGame(), 1);
    SetFaceFlag(ProgramGame().CardRegister, 7, '1');
    const Table oneUp = Snapshot();
    // Second card up matches (two sevens): both leave, holes stay.
    RecordStep(ProgramGame(), 1);
    SetFaceFlag(ProgramGame().CardRegister, 20, '1');  // (a 7 of diamonds)
    for (CardCode d : {7, 20}) {
        RecordStep(ProgramGame(), 1);
        TakeCardAnywhere(ProgramGame(), d, 2);
        AppendCard(ProgramGame(), ProgramGame().MazzoPiles, 2, d, Face::kUp);
        DropNewestSteps(ProgramGame(), 1);
    }
    UpdateScore(ProgramGame());
    EXPECT_EQ(ProgramGame().values.score, std::to_string(-52 - 2 + 7));
    EXPECT_EQ(Fila(1), "000000033");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 2);
    // A miss later on.
    ProgramGame().Options.SetOpt(99, 3);

    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), oneUp);
    EXPECT_EQ(ProgramGame().Options.Opt(99), 3);
    EXPECT_EQ(ProgramGame().values.score, std::to_string(-52 - 3));
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Snapshot(), start);
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    ASSERT_TRUE(RedoCommand(ProgramGame()));
    EXPECT_EQ(Fila(1), "000000033");
    EXPECT_EQ(waste, "007020");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 33), '0');
    EXPECT_EQ(ProgramGame().values.score, std::to_string(-52 - 3 + 7));
}

TEST_F(UndoTest, SelectionIsClearedNotRestored) {
    Rule(51, 3);
    Rule(368, 2);
    Fila(1) = Pile({5, 9});
    ProgramGame().DestPiles[0] = FormatCode(9);
    RecordStep(ProgramGame(), 1);
    TakeCardAnywhere(ProgramGame(), 9, 1);
    AppendCard(ProgramGame(), ProgramGame().MazzoPiles, 2, 9, Face::kUp);
    ProgramGame().DestPiles[0] = FormatCode(5);
    ASSERT_TRUE(UndoCommand(ProgramGame()));
    EXPECT_EQ(Fila(1), "005009");
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(waste, "");
}

}  // namespace
}  // namespace bw
