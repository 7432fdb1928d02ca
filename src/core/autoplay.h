#pragma once
// Autoplay: cards that may go to a foundation are sent there, and empty
// tableau piles are filled from the game's fill source (rule::kFillMode).
#include <string>

#include "core/cards.h"
#include "core/move_target.h"

namespace bw {

struct Game;

// Which targets AutoMoveCard tries (bits).
namespace target {
constexpr int kFoundations = 1;
constexpr int kTableaus = 2;  // non-empty tableau piles
constexpr int kEmptyTableaus = 4;
constexpr int kReserves = 8;
constexpr int kStockVis = 16;   // "Mazzo_Vis"
constexpr int kForPlayer = 32;  // a move made on the player's behalf
}  // namespace target

// The menu command "Aut&oplay" and its tool buttons: toggles the switch,
// runs autoplay when switched on during a game, stores the per-game switch.
void AutoplayCommand(Game& g);
// Passes of foundation moves while the switch is on; true when a card moved.
// Ends the game when a move finished it.
bool RunAutoplay(Game& g);
// One pass of the empty-pile fill; true when a card moved.
bool FillEmptyTableaus(Game& g);
// Sends a face-up card to the first target of `kinds` that accepts it;
// (left, top) is where the card is shown (negative: where it lies).
bool AutoMoveCard(Game& g, CardCode card, int left, int top, int kinds);
// RunAutoplay, then FillEmptyTableaus and RunAutoplay in turn while
// RunAutoplay moves something (after a deal or switching autoplay on).
void RunAutoplayLoop(Game& g);
// After the pointer is released on the table: one fill, then, with the
// switch on, RunAutoplay and FillEmptyTableaus in turn while cards move.
void AutoplayAfterRelease(Game& g);

// The per-game switch (option 105 = 2): set the command from the stored
// value, or store the command's state for the game.
void ApplyGameAutoplay(Game& g, int gameId);
void StoreGameAutoplay(Game& g, int gameId);

// The placement test, the move and the refill of autoplay and the fill, and
// the refill after a removal in goal kind 33: by default CanDropOn,
// ExecuteMove and FillEmptyTableaus (installed as Ports::moves to replace).
class IAutoplayMoves {
public:
    virtual ~IAutoplayMoves() = default;
    virtual bool CanDrop(Game& g, const std::string& pile, CardCode card);
    virtual bool Move(Game& g, int count, const MoveTarget& target);
    virtual void FillAfterRemoval(Game& g);
};

}  // namespace bw
