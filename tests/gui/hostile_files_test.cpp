// Broken and hostile files at start-up and in play, through the real main
// window on the shipped games: each gives its message (naming the file) or
// falls back to what works, and the window stays usable: it deals, takes
// presses, double- and right-clicks, shortcuts and resizes, and draws.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <unistd.h>

#include <QBuffer>
#include <QMenu>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <random>

#include "app/startup.h"
#include "core/game.h"
#include "core/rules.h"
#include "platform/ini.h"
#include "play_support.h"
#include "render/images.h"
#include "render/library.h"
#include "render/rule_check.h"
#include "storage/catalogue.h"
#include "storage/games_source.h"
#include "storage/preferences.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Closes every modal dialog that opens while it lives (a game that ends
// under the random presses shows its result).
class CloseModals {
public:
    CloseModals() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

class HostileFiles : public WindowPlayOn<ShellTable> {
protected:
    HostileFiles() : WindowPlayOn(std::string(BW_PROGRAM_DIR) + "GAMES.DAT") {
        platform::MakeDir(dir.path() + "DATA");
        ReportSettingsWriteFailures();
    }
    ~HostileFiles() override { platform::SetIniWriteFailureHandler(nullptr); }

    // Start-up as the program runs it, then a little of everything a player
    // does; the table must be drawn at the end.
    void StartAndPlay() {
        Start();
        Play();
    }

    // A fresh program start on the files as they are.
    void Start() {
        ResetProgramState(ProgramGame(), dir.path());
        ASSERT_TRUE(window.FormCreate());
        window.RestorePlacement();
        window.show();
        window.Activated();
    }

    static int GameId() { return std::stoi(ProgramGame().values.id); }

    void Play() {
        CloseModals closer;
        std::mt19937 rng(16);
        TableWidget* widget = window.imgSfondo;
        for (int i = 0; i < 40; ++i) {
            const QPoint at(static_cast<int>(rng() % std::max(widget->width(), 1)),
                            static_cast<int>(rng() % std::max(widget->height(), 1)));
            switch (i % 5) {
                case 0:
                case 1: QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at); break;
                case 2: QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at); break;
                case 3: QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, at); break;
                case 4:
                    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
                    QTest::mouseMove(widget, at + QPoint(40, 60));
                    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier,
                                        at + QPoint(40, 60));
                    break;
            }
        }
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_F2);
        window.resize(700, 500);
        window.resize(1000, 720);
        QCoreApplication::processEvents();
        const QImage shot = window.grab().toImage();
        EXPECT_FALSE(shot.isNull());
        const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
        if (!keep.isEmpty()) {
            static int n = 0;
            shot.save(
                QStringLiteral("%1/hostile_%2_%3.png")
                    .arg(keep, ::testing::UnitTest::GetInstance()->current_test_info()->name())
                    .arg(++n));
        }
        EXPECT_TRUE(window.isVisible());
    }

    std::string Cfg() const { return ProgramFile("DATA\\Cfg.dat"); }

    // The shipped games with `change` applied to the rules of game `id`.
    void WriteGamesWith(int id, const std::vector<std::pair<int, int>>& change) {
        std::vector<GameSource> games;
        std::vector<std::string> notes;
        ASSERT_TRUE(DecodeGames(ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT"), games, notes));
        for (GameSource& g : games) {
            if (g.id != id) continue;
            for (auto [index, value] : change) {
                auto it = std::find_if(g.rules.begin(), g.rules.end(),
                                       [&](const RuleSource& r) { return r.index >= index; });
                if (it == g.rules.end() || it->index != index)
                    it = g.rules.insert(it, RuleSource{index, "", 0, ""});
                it->value = value;
            }
        }
        std::string bytes;
        ASSERT_TRUE(CompileGames(games, bytes, notes)) << ::testing::PrintToString(notes);
        dir.write("GAMES.DAT", bytes);
    }
};

TEST_F(HostileFiles, DamagedSettingsFilesGiveTheDefaults) {
    std::mt19937 rng(3);
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(rng());
    const std::string good =
        "[Preference]\r\nGame=202\r\nGame_name=Memory-Up (8x5)\r\nCard_Size=M\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        int game;
    } cases[] = {
        {"binary", binary, 201},
        {"truncated in a line", good.substr(0, good.size() - 6), 202},
        {"zero bytes", "", 201},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("DATA/Cfg.dat", c.bytes);
        StartAndPlay();
        EXPECT_EQ(GameId(), c.game);
        EXPECT_THAT(dialogs.errors, IsEmpty());
        EXPECT_THAT(dialogs.infos, IsEmpty());
    }
}

