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
    void RightClickShortcut(const PileHit& hit) override { RightClickMove(hit); }
    void ClickShortcut(const PileHit& hit) override { ShortcutMove(false, false, hit); }
    void SelectionPress(MouseButton button, int shift, int x, int y, const PileHit& hit) override {
        bw::SelectionPress(button, shift, x, y, hit);
    }
    void PairSelect(CardCode card) override { bw::PairSelect(card); }
    bool IsUncovered(CardCode card) override { return bw::IsUncovered(card); }
    bool CanLeaveFoundation(CardCode card) override { return bw::CanLeaveFoundation(card); }
    void BuildHeldImage() override { bw::BuildHeldImage(); }
    void LiftCards(CardCode card, bool single) override { bw::LiftCards(card, single); }
    void DrawHeldImage(int left, int top) override { bw::DrawHeldImage(left, top); }
};

class MemoryPlay : public IMemoryPlay {
public:
    void EndMemorisePhase() override {
        SetModelFaces(ProgramGame(), true);
        DealTwins();
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
