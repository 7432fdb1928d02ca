#pragma once
// The per-game autoplay switch, section "Autoplay" of the settings file, used
// when option 105 is 2. Games below 8000 share the value "Games", one
// character per game id at position id + 1; customised games (8000 and up)
// have their own "Cust_" + 4-digit id. "N" is off; anything else, a missing
// character or key included, is on.
#include <string>

namespace bw {

struct Game;

constexpr int kFirstCustomGame = 8000;

// The key holding a customised game's switch, "Cust_8001".
std::string CustomGameAutoplayKey(int gameId);

// The stored switch of a game; true when nothing is stored.
bool GameAutoplayStored(int gameId);

// Stores the switch. A "Games" value shorter than id + 2 characters is first
// filled with "Y" and cut to id + 10 characters, so neighbouring games keep
// their default. False for a negative id (no game) or when the file cannot be
// written.
bool StoreGameAutoplaySwitch(int gameId, bool on);

// Per-game mode only (option 105 = 2) and only while the autoplay command is
// enabled: toggles the window's autoplay command when its check mark differs
// from the game's stored switch.
void ApplyStoredGameAutoplay(Game& g, int gameId);

}  // namespace bw
