#pragma once
// TfrmMsgAdvice: the information box with "&Don't show this message box
// again" (the advice messages about colours and screen size).
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "app/advanced_form.h"

namespace bw {

class TfrmMsgAdvice : public C_TAdvancedDialog {
    Q_OBJECT
public:
    explicit TfrmMsgAdvice(QWidget* parent = nullptr);

    // The message and the picture page (0 "Color", 1 "640x480").
    void Prepare(const QString& text, int page);
    bool DontShowAgain() const { return chkDontShow->isChecked(); }

    QLabel* lblMessage;
    QStackedWidget* nbkPictures;
    QCheckBox* chkDontShow;
    QPushButton* btnOK;
};

}  // namespace bw
