// A finger on the table, through the real window's touch input: a tap turns
// a card as a click does, a long press is a long left press (no right-click
// peek), and in "Forget me not" a finger drags a twin to its answer place.
#include <gmock/gmock.h>

#include <QPointingDevice>
#include <QTest>

#include "core/card_size.h"
#include "core/game.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "play_support.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class TouchTest : public PlayTest {
protected:
    TouchTest() : screen(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen)) {}

    static QPoint Middle(const CardPoint& p) {
        return {p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2};
    }
    static CardPoint SlotPoint(const Slot& s) {
        return CardSlotPosition(ProgramGame(), "Fila" + std::to_string(s.row + 1), s.row, s.k);
    }
    void Tap(const QPoint& at, int holdMs = 0) {
        QTest::touchEvent(window.imgSfondo, screen).press(0, at);
        if (holdMs > 0) QTest::qWait(holdMs);
        QTest::touchEvent(window.imgSfondo, screen).release(0, at);
        QCoreApplication::processEvents();
    }

    QPointingDevice* screen;
};

TEST_F(TouchTest, TapsAndALongPressPlayMemoryUpAsClicksDo) {
    Start(200, "Memory-Up (4x3)");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::vector<Slot> cards = GridCards();
    ASSERT_EQ(cards.size(), 12u);
    Slot twin;
    for (const Slot& b : cards)
        if (b.card == cards[0].card + 52 || cards[0].card == b.card + 52) twin = b;
    ASSERT_NE(twin.card, 0);

    // A press held past every press-and-hold time turns the card and
    // peeks at nothing.
    EXPECT_FALSE(IsFaceUp(ProgramGame(), cards[0].card));
    Tap(Middle(SlotPoint(cards[0])), 1500);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), cards[0].card));
    EXPECT_EQ(ProgramGame().pointer.PeekCard.x, 0);
    EXPECT_EQ(ProgramGame().pointer.PeekCard.y, 0);
    // A tap on its twin makes the pair.
    Tap(Middle(SlotPoint(twin)));
    EXPECT_EQ(ProgramGame().MazzoPiles[2].size(), 6u);  // the pair in the waste
    EXPECT_EQ(Score(), "-42");
}

TEST_F(TouchTest, AFingerDragsATwinOfForgetMeNot) {
    Start(205, "Forget me not");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    clock.Advance(11000);
    window.Timer1Timer();  // the models turn down, the twins are dealt
    const CardCode twin = BottomCode(ProgramGame().DestPiles[0]) + 52;
    int from = -1;
    for (size_t r = 10; r < ProgramGame().FilaPiles.size(); ++r)
        if (BottomCode(ProgramGame().FilaPiles[r]) == twin) from = static_cast<int>(r);
    ASSERT_GE(from, 10);
    const QPoint a =
        Middle(CardSlotPosition(ProgramGame(), "Fila" + std::to_string(from + 1), from, 0));
    const QPoint b = Middle(CardSlotPosition(ProgramGame(), "Fila1", 0, 0));
    QTest::touchEvent(window.imgSfondo, screen).press(0, a);
    for (int i = 1; i <= 5; ++i)
        QTest::touchEvent(window.imgSfondo, screen).move(0, a + (b - a) * i / 5);
    QTest::touchEvent(window.imgSfondo, screen).release(0, b);
    QCoreApplication::processEvents();
    EXPECT_EQ(ProgramGame().FilaPiles[0], FormatCode(twin));
    EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(from)], "");
}

}  // namespace
}  // namespace bw::test
