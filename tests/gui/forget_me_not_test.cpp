// "Forget me not" played through the main window: the models memorised
// while the clock runs, hidden, the twins dealt, every twin dragged with the
// mouse from where it was dealt to the answer place under a model, the
// reveal and the result dialog; and undo while placing.
#include <gmock/gmock.h>

#include <QDialog>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <array>
#include <set>
#include <sstream>

#include "app/memory_end_dialog.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/history.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "interaction/undo.h"
#include "play_support.h"
#include "render/drawing.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

constexpr int kModels = 10;

// The table as the undo must give it back: every pile, every face flag and
// the table picture.
struct TableState {
    PileList mazzo, dest, fila, appogg;
    std::string faces;
    QImage picture;
    bool operator==(const TableState&) const = default;
};

class ForgetMeNotTest : public PlayTest {
protected:
    void StartGame() {
        Start(205, "Forget me not");
        // Only an exposed window paints (the drag's paint count below).
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static CardCode Model(int j) {
        return BottomCode(ProgramGame().DestPiles[static_cast<size_t>(j)]);
    }
    static CardCode Twin(int j) { return Model(j) + 52; }
    static std::string RowName(int r) { return "Fila" + std::to_string(r + 1); }
    static CardPoint Place(int r) { return CardSlotPosition(ProgramGame(), RowName(r), r, 0); }
    static CardPoint ModelPlace(int j) {
        return {ProgramGame().Options.DestLeft(j), ProgramGame().Options.DestTop(j)};
    }

    // The row (10 and up) the twin of model j was dealt to; -1 when none.
    static int DealtRow(int j) {
        for (int r = kModels; r < ProgramGame().GameRules[368]; ++r)
            if (BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(r)]) == Twin(j)) return r;
        return -1;
    }

    void EndMemorising() {
        clock.Advance(11000);
        window.Timer1Timer();
    }

    // A left-button drag from the middle of the card at `from` to the same
    // point of a card at `to`, in five pointer moves, `holdMs` after the press.
    void Drag(const CardPoint& from, const CardPoint& to, int holdMs = 0) {
        const QPoint grab(ProgramGame().CardWidth / 2, ProgramGame().CardHeight / 2);
        const QPoint a = QPoint(from.left, from.top) + grab;
        const QPoint b = QPoint(to.left, to.top) + grab;
        QTest::mousePress(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, a);
        clock.Advance(holdMs);
        for (int i = 1; i <= 5; ++i) QTest::mouseMove(window.imgSfondo, a + (b - a) * i / 5);
        QTest::mouseRelease(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, b);
    }

    // Empty when the window shows exactly what the table picture holds,
    // otherwise where it first does not.
    std::string WindowOffTable() const {
        const QImage& shown = window.imgSfondo->Image();
        const QRect area = QRect(QPoint(0, 0), window.imgSfondo->size()) & TableBitmap().rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shown.pixel(x, y) !=
                    TableBitmap().pixel(x, y + ProgramGame().Options.Opt(opt::kScroll))) {
                    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR")) {
                        const QString shotDir = qEnvironmentVariable("BW_SCREENSHOT_DIR");
                        shown.save(shotDir + "/fmn_window.png");
                        TableBitmap().save(shotDir + "/fmn_table.png");
                    }
                    return "differs at " + std::to_string(x) + "," + std::to_string(y);
                }
        return {};
    }

    // Whether the window shows `picture` at (left, top); the rounded corners
    // take the table's colour and are left out.
    bool Shows(const CardPoint& at, const QImage& picture) const {
        const QImage& shown = window.imgSfondo->Image();
        const QImage p = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 3; y < ProgramGame().CardHeight - 3; ++y)
            for (int x = 3; x < ProgramGame().CardWidth - 3; ++x)
                if (shown.pixel(at.left + x, at.top + y) != p.pixel(x, y)) return false;
        return true;
    }
    bool ShowsFace(const CardPoint& at, CardCode c) const {
        return Shows(at, CardFaces()[static_cast<size_t>(FaceIndexOf(c))]);
    }
    bool Framed(const CardPoint& at) const {
        return window.imgSfondo->Image().pixel(at.left + ProgramGame().CardWidth / 2, at.top) ==
               kSelectionFrameColour.rgb();
    }

    static TableState Current() {
        TableState s{ProgramGame().MazzoPiles,
                     ProgramGame().DestPiles,
                     ProgramGame().FilaPiles,
                     ProgramGame().AppoggPiles,
                     {},
                     TableBitmap()};
        for (const std::string& line : ProgramGame().CardRegister) s.faces += line.back();
        return s;
    }

    // The result dialog's numbers, read while it is open, and its badge.
    struct Result {
        QString title, numbers, time;
        int page = -1;
        size_t waitsBefore = 0;  // waits made before the dialog closed
        bool green = false, red = false;
        std::string offTable;  // where the window differed from the table picture
        std::array<bool, kModels> framed{};
        std::array<bool, kModels> modelShown{};
        std::array<bool, kModels> plainAnswer{};  // the answer shows its bare face
        std::array<int, kModels> greenPixels{};   // green pixels on the answer
        bool coversCards = false;
    };
    int GreenPixels(const CardPoint& at) const {
        const QImage& shown = window.imgSfondo->Image();
        int n = 0;
        for (int y = 0; y < ProgramGame().CardHeight; ++y)
            for (int x = 0; x < ProgramGame().CardWidth; ++x) {
                const QColor c = shown.pixelColor(at.left + x, at.top + y);
                n += c.green() > 80 && c.red() < c.green() / 2 && c.blue() < c.green() / 2;
            }
        return n;
    }
    Result result;
    void AnswerResult(QWidget* w) {
        auto* d = qobject_cast<TfrmMemoryEnd*>(w);
        ASSERT_NE(d, nullptr);
        result.title = d->windowTitle();
        result.time = window.lblTempo->text();
        result.page = d->Notebook1->currentIndex();
        QStringList n;
        for (QLabel* l :
             {d->lblMatchesFmn, d->lblMissesFmn, d->lblTotMatchesFmn, d->lblTotMissesFmn,
              d->lblStartScoreFmn, d->LblTotalFmn, d->lblScoreToWinFmn})
            n << l->text();
        result.numbers = n.join('|');
        const QImage badge = d->imgForgetMeNot->pixmap().toImage();
        result.green = badge == d->imgGreen->pixmap().toImage();
        result.red = badge == d->imgRed->pixmap().toImage();
        // The table behind the dialog: the models shown again, the answers
        // that hold their model's twin framed.
        for (int j = 0; j < kModels; ++j) {
            result.framed[static_cast<size_t>(j)] = Framed(Place(j));
            result.modelShown[static_cast<size_t>(j)] =
                IsFaceUp(ProgramGame(), Model(j)) && ShowsFace(ModelPlace(j), Model(j));
            const CardCode answer = BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(j)]);
            result.plainAnswer[static_cast<size_t>(j)] = ShowsFace(Place(j), answer);
            result.greenPixels[static_cast<size_t>(j)] = GreenPixels(Place(j));
        }
        // The report leaves the models and the answers in sight.
        for (int j = 0; j < kModels; ++j) {
            for (const CardPoint& p : {ModelPlace(j), Place(j)}) {
                const QRect card(window.imgSfondo->mapToGlobal(QPoint(p.left, p.top)),
                                 QSize(ProgramGame().CardWidth, ProgramGame().CardHeight));
                result.coversCards = result.coversCards || d->frameGeometry().intersects(card);
            }
        }
        // The last twin's drag is over: no held image or shadow is left on
        // the window behind the dialog.
        result.offTable = WindowOffTable();
        result.waitsBefore = waits.waits.size();
        // On a real display: the whole screen with the report over the table.
        if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR") && QGuiApplication::primaryScreen() &&
            QTest::qWaitForWindowExposed(d) && (QTest::qWait(300), true))
            QGuiApplication::primaryScreen()->grabWindow(0).save(
                qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/fmn_report_" +
                (result.title == "Game Won" ? "won" : "lost") + ".png");
        d->btnOK->click();
    }
};

