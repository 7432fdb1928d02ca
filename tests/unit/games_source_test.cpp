#include <gtest/gtest.h>

#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "storage/catalogue.h"
#include "storage/games_source.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

const char* kPairs = R"(# A small pairs game.
#
# Second paragraph.

game    7
family  16
class   0
screen  1
name    Tiny # pairs

# The pack.
 371  PackCards   104   # two decks
  51  GoalKind     37
   3  TableFamily   9   # side by side
 132  EmptyFila1   -1
)";

GameSource Parse(const std::string& text) {
    GameSource g;
    std::vector<std::string> errors;
    EXPECT_TRUE(ParseGameSource(text, "t.game", g, errors)) << (errors.empty() ? "" : errors[0]);
    return g;
}

std::vector<std::string> ParseErrors(const std::string& text) {
    GameSource g;
    std::vector<std::string> errors;
    EXPECT_FALSE(ParseGameSource(text, "bad.game", g, errors));
    return errors;
}

bool SameGame(const GameSource& a, const GameSource& b, bool withComments) {
    if (a.id != b.id || a.family != b.family || a.editionClass != b.editionClass ||
        a.needs800x600 != b.needs800x600 || a.name != b.name || a.rules.size() != b.rules.size())
        return false;
    if (withComments && a.header != b.header) return false;
    for (size_t i = 0; i < a.rules.size(); ++i) {
        const RuleSource &x = a.rules[i], &y = b.rules[i];
        if (x.index != y.index || x.value != y.value || x.shortName != y.shortName) return false;
        if (withComments && x.comment != y.comment) return false;
    }
    return true;
}

TEST(GameSourceText, ParsesFieldsRulesAndComments) {
    GameSource g = Parse(kPairs);
    EXPECT_EQ(g.id, 7);
    EXPECT_EQ(g.family, 16);
    EXPECT_EQ(g.editionClass, '0');
    EXPECT_TRUE(g.needs800x600);
    EXPECT_EQ(g.name, "Tiny # pairs");  // the name line has no comment
    EXPECT_EQ(g.header, "A small pairs game.\n\nSecond paragraph.\n");
    ASSERT_EQ(g.rules.size(), 4u);
    EXPECT_EQ(g.rules[0].index, 3);  // sorted by entry
    EXPECT_EQ(g.rules[0].comment, "side by side");
    EXPECT_EQ(g.rules[2].value, -1);
    EXPECT_EQ(g.rules[3].shortName, "PackCards");

    // Writing it out and reading it again loses nothing, also from a file
    // whose comment lines end in stray carriage returns.
    EXPECT_TRUE(SameGame(Parse(FormatGameSource(g)), g, true));
    std::string crs = kPairs;
    for (size_t at = crs.find(".\n"); at != std::string::npos; at = crs.find(".\n", at + 5))
        crs.replace(at, 2, ".\r\r\r\n");
    crs.replace(crs.find("# two decks"), 11, "# two decks\r\r");
    const GameSource withCrs = Parse(crs);
    EXPECT_TRUE(SameGame(Parse(FormatGameSource(withCrs)), withCrs, true));
    EXPECT_TRUE(SameGame(withCrs, g, true));
}

