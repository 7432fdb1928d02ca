#include "core/cards.h"

#include <cstdio>

namespace bw {

int RankOf(CardCode c) {
    if (c >= 105 && c <= 108) return 100;
    if (c < 1 || c > 108) return -1;
    int cc = c < 53 ? c : c - 52;
    return (cc - 1) % 13 + 1;
}

int SuitOf(CardCode c) {
    if (c < 1) return -1;
    int cc = c < 53 ? c : c - 52;
    if (cc > 52) return -1;
    return (cc - 1) / 13;
}

bool IsRed(CardCode c) {
    return (c >= 1 && c <= 26) || (c >= 53 && c <= 78);
}

bool IsFaceCard(CardCode c) {
    if (c < 1 || c > 104) return false;
    int r = RankOf(c);
    return r >= 11 && r <= 13;
}

bool IsJoker(CardCode c) {
    return c >= 105 && c <= 108;
}

std::string RankText(int rank) {
    switch (rank) {
        case 0: return "";
        case 1: return "A";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return std::to_string(rank);
    }
}

int NextRank(int rank) {
    return rank == 13 ? 1 : rank + 1;
}
int PrevRank(int rank) {
    return rank == 1 ? 13 : rank - 1;
}

void AppendCode(std::string& pile, CardCode c) {
    if (c < 0 || c > 999) {
        // Never a card; written as printf's "%03d" would.
        char buf[16];
        std::snprintf(buf, sizeof buf, "%03d", c);
        pile += buf;
        return;
    }
    const char digits[3] = {static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                            static_cast<char>('0' + c % 10)};
    pile.append(digits, 3);
}

std::string FormatCode(CardCode c) {
    std::string code;
    AppendCode(code, c);
    return code;
}

CardCode SlotCode(std::string_view pile, int i) {
    size_t p = static_cast<size_t>(i) * 3;
    if (i < 0 || p + 3 > pile.size()) return 0;
    int v = 0;
    for (size_t k = p; k < p + 3; ++k) {
        char ch = pile[k];
        if (ch < '0' || ch > '9') return 0;
        v = v * 10 + (ch - '0');
    }
    return v;
}

int FindSlot(std::string_view pile, CardCode c) {
    for (int i = 0; i < SlotCount(pile); ++i)
        if (SlotCode(pile, i) == c) return i;
    return -1;
}

}  // namespace bw
