#include "storage/statistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/params.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/section_file.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;
namespace sg = single_game;

const std::string kCleared = kClearedGameRecord;
const std::string kSomeRecord =
    "000001 000002 000003 000004 000005 000006 000000000007 000000000008";

class FixedRandom : public platform::Random {
public:
    int64_t value = 7;
    void Seed(uint64_t) override {}
    int64_t Below(int64_t n) override { return n > 0 ? value % n : 0; }
};

class BusyDialogs : public test::RecordingDialogs {
public:
    int depth = 0, pushes = 0;
    void PushBusyCursor() override {
        ++depth;
        ++pushes;
    }
    void PopBusyCursor() override { --depth; }
};

class CountingWindow : public IWindow {
public:
    int repaints = 0;
    void Repaint() override { ++repaints; }
};

class Statistics : public ::testing::Test {
protected:
    Statistics() {
        InstalledPorts().dialogs = &dialogs;
        InstalledPorts().SetWindow(&window);
        platform::SetRandom(&random);
        platform::MakeDir(fx.dir.file("DATA"));
    }
    ~Statistics() override { platform::SetRandom(nullptr); }

    test::CoreFixture fx;
    BusyDialogs dialogs;
    CountingWindow window;
    FixedRandom random;
    std::string stat = fx.dir.file("DATA/STAT.DAT");
    std::string uni = fx.dir.file("DATA/Stat_uni.dat");
    std::string log = fx.dir.file("DATA/Stat_log.dat");
    std::string scores = fx.dir.file("DATA/STAT_SCR.DAT");
    std::string cfg = fx.dir.file("DATA/Cfg.dat");

    static std::string Stored(const std::string& key, bool won, long count) {
        return sg::Scramble(sg::BuildRecord(key, won, count));
    }
    static std::string LogLine(int game, const std::string& player) {
        std::string line = "2003-01-01 10:00:00 xxxxx" + FormatNumber(game, 4);
        line.resize(81, '.');
        std::string name = player;
        name.resize(30, ' ');
        return line + name + "|tail";
    }
    static std::string ScoreLine(const std::string& player) {
        std::string line = "0000123 0201 2003-01-01 10:00:00 xxxx ";
        std::string name = player;
        name.resize(30, ' ');
        return line + name + "|rest";
    }
};

TEST(SingleGameRecord, CheckNumberAndScrambling) {
    // "A": 65 + 65/2 + (1+65) mod 3 + 1 = 98; "B" at 2: 66 + 66 + 68 mod 3 + 2 = 136.
    EXPECT_EQ(sg::CheckNumber("A", ""), 98);
    EXPECT_EQ(sg::CheckNumber("A", "B"), 98 + 136);
    EXPECT_EQ(sg::WonKey(201), "GW-0201");
    EXPECT_EQ(sg::LostKey(7), "GL-0007");

    EXPECT_EQ(sg::Scramble("0000000"), "dgafcdg");
    EXPECT_EQ(sg::Unscramble("dgafcdg"), "0000000");
    // Codes wrap modulo 256 both ways.
    EXPECT_EQ(sg::Scramble("\xff"), "3");
    EXPECT_EQ(sg::Unscramble("3"), "\xff");
}

TEST(SingleGameRecord, DigitsSitAtTheirPlacesAndTheCheckGuardsThem) {
    FixedRandom r;
    platform::SetRandom(&r);
    const std::string won = sg::BuildRecord("GW-0201", true, 123456);
    const std::string lost = sg::BuildRecord("GL-0201", false, 42);
    platform::SetRandom(nullptr);
    EXPECT_EQ(won.substr(0, 10), "7127347567");
    EXPECT_EQ(lost.substr(0, 10), "7700700742");
    EXPECT_EQ(won.substr(10), FormatNumber(sg::CheckNumber("GW-0201", "7127347567"), 6));

    EXPECT_EQ(sg::ParseRecord("GW-0201", true, won), 123456);
    EXPECT_EQ(sg::ParseRecord("GL-0201", false, lost), 42);
    EXPECT_EQ(sg::ParseRecord("GW-0201", true, std::string(16, '0')), 0);
    EXPECT_EQ(sg::ParseRecord("GW-0201", true, std::string(30, '0')), 0);
    // Another key, a changed digit, a changed check, a letter, a short text.
    EXPECT_FALSE(sg::ParseRecord("GW-0202", true, won));
    std::string bad = won;
    bad[1] = '9';
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, bad));
    bad = won;
    bad[15] = bad[15] == '0' ? '1' : '0';
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, bad));
    bad = won;
    bad[11] = 'x';
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, bad));
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, won.substr(0, 15)));
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, ""));
    // A zero count with a non-zero check must match its check.
    EXPECT_FALSE(sg::ParseRecord("GW-0201", true, "0000000000000001"));
}

