// Whole piles and the whole table: cards land where the card-position rule
// says, the two tableau orders, partial updates that leave the same picture
// as a full repaint, and the deal animation.
#include "render/table.h"

#include <algorithm>

#include "core/card_positions.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render/qt_table.h"
#include "render_fixture.h"
#include "render_support.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

// The pixels of `img` in `r` that are not rounded-corner pixels equal
// `picture`'s; returns the first difference as text, or empty.
std::string CompareCard(const QImage& img, const QRect& r, const QImage& picture, int rows) {
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < r.width(); ++x) {
            const bool corner = (x < 2 || x >= r.width() - 2) && (y < 2 || y >= r.height() - 2);
            if (corner) continue;
            const unsigned want = picture.pixel(x, y) & 0xFFFFFF;
            const unsigned got = Rgb(img, r.x() + x, r.y() + y);
            if (want != got)
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       std::to_string(got) + " != " + std::to_string(want);
        }
    }
    return "";
}

std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Rgb(a, x, y) != Rgb(b, x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": " +
                       std::to_string(Rgb(a, x, y)) + " vs " + std::to_string(Rgb(b, x, y));
    return "";
}

class TableDrawing : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        SetParameter(135, 1, "Y");
        PaintBackground(Canvas::Table(ProgramGame()));
    }
    // Cascade game: stock of 24 face down, tableau pile i holds i + 1 cards
    // with only the top one face up.
    void DealCascades() {
        UseRules(test::CascadeRules());
        int code = 1;
        for (int i = 0; i < 7; ++i) {
            ProgramGame().FilaPiles[static_cast<size_t>(i)].clear();
            for (int k = 0; k <= i; ++k) {
                SetFaceFlag(ProgramGame().CardRegister, code, k == i ? '1' : '0');
                ProgramGame().FilaPiles[static_cast<size_t>(i)] += FormatCode(code++);
            }
        }
        ProgramGame().MazzoPiles[0].clear();
        while (code <= 52) {
            SetFaceFlag(ProgramGame().CardRegister, code, '0');
            ProgramGame().MazzoPiles[0] += FormatCode(code++);
        }
    }
    void DealGrid() {
        UseRules(test::MemoryGridRules());
        for (int i = 0; i < 4; ++i) {
            ProgramGame().FilaPiles[static_cast<size_t>(i)].clear();
            for (int k = 0; k < 6; ++k) {
                const int code = i * 6 + k + 1;
                SetFaceFlag(ProgramGame().CardRegister, code, '0');
                ProgramGame().FilaPiles[static_cast<size_t>(i)] += FormatCode(code);
            }
        }
    }
    QImage FullRepaint() {
        PaintBackground(Canvas::Table(ProgramGame()));
        RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
        return TableBitmap().copy();
    }
    static const QImage& Picture(CardCode c) {
        return IsFaceUp(ProgramGame(), c) ? CardFaces()[static_cast<size_t>(FaceIndexOf(c))]
                                          : CardBack();
    }
};

