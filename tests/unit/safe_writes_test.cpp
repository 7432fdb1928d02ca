// Every kind of file the program rewrites survives a kill at any instant, a
// full disk and a read-only folder: the file always holds the old or the new
// content, and a failure shows its message.
//
// The kill test forks a child that rewrites one file in a loop and kills it
// with SIGKILL after a random time, over and over. BW_KILL_ROUNDS sets the
// number of kills per file kind (scripts/kill-test.sh runs 1000).
#include <fcntl.h>
#include <gmock/gmock.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "core/cards.h"
#include "core/params.h"
#include "core/rules.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "storage/catalogue.h"
#include "storage/daily.h"
#include "storage/preferences.h"
#include "storage/results.h"
#include "storage/resume_file.h"
#include "storage/section_file.h"
#include "storage/statistics.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;

const std::string kRecord = kClearedGameRecord;
const std::string kOtherRecord =
    "000001 000000 000000 000000 000000 000000 000000000000 000000000000";

std::string LogLine(const std::string& game, const std::string& player) {
    std::string line = std::string(25, '1') + game + std::string(52, '2') + player;
    line.resize(111, ' ');
    return line + "END";
}

std::string ScoreLine(const std::string& player) {
    std::string line = "0" + std::string(37, '5') + player;
    line.resize(68, ' ');
    return line + "99";
}

// One kind of file: its content before the loop and the rewrites of one
// turn of the loop, the last of which brings the content back.
struct FileKind {
    std::string name;  // as the program names it
    std::string base;
    std::vector<std::function<void()>> turn;
    // Contents the loop writes with random digits: the check that the file
    // is one of them (empty for kinds whose contents are fixed).
    std::function<std::string(const std::string&)> problem;
    std::function<void()> rewrite;  // one rewrite that must build a new file
    bool settings = false;          // the INI file rather than a section file
    // The program's own reader of the file, where it has one: its complaint
    // about the bytes, or empty.
    std::function<std::string(const std::string&)> refused;
};

// The single-game file with each 16-character record as "#" and a check
// that every record is valid: what stays fixed whatever digits were drawn.
// A game in play `moves` moves after its deal: a larger table and history
// with every move, and a new score and time.
ResumeRecord GameAfter(int moves) {
    ResumeRecord r;
    r.gameId = "201";
    r.gameName = "Memory-Up (6x4)";
    r.gameNumber = "0000000012345";
    r.player = "Player 1";
    r.score = std::to_string(moves * 10);
    Game& g = r.game;
    g.CardRegister.assign(52, std::string(16, ' ') + "0010");
    for (int i = 0; i < 24; ++i) g.FilaPiles[static_cast<size_t>(i)] = FormatCode(i + 1);
    // A step keeps an image of each pile: 3 stock, 16 foundation, 40
    // tableau and 10 reserve piles; the tableau's hold the grid.
    const size_t piles[4] = {3, 16, 40, 10};
    for (int m = 0; m < moves; ++m) {
        std::string image;
        for (int i = 0; i < 24; ++i) image += FormatCode(i + 1) + (i == m % 24 ? "1" : "0");
        for (size_t list = 0; list < 4; ++list)
            for (size_t p = 0; p < piles[list]; ++p)
                g.UndoLists[list].push_back(list == 2 && p < 24 ? image.substr(p * 4, 4) : "");
    }
    g.status.score = r.score;
    g.status.elapsedMs = 1000 * moves;
    g.memoryLog.turn = moves;
    return r;
}

std::string SingleGameSkeleton(const std::string& bytes, std::string& problem) {
    std::string out;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t nl = bytes.find('\n', pos);
        std::string line = bytes.substr(pos, nl == std::string::npos ? nl : nl - pos + 1);
        pos = nl == std::string::npos ? bytes.size() : nl + 1;
        if (line.size() == 26 && (line.rfind("GW-", 0) == 0 || line.rfind("GL-", 0) == 0) &&
            line[7] == '=') {
            const std::string plain = single_game::Unscramble(line.substr(8, 16));
            if (!single_game::ParseRecord(line.substr(0, 7), line[1] == 'W', plain))
                problem = "invalid record: " + line;
            line = line.substr(0, 8) + "#\r\n";
        }
        out += line;
    }
    return out;
}

