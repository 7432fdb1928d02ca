#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/score.h"
#include "core/state.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

class Deal : public ::testing::Test {
protected:
    test::CoreFixture fx;
    void OneDeck() { ProgramGame().GameRules[371] = 52; }
    std::vector<CardCode> Head(const Pack& p, size_t n) {
        return std::vector<CardCode>(p.begin(),
                                     p.begin() + static_cast<long>(std::min(n, p.size())));
    }
    // Every card of the four pile lists, bottom first.
    std::multiset<CardCode> TableCards() {
        std::multiset<CardCode> all;
        for (auto* list : {&ProgramGame().MazzoPiles, &ProgramGame().FilaPiles,
                           &ProgramGame().DestPiles, &ProgramGame().AppoggPiles})
            for (const auto& pile : *list)
                for (int i = 0; i < SlotCount(pile); ++i)
                    if (SlotCode(pile, i) != 0) all.insert(SlotCode(pile, i));
        return all;
    }
};

TEST_F(Deal, KnownPacksFromTheDigits) {
    OneDeck();
    EXPECT_EQ(Head(BuildPackFor(ProgramGame(), "0000000000000"), 10),
              (std::vector<CardCode>{2, 43, 4, 20, 27, 45, 29, 6, 31, 36}));
    EXPECT_EQ(Head(BuildPackFor(ProgramGame(), "1234567890123"), 10),
              (std::vector<CardCode>{5, 14, 28, 37, 35, 6, 2, 43, 3, 40}));
}

TEST_F(Deal, WholeDoublePacksPlaceByPlace) {
    // Two decks and the jokers: a free-place search that goes wrong past the
    // first places, forward or backward, changes the order.
    auto codes = [](const Pack& p) {
        std::string s;
        for (CardCode c : p) s += FormatCode(c);
        return s;
    };
    ProgramGame().GameRules[371] = 104;
    ProgramGame().GameRules[44] = 1;
    ProgramGame().GameRules[374] = 4;
    EXPECT_EQ(codes(BuildPackFor(ProgramGame(), "1234567890123")),
              "088018108092016004001067058072078065064050041038022075023057084045085056027055047026"
              "013103024009046019002051049070039052037048098082033032068040099025076054102063035010"
              "011100006079083007095094029044105012062093008043086089074053097096069020003028081061"
              "031106077017034066101080073071042014005107087059030015090021091036104060");
    ProgramGame().GameRules[44] = 0;
    EXPECT_EQ(codes(BuildPackFor(ProgramGame(), "9876543210987")),
              "072086067034012074069042040048059104083071037076093018043009022073021064082035046001"
              "068078054028085075062020097017011031090047101032015023092088094065010033080084026030"
              "096036049006055053103008002091051063095029013045007081057077060014079005050019025052"
              "016041100089061087056098099003066038070039027058044004024102");
}

TEST_F(Deal, ShortNumbersArePaddedWithLeadingZeros) {
    OneDeck();
    EXPECT_EQ(BuildPackFor(ProgramGame(), "4711"), BuildPackFor(ProgramGame(), "0000000004711"));
    EXPECT_EQ(BuildPackFor(ProgramGame(), ""), BuildPackFor(ProgramGame(), "0000000000000"));
    EXPECT_EQ(BuildPackFor(ProgramGame(), "4711   "), BuildPackFor(ProgramGame(), "0000000004711"));
    SetValue(ProgramGame().values.number, field::kGameNumber, "4711");
    EXPECT_EQ(BuildPack(ProgramGame()), BuildPackFor(ProgramGame(), "0000000004711"));
}

TEST_F(Deal, EveryNumberGivesEveryCardOnce) {
    std::vector<std::string> numbers;
    for (long long v = 0; v < 300; ++v) {
        long long n = (v * 7919LL * 104729LL + v * v * 31LL) % 10000000000000LL;
        numbers.push_back(FormatNumber(n, 13));
    }
    numbers.push_back("9999999999999");
    for (int cards : {52, 104}) {
        ProgramGame().GameRules[371] = static_cast<int16_t>(cards);
        for (const auto& g : numbers) {
            Pack p = BuildPackFor(ProgramGame(), g);
            std::sort(p.begin(), p.end());
            ASSERT_EQ(p.size(), static_cast<size_t>(cards)) << g;
            for (int i = 0; i < cards; ++i) ASSERT_EQ(p[static_cast<size_t>(i)], i + 1) << g;
        }
    }
}

