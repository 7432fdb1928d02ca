#pragma once
// A whole game as text, to be kept in a file and read back: the first line
// names the format and its version, then one record per part of the game in
// a fixed order, the last line a checksum of everything above it.
//
//   Brindlewick game 2
//   MazzoPiles 3          a list: its name and length, then one line per
//   |001104                 element, each behind a "|" (an empty pile is "|")
//   GameRules 489 0 1 ...  numbers: name, count, the values on the line
//   ...
//   Turns 37 0001234567890 p001.0.0.0,053.1.0.950 ...   the memory game's
//                          turns (core/turn_record.h); only when it has some
//   sum 0123456789abcdef   FNV-1a 64 of every byte before this line
//
// Piles keep their stored form (three-digit codes, "000" for a hole), undo
// snapshots theirs (code and face flag per slot), rule and option entries
// are numbers. Texts escape "\" and line breaks. The game's values (score,
// number, id, name, player, marks) are not in the text: whoever keeps the
// text keeps those beside it, as the resume file does.
#include <string>
#include <string_view>

#include "core/game.h"

namespace bw {

// Version 2 added the card size; version 1 texts are still read.
inline constexpr int kGameTextVersion = 2;
inline constexpr int kOldestGameTextVersion = 1;

std::string SaveGameText(const Game& game);
// Reads a text SaveGameText wrote. On any fault (damage, truncation, another
// version, a value out of range) `game` is left as it was, `error` says why
// and the result is false.
bool LoadGameText(std::string_view text, Game& game, std::string& error);

}  // namespace bw
