// The memory result dialog: the page of each goal kind, its numbers and badge.
#include <gmock/gmock.h>

#include <QApplication>
#include <QTimer>

#include "app/memory_end_dialog.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "gui_support.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class MemoryEndTest : public GuiFixture, public ::testing::Test {
protected:
    void SetPairs(int pairs) {
        ProgramGame().MazzoPiles[2] = std::string(static_cast<size_t>(pairs) * 6, '0');
    }
    void Game(int kind, int rows, int toWin) {
        ProgramGame().GameRules[51] = static_cast<int16_t>(kind);
        ProgramGame().GameRules[368] = static_cast<int16_t>(rows);
        ProgramGame().GameRules[50] = static_cast<int16_t>(toWin);
    }
    static QString Texts(std::initializer_list<QLabel*> labels) {
        QStringList out;
        for (QLabel* l : labels) out << l->text();
        return out.join('|');
    }
};

TEST_F(MemoryEndTest, ScoringTableIsWrittenAtCreation) {
    TfrmMemoryEnd d{ProgramGame()};
    EXPECT_EQ(d.size(), QSize(216, 248));
    EXPECT_EQ(d.Notebook1->count(), 4);
    EXPECT_EQ(d.Notebook1->widget(0)->windowTitle(), "Pairs");
    EXPECT_EQ(d.Notebook1->widget(1)->windowTitle(), "Ace-To-King");
    EXPECT_EQ(d.Notebook1->widget(2)->windowTitle(), "Forget me not");
    EXPECT_EQ(d.Notebook1->widget(3)->windowTitle(), "Concentration");
    EXPECT_EQ(
        Texts({d.lblStartScore, d.lblEachMatch, d.lblEachMiss, d.lblEachMatch2, d.lblEachMiss2}),
        "-52|10|-2|10|-2");
    EXPECT_EQ(Texts({d.lblStartScoreSequence, d.lblEachSequence, d.lblMissSequence,
                     d.lblEachMatchSequence, d.lblEachMissSequence}),
              "-52|15|-1|15|-1");
    EXPECT_EQ(Texts({d.lblStartScoreFmn, d.lblEachFmn, d.lblMissFmn, d.lblEachFmn2, d.lblMissFmn2}),
              "-52|10|0|10|0");
    EXPECT_EQ(Texts({d.lblStartScoreCon, d.lblEachCon, d.lblMissCon, d.lblEachCon2, d.lblMissCon2}),
              "-52|7|-1|7|-1");
    EXPECT_EQ(d.grbGrid->title(), "Grid: 6 x 4 ");
    EXPECT_EQ(d.btnOK->text(), "OK");
    EXPECT_EQ(d.imgGreen->pixmap().size(), QSize(61, 37));
    EXPECT_FALSE(d.imgGreen->isVisibleTo(&d));
    EXPECT_FALSE(d.imgRed->isVisibleTo(&d));
}

TEST_F(MemoryEndTest, PairsWonWithTwelvePairsAndFiveMisses) {
    Game(37, 4, 40);
    SetPairs(12);
    ProgramGame().Options.SetOpt(99, 5);
    SetValue(ProgramGame().values.score, field::kScore, "58");
    TfrmMemoryEnd d{ProgramGame()};
    ASSERT_TRUE(d.Prepare(true));
    EXPECT_EQ(d.Notebook1->currentIndex(), 0);
    EXPECT_EQ(d.windowTitle(), "Game Won");
    EXPECT_EQ(Texts({d.lblMatches, d.lblTotMatches, d.lblMisses, d.lblTotMisses, d.lblTotalPair,
                     d.lblScoreToWin}),
              "12|120|5|-10|58|40)");
    EXPECT_EQ(d.grbGrid->title(), "Grid: 6 x 4");  // the design blank is gone
    d.show();
    EXPECT_EQ(d.imgPair->pixmap().toImage(), d.imgGreen->pixmap().toImage());
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) d.grab().save(keep + "/memory_end_pairs.png");
}

TEST_F(MemoryEndTest, GridCaptionFollowsTheRowCount) {
    const std::pair<int, const char*> cases[] = {
        {3, "Grid: 4 x 3"}, {4, "Grid: 6 x 4"}, {5, "Grid: 8 x 5"}, {7, "Grid: 6 x 4 "}};
    for (const auto& [rows, caption] : cases) {
        Game(37, rows, 0);
        TfrmMemoryEnd d{ProgramGame()};
        d.Prepare(false);
        EXPECT_EQ(d.grbGrid->title(), caption) << rows;
    }
}

