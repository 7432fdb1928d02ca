// brindlewick-tool's --window option against the running main window: the
// tool, run as a process, must find the piles where the window puts them and
// draw the window as it shows itself.
#include <gmock/gmock.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/main_window.h"
#include "app/program_wiring.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/press.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "render/layout.h"
#include "render/library.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

struct ToolRun {
    int status = -1;  // -1: the tool did not exit by itself
    std::string out, err;
};

// A program folder of its own for the tool: the tool, the shipped games and
// library, and a player's DATA folder the tool must neither read nor touch.
class ToolFolder {
public:
    ToolFolder() {
        namespace fs = std::filesystem;
        const std::string bin = BW_PROGRAM_DIR;
        for (const char* name : {"brindlewick-tool", "GAMES.DAT", "QLR.RGF"})
            fs::copy_file(bin + name, dir.file(name));
        dir.write("DATA/Cfg.dat", kPlayerSettings);
    }

    ToolRun Run(const std::string& args) const {
        const std::string cmd = "'" + dir.file("brindlewick-tool") + "' " + args + " >'" +
                                scratch.file("out") + "' 2>'" + scratch.file("err") + "'";
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, scratch.read("out"), scratch.read("err")};
    }

    // Small cards, the small raised tool bar and no panels: a window laid
    // out from these would differ from the default one everywhere.
    static constexpr const char* kPlayerSettings =
        "[Preference]\r\nCard_Size=S\r\nToolBar_Large=N\r\nToolBar_Flat=N\r\n"
        "Show_Time=N\r\nShow_Score=N\r\n";

    TempDir dir, scratch;
};

class WindowToolTest : public GuiFixture, public ::testing::Test {
protected:
    WindowToolTest() {
        dir.write("GAMES.DAT", ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT"));
        LoadResourceLibraryFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF");
        InstallProgramHooks();
    }
    ~WindowToolTest() override {
        FreeResourceLibrary();
        // The settings' failure box the program hooks install is not the next test's.
        platform::SetIniWriteFailureHandler(nullptr);
    }

    // The window of a first run of `id` at the given size on a screen of the
    // given size, dealt as the first activation deals it.
    TfrmMain& Start(int id, int width, int height, int screenWidth, int screenHeight) {
        screen.width = screenWidth;
        screen.height = screenHeight;
        dir.write("DATA/Cfg.dat",
                  "[Preference]\r\nGame=" + std::to_string(id) + "\r\nDeal_Animation=N\r\n");
        wired = std::make_unique<WiredMainWindow<>>(ProgramGame());
        TfrmMain& window = wired->window();
        EXPECT_TRUE(window.FormCreate());
        window.resize(width, height);
        window.show();
        window.Activated();
        EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
        EXPECT_EQ(window.size(), QSize(width, height));
        return window;
    }

    // The tool's --window options for the window as it stands.
    std::string WindowOptions(TfrmMain& window) const {
        const QRect inner = window.geometry();
        const QRect outer = window.frameGeometry();
        std::ostringstream s;
        s << " --window " << inner.width() << " " << inner.height() << " --screen " << screen.width
          << " " << screen.height << " --frame " << inner.left() - outer.left() << " "
          << inner.top() - outer.top() << " " << outer.right() - inner.right() << " "
          << outer.bottom() - inner.bottom();
        return s.str();
    }

    std::unique_ptr<WiredMainWindow<>> wired;
    ToolFolder tool;
};

std::vector<PilePosition> ParsePositions(const std::string& text) {
    std::vector<PilePosition> out;
    std::istringstream in(text);
    PilePosition p;
    while (in >> p.name >> p.left >> p.top)
        if (p.name != "Card") out.push_back(p);  // the card size line
    return out;
}

struct Case {
    int id, width, height, screenWidth, screenHeight;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.id << " in " << c.width << "x" << c.height << " on " << c.screenWidth << "x"
        << c.screenHeight;
}

class WindowToolCase : public WindowToolTest, public ::testing::WithParamInterface<Case> {};

TEST_P(WindowToolCase, PositionsAreTheWindowsOwn) {
    const Case c = GetParam();
    TfrmMain& window = Start(c.id, c.width, c.height, c.screenWidth, c.screenHeight);
    const ToolRun run = tool.Run("layout " + std::to_string(c.id) + WindowOptions(window));
    ASSERT_EQ(run.status, 0) << run.err;

    // The window's piles, moved from its table into the window.
    const QPoint table = window.imgSfondo->mapTo(&window, QPoint(0, 0));
    EXPECT_GT(table.y(), 0);  // below the menu bar
    std::vector<PilePosition> expected = PilesOnTable(ProgramGame());
    ASSERT_FALSE(expected.empty());
    for (PilePosition& p : expected) {
        p.left += table.x();
        p.top += table.y();
    }
    EXPECT_EQ(run.out, "Card " + std::to_string(ProgramGame().CardWidth) + " " +
                           std::to_string(ProgramGame().CardHeight) + "\n" +
                           FormatPilePositions(expected));

    // Pointing at a pile's first card where the tool says it lies hits that
    // pile in the window (a pile without a first card has nothing to hit).
    int piles = 0;
    for (const PilePosition& p : ParsePositions(run.out)) {
        const std::string* cards = PileByName(ProgramGame(), p.name);
        ASSERT_NE(cards, nullptr) << p.name;
        if (cards->size() < 3 || cards->compare(0, 3, "000") == 0) continue;
        ++piles;
        const QPoint at(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2);
        EXPECT_EQ(window.childAt(at), window.imgSfondo) << p.name;
        const QPoint onTable = window.imgSfondo->mapFrom(&window, at);
        EXPECT_EQ(HitTest(ProgramGame(), onTable.x(), onTable.y()).name, p.name);
    }
    EXPECT_GT(piles, 0);
}

// Pixels where the tool's picture of the window differs from the window.
int DifferingPixels(TfrmMain& window, const std::string& png) {
    const QImage drawn = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(drawn.size(), window.size());
    if (shown.size() != drawn.size()) return -1;
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != drawn.pixel(x, y)) ++differing;
    return differing;
}

