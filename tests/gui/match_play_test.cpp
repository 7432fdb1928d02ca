// A match through the real window: two people alternate on one grid, a pair
// keeps the turn, the standings close the match and each person's match
// record counts it while their solo results do not.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QPushButton>

#include "app/match_window.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/piles.h"
#include "play_support.h"
#include "storage/match_records.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class MatchPlayTest : public PlayTest {
protected:
    // "Ann" and "Bob" in the players list, Ann current.
    void StartWithPlayers() {
        WriteFirstRunSettings(200, "Memory-Up (4x3)",
                              "UserDefault=Ann\r\n[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
        ASSERT_TRUE(window.FormCreate());
        window.show();
        window.Activated();
        ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    }
    Slot Find(CardCode c) const {
        for (const Slot& s : GridCards())
            if (s.card == c) return s;
        ADD_FAILURE() << "no card " << c;
        return {};
    }
    static void Choose(QComboBox* box, const QString& text) {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
    }
};

TEST_F(MatchPlayTest, TwoPeopleAlternateAndThePairKeepsTheTurn) {
    StartWithPlayers();
    EXPECT_TRUE(window.mnuNewMatch->isEnabled());
    {
        ModalAnswer seats([](QWidget* modal) {
            auto* d = qobject_cast<TfrmNewMatch*>(modal);
            ASSERT_NE(d, nullptr);
            Choose(d->cboSeat[0], "Ann");
            Choose(d->cboSeat[1], "Bob");
            d->btnOK->click();
        });
        window.mnuNewMatch->trigger();
    }
    ASSERT_TRUE(window.match_->Active());
    EXPECT_TRUE(ProgramGame().inMatch);
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_TRUE(window.match_->panel()->isVisible());
    EXPECT_EQ(window.pnlStatusBar->text(), "Ann to play.");
    const PlayerResults annSolo = ReadPlayerResults("Ann");

    // Ann: a card and one that is not its twin, a miss: Bob plays.
    const std::vector<Slot> grid = GridCards();
    const CardCode first = grid[0].card;
    const CardCode twin = first > 52 ? first - 52 : first + 52;
    CardCode other = 0;
    for (const Slot& s : grid)
        if (s.card != first && s.card != twin) other = s.card;
    Click(Find(first));
    EXPECT_EQ(window.match_->play()->state().toPlay, 0);
    Click(Find(other));
    EXPECT_EQ(window.match_->play()->state().toPlay, 1);
    EXPECT_EQ(window.pnlStatusBar->text(), "Bob to play.");
    EXPECT_FALSE(window.mnuUndo->isEnabled());

    // Bob takes every pair, keeping the turn each time; the last one ends
    // the match with the standings.
    QString verdict;
    ModalAnswer standings([&verdict](QWidget* modal) {
        auto* d = qobject_cast<TfrmMatchEnd*>(modal);
        ASSERT_NE(d, nullptr);
        verdict = d->lblVerdict->text();
        d->btnOK->click();
    });
    int pairs = 0;
    while (window.match_->Active()) {
        const std::vector<Slot> left = GridCards();
        ASSERT_FALSE(left.empty());
        const CardCode c = left[0].card;
        Click(left[0]);
        Click(Find(c > 52 ? c - 52 : c + 52));
        ++pairs;
        if (window.match_->Active()) {
            EXPECT_EQ(window.match_->play()->state().toPlay, 1);
            EXPECT_EQ(window.match_->play()->state().seats[1].pairs, pairs);
        }
    }
    EXPECT_EQ(pairs, 6);
    EXPECT_EQ(verdict, "Bob wins the match.");
    EXPECT_FALSE(ProgramGame().inMatch);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(window.match_->panel()->isVisible());
    EXPECT_EQ(ReadMatchRecord(200, "Bob"), (MatchRecord{1, 1, 0, 0}));
    EXPECT_EQ(ReadMatchRecord(200, "Ann"), (MatchRecord{1, 0, 1, 0}));
    EXPECT_EQ(ReadPlayerResults("Ann"), annSolo);  // the match is no solo game
    EXPECT_TRUE(ReadPlayerResults("Bob").empty());
}

