#include "core/placement.h"
#include "core/families/family.h"
#include "core/game.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/move_engine.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "core/tr_marker.h"

namespace bw {

namespace {

// ---------------------------------------------------------------------------
// Small readers of the table and the rule entries
// ---------------------------------------------------------------------------

int FoundationCount(Game& g) {
    return RuleCount(g, rule::kDests, 16);
}
int ReserveCount(Game& g) {
    return RuleCount(g, rule::kReserves, 10);
}

const std::string kNoPile;

const std::string& Fila(Game& g, int i) {
    return (i >= 0 && i < 40) ? g.FilaPiles[static_cast<size_t>(i)] : kNoPile;
}
const std::string& Dest(Game& g, int i) {
    return (i >= 0 && i < 16) ? g.DestPiles[static_cast<size_t>(i)] : kNoPile;
}
const std::string& Appogg(Game& g, int i) {
    return (i >= 0 && i < 10) ? g.AppoggPiles[static_cast<size_t>(i)] : kNoPile;
}
const std::string& Mazzo(Game& g) {
    return g.MazzoPiles[0];
}
const std::string& MazzoVis(Game& g) {
    return g.MazzoPiles[1];
}

bool IsRank(int r) {
    return r >= 1 && r <= 13;
}
// Rank + step around the corner (king to ace), steps 0..12 either way.
int Wrap(int r) {
    return ((r - 1) % 13 + 13) % 13 + 1;
}

bool SameSuit(CardCode a, CardCode b) {
    return SuitOf(a) >= 0 && SuitOf(a) == SuitOf(b);
}
bool SameColour(CardCode a, CardCode b) {
    return IsRed(a) == IsRed(b);
}

// The suit cycle of rules 86 and 87: hearts, clubs, diamonds, spades, hearts.
int NextInSuitCycle(int suit) {
    switch (suit) {
        case 0: return 2;
        case 2: return 1;
        case 1: return 3;
        case 3: return 0;
        default: return -1;
    }
}

// ---------------------------------------------------------------------------
// One placement question
// ---------------------------------------------------------------------------

enum class Kind { kTableau, kFoundation, kReserve };

struct Ask {
    CardCode T;  // <= 0: empty target
    CardCode M;
    int E;  // empty rule
    bool drop;
    int w;  // pile index
    bool corner;
    Kind kind;
    int ch;
    int dir;
    int base;
    const std::string* pile;  // the target pile
    Game* game;

