#pragma once
// The core's ports implemented with Qt: message boxes, screen facts, waits.
#include <QPointer>
#include <QWidget>
#include <string>

#include "core/ports.h"

namespace bw {

// Texts of the core use "\r" for a line break, as the message texts stand.
QString MessageText(const std::string& text);

class QtDialogs : public IDialogs {
public:
    // The window the boxes are modal over; none gives application-modal boxes.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void Info(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    bool ConfirmWarning(const std::string& text) override;
    void Error(const std::string& title, const std::string& text) override;
    bool Advice(const std::string& text, int page) override;
    void Beep() override;
    void PushBusyCursor() override;
    void PopBusyCursor() override;
    // The desktop's handler of the address's scheme: the desktop's opener
    // program when one is set, else QDesktopServices.
    bool OpenUrl(const std::string& address) override;
    // The program that hands addresses to the desktop ("xdg-open"). Unlike
    // QDesktopServices, whose answer only says the opener started, its exit
    // status tells an address nothing opened ("no method available").
    void SetDesktopOpener(const QString& program) { opener_ = program; }

private:
    QPointer<QWidget> owner_;
    QString opener_;
    int busy_ = 0;
};

class QtScreen : public IScreen {
public:
    int Width() override;
    int Height() override;
    std::vector<ScreenArea> Areas() override;
    int ColorBits() override;
    bool HasFont(const std::string& family) override;
    int Dpi() override;
};

// Waits on the stopwatch (see counter.h).
class QtWaits : public IWaits {
public:
    void Wait(int ms) override;
    void WaitResponsive(int ms) override;
    void WaitForPlayer(int ms) override;
};

}  // namespace bw
