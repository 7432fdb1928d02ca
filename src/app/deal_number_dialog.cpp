#include "app/deal_number_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/name_text.h"
#include "core/new_game.h"
#include "core/ports.h"

namespace bw {

namespace {
struct DealNumberText {
    Q_DECLARE_TR_FUNCTIONS(DealNumberText)
};
}  // namespace

TfrmDealNumber::TfrmDealNumber(const std::string& game, const std::string& number, QWidget* parent)
    : C_TAdvancedDialog(parent) {
    setObjectName("frmDealNumber");
    setWindowTitle(DealNumberText::tr("Play deal number"));
    auto* prompt = new QLabel(this);
    prompt->setText(
        DealNumberText::tr("&Deal number of %1 (up to 13 digits):").arg(NameText(game)));
    edtNumber = new QLineEdit(this);
    edtNumber->setObjectName("edtNumber");
    // A pasted "Game name #0001234567890" is cut to its number on OK, so
    // the field takes the whole text.
    edtNumber->setMaxLength(80);
    edtNumber->setMinimumWidth(edtNumber->fontMetrics().horizontalAdvance("0000000000000000"));
    edtNumber->setText(QString::fromStdString(number));
    edtNumber->selectAll();
    prompt->setBuddy(edtNumber);

    btnOK = new QPushButton(DealNumberText::tr("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton(DealNumberText::tr("Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(prompt);
    all->addWidget(edtNumber);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOK, &QPushButton::clicked, this, &TfrmDealNumber::TryAccept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    edtNumber->setFocus();
}

void TfrmDealNumber::TryAccept() {
    std::string text = edtNumber->text().toStdString();
    // What "Copy deal number" puts on the clipboard names the game first.
    const size_t hash = text.rfind('#');
    if (hash != std::string::npos) text.erase(0, hash + 1);
    const auto number = DealNumberFromText(text);
    if (!number) {
        Dialogs().Info(
            DealNumberText::tr("A deal number has 1 to 13 digits (0 to 9) and nothing else.")
                .toStdString());
        edtNumber->setFocus();
        edtNumber->selectAll();
        return;
    }
    number_ = *number;
    accept();
}

std::optional<std::string> AskDealNumber(const std::string& game, const std::string& number,
                                         QWidget* parent) {
    TfrmDealNumber dialog(game, number, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Number();
}

std::string DealNumberText(const std::string& game, const std::string& number) {
    return game + " #" + number;
}

}  // namespace bw
