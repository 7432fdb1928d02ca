#pragma once
// Pile access by name and by list, and the card register's face flags.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/game.h"
#include "core/state.h"

namespace bw {

// Kind of a pile name: 4 "Fila", 5 "Dest", 6 "Appogg", 2 "Mazzo_Vis",
// 1 "Mazzo", 3 "Waste", 0 otherwise (tested in that order).
int PileKindOf(const std::string& name);
// The 1-based number after the kind word (at most two characters), 0 if none.
int PileNumberOf(const std::string& name);
// Kind word + number: PileName(kFila, 3) == "Fila3"; stock-side kinds by name.
std::string PileName(int kind, int number);
// The list of a kind (kMazzo, kMazzoVis and kWaste all give MazzoPiles).
PileList& PileListOf(Game& g, int kind);
// The pile string a name refers to ("Mazzo", "Mazzo_Vis", "Waste",
// "Mazzo_Waste" included), or nullptr for an unknown name or number.
std::string* PileByName(Game& g, const std::string& name);

// Where a card lies: its pile's kind, the pile's index in the kind's list
// (on the stock side 0 "Mazzo", 1 "Mazzo_Vis", 2 "Waste") and the slot.
struct CardPlace {
    PileKind kind = kNoPile;
    int index = -1;
    int slot = -1;
    std::string* pile = nullptr;
    bool Found() const { return pile != nullptr; }
    PileId Pile() const { return {kind, index}; }
    std::string Name() const;
};
// A stretch of one kind's list: `count` piles from `first`, cut to the list.
struct PileRange {
    PileKind kind = kNoPile;
    int first = 0;
    int count = 0;
};
// The first place over the ranges, in order, whose pile holds `card`. The
// callers choose the order: a code lies twice where the first foundation
// holds the selection list.
CardPlace FindCardPlace(Game& g, CardCode card, std::initializer_list<PileRange> order);

CardCode TopCardOf(Game& g, const std::string& name);
// Adds a card to the top of a pile, turned to `face` where one is given.
void AppendCard(Game& g, PileList& list, int index, CardCode code,
                std::optional<Face> face = std::nullopt);
void AppendCardByName(Game& g, const std::string& name, CardCode code,
                      std::optional<Face> face = std::nullopt);
// Modes: 0 report only, 1 remove, 2 leave a hole, 3 remove and close a hole below.
bool TakeCard(PileList& list, int index, CardCode code, int mode);
// The place searched in the order of taking a card from anywhere:
// "Mazzo_Vis", the tableau, the foundations, "Mazzo", "Waste", the reserves.
CardPlace FindCardAnywhere(Game& g, CardCode card);
// Returns the kind where the card was found (2, 4, 5, 1, 3, 6) or 255.
int TakeCardAnywhere(Game& g, CardCode code, int mode);
// The tableau pile (0-based) holding a card, or -1.
int TableauHolding(Game& g, CardCode card);
// Turns the top `n` cards of a pile to `face`; n -1 alternates from the
// bottom card up, -2 from it down, -3 turns the bottom card alone up.
void SetFace(Game& g, const std::string& pile, int n, Face face);
std::string StackFrom(Game& g, CardCode code, bool take);
bool IsFaceDown(Game& g, CardCode code);
bool IsTableauTop(Game& g, CardCode code);
void ClearPiles(Game& g, bool redraw, bool clearTable);

void SavePiles(Game& g);
void RestorePiles(Game& g);

// The register's stored face flag of a card: '1' up, '0' down; what the
// snapshots and files hold. The engine reads and turns faces as `Face`.
// Inline: the deal sets a flag for every card it places.
inline char FaceFlag(const std::vector<std::string>& cardRegister, CardCode code) {
    if (code < 1 || code > static_cast<int>(cardRegister.size())) return '0';
    const std::string& line = cardRegister[static_cast<size_t>(code - 1)];
    return line.size() >= 20 ? line[19] : '0';
}
inline void SetFaceFlag(std::vector<std::string>& cardRegister, CardCode code, char flag) {
    if (code < 1 || code > static_cast<int>(cardRegister.size())) return;
    std::string& line = cardRegister[static_cast<size_t>(code - 1)];
    if (line.size() >= 20) line[19] = flag;
}
// A card outside the register reads as face down and cannot be turned.
inline Face FaceOf(const Game& g, CardCode code) {
    return static_cast<Face>(FaceFlag(g.CardRegister, code));
}
inline void SetCardFace(Game& g, CardCode code, Face face) {
    SetFaceFlag(g.CardRegister, code, static_cast<char>(face));
}
inline bool IsFaceUp(const Game& g, CardCode code) {
    return code >= 1 && FaceOf(g, code) == Face::kUp;
}
// The card in a slot of a pile (0 the bottom), as it lies.
inline Card CardAt(const Game& g, std::string_view pile, int slot) {
    const CardCode code = SlotCode(pile, slot);
    return {code, FaceOf(g, code)};
}

// Number of cards of a pile (slots, holes included).
inline int CardCount(const std::string& pile) {
    return SlotCount(pile);
}

}  // namespace bw
