#include "storage/results.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <limits>

#include "core/params.h"
#include "platform/paths.h"
#include "storage/daily.h"
#include "storage/match_records.h"
#include "storage/statistics.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class Results : public ::testing::Test {
protected:
    Results() {
        InstalledPorts().dialogs = &fx.dialogs;
        platform::MakeDir(fx.dir.file("DATA"));
        ResetResultsSession();
    }
    ~Results() override { ResetResultsSession(); }

    test::CoreFixture fx;
    std::string file = fx.dir.file("DATA/Results.dat");

    static GameResult Game(int score, int seconds, int misses, bool won, int slips = 0) {
        return {score, seconds, misses, slips, won, 20030601};
    }
};

TEST_F(Results, RecordTotalsAndTheLastFiftyGames) {
    ResultRecord r;
    r.Add(Game(8, 90, 0, true));
    r.Add(Game(-10, 40, 7, false, 3));
    r.Add(Game(4, 70, 2, true, 1));
    r.Add(Game(6, 65, 1, true));
    EXPECT_EQ(r.played, 4);
    EXPECT_EQ(r.won, 3);
    EXPECT_EQ(r.lost, 1);
    EXPECT_EQ(r.bestScore, 8);
    EXPECT_EQ(r.bestTime, 65);  // the lost game was quicker but does not count
    EXPECT_EQ(r.totalScore, 8);
    EXPECT_EQ(r.streak, 2);
    EXPECT_EQ(r.longestStreak, 2);
    EXPECT_EQ(r.misses, 10);
    EXPECT_EQ(r.slips, 4);
    EXPECT_EQ(r.perfect, 1);

    const std::string text = FormatResultRecord(r);
    EXPECT_EQ(text.size(), kResultRecordLength);
    EXPECT_EQ(text.substr(0, 100),
              "000004 000003 000001 +00008 000065 +00000000008 000002 000002 000000010 "
              "000000004 000001 20030601 04");
    EXPECT_EQ(text.substr(101 + 34, 33), "-0010 000040 0007 0003 L 20030601");
    EXPECT_EQ(ParseResultRecord(text), r);

    // Only the last 50 games are kept, oldest first; huge values stop at
    // the field's maximum instead of spilling into the next one.
    for (int i = 0; i < 60; ++i) r.Add(Game(i, 30, 0, true));
    r.Add(Game(-123456, 9999999, 12345, false));
    ASSERT_EQ(r.history.size(), 50u);
    EXPECT_EQ(r.history.front().score, 11);
    const auto back = ParseResultRecord(FormatResultRecord(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->history.back(), (GameResult{-9999, 999999, 9999, 0, false, 20030601}));
    EXPECT_EQ(back->played, 65);

    // Anything else is no record: a wrong length, a letter, counts that
    // do not add up.
    std::string bad = text;
    bad[3] = 'x';
    EXPECT_FALSE(ParseResultRecord(bad));
    EXPECT_FALSE(ParseResultRecord(text.substr(1)));
    bad = text;
    bad[5] = '5';  // played 5, won 3, lost 1
    EXPECT_FALSE(ParseResultRecord(bad));
}

TEST_F(Results, GamesAreKeptPerPlayerAndGameAndFollowThePlayerOperations) {
    EXPECT_THAT(ReadPlayerResults("Ann"), IsEmpty());
    EXPECT_FALSE(platform::FileExists(file));  // reading creates nothing
    RecordGameResult(200, "Ann", Game(8, 60, 0, true));
    RecordGameResult(200, "Ann", Game(-20, 50, 9, false));
    RecordGameResult(203, "Ann", Game(3, 120, 4, true, 2));
    RecordGameResult(200, "Bob  ", Game(1, 70, 3, true));
    const std::string before = ReadFile(file);
    EXPECT_THAT(before, HasSubstr("[Version]\r\nVersion=0002\r\n"));

    PlayerResults ann = ReadPlayerResults("Ann");
    ASSERT_EQ(ann.size(), 2u);
    EXPECT_EQ(ann[200].played, 2);
    EXPECT_EQ(ann[200].won, 1);
    EXPECT_EQ(ann[203].slips, 2);
    EXPECT_EQ(ReadPlayerResults("Bob")[200].bestScore, 1);

    // An update of an existing record overwrites it in place.
    RecordGameResult(200, "Ann", Game(5, 55, 1, true));
    EXPECT_EQ(ReadFile(file).size(), before.size());
    EXPECT_EQ(ReadPlayerResults("Ann")[200].played, 3);

    // Renaming onto nobody moves every entry; clearing removes them.
    RenamePlayerInStatistics("Ann", "Cleo");
    EXPECT_THAT(ReadPlayerResults("Ann"), IsEmpty());
    EXPECT_EQ(ReadPlayerResults("Cleo")[200].played, 3);
    EXPECT_EQ(ReadPlayerResults("Cleo")[203].played, 1);
    ClearPlayerStatistics("Cleo");
    EXPECT_THAT(ReadPlayerResults("Cleo"), IsEmpty());
    EXPECT_EQ(ReadPlayerResults("Bob")[200].played, 1);
    // A name the store cannot hold as a key is left alone.
    RecordGameResult(200, "A=B", Game(1, 1, 0, true));
    EXPECT_THAT(ReadPlayerResults("A=B"), IsEmpty());
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
}

// Games played with a longer look time are kept apart from those of the
// standard one, and a file from before look times reads as it always did.
TEST_F(Results, LongerLookTimesAreKeptApartAndOldFilesReadUnchanged) {
    ResultRecord ann;
    ann.Add(Game(8, 60, 0, true));
    // As an earlier program wrote it, check value included.
    const std::string old =
        "[Version]\r\nVersion=0002\r\n\r\n[200]\r\nAnn=" + FormatResultRecord(ann) +
        " 4b150eda\r\n";
    WriteFile(file, old);
    EXPECT_EQ(ReadPlayerResults("Ann"), (PlayerResults{{200, ann}}));
    EXPECT_EQ(ReadFile(file), old);

    GameResult longer = Game(5, 90, 2, true);
    longer.lookMs = 1500;
    RecordGameResult(200, "Ann", longer);
    RecordGameResult(200, "Ann", Game(-4, 30, 6, false));
    EXPECT_THAT(ReadFile(file), HasSubstr("\r\n[200/1500]\r\nAnn="));
    ann.Add(Game(-4, 30, 6, false));
    EXPECT_EQ(ReadPlayerResults("Ann"), (PlayerResults{{200, ann}}));
    const PlayerLookResults all = ReadPlayerLookResults("Ann");
    ASSERT_EQ(all.size(), 2u);
    const ResultRecord& look = all.at(ResultKey{200, 1500});
    EXPECT_EQ(look.played, 1);
    EXPECT_EQ(look.bestScore, 5);
    EXPECT_EQ(look.lookMs, 1500);
    EXPECT_THAT(look.history, ElementsAre(longer));

    // The check value covers the look time: a record moved to another look
    // time is refused, the others stay.
    std::string text = ReadFile(file);
    text.replace(text.find("[200/1500]"), 10, "[200/2500]");
    WriteFile(file, text);
    EXPECT_EQ(ReadPlayerLookResults("Ann"), (PlayerLookResults{{{200, 0}, ann}}));
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(HasSubstr("\"Results.dat.bad\"")));

    // The player operations take the look times along.
    RecordGameResult(200, "Ann", longer);
    RenamePlayerInStatistics("Ann", "Cleo");
    EXPECT_EQ(ReadPlayerLookResults("Cleo").count(ResultKey{200, 1500}), 1u);
    EXPECT_THAT(ReadPlayerLookResults("Ann"), IsEmpty());
    for (const char* bad : {"200/0", "200/", "200/01", "/5", "200/600001", "200/1/2"})
        EXPECT_EQ(ResultSectionKey(bad), std::nullopt) << bad;
}

