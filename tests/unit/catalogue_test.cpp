#include <gtest/gtest.h>

#include <memory>

#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "storage/catalogue.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// A "[Sect1]" line in stored form.
std::string Entry(const std::string& family, const std::string& id, char cls,
                  const std::string& name, char screen = '0') {
    std::string l = family;
    l.resize(4, ' ');
    l += id + cls + screen + " " + name;
    return EncodeGamesText(l);
}

// A "[Sect2]" line in stored form: entry number, then one value per column.
std::string RuleLine(int index, const std::vector<std::string>& values) {
    std::string plain = FormatNumber(index, 4);
    plain.resize(16, ' ');
    for (const std::string& v : values) {
        std::string f = v;
        f.resize(11, ' ');
        plain += f;
    }
    return EncodeGamesText(plain);
}

class FixedScreen : public IScreen {
public:
    int width = 640;
    int Width() override { return width; }
};

class Catalogue : public ::testing::Test {
protected:
    test::CoreFixture fx;
    FixedScreen screen;
    Catalogue() { InstalledPorts().screen = &screen; }

    void WriteGames(const std::vector<std::string>& sect1, const std::vector<std::string>& sect2) {
        std::string text = "[Sect1]\r\n";
        for (const auto& l : sect1) text += l + "\r\n";
        text += "[Sect2]\r\n";
        for (const auto& l : sect2) text += l + "\r\n";
        fx.dir.write("GAMES.DAT", text);
    }
    void WriteCustom(const std::string& text) { fx.dir.write("DATA/GAM_CUST.DAT", text); }
    // One 30-line record of GAM_CUST.DAT.
    static std::string CustomRecord(const std::string& number, const std::string& name,
                                    const std::string& base, const std::string& options) {
        std::string first = number;
        first.resize(4, ' ');
        std::string n = name;
        n.resize(50, ' ');
        first += n + base;
        std::string rec = first + "\r\n" + options + "rest of the line\r\n";
        for (int i = 2; i < 30; ++i) rec += "filler\r\n";
        return rec;
    }
};

TEST_F(Catalogue, KeepsOnlyThisEditionAndNumbersByKeptPosition) {
    WriteGames({Entry("16", "200", '0', "Alpha"), Entry("5", "001", '3', "Other edition"),
                Entry("7", "002", '5', "Beta"), Entry("16", "001", '0', "Gamma  ")},
               {});
    ASSERT_TRUE(LoadCatalogue());
    ASSERT_EQ(MainGame.catalogue.size(), 3u);
    // Position 1 holds id 2, so game 1 is found by the search at position 2.
    EXPECT_EQ(CatalogueIndex(1), 2);
    EXPECT_EQ(CatalogueIndex(2), 1);
    EXPECT_EQ(CatalogueIndex(200), 0);
    EXPECT_EQ(CatalogueIndex(3), -1);
    EXPECT_EQ(CatalogueIndex(-1), -1);
    EXPECT_EQ(GameName(1), "Gamma");
    EXPECT_EQ(GameName(77), "");
    EXPECT_EQ(GameFamily(2), 7);
    EXPECT_EQ(GameFamily(77), -1);
    EXPECT_EQ(GameFamily(-5), -1);
}

// The catalogue is the run's, not a game's: a preview's or a simulation's
// game starting afresh must not empty it under the running one.
TEST_F(Catalogue, ResettingAGameKeepsTheCatalogue) {
    WriteGames({Entry("16", "200", '0', "Alpha")}, {});
    ASSERT_TRUE(LoadCatalogue());
    const auto other = std::make_unique<Game>();
    ResetGameState(*other);
    EXPECT_EQ(GameName(200), "Alpha");
    ForgetCatalogue();
    EXPECT_EQ(CatalogueIndex(200), -1);
}

TEST_F(Catalogue, CustomisedIdsStayOutsideTheCatalogue) {
    WriteGames({Entry("16", "201", '0', "Memory")}, {});
    LoadCatalogue();
    EXPECT_EQ(CatalogueIndex(8000), -1);
    EXPECT_EQ(GameFamily(8123), 800);
    // The caller's text survives for a customised game; a catalogue id replaces it.
    EXPECT_EQ(GameName(8123, "My game"), "My game");
    EXPECT_EQ(GameName(201, "My game"), "Memory");
    EXPECT_EQ(GameName(202, "My game"), "");
}

TEST_F(Catalogue, NameLookupIgnoresCaseAndBlanks) {
    WriteGames({Entry("16", "200", '0', "Memory-Up (4x3)"), Entry("16", "x01", '0', "Broken"),
                Entry("16", "203", '0', "Concentration")},
               {});
    LoadCatalogue();
    EXPECT_EQ(GameIdByName("  memory-up (4X3)   "), 200);
    EXPECT_EQ(GameIdByName("CONCENTRATION"), 203);
    EXPECT_EQ(GameIdByName("Broken"), -1);  // its id does not convert: it cannot be opened
    EXPECT_EQ(GameIdByName("Solitaire"), -1);
}

