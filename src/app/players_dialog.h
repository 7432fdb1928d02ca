#pragma once
// The players dialog (TfrmPlayers) and the name dialog (TfrmPlayers2). The
// list and its rules live in PlayersModel; these forms show it, ask for
// names and pass the buttons on.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/advanced_form.h"
#include "app/name_text.h"
#include "storage/players.h"

namespace bw {

struct Game;

// Help pages for F1 in the two dialogs.
constexpr int kPlayersHelpContext = 1002;
constexpr int kAddPlayerHelpContext = 1003;
constexpr int kEditPlayerHelpContext = 1018;

namespace players_caption {
inline constexpr const char* kAdd = QT_TRANSLATE_NOOP("PlayersText", "Add a player");
inline constexpr const char* kEdit = QT_TRANSLATE_NOOP("PlayersText", "Edit a player");
}  // namespace players_caption

// Asks for one name.
class TfrmPlayers2 : public C_TAdvancedDialog {
    Q_OBJECT
public:
    TfrmPlayers2(const std::string& caption, const std::string& name, QWidget* parent = nullptr);
    // The name as shown when left unchanged, byte for byte.
    std::string Name() const { return NameBytes(edtName->text(), {shownName_}); }

    QGroupBox* grpName;
    QLineEdit* edtName;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    std::string shownName_;
};

class TfrmPlayers : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // Switching the player ends `game` as a change of player does.
    explicit TfrmPlayers(Game& game, QWidget* parent = nullptr);

    const PlayersModel& model() const { return model_; }
    // True after Select switched to another player.
    bool playerChanged() const { return playerChanged_; }

    QLabel* lblSelect;
    QListWidget* lboOperatori;
    QPushButton* btnNew;
    QPushButton* btnEdit;
    QPushButton* btnDelete;
    QPushButton* btnSelect;
    QPushButton* btnClose;

    void FormShow();
    void btnNewClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnSelectClick();
    void btnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The name dialog, modal; nullopt for Cancel.
    std::optional<std::string> AskName(const char* caption, const std::string& name);
    void FillList();
    void UpdateButtons();
    void ReportSaveFailure();

    Game& game_;
    PlayersModel model_;
    bool playerChanged_ = false;
};

// "&Players...": the players dialog, modal. After a switch to another
// player the table is redrawn and the open-game dialog offered.
void ShowPlayersDialog(Game& game, QWidget* parent = nullptr);

}  // namespace bw