TEST_F(MatchPlayTest, KeysPlayAPersonsTurnAndTheComputersTurnTakesNoInput) {
    StartWithPlayers();
    window.match_->computerMs = 3600000;  // the computer waits for the test
    {
        ModalAnswer seats([](QWidget* modal) {
            auto* d = qobject_cast<TfrmNewMatch*>(modal);
            ASSERT_NE(d, nullptr);
            Choose(d->cboSeat[1], "Computer: Perfect memory");
            d->btnOK->click();
        });
        window.mnuNewMatch->trigger();
    }
    ASSERT_TRUE(window.match_->Active());
    auto faceUp = [this] {
        int n = 0;
        for (const Slot& s : GridCards()) n += IsFaceUp(ProgramGame(), s.card) ? 1 : 0;
        return n;
    };
    // Ann turns two cards with the keys: the focus frame, then Space.
    QTest::keyClick(window.imgSfondo, Qt::Key_Right);
    QTest::keyClick(window.imgSfondo, Qt::Key_Space);
    EXPECT_EQ(faceUp(), 1);
    const int before = static_cast<int>(GridCards().size());
    QTest::keyClick(window.imgSfondo, Qt::Key_Down);
    QTest::keyClick(window.imgSfondo, Qt::Key_Space);
    const MatchState& m = window.match_->play()->state();
    EXPECT_EQ(m.seats[0].pairs + m.seats[0].misses, 1);
    if (m.seats[0].pairs == 1) {
        EXPECT_EQ(static_cast<int>(GridCards().size()), before - 2);
        GTEST_SKIP() << "a lucky pair keeps the turn: the rest needs a miss";
    }
    ASSERT_TRUE(window.match_->TableLocked());
    EXPECT_EQ(window.pnlStatusBar->text(), "Computer (Perfect memory) is playing.");
    // Neither a press nor a key turns a card for the computer.
    Click(GridCards()[0]);
    QTest::keyClick(window.imgSfondo, Qt::Key_Space);
    EXPECT_EQ(faceUp(), 0);
    EXPECT_EQ(m.toPlay, 1);
    QTest::keyClick(window.imgSfondo, Qt::Key_Escape);
    EXPECT_FALSE(window.match_->Active());
}

TEST_F(MatchPlayTest, EscapeQuitsTheMatchUnrecordedAndANewDealEndsIt) {
    StartWithPlayers();
    for (int round = 0; round < 2; ++round) {
        {
            ModalAnswer seats([](QWidget* modal) {
                auto* d = qobject_cast<TfrmNewMatch*>(modal);
                ASSERT_NE(d, nullptr);
                Choose(d->cboSeat[1], "Bob");
                d->btnOK->click();
            });
            window.mnuNewMatch->trigger();
        }
        ASSERT_TRUE(window.match_->Active());
        const std::vector<Slot> grid = GridCards();
        Click(grid[0]);
        if (round == 0) {
            dialogs.answers = {false};  // "Quit this game?": no
            QTest::keyClick(window.imgSfondo, Qt::Key_Escape);
            EXPECT_TRUE(window.match_->Active());
            QTest::keyClick(window.imgSfondo, Qt::Key_Escape);
            EXPECT_THAT(dialogs.confirms.back(), testing::HasSubstr("Quit this game?"));
        } else {
            window.mnuNew->trigger();
            EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
        }
        EXPECT_FALSE(window.match_->Active());
        EXPECT_FALSE(ProgramGame().inMatch);
    }
    EXPECT_EQ(ReadMatchRecord(200, "Ann"), std::nullopt);
    EXPECT_EQ(ReadMatchRecord(200, "Bob"), std::nullopt);
    EXPECT_TRUE(ReadPlayerResults("Bob").empty());
    // Not in a game without pairs.
    ASSERT_TRUE(OpenGame(ProgramGame(), 204, "Ace-To-King", kNewGameNumber, false, ""));
    EXPECT_FALSE(window.mnuNewMatch->isEnabled());
}

}  // namespace
}  // namespace bw::test
