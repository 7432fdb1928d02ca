// Brindlewick: program entry. Start-up order: state, splash, resource
// library, main window (which reads the settings and the game data), window
// placement, then the event loop until the main window closes.
#include <QApplication>
#include <QStandardPaths>

#include "app/customize_dialog.h"
#include "app/main_window.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/program_wiring.h"
#include "app/qt_ports.h"
#include "app/shell_hooks.h"
#include "app/splash.h"
#include "app/startup.h"
#include "core/params.h"
#include "core/sounds.h"
#include "platform/paths.h"
#include "render/library.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brindlewick"));
    QApplication::setOverrideCursor(Qt::WaitCursor);

    bw::QtDialogs dialogs;
    bw::QtScreen screen;
    bw::QtWaits waits;
    bw::Ports& ports = bw::InstalledPorts();
    ports.dialogs = &dialogs;
    ports.screen = &screen;
    ports.waits = &waits;

    // The program folder holds the game data; the player's files go to its
    // DATA folder, or to the user's data folder when it cannot be written.
    const std::string programDir = bw::platform::ExecutableDir();
    const std::string userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/DATA/";
    bw::SetUpProgramFolder(programDir, bw::ChooseDataDirOverride(programDir, userData));

    // The library comes first: the splash shows its picture. Without it the
    // program cannot show a card.
    if (!bw::OpenResourceLibraryOrReport()) {
        QApplication::restoreOverrideCursor();
        return 0;
    }
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
        bw::WiredMainWindow<> wired;
        bw::TfrmMain& window = wired.window();
        dialogs.SetOwner(&window);
        bw::Hooks().openGameDialog = [&window] { bw::OpenGameCommand(&window); };
        bw::Hooks().players = [&window] { bw::ShowPlayersDialog(&window); };
        bw::Hooks().customize = [&window] { bw::ShowCustomizeDialog(&window); };
        if (!window.FormCreate()) {
            // Fatal start-up failure, already reported.
            QApplication::restoreOverrideCursor();
            return 0;
        }
        window.RestorePlacement();
        splash.repaint();
        // The open-game dialog lives for the whole run; it builds its tree now.
        bw::OpenGameForm(&window);
        splash.repaint();
        window.show();
        window.repaint();
        // Up long enough to be seen, over the window, without holding it back.
        splash.HideWhenShownFor(bw::SplashMinimumMs());
        QApplication::restoreOverrideCursor();
        // Activation is not guaranteed without a window manager; the first
        // activation's work runs once either way.
        QTimer::singleShot(0, &window, [&window] { window.Activated(); });
        exitCode = app.exec();
        bw::FreeOpenGameForm();
    }
    bw::FreeResourceLibrary();
    bw::InstalledPorts() = bw::Ports{};
    return exitCode;
}
