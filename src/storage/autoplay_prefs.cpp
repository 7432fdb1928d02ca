#include "storage/autoplay_prefs.h"

#include "core/game.h"
#include "core/game_status.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/ini.h"
#include "storage/preferences.h"

namespace bw {

std::string CustomGameAutoplayKey(int gameId) {
    return "Cust_" + FormatNumber(gameId, 4);
}

bool GameAutoplayStored(int gameId) {
    if (gameId < 0) return true;
    if (gameId >= kFirstCustomGame) {
        const std::string v = ReadSetting(section::kAutoplay, CustomGameAutoplayKey(gameId), "Y");
        return v.empty() || v[0] != 'N';
    }
    const std::string games = ReadSetting(section::kAutoplay, key::kAutoplayGames, "");
    const size_t at = static_cast<size_t>(gameId);  // position id + 1, 1-based
    return at >= games.size() || games[at] != 'N';
}

bool StoreGameAutoplaySwitch(int gameId, bool on) {
    if (gameId < 0) return false;
    const char yn = on ? 'Y' : 'N';
    if (gameId >= kFirstCustomGame)
        return WriteSetting(section::kAutoplay, CustomGameAutoplayKey(gameId), std::string(1, yn));
    std::string games = ReadSetting(section::kAutoplay, key::kAutoplayGames, "");
    const size_t id = static_cast<size_t>(gameId);
    // Padding with "Y" keeps the games in between on, as their missing
    // characters read now.
    if (games.size() < id + 2) games.resize(id + 10, 'Y');
    games[id] = yn;
    return WriteSetting(section::kAutoplay, key::kAutoplayGames, games);
}

void ApplyStoredGameAutoplay(Game& g, int gameId) {
    if (g.Options.Opt(opt::kAutoPlayAllGames) != 2) return;
    if (Status(g).commands) SetAutoplaySwitch(g, GameAutoplayStored(gameId));
}

}  // namespace bw
