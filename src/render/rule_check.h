#pragma once
// A damaged GAMES.DAT can hold rules no table can follow: more piles than
// exist, a layout style the layout does not know, a deal larger than any
// pack. The engine copes with such values (counts are clamped, unknown
// styles leave piles off the table), but the player is told which file is
// at fault instead of facing a strange or empty table without a word.
#include <string>

namespace bw {

struct Game;

// What is wrong with a game's rules, one line per fault; empty
// when nothing is.
std::string RuleDamage(const Game& g);

// Shows the damage of game `gameId`'s rules once (again only when the game
// or its damage changes), naming the game and the file.
void ReportRuleDamage(const Game& g, int gameId);

}  // namespace bw
