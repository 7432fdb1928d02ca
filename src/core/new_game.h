#pragma once
// Starting games: a new deal of the current game, opening another game or
// player, loading a game's rules and layout, and the window caption.
#include <array>
#include <optional>
#include <string>

namespace bw {

struct Game;

// Random-game mode of StartGame and OpenGame: draw a new game number; any
// other value deals the number that is already stored (a replay).
constexpr int kNewGameNumber = 2;
// The mode that deals the stored number again.
constexpr int kStoredGameNumber = 1;

// True when the running game may be abandoned; asks `question` (default
// "Quit this game?") only while a game is in progress and unfinished and the
// confirm-quit switch (position 185) is not "N". False during the winning show.
bool ConfirmQuit(Game& g, const std::string& question = std::string());

// "&New game" and the "New" tool buttons.
void NewGameCommand(Game& g);

// "&Restart this deal": the same number dealt again, after the quit question
// of a new game; the abandoned game counts as a new game's would. Nothing
// without a game on the table.
void RestartDealCommand(Game& g);

// A deal number as typed: 1 to 13 digits, right-aligned over zeros as the
// deal reads it; nothing for any other text.
std::optional<std::string> DealNumberFromText(const std::string& text);

// Deals `number` (as DealNumberFromText gives it) in the current game, after
// the quit question; false when nothing was dealt.
bool PlayDealNumber(Game& g, const std::string& number);

// The deal of the day: the same 13-digit number for every player on a local
// date, a different one for each game. The rule, fixed for good since players
// compare results by it: FNV-1a (64 bits) over the text "YYYY-MM-DD:ID" (the
// game id in decimal without padding), modulo 10^13, written with 13 digits.
// Nothing for a date that is not in the calendar.
std::optional<std::string> DailyDealNumber(int gameId, int year, unsigned month, unsigned day);
// "YYYY-MM-DD" as a calendar date (year 1 to 9999); nothing for any other text.
struct CalendarDate {
    int year;
    unsigned month, day;
};
std::optional<CalendarDate> ParseCalendarDate(const std::string& text);

// Switches to game `id` and/or `player` and deals; false when nothing was
// (re)started (the same game and player while one is in progress, or the
// player declined). `remember` stores the choice in the settings file.
bool OpenGame(Game& g, int id, const std::string& name, int mode, bool remember,
              const std::string& player);

// Resets the per-game state, deals (with `deal`), draws the table (unless
// `quiet`; card by card with `animate` and the deal animation switch), starts
// the clock and runs autoplay. Always true.
bool StartGame(Game& g, bool deal, bool animate, int mode, bool quiet);

// A new 13-digit game number (position 153) from the platform generator.
void DrawGameNumber(Game& g);

// Loads the current game's rules (position 62), resets the pile anchors,
// sets the game-dependent menus and has the installed game set-up set the
// cards up and lay the piles out.
void LoadGame(Game& g);

// Rewrites the main window's caption when it changed.
void UpdateTitle(Game& g);
// The caption UpdateTitle would set now.
std::string TitleText(Game& g);
// Forgets the last caption set, so the next UpdateTitle sets it again.
void ResetTitle(Game& g);

// The drawing offsets of cards in cascading tableau piles, redrawn at every
// new game: 7 rows of 13 steps of -2..2 pixels; row r (1..7) is index r - 1,
// position 0 of each row is 0.
using OffsetRows = std::array<std::array<int, 13>, 7>;
void DrawOffsetTable(Game& g);
int OffsetAt(const Game& g, int row, int position);

}  // namespace bw
