#pragma once
// A match on one memory game's table. The seats' pairs and misses and the
// opponents' memories follow what the memory play tells its announcer, so
// every card turned, by a mouse press, a key or a computer seat, goes
// through the one press path of solo play: the same pairing rule, misses
// and slips. While a match lives it is the installed announcer and passes
// everything on to the one it replaced.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/match.h"
#include "interaction/announce.h"

namespace bw {

// What one card turned did to the match.
struct MatchStep {
    bool turned = false;  // false: not a hidden card of the grid, nothing happened
    bool pair = false;
    bool miss = false;
};

class MatchPlay : public IPlayAnnouncer {
public:
    // `seats` with their levels and models set, on the game `g` (the slips
    // it has counted so far are no seat's); the opponents draw their chances
    // from `seed`. `first` is the seat that opens.
    MatchPlay(const Game& g, MatchState seats, uint64_t seed, int first = 0);
    // Tests give the opponents their chances.
    MatchPlay(const Game& g, MatchState seats, MatchRandom& random, int first = 0);
    ~MatchPlay() override;
    MatchPlay(const MatchPlay&) = delete;
    MatchPlay& operator=(const MatchPlay&) = delete;

    const MatchState& state() const { return state_; }
    bool ComputerToPlay() const;
    // The card the computer seat to play turns next; 0 for a person's seat.
    CardCode ComputerCard(const Game& g);
    // Turns `card` of the grid for the seat to play, as a press on it does.
    MatchStep Turn(Game& g, CardCode card);
    // No hidden card left in the grid.
    bool Over(const Game& g) const;

    // IPlayAnnouncer
    void CardTurned(const Game& g, CardCode card) override;
    void PairFound(const Game& g, CardCode first, CardCode second) override;
    void Missed(const Game& g) override;

private:
    void Start(const Game& g, int first);
    MatchState state_;
    SeededMatchRandom ownRandom_;
    MatchRandom* random_;
    std::vector<std::optional<Opponent>> opponents_;  // by seat
    IPlayAnnouncer* previous_ = nullptr;
    int slipsTold_ = 0;
};

}  // namespace bw
