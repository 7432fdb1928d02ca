// Whole games played with the keyboard only, through the main window, and
// what they leave behind: the player's results, the status bar's misses and
// slips, and the statistics window.
#include <gmock/gmock.h>

#include <QAccessible>
#include <QTest>
#include <algorithm>

#include "app/memory_end_dialog.h"
#include "app/statistics_window.h"
#include "app/table_accessible.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/piles.h"
#include "interaction/keyboard.h"
#include "play_support.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class KeyboardPlay : public PlayTest {
protected:
    KeyboardPlay() { ResetResultsSession(); }

    void Key(Qt::Key key) { QTest::keyClick(window.imgSfondo, key); }

    // Moves the frame to the place of `row` and `slot` with the arrow keys,
    // Home and End only.
    void FrameTo(int row, int slot) {
        const auto grid = GridPlaces(ProgramGame());
        size_t line = 0, at = 0;
        bool found = false;
        for (size_t l = 0; l < grid.size() && !found; ++l)
            for (size_t i = 0; i < grid[l].size() && !found; ++i)
                if (grid[l][i].row == row && grid[l][i].slot == slot) {
                    line = l;
                    at = i;
                    found = true;
                }
        ASSERT_TRUE(found) << row << "/" << slot;
        Key(Qt::Key_Home);
        for (size_t i = 0; i < grid.size(); ++i) Key(Qt::Key_Up);
        Key(Qt::Key_Home);
        for (size_t l = 0; l < line; ++l) Key(Qt::Key_Down);
        Key(Qt::Key_Home);
        for (size_t i = 0; i < at; ++i) Key(Qt::Key_Right);
        ASSERT_TRUE(FocusFrameShown(ProgramGame()));
        ASSERT_EQ(FocusedPlace(ProgramGame()).row, row);
        ASSERT_EQ(FocusedPlace(ProgramGame()).slot, slot);
    }
    void Turn(const Slot& s) {
        FrameTo(s.row, s.k);
        Key(Qt::Key_Space);
    }
    // F2; the result dialog of the game it ends is closed.
    void NewDeal() {
        ModalAnswer close([](QWidget* w) {
            if (auto* d = qobject_cast<TfrmMemoryEnd*>(w)) d->btnOK->click();
        });
        window.mnuNewClick();
    }
    std::string Player() const {
        std::string p = ProgramGame().values.player;
        p.erase(p.find_last_not_of(' ') + 1);
        return p;
    }
};

TEST_F(KeyboardPlay, MemoryUpWonLostAndAbandonedAreRecorded) {
    Start(200, "Memory-Up (4x3)");
    std::vector<Slot> cards = GridCards();
    ASSERT_EQ(cards.size(), 12u);
    auto twinOf = [&](const Slot& a) {
        for (const Slot& b : cards)
            if (b.card == a.card + 52 || a.card == b.card + 52) return b;
        return Slot{};
    };
    // The frame shows only after the first arrow key, over the first card.
    EXPECT_TRUE(window.imgSfondo->FocusFrame().isEmpty());
    Key(Qt::Key_Space);
    EXPECT_EQ(ProgramGame().Options.Opt(99), 0);
    EXPECT_FALSE(IsFaceUp(ProgramGame(), cards[0].card));
    Key(Qt::Key_Right);
    EXPECT_FALSE(window.imgSfondo->FocusFrame().isEmpty());

    const Slot a = cards[0];
    const Slot b = cards[1].card == twinOf(a).card ? cards[2] : cards[1];
    Turn(a), Turn(b);          // nothing seen: unavoidable
    Turn(twinOf(a)), Turn(b);  // the twin of `a` was seen: a slip
    EXPECT_EQ(ProgramGame().Options.Opt(99), 2);
    EXPECT_EQ(Score(), "-56");

    QString title;
    ModalAnswer closeResult([&](QWidget* w) {
        auto* d = qobject_cast<TfrmMemoryEnd*>(w);
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        d->btnOK->click();
    });
    std::vector<CardCode> done;
    for (const Slot& s : cards) {
        if (std::find(done.begin(), done.end(), s.card) != done.end()) continue;
        const Slot t = twinOf(s);
        done.push_back(s.card);
        done.push_back(t.card);
        Turn(s), Turn(t);
    }
    EXPECT_EQ(title, "Game Won");
    // The ended game leaves no frame behind.
    EXPECT_TRUE(window.imgSfondo->FocusFrame().isEmpty());
    EXPECT_EQ(Score(), "4");
    EXPECT_EQ(window.pnlStatusBar->text(), "Misses: 2 (1 slip)");

    PlayerResults results = ReadPlayerResults(Player());
    ASSERT_EQ(results.count(200), 1u);
    const ResultRecord& won = results[200];
    EXPECT_EQ(won.played, 1);
    EXPECT_EQ(won.won, 1);
    EXPECT_EQ(won.bestScore, 4);
    EXPECT_EQ(won.misses, 2);
    EXPECT_EQ(won.slips, 1);
    EXPECT_EQ(won.perfect, 0);
    EXPECT_EQ(won.streak, 1);

    // A new deal without a card turned is no game; with one it is lost.
    NewDeal();
    EXPECT_EQ(window.pnlStatusBar->text(), "");
    NewDeal();
    EXPECT_EQ(ReadPlayerResults(Player())[200].played, 1);
    cards = GridCards();
    Turn(cards[0]);
    // A mouse press hides the frame.
    QTest::mousePress(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(window.imgSfondo->FocusFrame().isEmpty());
    NewDeal();
    const ResultRecord after = ReadPlayerResults(Player())[200];
    EXPECT_EQ(after.played, 2);
    EXPECT_EQ(after.lost, 1);
    EXPECT_EQ(after.streak, 0);
    EXPECT_EQ(after.longestStreak, 1);
    ASSERT_EQ(after.history.size(), 2u);
    EXPECT_TRUE(after.history[0].won);
    EXPECT_FALSE(after.history[1].won);

    // The statistics window shows the record and plots both games.
    TfrmStatistics stats(ProgramGame(), &window);
    stats.show();
    EXPECT_EQ(stats.SelectedGame(), 200);
    const int row = stats.grdGames->currentRow();
    EXPECT_EQ(stats.grdGames->item(row, 1)->text(), "2");
    EXPECT_EQ(stats.grdGames->item(row, 2)->text(), "1");
    EXPECT_EQ(stats.grdGames->item(row, 3)->text(), "50%");
    EXPECT_EQ(stats.grdGames->item(row, 11)->text(), "0.5");
    EXPECT_EQ(stats.imgPlot->results().size(), 2u);
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) stats.grab().save(keep + "/statistics_keyboard.png");
    EXPECT_THAT(dialogs.infos, ::testing::IsEmpty());
}