TEST_F(ForgetMeNotTest, WonWithEveryTwinUnderItsModel) {
    StartGame();
    EXPECT_EQ(Score(), "-52");
    EXPECT_EQ(window.lblTempo->text(), ZeroTimeText());

    // Memorise: ten different first-deck models face up, no twin yet.
    std::set<CardCode> models;
    for (int j = 0; j < kModels; ++j) {
        ASSERT_GE(Model(j), 1);
        ASSERT_LE(Model(j), 52);
        models.insert(Model(j));
        EXPECT_TRUE(IsFaceUp(ProgramGame(), Model(j))) << j;
        EXPECT_TRUE(ShowsFace(ModelPlace(j), Model(j))) << j;
    }
    EXPECT_EQ(models.size(), 10u);
    for (const std::string& row : ProgramGame().FilaPiles) EXPECT_EQ(row, "");
    EXPECT_EQ(WindowOffTable(), "");

    const int stepsBefore = StepCount(ProgramGame().UndoLists);
    clock.Advance(5000);
    window.Timer1Timer();
    EXPECT_EQ(window.lblTempo->text().toStdString(),
              "0" + window.TimeSeparator() + "00" + window.TimeSeparator() + "05");
    clock.Advance(5000);
    window.Timer1Timer();  // ten seconds are not yet more than ten
    EXPECT_TRUE(IsFaceUp(ProgramGame(), Model(0)));
    EXPECT_EQ(ProgramGame().FilaPiles[10] + ProgramGame().FilaPiles[11], "");

    waits.waits.clear();
    clock.Advance(1000);
    window.Timer1Timer();
    // The models turn down one by one, then the twins show one by one.
    EXPECT_EQ(waits.waits, std::vector<int>(20, 200));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), stepsBefore + 2);
    for (int j = 0; j < kModels; ++j) {
        EXPECT_FALSE(IsFaceUp(ProgramGame(), Model(j))) << j;
        EXPECT_TRUE(Shows(ModelPlace(j), CardBack())) << j;
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(j)], "") << j;
        const int r = DealtRow(j);
        ASSERT_GE(r, kModels) << j;
        EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(r)]), 1);
        EXPECT_TRUE(IsFaceUp(ProgramGame(), Twin(j)));
        EXPECT_TRUE(ShowsFace(Place(r), Twin(j))) << j;
    }
    EXPECT_EQ(WindowOffTable(), "");

    // Place: each twin dragged to the answer place under its model.
    for (int j = 0; j < kModels - 1; ++j) {
        const int from = DealtRow(j);
        Drag(Place(from), Place(j));
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(j)], FormatCode(Twin(j))) << j;
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(from)], "") << j;
        EXPECT_TRUE(ShowsFace(Place(j), Twin(j))) << j;
        EXPECT_EQ(WindowOffTable(), "") << "after twin " << j;
        EXPECT_FALSE(IsFaceUp(ProgramGame(), Model(0)));  // nothing is revealed before the last
        EXPECT_EQ(Score(), "-52");
    }
    // The last twin held for 1.5 s after the press (which shows the time):
    // the time behind the dialog is the time recorded.
    ModalAnswer answer([this](QWidget* w) { AnswerResult(w); });
    Drag(Place(DealtRow(kModels - 1)), Place(kModels - 1), 1500);

    EXPECT_EQ(result.title, "Game Won");
    const ResultRecord record = ReadPlayerResults("Player 1")[205];
    EXPECT_EQ(record.won, 1);
    EXPECT_EQ(result.time.toStdString(), FormatElapsed(record.bestTime * 1000));
    EXPECT_EQ(result.offTable, "");
    EXPECT_EQ(result.page, 2);
    EXPECT_EQ(result.numbers, "10|0|100|0|-52|48|18)");
    EXPECT_TRUE(result.green);
    EXPECT_FALSE(result.red);
    for (int j = 0; j < kModels; ++j) {
        EXPECT_TRUE(result.modelShown[static_cast<size_t>(j)]) << j;
        EXPECT_TRUE(result.framed[static_cast<size_t>(j)]) << j;
    }
    EXPECT_EQ(Score(), "48");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kEnded));
    // The winning show follows the dialog after its pause.
    ASSERT_GT(waits.waits.size(), result.waitsBefore);
    EXPECT_EQ(waits.waits[result.waitsBefore], 200);
    EXPECT_FALSE(CanUndo(ProgramGame()));
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.tbUndo->isEnabled());
}

