#include "core/cards.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace bw {

namespace {
// The three digits of every code 0..999.
constexpr auto kCodeDigits = [] {
    std::array<std::array<char, 3>, 1000> digits{};
    for (size_t c = 0; c < digits.size(); ++c)
        digits[c] = {static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                     static_cast<char>('0' + c % 10)};
    return digits;
}();
}  // namespace

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

void AppendOddCode(std::string& pile, CardCode c) {
    // Never a card; written as printf's "%03d" would.
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", c);
    pile += buf;
}

void AppendCodes(std::string& pile, std::span<const CardCode> codes) {
    // Written in place, three digits a card looked up, with one resize for all.
    const size_t at = pile.size();
    pile.resize(at + 3 * codes.size());
    char* out = pile.data() + at;
    for (size_t i = 0; i < codes.size(); ++i, out += 3) {
        const CardCode c = codes[i];
        if (c < 0 || c > 999) {
            // No card: the rest as AppendCode writes it, wider or not.
            pile.resize(at + 3 * i);
            for (CardCode rest : codes.subspan(i)) AppendCode(pile, rest);
            return;
        }
        std::memcpy(out, kCodeDigits[static_cast<size_t>(c)].data(), 3);
    }
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
