#pragma once
// TfrmSplashForm: the borderless picture shown while the program starts.
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "app/advanced_form.h"

namespace bw {

class TfrmSplashForm : public C_TAdvancedDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 467;
    static constexpr int kHeight = 287;
    // `picture` is the library's splash; a null one is replaced by a drawn one.
    explicit TfrmSplashForm(const QPixmap& picture = QPixmap(), QWidget* parent = nullptr);
    ~TfrmSplashForm() override;
    // Shows the splash centred on the screen and paints it at once.
    void ShowNow();
    // Hides the splash once it has been up for `minimumMs` since ShowNow:
    // at once when it has (or `minimumMs` <= 0), else a timer takes it down
    // later while it stays on top, so the program goes on meanwhile. A click
    // on it takes it down at once, and so does any dialog or message box
    // that shows meanwhile: the splash never stands over one. It is kept
    // over `window` (shown since the splash) where the compositor knows no
    // windows kept on top (Wayland).
    void HideWhenShownFor(int minimumMs, QWidget* window = nullptr);

    QLabel* imgSplash;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The picture is shown once: a hidden splash lets it go.
    void hideEvent(QHideEvent* event) override;

private:
    QElapsedTimer shown_;
    QTimer hideTimer_;
    bool remapping_ = false;  // hidden only to be shown again at once
};

// How long the splash stays up at least, in milliseconds: the settings
// file's "Splash_Time" (0 takes it down as soon as the main window is
// ready), 1000 when absent or not a number, at most 10000.
int SplashMinimumMs();

// The splash drawn by the program (product name on a card-table green).
QPixmap DrawnSplash();

}  // namespace bw
