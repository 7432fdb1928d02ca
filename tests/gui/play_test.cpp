// Whole memory games played through the main window with simulated clicks
// on the positions of the layout, from the first activation to the result
// dialog, on the shipped GAMES.DAT and resource library.
#include <gmock/gmock.h>

#include <algorithm>
#include <map>

#include "app/customize_dialog.h"
#include "app/memory_end_dialog.h"
#include "core/game.h"
#include "core/piles.h"
#include "play_support.h"
#include "render/card_images.h"
#include "render/layout.h"
#include "render/table.h"
#include "storage/preferences.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

TEST_F(PlayTest, MemoryUp4x3WonWithOneMiss) {
    Start(200, "Memory-Up (4x3)");
    EXPECT_EQ(window.windowTitle().left(36), "Brindlewick 2003 3.1  [Memory-Up (4x");
    EXPECT_EQ(Score(), "-52");
    // Autoplay is on by default: it waits 800 ms after the deal.
    EXPECT_EQ(waits.waits, (std::vector<int>{800}));
    waits.waits.clear();
    std::vector<Slot> cards = GridCards();
    ASSERT_EQ(cards.size(), 12u);
    for (const Slot& s : cards)
        ASSERT_TRUE(OnTable(ProgramGame().FilaLeft[static_cast<size_t>(s.row)]));

    // Twins: the same card of the two decks.
    auto twinOf = [&](const Slot& a) {
        for (const Slot& b : cards)
            if (b.card == a.card + 52 || a.card == b.card + 52) return b;
        return Slot{};
    };
    // One miss first: two cards that are not twins.
    Slot a = cards[0];
    Slot notTwin = cards[1].card == twinOf(a).card ? cards[2] : cards[1];
    Click(a);
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) window.grab().save(keep + "/play_one_up.png");
    Click(notTwin);
    EXPECT_EQ(ProgramGame().Options.Opt(99), 1);
    EXPECT_EQ(Score(), "-54");
    // Each card turns back after 200 ms (the shorter waits are the turning
    // animation of the second card).
    ASSERT_GE(waits.waits.size(), 2u);
    EXPECT_EQ(std::count(waits.waits.begin(), waits.waits.end(), 200), 2);
    EXPECT_EQ(waits.waits.back(), 200);
    EXPECT_EQ(waits.waits[waits.waits.size() - 2], 200);

    QString title, grid, products;
    ModalAnswer closeResult([&](QWidget* w) {
        auto* d = qobject_cast<TfrmMemoryEnd*>(w);
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        grid = d->grbGrid->title();
        products = d->lblTotMatches->text() + "|" + d->lblTotMisses->text() + "|" +
                   d->lblTotalPair->text();
        if (!keep.isEmpty()) window.grab().save(keep + "/play_result.png");
        d->btnOK->click();
    });
    std::vector<CardCode> done;
    for (const Slot& s : cards) {
        if (std::find(done.begin(), done.end(), s.card) != done.end()) continue;
        const Slot t = twinOf(s);
        done.push_back(s.card);
        done.push_back(t.card);
        Click(s);
        Click(t);
    }
    EXPECT_EQ(ProgramGame().MazzoPiles[2].size(), 36u);  // six pairs in the waste
    EXPECT_EQ(title, "Game Won");
    EXPECT_EQ(grid, "Grid: 4 x 3");
    EXPECT_EQ(products, "60|-2|6");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(Score(), "6");
}

// The look time chosen in Customize keeps a wrong pair up that long (the
// second card turns back at the usual pace), and the game is recorded with it.
TEST_F(PlayTest, TheLookTimeFromCustomizeHoldsAWrongPairAndIsRecorded) {
    Start(200, "Memory-Up (4x3)");
    {
        ModalAnswer customize([](QWidget* w) {
            auto* d = qobject_cast<TfrmCustomize_Freeware*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->spnWrongPair->value(), 0.2);
            EXPECT_EQ(d->spnStudyTime->value(), 10);
            d->spnWrongPair->setValue(1.5);
            d->btnOK->click();
        });
        ShowCustomizeDialog(ProgramGame(), &window);
    }
    EXPECT_EQ(ReadPreference("Wrong_Pair_Time", ""), "1500");
    const std::vector<Slot> cards = GridCards();
    auto twinOf = [&](const Slot& a) {
        for (const Slot& b : cards)
            if (b.card == a.card + 52 || a.card == b.card + 52) return b;
        return Slot{};
    };
    Click(cards[0]);
    waits.waits.clear();
    Click(cards[1].card == twinOf(cards[0]).card ? cards[2] : cards[1]);
    ASSERT_GE(waits.waits.size(), 2u);
    EXPECT_EQ(waits.waits[waits.waits.size() - 2], 1500);
    EXPECT_EQ(waits.waits.back(), 200);

    ModalAnswer closeResult([](QWidget* w) { qobject_cast<TfrmMemoryEnd*>(w)->btnOK->click(); });
    std::vector<CardCode> done;
    for (const Slot& s : cards) {
        if (std::find(done.begin(), done.end(), s.card) != done.end()) continue;
        done.push_back(s.card);
        done.push_back(twinOf(s).card);
        Click(s);
        Click(twinOf(s));
    }
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    const std::string player = ProgramGame().values.player;
    EXPECT_EQ(ReadPlayerResults(player).count(200), 0u);
    const PlayerLookResults looks = ReadPlayerLookResults(player);
    ASSERT_EQ(looks.count(ResultKey{200, 1500}), 1u);
    EXPECT_EQ(looks.at(ResultKey{200, 1500}).won, 1);
}

