#include "core/memory_log.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/game.h"
#include "core/state.h"

namespace bw {

namespace {

constinit MemoryLog& g_log = detail::programGame.memoryLog;

bool Partners(CardCode a, CardCode b) {
    if (a < 1 || b < 1 || a == b || RankOf(a) != RankOf(b)) return false;
    if (Rule(rule::kGoalKind) == 37) return a + 52 == b || b + 52 == a;
    return true;
}

// Every card still in the grid rows.
std::vector<CardCode> GridCards() {
    std::vector<CardCode> cards;
    const int rows = TableauCount();
    for (int r = 0; r < rows; ++r) {
        const std::string& row = FilaPiles[static_cast<size_t>(r)];
        for (int s = 0; s < SlotCount(row); ++s)
            if (CardCode c = SlotCode(row, s); c >= 1) cards.push_back(c);
    }
    return cards;
}

}  // namespace

void ResetMemoryLog() {
    g_log = MemoryLog{};
}

void BeginMemoryTurn() {
    ++g_log.turn;
}

void NoteCardTurned(CardCode card) {
    g_log.acted = true;
    if (card >= 1 && card <= 108 && g_log.seenInTurn[static_cast<size_t>(card)] < 0)
        g_log.seenInTurn[static_cast<size_t>(card)] = g_log.turn;
}

void NotePlayerMove() {
    g_log.acted = true;
}

bool KnownCard(CardCode card) {
    if (card < 1 || card > 108) return false;
    const int seen = g_log.seenInTurn[static_cast<size_t>(card)];
    return seen >= 0 && seen < g_log.turn;
}

void NotePairMiss(CardCode first, CardCode second) {
    const std::vector<CardCode> grid = GridCards();
    auto knownPartner = [&](CardCode card) {
        return std::any_of(grid.begin(), grid.end(),
                           [&](CardCode c) { return KnownCard(c) && Partners(card, c); });
    };
    if (knownPartner(first) || (KnownCard(second) && knownPartner(second))) ++g_log.slips;
}

void NoteSequenceMiss(CardCode card) {
    if (KnownCard(card)) ++g_log.slips;
}

int Slips() {
    return g_log.slips;
}

bool PlayerActed() {
    return g_log.acted;
}

}  // namespace bw
