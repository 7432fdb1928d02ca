#include "app/program_wiring.h"

#include "app/shell_hooks.h"
#include "app/startup.h"
#include "core/new_game.h"
#include "core/ports.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "storage/preferences.h"

namespace bw {

void SetUpProgramFolder(const std::string& programDir, const std::string& dataDirOverride) {
    ResetProgramState(programDir);
    platform::SetDataDirOverride(dataDirOverride);
}

void InstallProgramHooks() {
    SetDeckFourSetUp(DeckFourSetUp);
    InstallInteractionHooks();
    ReportSettingsWriteFailures();
}

void WireMainWindow(TfrmMain& window, ShellTable& table) {
    InstalledPorts().table = &table;
    SetLoadGameHook([] { SetUpCards(); });
    CardHooks().layOutPiles = [&window] { window.LayOutTable(); };
    CardHooks().tableHoldsPiles = [&window] { return window.TableHoldsPiles(); };
}

void UnwireMainWindow() {
    Hooks() = ShellHooks{};
    CardHooks().layOutPiles = nullptr;
    CardHooks().tableHoldsPiles = nullptr;
    SetLoadGameHook(nullptr);
    InstalledPorts().table = nullptr;
    InstalledPorts().window = nullptr;
}

}  // namespace bw