// Taking a pair out of the middle of a row shortens the row for a moment;
// the picture must still show the table in every hole and each remaining
// card at its own slot.
TEST_F(PlayTest, TakenPairsLeaveHolesThatShowTheTable) {
    Start(201, "Memory-Up (6x4)");
    const std::vector<Slot> cards = GridCards();
    ASSERT_EQ(cards.size(), 24u);
    auto inner = [](const QImage& img, const CardPoint& p) {
        return img.copy(p.left + 4, p.top + 4, ProgramGame().CardWidth - 8,
                        ProgramGame().CardHeight - 8);
    };
    auto checkRows = [&](const std::string& when) {
        for (int r = 0; r < ProgramGame().GameRules[368]; ++r) {
            const std::string& row = ProgramGame().FilaPiles[static_cast<size_t>(r)];
            const std::string name = "Fila" + std::to_string(r + 1);
            for (int k = 0; k < SlotCount(row); ++k) {
                const CardPoint p = CardSlotPosition(ProgramGame(), name, r, k);
                const bool showsTable = inner(TableBitmap(), p) == inner(BackgroundBitmap(), p);
                EXPECT_EQ(showsTable, SlotCode(row, k) == 0)
                    << when << ": row " << r << " slot " << k;
            }
        }
    };
    ModalAnswer closeResult([](QWidget* w) {
        if (auto* d = qobject_cast<TfrmMemoryEnd*>(w)) d->btnOK->click();
    });
    std::vector<CardCode> done;
    // Rows are taken from their right end last, so most pairs leave holes
    // with cards after them.
    for (const Slot& s : cards) {
        if (std::find(done.begin(), done.end(), s.card) != done.end()) continue;
        for (const Slot& t : cards) {
            if (t.card != s.card + 52 && s.card != t.card + 52) continue;
            done.push_back(s.card);
            done.push_back(t.card);
            Click(s);
            Click(t);
            // The score passes the target (40) with two pairs to go: the
            // game still ends only with the last pair.
            if (done.size() < cards.size()) {
                ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress)) << done.size() / 2 << " pairs";
                checkRows("after " + std::to_string(s.card));
            }
        }
    }
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(Score(), "68");
}

// A smaller window lays the grid out anew; where its cards lay before, the
// table must show the background again, not the old cards.
TEST_F(PlayTest, ResizingRedrawsTheTableFromItsBackground) {
    Start(201, "Memory-Up (6x4)");
    std::vector<QRect> before;
    for (const Slot& s : GridCards()) {
        const CardPoint p =
            CardSlotPosition(ProgramGame(), "Fila" + std::to_string(s.row + 1), s.row, s.k);
        before.push_back(QRect(p.left, p.top, ProgramGame().CardWidth, ProgramGame().CardHeight));
    }
    window.resize(640, 500);
    QApplication::processEvents();
    QRegion cards;
    for (const Slot& s : GridCards()) {
        const CardPoint p =
            CardSlotPosition(ProgramGame(), "Fila" + std::to_string(s.row + 1), s.row, s.k);
        cards += QRect(p.left - 12, p.top - 12, ProgramGame().CardWidth + 24,
                       ProgramGame().CardHeight + 24);
    }
    cards += QRect(ProgramGame().Options.StockLeft(2) - 12, ProgramGame().Options.StockTop(2) - 12,
                   ProgramGame().CardWidth + 24, ProgramGame().CardHeight + 24);
    int checked = 0;
    for (const QRect& r : before) {
        if (cards.contains(r.center())) continue;
        ++checked;
        EXPECT_EQ(TableBitmap().pixel(r.center()), BackgroundBitmap().pixel(r.center()))
            << "old card at " << r.x() << "," << r.y();
    }
    EXPECT_GT(checked, 0);  // the layout did move
}