TEST(GameSourceText, ReportsEveryFaultWithItsLine) {
    auto errors = ParseErrors(
        "game 7\nfamily 16\nclass 0\nname X\n 489 Big 1\n 12 Ok 1\n 12 Ok 2\n"
        "  13 NameFarTooLong 1\n 14 Val 40000\n 15 Few\n 16 Val 1x\n"
        "colour red\nscreen 2\n");
    ASSERT_EQ(errors.size(), 8u);
    EXPECT_EQ(errors[0], "bad.game:5: entry number '489' is not 0..488");
    EXPECT_NE(errors[1].find(":7: entry 12 is given twice"), std::string::npos);
    EXPECT_NE(errors[2].find(":8: short name"), std::string::npos);
    EXPECT_NE(errors[3].find(":9: value '40000'"), std::string::npos);
    EXPECT_NE(errors[4].find(":10: a rule line is"), std::string::npos);
    EXPECT_NE(errors[5].find(":11: value '1x'"), std::string::npos);
    EXPECT_NE(errors[6].find(":12: unknown key 'colour'"), std::string::npos);
    EXPECT_NE(errors[7].find(":13: the screen flag is 0 or 1"), std::string::npos);

    errors = ParseErrors("game 1000\nfamily 16\nclass 0\nname X\nscreen 2\nname Y\n");
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("0..999"), std::string::npos);
    EXPECT_NE(errors[1].find("screen flag"), std::string::npos);
    EXPECT_NE(errors[2].find("'name' is given twice"), std::string::npos);

    // A page break on a line of its own is white space, not a key.
    EXPECT_EQ(Parse("game 1\nfamily 1\n\f\nclass 0\n\v \nname X\n").name, "X");

    errors = ParseErrors("# nothing but a comment\n");
    EXPECT_EQ(errors.size(), 4u);  // game, family, class and name are missing

    errors = ParseErrors("game 1\nfamily 1\nclass 0\nname caf\xc3\xa9\n");
    ASSERT_EQ(errors.size(), 1u);  // the file's substitution only carries plain characters
}

TEST(GamesCompiler, CompiledColumnsLoadAsWritten) {
    test::CoreFixture fx;
    GameSource a = Parse(kPairs);
    GameSource b = Parse("game 3\nfamily 9\nclass 0\nname Three\n 51 GoalKind 39\n 488 - 100\n");
    GameSource hidden = Parse("game 5\nfamily 9\nclass 3\nname Elsewhere\n 51 GoalKind 1\n");
    std::string bytes;
    std::vector<std::string> errors;
    ASSERT_TRUE(CompileGames({a, hidden, b}, bytes, errors));
    fx.dir.write("GAMES.DAT", bytes);

    // Catalogue in id order; the entry of another class has no column.
    ASSERT_TRUE(LoadCatalogue());
    ASSERT_EQ(MainGame.catalogue.size(), 2u);
    EXPECT_EQ(CatalogueIndex(3), 0);
    EXPECT_EQ(CatalogueIndex(7), 1);
    EXPECT_EQ(CatalogueIndex(5), -1);
    EXPECT_EQ(GameName(7), "Tiny # pairs");
    EXPECT_EQ(GameFamily(3), 9);
    EXPECT_EQ(MainGame.catalogue[1], "16  00701 Tiny # pairs" + std::string(38, ' '));

    LoadGameRules(ProgramGame(), 7);
    EXPECT_EQ(ProgramGame().GameRules[371], 104);
    EXPECT_EQ(ProgramGame().GameRules[51], 37);
    EXPECT_EQ(ProgramGame().GameRules[132], -1);
    EXPECT_EQ(ProgramGame().GameRules[488], 0);
    LoadGameRules(ProgramGame(), 3);
    EXPECT_EQ(ProgramGame().GameRules[51], 39);
    EXPECT_EQ(ProgramGame().GameRules[488], 100);
    EXPECT_EQ(GameRuleValues(3, {488, 51}), (std::vector<int>{100, 39}));

    // One line per entry, in order, so line positions are entry numbers; CR LF ends.
    auto sect2 = ReadGamesSectionFromText(bytes, "Sect2");
    ASSERT_EQ(sect2.size(), 489u);
    for (int i = 0; i < 489; ++i) EXPECT_EQ(RuleLineIndex(sect2[static_cast<size_t>(i)]), i);
    EXPECT_EQ(DecodeGamesText(sect2[371]).substr(4, 12), "PackCards   ");
    EXPECT_NE(bytes.find("[Sect2]\r\n"), std::string::npos);
}

