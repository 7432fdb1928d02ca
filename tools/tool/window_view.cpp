#include "window_view.h"

#include <QApplication>
#include <QTemporaryDir>
#include <fstream>
#include <iostream>
#include <memory>

#include "app/main_window.h"
#include "app/program_wiring.h"
#include "app/qt_ports.h"
#include "app/shell_hooks.h"
#include "core/game.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/paths.h"
#include "render/library.h"
#include "storage/catalogue.h"
#include "storage/game_store.h"

namespace bw::tool {
namespace {

// Boxes the window would show go to standard error; questions get "yes".
class ConsoleDialogs : public IDialogs {
public:
    void Info(const std::string& text) override {
        std::cerr << "brindlewick-tool: " << text << "\n";
    }
    void Error(const std::string& title, const std::string& text) override {
        std::cerr << "brindlewick-tool: " << title << ": " << text << "\n";
    }
};

// The display as the window would see it, of the size given.
class SizedScreen : public QtScreen {
public:
    SizedScreen(int width, int height) : width_(width), height_(height) {}
    int Width() override { return width_; }
    int Height() override { return height_; }

private:
    int width_, height_;
};

// The main window with the frame a window manager would put around it.
class FramedWindow : public TfrmMain {
public:
    explicit FramedWindow(Game& game) : TfrmMain(game) {}
    QMargins frame;

protected:
    QMargins FrameMargins() const override { return frame; }
};

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Restores the ports and the library whichever way the run ends.
struct PortsGuard {
    ~PortsGuard() {
        FreeResourceLibrary();
        platform::SetDataDirOverride("");
        Ports none;
        none.store = &FileGameStore();
        InstalledPorts() = none;
    }
};

}  // namespace

int WithDealtWindow(Game& game, int gameId, const std::string& gameNumber,
                    const LayoutOptions& options, const std::function<int(TfrmMain&)>& use) {
    // Without a display the window is built on the offscreen platform; with
    // one it is built there but never shown on it.
    const bool offscreen = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !HasDisplay();
    if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screen's device pixel ratio, as a high-resolution display gives it.
    if (options.scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale));
    static int argc = 1;
    static char name[] = "brindlewick-tool";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brindlewick"));

    QTemporaryDir data;
    if (!data.isValid()) {
        std::cerr << "brindlewick-tool: cannot create a temporary folder: "
                  << data.errorString().toStdString() << "\n";
        return 1;
    }
    const std::string dataDir = data.path().toStdString() + "/DATA/";
    SetUpProgramFolder(game, platform::ReadOnlyDataDir(), dataDir);
    platform::MakeDir(dataDir.substr(0, dataDir.size() - 1));
    {
        // The default preferences, but the deal is not animated.
        std::ofstream cfg(dataDir + "Cfg.dat", std::ios::binary);
        cfg << "[Preference]\r\nDeal_Animation=N\r\n";
        if (options.cardSizeGiven) cfg << "Card_Size=" << options.cardSize << "\r\n";
    }

    PortsGuard restore;
    ConsoleDialogs dialogs;
    const int width = *options.windowWidth;
    const int height = *options.windowHeight;
    QtScreen platformScreen;
    const bool ownScreen = !offscreen && HasDisplay();
    SizedScreen screen(options.screenWidth.value_or(ownScreen ? platformScreen.Width() : width),
                       options.screenHeight.value_or(ownScreen ? platformScreen.Height() : height));
    Ports& ports = InstalledPorts();
    ports.dialogs = &dialogs;
    ports.screen = &screen;
    if (!OpenResourceLibraryOrReport()) return 1;
    InstallProgramHooks();

    WiredMainWindow<FramedWindow> wired(game);
    FramedWindow& window = wired.window();
    window.frame = QMargins(options.frame[0], options.frame[1], options.frame[2], options.frame[3]);
    // The first activation offers a game; this one is taken.
    struct TakeTheGame : IShellCommands {
        Game& game;
        int gameId;
        const std::string& gameNumber;
        bool opened = false;
        TakeTheGame(Game& g, int id, const std::string& number)
            : game(g), gameId(id), gameNumber(number) {}
        bool OpenGameDialog() override {
            int mode = kNewGameNumber;
            if (!gameNumber.empty()) {
                SetValue(game.values.number, field::kGameNumber, gameNumber);
                mode = 0;
            }
            opened = OpenGame(game, gameId, GameName(gameId), mode, false, game.values.player);
            return true;
        }
    } take(game, gameId, gameNumber);
    Install<IShellCommands>(&take);
    if (!window.FormCreate()) return 1;
    if (CatalogueIndex(gameId) < 0) {
        std::cerr << "brindlewick-tool: unknown game id " << gameId << "\n";
        return 2;
    }
    if (!offscreen) window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(width, height);
    window.ArrangeBars();
    window.show();
    QCoreApplication::processEvents();
    // The time stays as the deal leaves it.
    window.Timer1->stop();
    window.Activated();
    QCoreApplication::processEvents();
    if (window.size() != QSize(width, height)) {
        std::cerr << "brindlewick-tool: the window cannot be " << width << " x " << height
                  << "; it takes " << window.width() << " x " << window.height() << "\n";
        return 1;
    }
    if (!take.opened || !Flag(game, flag::kInProgress)) {
        std::cerr << "brindlewick-tool: game " << gameId << " could not be dealt\n";
        return 1;
    }
    const int status = use(window);
    window.hide();
    return status;
}

std::vector<PilePosition> PilesInWindow(TfrmMain& window) {
    const QPoint offset = window.imgSfondo->mapTo(&window, QPoint(0, 0));
    std::vector<PilePosition> piles = PilesOnTable(window.game());
    for (PilePosition& p : piles) {
        p.left += offset.x();
        p.top += offset.y();
    }
    return piles;
}

}  // namespace bw::tool
