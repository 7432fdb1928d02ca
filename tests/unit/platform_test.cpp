#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/sections.h"
#include "platform/tempfile.h"
#include "support/test_support.h"

namespace bw::platform {
namespace {

using test::TempDir;

TEST(Paths, ComponentsMatchWithoutRegardToCase) {
    TempDir d;
    d.write("Data/Stat_uni.dat", "x");
    EXPECT_EQ(ResolvePath(d.path(), "DATA\\STAT_UNI.DAT"), d.path() + "Data/Stat_uni.dat");
    EXPECT_EQ(ResolvePath(d.path(), "data\\Cfg.dat"), d.path() + "Data/Cfg.dat");
    // Components that do not exist keep the case given.
    EXPECT_EQ(ResolvePath(d.path(), "Missing\\Sub\\File.TXT"), d.path() + "Missing/Sub/File.TXT");
    EXPECT_EQ(ResolvePath(d.path(), "data\\custom card sets\\"),
              d.path() + "Data/custom card sets/");
}

TEST(Paths, ExactMatchWinsOverCaseInsensitiveOne) {
    TempDir d;
    d.write("DATA/a", "1");
    d.write("Data/b", "2");
    EXPECT_EQ(ResolvePath(d.path(), "Data\\b"), d.path() + "Data/b");
    EXPECT_EQ(ResolvePath(d.path(), "DATA\\a"), d.path() + "DATA/a");
}

TEST(Paths, DataFolderCanLiveElsewhere) {
    TempDir prog, data;
    SetDataDirOverride(data.path());
    EXPECT_EQ(ProgramPath(prog.path(), "DATA\\Cfg.dat"), data.path() + "Cfg.dat");
    EXPECT_EQ(ProgramPath(prog.path(), "GAMES.DAT"), prog.path() + "GAMES.DAT");
    SetDataDirOverride("");
    EXPECT_EQ(ProgramPath(prog.path(), "DATA\\Cfg.dat"), prog.path() + "DATA/Cfg.dat");
}

TEST(Paths, EveryDataNameResolvesInTheMovedFolder) {
    TempDir prog, user;
    prog.write("DATA/Cfg.dat", "program's");
    user.write("Custom Card Sets/Mine.crs", "x");
    SetDataDirOverride(user.path().substr(0, user.path().size() - 1));  // '/' is added
    // Whatever the case of the first component, and with either separator.
    EXPECT_EQ(ProgramPath(prog.path(), "Data\\Stat_uni.dat"), user.path() + "Stat_uni.dat");
    EXPECT_EQ(ProgramPath(prog.path(), "data/STAT.DAT"), user.path() + "STAT.DAT");
    EXPECT_EQ(ProgramPath(prog.path(), "DATA\\Cfg.dat"), user.path() + "Cfg.dat");
    // Below it, existing names are matched without regard to case.
    EXPECT_EQ(ProgramPath(prog.path(), "data\\custom card sets\\mine.crs"),
              user.path() + "Custom Card Sets/Mine.crs");
    EXPECT_EQ(ProgramPath(prog.path(), "data\\custom card sets\\"),
              user.path() + "Custom Card Sets/");
    // Only a whole first component "DATA" moves.
    EXPECT_EQ(ProgramPath(prog.path(), "DATABASE.DAT"), prog.path() + "DATABASE.DAT");
    EXPECT_EQ(ProgramPath(prog.path(), "help\\data\\x"), prog.path() + "help/data/x");
    SetDataDirOverride("");
}

TEST(Paths, ReadOnlyDataBesideTheProgramOrInTheInstalledFolder) {
    TempDir prefix;
    prefix.write("share/brindlewick/games.dat", "installed");
    platform::MakeDir(prefix.path() + "bin");
    const std::string bin = prefix.path() + "bin/";
    // Installed: found through the relative path, named without "..".
    EXPECT_EQ(ReadOnlyDataDir(bin, "../share/brindlewick"), prefix.path() + "share/brindlewick/");
    // A build folder (GAMES.DAT beside the program, any case) wins.
    prefix.write("bin/Games.Dat", "built");
    EXPECT_EQ(ReadOnlyDataDir(bin, "../share/brindlewick"), bin);
    // Neither: the program's own folder, so the messages name it as before.
    TempDir bare;
    EXPECT_EQ(ReadOnlyDataDir(bare.path(), "../share/brindlewick"), bare.path());
}

TEST(TempFile, NamesAreUniqueAndExclusive) {
    TempDir d;
    std::string a = CreateTempFile(d.path(), "rplx");
    std::string b = CreateTempFile(d.path(), "rpl");
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind(d.path() + "rpl", 0), 0u);
    EXPECT_EQ(a.substr(a.size() - 4), ".tmp");
    EXPECT_TRUE(FileExists(a));
    EXPECT_TRUE(CreateTempFile(d.path() + "nope/", "rpl").empty());
}

class Ini : public ::testing::Test {
protected:
    TempDir d;
    std::string f = d.file("Cfg.dat");
};

TEST_F(Ini, ReadsWithProfileSemantics) {
    d.write("Cfg.dat",
            "junk=before any section\r\n"
            "[ Preference ]\r\n"
            "  Card_Size =  \"B\"  \r\n"
            "Empty=\r\n"
            "card_size=S\r\n"
            "Num= 0x1F \r\n"
            "Neg=-12\r\n"
            "Bad=12abc\r\n"
            "[preference]\r\n"
            "Other=1\r\n");
    EXPECT_EQ(IniReadString(f, "PREFERENCE", "card_size", "?"), "B");  // first key wins
    EXPECT_EQ(IniReadString(f, "Preference", "Empty", "def"), "");
    EXPECT_EQ(IniReadString(f, "Preference", "Missing", "def"), "def");
    EXPECT_EQ(IniReadString(f, "Preference", "Other", "def"), "def");  // first section wins
    EXPECT_EQ(IniReadString(f, "Nope", "junk", "def"), "def");
    EXPECT_EQ(IniReadInt(f, "Preference", "Num", 0), 31);
    EXPECT_EQ(IniReadInt(f, "Preference", "Neg", 0), -12);
    EXPECT_EQ(IniReadInt(f, "Preference", "Bad", 7), 7);
    EXPECT_EQ(IniReadInt(f, "Preference", "Empty", 7), 7);
    EXPECT_EQ(IniReadString(d.file("missing.dat"), "A", "b", "x"), "x");
}

TEST_F(Ini, WritesKeepOtherLinesByteForByte) {
    const std::string before = "; comment\n[A]\r\nk = 1  \r\nz=2\r\n\r\n[B]\nx=3\n";
    d.write("Cfg.dat", before);
    ASSERT_TRUE(IniWriteString(f, "a", "K", "7"));
    EXPECT_EQ(d.read("Cfg.dat"), "; comment\n[A]\r\nk =7\r\nz=2\r\n\r\n[B]\nx=3\n");
    ASSERT_TRUE(IniWriteString(f, "A", "m", "5"));
    EXPECT_EQ(d.read("Cfg.dat"), "; comment\n[A]\r\nk =7\r\nz=2\r\nm=5\r\n\r\n[B]\nx=3\n");
    ASSERT_TRUE(IniWriteInt(f, "C", "n", -4));
    EXPECT_EQ(d.read("Cfg.dat"),
              "; comment\n[A]\r\nk =7\r\nz=2\r\nm=5\r\n\r\n[B]\nx=3\n[C]\r\nn=-4\r\n");
    EXPECT_EQ(IniReadInt(f, "c", "N", 0), -4);
}

// Writes in one go leave the bytes the same writes one by one leave.
TEST_F(Ini, SeveralWritesAtOnceMatchTheWritesOneByOne) {
    const std::string before = "; c\n[A]\r\nk = 1\r\n\r\n[B]\nx=3";
    const std::vector<IniEntry> writes{
        {"a", "K", "7"}, {"C", "n", "1"}, {"A", "m", "5"}, {"b", "y", "4"}, {"c", "N", "2"}};
    d.write("Cfg.dat", before);
    for (const IniEntry& e : writes) ASSERT_TRUE(IniWriteString(f, e.section, e.key, e.value));
    const std::string oneByOne = d.read("Cfg.dat");
    d.write("Cfg.dat", before);
    ASSERT_TRUE(IniWriteStrings(f, writes));
    EXPECT_EQ(d.read("Cfg.dat"), oneByOne);
    EXPECT_EQ(IniReadInt(f, "C", "n", 0), 2);
    EXPECT_FALSE(IniWriteStrings(d.file("DATA/Cfg.dat"), writes));
    EXPECT_TRUE(IniWriteStrings(d.file("none.dat"), {}));
    EXPECT_FALSE(FileExists(d.file("none.dat")));
}

TEST_F(Ini, CreatesTheFileButNotItsFolder) {
    ASSERT_TRUE(IniWriteString(f, "Users", "User001", "Player 1"));
    EXPECT_EQ(d.read("Cfg.dat"), "[Users]\r\nUser001=Player 1\r\n");
    EXPECT_FALSE(IniWriteString(d.file("DATA/Cfg.dat"), "A", "b", "c"));
    EXPECT_FALSE(FileExists(d.file("DATA/Cfg.dat")));
}

TEST_F(Ini, UnterminatedLastLineAndBinaryBytes) {
    d.write("Cfg.dat", std::string("[A]\r\nk=\x01\xff\x00z", 11));
    EXPECT_EQ(IniReadString(f, "A", "k", ""), std::string("\x01\xff\x00z", 4));
    ASSERT_TRUE(IniWriteString(f, "A", "j", "2"));
    EXPECT_EQ(d.read("Cfg.dat"), std::string("[A]\r\nk=\x01\xff\x00z\r\nj=2\r\n", 18));
}

// The file is kept in memory between reads, yet a change made on disk by
// anyone is seen, and a write that changes nothing leaves the file alone.
TEST_F(Ini, KeptCopyFollowsTheFileOnDisk) {
    d.write("Cfg.dat", "[A]\r\nk=1\r\n");
    EXPECT_EQ(IniReadString(f, "A", "k", ""), "1");
    d.write("Cfg.dat", "[A]\r\nk=2\r\n");  // same size, rewritten in place
    EXPECT_EQ(IniReadString(f, "A", "k", ""), "2");
    struct stat before;
    ASSERT_EQ(stat(f.c_str(), &before), 0);
    ASSERT_TRUE(IniWriteString(f, "a", "K", "2"));
    struct stat after;
    ASSERT_EQ(stat(f.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // not replaced
    ASSERT_TRUE(IniWriteString(f, "A", "k", "3"));
    EXPECT_EQ(IniReadString(f, "A", "k", ""), "3");
    EXPECT_EQ(d.read("Cfg.dat"), "[A]\r\nk=3\r\n");
    DeleteFile(f);
    EXPECT_EQ(IniReadString(f, "A", "k", "gone"), "gone");
}

TEST_F(Ini, ReadOnlyFolderFailsWithoutLosingTheFile) {
    d.write("ro/Cfg.dat", "[A]\r\nk=1\r\n");
    chmod(d.file("ro").c_str(), 0555);
    bw::test::WithoutRootBypass asUser;
    BW_SKIP_IF_BYPASSED(asUser);
    EXPECT_FALSE(IniWriteString(d.file("ro/Cfg.dat"), "A", "k", "2"));
    EXPECT_EQ(d.read("ro/Cfg.dat"), "[A]\r\nk=1\r\n");
}

// The body each syntax finds for `name` in `text`, lines joined by "|".
std::string Body(const std::string& text, const std::string& name, SectionSyntax syntax) {
    LineReader in(LineReader::Text{text});
    SectionScanner scan(name, syntax);
    std::string line, body;
    while (!scan.done() && in.Next(line))
        if (scan.Take(line)) body += line + "|";
    return scan.found() ? body : "(none)";
}

TEST(SectionScanner, EachFamilySpellsHeadersItsOwnWay) {
    const std::string text =
        "x=0\r\n [ Cards ] note\r\nk=1\r\n[Cards]more\n[cards]\na=2\n[half\nb=3\n"
        "[Cards]\r\nc=4\r\n\r\n[Other]\nd=5";
    // Profile: blanks, case and trailing text ignored; "[half" is no header.
    EXPECT_EQ(Body(text, "CARDS", SectionSyntax::kProfile), "k=1|");
    EXPECT_EQ(Body(text, "half", SectionSyntax::kProfile), "(none)");
    // Prefix: "[Cards]more" opens the section; any "[" line ends it.
    EXPECT_EQ(Body(text, "Cards", SectionSyntax::kLinePrefix), "");
    EXPECT_EQ(Body(text, "cards", SectionSyntax::kLinePrefix), "a=2|");
    EXPECT_EQ(Body(text, "Card", SectionSyntax::kLinePrefix), "(none)");
    // Exact: only the whole line "[Cards]", the first one; the last line
    // counts without its line end.
    EXPECT_EQ(Body(text, "Cards", SectionSyntax::kExact), "c=4||");
    EXPECT_EQ(Body(text, "Other", SectionSyntax::kExact), "d=5|");
    EXPECT_EQ(Body(text, " Cards ", SectionSyntax::kExact), "(none)");

    EXPECT_EQ(SectionName(" [ A b ] x", SectionSyntax::kProfile), "A b");
    EXPECT_EQ(SectionName("[a]b]", SectionSyntax::kExact), "a]b");
    EXPECT_FALSE(SectionName("[a] ", SectionSyntax::kExact));
    EXPECT_FALSE(SectionName("a]", SectionSyntax::kProfile));
}

TEST(LineReader, FileAndTextSplitAlike) {
    TempDir dir;
    const std::string text = "a\r\n\r\nb\r\r\nc\nlast\r";
    dir.write("f", text);
    for (int fromFile = 0; fromFile < 2; ++fromFile) {
        LineReader file(dir.file("f")), mem(LineReader::Text{text});
        LineReader& in = fromFile ? file : mem;
        ASSERT_TRUE(in.ok());
        std::vector<std::string> lines;
        std::string line;
        while (in.Next(line)) lines.push_back(line);
        EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b\r", "c", "last"})) << fromFile;
    }
    EXPECT_FALSE(LineReader(dir.path()).ok());  // a folder is no file
}

TEST(ProfileInt, WholeTextMustBeANumber) {
    int64_t v = 0;
    EXPECT_TRUE(ParseProfileInt("2147483663", v));
    EXPECT_EQ(v, 2147483663LL);
    EXPECT_TRUE(ParseProfileInt("0x8000000F", v));
    EXPECT_EQ(v, 2147483663LL);
    EXPECT_FALSE(ParseProfileInt("", v));
    EXPECT_FALSE(ParseProfileInt("0x", v));
    EXPECT_FALSE(ParseProfileInt("1 2", v));
    EXPECT_FALSE(ParseProfileInt("--1", v));
}

TEST(ManualClockTest, TimeOfDayWrapsAtMidnight) {
    ManualClock c;
    c.dayStart = 86399000;
    c.Advance(2000);
    EXPECT_EQ(c.MillisecondsOfDay(), 1000);
}

}  // namespace
}  // namespace bw::platform