class SafeWrites : public ::testing::Test {
protected:
    SafeWrites() {
        platform::MakeDir(fx.dir.path() + "DATA");
        platform::SetClock(&clock);
        ReportSettingsWriteFailures();
    }
    ~SafeWrites() override {
        platform::SetIniWriteFailureHandler(nullptr);
        platform::SetClock(nullptr);
    }

    static std::string Data(const std::string& name) { return ProgramFile("DATA\\" + name); }

    void Reset(const std::string& path, const std::string& bytes) {
        ASSERT_EQ(platform::ReplaceFileContent(path, bytes, "tst"), 0);
    }

    FileKind Settings() {
        FileKind k;
        k.name = "DATA\\Cfg.dat";
        k.settings = true;
        k.base =
            "[Preference]\r\nGame=201\r\nGame_Name=Memory-Up (6x4)\r\n"
            "MainWindowState_Width=874\r\n\r\n[Users]\r\nUser001=Player 1\r\n";
        k.turn = {[] { WritePreference(key::kGameName, "Concentration"); },
                  [] { WritePreferenceInt(key::kWindowWidth, 1000); },
                  [] { WritePreference(key::kGameName, "Memory-Up (6x4)"); },
                  [] { WritePreferenceInt(key::kWindowWidth, 874); }};
        k.rewrite = k.turn[0];
        return k;
    }

    FileKind GameStatistics() {
        const std::string f = Data("STAT.DAT");
        FileKind k;
        k.name = "DATA\\STAT.DAT";
        k.base = "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 1=" + kRecord +
                 "\r\n\r\n[202]\r\nPlayer 1=" + kRecord + "\r\n";
        const std::string base = k.base;
        k.turn = {[f] { WriteKey(f, "201", "Ann", kRecord); },            // section rewritten
                  [f] { WriteKey(f, "203", "Ann", kRecord); },            // section appended
                  [f] { ReplaceInLines(f, 1, "Ann=", "Bob="); },          // every line rewritten
                  [f] { WriteKey(f, "202", "Player 1", kOtherRecord); },  // in place
                  [this, f, base] { Reset(f, base); }};
        k.rewrite = k.turn[0];
        return k;
    }

    FileKind SingleGameValues() {
        const std::string f = Data("Stat_uni.dat");
        FileKind k;
        k.name = "Data\\Stat_uni.dat";
        EnsureFile(f);
        ClearSingleGameValues(200, "Player 1");
        k.base = ReadFile(f);
        const std::string base = k.base;
        k.turn = {[] { ClearSingleGameValues(201, "Player 1"); },  // keys added
                  [] { ClearSingleGameValues(201, "Player 2"); },  // section appended
                  [] { ClearSingleGameValues(201, "Player 1"); },  // in place
                  [this, f, base] { Reset(f, base); }};
        k.rewrite = k.turn[0];
        // Its two records are two writes: between them the file holds the
        // won record alone. Whatever the instant, every line must parse.
        k.problem = [](const std::string& bytes) -> std::string {
            std::string problem;
            const std::string skeleton = SingleGameSkeleton(bytes, problem);
            if (skeleton.rfind("\r\n[Player 1]\r\nGW-0200=#\r\nGL-0200=#\r\n", 0) != 0)
                return "the old records are gone";
            std::istringstream lines(skeleton);
            for (std::string line; std::getline(lines, line);) {
                if (line != "\r" && line != "[Player 1]\r" && line != "[Player 2]\r" &&
                    !(line.size() == 10 && line.substr(7) == "=#\r"))
                    return "a line that does not parse: " + line;
            }
            return problem;
        };
        return k;
    }

    FileKind GameLog() {
        const std::string f = Data("Stat_log.dat");
        FileKind k;
        k.name = "Data\\Stat_log.dat";
        k.base = LogLine("0201", "Player 1") + "\r\n" + LogLine("0201", "Player 2") + "\r\n" +
                 LogLine("0202", "Player 1") + "\r\n";
        const std::string base = k.base;
        k.turn = {[] { RenamePlayerInStatistics("Player 1", "Ann"); },
                  [] { ClearPlayerStatistics("Ann"); },  // the player's lines dropped
                  [this, f, base] { Reset(f, base); }};
        k.rewrite = k.turn[0];
        return k;
    }

