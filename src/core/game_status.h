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

const GameStatus& Status();
// Back to a new window's state, unannounced.
void ResetGameStatus();

void AnnounceScore(const std::string& text);
// The elapsed time in milliseconds; the label shows whole seconds.
void AnnounceElapsed(int64_t ms);
// The game commands on or off; undo and redo go with them unless the undo
// setting switches them off.
void SetGameCommands(bool on);
void SetAutoplaySwitch(bool on);
void AllowUndoRedo(bool allowed);

}  // namespace bw
