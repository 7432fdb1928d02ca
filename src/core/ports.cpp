#include "core/ports.h"

#include "core/autoplay.h"
#include "core/game_end.h"

namespace bw {

namespace {
IDialogs g_nullDialogs;
ISound g_nullSound;
IWaits g_nullWaits;
ITable g_nullTable;
IWindow g_nullWindow;
IScreen g_nullScreen;
StandardGameHooks g_nullGame;
IGameStore g_nullStore;
IGameSetUp g_nullSetUp;
IAutoplayMoves g_coreMoves;
Ports g_ports;
}  // namespace

Ports& InstalledPorts() { return g_ports; }
IDialogs& Dialogs() { return g_ports.dialogs ? *g_ports.dialogs : g_nullDialogs; }
ISound& Sound() { return g_ports.sound ? *g_ports.sound : g_nullSound; }
IWaits& Waits() { return g_ports.waits ? *g_ports.waits : g_nullWaits; }
ITable& Table() { return g_ports.table ? *g_ports.table : g_nullTable; }
IWindow& Window() { return g_ports.window ? *g_ports.window : g_nullWindow; }
IScreen& Screen() { return g_ports.screen ? *g_ports.screen : g_nullScreen; }
bool StandardGameHooks::EndGame() { return bw::EndGame(); }
void StandardGameHooks::ClockTick() { bw::ClockTick(); }
void StandardGameHooks::CheckTwinRowsFull() {
    if (g_ports.memory) g_ports.memory->CheckTwinRowsFull();
}

IGameHooks& GameHooks() { return g_ports.game ? *g_ports.game : g_nullGame; }
IGameStore& GameStore() { return g_ports.store ? *g_ports.store : g_nullStore; }
IGameSetUp& GameSetUp() { return g_ports.setUp ? *g_ports.setUp : g_nullSetUp; }
IAutoplayMoves& AutoplayMoves() { return g_ports.moves ? *g_ports.moves : g_coreMoves; }

}  // namespace bw