    bool empty() const { return T <= 0; }
    bool foundation() const { return kind == Kind::kFoundation; }
    int tr() const { return RankOf(T); }
    int mr() const { return RankOf(M); }
    int count() const { return CardCount(*pile); }
    int from() const { return LocateCard(*game, M); }
    bool fromTableau() const { return LocIsTableau(from()); }
    bool fromReserve() const { return LocIsReserve(from()); }
};

// M's rank is T's rank + step (negative: down); `wrap` lets the run turn
// the corner between king and ace. Jokers and holes never match.
bool Step(const Ask& a, int step, bool wrap) {
    const int tr = a.tr(), mr = a.mr();
    if (!IsRank(tr) || !IsRank(mr)) return false;
    return wrap ? mr == Wrap(tr + step) : mr == tr + step;
}
bool UpOrDown(const Ask& a, bool wrap) {
    return Step(a, 1, wrap) || Step(a, -1, wrap);
}

bool StockEmpty(Game& g) {
    return Mazzo(g).empty() && MazzoVis(g).empty();
}

// ---------------------------------------------------------------------------
// Empty rules
// ---------------------------------------------------------------------------

// Foundations of the group of a colour-balance code (those whose entry
// 52 + i holds it); with the new card, neither colour may be more than half
// of the group, and for 84, 85 and 90 no suit may appear twice.
bool ColourBalance(Game& g, int code, CardCode M) {
    const int want = (code == 84) ? 13 : (code == 90) ? 2 : 1;
    if (RankOf(M) != want) return false;
    int group = 0;
    std::vector<CardCode> cards;
    for (int i = 0; i < FoundationCount(g); ++i) {
        if (Rule(g, rule::kBaseRank1 + i) != code) continue;
        ++group;
        if (!Dest(g, i).empty()) cards.push_back(BottomCode(Dest(g, i)));
    }
    cards.push_back(M);
    int red = 0, black = 0;
    bool seen[4] = {false, false, false, false};
    bool repeated = false;
    for (CardCode c : cards) {
        const int suit = SuitOf(c);
        if (suit < 0 || suit > 3) {
            Dialogs().Info(BW_TR_NOOP("Messages", "Error suit - 1"));
            continue;
        }
        if (seen[suit]) repeated = true;
        seen[suit] = true;
        (IsRed(c) ? red : black)++;
    }
    if (red > group / 2 || black > group / 2) return false;
    return code == 81 || !repeated;
}

bool AllFoundationsEmpty(Game& g) {
    for (int i = 0; i < FoundationCount(g); ++i)
        if (!Dest(g, i).empty()) return false;
    return true;
}

bool EmptyAccepts(Game& g, const Ask& a) {
    const int E = a.E;
    if (IsRank(E)) return a.mr() == E;
    if (E == -1 || a.base == -1) return true;
    switch (E) {
        case 82:
        case 83: return false;
        case 86: return MovingStackIsSingle(g);
        case 87: return LocIsStock(a.from()) || a.from() == kLocNowhere;
        case 88: return !a.fromTableau();
        case 92:
        case 93: {
            for (int i = 0; i < FoundationCount(g); ++i)
                if (!Dest(g, i).empty() && RankOf(BottomCode(Dest(g, i))) != a.mr()) return false;
            return E == 92 || !AllFoundationsEmpty(g) || a.fromReserve();
        }
        case 96: {
            if (a.fromReserve()) return true;
            for (int i = 0; i < ReserveCount(g); ++i)
                if (!Appogg(g, i).empty()) return false;
            return a.from() == kLocMazzoVis;
        }
        case 81:
        case 84:
        case 85:
        case 90: return ColourBalance(g, E, a.M);
        default: return false;
    }
}

// ---------------------------------------------------------------------------
// The plain rules: suit by build code, rank by direction
// ---------------------------------------------------------------------------

bool PlainSuit(int ch, CardCode T, CardCode M) {
    switch (ch) {
        case 0: return SameSuit(T, M);
        case 1: return SameColour(T, M);
        case 3: return !SameColour(T, M);
        case 6: return false;
        default: return true;
    }
}

bool FoundationRank(Game& /*g*/, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (!IsRank(tr) || !IsRank(mr)) return false;
    if (a.dir == 1 || a.dir == 2) {
        if (tr == 13 && mr == 1 && a.E != 1) return true;
        if (mr == tr + 1) return true;
        if (a.dir == 1) return false;
    }
    if (a.dir == 0 || a.dir == 2) {
        if (tr == 1) return mr == 13 && a.E != 13;
        return mr == tr - 1;
    }
    return false;
}

bool TableauRank(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (!IsRank(tr) || !IsRank(mr)) return false;
    const bool cornerRule = a.w >= 0 && a.w < 40 && Rule(g, rule::kFilaCorner1 + a.w) == 2;
    const int pileDir = (a.w >= 0 && a.w < 40) ? Rule(g, rule::kFilaDir1 + a.w) : -1;
    // The corner rule decides aces and kings outright: no building around.
    auto aroundCorner = [&]() {
        if (tr == 1) return (pileDir == 1 || pileDir == 2) && mr == 2;
        return pileDir == 0 && mr == 12;
    };
    if (a.dir == 1 || a.dir == 2) {
        if (cornerRule) {
            if (tr == 1 || tr == 13) {
                if (aroundCorner()) return true;
            } else if (mr == tr + 1) {
                return true;
            }
        } else {
            if (tr == a.base && !a.corner) return false;
            if (tr == 13 ? mr == 1 : mr == tr + 1) return true;
        }
        if (a.dir == 1) return false;
    }
    if (a.dir == 0 || a.dir == 2) {
        if (cornerRule) return (tr == 1 || tr == 13) ? aroundCorner() : mr == tr - 1;
        if ((tr == a.base || (tr == 1 && a.base >= 81 && a.base <= 83)) && !a.corner) return false;
        return tr == 1 ? mr == 13 : mr == tr - 1;
    }
    return false;
}

bool PlainRank(Game& g, const Ask& a) {
    return a.foundation() ? FoundationRank(g, a) : TableauRank(g, a);
}

// Steps 5-8 for a plain build code (or one that reads "as" a plain code).
bool Plain(Game& g, const Ask& a, int ch) {
    if (a.empty()) return EmptyAccepts(g, a);
    return PlainSuit(ch, a.T, a.M) && PlainRank(g, a);
}

// ---------------------------------------------------------------------------
// Jokers on foundations (rules 72 and 75)
// ---------------------------------------------------------------------------

// A joker stands for the card it replaces in a same-suit run upward from
// the first real card (or from the empty rule's rank when only jokers lie
// there). Gives the rank the next card must have (0 = any) and its suit
// (-1 = any).
void NextOnJokerRun(const std::string& pile, int E, int& rank, int& suit) {
    const int n = SlotCount(pile);
    for (int k = 0; k < n; ++k) {
        const CardCode c = SlotCode(pile, k);
        if (!IsRank(RankOf(c))) continue;
        rank = Wrap(RankOf(c) + (n - k));
        suit = SuitOf(c);
        return;
    }
    rank = IsRank(E) ? Wrap(E + n) : 0;
    suit = -1;
}

bool JokerRule(Game& g, const Ask& a) {
    // Judge the run the question is about: the target pile when T is its
    // top, T alone when a stack is checked card by card.
    const std::string run = (a.empty() || TopCode(*a.pile) == a.T) ? *a.pile : FormatCode(a.T);
    if (SlotCount(run) >= 13) return false;
    if (IsJoker(a.M)) {
        if (a.ch == 72) return true;
        return !run.empty() && !IsJoker(TopCode(run));
    }
    if (run.empty()) return EmptyAccepts(g, a);
    int rank = 0, suit = -1;
    NextOnJokerRun(run, a.E, rank, suit);
    if (rank == 0) return true;
    return a.mr() == rank && (suit < 0 || SuitOf(a.M) == suit);
}

// ---------------------------------------------------------------------------
// Build codes with rules of their own, chosen for this engine: one suit
// relation and one rank relation each, with what an empty target takes.
// ---------------------------------------------------------------------------

enum SuitRel { kAnySuit, kSameSuit, kSameColour, kAlternate, kOtherSuit };
enum EmptyTakes { kByEmptyRule, kAnyCard, kNothing, kAceOnly, kKingOnly };

struct SimpleRule {
    int code;
    SuitRel suit;
    int up;    // rank step upward, 0 = none
    int down;  // rank step downward, 0 = none
    bool sameRank;
    bool wrap;  // king and ace adjacent
    EmptyTakes empty;
};

constexpr SimpleRule kSimpleRules[] = {
    {74, kAlternate, 0, 1, false, true, kByEmptyRule},     // alternate, down, K on A
    {82, kSameSuit, 1, 1, false, true, kByEmptyRule},      // suit, up/down, around
    {83, kSameColour, 0, 1, false, false, kKingOnly},      // colour, down; empty: K
    {84, kAnySuit, 0, 2, false, false, kByEmptyRule},      // two down, any suit
    {85, kAlternate, 1, 0, false, false, kByEmptyRule},    // alternate, up
    {96, kOtherSuit, 0, 1, false, false, kByEmptyRule},    // other suit, down
    {99, kAlternate, 1, 1, false, false, kByEmptyRule},    // alternate, up/down
    {100, kSameColour, 1, 0, false, false, kByEmptyRule},  // colour, up
    {101, kSameColour, 1, 1, false, false, kByEmptyRule},  // colour, up/down
    {102, kAnySuit, 0, 1, false, true, kByEmptyRule},      // down, K on A
    {103, kAnySuit, 1, 0, false, true, kByEmptyRule},      // up, A on K
    {104, kSameSuit, 0, 2, false, true, kByEmptyRule},     // suit, two down, around
    {105, kSameColour, 2, 0, false, true, kByEmptyRule},   // colour, two up, around
    {106, kAnySuit, 2, 2, false, false, kByEmptyRule},     // two up or two down
    {107, kAlternate, 1, 1, false, true, kByEmptyRule},    // alternate, up/down, around
    {108, kOtherSuit, 1, 0, false, false, kByEmptyRule},   // other suit, up
    {109, kSameSuit, 1, 1, false, false, kKingOnly},       // suit, up/down; empty: K
    {110, kSameSuit, 1, 0, false, false, kAceOnly},        // suit, up; empty: A
    {111, kSameSuit, 0, 1, false, false, kKingOnly},       // suit, down; empty: K
    {112, kAnySuit, 1, 1, false, false, kNothing},         // up/down; never empty
    {113, kAlternate, 0, 1, false, false, kAnyCard},       // alternate, down; empty: any
    {114, kSameColour, 0, 2, false, false, kByEmptyRule},  // colour, two down
    {115, kSameSuit, 3, 0, false, true, kByEmptyRule},     // suit, three up, around
    {116, kSameSuit, 0, 3, false, true, kByEmptyRule},     // suit, three down, around
    {117, kOtherSuit, 0, 0, true, false, kNothing},        // same rank, other suit
    {118, kAlternate, 2, 2, false, false, kByEmptyRule},   // alternate, two up/down
    {119, kSameSuit, 1, 1, false, true, kAceOnly},         // suit, up/down, around; empty: A
    {120, kAnySuit, 0, 1, false, false, kKingOnly},        // down; empty: K
};

const SimpleRule* FindSimpleRule(int code) {
    for (const SimpleRule& r : kSimpleRules)
        if (r.code == code) return &r;
    return nullptr;
}

bool ApplySimpleRule(Game& g, const SimpleRule& r, const Ask& a) {
    if (a.empty()) {
        switch (r.empty) {
            case kByEmptyRule: return EmptyAccepts(g, a);
            case kAnyCard: return true;
            case kNothing: return false;
            case kAceOnly: return a.mr() == 1;
            case kKingOnly: return a.mr() == 13;
        }
        return false;
    }
    bool suitOk = true;
    switch (r.suit) {
        case kAnySuit: break;
        case kSameSuit: suitOk = SameSuit(a.T, a.M); break;
        case kSameColour: suitOk = SameColour(a.T, a.M); break;
        case kAlternate: suitOk = !SameColour(a.T, a.M); break;
        case kOtherSuit: suitOk = SuitOf(a.T) != SuitOf(a.M); break;
    }
    if (!suitOk) return false;
    return (r.up > 0 && Step(a, r.up, r.wrap)) || (r.down > 0 && Step(a, -r.down, r.wrap)) ||
           (r.sameRank && Step(a, 0, false));
}

// ---------------------------------------------------------------------------
// What the build codes with rules of their own share
// ---------------------------------------------------------------------------

// Rule 91: the step all foundations share, from the first two cards of the
// first foundation holding two; 0 while none does.
int CommonStep(Game& g) {
    for (int i = 0; i < FoundationCount(g); ++i) {
        const std::string& p = Dest(g, i);
        if (SlotCount(p) < 2) continue;
        const int r0 = RankOf(SlotCode(p, 0)), r1 = RankOf(SlotCode(p, 1));
        if (!IsRank(r0) || !IsRank(r1)) continue;
        const int step = ((r1 - r0) % 13 + 13) % 13;
        return step == 0 ? 13 : step;
    }
    return 0;
}

// Rule 41 on an empty foundation: foundations 1-4 and 5-8 each hold one run
// per suit, so a suit that already starts another foundation of the same
// group may not start this one.
bool SuitFreeInGroup(Game& g, int w, CardCode M) {
    const int first = w <= 3 ? 0 : 4;
    for (int i = first; i < first + 4 && i < FoundationCount(g); ++i)
        if (i != w && !Dest(g, i).empty() && SuitOf(BottomCode(Dest(g, i))) == SuitOf(M))
            return false;
    return true;
}

// Rules 70 and 71: positions in the tableau grid of width rule::kGridWidth.
bool GridNeighbour(Game& g, int s, int w, int distance) {
    const int width = Rule(g, rule::kGridWidth);
    if (width <= 0 || s < 0) return false;
    const bool sameRow = s / width == w / width && (s - w == distance || w - s == distance);
    const bool sameColumn = s - w == distance * width || w - s == distance * width;
    return sameRow || sameColumn;
}

// Whether code ch is one of the plain build codes of steps 5-8.
bool IsPlainCode(int ch) {
    switch (ch) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 6:
        case 7:
        case 8:
        case 13: return true;
        default: return false;
    }
}

// The rank read from entry 52 + w (the pile's start rank for the codes
// that keep it there).
int StartRank(Game& g, const Ask& a) {
    return Rule(g, rule::kBaseRank1 + a.w);
}

// ---------------------------------------------------------------------------
// Build codes with rules of their own, one piece each
// ---------------------------------------------------------------------------

// 11: in suit by the plain rank rule, but no queen on a king or a jack.
bool InSuitNoQueenOnKingOrJack(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (!a.empty() && mr == 12 && (tr == 13 || tr == 11)) return false;
    return Plain(g, a, 0);
}

// 12: anything goes anywhere.
bool AnyCard(Game& /*g*/, const Ask&) {
    return true;
}

// 14, 15 and 16: up by two, three or four, any suit, past the king.
bool UpByTwoThreeOrFour(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    const int tr = a.tr(), mr = a.mr();
    const int step = a.ch - 12;
    return IsRank(tr) && IsRank(mr) && (mr == tr + step || mr == (tr + step) % 13);
}

// 17: any card that does not come from the tableau.
bool NotFromTableau(Game& /*g*/, const Ask& a) {
    return !a.fromTableau();
}

// 18: from the tableau only onto an empty pile.
bool FromTableauOnlyOntoEmpty(Game& g, const Ask& a) {
    return !a.fromTableau() || Fila(g, a.w).empty();
}

// 19: only from the stock, the waste or a foundation.
bool NeitherFromTableauNorReserve(Game& /*g*/, const Ask& a) {
    return !a.fromTableau() && !a.fromReserve();
}

// 33: not from the tableau, and at most two cards on the pile.
bool NotFromTableauOntoFewerThanTwo(Game& g, const Ask& a) {
    return !a.fromTableau() && CardCount(Fila(g, a.w)) < 2;
}

// 20: an ace first, then up in any suit, an ace again after a king.
bool UpFromAceAroundTheKing(Game& /*g*/, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == 1;
    return tr == 13 ? mr == 1 : Step(a, 1, false);
}

// 21: another suit, by the plain rank rule.
bool OtherSuitPlainRank(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    return SuitOf(a.T) != SuitOf(a.M) && PlainRank(g, a);
}

// 24: in suit by the plain rank rule, but king and queen never meet.
bool InSuitKingAndQueenApart(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    const int tr = a.tr(), mr = a.mr();
    if ((mr == 12 && tr == 13) || (mr == 13 && tr == 12)) return false;
    return SameSuit(a.T, a.M) && PlainRank(g, a);
}

// 25 and 61: in suit by twos in the pile's direction; 61 also turns the
// corner (two on a king, ace on a queen).
bool InSuitByTwos(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    if (!SameSuit(a.T, a.M)) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.ch == 61 && ((tr == 13 && mr == 2) || (tr == 12 && mr == 1))) return true;
    return Step(a, a.dir == 1 ? 2 : -2, false);
}