TEST_F(Deal, JokersAreAddedBeforeTheRankPasses) {
    OneDeck();
    ProgramGame().GameRules[44] = 1;
    ProgramGame().GameRules[374] = 2;
    for (const char* g : {"0000000000000", "8080808080808", "1234567890123"}) {
        Pack p = BuildPackFor(ProgramGame(), g);
        ASSERT_EQ(p.size(), 54u);
        std::sort(p.begin(), p.end());
        EXPECT_EQ(p[52], 105);
        EXPECT_EQ(p[53], 106);
        EXPECT_EQ(p[51], 52);
    }
    ProgramGame().GameRules[374] = 4;
    Pack p = BuildPackFor(ProgramGame(), "5555555555555");
    std::sort(p.begin(), p.end());
    EXPECT_EQ(p.back(), 108);
    EXPECT_EQ(p.size(), 56u);
}

TEST_F(Deal, StrippedPacks) {
    OneDeck();
    ProgramGame().GameRules[47] = 2;
    Pack p = BuildPackFor(ProgramGame(), "0000000000042");
    EXPECT_EQ(p.size(), 28u);
    for (CardCode c : p) {
        int r = RankOf(c);
        EXPECT_TRUE(r == 1 || (r >= 7 && r <= 12)) << c;
    }
    ProgramGame().GameRules[47] = 1;
    EXPECT_EQ(BuildPackFor(ProgramGame(), "0000000000042").size(), 32u);
}

TEST_F(Deal, BadPackSizeIsReportedAndDealsNothing) {
    ProgramGame().GameRules[371] = 60;
    Pack p = BuildPackFor(ProgramGame(), "0000000000001");
    EXPECT_EQ(fx.dialogs.infos, std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
    EXPECT_EQ(std::count(p.begin(), p.end(), 0), 60);
    ProgramGame().GameRules[371] = 0;
    EXPECT_TRUE(BuildPackFor(ProgramGame(), "1").empty());  // an unloaded game: no pack, no crash
}

TEST_F(Deal, NextFreeSlotSearchesThenWraps) {
    Pack p = {1, 0, 2, 3, 0, 4};
    EXPECT_EQ(NextFreeSlot(p, 2, true), 4);
    EXPECT_EQ(NextFreeSlot(p, 3, false), 1);
    EXPECT_EQ(NextFreeSlot(p, 5, true), 1);   // nothing after: the first free place
    EXPECT_EQ(NextFreeSlot(p, 0, false), 1);  // nothing before: the first free place
    EXPECT_EQ(NextFreeSlot(Pack{1, 2}, 0, true), -1);
    EXPECT_EQ(NextFreeSlot(p, 99, false), 4);
}

TEST_F(Deal, DealCardsVariants) {
    Pack p = {5, 18, 107, 31, 2};
    DealCards(ProgramGame(), 1002, p, ProgramGame().FilaPiles, 0);  // the first two
    EXPECT_EQ(ProgramGame().FilaPiles[0], "002");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 2), '0');
    DealCards(ProgramGame(), 1503, p, ProgramGame().FilaPiles,
              1);  // a joker, face up, taken out of the pack
    EXPECT_EQ(ProgramGame().FilaPiles[1], "107");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 107), '1');
    EXPECT_EQ(p, (Pack{5, 18, 31}));
    DealCards(ProgramGame(), 1504, p, ProgramGame().FilaPiles,
              1);  // not in the pack: appended all the same
    EXPECT_EQ(ProgramGame().FilaPiles[1], "107108");
    DealCards(ProgramGame(), 2, p, ProgramGame().FilaPiles, 2);
    EXPECT_EQ(ProgramGame().FilaPiles[2], "005018");
    DealCards(ProgramGame(), 10, p, ProgramGame().FilaPiles,
              3);  // more than the pack holds: what there is
    EXPECT_EQ(ProgramGame().FilaPiles[3], "031");
    DealCards(ProgramGame(), 1005, p, ProgramGame().FilaPiles, 4);
    EXPECT_EQ(ProgramGame().FilaPiles[4], "");
    DealCards(ProgramGame(), 0, p, ProgramGame().FilaPiles, 4);
    DealCards(ProgramGame(), 3, p, ProgramGame().FilaPiles, 99);
}