TEST_F(Catalogue, MissingTruncatedAndShortFiles) {
    EXPECT_FALSE(LoadCatalogue());
    EXPECT_TRUE(MainGame.catalogue.empty());
    EXPECT_NE(GamesFileProblem(ProgramFile("GAMES.DAT")).find("Cannot find file:"),
              std::string::npos);

    // Cut off inside the first entry, no "[Sect2]": the entry keeps what it has.
    fx.dir.write("GAMES.DAT", "[Sect1]\r\n" + EncodeGamesText("16  201"));
    ASSERT_TRUE(LoadCatalogue());
    EXPECT_TRUE(MainGame.catalogue.empty());  // no class character: not of this edition
    EXPECT_FALSE(GamesFileProblem(ProgramFile("GAMES.DAT")).empty());

    // Short lines give empty fields, never a crash.
    WriteGames({Entry("16", "201", '0', ""), EncodeGamesText("9   202"), EncodeGamesText(""),
                EncodeGamesText("    2035")},
               {});
    ASSERT_TRUE(LoadCatalogue());
    ASSERT_EQ(MainGame.catalogue.size(), 2u);
    EXPECT_EQ(GameName(201), "");
    EXPECT_EQ(GameName(203), "");
    EXPECT_EQ(GameFamily(203), 0);  // empty family: no picture
    EXPECT_TRUE(GamesFileProblem(ProgramFile("GAMES.DAT")).empty());
    EXPECT_EQ(GameRuleValues(203, {51, -1}), (std::vector<int>{0, -99}));
}

TEST_F(Catalogue, AnIdThatDoesNotConvertKeepsItsColumnButIsNeverFound) {
    WriteGames({Entry("16", "2x1", '0', "Bad"), Entry("16", "001", '0', "Good")},
               {RuleLine(51, {"37", "39"})});
    LoadCatalogue();
    ASSERT_EQ(MainGame.catalogue.size(), 2u);
    EXPECT_EQ(CatalogueIndex(2), -1);
    // Game 1 still reads the second column: the bad entry did not shift it.
    EXPECT_EQ(CatalogueIndex(1), 1);
    LoadGameRules(ProgramGame(), 1);
    EXPECT_EQ(ProgramGame().GameRules[51], 39);
    EXPECT_EQ(AllGameNames(), std::vector<std::string>{"Good"});
}

TEST_F(Catalogue, RuleValuesOfAGame) {
    WriteGames({Entry("16", "000", '0', "A"), Entry("16", "001", '0', "B")},
               {RuleLine(15, {"-1", "4"}), RuleLine(371, {"52", "104"}),
                RuleLine(483, {"2 ", "12x"}), EncodeGamesText("0484"), RuleLine(486, {"", "3"})});
    LoadCatalogue();
    EXPECT_EQ(GameRuleValues(1, {483, 484, 486, 15, 371, -1, 999}),
              (std::vector<int>{0, 0, 3, 4, 104, -99, 0}));
    EXPECT_EQ(GameRuleValues(0, {483, 15}), (std::vector<int>{2, -1}));
    EXPECT_EQ(GameRuleValues(7, {483, -1}), (std::vector<int>{0, -99}));
}

TEST_F(Catalogue, RuleColumnsRefusePartialNumbersAndOddIndexes) {
    WriteGames({Entry("16", "000", '0', "A")},
               {RuleLine(51, {"37"}), RuleLine(50, {"12x"}), RuleLine(368, {" 4"}),
                EncodeGamesText("03a1            5"), EncodeGamesText("-001            5"),
                RuleLine(367, {"99999"}), RuleLine(366, {"-99999"})});
    LoadCatalogue();
    LoadGameRules(ProgramGame(), 0);
    EXPECT_EQ(ProgramGame().GameRules[51], 37);
    EXPECT_EQ(ProgramGame().GameRules[50], 0);  // "12x" is no number
    EXPECT_EQ(ProgramGame().GameRules[368], 4);
    EXPECT_EQ(ProgramGame().GameRules[3], 0);  // "03a1" is no entry number, not entry 3
    EXPECT_EQ(ProgramGame().GameRules[367], 32767);
    EXPECT_EQ(ProgramGame().GameRules[366], -32768);
}

TEST_F(Catalogue, StoredGameMustExist) {
    WriteGames({Entry("16", "201", '0', "Memory-Up (6x4)")}, {});
    LoadCatalogue();
    SetValue(ProgramGame().values.id, field::kGameId, "0201");
    SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
    CheckStoredGame(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "0201");

    SetValue(ProgramGame().values.id, field::kGameId, "0077");
    CheckStoredGame(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "-001");
    EXPECT_EQ(ProgramGame().values.name, "");

    // A customised game keeps its stored name; without one there is no game.
    SetValue(ProgramGame().values.id, field::kGameId, "8001");
    SetValue(ProgramGame().values.name, field::kGameName, "Mine");
    CheckStoredGame(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "8001");
    SetValue(ProgramGame().values.name, field::kGameName, "");
    CheckStoredGame(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "-001");

    // A field that is no number names no game.
    SetValue(ProgramGame().values.id, field::kGameId, "2o1");
    SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
    CheckStoredGame(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "-001");
    EXPECT_EQ(ProgramGame().values.name, "");
}