TEST_F(ForgetMeNotTest, LostWithFourTwinsUnderTheWrongModel) {
    StartGame();
    EndMemorising();
    // A hidden model is not picked up: it stays where it is, face down.
    Drag(ModelPlace(0), Place(DealtRow(0) == 10 ? 11 : 10));
    EXPECT_EQ(BottomCode(ProgramGame().DestPiles[0]), Model(0));
    EXPECT_FALSE(IsFaceUp(ProgramGame(), Model(0)));

    // Six twins in their place.
    for (int j = 0; j < 6; ++j) Drag(Place(DealtRow(j)), Place(j));
    // An answer place takes one card only; a twin place takes none back. A
    // refused twin goes back where it was dealt.
    const int r6 = DealtRow(6);
    Drag(Place(r6), Place(0));
    EXPECT_EQ(ProgramGame().FilaPiles[0], FormatCode(Twin(0)));
    EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(r6)], FormatCode(Twin(6)));
    int freeTwinRow = kModels;
    while (!ProgramGame().FilaPiles[static_cast<size_t>(freeTwinRow)].empty()) ++freeTwinRow;
    Drag(Place(r6), Place(freeTwinRow));
    EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(freeTwinRow)], "");
    EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(r6)], FormatCode(Twin(6)));
    EXPECT_TRUE(ShowsFace(Place(r6), Twin(6)));
    EXPECT_EQ(WindowOffTable(), "");

    // The last four rotated one place along.
    const std::array<int, 4> to = {9, 6, 7, 8};
    for (int k = 0; k < 3; ++k) Drag(Place(DealtRow(6 + k)), Place(to[static_cast<size_t>(k)]));
    EXPECT_EQ(Score(), "-52");
    ModalAnswer answer([this](QWidget* w) { AnswerResult(w); });
    Drag(Place(DealtRow(9)), Place(to[3]));

    EXPECT_EQ(result.title, "Game Lost");
    EXPECT_EQ(result.page, 2);
    EXPECT_EQ(result.numbers, "6|4|60|0|-52|8|18)");
    EXPECT_TRUE(result.red);
    EXPECT_FALSE(result.green);
    EXPECT_FALSE(result.coversCards);
    for (int j = 0; j < kModels; ++j) {
        EXPECT_TRUE(result.modelShown[static_cast<size_t>(j)]) << j;
        EXPECT_EQ(result.framed[static_cast<size_t>(j)], j < 6) << j;
        // Right and wrong answers carry marks that differ in more than hue.
        EXPECT_FALSE(result.plainAnswer[static_cast<size_t>(j)]) << j;
        if (j < 6)
            EXPECT_GT(result.greenPixels[static_cast<size_t>(j)], 100) << j;
        else
            EXPECT_LT(result.greenPixels[static_cast<size_t>(j)], 20) << j;
    }
    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR"))
        window.grab().save(qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/fmn_reveal.png");
    EXPECT_EQ(Score(), "8");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    // A lost game leaves the revealed table on the window.
    EXPECT_EQ(WindowOffTable(), "");
    EXPECT_TRUE(ShowsFace(ModelPlace(9), Model(9)));
    EXPECT_EQ(ProgramGame().FilaPiles[9], FormatCode(Twin(6)));
}

