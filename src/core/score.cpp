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
int WasteCards() {
    return Cards(MazzoPiles[2]);
}
int WastePairs() {
    return static_cast<int>(MazzoPiles[2].size() / 6);
}
int Misses() {
    return MainGame.Opt(opt::kMisses);
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

bool DefaultWin(bool holesCountEmpty) {
    if (!MazzoPiles[0].empty() || !MazzoPiles[1].empty()) return false;
    for (int i = 0; i < TableauCount(); ++i) {
        const std::string& p = FilaPiles[static_cast<size_t>(i)];
        if (holesCountEmpty) {
            for (int s = 0; s < Cards(p); ++s)
                if (SlotCode(p, s) != 0) return false;
        } else if (!p.empty()) {
            return false;
        }
    }
    for (int i = 0; i < RuleCount(rule::kReserves, 10); ++i)
        if (!AppoggPiles[static_cast<size_t>(i)].empty()) return false;
    return true;
}

bool SumsMatchOptions() {
    for (int g = 0; g < 4; ++g) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
            const std::string& p = FilaPiles[static_cast<size_t>(g) * 4 + static_cast<size_t>(i)];
            if (Cards(p) != 1) return false;
            sum += RankOf(SlotCode(p, 0));
        }
        if (sum != MainGame.Opt(opt::kRankSums + g)) return false;
    }
    return true;
}

bool FoundationSumMatches() {
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
        const std::string& p = DestPiles[static_cast<size_t>(i)];
        if (p.empty()) return false;
        for (int s = 0; s < Cards(p); ++s) sum += std::max(0, RankOf(SlotCode(p, s)));
    }
    return sum == GameNumberTargetSum(GetParameter(field::kGameNumber));
}

int DefaultScore() {
    if (GetParameter(field::kScoring) != "01") return 0;
    const int n = Rule(rule::kPackCards);
    int b = 0;
    switch (Rule(rule::kStripRanks)) {
        case 0: b = -n; break;
        case 1: b = n == 104 ? -64 : -32; break;
        case 2: b = -28; break;
        default: b = 0; break;
    }
    int score = b + 5 * Rule(rule::kScoreBonus) + 5 * WasteCards() - 5 * Rule(rule::kJokerCount);
    // A selection is no card on a foundation: a stock deal made while cards
    // are selected must not score them.
    for (size_t i = FirstFoundationIsSelection() ? 1 : 0; i < DestPiles.size(); ++i)
        score += 5 * Cards(DestPiles[i]);
    return score;
}

}  // namespace

