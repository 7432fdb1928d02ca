#pragma once
// The generic engine played through the real main window: the test games of
// tests/data/games (compiled into their own GAMES.DAT) are started as a first
// run would start them, and the tests press, drag and release on imgSfondo at
// the positions the layout gave the piles.
#include <gmock/gmock.h>

#include <QTest>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/shell_hooks.h"
#include "core/card_positions.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/history.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/press.h"
#include "interaction/wiring.h"
#include "play_support.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "support/program_game.h"

namespace bw::test {

// Card codes: (suit - 1) x 13 + rank, suits hearts, diamonds, clubs, spades.
constexpr CardCode H(int rank) {
    return rank;
}
constexpr CardCode D(int rank) {
    return 13 + rank;
}
constexpr CardCode C(int rank) {
    return 26 + rank;
}
constexpr CardCode S(int rank) {
    return 39 + rank;
}

// The window's own drawing port, noting what the engine asked it to show
// that leaves no trace in the pile data.
class NotingTable : public ShellTable {
public:
    using ShellTable::ShellTable;
    struct Caption {
        int foundation;
        std::string text, suit;
    };
    std::vector<int> redeals;  // cards per redeal animation
    std::vector<Caption> captions;
    int glides = 0;
    int winningShows = 0;

    void AnimateRedeal(int cards) override {
        redeals.push_back(cards);
        ShellTable::AnimateRedeal(cards);
    }
    void DrawJokerCaption(int foundation, const std::string& text,
                          const std::string& suit) override {
        captions.push_back({foundation, text, suit});
        ShellTable::DrawJokerCaption(foundation, text, suit);
    }
    void GlideHeldImage(int fromLeft, int fromTop, int toLeft, int toTop, bool shadow) override {
        ++glides;
        ShellTable::GlideHeldImage(fromLeft, fromTop, toLeft, toTop, shadow);
    }
};

// Everything a restored table must give back: the four pile lists and every
// card's face flag.
struct TableState {
    PileList mazzo, dest, fila, appogg;
    std::string faces;  // one flag per card code 1..108
    bool operator==(const TableState&) const = default;
};

inline void PrintTo(const TableState& t, std::ostream* os) {
    auto list = [&](const char* name, const PileList& l) {
        *os << name << ":";
        for (size_t i = 0; i < l.size(); ++i)
            if (!l[i].empty()) *os << " " << i + 1 << "=" << l[i];
        *os << "\n";
    };
    list("stock", t.mazzo);
    list("dest", t.dest);
    list("fila", t.fila);
    list("appogg", t.appogg);
    *os << "faces: " << t.faces << "\n";
}

inline TableState CurrentTable() {
    TableState t{ProgramGame().MazzoPiles, ProgramGame().DestPiles, ProgramGame().FilaPiles,
                 ProgramGame().AppoggPiles, std::string()};
    for (const std::string& line : ProgramGame().CardRegister)
        t.faces += line.empty() ? '?' : line.back();
    return t;
}

// The window must show what a full repaint of the table from its
// background shows: every pile as it is now, the table in every hole, each
// card by its face flag. Leaves the window repainted.
inline ::testing::AssertionResult ScreenShowsTable(TfrmMain& window) {
    const QRect area = window.imgSfondo->rect();
    const QImage shown = window.imgSfondo->Image().copy(area);
    TableView().PaintEmptyTable();
    TableView().RepaintTable(false);
    const QImage truth = window.imgSfondo->Image().copy(area);
    int wrong = 0;
    QPoint first;
    for (int y = 0; y < truth.height(); ++y)
        for (int x = 0; x < truth.width(); ++x)
            if (shown.pixel(x, y) != truth.pixel(x, y) && wrong++ == 0) first = QPoint(x, y);
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << wrong << " pixels differ from a full repaint, the first at " << first.x() << ","
           << first.y();
}

inline std::vector<CardCode> Cards(const std::string& pile) {
    std::vector<CardCode> out;
    for (int i = 0; i < SlotCount(pile); ++i) out.push_back(SlotCode(pile, i));
    return out;
}

inline std::string PileOf(const std::vector<CardCode>& codes) {
    std::string pile;
    for (CardCode c : codes) pile += FormatCode(c);
    return pile;
}

inline int CardsOnTableau() {
    int n = 0;
    for (const std::string& p : ProgramGame().FilaPiles) n += SlotCount(p);
    return n;
}

class EnginePlay : public WindowPlayOn<NotingTable> {
protected:
    EnginePlay() : WindowPlayOn(BW_TEST_GAMES_DAT) {}