TEST_F(TableDrawing, EveryCardLiesWhereTheCardPositionRuleSays) {
    DealCascades();
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    for (int i = 0; i < 7; ++i) {
        const std::string name = PileName(kFila, i + 1);
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(i)];
        const int n = SlotCount(pile);
        for (int k = 0; k < n; ++k) {
            const CardCode c = SlotCode(pile, k);
            const CardPoint p = CardSlotPosition(ProgramGame(), name, i, k);
            // Lower cards show only their step; the top card shows whole.
            const int rows = k == n - 1
                                 ? ProgramGame().CardHeight
                                 : CardSlotPosition(ProgramGame(), name, i, k + 1).top - p.top;
            EXPECT_EQ(CompareCard(TableBitmap(), CardRectAt(ProgramGame(), p.left, p.top),
                                  Picture(c), rows),
                      "")
                << name << " card " << k;
        }
        // The top card is where the rule puts the top card.
        const CardPoint top = CardPositionInPile(ProgramGame(), name, i, 0, false);
        EXPECT_EQ(top.top, FilaTopOnScreen(ProgramGame(), i) + i * ProgramGame().Options.Opt(66))
            << name;
    }
    // Three face-down and two face-up cards: the top card 3 x 4 + 18 below the pile.
    ProgramGame().FilaPiles[2] = "001002003004005";
    for (CardCode c : {1, 2, 3}) SetFaceFlag(ProgramGame().CardRegister, c, '0');
    for (CardCode c : {4, 5}) SetFaceFlag(ProgramGame().CardRegister, c, '1');
    EXPECT_EQ(
        CardTopInPile(ProgramGame(), "Fila3", 2, 0, false) - FilaTopOnScreen(ProgramGame(), 2), 30);

    // The stock shows a back raised over its edge, the empty foundations their marks.
    EXPECT_EQ(CompareCard(TableBitmap(),
                          CardRectAt(ProgramGame(), ProgramGame().Options.StockLeft(0),
                                     ProgramGame().Options.StockTop(0)),
                          CardBack(), ProgramGame().CardHeight),
              "");
    EXPECT_EQ(ProgramGame().Options.StockLeft(0), ProgramGame().Options.Opt(123) - 4);  // 24 cards
    const QRect dest1 = CardRectAt(ProgramGame(), ProgramGame().Options.DestLeft(0),
                                   ProgramGame().Options.DestTop(0));
    const QRect dest2 = CardRectAt(ProgramGame(), ProgramGame().Options.DestLeft(1),
                                   ProgramGame().Options.DestTop(1));
    EXPECT_EQ(CompareCard(TableBitmap(), dest1,
                          test::MarkOver(PileMark("010"), BackgroundBitmap(), dest1),
                          ProgramGame().CardHeight),
              "");
    EXPECT_EQ(CompareCard(TableBitmap(), dest2,
                          test::MarkOver(PileMark("004"), BackgroundBitmap(), dest2),
                          ProgramGame().CardHeight),
              "");
    EXPECT_EQ(ProgramGame().Options.Opt(88), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(93), FilaTopOnScreen(ProgramGame(), 6) +
                                                 6 * ProgramGame().Options.Opt(66) +
                                                 ProgramGame().CardHeight);
}

TEST_F(TableDrawing, GridSlotsSideBySideAndHolesShowTheTable) {
    DealGrid();
    ProgramGame().FilaPiles[1].replace(3 * 4, 3, "000");
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 6; ++k) {
            const CardPoint p = CardSlotPosition(ProgramGame(), PileName(kFila, i + 1), i, k);
            EXPECT_EQ(p.left, ProgramGame().FilaLeft[static_cast<size_t>(i)] +
                                  k * (ProgramGame().CardWidth + 2));
            if (i == 1 && k == 4) {
                EXPECT_EQ(Rgb(TableBitmap(), p.left + 30, p.top + 40),
                          Rgb(BackgroundBitmap(), p.left + 30, p.top + 40));
                continue;
            }
            EXPECT_EQ(CompareCard(TableBitmap(), CardRectAt(ProgramGame(), p.left, p.top),
                                  CardBack(), ProgramGame().CardHeight),
                      "")
                << i << "/" << k;
        }
    }
}

TEST_F(TableDrawing, RowOrderAndPileOrderDecideWhichCardLiesOnTop) {
    DealCascades();
    ProgramGame().FilaPiles[0] = "001002";
    ProgramGame().FilaPiles[1] = "014015";
    for (CardCode c : {1, 2, 14, 15}) SetFaceFlag(ProgramGame().CardRegister, c, '1');
    for (int i = 2; i < 7; ++i) ProgramGame().FilaPiles[static_cast<size_t>(i)].clear();
    // Pile 2 overlaps pile 1, 20 right and 30 down.
    ProgramGame().FilaLeft[1] = static_cast<int16_t>(ProgramGame().FilaLeft[0] + 20);
    ProgramGame().FilaTop[1] = static_cast<int16_t>(ProgramGame().FilaTop[0] + 30);
    const int x = ProgramGame().FilaLeft[0] + 30,
              y = FilaTopOnScreen(ProgramGame(), 0) +
                  35;  // under card 1 of pile 1 and card 0 of pile 2

    ProgramGame().GameRules[24] = 0;  // row by row: card 1 of pile 1 comes after card 0 of pile 2
    FullRepaint();
    EXPECT_EQ(Rgb(TableBitmap(), x, y), CardFaces()[1].pixel(30, 35 - 18) & 0xFFFFFF);

    ProgramGame().GameRules[24] = 1;  // pile by pile
    FullRepaint();
    EXPECT_EQ(Rgb(TableBitmap(), x, y), CardFaces()[13].pixel(10, 5) & 0xFFFFFF);
}

