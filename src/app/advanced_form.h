#pragma once
// C_TAdvancedForm: the base of every window of the program. Forms are
// designed in "Tahoma"; where that font is missing they fall back to
// "MS Sans Serif" (whatever the system substitutes for it), leaving fonts the
// designer chose on purpose alone.
//
// Header-only, so that the dialogs of the lower libraries (the memory result
// dialog) derive from it without linking the application.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <type_traits>

#include "core/ports.h"

namespace bw {

namespace detail {
inline int& FontCodeStore() {
    static int code = 0;  // 0: not yet asked
    return code;
}
}  // namespace detail

// 10 when "Tahoma" is installed, 11 otherwise; asked of the screen port once.
inline int FontCode() {
    int& code = detail::FontCodeStore();
    if (code == 0) code = Screen().HasFont("Tahoma") ? 10 : 11;
    return code;
}

// Forgets the computed code (tests switch the font list).
inline void ResetFontCode() {
    detail::FontCodeStore() = 0;
}

// With font code 11: the form's own font, and the font of each label, group
// box, button, panel, grid, combo box and tab widget whose family is
// "Tahoma", becomes "MS Sans Serif". Nothing changes with code 10.
inline void ApplyFontFallback(QWidget* form) {
    if (FontCode() != 11 || !form) return;
    auto isTahoma = [](const QFont& f) {
        return f.family().compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0;
    };
    auto useFallback = [](QWidget* w) {
        QFont f = w->font();
        f.setFamily(QStringLiteral("MS Sans Serif"));
        w->setFont(f);
    };
    // Labels, panels and grids are frames; buttons and check boxes are
    // abstract buttons. Their fonts are read before the form's own changes,
    // so a control that merely inherits the form's font is judged by it.
    QList<QWidget*> tahoma;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool kind = qobject_cast<QFrame*>(w) || qobject_cast<QGroupBox*>(w) ||
                          qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                          qobject_cast<QTabWidget*>(w) || qobject_cast<QTabBar*>(w);
        if (kind && isTahoma(w->font())) tahoma.append(w);
    }
    useFallback(form);
    for (QWidget* w : tahoma) useFallback(w);
}

// Shrinks a window that is larger than the free part of its screen (a
// 900 x 600 window on an 800 x 600 screen) and moves it wholly onto it, frame
// included: a button off the screen cannot be reached. Before the window is
// first mapped its frame is not known yet and a usual one is assumed.
inline void FitWindowOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                   window->geometry().top() - window->frameGeometry().top(),
                   window->frameGeometry().right() - window->geometry().right(),
                   window->frameGeometry().bottom() - window->geometry().bottom());
    if (frame.isNull() && !window->windowFlags().testFlag(Qt::FramelessWindowHint))
        frame = QMargins(4, 30, 4, 4);
    const QRect room = area.marginsRemoved(frame);
    const QSize size = window->size().boundedTo(room.size()).expandedTo(window->minimumSize());
    if (size != window->size()) window->resize(size);
    QRect at(window->pos() + QPoint(frame.left(), frame.top()), size);
    at.moveLeft(qMax(room.left(), qMin(at.left(), room.right() + 1 - size.width())));
    at.moveTop(qMax(room.top(), qMin(at.top(), room.bottom() + 1 - size.height())));
    const QPoint pos = at.topLeft() - QPoint(frame.left(), frame.top());
    if (pos != window->pos()) window->move(pos);
}

template <class Base>
class C_TAdvancedForm : public Base {
public:
    explicit C_TAdvancedForm(QWidget* parent = nullptr) : Base(parent) { ApplyFontFallback(this); }

protected:
    // Derived forms build their controls after this constructor has run, so
    // the controls are checked again the first time the form is shown.
    void showEvent(QShowEvent* event) override {
        if (!fontsChecked_) {
            fontsChecked_ = true;
            ApplyFontFallback(this);
        }
        Base::showEvent(event);
        // Dialogs are placed by now (QDialog centres them over their owner);
        // the main window places itself from the stored placement.
        if constexpr (std::is_base_of_v<QDialog, Base>) {
            if (!event->spontaneous()) FitWindowOnScreen(this);
        }
    }

private:
    bool fontsChecked_ = false;
};

using C_TAdvancedMainForm = C_TAdvancedForm<QMainWindow>;
using C_TAdvancedDialog = C_TAdvancedForm<QDialog>;

}  // namespace bw
