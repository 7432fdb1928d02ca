#include "core/piles.h"
#include "core/game.h"

#include <algorithm>

#include "core/history.h"

namespace bw {

namespace {
bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The (at most two) digits right after the kind word.
int NumberAt(const std::string& name, size_t from) {
    int v = 0, digits = 0;
    for (size_t i = from; i < name.size() && digits < 2; ++i, ++digits) {
        if (name[i] < '0' || name[i] > '9') break;
        v = v * 10 + (name[i] - '0');
    }
    return v;
}

}  // namespace

int PileKindOf(const std::string& name) {
    if (StartsWith(name, "Fila")) return kFila;
    if (StartsWith(name, "Dest")) return kDest;
    if (StartsWith(name, "Appogg")) return kAppogg;
    if (StartsWith(name, "Mazzo_Vis")) return kMazzoVis;
    if (StartsWith(name, "Mazzo")) return kMazzo;
    if (StartsWith(name, "Waste")) return kWaste;
    return kNoPile;
}

int PileNumberOf(const std::string& name) {
    if (StartsWith(name, "Fila") || StartsWith(name, "Dest")) return NumberAt(name, 4);
    if (StartsWith(name, "Appogg")) return NumberAt(name, 6);
    return 0;
}

std::string PileName(int kind, int number) {
    switch (kind) {
        case kMazzo: return "Mazzo";
        case kMazzoVis: return "Mazzo_Vis";
        case kWaste: return "Waste";
        case kFila: return "Fila" + std::to_string(number);
        case kDest: return "Dest" + std::to_string(number);
        case kAppogg: return "Appogg" + std::to_string(number);
        default: return std::string();
    }
}

PileList& PileListOf(Game& g, int kind) {
    switch (kind) {
        case kFila: return g.FilaPiles;
        case kDest: return g.DestPiles;
        case kAppogg: return g.AppoggPiles;
        default: return g.MazzoPiles;
    }
}

std::string CardPlace::Name() const {
    return PileName(kind, index + 1);
}

CardPlace FindCardPlace(Game& g, CardCode card, std::initializer_list<PileRange> order) {
    static constexpr PileKind kStockKinds[3] = {kMazzo, kMazzoVis, kWaste};
    for (const PileRange& r : order) {
        PileList& list = PileListOf(g, r.kind);
        const bool stock = &list == &g.MazzoPiles;
        const int end = std::min(r.first + r.count, static_cast<int>(list.size()));
        for (int i = std::max(r.first, 0); i < end; ++i) {
            std::string& pile = list[static_cast<size_t>(i)];
            const int s = FindSlot(pile, card);
            if (s < 0) continue;
            return {stock ? (i < 3 ? kStockKinds[i] : kNoPile) : r.kind, i, s, &pile};
        }
    }
    return {};
}

std::string* PileByName(Game& g, const std::string& name) {
    if (name == "Mazzo") return &g.MazzoPiles[0];
    if (name == "Mazzo_Vis") return &g.MazzoPiles[1];
    if (name == "Waste" || name == "Mazzo_Waste") return &g.MazzoPiles[2];
    int kind = PileKindOf(name);
    if (kind != kFila && kind != kDest && kind != kAppogg) return nullptr;
    PileList& list = PileListOf(g, kind);
    int n = PileNumberOf(name);
    if (n < 1 || n > static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<size_t>(n - 1)];
}

CardCode TopCardOf(Game& g, const std::string& name) {
    const std::string* pile = nullptr;
    if (name == "Mazzo") {
        pile = &g.MazzoPiles[0];
    } else if (name == "Mazzo_Vis") {
        pile = &g.MazzoPiles[1];
    } else if (StartsWith(name, "Dest") || StartsWith(name, "Fila") || StartsWith(name, "Appogg")) {
        pile = PileByName(g, name);
    }
    return pile ? TopCode(*pile) : 0;
}

void AppendCard(Game& g, PileList& list, int index, CardCode code, std::optional<Face> face) {
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    AppendCode(list[static_cast<size_t>(index)], code);
    if (code != 0 && face) SetCardFace(g, code, *face);
}

void AppendCardByName(Game& g, const std::string& name, CardCode code, std::optional<Face> face) {
    if (!(StartsWith(name, "Fila") || StartsWith(name, "Dest") || StartsWith(name, "Appogg") ||
          name == "Mazzo_Vis"))
        return;
    std::string* pile = PileByName(g, name);
    if (!pile) return;
    AppendCode(*pile, code);
    if (code != 0 && face) SetCardFace(g, code, *face);
}

bool TakeCard(PileList& list, int index, CardCode code, int mode) {
    if (index < 0 || index >= static_cast<int>(list.size())) return false;
    std::string& pile = list[static_cast<size_t>(index)];
    int slot = FindSlot(pile, code);
    if (slot < 0) return false;
    size_t p = static_cast<size_t>(slot) * 3;
    switch (mode) {
        case 1: pile.erase(p, 3); break;
        case 2: pile.replace(p, 3, "000"); break;
        case 3:
            pile.erase(p, 3);
            if (slot > 0) {
                if (SlotCode(pile, slot - 1) == 0 && pile.compare(p - 3, 3, "000") == 0)
                    pile.erase(p - 3, 3);
            } else if (pile.size() >= 3 && pile.compare(0, 3, "000") == 0) {
                pile.erase(0, 3);
            }
            break;
        default: break;
    }
    return true;
}

CardPlace FindCardAnywhere(Game& g, CardCode card) {
    return FindCardPlace(g, card,
                         {{kMazzoVis, 1, 1},
                          {kFila, 0, TableauCount(g)},
                          {kDest, 0, 16},
                          {kMazzo, 0, 1},
                          {kWaste, 2, 1},
                          {kAppogg, 0, 10}});
}

int TakeCardAnywhere(Game& g, CardCode code, int mode) {
    const CardPlace p = FindCardAnywhere(g, code);
    if (!p.Found()) return 255;
    TakeCard(PileListOf(g, p.kind), p.index, code, mode);
    return p.kind;
}

int TableauHolding(Game& g, CardCode card) {
    const CardPlace p = FindCardPlace(g, card, {{kFila, 0, TableauCount(g)}});
    return p.Found() ? p.index : -1;
}

void SetFace(Game& g, const std::string& pile, int n, Face face) {
    const int count = SlotCount(pile);
    if (n >= 1) {
        for (int i = count - 1; i >= 0 && i >= count - n; --i)
            SetCardFace(g, SlotCode(pile, i), face);
        return;
    }
    const auto up = [](bool b) { return b ? Face::kUp : Face::kDown; };
    for (int i = 0; i < count; ++i) {
        const bool odd = (i % 2) == 0;  // the bottom card is the first, odd-numbered
        switch (n) {
            case -1: SetCardFace(g, SlotCode(pile, i), up(odd)); break;
            case -2: SetCardFace(g, SlotCode(pile, i), up(!odd)); break;
            case -3: SetCardFace(g, SlotCode(pile, i), up(i == 0)); break;
            default: return;
        }
    }
}

std::string StackFrom(Game& g, CardCode code, bool take) {
    auto scan = [&](PileList& list, int count) -> std::string {
        for (int i = 0; i < count; ++i) {
            std::string& pile = list[static_cast<size_t>(i)];
            int slot = FindSlot(pile, code);
            if (slot < 0) continue;
            std::string run = pile.substr(static_cast<size_t>(slot) * 3);
            if (take) pile.erase(static_cast<size_t>(slot) * 3);
            return run;
        }
        return std::string("\x01");
    };
    std::string r = scan(g.FilaPiles, TableauCount(g));
    if (r != "\x01") return r;
    r = scan(g.AppoggPiles, RuleCount(g, rule::kReserves, 10));
    return r == "\x01" ? std::string() : r;
}

bool IsFaceDown(Game& g, CardCode code) {
    return code < 1 || FaceOf(g, code) == Face::kDown;
}

bool IsTableauTop(Game& g, CardCode code) {
    int nf = TableauCount(g);
    for (int i = 0; i < nf; ++i)
        if (!g.FilaPiles[static_cast<size_t>(i)].empty() &&
            TopCode(g.FilaPiles[static_cast<size_t>(i)]) == code)
            return true;
    return false;
}

void SavePiles(Game& g) {
    g.SavedPiles.mazzo = g.MazzoPiles;
    g.SavedPiles.fila = g.FilaPiles;
    g.SavedPiles.dest = g.DestPiles;
    g.SavedPiles.appogg = g.AppoggPiles;
}

void RestorePiles(Game& g) {
    g.MazzoPiles = g.SavedPiles.mazzo;
    g.FilaPiles = g.SavedPiles.fila;
    g.DestPiles = g.SavedPiles.dest;
    g.AppoggPiles = g.SavedPiles.appogg;
}

}  // namespace bw

#include "core/ports.h"

namespace bw {

void ClearPiles(Game& g, bool redraw, bool clearTable) {
    if (clearTable) {
        for (auto& p : g.MazzoPiles) p.clear();
        for (auto& p : g.FilaPiles) p.clear();
        for (auto& p : g.DestPiles) p.clear();
        for (auto& p : g.AppoggPiles) p.clear();
        ClearHistory(g, true);
    } else {
        ClearHistory(g, false);
    }
    SetFlag(g, flag::kInProgress, false);
    if (redraw) TableView().PaintEmptyTable();
}

}  // namespace bw