TEST_F(TableDrawing, NothingIsDrawnWithoutAGameOnTheTable) {
    DealCascades();
    SetFlag(ProgramGame(), flag::kInProgress, false);
    const QImage before = TableBitmap().copy();
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    EXPECT_EQ(TableBitmap(), before);
}

TEST_F(TableDrawing, PartialUpdatesLeaveTheSamePictureAsAFullRepaint) {
    DealCascades();
    FullRepaint();
    auto change = [&](const std::string& name, const std::string& now) {
        std::string* pile = PileByName(ProgramGame(), name);
        const std::string before = *pile;
        *pile = now;
        const int index =
            PileKindOf(name) == kFila || PileKindOf(name) == kDest || PileKindOf(name) == kAppogg
                ? PileNumberOf(name) - 1
                : 0;
        ErasePileTail(ProgramGame(), before, now, PileAnchor(ProgramGame(), name, index).x(),
                      Canvas::Table(ProgramGame()), name);
        RedrawPileTop(ProgramGame(), name, index, Canvas::Table(ProgramGame()));
    };

    // A card leaves a cascade, and one goes to a foundation.
    const std::string seven = ProgramGame().FilaPiles[6];
    change("Fila7", seven.substr(0, seven.size() - 3));
    change("Dest1", seven.substr(seven.size() - 3));
    QImage partial = TableBitmap().copy();
    EXPECT_EQ(FirstDifference(partial, FullRepaint()), "");

    // The stock goes from 24 to 21 cards (raise 4 to 4) and to 20 (raise 3).
    const std::string stock = ProgramGame().MazzoPiles[0];
    change("Mazzo", stock.substr(0, 21 * 3));
    change("Mazzo", stock.substr(0, 20 * 3));
    partial = TableBitmap().copy();
    EXPECT_EQ(FirstDifference(partial, FullRepaint()), "");

    // A cascade emptied shows its mark.
    change("Fila1", "");
    partial = TableBitmap().copy();
    EXPECT_EQ(FirstDifference(partial, FullRepaint()), "");
}

TEST_F(TableDrawing, PairsLeaveHolesInTheGrid) {
    DealGrid();
    FullRepaint();
    std::string before = ProgramGame().FilaPiles[2];
    ProgramGame().FilaPiles[2].replace(3 * 5, 3, "000");  // the last slot
    ProgramGame().FilaPiles[2].replace(3 * 1, 3, "000");
    ErasePileTail(ProgramGame(), before, ProgramGame().FilaPiles[2], ProgramGame().FilaLeft[2],
                  Canvas::Table(ProgramGame()), "Fila3");
    RedrawPileTop(ProgramGame(), "Fila3", 2, Canvas::Table(ProgramGame()));
    const QImage partial = TableBitmap().copy();
    EXPECT_EQ(FirstDifference(partial, FullRepaint()), "");
}

TEST_F(TableDrawing, OverlappedPilesAreRedrawnAfterAnErase) {
    DealCascades();
    // Pile 2 lies half over pile 1.
    ProgramGame().FilaLeft[1] = static_cast<int16_t>(ProgramGame().FilaLeft[0] + 30);
    FullRepaint();
    const std::string before = ProgramGame().FilaPiles[0];
    ProgramGame().FilaPiles[0].clear();
    ErasePileTail(ProgramGame(), before, "", ProgramGame().FilaLeft[0],
                  Canvas::Table(ProgramGame()), "Fila1");
    const QImage partial = TableBitmap().copy();
    EXPECT_EQ(FirstDifference(partial, FullRepaint()), "");
}

TEST_F(TableDrawing, ShowTableCopiesFromTheScrollPosition) {
    DealCascades();
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    ProgramGame().Options.SetOpt(90, 25);
    ShowTable(ProgramGame());
    EXPECT_EQ(Rgb(window.image, 200, 100), Rgb(TableBitmap(), 200, 125));
    EXPECT_EQ(window.flushes.back(), window.image.rect());
    // A table picture shorter than the window leaves black below it.
    EXPECT_EQ(Rgb(window.image, 5, 699), 0u);
}

TEST_F(TableDrawing, ARepaintIsUnscrolledWhateverItsCanvasWasMadeAt) {
    DealCascades();
    const QImage still = FullRepaint();
    ProgramGame().Options.SetOpt(90, 25);
    const Canvas scrolled = Canvas::Table(ProgramGame());
    PaintBackground(Canvas::Table(ProgramGame()));
    RepaintTable(ProgramGame(), scrolled, false);
    EXPECT_EQ(ProgramGame().Options.Opt(90), 0);
    EXPECT_EQ(FirstDifference(TableBitmap(), still), "");
}