TEST_F(PlayTest, WindowTooSmallForTheCardsKeepsThemReachable) {
    // Shrunk below what even the smallest cards need, the window keeps the
    // size at which every card lies whole on the table; a game that needs
    // less room lets it shrink further again.
    Start(203, "Concentration");
    window.resize(300, 220);
    QApplication::processEvents();
    EXPECT_TRUE(window.TableHoldsPiles())
        << window.width() << " x " << window.height() << ", table extent "
        << TableExtent(ProgramGame()).right() << "," << TableExtent(ProgramGame()).bottom();
    EXPECT_GT(window.minimumWidth(), 300);
    const QSize concentration = window.minimumSize();
    {
        ModalAnswer closeResult([](QWidget* w) { w->close(); });
        ASSERT_TRUE(OpenGame(ProgramGame(), 200, "Memory-Up (4x3)", kNewGameNumber, false,
                             ProgramGame().values.player));
    }
    EXPECT_TRUE(window.TableHoldsPiles());
    EXPECT_LT(window.minimumSize().width() * window.minimumSize().height(),
              concentration.width() * concentration.height());
}

// Every card of every shipped game lies whole on the table, at any window
// from 800 x 600 up: at the card size chosen where the table has room for
// it, at a smaller one where it has not, and at the chosen one again when
// the window grows back.
class FitTest : public PlayTest, public ::testing::WithParamInterface<char> {};

TEST_P(FitTest, EveryCardIsWholeOnTheTable) {
    screen.width = 1920;
    screen.height = 1080;
    const char chosen = GetParam();
    int chosenWidth = 0, chosenHeight = 0;
    ASSERT_TRUE(CardSizeOfLetter(chosen, chosenWidth, chosenHeight));
    StartStored(201, "Memory-Up (6x4)", std::string("Card_Size=") + chosen + "\r\n");
    auto whole = [&](const std::string& when) {
        const TableRect area = window.TableArea();
        const QRect room(0, area.top, window.imgSfondo->width(), area.bottom + 1 - area.top);
        int cards = 0;
        for (const PilePosition& p : PilesOnTable(ProgramGame())) {
            const int index = p.name.rfind("Fila", 0) == 0 ? PileNumberOf(p.name) - 1 : 0;
            const std::string* pile = PileByName(ProgramGame(), p.name);
            const int n = pile ? SlotCount(*pile) : 0;
            for (int k = 0; k < std::max(n, 1); ++k) {
                const CardPoint c = n == 0 ? CardPoint{p.left, p.top}
                                           : CardSlotPosition(ProgramGame(), p.name, index, k);
                ++cards;
                EXPECT_TRUE(room.contains(
                    QRect(c.left, c.top, ProgramGame().CardWidth, ProgramGame().CardHeight)))
                    << when << ": " << p.name << " slot " << k << " at " << c.left << "," << c.top
                    << " outside " << room.width() << " x " << room.bottom() + 1;
            }
        }
        EXPECT_GT(cards, 10) << when;
    };
    const struct {
        int id;
        const char* name;
    } games[] = {{200, "Memory-Up (4x3)"}, {201, "Memory-Up (6x4)"}, {202, "Memory-Up (8x5)"},
                 {203, "Concentration"},   {204, "Ace-To-King"},     {205, "Forget me not"}};
    const QSize sizes[] = {{1920, 1080}, {1280, 1024}, {1024, 768}, {800, 600}, {1920, 1080}};
    for (const auto& g : games) {
        {
            ModalAnswer closeResult([](QWidget* w) { w->close(); });
            ASSERT_TRUE(OpenGame(ProgramGame(), g.id, g.name, kNewGameNumber, false,
                                 ProgramGame().values.player));
        }
        for (const QSize& size : sizes) {
            window.resize(size);
            QApplication::processEvents();
            ASSERT_EQ(window.imgSfondo->width(), size.width());
            whole(std::string(g.name) + " at " + std::to_string(size.width()) + " x " +
                  std::to_string(size.height()));
        }
        // The full screen's window has room for the chosen size.
        EXPECT_EQ(ProgramGame().CardWidth, chosenWidth) << g.name;
        EXPECT_EQ(GetParameter(pos::kCardSize, 1), std::string(1, chosen)) << g.name;
    }
}

INSTANTIATE_TEST_SUITE_P(CardSizes, FitTest, ::testing::Values('B', 'S'));

