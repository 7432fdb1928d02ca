// Matches: the opponent's policy and memory, the "match my level" rule, a
// match turned card by card on the engine, and the match tool run as a
// process (its figures as properties, its refusals).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/match.h"
#include "core/memory_log.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/match_play.h"
#include "support/program_game.h"
#include "support/recording_table.h"
#include "support/test_support.h"

namespace bw {
namespace {

class ScriptedRandom : public MatchRandom {
public:
    double unit = 0.5;
    double Unit() override { return unit; }
    int Below(int) override { return 0; }  // the first candidate in grid order
};

Game Grid(int goal, const std::vector<std::string>& rows) {
    Game g;
    g.GameRules[rule::kGoalKind] = static_cast<int16_t>(goal);
    g.GameRules[rule::kFilas] = static_cast<int16_t>(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) g.FilaPiles[r] = rows[r];
    return g;
}

TEST(MatchOpponent, TurnsWhatItRemembersAndForgetsByItsModel) {
    ScriptedRandom random;
    // Pairs: 7 and 8 of hearts of both decks (59, 60 their twins).
    const Game g = Grid(37, {"007008", "059060"});
    Opponent perfect(LevelModel(kOpponentLevels), random);
    EXPECT_EQ(perfect.FirstCard(g), 7);  // nothing seen: an unseen card
    EXPECT_EQ(perfect.SecondCard(g, 7), 8);
    perfect.Saw(7);
    perfect.Saw(8);
    perfect.TurnPassed();
    // 59 is unseen; then its twin 7, remembered, not another unseen card.
    EXPECT_EQ(perfect.FirstCard(g), 59);
    EXPECT_EQ(perfect.SecondCard(g, 59), 7);
    perfect.Saw(59);
    // A remembered pair comes first, before any unseen card.
    EXPECT_EQ(perfect.FirstCard(g), 7);
    perfect.Gone(7);
    perfect.Gone(59);
    EXPECT_FALSE(perfect.Remembers(7));
    EXPECT_TRUE(perfect.Remembers(8));

    // Concentration: any two of a rank pair.
    const Game c = Grid(39, {"007020", "033008"});
    Opponent sharp(LevelModel(kOpponentLevels), random);
    for (CardCode k : {7, 8, 33}) sharp.Saw(k);
    EXPECT_EQ(sharp.FirstCard(c), 7);
    EXPECT_EQ(sharp.SecondCard(c, 7), 33);

    // p = 0 keeps nothing; f = 1 loses everything after a turn. Once every
    // card has been turned, it turns one it does not remember.
    Opponent blank({0.0, 0.0}, random);
    Opponent sieve({1.0, 1.0}, random);
    for (CardCode k : {7, 8, 59, 60}) {
        blank.Saw(k);
        sieve.Saw(k);
    }
    EXPECT_FALSE(blank.Remembers(7));
    EXPECT_TRUE(sieve.Remembers(60));
    EXPECT_EQ(blank.FirstCard(g), 7);
    EXPECT_EQ(blank.SecondCard(g, 7), 8);  // its twin is not remembered
    sieve.TurnPassed();
    EXPECT_FALSE(sieve.Remembers(60));
    Opponent half({1.0, 0.0}, random);
    half.Saw(8);
    EXPECT_EQ(half.FirstCard(g), 7);  // 8 is seen and remembered: not turned first

    // Levels grow in memory, and seeded chances repeat.
    for (int l = 1; l < kOpponentLevels; ++l) {
        EXPECT_LT(LevelModel(l).enter, LevelModel(l + 1).enter);
        EXPECT_GT(LevelModel(l).forget, LevelModel(l + 1).forget);
    }
    EXPECT_EQ(LevelModel(kOpponentLevels), (MemoryModel{1.0, 0.0}));
    SeededMatchRandom a(5), b(5);
    for (int i = 0; i < 100; ++i) {
        const double u = a.Unit();
        EXPECT_EQ(u, b.Unit());
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
        const int k = a.Below(7);
        EXPECT_EQ(k, b.Below(7));
        EXPECT_TRUE(k >= 0 && k < 7);
    }
}

TEST(MatchRecall, MyLevelFollowsTheLastGamesMissesAndSlips) {
    std::vector<GameResult> history;
    // Two old games that must not count, then ten: 40 misses, 10 slips.
    history.push_back({.misses = 50, .slips = 50});
    history.push_back({.misses = 50, .slips = 50});
    for (int i = 0; i < 10; ++i) history.push_back({.misses = 4, .slips = 1});
    MemoryModel m = RecallModel(history, 12);
    EXPECT_DOUBLE_EQ(m.enter, 0.75);               // 1 - 10 / 40
    EXPECT_DOUBLE_EQ(m.forget, 10.0 / (10 * 12));  // slips per game and pair
    // Fewer games than ten count as many as there are; no slips is a perfect
    // memory; slips beyond reason are held to the bounds.
    m = RecallModel({{.misses = 3, .slips = 0}, {.misses = 5, .slips = 0}}, 12);
    EXPECT_EQ(m, (MemoryModel{1.0, 0.0}));
    m = RecallModel({{.misses = 10, .slips = 30}}, 6);
    EXPECT_EQ(m, (MemoryModel{0.2, 0.2}));
    EXPECT_EQ(RecallModel({}, 12), LevelModel(2));
    EXPECT_EQ(RecallModel({{.misses = -5, .slips = -1}}, 12), (MemoryModel{1.0, 0.0}));
}

class GameEnds : public IGameHooks {
public:
    int ends = 0;
    bool EndGame(Game& /*g*/) override {
        ++ends;
        return false;
    }
};

TEST(MatchPlayOnEngine, APairKeepsTheTurnAMissPassesIt) {
    test::CoreFixture fx;
    test::RecordingTable table;
    GameEnds ends;
    InstalledPorts().SetTable(&table);
    InstalledPorts().game = &ends;
    ProgramGame().CardWidth = 71;
    ProgramGame().CardHeight = 96;
    ProgramGame().GameRules[rule::kGoalKind] = 37;
    ProgramGame().GameRules[rule::kFilas] = 2;
    ProgramGame().GameRules[rule::kScoreToWin] = 1000;
    ProgramGame().FilaPiles[0] = "007008009";
    ProgramGame().FilaPiles[1] = "059060061";
    for (CardCode c : {7, 8, 9, 59, 60, 61}) SetFaceFlag(ProgramGame().CardRegister, c, '0');
    SetFlag(ProgramGame(), flag::kInProgress, true);

    MatchState seats;
    seats.seats.resize(2);
    seats.seats[0].name = "Ann";
    seats.seats[1].name = "Bob";
    ScriptedRandom random;
    MatchPlay play(ProgramGame(), seats, random);
    EXPECT_FALSE(play.ComputerToPlay());
    EXPECT_EQ(play.ComputerCard(ProgramGame()), 0);
    // Ann: 7 then 8, a miss: Bob plays.
    EXPECT_TRUE(play.Turn(ProgramGame(), 7).turned);
    EXPECT_FALSE(play.Turn(ProgramGame(), 7).turned);  // face up: nothing happens
    MatchStep s = play.Turn(ProgramGame(), 8);
    EXPECT_TRUE(s.miss && !s.pair);
    EXPECT_EQ(play.state().toPlay, 1);
    // Bob: 59 and 7, a pair: Bob again; then 60 and 9, a miss Bob's memory
    // could have avoided (8 was seen): Ann again.
    play.Turn(ProgramGame(), 59);
    EXPECT_TRUE(play.Turn(ProgramGame(), 7).pair);
    EXPECT_EQ(play.state().toPlay, 1);
    play.Turn(ProgramGame(), 60);
    EXPECT_TRUE(play.Turn(ProgramGame(), 9).miss);
    EXPECT_EQ(play.state().toPlay, 0);
    EXPECT_EQ(play.state().seats[1].pairs, 1);
    EXPECT_EQ(play.state().seats[1].misses, 1);
    EXPECT_EQ(play.state().seats[1].avoidable, 1);
    EXPECT_EQ(play.state().seats[0].avoidable, 0);
    // Ann takes the other two pairs and the match.
    play.Turn(ProgramGame(), 8);
    play.Turn(ProgramGame(), 60);
    play.Turn(ProgramGame(), 9);
    play.Turn(ProgramGame(), 61);
    EXPECT_TRUE(play.Over(ProgramGame()));
    EXPECT_EQ(ends.ends, 1);
    EXPECT_EQ(MatchLeaders(play.state()), std::vector<int>{0});
    EXPECT_EQ(ProgramGame().Options.Opt(opt::kMisses), 2);  // the table's count is the seats' sum

    MatchState tie = play.state();
    tie.seats[1].pairs = 2;
    EXPECT_EQ(MatchLeaders(tie), (std::vector<int>{0, 1}));
}

// The tool run as a process on the shipped games.
struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tool(test::TempDir& dir, const std::string& args) {
    const std::string cmd = "'" + std::string(BW_PROGRAM_DIR) + "brindlewick-tool' " + args +
                            " >'" + dir.file("out") + "' 2>'" + dir.file("err") + "'";
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("out"), dir.read("err")};
}

struct SeatLine {
    int seat = 0, level = 0;
    long wins = 0, ties = 0;
    double pairs = 0, misses = 0, avoidable = -1;
};

std::vector<SeatLine> Seats(const std::string& out) {
    std::vector<SeatLine> seats;
    std::istringstream in(out);
    std::string w[14];
    while (in >> w[0] >> w[1] >> w[2] >> w[3] >> w[4] >> w[5] >> w[6] >> w[7] >> w[8] >> w[9] >>
           w[10] >> w[11] >> w[12] >> w[13]) {
        EXPECT_EQ(w[0] + w[2] + w[4] + w[6] + w[8] + w[10] + w[12],
                  "seatlevelwinstiespairsmissesavoidable");
        seats.push_back({std::stoi(w[1]), std::stoi(w[3]), std::stol(w[5]), std::stol(w[7]),
                         std::stod(w[9]), std::stod(w[11]), std::stod(w[13])});
    }
    return seats;
}

TEST(MatchTool, StrongerLevelsWinAndPerfectMemoryNeverSlips) {
    test::TempDir dir;
    constexpr long kGames = 200;
    for (int strong = 2; strong <= kOpponentLevels; ++strong) {
        for (int weak = 1; weak < strong; ++weak) {
            const ToolRun r = Tool(dir, "match 201 --seats " + std::to_string(weak) + "," +
                                            std::to_string(strong) + " --games 200 --seed 3");
            ASSERT_EQ(r.status, 0) << r.err;
            const std::vector<SeatLine> s = Seats(r.out);
            ASSERT_EQ(s.size(), 2u) << r.out;
            EXPECT_EQ(s[0].level, weak);
            EXPECT_EQ(s[1].seat, 2);
            EXPECT_GT(s[1].wins, kGames / 2) << r.out;
            EXPECT_EQ(s[0].ties, s[1].ties);
            EXPECT_LE(s[0].wins + s[1].wins + s[1].ties, kGames);
            EXPECT_NEAR(s[0].pairs + s[1].pairs, 12.0, 0.11) << "every pair of the 6x4 found";
            if (strong == kOpponentLevels) {
                EXPECT_EQ(s[1].avoidable, 0.0) << r.out;
            }
            EXPECT_GT(s[0].avoidable, 0.0);
        }
    }
    // Concentration, four seats: still every pair found, perfect never slips.
    const ToolRun r = Tool(dir, "match 203 --seats 4,3,2,1 --games 50");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<SeatLine> s = Seats(r.out);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].avoidable, 0.0);
    // The same seed plays the same matches.
    EXPECT_EQ(Tool(dir, "match 203 --seats 4,3,2,1 --games 50").out, r.out);
}

