#pragma once
// TfrmMemoryEnd: the result of a memory game, page by goal kind, with the
// points per match and miss, the products, the total and a won/lost badge.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "app/advanced_form.h"

namespace bw {

struct Game;

class TfrmMemoryEnd : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // The report on `game`.
    explicit TfrmMemoryEnd(Game& game, QWidget* owner = nullptr);

    // Sets the won flag and the caption and fills the page of the current
    // goal kind (36..39) from the game state; false for any other kind.
    bool Prepare(bool won);
    bool Won() const { return won_; }

    QLabel *imgGreen, *imgRed;
    QPushButton* btnOK;
    QStackedWidget* Notebook1;
    // "Pairs"
    QGroupBox* grbGrid;
    QLabel *lblEachMatch, *lblEachMiss, *lblEachMatch2, *lblEachMiss2;
    QLabel *lblMatches, *lblMisses, *lblTotMatches, *lblTotMisses;
    QLabel *lblStartScore, *lblScoreToWin, *lblTotalPair, *imgPair;
    // "Ace-To-King"
    QGroupBox* grbSequence;
    QLabel *lblEachSequence, *lblMissSequence, *lblEachMatchSequence, *lblEachMissSequence;
    QLabel *lblMatchesSequence, *lblMissesSequence, *lblTotMatchesSequence, *lblTotMissesSequence;
    QLabel *lblStartScoreSequence, *lblScoreToWinSequence, *lblTotalSequence, *imgSequence;
    // "Forget me not"
    QGroupBox* grbFmn;
    QLabel *lblEachFmn, *lblMissFmn, *lblEachFmn2, *lblMissFmn2;
    QLabel *lblMatchesFmn, *lblMissesFmn, *lblTotMatchesFmn, *lblTotMissesFmn;
    QLabel *lblStartScoreFmn, *lblScoreToWinFmn, *LblTotalFmn, *imgForgetMeNot;
    // "Concentration"
    QGroupBox* grbCon;
    QLabel *lblEachCon, *lblMissCon, *lblEachCon2, *lblMissCon2;
    QLabel *lblMatchesCon, *lblMissesCon, *lblTotMatchesCon, *lblTotMissesCon;
    QLabel *lblStartScoreCon, *lblScoreToWinCon, *lblTotalCon, *imgConcentration;

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    QLabel* BadgeOfPage(int page) const;

    Game& game_;
    bool won_ = false;
};

// At the end of a memory game (goal kinds 36..39): shows the dialog modally
// over the main window and frees it; nothing for other goal kinds.
void ShowMemoryEnd(Game& game, bool won);

}  // namespace bw
