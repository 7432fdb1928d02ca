#include "app/match_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/translation.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/memory_log.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "storage/match_records.h"
#include "storage/players.h"

namespace bw {

namespace {

class MatchText {
    Q_DECLARE_TR_FUNCTIONS(MatchText)
};

constexpr int kNobody = -1;
constexpr int kComputer = 100;  // + level

QString LevelText(int level) {
    return level == kMyLevel ? TranslatedMessage(match_text::kMyLevel)
                             : TranslatedMessage(LevelName(level));
}

}  // namespace

TfrmNewMatch::TfrmNewMatch(const std::vector<std::string>& players, const std::string& current,
                           QWidget* owner)
    : C_TAdvancedDialog(owner), players_(players) {
    setObjectName(QStringLiteral("frmNewMatch"));
    setWindowTitle(MatchText::tr("New match"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        MatchText::tr("Two to four seats take turns; a pair found plays again, a miss passes "
                      "the turn. Most pairs wins."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    for (int s = 0; s < kMaxSeats; ++s) {
        auto* label = new QLabel(MatchText::tr("Seat &%1:").arg(s + 1), this);
        QComboBox* box = cboSeat[s] = new QComboBox(this);
        box->setObjectName(QStringLiteral("cboSeat%1").arg(s + 1));
        label->setBuddy(box);
        if (s >= kMinSeats) box->addItem(MatchText::tr("(nobody)"), kNobody);
        for (size_t p = 0; p < players.size(); ++p)
            box->addItem(QString::fromStdString(players[p]), static_cast<int>(p));
        for (int l = 1; l <= kMyLevel; ++l)
            box->addItem(MatchText::tr("Computer: %1").arg(LevelText(l)), kComputer + l);
        grid->addWidget(label, s, 0);
        grid->addWidget(box, s, 1);
    }
    const auto at = std::find(players.begin(), players.end(), current);
    if (at != players.end()) cboSeat[0]->setCurrentIndex(static_cast<int>(at - players.begin()));
    cboSeat[1]->setCurrentIndex(cboSeat[1]->findData(kComputer + 2));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK = new QPushButton(MatchText::tr("&Play"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(MatchText::tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TfrmNewMatch::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmNewMatch::reject);
}

std::vector<SeatChoice> TfrmNewMatch::Seats() const {
    std::vector<SeatChoice> seats;
    for (QComboBox* box : cboSeat) {
        const int code = box->currentData().toInt();
        if (code == kNobody) continue;
        if (code >= kComputer)
            seats.push_back({std::string(), code - kComputer});
        else if (code >= 0 && static_cast<size_t>(code) < players_.size())
            seats.push_back({players_[static_cast<size_t>(code)], 0});
    }
    return seats;
}

void TfrmNewMatch::accept() {
    const std::vector<SeatChoice> seats = Seats();
    for (size_t i = 0; i < seats.size(); ++i)
        for (size_t j = i + 1; j < seats.size(); ++j)
            if (!seats[i].player.empty() && seats[i].player == seats[j].player) {
                Dialogs().Info(MatchText::tr("A player can take only one seat.").toStdString());
                return;
            }
    if (seats.size() < kMinSeats) return;
    C_TAdvancedDialog::accept();
}

TfrmMatchEnd::TfrmMatchEnd(const MatchState& match, const std::vector<QString>& names,
                           QWidget* owner)
    : C_TAdvancedDialog(owner) {
    setObjectName(QStringLiteral("frmMatchEnd"));
    setWindowTitle(MatchText::tr("Match standings"));
    const std::vector<int> leaders = MatchLeaders(match);
    QStringList winners;
    for (int l : leaders) winners << names[static_cast<size_t>(l)];
    auto* layout = new QVBoxLayout(this);
    lblVerdict = new QLabel(
        leaders.size() == 1 ? MatchText::tr("%1 wins the match.").arg(winners.front())
                            : MatchText::tr("A tie: %1.").arg(winners.join(QStringLiteral(", "))),
        this);
    lblVerdict->setObjectName(QStringLiteral("lblVerdict"));
    QFont bold = lblVerdict->font();
    bold.setBold(true);
    lblVerdict->setFont(bold);
    layout->addWidget(lblVerdict);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(new QLabel(MatchText::tr("Pairs"), this), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(MatchText::tr("Misses"), this), 0, 2, Qt::AlignRight);
    std::vector<size_t> order(match.seats.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return match.seats[a].pairs > match.seats[b].pairs;
    });
    int row = 1;
    for (size_t s : order) {
        auto* name = new QLabel(names[s], this);
        if (std::find(leaders.begin(), leaders.end(), static_cast<int>(s)) != leaders.end())
            name->setFont(bold);
        grid->addWidget(name, row, 0);
        grid->addWidget(new QLabel(QString::number(match.seats[s].pairs), this), row, 1,
                        Qt::AlignRight);
        grid->addWidget(new QLabel(QString::number(match.seats[s].misses), this), row, 2,
                        Qt::AlignRight);
        ++row;
    }
    btnOK = new QPushButton(MatchText::tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    layout->addWidget(btnOK, 0, Qt::AlignRight);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMatchEnd::accept);
    // Wide enough for its title beside the frame's icon and buttons: the
    // standings alone make a narrow dialog whose title a window manager cuts.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
}

MatchController::MatchController(Game& game, QWidget* host)
    : QObject(host), game_(game), host_(host) {
    pnlMatch_ = new QFrame(host);
    pnlMatch_->setObjectName(QStringLiteral("pnlMatch"));
    pnlMatch_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlMatch_->setAutoFillBackground(true);
    pnlMatch_->hide();
    computer_.setSingleShot(true);
    connect(&computer_, &QTimer::timeout, this, &MatchController::ComputerStep);
}

MatchController::~MatchController() {
    if (play_) game_.inMatch = false;
}

bool MatchController::TableLocked() const {
    return play_ && (busy_ || play_->ComputerToPlay());
}

void MatchController::NewMatchCommand() {
    if (!IsMatchGoal(Rule(game_, rule::kGoalKind)) || busy_) return;
    std::vector<std::string> players = LoadPlayerNames();
    const std::string current = game_.values.player;
    if (!current.empty() && std::find(players.begin(), players.end(), current) == players.end())
        players.insert(players.begin(), current);
    TfrmNewMatch dialog(players, current, host_->window());
    if (dialog.exec() != QDialog::Accepted) return;
    const std::vector<SeatChoice> seats = dialog.Seats();
    if (!ConfirmQuit(game_)) return;
    // A match still on ends here unrecorded, a solo game as a new deal ends it.
    EndGame(game_);
    Drop();
    dealing_ = true;
    StartGame(game_, true, true, kNewGameNumber, false);
    dealing_ = false;
    if (Flag(game_, flag::kInProgress)) Start(seats);
}

void MatchController::Start(const std::vector<SeatChoice>& seats) {
    seats_ = seats;
    const int pairs = static_cast<int>(GridCardCodes(game_).size() / 2);
    const int gameId = GameId(game_, -1);
    MatchState match;
    for (const SeatChoice& c : seats) {
        MatchSeat seat;
        seat.name = c.player;
        seat.level = c.level;
        if (c.level == kMyLevel)
            seat.model = PlayerRecallModel(gameId, game_.values.player, pairs);
        else if (c.level > 0)
            seat.model = LevelModel(c.level);
        match.seats.push_back(seat);
    }
    play_ = std::make_unique<MatchPlay>(
        game_, match, static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()), 0);
    game_.inMatch = true;
    GameObserver().HistoryChanged();  // undo goes off
    for (QLabel* l : labels_) delete l;
    labels_.clear();
    delete pnlMatch_->layout();
    auto* grid = new QGridLayout(pnlMatch_);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    const QString heads[] = {QString(), MatchText::tr("Pairs"), MatchText::tr("Misses")};
    for (int c = 0; c < 3; ++c) {
        auto* head = new QLabel(heads[c], pnlMatch_);
        head->setContentsMargins(4, 0, 4, 0);
        head->setAlignment(c ? Qt::AlignRight : Qt::AlignLeft);
        grid->addWidget(head, 0, c);
        labels_.push_back(head);
    }
    for (size_t s = 0; s < seats.size(); ++s)
        for (int c = 0; c < 3; ++c) {
            auto* cell = new QLabel(pnlMatch_);
            cell->setObjectName(QStringLiteral("lblSeat%1_%2").arg(s + 1).arg(c));
            cell->setAutoFillBackground(true);
            cell->setContentsMargins(4, 0, 4, 0);
            cell->setAlignment(c ? Qt::AlignRight : Qt::AlignLeft);
            grid->addWidget(cell, static_cast<int>(s) + 1, c);
            labels_.push_back(cell);
        }
    pnlMatch_->show();
    pnlMatch_->raise();
    AfterPlay();
}

QString MatchController::SeatName(size_t seat) const {
    const SeatChoice& c = seats_[seat];
    if (!c.player.empty()) return QString::fromStdString(c.player);
    // Two computers at one level must still be told apart: several
    // computer seats carry their seat number.
    const auto computers = std::count_if(seats_.begin(), seats_.end(),
                                         [](const SeatChoice& x) { return x.player.empty(); });
    if (computers > 1)
        return MatchText::tr("Computer %1 (%2)").arg(seat + 1).arg(LevelText(c.level));
    return MatchText::tr("Computer (%1)").arg(LevelText(c.level));
}

void MatchController::ShowSeats() {
    if (!play_) return;
    const MatchState& m = play_->state();
    for (size_t s = 0; s < m.seats.size(); ++s) {
        const bool current = static_cast<int>(s) == m.toPlay;
        const QString values[] = {SeatName(s), QString::number(m.seats[s].pairs),
                                  QString::number(m.seats[s].misses)};
        for (int c = 0; c < 3; ++c) {
            QLabel* cell = labels_[3 + s * 3 + static_cast<size_t>(c)];
            cell->setText(values[c]);
            QFont f = cell->font();
            f.setBold(current);
            cell->setFont(f);
            cell->setBackgroundRole(current ? QPalette::Highlight : QPalette::Window);
            cell->setForegroundRole(current ? QPalette::HighlightedText : QPalette::WindowText);
        }
    }
    pnlMatch_->adjustSize();
    Place(right_, top_);
    const QString who = SeatName(static_cast<size_t>(m.toPlay));
    StatusDisplay().ShowStatusText(
        (play_->ComputerToPlay() ? MatchText::tr("%1 is playing.") : MatchText::tr("%1 to play."))
            .arg(who)
            .toStdString());
}

void MatchController::AfterPlay() {
    if (!play_ || busy_) return;
    Game& g = game_;
    if (play_->Over(g) || !Flag(g, flag::kInProgress)) {
        Finish();
        return;
    }
    ShowSeats();
    if (play_->ComputerToPlay() && !computer_.isActive()) computer_.start(computerMs);
}

void MatchController::ComputerStep() {
    Game& g = game_;
    if (!play_ || !play_->ComputerToPlay() || !Flag(g, flag::kInProgress)) return;
    busy_ = true;
    const CardCode card = play_->ComputerCard(g);
    const bool turned = card >= 1 && play_->Turn(g, card).turned;
    busy_ = false;
    if (!turned) {  // nothing it could turn: the table is done with
        Finish();
        return;
    }
    AfterPlay();
}

void MatchController::Finish() {
    if (!play_) return;
    computer_.stop();
    // The last pair ended the game through the match-aware game end.
    if (Flag(game_, flag::kInProgress)) EndGame(game_);
    const MatchState result = play_->state();
    const std::vector<int> leaders = MatchLeaders(result);
    const int gameId = GameId(game_, -1);
    std::vector<QString> names;
    for (size_t s = 0; s < result.seats.size(); ++s) {
        names.push_back(SeatName(s));
        if (seats_[s].player.empty()) continue;
        const bool leads =
            std::find(leaders.begin(), leaders.end(), static_cast<int>(s)) != leaders.end();
        RecordMatchResult(gameId, seats_[s].player,
                          !leads                ? MatchOutcome::kLost
                          : leaders.size() == 1 ? MatchOutcome::kWon
                                                : MatchOutcome::kTied);
    }
    Drop();
    TfrmMatchEnd dialog(result, names, host_->window());
    StatusDisplay().ShowStatusText(dialog.lblVerdict->text().toStdString());
    dialog.exec();
}

void MatchController::Drop() {
    computer_.stop();
    play_.reset();
    game_.inMatch = false;
    pnlMatch_->hide();
    GameObserver().HistoryChanged();
}

void MatchController::Dealt() {
    if (play_ && !dealing_) {
        Drop();
        StatusDisplay().ShowStatusText(std::string());
    }
}

bool MatchController::Escape() {
    if (!play_) return false;
    // Asked whatever the quit preference says: Escape is easily hit, and a
    // match is several people's game.
    if (busy_ || !Dialogs().Confirm(BW_TR_NOOP("Messages", "Quit this game?"))) return true;
    EndGame(game_);
    Drop();
    StatusDisplay().ShowStatusText(std::string());
    return true;
}

void MatchController::Quit() {
    if (!play_) return;
    EndGame(game_);
    Drop();
}

void MatchController::Place(int right, int top) {
    right_ = right;
    top_ = top;
    pnlMatch_->move(std::max(0, right - pnlMatch_->width()), top);
}

}  // namespace bw
