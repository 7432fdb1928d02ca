// The moving picture and the flight of a card: steps, waits, lifting,
// leaving the table, shadows, and what is left behind.
#include "render/animations.h"

#include <algorithm>

#include "core/game.h"
#include "core/params.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

class Flight : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        SetParameter(74, 2, "10");
        SetParameter(178, 1, "N");
    }
    int Waits(int ms) const {
        return static_cast<int>(std::count(core.waits.waits.begin(), core.waits.waits.end(), ms));
    }
    unsigned Face(int code, int x, int y) {
        return CardFaces()[static_cast<size_t>(FaceIndexOf(code))].pixel(x, y) & 0xFFFFFF;
    }
};

TEST(FlightStepTest, StepGrowsWithTheDistance) {
    EXPECT_EQ(FlightStep(100, false, false), 19);
    EXPECT_EQ(FlightStep(-100, false, false), 19);
    EXPECT_EQ(FlightStep(500, false, false), 48);
    EXPECT_EQ(FlightStep(100, true, false), 17);
    EXPECT_EQ(FlightStep(100, false, true), 9);
    EXPECT_EQ(FlightStep(100, true, true), 8);
    // Never beyond the distance, never standing still.
    EXPECT_EQ(FlightStep(3, false, false), 1);
    EXPECT_EQ(FlightStep(1, true, true), 1);
    EXPECT_EQ(FlightStep(0, false, false), 0);
}

TEST_F(Flight, HundredPixelsRightInStepsOfNineteenThenDroppedAtTheTarget) {
    FlyCard(ProgramGame(), 1, 100, 200, true, false, false, true, 200, 200);
    // 19, 38, 57, 76, 95 and the clamped last step: a wait after each.
    EXPECT_EQ(Waits(10), 6);
    EXPECT_EQ(core.waits.waits.size(), 6u);
    EXPECT_EQ(ProgramGame().Options.Opt(106), 200);
    EXPECT_EQ(ProgramGame().Options.Opt(107), 200);
    // The card lies in the table picture and on the window at the target.
    EXPECT_EQ(Rgb(TableBitmap(), 230, 240), Face(1, 30, 40));
    EXPECT_EQ(Rgb(window.image, 230, 240), Face(1, 30, 40));
    // Where it started the window shows the table picture again.
    EXPECT_EQ(Rgb(window.image, 110, 240), Rgb(TableBitmap(), 110, 240));
    EXPECT_EQ(GetParameter(178, 1), "N");
}

TEST_F(Flight, FastFlightsAndAutoplay) {
    FlyCard(ProgramGame(), 2, 100, 200, true, false, true, true, 200,
            200);  // 17 a step, wait 10 / 4
    EXPECT_EQ(Waits(2), 6);
    core.waits.waits.clear();
    ProgramGame().Options.SetOpt(110, 3);  // autoplay: steps halved, waits tripled
    FlyCard(ProgramGame(), 2, 100, 200, true, false, false, true, 200, 200);
    EXPECT_EQ(Waits(30), 12);
    ProgramGame().Options.SetOpt(110, 0);
}

TEST_F(Flight, TheOtherAxisFollowsInProportion) {
    FlyCard(ProgramGame(), 3, 0, 0, true, false, false, true, 50, 100);
    EXPECT_EQ(ProgramGame().Options.Opt(106), 100);
    EXPECT_EQ(ProgramGame().Options.Opt(107), 50);
    // Diagonal flights leave no trail on the window.
    for (QPoint p : {QPoint(20, 10), QPoint(60, 30), QPoint(10, 60)})
        EXPECT_EQ(Rgb(window.image, p.x(), p.y()), Rgb(TableBitmap(), p.x(), p.y()))
            << p.x() << "," << p.y();
}

TEST_F(Flight, SpeedZeroDoesNotWait) {
    SetParameter(74, 2, "00");
    FlyCard(ProgramGame(), 4, 0, 0, true, false, false, true, 300, 300);
    EXPECT_TRUE(core.waits.waits.empty());
    EXPECT_EQ(ProgramGame().Options.Opt(106), 300);
}

TEST_F(Flight, OffTheTableThreeCardSizesAway) {
    FlyCard(ProgramGame(), 5, 100, 100, true, false, false, false, -10000, -10000);
    EXPECT_EQ(ProgramGame().Options.Opt(106), -3 * ProgramGame().CardWidth);
    EXPECT_EQ(ProgramGame().Options.Opt(107), -3 * ProgramGame().CardHeight);
}