// A folder, or megabytes of junk that no settings file ever holds: the
// defaults, and every save refused with the file and the reason, never
// overwriting what is there.
TEST_F(HostileFiles, SettingsFileThatCannotBeRewrittenSaysSo) {
    std::filesystem::create_directory(Cfg());
    StartAndPlay();
    EXPECT_EQ(GameId(), 201);
    // The first run's players cannot be written: told once.
    EXPECT_THAT(dialogs.infos,
                ElementsAre(std::string(kSettingsWriteErrorText) + Cfg() + "\nIs a directory"));

    std::filesystem::remove(Cfg());
    const std::string junk(3 << 20, '\n');
    dir.write("DATA/Cfg.dat", junk);
    dialogs.infos.clear();
    clock.Advance(10000);
    const auto started = std::chrono::steady_clock::now();
    StartAndPlay();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(GameId(), 201);
    EXPECT_THAT(dialogs.infos,
                ElementsAre(std::string(kSettingsWriteErrorText) + Cfg() + "\nFile too large"));
    EXPECT_EQ(ReadFile(Cfg()), junk);

    // UTF-16 (as an editor may save it), with and without its byte order
    // mark: refused whole, never given single-byte lines.
    for (const std::string& mark : {std::string("\xFF\xFE"), std::string()}) {
        std::string utf16 = mark;
        for (char c : std::string("[Preference]\r\nGame=202\r\n")) utf16 += {c, '\0'};
        dir.write("DATA/Cfg.dat", utf16);
        dialogs.infos.clear();
        clock.Advance(10000);
        StartAndPlay();
        EXPECT_EQ(GameId(), 201);
        EXPECT_THAT(dialogs.infos, ElementsAre(std::string(kSettingsWriteErrorText) + Cfg() +
                                               "\nIs in UTF-16, which the program does not read"));
        EXPECT_EQ(ReadFile(Cfg()), utf16);
    }
}

TEST_F(HostileFiles, AbsurdNumbersInTheSettings) {
    dir.write("DATA/Cfg.dat",
              "[Preference]\r\nMainWindowState_Maximized=N\r\nMainWindowState_Left=-2000000000\r\n"
              "MainWindowState_Top=90000\r\nMainWindowState_Width=60000\r\n"
              "MainWindowState_Height=-300\r\nBack_Card=999999\r\nCard=-7\r\nCard_Size=Q\r\n"
              "Speed_Move_Card=-5\r\nCursor=77777\r\nLanguage=-1\r\nUndo_Enabled=9\r\n"
              "AutoPlay_All_Games=-3\r\nHighLights_Foundations_Mark=70000\r\n"
              "Background_bmp=99999\r\nBackground_Col=-1\r\nBackground_Fixed_Col=-99999999\r\n"
              "Winning_Animations_Time=2147483647\r\nCards_Animate=Y\r\nDeal_Animation=Y\r\n"
              "[Settings]\r\nRandom_Game_Type=99\r\nGames_Fast_Search_Type=-1\r\n"
              "[Parameters]\r\nRun_Exe=-2147483648\r\n");
    Start();
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    // Brought back onto the 1024 x 768 screen, as wide as it.
    EXPECT_EQ(window.geometry(), QRect(0, 150, 1024, 618));
    Play();
    EXPECT_THAT(dialogs.errors, IsEmpty());
}

TEST_F(HostileFiles, StoredGameThatDoesNotExistLeavesTheOpenCommand) {
    dir.write("DATA/Cfg.dat",
              "[Preference]\r\nGame=7777\r\nGame_name=" + std::string(300, 'x') + "\r\n");
    StartAndPlay();
    EXPECT_EQ(GameId(), -1);
    EXPECT_TRUE(window.tbOpen->isEnabled());
}

TEST_F(HostileFiles, DamagedGamesFileIsFatalWithItsMessage) {
    const std::string shipped = ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
    const std::string path = dir.path() + "GAMES.DAT";
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"garbage", std::string(5000, '\x9c'), "holds no game of this edition"},
        {"zero bytes", "", "holds no game of this edition"},
        {"cut inside the catalogue", shipped.substr(0, 9), "holds no game of this edition"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.errors.clear();
        dir.write("GAMES.DAT", c.bytes);
        ResetProgramState(ProgramGame(), dir.path());
        EXPECT_FALSE(window.FormCreate());
        ASSERT_EQ(dialogs.errors.size(), 1u);
        EXPECT_THAT(dialogs.errors[0], HasSubstr(path));
        EXPECT_THAT(dialogs.errors[0], HasSubstr(c.message));
    }
    // A folder in its place is as good as missing.
    dialogs.errors.clear();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(window.FormCreate());
    EXPECT_THAT(dialogs.errors, ElementsAre(HasSubstr("Cannot find file:\n" + path)));
}

