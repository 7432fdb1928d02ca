#pragma once
// The win test and the score of the current game, by goal kind (GameRules[51]).
#include <string>

namespace bw {

bool IsGameWon();
// Computes the score, shows it and stores it in the parameter block (122/6).
void UpdateScore();
// The score the current table is worth (no side effects); `shown` is false
// for goal kinds whose score is not recomputed (9, 59).
int ComputeScore(bool& shown);

}  // namespace bw
