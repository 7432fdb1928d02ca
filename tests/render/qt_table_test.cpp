// The drawing port's held-card and erase operations, checked on the pixels of
// the table picture and the window.
#include "render/qt_table.h"

#include "core/card_positions.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "render/animations.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render/table.h"
#include "render_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

class PortDrawing : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        SetParameter(135, 1, "Y");
    }
    // The memory grid with every card face up, drawn on the table and shown.
    void DealGridUp() {
        UseRules(test::MemoryGridRules());
        for (int i = 0; i < 4; ++i) {
            ProgramGame().FilaPiles[static_cast<size_t>(i)].clear();
            for (int k = 0; k < 6; ++k) {
                const int code = i * 6 + k + 1;
                SetFaceFlag(ProgramGame().CardRegister, code, '1');
                ProgramGame().FilaPiles[static_cast<size_t>(i)] += FormatCode(code);
            }
        }
        PaintBackground(Canvas::Table(ProgramGame()));
        RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
        ShowTable(ProgramGame());
    }
    static unsigned Face(CardCode c, int x, int y) {
        return CardFaces()[static_cast<size_t>(FaceIndexOf(c))].pixel(x, y) & 0xFFFFFF;
    }
    QtTable port{ProgramGame()};
};

TEST_F(PortDrawing, EraseRectPaintsTheBackgroundOnTheAskedSurfacesOnly) {
    PaintSurfaces(0x111111, 0x222222, 0x333333);
    port.EraseRect(10, 10, 20, 30, kOnTable);
    EXPECT_EQ(Rgb(TableBitmap(), 10, 10), 0x222222u);
    EXPECT_EQ(Rgb(TableBitmap(), 19, 29), 0x222222u);
    EXPECT_EQ(Rgb(TableBitmap(), 20, 29), 0x111111u);  // right and bottom exclusive
    EXPECT_EQ(Rgb(TableBitmap(), 19, 30), 0x111111u);
    EXPECT_EQ(Rgb(window.image, 10, 10), 0x333333u);

    port.EraseRect(40, 40, 50, 50, kOnScreen);
    EXPECT_EQ(Rgb(window.image, 45, 45), 0x222222u);
    EXPECT_EQ(Rgb(TableBitmap(), 45, 45), 0x111111u);

    port.EraseRect(60, 60, 70, 70, kOnBoth);
    EXPECT_EQ(Rgb(window.image, 65, 65), 0x222222u);
    EXPECT_EQ(Rgb(TableBitmap(), 65, 65), 0x222222u);

    // RestoreRect brings the table picture back onto the window.
    port.RestoreRect(40, 40, 50, 50);
    EXPECT_EQ(Rgb(window.image, 45, 45), 0x111111u);
}

TEST_F(PortDrawing, MatchedPairLeavesTheGridPicture) {
    DealGridUp();
    const CardPoint a = CardSlotPosition(ProgramGame(), "Fila1", 0, 2);
    const int cx = a.left + ProgramGame().CardWidth / 2, cy = a.top + ProgramGame().CardHeight / 2;
    ASSERT_EQ(Rgb(TableBitmap(), cx, cy),
              Face(3, ProgramGame().CardWidth / 2, ProgramGame().CardHeight / 2));
    // The pair leaves the lists; the pile is drawn from them again.
    ProgramGame().FilaPiles[0].replace(2 * 3, 3, "000");
    port.DrawPile("Fila1", kOnBoth);
    QRgb bg;
    ASSERT_TRUE(Canvas::Background(ProgramGame()).Pixel(cx, cy, bg));
    EXPECT_EQ(Rgb(TableBitmap(), cx, cy), bg & 0xFFFFFF);
    EXPECT_EQ(Rgb(window.image, cx, cy), bg & 0xFFFFFF);
    // Its neighbours are still there.
    const CardPoint b = CardSlotPosition(ProgramGame(), "Fila1", 0, 3);
    EXPECT_EQ(Rgb(TableBitmap(), b.left + 10, b.top + 10), Face(4, 10, 10));
    EXPECT_EQ(Rgb(window.image, b.left + 10, b.top + 10), Face(4, 10, 10));
}

TEST_F(PortDrawing, HeldImageHoldsTheCardAndGlidesToTheTarget) {
    DealGridUp();
    port.BuildHeldImage(5, ProgramGame().CardHeight);
    ASSERT_EQ(Moving().image.size(), QSize(ProgramGame().CardWidth, ProgramGame().CardHeight));
    EXPECT_EQ(Moving().image.pixel(20, 30) & 0xFFFFFF, Face(5, 20, 30));

    const QImage table = TableBitmap().copy();
    port.DrawHeldImageAt(400, 500);
    EXPECT_EQ(Rgb(window.image, 420, 530), Face(5, 20, 30));
    EXPECT_EQ(TableBitmap(), table);  // only the window shows it

    port.GlideHeldImage(400, 500, 700, 450, false);
    EXPECT_EQ(Rgb(window.image, 720, 480), Face(5, 20, 30));
    // The start shows the table picture again.
    EXPECT_EQ(Rgb(window.image, 420, 530), Rgb(TableBitmap(), 420, 530));
}

TEST_F(PortDrawing, ErasingTheSelectionFrameLeavesTheCardAsBefore) {
    DealGridUp();
    const CardPoint p = CardSlotPosition(ProgramGame(), "Fila2", 1, 4);
    const QImage before = TableBitmap().copy();
    const QImage shown = window.image.copy();
    port.DrawSelectionFrame(p.left, p.top, kOnBoth);
    ASSERT_NE(Rgb(TableBitmap(), p.left + 10, p.top), Rgb(before, p.left + 10, p.top));
    port.EraseSelectionFrame(SlotCode(ProgramGame().FilaPiles[1], 4), p.left, p.top, kOnBoth);
    for (int y = p.top; y < p.top + ProgramGame().CardHeight; ++y)
        for (int x = p.left; x < p.left + ProgramGame().CardWidth; ++x) {
            ASSERT_EQ(Rgb(TableBitmap(), x, y), Rgb(before, x, y)) << x << "," << y;
            ASSERT_EQ(Rgb(window.image, x, y), Rgb(shown, x, y)) << x << "," << y;
        }
}

}  // namespace
}  // namespace bw