// Whatever the program writes, at every field's limit, its reader takes back:
// counts held at their maximum still add up, the largest game id, an odd
// name, and a file found empty that is then written.
TEST_F(Results, RecordsAtEveryLimitAreWrittenAndReadBack) {
    WriteFile(file, "");
    const std::string name = "Jos\xE9 [x] 30 characters long!!";
    const int game = std::numeric_limits<int>::max();
    ResultRecord r;
    for (int i = 0; i < kResultHistory; ++i) r.Add({99999, 9999999, 99999, 99999, true, 99999999});
    r.played = r.won = r.streak = r.longestStreak = r.perfect = kResultCountMax - 1;
    r.lost = 0;
    r.totalScore = 99999999999;
    r.misses = r.slips = 999999999;
    // The first write finds the empty file and starts it with its header.
    RecordGameResult(game, name, {-99999, 0, 99999, 99999, false, 0});
    auto all = ReadPlayerResults(name);
    ASSERT_EQ(all.count(game), 1u);
    // Put the record at the limits and go on past them.
    const std::string text = ReadFile(file);
    const size_t at = text.find(name + "=");
    ASSERT_NE(at, std::string::npos);
    WriteFile(file, text.substr(0, at) + name + "=" + FormatResultEntry(game, name, r) + "\r\n");
    RecordGameResult(game, name, {-99999, 0, 99999, 99999, false, 0});
    RecordGameResult(game, name, {99999, 9999999, 0, 99999, true, 99999999});
    RecordGameResult(game, name, {99999, 9999999, 0, 99999, true, 99999999});
    all = ReadPlayerResults(name);
    ASSERT_EQ(all.count(game), 1u);
    const ResultRecord& back = all[game];
    EXPECT_EQ(back.played, kResultCountMax);
    EXPECT_EQ(back.won + back.lost, back.played);
    EXPECT_EQ(back.longestStreak, kResultCountMax - 1);
    EXPECT_EQ(back.streak, 2);
    EXPECT_EQ(back.totalScore, 99999999999 - 99999);  // the sums stop with "played"
    EXPECT_EQ(back.history.back(), (GameResult{9999, 999999, 0, 9999, true, 99999999}));
    EXPECT_THAT(ReadFile(file), ::testing::StartsWith("[Version]\r\nVersion=0002\r\n"));
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
}