TEST_F(Catalogue, CustomGamesAreReadSortedByName) {
    CustomGames none;
    EXPECT_FALSE(ReadCustomGames(none));
    EXPECT_EQ(CustomGameBase(8001), -1);

    WriteCustom("header line\r\n" + CustomRecord("8002", "zebra", "0203", "YNYNYNY") +
                CustomRecord("8001", "Apple", "0201", "NNNNNNN"));
    CustomGames g;
    ASSERT_TRUE(ReadCustomGames(g));
    ASSERT_EQ(g.names.size(), 2u);
    EXPECT_EQ(g.names[0], "Apple" + std::string(45, ' '));
    EXPECT_EQ(g.numbers, (std::vector<int>{8001, 8002}));
    EXPECT_EQ(g.bases, (std::vector<int>{201, 203}));
    EXPECT_EQ(g.options, (std::vector<std::string>{"NNNNNNN", "YNYNYNY"}));
    std::string options;
    EXPECT_EQ(CustomGameBase(8002, &options), 203);
    EXPECT_EQ(options, "YNYNYNY");
    EXPECT_EQ(CustomGameBase(8003, &options), -1);
    EXPECT_EQ(options, "");
}

TEST_F(Catalogue, GarbageInTheCustomFileMatchesNothing) {
    std::string garbage = "\x01\xff junk\r\n";
    garbage += CustomRecord("80a1", "Bad number", "0201", "YYYYYYY");
    garbage += CustomRecord("8005", "Bad base", "2x01", "NN");
    garbage += "80x9cut short";  // a record whose options line is missing
    WriteCustom(garbage);
    CustomGames g;
    ASSERT_TRUE(ReadCustomGames(g));
    ASSERT_EQ(g.numbers.size(), 3u);
    // By name: "Bad base", "Bad number", "cut short".
    EXPECT_EQ(g.numbers, (std::vector<int>{8005, 0, 0}));
    EXPECT_EQ(g.bases, (std::vector<int>{0, 201, 0}));
    EXPECT_EQ(g.options[2], "");
    EXPECT_EQ(CustomGameBase(0), -1);     // an unconverted number is no game 0
    EXPECT_EQ(CustomGameBase(8005), -1);  // nor is an unconverted base
    EXPECT_EQ(CustomGameBase(80), -1);

    WriteGames({Entry("16", "201", '0', "Memory-Up (6x4)")}, {});
    LoadCatalogue();
    EXPECT_EQ(AllGameNames(), (std::vector<std::string>{"Bad base", "Memory-Up (6x4)"}));
}

TEST_F(Catalogue, AllNamesMixCatalogueAndCustomGames) {
    WriteGames({Entry("16", "204", '0', "Ace-To-King"), Entry("16", "203", '0', "Concentration"),
                Entry("16", "200", '0', "Memory-Up (4x3)")},
               {});
    LoadCatalogue();
    WriteCustom("x\r\n" + CustomRecord("8001", "big memory", "0200", "NNNNNNN"));
    EXPECT_EQ(AllGameNames(), (std::vector<std::string>{"Ace-To-King", "big memory",
                                                        "Concentration", "Memory-Up (4x3)"}));
}

TEST_F(Catalogue, SmallScreensRefuseGamesThatNeedMore) {
    WriteGames({Entry("16", "200", '0', "Small"), Entry("16", "201", '0', "Large", '1')}, {});
    LoadCatalogue();
    WriteCustom("x\r\n" + CustomRecord("8001", "My large", "0201", "NNNNNNN") +
                CustomRecord("8002", "My small", "0200", "NNNNNNN"));
    screen.width = 800;
    EXPECT_TRUE(CanPlayOnThisScreen(201));
    EXPECT_TRUE(fx.dialogs.infos.empty());

    screen.width = 640;
    EXPECT_TRUE(CanPlayOnThisScreen(200));
    EXPECT_TRUE(CanPlayOnThisScreen(999));   // not in the catalogue: nothing to refuse
    EXPECT_TRUE(CanPlayOnThisScreen(8002));  // based on a small game
    EXPECT_TRUE(CanPlayOnThisScreen(8999));  // no record: allowed
    EXPECT_TRUE(fx.dialogs.infos.empty());
    EXPECT_FALSE(CanPlayOnThisScreen(201));
    EXPECT_FALSE(CanPlayOnThisScreen(8001));
    ASSERT_EQ(fx.dialogs.infos.size(), 2u);
    EXPECT_EQ(fx.dialogs.infos[0],
              "Your video card's display is 640x480 pixels.\nYou can't play: Large\n"
              "Please set your screen resolution to 800x600 pixels or higher.");
    EXPECT_NE(fx.dialogs.infos[1].find("You can't play: My large\n"), std::string::npos);
}

}  // namespace
}  // namespace bw
