#pragma once
// The main window itself, built out of sight for `layout --window` and
// `render --window`: the same window and wiring as the program's, of the
// size asked for, with the default preferences and a game dealt without
// animation, so that its positions and pictures are the real window's.
#include <functional>
#include <string>
#include <vector>

#include "layout_options.h"
#include "render/layout.h"

class QWidget;

namespace bw {
class TfrmMain;
}

namespace bw::tool {

// Builds the window playing `game` for `options` (Window() set) with game `gameId` dealt
// (game number `gameNumber`; empty: a new one, as the window draws it) and
// runs `use` on it. Returns use's status, or 1 after a failure that has been
// reported on standard error. The player's own settings take no part: the
// DATA folder is a temporary one. Call it once per process.
int WithDealtWindow(Game& game, int gameId, const std::string& gameNumber,
                    const LayoutOptions& options, const std::function<int(TfrmMain&)>& use);

// The current game's piles in the coordinates of `window` (its client area,
// the menu bar included).
std::vector<PilePosition> PilesInWindow(TfrmMain& window);

}  // namespace bw::tool