TEST_F(Flight, LiftedCardsFlyNinePixelsUpAndLeftAndDropIntoPlace) {
    SetParameter(178, 1, "Y");
    FlyCard(ProgramGame(), 6, 100, 300, true, true, false, true, 300, 300);
    EXPECT_EQ(Waits(20), 1);  // the pause before setting it down
    EXPECT_EQ(ProgramGame().Options.Opt(106), 300);
    EXPECT_EQ(ProgramGame().Options.Opt(107), 300);
    EXPECT_EQ(Rgb(TableBitmap(), 330, 340), Face(6, 30, 40));
    // Shadows were off for the flight and are on again.
    EXPECT_EQ(GetParameter(178, 1), "Y");
    // The lifted place is clean.
    EXPECT_EQ(Rgb(window.image, 292, 292), Rgb(TableBitmap(), 292, 292));
}

TEST_F(Flight, MovingPictureRestoresWhatItUncoversAndCastsAShadow) {
    SetParameter(178, 1, "Y");
    PrepareMovingCard(ProgramGame(), 7);
    ProgramGame().Options.SetOpt(106, 0);
    ProgramGame().Options.SetOpt(107, 0);
    ASSERT_TRUE(ShowMovingImageAt(ProgramGame(), 100, 100, false, true));
    EXPECT_FALSE(ShowMovingImageAt(ProgramGame(), 100, 100, false, true));
    EXPECT_EQ(Rgb(window.image, 130, 140), Face(7, 30, 40));
    // The rounded corners show the table picture.
    EXPECT_EQ(Rgb(window.image, 100, 100), Rgb(TableBitmap(), 100, 100));
    // Shadow right of and below the card.
    const QImage& side = CardShadows()[0];
    ASSERT_FALSE(side.isNull());
    int shadowed = 0;
    for (int y = 0; y < side.height(); ++y)
        for (int x = 0; x < side.width(); ++x)
            if ((side.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                EXPECT_EQ(Rgb(window.image, 100 + ProgramGame().CardWidth + x, 100 + 7 + y),
                          side.pixel(x, y) & 0xFFFFFF);
                ++shadowed;
            }
    EXPECT_GT(shadowed, 0);
    EXPECT_EQ(
        Rgb(window.image, 100 + ProgramGame().CardWidth - 1, 100 + ProgramGame().CardHeight - 2),
        0u);

    ASSERT_TRUE(ShowMovingImageAt(ProgramGame(), 140, 120, false, true));
    // Everything the first picture and its shadow covered and the second
    // does not is the table picture again.
    for (QPoint p : {QPoint(100, 100), QPoint(139, 150), QPoint(120, 119),
                     QPoint(100 + ProgramGame().CardWidth + 3, 110)})
        EXPECT_EQ(Rgb(window.image, p.x(), p.y()), Rgb(TableBitmap(), p.x(), p.y()))
            << p.x() << "," << p.y();
    HideMovingImage(ProgramGame());
    EXPECT_EQ(Rgb(window.image, 170, 160), Rgb(TableBitmap(), 170, 160));
}

TEST_F(Flight, AColumnGetsADottedShadow) {
    SetParameter(178, 1, "Y");
    QImage column(ProgramGame().CardWidth, ProgramGame().CardHeight + 40, QImage::Format_RGB32);
    column.fill(Qt::white);
    SetMovingImage(column);
    ProgramGame().Options.SetOpt(106, 0);
    ShowMovingImageAt(ProgramGame(), 50, 50, false, false);
    const int right = 50 + ProgramGame().CardWidth, bottom = 50 + ProgramGame().CardHeight + 40;
    EXPECT_EQ(Rgb(window.image, right + 2, 50 + 7), 0u);
    EXPECT_EQ(Rgb(window.image, right + 2, 50 + 8), 0x303030u);  // every second row
    EXPECT_EQ(Rgb(window.image, 50 + 20, bottom), 0u);
    EXPECT_EQ(Rgb(window.image, 50 + 3, bottom), 0x303030u);  // starts 8 right of the left edge
}

TEST_F(Flight, TurningUpShowsFramesAndLeavesTheTablePicture) {
    DrawCardBack(ProgramGame(), 200, 200, ProgramGame().CardHeight, false,
                 Canvas::Table(ProgramGame()));
    window.image = TableBitmap().copy(0, 0, window.image.width(), window.image.height());
    AnimateFaceUp(ProgramGame(), 8, 200, 200);
    EXPECT_EQ(Waits(10), 6);
    EXPECT_EQ(Rgb(window.image, 230, 240), Rgb(TableBitmap(), 230, 240));
}

}  // namespace
}  // namespace bw
