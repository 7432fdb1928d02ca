// brindlewick-tool games, rules, deal, compile-games and decode-games, run as
// a process: a copy of the tool sits in a scratch folder, where it looks for
// GAMES.DAT.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "storage/replays.h"
#include "support/test_support.h"

namespace bw {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out, err;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string l;
    while (std::getline(in, l)) out.push_back(l);
    return out;
}

class GamesTool : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string tool = std::string(BW_PROGRAM_DIR) + "brindlewick-tool";
        ASSERT_TRUE(fs::exists(tool)) << tool;
        fs::copy_file(tool, dir.file("brindlewick-tool"));
        fs::permissions(dir.file("brindlewick-tool"), fs::perms::owner_all);
    }
    void UseShippedGames() {
        fs::copy_file(std::string(BW_PROGRAM_DIR) + "GAMES.DAT", dir.file("GAMES.DAT"),
                      fs::copy_options::overwrite_existing);
    }
    Result Tool(const std::string& args) {
        std::string cmd = "'" + dir.file("brindlewick-tool") + "' " + args + " >'" +
                          dir.file("out") + "' 2>'" + dir.file("err") + "'";
        int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("out"), dir.read("err")};
    }
    test::TempDir dir;
};

TEST_F(GamesTool, ListsGamesAndRules) {
    UseShippedGames();
    Result r = Tool("games");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "200 16 Memory-Up (4x3)\n201 16 Memory-Up (6x4)\n202 16 Memory-Up (8x5)\n"
              "203 16 Concentration\n204 16 Ace-To-King\n205 16 Forget me not\n");

    r = Tool("rules 201");
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "51 37"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "50 40"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "378 6"), lines.end());
    int previous = -1;
    for (const std::string& l : lines) {
        std::istringstream in(l);
        int index = 0, value = 0;
        ASSERT_TRUE(in >> index >> value) << l;
        EXPECT_NE(value, 0) << l;
        EXPECT_GT(index, previous);
        previous = index;
    }
}

TEST_F(GamesTool, DealsATableReproducibly) {
    UseShippedGames();
    Result r = Tool("deal 201 1234567890123");
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Mazzo:");
    EXPECT_EQ(lines[1], "Mazzo_Vis:");
    EXPECT_EQ(lines[2], "Waste:");
    for (int row = 0; row < 4; ++row) {
        const std::string& l = lines[static_cast<size_t>(3 + row)];
        EXPECT_EQ(l.rfind("Fila" + std::to_string(row + 1) + ": ", 0), 0u) << l;
        EXPECT_EQ(l.size(), 6 + 6 * 5u) << l;  // "FilaN:" and six " 012-"
        EXPECT_EQ(std::count(l.begin(), l.end(), '-'), 6) << l;
    }
    EXPECT_EQ(Tool("deal 201 1234567890123").out, r.out);
    EXPECT_NE(Tool("deal 201 1234567890124").out, r.out);
    // A short number deals as the same number with leading zeros.
    EXPECT_EQ(Tool("deal 204 42").out, Tool("deal 204 0000000000042").out);

    r = Tool("deal 205 7");
    lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u + 10 + 20);
    EXPECT_EQ(lines[3].size(), std::string("Dest1: 012+").size()) << lines[3];
    EXPECT_EQ(lines[3].back(), '+');
    EXPECT_EQ(lines[13], "Fila1:");
}

TEST_F(GamesTool, RefusesBadUsageAndMissingData) {
    Result r = Tool("games");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot find file:"), std::string::npos) << r.err;
    EXPECT_EQ(Tool("deal 201 1").status, 1);

    UseShippedGames();
    struct Case {
        std::string args, message;
        int status;
    } cases[] = {
        {"rules", "usage: rules ID", 2},
        {"rules 2o1", "usage: rules ID", 2},
        {"rules 999", "no game 999", 1},
        {"deal 201", "usage: deal ID NUMBER", 2},
        {"deal x 1", "bad game id 'x'", 2},
        {"deal 201 12a", "1 to 13 digits", 2},
        {"deal 201 12345678901234", "1 to 13 digits", 2},
        {"deal 777 1", "no game 777", 1},
        {"games extra", "games takes no arguments", 2},
    };
    for (const auto& c : cases) {
        r = Tool(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }

    // A catalogue without a game of this edition is reported, not listed.
    dir.write("GAMES.DAT", "[Sect1]\r\n[Sect2]\r\n");
    r = Tool("games");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("holds no game of this edition"), std::string::npos) << r.err;
}