TEST_F(Deal, DealtCodesFollowWhatThePileHolds) {
    ProgramGame().FilaPiles[0] = "013";
    Pack p = {7, 0, 108, -1, 1000, 52};
    DealCards(ProgramGame(), 6, p, ProgramGame().FilaPiles, 0);
    // A code that is no card keeps the text it always had.
    EXPECT_EQ(ProgramGame().FilaPiles[0], "013007000108-011000052");
    EXPECT_TRUE(p.empty());
}

TEST_F(Deal, AllCardsEndOnTheTableOrStayInThePack) {
    // A Klondike-like deal: 7 piles of 1..7, top card up, the rest to the stock.
    OneDeck();
    ProgramGame().GameRules[368] = 7;
    ProgramGame().GameRules[367] = 4;
    ProgramGame().GameRules[372] = 24;
    ProgramGame().GameRules[7] = 1;
    for (int i = 0; i < 7; ++i) {
        ProgramGame().GameRules[375 + i] = static_cast<int16_t>(i + 1);
        ProgramGame().GameRules[415 + i] = 1;
    }
    SetValue(ProgramGame().values.number, field::kGameNumber, "1234567890123");
    DealGame(ProgramGame());
    auto all = TableCards();
    EXPECT_EQ(all.size(), 52u);
    EXPECT_EQ(std::set<CardCode>(all.begin(), all.end()).size(), 52u);
    for (int i = 0; i < 7; ++i) {
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(i)];
        ASSERT_EQ(SlotCount(pile), i + 1);
        EXPECT_TRUE(IsFaceUp(ProgramGame(), TopCode(pile)));
        if (i > 0) {
            EXPECT_FALSE(IsFaceUp(ProgramGame(), BottomCode(pile)));
        }
    }
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 24);
    EXPECT_FALSE(IsFaceUp(ProgramGame(), TopCode(ProgramGame().MazzoPiles[0])));
    // The same number deals the same table.
    auto first = ProgramGame().FilaPiles;
    ClearPiles(ProgramGame(), false, true);
    DealGame(ProgramGame());
    EXPECT_EQ(ProgramGame().FilaPiles, first);
}

TEST_F(Deal, StockFaceUpWhenRuleSevenIsZeroAndWasteUp) {
    OneDeck();
    ProgramGame().GameRules[372] = 10;
    ProgramGame().GameRules[373] = 3;
    ProgramGame().GameRules[455] = 2;
    DealGame(ProgramGame());
    EXPECT_TRUE(IsFaceUp(ProgramGame(), BottomCode(ProgramGame().MazzoPiles[0])));
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[1]), 3);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), BottomCode(ProgramGame().MazzoPiles[1])));
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 2);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), TopCode(ProgramGame().MazzoPiles[2])));
}

TEST_F(Deal, PreFilterTwelveKeepsTwinPairs) {
    ProgramGame().GameRules[371] = 104;
    ProgramGame().GameRules[34] = 12;
    for (int rows : {3, 4, 5}) {
        ProgramGame().GameRules[368] = static_cast<int16_t>(rows);
        ProgramGame().GameRules[375] = 200;  // everything to the first row
        ClearPiles(ProgramGame(), false, true);
        DealGame(ProgramGame());
        const std::string& row = ProgramGame().FilaPiles[0];
        const int expected = rows == 3 ? 12 : rows == 4 ? 24 : 40;
        ASSERT_EQ(SlotCount(row), expected) << rows;
        std::multiset<CardCode> first;
        for (int i = 0; i < SlotCount(row); ++i) {
            CardCode c = SlotCode(row, i);
            first.insert(c > 52 ? c - 52 : c);
        }
        for (CardCode c : first) EXPECT_EQ(first.count(c), 2u) << c;
    }
}

