#include "app/players_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/help_window.h"
#include "app/open_game_dialog.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "storage/section_file.h"

namespace bw {

namespace {

struct PlayersText {
    Q_DECLARE_TR_FUNCTIONS(PlayersText)
};

// F1 opens the dialog's page in the help window.
void AddHelpKey(QDialog* dialog, int context) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(help, &QShortcut::activated, dialog, [dialog, context] {
        ShowHelpTopic(ProgramDir() + "quillory.hlp>proc", context, dialog);
    });
}

}  // namespace

TfrmPlayers2::TfrmPlayers2(const std::string& caption, const std::string& name, QWidget* parent)
    : C_TAdvancedDialog(parent) {
    setObjectName("frmPlayers2");
    setWindowTitle(PlayersText::tr(caption.c_str()));
    grpName = new QGroupBox(PlayersText::tr("&Player name: "), this);
    edtName = new QLineEdit(grpName);
    edtName->setObjectName("edtName");
    edtName->setMaxLength(kMaxPlayerNameLength);
    edtName->setMinimumWidth(240);
    edtName->setText(NameText(name));
    shownName_ = name;
    edtName->selectAll();
    auto* group = new QVBoxLayout(grpName);
    group->addWidget(edtName);

    btnOK = new QPushButton(PlayersText::tr("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton(PlayersText::tr("Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(grpName);
    all->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    AddHelpKey(this,
               caption == players_caption::kAdd ? kAddPlayerHelpContext : kEditPlayerHelpContext);
    edtName->setFocus();
}

TfrmPlayers::TfrmPlayers(Game& game, QWidget* parent) : C_TAdvancedDialog(parent), game_(game) {
    setObjectName("frmPlayers");
    setWindowTitle(PlayersText::tr("Players"));
    lblSelect = new QLabel(PlayersText::tr("&Select a player:"), this);
    lboOperatori = new QListWidget(this);
    lboOperatori->setObjectName("lboOperatori");
    lboOperatori->setMinimumSize(220, 200);
    lblSelect->setBuddy(lboOperatori);
    // Item views take no name from their buddy: a screen reader needs one.
    lboOperatori->setAccessibleName(lblSelect->text().remove('&'));
    lboOperatori->installEventFilter(this);

    btnNew = new QPushButton(PlayersText::tr(" &New"), this);
    btnEdit = new QPushButton(PlayersText::tr("&Edit"), this);
    btnDelete = new QPushButton(PlayersText::tr("&Delete"), this);
    btnSelect = new QPushButton(PlayersText::tr("Select"), this);
    btnClose = new QPushButton(PlayersText::tr("Close"), this);
    btnNew->setObjectName("btnNew");
    btnEdit->setObjectName("btnEdit");
    btnDelete->setObjectName("btnDelete");
    btnSelect->setObjectName("btnSelect");
    btnClose->setObjectName("btnClose");
    btnSelect->setDefault(true);
    for (QPushButton* b : {btnNew, btnEdit, btnDelete, btnSelect, btnClose}) {
        b->setMinimumWidth(80);
        b->setAutoDefault(false);
    }
    btnSelect->setAutoDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(btnNew);
    side->addWidget(btnEdit);
    side->addWidget(btnDelete);
    side->addStretch(1);
    side->addWidget(btnSelect);
    side->addWidget(btnClose);
    auto* list = new QVBoxLayout;
    list->addWidget(lblSelect);
    list->addWidget(lboOperatori, 1);
    auto* all = new QHBoxLayout(this);
    all->addLayout(list, 1);
    all->addLayout(side);

    connect(btnNew, &QPushButton::clicked, this, [this] { btnNewClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnSelect, &QPushButton::clicked, this, [this] { btnSelectClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    // The selection counts, not the focus frame the list puts on its first
    // entry when it gets the focus with nothing selected.
    connect(lboOperatori, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = lboOperatori->selectedItems();
        model_.SetSelected(chosen.isEmpty() ? -1 : lboOperatori->row(chosen.first()));
        UpdateButtons();
    });
    connect(lboOperatori, &QListWidget::itemDoubleClicked, this, [this] { btnSelectClick(); });
    AddHelpKey(this, kPlayersHelpContext);
}

void TfrmPlayers::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    C_TAdvancedDialog::showEvent(event);
}

void TfrmPlayers::FormShow() {
    model_.Open(game_);
    playerChanged_ = false;
    FillList();
    lboOperatori->setFocus();
}

void TfrmPlayers::FillList() {
    const QSignalBlocker block(lboOperatori);
    lboOperatori->clear();
    for (const std::string& name : model_.names()) lboOperatori->addItem(NameText(name));
    if (model_.HasSelection())
        lboOperatori->setCurrentRow(model_.selected());
    else
        lboOperatori->clearSelection();
    UpdateButtons();
}

void TfrmPlayers::UpdateButtons() {
    const bool any = model_.HasSelection();
    btnSelect->setEnabled(any);
    btnEdit->setEnabled(any);
    btnDelete->setEnabled(any);
}

std::optional<std::string> TfrmPlayers::AskName(const char* caption, const std::string& name) {
    TfrmPlayers2 dialog(caption, name, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name();
}

void TfrmPlayers::btnNewClick() {
    std::string typed;
    for (;;) {
        const auto name = AskName(players_caption::kAdd, typed);
        if (!name) return;
        typed = *name;
        if (model_.AddPlayer(typed) != NameEntry::Retry) break;
    }
    FillList();
}

void TfrmPlayers::btnEditClick() {
    if (!model_.HasSelection()) return;
    std::string typed = model_.SelectedName();
    for (;;) {
        const auto name = AskName(players_caption::kEdit, typed);
        if (!name) return;
        typed = *name;
        if (model_.EditSelected(typed) != NameEntry::Retry) break;
    }
    FillList();
}

void TfrmPlayers::btnDeleteClick() {
    if (!model_.HasSelection()) return;
    model_.DeleteSelected();
    FillList();
}

void TfrmPlayers::btnSelectClick() {
    PlayersModel::SelectHooks hooks;
    hooks.confirmQuitGame = [this](const std::string& question) {
        return ConfirmQuit(game_, question);
    };
    hooks.endGame = [this] { EndGame(game_); };
    const auto outcome = model_.SelectPlayer(hooks);
    if (outcome == PlayersModel::SelectOutcome::NothingSelected ||
        outcome == PlayersModel::SelectOutcome::Declined)
        return;
    playerChanged_ = outcome == PlayersModel::SelectOutcome::Changed;
    UpdateTitle(game_);
    ReportSaveFailure();
    accept();
}

void TfrmPlayers::btnCloseClick() {
    reject();
}

void TfrmPlayers::done(int result) {
    // Close, Escape and the close box keep the player who was current.
    if (model_.saveOnClose()) {
        model_.Close();
        UpdateTitle(game_);
        ReportSaveFailure();
    }
    C_TAdvancedDialog::done(result);
}

void TfrmPlayers::ReportSaveFailure() {
    // The player stays current for this run; the list and the choice would
    // silently be gone at the next start.
    if (model_.saveFailed())
        Dialogs().Info(std::string(section_msg::kWriteError) + " " + SettingsFile());
}

bool TfrmPlayers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lboOperatori && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            btnDeleteClick();
            return true;
        }
        if (key == Qt::Key_Insert) {
            btnNewClick();
            return true;
        }
    }
    return C_TAdvancedDialog::eventFilter(watched, event);
}

void ShowPlayersDialog(Game& game, QWidget* parent) {
    TfrmPlayers form(game, parent);
    form.exec();
    if (!form.playerChanged()) return;
    TableView().RepaintTable(false);
    if (OpenGameFormVisible()) return;
    GameWindows().RefreshOpenGameMarks();
    GameWindows().OpenGameDialog();
}

}  // namespace bw
