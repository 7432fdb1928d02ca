#pragma once
// Shared by the GUI tests: the core fixture plus a clock that only moves
// when a wait passes time on it, and helpers to answer modal dialogs.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/ports.h"
#include "platform/clock.h"
#include "support/fake_screen.h"
#include "support/test_support.h"

namespace bw::test {

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
