#include "core/score.h"
#include "core/game.h"

#include <algorithm>

#include "core/deal.h"
#include "core/families/family.h"
#include "core/game_status.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"

namespace bw {

namespace {

int Cards(const std::string& pile) {
    return SlotCount(pile);
}

}  // namespace

int RecordedRunLength(Game& g) {
    const std::string& rec = g.AppoggPiles[0];
    const int k = Cards(rec);
    if (k == 0) return 0;
    if (k == 1) return RankOf(SlotCode(rec, 0)) == 1 ? 1 : 0;
    int steps = 0;
    for (int i = 1; i < k; ++i) {
        if (RankOf(SlotCode(rec, i)) != RankOf(SlotCode(rec, i - 1)) + 1) break;
        ++steps;
    }
    return steps > 0 ? steps + 1 : 0;
}

int TwinMatchCount(const Game& g) {
    for (int j = 0; j < 10; ++j)
        if (g.FilaPiles[static_cast<size_t>(j)].empty()) return 0;
    int matches = 0;
    for (int j = 0; j < 10; ++j) {
        CardCode answer = BottomCode(g.FilaPiles[static_cast<size_t>(j)]);
        CardCode model = BottomCode(g.DestPiles[static_cast<size_t>(j)]);
        if (model >= 1 && answer == model + 52) ++matches;
    }
    return matches;
}

int GameNumberTargetSum(const std::string& gameNumber) {
    const std::string g = GameNumberDigits(gameNumber);
    std::string chosen;
    for (int p : {3, 5, 8, 10, 12}) {
        char d = g[static_cast<size_t>(p - 1)];
        while (chosen.find(d) != std::string::npos) d = d == '9' ? '0' : static_cast<char>(d + 1);
        chosen += d;
    }
    int sum = 0;
    for (char d : chosen) sum += d == '0' ? 10 : d - '0';
    return sum;
}

bool IsGameWon(Game& g) {
    return FamilyOf(g).IsWon(g);
}

int ComputeScore(Game& g, bool& shown) {
    shown = true;
    return FamilyOf(g).Score(g, shown);
}

void UpdateScore(Game& g) {
    bool shown = true;
    const int score = ComputeScore(g, shown);
    if (!shown) return;
    const std::string text = std::to_string(score);
    AnnounceScore(g, text);
    SetValue(g.values.score, field::kScore, text);
    if (Rule(g, rule::kDestRule1) == 72 || Rule(g, rule::kDestRule1) == 75)
        PileDrawing().UpdateJokerCaption();
}

}  // namespace bw
