#include "core/turn_record.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

Turn T(TurnOutcome o, std::vector<TurnCard> cards) {
    return {std::move(cards), o};
}

constexpr auto kPair = TurnOutcome::kPair;
constexpr auto kMiss = TurnOutcome::kMiss;
constexpr auto kSlip = TurnOutcome::kSlip;

// "Concentration": any card of the rank is a partner, but not one already
// taken away; the record's text keeps every field and refuses damage.
TEST(TurnRecord, RecallSlipHeatAndText) {
    TurnRecord r{"0000000000042", 39, {}};
    r.turns = {T(kMiss, {{7, 0, 0, 100}, {8, 0, 1, 900}}),
               T(kPair, {{46, 1, 0, 2000}, {7, 0, 0, 2500}}),   // 7 recalled: span 1
               T(kSlip, {{21, 1, 1, 3000}, {2, 1, 2, 3600}}),   // the 8 was known
               T(kSlip, {{34, 2, 1, 4000}, {15, 2, 0, 4200}}),  // 8 and 21 known: 21 last
               // The sevens are gone: the slip is the known 2's, whose 15 was known.
               T(kSlip, {{20, 2, 2, 5000}, {2, 1, 2, 5100}}),
               T(kPair, {{15, 2, 0, 6000}, {2, 1, 2, 6100}}),
               T(kPair, {{8, 0, 1, 7000}, {21, 1, 1, 7100}})};
    const RecallProfile p = Recall(r);
    EXPECT_EQ(p.spans, (std::vector<int>{1, 1, 4}));
    EXPECT_EQ(p.slips, (std::vector<SlipMark>{
                           {3, 21, 8, 0, 1, 2}, {4, 34, 21, 1, 1, 1}, {5, 2, 15, 2, 0, 1}}));
    EXPECT_EQ(SlipCount(r), 3);

    // The heat map adds up over games and covers every place turned at.
    SlipHeat heat;
    heat.Add(r);
    heat.Add(r);
    EXPECT_EQ(heat.rows, 3);
    EXPECT_EQ(heat.columns, 3);
    EXPECT_EQ(heat.At(0, 1), 2);
    EXPECT_EQ(heat.At(1, 1), 2);
    EXPECT_EQ(heat.At(2, 0), 2);
    EXPECT_EQ(heat.At(0, 0) + heat.At(1, 0) + heat.At(2, 1) + heat.At(1, 2) + heat.At(2, 2), 0);
    EXPECT_EQ(heat.At(7, 7), 0);
    EXPECT_EQ(heat.Most(), 2);

    // A slip the record cannot explain (an undo took the partner's sighting
    // back) is kept with its age unknown, not guessed.
    TurnRecord lone{"", 37, {T(kSlip, {{1, 0, 0, 0}, {2, 0, 1, 0}})}};
    EXPECT_EQ(Recall(lone).slips, (std::vector<SlipMark>{{1, 1, 0, -1, -1, -1}}));

    const std::string text = TurnRecordText(r);
    EXPECT_EQ(text.substr(0, 40), "39 0000000000042 m007.0.0.100,008.0.1.90");
    EXPECT_EQ(ParseTurnRecord(text), r);
    r.turns.push_back(T(TurnOutcome::kOpen, {{5, 0, 3, 6000}}));
    EXPECT_EQ(ParseTurnRecord(TurnRecordText(r)), r);
    EXPECT_EQ(ParseTurnRecord("36 -"), (TurnRecord{"", 36, {}}));
    for (const char* bad :
         {"", "38 -", "37 12x", "37 - x001.0.0.0,002.0.0.0", "37 - p001.0.0.0",
          "37 - p001.0.0.0,002.0.0.0,003.0.0.0", "37 - p109.0.0.0,002.0.0.0",
          "37 - p001.40.0.0,002.0.0.0", "37 - p001.0.0,002.0.0.0", "37 - p001.0.0.0,",
          "37 - p001.0.0.0,002.0.0.0 ", "36 - p001.0.0.-5", "36 00000000000001 p001.0.0.0"})
        EXPECT_FALSE(ParseTurnRecord(bad)) << bad;
}

// Over games: spans in bands, slips per game and their trend line.
TEST(TurnRecord, MemorySummaryOverGames) {
    EXPECT_EQ(SpanBand(1), 0);
    EXPECT_EQ(SpanBand(5), 4);
    EXPECT_EQ(SpanBand(6), 5);
    EXPECT_EQ(SpanBand(11), 6);
    EXPECT_EQ(SpanBand(21), 7);
    auto game = [](int slips) {
        TurnRecord r{"", 37, {T(kMiss, {{1, 0, 0, 0}, {2, 0, 1, 0}})}};
        for (int i = 0; i < slips; ++i) r.turns.push_back(T(kSlip, {{53, 1, 0, 0}, {3, 0, 2, 0}}));
        r.turns.push_back(T(kPair, {{53, 1, 0, 0}, {1, 0, 0, 0}}));  // 1 seen last in turn 1
        return r;
    };
    const MemorySummary s = SummarizeMemory({game(4), game(2), game(0)});
    EXPECT_EQ(s.slipsPerGame, (std::vector<int>{4, 2, 0}));
    EXPECT_DOUBLE_EQ(s.trendFirst, 4);
    EXPECT_DOUBLE_EQ(s.trendLast, 0);
    EXPECT_EQ(s.spanBands, (std::vector<int>{1, 0, 1, 0, 1, 0, 0, 0}));  // spans 5, 3 and 1
    EXPECT_EQ(s.heat.At(0, 0), 6);
    const MemorySummary none = SummarizeMemory({});
    EXPECT_TRUE(none.slipsPerGame.empty());
    EXPECT_EQ(none.trendLast, 0);
}

// The best earlier run on a deal: most pairs, then the soonest last pair;
// other deals never count.
TEST(TurnRecord, BestRunOnADeal) {
    auto run = [](const char* deal, std::vector<int64_t> pairMs) {
        TurnRecord r{deal, 37, {T(kMiss, {{1, 0, 0, 100}, {2, 0, 1, 200}})}};
        for (int64_t ms : pairMs)
            r.turns.push_back(T(kPair, {{3, 0, 2, ms - 500}, {55, 1, 2, ms}}));
        return r;
    };
    const std::vector<TurnRecord> games{run("7", {1000, 2000}), run("7", {3000, 4000, 9000}),
                                        run("7", {1000, 2000, 8000}), run("8", {1, 2, 3, 4}),
                                        run("7", {500, 600, 700})};
    const std::vector<int64_t> best = BestRun(games, "7");
    EXPECT_EQ(best, (std::vector<int64_t>{500, 600, 700}));
    EXPECT_EQ(PairsBy(best, 0), 0);
    EXPECT_EQ(PairsBy(best, 599), 1);
    EXPECT_EQ(PairsBy(best, 600), 2);
    EXPECT_EQ(PairsBy(best, 60000), 3);
    EXPECT_EQ(BestRun(games, "8").size(), 4u);  // more pairs beats a faster start
    EXPECT_TRUE(BestRun(games, "9").empty());
    EXPECT_TRUE(BestRun(games, "").empty());
    EXPECT_TRUE(BestRun({run("7", {})}, "7").empty());
}

}  // namespace
}  // namespace bw
