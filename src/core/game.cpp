#include "core/game.h"

namespace bw {

Game& ProgramGame() {
    static Game game;
    return game;
}

}  // namespace bw
