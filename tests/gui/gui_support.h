#pragma once
// Shared by the GUI tests: the core fixture plus a clock that only moves
// when a wait passes time on it, and helpers to answer modal dialogs.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "app/shell_hooks.h"
#include "core/ports.h"
#include "platform/clock.h"
#include "support/fake_screen.h"
#include "support/test_support.h"

namespace bw::test {

// The main window's shell commands while this lives, each running what the
// test gives; an unset one does what the window does without the command.
struct ShellCalls : IShellCommands {
    std::function<void()> openGameDialog, players, customize;
    ShellCalls() { Install<IShellCommands>(this); }
    ~ShellCalls() override {
        if (&ShellCommands() == this) Install<IShellCommands>(nullptr);
    }
    ShellCalls(const ShellCalls&) = delete;
    ShellCalls& operator=(const ShellCalls&) = delete;
    bool OpenGameDialog() override {
        if (!openGameDialog) return false;
        openGameDialog();
        return true;
    }
    void Players() override {
        if (players) players();
    }
    void Customize() override {
        if (customize) customize();
    }
};

class GuiFixture : public CoreFixture {
public:
    GuiFixture() {
        platform::SetClock(&clock);
        InstalledPorts().screen = &screen;
    }
    ~GuiFixture() { platform::SetClock(nullptr); }
    platform::ManualClock clock;
    FakeScreen screen{1024, 768};
};

// Runs `act` on the first modal dialog that opens while this object lives
// (the call that opens the dialog blocks in its own event loop meanwhile).
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer_.stop();
                act_(modal);
            }
        });
        timer_.start();
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
};

// "GAMES.DAT" holding the six memory games in its catalogue section.
std::string MemoryGamesCatalogue();

}  // namespace bw::test
