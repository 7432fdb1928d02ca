#pragma once
// TfrmSplashForm: the borderless picture shown while the program starts.
#include <QLabel>
#include <QPixmap>

#include "app/advanced_form.h"

namespace bw {

class TfrmSplashForm : public C_TAdvancedDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 467;
    static constexpr int kHeight = 287;
    // `picture` is the library's splash; a null one is replaced by a drawn one.
    explicit TfrmSplashForm(const QPixmap& picture = QPixmap(), QWidget* parent = nullptr);
    // Shows the splash centred on the screen and paints it at once.
    void ShowNow();

    QLabel* imgSplash;
};

// The splash drawn by the program (product name on a card-table green).
QPixmap DrawnSplash();

}  // namespace bw
