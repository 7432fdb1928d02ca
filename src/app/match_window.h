#pragma once
// Matches in the window: "New match..." chooses the seats (players of the
// list, or the computer at a level), the seats panel shows each seat's pairs
// and misses with the seat to play highlighted, a computer seat turns its
// cards at a visible pace, and the standings close the match. Each person's
// match is kept in their match record, apart from their solo results.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/advanced_form.h"
#include "core/match.h"
#include "interaction/match_play.h"

class QComboBox;
class QPushButton;

namespace bw {

// A seat as chosen in the dialog.
struct SeatChoice {
    std::string player;  // a person's seat; empty for a computer seat
    int level = 0;       // 1..4; kMyLevel: the current player's measured recall
};
inline constexpr int kMyLevel = kOpponentLevels + 1;

class TfrmNewMatch : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // `players` as listed; `current` opens the first seat.
    TfrmNewMatch(const std::vector<std::string>& players, const std::string& current,
                 QWidget* owner = nullptr);
    std::vector<SeatChoice> Seats() const;
    QComboBox* cboSeat[kMaxSeats];
    QPushButton *btnOK, *btnCancel;

public slots:
    void accept() override;

private:
    std::vector<std::string> players_;
};

class TfrmMatchEnd : public C_TAdvancedDialog {
    Q_OBJECT
public:
    TfrmMatchEnd(const MatchState& match, const std::vector<QString>& names,
                 QWidget* owner = nullptr);
    QLabel* lblVerdict;
    QPushButton* btnOK;
};

class MatchController : public QObject {
    Q_OBJECT
public:
    // Matches are played on `game`; the seats panel lies on `host` (the
    // window's client area).
    MatchController(Game& game, QWidget* host);
    ~MatchController() override;

    bool Active() const { return play_ != nullptr; }
    // A computer seat is playing: the table takes no input.
    bool TableLocked() const;
    // "File > New match...": the dialog, then a new deal for the match.
    void NewMatchCommand();
    // After a press or key on the table.
    void AfterPlay();
    // The engine dealt a table: one not dealt for the match ends it unrecorded.
    void Dealt();
    // Escape during a match: "Quit this game?", then the match ends
    // unrecorded. True when a match was on.
    bool Escape();
    // The window closes: the match ends unrecorded and is not kept.
    void Quit();
    // Puts the seats panel with its right edge at `right`, top at `top`.
    void Place(int right, int top);
    QFrame* panel() const { return pnlMatch_; }
    const MatchPlay* play() const { return play_.get(); }
    // The pace of a computer seat, per card (tests shorten it).
    int computerMs = 600;

private:
    void Start(const std::vector<SeatChoice>& seats);
    void ComputerStep();
    void Finish();
    void Drop();
    void ShowSeats();
    QString SeatName(size_t seat) const;

    Game& game_;
    QWidget* host_;
    QFrame* pnlMatch_;
    QTimer computer_;
    std::unique_ptr<MatchPlay> play_;
    std::vector<SeatChoice> seats_;
    std::vector<QLabel*> labels_;
    int right_ = 0, top_ = 0;  // where the window's layout puts the panel
    bool dealing_ = false;
    bool busy_ = false;
};

}  // namespace bw
