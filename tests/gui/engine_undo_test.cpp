// Undo and Redo through the main window's commands in the shipped games:
// one step of play is taken back exactly and done again where the game has
// undo; the pairing and sequence games offer none.
#include "engine_play_support.h"

#include "core/game.h"
#include "interaction/undo.h"
#include "platform/ini.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

struct ShippedGame {
    int id;
    const char* name;
};

class ShippedUndo : public EnginePlay, public ::testing::WithParamInterface<ShippedGame> {
protected:
    // "Forget me not" is played from its placing phase: the memorise phase
    // ends (models hidden, twins dealt) before the table is taken as dealt,
    // since Undo never shows the hidden models again.
    void Prepare() {
        if (GetParam().id != 205) return;
        clock.Advance(11000);
        window.Timer1Timer();
    }
    // One step of play: a twin dragged under the first model in "Forget me
    // not", the ace turned up in "Ace-To-King" (any other card would turn
    // back at once), the first face-down card of the grid in the others.
    void PlayOneStep() {
        if (GetParam().id == 205) {
            for (int r = 10; r < ProgramGame().GameRules[368]; ++r) {
                const std::string name = "Fila" + std::to_string(r + 1);
                if (ProgramGame().FilaPiles[static_cast<size_t>(r)].empty()) continue;
                ASSERT_TRUE(DragOnto(AnchorOf(name), "Fila1"));
                return;
            }
            FAIL() << "no twin dealt";
        }
        for (int r = 0; r < ProgramGame().GameRules[368]; ++r) {
            const std::string& row = ProgramGame().FilaPiles[static_cast<size_t>(r)];
            for (int k = 0; k < SlotCount(row); ++k) {
                const CardCode c = SlotCode(row, k);
                if (c < 1 || IsFaceUp(ProgramGame(), c)) continue;
                if (GetParam().id == 204 && RankOf(c) != 1) continue;
                const CardPoint p =
                    CardSlotPosition(ProgramGame(), "Fila" + std::to_string(r + 1), r, k);
                Click({p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2});
                return;
            }
        }
        FAIL() << "no face-down card on the grid";
    }
};

TEST_P(ShippedUndo, OneStepIsUndoneAndRedoneExactly) {
    UseShippedGames();
    Start(GetParam().id, GetParam().name);
    Prepare();
    const TableState dealt = CurrentTable();
    // The memorise phase's own steps stay behind, never undone.
    const int before = StepCount(ProgramGame().UndoLists);
    ASSERT_EQ(before, GetParam().id == 205 ? 2 : 0);
    EXPECT_FALSE(CanUndo(ProgramGame()));

    PlayOneStep();
    const TableState played = CurrentTable();
    ASSERT_NE(played, dealt);
    ASSERT_EQ(StepCount(ProgramGame().UndoLists), before + 1);
    ASSERT_TRUE(window.mnuUndo->isEnabled());

    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    EXPECT_TRUE(ScreenShowsTable(window)) << "after undo";
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), before);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 1);
    EXPECT_EQ(Played("card_down"), 1);  // the undo sound, under "Sounds_Undo"

    const int ups = Played("card_up");  // a drag's pick-up plays it too
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_TRUE(ScreenShowsTable(window)) << "after redo";
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), before + 1);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_EQ(Played("card_up"), ups + 1);  // the redo sound, under "Sounds_Redo"

    // Nothing more to redo: the command is greyed; reached anyway, it
    // refuses with a beep and changes nothing.
    EXPECT_FALSE(window.mnuRedo->isEnabled());
    const int beeps = Beeps();
    RedoCommand(ProgramGame());
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_EQ(Beeps(), beeps + 1);
}

// The two sound switches silence the commands' sounds, not the commands.
TEST_P(ShippedUndo, UndoAndRedoSoundsFollowTheirSwitches) {
    UseShippedGames();
    Start(GetParam().id, GetParam().name, "AutoPlay=N\r\nSounds_Undo=N\r\nSounds_Redo=N\r\n");
    Prepare();
    const TableState dealt = CurrentTable();
    PlayOneStep();
    const TableState played = CurrentTable();
    ASSERT_NE(played, dealt);
    const size_t sounds = sound.played.size();
    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_EQ(sound.played.size(), sounds);
}

INSTANTIATE_TEST_SUITE_P(Games, ShippedUndo, ::testing::Values(ShippedGame{205, "Forget me not"}),
                         [](const auto& p) { return std::to_string(p.param.id); });

