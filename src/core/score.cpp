#include "core/score.h"
#include "core/game.h"

#include <algorithm>

#include "core/deal.h"
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
int WasteCards(Game& g) {
    return Cards(g.MazzoPiles[2]);
}
int WastePairs(Game& g) {
    return static_cast<int>(g.MazzoPiles[2].size() / 6);
}
int Misses(Game& g) {
    return g.Options.Opt(opt::kMisses);
}
int ScoreText() {
    return static_cast<int>(ParameterInt(field::kScore, 0));
}

// A pile of exactly nine cards running 9 at the bottom down to 1 at the top.
bool NineDownToOne(const std::string& pile) {
    if (Cards(pile) != 9) return false;
    for (int i = 0; i < 9; ++i)
        if (RankOf(SlotCode(pile, i)) != 9 - i) return false;
    return true;
}

bool DefaultWin(Game& g, bool holesCountEmpty) {
    if (!g.MazzoPiles[0].empty() || !g.MazzoPiles[1].empty()) return false;
    for (int i = 0; i < TableauCount(g); ++i) {
        const std::string& p = g.FilaPiles[static_cast<size_t>(i)];
        if (holesCountEmpty) {
            for (int s = 0; s < Cards(p); ++s)
                if (SlotCode(p, s) != 0) return false;
        } else if (!p.empty()) {
            return false;
        }
    }
    for (int i = 0; i < RuleCount(g, rule::kReserves, 10); ++i)
        if (!g.AppoggPiles[static_cast<size_t>(i)].empty()) return false;
    return true;
}

bool SumsMatchOptions(Game& g) {
    for (int group = 0; group < 4; ++group) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
            const std::string& p =
                g.FilaPiles[static_cast<size_t>(group) * 4 + static_cast<size_t>(i)];
            if (Cards(p) != 1) return false;
            sum += RankOf(SlotCode(p, 0));
        }
        if (sum != g.Options.Opt(opt::kRankSums + group)) return false;
    }
    return true;
}

bool FoundationSumMatches(Game& g) {
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
        const std::string& p = g.DestPiles[static_cast<size_t>(i)];
        if (p.empty()) return false;
        for (int s = 0; s < Cards(p); ++s) sum += std::max(0, RankOf(SlotCode(p, s)));
    }
    return sum == GameNumberTargetSum(GetParameter(field::kGameNumber));
}