// brindlewick-tool replay prints a stored game and nothing else; it never
// repairs the file it reads.
TEST_F(GamesTool, ReplayPrintsAStoredGame) {
    fs::create_directory(dir.file("DATA"));
    const TurnRecord pairs{"0000000001234",
                           37,
                           {{{{1, 0, 0, 10}, {2, 0, 1, 20}}, TurnOutcome::kMiss},
                            {{{53, 1, 0, 30}, {3, 0, 2, 40}}, TurnOutcome::kSlip},
                            {{{53, 1, 0, 50}, {1, 0, 0, 60}}, TurnOutcome::kPair}}};
    const TurnRecord run{"0000000000009", 36, {{{{1, 0, 0, 0}}, TurnOutcome::kPair}}};
    const std::string text =
        ReplaysText({{201, "Ann", 20261210, pairs}, {201, "Bob Ray", 20261210, run}});
    test::WriteFile(dir.file("DATA/Replays.dat"), text + "damaged line\n");
    const std::string data = "--data '" + dir.file("DATA") + "' ";

    Result r = Tool("replay " + data + "--game 201 --player Ann");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "game 201 deal 0000000001234\nturn 1 001 002 miss\nturn 2 053 003 slip\n"
              "turn 3 053 001 pair\n");
    r = Tool("replay " + data + "--game 201");  // the last game of anyone
    EXPECT_EQ(r.out, "game 201 deal 0000000000009\nturn 1 001 pair\n");
    r = Tool("replay --game 201 --last 2 " + data);
    EXPECT_EQ(Lines(r.out)[0], "game 201 deal 0000000001234");
    EXPECT_EQ(test::ReadFile(dir.file("DATA/Replays.dat")), text + "damaged line\n");

    for (const std::string& bad : std::vector<std::string>{
             "replay", "replay --game 201", "replay " + data, "replay " + data + "--game x",
             "replay " + data + "--game 201 --last 0", "replay " + data + "--game 201 --last 3",
             "replay " + data + "--game 202", "replay " + data + "--game 201 --player Cy",
             "replay " + data + "--game 201 --bogus 1", "replay --data /nonexistent --game 201"}) {
        r = Tool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
        EXPECT_NE(r.err.find("brindlewick-tool: "), std::string::npos) << bad;
    }
    test::WriteFile(dir.file("DATA/Replays.dat"), "not a replay file\n");
    EXPECT_EQ(Tool("replay " + data + "--game 201").status, 2);
}

TEST_F(GamesTool, DecodedGamesCompileBackToTheSameFile) {
    UseShippedGames();
    Result r = Tool("decode-games GAMES.DAT.missing");
    EXPECT_EQ(r.status, 1);

    r = Tool("decode-games '" + dir.file("GAMES.DAT") + "' '" + dir.file("decoded") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(dir.file("decoded")))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"200-memory-up-4x3.game", "201-memory-up-6x4.game",
                                               "202-memory-up-8x5.game", "203-concentration.game",
                                               "204-ace-to-king.game", "205-forget-me-not.game"}));
    std::string args = "compile-games '" + dir.file("again.dat") + "'";
    for (const std::string& f : files) args += " '" + dir.file("decoded/" + f) + "'";
    r = Tool(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("again.dat"), dir.read("GAMES.DAT"));

    // Printed to standard output, the games follow one another.
    r = Tool("decode-games '" + dir.file("GAMES.DAT") + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, [&] {
        std::string all;
        for (size_t i = 0; i < files.size(); ++i)
            all += (i ? "\n" : "") + dir.read("decoded/" + files[i]);
        return all;
    }());

    // A faulty game file names its line and writes nothing.
    dir.write("bad.game", "game 9\nfamily 16\nclass 0\nname Bad\n 51 GoalKind 3x\n");
    r = Tool("compile-games '" + dir.file("out.dat") + "' '" + dir.file("bad.game") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.game:5: value '3x'"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir.file("out.dat")));
    r = Tool("compile-games '" + dir.file("out.dat") + "' '" + dir.file("nothing.game") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace bw
