#pragma once
// What a press does its own way in each family of games: the memory grids,
// the selection games and the patience kinds. The press chain (press.cpp)
// keeps the steps every family shares and asks the game's family at the
// points where a goal kind has a rule of its own; the drop asks it likewise.
// One file per family: memory_press.cpp, selection_press.cpp,
// patience_press.cpp. Every hook does nothing by default.
#include <optional>
#include <string>

#include "core/cards.h"
#include "core/pointer_state.h"
#include "interaction/press.h"

namespace bw {

struct Game;

// What a press has accepted for holding.
struct Pickup {
    bool accepted = false;
    bool run = false;        // a run lifted from inside a tableau pile
    bool wholeCell = false;  // a reserve cell of rule -11
    CardCode card = 0;
    int left = 0, top = 0;
    HeldRect rect;
};

// Where the press goes after its tableau step: it ends, or goes on to the
// right-button step and the pick-up.
enum class PressStep { kEnd, kStep11 };

// A press on the card of tableau pile `index` (0-based); `isTop` when the
// card tops its pile.
struct TableauCardPress {
    MouseButton button;
    const PileHit& hit;
    int index;
    bool isTop;
};

class FamilyPress {
public:
    virtual ~FamilyPress() = default;

    // A right press without Ctrl: whether it takes the right-click shortcut.
    virtual bool TakesRightClickShortcut(const Game& /*g*/) const { return true; }
    // A tableau card pressed, before the rules shared by every game; no
    // value lets those rules decide.
    virtual std::optional<PressStep> TableauCard(Game& /*g*/, const TableauCardPress& /*press*/,
                                                 Pickup& /*pick*/) const {
        return {};
    }
    // Once the slotted rows (table families 8 and 9) had their say: whether
    // the card is left where it lies and the press goes on without a pick-up.
    virtual bool LeavesTableauCard(const Game& /*g*/) const { return false; }
    // The stock pressed with `top` on it; true when the press ends here.
    virtual bool StockCard(Game& /*g*/, const PileHit& /*hit*/, CardCode /*top*/) const {
        return false;
    }
    // After the stock's deal or turn.
    virtual void AfterStockPress(Game& /*g*/) const {}
    // A card of "Mazzo_Vis" pressed where it may be held; true when the
    // press ends here instead.
    virtual bool VisibleStockCard(Game& /*g*/, const PileHit& /*hit*/) const { return false; }
    // After a card (or run) was taken up.
    virtual void AfterPickUp(Game& /*g*/, const Pickup& /*pick*/) const {}

    // The drop: whether the first foundation keeps a selection list.
    virtual bool KeepsSelectionInFirstFoundation(const Game& /*g*/) const { return false; }
    // Whether tableau piles take dropped cards at all.
    virtual bool TakesTableauDrops(const Game& /*g*/) const { return true; }
    // Tableau pile `index` offered the held card: a verdict of the family's
    // own, or none for the pile's drop rule.
    virtual std::optional<bool> TableauDropRule(Game& /*g*/, int /*index*/,
                                                CardCode /*card*/) const {
        return {};
    }
    // After a drop onto a tableau pile.
    virtual void AfterTableauDrop(Game& /*g*/) const {}
};

const FamilyPress& MemoryPressFamily();
const FamilyPress& SelectionPressFamily();
const FamilyPress& PatiencePressFamily();

// The press family of the game's goal kind.
const FamilyPress& FamilyPressOf(const Game& g);

}  // namespace bw
