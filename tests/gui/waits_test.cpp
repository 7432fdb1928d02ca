// The stopwatch and the waits built on it.
#include <gmock/gmock.h>

#include <QAction>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/counter.h"
#include "app/startup.h"
#include "gui_support.h"
#include "platform/paths.h"

namespace bw::test {
namespace {

class CounterClock : public platform::Clock {
public:
    int64_t counter = 0;
    int64_t frequency = 3;
    uint32_t ticks = 0;
    int64_t MillisecondsOfDay() override { return 0; }
    uint32_t TickCount() override { return ticks; }
    int64_t HighResCounter() override { return counter; }
    int64_t HighResFrequency() override { return frequency; }
};

class CounterTest : public ::testing::Test {
protected:
    CounterTest() { platform::SetClock(&clock); }
    ~CounterTest() override { platform::SetClock(nullptr); }
    CounterClock clock;
};

TEST_F(CounterTest, ElapsedMicrosecondsRoundToNearest) {
    C_TCounter counter;
    clock.counter = 10;
    counter.Start();
    clock.counter = 11;  // 333 333.3 us
    EXPECT_EQ(counter.ElapsedMicroseconds(), 333333);
    clock.counter = 12;  // 666 666.7 us
    EXPECT_EQ(counter.ElapsedMicroseconds(), 666667);
    clock.counter = 13;
    EXPECT_EQ(counter.ElapsedMicroseconds(), 1000000);
}

TEST_F(CounterTest, LongRunsDoNotOverflow) {
    clock.frequency = 1000000000;  // nanoseconds, as the real counter
    C_TCounter counter;
    clock.counter = 0;
    counter.Start();
    clock.counter = int64_t{30} * 24 * 3600 * 1000000000;  // thirty days
    EXPECT_EQ(counter.ElapsedMicroseconds(), int64_t{30} * 24 * 3600 * 1000000);
    clock.counter += 1500;  // 1.5 us rounds up
    EXPECT_EQ(counter.ElapsedMicroseconds(), int64_t{30} * 24 * 3600 * 1000000 + 2);
}

class ManualWaitTest : public ::testing::Test {
protected:
    ManualWaitTest() { platform::SetClock(&clock); }
    ~ManualWaitTest() override { platform::SetClock(nullptr); }
    platform::ManualClock clock;
};

TEST_F(ManualWaitTest, WaitsPassTheirTimeOnATestClock) {
    WaitMilliseconds(200);
    EXPECT_EQ(clock.ms, 200);
    WaitMillisecondsResponsive(800);
    EXPECT_EQ(clock.ms, 1000);
    WaitTicksResponsive(100);
    EXPECT_EQ(clock.ms, 1100);
    WaitMilliseconds(0);
    WaitMilliseconds(-5);
    EXPECT_EQ(clock.ms, 1100);
}

TEST_F(ManualWaitTest, ResponsiveWaitHandlesEvents) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    WaitMillisecondsResponsive(10);
    EXPECT_TRUE(fired);
    fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    WaitMilliseconds(10);  // the busy wait handles nothing
    EXPECT_FALSE(fired);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired);
}

TEST(RealWaitTest, BusyWaitLastsAtLeastItsTime) {
    C_TCounter counter;
    counter.Start();
    WaitMilliseconds(15);
    const int64_t us = counter.ElapsedMicroseconds();
    EXPECT_GE(us, 15000);
    EXPECT_LT(us, 1000000);
}

// The pause before autoplay: it repaints, a press ends it at once, and the
// held key is carried out afterwards, shortcut and all.
TEST(RealWaitTest, PlayerWaitEndsAtAPressAndKeepsIt) {
    QWidget window;
    std::vector<std::string> done;
    auto* newGame = new QAction(&window);
    newGame->setShortcut(Qt::Key_F2);
    window.addAction(newGame);
    QObject::connect(newGame, &QAction::triggered, [&] { done.push_back("F2"); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    bool repainted = false;
    QTimer::singleShot(20, [&] { repainted = true; });
    QTimer::singleShot(60, [&] {
        QTest::keyClick(&window, Qt::Key_F2);
        QTest::keyClick(&window, Qt::Key_A);
    });
    C_TCounter counter;
    counter.Start();
    WaitMillisecondsForPlayer(2000);
    const int64_t waited = counter.ElapsedMicroseconds();
    EXPECT_TRUE(repainted);
    EXPECT_GE(waited, 50000);
    EXPECT_LT(waited, 1000000);
    // The caller's work comes first; the key follows from the event loop.
    EXPECT_TRUE(done.empty());
    QCoreApplication::processEvents();
    EXPECT_THAT(done, ::testing::ElementsAre("F2"));

    // Without a press the wait lasts its time, and input flows again after.
    counter.Start();
    WaitMillisecondsForPlayer(30);
    EXPECT_GE(counter.ElapsedMicroseconds(), 30000);
    QCoreApplication::processEvents();
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_THAT(done, ::testing::ElementsAre("F2", "F2"));
}

TEST(DataFolderTest, UnwritableProgramFolderMovesDataToTheUserFolder) {
    TempDir program;
    EXPECT_EQ(ChooseDataDirOverride(program.path(), "/home/u/.local/share/b/DATA/"), "");
    // A program folder that cannot be used: one that does not exist, a
    // read-only one, or one whose DATA folder is read-only.
    EXPECT_EQ(ChooseDataDirOverride(program.path() + "gone/", "/u/DATA/"), "/u/DATA/");
    TempDir installed;
    {
        ReadOnlyFolder readOnly(installed.path());
        if (!readOnly.failure().empty()) GTEST_SKIP() << readOnly.failure();
        EXPECT_EQ(ChooseDataDirOverride(installed.path(), "/u/DATA/"), "/u/DATA/");
    }
    platform::MakeDir(installed.path() + "DATA");
    EXPECT_EQ(ChooseDataDirOverride(installed.path(), "/u/DATA/"), "");
    EXPECT_EQ(DataFolderNotice(installed.path(), ""), "");
    ReadOnlyFolder readOnlyData(installed.path() + "DATA");
    if (!readOnlyData.failure().empty()) GTEST_SKIP() << readOnlyData.failure();
    EXPECT_EQ(ChooseDataDirOverride(installed.path(), "/u/DATA/"), "/u/DATA/");
    // The player's DATA folder passed over is named, with the one used.
    EXPECT_EQ(DataFolderNotice(installed.path(), "/u/DATA/"),
              "The DATA folder in the program folder cannot be written:\n" + installed.path() +
                  "DATA\nSettings, statistics and results are kept in this folder instead:\n"
                  "/u/DATA/");
    EXPECT_EQ(DataFolderNotice(program.path() + "gone/", "/u/DATA/"), "");
}

TEST(DataFolderTest, MissingDataFolderIsCreatedWhereItLives) {
    CoreFixture fixture;
    TempDir user;
    platform::SetDataDirOverride(user.path() + "deep/DATA/");
    EnsureDataFolder();
    EXPECT_TRUE(platform::DirExists(user.path() + "deep/DATA"));
    EXPECT_FALSE(platform::DirExists(fixture.dir.path() + "DATA"));
    // Nor does the version marker go into a program folder kept read-only,
    // writable as it is here.
    WriteVersionMarker();
    EXPECT_FALSE(platform::FileExists(fixture.dir.file(kVersionMarkerFile)));
    platform::SetDataDirOverride("");
    EnsureDataFolder();
    EXPECT_TRUE(platform::DirExists(fixture.dir.path() + "DATA"));
}

}  // namespace
}  // namespace bw::test
