#pragma once
// A match on the program's game: the seats, their computer opponents and
// every card turned through the memory press the window uses, so a match
// keeps exactly the pairing rule, the misses and the slips of solo play.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/match.h"

namespace bw {

// What one card turned did to the match.
struct MatchStep {
    bool turned = false;  // false: not a hidden card of the grid, nothing happened
    bool pair = false;
    bool miss = false;
};

class MatchPlay {
public:
    // `seats` with their levels and models set; the opponents draw their
    // chances from `seed`. `first` is the seat that opens.
    MatchPlay(MatchState seats, uint64_t seed, int first = 0);
    // Tests give the opponents their chances.
    MatchPlay(MatchState seats, MatchRandom& random, int first = 0);
    MatchPlay(const MatchPlay&) = delete;
    MatchPlay& operator=(const MatchPlay&) = delete;

    const MatchState& state() const { return state_; }
    bool ComputerToPlay() const;
    // The card the computer seat to play turns next; 0 for a person's seat.
    CardCode ComputerCard();
    // Turns `card` of the grid for the seat to play.
    MatchStep Turn(CardCode card);
    // No hidden card left in the grid.
    bool Over() const;

private:
    void MakeOpponents();
    MatchState state_;
    SeededMatchRandom ownRandom_;
    MatchRandom* random_;
    std::vector<std::optional<Opponent>> opponents_;  // by seat
};

}  // namespace bw