// A longer study time keeps the models up for all of it, and the game is
// recorded apart from those played with the standard one.
TEST_F(ForgetMeNotTest, ALongerStudyTimeKeepsTheModelsUpAndIsRecordedApart) {
    StartStored(205, "Forget me not", "Study_Time=20\r\n");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    clock.Advance(20000);
    window.Timer1Timer();
    EXPECT_TRUE(IsFaceUp(ProgramGame(), Model(0)));
    EXPECT_EQ(ProgramGame().FilaPiles[10] + ProgramGame().FilaPiles[11], "");
    clock.Advance(1000);
    window.Timer1Timer();
    EXPECT_FALSE(IsFaceUp(ProgramGame(), Model(0)));
    ModalAnswer answer([this](QWidget* w) { AnswerResult(w); });
    for (int j = 0; j < kModels; ++j) Drag(Place(DealtRow(j)), Place(j));
    EXPECT_EQ(result.title, "Game Won");
    EXPECT_EQ(ReadPlayerResults("Player 1").count(205), 0u);
    const PlayerLookResults all = ReadPlayerLookResults("Player 1");
    ASSERT_EQ(all.count(ResultKey{205, 20000}), 1u);
    EXPECT_EQ(all.at(ResultKey{205, 20000}).won, 1);
}

