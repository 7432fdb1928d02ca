#pragma once
// The game a test or benchmark plays when it needs just one: made on first
// use, alive for the whole process. The program itself has no such game;
// main owns its game and hands it down.
#include "core/game.h"

namespace bw {

Game& ProgramGame();

}  // namespace bw
