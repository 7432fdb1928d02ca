#pragma once
// Matches in the pairing games ("Pairs", goal kind 37; "Concentration", 39):
// two to four seats take turns on one grid; a pair found keeps the turn, a
// miss passes it; most pairs wins, and equal most pairs is a tie.
// "Ace-To-King" (36) has no match: its run belongs to the table, not to a
// seat, so a seat would either build on its rival's run or have to break
// it, and neither is a fair race.
//
// The computer opponent has a human memory:
//   - it sees every card turned up, by any seat;
//   - a card seen enters its memory with probability p (each sighting
//     gives another chance);
//   - after every turn of two cards, by any seat, each remembered card is
//     forgotten with probability f;
//   - it turns a remembered pair when it has one; otherwise a card no one
//     has turned yet (if none is left, any card it does not remember), and
//     then the partner of that card if it remembers one, else again a card
//     no one has turned (or one it does not remember).
// With p = 1 and f = 0 it never misses a pair that has been seen.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/families/family.h"
#include "core/ports.h"
#include "core/tr_marker.h"

namespace bw {

struct Game;

// The opponent's randomness, injectable so that tests fix its choices.
class MatchRandom {
public:
    virtual ~MatchRandom() = default;
    virtual double Unit() = 0;     // [0, 1)
    virtual int Below(int n) = 0;  // 0 .. n - 1; 0 when n < 1
};

// A seeded generator (xorshift64*): the same seed, the same match.
class SeededMatchRandom : public MatchRandom {
public:
    explicit SeededMatchRandom(uint64_t seed);
    double Unit() override;
    int Below(int n) override;

private:
    uint64_t Next();
    uint64_t state_;
};

struct MemoryModel {
    double enter = 1.0;   // p: a card seen is remembered
    double forget = 0.0;  // f: a remembered card is forgotten, per turn
    bool operator==(const MemoryModel&) const = default;
};

inline constexpr int kOpponentLevels = 4;
// Levels 1 (forgetful) .. 4 (perfect memory: p = 1, f = 0).
MemoryModel LevelModel(int level);
// The level's name, untranslated; empty for no level.
const char* LevelName(int level);

namespace match_text {
inline constexpr const char* kForgetful = BW_TR_NOOP("Messages", "Forgetful");
inline constexpr const char* kCasual = BW_TR_NOOP("Messages", "Casual");
inline constexpr const char* kSharp = BW_TR_NOOP("Messages", "Sharp");
inline constexpr const char* kPerfect = BW_TR_NOOP("Messages", "Perfect memory");
inline constexpr const char* kMyLevel = BW_TR_NOOP("Messages", "Match my level");
}  // namespace match_text

// "Match my level": p and f from the player's last games of the grid
// (`history`, oldest first, as the results record keeps it) on a grid of
// `pairs` pairs. Over the last kRecallGames games (fewer when fewer were
// played) with M misses and S slips in all:
//   p = 1 - S / M          the share of misses that were not slips: a slip
//                          is a card seen but not kept (p = 1 without misses)
//   f = S / (G * pairs)    slips per game and pair, the cards lost again
// p is held to [0.2, 1], f to [0, 0.2]. No games: level 2.
inline constexpr int kRecallGames = 10;
MemoryModel RecallModel(const std::vector<GameResult>& history, int pairs);

class Opponent {
public:
    Opponent(MemoryModel model, MatchRandom& random) : model_(model), random_(&random) {}
    const MemoryModel& model() const { return model_; }
    // A card turned face up by anyone.
    void Saw(CardCode card);
    // A card taken out of the grid with its pair.
    void Gone(CardCode card);
    // A turn of two cards is over.
    void TurnPassed();
    bool Remembers(CardCode card) const;
    // The card to turn first in `g`'s grid, and the second after `first`.
    CardCode FirstCard(const Game& g);
    CardCode SecondCard(const Game& g, CardCode first);

private:
    CardCode Pick(const std::vector<CardCode>& cards);
    CardCode Unknown(const std::vector<CardCode>& cards);
    MemoryModel model_;
    MatchRandom* random_;
    std::array<bool, 109> remembered_{};
    std::array<bool, 109> seen_{};
};

struct MatchSeat {
    std::string name;  // a player's name; empty for a computer seat
    int level = 0;     // 0: a person; 1..4 a computer level
    MemoryModel model;
    int pairs = 0, misses = 0;
    int avoidable = 0;  // misses a perfect memory would not have made
    bool operator==(const MatchSeat&) const = default;
};

struct MatchState {
    std::vector<MatchSeat> seats;
    int toPlay = 0;
    bool operator==(const MatchState&) const = default;
};

inline constexpr int kMinSeats = 2;
inline constexpr int kMaxSeats = 4;

// The seat to play found a pair: it plays again.
void MatchPairFound(MatchState& m);
// The seat to play missed (`avoidable` when a perfect memory would not
// have): the turn passes to the next seat.
void MatchMissed(MatchState& m, bool avoidable);
// The seats with the most pairs: one seat wins, more are a tie.
std::vector<int> MatchLeaders(const MatchState& m);

}  // namespace bw