// 26: up or down, at most three cards on the pile.
bool UpOrDownAtMostThree(Game& g, const Ask& a) {
    if (CardCount(Fila(g, a.w)) >= 3) return false;
    if (a.empty()) {
        const int e = Rule(g, rule::kEmptyFila1 + a.w);
        return e == -1 || (IsRank(e) && a.mr() == e);
    }
    return UpOrDown(a, false);
}

// 27: alternate colours by the plain rules, not from a foundation or a
// reserve cell.
bool AlternateNotFromFoundationOrReserve(Game& g, const Ask& a) {
    if (LocIsFoundation(a.from()) || a.fromReserve()) return false;
    return Plain(g, a, 3);
}

// 28 and 60: up or down without turning the corner (a two on an ace, a
// queen on a king); 60 in suit. An empty pile takes any card.
bool UpOrDownStoppingAtAceAndKing(Game& /*g*/, const Ask& a) {
    if (a.empty()) return true;
    if (a.ch == 60 && !SameSuit(a.T, a.M)) return false;
    const int tr = a.tr(), mr = a.mr();
    if (tr == 1) return mr == 2;
    if (tr == 13) return mr == 12;
    return UpOrDown(a, false);
}

// 29: in suit up to the king as the thirteenth card, then down again.
bool InSuitUpToKingThenDown(Game& g, const Ask& a) {
    if (a.empty()) return IsRank(a.E) ? a.mr() == a.E : ColourBalance(g, a.E, a.M);
    if (!SameSuit(a.T, a.M)) return false;
    const int n = a.count();
    if (n <= 12) return Step(a, 1, false);
    if (n == 13) return a.mr() == 13;
    return Step(a, -1, false);
}

