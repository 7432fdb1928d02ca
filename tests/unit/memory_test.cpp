#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/memory.h"
#include "core/game.h"
#include "core/game_text.h"
#include "core/history.h"
#include "core/memory_log.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/memory.h"
#include "interaction/press.h"
#include "platform/clock.h"
#include "support/program_game.h"
#include "support/recording_table.h"
#include "support/test_support.h"

namespace bw {
namespace {

class GameEnd : public IGameHooks {
public:
    int ends = 0;
    int ticks = 0;
    bool wins = false;
    bool EndGame(Game& /*g*/) override {
        ++ends;
        return wins;
    }
    void ClockTick(Game&) override { ++ticks; }
};

class LiftRecorder : public IPressHooks {
public:
    std::vector<CardCode> lifted;
    void LiftCards(Game&, CardCode card, bool single) override {
        if (single) lifted.push_back(card);
    }
};

class FixedRandom : public platform::Random {
public:
    std::deque<int64_t> next;
    void Seed(uint64_t) override {}
    int64_t Below(int64_t n) override {
        int64_t v = next.empty() ? 0 : next.front();
        if (!next.empty()) next.pop_front();
        return n > 0 ? v % n : 0;
    }
};

class Memory : public ::testing::Test {
protected:
    test::CoreFixture fx;
    test::RecordingTable table;
    GameEnd game;
    LiftRecorder lifts;

    Memory() {
        InstalledPorts().SetTable(&table);
        InstalledPorts().game = &game;
        Install<IPressHooks>(&lifts);
        ResetPileAnchors(ProgramGame());
        ProgramGame().CardWidth = 71;
        ProgramGame().CardHeight = 96;
        ProgramGame().GameRules[3] = 9;
        ProgramGame().GameRules[50] = 1000;  // not won unless a test says so
        for (int r = 0; r < 40; ++r) {
            ProgramGame().FilaLeft[static_cast<size_t>(r)] = 10;
            ProgramGame().FilaTop[static_cast<size_t>(r)] = static_cast<int16_t>(20 + 110 * r);
        }
        ProgramGame().Options.SetStockLeft(2, 2000);  // the waste, clear of the grid
        ProgramGame().Options.SetStockTop(2, 20);
        for (int pos : {141, 175, 178, 180}) SetParameter(pos, 1, "Y");
        SetFlag(ProgramGame(), flag::kInProgress, true);
    }
    ~Memory() override {
        Install<IPressHooks>(nullptr);
        platform::SetRandom(nullptr);
    }

    // A face-down grid, one string per row.
    void Grid(int goal, const std::vector<std::string>& rows) {
        ProgramGame().GameRules[51] = goal;
        ProgramGame().GameRules[368] = static_cast<int16_t>(rows.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            ProgramGame().FilaPiles[r] = rows[r];
            for (int s = 0; s < SlotCount(rows[r]); ++s)
                if (CardCode c = SlotCode(rows[r], s); c >= 1)
                    SetFaceFlag(ProgramGame().CardRegister, c, '0');
        }
    }
    // A left press in the middle of the card.
    void Click(CardCode card) {
        for (int r = 0; r < ProgramGame().GameRules[368]; ++r) {
            int s = FindSlot(ProgramGame().FilaPiles[static_cast<size_t>(r)], card);
            if (s < 0) continue;
            CardPoint at = CardSlotPosition(ProgramGame(), PileName(kFila, r + 1), r, s);
            PointerPress(ProgramGame(), MouseButton::kLeft, 0, at.left + 30, at.top + 40);
            return;
        }
        FAIL() << "card " << card << " is not in the grid";
    }
    int Score() { return static_cast<int>(TextInt(ProgramGame().values.score, -9999)); }
    int Misses() { return ProgramGame().Options.Opt(99); }
};

TEST_F(Memory, PairsNeedTheSameCardOfBothDecks) {
    // 7 of hearts (7, second deck 59), 7 of spades of the second deck (98).
    Grid(37, {"007098002003", "059054004005"});
    Click(7);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 7));
    EXPECT_EQ(Misses(), 0);
    EXPECT_EQ(Score(), -52);  // the first click changes no counter
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Face_up"});
    // Drawn lifted on the screen, dropped into place, then put on the table picture.
    EXPECT_TRUE(table.Has("face 7 @3,13 screen"));
    EXPECT_TRUE(table.Has("fly 7 @3,13 -> @10,20"));
    EXPECT_TRUE(table.Has("face 7 @10,20 table"));

