// Checks over every game shipped in the build's GAMES.DAT: the catalogue, the
// deal for many game numbers, the layout on common screens and a played game
// through the real press, memory play, placement rules and move engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/deal.h"
#include "core/families/memory.h"
#include "core/game.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/score.h"
#include "core/state.h"
#include "interaction/memory.h"
#include "interaction/press.h"
#include "platform/paths.h"
#include "render/layout.h"
#include "storage/catalogue.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

class GameHooks : public IGameHooks {
public:
    int ends = 0;
    bool EndGame(Game& g) override {
        ++ends;
        return Flag(g, flag::kFinished);
    }
};

struct ScreenSize {
    int width, height;
};
// A maximised main window: a 40-pixel task bar, 60 pixels of caption, menu
// and frame, the tool bar down to y = 40, a 17-pixel scroll bar.
LayoutInput MaximisedWindow(ScreenSize s, char size = 'B') {
    LayoutInput in;
    const int outerHeight = s.height - 40;
    ApplyTableRect(MainWindowTableRect(40, outerHeight - 60, outerHeight, s.width, 17), in);
    in.screenWidth = s.width;
    in.screenHeight = s.height;
    CardSizeForLetter(size, in.cardWidth, in.cardHeight);
    in.shadowOffset = 9;
    return in;
}

// Whether the card-size setup lets a game with card-size need `need`
// (GameRules[38]) keep the big size "S" on a screen this wide.
bool BigCardsAllowed(int need, int screenWidth) {
    if (screenWidth < 650) return false;
    return !(need == 2 && screenWidth < 1100);
}

// Game numbers spread over the whole range, with the edge cases.
std::vector<std::string> GameNumbers() {
    std::vector<std::string> out = {"0", "9999999999999", "1234567890123", "0000000000001"};
    unsigned long long n = 20240607ULL;
    for (int k = 0; k < 150; ++k) {
        n = (n * 6364136223846793005ULL + 1442695040888963407ULL);
        out.push_back(FormatNumber(static_cast<long long>((n >> 11) % 10000000000000ULL), 13));
    }
    return out;
}

class ShippedGames : public ::testing::Test {
protected:
    test::CoreFixture fx;
    GameHooks hooks;

    ShippedGames() {
        SetProgramDir(BW_PROGRAM_DIR);
        InstalledPorts().game = &hooks;
        EXPECT_TRUE(LoadCatalogue()) << "no GAMES.DAT in " << BW_PROGRAM_DIR;
    }
    ~ShippedGames() override { SetProgramDir(fx.dir.path()); }

    static std::vector<int> Ids() {
        std::vector<int> ids;
        for (const std::string& line : MainGame.catalogue)
            ids.push_back(ParseCatalogueLine(line).id);
        return ids;
    }
    static int R(int i) { return ProgramGame().GameRules[static_cast<size_t>(i)]; }

    void Deal(int id, const std::string& number) {
        ClearPiles(ProgramGame(), false, true);
        FillCardRegister(ProgramGame());
        ResetMoveEngineState(ProgramGame());
        ProgramGame().Options.SetOpt(99, 0);
        LoadGameRules(ProgramGame(), id);
        SetValue(ProgramGame().values.number, field::kGameNumber, number);
        DealGame(ProgramGame());
    }
    std::string Table() const {
        std::string t;
        for (const PileList* l : {&ProgramGame().MazzoPiles, &ProgramGame().FilaPiles,
                                  &ProgramGame().DestPiles, &ProgramGame().AppoggPiles})
            for (const std::string& p : *l) t += p + "|";
        return t + std::string(ProgramGame().CardRegister.size(), ' ');
    }
    static std::vector<CardCode> Cards(const std::string& pile) {
        std::vector<CardCode> out;
        for (int s = 0; s < SlotCount(pile); ++s)
            if (CardCode c = SlotCode(pile, s); c >= 1) out.push_back(c);
        return out;
    }
    std::vector<CardCode> TableauCards() const {
        std::vector<CardCode> all;
        for (int i = 0; i < R(368); ++i)
            for (CardCode c : Cards(ProgramGame().FilaPiles[static_cast<size_t>(i)]))
                all.push_back(c);
        return all;
    }
    void LayOut(ScreenSize s, char size = 'B') {
        CardSizeForLetter(size, ProgramGame().CardWidth, ProgramGame().CardHeight);
        SetOverlapOffsets(ProgramGame(), size);
        ResetAndLayOutPiles(ProgramGame(), MaximisedWindow(s, size));
    }
    void Press(CardCode card) {
        for (int r = 0; r < R(368); ++r) {
            int s = FindSlot(ProgramGame().FilaPiles[static_cast<size_t>(r)], card);
            if (s < 0) continue;
            CardPoint at = CardSlotPosition(ProgramGame(), PileName(kFila, r + 1), r, s);
            PointerPress(ProgramGame(), MouseButton::kLeft, 0, at.left + 30, at.top + 40);
            return;
        }
        ADD_FAILURE() << "card " << card << " is not on the tableau";
    }
    int Score() const { return static_cast<int>(TextInt(ProgramGame().values.score, -9999)); }
};

