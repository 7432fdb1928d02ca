#pragma once
// The show of cards after a won game. Cards are drawn face up onto the
// table picture and the window, so they stay until the next repaint; the
// show runs until its time is up or the running flag (GameFlags
// kWinAnimation) is cleared by whatever the player starts next.
#include <string>

namespace bw {

struct Game;

// The client area the cards are thrown over: `top` is the bottom of the
// visible tool bar (5 when none shows).
struct WinArea {
    int top = 5;
    int width = 0;
    int height = 0;
};

// "Open order", "Left to right", "Up to down", "Festoons", "Lines", "Circles".
extern const char* const kWinningShows[6];

// The show a name stands for: "(Random)" picks one of the first three.
std::string ChooseWinningShow(const std::string& name);

// Plays a show for `seconds`; an empty name takes name and time from the
// player's choices ("Winning_Animations", "Winning_Animations_Time").
void PlayWinningAnimation(Game& g, const std::string& name, int seconds, const WinArea& area);

// Stops a running show at its next card.
void StopWinningAnimation(Game& g);

}  // namespace bw