    fx.waits.waits.clear();
    table.calls.clear();
    Click(98);  // same rank, different card: a miss
    EXPECT_TRUE(IsHidden(ProgramGame(), 7));
    EXPECT_TRUE(IsHidden(ProgramGame(), 98));
    EXPECT_EQ(Misses(), 1);
    EXPECT_EQ(Score(), -54);
    EXPECT_EQ(fx.waits.waits, (std::vector<int>{200, 200}));
    EXPECT_TRUE(table.Has("back @10,20 both"));
    EXPECT_TRUE(table.Has("back @83,20 both"));
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "");

    Click(7);
    const int before = StepCount(ProgramGame().UndoLists);
    fx.sound.played.clear();
    Click(59);  // the twin: both leave for the waste, holes keep the places
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "007059");
    EXPECT_EQ(ProgramGame().FilaPiles[0], "000098002003");
    EXPECT_EQ(ProgramGame().FilaPiles[1], "000054004005");
    EXPECT_EQ(Score(), -44);
    EXPECT_EQ(Misses(), 1);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), before + 1);  // only the turn of the second card
    EXPECT_EQ(fx.sound.played, (std::vector<std::string>{"Face_up", "Pairing", "Pairing"}));
    EXPECT_TRUE(table.Has("fly 7 @10,20 -> @2000,20"));
    EXPECT_TRUE(table.Has("fly 59 @10,130 -> @2000,20"));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    // The cards that went were lifted off the table picture first.
    EXPECT_NE(std::find(lifts.lifted.begin(), lifts.lifted.end(), 59), lifts.lifted.end());

    // Undo of that step brings back the table as it was before the second click.
    ASSERT_TRUE(PopStepInto(ProgramGame(), ProgramGame().UndoLists, ProgramGame().UndoMarks));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "007098002003");
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 7));
    EXPECT_TRUE(IsHidden(ProgramGame(), 59));
    EXPECT_EQ(game.ends, 0);
}

TEST_F(Memory, ConcentrationPairsAnyTwoOfARank) {
    Grid(39, {"007046002", "015003004"});
    Click(7);
    Click(46);  // 7 of hearts and 7 of spades
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "007046");
    EXPECT_EQ(ProgramGame().FilaPiles[0], "000000002");
    EXPECT_EQ(Score(), -52 + 7);
    Click(2);
    Click(15);  // 2 of diamonds: also a pair
    EXPECT_EQ(Score(), -52 + 14);
    Click(3);
    Click(4);  // a miss costs one point
    EXPECT_EQ(Misses(), 1);
    EXPECT_EQ(Score(), -52 + 14 - 1);
    // A face-up card, a hole or the space beside a row does nothing.
    Click(3);
    CardPoint hole = CardSlotPosition(ProgramGame(), "Fila1", 0, 0);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, hole.left + 5, hole.top + 5);
    Click(3);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 3));
    EXPECT_EQ(Misses(), 1);
}

TEST_F(Memory, AceToKingRuns) {
    Grid(36, {"002001003005", "004"});
    Click(2);  // a two first is a miss at once
    EXPECT_EQ(Misses(), 1);
    EXPECT_TRUE(IsHidden(ProgramGame(), 2));
    EXPECT_EQ(ProgramGame().AppoggPiles[0], "");
    EXPECT_EQ(Score(), -53);

    Click(1);
    Click(2);
    Click(3);
    EXPECT_EQ(ProgramGame().AppoggPiles[0], "001002003");
    EXPECT_EQ(Score(), 15 * 3 - 1 - 52);
    fx.waits.waits.clear();
    Click(5);  // breaks the run: all four turn back with one miss
    EXPECT_EQ(Misses(), 2);
    EXPECT_EQ(fx.waits.waits.size(), 4u);
    for (CardCode c : {1, 2, 3, 5}) EXPECT_TRUE(IsHidden(ProgramGame(), c));
    EXPECT_EQ(ProgramGame().AppoggPiles[0], "");
    EXPECT_EQ(SequenceLength(ProgramGame(), ""), 0);
}