TEST_P(WindowToolCase, PictureIsTheWindowsClientArea) {
    const Case c = GetParam();
    TfrmMain& window = Start(c.id, c.width, c.height, c.screenWidth, c.screenHeight);
    // The deal the window drew, asked of the tool by its number.
    const std::string number = ProgramGame().values.number;
    ASSERT_EQ(number.size(), 13u);
    const std::string png = tool.scratch.file("window.png");
    const ToolRun run = tool.Run("render " + std::to_string(c.id) + " " + number +
                                 WindowOptions(window) + " -o '" + png + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(DifferingPixels(window, png), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowToolCase,
                         ::testing::Values(Case{201, 1024, 768, 1024, 768},
                                           Case{202, 1920, 1080, 1920, 1080},
                                           Case{205, 1024, 768, 1920, 1080},
                                           Case{203, 1920, 1080, 1920, 1080},
                                           Case{204, 800, 600, 1280, 1024}));

// A script resizes the running window and then asks the tool: the window
// laid out and drew its table again for the new size, background included.
TEST_F(WindowToolTest, ResizedWindowMatchesTheToolsNewSize) {
    TfrmMain& window = Start(201, 874, 618, 1024, 768);
    window.resize(1024, 768);
    QCoreApplication::processEvents();
    const std::string number = ProgramGame().values.number;
    const std::string png = tool.scratch.file("resized.png");
    ToolRun run = tool.Run("render 201 " + number + WindowOptions(window) + " -o '" + png + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(DifferingPixels(window, png), 0);

    run = tool.Run("layout 201" + WindowOptions(window));
    ASSERT_EQ(run.status, 0) << run.err;
    const QPoint table = window.imgSfondo->mapTo(&window, QPoint(0, 0));
    std::vector<PilePosition> expected = PilesOnTable(ProgramGame());
    for (PilePosition& p : expected) {
        p.left += table.x();
        p.top += table.y();
    }
    EXPECT_EQ(run.out, "Card " + std::to_string(ProgramGame().CardWidth) + " " +
                           std::to_string(ProgramGame().CardHeight) + "\n" +
                           FormatPilePositions(expected));
}

TEST_F(WindowToolTest, PlayersSettingsNeitherShapeNorChange) {
    TfrmMain& window = Start(201, 1024, 768, 1024, 768);
    const std::string before = tool.dir.read("DATA/Cfg.dat");
    const ToolRun run = tool.Run("layout 201" + WindowOptions(window));
    ASSERT_EQ(run.status, 0) << run.err;
    // Laid out for the default card size and tool bar, not the player's.
    EXPECT_NE(run.out.find("Fila1 "), std::string::npos);
    EXPECT_EQ(run.out, "Card 71 96\n" + FormatPilePositions(ParsePositions(run.out)));
    const QPoint table = window.imgSfondo->mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(ParsePositions(run.out).at(1).top, ProgramGame().FilaTop[0] + table.y());

    // The card size and the pixel ratio asked for are the tool's window's.
    const ToolRun fit = tool.Run("layout 201" + WindowOptions(window) + " --card-size fit");
    ASSERT_EQ(fit.status, 0) << fit.err;
    std::istringstream card(fit.out);
    std::string word;
    int w = 0, h = 0;
    ASSERT_TRUE(card >> word >> w >> h) << fit.out;
    EXPECT_EQ(word, "Card");
    EXPECT_GT(h, 96);
    const std::string png = tool.scratch.file("scaled.png");
    const ToolRun scaled = tool.Run("render 201 1234567890123" + WindowOptions(window) +
                                    " --scale 2 -o '" + png + "'");
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), window.size() * 2);
    EXPECT_EQ(tool.dir.read("DATA/Cfg.dat"), before);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tool.dir.file("DATA"))) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(WindowToolTest, BadArgumentsAreRefusedWithAMessage) {
    const std::string unwritable = tool.scratch.file("missing/folder/out.png");
    struct Bad {
        std::string args, message;
        int status;
    } cases[] = {
        {"layout 201 --window 1024", "--window needs a number", 2},
        {"layout 201 --window 1024 tall", "bad number for --window: 'tall'", 2},
        {"layout 201 --window 0 768", "window and screen sides go from 1 to 8192", 2},
        {"layout 201 --window 1024 768 --screen 100000 768", "bad number for --screen", 2},
        {"layout 201 --window 1024 768 --frame 1 2 3", "--frame needs a number", 2},
        {"layout 201 --window 1024 768 --frame 0 -5 0 0", "the frame's sides go from 0", 2},
        {"layout 201 --window 1024 768 --top 40", "--window takes the table from the window", 2},
        {"layout 201 --window 1024 768 --no-shadow", "--window takes the table", 2},
        {"layout 201 --top 75 --bottom 700 --height 768 --width 1024 --frame 0 0 0 0",
         "--frame goes with --window", 2},
        {"layout 4321 --window 1024 768", "unknown game id 4321", 2},
        {"render 201 12345 --top 75 --bottom 700 --height 768 --width 1024 --scale 2 -o x.png",
         "--scale with render goes with --window", 2},
        {"render 201 12345 --window 1024 768", "-o FILE.png is required", 2},
        {"render 201 12x45 --window 1024 768 -o x.png", "bad game number '12x45'", 2},
        {"render 4321 12345 --window 1024 768 -o '" + tool.scratch.file("x.png") + "'",
         "unknown game id 4321", 2},
        {"render 201 12345 --window 1024 768 -o '" + unwritable + "'", "cannot write " + unwritable,
         1},
    };
    for (const Bad& c : cases) {
        const ToolRun run = tool.Run(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find("brindlewick-tool: " + c.message), std::string::npos)
            << c.args << " -> " << run.err;
        EXPECT_EQ(run.out, "") << c.args;
    }
    EXPECT_FALSE(platform::FileExists(tool.scratch.file("x.png")));
}

TEST_F(WindowToolTest, UsageDocumentsTheWindowOption) {
    const ToolRun run = tool.Run("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("--window W H"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("the menu bar included"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace bw::test