// 30: in suit up or down, the way the pile's last two cards went.
bool InSuitKeepingTheWay(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    const int tr = a.tr(), mr = a.mr();
    if (!SameSuit(a.T, a.M) || (tr == 1 && mr == 13) || (tr == 13 && mr == 1)) return false;
    const int n = a.count();
    const int below = n >= 2 ? RankOf(SlotCode(*a.pile, n - 2)) : -1;
    if (n < 2 || !IsRank(below)) return UpOrDown(a, false);
    return Step(a, tr < below ? -1 : 1, false);
}

// 31: in suit down, never onto an empty pile.
bool InSuitDownOnACard(Game& /*g*/, const Ask& a) {
    return !a.empty() && SameSuit(a.T, a.M) && a.tr() != 1 && Step(a, -1, false);
}

// 32: in suit up, never onto an empty pile.
bool InSuitUpOnACard(Game& /*g*/, const Ask& a) {
    return !a.empty() && SameSuit(a.T, a.M) && a.tr() != 13 && Step(a, 1, false);
}

// 34: down in any suit.
bool DownAnySuit(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    return Step(a, -1, false);
}

// 35: up or down in any suit, around the corner.
bool UpOrDownAround(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    return UpOrDown(a, true);
}

// 36: down with a king on an ace; the foundations are begun in turn.
bool DownAroundFoundationsBegunInTurn(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == a.base && (a.w <= 0 || !Dest(g, a.w - 1).empty());
    return Step(a, -1, false) || (tr == 1 && mr == 13);
}

// 37: each rank doubles the last (modulo 13); a king only once the first
// foundation holds 48 cards.
bool DoublingRanks(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    const int tr = a.tr(), mr = a.mr();
    if (mr == 13) return CardCount(Dest(g, 0)) >= 48;
    return IsRank(tr) && IsRank(mr) && mr == (2 * tr) % 13;
}

// 23: in suit up onto a card, while the waste is empty.
bool InSuitUpWhileTheWasteIsEmpty(Game& g, const Ask& a) {
    return MazzoVis(g).empty() && !a.empty() && SameSuit(a.T, a.M) && Step(a, 1, false);
}

// 38: a king on an empty pile and one card below the queen on it, while
// the waste is empty.
bool OneLowCardOnAKing(Game& g, const Ask& a) {
    if (!MazzoVis(g).empty()) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == 13;
    return a.count() == 1 && tr == 13 && IsRank(mr) && mr != 12 && mr != 13;
}

// 39: an ace first, then up in any suit to the jack.
bool UpFromAceToJack(Game& /*g*/, const Ask& a) {
    const int mr = a.mr();
    if (a.empty()) return mr == 1;
    return mr != 12 && mr != 13 && Step(a, 1, false);
}

