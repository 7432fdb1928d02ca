#include "storage/replays.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/params.h"
#include "platform/paths.h"
#include "storage/results.h"
#include "storage/statistics.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Replays : public ::testing::Test {
protected:
    Replays() {
        InstalledPorts().dialogs = &fx.dialogs;
        platform::MakeDir(fx.dir.file("DATA"));
        ResetResultsSession();
    }
    ~Replays() override { ResetResultsSession(); }

    test::CoreFixture fx;
    std::string file = fx.dir.file("DATA/Replays.dat");

    // A pairs game of `turns` turns: a miss, then pairs.
    static TurnRecord Game(int turns, const std::string& deal = "0000000000007") {
        TurnRecord r{deal, 37, {}};
        for (int t = 0; t < turns; ++t)
            r.turns.push_back({{{t + 1, 0, t, 100 * t}, {t + 53, 1, t, 100 * t + 50}},
                               t == 0 ? TurnOutcome::kMiss : TurnOutcome::kPair});
        return r;
    }
    static std::vector<size_t> Lengths(const std::vector<StoredReplay>& games) {
        std::vector<size_t> out;
        for (const StoredReplay& g : games) out.push_back(g.record.turns.size());
        return out;
    }
};

TEST_F(Replays, KeepTheLastFiftyPerPlayerAndFollowThePlayers) {
    TurnRecord open = Game(2);
    open.turns.push_back({{{9, 0, 9, 900}}, TurnOutcome::kOpen});  // left mid-turn
    RecordReplay(201, "Ann", 20261210, open);
    RecordReplay(201, "Bob", 20261210, Game(3));
    RecordReplay(202, "Ann", 20261211, Game(4));
    RecordReplay(201, "Ann", 20261210, TurnRecord{"1", 37, {}});  // no turn: not kept
    const auto ann = ReadReplays(201, "Ann ");
    ASSERT_EQ(ann.size(), 1u);
    EXPECT_EQ(ann[0], (StoredReplay{201, "Ann", 20261210, Game(2)}));
    EXPECT_EQ(Lengths(ReadReplays(202, "Ann")), std::vector<size_t>{4});
    EXPECT_EQ(ReadFile(file).substr(0, 25), "Brindlewick replays 0001\n");

    for (int i = 1; i <= 55; ++i) RecordReplay(201, "Ann", 20261212, Game(i % 9 + 1));
    const auto kept = ReadReplays(201, "Ann");
    ASSERT_EQ(kept.size(), 50u);
    EXPECT_EQ(kept.front().record, Game(6 % 9 + 1));  // the oldest five went
    EXPECT_EQ(kept.back().record, Game(55 % 9 + 1));
    EXPECT_EQ(ReadReplays(201, "Bob").size(), 1u);

    // Renaming onto a name moves the games; clearing (and deleting) drops them.
    RenamePlayerInStatistics("Bob", "Cy");
    EXPECT_THAT(ReadReplays(201, "Bob"), IsEmpty());
    EXPECT_EQ(Lengths(ReadReplays(201, "Cy")), std::vector<size_t>{3});
    RenamePlayerInStatistics("Ann", "Cy");
    EXPECT_EQ(ReadReplays(201, "Cy").size(), 50u);
    EXPECT_EQ(ReadReplays(202, "Cy").size(), 1u);
    ClearPlayerStatistics("Cy");
    EXPECT_THAT(ReadReplays(201, "Cy"), IsEmpty());
    EXPECT_THAT(ReadReplays(202, "Cy"), IsEmpty());
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());
}

TEST_F(Replays, DamageIsKeptAsideAndSaidOnce) {
    RecordReplay(201, "Ann", 20261210, Game(2));
    RecordReplay(201, "Ann", 20261210, Game(3));
    RecordReplay(201, "Bob", 20261210, Game(4));
    const std::string whole = ReadFile(file);

    // A changed byte costs its own line only; the file as it was is kept.
    std::string bytes = whole;
    bytes[bytes.find("053.1.0.50")] = '4';
    WriteFile(file, bytes);
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), std::vector<size_t>{3});
    EXPECT_EQ(ReadFile(file + ".bad"), bytes);
    ASSERT_EQ(fx.dialogs.infos.size(), 1u);
    EXPECT_NE(fx.dialogs.infos[0].find("Replays.dat.bad"), std::string::npos);
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), std::vector<size_t>{3});  // said once
    EXPECT_EQ(fx.dialogs.infos.size(), 1u);

    // Cut short in its last line: the whole lines before it stay.
    WriteFile(file, whole.substr(0, whole.size() - 7));
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), (std::vector<size_t>{2, 3}));
    EXPECT_THAT(ReadReplays(201, "Bob"), IsEmpty());
    EXPECT_EQ(ReadFile(file + ".bad2"), whole.substr(0, whole.size() - 7));

    // No replay file at all: moved aside whole, a new one started.
    WriteFile(file, "\x01\x02garbage");
    EXPECT_THAT(ReadReplays(201, "Ann"), IsEmpty());
    EXPECT_FALSE(platform::FileExists(file));
    EXPECT_EQ(ReadFile(file + ".bad3"), "\x01\x02garbage");
    RecordReplay(201, "Ann", 20261210, Game(5));
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), std::vector<size_t>{5});
    EXPECT_EQ(fx.dialogs.infos.size(), 3u);

    // A link in the file's place is neither read nor written through.
    std::filesystem::rename(file, file + ".kept");
    std::filesystem::create_symlink(file + ".kept", file);
    EXPECT_THAT(ReadReplays(201, "Ann"), IsEmpty());
    RecordReplay(201, "Ann", 20261210, Game(6));
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), std::vector<size_t>{});
    EXPECT_EQ(fx.dialogs.infos.size(), 4u);
}

TEST_F(Replays, AFolderThatCannotBeWrittenIsReportedOncePerRun) {
    RecordReplay(201, "Ann", 20261210, Game(2));
    const std::string kept = ReadFile(file);
    test::ReadOnlyFolder readOnly(fx.dir.file("DATA"));
    if (!readOnly.failure().empty()) GTEST_SKIP() << readOnly.failure();
    RecordReplay(201, "Ann", 20261210, Game(3));
    RecordReplay(202, "Ann", 20261210, Game(3));
    RenamePlayerReplays("Ann", "Bob");
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(replays_msg::kReadOnly));
    EXPECT_EQ(ReadFile(file), kept);
    EXPECT_EQ(Lengths(ReadReplays(201, "Ann")), std::vector<size_t>{2});
}

}  // namespace
}  // namespace bw