TEST_F(MemoryEndTest, LostGameShowsTheRedBadgeAndTheCurrentScore) {
    Game(39, 4, 90);
    SetPairs(20);
    ProgramGame().Options.SetOpt(99, 43);
    SetValue(ProgramGame().values.score, field::kScore, "45");
    TfrmMemoryEnd d{ProgramGame()};
    ASSERT_TRUE(d.Prepare(false));
    EXPECT_EQ(d.windowTitle(), "Game Lost");
    EXPECT_EQ(d.Notebook1->currentIndex(), 3);
    EXPECT_EQ(Texts({d.lblMatchesCon, d.lblTotMatchesCon, d.lblMissesCon, d.lblTotMissesCon,
                     d.lblTotalCon, d.lblScoreToWinCon}),
              "20|140|43|-43|45|90)");
    d.show();
    EXPECT_EQ(d.imgConcentration->pixmap().toImage(), d.imgRed->pixmap().toImage());
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) d.grab().save(keep + "/memory_end_lost.png");
    EXPECT_NE(d.imgRed->pixmap().toImage(), d.imgGreen->pixmap().toImage());
}

TEST_F(MemoryEndTest, ForgetMeNotWithSevenTwinsInPlace) {
    Game(38, 20, 18);
    ProgramGame().GameRules[367] = 10;
    for (int j = 0; j < 10; ++j) {
        const int model = j + 1;
        ProgramGame().DestPiles[static_cast<size_t>(j)] = FormatCode(model);
        // Seven answer rows hold their model's twin, three another card.
        ProgramGame().FilaPiles[static_cast<size_t>(j)] =
            FormatCode(j < 7 ? model + 52 : model + 60);
    }
    SetValue(ProgramGame().values.score, field::kScore, "18");
    TfrmMemoryEnd d{ProgramGame()};
    ASSERT_TRUE(d.Prepare(true));
    EXPECT_EQ(d.Notebook1->currentIndex(), 2);
    EXPECT_EQ(Texts({d.lblMatchesFmn, d.lblMissesFmn, d.lblTotMatchesFmn, d.lblTotMissesFmn,
                     d.LblTotalFmn, d.lblScoreToWinFmn}),
              "7|3|70|0|18|18)");
}

TEST_F(MemoryEndTest, AceToKingCountsTheCurrentRun) {
    Game(36, 3, 125);
    ProgramGame().AppoggPiles[0] =
        FormatCode(1) + FormatCode(2) + FormatCode(3);  // A, 2, 3 of hearts
    ProgramGame().Options.SetOpt(99, 2);
    SetValue(ProgramGame().values.score, field::kScore, "-9");
    TfrmMemoryEnd d{ProgramGame()};
    ASSERT_TRUE(d.Prepare(false));
    EXPECT_EQ(d.Notebook1->currentIndex(), 1);
    EXPECT_EQ(Texts({d.lblMatchesSequence, d.lblTotMatchesSequence, d.lblMissesSequence,
                     d.lblTotMissesSequence, d.lblTotalSequence, d.lblScoreToWinSequence}),
              "3|45|2|-2|-9|125)");
}

TEST_F(MemoryEndTest, OtherGoalKindsShowNothing) {
    Game(12, 4, 0);
    TfrmMemoryEnd d{ProgramGame()};
    EXPECT_FALSE(d.Prepare(true));
    bool opened = false;
    ModalAnswer answer1([&](QWidget* w) {
        opened = true;
        w->close();
    });
    ShowMemoryEnd(ProgramGame(), true);
    EXPECT_FALSE(opened);
    QApplication::processEvents();
}

TEST_F(MemoryEndTest, ShowMemoryEndIsModalAndClosedByOk) {
    Game(37, 3, -2);
    SetPairs(6);
    SetValue(ProgramGame().values.score, field::kScore, "8");
    SetFlag(ProgramGame(), flag::kInProgress, true);
    QString title;
    ModalAnswer answer2([&](QWidget* w) {
        auto* d = qobject_cast<TfrmMemoryEnd*>(w);
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        EXPECT_EQ(d->lblTotMatches->text(), "60");
        d->btnOK->click();
    });
    ShowMemoryEnd(ProgramGame(), true);
    EXPECT_EQ(title, "Game Won");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Closed after the game has ended, the dialog clears the table of its cards.
class CountingTable : public ITable {
public:
    int emptied = 0;
    void PaintEmptyTable() override { ++emptied; }
};

TEST_F(MemoryEndTest, ClosingWithoutAGameInProgressRepaintsTheEmptyTable) {
    CountingTable table;
    InstalledPorts().SetTable(&table);
    Game(37, 4, 40);
    {
        SetFlag(ProgramGame(), flag::kInProgress, true);
        TfrmMemoryEnd d{ProgramGame()};
        d.Prepare(true);
        d.show();
        d.btnOK->click();
        EXPECT_EQ(table.emptied, 0);
    }
    SetFlag(ProgramGame(), flag::kInProgress, false);
    TfrmMemoryEnd d{ProgramGame()};
    d.Prepare(true);
    d.show();
    d.btnOK->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(table.emptied, 1);
    InstalledPorts().SetTable(nullptr);
}

}  // namespace
}  // namespace bw::test
