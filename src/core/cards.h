#pragma once
// Card codes: 1..52 the first deck, 53..104 the second, 105..108 jokers;
// code = (suit - 1) * 13 + rank with suits hearts, diamonds, clubs, spades.
// Piles are strings of three-digit codes; "000" is a hole.
#include <span>
#include <string>
#include <string_view>

namespace bw {

using CardCode = int;

// The side of a card that is up; the values are the card register's stored
// face flag, so a face converts to its stored character and back unchanged.
enum class Face : char { kDown = '0', kUp = '1' };

// A card as a pile holds it: its code (0 for a hole) and the side up.
struct Card {
    CardCode code = 0;
    Face face = Face::kDown;
    bool IsHole() const { return code == 0; }
    bool FaceUp() const { return face == Face::kUp; }
    bool operator==(const Card&) const = default;
};

int RankOf(CardCode c);  // 1..13, 100 for a joker, -1 otherwise
int SuitOf(CardCode c);  // 0..3, -1 for a joker
bool IsRed(CardCode c);
bool IsFaceCard(CardCode c);
bool IsJoker(CardCode c);
std::string RankText(int rank);      // "A", "2".."10", "J", "Q", "K"; "" for 0
int NextRank(int rank);              // king wraps to ace
int PrevRank(int rank);              // ace wraps to king
std::string FormatCode(CardCode c);  // three digits
// Codes outside 0..999 (never cards), as printf's "%03d" writes them.
void AppendOddCode(std::string& pile, CardCode c);
// The same three digits added to the end of a pile string.
inline void AppendCode(std::string& pile, CardCode c) {
    if (c < 0 || c > 999) return AppendOddCode(pile, c);
    // Three single characters: appending a buffer would call memcpy for
    // three bytes, once for every card dealt.
    pile += static_cast<char>('0' + c / 100);
    pile += static_cast<char>('0' + c / 10 % 10);
    pile += static_cast<char>('0' + c % 10);
}

// The codes of several cards added at once.
void AppendCodes(std::string& pile, std::span<const CardCode> codes);

// Number of three-character slots in a pile string.
inline int SlotCount(std::string_view pile) {
    return static_cast<int>(pile.size() / 3);
}
// The code in slot i (0 = bottom); a malformed slot reads as 0.
CardCode SlotCode(std::string_view pile, int i);
// The top card's code, 0 for an empty pile.
inline CardCode TopCode(std::string_view pile) {
    return pile.size() < 3 ? 0 : SlotCode(pile, SlotCount(pile) - 1);
}
// The bottom card's code, 0 for an empty pile.
inline CardCode BottomCode(std::string_view pile) {
    return pile.size() < 3 ? 0 : SlotCode(pile, 0);
}
// Slot index of the first slot holding `c`, or -1.
int FindSlot(std::string_view pile, CardCode c);

}  // namespace bw