TEST(MatchTool, RefusesWhatItCannotPlay) {
    test::TempDir dir;
    const std::map<std::string, std::string> bad = {
        {"match", "usage"},
        {"match 201", "usage"},
        {"match 201 --seats 4,1", "usage"},
        {"match 999 --seats 4,1 --games 1", "no game 999"},
        {"match x --seats 4,1 --games 1", "bad game id"},
        {"match 204 --seats 4,1 --games 1", "not a pairing game"},
        {"match 205 --seats 4,1 --games 1", "not a pairing game"},
        {"match 201 --seats 4,5 --games 1", "unknown level '5'"},
        {"match 201 --seats 4,0 --games 1", "unknown level '0'"},
        {"match 201 --seats 4 --games 1", "2 to 4 levels"},
        {"match 201 --seats 1,2,3,4,1 --games 1", "2 to 4 levels"},
        {"match 201 --seats 4,1, --games 1", "2 to 4 levels"},
        {"match 201 --seats 4,,1 --games 1", "unknown level ''"},
        {"match 201 --seats 4,1 --games 0", "--games"},
        {"match 201 --seats 4,1 --games -3", "--games"},
        {"match 201 --seats 4,1 --games 1 --seed x", "--seed"},
        {"match 201 --seats 4,1 --games 1 --fast 1", "unknown option"},
    };
    for (const auto& [args, says] : bad) {
        const ToolRun r = Tool(dir, args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(says), std::string::npos) << args << ": " << r.err;
        EXPECT_EQ(r.out, "") << args;
    }
}

}  // namespace
}  // namespace bw
