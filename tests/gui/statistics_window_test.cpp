// The statistics window over recorded results: its layout as first shown,
// and "Reset", which must ask and then clear only the chosen player.
#include <gmock/gmock.h>

#include <QDate>
#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/statistics_window.h"
#include "play_support.h"
#include "storage/daily.h"
#include "storage/players.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class StatisticsWindowTest : public PlayTest {
protected:
    StatisticsWindowTest() { ResetResultsSession(); }
};

TEST_F(StatisticsWindowTest, ResetAsksAndClearsOnlyTheChosenPlayer) {
    Start(200, "Memory-Up (4x3)");
    const std::vector<std::string> players = LoadPlayerNames();
    ASSERT_GE(players.size(), 2u);
    const std::string& keep = players[0];
    const std::string& reset = players[1];
    RecordGameResult(200, keep, {8, 20, 0, 0, true, 20260101});
    RecordGameResult(200, reset, {4, 30, 2, 1, true, 20260102});
    RecordGameResult(203, reset, {-60, 90, 9, 3, false, 20260102});

    // The tool button opens the window, as the menu does.
    // It fits the screen (800 x 600 here), frame and Close button included.
    bool opened = false;
    QRect frame, close;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    {
        ModalAnswer answer([&](QWidget* w) {
            opened = qobject_cast<TfrmStatistics*>(w) != nullptr;
            frame = w->frameGeometry();
            if (auto* b = w->findChild<QPushButton*>("btnClose"))
                close = QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
            w->close();
        });
        window.tbStat->click();
    }
    EXPECT_TRUE(opened);
    EXPECT_LE(frame.height(), room.height());
    EXPECT_TRUE(room.contains(close)) << close.x() << "," << close.y();

    TfrmStatistics stats(ProgramGame(), &window);
    stats.show();
    // As first shown, before any further layout pass, the plot's pages
    // follow the table at the layout's spacing.
    const int gap = stats.pgcPlots->y() - stats.grdGames->geometry().bottom();
    EXPECT_LE(gap, stats.layout()->spacing() + 1);

    // Deals of the day yesterday and today: a streak of two, cleared by Reset.
    const QDate today = QDate::currentDate();
    for (const QDate& d : {today.addDays(-1), today})
        RecordDailyGame(200, reset, d.toString(QStringLiteral("yyyyMMdd")).toInt());
    stats.cboPlayers->setCurrentIndex(stats.cboPlayers->findText(QString::fromStdString(reset)));
    const int row = stats.grdGames->currentRow();
    ASSERT_EQ(stats.SelectedGame(), 200);
    EXPECT_EQ(stats.grdGames->item(row, 1)->text(), "1");
    EXPECT_EQ(stats.lblDaily->text(), "Deal of the day: 2 days in a row");
    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR"))
        stats.grab().save(qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/statistics_daily.png");

    dialogs.answers = {false};
    QTest::mouseClick(stats.btnReset, Qt::LeftButton);
    ASSERT_EQ(dialogs.confirms.size(), 1u);
    EXPECT_THAT(dialogs.confirms[0], ::testing::HasSubstr(reset));
    EXPECT_EQ(ReadPlayerResults(reset).size(), 2u);
    EXPECT_EQ(stats.grdGames->item(row, 1)->text(), "1");

    dialogs.answers = {true};
    QTest::mouseClick(stats.btnReset, Qt::LeftButton);
    EXPECT_EQ(dialogs.confirms.size(), 2u);
    EXPECT_TRUE(ReadPlayerResults(reset).empty());
    EXPECT_EQ(stats.grdGames->item(row, 1)->text(), "0");
    EXPECT_TRUE(stats.imgPlot->results().empty());
    EXPECT_EQ(stats.lblDaily->text(), "Deal of the day: 0 days in a row");
    EXPECT_EQ(ReadPlayerResults(keep)[200].played, 1);
    EXPECT_THAT(dialogs.infos, ::testing::IsEmpty());
}

// Games played with a longer look time have a row of their own after their
// game's, and the plot of that row shows only those games.
TEST_F(StatisticsWindowTest, LongerLookTimesHaveRowsOfTheirOwn) {
    Start(200, "Memory-Up (4x3)");
    const std::string player = ProgramGame().values.player;
    RecordGameResult(200, player, {8, 20, 0, 0, true, 20260101});
    const GameResult longer{4, 30, 2, 1, true, 20260102, 1500};
    RecordGameResult(200, player, longer);
    RecordGameResult(200, player, longer);

    TfrmStatistics stats(ProgramGame(), &window);
    stats.show();
    const int row = stats.grdGames->currentRow();
    ASSERT_EQ(stats.SelectedGame(), 200);
    EXPECT_EQ(stats.SelectedLookMs(), 0);
    EXPECT_EQ(stats.grdGames->item(row, 1)->text(), "1");
    EXPECT_EQ(stats.imgPlot->results().size(), 1u);
    ASSERT_GT(stats.grdGames->rowCount(), row + 1);
    EXPECT_EQ(stats.grdGames->item(row + 1, 0)->text(),
              stats.grdGames->item(row, 0)->text() + " (look 1.5 s)");
    EXPECT_EQ(stats.grdGames->item(row + 1, 1)->text(), "2");
    stats.grdGames->setCurrentCell(row + 1, 0);
    EXPECT_EQ(stats.SelectedGame(), 200);
    EXPECT_EQ(stats.SelectedLookMs(), 1500);
    EXPECT_THAT(stats.imgPlot->results(), ::testing::ElementsAre(longer, longer));
    EXPECT_TRUE(stats.lblPlot->text().contains("(look 1.5 s)"));
    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR"))
        stats.grab().save(qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/statistics_look.png");
}

}  // namespace
}  // namespace bw::test
