#pragma once
// What the window shows of the game in play: score, elapsed time, the game
// commands, the autoplay switch and whether undo and redo are allowed. The
// engine keeps these here and tells the window (IGameObserver) on every
// change, so nothing below the window reads a label or a check mark back.
#include <cstdint>
#include <string>

namespace bw {

struct GameStatus {
    std::string score;      // as shown in the score label
    int64_t elapsedMs = 0;  // as shown in the time label
    bool commands = true;   // New, Autoplay and Rules usable (a new window has them on)
    bool autoplay = false;  // the player's Autoplay switch
    bool undoRedo = false;  // Undo and Redo allowed at all
    bool operator==(const GameStatus&) const = default;
};

struct Game;

// Game::status.
const GameStatus& Status(const Game& g);
// Back to a new window's state, unannounced.
void ResetGameStatus(Game& g);

void AnnounceScore(Game& g, const std::string& text);
// The elapsed time in milliseconds; the label shows whole seconds.
void AnnounceElapsed(Game& g, int64_t ms);
// The game commands on or off; undo and redo go with them unless the undo
// setting switches them off.
void SetGameCommands(Game& g, bool on);
void SetAutoplaySwitch(Game& g, bool on);
void AllowUndoRedo(Game& g, bool allowed);

}  // namespace bw