TEST_F(Memory, AfterTheKingTheRunBreaks) {
    std::string row;
    for (int c = 1; c <= 13; ++c) row += FormatCode(c);
    Grid(36, {row, "053020"});  // the other ace, and a card left hidden
    for (int c = 1; c <= 13; ++c) Click(c);
    EXPECT_EQ(SequenceLength(ProgramGame(), ""), 13);
    EXPECT_EQ(Score(), 15 * 13 - 52);
    fx.waits.waits.clear();
    Click(53);
    EXPECT_EQ(fx.waits.waits.size(), 14u);
    EXPECT_EQ(Misses(), 1);
    EXPECT_TRUE(AllGridCardsUp(ProgramGame()) == false);
    EXPECT_EQ(game.ends, 0);
}

TEST_F(Memory, TheLastHiddenCardEndsTheGame) {
    Grid(37, {"000007000", "059"});
    ProgramGame().GameRules[50] = -50;
    game.wins = false;
    Click(7);
    EXPECT_EQ(game.ends, 0);
    Click(59);
    EXPECT_EQ(game.ends, 1);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFinished));  // -52 + 10 reaches -50
    EXPECT_EQ(table.calls.back(), "show");  // not reported won: the table is shown again

    // "Ace-To-King": turning up the last hidden card ends it too.
    Grid(36, {"001002"});
    table.calls.clear();
    game.wins = true;
    Click(1);
    EXPECT_EQ(game.ends, 1);
    Click(2);
    EXPECT_EQ(game.ends, 2);
    EXPECT_FALSE(table.Has("show"));
}

TEST_F(Memory, RightPressWithoutCtrlNeverTurnsACard) {
    Grid(39, {"007046"});
    CardPoint at = CardSlotPosition(ProgramGame(), "Fila1", 0, 0);
    PointerPress(ProgramGame(), MouseButton::kRight, 0, at.left + 5, at.top + 5);
    EXPECT_TRUE(IsHidden(ProgramGame(), 7));
    PointerPress(ProgramGame(), MouseButton::kRight, kCtrlKey, at.left + 5, at.top + 5);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 7));
    PointerPress(ProgramGame(), MouseButton::kMiddle, 0, at.left + 80, at.top + 5);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "007046");
}

