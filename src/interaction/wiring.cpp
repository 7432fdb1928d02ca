#include "interaction/wiring.h"

#include "core/families/memory.h"
#include "core/game.h"
#include "core/ports.h"
#include "interaction/drag.h"
#include "interaction/memory.h"
#include "interaction/press.h"
#include "interaction/selection.h"
#include "interaction/shortcuts.h"

namespace bw {

namespace {

// The press handler's steps carried out by the drag, the shortcuts and the
// selection games.
class InteractionHooks : public IPressHooks {
public:
    void RightClickShortcut(Game& g, const PileHit& hit) override { RightClickMove(g, hit); }
    void ClickShortcut(Game& g, const PileHit& hit) override { ShortcutMove(g, false, false, hit); }
    void SelectionPress(Game& g, MouseButton button, int shift, int x, int y,
                        const PileHit& hit) override {
        bw::SelectionPress(g, button, shift, x, y, hit);
    }
    void PairSelect(Game& g, CardCode card) override { bw::PairSelect(g, card); }
    bool IsUncovered(Game& g, CardCode card) override { return bw::IsUncovered(g, card); }
    bool CanLeaveFoundation(Game& g, CardCode card) override {
        return bw::CanLeaveFoundation(g, card);
    }
    void BuildHeldImage(Game& g) override { bw::BuildHeldImage(g); }
    void LiftCards(Game& g, CardCode card, bool single) override { bw::LiftCards(g, card, single); }
    void DrawHeldImage(Game& g, int left, int top) override { bw::DrawHeldImage(g, left, top); }
};

class MemoryPlay : public IMemoryPlay {
public:
    void EndMemorisePhase(Game& g) override {
        SetModelFaces(g, true);
        DealTwins(g);
    }
};

}  // namespace

void InstallInteractionHooks() {
    static InteractionHooks hooks;
    static MemoryPlay memory;
    Install<IPressHooks>(&hooks);
    InstalledPorts().memory = &memory;
}

}  // namespace bw
