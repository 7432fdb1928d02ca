// The winning shows: which one plays, that each ends on time or when the
// running flag is cleared, and that its cards stay on the table picture.
#include "render/win_animations.h"

#include <filesystem>
#include <set>

#include "core/game.h"
#include "core/params.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "render_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

// Waits that let a manual clock move, and may stop the show.
class ClockWaits : public IWaits {
public:
    platform::ManualClock* clock = nullptr;
    int stopAfter = -1;  // clears the running flag at this wait
    int waits = 0;
    void Wait(int ms) override { Pass(ms); }
    void WaitResponsive(int ms) override { Pass(ms); }

private:
    void Pass(int ms) {
        clock->Advance(std::max(ms, 1));
        if (++waits == stopAfter) StopWinningAnimation(ProgramGame());
    }
};

class WinningShow : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        platform::SetClock(&clock);
        waits.clock = &clock;
        InstalledPorts().waits = &waits;
        SetParameter(74, 2, "10");
        area = WinArea{40, 1100, 700};
    }
    void TearDown() override {
        platform::SetClock(nullptr);
        RenderTest::TearDown();
    }
    int ChangedPixels(const QImage& before) {
        int n = 0;
        for (int y = 0; y < before.height(); y += 4)
            for (int x = 0; x < before.width(); x += 4)
                if (before.pixel(x, y) != TableBitmap().pixel(x, y)) ++n;
        return n;
    }
    platform::ManualClock clock;
    ClockWaits waits;
    WinArea area;
};

TEST(WinningShowChoice, RandomPicksOnlyTheFirstThree) {
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) seen.insert(ChooseWinningShow("(Random)"));
    EXPECT_EQ(seen, (std::set<std::string>{"Open order", "Left to right", "Up to down"}));
    EXPECT_EQ(ChooseWinningShow("Circles"), "Circles");
}

TEST_F(WinningShow, EveryShowDrawsUntilItsTimeIsUp) {
    for (const char* name : kWinningShows) {
        PaintSurfaces(0x101010, 0x202020, 0x303030);
        ShowTable(ProgramGame());
        const QImage before = TableBitmap().copy();
        waits.waits = 0;
        PlayWinningAnimation(ProgramGame(), name, 3, area);
        EXPECT_FALSE(Flag(ProgramGame(), flag::kWinAnimation)) << name;
        EXPECT_GT(ChangedPixels(before), 100) << name;
        EXPECT_GT(waits.waits, 0) << name;
        // What the window shows is the table picture.
        int differ = 0;
        QPoint first;
        for (int y = 0; y < TableBitmap().height(); ++y)
            for (int x = 0; x < TableBitmap().width(); ++x)
                if (window.image.pixel(x, y) != TableBitmap().pixel(x, y) && differ++ == 0)
                    first = QPoint(x, y);
        EXPECT_EQ(differ, 0) << name << " first at " << first.x() << "," << first.y();
    }
}

TEST_F(WinningShow, NoTimeNoCards) {
    for (const char* name : kWinningShows) {
        const QImage before = TableBitmap().copy();
        PlayWinningAnimation(ProgramGame(), name, 0, area);
        EXPECT_EQ(ChangedPixels(before), 0) << name;
    }
}

TEST_F(WinningShow, ClearingTheFlagStopsTheShow) {
    waits.stopAfter = 1;
    const uint32_t start = clock.TickCount();
    PlayWinningAnimation(ProgramGame(), "Open order", 30, area);
    EXPECT_EQ(waits.waits, 1);
    EXPECT_LT(clock.TickCount() - start, 1000u);
}

TEST_F(WinningShow, TheSettingsFileChoosesWhenNoNameIsGiven) {
    std::filesystem::create_directories(core.dir.file("DATA"));
    platform::IniWriteString(SettingsFile(), "Preference", "Winning_Animations", "Left to right");
    platform::IniWriteString(SettingsFile(), "Preference", "Winning_Animations_Time", "1");
    PlayWinningAnimation(ProgramGame(), "", 99, area);
    // The first row starts at x = -20 on the tool bar's edge; the show took a second.
    EXPECT_NE(test::Rgb(TableBitmap(), 10, 40 + 40), 0x101010u);
    EXPECT_GE(clock.ms, 1000);
    EXPECT_LT(clock.ms, 3000);
}

}  // namespace
}  // namespace bw