TEST_F(ForgetMeNotTest, UndoAndRedoWhilePlacingRestoreTheTableExactly) {
    StartGame();
    EndMemorising();
    // Nothing to undo or redo yet: both commands are greyed.
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.tbRedo->isEnabled());
    std::vector<TableState> states{Current()};
    for (int j = 0; j < 3; ++j) {
        Drag(Place(DealtRow(j)), Place(j));
        states.push_back(Current());
    }
    ASSERT_EQ(ProgramGame().FilaPiles[2], FormatCode(Twin(2)));

    EXPECT_TRUE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.mnuRedo->isEnabled());
    window.mnuUndo->trigger();
    EXPECT_TRUE(Current() == states[2]);
    EXPECT_EQ(WindowOffTable(), "");
    EXPECT_TRUE(window.tbRedo1->isEnabled());
    window.mnuRedo->trigger();
    EXPECT_TRUE(Current() == states[3]);
    EXPECT_EQ(WindowOffTable(), "");

    for (int k = 2; k >= 0; --k) {
        window.mnuUndo->trigger();
        EXPECT_TRUE(Current() == states[static_cast<size_t>(k)]) << k;
    }
    EXPECT_EQ(WindowOffTable(), "");
    // Undo stops at the dealt twins: going further would show the models
    // again, or leave them hidden with no twins to place.
    // The command is greyed; reached anyway, it beeps.
    EXPECT_FALSE(window.tbUndo->isEnabled());
    dialogs.beeps = 0;
    UndoCommand(ProgramGame());
    EXPECT_TRUE(Current() == states[0]);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(window.mnuRedo->isEnabled());

    // A new move drops what could be redone.
    for (int k = 0; k < 2; ++k) window.mnuRedo->trigger();
    EXPECT_TRUE(Current() == states[2]);
    Drag(Place(DealtRow(3)), Place(3));
    EXPECT_FALSE(CanRedo(ProgramGame()));
    EXPECT_EQ(ProgramGame().FilaPiles[1], FormatCode(Twin(1)));
    EXPECT_EQ(ProgramGame().FilaPiles[2], "");
    EXPECT_EQ(ProgramGame().FilaPiles[3], FormatCode(Twin(3)));
    EXPECT_EQ(WindowOffTable(), "");
}

// A twin dropped on an answer place that is taken goes back where it was
// dealt, never to a neighbouring place it does not cover: moved squarely
// onto place 6 (the pointer moved as for the twin there), or so far left
// that it meets the edge of place 5 without covering a pixel of it.
TEST_F(ForgetMeNotTest, ADropOnATakenPlaceGoesBackNotNextDoor) {
    StartGame();
    EndMemorising();
    Drag(Place(DealtRow(0)), Place(5));
    ASSERT_EQ(ProgramGame().FilaPiles[5], FormatCode(Twin(0)));
    const int gap = Place(5).left - (Place(4).left + ProgramGame().CardWidth);
    ASSERT_GT(gap, 0);
    const int from = DealtRow(1);
    for (int left : {Place(5).left, Place(5).left - gap}) {
        Drag(Place(from), {left, Place(5).top});
        for (int r : {4, 6})
            EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(r)], "") << left << " " << r;
        EXPECT_EQ(ProgramGame().FilaPiles[5], FormatCode(Twin(0)));
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(from)], FormatCode(Twin(1))) << left;
        EXPECT_TRUE(ShowsFace(Place(from), Twin(1)));
        EXPECT_EQ(WindowOffTable(), "");
    }
    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR"))
        window.grab().save(qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/fmn_taken_place.png");
}

