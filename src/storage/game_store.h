#pragma once
// The core's store port over the files: rule columns from the catalogue of
// GAMES.DAT, results into "DATA\Results.dat", autoplay switches into the
// settings, the game and player to start with into the player's choices.
// Whatever runs games installs it (InstalledPorts().store).
#include "core/ports.h"

namespace bw {

IGameStore& FileGameStore();

}  // namespace bw