TEST_F(Statistics, ClearSingleGameValuesWritesZeroRecords) {
    ClearSingleGameValues(201, "Ann  ");
    const std::string w = Stored("GW-0201", true, 0);
    const std::string l = Stored("GL-0201", false, 0);
    EXPECT_EQ(ReadFile(uni), "\r\n[Ann]\r\nGW-0201=" + w + "\r\nGL-0201=" + l + "\r\n\r\n");
    auto counts = ReadSingleGameValues(201, "Ann");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won, 0);
    EXPECT_EQ(counts->lost, 0);

    // Clearing again overwrites both records in place with fresh digits.
    random.value = 3;
    ClearSingleGameValues(201, "Ann");
    EXPECT_EQ(ReadFile(uni), "\r\n[Ann]\r\nGW-0201=" + Stored("GW-0201", true, 0) +
                                 "\r\nGL-0201=" + Stored("GL-0201", false, 0) + "\r\n\r\n");
    EXPECT_NE(Stored("GW-0201", true, 0), w);
    EXPECT_THAT(dialogs.infos, IsEmpty());
}

TEST_F(Statistics, ReadsStoredCounts) {
    WriteFile(uni, "[Bob]\r\nGW-0005=" + Stored("GW-0005", true, 12) +
                       "\r\nGL-0005=" + Stored("GL-0005", false, 3) + "\r\n");
    auto counts = ReadSingleGameValues(5, "Bob");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won, 12);
    EXPECT_EQ(counts->lost, 3);
    // Another player or game has no entries: zero.
    counts = ReadSingleGameValues(6, "Bob");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won + counts->lost, 0);
    // Custom games have no single-game values and touch no file.
    platform::DeleteFile(uni);
    counts = ReadSingleGameValues(8000, "Bob");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won, 0);
    ClearSingleGameValues(8001, "Bob");
    ClearSingleGameValues(-1, "Bob");
    EXPECT_FALSE(platform::FileExists(uni));
    // Reading creates the empty file, as writing needs it.
    ASSERT_TRUE(ReadSingleGameValues(1, "Bob"));
    EXPECT_EQ(ReadFile(uni), "");
    EXPECT_THAT(dialogs.infos, IsEmpty());
}

// A corrupt record costs that record only: the file as it was is kept aside,
// the record restarts at zero, everything else stays.
TEST_F(Statistics, CorruptRecordIsResetAloneAndTheFileKeptAside) {
    std::string won = sg::BuildRecord("GW-0201", true, 4);
    won[12] = won[12] == '9' ? '8' : '9';  // check number no longer matches
    const std::string bob = "[Bob]\r\nGW-0201=" + Stored("GW-0201", true, 7) + "\r\n";
    const std::string original = "[Ann]\r\nGW-0201=" + sg::Scramble(won) +
                                 "\r\nGL-0201=" + Stored("GL-0201", false, 2) +
                                 "\r\nGW-0202=" + Stored("GW-0202", true, 5) + "\r\n" + bob;
    WriteFile(uni, original);
    WriteFile(stat, "[Version]\r\nVersion=0300\r\n");
    WriteFile(cfg, "[Preference]\r\nGame=201\r\n");

    EXPECT_FALSE(ReadSingleGameValues(201, "Ann"));
    EXPECT_EQ(ReadFile(uni + ".bad"), original);
    ASSERT_THAT(dialogs.infos, ElementsAre(std::string(kCorruptSingleGameMessage) + "\n" +
                                           sg::kKeptAsideNote + "Stat_uni.dat.bad\"."));
    EXPECT_EQ(window.repaints, 1);
    EXPECT_THAT(fx.waits.waits, ElementsAre(2000));
    EXPECT_EQ(dialogs.pushes, 1);
    EXPECT_EQ(dialogs.depth, 0);
    EXPECT_EQ(ReadFile(stat), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(ReadFile(cfg), "[Preference]\r\nGame=201\r\n");

    // Only the corrupt count starts again from zero.
    auto counts = ReadSingleGameValues(201, "Ann");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won, 0);
    EXPECT_EQ(counts->lost, 2);
    EXPECT_EQ(ReadSingleGameValues(202, "Ann")->won, 5);
    EXPECT_EQ(ReadSingleGameValues(201, "Bob")->won, 7);
    EXPECT_EQ(dialogs.infos.size(), 1u);
}

