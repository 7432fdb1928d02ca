#pragma once
// TfrmStatistics, "Statistics": a player's record of every game (played,
// won, best score and time, streaks, misses and slips) and, for the game
// chosen in the table, a plot of the last 50 scores and times.
//
// The plot is painted with QPainter: it is two short series, and a chart
// library would be one more library loaded at every start of the program.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "app/advanced_form.h"
#include "core/turn_record.h"
#include "storage/results.h"

namespace bw {

struct Game;

constexpr int kStatisticsHelpContext = 1020;

namespace statistics_msg {
inline constexpr const char* kConfirmReset = QT_TRANSLATE_NOOP(
    "StatisticsText",
    "Reset the statistics of %s?\nThe results of every game of this player are deleted.");
inline constexpr const char* kNoGames = QT_TRANSLATE_NOOP("StatisticsText", "No games played yet.");
}  // namespace statistics_msg

// The table's texts for one record: played, won, win %, best score, best
// time, average score, streak, longest streak, perfect games, misses per
// game, slips per game ("-" where there is nothing to show).
std::vector<std::string> StatisticsRow(const ResultRecord& record, bool countsSlips);

// The game's name in the table and over the plot, with the look time where it
// is not the standard one ("Memory-Up (6x4) (look 1.0 s)").
QString GameRowName(const std::string& name, int lookMs);

// The last scores (a line, green where won and red where lost) and times
// (bars, right-hand scale) of one game, oldest on the left.
// The "Memory" page: how far back the player remembers (the recall spans
// in bands), slips per game over the last games with their trend, and the
// grid's slip heat map (core/turn_record.h defines the measures).
class MemoryPlot : public QWidget {
public:
    explicit MemoryPlot(QWidget* parent = nullptr);
    void SetSummary(const MemorySummary& summary);
    const MemorySummary& summary() const { return summary_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MemorySummary summary_;
};

class ResultsPlot : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPlot(QWidget* parent = nullptr);
    // `scoreToWin` draws a dashed line when `hasTarget`.
    void SetResults(const std::vector<GameResult>& history, bool hasTarget, int scoreToWin);
    const std::vector<GameResult>& results() const { return history_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<GameResult> history_;
    bool hasTarget_ = false;
    int scoreToWin_ = 0;
};

class TfrmStatistics : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // Opens on the player and the game of `game`.
    explicit TfrmStatistics(const Game& game, QWidget* parent = nullptr);

    QLabel* lblPlayer;
    QComboBox* cboPlayers;
    QTableWidget* grdGames;
    QLabel* lblPlot;
    // The selected game's deal of the day streak (storage/daily.h).
    QLabel* lblDaily;
    ResultsPlot* imgPlot;
    // The plot and the "Memory" page of the selected game.
    QTabWidget* pgcPlots;
    MemoryPlot* imgMemory;
    QPushButton *btnReset, *btnReplay, *btnHelp, *btnClose;

    void FormShow();
    void cboPlayersChange();
    void grdGamesChange();
    void btnResetClick();
    void btnHelpClick();

    // The game of the table's current row; -1 for none.
    int SelectedGame() const;
    // The look time of the current row's games (0: the standard one).
    int SelectedLookMs() const;
    std::string SelectedPlayer() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillTable();
    struct Row {
        int id;
        std::string name;
        int lookMs = 0;  // a row of its own for each longer look time played
    };
    std::vector<Row> catalogue_;  // every game, standard look time
    const Game& game_;
    std::vector<Row> games_;  // the rows shown: the catalogue and the player's look times
    PlayerLookResults results_;
    std::vector<std::string> playerNames_;  // as stored, in the combo's order
};

// Creates, shows modally and frees the window ("File > Statistics...").
void ShowStatisticsWindow(const Game& game, QWidget* parent);

}  // namespace bw