TEST_F(Memory, ForgetMeNotDealsAndRevealsTwins) {
    ProgramGame().GameRules[51] = 38;
    ProgramGame().GameRules[367] = 10;
    ProgramGame().GameRules[368] = 20;
    ProgramGame().GameRules[371] = 52;
    for (int i = 0; i < 10; ++i) {
        ProgramGame().DestPiles[static_cast<size_t>(i)] = FormatCode(i + 1);
        ProgramGame().Options.SetDestLeft(i, 10 + 80 * i);
        ProgramGame().Options.SetDestTop(i, 5);
    }
    SetModelFaces(ProgramGame(), true);
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(IsHidden(ProgramGame(), c));
    EXPECT_EQ(fx.waits.waits.size(), 10u);
    EXPECT_TRUE(table.Has("back @90,5 both"));

    FixedRandom rng;
    rng.next = {8, 8, 8, 0};  // rows 19, then 19 is taken: wrap to 11, ...
    platform::SetRandom(&rng);
    fx.waits.waits.clear();
    DealTwins(ProgramGame());
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().FilaPiles[18], FormatCode(53));
    EXPECT_EQ(ProgramGame().FilaPiles[19], FormatCode(54));
    EXPECT_EQ(ProgramGame().FilaPiles[10], FormatCode(55));
    std::string twins;
    for (int r = 10; r < 20; ++r) {
        EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(r)]), 1) << "row " << r;
        twins += ProgramGame().FilaPiles[static_cast<size_t>(r)];
    }
    for (int c = 53; c <= 62; ++c) {
        EXPECT_NE(twins.find(FormatCode(c)), std::string::npos);
        EXPECT_TRUE(IsFaceUp(ProgramGame(), c));
    }
    EXPECT_EQ(fx.waits.waits.size(), 10u);
    EXPECT_TRUE(table.Has("face 55 @10,1120 both"));
    EXPECT_TRUE(table.Has("corners @10,1120 both"));

    // Answer rows not yet full: nothing happens.
    for (int j = 0; j < 9; ++j)
        ProgramGame().FilaPiles[static_cast<size_t>(j)] = FormatCode(53 + j);
    CheckTwinRowsFull(ProgramGame());
    EXPECT_EQ(game.ends, 0);
    EXPECT_TRUE(IsHidden(ProgramGame(), 1));

    // All ten placed correctly: models shown, matches framed, -52 + 100.
    ProgramGame().FilaPiles[9] = FormatCode(62);
    table.calls.clear();
    CheckTwinRowsFull(ProgramGame());
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(IsFaceUp(ProgramGame(), c));
    EXPECT_EQ(table.Count("frame"), 10);
    EXPECT_EQ(Score(), 48);
    EXPECT_EQ(game.ends, 1);
    EXPECT_TRUE(table.Has("show"));

    // Each wrong twin costs ten points.
    std::swap(ProgramGame().FilaPiles[0], ProgramGame().FilaPiles[1]);
    EXPECT_EQ(TwinMatches(ProgramGame(), false), 8);
}

// Slips of scripted games: the miss is a slip only when what the player had
// already seen would have avoided it.
TEST_F(Memory, SlipsCountMissesAPerfectMemoryWouldNotMake) {
    ResetMemoryLog(ProgramGame());
    Grid(37, {"001002003004005", "053054055056057"});
    EXPECT_FALSE(PlayerActed(ProgramGame()));
    Click(1), Click(2);  // nothing seen yet
    EXPECT_TRUE(PlayerActed(ProgramGame()));
    EXPECT_EQ(Slips(ProgramGame()), 0);
    Click(53), Click(3);  // the twin of 53 (1) was known
    EXPECT_EQ(Slips(ProgramGame()), 1);
    Click(4), Click(1);  // 1 was known, and its twin 53 too
    EXPECT_EQ(Slips(ProgramGame()), 2);
    Click(5), Click(2);  // 2 was known but its twin never seen
    EXPECT_EQ(Slips(ProgramGame()), 2);
    Click(1), Click(53);  // a pair: no miss
    Click(54), Click(4);  // 2, the twin of 54, is still on the table
    EXPECT_EQ(Misses(), 5);
    EXPECT_EQ(Slips(ProgramGame()), 3);

    // "Concentration": any card of the rank is a partner, taken cards are not.
    ResetMemoryLog(ProgramGame());
    Grid(39, {"007002003", "046015004"});
    Click(7), Click(2);
    Click(46), Click(3);  // 7 of hearts known
    Click(4), Click(15);  // the 2 was known, but 15 came second and new
    EXPECT_EQ(Slips(ProgramGame()), 1);
    Click(7), Click(46);
    Click(2), Click(15);
    Click(3), Click(4);  // nothing left to pair either with
    EXPECT_EQ(Slips(ProgramGame()), 1);

    // "Ace-To-King": breaking the run with a card already seen.
    ResetMemoryLog(ProgramGame());
    ProgramGame().Options.SetOpt(99, 0);
    Grid(36, {"002001003005", "004"});
    Click(2);                                // unseen: unavoidable
    Click(1), Click(2), Click(3), Click(5);  // 5 unseen
    EXPECT_EQ(Slips(ProgramGame()), 0);
    Click(5);            // seen, so known to be no ace
    Click(1), Click(3);  // seen: known not to be the two
    EXPECT_EQ(Misses(), 4);
    EXPECT_EQ(Slips(ProgramGame()), 2);
}