TEST_F(ShippedGames, CatalogueHoldsTheSixMemoryGames) {
    const std::vector<int> ids = Ids();
    EXPECT_EQ(ids, (std::vector<int>{200, 201, 202, 203, 204, 205}));
    std::set<std::string> names;
    for (int id : ids) {
        EXPECT_EQ(GameFamily(id), 16) << id;
        EXPECT_TRUE(names.insert(platform::ToLower(GameName(id))).second) << GameName(id);
        EXPECT_EQ(GameIdByName(GameName(id)), id);
    }
    EXPECT_EQ(GameName(201), "Memory-Up (6x4)");  // the default game
    EXPECT_EQ(AllGameNames(),
              (std::vector<std::string>{"Ace-To-King", "Concentration", "Forget me not",
                                        "Memory-Up (4x3)", "Memory-Up (6x4)", "Memory-Up (8x5)"}));
    EXPECT_TRUE(GamesFileProblem(ProgramFile("GAMES.DAT")).empty());
}

TEST_F(ShippedGames, RulesKeepTheMemoryGamesFreeOfStockAndAutoplay) {
    for (int id : Ids()) {
        SCOPED_TRACE(id);
        LoadGameRules(ProgramGame(), id);
        const int goal = R(51);
        EXPECT_GE(goal, 36);
        EXPECT_LE(goal, 39);
        EXPECT_EQ(R(366) + R(372) + R(373), 0);  // no stock
        EXPECT_EQ(R(42), 0);                     // autoplay never turns a card up
        EXPECT_EQ(R(39) + R(37) + R(23), 0);     // no selection, no one-click, no fill
        EXPECT_EQ(R(21), 1);
        // The facts of the open-game dialog are within their tables.
        std::vector<int> f = GameRuleValues(id, {483, 484, 485, 486, 487, 488, 15, 371});
        EXPECT_TRUE(f[0] >= 0 && f[0] <= 2 && f[1] >= 0 && f[1] <= 2);
        EXPECT_TRUE(f[2] >= 0 && f[2] <= 4 && f[3] >= 0 && f[3] <= 4);
        EXPECT_TRUE(f[5] == 0 || (f[4] >= 1 && f[4] <= f[5]));
        EXPECT_EQ(f[6], 0);  // "Redeals: 0"
        EXPECT_EQ(f[7], R(371));
        if (goal != 38) {
            // Grid games: nothing is lifted or dropped; the whole grid is face down.
            EXPECT_EQ(R(13), 0);
            EXPECT_EQ(R(33), 0);
            for (int i = 0; i < R(368); ++i) EXPECT_EQ(R(415 + i), 0);
        }
    }
}

