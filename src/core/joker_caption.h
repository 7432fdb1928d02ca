#pragma once
// The caption that tells what the first joker on the foundations stands for
// (games whose foundation rule places jokers, rule::kDestRule1 72 or 75).
#include <string>

namespace bw {

struct JokerCaption {
    int foundation = -1;    // 0-based; -1 when no foundation holds a joker
    int position = -1;      // 0-based slot of the joker in that foundation
    int rank = 0;           // the rank it stands for; 0 for nothing
    int suit = -1;          // 0..3, -1 for none
    std::string text;       // "Joker = 7", "Joker=10", "J = Q"; empty without a joker
    std::string suitImage;  // "SUIT_HEARTS" ... or empty

    // The value remembered in option 100: foundation * 100 + position + 100,
    // -1 when nothing is shown.
    int Memo() const { return foundation < 0 ? -1 : foundation * 100 + position + 100; }
};

struct Game;

// Pure: reads g's foundations only. `standardDpi` selects "Joker" over "J".
JokerCaption ComputeJokerCaption(const Game& g, bool standardDpi);

// Brings the drawn caption up to date (ITable::DrawJokerCaption) when the
// joker moved or what it stands for changed; does nothing in other games.
// The table's UpdateJokerCaption calls this. Returns true when it redrew.
bool RefreshJokerCaption(Game& g);
// Forgets what is shown, so the next refresh draws (after a full repaint).
void ForgetJokerCaption(Game& g);

}  // namespace bw
