// brindlewick-tool layout, run as a process: a copy of the tool sits in a
// scratch folder beside a GAMES.DAT the test writes, since the tool reads the
// file from its own folder.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <sstream>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "core/rules.h"
#include "support/test_support.h"

namespace bw {
namespace {

std::string Padded(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}

// A catalogue line and a rule column per game, in the file's substitution.
std::string GamesDat(const std::vector<std::pair<int, std::map<int, int>>>& games) {
    std::string out = "[Sect1]\r\n";
    for (const auto& [id, rules] : games) {
        std::string line =
            "16  " + std::to_string(id) + "00 " + Padded("Game " + std::to_string(id), 50);
        out += EncodeGamesText(line) + "\r\n";
    }
    out += "[Sect2]\r\n";
    for (int entry = 0; entry < 489; ++entry) {
        char index[8];
        std::snprintf(index, sizeof index, "%04d", entry);
        std::string line = Padded(index, 16);
        for (const auto& game : games) {
            auto it = game.second.find(entry);
            line += Padded(std::to_string(it == game.second.end() ? 0 : it->second), 11);
        }
        out += EncodeGamesText(line) + "\r\n";
    }
    return out;
}

struct Result {
    int status;
    std::string out, err;
};

class LayoutTool : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const std::string tool = std::string(BW_PROGRAM_DIR) + "brindlewick-tool";
        ASSERT_TRUE(fs::exists(tool)) << tool;
        fs::copy_file(tool, dir.file("brindlewick-tool"));
        fs::permissions(dir.file("brindlewick-tool"), fs::perms::owner_all);
    }
    void WriteGames() {
        // 201: three rows and a third pile (style 129).
        std::map<int, int> grid{{359, 129}, {360, 1}, {368, 3}, {370, 1}};
        // 202: stock 013, foundations 017, centred tableau, reserve row.
        std::map<int, int> rows{{9, 1},    {10, 1},  {355, 13}, {356, 1}, {366, 2},
                                {357, 17}, {358, 1}, {367, 4},  {359, 2}, {360, 2},
                                {368, 7},  {362, 5}, {363, 3},  {369, 2}};
        dir.write("GAMES.DAT", GamesDat({{201, grid}, {202, rows}}));
    }
    Result Tool(const std::string& args) {
        std::string cmd = "'" + dir.file("brindlewick-tool") + "' layout " + args + " >'" +
                          dir.file("out") + "' 2>'" + dir.file("err") + "'";
        int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("out"), dir.read("err")};
    }
    test::TempDir dir;
};

const char* const kWindow = " --top 75 --bottom 700 --height 768 --width 1024";

TEST_F(LayoutTool, PrintsEveryPileOnTheTable) {
    WriteGames();
    Result r = Tool(std::string("202") + kWindow);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Card 71 96\n"
              "Mazzo 19 100\nMazzo_Vis 105 100\n"
              "Dest1 193 100\nDest2 268 100\nDest3 343 100\nDest4 418 100\n"
              "Fila1 232 206\nFila2 313 206\nFila3 394 206\nFila4 475 206\n"
              "Fila5 556 206\nFila6 637 206\nFila7 718 206\n"
              "Appogg1 14 312\nAppogg2 99 312\n");
    EXPECT_EQ(r.err, "");

    // A short screen narrows the foundation offset; no shadows, no indent.
    r = Tool(std::string("202") + kWindow + " --screen 800 480 --no-shadow");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Card 71 96\nMazzo 15 100\nMazzo_Vis 101 100\nDest1 179 100\n"),
              std::string::npos)
        << r.out;

    r = Tool(std::string("201") + kWindow + " --card-size M");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Card 59 80\nWaste 624 347\nFila1 324 262\nFila2 324 347\nFila3 324 432\n");

    // Fitted cards: the largest size at which every pile lies whole on the
    // table, 1024 x 626 here, in the proportions of "B".
    r = Tool(std::string("201") + kWindow + " --card-size fit");
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string word;
    int w = 0, h = 0, left = 0, top = 0, piles = 0, bottom = 0;
    ASSERT_TRUE(lines >> word >> w >> h) << r.out;
    EXPECT_EQ(word, "Card");
    EXPECT_GT(h, 130);
    EXPECT_EQ(w, (h * 71 + 48) / 96);
    while (lines >> word >> left >> top) {
        ++piles;
        EXPECT_TRUE(left >= 0 && left + w <= 1024 && top >= 75 && top + h <= 701) << word;
        bottom = std::max(bottom, top + h);
    }
    EXPECT_EQ(piles, 4);
    EXPECT_GE(bottom - 75, 626 * 3 / 4);  // the piles fill the table's height
}

TEST_F(LayoutTool, RefusesBadUsageWithAMessage) {
    WriteGames();
    struct Case {
        std::string args, message;
    } cases[] = {
        {"", "missing game id"},
        {std::string("abc") + kWindow, "bad game id 'abc'"},
        {std::string("999") + kWindow, "unknown game id 999"},
        {"201 --top 75 --bottom 700 --height 768 --width 10x", "bad number for --width: '10x'"},
        {"201 --top 40000 --bottom 700 --height 768 --width 1024", "bad number for --top: '40000'"},
        {"201 --top 75 --bottom 700 --height 768",
         "--top, --bottom, --height and --width are required"},
        {"201 --top", "--top needs a number"},
        {std::string("201") + kWindow + " --screen 800", "--screen needs a number"},
        {std::string("201") + kWindow + " --card-size Q", "--card-size takes fit, S, B or M"},
        {std::string("201") + kWindow + " --scale 0.5", "--scale takes a ratio from 1 to 4"},
        {std::string("201") + kWindow + " --scale 2x", "--scale takes a ratio from 1 to 4"},
        {std::string("201") + kWindow + " --shadow", "unknown option '--shadow'"},
    };
    for (const auto& c : cases) {
        Result r = Tool(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.err.find("brindlewick-tool: " + c.message), std::string::npos)
            << c.args << " -> " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
}

TEST_F(LayoutTool, MissingGamesFileIsAnError) {
    Result r = Tool(std::string("201") + kWindow);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot read"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("GAMES.DAT"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace bw
