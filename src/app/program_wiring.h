#pragma once
// The wiring that every run of the main window shares, the program's own and
// the one brindlewick-tool builds to measure and picture the window: the
// program folder, the hooks into the card set-up and the interaction, and
// the window's table as the core's drawing port.
#include <string>

#include "app/main_window.h"
#include "render/surfaces.h"

namespace bw {

// A fresh program state for `programDir` (ending with '/'), with the DATA
// folder under it, or at `dataDirOverride` when that is not empty.
void SetUpProgramFolder(const std::string& programDir, const std::string& dataDirOverride);

// The hooks that need no window; installed once per run.
void InstallProgramHooks();

// Connects the core to `window`: it draws through `table`, and opening a
// game sets the card size up for it and lays its piles out in the window's
// table. UnwireMainWindow undoes it, and clears the window's dialog hooks
// (Hooks()), which are the caller's to set.
void WireMainWindow(TfrmMain& window, ShellTable& table);
void UnwireMainWindow();

// The main window (TfrmMain or a class derived from it) wired to the core
// while it lives; the window sizes the table bitmaps, which go after it.
template <class Window = TfrmMain>
class WiredMainWindow {
public:
    WiredMainWindow() : table_(window_) { WireMainWindow(window_, table_); }
    ~WiredMainWindow() { UnwireMainWindow(); }
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
};

}  // namespace bw