TEST_F(Statistics, DamagedValuesCountAsCorrupt) {
    for (const std::string& value :
         {std::string(), std::string("garbage"), sg::Scramble("12345678901234567890"),
          std::string("\0\0", 2)}) {
        WriteFile(uni, "[Ann]\r\nGW-0001=" + value + "\r\n");
        ClearSingleGameValues(1, "Ann");
        ASSERT_TRUE(ReadSingleGameValues(1, "Ann"));
        EXPECT_EQ(ReadSingleGameValues(1, "Ann")->won, 0);
    }
    EXPECT_EQ(dialogs.infos.size(), 4u);
    EXPECT_TRUE(platform::FileExists(uni + ".bad4"));
}

TEST_F(Statistics, UpgradeOldHiScoreFile) {
    const std::string shortLine = "0" + std::string(40, 's');
    const std::string fullLine = "0" + std::string(88, 'f');
    WriteFile(scores,
              "[Version]\r\nVersion=0200\r\n\r\n" + shortLine + "\r\n" + fullLine + "\r\nnote\r\n");
    WriteFile(cfg, "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nShow_Time=S\r\n");
    UpgradeScoreFile();
    EXPECT_EQ(ReadFile(scores), "[Version]\r\nVersion=0300\r\n\r\n\r\n" + shortLine +
                                    std::string(48, ' ') + " x\r\n" + fullLine + " x\r\nnote\r\n");
    EXPECT_EQ(ReadFile(cfg), "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=Y\r\nShow_Time=S\r\n");

    // Already current: the file stays as it is, the switches are still upgraded.
    const std::string current = ReadFile(scores);
    struct stat before {};
    ::stat(scores.c_str(), &before);
    WriteFile(cfg, "[Preference]\r\nConfirmQuit=S\r\n");
    UpgradeScoreFile();
    struct stat after {};
    ::stat(scores.c_str(), &after);
    EXPECT_EQ(ReadFile(scores), current);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(ReadFile(cfg), "[Preference]\r\nConfirmQuit=Y\r\n");
    EXPECT_THAT(dialogs.infos, IsEmpty());
}

// A score line longer than the old format's is damage (or another file):
// the file is moved aside whole instead of cut to the old width.
TEST_F(Statistics, HiScoreFileNotInTheOldFormatIsMovedAside) {
    for (const std::string& bytes :
         {"0" + std::string(100, 'l') + "\r\n",
          "[Version]\r\nVersion=0200\r\n0" + std::string(89, 'l') + "\r\n"}) {
        std::filesystem::remove(scores + ".bad");
        dialogs.infos.clear();
        WriteFile(scores, bytes);
        UpgradeScoreFile();
        EXPECT_FALSE(platform::FileExists(scores));
        EXPECT_EQ(ReadFile(scores + ".bad"), bytes);
        EXPECT_THAT(dialogs.infos, ElementsAre("The hi-score file is not in a format the program "
                                               "knows.\nIt has been kept, unchanged, as "
                                               "\"STAT_SCR.DAT.bad\"."));
    }
    // A line of the current format that lost its version line is kept.
    const std::string current = "0" + std::string(88, 'c') + " x";
    WriteFile(scores, current + "\r\n");
    UpgradeScoreFile();
    EXPECT_EQ(ReadFile(scores), "[Version]\r\nVersion=0300\r\n\r\n" + current + "\r\n");
}

TEST_F(Statistics, UpgradeWithoutVersionOrWithoutFile) {
    // No hi-score file: nothing at all happens, settings included.
    WriteFile(cfg, "[Preference]\r\nCards_Animate=S\r\n");
    UpgradeScoreFile();
    EXPECT_FALSE(platform::FileExists(scores));
    EXPECT_EQ(ReadFile(cfg), "[Preference]\r\nCards_Animate=S\r\n");

    // A file without a version section is version "0000".
    WriteFile(scores, "0abc\nplain");
    UpgradeScoreFile();
    EXPECT_EQ(ReadFile(scores),
              "[Version]\r\nVersion=0300\r\n\r\n0abc" + std::string(85, ' ') + " x\r\nplain\r\n");
    EXPECT_EQ(ReadFile(cfg), "[Preference]\r\nCards_Animate=Y\r\n");
}