TEST(GamesCompiler, RefusesClashes) {
    GameSource a = Parse(kPairs);
    GameSource sameId = Parse("game 7\nfamily 1\nclass 0\nname Other\n");
    GameSource sameName = Parse("game 8\nfamily 1\nclass 0\nname TINY # PAIRS\n");
    GameSource otherShortName = Parse("game 9\nfamily 1\nclass 0\nname Nine\n 51 Goal 37\n");
    std::string bytes = "untouched";
    std::vector<std::string> errors;
    EXPECT_FALSE(CompileGames({a, sameId, sameName, otherShortName}, bytes, errors));
    EXPECT_EQ(bytes, "untouched");
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("id is used twice"), std::string::npos);
    EXPECT_NE(errors[1].find("is used twice"), std::string::npos);
    EXPECT_EQ(errors[2], "game 9: entry 51 is called 'Goal' here and 'GoalKind' elsewhere");
}

TEST(GamesCompiler, DecodeGivesBackWhatWasCompiled) {
    GameSource a = Parse(kPairs);
    GameSource b = Parse("game 3\nfamily 9\nclass 5\nname Three\n 51 GoalKind 39\n 0 - -7\n");
    GameSource hidden = Parse("game 5\nfamily 9\nclass 3\nname Elsewhere\n");
    std::string bytes;
    std::vector<std::string> notes;
    ASSERT_TRUE(CompileGames({a, b, hidden}, bytes, notes));
    std::vector<GameSource> decoded;
    ASSERT_TRUE(DecodeGames(bytes, decoded, notes));
    EXPECT_TRUE(notes.empty());
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(SameGame(decoded[0], b, false));
    EXPECT_TRUE(SameGame(decoded[1], hidden, false));
    EXPECT_TRUE(SameGame(decoded[2], a, false));
    EXPECT_EQ(GameSourceFileName(decoded[2]), "007-tiny-pairs.game");

    // Through the text form and back to the same bytes.
    std::vector<GameSource> reread;
    for (const GameSource& g : decoded) reread.push_back(Parse(FormatGameSource(g)));
    std::string again;
    ASSERT_TRUE(CompileGames(reread, again, notes));
    EXPECT_EQ(again, bytes);
}

TEST(GamesCompiler, DecodeSurvivesForeignAndDamagedFiles) {
    // Hand-made: unsorted ids, a bad id, short lines, a value that is no
    // number, an index beyond the table and a line cut before the column.
    auto sect1 = [](const std::string& plain) { return EncodeGamesText(plain) + "\r\n"; };
    std::string text = "[Sect1]\r\n" + sect1("16  2010 Second") + sect1("16  x000 Bad id") +
                       sect1("16  0500 First") + sect1("") + "[Sect2]\r\n" +
                       sect1("0051Goal kind   37         39         38") +
                       sect1("0050            1          3          2x") +
                       sect1("0600            1") + sect1("0368            4") + sect1("abcd") +
                       "\r\n";
    std::vector<GameSource> games;
    std::vector<std::string> warnings;
    ASSERT_TRUE(DecodeGames(text, games, warnings));
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].id, 201);
    EXPECT_EQ(games[1].id, 50);
    ASSERT_EQ(games[0].rules.size(), 3u);        // column 0: 50, 51, 368
    EXPECT_EQ(games[0].rules[1].shortName, "");  // "Goal kind" has a blank: not a short name
    ASSERT_EQ(games[1].rules.size(), 1u);        // column 2: 51; its 50 is no number
    EXPECT_EQ(games[1].rules[0].value, 38);
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_NE(warnings[0].find("game id does not read"), std::string::npos);
    EXPECT_NE(warnings[1].find("'2x' is not a number"), std::string::npos);
    EXPECT_NE(warnings[2].find("no entry number"), std::string::npos);  // 600
    EXPECT_NE(warnings[3].find("no entry number"), std::string::npos);  // abcd

    EXPECT_FALSE(DecodeGames("no sections at all", games, warnings));
    EXPECT_FALSE(DecodeGames("", games, warnings));
}

}  // namespace
}  // namespace bw