TEST_F(Deal, FamilyNineKeepsTheFirstCodesAndEmptiesOnePile) {
    // Family 9 filters the pack to the first codes, and after the deal empties
    // the pile whose card has the code of the pile count (+13 beyond 13).
    OneDeck();
    ProgramGame().GameRules[34] = 9;
    ProgramGame().GameRules[368] = 13;
    for (int i = 0; i < 13; ++i) ProgramGame().GameRules[375 + i] = 1;
    DealGame(ProgramGame());
    std::set<CardCode> dealt;
    int empty = 0;
    for (int i = 0; i < 13; ++i) {
        if (ProgramGame().FilaPiles[static_cast<size_t>(i)].empty()) {
            ++empty;
        } else {
            dealt.insert(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(i)]));
        }
    }
    EXPECT_EQ(empty, 1);
    EXPECT_EQ(dealt, (std::set<CardCode>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

    ClearPiles(ProgramGame(), false, true);
    ProgramGame().GameRules[368] = 16;  // beyond 13: the hearts and the clubs 27..29
    for (int i = 0; i < 16; ++i) ProgramGame().GameRules[375 + i] = 1;
    DealGame(ProgramGame());
    std::set<CardCode> more;
    for (int i = 0; i < 16; ++i)
        if (!ProgramGame().FilaPiles[static_cast<size_t>(i)].empty())
            more.insert(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(i)]));
    EXPECT_EQ(more, (std::set<CardCode>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28}));
}

TEST_F(Deal, PreFiltersElevenAndSixteen) {
    OneDeck();
    ProgramGame().GameRules[34] = 11;
    ProgramGame().GameRules[368] = 5;
    ProgramGame().GameRules[375] = 60;
    DealGame(ProgramGame());
    std::multiset<int> ranks;
    for (int i = 0; i < SlotCount(ProgramGame().FilaPiles[0]); ++i)
        ranks.insert(RankOf(SlotCode(ProgramGame().FilaPiles[0], i)));
    EXPECT_EQ(ranks, (std::multiset<int>{1, 2, 3, 4, 5}));
    ClearPiles(ProgramGame(), false, true);
    ProgramGame().GameRules[34] = 16;
    DealGame(ProgramGame());
    EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[0]), 44);
}

TEST_F(Deal, FoundationInitialCards) {
    OneDeck();
    ProgramGame().GameRules[367] = 6;
    ProgramGame().GameRules[100] = 93;   // ace of hearts
    ProgramGame().GameRules[101] = 95;   // king of diamonds
    ProgramGame().GameRules[102] = 57;   // the first seven of the pack
    ProgramGame().GameRules[103] = 112;  // code 12
    ProgramGame().GameRules[104] = 3;   // 4 * 13 + 3 = code 55: second deck, not in a one-deck pack
    ProgramGame().GameRules[105] = 92;  // no card, base of foundation 1
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000000000000");
    DealGame(ProgramGame());
    EXPECT_EQ(ProgramGame().DestPiles[0], "001");
    EXPECT_EQ(ProgramGame().DestPiles[1], "026");
    EXPECT_EQ(RankOf(TopCode(ProgramGame().DestPiles[2])), 7);
    EXPECT_EQ(ProgramGame().DestPiles[3], "012");
    EXPECT_EQ(ProgramGame().DestPiles[4], "055");
    EXPECT_TRUE(ProgramGame().DestPiles[5].empty());
    EXPECT_EQ(ProgramGame().GameRules[52], 1);
    EXPECT_EQ(ProgramGame().GameRules[53], 13);
    EXPECT_EQ(ProgramGame().GameRules[54], 7);
    EXPECT_EQ(ProgramGame().GameRules[55], 12);
    EXPECT_EQ(ProgramGame().GameRules[57], 1);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 1));
}

TEST_F(Deal, ModelsFromThePackHead) {
    // Ten foundations each take the pack's first card, as a memorise game needs.
    OneDeck();
    ProgramGame().GameRules[367] = 10;
    for (int k = 0; k < 10; ++k) ProgramGame().GameRules[100 + k] = 20;
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000000000000");
    DealGame(ProgramGame());
    const std::vector<CardCode> expected = {2, 43, 4, 20, 27, 45, 29, 6, 31, 36};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(TopCode(ProgramGame().DestPiles[static_cast<size_t>(k)]),
                  expected[static_cast<size_t>(k)]);
}

TEST_F(Deal, BaseRankModes) {
    OneDeck();
    ProgramGame().GameRules[367] = 8;
    ProgramGame().GameRules[1] = 4;
    ProgramGame().GameRules[132] = 91;
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000000000000");
    DealGame(ProgramGame());
    // The pack's first card (the two of hearts) starts foundation 1.
    EXPECT_EQ(ProgramGame().DestPiles[0], "002");
    EXPECT_EQ(ProgramGame().GameRules[53], 2);
    EXPECT_EQ(ProgramGame().GameRules[56], 3);
    EXPECT_EQ(ProgramGame().GameRules[132], PrevRank(ProgramGame().GameRules[52]));

    ClearPiles(ProgramGame(), false, true);
    ProgramGame().GameRules.fill(0);
    OneDeck();
    ProgramGame().GameRules[367] = 4;
    ProgramGame().GameRules[1] = 6;
    DealGame(ProgramGame());
    EXPECT_EQ(ProgramGame().GameRules[52], 2);
    EXPECT_EQ(ProgramGame().GameRules[53], 1);
    EXPECT_EQ(ProgramGame().GameRules[54], 13);
}