// 40: the rank of the running count; anything for the pack's last card.
bool RankOfTheRunningCount(Game& g, const Ask& a) {
    if (CardCount(Mazzo(g)) + CardCount(MazzoVis(g)) == 1) return true;
    const int r = ((g.RunningCount % 13) + 13) % 13;
    return a.mr() == (r == 0 ? 13 : r);
}

// 41: in suit up by two past the king; each suit begins one foundation of
// a group.
bool InSuitByTwoOneSuitPerGroup(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a) && SuitFreeInGroup(g, a.w, a.M);
    return SameSuit(a.T, a.M) && IsRank(tr) && (mr == tr + 2 || mr == (tr + 2) % 13);
}

// 42: in suit up; the king only once the foundation seven along has its
// king.
bool InSuitUpKingAfterThePartner(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    if (!SameSuit(a.T, a.M) || !Step(a, 1, false)) return false;
    return a.mr() != 13 || RankOf(TopCode(Dest(g, a.w + 7))) == 13;
}

// 43: in suit up by two onto a card.
bool InSuitUpByTwoOnACard(Game& /*g*/, const Ask& a) {
    return !a.empty() && SameSuit(a.T, a.M) && Step(a, 2, false);
}

// 44: an ace first, then up in any suit to the queen.
bool UpFromAceToQueen(Game& /*g*/, const Ask& a) {
    const int mr = a.mr();
    if (a.empty()) return mr == 1;
    return mr != 13 && Step(a, 1, false);
}

// 45: a king on an empty pile, any card but a king on it, then down in any
// suit, while the waste is empty.
bool DownFromAKingWhileTheWasteIsEmpty(Game& g, const Ask& a) {
    if (!MazzoVis(g).empty()) return false;
    const int mr = a.mr();
    if (a.empty()) return mr == 13;
    return IsRank(mr) && mr != 13 && (a.count() == 1 || Step(a, -1, false));
}

// 46, 49 and 51: up from the start rank to the jack; 49 and 51 begin only
// once the tableau pile of the same number holds cards, 51 in the suit of
// that pile's bottom card.
bool UpFromTheStartToJack(Game& g, const Ask& a) {
    if (a.ch == 51 && !SameSuit(BottomCode(Fila(g, a.w)), a.M)) return false;
    const int mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a) && (a.ch == 46 || !Fila(g, a.w).empty());
    return mr != 12 && mr != 13 && Step(a, 1, false);
}

// 47, 50 and 52: down from the start rank without queens, a king on an
// ace; 50 and 52 begin only once the tableau pile eight numbers lower holds
// cards, 52 in the suit of that pile's bottom card.
bool DownFromTheStartWithoutQueens(Game& g, const Ask& a) {
    if (a.ch == 52 && !SameSuit(BottomCode(Fila(g, a.w - 8)), a.M)) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a) && (a.ch == 47 || !Fila(g, a.w - 8).empty());
    return mr != 12 && (Step(a, -1, false) || (tr == 1 && mr == 13));
}

// 48: a queen on an empty pile and one card other than a queen on it,
// while the waste is empty.
bool OneCardOnAQueen(Game& g, const Ask& a) {
    if (!MazzoVis(g).empty()) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == 12;
    return a.count() == 1 && tr == 12 && IsRank(mr) && mr != 12;
}

// 53: up around the corner from the start rank; the other foundations only
// once the first holds thirteen cards.
bool UpAroundOnceTheFirstIsFull(Game& g, const Ask& a) {
    if (a.w != 0 && CardCount(Dest(g, 0)) < 13) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a);
    return Step(a, 1, false) || (tr == 13 && mr == 1);
}

// 54: down in any suit (a king on an ace with corner mode 1); an empty pile
// is filled from the stock or the waste only.
bool DownEmptiesFilledFromThePack(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) {
        if (a.fromReserve() || a.fromTableau()) return false;
        const int e = Rule(g, rule::kEmptyFila1 + a.w);
        return e == -1 || mr == e;
    }
    return Step(a, -1, false) || (tr == 1 && mr == 13 && Rule(g, rule::kFilaCorner1 + a.w) == 1);
}

// 55: down in colour, while the waste holds at most the card that moves.
bool ColourDownBesideTheLastWasteCard(Game& g, const Ask& a) {
    const int vis = CardCount(MazzoVis(g));
    if (vis > 1 || (vis == 1 && a.from() != kLocMazzoVis)) return false;
    if (a.empty()) {
        const int e = Rule(g, rule::kEmptyFila1 + a.w);
        return e == -1 || a.mr() == e;
    }
    return SameColour(a.T, a.M) && Step(a, -1, false);
}

// 56: the same rank, from this tableau pile or a later one.
bool SameRankFromThisPileOrLater(Game& /*g*/, const Ask& a) {
    return !a.empty() && IsRank(a.tr()) && a.mr() == a.tr() && a.fromTableau() &&
           a.from() - 1 >= a.w;
}

// 70 and 71: onto an empty tableau pile from its grid neighbour (70) or
// over a filled neighbour from two away (71).
bool OverTheGrid(Game& g, const Ask& a) {
    if (a.kind != Kind::kTableau || !a.empty() || !a.fromTableau()) return false;
    const int s = a.from() - 1;
    if (a.ch == 70) return GridNeighbour(g, s, a.w, 1);
    return GridNeighbour(g, s, a.w, 2) && TopCode(Fila(g, (s + a.w) / 2)) >= 1;
}

// 73: the rank of the pile's number.
bool RankOfThePile(Game& /*g*/, const Ask& a) {
    return a.mr() == a.w + 1;
}

// 76: any lower rank; an empty pile takes any card.
bool AnyLowerRank(Game& /*g*/, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    return a.empty() || (IsRank(tr) && IsRank(mr) && mr < tr);
}

// 77: four of each rank in turn, aces first.
bool FourOfEachRankInTurn(Game& /*g*/, const Ask& a) {
    if (a.empty()) return a.mr() == 1;
    return a.mr() == a.count() / 4 + 1;
}

