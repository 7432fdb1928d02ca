#include "core/move_target.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "core/piles.h"

namespace bw {

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Exactly `digits` digits after the prefix, else 0 (a number no pile has).
int NumberAfter(const std::string& name, const char* prefix, size_t digits) {
    const size_t from = std::char_traits<char>::length(prefix);
    if (name.size() != from + digits) return 0;
    int v = 0;
    for (size_t i = from; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        v = v * 10 + (name[i] - '0');
    }
    return v;
}

std::string Digits(int n, int width) {
    std::string s = std::to_string(n);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

constexpr std::array<std::pair<MoveOp, const char*>, 10> kOpNames{{
    {MoveOp::kTurnStock, "Mazzo_Vis"},
    {MoveOp::kTurnStockToWaste, "Mazzo_Waste"},
    {MoveOp::kRedeal, "Mazzo_Redeal"},
    {MoveOp::kAddTableaus, "Add_Tableaus"},
    {MoveOp::kAddTableausLast, "Add_Tableaus_Last"},
    {MoveOp::kFillTableaus, "Fill_Tableaus"},
    {MoveOp::kAddReserves, "Add_Reserves"},
    {MoveOp::kRemoveSelection, "Selezionate_Dest"},
    {MoveOp::kFillFromStock, "Selezionate_Fila"},
    {MoveOp::kCloseUpTableau, "Stock_To_Pile_Monte_Carlo"},
}};

}  // namespace

MoveTarget ToPile(PileKind kind, int n) {
    MoveTarget t;
    switch (kind) {
        case kMazzo: t.pile = {kind, 0}; break;
        case kMazzoVis: t.pile = {kind, 1}; break;
        case kWaste: t.pile = {kind, 2}; break;
        default: t.pile = {kind, n - 1}; break;
    }
    return t;
}

MoveTarget ToFoundationByAutoplay(int n) {
    MoveTarget t = ToPile(kDest, n);
    t.op = MoveOp::kToPileByAutoplay;
    return t;
}

MoveTarget StockOp(MoveOp op, int number) {
    MoveTarget t;
    t.op = op;
    t.number = number;
    return t;
}

std::string MoveTargetName(const MoveTarget& t) {
    switch (t.op) {
        case MoveOp::kToPile:
            if (t.pile.kind == kMazzoVis) return "Stock02";
            return PileName(t.pile.kind, t.pile.index + 1);
        case MoveOp::kToPileByAutoplay: return "Dest_Autoplay" + std::to_string(t.pile.index + 1);
        case MoveOp::kAddTableau: return "Add_Tableau_" + Digits(t.number, 2);
        case MoveOp::kAddReserve: return "Add_Reserve_" + Digits(t.number, 1);
        default:
            for (const auto& [op, name] : kOpNames)
                if (op == t.op) return name;
            return std::string();
    }
}

std::optional<MoveTarget> ParseMoveTarget(const std::string& name) {
    for (const auto& [op, opName] : kOpNames)
        if (name == opName) return StockOp(op);
    // Malformed numbers still name the operation; it then deals nothing.
    if (StartsWith(name, "Add_Tableau_"))
        return StockOp(MoveOp::kAddTableau, NumberAfter(name, "Add_Tableau_", 2));
    if (StartsWith(name, "Add_Reserve_"))
        return StockOp(MoveOp::kAddReserve, NumberAfter(name, "Add_Reserve_", 1));
    if (StartsWith(name, "Dest_Autoplay")) {
        const int n = std::atoi(name.substr(13, 2).c_str());
        if (n < 1 || n > 16) return std::nullopt;
        return ToFoundationByAutoplay(n);
    }
    if (name == "Waste") return ToPile(kWaste);
    if (name == "Stock02") return ToPile(kMazzoVis);
    const int kind = PileKindOf(name);
    const int n = PileNumberOf(name);
    if (n < 1 || n > PileLimit(kind)) return std::nullopt;
    return ToPile(static_cast<PileKind>(kind), n);
}

int PileLimit(int kind) {
    switch (kind) {
        case kFila: return 40;
        case kDest: return 16;
        case kAppogg: return 10;
        default: return 0;
    }
}

}  // namespace bw
