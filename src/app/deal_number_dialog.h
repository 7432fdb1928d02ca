#pragma once
// "Play deal number...": a deal of the current game chosen by its number,
// the way players exchange deals.
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/advanced_form.h"

namespace bw {

class TfrmDealNumber : public C_TAdvancedDialog {
public:
    // `game` names the game in the prompt; `number` is preselected.
    TfrmDealNumber(const std::string& game, const std::string& number, QWidget* parent);

    // The number as the deal reads it, once accepted.
    const std::string& Number() const { return number_; }

    QLineEdit* edtNumber;
    QPushButton *btnOK, *btnCancel;

private:
    // A text that is not a number is refused here, so it is never dealt.
    void TryAccept();
    std::string number_;
};

// The dialog over `parent`; the number to deal, or nothing when cancelled.
std::optional<std::string> AskDealNumber(const std::string& game, const std::string& number,
                                         QWidget* parent);

// The text "Game name #0001234567890" that names a deal.
std::string DealNumberText(const std::string& game, const std::string& number);

}  // namespace bw