    FileKind HiScores() {
        const std::string f = Data("STAT_SCR.DAT");
        FileKind k;
        k.name = "DATA\\STAT_SCR.DAT";
        k.base = "[Version]\r\nVersion=0200\r\n\r\n" + ScoreLine("Player 1") + "\r\n" +
                 ScoreLine("Player 2") + "\r\n";
        const std::string base = k.base;
        k.turn = {[] { UpgradeScoreFile(); }, [] { RenamePlayerInStatistics("Player 1", "Ann"); },
                  [this, f, base] { Reset(f, base); }};
        k.rewrite = k.turn[0];
        return k;
    }

    FileKind Results() {
        const std::string f = Data("Results.dat");
        FileKind k;
        k.name = "DATA\\Results.dat";
        ResultRecord r;
        r.Add({8, 60, 0, 0, true, 20030601});
        // The first format: the loop's first step upgrades it.
        k.base =
            "[Version]\r\nVersion=0001\r\n\r\n[200]\r\nPlayer 1=" + FormatResultRecord(r) + "\r\n";
        const std::string base = k.base;
        const GameResult game{5, 70, 1, 0, true, 20030602};
        k.turn = {[] { ReadPlayerResults("Player 1"); },                // whole file upgraded
                  [game] { RecordGameResult(200, "Player 1", game); },  // in place
                  [game] { RecordGameResult(201, "Player 2", game); },  // section appended
                  [game] { RecordGameResult(200, "Player 2", game); },  // section rewritten
                  [] { RenamePlayerInStatistics("Player 2", "Ann"); },  // sections rewritten
                  [this, f, base] {
                      Reset(f, base);
                      ResetResultsSession();
                  }};
        k.rewrite = [game] { RecordGameResult(200, "Player 1", game); };
        return k;
    }

    // The deal of the day's marks: a section appended, an entry in place, one
    // added to a section, a player renamed (one whole rewrite).
    FileKind DailyMarks() {
        const std::string f = Data("Daily.dat");
        FileKind k;
        k.name = "DATA\\Daily.dat";
        RecordDailyGame(202, "Zoe", 20261201);
        k.base = ReadFile(f);
        const std::string base = k.base;
        k.turn = {[] { RecordDailyGame(201, "Ann", 20261208); },
                  [] { RecordDailyGame(201, "Ann", 20261209); },
                  [] { RecordDailyGame(201, "Bob", 20261209); },
                  [] { RenamePlayerDaily("Bob", "Cy"); }, [this, f, base] { Reset(f, base); }};
        k.rewrite = k.turn[0];
        return k;
    }

    // The unfinished game kept over closing: whole games of different sizes
    // replace each other.
    FileKind ResumeGame() {
        FileKind k;
        k.name = "DATA\\Resume.dat";
        k.base = ResumeText(GameAfter(3));
        const ResumeRecord later = GameAfter(400), shorter = GameAfter(40), base = GameAfter(3);
        k.turn = {[later] { ASSERT_EQ(WriteResumeFile(later), 0); },
                  [shorter] { ASSERT_EQ(WriteResumeFile(shorter), 0); },
                  [base] { ASSERT_EQ(WriteResumeFile(base), 0); }};
        k.rewrite = k.turn[0];
        k.refused = [](const std::string& bytes) {
            ResumeRecord read;
            std::string error;
            return ReadResumeText(bytes, read, error) ? std::string() : "not read: " + error;
        };
        return k;
    }

    // Each kind alone in an empty DATA folder (an operation may touch every
    // statistics file that exists). The resume file's writer reports its
    // failures to its caller rather than by a message: it joins the kill test
    // alone (`withResume`).
    template <class Body>
    void ForEachKind(Body body, bool withResume = false) {
        using Make = FileKind (SafeWrites::*)();
        std::vector<Make> makes = {&SafeWrites::Settings,         &SafeWrites::GameStatistics,
                                   &SafeWrites::SingleGameValues, &SafeWrites::GameLog,
                                   &SafeWrites::HiScores,         &SafeWrites::Results,
                                   &SafeWrites::DailyMarks};
        if (withResume) makes.push_back(&SafeWrites::ResumeGame);
        for (Make make : makes) {
            std::filesystem::path data = ProgramFile("DATA\\");
            for (const auto& e : std::filesystem::directory_iterator(data))
                std::filesystem::remove(e.path());
            fx.dialogs.infos.clear();
            ResetResultsSession();
            body((this->*make)());
        }
    }

