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
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

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
    }

private:
    bool fontsChecked_ = false;
};

using C_TAdvancedMainForm = C_TAdvancedForm<QMainWindow>;
using C_TAdvancedDialog = C_TAdvancedForm<QDialog>;

}  // namespace bw