    // The program's own GAMES.DAT instead of the test games.
    void UseShippedGames() {
        dir.write("GAMES.DAT", ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT"));
    }

    // Starts test game `id` as the stored game of a first run; `prefs` adds
    // lines to the "Preference" section. Autoplay is off unless asked for.
    void Start(int id, const std::string& name, const std::string& prefs = "AutoPlay=N\r\n") {
        StartStored(id, name, prefs);
        ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
        ASSERT_EQ(TextInt(ProgramGame().values.id, -1), id);
        ASSERT_GT(ProgramGame().GameRules[371], 0) << "game " << id << " is not in GAMES.DAT";
        // From now on the open-game dialog is only counted (after a win).
        shell.openGameDialog = [this] { ++gameOffers; };
    }

    // Deals the stored game again with a fixed game number.
    void Deal(const std::string& number) {
        SetValue(ProgramGame().values.number, field::kGameNumber, number);
        StartGame(ProgramGame(), true, false, 0, false);
    }

    // Lays the table out by hand (codes bottom first; every card face up
    // unless listed in `down`) and forgets the history of the deal.
    void Lay(const std::string& pile, const std::vector<CardCode>& codes,
             const std::vector<CardCode>& down = {}) {
        std::string* p = PileByName(ProgramGame(), pile);
        if (pile == "Waste") p = &ProgramGame().MazzoPiles[2];
        ASSERT_NE(p, nullptr) << pile;
        *p = PileOf(codes);
        for (CardCode c : codes) {
            if (c < 1) continue;
            const bool isDown = std::find(down.begin(), down.end(), c) != down.end();
            SetFaceFlag(ProgramGame().CardRegister, c, isDown ? '0' : '1');
        }
    }
    void ClearTable() {
        for (PileList* list : {&ProgramGame().MazzoPiles, &ProgramGame().DestPiles,
                               &ProgramGame().FilaPiles, &ProgramGame().AppoggPiles})
            for (std::string& p : *list) p.clear();
    }
    // Shows the table laid by hand and starts the histories from it.
    void ShowLaidTable() {
        ClearHistory(ProgramGame(), true);
        TableView().RepaintTable(false);
        TableView().ShowTable();
    }

    // The middle of a pile's top card (of the place for the next card when
    // `next`), in table widget coordinates.
    static QPoint TopOf(const std::string& pile, bool next = false) {
        const CardPoint p =
            CardPositionInPile(ProgramGame(), pile, PileNumberOf(pile) - 1, 0, next);
        return {p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2};
    }
    static QPoint AnchorOf(const std::string& pile) {
        const CardPoint p = CardSlotPosition(ProgramGame(), pile, PileNumberOf(pile) - 1, 0);
        return {p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2};
    }
    // The visible band of card k (0 = bottom) of a tableau pile.
    static QPoint CardOf(const std::string& pile, int k) {
        const CardPoint p = CardSlotPosition(ProgramGame(), pile, PileNumberOf(pile) - 1, k);
        return {p.left + ProgramGame().CardWidth / 2, p.top + 4};
    }
    static CardPoint StockPoint(int i) {
        return {ProgramGame().Options.StockLeft(i), ProgramGame().Options.StockTop(i)};
    }
    static QPoint StockCentre(int i) {
        return {ProgramGame().Options.StockLeft(i) + ProgramGame().CardWidth / 2,
                ProgramGame().Options.StockTop(i) + ProgramGame().CardHeight / 2};
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window.imgSfondo, button, Qt::NoModifier, at);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window.imgSfondo, button, Qt::NoModifier, at);
    }
    void MoveTo(QPoint at) { QTest::mouseMove(window.imgSfondo, at); }
    void Click(QPoint at) {
        Press(at);
        Release(at);
    }
    void RightClick(QPoint at) {
        Press(at, Qt::RightButton);
        Release(at, Qt::RightButton);
    }
    // A double click as the system delivers it: press, release, the double
    // click (with its own press) and the last release.
    void DoubleClick(QPoint at) {
        Press(at);
        Release(at);
        QTest::mouseDClick(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, at);
        Release(at);
    }

    // Presses at `from` and drags the held image until its top-left corner
    // lies at (left, top), in a few steps, then releases. False when the
    // press picked nothing up.
    bool DragTo(QPoint from, int left, int top) {
        Press(from);
        if (ProgramGame().Options.Opt(94) == 0) {
            Release(from);
            return false;
        }
        const QPoint to(left + ProgramGame().pointer.GrabOffset.x,
                        top + ProgramGame().pointer.GrabOffset.y);
        for (int step = 1; step <= 3; ++step) MoveTo(from + (to - from) * step / 3);
        Release(to);
        return true;
    }
    // Drags the card at `from` so that it lies squarely on `pile`'s top card
    // (the lifted image floats HeldLift up and left of where the card lies).
    bool DragOnto(QPoint from, const std::string& pile) {
        const CardPoint p =
            CardPositionInPile(ProgramGame(), pile, PileNumberOf(pile) - 1, 0, false);
        return DragTo(from, p.left + 3 - HeldLift(), p.top + 5 - HeldLift());
    }

    int Beeps() const { return dialogs.beeps; }
    int Played(const std::string& name) const {
        return static_cast<int>(std::count(sound.played.begin(), sound.played.end(), name));
    }

    int gameOffers = 0;
};

}  // namespace bw::test
