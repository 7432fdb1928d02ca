#pragma once
// A stored memory game shown again turn by turn: the table of its deal as
// the game draws it, each turn's cards face up, the pairs found gone, and a
// slip marked with the card that should have been paired and where its
// partner had been seen. The table is drawn on a copy of the deal; the game
// being played is left exactly as it was.
#include <QDialog>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <string>
#include <vector>

#include "storage/replays.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace bw {

// The table of `record`'s deal after `step` turns (0: as dealt), with the
// last of them face up; empty places where a mark goes when there is none.
struct ReplayPicture {
    QImage table;          // null: the deal is not the one the record was played on
    QRect shouldBePaired;  // the slip's card
    QRect partnerSeen;     // where its partner had been seen
};
ReplayPicture RenderReplayStep(int gameId, const TurnRecord& record, int step, QSize size);

class ReplayViewer : public QDialog {
public:
    // `games` oldest first, `index` the one shown first.
    ReplayViewer(int gameId, std::vector<StoredReplay> games, int index, QWidget* parent = nullptr);

    int Step() const { return step_; }
    int Steps() const;
    void SetStep(int step);
    void ShowGame(int index);
    // What the viewer shows: the table with its marks, and the line under it.
    const QImage& Picture() const { return picture_; }
    QString Caption() const;
    bool Playing() const { return timer_.isActive(); }
    void SetPlaying(bool on);

private:
    void Refresh();

    int gameId_;
    std::vector<StoredReplay> games_;
    int index_ = 0;
    int step_ = 0;
    RecallProfile recall_;
    QImage picture_;
    QTimer timer_;
    QComboBox *cboGame_, *cboSpeed_;
    QLabel *lblTable_, *lblTurn_;
    QSlider* sldTurn_;
    QPushButton *btnFirst_, *btnBack_, *btnPlay_, *btnForward_, *btnLast_, *btnClose_;
};

// Opens the viewer on the player's stored games of `gameId`, the last one
// first; says so when none is kept.
void OpenReplays(QWidget* parent, int gameId, const std::string& player);

}  // namespace bw