// Cut after its catalogue, the games lose some or all of their rules: a game
// whose rules are cut off is named and never dealt, so no deal and no exit is
// recorded as a lost game; a game whose column is whole still plays.
TEST_F(HostileFiles, GamesFileCutInsideTheRules) {
    const std::string shipped = ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
    const size_t rules = shipped.find("[Sect2]");
    ASSERT_NE(rules, std::string::npos);
    const std::string results = dir.path() + "DATA/Results.dat";
    for (size_t cut : {rules + 3, rules + (shipped.size() - rules) / 2}) {
        SCOPED_TRACE(cut);
        dir.write("GAMES.DAT", shipped.substr(0, cut));
        std::filesystem::remove(results);
        dialogs.infos.clear();
        StartAndPlay();
        EXPECT_EQ(GameId(), 201);
        EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
        ASSERT_FALSE(dialogs.infos.empty());
        EXPECT_THAT(dialogs.infos[0], HasSubstr("\"Memory-Up (6x4)\" cannot be read"));
        window.close();
        EXPECT_FALSE(std::filesystem::exists(results));
    }
    // Cut inside the last column only.
    dir.write("GAMES.DAT", shipped.substr(0, shipped.size() - 7));
    dialogs.infos.clear();
    Start();
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_THAT(dialogs.infos, IsEmpty());
}

TEST_F(HostileFiles, RuleValuesOutOfRange) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> rules;
        const char* damage;  // what the message says
    } cases[] = {
        {"99 tableau piles", {{368, 99}}, "entry 368: 99 tableau piles (0 to 40)"},
        {"negative and huge pile counts",
         {{367, -5}, {369, 32767}, {366, 9}, {370, -9}},
         "entry 367: -5 foundations (0 to 16)\nentry 369: 32767 reserve cells (0 to 10)"},
        {"a layout style that does not exist",
         {{359, 777}, {360, 9}},
         "entry 359: tableau layout style 777 does not exist"},
        {"a deal larger than the pack",
         {{375, 500}, {376, 32767}, {372, 900}, {455, 300}},
         "the deal needs 1712 cards, the pack holds at most 104"},
        {"a pack of no known size",
         {{371, 9999}, {374, 99}, {47, 7}},
         "entry 374: 99 jokers (0 to 4)\nentry 371: 9999 cards in the pack (0 to 104)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteGamesWith(201, c.rules);
        dialogs.infos.clear();
        StartAndPlay();
        EXPECT_EQ(GameId(), 201);
        EXPECT_THAT(dialogs.errors, IsEmpty());
        // Told once, whatever the new deals since (a pack of no known size
        // also gets the deal's own error).
        EXPECT_THAT(dialogs.infos, ::testing::IsSupersetOf(
                                       {"The rules of the game \"Memory-Up (6x4)\" in the file\n" +
                                        dir.path() + "GAMES.DAT\nare damaged:\n" + c.damage +
                                        "\nThe game may not play as it should; reinstalling the "
                                        "program repairs the file."}));
        EXPECT_EQ(std::count_if(dialogs.infos.begin(), dialogs.infos.end(),
                                [](const std::string& i) { return i.find("damaged") != i.npos; }),
                  1);
    }
    // Values no check can judge still leave a usable window.
    WriteGamesWith(201, {{51, 30000}, {34, -40}, {3, 99}, {1, -1}, {38, 7}});
    StartAndPlay();
}

// None of the games the program ships or its tests play is reported.
TEST_F(HostileFiles, GoodRulesAreNotReported) {
    for (const std::string& games :
         {std::string(BW_PROGRAM_DIR) + "GAMES.DAT", std::string(BW_TEST_GAMES_DAT)}) {
        dir.write("GAMES.DAT", ReadFile(games));
        ASSERT_TRUE(LoadCatalogue());
        for (const std::string& line : MainGame.catalogue) {
            const int id = ParseCatalogueLine(line).id;
            LoadGameRules(ProgramGame(), id);
            EXPECT_EQ(RuleDamage(ProgramGame()), "") << games << " game " << id;
        }
    }
}

