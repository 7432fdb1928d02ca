#include "app/program_wiring.h"

#include "app/shell_hooks.h"
#include "app/startup.h"
#include "app/table_accessible.h"
#include "core/ports.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "storage/preferences.h"

namespace bw {

namespace {

class DeckFour : public IDeckFourSetUp {
public:
    void SetUp() override { DeckFourSetUp(); }
};

}  // namespace

void SetUpProgramFolder(Game& game, const std::string& programDir,
                        const std::string& dataDirOverride) {
    ResetProgramState(game, programDir);
    platform::SetDataDirOverride(dataDirOverride);
}

void InstallProgramHooks() {
    static DeckFour deckFour;
    Install<IDeckFourSetUp>(&deckFour);
    InstallInteractionHooks();
    InstallTableAccessibility();
    ReportSettingsWriteFailures();
}

void WindowSetUp::SetUpLoadedGame() {
    SetUpCards(window_.game());
}
void WindowSetUp::LayOutPiles() {
    window_.LayOutTable();
}
bool WindowSetUp::TableHoldsPiles() {
    return window_.TableHoldsPiles();
}

void WindowSetUp::Install() {
    InstalledPorts().setUp = this;
    bw::Install<ICardSetUp>(this);
}

void WindowSetUp::Uninstall() {
    if (InstalledPorts().setUp == this) InstalledPorts().setUp = nullptr;
    if (&CardSetUp() == this) bw::Install<ICardSetUp>(nullptr);
}

void WireMainWindow(ShellTable& table, WindowSetUp& setUp) {
    InstalledPorts().SetTable(&table);
    setUp.Install();
}

void UnwireMainWindow(WindowSetUp& setUp) {
    Install<IShellCommands>(nullptr);
    setUp.Uninstall();
    InstalledPorts().SetTable(nullptr);
    InstalledPorts().SetWindow(nullptr);
}

}  // namespace bw