// 78: an ace first, then up in suit; any ace on a king.
bool InSuitUpAnyAceOnAKing(Game& /*g*/, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == 1;
    if (tr == 13 && mr == 1) return true;
    return SameSuit(a.T, a.M) && Step(a, 1, false);
}

// 79: up around the corner from the start rank; the thirteenth card only
// from the foundation's own reserve cell, no other card from a cell.
bool UpAroundLastFromTheOwnCell(Game& g, const Ask& a) {
    const int n = CardCount(Dest(g, a.w));
    const int loc = a.from();
    const bool fromOwnCell = loc == -(21 + a.w);
    if (a.fromReserve() && !(n == 12 && fromOwnCell)) return false;
    if (n == 12 && !fromOwnCell) return false;
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a);
    return Step(a, 1, false) || (tr == 13 && mr == 1);
}

// 80 and 81: in suit up or down around the corner, not from the tableau.
bool InSuitUpOrDownAroundNotFromTableau(Game& /*g*/, const Ask& a) {
    if (a.fromTableau()) return false;
    if (a.empty()) return true;
    return SameSuit(a.T, a.M) && UpOrDown(a, true);
}

// 86 and 87: up (86, aces first) or down (87) through the suit cycle.
bool ThroughTheSuitCycle(Game& /*g*/, const Ask& a) {
    if (a.empty()) return a.ch == 87 || a.mr() == 1;
    if (NextInSuitCycle(SuitOf(a.T)) != SuitOf(a.M)) return false;
    return Step(a, a.ch == 86 ? 1 : -1, false);
}

// 88: up or down, from the stock or the waste only.
bool UpOrDownFromThePack(Game& /*g*/, const Ask& a) {
    if (!LocIsStock(a.from())) return false;
    return a.empty() || UpOrDown(a, false);
}

// 89: in suit down, one card at a time.
bool InSuitDownOneByOne(Game& g, const Ask& a) {
    if (!MovingStackIsSingle(g)) return false;
    if (a.empty()) return EmptyAccepts(g, a);
    return SameSuit(a.T, a.M) && Step(a, -1, false);
}

// 90: four cards of one rank.
bool FourOfARank(Game& /*g*/, const Ask& a) {
    if (a.empty()) return true;
    return a.count() < 4 && Step(a, 0, false);
}

// 91: up around the corner by the step all foundations share, one or two
// while none has set it.
bool UpByTheCommonStep(Game& g, const Ask& a) {
    if (a.empty()) return EmptyAccepts(g, a);
    const int step = CommonStep(g);
    if (step == 0) return Step(a, 1, true) || Step(a, 2, true);
    return Step(a, step, true);
}

// 92: aces only.
bool AcesOnly(Game& /*g*/, const Ask& a) {
    return a.mr() == 1;
}

// 93: in suit by the plain rules, from a reserve cell only.
bool InSuitFromAReserveCell(Game& g, const Ask& a) {
    return a.fromReserve() && Plain(g, a, 0);
}

// 94: alternate colours down, an ace giving a king; an empty pile takes no
// tableau card, nor a waste card while a reserve cell holds one.
bool AlternateDownAround(Game& g, const Ask& a) {
    if (a.empty()) {
        if (a.fromTableau()) return false;
        if (a.from() != kLocMazzoVis) return true;
        for (int i = 0; i < ReserveCount(g); ++i)
            if (!Appogg(g, i).empty()) return false;
        return true;
    }
    // The card whose code is T's - 1 has T's rank less one, an ace
    // giving a king: written by rank so the first ace needs no code 0.
    return IsRank(a.tr()) && !SameColour(a.T, a.M) && a.mr() == PrevRank(a.tr());
}

// 95: an ace first, then up in suit around the corner.
bool InSuitUpAroundFromAnAce(Game& /*g*/, const Ask& a) {
    if (a.empty()) return a.mr() == 1;
    return IsRank(a.tr()) && SameSuit(a.T, a.M) && a.mr() == NextRank(a.tr());
}

// 97: up around the corner by a step of the bottom card's rank, at most
// twelve cards.
bool UpByTheBottomCardsStep(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a);
    if (CardCount(Dest(g, a.w)) > 11) return false;
    // Foundations of the second half step by the bottom card of their
    // partner in the first half; those of the first half by their own.
    const int partner = a.w - FoundationCount(g) / 2;
    const int step = RankOf(BottomCode(Dest(g, partner >= 0 ? partner : a.w)));
    if (!IsRank(step) || !IsRank(tr)) return false;
    int want = tr + step;
    if (want > 13) want -= 13;
    return mr == want;
}

// 98: in suit up from the start rank, a seven on an ace.
bool InSuitUpSevenOnAnAce(Game& g, const Ask& a) {
    const int tr = a.tr(), mr = a.mr();
    if (a.empty()) return mr == StartRank(g, a);
    if (!SameSuit(a.T, a.M)) return false;
    return Step(a, 1, false) || (tr == 1 && mr == 7);
}

using CodeRule = bool (*)(Game&, const Ask&);

struct CodedRule {
    int code;
    CodeRule check;
};