int RecordedRunLength() {
    const std::string& rec = AppoggPiles[0];
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

int TwinMatchCount() {
    for (int j = 0; j < 10; ++j)
        if (FilaPiles[static_cast<size_t>(j)].empty()) return 0;
    int matches = 0;
    for (int j = 0; j < 10; ++j) {
        CardCode answer = BottomCode(FilaPiles[static_cast<size_t>(j)]);
        CardCode model = BottomCode(DestPiles[static_cast<size_t>(j)]);
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

bool IsGameWon() {
    const int k = Rule(rule::kGoalKind);
    switch (k) {
        case 9:
        case 59:
            for (int i = 0; i < TableauCount(); ++i)
                if (FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        case 21:
        case 22: return MazzoPiles[0].empty() && Cards(FilaPiles[0]) <= 4;
        case 27:
            for (int i = 0; i < TableauCount(); ++i)
                if (Cards(FilaPiles[static_cast<size_t>(i)]) != 1) return false;
            return true;
        case 31:
            if (!MazzoPiles[0].empty()) return false;
            for (int i = 0; i < TableauCount(); ++i) {
                const std::string& p = FilaPiles[static_cast<size_t>(i)];
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
            for (int i = 0; i < TableauCount(); ++i) {
                const std::string& row = FilaPiles[static_cast<size_t>(i)];
                for (int s = 0; s < SlotCount(row); ++s)
                    if (const CardCode c = SlotCode(row, s); c >= 1 && FaceFlag(c) == '0')
                        return false;
            }
            return ScoreText() >= Rule(rule::kScoreToWin);
        case 34:
        case 35:
        case 40:
        case 42:
        case 47: return ScoreText() >= Rule(rule::kScoreToWin);
        case 41:
            for (int i = 1; i < RuleCount(rule::kDests, 16); ++i)
                if (!DestPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        case 43:
            for (int i = 0; i < TableauCount(); ++i)
                if (NineDownToOne(FilaPiles[static_cast<size_t>(i)])) return true;
            return false;
        case 45: {
            int n = 0;
            for (int i = 0; i < TableauCount(); ++i)
                n += FilaPiles[static_cast<size_t>(i)].empty() ? 0 : 1;
            return n == 4;
        }
        case 49:
            for (int i = 0; i < 24; ++i)
                if (Cards(FilaPiles[static_cast<size_t>(i)]) != 4) return false;
            return true;
        case 52:
            if (!MazzoPiles[0].empty() || !MazzoPiles[1].empty()) return false;
            for (int i = 0; i < TableauCount(); ++i)
                if (!FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return Cards(AppoggPiles[0]) == 8;
        case 55: return MazzoPiles[0].empty();
        case 57: return SumsMatchOptions();
        case 58: return FoundationSumMatches();
        case 62:
            if (!MazzoPiles[0].empty()) return false;
            for (int i = 16; i < 25; ++i)
                if (!FilaPiles[static_cast<size_t>(i)].empty()) return false;
            return true;
        default: return DefaultWin(k == 4);
    }
}

int ComputeScore(bool& shown) {
    shown = true;
    const int n = Rule(rule::kPackCards);
    const int m = Misses();
    auto sumCards = [](const PileList& list, int from, int to) {
        int total = 0;
        for (int i = from; i < to && i < static_cast<int>(list.size()); ++i)
            total += Cards(list[static_cast<size_t>(i)]);
        return total;
    };
    switch (Rule(rule::kGoalKind)) {
        case 9:
        case 59: shown = false; return ScoreText();
        case 32: return 0;
        case 34: {
            int score = -n;
            for (int i = 0; i < TableauCount(); ++i) {
                CardCode b = BottomCode(FilaPiles[static_cast<size_t>(i)]);
                if (b == 0 || (b != i + 1 && b != i + 1 + 13)) break;
                score += 10;
            }
            return score;
        }
        case 35: return -n + 10 * WasteCards();
        case 36: return 15 * RecordedRunLength() - m - 52;
        case 37: return 10 * WastePairs() - 2 * m - 52;
        case 38: return -n + 10 * TwinMatchCount();
        case 39: return 7 * WastePairs() - m - 52;
        case 40:
        case 41:
        case 42:
        case 46: return 0;
        case 43: {
            int score = -n;
            for (int i = 0; i < TableauCount(); ++i)
                if (NineDownToOne(FilaPiles[static_cast<size_t>(i)])) score += 225;
            return score;
        }
        case 44: return -n;
        case 47: {
            bool any = false;
            for (int i = 0; i < TableauCount(); ++i)
                any = any || !FilaPiles[static_cast<size_t>(i)].empty();
            return any ? -n + 5 * WasteCards() : -n + 5 * n;
        }
        case 48: return -n + 5 * Rule(rule::kScoreBonus) + 5 * Cards(DestPiles[1]);
        case 49: return -n + 5 * Rule(rule::kScoreBonus) + 5 * sumCards(FilaPiles, 0, 24);
        case 55: return -n + 5 * sumCards(FilaPiles, 0, 40);
        case 57: return SumsMatchOptions() ? 48 : -52;
        case 58: return FoundationSumMatches() ? 23 : -52;
        case 62: return -n + 5 * sumCards(FilaPiles, 0, 16) + 5 * sumCards(DestPiles, 0, 8);
        default: return DefaultScore();
    }
}

void UpdateScore() {
    bool shown = true;
    const int score = ComputeScore(shown);
    if (!shown) return;
    const std::string text = std::to_string(score);
    AnnounceScore(ProgramGame(), text);
    SetParameter(field::kScore, text);
    if (Rule(rule::kDestRule1) == 72 || Rule(rule::kDestRule1) == 75)
        PileDrawing().UpdateJokerCaption();
}

}  // namespace bw