TEST_F(KeyboardPlay, ForgetMeNotPlacedWithTheKeyboard) {
    Start(205, "Forget me not");
    clock.Advance(11000);
    window.Timer1Timer();
    auto model = [](int j) { return BottomCode(ProgramGame().DestPiles[static_cast<size_t>(j)]); };
    auto dealtRow = [&](int j) {
        for (int r = 10; r < ProgramGame().GameRules[368]; ++r)
            if (BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(r)]) == model(j) + 52)
                return r;
        return -1;
    };
    Key(Qt::Key_Down);
    // Escape puts a lifted twin back where it was.
    const int first = dealtRow(0);
    FrameTo(first, 0);
    Key(Qt::Key_Space);
    EXPECT_TRUE(KeyboardHolding(ProgramGame()));
    EXPECT_LT(FocusedPlace(ProgramGame()).row, 10);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(KeyboardHolding(ProgramGame()));
    EXPECT_EQ(BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(first)]), model(0) + 52);

    QString title;
    ModalAnswer closeResult([&](QWidget* w) {
        if (auto* d = qobject_cast<TfrmMemoryEnd*>(w)) {
            title = d->windowTitle();
            d->btnOK->click();
        }
    });
    for (int j = 0; j < 10; ++j) {
        FrameTo(dealtRow(j), 0);
        Key(Qt::Key_Space);
        ASSERT_TRUE(KeyboardHolding(ProgramGame())) << j;
        Key(Qt::Key_Home);
        for (int i = 0; i < j; ++i) Key(Qt::Key_Right);
        ASSERT_EQ(FocusedPlace(ProgramGame()).row, j);
        Key(Qt::Key_Return);
        if (j < 9) {
            EXPECT_EQ(BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(j)]), model(j) + 52)
                << j;
        }
    }
    EXPECT_EQ(title, "Game Won");
    EXPECT_TRUE(window.imgSfondo->FocusFrame().isEmpty());
    EXPECT_EQ(Score(), "48");
    EXPECT_EQ(window.pnlStatusBar->text(), "Misses: 0");
    PlayerResults results = ReadPlayerResults(Player());
    EXPECT_EQ(results[205].won, 1);
    EXPECT_EQ(results[205].perfect, 1);
}

// What a screen reader gets of the table: the grid's places by name, the
// focused place following the frame, and what play says on the status line.
// (The bus itself is checked by the accessibility_tree test.)
TEST_F(KeyboardPlay, TheTableIsReadAndPlayIsSaidThroughAccessibility) {
    EXPECT_EQ(CardName(1), "Ace of hearts");
    EXPECT_EQ(CardName(52 + 26), "King of diamonds");
    EXPECT_EQ(CardName(52 * 2 + 1), "Joker");
    EXPECT_EQ(PlaceName(0, false, 1, 1), "Empty place");

    InstallTableAccessibility();
    Start(200, "Memory-Up (4x3)");
    QApplication::processEvents();
    auto* reader =
        dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(window.imgSfondo));
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->childCount(), 13);
    EXPECT_EQ(reader->child(0)->text(QAccessible::Name), "Face-down card, row 1, column 1");
    EXPECT_EQ(reader->child(12)->role(), QAccessible::StatusBar);

    const std::vector<Slot> cards = GridCards();
    const Slot a = cards[0];
    Slot b = cards[1].card == a.card + 52 || a.card == cards[1].card + 52 ? cards[2] : cards[1];
    Turn(a);
    QApplication::processEvents();
    const int at = reader->FocusedIndex();
    ASSERT_GE(at, 0);
    const QString nameA = CardName(a.card);
    EXPECT_EQ(reader->child(at)->text(QAccessible::Name).toStdString(), nameA.toStdString());
    EXPECT_EQ(reader->StatusText().toStdString(), nameA.toStdString());
    // A miss is said with the second card and the score; both turn back.
    Turn(b);
    QApplication::processEvents();
    EXPECT_EQ(reader->StatusText().toStdString(),
              (CardName(b.card) + ". No pair. Score: -54").toStdString());
    EXPECT_TRUE(reader->child(at)->text(QAccessible::Name).startsWith("Face-down card"));
    Slot twin = a;
    for (const Slot& s : cards)
        if (s.card == a.card + 52 || a.card == s.card + 52) twin = s;
    Turn(a);
    QApplication::processEvents();
    Turn(twin);
    QApplication::processEvents();
    EXPECT_TRUE(reader->StatusText().startsWith(CardName(twin.card) + ". Pair found"))
        << reader->StatusText().toStdString();
    EXPECT_EQ(reader->child(reader->FocusedIndex())->text(QAccessible::Name), "Empty place");
}

}  // namespace
}  // namespace bw::test
