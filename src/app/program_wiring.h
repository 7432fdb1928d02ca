#pragma once
// The wiring that every run of the main window shares, the program's own and
// the one brindlewick-tool builds to measure and picture the window: the
// program folder, the hooks into the card set-up and the interaction, and
// the window's table as the core's drawing port.
#include <string>

#include "app/main_window.h"
#include "core/game.h"
#include "core/ports.h"
#include "render/card_images.h"
#include "render/surfaces.h"

namespace bw {

// A fresh program state, `game` included, for `programDir` (ending with
// '/'), with the DATA folder under it, or at `dataDirOverride` when that is
// not empty.
void SetUpProgramFolder(Game& game, const std::string& programDir,
                        const std::string& dataDirOverride);

// The hooks that need no window; installed once per run.
void InstallProgramHooks();

// Connects the core to `window`: it draws through `table`, and opening a
// game sets the card size up for it and lays its piles out in the window's
// table. UnwireMainWindow undoes it, and removes the window's shell commands
// (IShellCommands), which are the caller's to install.
class WindowSetUp;
void WireMainWindow(ShellTable& table, WindowSetUp& setUp);
void UnwireMainWindow(WindowSetUp& setUp);

// The card set-up of every loaded game, with the card size chosen for the
// table of `window`: the core's game set-up and the card images' set-up.
class WindowSetUp : public IGameSetUp, public ICardSetUp {
public:
    explicit WindowSetUp(TfrmMain& window) : window_(window) {}
    void SetUpLoadedGame() override;
    void LayOutPiles() override;
    bool HasTable() override { return true; }
    bool TableHoldsPiles() override;
    // Installs it as both; Uninstall takes it away where it is still installed.
    void Install();
    void Uninstall();

private:
    TfrmMain& window_;
};

// The main window (TfrmMain or a class derived from it) playing `game`,
// wired to the core while it lives; the window sizes the table bitmaps,
// which go after it. The game belongs to the caller and outlives both.
template <class Window = TfrmMain>
class WiredMainWindow {
public:
    explicit WiredMainWindow(Game& game) : window_(game), table_(game, window_), setUp_(window_) {
        WireMainWindow(table_, setUp_);
    }
    ~WiredMainWindow() { UnwireMainWindow(setUp_); }
    WiredMainWindow(const WiredMainWindow&) = delete;
    WiredMainWindow& operator=(const WiredMainWindow&) = delete;

    Window& window() { return window_; }

private:
    struct TableBitmaps {
        TableBitmaps() = default;
        ~TableBitmaps() { FreeTableBitmaps(); }
    };
    TableBitmaps bitmaps_;
    Window window_;
    ShellTable table_;
    WindowSetUp setUp_;
};

}  // namespace bw
