#pragma once
// The game catalogue: "[Sect1]" of GAMES.DAT, one line per game of this
// edition, held in TMainGame::catalogue after the character substitution.
#include <string>
#include <vector>

namespace bw {

// Fills the catalogue list from the "[Sect1]" lines of GAMES.DAT in the
// program folder (entries of class "0" or "5"); false when the file is missing.
bool LoadCatalogue();
// The same from lines already read (tests, tools).
void LoadCatalogueFromLines(const std::vector<std::string>& storedLines);

// 0-based position of a game in the catalogue, or -1 (always for 8000 and up).
int CatalogueIndex(int gameId);
std::string GameName(int gameId);
int GameFamily(int gameId);

}  // namespace bw
