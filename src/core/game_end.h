#pragma once
// The end of a game and the game clock.
#include <cstdint>
#include <string>

namespace bw {

struct Game;

// Ends the running game: stops the clock, shows the memory result dialog,
// plays the winning sound and show after a win and offers the next game.
// True when the game was won; without a game in progress nothing changes.
// Called again while the end is being shown (from input taken during its
// dialog), it does nothing and answers true: there is nothing to redraw.
bool EndGame(Game& g);
// A match's game (`Game::inMatch`) ends unrecorded and opens no dialog.

// The status bar's line at the end of a memory game: "Misses: 4 (1 slip)",
// or "Misses: 3" where slips are not counted ("Forget me not").
std::string MissesText(int misses, int slips, bool withSlips);

// The elapsed time last shown, in whole seconds.
int ElapsedSeconds(const Game& g);
// Milliseconds as "h:nn:ss" with the window's time separator.
std::string FormatElapsed(int64_t ms);
// The time of day elapsed from `start` to `now` (ms since midnight); a clock
// that passed midnight counts from start to 23:59:59 and on from 0:00:00.
int64_t ElapsedBetween(int64_t start, int64_t now);

// Shows the running clock's elapsed time (nothing while it is stopped).
void RefreshTimeDisplay(Game& g);
// Starts the game clock from zero now (still held while a pause lasts).
void StartClock(Game& g);
// While a modal window of the program covers the game, its time stands
// still: the clock and the memorise phase of "Forget me not" wait, and go
// on from where they stopped at ResumeClock. Only the transitions count.
void PauseClock(Game& g);
void ResumeClock(Game& g);
bool ClockPaused(const Game& g);
// The one-second timer: the time label, and the end of the memorise phase
// of "Forget me not" (goal kind 38) through the installed memory play.
void ClockTick(Game& g);

}  // namespace bw