// A deal left untouched is no game: a new deal during the memorise phase
// reports nothing; once a twin is placed the abandoned game is reported lost.
TEST_F(ForgetMeNotTest, OnlyAPlayedGameIsReportedWhenLeft) {
    StartGame();
    std::vector<QString> reports;
    auto answer = [&reports](QWidget* w) {
        reports.push_back(w->windowTitle());
        if (auto* d = qobject_cast<TfrmMemoryEnd*>(w)) d->btnOK->click();
    };
    {
        ModalAnswer modal(answer);
        window.mnuNew->trigger();
        QTest::qWait(30);
    }
    EXPECT_TRUE(reports.empty()) << reports.front().toStdString();
    EndMemorising();
    Drag(Place(DealtRow(0)), Place(0));
    {
        ModalAnswer modal(answer);
        window.mnuNew->trigger();
    }
    EXPECT_EQ(reports, std::vector<QString>{"Game Lost"});
}

// A modal window over the game holds its time: the clock and the memorise
// phase stand still behind it and go on from where they stopped.
TEST_F(ForgetMeNotTest, AModalWindowHoldsTheClockAndTheMemorisePhase) {
    StartGame();
    clock.Advance(5000);
    window.Timer1Timer();
    const QString five = window.lblTempo->text();
    QString during;
    bool upDuring = false;
    {
        ModalAnswer modal([&](QWidget* w) {
            clock.Advance(20000);
            window.Timer1Timer();
            during = window.lblTempo->text();
            upDuring = IsFaceUp(ProgramGame(), Model(0));
            qobject_cast<QDialog*>(w)->reject();
        });
        window.mnuStatistics->trigger();
    }
    EXPECT_EQ(during, five);
    EXPECT_TRUE(upDuring);
    window.Timer1Timer();
    EXPECT_EQ(window.lblTempo->text(), five);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), Model(0)));
    clock.Advance(6000);  // eleven seconds of play
    window.Timer1Timer();
    EXPECT_FALSE(IsFaceUp(ProgramGame(), Model(0)));
}

// Sums what the table widget paints.
class PaintCounter : public QObject {
public:
    long long area = 0;
    QRect bounds;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
                area += static_cast<long long>(r.width()) * r.height();
                bounds |= r;
            }
        }
        return false;
    }
};

TEST_F(ForgetMeNotTest, ADragFramePaintsOnlyAroundTheHeldCard) {
    StartGame();
    EndMemorising();
    const CardPoint from = Place(DealtRow(0));
    const QPoint grab = QPoint(from.left, from.top) +
                        QPoint(ProgramGame().CardWidth / 2, ProgramGame().CardHeight / 2);
    QTest::mousePress(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(window.imgSfondo, grab + QPoint(30, 40));
    ASSERT_NE(ProgramGame().Options.Opt(94), 0);

    PaintCounter paints;
    window.imgSfondo->installEventFilter(&paints);
    const QRect before(ProgramGame().pointer.DragRect.left, ProgramGame().pointer.DragRect.top,
                       ProgramGame().pointer.DragRect.right - ProgramGame().pointer.DragRect.left,
                       ProgramGame().pointer.DragRect.bottom - ProgramGame().pointer.DragRect.top);
    QTest::mouseMove(window.imgSfondo, grab + QPoint(33, 42));
    window.imgSfondo->removeEventFilter(&paints);

    // The old and the new place of the image with its shadow, and no more.
    const int s = CardShadowOffset();
    const QRect image = before.adjusted(0, 0, s, s);
    const QRect reach = image | image.translated(3, 2);
    EXPECT_GT(paints.area, 0);
    EXPECT_TRUE(reach.contains(paints.bounds))
        << paints.bounds.x() << "," << paints.bounds.y() << " " << paints.bounds.width() << "x"
        << paints.bounds.height();
    EXPECT_LE(paints.area, 2LL * image.width() * image.height());
    QTest::mouseRelease(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, grab + QPoint(33, 42));
    EXPECT_EQ(WindowOffTable(), "");
}

}  // namespace
}  // namespace bw::test
