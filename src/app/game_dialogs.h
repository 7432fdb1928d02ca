#pragma once
// Connects the open-game and players dialogs to the main window's commands.
#include <QWidget>

namespace bw {

// Creates the open-game dialog, which lives for the rest of the run, and
// points the window's "&Open a game..." (also the first activation and the
// offer after a won game) and "&Players..." at the two dialogs.
void InstallGameDialogs(QWidget* mainWindow);
// Unhooks and destroys them (shut-down).
void RemoveGameDialogs();

}  // namespace bw
