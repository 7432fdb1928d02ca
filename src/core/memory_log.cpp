#include "core/memory_log.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/game.h"
#include "core/state.h"

namespace bw {

bool Partners(const Game& g, CardCode a, CardCode b) {
    if (a < 1 || b < 1 || a == b || RankOf(a) != RankOf(b)) return false;
    if (Rule(g.GameRules, rule::kGoalKind) == 37) return a + 52 == b || b + 52 == a;
    return true;
}

std::vector<CardCode> GridCardCodes(const Game& g) {
    std::vector<CardCode> cards;
    const int rows = std::clamp(Rule(g.GameRules, rule::kFilas), 0, 40);
    for (int r = 0; r < rows; ++r) {
        const std::string& row = g.FilaPiles[static_cast<size_t>(r)];
        for (int s = 0; s < SlotCount(row); ++s)
            if (CardCode c = SlotCode(row, s); c >= 1) cards.push_back(c);
    }
    return cards;
}

void ResetMemoryLog(Game& g) {
    g.memoryLog = MemoryLog{};
}

void BeginMemoryTurn(Game& g) {
    ++g.memoryLog.turn;
}

void NoteCardTurned(Game& g, CardCode card) {
    g.memoryLog.acted = true;
    if (card >= 1 && card <= 108 && g.memoryLog.seenInTurn[static_cast<size_t>(card)] < 0)
        g.memoryLog.seenInTurn[static_cast<size_t>(card)] = g.memoryLog.turn;
}

void NotePlayerMove(Game& g) {
    g.memoryLog.acted = true;
}

bool KnownCard(const Game& g, CardCode card) {
    if (card < 1 || card > 108) return false;
    const int seen = g.memoryLog.seenInTurn[static_cast<size_t>(card)];
    return seen >= 0 && seen < g.memoryLog.turn;
}

void NotePairMiss(Game& g, CardCode first, CardCode second) {
    const std::vector<CardCode> grid = GridCardCodes(g);
    auto knownPartner = [&](CardCode card) {
        return std::any_of(grid.begin(), grid.end(),
                           [&](CardCode c) { return KnownCard(g, c) && Partners(g, card, c); });
    };
    if (knownPartner(first) || (KnownCard(g, second) && knownPartner(second))) ++g.memoryLog.slips;
}

void NoteSequenceMiss(Game& g, CardCode card) {
    if (KnownCard(g, card)) ++g.memoryLog.slips;
}

int Slips(const Game& g) {
    return g.memoryLog.slips;
}

bool PlayerActed(const Game& g) {
    return g.memoryLog.acted;
}

}  // namespace bw