    std::string PathOf(const FileKind& k) const { return ProgramFile(k.name); }

    // Every content one turn of the loop leaves, in the form the check compares.
    std::set<std::string> Contents(const FileKind& k) {
        std::set<std::string> seen;
        Reset(PathOf(k), k.base);
        for (int round = 0; round < 2; ++round) {
            for (const auto& step : k.turn) {
                step();
                seen.insert(Comparable(k, ReadFile(PathOf(k))));
            }
        }
        return seen;
    }

    std::string Comparable(const FileKind& k, const std::string& bytes) const {
        if (!k.problem) return bytes;
        std::string ignored;
        return SingleGameSkeleton(bytes, ignored);
    }

    std::vector<std::string> TemporaryFiles() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(fx.dir.path() + "DATA"))
            if (e.path().extension() == ".tmp") out.push_back(e.path().string());
        return out;
    }

    // Runs `body` in a process that may not write past 64 bytes.
    static void WithSmallFileLimit(const std::function<void()>& body) {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        body();
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, oldHandler);
    }

    test::CoreFixture fx;
    platform::ManualClock clock;
};

int KillRounds() {
    const char* env = std::getenv("BW_KILL_ROUNDS");
    return env && std::atoi(env) > 0 ? std::atoi(env) : 10;
}

// Runs `turn` in a child process until it is killed, `rounds` times, and
// checks the file after each kill.
TEST_F(SafeWrites, EveryFileSurvivesKillsAtRandomInstants) {
    const int rounds = KillRounds();
    const unsigned seed = std::random_device{}();
    std::mt19937 rng(seed);
    std::printf("seed %u, %d kills per file kind\n", seed, rounds);
    // BW_KILL_KINDS=Results (part of a name) kills only the kinds it names.
    const char* only = std::getenv("BW_KILL_KINDS");
    ForEachKind(
        [&](const FileKind& kind) {
            if (only && kind.name.find(only) == std::string::npos) return;
            const std::string path = PathOf(kind);
            const auto t0 = std::chrono::steady_clock::now();
            const std::set<std::string> contents = Contents(kind);
            const auto turnUs = std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::steady_clock::now() - t0)
                                    .count() /
                                2;
            ASSERT_THAT(fx.dialogs.infos, ::testing::IsEmpty()) << kind.name;
            // Kill instants spread over three turns of the loop, so every step
            // and every stage of a step is hit.
            std::uniform_int_distribution<long> delay(0, std::max<long>(3 * turnUs, 1000));
            int midWrite = 0, failures = 0;
            std::set<std::string> found;
            for (int r = 0; r < rounds; ++r) {
                Reset(path, kind.base);
                const pid_t child = fork();
                ASSERT_GE(child, 0);
                if (child == 0) {
                    try {
                        for (;;)
                            for (const auto& step : kind.turn) step();
                    } catch (...) {
                    }
                    _exit(3);
                }
                usleep(static_cast<useconds_t>(delay(rng)));
                kill(child, SIGKILL);
                int status = 0;
                waitpid(child, &status, 0);
                ASSERT_TRUE(WIFSIGNALED(status)) << kind.name << ": the loop stopped by itself";
                const std::string bytes = ReadFile(path);
                std::string problem = kind.problem ? kind.problem(bytes) : std::string();
                if (problem.empty() && kind.refused) problem = kind.refused(bytes);
                const std::string form = Comparable(kind, bytes);
                if (!platform::FileExists(path) || !problem.empty() ||
                    (!kind.problem && !contents.count(form))) {
                    ++failures;
                    ADD_FAILURE() << kind.name << " after kill " << r << " (seed " << seed << "): "
                                  << (problem.empty() ? "not a content the loop writes" : problem)
                                  << "\n"
                                  << bytes;
                }
                found.insert(form);
                const auto temps = TemporaryFiles();
                midWrite += temps.empty() ? 0 : 1;
                for (const auto& t : temps) std::remove(t.c_str());
            }
            std::printf(
                "%-20s %5d kills, %5d inside a rewrite (temporary file left), %zu "
                "different contents found, %d damaged\n",
                kind.name.c_str(), rounds, midWrite, found.size(), failures);
            std::fflush(stdout);
        },
        true);
}

