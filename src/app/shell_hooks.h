#pragma once
// Calls from the shell into parts of the program that are wired in at
// start-up (main.cpp). An unset hook does nothing (or answers "no"), so the
// window runs on its own in tests; each hook names what it stands for.
#include <functional>
#include <string>

namespace bw {

struct ShellHooks {
    // The open-game dialog, modal ("&Open a game...", the first activation
    // and the offer after a won game). Unset: the first activation starts
    // the current game at once.
    std::function<void()> openGameDialog;
    // Menu commands owned by other windows.
    std::function<void()> players;    // "&Players...": the players dialog, modal
    std::function<void()> customize;  // "C&ustomize...": the customize dialog
};

ShellHooks& Hooks();

}  // namespace bw