// An undo that turns a card face down again would let the player look at
// the grid for free: the commands are greyed (with the library's glyphs)
// and their keys take nothing back.
using NoUndo = ShippedUndo;
TEST_P(NoUndo, UndoAndRedoAreGreyedAndTakeNothingBack) {
    UseShippedGames();
    Start(GetParam().id, GetParam().name);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(window.GameCommandsEnabled());
    auto greyed = [&] {
        return !window.mnuUndo->isEnabled() && !window.mnuRedo->isEnabled() &&
               !window.tbUndo->isEnabled() && !window.tbRedo->isEnabled() &&
               !window.tbUndo1->isEnabled() && !window.tbRedo1->isEnabled();
    };
    EXPECT_TRUE(greyed());
    const QImage glyph = window.tbUndo->icon()
                             .pixmap(window.tbUndo->iconSize(), QIcon::Disabled)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(glyph, LibraryBitmap("TB_UNDO_DIS").convertToFormat(QImage::Format_ARGB32));

    PlayOneStep();
    const TableState played = CurrentTable();
    ASSERT_EQ(StepCount(ProgramGame().UndoLists), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    window.tbUndo->click();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_TRUE(greyed());
}

INSTANTIATE_TEST_SUITE_P(Games, NoUndo,
                         ::testing::Values(ShippedGame{200, "Memory-Up (4x3)"},
                                           ShippedGame{201, "Memory-Up (6x4)"},
                                           ShippedGame{202, "Memory-Up (8x5)"},
                                           ShippedGame{203, "Concentration"},
                                           ShippedGame{204, "Ace-To-King"}),
                         [](const auto& p) { return std::to_string(p.param.id); });

// The memory games switch undo off for themselves only: the next game gets
// the player's own mode back, and the settings file is left as it was.
TEST_F(EnginePlay, UndoComesBackWithAGameThatHasIt) {
    UseShippedGames();
    Start(201, "Memory-Up (6x4)");
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    // Leaving a memory game shows its result first.
    auto open = [](int id, const char* name) {
        ModalAnswer close([](QWidget* w) { w->close(); });
        return OpenGame(ProgramGame(), id, name, kNewGameNumber, false,
                        ProgramGame().values.player);
    };
    ASSERT_TRUE(open(205, "Forget me not"));
    // Undo is the player's again, greyed only until there is something to undo.
    EXPECT_EQ(ProgramGame().values.undoMode, "0");
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    ASSERT_TRUE(open(203, "Concentration"));
    EXPECT_FALSE(window.mnuRedo->isEnabled());
    EXPECT_EQ(ReadFile(dir.path() + "DATA/Cfg.dat").find("Undo_Enabled"), std::string::npos);

    // The player's own "2" holds in every game.
    platform::IniWriteString(dir.path() + "DATA/Cfg.dat", "Preference", "Undo_Enabled", "2");
    ASSERT_TRUE(open(205, "Forget me not"));
    EXPECT_FALSE(window.mnuUndo->isEnabled());
}

// The keys of the commands after a pair and after a miss: the pair stays
// in the Waste, the missed cards stay face down and the miss counted.
TEST_F(EnginePlay, MemoryUpUndoKeysShowNoCardAgain) {
    UseShippedGames();
    Start(200, "Memory-Up (4x3)");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    struct At {
        CardCode card;
        QPoint centre;
    };
    std::vector<At> grid;
    for (int r = 0; r < ProgramGame().GameRules[368]; ++r)
        for (int k = 0; k < SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(r)]); ++k) {
            const CardPoint p =
                CardSlotPosition(ProgramGame(), "Fila" + std::to_string(r + 1), r, k);
            grid.push_back(
                {SlotCode(ProgramGame().FilaPiles[static_cast<size_t>(r)], k),
                 {p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2}});
        }
    auto twinOf = [&](const At& a) {
        for (const At& b : grid)
            if (b.card == a.card + 52 || a.card == b.card + 52) return b;
        return At{};
    };
    const At a = grid[0], twin = twinOf(a);
    Click(a.centre);
    Click(twin.centre);
    ASSERT_EQ(window.lblScore->text(), "-42");
    const TableState paired = CurrentTable();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CurrentTable(), paired);
    EXPECT_EQ(window.lblScore->text(), "-42");

    std::vector<At> left;
    for (const At& c : grid)
        if (c.card != a.card && c.card != twin.card) left.push_back(c);
    const At b = left[0], notTwin = twinOf(b).card == left[1].card ? left[2] : left[1];
    Click(b.centre);
    Click(notTwin.centre);
    ASSERT_EQ(ProgramGame().Options.Opt(99), 1);
    const TableState missed = CurrentTable();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(CurrentTable(), missed);
    EXPECT_FALSE(IsFaceUp(ProgramGame(), b.card));
    EXPECT_FALSE(IsFaceUp(ProgramGame(), notTwin.card));
    EXPECT_EQ(window.lblScore->text(), "-44");
}

}  // namespace
}  // namespace bw::test
