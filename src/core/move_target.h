#pragma once
// What a move request asks the engine to do: put the held card on a pile, or
// carry out one of the stock operations. The names of the stored form
// ("Fila3", "Dest_Autoplay2", "Add_Tableau_07", ...) are read and written
// only at the edges (the tool, the tests that speak it); the engine and its
// callers pass the typed value.
#include <cstdint>
#include <optional>
#include <string>

#include "core/state.h"

namespace bw {

enum class MoveOp : uint8_t {
    kToPile,            // the held card (option 94) onto `pile`
    kToPileByAutoplay,  // the same, made by autoplay ("Dest_Autoplay"N: its sound)
    kTurnStock,         // "Mazzo_Vis"
    kTurnStockToWaste,  // "Mazzo_Waste"
    kRedeal,            // "Mazzo_Redeal"
    kAddTableaus,       // "Add_Tableaus"
    kAddTableausLast,   // "Add_Tableaus_Last"
    kFillTableaus,      // "Fill_Tableaus"
    kAddTableau,        // "Add_Tableau_"NN: `number`
    kAddReserves,       // "Add_Reserves"
    kAddReserve,        // "Add_Reserve_"N: `number`
    kRemoveSelection,   // "Selezionate_Dest"
    kFillFromStock,     // "Selezionate_Fila"
    kCloseUpTableau,    // "Stock_To_Pile_Monte_Carlo"
};

struct MoveTarget {
    MoveOp op = MoveOp::kToPile;
    PileId pile;     // kToPile, kToPileByAutoplay
    int number = 0;  // kAddTableau, kAddReserve: the 1-based pile
    bool operator==(const MoveTarget&) const = default;

    bool IsCardMove() const { return op == MoveOp::kToPile || op == MoveOp::kToPileByAutoplay; }
};

// How many piles of a kind a card can be moved to by number: 40 tableaus,
// 16 foundations, 10 reserve cells; 0 for the stock side.
int PileLimit(int kind);

// Pile n (1-based) of a kind; the stock side ignores n.
MoveTarget ToPile(PileKind kind, int n = 1);
// Foundation n, played by autoplay.
MoveTarget ToFoundationByAutoplay(int n);
MoveTarget StockOp(MoveOp op, int number = 0);

// The stored form's name of a target, and back; nullopt for a name that
// names no target ("Nowhere", "Fila41", "Dest_Autoplay" without a number).
std::string MoveTargetName(const MoveTarget& t);
std::optional<MoveTarget> ParseMoveTarget(const std::string& name);

}  // namespace bw