class Deal : public TableDrawing {};

TEST_F(Deal, ThrowsEveryCardAndEndsWithTheFullRepaintsPicture) {
    DealCascades();
    const QImage still = FullRepaint();
    SetParameter(141, 1, "Y");
    SetParameter(149, 1, "Y");
    PaintBackground(Canvas::Table(ProgramGame()));
    RepaintTable(ProgramGame(), Canvas::Window(ProgramGame()), true);

    EXPECT_EQ(FirstDifference(TableBitmap(), still), "");
    EXPECT_EQ(FirstDifference(window.image, TableBitmap()), "");
    ASSERT_EQ(core.sound.played.size(), 1u);
    EXPECT_EQ(core.sound.played[0], "Shuffle (loop)");
    EXPECT_EQ(core.sound.stops, 1);
    ASSERT_FALSE(core.waits.waits.empty());
    EXPECT_EQ(core.waits.waits[0], 100);
    // One Wait(1) per card thrown: the 28 tableau cards.
    EXPECT_EQ(std::count(core.waits.waits.begin(), core.waits.waits.end(), 1), 28);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Mazzo");
}

TEST_F(Deal, WithoutTheShuffleSoundAndFromTheThirdPileOfAGrid) {
    DealGrid();
    SetParameter(141, 1, "Y");
    SetParameter(149, 1, "N");
    const QImage still = FullRepaint();
    PaintBackground(Canvas::Table(ProgramGame()));
    RepaintTable(ProgramGame(), Canvas::Window(ProgramGame()), true);
    EXPECT_TRUE(core.sound.played.empty());
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Waste");
    EXPECT_EQ(FirstDifference(TableBitmap(), still), "");
    EXPECT_EQ(std::count(core.waits.waits.begin(), core.waits.waits.end(), 1), 24);
}

TEST(DeckPositionTest, FallsBackPileByPile) {
    test::CoreFixture core;
    ResetPileAnchors(ProgramGame());
    ProgramGame().FilaLeft[0] = 30;
    ProgramGame().FilaTop[0] = 40;
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Fila1");
    ProgramGame().Options.SetDestLeft(0, 10);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Dest1");
    ProgramGame().Options.SetStockLeft(2, 10);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Waste");
    ProgramGame().Options.SetAppoggLeft(0, 10);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Appogg1");
    ProgramGame().AppoggPiles[0] = "001002";
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Waste");
    ProgramGame().Options.SetStockLeft(1, 10);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Mazzo_Vis");
    ProgramGame().Options.SetStockLeft(0, 10);
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Mazzo");  // empty, and so is "Mazzo_Vis"
    ProgramGame().MazzoPiles[1] = "003";
    EXPECT_EQ(DeckPosition(ProgramGame()).pile, "Mazzo_Vis");
    ProgramGame().GameRules[51] = 46;
    const DeckPlace off = DeckPosition(ProgramGame());
    EXPECT_EQ(off.pile, "");
    EXPECT_EQ(off.at, QPoint(-78, 0));
}

TEST_F(TableDrawing, ArrowBesideTheSixthPileOfStyle172) {
    UseRules({{359, 172}, {360, 1}, {368, 8}});
    ASSERT_TRUE(OnTable(ProgramGame().FilaLeft[5]));
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    const int x = ProgramGame().FilaLeft[5] + ProgramGame().CardWidth + 5 + 10,
              y = FilaTopOnScreen(ProgramGame(), 5) + ProgramGame().CardHeight / 2;
    EXPECT_EQ(Rgb(TableBitmap(), x, y), 0xFFFFFFu);
    ProgramGame().GameRules[51] = 58;  // this goal kind has no arrow
    FullRepaint();
    EXPECT_NE(Rgb(TableBitmap(), x, y), 0xFFFFFFu);
}

