#pragma once
// TfrmMain: the program's main window. Menus and tool bars run the game
// commands, the time and score panels sit over the top of the card table,
// and the core reaches the window through the roles of IWindow.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/advanced_form.h"
#include "app/command_line.h"
#include "app/daily_result.h"
#include "app/match_window.h"
#include "app/table_widget.h"
#include "core/ports.h"
#include "render/layout.h"
#include "render/qt_table.h"
#include "storage/preferences.h"

namespace bw {

// The locale's time separator (":" where the locale names none).
QString LocaleTimeSeparator();
// "0:00:00" with the locale's separator: the time of a game not yet started.
QString ZeroTimeText();
// False where the window system places top-level windows itself and tells
// a client nothing of where (Wayland): positions are then neither set nor
// saved, only sizes.
bool WindowPositionsKnown();

// The drawing port with the table's pointer shapes, which the window owns.
class TfrmMain;
class ShellTable : public QtTable {
public:
    ShellTable(Game& game, TfrmMain& window) : QtTable(game), window_(window) {}
    void SetTableCursor(int slot) override;
    void ShowFocusFrame(int left, int top, int right, int bottom) override;
    void HideFocusFrame() override;

private:
    TfrmMain& window_;
};

// The window keeps the player's choices for the run (IChoiceKeeper): a
// choice changed from a menu or dialog goes into them and the file.
class TfrmMain : public C_TAdvancedMainForm, public IWindow, public IChoiceKeeper {
    Q_OBJECT
public:
    // The window plays `game`, which outlives it.
    explicit TfrmMain(Game& game, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The creation handler: reads the preferences and the game data. False
    // after a fatal error (already reported); the program then ends.
    bool FormCreate();
    // The tool bar's size and look, the time and score panels and the status
    // bar as the player chose them, without writing them back.
    void ApplyWindowChoices(const Preferences& choices);
    // The choices kept since FormCreate read them.
    Preferences* Kept() override { return &choices_; }
    // The game the window plays.
    Game& game() { return game_; }
    // The stored placement: maximised (the default), or the stored rectangle
    // (50, 50 and the screen less 150 when missing); then the bars.
    void RestorePlacement();
    // The application's activation handler (the first one starts the play).
    void Activated();

    // IGameObserver
    void ShowScore(const std::string& text) override;
    void ShowTime(const std::string& text) override;
    void EnableGameCommands(bool on) override;
    // Only the check mark and the two buttons; AutoplayCommand runs and
    // stores autoplay around it.
    void ShowAutoplay(bool on) override;
    void SetUndoRedoEnabled(bool enabled) override;
    void HistoryChanged() override;
    // What the window shows, for its own use.
    std::string TimeText() const;
    bool GameCommandsEnabled() const { return mnuNew->isEnabled(); }
    bool AutoplayChecked() const;
    bool AutoplayEnabled() const;
    // IStatusDisplay
    std::string TimeSeparator() override { return LocaleTimeSeparator().toStdString(); }
    void SetCaption(const std::string& caption) override;
    void ShowStatusText(const std::string& text) override;
    // IWindowBars
    void ApplyToolBarSize(bool large) override;
    void ApplyToolBarFlat(bool flat) override;
    void ShowTimePanel(bool on) override;
    void ShowScorePanel(bool on) override;
    void ShowStatusBar(bool on) override;
    // IGameWindows
    void ShowMemoryEnd(bool won) override;
    void PlayWinningAnimation() override;
    void OpenGameDialog() override;
    void RefreshGameMark() override;
    void RefreshOpenGameMarks() override;
    bool GameTreePlace(int gameId, int& treeNum, int& treePos) override;
    void ShowRules(int gameId) override { mnuRulesClick(gameId); }
    void CloseMainWindow() override { close(); }
    // IWindowControl
    void Repaint() override { repaint(); }
    void SwallowInput(bool on) override;
    void TableDealt() override;

    // Rewrites the caption from the current game (only when it changes).
    void UpdateCaption();
    // Shows the current player (after anything that may change the player).
    void ShowPlayerName();
    // Places the tool bars, lines and panels for the window's width.
    void ArrangeBars();
    // The rectangle the table's piles are laid out in, in the table
    // widget's coordinates: below the visible tool bar to the last row.
    TableRect TableArea() const;
    // Lays the current game's piles out in TableArea() at the current card
    // size (nothing while no game is loaded).
    void LayOutTable();
    // True when every pile of the table lies whole in TableArea() (above
    // the status bar when it shows).
    bool TableHoldsPiles() const;
    // The width the bars are arranged for.
    int BarWidth() const;
    bool LargeBar() const { return largeBar_; }
    bool FlatButtons() const { return flat_; }
    // The help file and window, "<program folder>quillory.hlp>proc".
    const std::string& HelpFile() const { return helpFile_; }

    // Commands (menu items and tool buttons).
    void mnuNewClick();
    void mnuOpenClick();
    void mnuPlayersClick();
    void mnuStatisticsClick();
    void mnuEsciClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuCustomizeClick();
    // The rules of a game (the current one when gameId < 0).
    void mnuRulesClick(int gameId = -1);
    void RulesCommand() { mnuRulesClick(-1); }
    void mnuContentsClick();
    void mnuHomePageClick();
    void mnuAboutClick();
    void Timer1Timer();
    // The table's pointer: a number of the loaded pointer table (0 or one
    // that is not loaded: the arrow).
    void SetTableCursorShape(int slot);
    // A press on the table goes to the press handler.
    void imgSfondoMouseDown(const TablePointerEvent& e);
    // The deal the command line asked for, started at the first activation
    // instead of the open-game dialog.
    void SetFirstDeal(const DealRequest& request) { firstDeal_ = request; }

    // Controls, named as the rest of the program knows them.
    TableWidget* imgSfondo;
    QMenu* mnuPartita;
    QMenu* mnuGame;
    QMenu* mnuTools;
    QMenu* mnuHelp;
    QMenu* mnuWeb;
    QAction *mnuNew, *mnuOpen, *mnuPlayers, *mnuStatistics, *mnuEsci;
    QAction *mnuUndo, *mnuRedo, *mnuAutoplay;
    QAction* mnuNewMatch;
    MatchController* match_ = nullptr;
    QAction *mnuDealNumber, *mnuRestart, *mnuCopyDeal, *mnuDailyDeal, *mnuCopyResult, *mnuReplay;
    QAction* mnuCustomize;
    QAction *mnuRules, *mnuContents, *mnuHomePage, *mnuAbout;
    QFrame *pnlTB, *pnlTB1;
    QToolButton *tbNew, *tbOpen, *tbUndo, *tbRedo, *tbAutoPlay, *tbRules, *tbExit, *tbStat;
    QToolButton *tbNew1, *tbOpen1, *tbUndo1, *tbRedo1, *tbAutoPlay1, *tbRules1, *tbExit1, *tbStat1;
    QToolButton *tbRestart, *tbRestart1;
    std::vector<QFrame*> separators, separators1;
    QFrame *pnlTempo, *pnlScore;
    QLabel *lblTempo2, *lblTempo, *lblScore2, *lblScore;
    QFrame *pnlLineaGrigia, *pnlLineaNera;
    QLabel* pnlStatusBar;
    // "Player: <name>" after the bar's buttons, where the panels leave room:
    // this edition's caption does not name the player.
    QLabel* lblPlayerName;
    QTimer* Timer1;
    QMenu *popTB, *popTime, *popScore;
    QAction *popLargeIcons, *popSmallIcons, *popFlat, *popNoFlat, *popShowTime, *popShowScore;
    QAction *popHideTime, *popHideScore;
    // The player's best earlier run on this deal, beside the time panel:
    // pairs it had found by the game's time, against its final count.
    QFrame* pnlBest;
    QLabel* lblBest;
    QFrame* barBest;  // the thin line: its filled part is the best run's progress
    QFrame* barBestFill;
    QMenu* popBest;
    QAction* popShowBest = nullptr;  // "Show my best run", in this and the time panel's menu
    // Shows, refreshes or hides the line for the game on the table.
    void UpdateBestRun();

protected:
    // What the window manager's frame adds around the window: the layout
    // counts the window's outer size.
    virtual QMargins FrameMargins() const;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Game& game_;
    void BuildMenus();
    void BuildToolBars();
    void BuildPanels();
    QToolButton* AddButton(QFrame* bar, const char* name, const char* hint, int left,
                           void (TfrmMain::*command)());
    void LoadBarPictures(bool large);
    void SetToolBarSize(bool large, bool fromMenu);
    void SetToolBarFlat(bool flat, bool fromMenu);
    void SetTimePanel(bool on, bool fromMenu);
    void SetScorePanel(bool on, bool fromMenu);
    void CenterPanelLabels();
    void SetAutoplayButtons(bool checked);
    void mnuAutoplayClick();
    void mnuRestartClick();
    void mnuDealNumberClick();
    void mnuNewMatchClick();
    void mnuCopyDealClick();
    void mnuDailyDealClick();
    void mnuCopyResultClick();
    void mnuReplayClick();
    // The deal of the day last dealt, and the results recorded since.
    DailyDeal daily_;
    ResultKeeper results_;
    void HandleResize();
    // The first activation's offer of a game.
    void FirstGame();
    // The unfinished game of the last run, continued at once; false when
    // there is none to continue.
    bool ResumeGame();
    // Keeps the unfinished game for the next start instead of counting it;
    // false when it is not kept.
    bool KeepGameForResume();
    DealRequest firstDeal_;
    // Close query: true when the window may close.
    bool CloseQuery();
    // The window closes: end the game, write the last preferences.
    void FormClose();
    QToolButton* VisibleLastButton() const;
    void PlacePlayerName();
    // Raises the minimum size where the cards of the game do not fit.
    void KeepCardsReachable();
    QFrame* VisibleBar() const { return largeBar_ ? pnlTB : pnlTB1; }

    QWidget* central_;
    Preferences choices_;
    bool largeBar_ = true;
    bool flat_ = true;
    bool closing_ = false;
    bool undoAllowed_ = false;  // as the game commands and the undo mode allow
    std::string helpFile_;
    QString playerText_;  // the player line in full, before any eliding
    // The best run followed: which deal (game, number, player), its pair
    // times, whether the player passed it; stale once the table is dealt.
    std::string bestKey_;
    std::vector<int64_t> bestTimes_;
    bool bestStale_ = true;
    bool bestPassed_ = false;
    bool bestWanted_ = false;  // shown where the bar leaves room
    void LayOutBestRun();
    void PlaceBestRun();
    // Present while a selection group is being removed.
    std::unique_ptr<InputBlock> inputBlock_;
};

}  // namespace bw
