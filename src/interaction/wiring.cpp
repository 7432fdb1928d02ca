#include "interaction/wiring.h"

#include "core/game_end.h"
#include "core/ports.h"
#include "interaction/memory.h"

namespace bw {

void InstallInteractionHooks() {
    SetMemoriseEndHook([] {
        SetModelFaces(true);
        DealTwins();
    });
    SetTwinRowsCheck([] { CheckTwinRowsFull(); });
}

}  // namespace bw
