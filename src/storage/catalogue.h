#pragma once
// The game catalogue: "[Sect1]" of GAMES.DAT, one line per game of this
// edition, held in TMainGame::catalogue after the character substitution;
// the read-only list of customised games in "DATA\GAM_CUST.DAT"; and the
// lookups the dialogs and the start-up make on both.
#include <string>
#include <vector>

namespace bw {

struct Game;

// One catalogue line, by columns: 1-3 family, 5-7 id, 8 edition class,
// 9 "1" when an 800 x 600 screen is needed, 11-60 name.
struct CatalogueEntry {
    int family = 0;  // 0 when the field is empty or not a number (no picture)
    int id = -1;     // -1 when columns 5-7 do not read as a number
    char editionClass = ' ';
    bool needs800x600 = false;
    std::string name;  // trailing blanks removed
};
CatalogueEntry ParseCatalogueLine(const std::string& plainLine);

// Fills the catalogue list from the "[Sect1]" lines of GAMES.DAT in the
// program folder (entries of class "0" or "5"); false when the file is missing.
bool LoadCatalogue();
// The same from lines already read, still in stored form (tests, tools).
void LoadCatalogueFromLines(const std::vector<std::string>& storedLines);
// Empty when the program can start with this GAMES.DAT; otherwise a message
// for the user (missing file, no game of this edition in it).
std::string GamesFileProblem(const std::string& path);

// 0-based position of a game in the catalogue, or -1 (always for 8000 and up).
// An entry whose id does not read as a number keeps its place (the place is
// its rules column) but is never found.
int CatalogueIndex(int gameId);
// The name, or the empty text when not found; for ids of 8000 and above
// (customised games, not in the catalogue) `callerText` comes back unchanged.
std::string GameName(int gameId, const std::string& callerText = std::string());
// The family number; 800 for 8000 and above; -1 for a negative id or one not found.
int GameFamily(int gameId);
// The id of the first catalogue entry whose name equals `name`, both trimmed
// and compared without regard to case; -1 when none.
int GameIdByName(const std::string& name);
// The names of all catalogue entries and all customised games (trimmed),
// sorted alphabetically without regard to case. Entries whose number does
// not convert cannot be opened and are left out.
std::vector<std::string> AllGameNames();

// "DATA\GAM_CUST.DAT": four parallel lists sorted by name. Numbers that do not
// convert are listed as 0 and match no game.
struct CustomGames {
    std::vector<std::string> names;  // 50 characters, as stored
    std::vector<int> numbers;
    std::vector<int> bases;
    std::vector<std::string> options;  // 7 characters (shorter when the line is)
};
// False (and empty lists) when the file is missing.
bool ReadCustomGames(CustomGames& out);
// The base game of customised game `number` and the options text of its
// record; base -1 when there is no such record (or its base does not convert).
int CustomGameBase(int number, std::string* options = nullptr);

// False, after telling the user, when the screen is narrower than 650 pixels
// and the game (for a customised game: its base game) needs 800 x 600.
bool CanPlayOnThisScreen(int gameId);

// The game's values on the given "[Sect2]" entry lines (found by the entry
// number in columns 1-4): trailing blanks removed, read as integers, 0 when
// empty, missing or not a number; -99 for a position given as -1.
std::vector<int> GameRuleValues(int gameId, const std::vector<int>& positions);

// Start-up: when the game's stored id is not a game that exists, no game is
// current: the id becomes "-001" and the name empty.
void CheckStoredGame(Game& g);

}  // namespace bw
