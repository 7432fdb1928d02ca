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

template <class Role>
Role& Or(Role* installed, Role& none) {
    return installed ? *installed : none;
}
IScreen g_nullScreen;
StandardGameHooks g_nullGame;
IGameStore g_nullStore;
IGameSetUp g_nullSetUp;
IAutoplayMoves g_coreMoves;
Ports g_ports;
}  // namespace

Ports& InstalledPorts() {
    return g_ports;
}
IDialogs& Dialogs() {
    return g_ports.dialogs ? *g_ports.dialogs : g_nullDialogs;
}
ISound& Sound() {
    return g_ports.sound ? *g_ports.sound : g_nullSound;
}
IWaits& Waits() {
    return g_ports.waits ? *g_ports.waits : g_nullWaits;
}
ITableView& TableView() {
    return Or<ITableView>(g_ports.tableView, g_nullTable);
}
IPileDrawing& PileDrawing() {
    return Or<IPileDrawing>(g_ports.pileDrawing, g_nullTable);
}
ICardDrawing& CardDrawing() {
    return Or<ICardDrawing>(g_ports.cardDrawing, g_nullTable);
}
ICardAnimations& CardAnimations() {
    return Or<ICardAnimations>(g_ports.cardAnimations, g_nullTable);
}
IPointerFeedback& PointerFeedback() {
    return Or<IPointerFeedback>(g_ports.pointerFeedback, g_nullTable);
}
IGameObserver& GameObserver() {
    return Or<IGameObserver>(g_ports.gameObserver, g_nullWindow);
}
IStatusDisplay& StatusDisplay() {
    return Or<IStatusDisplay>(g_ports.statusDisplay, g_nullWindow);
}
ICommandStates& CommandStates() {
    return Or<ICommandStates>(g_ports.commandStates, g_nullWindow);
}
IWindowBars& WindowBars() {
    return Or<IWindowBars>(g_ports.windowBars, g_nullWindow);
}
IGameWindows& GameWindows() {
    return Or<IGameWindows>(g_ports.gameWindows, g_nullWindow);
}
IWindowControl& WindowControl() {
    return Or<IWindowControl>(g_ports.windowControl, g_nullWindow);
}

void Ports::SetTable(ITable* table) {
    tableView = table;
    pileDrawing = table;
    cardDrawing = table;
    cardAnimations = table;
    pointerFeedback = table;
}

void Ports::SetWindow(IWindow* window) {
    gameObserver = window;
    statusDisplay = window;
    commandStates = window;
    windowBars = window;
    gameWindows = window;
    windowControl = window;
}
IScreen& Screen() {
    return g_ports.screen ? *g_ports.screen : g_nullScreen;
}
bool StandardGameHooks::EndGame(Game& g) {
    return bw::EndGame(g);
}
void StandardGameHooks::ClockTick(Game& g) {
    bw::ClockTick(g);
}

IGameHooks& GameHooks() {
    return g_ports.game ? *g_ports.game : g_nullGame;
}
IGameStore& GameStore() {
    return g_ports.store ? *g_ports.store : g_nullStore;
}
IGameSetUp& GameSetUp() {
    return g_ports.setUp ? *g_ports.setUp : g_nullSetUp;
}
IAutoplayMoves& AutoplayMoves() {
    return g_ports.moves ? *g_ports.moves : g_coreMoves;
}

}  // namespace bw