TEST_F(ShippedGames, EveryDealFillsTheRowsItExpects) {
    const std::vector<std::string> numbers = GameNumbers();
    for (int id : Ids()) {
        SCOPED_TRACE(id);
        for (const std::string& number : numbers) {
            SCOPED_TRACE(number);
            Deal(id, number);
            const int goal = R(51);
            int expected = 0;
            // Family 9 empties the pile of the card whose code is the pile
            // count after the deal: the one hole of "Ace-To-King".
            const int emptied = R(34) == 9 ? 1 : 0;
            int emptyRows = 0;
            for (int i = 0; i < R(368); ++i) {
                const int want = R(375 + i);
                const int got = SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]);
                expected += want;
                if (got == 0 && want > 0 && emptyRows < emptied) {
                    ++emptyRows;
                    expected -= want;
                    continue;
                }
                EXPECT_EQ(got, want) << "row " << i + 1;
            }
            EXPECT_EQ(emptyRows, emptied);
            const std::vector<CardCode> cards = TableauCards();
            ASSERT_EQ(static_cast<int>(cards.size()), expected);
            EXPECT_EQ(std::set<CardCode>(cards.begin(), cards.end()).size(), cards.size());
            for (CardCode c : cards) EXPECT_TRUE(IsFaceDown(ProgramGame(), c)) << c;
            EXPECT_TRUE(ProgramGame().MazzoPiles[0].empty() &&
                        ProgramGame().MazzoPiles[1].empty() && ProgramGame().MazzoPiles[2].empty());
            std::map<int, int> ranks;
            for (CardCode c : cards) ++ranks[RankOf(c)];
            if (goal == 37) {
                // Twin pairs only: every first-deck card with its second-deck twin.
                for (CardCode c : cards) {
                    const CardCode twin = c <= 52 ? c + 52 : c - 52;
                    EXPECT_NE(std::find(cards.begin(), cards.end(), twin), cards.end()) << c;
                }
                EXPECT_EQ(expected, R(368) == 3 ? 12 : R(368) == 4 ? 24 : 40);
            } else if (goal == 39) {
                EXPECT_EQ(expected, 52);
                for (auto [rank, n] : ranks) EXPECT_EQ(n % 2, 0) << "rank " << rank;
            } else if (goal == 36) {
                // The hearts from the ace to the queen; the king's pile is empty.
                EXPECT_EQ(ranks.size(), 12u);
                for (CardCode c : cards) EXPECT_TRUE(c >= 1 && c <= 12) << c;
            } else {
                // Forget me not: ten different first-deck models face up, nothing
                // else dealt, and a free twin row for each model.
                EXPECT_EQ(expected, 0);
                EXPECT_GE(R(368) - 10, R(367));
                std::set<CardCode> models;
                for (int k = 0; k < R(367); ++k) {
                    const std::string& d = ProgramGame().DestPiles[static_cast<size_t>(k)];
                    ASSERT_EQ(SlotCount(d), 1);
                    const CardCode m = SlotCode(d, 0);
                    EXPECT_TRUE(m >= 1 && m <= 52) << m;
                    EXPECT_TRUE(IsFaceUp(ProgramGame(), m));
                    models.insert(m);
                }
                EXPECT_EQ(models.size(), 10u);
            }
        }
    }
}

TEST_F(ShippedGames, TheSameNumberDealsTheSameTable) {
    for (int id : Ids()) {
        Deal(id, "4711000000815");
        const std::string first = Table();
        Deal(id, "4711000000816");
        const std::string other = Table();
        Deal(id, "4711000000815");
        EXPECT_EQ(Table(), first) << id;
        EXPECT_NE(other, first) << id;
    }
}

// With the default card size, and with the big one wherever the game's
// card-size need lets the player keep it.
TEST_F(ShippedGames, EveryPileFitsTheTableWithoutOverlap) {
    for (ScreenSize screen : {ScreenSize{1024, 768}, ScreenSize{1920, 1080}}) {
        for (int id : Ids()) {
            for (char size : {'B', 'S'}) {
                SCOPED_TRACE(std::to_string(id) + " on " + std::to_string(screen.width) +
                             ", size " + size);
                Deal(id, "1234567890123");
                if (size == 'S' && !BigCardsAllowed(R(38), screen.width)) continue;
                LayOut(screen, size);
                const LayoutInput in = MaximisedWindow(screen, size);
                const int W = in.cardWidth, H = in.cardHeight;
                struct Card {
                    std::string where;
                    int left, top;
                };
                std::vector<Card> cards;
                for (int i = 0; i < R(368); ++i) {
                    const std::string name = PileName(kFila, i + 1);
                    ASSERT_TRUE(OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)]) &&
                                OnTable(ProgramGame().FilaTop[static_cast<size_t>(i)]))
                        << name;
                    // Every slot of a grid row; a pile dealt empty holds one card at most.
                    const int slots =
                        std::max(1, SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]));
                    for (int k = 0; k < slots; ++k) {
                        CardPoint p = CardSlotPosition(ProgramGame(), name, i, k);
                        cards.push_back({name + "/" + std::to_string(k), p.left, p.top});
                    }
                }
                for (int i = 0; i < R(367); ++i) {
                    ASSERT_TRUE(OnTable(ProgramGame().Options.DestLeft(i)) &&
                                OnTable(ProgramGame().Options.DestTop(i)));
                    cards.push_back({PileName(kDest, i + 1), ProgramGame().Options.DestLeft(i),
                                     ProgramGame().Options.DestTop(i)});
                }
                if (R(370) >= 1) {
                    ASSERT_TRUE(OnTable(ProgramGame().Options.StockLeft(2)) &&
                                OnTable(ProgramGame().Options.StockTop(2)));
                    cards.push_back({"Waste", ProgramGame().Options.StockLeft(2),
                                     ProgramGame().Options.StockTop(2)});
                }
                EXPECT_FALSE(OnTable(ProgramGame().Options.StockLeft(0)));  // no stock drawn
                for (size_t a = 0; a < cards.size(); ++a) {
                    const Card& c = cards[a];
                    EXPECT_GE(c.left, 0) << c.where;
                    EXPECT_LE(c.left + W, in.width) << c.where;
                    EXPECT_GE(c.top, in.top) << c.where;
                    EXPECT_LE(c.top + H, in.bottom + 1) << c.where;
                    for (size_t b = a + 1; b < cards.size(); ++b) {
                        const Card& d = cards[b];
                        const bool apart = c.left + W <= d.left || d.left + W <= c.left ||
                                           c.top + H <= d.top || d.top + H <= c.top;
                        EXPECT_TRUE(apart) << c.where << " overlaps " << d.where;
                    }
                }
            }
        }
    }
}

