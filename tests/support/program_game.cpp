#include "support/program_game.h"

namespace bw {

Game& ProgramGame() {
    static Game game;
    return game;
}

}  // namespace bw
