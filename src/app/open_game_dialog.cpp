#include "app/open_game_dialog.h"

#include <malloc.h>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/game_facts.h"
#include "app/game_preview.h"
#include "app/name_text.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/paths.h"
#include "render/device_detail.h"
#include "render/images.h"
#include "render/library.h"
#include "storage/catalogue.h"
#include "storage/players.h"
#include "storage/preferences.h"
#include "storage/statistics.h"

namespace bw {

namespace {

struct OpenGameText {
    Q_DECLARE_TR_FUNCTIONS(OpenGameText)
};

constexpr int kCodeRole = Qt::UserRole;
constexpr const char* kAllGamesText =
    QT_TRANSLATE_NOOP("OpenGameText", "All games (alphabetically)");
// Tree pictures are drawn on this key colour.
constexpr QRgb kTreeKey = 0xFF800000;

std::string Column(const std::string& line, size_t from, size_t count) {
    return from < line.size() ? line.substr(from, count) : std::string();
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

std::vector<TreeGame> BuildGameList() {
    struct Keyed {
        std::string key;
        TreeGame game;
    };
    std::vector<Keyed> list;
    for (const std::string& line : MainGame.catalogue) {
        const CatalogueEntry e = ParseCatalogueLine(line);
        // A line whose number does not read cannot be opened: leave it out.
        if (e.id < 0) continue;
        TreeGame g;
        g.id = e.id;
        g.family = e.family;
        g.name = e.name;
        std::string padded = g.name;
        padded.resize(50, ' ');
        list.push_back({platform::ToLower(padded) + Column(line, 0, 3) + Column(line, 4, 3), g});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<TreeGame> games;
    games.reserve(list.size());
    for (auto& k : list) games.push_back(k.game);
    return games;
}

std::string FamilyPictureName(int family) {
    switch (family) {
        case 2: return "TREE5_CANFIELD_TYPE";
        case 3: return "TREE5_FORTYTHIEVES_TYPE";
        case 4: return "TREE5_FREECELL_TYPE";
        case 5: return "TREE5_KLONDIKE_TYPE";
        case 6: return "TREE5_PAIRING_TYPE";
        case 7: return "TREE5_SIMPLEGAMES_TYPE";
        case 8: return "TREE5_SPIDER_TYPE";
        case 9: return "TREE5_1DECK_TYPE";
        case 10: return "TREE5_2DECK_TYPE";
        case 11: return "TREE5_FAN_TYPE";
        case 12: return "TREE5_BAKERSDOZEN_TYPE";
        case 13: return "TREE5_ROW_TYPE";
        case 14: return "TREE5_PUZZLE_TYPE";
        case 15: return "TREE5_ADDITION_TYPE";
        case 16: return "TREE5_MEMORY_TYPE";
        case 17: return "TREE5_BELEAGUEREDCASTLE_TYPE";
        case 18: return "TREE5_QUEENOFITALY_TYPE";
        case 19: return "TREE5_YUKON_TYPE";
        case 20: return "TREE5_MATHEMATICAL_TYPE";
        case 21: return "TREE5_SIRTOMMY_TYPE";
        case 22: return "TREE5_NONBUILDERS_TYPE";
        case 23: return "TREE5_STRIPPEDDECK_TYPE";
        case 800: return "TREE5_CUSTOMIZED_GAMES";
        default: return std::string();
    }
}

std::vector<std::string> TreeImageNames() {
    std::vector<std::string> n = {"TREE1",   "TREE2",   "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
                                  "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2"};
    auto families = [&](std::initializer_list<int> list, const char* suffix) {
        for (int f : list) n.push_back(FamilyPictureName(f) + suffix);
    };
    families({2, 11, 3, 4, 5, 6, 7, 8, 9, 10}, "");
    n.insert(n.end(), {"C_TREE1", "C_TREE2", "TREE5_CUSTOMIZED_GAMES"});
    families({19, 12}, "");
    n.insert(n.end(), {"T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2"});
    families({14, 15, 16, 17, 13}, "");
    n.emplace_back("TREE5_ORIGINAL_TYPE");
    families({18, 20, 21, 22}, "");
    n.insert(n.end(), {"TREE5_CUSTOMIZED_GAMES_WIN", "TREE5_CUSTOMIZED_GAMES_NOWIN"});
    for (const char* suffix : {"_WIN", "_NOWIN"})
        for (int f = 2; f <= 22; ++f) n.push_back(FamilyPictureName(f) + suffix);
    families({23}, "");
    families({23}, "_WIN");
    families({23}, "_NOWIN");
    return n;
}

// ---------------------------------------------------------------------------

TfrmOpenGame::TfrmOpenGame(Game& game, QWidget* parent) : C_TAdvancedDialog(parent), game_(game) {
    setObjectName("frmOpenGame");
    setWindowTitle(OpenGameText::tr("Open a game"));
    BuildControls();
    games_ = BuildGameList();
    background_ =
        PreviewBackground(QSize(kPreviewWidth, kPreviewHeight), MoreThan256Colors(Screen()));

    const Preferences& choices = KeptChoices();
    const int64_t treeNum = choices.gameTreeNum;
    branchToOpen_ =
        treeNum < 0 ? static_cast<int>(std::max<int64_t>(treeNum, INT32_MIN)) : kBranchAllGames;
    previewOn_ = choices.openPreviewGame;
    {
        const QSignalBlocker block(chkWonLost);
        chkWonLost->setChecked(choices.openShowWonLost);
    }

    auto* branch = new QTreeWidgetItem(trvGames, QStringList(OpenGameText::tr(kAllGamesText)));
    branch->setData(0, kCodeRole, kBranchAllGames);
    branch->setIcon(0, TreeIcon("TREE1", "TREE2"));
    auto* placeholder = new QTreeWidgetItem(branch);
    placeholder->setData(0, kCodeRole, kPlaceholderNode);

    pnlGame->hide();
    btnOK->setEnabled(false);
    btnRules->setEnabled(false);
}

void TfrmOpenGame::BuildControls() {
    lblSelect = new QLabel(OpenGameText::tr("Select a game:"), this);
    trvGames = new QTreeWidget(this);
    trvGames->setObjectName("trvGames");
    trvGames->setHeaderHidden(true);
    trvGames->setColumnCount(1);
    trvGames->setIconSize(QSize(16, 16));
    trvGames->setMinimumSize(230, 330);
    trvGames->setExpandsOnDoubleClick(true);
    lblSelect->setBuddy(trvGames);
    // Item views take no name from their buddy: a screen reader needs one.
    trvGames->setAccessibleName(lblSelect->text().remove('&'));

    chkWonLost = new QCheckBox(OpenGameText::tr("&Show won and lost"), this);
    chkWonLost->setObjectName("chkWonLost");
    lblPlayer = new QLabel(OpenGameText::tr("Pla&yer:"), this);
    cboPlayers = new QComboBox(this);
    cboPlayers->setObjectName("cboPlayers");
    cboPlayers->setMinimumWidth(170);
    lblPlayer->setBuddy(cboPlayers);
    lblResultsTo = new QLabel(this);
    lblResultsTo->setObjectName("lblResultsTo");
    // Takes the row's room and wraps there, rather than widening the dialog
    // past a small screen for a long name.
    lblResultsTo->setWordWrap(true);
    lblResultsTo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    btnRules = new QPushButton(OpenGameText::tr("Rules"), this);
    btnRules->setObjectName("btnRules");
    btnOK = new QPushButton(OpenGameText::tr("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton(OpenGameText::tr("Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    for (QPushButton* b : {btnRules, btnOK, btnCancel}) b->setMinimumWidth(75);

    // The preview panel keeps its place when it is hidden.
    auto* panelFrame = new QFrame(this);
    panelFrame->setFrameShape(QFrame::StyledPanel);
    // Wide enough for the longest fact ("Very high (about 99 in 100)").
    panelFrame->setFixedWidth(kPreviewWidth + 90);
    pnlGame = new QWidget(panelFrame);
    pnlGame->setObjectName("pnlGame");
    lblGameName = new QLabel(pnlGame);
    lblGameName->setObjectName("lblGameName");
    QFont bold = lblGameName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblGameName->setFont(bold);
    imgGame = new QLabel(pnlGame);
    imgGame->setObjectName("imgGame");
    imgGame->setFixedSize(kPreviewWidth, kPreviewHeight);

    auto* facts = new QGridLayout;
    facts->setHorizontalSpacing(6);
    facts->setVerticalSpacing(3);
    auto addFact = [&](int row, const char* caption, QLabel*& value, QLabel** picture) {
        auto* c = new QLabel(OpenGameText::tr(caption), pnlGame);
        facts->addWidget(c, row, 0);
        if (picture) {
            *picture = new QLabel(pnlGame);
            (*picture)->setFixedSize(16, 16);
            facts->addWidget(*picture, row, 1);
        }
        value = new QLabel(pnlGame);
        facts->addWidget(value, row, 2);
    };
    addFact(0, QT_TRANSLATE_NOOP("OpenGameText", "Decks:"), lblDecks, nullptr);
    addFact(1, QT_TRANSLATE_NOOP("OpenGameText", "Game time:"), lblTime, &imgTime);
    addFact(2, QT_TRANSLATE_NOOP("OpenGameText", "Difficulty level:"), lblDifficulty,
            &imgDifficulty);
    addFact(3, QT_TRANSLATE_NOOP("OpenGameText", "Skill level:"), lblSkill, &imgSkill);
    addFact(4, QT_TRANSLATE_NOOP("OpenGameText", "Chance of winning:"), lblChance, &imgChance);
    addFact(5, QT_TRANSLATE_NOOP("OpenGameText", "Redeals:"), lblRedeals, nullptr);
    facts->setColumnStretch(2, 1);
    lblDecks->setObjectName("lblDecks");
    lblTime->setObjectName("lblTime");
    lblDifficulty->setObjectName("lblDifficulty");
    lblSkill->setObjectName("lblSkill");
    lblChance->setObjectName("lblChance");
    lblRedeals->setObjectName("lblRedeals");

    auto* panel = new QVBoxLayout(pnlGame);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(lblGameName);
    panel->addWidget(imgGame, 0, Qt::AlignHCenter);
    panel->addSpacing(6);
    panel->addLayout(facts);
    panel->addStretch(1);
    auto* frameLayout = new QVBoxLayout(panelFrame);
    frameLayout->setContentsMargins(10, 8, 10, 8);
    frameLayout->addWidget(pnlGame);

    auto* left = new QVBoxLayout;
    left->addWidget(lblSelect);
    left->addWidget(trvGames, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(panelFrame);

    auto* player = new QHBoxLayout;
    player->addWidget(lblPlayer);
    player->addWidget(cboPlayers);
    player->addSpacing(16);
    player->addWidget(chkWonLost);
    player->addSpacing(16);
    player->addWidget(lblResultsTo, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnRules);
    buttons->addStretch(1);
    auto* okCancel = new QHBoxLayout;
    okCancel->setSpacing(5);
    okCancel->addWidget(btnOK);
    okCancel->addWidget(btnCancel);
    buttons->addLayout(okCancel);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(player);
    all->addLayout(buttons);

    connect(trvGames, &QTreeWidget::currentItemChanged, this, [this] { trvGamesChange(); });
    connect(trvGames, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { trvGamesExpanding(node); });
    connect(trvGames, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node, int) { trvGamesDblClick(node); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnRules, &QPushButton::clicked, this, [this] { btnRulesClick(); });
    connect(cboPlayers, &QComboBox::currentIndexChanged, this, [this] { cboPlayersChange(); });
    connect(chkWonLost, &QCheckBox::toggled, this, [this] { chkWonLostClick(); });
}

const QPixmap& TfrmOpenGame::TreeImage(const std::string& name) const {
    auto it = images_.find(name);
    if (it != images_.end()) return it->second;
    // Of the pictures of TreeImageNames() a tree shows only its games'
    // families: the others are not decoded until one is needed.
    QImage image;
    QPixmap& pixmap = images_[name];
    if (!name.empty() && LoadLibraryBitmap(image, name))
        pixmap = QPixmap::fromImage(KeyedToAlpha(image, kTreeKey));
    return pixmap;
}

QIcon TfrmOpenGame::TreeIcon(const std::string& normal, const std::string& selected) const {
    QIcon icon;
    const QPixmap &n = TreeImage(normal), &s = TreeImage(selected);
    if (!n.isNull()) icon.addPixmap(n, QIcon::Normal);
    if (!s.isNull()) icon.addPixmap(s, QIcon::Selected);
    return icon;
}

QIcon TfrmOpenGame::GameIcon(const TreeGame& game, int mark) const {
    const std::string base = FamilyPictureName(game.family);
    if (base.empty()) return QIcon();
    const std::string name = mark == 1 ? base + "_WIN" : mark == 0 ? base + "_NOWIN" : base;
    return TreeIcon(name, name);
}

int TfrmOpenGame::NodeCode(const QTreeWidgetItem* node) {
    return node ? node->data(0, kCodeRole).toInt() : kPlaceholderNode;
}

QTreeWidgetItem* TfrmOpenGame::FindBranch(int code) const {
    for (int i = 0; i < trvGames->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = trvGames->topLevelItem(i);
        if (NodeCode(node) == code) return node;
    }
    return nullptr;
}

int TfrmOpenGame::AbsoluteIndex(const QTreeWidgetItem* node) const {
    int index = 0;
    for (int i = 0; i < trvGames->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = trvGames->topLevelItem(i);
        if (top == node) return index;
        ++index;
        for (int c = 0; c < top->childCount(); ++c, ++index)
            if (top->child(c) == node) return index;
    }
    return -1;
}

void TfrmOpenGame::FillBranch(QTreeWidgetItem* branch, int selectId) {
    if (!branch || branch->childCount() != 1 || NodeCode(branch->child(0)) != kPlaceholderNode)
        return;
    filling_ = true;
    delete branch->takeChild(0);
    QTreeWidgetItem* select = nullptr;
    bool corrupt = false;
    const PlayerResults results = MarkResults();
    QList<QTreeWidgetItem*> nodes;
    for (const TreeGame& g : games_) {
        auto* node = new QTreeWidgetItem(QStringList(Q(g.name)));
        node->setData(0, kCodeRole, g.id);
        node->setIcon(0, GameIcon(g, GameMark(g.id, results, corrupt)));
        nodes.append(node);
        if (g.id == selectId && !select) select = node;
    }
    branch->addChildren(nodes);
    filling_ = false;
    if (select) {
        branch->setExpanded(true);
        trvGames->setCurrentItem(select);
        trvGames->scrollToItem(select);
    }
}

std::string TfrmOpenGame::MarkPlayer() const {
    // While the dialog is up the marks follow the player chosen in its
    // list; otherwise the current player.
    return isVisible() && !chosenPlayer_.empty() ? chosenPlayer_ : game_.values.player;
}

PlayerResults TfrmOpenGame::MarkResults() const {
    if (!chkWonLost->isChecked()) return {};
    return ReadPlayerResults(MarkPlayer());
}

int TfrmOpenGame::GameMark(int gameId, const PlayerResults& results, bool& corruptSeen) const {
    if (!chkWonLost->isChecked()) return -1;
    long won = 0, played = 0;
    if (auto it = results.find(gameId); it != results.end()) {
        won = it->second.won;
        played = it->second.played;
    }
    // The single-game values of an older installation count as well.
    if (!corruptSeen) {
        if (const auto counts = ReadSingleGameValues(gameId, MarkPlayer())) {
            won += counts->won;
            played += counts->won + counts->lost;
        } else {
            // The damaged file is gone and the player was told once.
            corruptSeen = true;
        }
    }
    return won > 0 ? 1 : played > 0 ? 0 : -1;
}

void TfrmOpenGame::RefreshMarks() {
    BusyCursor busy;
    bool corrupt = false;
    const PlayerResults results = MarkResults();
    std::map<int, const TreeGame*> byId;
    for (const TreeGame& g : games_) byId.emplace(g.id, &g);
    for (int i = 0; i < trvGames->topLevelItemCount(); ++i) {
        QTreeWidgetItem* branch = trvGames->topLevelItem(i);
        for (int c = 0; c < branch->childCount(); ++c) {
            QTreeWidgetItem* node = branch->child(c);
            auto it = byId.find(NodeCode(node));
            if (it != byId.end())
                node->setIcon(0, GameIcon(*it->second, GameMark(it->first, results, corrupt)));
        }
    }
}

bool TfrmOpenGame::TreePlace(int gameId, int& treeNum, int& treePos) const {
    QTreeWidgetItem* branch = FindBranch(kBranchAllGames);
    if (!branch || gameId < 0) return false;
    for (size_t i = 0; i < games_.size(); ++i) {
        if (games_[i].id != gameId) continue;
        treeNum = kBranchAllGames;
        treePos = AbsoluteIndex(branch) + 1 + static_cast<int>(i);
        return true;
    }
    return false;
}

OpenGameChoice TfrmOpenGame::Choice() const {
    OpenGameChoice c;
    QTreeWidgetItem* node = SelectedNode();
    c.player = chosenPlayer_.empty() ? game_.values.player : chosenPlayer_;
    if (!node || NodeCode(node) < 0) return c;
    c.id = NodeCode(node);
    c.name = node->text(0).toStdString();
    c.treeNum = NodeCode(node->parent());
    c.treePos = AbsoluteIndex(node);
    return c;
}

// ---------------------------------------------------------------------------

void TfrmOpenGame::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    C_TAdvancedDialog::showEvent(event);
}

namespace {

// The first screen is up: what the start-up freed need not stay resident
// for the rest of the run.
void GiveBackStartUpMemory() {
    malloc_trim(0);
}

}  // namespace

void TfrmOpenGame::FormShow() {
    BusyCursor busy;
    chosenPlayer_ = game_.values.player;
    const bool first = !shownBefore_;
    if (!shownBefore_) {
        shownBefore_ = true;
        QTreeWidgetItem* branch = FindBranch(branchToOpen_);
        // A branch this edition does not have: open the one it has.
        if (!branch) branch = FindBranch(kBranchAllGames);
        FillBranch(branch, GameId(game_, -1));
    }
    UpdatePreview();
    trvGames->setFocus();
    FillPlayers();
    if (first) QTimer::singleShot(0, this, GiveBackStartUpMemory);
}

void TfrmOpenGame::FillPlayers() {
    const std::string current = game_.values.player;
    chosenPlayer_ = current;
    const QSignalBlocker block(cboPlayers);
    cboPlayers->clear();
    playerNames_ = LoadPlayerNames();
    for (const std::string& name : playerNames_) cboPlayers->addItem(NameText(name));
    cboPlayers->setCurrentIndex(cboPlayers->findText(NameText(current), Qt::MatchExactly));
    ShowResultsPlayer();
    if (chkWonLost->isChecked()) RefreshMarks();
}

void TfrmOpenGame::ShowResultsPlayer() {
    const std::string current = game_.values.player;
    const std::string chosen = chosenPlayer_.empty() ? current : chosenPlayer_;
    const QString text = chosen != current
                             ? OpenGameText::tr("Results go to: %1 (now playing: %2)")
                                   .arg(NameText(chosen), NameText(current))
                             : OpenGameText::tr("Results go to: %1").arg(NameText(chosen));
    lblResultsTo->setText(text);
    QFont f = lblResultsTo->font();
    f.setBold(chosen != current);
    lblResultsTo->setFont(f);
}

void TfrmOpenGame::trvGamesChange() {
    if (filling_) return;
    QTreeWidgetItem* node = SelectedNode();
    if (node && NodeCode(node) < 0) FillBranch(node, -1);
    UpdatePreview();
}

void TfrmOpenGame::trvGamesExpanding(QTreeWidgetItem* node) {
    FillBranch(node, -1);
}

void TfrmOpenGame::trvGamesDblClick(QTreeWidgetItem* node) {
    if (node && NodeCode(node) >= 0) btnOKClick();
}

void TfrmOpenGame::UpdatePreview() {
    BusyCursor busy;
    QTreeWidgetItem* node = SelectedNode();
    if (!node || NodeCode(node) < 0) {
        pnlGame->hide();
        btnOK->setEnabled(false);
        btnRules->setEnabled(false);
        return;
    }
    const int id = NodeCode(node);
    lblGameName->setText(node->text(0));
    ShowFacts(id);
    pnlGame->show();
    btnOK->setEnabled(true);
    btnRules->setEnabled(true);
    imgGame->setVisible(previewOn_);
    if (!previewOn_) return;
    // A game's preview is always the same deal: it is drawn once per game
    // and card back.
    const qreal ratio = imgGame->devicePixelRatioF();
    const std::string key =
        std::to_string(id) + "/" + GetParameter(field::kBackCard) + "/" + std::to_string(ratio);
    if (key == previewKey_) return;
    if (background_.devicePixelRatio() != ratio) {
        // The background at device pixels, as the picture over it.
        background_ =
            PreviewBackground(DeviceRect(QRect(QPoint(0, 0), imgGame->size()), ratio).size(),
                              MoreThan256Colors(Screen()));
        background_.setDevicePixelRatio(ratio);
    }
    preview_ = ComposePreview(background_, RenderGamePreview(id, imgGame->size(), ratio));
    previewKey_ = key;
    imgGame->setPixmap(QPixmap::fromImage(preview_));
}

void TfrmOpenGame::ShowFacts(int gameId) {
    const GameFacts facts = DescribeGame(ReadGameFactValues(gameId));
    lblDecks->setText(Q(facts.decks));
    lblRedeals->setText(Q(facts.redeals));
    const std::pair<QLabel*, QLabel*> rows[] = {{lblTime, imgTime},
                                                {lblDifficulty, imgDifficulty},
                                                {lblSkill, imgSkill},
                                                {lblChance, imgChance}};
    const FactText* texts[] = {&facts.gameTime, &facts.difficulty, &facts.skill, &facts.chance};
    for (size_t i = 0; i < 4; ++i) {
        rows[i].first->setText(Q(texts[i]->text));
        QImage picture;
        if (!texts[i]->picture.empty()) LoadLibraryBitmap(picture, texts[i]->picture);
        rows[i].second->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    }
}

void TfrmOpenGame::btnOKClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node || NodeCode(node) < 0) {
        Dialogs().Info(OpenGameText::tr(open_game_msg::kOpenAGame).toStdString());
        trvGames->setFocus();
        return;
    }
    const OpenGameChoice c = Choice();
    if (!CanPlayOnThisScreen(c.id)) return;
    WriteChosenGame(c.id, c.name, c.treeNum, c.treePos);
    const bool wonLost = chkWonLost->isChecked();
    ChangeChoices([wonLost](Preferences& p) { p.openShowWonLost = wonLost; },
                  {ChoiceKey::kOpenShowWonLost});
    hide();
    WindowControl().Repaint();
    confirmed_ = true;
    accept();
}

void TfrmOpenGame::btnCancelClick() {
    reject();
}

void TfrmOpenGame::btnRulesClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node || NodeCode(node) < 0) {
        Dialogs().Info(OpenGameText::tr(open_game_msg::kSelectAGame).toStdString());
        trvGames->setFocus();
        return;
    }
    GameWindows().ShowRules(NodeCode(node));
}

void TfrmOpenGame::cboPlayersChange() {
    // The choice takes effect when the game is opened, so that the running
    // game ends on the account of the player who played it.
    chosenPlayer_ = NameBytes(cboPlayers->currentText(), playerNames_);
    ShowResultsPlayer();
    if (chkWonLost->isChecked()) RefreshMarks();
}

void TfrmOpenGame::chkWonLostClick() {
    RefreshMarks();
}

void TfrmOpenGame::done(int result) {
    if (TextInt(game_.values.id, -1) < 0) SetGameCommands(game_, false);
    C_TAdvancedDialog::done(result);
    WindowControl().Repaint();
}

// ---------------------------------------------------------------------------

namespace {
QPointer<TfrmOpenGame>& FormStore() {
    static QPointer<TfrmOpenGame> form;
    return form;
}
}  // namespace

TfrmOpenGame& OpenGameForm(Game& game, QWidget* parent) {
    QPointer<TfrmOpenGame>& form = FormStore();
    if (form && &form->game() != &game) FreeOpenGameForm();
    if (!form) form = new TfrmOpenGame(game, parent);
    return *form;
}

bool OpenGameFormVisible() {
    return FormStore() && FormStore()->isVisible();
}

void FreeOpenGameForm() {
    delete FormStore().data();
    FormStore() = nullptr;
}

void RefreshOpenGameMarks() {
    if (FormStore() && FormStore()->chkWonLost->isChecked()) FormStore()->RefreshMarks();
}

bool OpenGameTreePlace(int gameId, int& treeNum, int& treePos) {
    return FormStore() && FormStore()->TreePlace(gameId, treeNum, treePos);
}

bool ShowOpenGameDialog(Game& game, QWidget* parent) {
    TfrmOpenGame& form = OpenGameForm(game, parent);
    form.ClearConfirmation();
    form.exec();
    return form.confirmed();
}

bool OpenGameCommand(Game& game, QWidget* parent) {
    if (!ShowOpenGameDialog(game, parent)) return false;
    TfrmOpenGame& form = OpenGameForm(game, parent);
    const OpenGameChoice c = form.Choice();
    form.ClearConfirmation();
    return OpenGame(game, c.id, c.name, kNewGameNumber, true, c.player);
}

}  // namespace bw
