#pragma once
// TfrmOpenGame, "Open a game": the catalogue as a tree, a preview of the
// selected game with its facts, and the player. Created once and kept for
// the whole run; the main window shows it modally and, when the choice was
// confirmed, opens the chosen game.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <map>
#include <string>
#include <vector>

#include "app/advanced_form.h"
#include "storage/results.h"

namespace bw {

struct Game;

// Codes of tree nodes: a game node holds its game id (0 or more).
inline constexpr int kBranchAllGames = -30;
inline constexpr int kPlaceholderNode = -1;

namespace open_game_msg {
inline constexpr const char* kOpenAGame = QT_TRANSLATE_NOOP("OpenGameText", "Open a game");
inline constexpr const char* kSelectAGame = QT_TRANSLATE_NOOP("OpenGameText", "Select a game");
}  // namespace open_game_msg

// One game of the tree, from the catalogue.
struct TreeGame {
    std::string name;  // trailing blanks removed
    int family = 0;    // 0: no family picture
    int id = -1;
};

// The catalogue's games in name order (case ignored).
std::vector<TreeGame> BuildGameList();
// The library picture of a game family; empty for a family without one.
std::string FamilyPictureName(int family);
// The picture names of the tree's image list, in image-list order.
std::vector<std::string> TreeImageNames();

// What the player chose with OK.
struct OpenGameChoice {
    int id = -1;
    std::string name;
    int treeNum = kBranchAllGames;
    int treePos = 0;
    std::string player;
};

class TfrmOpenGame : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // Opens games in `game`, whose player it starts from.
    explicit TfrmOpenGame(Game& game, QWidget* parent = nullptr);
    Game& game() const { return game_; }

    // Set by OK; read and cleared by the main window.
    bool confirmed() const { return confirmed_; }
    void ClearConfirmation() { confirmed_ = false; }
    // The selected game, its tree place and the chosen player.
    OpenGameChoice Choice() const;
    // The branch and absolute tree position game `gameId` has (or will have
    // once its branch is filled); false for a game the tree does not hold.
    bool TreePlace(int gameId, int& treeNum, int& treePos) const;
    // Redraws the won-and-lost marks (another player, a game ended).
    void RefreshMarks();

    // Controls, named as the rest of the program knows them.
    QLabel* lblSelect;
    QTreeWidget* trvGames;
    QCheckBox* chkWonLost;
    QLabel* lblPlayer;
    // Whose results the game opened goes on: a player chosen in the list
    // becomes current only with OK, so the choice is spelt out before.
    QLabel* lblResultsTo;
    QComboBox* cboPlayers;
    QWidget* pnlGame;
    QLabel* lblGameName;
    QLabel* imgGame;
    QLabel *lblDecks, *lblTime, *lblDifficulty, *lblSkill, *lblChance, *lblRedeals;
    QLabel *imgTime, *imgDifficulty, *imgSkill, *imgChance;
    QPushButton* btnRules;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // Event handlers.
    void FormShow();
    void trvGamesChange();
    void trvGamesExpanding(QTreeWidgetItem* node);
    void trvGamesDblClick(QTreeWidgetItem* node);
    void btnOKClick();
    void btnCancelClick();
    void btnRulesClick();
    void cboPlayersChange();
    void chkWonLostClick();

    // The preview picture currently shown (background and game).
    QImage PreviewPicture() const { return preview_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    // A tree picture, taken from the library the first time it is shown.
    const QPixmap& TreeImage(const std::string& name) const;
    QIcon TreeIcon(const std::string& normal, const std::string& selected) const;
    QIcon GameIcon(const TreeGame& game, int mark) const;
    // Fills `branch` when its only child is the placeholder, selecting the
    // node of `selectId`.
    void FillBranch(QTreeWidgetItem* branch, int selectId);
    QTreeWidgetItem* FindBranch(int code) const;
    QTreeWidgetItem* SelectedNode() const { return trvGames->currentItem(); }
    static int NodeCode(const QTreeWidgetItem* node);
    int AbsoluteIndex(const QTreeWidgetItem* node) const;
    void UpdatePreview();
    void ShowFacts(int gameId);
    void FillPlayers();
    void ShowResultsPlayer();
    // The player whose marks are shown, and that player's game results
    // (none while marks are off).
    std::string MarkPlayer() const;
    PlayerResults MarkResults() const;
    // -1: no mark; 0: played, never won; 1: won.
    int GameMark(int gameId, const PlayerResults& results, bool& corruptSeen) const;

    std::vector<TreeGame> games_;
    mutable std::map<std::string, QPixmap> images_;
    QImage background_;
    QImage preview_;
    // The game and card back preview_ shows.
    std::string previewKey_;
    int branchToOpen_ = kBranchAllGames;
    bool previewOn_ = true;
    bool confirmed_ = false;
    bool shownBefore_ = false;
    Game& game_;
    bool filling_ = false;
    std::string chosenPlayer_;
    std::vector<std::string> playerNames_;  // as stored, in the combo's order
};

// The dialog of the run, created on first use with the given game and
// parent (made anew when asked for with another game).
TfrmOpenGame& OpenGameForm(Game& game, QWidget* parent = nullptr);
// Whether the dialog exists and is on the screen.
bool OpenGameFormVisible();
// Destroys the dialog (shut-down; tests).
void FreeOpenGameForm();

// For the main window's IWindow: the won-and-lost marks redrawn when the
// dialog shows them, and a game's place in the tree. Both do nothing (false)
// before the dialog exists.
void RefreshOpenGameMarks();
bool OpenGameTreePlace(int gameId, int& treeNum, int& treePos);

// Shows the dialog modally; true when the player confirmed a game.
bool ShowOpenGameDialog(Game& game, QWidget* parent = nullptr);
// "&Open a game...": the dialog, then the chosen game opened for the chosen
// player. True when a game was (re)started.
bool OpenGameCommand(Game& game, QWidget* parent = nullptr);

}  // namespace bw