class PlayedGames : public ShippedGames {
protected:
    void Start(int id, const std::string& number) {
        Deal(id, number);
        LayOut({1024, 768});
        SetFlag(ProgramGame(), flag::kInProgress, true);
        SetFlag(ProgramGame(), flag::kFinished, false);
        UpdateScore(ProgramGame());
    }
    // The hidden tableau card that pairs with `c` in this game, or 0.
    CardCode PartnerOf(CardCode c) const {
        for (CardCode d : TableauCards()) {
            if (d == c) continue;
            if (R(51) == 37 ? (d == c + 52 || c == d + 52) : RankOf(d) == RankOf(c)) return d;
        }
        return 0;
    }
    // Clears the grid pair by pair; `misses` wrong pairs first.
    void PlayPairs(int misses) {
        for (int m = 0; m < misses; ++m) {
            std::vector<CardCode> cards = TableauCards();
            CardCode a = cards[0];
            CardCode b = 0;
            for (CardCode d : cards)
                if (d != a && d != PartnerOf(a) && RankOf(d) != RankOf(a)) b = d;
            ASSERT_NE(b, 0);
            Press(a);
            Press(b);
            ASSERT_EQ(ProgramGame().Options.Opt(99), m + 1) << "the miss " << a << ", " << b;
        }
        while (!TableauCards().empty()) {
            const size_t before = TableauCards().size();
            const CardCode a = TableauCards()[0];
            const CardCode b = PartnerOf(a);
            ASSERT_NE(b, 0);
            Press(a);
            Press(b);
            ASSERT_EQ(TableauCards().size(), before - 2) << "the pair " << a << ", " << b;
        }
    }
};

TEST_F(PlayedGames, PairsGamesWinAtTheirThresholds) {
    struct Case {
        int id, pairs, allowed;
    };
    for (Case c : {Case{200, 6, 5}, Case{201, 12, 14}, Case{202, 20, 24}}) {
        for (int extra : {0, 1}) {
            SCOPED_TRACE(std::to_string(c.id) + (extra ? " one miss too many" : " just won"));
            Start(c.id, "3141592653589");
            hooks.ends = 0;
            PlayPairs(c.allowed + extra);
            EXPECT_EQ(ProgramGame().Options.Opt(99), c.allowed + extra);
            EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 2 * c.pairs);
            EXPECT_EQ(Score(), -52 + 10 * c.pairs - 2 * (c.allowed + extra));
            EXPECT_EQ(Score() >= R(50), extra == 0);
            EXPECT_EQ(Flag(ProgramGame(), flag::kFinished), extra == 0);
            EXPECT_EQ(hooks.ends, 1);  // the last pair ended the game
            // The rows kept their length: every slot is a hole now.
            for (int i = 0; i < R(368); ++i)
                EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(i)],
                          std::string(3 * R(375 + i), '0'));
        }
    }
}

