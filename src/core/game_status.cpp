#include "core/game_status.h"

#include "core/game.h"
#include "core/game_end.h"
#include "core/params.h"
#include "core/ports.h"

namespace bw {

namespace {
constinit GameStatus& g_status = detail::programGame.status;
}  // namespace

const GameStatus& Status() {
    return g_status;
}

void ResetGameStatus() {
    g_status = GameStatus{};
}

void AnnounceScore(const std::string& text) {
    g_status.score = text;
    GameObserver().ShowScore(text);
}

void AnnounceElapsed(int64_t ms) {
    g_status.elapsedMs = ms < 0 ? 0 : ms;
    GameObserver().ShowTime(FormatElapsed(g_status.elapsedMs));
}

void SetGameCommands(bool on) {
    g_status.commands = on;
    GameObserver().EnableGameCommands(on);
    AllowUndoRedo(on && !ParameterIs(field::kUndoMode, "2"));
}

void SetAutoplaySwitch(bool on) {
    if (g_status.autoplay == on) return;
    g_status.autoplay = on;
    GameObserver().ShowAutoplay(on);
}

void AllowUndoRedo(bool allowed) {
    g_status.undoRedo = allowed;
    GameObserver().SetUndoRedoEnabled(allowed);
}

}  // namespace bw
