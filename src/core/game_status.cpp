#include "core/game_status.h"

#include "core/game.h"
#include "core/game_end.h"
#include "core/params.h"
#include "core/ports.h"

namespace bw {

const GameStatus& Status(const Game& g) {
    return g.status;
}

void ResetGameStatus(Game& g) {
    g.status = GameStatus{};
}

void AnnounceScore(Game& g, const std::string& text) {
    g.status.score = text;
    GameObserver().ShowScore(text);
}

void AnnounceElapsed(Game& g, int64_t ms) {
    g.status.elapsedMs = ms < 0 ? 0 : ms;
    GameObserver().ShowTime(FormatElapsed(g.status.elapsedMs));
}

void SetGameCommands(Game& g, bool on) {
    g.status.commands = on;
    GameObserver().EnableGameCommands(on);
    AllowUndoRedo(g, on && g.values.undoMode != "2");
}

void SetAutoplaySwitch(Game& g, bool on) {
    if (g.status.autoplay == on) return;
    g.status.autoplay = on;
    GameObserver().ShowAutoplay(on);
}

void AllowUndoRedo(Game& g, bool allowed) {
    g.status.undoRedo = allowed;
    GameObserver().SetUndoRedoEnabled(allowed);
}

}  // namespace bw