TEST_F(TableDrawing, PortDrawsIntoTheTablePictureAndShowsTheChange) {
    DealCascades();
    QtTable port(ProgramGame());
    port.PaintEmptyTable();
    EXPECT_EQ(FirstDifference(window.image, TableBitmap()), "");
    port.RepaintTable(false);
    EXPECT_EQ(FirstDifference(window.image, TableBitmap()), "");
    const std::string before = ProgramGame().FilaPiles[3];
    ProgramGame().FilaPiles[3] = before.substr(0, before.size() - 3);
    window.flushes.clear();
    port.ErasePileTail(before, ProgramGame().FilaPiles[3], "Fila4");
    port.RedrawPileTop("Fila4");
    EXPECT_FALSE(window.flushes.empty());
    EXPECT_EQ(FirstDifference(window.image, TableBitmap()), "");
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

class PortSurfaces : public test::RenderTest {};

TEST_F(PortSurfaces, EachCallPaintsTheSurfacesItNames) {
    QtTable port(ProgramGame());
    const unsigned face = CardFaces()[4].pixel(30, 40) & 0xFFFFFF;
    port.DrawCardFace(5, 100, 100, kOnTable);
    EXPECT_EQ(test::Rgb(TableBitmap(), 130, 140), face);
    EXPECT_EQ(test::Rgb(window.image, 130, 140), 0x303030u);
    // What went onto the table picture alone is not shown by a later call.
    port.DrawCardBack(300, 100, kOnScreen);
    port.RedrawPileTop("Fila1");
    EXPECT_EQ(test::Rgb(window.image, 130, 140), 0x303030u);
    EXPECT_EQ(test::Rgb(window.image, 330, 140), CardBack().pixel(30, 40) & 0xFFFFFF);
    EXPECT_EQ(test::Rgb(TableBitmap(), 330, 140), 0x101010u);

    port.DrawCardFace(5, 500, 100, kOnBoth);
    port.DrawSelectionFrame(500, 100, kOnBoth);
    port.RestoreCardCorners(500, 100, kOnBoth);
    for (const QImage* img : {&TableBitmap(), &window.image}) {
        EXPECT_EQ(test::Rgb(*img, 530, 140), face);
        EXPECT_EQ(test::Rgb(*img, 500, 140), kSelectionFrameColour.rgb() & 0xFFFFFF);
        EXPECT_EQ(test::Rgb(*img, 500, 100), 0x202020u);  // corner from the background
    }
}

TEST_F(PortSurfaces, WindowFlightsLeaveTheTablePictureAlone) {
    QtTable port(ProgramGame());
    const QImage before = TableBitmap().copy();
    SetParameter(74, 2, "00");
    port.FlyCard(7, 100, 100, 400, 300);
    EXPECT_EQ(TableBitmap(), before);
    EXPECT_EQ(test::Rgb(window.image, 430, 340), CardFaces()[6].pixel(30, 40) & 0xFFFFFF);
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

class PortFlights : public TableDrawing {};

TEST_F(PortFlights, AutoplayFlightLiftsTheCardOffItsPileFirst) {
    DealCascades();
    QtTable port(ProgramGame());
    port.RepaintTable(false);
    SetParameter(74, 2, "00");
    const std::string seven = ProgramGame().FilaPiles[6];
    const CardCode top = TopCode(seven);
    const CardPoint from = CardPositionInPile(ProgramGame(), "Fila7", 6, 0, false);
    const CardPoint to = CardPositionInPile(ProgramGame(), "Dest1", 0, 0, true);
    port.FlyCard(top, -1, -1, "Dest1");
    // The pile itself is the engine's to change.
    EXPECT_EQ(ProgramGame().FilaPiles[6], seven);
    // The picture shows the pile without the card, and the card on the target.
    EXPECT_EQ(test::Rgb(TableBitmap(), from.left + 30, from.top + 94),
              test::Rgb(BackgroundBitmap(), from.left + 30, from.top + 94));
    EXPECT_EQ(test::Rgb(TableBitmap(), to.left + 30, to.top + 40),
              CardFaces()[static_cast<size_t>(FaceIndexOf(top))].pixel(30, 40) & 0xFFFFFF);
    EXPECT_EQ(test::Rgb(window.image, to.left + 30, to.top + 40),
              test::Rgb(TableBitmap(), to.left + 30, to.top + 40));
}

TEST_F(PortFlights, RedealFliesOneBackPerCardAndLeavesTheWindowAsTheTable) {
    DealCascades();
    QtTable port(ProgramGame());
    port.RepaintTable(false);
    SetParameter(74, 2, "08");
    port.AnimateRedeal(3);
    EXPECT_GE(core.waits.waits.size(), 3u);
    EXPECT_TRUE(window.image == TableBitmap());
}

}  // namespace
}  // namespace bw