int DefaultScore(Game& g) {
    if (GetParameter(field::kScoring) != "01") return 0;
    const int n = Rule(g, rule::kPackCards);
    int b = 0;
    switch (Rule(g, rule::kStripRanks)) {
        case 0: b = -n; break;
        case 1: b = n == 104 ? -64 : -32; break;
        case 2: b = -28; break;
        default: b = 0; break;
    }
    int score =
        b + 5 * Rule(g, rule::kScoreBonus) + 5 * WasteCards(g) - 5 * Rule(g, rule::kJokerCount);
    // A selection is no card on a foundation: a stock deal made while cards
    // are selected must not score them.
    for (size_t i = FirstFoundationIsSelection(g.GameRules) ? 1 : 0; i < g.DestPiles.size(); ++i)
        score += 5 * Cards(g.DestPiles[i]);
    return score;
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
    const int k = Rule(g, rule::kGoalKind);
    switch (k) {
        case 9:
        case 59:
            for (int i = 0; i < TableauCount(g); ++i)
                if (g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        case 21:
        case 22: return g.MazzoPiles[0].empty() && Cards(g.FilaPiles[0]) <= 4;
        case 27:
            for (int i = 0; i < TableauCount(g); ++i)
                if (Cards(g.FilaPiles[static_cast<size_t>(i)]) != 1) return false;
            return true;
        case 31:
            if (!g.MazzoPiles[0].empty()) return false;
            for (int i = 0; i < TableauCount(g); ++i) {
                const std::string& p = g.FilaPiles[static_cast<size_t>(i)];
                if (Cards(p) != 1 || RankOf(SlotCode(p, 0)) != 1) return false;
            }
            return true;
        case 32:
        case 44:
        case 46:
        case 48: return false;
        case 36:
        case 37:
        case 39:
            // A grid game is over only once every card is up: reaching the
            // score early must not let a move's tail end it with cards left.
            for (int i = 0; i < TableauCount(g); ++i) {
                const std::string& row = g.FilaPiles[static_cast<size_t>(i)];
                for (int s = 0; s < SlotCount(row); ++s)
                    if (const CardCode c = SlotCode(row, s);
                        c >= 1 && FaceFlag(g.CardRegister, c) == '0')
                        return false;
            }
            return ScoreText() >= Rule(g, rule::kScoreToWin);
        case 34:
        case 35:
        case 40:
        case 42:
        case 47: return ScoreText() >= Rule(g, rule::kScoreToWin);
        case 41:
            for (int i = 1; i < RuleCount(g, rule::kDests, 16); ++i)
                if (!g.DestPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        case 43:
            for (int i = 0; i < TableauCount(g); ++i)
                if (NineDownToOne(g.FilaPiles[static_cast<size_t>(i)])) return true;
            return false;
        case 45: {
            int n = 0;
            for (int i = 0; i < TableauCount(g); ++i)
                n += g.FilaPiles[static_cast<size_t>(i)].empty() ? 0 : 1;
            return n == 4;
        }
        case 49:
            for (int i = 0; i < 24; ++i)
                if (Cards(g.FilaPiles[static_cast<size_t>(i)]) != 4) return false;
            return true;
        case 52:
            if (!g.MazzoPiles[0].empty() || !g.MazzoPiles[1].empty()) return false;
            for (int i = 0; i < TableauCount(g); ++i)
                if (!g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return Cards(g.AppoggPiles[0]) == 8;
        case 55: return g.MazzoPiles[0].empty();
        case 57: return SumsMatchOptions(g);
        case 58: return FoundationSumMatches(g);
        case 62:
            if (!g.MazzoPiles[0].empty()) return false;
            for (int i = 16; i < 25; ++i)
                if (!g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        default: return DefaultWin(g, k == 4);
    }
}

int ComputeScore(Game& g, bool& shown) {
    shown = true;
    const int n = Rule(g, rule::kPackCards);
    const int m = Misses(g);
    auto sumCards = [](const PileList& list, int from, int to) {
        int total = 0;
        for (int i = from; i < to && i < static_cast<int>(list.size()); ++i)
            total += Cards(list[static_cast<size_t>(i)]);
        return total;
    };
    switch (Rule(g, rule::kGoalKind)) {
        case 9:
        case 59: shown = false; return ScoreText();
        case 32: return 0;
        case 34: {
            int score = -n;
            for (int i = 0; i < TableauCount(g); ++i) {
                CardCode b = BottomCode(g.FilaPiles[static_cast<size_t>(i)]);
                if (b == 0 || (b != i + 1 && b != i + 1 + 13)) break;
                score += 10;
            }
            return score;
        }
        case 35: return -n + 10 * WasteCards(g);
        case 36: return 15 * RecordedRunLength(g) - m - 52;
        case 37: return 10 * WastePairs(g) - 2 * m - 52;
        case 38: return -n + 10 * TwinMatchCount(g);
        case 39: return 7 * WastePairs(g) - m - 52;
        case 40:
        case 41:
        case 42:
        case 46: return 0;
        case 43: {
            int score = -n;
            for (int i = 0; i < TableauCount(g); ++i)
                if (NineDownToOne(g.FilaPiles[static_cast<size_t>(i)])) score += 225;
            return score;
        }
        case 44: return -n;
        case 47: {
            bool any = false;
            for (int i = 0; i < TableauCount(g); ++i)
                any = any || !g.FilaPiles[static_cast<size_t>(i)].empty();
            return any ? -n + 5 * WasteCards(g) : -n + 5 * n;
        }
        case 48: return -n + 5 * Rule(g, rule::kScoreBonus) + 5 * Cards(g.DestPiles[1]);
        case 49: return -n + 5 * Rule(g, rule::kScoreBonus) + 5 * sumCards(g.FilaPiles, 0, 24);
        case 55: return -n + 5 * sumCards(g.FilaPiles, 0, 40);
        case 57: return SumsMatchOptions(g) ? 48 : -52;
        case 58: return FoundationSumMatches(g) ? 23 : -52;
        case 62: return -n + 5 * sumCards(g.FilaPiles, 0, 16) + 5 * sumCards(g.DestPiles, 0, 8);
        default: return DefaultScore(g);
    }
}

void UpdateScore(Game& g) {
    bool shown = true;
    const int score = ComputeScore(g, shown);
    if (!shown) return;
    const std::string text = std::to_string(score);
    AnnounceScore(g, text);
    SetParameter(field::kScore, text);
    if (Rule(g, rule::kDestRule1) == 72 || Rule(g, rule::kDestRule1) == 75)
        PileDrawing().UpdateJokerCaption();
}

}  // namespace bw