constexpr CodedRule kCodedRules[] = {
    {11, InSuitNoQueenOnKingOrJack},
    {12, AnyCard},
    {14, UpByTwoThreeOrFour},
    {15, UpByTwoThreeOrFour},
    {16, UpByTwoThreeOrFour},
    {17, NotFromTableau},
    {18, FromTableauOnlyOntoEmpty},
    {19, NeitherFromTableauNorReserve},
    {20, UpFromAceAroundTheKing},
    {21, OtherSuitPlainRank},
    {23, InSuitUpWhileTheWasteIsEmpty},
    {24, InSuitKingAndQueenApart},
    {25, InSuitByTwos},
    {26, UpOrDownAtMostThree},
    {27, AlternateNotFromFoundationOrReserve},
    {28, UpOrDownStoppingAtAceAndKing},
    {29, InSuitUpToKingThenDown},
    {30, InSuitKeepingTheWay},
    {31, InSuitDownOnACard},
    {32, InSuitUpOnACard},
    {33, NotFromTableauOntoFewerThanTwo},
    {34, DownAnySuit},
    {35, UpOrDownAround},
    {36, DownAroundFoundationsBegunInTurn},
    {37, DoublingRanks},
    {38, OneLowCardOnAKing},
    {39, UpFromAceToJack},
    {40, RankOfTheRunningCount},
    {41, InSuitByTwoOneSuitPerGroup},
    {42, InSuitUpKingAfterThePartner},
    {43, InSuitUpByTwoOnACard},
    {44, UpFromAceToQueen},
    {45, DownFromAKingWhileTheWasteIsEmpty},
    {46, UpFromTheStartToJack},
    {47, DownFromTheStartWithoutQueens},
    {48, OneCardOnAQueen},
    {49, UpFromTheStartToJack},
    {50, DownFromTheStartWithoutQueens},
    {51, UpFromTheStartToJack},
    {52, DownFromTheStartWithoutQueens},
    {53, UpAroundOnceTheFirstIsFull},
    {54, DownEmptiesFilledFromThePack},
    {55, ColourDownBesideTheLastWasteCard},
    {56, SameRankFromThisPileOrLater},
    {60, UpOrDownStoppingAtAceAndKing},
    {61, InSuitByTwos},
    {70, OverTheGrid},
    {71, OverTheGrid},
    {72, JokerRule},
    {73, RankOfThePile},
    {75, JokerRule},
    {76, AnyLowerRank},
    {77, FourOfEachRankInTurn},
    {78, InSuitUpAnyAceOnAKing},
    {79, UpAroundLastFromTheOwnCell},
    {80, InSuitUpOrDownAroundNotFromTableau},
    {81, InSuitUpOrDownAroundNotFromTableau},
    {86, ThroughTheSuitCycle},
    {87, ThroughTheSuitCycle},
    {88, UpOrDownFromThePack},
    {89, InSuitDownOneByOne},
    {90, FourOfARank},
    {91, UpByTheCommonStep},
    {92, AcesOnly},
    {93, InSuitFromAReserveCell},
    {94, AlternateDownAround},
    {95, InSuitUpAroundFromAnAce},
    {97, UpByTheBottomCardsStep},
    {98, InSuitUpSevenOnAnAce},
};

constexpr int kCodeLimit = [] {
    int limit = 0;
    for (const CodedRule& r : kCodedRules) limit = std::max(limit, r.code + 1);
    return limit;
}();

// The pieces indexed by code: a placement test costs one look-up.
constexpr std::array<CodeRule, kCodeLimit> kRuleByCode = [] {
    std::array<CodeRule, kCodeLimit> byCode{};
    for (const CodedRule& r : kCodedRules) byCode[static_cast<size_t>(r.code)] = r.check;
    return byCode;
}();

bool ByCode(Game& g, const Ask& a) {
    if (a.ch >= 0 && a.ch < kCodeLimit && kRuleByCode[static_cast<size_t>(a.ch)])
        return kRuleByCode[static_cast<size_t>(a.ch)](g, a);
    if (const SimpleRule* r = FindSimpleRule(a.ch)) return ApplySimpleRule(g, *r, a);
    // A build code no game defines refuses: better a refused move than a
    // table the game's rules never allowed.
    return false;
}

bool Decide(Game& g, const Ask& a) {
    if (a.M < 1 || a.M > 108 || a.M == a.T) return false;
    // Stock lock: nothing leaves the tableau while the stock still has cards.
    const int lock = Rule(g, rule::kStockLock);
    if ((lock == 2 || lock == 3 || (lock == 1 && a.foundation())) && !StockEmpty(g) &&
        a.fromTableau())
        return false;
    if (a.ch == 4 || a.ch == 5) return false;
    if (a.ch == 7 && a.drop) return a.empty() && Mazzo(g).empty();
    if (!IsPlainCode(a.ch)) return ByCode(g, a);
    return Plain(g, a, a.ch);
}

const std::string& TargetPile(Game& g, Kind kind, int w) {
    switch (kind) {
        case Kind::kTableau: return Fila(g, w);
        case Kind::kFoundation: return Dest(g, w);
        case Kind::kReserve: return Appogg(g, w);
    }
    return kNoPile;
}

bool Place(Game& g, CardCode T, CardCode M, const PileRules& r, Kind kind) {
    const Ask a{.T = T,
                .M = M,
                .E = r.emptyRule,
                .drop = r.dropFlag,
                .w = r.pileIndex,
                .corner = r.corner,
                .kind = kind,
                .ch = r.buildRule,
                .dir = r.direction,
                .base = r.baseRank,
                .pile = &TargetPile(g, kind, r.pileIndex),
                .game = &g};
    return Decide(g, a);
}

// ---------------------------------------------------------------------------
// Stacks
// ---------------------------------------------------------------------------

// The cards that move with M (M first); one card when the selection is single.
std::string MovingStack(Game& g, CardCode M) {
    if (MovingStackIsSingle(g)) return FormatCode(M);
    std::string stack = StackFrom(g, M, false);
    return stack.empty() ? FormatCode(M) : stack;
}

// Every card of the stack must fit on the one below it by the stack-fit
// rules of tableau pile `rules`.
bool StackFits(Game& g, const std::string& stack, int rules) {
    const std::optional<PileRules> fit = StackFitRules(g, rules);
    if (!fit) return true;
    for (int k = 0; k + 1 < SlotCount(stack); ++k) {
        if (!CanPlace(g, SlotCode(stack, k), SlotCode(stack, k + 1), *fit)) return false;
    }
    return true;
}

// Pick-up rule -5 moves a stack through free cells and empty piles; onto an
// empty pile the target itself is not free, so the stack may hold at most one
// card more than the empty reserve cells and the other empty tableau piles.
int StackLimitOnEmpty(Game& g, int target) {
    int free = 0;
    for (int i = 0; i < ReserveCount(g); ++i)
        if (Appogg(g, i).empty()) ++free;
    for (int i = 0; i < TableauCount(g); ++i)
        if (i != target && Fila(g, i).empty()) ++free;
    return free + 1;
}

