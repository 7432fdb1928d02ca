#include "app/game_dialogs.h"

#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/shell_hooks.h"

namespace bw {

void InstallGameDialogs(QWidget* mainWindow) {
    OpenGameForm(mainWindow);
    Hooks().openGameDialog = [mainWindow] { OpenGameCommand(mainWindow); };
    Hooks().players = [mainWindow] { ShowPlayersDialog(mainWindow); };
}

void RemoveGameDialogs() {
    Hooks().openGameDialog = nullptr;
    Hooks().players = nullptr;
    FreeOpenGameForm();
}

}  // namespace bw
