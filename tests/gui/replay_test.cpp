// A finished memory game is kept and shown again, turn by turn, with its
// slips marked, on a copy of its deal: the game in play is left untouched.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/memory_end_dialog.h"
#include "app/replay_viewer.h"
#include "app/statistics_window.h"
#include "core/game.h"
#include "core/memory_log.h"
#include "play_support.h"
#include "storage/replays.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class ReplayTest : public PlayTest {
protected:
    // Closes the end dialog and any viewer that opens while it lives.
    struct Closing {
        QTimer timer;
        int viewers = 0;
        Closing() {
            timer.setInterval(5);
            QObject::connect(&timer, &QTimer::timeout, [this] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* end = dynamic_cast<TfrmMemoryEnd*>(modal)) end->btnOK->click();
                if (auto* v = dynamic_cast<ReplayViewer*>(modal)) {
                    ++viewers;
                    v->accept();
                }
            });
            timer.start();
        }
    };
    Slot Find(CardCode card) {
        for (const Slot& s : GridCards())
            if (s.card == card) return s;
        ADD_FAILURE() << "no card " << card;
        return {};
    }
};

TEST_F(ReplayTest, AFinishedGameIsShownAgainWithItsSlipMarked) {
    Start(201, "Memory-Up (6x4)");
    const std::vector<Slot> cards = GridCards();
    // A card, one that does not pair it, then its twin with another: a slip.
    const Slot a = cards[0];
    const CardCode twin = a.card > 52 ? a.card - 52 : a.card + 52;
    Slot b{}, c{};
    for (const Slot& s : cards)
        if (s.card != twin && s.card != a.card && b.card == 0)
            b = s;
        else if (s.card != twin && s.card != a.card && s.card != b.card && s.card != b.card + 52 &&
                 s.card + 52 != b.card && c.card == 0)
            c = s;
    {
        Closing closing;
        Click(a), Click(b);
        Click(Find(twin)), Click(c);
        for (const Slot& s : cards)
            for (const Slot& t : cards)
                if (t.card == s.card + 52) Click(s), Click(t);
    }
    const std::vector<StoredReplay> games = ReadReplays(201, ProgramGame().values.player);
    ASSERT_EQ(games.size(), 1u);
    const TurnRecord& record = games[0].record;
    EXPECT_EQ(record.turns.size(), 14u);  // 12 pairs, a miss and a slip
    EXPECT_EQ(record.turns[1].outcome, TurnOutcome::kSlip);

    // A game in play; the viewer on the stored one leaves it exactly as it is.
    window.mnuNew->trigger();
    Click(GridCards()[3]);
    const Game before = ProgramGame();
    const std::string cardSize = GetParameter(field::kCardSize);
    {
        ReplayViewer viewer(201, games, 0, &window);
        EXPECT_EQ(viewer.Steps(), 14);
        EXPECT_FALSE(viewer.Picture().isNull());
        const QImage dealt = viewer.Picture();
        viewer.SetStep(2);
        EXPECT_NE(viewer.Picture(), dealt);
        EXPECT_TRUE(viewer.Caption().contains("slip")) << viewer.Caption().toStdString();
        EXPECT_TRUE(viewer.Caption().contains("had been seen 1 turn before"))
            << viewer.Caption().toStdString();
        // BW_SHOTS=folder keeps pictures of the viewer and the memory page to look at.
        const QString shots = qEnvironmentVariable("BW_SHOTS");
        if (!shots.isEmpty()) {
            viewer.show();
            viewer.grab().save(shots + "/replay_slip.png");
        }
        // The slip's card (the twin, turned first) and its partner's place.
        const ReplayPicture shot = RenderReplayStep(201, record, 2, QSize(640, 440));
        EXPECT_FALSE(shot.shouldBePaired.isNull());
        EXPECT_FALSE(shot.partnerSeen.isNull());
        EXPECT_NE(shot.shouldBePaired, shot.partnerSeen);
        // Playing runs to the last turn and stops there.
        viewer.SetPlaying(true);
        for (int i = 0; i < 200 && viewer.Playing(); ++i) viewer.SetStep(viewer.Step() + 1);
        EXPECT_EQ(viewer.Step(), 14);
        viewer.SetStep(99);
        EXPECT_EQ(viewer.Step(), 14);
        viewer.SetPlaying(false);
    }
    EXPECT_TRUE(ProgramGame() == before);
    EXPECT_EQ(GetParameter(field::kCardSize), cardSize);

    // A deal that no longer matches the record is refused, not drawn wrong.
    TurnRecord other = record;
    other.deal = "0000000000002";
    EXPECT_TRUE(RenderReplayStep(201, other, 1, QSize(640, 440)).table.isNull());

    // The menu item and the statistics' button open it.
    Closing closing;
    window.mnuGame->aboutToShow();
    ASSERT_TRUE(window.mnuReplay->isEnabled());
    window.mnuReplay->trigger();
    EXPECT_EQ(closing.viewers, 1);
    TfrmStatistics stats(ProgramGame(), &window);
    stats.show();
    stats.btnReplay->click();
    EXPECT_EQ(closing.viewers, 2);
    // The memory page of the game: one game, its one slip at the partner's place.
    stats.pgcPlots->setCurrentWidget(stats.imgMemory);
    EXPECT_EQ(stats.imgMemory->summary().slipsPerGame, std::vector<int>{1});
    EXPECT_EQ(stats.imgMemory->summary().heat.At(a.row, a.k), 1);
    if (!qEnvironmentVariable("BW_SHOTS").isEmpty())
        stats.grab().save(qEnvironmentVariable("BW_SHOTS") + "/memory_page.png");
    // The window refreshes the time shown as the dialogs close; the game
    // itself is as it was.
    Game now = ProgramGame();
    now.status.elapsedMs = before.status.elapsedMs;
    EXPECT_TRUE(now == before);
}

}  // namespace
}  // namespace bw::test
