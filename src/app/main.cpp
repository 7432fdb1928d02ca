// Brindlewick: program entry. Start-up order: state, splash, resource
// library, main window (which reads the settings and the game data), window
// placement, then the event loop until the main window closes.
#include <QApplication>
#include <QStandardPaths>

#include "app/main_window.h"
#include "app/qt_ports.h"
#include "app/splash.h"
#include "app/startup.h"
#include "core/params.h"
#include "core/sounds.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "storage/preferences.h"

namespace {

void PlaceMainWindow(bw::TfrmMain& window, bw::IScreen& screen) {
    const bw::WindowPlacement p = bw::ReadWindowPlacement(screen.Width(), screen.Height());
    // The stored rectangle is also what a maximised window returns to (and
    // what it keeps where nothing maximises windows).
    window.setGeometry(p.left, p.top, p.width, p.height);
    if (p.maximized) {
        for (QFrame* bar : {window.pnlTB, window.pnlTB1})
            bar->resize(screen.Width() + 8, bar->height());
        window.setWindowState(Qt::WindowMaximized);
    }
    window.ArrangeBars();
}

}  // namespace

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
    bw::ResetProgramState(programDir);
    const std::string userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/DATA/";
    bw::platform::SetDataDirOverride(bw::ChooseDataDirOverride(programDir, userData));

    bw::TfrmSplashForm splash;
    splash.ShowNow();
    QCoreApplication::processEvents();

    bw::PlaySplash();
    bw::InstallInteractionHooks();

    int exitCode = 0;
    {
        bw::TfrmMain window;
        dialogs.SetOwner(&window);
        if (!window.FormCreate()) {
            // Fatal start-up failure, already reported.
            QApplication::restoreOverrideCursor();
            return 0;
        }
        PlaceMainWindow(window, screen);
        splash.repaint();
        splash.hide();
        window.show();
        window.repaint();
        QApplication::restoreOverrideCursor();
        // Activation is not guaranteed without a window manager; the first
        // activation's work runs once either way.
        QTimer::singleShot(0, &window, [&window] { window.Activated(); });
        exitCode = app.exec();
        bw::InstalledPorts() = bw::Ports{};
    }
    return exitCode;
}
