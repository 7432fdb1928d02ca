#pragma once
// The win test and the score of the current game, by goal kind (rule::kGoalKind).
#include <string>

namespace bw {

struct Game;

bool IsGameWon(Game& g);
// Computes the score, shows it and keeps it as the game's score.
void UpdateScore(Game& g);
// The score the current table is worth (no side effects); `shown` is false
// for goal kinds whose score is not recomputed (9, 59).
int ComputeScore(Game& g, bool& shown);

// Length of the run recorded in reserve cell 1 (ascending from an ace),
// as the "Ace-To-King" score counts it.
int RecordedRunLength(Game& g);
// Number of answer rows 1..10 whose first card is the twin (code + 52) of
// the first card of the foundation above; 0 while any answer row is empty.
int TwinMatchCount(const Game& g);
// The target sum of goal kind 58, from the digits of the stored game number.
int GameNumberTargetSum(const std::string& gameNumber);

}  // namespace bw