TEST_F(Statistics, RenameTouchesOnlyTheExactPlayer) {
    WriteFile(stat, "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 1=" + kSomeRecord +
                        "\r\nPlayer 10=" + kSomeRecord + "\r\n\r\n[5]\r\nPlayer 10=" + kSomeRecord +
                        "\r\nPlayer 1=" + kCleared + "\r\n");
    WriteFile(log, LogLine(201, "Player 1") + "\r\n" + LogLine(5, "Player 10") + "\r\n" +
                       LogLine(5, "Player 1x") + "\r\n");
    WriteFile(scores, "[Version]\r\nVersion=0300\r\n\r\n" + ScoreLine("Player 10") + "\r\n" +
                          ScoreLine("Player 1") + "\r\n");
    const std::string uniBytes = "[Player 1]\r\nGW-0201=x\r\n";
    WriteFile(uni, uniBytes);

    RenamePlayerInStatistics("Player 1 ", "Ann");
    EXPECT_EQ(ReadFile(stat), "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nAnn=" + kSomeRecord +
                                  "\r\nPlayer 10=" + kSomeRecord + "\r\n\r\n[5]\r\nPlayer 10=" +
                                  kSomeRecord + "\r\nAnn=" + kCleared + "\r\n");
    EXPECT_EQ(ReadFile(log), LogLine(201, "Ann") + "\r\n" + LogLine(5, "Player 10") + "\r\n" +
                                 LogLine(5, "Player 1x") + "\r\n");
    EXPECT_EQ(ReadFile(scores), "[Version]\r\nVersion=0300\r\n\r\n" + ScoreLine("Player 10") +
                                    "\r\n" + ScoreLine("Ann") + "\r\n");
    EXPECT_EQ(ReadFile(uni), uniBytes);
    EXPECT_GE(dialogs.pushes, 1);
    EXPECT_EQ(dialogs.depth, 0);
}

TEST_F(Statistics, RenameSkipsMissingFilesAndUnusableNames) {
    RenamePlayerInStatistics("Ann", "Bob");
    EXPECT_FALSE(platform::FileExists(stat));
    EXPECT_FALSE(platform::FileExists(log));
    EXPECT_FALSE(platform::FileExists(scores));

    const std::string bytes = "[201]\r\nAnn=" + kCleared + "\r\n";
    WriteFile(stat, bytes);
    RenamePlayerInStatistics("Ann", "A=B");
    RenamePlayerInStatistics("Ann", "[Ann]");
    RenamePlayerInStatistics("", "Bob");
    EXPECT_EQ(ReadFile(stat), bytes);
    EXPECT_THAT(dialogs.infos, IsEmpty());
}

TEST_F(Statistics, ClearingAPlayerWithoutEntries) {
    WriteFile(stat, "[Version]\r\nVersion=0300\r\n\r\n[0201]\r\nBob=" + kSomeRecord +
                        "\r\n\r\n[9001]\r\nBob=" + kSomeRecord + "\r\n\r\n[7]\r\n");
    WriteFile(log, LogLine(201, "Ann") + "\r\n" + LogLine(201, "Ann B") + "\r\n" +
                       LogLine(7, "Ann") + "\r\nshort line\r\n");
    ClearPlayerStatistics("Ann ");

    EXPECT_EQ(ReadFile(stat), "[Version]\r\nVersion=0300\r\n\r\n[0201]\r\nBob=" + kSomeRecord +
                                  "\r\nAnn=" + kCleared + "\r\n\r\n[9001]\r\nBob=" + kSomeRecord +
                                  "\r\nAnn=" + kCleared + "\r\n\r\n[7]\r\nAnn=" + kCleared +
                                  "\r\n\r\n");
    // Zero single-game records for the games below 8000 only.
    EXPECT_THAT(ReadSectionLines(uni, "Ann"),
                ElementsAre("GW-0201=" + Stored("GW-0201", true, 0),
                            "GL-0201=" + Stored("GL-0201", false, 0),
                            "GW-0007=" + Stored("GW-0007", true, 0),
                            "GL-0007=" + Stored("GL-0007", false, 0)));
    EXPECT_EQ(ReadFile(log), LogLine(201, "Ann B") + "\r\nshort line\r\n");
    EXPECT_THAT(dialogs.infos, IsEmpty());
    EXPECT_EQ(dialogs.depth, 0);
}