// The turn record of scripted games: each turn's cards, places and outcome
// as the slip rule judged it, and the recall measures read from it.
TEST_F(Memory, TurnRecordKeepsEachTurnWithItsOutcome) {
    ResetMemoryLog(ProgramGame());
    SetValue(ProgramGame().values.number, field::kGameNumber, "0001234567890");
    Grid(37, {"001002003004", "053054055056"});
    for (CardCode c : {1, 2, 3, 54, 4, 2, 53, 55, 54, 2, 1, 53, 55, 3, 56, 4}) Click(c);
    const TurnRecord& r = Turns(ProgramGame());
    EXPECT_EQ(r.deal, "0001234567890");
    EXPECT_EQ(r.goal, 37);
    std::string outcomes;
    for (const Turn& t : r.turns) outcomes += OutcomeWord(t.outcome)[0];
    EXPECT_EQ(outcomes, "mmsspppp");
    EXPECT_EQ(SlipCount(r), Slips(ProgramGame()));
    EXPECT_EQ(r.turns[2].cards, (std::vector<TurnCard>{{4, 0, 3, 0}, {2, 0, 1, 0}}));
    const RecallProfile p = Recall(r);
    EXPECT_EQ(p.spans, (std::vector<int>{2, 2, 5, 5}));
    // Turn 3 (4 then 2): the 2 and its twin 54 were both known; turn 4: the
    // twin of 53 had been seen three turns before, top left.
    EXPECT_EQ(p.slips, (std::vector<SlipMark>{{3, 2, 54, 1, 1, 1}, {4, 53, 1, 0, 0, 3}}));

    // "Ace-To-King": one card a turn; a run card seen before has a span.
    ResetMemoryLog(ProgramGame());
    ProgramGame().Options.SetOpt(99, 0);
    Grid(36, {"002001003005", "004"});
    for (CardCode c : {2, 1, 2, 3, 5, 5, 1, 3}) Click(c);
    outcomes.clear();
    for (const Turn& t : Turns(ProgramGame()).turns) outcomes += OutcomeWord(t.outcome)[0];
    EXPECT_EQ(outcomes, "mpppmsps");
    const RecallProfile q = Recall(Turns(ProgramGame()));
    EXPECT_EQ(q.spans, (std::vector<int>{2, 5}));
    EXPECT_EQ(q.slips, (std::vector<SlipMark>{{6, 5, 5, 0, 3, 1}, {8, 3, 3, 0, 2, 4}}));
    // The record goes with the game text (the resume file) and back.
    Game back;
    std::string error;
    ASSERT_TRUE(LoadGameText(SaveGameText(ProgramGame()), back, error)) << error;
    EXPECT_EQ(back.memoryLog.record, Turns(ProgramGame()));
}

TEST_F(Memory, DealTwinsNeverLoopsWhenTheTwinRowsAreTaken) {
    ProgramGame().GameRules[367] = 3;
    ProgramGame().GameRules[368] = 12;  // only two twin rows for three models
    for (int i = 0; i < 3; ++i) ProgramGame().DestPiles[static_cast<size_t>(i)] = FormatCode(i + 1);
    FixedRandom rng;  // every model aims at row 11 first
    platform::SetRandom(&rng);
    DealTwins(ProgramGame());
    EXPECT_EQ(ProgramGame().FilaPiles[10] + ProgramGame().FilaPiles[11], "053054");
    ProgramGame().GameRules[368] = 5;  // no twin rows at all
    ProgramGame().FilaPiles[10].clear();
    ProgramGame().FilaPiles[11].clear();
    DealTwins(ProgramGame());
    EXPECT_EQ(ProgramGame().FilaPiles[10], "");
}

}  // namespace
}  // namespace bw
