#include "core/match.h"

#include <algorithm>

#include "core/game.h"
#include "core/memory_log.h"

namespace bw {

namespace {

bool InRange(CardCode c) {
    return c >= 1 && c <= 108;
}

}  // namespace

SeededMatchRandom::SeededMatchRandom(uint64_t seed)
    : state_(seed * 2654435761U + 0x9E3779B97F4A7C15U) {
    if (state_ == 0) state_ = 1;  // xorshift never leaves 0
}

uint64_t SeededMatchRandom::Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DU;
}

double SeededMatchRandom::Unit() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

int SeededMatchRandom::Below(int n) {
    return n < 1 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n));
}

MemoryModel LevelModel(int level) {
    switch (level) {
        case 1: return {0.35, 0.10};
        case 2: return {0.60, 0.05};
        case 3: return {0.85, 0.02};
        default: return {1.0, 0.0};
    }
}

const char* LevelName(int level) {
    switch (level) {
        case 1: return match_text::kForgetful;
        case 2: return match_text::kCasual;
        case 3: return match_text::kSharp;
        case 4: return match_text::kPerfect;
        default: return "";
    }
}

MemoryModel RecallModel(const std::vector<GameResult>& history, int pairs) {
    const size_t games = std::min<size_t>(history.size(), kRecallGames);
    if (games == 0 || pairs < 1) return LevelModel(2);
    long misses = 0, slips = 0;
    for (size_t i = history.size() - games; i < history.size(); ++i) {
        misses += std::max(history[i].misses, 0);
        slips += std::max(history[i].slips, 0);
    }
    slips = std::min(slips, misses);
    const double p =
        misses > 0 ? 1.0 - static_cast<double>(slips) / static_cast<double>(misses) : 1.0;
    const double f = static_cast<double>(slips) / (static_cast<double>(games) * pairs);
    return {std::clamp(p, 0.2, 1.0), std::clamp(f, 0.0, 0.2)};
}

void Opponent::Saw(CardCode card) {
    if (!InRange(card)) return;
    const auto i = static_cast<size_t>(card);
    seen_[i] = true;
    if (!remembered_[i] && random_->Unit() < model_.enter) remembered_[i] = true;
}

void Opponent::Gone(CardCode card) {
    if (InRange(card)) remembered_[static_cast<size_t>(card)] = false;
}

void Opponent::TurnPassed() {
    if (model_.forget <= 0.0) return;
    for (bool& r : remembered_)
        if (r && random_->Unit() < model_.forget) r = false;
}

bool Opponent::Remembers(CardCode card) const {
    return InRange(card) && remembered_[static_cast<size_t>(card)];
}

CardCode Opponent::Pick(const std::vector<CardCode>& cards) {
    return cards.empty()
               ? 0
               : cards[static_cast<size_t>(random_->Below(static_cast<int>(cards.size())))];
}

// A card no one has turned yet; if none is left, one it does not remember;
// failing that, any.
CardCode Opponent::Unknown(const std::vector<CardCode>& cards) {
    std::vector<CardCode> unseen, forgotten;
    for (CardCode c : cards) {
        if (!seen_[static_cast<size_t>(c)]) unseen.push_back(c);
        if (!Remembers(c)) forgotten.push_back(c);
    }
    if (!unseen.empty()) return Pick(unseen);
    if (!forgotten.empty()) return Pick(forgotten);
    return Pick(cards);
}

CardCode Opponent::FirstCard(const Game& g) {
    std::vector<CardCode> grid = GridCardCodes(g);
    std::erase_if(grid, [](CardCode c) { return !InRange(c); });
    for (size_t i = 0; i < grid.size(); ++i) {
        if (!Remembers(grid[i])) continue;
        for (size_t j = i + 1; j < grid.size(); ++j)
            if (Remembers(grid[j]) && Partners(g, grid[i], grid[j])) return grid[i];
    }
    return Unknown(grid);
}

CardCode Opponent::SecondCard(const Game& g, CardCode first) {
    std::vector<CardCode> grid = GridCardCodes(g);
    std::erase_if(grid, [first](CardCode c) { return !InRange(c) || c == first; });
    for (CardCode c : grid)
        if (Remembers(c) && Partners(g, first, c)) return c;
    return Unknown(grid);
}

void MatchPairFound(MatchState& m) {
    if (m.seats.empty()) return;
    ++m.seats[static_cast<size_t>(m.toPlay)].pairs;
}

void MatchMissed(MatchState& m, bool avoidable) {
    if (m.seats.empty()) return;
    MatchSeat& seat = m.seats[static_cast<size_t>(m.toPlay)];
    ++seat.misses;
    if (avoidable) ++seat.avoidable;
    m.toPlay = (m.toPlay + 1) % static_cast<int>(m.seats.size());
}

std::vector<int> MatchLeaders(const MatchState& m) {
    int most = -1;
    for (const MatchSeat& s : m.seats) most = std::max(most, s.pairs);
    std::vector<int> leaders;
    for (size_t i = 0; i < m.seats.size(); ++i)
        if (m.seats[i].pairs == most) leaders.push_back(static_cast<int>(i));
    return leaders;
}

}  // namespace bw
