#include "core/deal.h"
#include "core/families/family.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/tr_marker.h"
#include "platform/clock.h"

namespace bw {

namespace {

// Suit order by row (s = M mod 13); eight columns, one per deck-suit place.
constexpr int kSuitOrder[13][8] = {
    {4, 2, 3, 1, 4, 2, 1, 3}, {1, 3, 2, 4, 4, 3, 2, 1}, {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4}, {4, 2, 3, 1, 1, 3, 4, 2}, {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4}, {3, 2, 1, 4, 2, 4, 1, 3}, {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3}, {3, 1, 4, 2, 1, 2, 4, 3}, {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
};

// The code less the rank of the card a suit-order place stands for.
constexpr auto kSuitBase = [] {
    std::array<std::array<int, 8>, 13> base{};
    for (size_t s = 0; s < 13; ++s)
        for (size_t j = 0; j < 8; ++j) base[s][j] = (kSuitOrder[s][j] - 1) * 13 + (j >= 4 ? 52 : 0);
    return base;
}();

// Steps by digit.
constexpr int kSteps[10][8] = {
    {25, 18, 13, 22, 21, 20, 15, 15}, {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18}, {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20}, {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16}, {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13}, {24, 13, 20, 21, 21, 14, 15, 22},
};

// Powers of ten, for cutting digits out of a number.
constexpr unsigned long long kPowers[10] = {1,      10,      100,      1000,      10000,
                                            100000, 1000000, 10000000, 100000000, 1000000000};

// Keeps a position inside [0, n): at or past the end wraps, below 0 is 0.
int Wrap(int y, int n) {
    if (n <= 0) return 0;
    // Steps are below 52: past the end of a whole pack one subtraction does,
    // the division is left to shorter packs.
    if (y >= n) return y - n < n ? y - n : y % n;
    if (y < 0) return 0;
    return y;
}

// Takes out of the pack the first card satisfying `pred`; 0 when none.
template <class Pred>
CardCode TakeFirst(Pack& pack, Pred pred) {
    for (size_t i = 0; i < pack.size(); ++i) {
        if (pack[i] != 0 && pred(pack[i])) {
            CardCode c = pack[i];
            pack.erase(pack.begin() + static_cast<long>(i));
            return c;
        }
    }
    return 0;
}

void RemoveCode(Pack& pack, CardCode c) {
    auto it = std::find(pack.begin(), pack.end(), c);
    if (it != pack.end()) pack.erase(it);
}

// Deletes every card for which `drop` holds.
template <class Pred>
void Filter(Pack& pack, Pred drop) {
    pack.erase(std::remove_if(pack.begin(), pack.end(), drop), pack.end());
}

void PutFaceUp(Game& g, PileList& list, int index, CardCode c) {
    AppendCard(g, list, index, c, Face::kUp);
}

void AllFaceUp(Game& g, const std::string& pile) {
    SetFace(g, pile, SlotCount(pile), Face::kUp);
}

int BaseRankOf(CardCode c) {
    return IsJoker(c) ? -2 : RankOf(c);
}

int ProbeRank(CardCode c) {
    return c >= 1 ? RankOf(c) : -1;
}

// Pre-filters 11 and 14: one card per rank k0..k1, nothing else.
void OneCardPerRank(Pack& pack, int k1, bool sameSuitAsFirst) {
    const int suit = pack.empty() ? -1 : SuitOf(pack[0]);
    for (int k = 1; k <= k1; ++k) {
        auto keepIt = std::find_if(pack.begin(), pack.end(), [&](CardCode c) {
            return ProbeRank(c) == k && (!sameSuitAsFirst || SuitOf(c) == suit);
        });
        if (keepIt == pack.end()) continue;
        const size_t keep = static_cast<size_t>(keepIt - pack.begin());
        // After each deletion the scan resumes at the second entry: the
        // shipped deals depend on this order.
        size_t i = 0;
        size_t kept = keep;
        while (i < pack.size()) {
            if (i != kept && ProbeRank(pack[i]) == k) {
                pack.erase(pack.begin() + static_cast<long>(i));
                if (i < kept) --kept;
                i = 1;
                continue;
            }
            ++i;
        }
    }
    Filter(pack, [&](CardCode c) {
        int r = ProbeRank(c);
        return r < 1 || r > k1;
    });
}

// Card codes 0..127 as bits, so that a filter over the pack looks a code up
// instead of scanning a list for every card.
class CodeSet {
public:
    constexpr CodeSet(std::initializer_list<int> codes) {
        for (int c : codes) words_[c >> 6] |= 1ULL << (c & 63);
    }
    constexpr bool Has(CardCode c) const {
        return c >= 0 && c < 128 && (words_[c >> 6] >> (c & 63) & 1) != 0;
    }

private:
    uint64_t words_[2] = {0, 0};
};

// The codes pre-filter 12 keeps, each card with its twin of the second deck:
// always, unless the tableau has three piles, unless it has three or four.
constexpr CodeSet kKeptAlways{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
constexpr CodeSet kKeptUnlessThree{9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
constexpr CodeSet kKeptUnlessThreeOrFour{2,  10, 16, 24, 30, 38, 44, 52,
                                         54, 62, 68, 76, 82, 90, 96, 104};

void PreFilter(Game& g, Pack& pack) {
    const int n368 = Rule(g, rule::kFilas);
    switch (Rule(g, rule::kArrangement)) {
        case 11: OneCardPerRank(pack, n368, false); break;
        case 14: OneCardPerRank(pack, 9, true); break;
        case 9:
            Filter(pack, [&](CardCode c) {
                if (n368 <= 13) return !(c >= 1 && c <= n368);
                return !((c >= 1 && c <= 13) || (c >= 27 && c <= n368 + 13));
            });
            break;
        case 12:
            Filter(pack, [&](CardCode c) {
                if (kKeptAlways.Has(c)) return false;
                if (n368 != 3 && kKeptUnlessThree.Has(c)) return false;
                if (n368 != 3 && n368 != 4 && kKeptUnlessThreeOrFour.Has(c)) return false;
                return true;
            });
            break;
        case 16:
            Filter(pack, [](CardCode c) {
                int r = ProbeRank(c);
                return r == 12 || r == 13;
            });
            break;
        default: break;
    }
}

void FoundationCards(Game& g, Pack& pack) {
    const int nd = RuleCount(g, rule::kDests, 16);
    for (int k = 0; k < nd; ++k) {
        const int v = Rule(g, rule::kInitDest1 + k);
        CardCode c = -1;
        auto bottomSuitUsed = [&](int suit) {
            for (int j = 0; j < k; ++j) {
                CardCode b = BottomCode(g.DestPiles[static_cast<size_t>(j)]);
                if (b >= 1 && SuitOf(b) == suit) return true;
            }
            return false;
        };
        auto bottomRankUsed = [&](int rank) {
            for (int j = 0; j < k; ++j) {
                CardCode b = BottomCode(g.DestPiles[static_cast<size_t>(j)]);
                if (b >= 1 && RankOf(b) == rank) return true;
            }
            return false;
        };
        auto first = [&](auto pred) -> CardCode {
            for (CardCode p : pack)
                if (p >= 1 && pred(p)) return p;
            return -1;
        };
        if (v == 0 || v == 96 || v == 97) {
            continue;
        } else if (v == 91) {
            if (pack.empty()) continue;
            c = pack[0] + (k + 1) * 13;
            if (Rule(g, rule::kPackCards) > 0 && c > Rule(g, rule::kPackCards))
                c = c % Rule(g, rule::kPackCards);
        } else if (v == 92) {
            SetRule(g, rule::kBaseRank1 + k, Rule(g, rule::kBaseRank1));
            continue;
        } else if (v == 93 || v == 94) {
            c = k * 13 + 1;
        } else if (v == 95) {
            c = k <= 3 ? (k + 1) * 13 : k * 13 - 51;
        } else if (v == 20) {
            c = pack.empty() ? -1 : pack[0];
        } else if (v == 21) {
            c = first([&](CardCode p) { return !bottomSuitUsed(SuitOf(p)); });
        } else if (v == 22) {
            c = first([&](CardCode p) { return RankOf(p) != 13 && !bottomRankUsed(RankOf(p)); });
        } else if (v >= 51 && v <= 63) {
            c = first([&](CardCode p) { return RankOf(p) == v - 50; });
        } else if (v >= 100) {
            c = v - 100;
        } else {
            c = k * 13 + v;
        }
        // A hole is no foundation card: only real codes are placed.
        if (c < 1 || c > 108) continue;
        PutFaceUp(g, g.DestPiles, k, c);
        SetRule(g, rule::kBaseRank1 + k,
                BaseRankOf(BottomCode(g.DestPiles[static_cast<size_t>(k)])));
        RemoveCode(pack, c);
    }
}

void DealPiles(Game& g, Pack& pack) {
    for (int i = 0; i < 40; ++i) {
        if (Rule(g, rule::kDealFila1 + i) > 1000) {
            DealCards(g, Rule(g, rule::kDealFila1 + i), pack, g.FilaPiles, i);
            SetFace(g, g.FilaPiles[static_cast<size_t>(i)], Rule(g, rule::kFaceFila1 + i),
                    Face::kUp);
        }
    }
    DealCards(g, Rule(g, rule::kDealMazzo), pack, g.MazzoPiles, 0);
    if (Rule(g, rule::kStockDown) == 0) AllFaceUp(g, g.MazzoPiles[0]);
    if (Rule(g, rule::kDealMazzoVis) > 0) {
        DealCards(g, Rule(g, rule::kDealMazzoVis), pack, g.MazzoPiles, 1);
        AllFaceUp(g, g.MazzoPiles[1]);
    }
    for (int i = 0; i < 40; ++i) {
        const int n = Rule(g, rule::kDealFila1 + i);
        if (n > 0 && n <= 1000) {
            DealCards(g, n, pack, g.FilaPiles, i);
            SetFace(g, g.FilaPiles[static_cast<size_t>(i)], Rule(g, rule::kFaceFila1 + i),
                    Face::kUp);
        }
    }
    DealCards(g, Rule(g, rule::kDealWaste), pack, g.MazzoPiles, 2);
    AllFaceUp(g, g.MazzoPiles[2]);
    for (int i = 0; i < 10; ++i) {
        if (Rule(g, rule::kDealAppogg1 + i) > 0) {
            DealCards(g, Rule(g, rule::kDealAppogg1 + i), pack, g.AppoggPiles, i);
            SetFace(g, g.AppoggPiles[static_cast<size_t>(i)], Rule(g, rule::kFaceAppogg1 + i),
                    Face::kUp);
        }
    }
}

CardCode TakeHead(Pack& pack) {
    if (pack.empty()) return 0;
    CardCode c = pack.front();
    pack.erase(pack.begin());
    return c;
}

void BaseRanks(Game& g, Pack& pack) {
    const int nd = RuleCount(g, rule::kDests, 16);
    switch (Rule(g, rule::kBaseRankMode)) {
        case 1: {
            CardCode c = TakeHead(pack);
            if (c < 1) break;
            PutFaceUp(g, g.DestPiles, 0, c);
            for (int k = 0; k < 16; ++k) SetRule(g, rule::kBaseRank1 + k, BaseRankOf(c));
            break;
        }
        case 2: {
            for (int k = 0; k < nd && !pack.empty(); ++k)
                PutFaceUp(g, g.DestPiles, k, TakeHead(pack));
            const int base = BaseRankOf(TopCode(g.DestPiles[0]));
            for (int k = 0; k < nd; ++k) SetRule(g, rule::kBaseRank1 + k, base);
            break;
        }
        case 3:
            for (int k = 0; k < nd && k < 10; ++k) {
                CardCode b = BottomCode(g.AppoggPiles[static_cast<size_t>(k)]);
                if (b >= 1) SetRule(g, rule::kBaseRank1 + k, NextRank(RankOf(b)));
            }
            break;
        case 4: {
            CardCode c = TakeHead(pack);
            if (c < 1) break;
            PutFaceUp(g, g.DestPiles, 0, c);
            for (int k = 1; k <= 3; ++k) SetRule(g, rule::kBaseRank1 + k, RankOf(c));
            for (int k = 4; k <= 7; ++k) SetRule(g, rule::kBaseRank1 + k, NextRank(RankOf(c)));
            break;
        }
        case 6: {
            CardCode c = TakeHead(pack);
            if (c < 1) break;
            PutFaceUp(g, g.DestPiles, 0, c);
            SetRule(g, rule::kBaseRank1, RankOf(c));
            for (int k = 1; k < nd; ++k)
                SetRule(g, rule::kBaseRank1 + k, PrevRank(Rule(g, rule::kBaseRank1 + k - 1)));
            break;
        }
        default: break;
    }
}

void GoalArrangements(Game& g) {
    if (Rule(g, rule::kGoalKind) == goal::kAcesFromReserve) {
        int moved = 0;
        for (;;) {
            std::string& cell = g.AppoggPiles[0];
            int slot = -1;
            for (int i = 0; i < SlotCount(cell); ++i)
                if (RankOf(SlotCode(cell, i)) == 1) {
                    slot = i;
                    break;
                }
            if (slot < 0 || moved + 1 >= 16) break;
            CardCode ace = SlotCode(cell, slot);
            cell.erase(static_cast<size_t>(slot) * 3, 3);
            g.DestPiles[static_cast<size_t>(moved) + 1] = FormatCode(ace);
            SetCardFace(g, ace, Face::kUp);
            ++moved;
        }
        int n = moved;
        bool aceToFirst = false;
        std::string& vis = g.MazzoPiles[1];
        int i = 0;
        while (i < SlotCount(vis)) {
            if (n == 0 && aceToFirst) break;
            CardCode c = SlotCode(vis, i);
            if (RankOf(c) == 1) {
                vis.erase(static_cast<size_t>(i) * 3, 3);
                PutFaceUp(g, g.DestPiles, 0, c);
                aceToFirst = true;
            } else if (n > 0) {
                vis.erase(static_cast<size_t>(i) * 3, 3);
                AppendCard(g, g.AppoggPiles, 0, c);
                AllFaceUp(g, g.AppoggPiles[0]);
                --n;
            } else {
                ++i;
                continue;
            }
            ++i;  // the card that slid into the freed place is passed over
        }
    } else if (Rule(g, rule::kGoalKind) == goal::kColourPairsToTarget) {
        while (TakeCardAnywhere(g, 12, 1) != 255) {
        }
        while (TakeCardAnywhere(g, 13, 1) != 255) {
        }
        g.MazzoPiles[0] = FormatCode(13) + g.MazzoPiles[0];
        SetCardFace(g, 13, Face::kDown);
        PutFaceUp(g, g.FilaPiles, 0, 12);
    }
}

// Offers the tableau cards to the foundations (pile by pile or row by row);
// a moved card's place is examined again.
void OfferTableauToFoundations(Game& g, int mode, bool rowByRow) {
    const int nf = TableauCount(g);
    auto offer = [&](int pile, CardCode c) {
        if (c < 1) return false;
        if (mode == 94) return OfferToFoundations(g, c, pile);
        if (mode == 95) return OfferToFoundationsGrouped(g, c, pile);
        return OfferToFoundations(g, c, -1);
    };
    if (!rowByRow) {
        for (int p = 0; p < nf; ++p) {
            int slot = 0;
            while (slot < SlotCount(g.FilaPiles[static_cast<size_t>(p)])) {
                if (!offer(p, SlotCode(g.FilaPiles[static_cast<size_t>(p)], slot))) ++slot;
            }
        }
        return;
    }
    int longest = 0;
    for (int p = 0; p < nf; ++p)
        longest = std::max(longest, SlotCount(g.FilaPiles[static_cast<size_t>(p)]));
    for (int row = 0; row < longest; ++row) {
        for (int p = 0; p < nf; ++p) {
            while (row < SlotCount(g.FilaPiles[static_cast<size_t>(p)]) &&
                   offer(p, SlotCode(g.FilaPiles[static_cast<size_t>(p)], row))) {
            }
        }
    }
}

void AcesToFoundations(Game& g) {
    const int nf = TableauCount(g);
    const int nd = RuleCount(g, rule::kDests, 16);
    for (int p = 0; p < nf; ++p) {
        std::string& pile = g.FilaPiles[static_cast<size_t>(p)];
        for (int slot = 0; slot < SlotCount(pile); ++slot) {
            CardCode c = SlotCode(pile, slot);
            if (RankOf(c) != 1) continue;
            int target = -1;
            for (int d = 0; d < nd && target < 0; ++d)
                if (CanDropOnFoundation(g, d, c)) target = d;
            if (target < 0) continue;
            const bool faceUp = IsFaceUp(g, c);
            std::string& source = g.MazzoPiles[0].empty() ? g.MazzoPiles[1] : g.MazzoPiles[0];
            CardCode refill = TopCode(source);
            if (refill >= 1) {
                source.erase(source.size() - 3);
                pile.replace(static_cast<size_t>(slot) * 3, 3, FormatCode(refill));
                SetCardFace(g, refill, faceUp ? Face::kUp : Face::kDown);
            } else {
                pile.erase(static_cast<size_t>(slot) * 3, 3);
                --slot;
            }
            PutFaceUp(g, g.DestPiles, target, c);
        }
    }
}

void ReorderByCounting(Pack& pack) {
    Pack result;
    if (pack.empty()) return;
    int b = ProbeRank(pack[pack.size() / 2]);
    while (!pack.empty()) {
        if (b < 0 || b > static_cast<int>(pack.size()) - 1) b = 0;
        result.push_back(pack[static_cast<size_t>(b)]);
        pack.erase(pack.begin() + b);
        if (!pack.empty()) b = ProbeRank(pack[0]);
        b += (pack.size() % 2 == 0) ? 3 : 2;
    }
    pack = std::move(result);
}

// The arrangements after the deal (entry 34), one per code. `tableaus` and
// `foundations` are the game's pile counts.
struct DealtTable {
    Pack& pack;
    int tableaus;
    int foundations;
};

// 1: a tableau or foundation pile with a king at the bottom goes under the
// stock (king lowest), so that no card leaves the game, and takes the
// stock's first card that is no king.
void KingPilesUnderTheStock(Game& g, DealtTable& t) {
    auto fix = [&](PileList& list, int count) {
        for (int i = 0; i < count; ++i) {
            std::string& pile = list[static_cast<size_t>(i)];
            if (pile.empty() || RankOf(BottomCode(pile)) != 13) continue;
            for (int s = 0; s < SlotCount(pile); ++s)
                SetCardFace(g, SlotCode(pile, s), Face::kDown);
            g.MazzoPiles[0] = pile + g.MazzoPiles[0];
            pile.clear();
            std::string& stock = g.MazzoPiles[0];
            for (int s = 0; s < SlotCount(stock); ++s) {
                CardCode c = SlotCode(stock, s);
                if (c >= 1 && RankOf(c) != 13) {
                    stock.erase(static_cast<size_t>(s) * 3, 3);
                    PutFaceUp(g, list, i, c);
                    break;
                }
            }
        }
    };
    fix(g.FilaPiles, t.tableaus);
    fix(g.DestPiles, t.foundations);
}

// 2 and 4: the whole pack face up in tableau piles, each begun by a card of
// `head` (13 kings, 12 queens); then the piles' cards go to the foundations.
void PilesHeadedBy(Game& g, DealtTable& t, int head) {
    CardCode first = TakeFirst(t.pack, [&](CardCode c) { return RankOf(c) == head; });
    if (first < 1) return;
    int pile = 0;
    g.FilaPiles[0] = FormatCode(first);
    SetCardFace(g, first, Face::kUp);
    for (CardCode c : t.pack) {
        if (RankOf(c) == head && pile + 1 < 40) ++pile;
        PutFaceUp(g, g.FilaPiles, pile, c);
    }
    t.pack.clear();
    OfferTableauToFoundations(g, 0, true);
}

// 3: the tableau dealt again, pile by pile at the same lengths, so that no
// pile holds a rank twice where the cards allow it.
void NoRankTwiceInAPile(Game& g, DealtTable& t) {
    std::vector<CardCode> cards;
    std::vector<int> lengths;
    for (int p = 0; p < t.tableaus; ++p) {
        const std::string& pile = g.FilaPiles[static_cast<size_t>(p)];
        lengths.push_back(SlotCount(pile));
        for (int s = 0; s < SlotCount(pile); ++s) cards.push_back(SlotCode(pile, s));
    }
    for (int p = 0; p < t.tableaus; ++p) {
        std::string& pile = g.FilaPiles[static_cast<size_t>(p)];
        pile.clear();
        auto hasRank = [&](int rank) {
            for (int s = 0; s < SlotCount(pile); ++s)
                if (RankOf(SlotCode(pile, s)) == rank) return true;
            return false;
        };
        for (size_t k = 0; k < cards.size() && SlotCount(pile) < lengths[static_cast<size_t>(p)];) {
            if (!hasRank(RankOf(cards[k]))) {
                pile += FormatCode(cards[k]);
                cards.erase(cards.begin() + static_cast<long>(k));
            } else {
                ++k;
            }
        }
        // A pile that cannot avoid a repeated rank still takes its
        // length, so no card leaves the game.
        while (SlotCount(pile) < lengths[static_cast<size_t>(p)] && !cards.empty()) {
            pile += FormatCode(cards.front());
            cards.erase(cards.begin());
        }
    }
}

// 5 and 6: the rest of the pack face up on the tableau pile of each card's
// rank, less `shift` (5: the twos on the first pile; 6: the aces).
void PilesByRank(Game& g, DealtTable& t, int shift) {
    for (CardCode c : t.pack) {
        int pileNo = RankOf(c) - shift;
        if (pileNo >= 1 && pileNo <= 40) PutFaceUp(g, g.FilaPiles, pileNo - 1, c);
    }
    t.pack.clear();
}

// 7: each tableau pile's bottom card is offered to the foundations.
void BottomCardsToFoundations(Game& g, DealtTable& t) {
    for (int p = 0; p < t.tableaus; ++p) {
        CardCode b = BottomCode(g.FilaPiles[static_cast<size_t>(p)]);
        if (b >= 1) OfferToFoundations(g, b, -1);
    }
}

// 8: the aces of the tableau leave gaps ("000").
void AcesLeaveGaps(Game& g, DealtTable& t) {
    for (int p = 0; p < t.tableaus; ++p) {
        std::string& pile = g.FilaPiles[static_cast<size_t>(p)];
        for (int s = 0; s < SlotCount(pile); ++s)
            if (RankOf(SlotCode(pile, s)) == 1) pile.replace(static_cast<size_t>(s) * 3, 3, "000");
    }
}

// 9: a tableau pile is emptied whose bottom card has the code of the pile
// count (13 more beyond 13 piles).
void EmptyPilesOnTheCountCard(Game& g, DealtTable& t) {
    const int code = Rule(g, rule::kFilas) + (Rule(g, rule::kFilas) > 13 ? 13 : 0);
    for (int p = 0; p < t.tableaus; ++p)
        if (BottomCode(g.FilaPiles[static_cast<size_t>(p)]) == code)
            g.FilaPiles[static_cast<size_t>(p)].clear();
}

// 10: one tableau pile, not the last, drawn at random, is emptied.
void EmptyARandomPile(Game& g, DealtTable& t) {
    if (t.tableaus > 1)
        g.FilaPiles[static_cast<size_t>(platform::RandomBelow(t.tableaus - 1))].clear();
}

// 13: the next cards of the pack, face up, one on each foundation (they stay
// in the pack).
void PackHeadOnTheFoundations(Game& g, DealtTable& t) {
    for (int k = 0; k < t.foundations && k < static_cast<int>(t.pack.size()); ++k) {
        if (t.pack[static_cast<size_t>(k)] < 1) continue;
        g.DestPiles[static_cast<size_t>(k)] = FormatCode(t.pack[static_cast<size_t>(k)]);
        SetCardFace(g, t.pack[static_cast<size_t>(k)], Face::kUp);
    }
}

// 15: the kings of the tableau leave gaps, and every pile is filled up to
// nine slots with gaps.
void KingsLeaveGapsInNineSlots(Game& g, DealtTable& t) {
    for (int p = 0; p < t.tableaus; ++p) {
        std::string& pile = g.FilaPiles[static_cast<size_t>(p)];
        for (int s = 0; s < SlotCount(pile); ++s)
            if (RankOf(SlotCode(pile, s)) == 13) pile.replace(static_cast<size_t>(s) * 3, 3, "000");
        while (SlotCount(pile) < 9) pile += "000";
    }
}

// 17: counting ace to king round the twelve tableau piles and one reserve,
// a card that matches its count goes to the stock instead.
void CountedOntoTwelvePiles(Game& g, DealtTable& t) {
    int l = 1;
    while (!t.pack.empty()) {
        CardCode c = TakeHead(t.pack);
        if (RankOf(c) == l) {
            AppendCard(g, g.MazzoPiles, 0, c, Face::kDown);
            continue;
        }
        if (l <= 12)
            PutFaceUp(g, g.FilaPiles, l - 1, c);
        else
            PutFaceUp(g, g.AppoggPiles, 0, c);
        l = l == 13 ? 1 : l + 1;
    }
}

// 18: sixteen cards without face cards from the first 21, their counts
// summed four by four into options 118..121, laid out in counting order.
void SixteenCountedCards(Game& g, DealtTable& t) {
    Pack& pack = t.pack;
    for (int o = opt::kRankSums; o < opt::kRankSums + 4; ++o) g.Options.SetOpt(o, 0);
    Pack head(pack.begin(), pack.begin() + std::min<long>(21, static_cast<long>(pack.size())));
    Pack rest(pack.begin() + static_cast<long>(head.size()), pack.end());
    head.erase(std::remove_if(head.begin(), head.end(), [](CardCode c) { return IsFaceCard(c); }),
               head.end());
    pack = head;
    pack.insert(pack.end(), rest.begin(), rest.end());
    for (size_t i = 0; i < 16 && i < pack.size(); ++i)
        g.Options.SetOpt(
            opt::kRankSums + static_cast<int>(i / 4),
            g.Options.Opt(opt::kRankSums + static_cast<int>(i / 4)) + ProbeRank(pack[i]));
    if (pack.size() > 16) pack.resize(16);
    ReorderByCounting(pack);
    for (size_t i = 0; i < pack.size(); ++i)
        PutFaceUp(g, g.FilaPiles, static_cast<int>(i), pack[i]);
    pack.clear();
}

using Arrangement = void (*)(Game&, DealtTable&);

// Indexed by entry 34; codes without an arrangement (0, 11, 12, 14, 16 and
// any beyond) do nothing here.
constexpr std::array<Arrangement, 19> kArrangements = {
    nullptr,
    KingPilesUnderTheStock,
    [](Game& g, DealtTable& t) { PilesHeadedBy(g, t, 13); },
    NoRankTwiceInAPile,
    [](Game& g, DealtTable& t) { PilesHeadedBy(g, t, 12); },
    [](Game& g, DealtTable& t) { PilesByRank(g, t, 1); },
    [](Game& g, DealtTable& t) { PilesByRank(g, t, 0); },
    BottomCardsToFoundations,
    AcesLeaveGaps,
    EmptyPilesOnTheCountCard,
    EmptyARandomPile,
    nullptr,
    nullptr,
    PackHeadOnTheFoundations,
    nullptr,
    KingsLeaveGapsInNineSlots,
    nullptr,
    CountedOntoTwelvePiles,
    SixteenCountedCards,
};

void PostDealArrangement(Game& g, Pack& pack) {
    const int code = Rule(g, rule::kArrangement);
    if (code < 0 || code >= static_cast<int>(kArrangements.size()) || !kArrangements[code]) return;
    DealtTable table{pack, TableauCount(g), RuleCount(g, rule::kDests, 16)};
    kArrangements[static_cast<size_t>(code)](g, table);
}

// The last 13 characters of a stored number without its trailing blanks,
// right-aligned over zeros.
void CopyNumberDigits(std::string_view stored, char (&out)[13]) {
    const size_t e = stored.find_last_not_of(' ');
    stored = e == std::string_view::npos ? std::string_view() : stored.substr(0, e + 1);
    const size_t n = std::min<size_t>(stored.size(), 13);
    std::fill(out, out + 13 - n, '0');
    std::copy(stored.end() - static_cast<long>(n), stored.end(), out + 13 - n);
}

// The unfilled places of a pack being built, one bit each, so that the search
// for a free place is a bit scan instead of a walk over the pack. It answers
// as NextFreeSlot does; larger packs (only from a broken rule table) walk.
class FreePlaces {
public:
    static constexpr int kMost = 128;
    // Two words by name rather than an array, so that they stay in registers.
    explicit FreePlaces(int n)
        : low_(n >= 64 ? ~0ULL : (1ULL << std::max(n, 0)) - 1),
          high_(n >= 128  ? ~0ULL
                : n <= 64 ? 0
                          : (1ULL << (n - 64)) - 1) {}
    void Fill(int i) {
        const uint64_t bit = 1ULL << (i & 63);
        low_ &= i < 64 ? ~bit : ~0ULL;
        high_ &= i < 64 ? ~0ULL : ~bit;
    }
    int Next(int i, bool forward) const {
        if (forward) {
            i = std::max(i, 0);
            const uint64_t from = ~0ULL << (i & 63);
            const uint64_t low = i < 64 ? low_ & from : 0;
            const uint64_t high = i < 64 ? high_ : i < kMost ? high_ & from : 0;
            if (low) return std::countr_zero(low);
            if (high) return 64 + std::countr_zero(high);
        } else if (i >= 0) {
            i = std::min(i, kMost - 1);
            const uint64_t upTo = ~0ULL >> (63 - (i & 63));
            const uint64_t high = i < 64 ? 0 : high_ & upTo;
            const uint64_t low = i < 64 ? low_ & upTo : low_;
            if (high) return 127 - std::countl_zero(high);
            if (low) return 63 - std::countl_zero(low);
        }
        if (low_) return std::countr_zero(low_);
        if (high_) return 64 + std::countr_zero(high_);
        return -1;
    }

private:
    uint64_t low_;
    uint64_t high_;
};

}  // namespace

std::string GameNumberDigits(const std::string& stored) {
    char digits[13];
    CopyNumberDigits(stored, digits);
    return std::string(digits, sizeof digits);
}

int NextFreeSlot(const Pack& pack, int i, bool forward) {
    const int n = static_cast<int>(pack.size());
    if (forward) {
        for (int k = std::max(i, 0); k < n; ++k)
            if (pack[static_cast<size_t>(k)] == 0) return k;
    } else {
        for (int k = std::min(i, n - 1); k >= 0; --k)
            if (pack[static_cast<size_t>(k)] == 0) return k;
    }
    for (int k = 0; k < n; ++k)
        if (pack[static_cast<size_t>(k)] == 0) return k;
    return -1;
}

Pack BuildPack(const Game& g) {
    return BuildPackFor(g, g.values.number);
}

Pack BuildPackFor(const Game& g, std::string_view gameNumber) {
    char digits[13];
    CopyNumberDigits(gameNumber, digits);
    int d[14] = {0};
    // prefix[k]: the number d[1..k] make.
    unsigned long long prefix[14] = {0};
    for (int k = 1; k <= 13; ++k) {
        char ch = digits[k - 1];
        d[k] = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
        prefix[k] = prefix[k - 1] * 10 + static_cast<unsigned>(d[k]);
    }
    const int jokers = std::clamp(static_cast<int>(Rule(g, rule::kJokerCount)), 0, 4);
    const int n =
        std::max(0, Rule(g, rule::kPackCards) + (Rule(g, rule::kJokers) == 1 ? jokers : 0));
    Pack pack(static_cast<size_t>(n), 0);

    int decks = 0;
    if (Rule(g, rule::kPackCards) <= 52) {
        decks = 4;
    } else if (Rule(g, rule::kPackCards) == 104) {
        decks = 8;
    } else {
        Dialogs().Info(BW_TR_NOOP("Messages", "Error 01 - fnGameNumberCardsArray"));
    }
    if (n == 0) return pack;

    // A pack beyond the bit scan's reach comes only from a broken rule table
    // and holds nothing but jokers (decks is 0): that one is walked.
    FreePlaces free(n);
    const bool bitScan = n <= FreePlaces::kMost;
    int y = d[2] * 100 + d[6] * 10 + d[12];
    if (Rule(g, rule::kJokers) != 0) {
        int a = y;
        for (int i = 1; i <= Rule(g, rule::kJokerCount); ++i) {
            a = Wrap(a + kSteps[d[1]][(i - 1) % 4], n);
            if (i > 4) continue;
            const int slot = bitScan ? free.Next(a, true) : NextFreeSlot(pack, a, true);
            if (slot < 0) continue;
            pack[static_cast<size_t>(slot)] = 104 + i;
            if (bitScan) free.Fill(slot);
        }
    }

    // The ranks not yet placed, bit r - 1 for rank r.
    unsigned ranksLeft = (1U << 13) - 1;
    int ranksCount = 13;
    int p1 = 1, p2 = 7, p3 = 13;
    for (int k = 1; k <= 13; ++k) {
        const int e = d[k];
        const bool forward = e == 0;
        // The suit row: the number the digits make without d[k..k+3] (from
        // k = 11 on: d[k-8..k]), mod 13, cut out of the prefix numbers.
        const unsigned long long m =
            k <= 10 ? prefix[k - 1] * kPowers[10 - k] + prefix[13] - prefix[k + 3] * kPowers[10 - k]
                    : prefix[k] - prefix[k - 9] * kPowers[9];
        const int s = static_cast<int>(m % 13);
        int r = (d[p1] * 100 + d[p2] * 10 + d[p3]) % 13;
        if (r > ranksCount - 1) r = forward ? ranksCount - 1 : 0;
        // The r-th remaining rank, counted from the lowest.
        unsigned above = ranksLeft;
        for (int i = 0; i < r; ++i) above &= above - 1;
        const int rank = std::countr_zero(above) + 1;
        ranksLeft &= ~(1U << (rank - 1));
        --ranksCount;
        p1 = p1 == 13 ? 1 : p1 + 1;
        p2 = p2 == 13 ? 1 : p2 + 1;
        p3 = p3 == 13 ? 1 : p3 + 1;
        y -= e;
        for (int j = 0; j < decks; ++j) {
            y = Wrap(y + kSteps[e][j], n);
            // The search returns y itself when it is free.
            y = free.Next(y, forward);
            if (y < 0) continue;
            pack[static_cast<size_t>(y)] = kSuitBase[s][j] + rank;
            free.Fill(y);
        }
    }

    if (Rule(g, rule::kStripRanks) == 1 || Rule(g, rule::kStripRanks) == 2) {
        const bool kings = Rule(g, rule::kStripRanks) == 2;
        Filter(pack, [&](CardCode c) {
            int rk = ProbeRank(c);
            return (rk >= 2 && rk <= 6) || (kings && rk == 13);
        });
    }
    return pack;
}

void DealCards(Game& g, int n, Pack& pack, PileList& list, int index) {
    if (n <= 0 || index < 0 || index >= static_cast<int>(list.size())) return;
    if (n > 1000 && n < 1500) {
        CardCode c = TakeFirst(pack, [&](CardCode p) { return RankOf(p) == n - 1000; });
        if (c >= 1) AppendCard(g, list, index, c, Face::kDown);
        return;
    }
    if (n >= 1501 && n <= 1504) {
        const CardCode joker = 104 + (n - 1500);
        RemoveCode(pack, joker);
        AppendCard(g, list, index, joker, Face::kUp);
        return;
    }
    const auto take = static_cast<long>(std::min(static_cast<size_t>(n), pack.size()));
    const std::span<const CardCode> cards(pack.data(), static_cast<size_t>(take));
    AppendCodes(list[static_cast<size_t>(index)], cards);
    for (CardCode c : cards)
        if (c != 0) SetCardFace(g, c, Face::kDown);
    pack.erase(pack.begin(), pack.begin() + take);
}

void DealGame(Game& g) {
    Pack pack = BuildPack(g);
    PreFilter(g, pack);
    FoundationCards(g, pack);

    if (Rule(g, rule::kInitDest1) == 97) {
        for (int k = 0; k < 8; ++k) {
            CardCode c = TakeFirst(pack, [&](CardCode p) { return RankOf(p) == k + 2; });
            if (c < 1) continue;
            PutFaceUp(g, g.DestPiles, k, c);
            SetRule(g, rule::kBaseRank1 + k, k + 2);
        }
    }
    if (Rule(g, rule::kGoalKind) == goal::kDoubledBases) {
        const int nd = RuleCount(g, rule::kDests, 16);
        const int h = nd / 2;
        for (int i = h; i < nd; ++i) {
            int b = 2 * Rule(g, rule::kBaseRank1 + i - h);
            if (b > 13) b -= 13;
            if (b == 0) b = 13;
            SetRule(g, rule::kBaseRank1 + i, b);
        }
    }
    if (Rule(g, rule::kBaseRankMode) == 5 && !pack.empty()) {
        CardCode c = TakeHead(pack);
        if (c >= 1) {
            PutFaceUp(g, g.DestPiles, 0, c);
            const int rank = RankOf(c);
            int next = 1;
            for (size_t i = 0; i < pack.size() && next < 16;) {
                if (pack[i] >= 1 && RankOf(pack[i]) == rank) {
                    g.DestPiles[static_cast<size_t>(next++)] = FormatCode(pack[i]);
                    SetCardFace(g, pack[i], Face::kUp);
                    pack.erase(pack.begin() + static_cast<long>(i));
                } else {
                    ++i;
                }
            }
            for (int k = 0; k < 16; ++k) SetRule(g, rule::kBaseRank1 + k, BaseRankOf(c));
        }
    }
    if (Rule(g, rule::kWasteCard) != 0) {
        const CardCode c = Rule(g, rule::kWasteCard) > 100 ? Rule(g, rule::kWasteCard) - 100
                                                           : Rule(g, rule::kWasteCard);
        if (c >= 1 && c <= 108) {
            PutFaceUp(g, g.MazzoPiles, 2, c);
            RemoveCode(pack, c);
        }
    }

    DealPiles(g, pack);
    BaseRanks(g, pack);
    for (int i = 132; i <= 171; ++i)
        if (Rule(g, i) == 91) SetRule(g, i, PrevRank(Rule(g, rule::kBaseRank1)));
    if (Rule(g, rule::kDestExtra) == 1 && !pack.empty()) {
        CardCode c = TakeHead(pack);
        if (c >= 1) PutFaceUp(g, g.DestPiles, 0, c);
    }
    GoalArrangements(g);
    if (Rule(g, rule::kInitDest1) >= 93 && Rule(g, rule::kInitDest1) <= 95)
        OfferTableauToFoundations(g, Rule(g, rule::kInitDest1), Rule(g, rule::kPileByPile) == 0);
    else if (Rule(g, rule::kInitDest1) == 96)
        AcesToFoundations(g);
    PostDealArrangement(g, pack);
    UpdateScore(g);
}

}  // namespace bw