TEST_F(Statistics, ClearingOverwritesExistingRecordsInPlace) {
    const std::string head = "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nAnn=";
    WriteFile(stat, head + kSomeRecord + "\r\nAnnie=" + kSomeRecord + "\r\n");
    struct stat before {};
    ::stat(stat.c_str(), &before);
    ClearPlayerStatistics("Ann");
    struct stat after {};
    ::stat(stat.c_str(), &after);
    EXPECT_EQ(ReadFile(stat), head + kCleared + "\r\nAnnie=" + kSomeRecord + "\r\n");
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(Statistics, CorruptValuesWhileClearingAreReportedOnce) {
    std::string bad = sg::BuildRecord("GW-0201", true, 9);
    bad[10] = 'x';
    WriteFile(uni, "[Ann]\r\nGW-0201=" + sg::Scramble(bad) + "\r\n[Bob]\r\nGW-0005=x\r\n");
    WriteFile(stat, "[Version]\r\nVersion=0300\r\n[201]\r\n[202]\r\n[203]\r\n");
    ClearPlayerStatistics("Ann");
    EXPECT_THAT(dialogs.infos, ElementsAre(StartsWith(kCorruptSingleGameMessage)));
    // The damaged record restarts; the other player's values are not touched.
    EXPECT_THAT(ListSections(uni), ElementsAre("Ann", "Bob"));
    EXPECT_EQ(ReadSectionLines(uni, "Ann").size(), 6u);
    EXPECT_THAT(ReadSectionLines(uni, "Bob"), ElementsAre("GW-0005=x"));
    EXPECT_EQ(ReadKeys(stat, "203", {"Ann"}, {""}).values[0], kCleared);
}

TEST_F(Statistics, MissingDataFolderIsReportedNotFatal) {
    std::filesystem::remove_all(fx.dir.file("DATA"));
    ClearPlayerStatistics("Ann");  // no STAT.DAT: nothing to do
    EXPECT_THAT(dialogs.infos, IsEmpty());
    ClearSingleGameValues(3, "Ann");
    ASSERT_EQ(dialogs.infos.size(), 1u);
    EXPECT_EQ(dialogs.infos[0].rfind("Cannot open file ", 0), 0u);
    ASSERT_TRUE(ReadSingleGameValues(3, "Ann"));
    UpgradeScoreFile();
    EXPECT_FALSE(SeriesFileExists(true));
}

TEST_F(Statistics, ReadOnlyStatisticsStopAtTheFirstFailure) {
    test::WithoutRootBypass asUser;
    BW_SKIP_IF_BYPASSED(asUser);
    const std::string bytes = "[Version]\r\nVersion=0300\r\n[201]\r\n[202]\r\n[203]\r\n";
    WriteFile(stat, bytes);
    ::chmod(stat.c_str(), 0444);
    ClearPlayerStatistics("Ann");
    EXPECT_THAT(dialogs.infos, ElementsAre("Cannot open file " + stat));
    EXPECT_EQ(ReadFile(stat), bytes);
}

// Every statistics operation on files that are empty or folders: nothing
// breaks, a folder is never replaced, and what cannot be opened is named.
TEST_F(Statistics, EmptyFilesAndFoldersInTheirPlace) {
    for (const std::string* f : {&stat, &uni, &log, &scores}) WriteFile(*f, "");
    RenamePlayerInStatistics("Ann", "Bob");
    ClearPlayerStatistics("Bob");
    UpgradeScoreFile();
    EXPECT_EQ(ReadSingleGameValues(201, "Bob")->won, 0);
    EXPECT_EQ(ReadFile(scores), "[Version]\r\nVersion=0300\r\n\r\n");
    EXPECT_EQ(ReadFile(stat), "");
    EXPECT_THAT(dialogs.infos, IsEmpty());

    for (const std::string* f : {&stat, &uni, &log, &scores}) {
        std::filesystem::remove(*f);
        std::filesystem::create_directory(*f);
    }
    RenamePlayerInStatistics("Ann", "Bob");
    ClearPlayerStatistics("Bob");
    ClearSingleGameValues(201, "Bob");
    UpgradeScoreFile();
    EXPECT_EQ(ReadSingleGameValues(201, "Bob")->lost, 0);
    EXPECT_THAT(dialogs.infos, ElementsAre("Cannot open file " + uni));
    for (const std::string* f : {&stat, &uni, &log, &scores})
        EXPECT_TRUE(std::filesystem::is_directory(*f)) << *f;
}

TEST_F(Statistics, SeriesFiles) {
    const std::string marker = fx.dir.file("DATA/Series_e01.dat");
    WriteFile(marker, "x");
    EXPECT_FALSE(SeriesFileExists(false));
    EXPECT_TRUE(platform::FileExists(marker));
    EXPECT_FALSE(SeriesFileExists(true));
    EXPECT_FALSE(platform::FileExists(marker));

    WriteFile(marker, "x");
    WriteFile(fx.dir.file("DATA/Stat_uni.dat"), "");
    WriteFile(fx.dir.file("DATA/Stat_e.txt"), "");
    EXPECT_FALSE(SeriesFileExists(true));
    WriteFile(marker, "x");
    WriteFile(fx.dir.file("DATA/STAT_E03.DAT"), "");
    EXPECT_TRUE(SeriesFileExists(true));
    EXPECT_TRUE(platform::FileExists(marker));
}

}  // namespace
}  // namespace bw