TEST_F(PlayedGames, ConcentrationPairsAnyTwoOfARank) {
    Start(203, "2718281828459");
    PlayPairs(40);
    EXPECT_EQ(Score(), -52 + 7 * 26 - 40);
    EXPECT_EQ(Score(), R(50));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_EQ(hooks.ends, 1);
}

TEST_F(PlayedGames, AceToKingIsTurnedInRankOrder) {
    Start(204, "1618033988749");
    auto cardOfRank = [&](int rank) {
        for (CardCode c : TableauCards())
            if (RankOf(c) == rank) return c;
        return CardCode{0};
    };
    Press(cardOfRank(2));  // a two first: a miss at once
    EXPECT_EQ(ProgramGame().Options.Opt(99), 1);
    EXPECT_TRUE(IsHidden(ProgramGame(), cardOfRank(2)));
    EXPECT_EQ(cardOfRank(13), 0);  // the king's place is left empty
    for (int rank = 1; rank <= 12; ++rank) Press(cardOfRank(rank));
    EXPECT_EQ(Score(), 15 * 12 - 1 - 52);
    EXPECT_GE(Score(), R(50));
    EXPECT_TRUE(AllGridCardsUp(ProgramGame()));
    EXPECT_EQ(hooks.ends, 1);
}

TEST_F(PlayedGames, AceToKingIsLostWithAFourthMiss) {
    Start(204, "1618033988749");
    auto cardOfRank = [&](int rank) {
        for (CardCode c : TableauCards())
            if (RankOf(c) == rank) return c;
        return CardCode{0};
    };
    for (int miss = 0; miss < 4; ++miss) Press(cardOfRank(5));
    EXPECT_EQ(ProgramGame().Options.Opt(99), 4);
    for (int rank = 1; rank <= 12; ++rank) Press(cardOfRank(rank));
    EXPECT_EQ(Score(), 15 * 12 - 4 - 52);
    EXPECT_LT(Score(), R(50));
    EXPECT_EQ(hooks.ends, 1);
}

TEST_F(PlayedGames, ForgetMeNotTakesTwinsOnlyIntoEmptyAnswerPlaces) {
    Start(205, "5772156649015");
    std::vector<CardCode> models;
    for (int k = 0; k < 10; ++k)
        models.push_back(SlotCode(ProgramGame().DestPiles[static_cast<size_t>(k)], 0));
    SetModelFaces(ProgramGame(), true);
    DealTwins(ProgramGame());
    for (int r = 10; r < 20; ++r)
        ASSERT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(r)]), 1);

    auto drag = [&](CardCode twin, int row) {
        ProgramGame().Options.SetOpt(94, twin);
        SetMovingStackSingle(ProgramGame(), true);
        const std::string target = PileName(kFila, row + 1);
        const bool ok =
            CanPickUp(ProgramGame(), twin, false) && CanDropOn(ProgramGame(), target, twin);
        if (ok) ExecuteMove(ProgramGame(), 1, ToPile(kFila, row + 1));
        ProgramGame().Options.SetOpt(94, 0);
        ProgramGame().Options.SetOpt(95, 0);
        return ok;
    };
    // Models take nothing more, twin places take nothing back.
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Dest1", models[0] + 52));
    // Place the first two models' twins the wrong way round, the rest right.
    EXPECT_TRUE(drag(models[0] + 52, 1));
    EXPECT_FALSE(drag(models[1] + 52, 1));  // an answer place holds one card
    EXPECT_TRUE(drag(models[1] + 52, 0));
    int freeTwinRow = -1;
    for (int r = 10; r < 20; ++r)
        if (ProgramGame().FilaPiles[static_cast<size_t>(r)].empty()) freeTwinRow = r;
    ASSERT_GE(freeTwinRow, 10);
    EXPECT_FALSE(drag(models[0] + 52, freeTwinRow));
    for (int k = 2; k < 10; ++k) EXPECT_TRUE(drag(models[static_cast<size_t>(k)] + 52, k));

    // The last answer ends the game: models shown, 8 of 10 matched.
    EXPECT_EQ(hooks.ends, 1);
    for (CardCode m : models) EXPECT_FALSE(IsHidden(ProgramGame(), m));
    EXPECT_EQ(TwinMatches(ProgramGame(), false), 8);
    EXPECT_EQ(Score(), -52 + 80);
    EXPECT_GE(Score(), R(50));
}

}  // namespace
}  // namespace bw
