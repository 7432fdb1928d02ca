#include "storage/section_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include "platform/paths.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kTwo = "[A]\r\nk=1\r\n[B]\r\nx=2\r\n";

class SectionFile : public ::testing::Test {
protected:
    test::CoreFixture fx;
    std::string f = fx.dir.file("STAT.DAT");

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(fx.dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static ino_t Inode(const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_ino;
    }
};

TEST_F(SectionFile, ExistingRecordIsOverwrittenInPlace) {
    WriteFile(f, kTwo);
    const ino_t before = Inode(f);
    EXPECT_TRUE(WriteKey(f, "A", "k", "7"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=7\r\n[B]\r\nx=2\r\n");
    // Same file, no temporary file: the bytes were changed where they stand.
    EXPECT_EQ(Inode(f), before);
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
    EXPECT_THAT(fx.dialogs.infos, IsEmpty());

    WriteKey(f, "B", "x", "9");
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=7\r\n[B]\r\nx=9\r\n");
    EXPECT_EQ(Inode(f), before);
}

TEST_F(SectionFile, NewKeyRewritesOnlyItsSection) {
    WriteFile(f, kTwo);
    const ino_t before = Inode(f);
    EXPECT_TRUE(WriteKey(f, "A", "m", "5"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=1\r\nm=5\r\n\r\n[B]\r\nx=2\r\n");
    EXPECT_NE(Inode(f), before);  // replaced by rename
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
}

TEST_F(SectionFile, MissingSectionIsAppended) {
    WriteFile(f, kTwo);
    EXPECT_TRUE(WriteKey(f, "C", "k", "1"));
    EXPECT_EQ(ReadFile(f), kTwo + "\r\n[C]\r\nk=1\r\n");
    EXPECT_TRUE(AppendSection(f, "D", {"a", "b"}, {"1", ""}));
    EXPECT_EQ(ReadFile(f), kTwo + "\r\n[C]\r\nk=1\r\n\r\n[D]\r\na=1\r\nb=\r\n");
}

TEST_F(SectionFile, KeysMatchWholeNotByPrefix) {
    WriteFile(f, "[0201]\r\nPlayer 10=AAAA\r\nPlayer 1=BBBB\r\n");
    WriteKey(f, "0201", "Player 1", "CCCC");
    EXPECT_EQ(ReadFile(f), "[0201]\r\nPlayer 10=AAAA\r\nPlayer 1=CCCC\r\n");

    WriteFile(f, "[0201]\r\nPlayer 10=AAAA\r\n");
    WriteKey(f, "0201", "Player 1", "CCCC");
    EXPECT_EQ(ReadFile(f), "[0201]\r\nPlayer 10=AAAA\r\nPlayer 1=CCCC\r\n\r\n");
    EXPECT_EQ(ReadKeys(f, "0201", {"Player 1", "Player 10"}, {"", ""}).values,
              (std::vector<std::string>{"CCCC", "AAAA"}));

    // Section names too: "[20]" is not "[201]".
    WriteFile(f, "[201]\r\nk=1\r\n");
    WriteKey(f, "20", "k", "2");
    EXPECT_EQ(ReadFile(f), "[201]\r\nk=1\r\n\r\n[20]\r\nk=2\r\n");
}

TEST_F(SectionFile, RecordOfAnotherLengthRewritesTheSection) {
    WriteFile(f, "[A]\r\nk=1\r\n  \r\nnote without equals\r\nj=  3\r\n[B]\r\nx=2\r\n");
    EXPECT_TRUE(WriteKey(f, "A", "k", "100"));
    // Blank lines go, leading blanks of values go, a line that is not an
    // entry is kept as it was.
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=100\r\nnote without equals\r\nj=3\r\n\r\n[B]\r\nx=2\r\n");
}

TEST_F(SectionFile, RepeatedKeyGetsOneValueEverywhere) {
    WriteFile(f, "[A]\r\nk=1\r\nk=2\r\n");
    EXPECT_TRUE(WriteKey(f, "A", "k", "9"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=9\r\nk=9\r\n\r\n");
    EXPECT_EQ(ReadKeys(f, "A", {"k"}, {""}).values[0], "9");
}

TEST_F(SectionFile, RewriteReachesTheEndOfTheFile) {
    WriteFile(f, "[Version]\r\nVersion=0300\r\n[A]\r\nk=1\r\nj=2\r\n\r\n");
    EXPECT_TRUE(RewriteSection(f, "A", {"z"}, {"26"}));
    EXPECT_EQ(ReadFile(f), "[Version]\r\nVersion=0300\r\n[A]\r\nz=26\r\n\r\n");
    // A missing section changes nothing and leaves no temporary file.
    EXPECT_FALSE(RewriteSection(f, "Q", {"z"}, {"1"}));
    EXPECT_EQ(ReadFile(f), "[Version]\r\nVersion=0300\r\n[A]\r\nz=26\r\n\r\n");
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
}

TEST_F(SectionFile, EmptyBodyBeforeTheNextSection) {
    WriteFile(f, "[A]\r\n[B]\r\nx=2\r\n");
    EXPECT_TRUE(WriteKey(f, "A", "k", "1"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=1\r\n\r\n[B]\r\nx=2\r\n");
    // A header that is the file's last line, without a line end.
    WriteFile(f, "x=0\r\n[A]");
    EXPECT_TRUE(WriteKey(f, "A", "k", "1"));
    EXPECT_EQ(ReadFile(f), "x=0\r\n[A]\r\nk=1\r\n\r\n");
    // Cut between the CR and the LF of that line: the key must read back.
    WriteFile(f, "x=0\r\n[A]\r");
    EXPECT_TRUE(WriteKey(f, "A", "k", "1"));
    EXPECT_EQ(ReadFile(f), "x=0\r\n[A]\r\nk=1\r\n\r\n");
    EXPECT_EQ(ReadKeys(f, "A", {"k"}, {""}).values[0], "1");
}

TEST_F(SectionFile, HeaderTextInsideALineIsNotTheSection) {
    WriteFile(f, "[N]\r\nnote=[A]\r\n[A]\r\nk=1\r\n");
    EXPECT_TRUE(WriteKey(f, "A", "k", "2"));
    EXPECT_EQ(ReadFile(f), "[N]\r\nnote=[A]\r\n[A]\r\nk=2\r\n");
    EXPECT_THAT(ReadSectionLines(f, "A"), ElementsAre("k=2"));
}

TEST_F(SectionFile, LfOnlyLinesAreUnderstood) {
    WriteFile(f, "[A]\nk=1\n[B]\nx=2\n");
    WriteKey(f, "A", "k", "7");
    EXPECT_EQ(ReadFile(f), "[A]\nk=7\n[B]\nx=2\n");
    WriteKey(f, "A", "m", "5");
    EXPECT_EQ(ReadFile(f), "[A]\nk=7\r\nm=5\r\n\r\n[B]\nx=2\n");
    EXPECT_EQ(ReadKeys(f, "B", {"x"}, {""}).values[0], "2");
}

TEST_F(SectionFile, ReadKeysGivesDefaultsForWhatIsMissing) {
    WriteFile(f, "k=0\r\n[A]\r\nk= 1 \r\nk=2=3\r\n[B]\r\nm=4\r\n");
    KeyValues kv = ReadKeys(f, "A", {"k", "m"}, {"dk", "dm"});
    EXPECT_FALSE(kv.allFound);
    // The last occurrence wins; everything after the first "=" is the value.
    EXPECT_THAT(kv.values, ElementsAre("2=3", "dm"));
    kv = ReadKeys(f, "B", {"m"}, {"x"});
    EXPECT_TRUE(kv.allFound);
    EXPECT_THAT(kv.values, ElementsAre("4"));
    EXPECT_THAT(ReadKeys(f, "Z", {"k"}, {"d"}).values, ElementsAre("d"));
    EXPECT_THAT(ReadKeys(f + "x", "A", {"k"}, {"d"}).values, ElementsAre("d"));
    // Fewer defaults than keys read as empty defaults.
    EXPECT_THAT(ReadKeys(f, "Z", {"a", "b"}, {"d"}).values, ElementsAre("d", ""));
}

TEST_F(SectionFile, ListsSectionsAndTheirLines) {
    WriteFile(f,
              "junk\r\n[Version]\r\nVersion=0300\r\n\r\n[0201]\r\nAnn=1\r\n\r\nBob=2\r\n[bad\r\n");
    EXPECT_THAT(ListSections(f), ElementsAre("Version", "0201"));
    EXPECT_THAT(ReadSectionLines(f, "0201"), ElementsAre("Ann=1", "Bob=2"));
    EXPECT_THAT(ReadSectionLines(f, "Nope"), IsEmpty());
    EXPECT_THAT(ListSections(f + "x"), IsEmpty());
    EXPECT_THAT(ReadSectionLines(f + "x", "0201"), IsEmpty());
}

TEST_F(SectionFile, ReplaceInLinesAtAColumn) {
    const std::string oldName = "Player 1" + std::string(22, ' ');
    const std::string newName = "Ann" + std::string(27, ' ');
    const std::string head(81, '.');
    const std::string player10 = "Player 10" + std::string(21, ' ');
    WriteFile(f, head + oldName + "|\r\n" + head + player10 + "|\r\n" + std::string(90, '.') +
                     "\r\n" + oldName + "\r\n" + head + oldName);
    EXPECT_TRUE(ReplaceInLines(f, 82, oldName, newName));
    // Only lines whose columns 82..111 hold the old text change; the last
    // line gains its line end.
    EXPECT_EQ(ReadFile(f), head + newName + "|\r\n" + head + player10 + "|\r\n" +
                               std::string(90, '.') + "\r\n" + oldName + "\r\n" + head + newName +
                               "\r\n");
    // Texts of different lengths shift the rest of the line.
    WriteFile(f, "Player 1=x\r\nPlayer 10=y\r\n");
    EXPECT_TRUE(ReplaceInLines(f, 1, "Player 1=", "Ann="));
    EXPECT_EQ(ReadFile(f), "Ann=x\r\nPlayer 10=y\r\n");
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
    EXPECT_FALSE(ReplaceInLines(f + "x", 1, "a", "b"));
    EXPECT_FALSE(platform::FileExists(f + "x"));
}

TEST_F(SectionFile, SearchFindsAMatchAcrossTheBlockBoundary) {
    for (int64_t at : {0, 8186, 8187, 8189, 8190, 8191, 8192, 16380, 16383}) {
        std::string bytes(20000, 'x');
        bytes.replace(static_cast<size_t>(at), 6, "NEEDLE");
        WriteFile(f, bytes);
        EXPECT_EQ(FindInFile(f, "NEEDLE"), at) << at;
    }
    WriteFile(f, std::string(9000, 'x'));
    EXPECT_FALSE(FindInFile(f, "NEEDLE"));
    EXPECT_FALSE(FindInFile(f + "x", "x"));
    // A text longer than one block still works.
    std::string big(20000, 'a');
    big.replace(7000, 9000, std::string(9000, 'b'));
    WriteFile(f, big);
    EXPECT_EQ(FindInFile(f, std::string(9000, 'b')), 7000);

    // A header split by the 8192-byte boundary is found and updated.
    std::string filler = "[F]\r\n";
    while (filler.size() < 8190) filler += "pad=" + std::string(40, 'p') + "\r\n";
    filler.resize(8190 - 2);
    filler += "\r\n";
    WriteFile(f, filler + "[A]\r\nk=1\r\n");
    ASSERT_EQ(FindInFile(f, "[A]"), 8190);
    EXPECT_TRUE(WriteKey(f, "A", "k", "2"));
    EXPECT_EQ(ReadFile(f), filler + "[A]\r\nk=2\r\n");
}

TEST_F(SectionFile, MissingFilesAndFolders) {
    const std::string missing = fx.dir.file("none/STAT.DAT");
    try {
        WriteKey(f, "A", "k", "1");
        FAIL() << "no error raised";
    } catch (const SectionFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + f);
    }
    EXPECT_THROW(AppendSection(f, "A", {"k"}, {"1"}), SectionFileError);
    EXPECT_FALSE(platform::FileExists(f));
    EXPECT_FALSE(RewriteSection(f, "A", {"k"}, {"1"}));
    EXPECT_THAT(Entries(), IsEmpty());

    EXPECT_TRUE(EnsureFile(f));
    EXPECT_EQ(ReadFile(f), "");
    EXPECT_FALSE(EnsureFile(f));
    EXPECT_TRUE(WriteKey(f, "A", "k", "1"));
    EXPECT_EQ(ReadFile(f), "\r\n[A]\r\nk=1\r\n");
    EXPECT_FALSE(EnsureFile(missing));

    // A folder where the file should be is not a file.
    std::filesystem::create_directory(fx.dir.file("D.DAT"));
    EXPECT_THROW(WriteKey(fx.dir.file("D.DAT"), "A", "k", "1"), SectionFileError);
    EXPECT_FALSE(EnsureFile(fx.dir.file("D.DAT")));
    EXPECT_FALSE(ReplaceInLines(fx.dir.file("D.DAT"), 1, "a", "b"));
    EXPECT_THAT(ListSections(fx.dir.file("D.DAT")), IsEmpty());
}

TEST_F(SectionFile, EntriesThatCannotBeOneLineAreRefused) {
    WriteFile(f, kTwo);
    EXPECT_FALSE(WriteKey(f, "A", "a=b", "1"));
    EXPECT_FALSE(WriteKey(f, "A", "[x", "1"));
    EXPECT_FALSE(WriteKey(f, "A", "", "1"));
    EXPECT_FALSE(WriteKey(f, "A", "k", "1\r\n[Z]"));
    EXPECT_FALSE(WriteKey(f, "A\r\n", "k", "1"));
    EXPECT_FALSE(AppendSection(f, "C", {"k", "a=b"}, {"1", "2"}));
    EXPECT_FALSE(RewriteSection(f, "A", {"k"}, {"\n"}));
    EXPECT_EQ(ReadFile(f), kTwo);
}

TEST_F(SectionFile, BinaryAndOverlongContentSurvives) {
    std::string binary("\x00\x01\xff[A\r\n\x00=\x00\r\n", 12);
    const std::string longValue(200000, 'v');
    const std::string bytes = binary + "[A]\r\nlong=" + longValue + "\r\nk=1\r\n[B]\r\n" + binary;
    WriteFile(f, bytes);
    EXPECT_EQ(ReadKeys(f, "A", {"long"}, {""}).values[0], longValue);
    EXPECT_TRUE(WriteKey(f, "A", "k", "2"));
    std::string expected = bytes;
    expected[expected.find("k=1") + 2] = '2';
    EXPECT_EQ(ReadFile(f), expected);
    EXPECT_TRUE(WriteKey(f, "A", "new", "v"));
    EXPECT_EQ(ReadFile(f),
              binary + "[A]\r\nlong=" + longValue + "\r\nk=2\r\nnew=v\r\n\r\n[B]\r\n" + binary);
    EXPECT_TRUE(WriteKey(f, "Z", "k", "1"));
    EXPECT_TRUE(ReplaceInLines(f, 1, "new=", "old="));
    EXPECT_EQ(ReadKeys(f, "A", {"old", "long"}, {"", ""}).values,
              (std::vector<std::string>{"v", longValue}));
}

TEST_F(SectionFile, FailedRenameKeepsTheTargetAndDropsTheTemporaryFile) {
    const std::string target = fx.dir.file("busy");
    std::filesystem::create_directories(target + "/inside");
    const std::string temp = fx.dir.file("rplABC.tmp");
    WriteFile(temp, "new content");
    EXPECT_FALSE(ReplaceFileWith(temp, target));
    EXPECT_THAT(fx.dialogs.infos,
                ElementsAre("Error in renaming the file: " + temp + "\nto: " + target));
    EXPECT_FALSE(platform::FileExists(temp));
    EXPECT_TRUE(platform::DirExists(target + "/inside"));
}

TEST_F(SectionFile, ReplacementKeepsPermissionsAndNeverWritesThroughALink) {
    WriteFile(f, kTwo);
    ::chmod(f.c_str(), 0640);
    EXPECT_TRUE(WriteKey(f, "A", "m", "5"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=1\r\nm=5\r\n\r\n[B]\r\nx=2\r\n");
    struct stat st {};
    ::stat(f.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A link in the file's place is not the program's file: the file it
    // leads to is neither read nor changed, and the link stays.
    const std::string real = fx.dir.file("real/STAT.DAT");
    WriteFile(real, kTwo);
    std::filesystem::remove(f);
    std::filesystem::create_symlink(real, f);
    EXPECT_THROW(WriteKey(f, "A", "m", "5"), SectionFileError);
    EXPECT_THROW(WriteKey(f, "A", "k", "2"), SectionFileError);
    EXPECT_FALSE(RewriteSection(f, "A", {"k"}, {"3"}));
    EXPECT_THAT(fx.dialogs.infos, ElementsAre("Cannot open file " + f));
    EXPECT_TRUE(ReadKeys(f, "A", {"k"}, {"-"}).values == std::vector<std::string>{"-"});
    EXPECT_TRUE(std::filesystem::is_symlink(f));
    EXPECT_EQ(ReadFile(real), kTwo);
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT", "real"));
}

// The file is never missing or half written while it is being rewritten.
TEST_F(SectionFile, ReadersSeeTheOldOrTheNewFileAtEveryMoment) {
    const std::string one = "[A]\r\nk=1\r\n\r\n[B]\r\nx=2\r\n";
    const std::string two = "[A]\r\nk=22\r\n\r\n[B]\r\nx=2\r\n";
    WriteFile(f, one);
    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, bad{0};
    std::thread reader([&] {
        while (!done) {
            std::string s = ReadFile(f);
            if (s != one && s != two) ++bad;
            ++reads;
        }
    });
    for (int i = 0; i < 100; ++i) WriteKey(f, "A", "k", i % 2 ? "1" : "22");
    done = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(bad.load(), 0);
    EXPECT_EQ(ReadFile(f), one);
}

TEST_F(SectionFile, WriteErrorKeepsTheOldFile) {
    std::string bytes = "[A]\r\nk=1\r\n[B]\r\n";
    for (int i = 0; i < 2000; ++i)
        bytes += "key" + std::to_string(i) + "=" + std::string(20, 'v') + "\r\n";
    WriteFile(f, bytes);
    // Let the process write at most 16 KB per file: the temporary copy fails.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16384;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool rewritten = WriteKey(f, "A", "m", "5");
    const bool replaced = ReplaceInLines(f, 1, "k=", "j=");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(rewritten);
    EXPECT_FALSE(replaced);
    EXPECT_THAT(fx.dialogs.infos, ElementsAre("Write error on file", "Write error on file"));
    EXPECT_EQ(ReadFile(f), bytes);
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
}

// A folder path so long that the temporary name beside the file no longer
// fits in a path, while the file itself can still be read.
TEST_F(SectionFile, TemporaryFileThatCannotBeCreated) {
    std::string dir = fx.dir.path();
    while (dir.size() < 4088) {
        size_t room = 4090 - dir.size() - 1;
        dir += std::string(std::min<size_t>(200, room), 'd') + "/";
        ASSERT_TRUE(std::filesystem::create_directory(dir));
    }
    ASSERT_LE(dir.size(), 4094u);
    const std::string target = dir + "a";
    WriteFile(target, kTwo);
    ASSERT_EQ(ReadFile(target), kTwo);

    EXPECT_FALSE(WriteKey(target, "A", "m", "5"));
    EXPECT_FALSE(ReplaceInLines(target, 1, "k", "j"));
    EXPECT_THAT(fx.dialogs.infos,
                ElementsAre("Error creating temp file.", "Error creating temp file."));
    EXPECT_EQ(ReadFile(target), kTwo);
    // In-place updates need no temporary file.
    EXPECT_TRUE(WriteKey(target, "A", "k", "3"));
    EXPECT_EQ(ReadFile(target), "[A]\r\nk=3\r\n[B]\r\nx=2\r\n");
}

TEST_F(SectionFile, ReadOnlyFolderAndFile) {
    WriteFile(f, kTwo);
    test::WithoutRootBypass asUser;
    BW_SKIP_IF_BYPASSED(asUser);
    ::chmod(fx.dir.path().c_str(), 0555);
    EXPECT_FALSE(WriteKey(f, "A", "m", "5"));
    EXPECT_THAT(fx.dialogs.infos, ElementsAre("Error creating temp file."));
    EXPECT_TRUE(WriteKey(f, "A", "k", "4"));  // in place: the file itself is writable
    ::chmod(fx.dir.path().c_str(), 0755);
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=4\r\n[B]\r\nx=2\r\n");

    ::chmod(f.c_str(), 0444);
    EXPECT_THROW(WriteKey(f, "A", "k", "5"), SectionFileError);
    ::chmod(f.c_str(), 0);
    EXPECT_FALSE(ReplaceInLines(f, 1, "k", "j"));
    EXPECT_THAT(fx.dialogs.infos,
                ElementsAre("Error creating temp file.", "Cannot open file " + f));
    EXPECT_THAT(ReadKeys(f, "A", {"k"}, {"d"}).values, ElementsAre("d"));
    ::chmod(f.c_str(), 0644);
    EXPECT_EQ(ReadFile(f), "[A]\r\nk=4\r\n[B]\r\nx=2\r\n");
    EXPECT_THAT(Entries(), ElementsAre("STAT.DAT"));
}

}  // namespace
}  // namespace bw