bool CanDropOnReserve(Game& g, int n, CardCode M) {
    if (n < 1 || n > ReserveCount(g) || M < 1 || M > 108) return false;
    const std::string& cell = Appogg(g, n - 1);
    const bool single = MovingStackIsSingle(g);
    const bool empty = cell.empty();
    const int rank = RankOf(M);
    switch (Rule(g, rule::kAppoggRule1 - 1 + n)) {
        case 4: return false;
        case 8: return single && rank == 13 && CardCount(Appogg(g, 0)) < 3;
        case 9: return single && empty && rank >= 11 && rank <= 13;
        case 12: return true;
        case 13: return single && CardCount(Appogg(g, 0)) < 5;
        case 81: return single && empty;
        case 85: return LocateCard(g, M) == kLocMazzoVis;
        case 88: return single && empty && rank == 11;
        case 89: return single && empty && rank == 12;
        case 90: return single && empty && rank == 13;
        case 103: {
            if (!empty) return false;
            const int from = LocateCard(g, M);
            return StackFits(g, MovingStack(g, M), LocIsTableau(from) ? from - 1 : 0);
        }
        case 107: {
            if (rank != 1) return false;
            return empty || IsRed(TopCode(cell)) != IsRed(M);
        }
        default:
            return single && empty &&
                   Place(g, -1, M,
                         {.pileIndex = n - 1,
                          .buildRule = Rule(g, rule::kAppoggRule1 - 1 + n),
                          .direction = -1,
                          .baseRank = Rule(g, rule::kBaseRank1)},
                         Kind::kReserve);
    }
}

}  // namespace

PileRules TableauRules(Game& g, int i) {
    return {.emptyRule = Rule(g, rule::kEmptyFila1 + i),
            .pileIndex = i,
            .corner = Rule(g, rule::kFilaCorner1 + i) > 0,
            .buildRule = Rule(g, rule::kFilaRule1 + i),
            .direction = Rule(g, rule::kFilaDir1 + i),
            .baseRank = Rule(g, rule::kBaseRank1)};
}

PileRules FoundationRules(Game& g, int i) {
    const int base = Rule(g, rule::kBaseRank1 + i);
    return {.emptyRule = base,
            .pileIndex = i,
            .corner = true,
            .isFoundation = true,
            .buildRule = Rule(g, rule::kDestRule1 + i),
            .direction = Rule(g, rule::kDestDir1 + i),
            .baseRank = base};
}

std::optional<PileRules> StackFitRules(Game& g, int i) {
    const int mode = Rule(g, rule::kStackFit);
    if (mode != 1 && mode != 10 && mode != 11) return std::nullopt;
    PileRules fit = TableauRules(g, i);
    fit.dropFlag = false;
    if (mode != 1) fit.buildRule = mode == 10 ? 0 : 1;
    return fit;
}

bool CanPlace(Game& g, CardCode T, CardCode M, const PileRules& rules) {
    return Place(g, T, M, rules, rules.isFoundation ? Kind::kFoundation : Kind::kTableau);
}

bool CanDropOnTableau(Game& g, int a, CardCode M) {
    if (a < 0 || a >= TableauCount(g)) return false;
    const std::string& pile = Fila(g, a);
    const CardCode T = pile.empty() ? -1 : TopCode(pile);
    if (!pile.empty() && IsFaceDown(g, T) && Rule(g, rule::kGoalKind) != goal::kFaceDownPlayable)
        return false;
    if (Rule(g, rule::kFilaMaxCards) != -1 && CardCount(pile) >= Rule(g, rule::kFilaMaxCards))
        return false;
    const PileRules rules = TableauRules(g, a);
    bool ok = CanPlace(g, T, M, rules);
    if (ok && rules.buildRule == 34 && !pile.empty()) ok = MovingStackIsSingle(g);
    if (ok && !MovingStackIsSingle(g)) {
        const std::string stack = MovingStack(g, M);
        if (SlotCount(stack) > 1) {
            ok = StackFits(g, stack, a);
            if (ok && Rule(g, rule::kPickUpRule) == -5 && pile.empty())
                ok = SlotCount(stack) <= StackLimitOnEmpty(g, a);
        }
    }
    const int noReturn = g.Options.Opt(opt::kHeldTop);
    if (noReturn != 0 && T == noReturn) return false;
    return ok;
}

bool CanDropOnFoundation(Game& g, int i, CardCode M) {
    if (i < 0 || i >= FoundationCount(g) || M < 1 || M > 108) return false;
    if (!MovingStackIsSingle(g)) return false;
    const std::string& pile = Dest(g, i);
    const int ch = Rule(g, rule::kDestRule1 + i);
    if (ch == 10) return pile.empty() && RankOf(M) == 12;
    if (ch == 22) {
        if (RankOf(M) == 1) return false;
        for (int t = 0; t < TableauCount(g); ++t) {
            const std::string& f = Fila(g, t);
            if (f.empty()) continue;
            const CardCode top = TopCode(f);
            if (SameSuit(top, M) && (RankOf(top) > RankOf(M) || RankOf(top) == 1)) return true;
        }
        return false;
    }
    const int n = CardCount(pile);
    if (ch == 20 && n >= 52) return false;
    if (ch != 20 && ch != 29 && n >= Rule(g, rule::kDestMaxCards)) return false;
    return CanPlace(g, pile.empty() ? -1 : TopCode(pile), M, FoundationRules(g, i));
}

bool CanDropOn(Game& g, const std::string& name, CardCode M) {
    const int n = PileNumberOf(name);
    switch (PileKindOf(name)) {
        case kFila: return CanDropOnTableau(g, n - 1, M);
        case kDest: return CanDropOnFoundation(g, n - 1, M);
        case kAppogg: return CanDropOnReserve(g, n, M);
        default: return false;
    }
}

}  // namespace bw
