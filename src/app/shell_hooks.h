#pragma once
// Calls from the main window into windows that are wired in at start-up
// (main.cpp), installed with Install<IShellCommands>. Unset, each does
// nothing (or answers "no"), so the window runs on its own in tests.
namespace bw {

class IShellCommands {
public:
    virtual ~IShellCommands() = default;
    // The open-game dialog, modal ("&Open a game...", the first activation
    // and the offer after a won game); false when there is none, and the
    // first activation starts the current game at once.
    virtual bool OpenGameDialog() { return false; }
    // Menu commands owned by other windows.
    virtual void Players() {}    // "&Players...": the players dialog, modal
    virtual void Customize() {}  // "C&ustomize...": the customize dialog
};

IShellCommands& ShellCommands();

}  // namespace bw
