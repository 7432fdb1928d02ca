#pragma once
// The move engine's operations that are not a held card going to a pile:
// turning and redealing the stock, dealing from the stock onto tableau piles
// and reserve cells, and removing or replacing the cards of the selection
// games. ExecuteMove dispatches here and runs its common tail afterwards.
#include "core/move_target.h"

namespace bw {

struct Game;

// Carries out a stock operation (a target that is not a card move); true when
// the table changed. Records its own undo step (except kFillTableaus and
// kFillFromStock, which complete an action whose step is already recorded),
// sets flag 7 and flag 8 (the win test) when it changed something. `count` is the caller's argument
// (a card code or a counter) and is not needed by any of them.
// `effects`, when given, tells the common tail what happened.
struct StockEffects {
    bool leftTableau = false;  // a card left a tableau pile
    bool operator==(const StockEffects&) const = default;
};
// What happened is kept in g.stockEffects too.
bool ExecuteStockOperation(Game& g, int count, const MoveTarget& target,
                           StockEffects* effects = nullptr);

// Whether the stock may still be turned back: the pass counter (option 73,
// 1 after the deal) has not gone past rule::kStockPasses, so a limit of n allows
// n redeals; -1 allows any number. The press handler and the stock's empty
// mark ask the same question as the redeal itself.
bool RedealsRemain(Game& g);

}  // namespace bw