TEST_F(Deal, ArrangementEighteenCountsTheSums) {
    OneDeck();
    ProgramGame().GameRules[34] = 18;
    ProgramGame().GameRules[368] = 16;
    SetValue(ProgramGame().values.number, field::kGameNumber, "1234567890123");
    DealGame(ProgramGame());
    int total = 0;
    std::set<CardCode> seen;
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]), 1);
        CardCode c = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(i)]);
        EXPECT_FALSE(IsFaceCard(c));
        seen.insert(c);
        total += RankOf(c);
    }
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(ProgramGame().Options.Opt(118) + ProgramGame().Options.Opt(119) +
                  ProgramGame().Options.Opt(120) + ProgramGame().Options.Opt(121),
              total);
}

TEST_F(Deal, ArrangementSeventeenCyclesThroughThePositions) {
    OneDeck();
    ProgramGame().GameRules[34] = 17;
    ProgramGame().GameRules[368] = 12;
    ProgramGame().GameRules[369] = 1;
    DealGame(ProgramGame());
    EXPECT_EQ(TableCards().size(), 52u);
    for (int i = 0; i < SlotCount(ProgramGame().MazzoPiles[0]); ++i)
        EXPECT_FALSE(IsFaceUp(ProgramGame(), SlotCode(ProgramGame().MazzoPiles[0], i)));
    for (int l = 1; l <= 12; ++l) {
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(l - 1)];
        for (int i = 0; i < SlotCount(pile); ++i) EXPECT_NE(RankOf(SlotCode(pile, i)), l);
    }
}

TEST_F(Deal, ArrangementsOfHolesAndKings) {
    OneDeck();
    ProgramGame().GameRules[34] = 15;
    ProgramGame().GameRules[368] = 4;
    for (int i = 0; i < 4; ++i) ProgramGame().GameRules[375 + i] = 13;
    DealGame(ProgramGame());
    for (int i = 0; i < 4; ++i) {
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(i)];
        EXPECT_EQ(SlotCount(pile), 13);
        for (int s = 0; s < 13; ++s) EXPECT_NE(RankOf(SlotCode(pile, s)), 13);
    }
    EXPECT_EQ(TableCards().size(), 48u);
}

TEST_F(Deal, ArrangementThreeAvoidsRepeatedRanks) {
    OneDeck();
    ProgramGame().GameRules[34] = 3;
    ProgramGame().GameRules[368] = 13;
    for (int i = 0; i < 13; ++i) ProgramGame().GameRules[375 + i] = 4;
    DealGame(ProgramGame());
    EXPECT_EQ(TableCards().size(), 52u);
    for (int i = 0; i < 13; ++i) {
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(i)];
        ASSERT_EQ(SlotCount(pile), 4);
        std::set<int> ranks;
        for (int s = 0; s < 4; ++s) ranks.insert(RankOf(SlotCode(pile, s)));
        EXPECT_EQ(ranks.size(), 4u) << pile;
    }
}

TEST_F(Deal, ArrangementOneSendsKingsUnderTheStock) {
    OneDeck();
    ProgramGame().GameRules[34] = 1;
    ProgramGame().GameRules[368] = 40;
    ProgramGame().GameRules[372] = 12;
    for (int i = 0; i < 40; ++i) ProgramGame().GameRules[375 + i] = 1;
    for (int i = 0; i < 40; ++i) ProgramGame().GameRules[415 + i] = 1;
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000000000007");
    DealGame(ProgramGame());
    EXPECT_EQ(TableCards().size(), 52u);
    for (int i = 0; i < 40; ++i)
        EXPECT_NE(RankOf(BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(i)])), 13);
}

TEST_F(Deal, GameNumberTargetSum) {
    // Digits 3, 5, 8, 10, 12 are 1, 1, 2, 0, 9: 1 + 2 + 3 + 10 + 9.
    EXPECT_EQ(GameNumberTargetSum("0010100200090"), 25);
}

}  // namespace
}  // namespace bw