// "Fit to the table": at every window size each shipped game's cards lie
// whole on the table, and the cards grow with the table, so that the piles
// cover at least 75% of its width or of its height (whichever the game's
// proportions reach first). A window grown back takes its former size again.
TEST_F(PlayTest, FitToTheTableFillsTheTableWithWholeCards) {
    screen.width = 3840;
    screen.height = 2160;
    StartStored(201, "Memory-Up (6x4)", "Card_Size=F\r\n");
    const struct {
        int id;
        const char* name;
    } games[] = {{200, "Memory-Up (4x3)"}, {201, "Memory-Up (6x4)"}, {202, "Memory-Up (8x5)"},
                 {203, "Concentration"},   {204, "Ace-To-King"},     {205, "Forget me not"}};
    const QSize sizes[] = {{800, 600}, {1280, 1024}, {3840, 2160}};
    for (const auto& g : games) {
        {
            ModalAnswer closeResult([](QWidget* w) { w->close(); });
            ASSERT_TRUE(OpenGame(ProgramGame(), g.id, g.name, kNewGameNumber, false,
                                 ProgramGame().values.player));
        }
        int heightAtFull = 0;
        for (const QSize& size : sizes) {
            window.resize(size);
            QApplication::processEvents();
            const std::string when = std::string(g.name) + " at " + std::to_string(size.width()) +
                                     " x " + std::to_string(size.height());
            ASSERT_EQ(window.imgSfondo->width(), size.width()) << when;
            const TableRect area = window.TableArea();
            const QRect room(0, area.top, window.imgSfondo->width(), area.bottom + 1 - area.top);
            QRect cards;
            for (const PilePosition& p : PilesOnTable(ProgramGame())) {
                const int index = p.name.rfind("Fila", 0) == 0 ? PileNumberOf(p.name) - 1 : 0;
                const std::string* pile = PileByName(ProgramGame(), p.name);
                const int n = pile ? SlotCount(*pile) : 0;
                for (int k = 0; k < std::max(n, 1); ++k) {
                    const CardPoint c = n == 0 ? CardPoint{p.left, p.top}
                                               : CardSlotPosition(ProgramGame(), p.name, index, k);
                    const QRect card(c.left, c.top, ProgramGame().CardWidth,
                                     ProgramGame().CardHeight);
                    EXPECT_TRUE(room.contains(card)) << when << ": " << p.name << " slot " << k;
                    cards |= card;
                }
            }
            // The pictures follow the size.
            EXPECT_EQ(CardBack().size(), QSize(ProgramGame().CardWidth, ProgramGame().CardHeight))
                << when;
            EXPECT_EQ(CardFace(0).size(), QSize(ProgramGame().CardWidth, ProgramGame().CardHeight))
                << when;
            const double share = std::max(double(cards.width()) / room.width(),
                                          double(cards.height()) / room.height());
            EXPECT_GE(share, 0.75) << when << ": cards " << cards.width() << " x " << cards.height()
                                   << " of " << room.width() << " x " << room.height();
            if (size.width() == 3840) heightAtFull = ProgramGame().CardHeight;
        }
        // The table's own proportions, not a letter's size, and the same
        // size again for the same table.
        EXPECT_GT(heightAtFull, 115) << g.name;
        window.resize(1280, 1024);
        QApplication::processEvents();
        window.resize(3840, 2160);
        QApplication::processEvents();
        EXPECT_EQ(ProgramGame().CardHeight, heightAtFull) << g.name;
        EXPECT_EQ(GetParameter(pos::kCardSize, 1), "F");
    }
}

TEST_F(PlayTest, AceToKingRunInOrder) {
    Start(204, "Ace-To-King");
    std::vector<Slot> cards = GridCards();
    ASSERT_EQ(cards.size(), 12u);
    std::map<int, Slot> byRank;
    for (const Slot& s : cards) byRank[RankOf(s.card)] = s;
    ASSERT_EQ(byRank.size(), 12u);

    // A two first is a miss at once.
    Click(byRank[2]);
    EXPECT_EQ(ProgramGame().Options.Opt(99), 1);
    QString title, run;
    ModalAnswer closeResult([&](QWidget* w) {
        auto* d = qobject_cast<TfrmMemoryEnd*>(w);
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        run = d->lblMatchesSequence->text() + "|" + d->lblTotMatchesSequence->text() + "|" +
              d->lblTotMissesSequence->text();
        d->btnOK->click();
    });
    for (int rank = 1; rank <= 12; ++rank) Click(byRank[rank]);
    EXPECT_EQ(title, "Game Won");
    EXPECT_EQ(run, "12|180|-1");
    EXPECT_EQ(Score(), "127");
}

}  // namespace
}  // namespace bw::test
