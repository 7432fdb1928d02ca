// Brindlewick: program entry. Start-up order: state, splash, resource
// library, main window (which reads the settings and the game data), window
// placement, then the event loop until the main window closes.
#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/customize_dialog.h"
#include "app/font_warm_up.h"
#include "app/main_window.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/program_wiring.h"
#include "app/qt_ports.h"
#include "app/shell_hooks.h"
#include "app/splash.h"
#include "app/startup.h"
#include "app/translation.h"
#include "build_info.h"
#include "core/params.h"
#include "core/sounds.h"
#include "platform/atomic_file.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "render/library.h"
#include "storage/game_store.h"

namespace {

// The main window's commands that other windows carry out.
class MainWindowCommands : public bw::IShellCommands {
public:
    explicit MainWindowCommands(bw::TfrmMain& window) : window_(window) {}
    bool OpenGameDialog() override {
        bw::OpenGameCommand(window_.game(), &window_);
        return true;
    }
    void Players() override { bw::ShowPlayersDialog(window_.game(), &window_); }
    void Customize() override { bw::ShowCustomizeDialog(window_.game(), &window_); }

private:
    bw::TfrmMain& window_;
};

// Shows the window and returns once the window system has exposed it, so
// that its table reaches the screen whole before the first activation's
// dialog comes over it (drawn around the dialog, it was drawn twice). Input
// meanwhile waits in the queue; a window never exposed is waited for 500 ms.
void ShowExposed(QWidget& window) {
    window.show();
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed()) return;
    QEventLoop loop;
    struct ExposeWatch : QObject {
        QEventLoop* loop;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose) loop->quit();  // after this one is handled
            return false;
        }
    } watch;
    watch.loop = &loop;
    handle->installEventFilter(&watch);
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    handle->removeEventFilter(&watch);
    if (!handle->isExposed()) window.repaint();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("brindlewick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BW_VERSION));

    // The program folder holds the game data: the executable's own folder in
    // a build, the installed data folder otherwise. The player's files go to
    // its DATA folder, or to the user's data folder when it cannot be written.
    // An installed copy always uses the user's: it never writes into its
    // prefix, even where it could (run as root).
    const std::string exeDir = bw::platform::ExecutableDir();
    const std::string programDir = bw::platform::ReadOnlyDataDir();
    const std::string userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/DATA/";
    const std::string dataOverride =
        programDir == exeDir ? bw::ChooseDataDirOverride(programDir, userData) : userData;
    const std::string dataDir =
        dataOverride.empty() ? bw::platform::ResolvePath(programDir, "DATA\\") : dataOverride;
    // Answered before the window system is asked for anything.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (auto code = bw::AnswerCommandLine(args, programDir, dataDir, std::cout)) return *code;
    // A deal asked for is checked before any window shows: a bad one ends
    // the program with its reason.
    bw::DealRequest firstDeal;
    // The one game the program plays, for the whole run.
    const auto game = std::make_unique<bw::Game>();
    bw::SetUpProgramFolder(*game, programDir, dataOverride);
    if (auto code = bw::ReadDealRequest(args, firstDeal, std::cerr)) return *code;

    bw::FontWarmUp fonts;
    QApplication app(argc, argv);
    // The window groups under its launcher, whose file is named after the id.
    QGuiApplication::setDesktopFileName(QStringLiteral(BW_APP_ID));
    QApplication::setOverrideCursor(Qt::WaitCursor);

    bw::QtDialogs dialogs;
    dialogs.SetDesktopOpener(QStandardPaths::findExecutable(QStringLiteral("xdg-open")));
    bw::QtScreen screen;
    bw::QtWaits waits;
    bw::Ports& ports = bw::InstalledPorts();
    ports.dialogs = &dialogs;
    ports.screen = &screen;
    ports.waits = &waits;
    ports.store = &bw::FileGameStore();

    // Settings written during start-up and play are synced to the disk by a
    // thread of their own: a sync costs milliseconds, more on a busy disk.
    bw::platform::SetBackgroundWrites(true);
    bw::SetUpProgramFolder(*game, programDir, dataOverride);
    // The player's language, from the system locale; English without one.
    bw::InstallTranslation(bw::TranslationsFolder(), QLocale::system());

    // The library comes first: the splash shows its picture. Without it the
    // program cannot show a card.
    if (!bw::OpenResourceLibraryOrReport()) {
        QApplication::restoreOverrideCursor();
        return 0;
    }
    // A DATA folder of the player's that is passed over is never passed over
    // silently.
    if (programDir == exeDir) {
        const std::string notice = bw::DataFolderNotice(programDir, dataOverride);
        if (!notice.empty()) dialogs.Info(notice);
    }
    fonts.Wait();
    app.setWindowIcon(QIcon(QPixmap::fromImage(bw::LibraryBitmap("MAINICON"))));
    bw::LibrarySound sound;
    ports.sound = &sound;

    bw::TfrmSplashForm splash(QPixmap::fromImage(bw::LibraryBitmap("SPLASH")));
    splash.ShowNow();
    QCoreApplication::processEvents();

    bw::PlaySplash();
    bw::InstallProgramHooks();

    int exitCode = 0;
    {
        bw::WiredMainWindow<> wired(*game);
        bw::TfrmMain& window = wired.window();
        dialogs.SetOwner(&window);
        MainWindowCommands commands(window);
        bw::Install<bw::IShellCommands>(&commands);
        if (!window.FormCreate()) {
            // Fatal start-up failure, already reported.
            QApplication::restoreOverrideCursor();
            return 0;
        }
        window.SetFirstDeal(firstDeal);
        window.RestorePlacement();
        splash.repaint();
        // The open-game dialog lives for the whole run; it builds its tree now.
        bw::OpenGameForm(*game, &window);
        splash.repaint();
        ShowExposed(window);
        // Up long enough to be seen, over the window, without holding it back.
        splash.HideWhenShownFor(bw::SplashMinimumMs(), &window);
        QApplication::restoreOverrideCursor();
        // Activation is not guaranteed without a window manager; the first
        // activation's work runs once either way.
        QTimer::singleShot(0, &window, [&window] { window.Activated(); });
        exitCode = app.exec();
        // A failure is still told while the window stands.
        bw::platform::FinishIniWrites();
        bw::FreeOpenGameForm();
    }
    bw::FreeResourceLibrary();
    bw::InstalledPorts() = bw::Ports{};
    return exitCode;
}
