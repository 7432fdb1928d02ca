// The saved game (the body of DATA\Resume.dat): any text is read without a
// crash, and one that is taken is written back as text that reads back as
// the same game; a refused text leaves the target game as it was.
#include "core/game_text.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

BW_FUZZ_TARGET(game_text) {
    using namespace bw;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Game game;
    game.RunningCount = 7;
    const Game before = game;
    std::string error;
    if (!LoadGameText(text, game, error)) {
        if (!(game == before) || error.empty()) __builtin_trap();
        return 0;
    }
    const std::string again = SaveGameText(game);
    Game back;
    if (!LoadGameText(again, back, error) || !(back == game)) __builtin_trap();
    return 0;
}
