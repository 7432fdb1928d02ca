#include "core/memory_log.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/game.h"
#include "core/game_end.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/clock.h"

namespace bw {

bool Partners(const Game& g, CardCode a, CardCode b) {
    return PairPartners(Rule(g.GameRules, rule::kGoalKind), a, b);
}

// Game time of the deal: 0 until the clock starts, frozen while paused.
int64_t GameMs(const Game& g) {
    if (!Flag(g.GameFlags, flag::kClockRuns)) return 0;
    const int64_t now = g.pausedAt >= 0 ? g.pausedAt : platform::MillisecondsOfDay();
    return ElapsedBetween(g.GameTimes[0], now);
}

Turn* OpenTurn(Game& g) {
    auto& turns = g.memoryLog.record.turns;
    if (turns.empty() || turns.back().outcome != TurnOutcome::kOpen) return nullptr;
    return &turns.back();
}

void JudgeTurn(Game& g, bool slip) {
    auto& turns = g.memoryLog.record.turns;
    if (!turns.empty()) turns.back().outcome = slip ? TurnOutcome::kSlip : TurnOutcome::kMiss;
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
    const int goal = Rule(g.GameRules, rule::kGoalKind);
    if (!RecordsTurns(goal)) return;
    TurnRecord& record = g.memoryLog.record;
    if (record.turns.empty()) {
        record.goal = goal;
        std::string deal = g.values.number;
        deal.erase(deal.find_last_not_of(' ') + 1);
        // Only a deal number proper is kept; the record stays readable.
        const bool digits =
            !deal.empty() && deal.size() <= 13 &&
            std::all_of(deal.begin(), deal.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
        record.deal = digits ? deal : std::string();
    }
    record.turns.emplace_back();
}

void NoteCardTurned(Game& g, CardCode card) {
    g.memoryLog.acted = true;
    if (card < 1 || card > 108) return;
    if (g.memoryLog.seenInTurn[static_cast<size_t>(card)] < 0)
        g.memoryLog.seenInTurn[static_cast<size_t>(card)] = g.memoryLog.turn;
    Turn* turn = OpenTurn(g);
    const size_t cards = CardsPerTurn(g.memoryLog.record.goal);
    if (!turn || turn->cards.size() >= cards) return;
    TurnCard c{card, -1, -1, GameMs(g)};
    for (size_t r = 0; r < g.FilaPiles.size() && c.row < 0; ++r)
        for (int s = 0; s < SlotCount(g.FilaPiles[r]); ++s)
            if (SlotCode(g.FilaPiles[r], s) == card) {
                c.row = static_cast<int>(r);
                c.column = s;
                break;
            }
    turn->cards.push_back(c);
    // Judged a pair until the miss says otherwise.
    if (turn->cards.size() == cards) turn->outcome = TurnOutcome::kPair;
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
    const bool slip = knownPartner(first) || (KnownCard(g, second) && knownPartner(second));
    if (slip) ++g.memoryLog.slips;
    JudgeTurn(g, slip);
}

void NoteSequenceMiss(Game& g, CardCode card) {
    const bool slip = KnownCard(g, card);
    if (slip) ++g.memoryLog.slips;
    JudgeTurn(g, slip);
}

int Slips(const Game& g) {
    return g.memoryLog.slips;
}

const TurnRecord& Turns(const Game& g) {
    return g.memoryLog.record;
}

bool PlayerActed(const Game& g) {
    return g.memoryLog.acted;
}

}  // namespace bw
