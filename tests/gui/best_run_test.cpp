// A deal played before shows the player's best earlier run on it beside the
// time panel, until they pass it or switch it off.
#include <QApplication>
#include <QTimer>

#include "app/deal_number_dialog.h"
#include "app/memory_end_dialog.h"
#include "core/game_end.h"
#include "core/memory_log.h"
#include "play_support.h"
#include "storage/replays.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class BestRunTest : public PlayTest {
protected:
    // Finds `pairs` pairs without a miss, `gapMs` of game time before each
    // (the clock shown refreshed first when `tick`).
    void FindPairs(int pairs, int64_t gapMs, bool tick = true) {
        const std::vector<Slot> cards = GridCards();
        for (const Slot& s : cards)
            for (const Slot& t : cards)
                if (t.card == s.card + 52 && pairs-- > 0) {
                    clock.Advance(gapMs);
                    if (tick) window.Timer1Timer();
                    Click(s), Click(t);
                }
    }
    std::string Best() const {
        return window.pnlBest->isVisible() ? window.lblBest->text().toStdString() : "-";
    }
};

TEST_F(BestRunTest, ARestartedDealRacesTheStoredRunUntilPassedOrSwitchedOff) {
    Start(201, "Memory-Up (6x4)");
    EXPECT_EQ(Best(), "-");  // a deal never played
    const std::string number = ProgramGame().values.number.substr(0, 13);
    {
        AnswerDealDialogs answering;
        FindPairs(12, 4000);
    }
    const std::vector<StoredReplay> games = ReadReplays(201, ProgramGame().values.player);
    ASSERT_EQ(games.size(), 1u);
    const std::vector<Turn>& turns = games[0].record.turns;
    ASSERT_EQ(turns.size(), 12u);
    const int64_t third = turns[2].cards.back().ms;
    EXPECT_GE(third, 3 * 4000);

    // Restarted: the line is there at once, in the panels' row, left of
    // the score panel that sits beside the time panel.
    {
        AnswerDealDialogs answering;
        window.mnuRestart->trigger();
    }
    EXPECT_EQ(Best(), "Best: 0 of 12 pairs");
    EXPECT_EQ(window.pnlBest->y(), window.pnlTempo->y());
    EXPECT_EQ(window.pnlBest->height(), window.pnlTempo->height());
    EXPECT_EQ(window.pnlBest->geometry().right() + 1 + 5, window.pnlScore->x());
    EXPECT_FALSE(window.pnlBest->geometry().intersects(window.lblPlayerName->geometry()) &&
                 window.lblPlayerName->isVisible());
    // The first pair as soon as the stored run found it, between two clock
    // ticks: a tie, not a pass.
    FindPairs(1, 4000, false);
    EXPECT_EQ(Best(), "Best: 1 of 12 pairs");
    // At the stored run's third pair, by the clock.
    clock.Advance(third - turns[0].cards.back().ms);
    window.Timer1Timer();
    EXPECT_EQ(Best(), "Best: 3 of 12 pairs");
    EXPECT_EQ(window.barBestFill->width(), window.barBest->width() * 3 / 12);
    // BW_SHOTS=folder keeps a picture of the window to look at.
    if (const QString shots = qEnvironmentVariable("BW_SHOTS"); !shots.isEmpty())
        window.grab().save(shots + "/best.png");

    // The switch, in the line's menu and the time panel's, kept at once.
    ASSERT_TRUE(window.popBest->actions().contains(window.popShowBest));
    ASSERT_TRUE(window.popTime->actions().contains(window.popShowBest));
    window.popShowBest->trigger();
    EXPECT_EQ(Best(), "-");
    EXPECT_NE(dir.read("DATA/Cfg.dat").find("Show_Best_Run=N"), std::string::npos);
    window.popShowBest->trigger();
    EXPECT_EQ(Best(), "Best: 3 of 12 pairs");
    EXPECT_NE(dir.read("DATA/Cfg.dat").find("Show_Best_Run=Y"), std::string::npos);

    // Never during a match, on the same deal too.
    ProgramGame().inMatch = true;
    window.UpdateBestRun();
    EXPECT_EQ(Best(), "-");
    ProgramGame().inMatch = false;
    window.UpdateBestRun();
    EXPECT_EQ(Best(), "Best: 3 of 12 pairs");

    // Four pairs at once beat three: passed, and it stays away.
    FindPairs(4, 0);
    EXPECT_EQ(Best(), "-");
    clock.Advance(60000);
    window.Timer1Timer();
    EXPECT_EQ(Best(), "-");

    // A new deal has no run; typing the played number brings it back.
    {
        AnswerDealDialogs answering;
        window.mnuNew->trigger();
    }
    EXPECT_EQ(Best(), "-");
    {
        AnswerDealDialogs answering;
        answering.number = QString::fromStdString(number);
        window.mnuDealNumber->trigger();
    }
    EXPECT_EQ(Best(), "Best: 0 of 12 pairs");
}

}  // namespace
}  // namespace bw::test