// A copy, an install or a rebuild into the program folder truncates or
// rewrites the library and the games file in place while the game runs:
// the game plays on with what it read at start-up, every picture and sound
// included, never reading the changed files (which used to kill it with
// SIGBUS at the next look-up).
TEST_F(HostileFiles, ProgramFilesRewrittenUnderTheRunningGame) {
    const std::string library = dir.path() + "QLR.RGF";
    dir.write("QLR.RGF", ReadFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF"));
    FreeResourceLibrary();
    ASSERT_TRUE(LoadResourceLibraryFile(library));
    StartAndPlay();
    const std::vector<std::string> names = LibraryBitmapNames();
    ASSERT_FALSE(names.empty());
    const QImage before = LibraryBitmap(names.back());
    const QByteArray won = LibrarySoundData("Won");
    const std::vector<std::string> games = AllGameNames();
    const std::string shipped = ReadFile(dir.path() + "GAMES.DAT");

    // Cut to nothing, then partly written again, in place (same file).
    for (const std::string& path : {library, dir.path() + "GAMES.DAT"}) {
        ASSERT_EQ(::truncate(path.c_str(), 0), 0);
        const int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        const std::string noise(5000, '\x9c');
        ASSERT_EQ(::pwrite(fd, noise.data(), noise.size(), 0), 5000);
        ::close(fd);
    }
    for (const std::string& name : names) {
        QImage img;
        EXPECT_TRUE(LoadLibraryBitmap(img, name)) << name;
    }
    EXPECT_EQ(LibraryBitmap(names.back()), before);
    EXPECT_EQ(LibrarySoundData("Won"), won);
    EXPECT_EQ(AllGameNames(), games);
    // New deals of this game and another, as a player would make them.
    Play();
    EXPECT_EQ(GameId(), 201);
    LoadGameRules(ProgramGame(), 202);
    EXPECT_TRUE(std::any_of(ProgramGame().GameRules.begin(), ProgramGame().GameRules.end(),
                            [](int16_t v) { return v != 0; }));
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_THAT(dialogs.errors, IsEmpty());
    EXPECT_EQ(ReadFile(dir.path() + "GAMES.DAT").size(), 5000u);

    FreeResourceLibrary();
    ASSERT_TRUE(LoadResourceLibraryFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF"));
    dir.write("GAMES.DAT", shipped);
}

// The player's own pictures: each unusable one is named in the Part's
// message, forgotten, and the built-in picture is used instead.
TEST_F(HostileFiles, OwnPicturesThatCannotBeUsed) {
    const QImage pixels = [] {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        return img;
    }();
    const std::string bmp = dir.path() + "pic.bmp";
    ASSERT_TRUE(pixels.save(QString::fromStdString(bmp), "BMP"));
    const std::string goodBmp = ReadFile(bmp);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(pixels.save(&buffer, "JPG"));
    }
    std::string huge = jpeg.toStdString();
    const size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge.replace(sof + 5, 4, "\xFF\xDC\xFF\xDC");  // 65500 x 65500
    std::string lying = goodBmp;
    lying[18] = '\x40';  // 64 becomes 16448 pixels wide: more than the data
    lying[19] = '\x40';

    struct Picture {
        const char* what;
        std::string name;  // under the program folder
        std::string bytes;
        bool folder = false;
    } pictures[] = {
        {"a JPEG claiming 65500 x 65500", "huge.jpg", huge},
        {"a truncated JPEG", "cut.jpg", jpeg.toStdString().substr(0, 200)},
        {"a bitmap whose header lies", "lying.bmp", lying},
        {"zero bytes", "empty.bmp", ""},
        {"a folder", "folder.bmp", "", true},
    };
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.what);
        const std::string path = dir.path() + p.name;
        const std::string base = p.name.substr(0, p.name.find('.'));
        // The same file as background, as card back and as card set.
        for (const std::string& name : {p.name, "data/custom decks/" + base + ".bmp",
                                        "data/custom card sets/" + base + ".crs"}) {
            if (p.folder)
                std::filesystem::create_directories(dir.path() + name);
            else
                dir.write(name, p.bytes);
        }
        dir.write("DATA/Cfg.dat", "[Preference]\r\nCustomized_Background=" + path +
                                      "\r\nCustomized_Deck=" + base +
                                      "\r\nCustomized_Cards_Set=" + base + "\r\n");
        dialogs.infos.clear();
        const auto started = std::chrono::steady_clock::now();
        StartAndPlay();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
        const std::string deck = ProgramFile("data\\custom decks\\" + base + ".bmp");
        const std::string set = ProgramFile("data\\custom card sets\\" + base + ".crs");
        EXPECT_THAT(dialogs.infos, ::testing::UnorderedElementsAre(HasSubstr(path), HasSubstr(deck),
                                                                   HasSubstr(set)));
        for (const std::string& info : dialogs.infos)
            EXPECT_THAT(info, ::testing::AnyOf(HasSubstr("not found"), HasSubstr("not valid")));
        EXPECT_EQ(platform::IniReadString(Cfg(), "Preference", "Customized_Background", "?"), "");
        EXPECT_EQ(platform::IniReadString(Cfg(), "Preference", "Customized_Deck", "?"), "");
        EXPECT_EQ(platform::IniReadString(Cfg(), "Preference", "Customized_Cards_Set", "?"), "");
    }
}

}  // namespace
}  // namespace bw::test