// Files of the first format are upgraded with nothing lost, and from then on
// a changed bit shows: it is read as before, or it costs the entry it hit
// or the section it hit (the file as it was kept aside, a message), never
// another player's record.
TEST_F(Results, OldFilesAreUpgradedAndChangedBitsShow) {
    ResultRecord ann, bob;
    ann.Add(Game(8, 60, 0, true));
    ann.Add(Game(-20, 50, 9, false));
    bob.Add(Game(1, 70, 3, true));
    WriteFile(file, "[Version]\r\nVersion=0001\r\n\r\n[200]\r\nAnn=" + FormatResultRecord(ann) +
                        "\r\nBob=" + FormatResultRecord(bob) +
                        "\r\n\r\n[203]\r\nAnn=" + FormatResultRecord(bob) + "\r\n");
    EXPECT_EQ(ReadPlayerResults("Ann"), (PlayerResults{{200, ann}, {203, bob}}));
    EXPECT_EQ(ReadPlayerResults("Bob"), (PlayerResults{{200, bob}}));
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
    const std::string upgraded = ReadFile(file);
    EXPECT_THAT(upgraded, HasSubstr("Version=0002\r\n"));
    EXPECT_THAT(upgraded, HasSubstr("Bob=" + FormatResultEntry(200, "Bob", bob) + "\r\n"));

    int shown = 0, tried = 0;
    for (size_t bit = 3; bit < upgraded.size() * 8; bit += 131, ++tried) {
        std::string flipped = upgraded;
        flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
        WriteFile(file, flipped);
        fx.dialogs.infos.clear();
        ResetResultsSession();
        const PlayerResults a = ReadPlayerResults("Ann"), b = ReadPlayerResults("Bob");
        if (fx.dialogs.infos.empty()) {
            ASSERT_EQ(a, (PlayerResults{{200, ann}, {203, bob}})) << "bit " << bit;
            ASSERT_EQ(b, (PlayerResults{{200, bob}})) << "bit " << bit;
            continue;
        }
        ++shown;
        ASSERT_THAT(fx.dialogs.infos, ElementsAre(HasSubstr("\"Results.dat.bad\""))) << bit;
        EXPECT_EQ(ReadFile(file + ".bad"), flipped);
        platform::DeleteFile(file + ".bad");
        // What is read is what was written; only what was hit is gone.
        EXPECT_GE(a.size() + b.size(), 1u) << "bit " << bit;
        for (const auto& [game, record] : a) EXPECT_EQ(record, game == 200 ? ann : bob);
        for (const auto& [game, record] : b) EXPECT_EQ(record, bob);
    }
    EXPECT_GT(shown, tried / 2);
}

