// Closing during a game and starting again continues it, through the real
// window: two runs of the program on one program folder.
#include <gtest/gtest.h>

#include "core/game.h"
#include "core/game_end.h"
#include "core/history.h"
#include "engine_play_support.h"
#include "play_support.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

using Run = PlayWindow<ShellTable>;

struct ShippedGame {
    int id;
    const char* name;
};
constexpr ShippedGame kShipped[] = {{200, "Memory-Up (4x3)"}, {201, "Memory-Up (6x4)"},
                                    {202, "Memory-Up (8x5)"}, {203, "Concentration"},
                                    {204, "Ace-To-King"},     {205, "Forget me not"}};

std::unique_ptr<Run> NewRun() {
    return std::make_unique<Run>(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
}

// Starts the program as it starts; with `dialogAsked` the open-game dialog is
// noted, not shown, else the stored game is dealt as without the dialog.
void StartProgram(Run& run, bool* dialogAsked = nullptr) {
    if (dialogAsked) run.shell.openGameDialog = [dialogAsked] { *dialogAsked = true; };
    ASSERT_TRUE(run.window.FormCreate());
    run.window.show();
    run.window.Activated();
}

void ClickGridCard(Run& run, int row, int slot) {
    const CardPoint p =
        CardSlotPosition(ProgramGame(), "Fila" + std::to_string(row + 1), row, slot);
    QTest::mouseClick(
        run.window.imgSfondo, Qt::LeftButton, Qt::NoModifier,
        QPoint(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2));
}

// A few moves of a game: three grid cards turned (a pair tried, then one
// card left up), or the memorise phase of "Forget me not" let run out.
void PlayALittle(Run& run, int id) {
    run.clock.Advance(id == 205 ? 11000 : 4000);
    run.window.Timer1Timer();
    if (id == 205) return;
    int turned = 0;
    for (int row = 0; row < ProgramGame().GameRules[rule::kFilas] && turned < 3; ++row)
        for (int slot = 0;
             slot * 3 <
                 static_cast<int>(ProgramGame().FilaPiles[static_cast<size_t>(row)].size()) &&
             turned < 3;
             ++slot, ++turned)
            ClickGridCard(run, row, slot);
}

struct Seen {
    TableState table;
    int undoSteps = 0;
    std::string score, time;
    bool undoEnabled = false;
    int64_t elapsedMs = 0;
};

Seen Look(Run& run) {
    RefreshTimeDisplay(ProgramGame());  // the passing waits moved the clock on
    return {CurrentTable(),
            StepCount(ProgramGame().UndoLists),
            run.window.lblScore->text().toStdString(),
            run.window.lblTempo->text().toStdString(),
            run.window.mnuUndo->isEnabled(),
            Status(ProgramGame()).elapsedMs};
}

TEST(Resume, EveryShippedGameContinuesWhereItWasClosed) {
    for (const ShippedGame& g : kShipped) {
        SCOPED_TRACE(g.name);
        Seen closed;
        TableState undone;
        std::string cfg, resume;
        {
            auto run = NewRun();
            run->WriteFirstRunSettings(g.id, g.name, "AutoPlay=N\r\n");
            StartProgram(*run);
            ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
            PlayALittle(*run, g.id);
            closed = Look(*run);
            ASSERT_GT(closed.undoSteps, 0);
            // What undo gives now, on a copy of the game put back after.
            const Game kept = ProgramGame();
            if (closed.undoEnabled) {
                run->window.mnuUndo->trigger();
                undone = CurrentTable();
                ProgramGame() = kept;
            }
            run->window.close();
            EXPECT_TRUE(run->dialogs.infos.empty());
            resume = run->dir.read("DATA/Resume.dat");
            cfg = run->dir.read("DATA/Cfg.dat");
        }
        ASSERT_FALSE(resume.empty());
        {
            auto run = NewRun();
            run->dir.write("DATA/Cfg.dat", cfg);
            run->dir.write("DATA/Resume.dat", resume);
            bool asked = false;
            StartProgram(*run, &asked);
            EXPECT_FALSE(asked);
            EXPECT_TRUE(run->dialogs.infos.empty());
            const Seen resumed = Look(*run);
            EXPECT_EQ(resumed.table, closed.table);
            EXPECT_EQ(resumed.undoSteps, closed.undoSteps);
            EXPECT_EQ(resumed.score, closed.score);
            EXPECT_EQ(resumed.time, closed.time);
            EXPECT_EQ(resumed.undoEnabled, closed.undoEnabled);
            EXPECT_FALSE(platform::FileExists(run->dir.file("DATA/Resume.dat")));
            // The clock goes on from the time kept.
            run->clock.Advance(2000);
            run->window.Timer1Timer();
            EXPECT_EQ(Status(ProgramGame()).elapsedMs, closed.elapsedMs + 2000);
            if (closed.undoEnabled) {
                run->window.mnuUndo->trigger();
                EXPECT_EQ(CurrentTable(), undone);
            }
        }
    }
}

// A missed pair closed in its turn-back pause comes back face down; with
// the preference off closing counts the game and nothing is kept; a damaged
// file is named once, moved aside, and the stored game starts.
TEST(Resume, HiddenCardsStayHiddenSwitchOffAndDamagedFile) {
    std::string cfg, resume;
    {
        auto run = NewRun();
        run->WriteFirstRunSettings(200, "Memory-Up (4x3)", "AutoPlay=N\r\n");
        StartProgram(*run);
        // The first two cards of row 1 that do not pair: closed in the pause.
        const std::string& row = ProgramGame().FilaPiles[0];
        int second = 1;
        while (RankOf(std::stoi(row.substr(0, 3))) ==
               RankOf(std::stoi(row.substr(static_cast<size_t>(second) * 3, 3))))
            ++second;
        ClickGridCard(*run, 0, 0);
        run->passing.duringMs = 200;
        run->passing.during = [&run] { run->window.close(); };
        ClickGridCard(*run, 0, second);
        resume = run->dir.read("DATA/Resume.dat");
        cfg = run->dir.read("DATA/Cfg.dat");
    }
    ASSERT_FALSE(resume.empty());
    {
        auto run = NewRun();
        run->dir.write("DATA/Cfg.dat", cfg);
        run->dir.write("DATA/Resume.dat", resume);
        bool asked = false;
        StartProgram(*run, &asked);
        for (int c = 1; c <= 108; ++c)
            if (FindCardPlace(ProgramGame(), c, {{kFila, 0, 40}}).Found()) {
                EXPECT_TRUE(IsFaceDown(ProgramGame(), c)) << c;
            }
        EXPECT_EQ(ProgramGame().Options.Opt(opt::kMisses), 1);
    }
    {
        auto run = NewRun();
        run->WriteFirstRunSettings(200, "Memory-Up (4x3)", "AutoPlay=N\r\nResume_Game=N\r\n");
        StartProgram(*run);
        PlayALittle(*run, 200);
        ModalAnswer closeResult([](QWidget* w) { w->close(); });
        run->window.close();
        EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));  // counted as today
        EXPECT_FALSE(platform::FileExists(run->dir.file("DATA/Resume.dat")));
    }
    for (const std::string& bad :
         {resume.substr(0, resume.size() / 2), std::string("Brindlewick resume 9\n"),
          resume.substr(0, 300) + "#" + resume.substr(301)}) {
        auto run = NewRun();
        run->dir.write("DATA/Cfg.dat", cfg);
        run->dir.write("DATA/Resume.dat", bad);
        bool asked = false;
        StartProgram(*run, &asked);
        ASSERT_EQ(run->dialogs.infos.size(), 1u);
        EXPECT_NE(run->dialogs.infos[0].find("Resume.dat.bad"), std::string::npos);
        EXPECT_EQ(run->dir.read("DATA/Resume.dat.bad"), bad);
        EXPECT_FALSE(platform::FileExists(run->dir.file("DATA/Resume.dat")));
        EXPECT_TRUE(asked);  // start-up goes on as without the file
    }
}

}  // namespace
}  // namespace bw::test
