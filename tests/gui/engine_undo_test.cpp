// Undo and Redo through the main window's commands in every shipped game:
// one step of play is taken back exactly and done again.
#include "engine_play_support.h"

#include "interaction/undo.h"

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
            for (int r = 10; r < GameRules[368]; ++r) {
                const std::string name = "Fila" + std::to_string(r + 1);
                if (FilaPiles[static_cast<size_t>(r)].empty()) continue;
                ASSERT_TRUE(DragOnto(AnchorOf(name), "Fila1"));
                return;
            }
            FAIL() << "no twin dealt";
        }
        for (int r = 0; r < GameRules[368]; ++r) {
            const std::string& row = FilaPiles[static_cast<size_t>(r)];
            for (int k = 0; k < SlotCount(row); ++k) {
                const CardCode c = SlotCode(row, k);
                if (c < 1 || IsFaceUp(c)) continue;
                if (GetParam().id == 204 && RankOf(c) != 1) continue;
                const CardPoint p = CardSlotPosition("Fila" + std::to_string(r + 1), r, k);
                Click({p.left + CardWidth / 2, p.top + CardHeight / 2});
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
    const int before = StepCount(UndoLists);
    ASSERT_EQ(before, GetParam().id == 205 ? 2 : 0);
    EXPECT_FALSE(CanUndo());

    PlayOneStep();
    const TableState played = CurrentTable();
    ASSERT_NE(played, dealt);
    ASSERT_EQ(StepCount(UndoLists), before + 1);
    ASSERT_TRUE(window.mnuUndo->isEnabled());

    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    EXPECT_TRUE(ScreenShowsTable(window)) << "after undo";
    EXPECT_EQ(StepCount(UndoLists), before);
    EXPECT_EQ(StepCount(RedoLists), 1);
    EXPECT_EQ(Played("card_down"), 1);  // the undo sound, under "Sounds_Undo"

    const int ups = Played("card_up");  // a drag's pick-up plays it too
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_TRUE(ScreenShowsTable(window)) << "after redo";
    EXPECT_EQ(StepCount(UndoLists), before + 1);
    EXPECT_EQ(StepCount(RedoLists), 0);
    EXPECT_EQ(Played("card_up"), ups + 1);  // the redo sound, under "Sounds_Redo"

    // Nothing more to redo: the command refuses with a beep and changes nothing.
    const int beeps = Beeps();
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_EQ(Beeps(), beeps + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Games, ShippedUndo,
    ::testing::Values(ShippedGame{200, "Memory-Up (4x3)"}, ShippedGame{201, "Memory-Up (6x4)"},
                      ShippedGame{202, "Memory-Up (8x5)"}, ShippedGame{203, "Concentration"},
                      ShippedGame{204, "Ace-To-King"}, ShippedGame{205, "Forget me not"}),
    [](const auto& info) { return std::to_string(info.param.id); });

// Ctrl+Z and Ctrl+Y over a pair taken and over a miss: after each the grid
// shows exactly the restored cards, holes and faces.
TEST_F(EnginePlay, UndoAndRedoOfAPairAndOfAMissRedrawTheGrid) {
    UseShippedGames();
    Start(200, "Memory-Up (4x3)");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    struct At {
        CardCode card;
        QPoint centre;
    };
    std::vector<At> grid;
    for (int r = 0; r < GameRules[368]; ++r)
        for (int k = 0; k < SlotCount(FilaPiles[static_cast<size_t>(r)]); ++k) {
            const CardPoint p = CardSlotPosition("Fila" + std::to_string(r + 1), r, k);
            grid.push_back({SlotCode(FilaPiles[static_cast<size_t>(r)], k),
                            {p.left + CardWidth / 2, p.top + CardHeight / 2}});
        }
    auto twinOf = [&](const At& a) {
        for (const At& b : grid)
            if (b.card == a.card + 52 || a.card == b.card + 52) return b;
        return At{};
    };
    auto undo = [&] { QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); };
    auto redo = [&] { QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier); };

    const At a = grid[0], twin = twinOf(a);
    Click(a.centre);
    Click(twin.centre);
    ASSERT_EQ(window.lblScore->text(), "-42");
    const TableState paired = CurrentTable();
    undo();
    EXPECT_EQ(window.lblScore->text(), "-52");
    EXPECT_TRUE(MazzoPiles[2].empty());
    EXPECT_TRUE(ScreenShowsTable(window)) << "pair undone";
    redo();
    EXPECT_EQ(CurrentTable(), paired);
    EXPECT_EQ(window.lblScore->text(), "-42");
    EXPECT_TRUE(ScreenShowsTable(window)) << "pair redone";

    const At b = grid[1].card == twin.card ? grid[2] : grid[1];
    const At notTwin = twinOf(b).card == grid[3].card ? grid[4] : grid[3];
    Click(b.centre);
    Click(notTwin.centre);
    ASSERT_EQ(MainGame.Opt(99), 1);
    const TableState missed = CurrentTable();
    undo();
    EXPECT_TRUE(ScreenShowsTable(window)) << "miss undone";
    redo();
    EXPECT_EQ(CurrentTable(), missed);
    EXPECT_TRUE(ScreenShowsTable(window)) << "miss redone";
}

// The two sound switches silence the commands' sounds, not the commands.
TEST_F(EnginePlay, UndoAndRedoSoundsFollowTheirSwitches) {
    UseShippedGames();
    Start(203, "Concentration", "AutoPlay=N\r\nSounds_Undo=N\r\nSounds_Redo=N\r\n");
    const TableState dealt = CurrentTable();
    const CardPoint p = CardSlotPosition("Fila1", 0, 0);
    Click({p.left + CardWidth / 2, p.top + CardHeight / 2});
    const TableState played = CurrentTable();
    ASSERT_NE(played, dealt);
    const size_t sounds = sound.played.size();
    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), played);
    EXPECT_EQ(sound.played.size(), sounds);
}

}  // namespace
}  // namespace bw::test