// The deal of the day: one mark per player, game and date, a streak of
// consecutive dates played, kept apart from the results file, which reads
// and is written exactly as before.
TEST_F(Results, DailyMarksOncePerDayAndCountTheStreak) {
    EXPECT_EQ(DateBefore(20260301), 20260228);
    EXPECT_EQ(DateBefore(20240301), 20240229);
    EXPECT_EQ(DateBefore(20270101), 20261231);
    EXPECT_EQ(DateBefore(20261232), 0);
    // An old results file, and one daily game recorded beside it.
    ResultRecord old;
    old.Add(Game(5, 60, 1, true));
    const std::string oldFile =
        "[Version]\r\nVersion=0002\r\n\r\n[201]\r\nAnn=" + FormatResultEntry(201, "Ann", old) +
        "\r\n";
    WriteFile(file, oldFile);
    EXPECT_EQ(DailyStreak(201, "Ann", 20261209), 0);
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261207), DailyMark::kRecorded);
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261207), DailyMark::kPractice);  // same day
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261208), DailyMark::kRecorded);
    EXPECT_EQ(RecordDailyGame(202, "Ann", 20261208), DailyMark::kRecorded);  // another game
    EXPECT_EQ(RecordDailyGame(201, "Bob", 20261208), DailyMark::kRecorded);  // another player
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261206), DailyMark::kPractice);  // clock set back
    EXPECT_EQ(ReadFile(file), oldFile);
    EXPECT_EQ(ReadPlayerResults("Ann").at(201), old);
    // Today not yet played: yesterday's streak holds; a day missed ends it.
    EXPECT_EQ(DailyStreak(201, "Ann", 20261208), 2);
    EXPECT_EQ(DailyStreak(201, "Ann", 20261209), 2);
    EXPECT_EQ(DailyStreak(201, "Ann", 20261210), 0);
    EXPECT_EQ(DailyStreak(202, "Ann", 20261209), 1);
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261209), DailyMark::kRecorded);
    EXPECT_EQ(DailyStreak(201, "Ann", 20261209), 3);
    EXPECT_EQ(RecordDailyGame(201, "Ann", 20261211), DailyMark::kRecorded);  // after a gap
    EXPECT_EQ(DailyStreak(201, "Ann", 20261211), 1);

    // The marks follow the player operations; a damaged mark is kept aside.
    RenamePlayerInStatistics("Ann", "Cy");
    EXPECT_EQ(DailyStreak(201, "Cy", 20261211), 1);
    EXPECT_EQ(DailyStreak(201, "Ann", 20261211), 0);
    ClearPlayerStatistics("Bob");
    EXPECT_EQ(DailyStreak(201, "Bob", 20261208), 0);
    EXPECT_EQ(DailyStreak(202, "Cy", 20261208), 1);
    const std::string daily = fx.dir.file("DATA/Daily.dat");
    std::string bytes = ReadFile(daily);
    bytes[bytes.find("Cy=20261208") + 10] = '9';
    WriteFile(daily, bytes);
    EXPECT_EQ(DailyStreak(202, "Cy", 20261209), 0);
    EXPECT_EQ(RecordDailyGame(202, "Cy", 20261209), DailyMark::kRecorded);
    EXPECT_EQ(DailyStreak(202, "Cy", 20261209), 1);
    EXPECT_EQ(ReadFile(daily + ".bad"), bytes);
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
    // A link in the file's place is neither read nor written through.
    std::filesystem::rename(daily, daily + ".kept");
    std::filesystem::create_symlink(daily + ".kept", daily);
    EXPECT_EQ(DailyStreak(202, "Cy", 20261209), 0);
    EXPECT_EQ(RecordDailyGame(202, "Cy", 20261210), DailyMark::kNotKept);
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(HasSubstr("Daily.dat")));
    EXPECT_TRUE(std::filesystem::is_symlink(daily));
    EXPECT_EQ(ReadFile(daily + ".kept").find("20261210"), std::string::npos);
}

