// The patience kinds: the win test and the score by goal kind, with the
// default test and score for every kind without a rule of its own.
#include <algorithm>

#include "core/deal.h"
#include "core/families/families.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/score.h"
#include "core/sounds.h"

namespace bw {

namespace {

int Cards(const std::string& pile) {
    return SlotCount(pile);
}
int WasteCards(Game& g) {
    return Cards(g.MazzoPiles[2]);
}

// A pile of exactly nine cards running 9 at the bottom down to 1 at the top.
bool NineDownToOne(const std::string& pile) {
    if (Cards(pile) != 9) return false;
    for (int i = 0; i < 9; ++i)
        if (RankOf(SlotCode(pile, i)) != 9 - i) return false;
    return true;
}

}  // namespace

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

namespace {

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
    return sum == GameNumberTargetSum(g.values.number);
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

class Patience : public GoalFamily {
public:
    bool IsWon(Game& g) const override {
        const int k = Rule(g, rule::kGoalKind);
        switch (k) {
            case goal::kFillTableaus:
            case goal::kFillTableausKeptScore:
                for (int i = 0; i < TableauCount(g); ++i)
                    if (g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
                return true;
            case goal::kSuitPairsToTarget:
            case goal::kColourPairsToTarget:
                return g.MazzoPiles[0].empty() && Cards(g.FilaPiles[0]) <= 4;
            case goal::kOneCardEach:
                for (int i = 0; i < TableauCount(g); ++i)
                    if (Cards(g.FilaPiles[static_cast<size_t>(i)]) != 1) return false;
                return true;
            case goal::kAcesAlone:
                if (!g.MazzoPiles[0].empty()) return false;
                for (int i = 0; i < TableauCount(g); ++i) {
                    const std::string& p = g.FilaPiles[static_cast<size_t>(i)];
                    if (Cards(p) != 1 || RankOf(SlotCode(p, 0)) != 1) return false;
                }
                return true;
            case goal::kNoTableauDrops:
            case goal::kPlayedOut:
            case goal::kNoTableauDropsScoreless:
            case goal::kSecondFoundation: return false;
            case goal::kBottomsInOrder:
            case goal::kWasteCounts:
            case goal::kFaceDownPlayable:
            case goal::kScoreWins:
            case goal::kChainRemoval: return ScoreValue(g) >= Rule(g, rule::kScoreToWin);
            case goal::kFacesMatchNumbers:
                for (int i = 1; i < RuleCount(g, rule::kDests, 16); ++i)
                    if (!g.DestPiles[static_cast<size_t>(i)].empty()) return false;
                return true;
            case goal::kNineDownToOne:
                for (int i = 0; i < TableauCount(g); ++i)
                    if (NineDownToOne(g.FilaPiles[static_cast<size_t>(i)])) return true;
                return false;
            case goal::kTargetOrNeighbours: {
                int n = 0;
                for (int i = 0; i < TableauCount(g); ++i)
                    n += g.FilaPiles[static_cast<size_t>(i)].empty() ? 0 : 1;
                return n == 4;
            }
            case goal::kFourEach:
                for (int i = 0; i < 24; ++i)
                    if (Cards(g.FilaPiles[static_cast<size_t>(i)]) != 4) return false;
                return true;
            case goal::kEightInReserve:
                if (!g.MazzoPiles[0].empty() || !g.MazzoPiles[1].empty()) return false;
                for (int i = 0; i < TableauCount(g); ++i)
                    if (!g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
                return Cards(g.AppoggPiles[0]) == 8;
            case goal::kStockOut: return g.MazzoPiles[0].empty();
            case goal::kRankSums: return SumsMatchOptions(g);
            case goal::kNumberSum: return FoundationSumMatches(g);
            case goal::kCentreEmpty:
                if (!g.MazzoPiles[0].empty()) return false;
                for (int i = 16; i < 25; ++i)
                    if (!g.FilaPiles[static_cast<size_t>(i)].empty()) return false;
                return true;
            default: return DefaultWin(g, k == goal::kUncoveredSum13);
        }
    }

    int Score(Game& g, bool& shown) const override {
        shown = true;
        const int n = Rule(g, rule::kPackCards);
        auto sumCards = [](const PileList& list, int from, int to) {
            int total = 0;
            for (int i = from; i < to && i < static_cast<int>(list.size()); ++i)
                total += Cards(list[static_cast<size_t>(i)]);
            return total;
        };
        switch (Rule(g, rule::kGoalKind)) {
            case goal::kFillTableaus:
            case goal::kFillTableausKeptScore: shown = false; return ScoreValue(g);
            case goal::kNoTableauDrops: return 0;
            case goal::kBottomsInOrder: {
                int score = -n;
                for (int i = 0; i < TableauCount(g); ++i) {
                    CardCode b = BottomCode(g.FilaPiles[static_cast<size_t>(i)]);
                    if (b == 0 || (b != i + 1 && b != i + 1 + 13)) break;
                    score += 10;
                }
                return score;
            }
            case goal::kWasteCounts: return -n + 10 * WasteCards(g);
            case goal::kFaceDownPlayable:
            case goal::kFacesMatchNumbers:
            case goal::kScoreWins:
            case goal::kNoTableauDropsScoreless: return 0;
            case goal::kNineDownToOne: {
                int score = -n;
                for (int i = 0; i < TableauCount(g); ++i)
                    if (NineDownToOne(g.FilaPiles[static_cast<size_t>(i)])) score += 225;
                return score;
            }
            case goal::kPlayedOut: return -n;
            case goal::kChainRemoval: {
                bool any = false;
                for (int i = 0; i < TableauCount(g); ++i)
                    any = any || !g.FilaPiles[static_cast<size_t>(i)].empty();
                return any ? -n + 5 * WasteCards(g) : -n + 5 * n;
            }
            case goal::kSecondFoundation:
                return -n + 5 * Rule(g, rule::kScoreBonus) + 5 * Cards(g.DestPiles[1]);
            case goal::kFourEach:
                return -n + 5 * Rule(g, rule::kScoreBonus) + 5 * sumCards(g.FilaPiles, 0, 24);
            case goal::kStockOut: return -n + 5 * sumCards(g.FilaPiles, 0, 40);
            case goal::kRankSums: return SumsMatchOptions(g) ? 48 : -52;
            case goal::kNumberSum: return FoundationSumMatches(g) ? 23 : -52;
            case goal::kCentreEmpty:
                return -n + 5 * sumCards(g.FilaPiles, 0, 16) + 5 * sumCards(g.DestPiles, 0, 8);
            default: return DefaultScore(g);
        }
    }

    void PlayWasteSound(const Game& g) const override {
        if (Rule(g, rule::kGoalKind) == goal::kEddy) PlaySwitched("Eddy", field::kSoundsFoundation);
    }

    bool RetestsWinAfterMove(const Game& g, bool ontoReserve) const override {
        const int k = Rule(g, rule::kGoalKind);
        return k == goal::kAcesAlone || k == goal::kBottomsInOrder || k == goal::kWasteCounts ||
               (k == goal::kEightInReserve && ontoReserve);
    }

    // The score of these kinds follows the tableau piles, and so may their end.
    void AfterTableauMove(Game& g) const override {
        const int k = Rule(g, rule::kGoalKind);
        if (k == goal::kNineDownToOne || k == goal::kPlayedOut) {
            UpdateScore(g);
            SetFlag(g, flag::kFinished, IsGameWon(g));
        }
    }
};

}  // namespace

const GoalFamily& PatienceFamily() {
    static const Patience family;
    return family;
}

}  // namespace bw