// The message each kind shows when its rewrite fails, for a failure whose
// system reason is `reason`.
std::string FailureMessage(const FileKind& kind, const std::string& path, bool noTempFile,
                           int reason) {
    if (kind.settings) return kSettingsWriteErrorText + path + "\n" + std::strerror(reason);
    return noTempFile ? section_msg::kTempFile : section_msg::kWriteError;
}

TEST_F(SafeWrites, FullDiskKeepsTheOldContentAndSaysSo) {
    // A process that may not write past 64 bytes: the new copies cannot be made.
    ForEachKind([&](const FileKind& kind) {
        const std::string path = PathOf(kind);
        Reset(path, kind.base);
        WithSmallFileLimit(kind.rewrite);
        clock.Advance(10000);
        EXPECT_THAT(fx.dialogs.infos,
                    ::testing::ElementsAre(FailureMessage(kind, path, false, EFBIG)))
            << kind.name;
        EXPECT_EQ(ReadFile(path), kind.base) << kind.name;
        EXPECT_THAT(TemporaryFiles(), ::testing::IsEmpty()) << kind.name;
    });

    // A real full disk: a small file system filled up.
    const std::string mnt = fx.dir.path() + "small/";
    platform::MakeDir(mnt);
    if (mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    SetProgramDir(mnt);
    platform::MakeDir(mnt + "DATA");
    ForEachKind([&](const FileKind& kind) {
        const std::string path = PathOf(kind);
        Reset(path, kind.base);
        WriteFile(mnt + "filler", std::string(1 << 20, 'f'));  // fills the rest
        kind.rewrite();
        clock.Advance(10000);
        EXPECT_THAT(fx.dialogs.infos,
                    ::testing::ElementsAre(FailureMessage(kind, path, false, ENOSPC)))
            << kind.name;
        EXPECT_EQ(ReadFile(path), kind.base) << kind.name;
        std::remove((mnt + "filler").c_str());
    });
    umount(mnt.c_str());
}

TEST_F(SafeWrites, ReadOnlyFolderKeepsTheOldContentAndSaysSo) {
    {
        test::WithoutRootBypass probe;
        BW_SKIP_IF_BYPASSED(probe);
    }
    ForEachKind([&](const FileKind& kind) {
        const std::string path = PathOf(kind);
        Reset(path, kind.base);
        ::chmod((fx.dir.path() + "DATA").c_str(), 0555);
        {
            test::WithoutRootBypass asUser;
            kind.rewrite();
        }
        ::chmod((fx.dir.path() + "DATA").c_str(), 0755);
        clock.Advance(10000);
        EXPECT_THAT(fx.dialogs.infos,
                    ::testing::ElementsAre(FailureMessage(kind, path, true, EACCES)))
            << kind.name;
        EXPECT_EQ(ReadFile(path), kind.base) << kind.name;
    });
}

// What a player (or an intruder) can put in the place of a file the program
// writes, beside a folder outside DATA that must stay as it is.
struct Intruder {
    const char* what;
    std::function<bool(const std::string& path, const std::string& outside)> make;
    // The settings writer's reason; the section files say "Cannot open file".
    const char* reason;
};

// Opens a pipe for writing now and then while it lives, so that a reader
// that waits on one is released and the wait is seen, not hung on.
class PipeWatch {
public:
    explicit PipeWatch(std::vector<std::string> pipes) : pipes_(std::move(pipes)) {
        thread_ = std::thread([this] {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (!done_) {
                if (std::chrono::steady_clock::now() > until) {
                    for (const std::string& p : pipes_) {
                        const int fd = ::open(p.c_str(), O_WRONLY | O_NONBLOCK);
                        if (fd >= 0) {
                            waited_ = true;
                            ::close(fd);
                        }
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~PipeWatch() { Stop(); }
    // True when a reader was found waiting on a pipe.
    bool Stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return waited_;
    }

private:
    std::vector<std::string> pipes_;
    std::atomic<bool> done_{false}, waited_{false};
    std::thread thread_;
};

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A link, a device, a pipe, a folder or a read-only file in a written file's
// place: each writer refuses with its message for a file it cannot write,
// and nothing outside DATA (nor the thing in the place) is created,
// replaced or changed. Run as root, as the install and test scripts run.
TEST_F(SafeWrites, NothingIsWrittenThroughWhatIsNotAPlainFileOfItsOwn) {
    const std::string outside = fx.dir.path() + "outside/";
    platform::MakeDir(outside);
    const std::string text = "a text file of someone else's\n";
    const std::vector<Intruder> intruders = {
        {"a link to a text file elsewhere",
         [&](const std::string& p, const std::string& o) {
             WriteFile(o + "text", text);
             return ::symlink((o + "text").c_str(), p.c_str()) == 0;
         },
         "Is a symbolic link"},
        {"a link to a device elsewhere",
         [&](const std::string& p, const std::string& o) {
             // The null device's numbers, in a node of the test's own.
             return ::mknod((o + "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                    ::symlink((o + "null").c_str(), p.c_str()) == 0;
         },
         "Is a symbolic link"},
        {"a dangling link",
         [&](const std::string& p, const std::string& o) {
             return ::symlink((o + "new").c_str(), p.c_str()) == 0;
         },
         "Is a symbolic link"},
        {"a pipe",
         [](const std::string& p, const std::string&) { return ::mkfifo(p.c_str(), 0666) == 0; },
         "Is not a regular file"},
        {"a folder", [](const std::string& p, const std::string&) { return platform::MakeDir(p); },
         "Is a directory"},
    };
    for (const Intruder& in : intruders) {
        ForEachKind([&](const FileKind& kind) {
            SCOPED_TRACE(std::string(in.what) + " as " + kind.name);
            const std::string path = PathOf(kind);
            std::filesystem::remove_all(outside);
            platform::MakeDir(outside);
            std::filesystem::remove_all(path);
            if (!in.make(path, outside)) {
                ADD_FAILURE() << "cannot make it here: " << std::strerror(errno);
                return;
            }
            struct stat before {};
            ::lstat(path.c_str(), &before);
            const std::vector<std::string> outsideBefore = FilesIn(outside);
            PipeWatch watch({path});
            try {
                kind.rewrite();
            } catch (const SectionFileError& e) {
                fx.dialogs.infos.push_back(e.what());
            }
            EXPECT_FALSE(watch.Stop()) << "waited on a pipe";
            clock.Advance(10000);
            platform::FinishIniWrites();
            if (kind.settings) {
                EXPECT_THAT(fx.dialogs.infos, ::testing::ElementsAre(kSettingsWriteErrorText +
                                                                     path + "\n" + in.reason));
            } else {
                // Operations that skip a missing file skip this one too.
                for (const std::string& info : fx.dialogs.infos)
                    EXPECT_EQ(info, "Cannot open file " + path);
            }
            struct stat after {};
            ASSERT_EQ(::lstat(path.c_str(), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
            EXPECT_EQ(FilesIn(outside), outsideBefore);
            if (outsideBefore == std::vector<std::string>{"text"}) {
                EXPECT_EQ(ReadFile(outside + "text"), text);
            }
            if (outsideBefore == std::vector<std::string>{"null"}) {
                struct stat node {};
                ::lstat((outside + "null").c_str(), &node);
                EXPECT_TRUE(S_ISCHR(node.st_mode));
            }
            EXPECT_THAT(TemporaryFiles(), ::testing::IsEmpty());
            std::filesystem::remove_all(path);
        });
    }

    // A read-only file in a writable folder: refused like a read-only
    // results file, for root too, and kept as it is.
    ForEachKind([&](const FileKind& kind) {
        SCOPED_TRACE("read-only " + kind.name);
        const std::string path = PathOf(kind);
        Reset(path, kind.base);
        ::chmod(path.c_str(), 0444);
        try {
            kind.rewrite();
        } catch (const SectionFileError& e) {
            fx.dialogs.infos.push_back(e.what());
        }
        clock.Advance(10000);
        platform::FinishIniWrites();
        if (kind.settings) {
            EXPECT_THAT(fx.dialogs.infos, ::testing::ElementsAre(kSettingsWriteErrorText + path +
                                                                 "\nPermission denied"));
        } else {
            EXPECT_THAT(fx.dialogs.infos, ::testing::Contains("Cannot open file " + path));
        }
        EXPECT_EQ(ReadFile(path), kind.base);
        ::chmod(path.c_str(), 0644);
    });
}

// Every reader of the program's files looks at a file before it opens it: a
// pipe in the place of any of them is a file it cannot use, never a wait.
TEST_F(SafeWrites, NoReaderWaitsOnAPipe) {
    const std::vector<std::string> names = {"Cfg.dat",      "STAT.DAT",     "Stat_uni.dat",
                                            "Stat_log.dat", "STAT_SCR.DAT", "Results.dat",
                                            "GAM_CUST.DAT"};
    std::vector<std::string> pipes;
    for (const std::string& n : names) {
        pipes.push_back(Data(n));
        ASSERT_EQ(::mkfifo(pipes.back().c_str(), 0666), 0) << n;
    }
    pipes.push_back(fx.dir.path() + "GAMES.DAT");
    ASSERT_EQ(::mkfifo(pipes.back().c_str(), 0666), 0);
    PipeWatch watch(pipes);
    EXPECT_EQ(platform::IniReadString(Data("Cfg.dat"), "Preference", "Game", "none"), "none");
    EXPECT_EQ(ReadKeys(Data("STAT.DAT"), "201", {"Ann"}, {"-"}).values[0], "-");
    EXPECT_TRUE(ReadSingleGameValues(201, "Ann").has_value());
    UpgradeScoreFile();
    RenamePlayerInStatistics("Ann", "Bob");
    EXPECT_TRUE(ReadPlayerResults("Ann").empty());
    CustomGames custom;
    EXPECT_FALSE(ReadCustomGames(custom));
    EXPECT_FALSE(LoadCatalogue());
    EXPECT_TRUE(ReadGamesSection(fx.dir.path() + "GAMES.DAT", "Sect1").empty());
    std::string bytes;
    EXPECT_EQ(platform::ReadRegularFile(Data("Cfg.dat"), bytes, 1 << 20), ENODEV);
    EXPECT_FALSE(watch.Stop()) << "a reader waited on a pipe";
}

TEST_F(SafeWrites, BackgroundWritesLeaveTheSameBytesAndTellFailuresAtOnce) {
    const FileKind kind = Settings();
    const std::string path = PathOf(kind);
    auto writeAll = [&] {
        for (const auto& write : kind.turn) write();
        WritePreference(key::kGameName, "Golf");
        WriteSetting(section::kParameters, key::kRunExe, "7");
    };
    Reset(path, kind.base);
    writeAll();
    const std::string expected = ReadFile(path);

    Reset(path, kind.base);
    clock.Advance(10000);  // the file is still again: it is read anew
    platform::SetBackgroundWrites(true);
    struct Off {
        ~Off() { platform::SetBackgroundWrites(false); }
    } off;
    writeAll();
    // Seen at once, before it is on the disk.
    EXPECT_EQ(ReadPreference(key::kGameName, ""), "Golf");
    EXPECT_EQ(ReadSettingInt(section::kParameters, key::kRunExe, 0), 7);
    platform::FinishIniWrites();
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_THAT(TemporaryFiles(), ::testing::IsEmpty());
    EXPECT_THAT(fx.dialogs.infos, ::testing::IsEmpty());

    // A full disk shows in the write itself, before anything is handed over.
    WithSmallFileLimit([] { EXPECT_FALSE(WritePreference(key::kGameName, "Pyramid")); });
    EXPECT_THAT(fx.dialogs.infos, ::testing::ElementsAre(FailureMessage(kind, path, false, EFBIG)));
    EXPECT_EQ(ReadPreference(key::kGameName, ""), "Golf");

    // So does a folder where the file should be, which only the swap would meet.
    const std::string folder = Data("Folder.dat");
    platform::MakeDir(folder);
    EXPECT_FALSE(platform::IniWriteString(folder, "A", "b", "c"));
    platform::FinishIniWrites();
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_THAT(TemporaryFiles(), ::testing::IsEmpty());
}

}  // namespace
}  // namespace bw