TEST_F(Results, MatchesAreKeptApartAndFollowThePlayers) {
    RecordGameResult(201, "Ann", Game(8, 60, 0, true));
    const std::string solo = ReadFile(file);
    EXPECT_EQ(ReadMatchRecord(201, "Ann"), std::nullopt);
    EXPECT_TRUE(RecordMatchResult(201, "Ann", MatchOutcome::kWon));
    EXPECT_TRUE(RecordMatchResult(201, "Ann ", MatchOutcome::kLost));
    EXPECT_TRUE(RecordMatchResult(201, "Ann", MatchOutcome::kTied));
    EXPECT_TRUE(RecordMatchResult(203, "Ann", MatchOutcome::kWon));
    EXPECT_TRUE(RecordMatchResult(201, "Bob", MatchOutcome::kLost));
    EXPECT_EQ(ReadMatchRecord(201, "Ann"), (MatchRecord{3, 1, 1, 1}));
    EXPECT_EQ(ReadMatchRecord(201, "Bob"), (MatchRecord{1, 0, 1, 0}));
    EXPECT_EQ(ReadFile(file), solo);  // the solo results do not change
    EXPECT_EQ(ReadPlayerResults("Ann").at(201).played, 1);

    RenamePlayerInStatistics("Ann", "Cy");
    EXPECT_EQ(ReadMatchRecord(201, "Ann"), std::nullopt);
    EXPECT_EQ(ReadMatchRecord(201, "Cy"), (MatchRecord{3, 1, 1, 1}));
    EXPECT_EQ(ReadMatchRecord(203, "Cy"), (MatchRecord{1, 1, 0, 0}));
    ClearPlayerStatistics("Bob");
    EXPECT_EQ(ReadMatchRecord(201, "Bob"), std::nullopt);
    EXPECT_EQ(ReadMatchRecord(201, "Cy"), (MatchRecord{3, 1, 1, 1}));

    // A changed byte costs its entry, kept aside; the rest stays.
    const std::string matches = fx.dir.file("DATA/Matches.dat");
    std::string bytes = ReadFile(matches);
    bytes[bytes.find("[203]") + 12] = '7';
    WriteFile(matches, bytes);
    EXPECT_EQ(ReadMatchRecord(203, "Cy"), std::nullopt);
    EXPECT_TRUE(RecordMatchResult(203, "Cy", MatchOutcome::kLost));
    EXPECT_EQ(ReadMatchRecord(203, "Cy"), (MatchRecord{1, 0, 1, 0}));
    EXPECT_EQ(ReadMatchRecord(201, "Cy"), (MatchRecord{3, 1, 1, 1}));
    EXPECT_EQ(ReadFile(matches + ".bad"), bytes);
    EXPECT_FALSE(RecordMatchResult(201, "x=y", MatchOutcome::kWon));

    // "Match my level" reads the player's games of that grid at the standard
    // look only: 8 misses, 2 slips over two games of 12 pairs.
    RecordGameResult(201, "Dee", Game(40, 60, 3, true, 1));
    RecordGameResult(201, "Dee", Game(20, 60, 5, false, 1));
    GameResult longLook = Game(0, 60, 20, false, 20);
    longLook.lookMs = 2000;
    RecordGameResult(201, "Dee", longLook);
    RecordGameResult(202, "Dee", Game(0, 60, 30, false, 30));
    EXPECT_EQ(PlayerRecallModel(201, "Dee", 12), (MemoryModel{0.75, 2.0 / 24}));
    EXPECT_EQ(PlayerRecallModel(200, "Dee", 6), LevelModel(2));
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
}

TEST_F(Results, AFolderInTheFilesPlaceIsLeftAsItIs) {
    RecordGameResult(200, "Ann", Game(8, 60, 0, true));
    platform::DeleteFile(file);
    platform::MakeDir(file);
    EXPECT_THAT(ReadPlayerResults("Ann"), IsEmpty());
    RecordGameResult(200, "Ann", Game(2, 60, 1, true));
    EXPECT_THAT(fx.dialogs.infos, ElementsAre("Cannot open file " + file));
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_FALSE(platform::FileExists(file + ".bad"));
}

TEST_F(Results, AFolderThatCannotBeWrittenIsReportedOncePerRun) {
    RecordGameResult(200, "Ann", Game(8, 60, 0, true));
    const std::string kept = ReadFile(file);
    const std::string data = fx.dir.file("DATA");
    // Its writability is asked with access(), which root passes whatever the
    // permissions: a read-only mount holds for root too.
    test::ReadOnlyFolder readOnly(data);
    if (!readOnly.failure().empty()) GTEST_SKIP() << readOnly.failure();
    RecordGameResult(200, "Ann", Game(1, 60, 0, true));
    RecordGameResult(201, "Ann", Game(1, 60, 0, true));
    RenamePlayerInStatistics("Ann", "Bob");
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(results_msg::kReadOnly));
    EXPECT_EQ(ReadFile(file), kept);
    EXPECT_EQ(ReadPlayerResults("Ann")[200].played, 1);
}

}  // namespace
}  // namespace bw
