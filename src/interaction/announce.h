#pragma once
// What memory play tells a player who cannot see the table. The window
// installs an announcer (Install<IPlayAnnouncer>) that speaks through the
// desktop's accessibility bus; with none installed nothing is said.
#include "core/cards.h"
#include "core/ports.h"

namespace bw {

class IPlayAnnouncer {
public:
    virtual ~IPlayAnnouncer() = default;
    // A grid card was turned face up by the player.
    virtual void CardTurned(const Game& /*g*/, CardCode /*card*/) {}
    // The two face-up cards pair and leave the grid.
    virtual void PairFound(const Game& /*g*/, CardCode /*first*/, CardCode /*second*/) {}
    // The turn missed: its cards turn back.
    virtual void Missed(const Game& /*g*/) {}
};

inline IPlayAnnouncer& PlayAnnouncer() {
    return Installed<IPlayAnnouncer>();
}

}  // namespace bw
