#include "app/counter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "platform/clock.h"

// The key press of a platform, offered to the shortcuts (exported by QtGui
// for the same use by QtTest).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace bw {

namespace {

// A test clock only moves when told: a wait on it passes the time itself
// and returns at once.
platform::ManualClock* ManualClockInUse() {
    return dynamic_cast<platform::ManualClock*>(&platform::SystemClock());
}

void HandleEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Waits for `ms` on the stopwatch; `responsive` handles events meanwhile.
void WaitOnCounter(int ms, bool responsive) {
    if (ms <= 0) return;
    C_TCounter counter;
    counter.Start();
    const int64_t target = static_cast<int64_t>(ms) * 1000;
    for (;;) {
        if (responsive) HandleEvents();
        const int64_t elapsed = counter.ElapsedMicroseconds();
        if (elapsed >= target) return;
        const int64_t remaining = target - elapsed;
        if (auto* manual = ManualClockInUse()) {
            manual->Advance((remaining + 999) / 1000);
            continue;
        }
        // Short naps instead of a pure spin: the precision stays well
        // below a millisecond and the other processes keep their core.
        std::this_thread::sleep_for(std::chrono::microseconds(std::min<int64_t>(remaining, 500)));
    }
}

// Holds the player's key and mouse input from the first press on, and hands
// it over again, in order, from the event loop. Shortcuts are matched
// before a key reaches any widget, so a held key is offered to them first,
// the way the platform's own key press would be.
class InputHold : public QObject {
public:
    static InputHold* Current() { return current_; }
    static InputHold* Start() {
        if (!current_) current_ = new InputHold;
        return current_;
    }
    bool holding() const { return holding_; }
    // Called when the first press arrives.
    std::function<void()> onFirstPress;

    // Releases the held input once the event loop runs again.
    void ReleaseLater() {
        QTimer::singleShot(0, QCoreApplication::instance(), [] { Finish(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                // The shortcut waits with its key, which is held below.
                holding_ = true;
                event->accept();
                return true;
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: holding_ = true; break;
            case QEvent::KeyRelease:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
            case QEvent::Wheel:
                // What follows a held press stays behind it.
                if (!holding_) return false;
                break;
            default: return false;
        }
        held_.emplace_back(QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone()));
        if (onFirstPress) std::exchange(onFirstPress, nullptr)();
        return true;
    }

private:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    }
    static void Finish() {
        InputHold* hold = current_;
        if (!hold) return;
        current_ = nullptr;
        QCoreApplication::instance()->removeEventFilter(hold);
        auto held = std::move(hold->held_);
        delete hold;
        for (auto& [receiver, event] : held) {
            if (!receiver) continue;
            if (event->type() == QEvent::KeyPress) {
                const auto* key = static_cast<const QKeyEvent*>(event.get());
                if (qt_sendShortcutOverrideEvent(receiver, key->timestamp(), key->key(),
                                                 key->modifiers(), key->text(), key->isAutoRepeat(),
                                                 key->count()))
                    continue;
            }
            QCoreApplication::sendEvent(receiver, event.get());
        }
    }

    static InputHold* current_;
    bool holding_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

InputHold* InputHold::current_ = nullptr;

}  // namespace

void WaitMillisecondsForPlayer(int ms) {
    if (ms <= 0) return;
    if (!QCoreApplication::instance() || ManualClockInUse()) {
        WaitOnCounter(ms, false);
        return;
    }
    InputHold* hold = InputHold::Start();
    if (!hold->holding()) {
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        hold->onFirstPress = [&loop] { loop.quit(); };
        deadline.start(ms);
        loop.exec();
        hold->onFirstPress = nullptr;
    }
    hold->ReleaseLater();
}

void C_TCounter::Start() {
    start_ = platform::SystemClock().HighResCounter();
}

int64_t C_TCounter::ElapsedMicroseconds() const {
    auto& clock = platform::SystemClock();
    const int64_t frequency = clock.HighResFrequency();
    if (frequency <= 0) return 0;
    const int64_t counts = clock.HighResCounter() - start_;
    // Split into whole seconds and the rest so that large counts cannot
    // overflow the multiplication; round the rest to nearest.
    const int64_t seconds = counts / frequency;
    const int64_t rest = counts % frequency;
    int64_t micro = (rest * 1000000 * 2 + (rest >= 0 ? frequency : -frequency)) / (2 * frequency);
    return seconds * 1000000 + micro;
}

void WaitMilliseconds(int ms) {
    WaitOnCounter(ms, false);
}

void WaitMillisecondsResponsive(int ms) {
    WaitOnCounter(ms, true);
}

void WaitTicksResponsive(int ms) {
    if (ms <= 0) return;
    const uint32_t start = platform::TickCount();
    for (;;) {
        HandleEvents();
        // Unsigned difference: correct across the 32-bit wrap of the count.
        const uint32_t elapsed = platform::TickCount() - start;
        if (elapsed >= static_cast<uint32_t>(ms)) return;
        if (auto* manual = ManualClockInUse()) {
            manual->Advance(static_cast<int64_t>(ms) - elapsed);
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace bw
