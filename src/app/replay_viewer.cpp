#include "app/replay_viewer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "app/game_preview.h"
#include "app/table_accessible.h"
#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"

namespace bw {

namespace {

struct ReplayText {
    Q_DECLARE_TR_FUNCTIONS(ReplayText)
};

constexpr QRgb kTableGreen = 0xFF006400;
const QSize kTableSize(640, 440);
// The preview's small cards are laid out on a smaller table and the picture
// is scaled up, so the grid fills the viewer.
const QSize kDrawSize(420, 289);
constexpr int kSpeedsMs[] = {2000, 1000, 500, 250};

QRect SlotRect(Game& g, int row, int column) {
    const CardPoint at = CardSlotPosition(g, PileName(kFila, row + 1), row, column);
    return {at.left, at.top, g.CardWidth, g.CardHeight};
}

// Every card of the record lies where the record says in the dealt grid.
bool DealtAsRecorded(const Game& g, const TurnRecord& record) {
    for (const Turn& t : record.turns)
        for (const TurnCard& c : t.cards)
            if (c.row < 0 || c.row >= static_cast<int>(g.FilaPiles.size()) ||
                SlotCode(g.FilaPiles[static_cast<size_t>(c.row)], c.column) != c.card)
                return false;
    return true;
}

// The live (preview) deal as it stood at `step`: pairs found before it on
// the waste, the cards shown in it face up.
bool Arrange(Game& g, const TurnRecord& record, int step, const SlipMark* slip,
             ReplayPicture& out) {
    if (!DealtAsRecorded(g, record)) return false;
    const bool sequence = record.goal == goal::kAceToKing;
    size_t shownFrom = static_cast<size_t>(step > 0 ? step - 1 : 0);
    size_t runStart = 0;
    for (size_t i = 0; i + 1 < static_cast<size_t>(step); ++i) {
        const Turn& t = record.turns[i];
        if (sequence) {
            if (t.outcome != TurnOutcome::kPair) runStart = i + 1;
            continue;
        }
        if (t.outcome != TurnOutcome::kPair) continue;
        for (const TurnCard& c : t.cards) {
            g.FilaPiles[static_cast<size_t>(c.row)].replace(static_cast<size_t>(c.column) * 3, 3,
                                                            "000");
            AppendCard(g, g.MazzoPiles, 2, c.card, Face::kUp);
        }
    }
    // An unbroken run of "Ace-To-King" stays face up.
    if (sequence) shownFrom = runStart;
    for (size_t i = shownFrom; i < static_cast<size_t>(step); ++i)
        for (const TurnCard& c : record.turns[i].cards) SetCardFace(g, c.card, Face::kUp);
    if (slip) {
        for (const TurnCard& c : record.turns[static_cast<size_t>(step - 1)].cards)
            if (c.card == slip->card) out.shouldBePaired = SlotRect(g, c.row, c.column);
        if (slip->row >= 0) out.partnerSeen = SlotRect(g, slip->row, slip->column);
    }
    return true;
}

const SlipMark* SlipOf(const RecallProfile& recall, int step) {
    for (const SlipMark& m : recall.slips)
        if (m.turn == step) return &m;
    return nullptr;
}

QString Counted(int n, const char* one, const char* many) {
    return ReplayText::tr(n == 1 ? one : many).arg(n);
}

QString OutcomeText(TurnOutcome o) {
    switch (o) {
        case TurnOutcome::kPair: return ReplayText::tr("pair");
        case TurnOutcome::kMiss: return ReplayText::tr("miss");
        case TurnOutcome::kSlip: return ReplayText::tr("slip");
        case TurnOutcome::kOpen: break;
    }
    return QString();
}

}  // namespace

ReplayPicture RenderReplayStep(int gameId, const TurnRecord& record, int step, QSize size) {
    ReplayPicture out;
    step = std::clamp(step, 0, static_cast<int>(record.turns.size()));
    const RecallProfile recall = Recall(record);
    const SlipMark* slip = SlipOf(recall, step);
    out.table = RenderPreviewDeal(gameId, record.deal, size, kTableGreen,
                                  [&](Game& g) { return Arrange(g, record, step, slip, out); });
    return out;
}

ReplayViewer::ReplayViewer(int gameId, std::vector<StoredReplay> games, int index, QWidget* parent)
    : QDialog(parent), gameId_(gameId), games_(std::move(games)) {
    setObjectName(QStringLiteral("frmReplay"));
    setWindowTitle(ReplayText::tr("Replay"));
    cboGame_ = new QComboBox(this);
    cboGame_->setObjectName(QStringLiteral("cboGame"));
    for (int i = static_cast<int>(games_.size()) - 1; i >= 0; --i) {
        const StoredReplay& g = games_[static_cast<size_t>(i)];
        const QString date = QString::number(g.date);
        cboGame_->addItem(
            ReplayText::tr("%1-%2-%3, deal %4: %5, %6")
                .arg(date.left(4), date.mid(4, 2), date.right(2),
                     QString::fromStdString(g.record.deal))
                .arg(Counted(static_cast<int>(g.record.turns.size()),
                             QT_TRANSLATE_NOOP("ReplayText", "%1 turn"),
                             QT_TRANSLATE_NOOP("ReplayText", "%1 turns")),
                     Counted(SlipCount(g.record), QT_TRANSLATE_NOOP("ReplayText", "%1 slip"),
                             QT_TRANSLATE_NOOP("ReplayText", "%1 slips"))),
            i);
    }
    lblTable_ = new QLabel(this);
    lblTable_->setObjectName(QStringLiteral("lblTable"));
    lblTable_->setFixedSize(kTableSize);
    lblTurn_ = new QLabel(this);
    lblTurn_->setObjectName(QStringLiteral("lblTurn"));
    lblTurn_->setWordWrap(true);
    lblTurn_->setMinimumHeight(lblTurn_->fontMetrics().height() * 2 + 4);
    sldTurn_ = new QSlider(Qt::Horizontal, this);
    sldTurn_->setObjectName(QStringLiteral("sldTurn"));
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnFirst_ = button("btnFirst", QStringLiteral("|<"));
    btnBack_ = button("btnBack", QStringLiteral("<"));
    btnPlay_ = button("btnPlay", ReplayText::tr("&Play"));
    btnForward_ = button("btnForward", QStringLiteral(">"));
    btnLast_ = button("btnLast", QStringLiteral(">|"));
    btnFirst_->setToolTip(ReplayText::tr("First turn"));
    btnBack_->setToolTip(ReplayText::tr("Turn back"));
    btnForward_->setToolTip(ReplayText::tr("Turn forward"));
    btnLast_->setToolTip(ReplayText::tr("Last turn"));
    cboSpeed_ = new QComboBox(this);
    cboSpeed_->setObjectName(QStringLiteral("cboSpeed"));
    for (int ms : kSpeedsMs)
        cboSpeed_->addItem(ReplayText::tr("%1 s a turn").arg(ms / 1000.0, 0, 'g', 2), ms);
    cboSpeed_->setCurrentIndex(1);
    btnClose_ = button("btnClose", ReplayText::tr("&Close"));

    auto* steps = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(btnFirst_), static_cast<QWidget*>(btnBack_),
                       static_cast<QWidget*>(btnPlay_), static_cast<QWidget*>(btnForward_),
                       static_cast<QWidget*>(btnLast_), static_cast<QWidget*>(cboSpeed_)})
        steps->addWidget(w);
    steps->addStretch();
    steps->addWidget(btnClose_);
    auto* all = new QVBoxLayout(this);
    all->addWidget(cboGame_);
    all->addWidget(lblTable_);
    all->addWidget(lblTurn_);
    all->addWidget(sldTurn_);
    all->addLayout(steps);
    // The table keeps its size: the dialog is never smaller than its parts.
    all->setSizeConstraint(QLayout::SetMinimumSize);

    connect(&timer_, &QTimer::timeout, this, [this] {
        if (step_ >= Steps())
            SetPlaying(false);
        else
            SetStep(step_ + 1);
    });
    connect(cboSpeed_, &QComboBox::currentIndexChanged, this,
            [this] { timer_.setInterval(cboSpeed_->currentData().toInt()); });
    timer_.setInterval(cboSpeed_->currentData().toInt());
    connect(sldTurn_, &QSlider::valueChanged, this, [this](int v) { SetStep(v); });
    connect(btnFirst_, &QPushButton::clicked, this, [this] { SetStep(0); });
    connect(btnBack_, &QPushButton::clicked, this, [this] { SetStep(step_ - 1); });
    connect(btnForward_, &QPushButton::clicked, this, [this] { SetStep(step_ + 1); });
    connect(btnLast_, &QPushButton::clicked, this, [this] { SetStep(Steps()); });
    connect(btnPlay_, &QPushButton::clicked, this, [this] { SetPlaying(!Playing()); });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cboGame_, &QComboBox::currentIndexChanged, this,
            [this] { ShowGame(cboGame_->currentData().toInt()); });

    index_ = -1;
    const int shown = std::clamp(index, 0, std::max(static_cast<int>(games_.size()) - 1, 0));
    cboGame_->setCurrentIndex(static_cast<int>(games_.size()) - 1 - shown);
    ShowGame(shown);
}

int ReplayViewer::Steps() const {
    if (index_ < 0 || index_ >= static_cast<int>(games_.size())) return 0;
    return static_cast<int>(games_[static_cast<size_t>(index_)].record.turns.size());
}

void ReplayViewer::ShowGame(int index) {
    if (index < 0 || index >= static_cast<int>(games_.size()) || index == index_) return;
    index_ = index;
    recall_ = Recall(games_[static_cast<size_t>(index)].record);
    step_ = -1;
    const QSignalBlocker quiet(sldTurn_);
    sldTurn_->setRange(0, Steps());
    SetStep(0);
}

void ReplayViewer::SetStep(int step) {
    step = std::clamp(step, 0, Steps());
    if (step == step_) return;
    step_ = step;
    {
        const QSignalBlocker quiet(sldTurn_);
        sldTurn_->setValue(step);
    }
    Refresh();
}

void ReplayViewer::SetPlaying(bool on) {
    if (on && step_ >= Steps()) SetStep(0);
    if (on)
        timer_.start();
    else
        timer_.stop();
    btnPlay_->setText(on ? ReplayText::tr("&Pause") : ReplayText::tr("&Play"));
}

QString ReplayViewer::Caption() const {
    if (index_ < 0 || index_ >= static_cast<int>(games_.size())) return QString();
    const TurnRecord& record = games_[static_cast<size_t>(index_)].record;
    if (picture_.isNull())
        return ReplayText::tr("This game cannot be shown: its deal is no longer dealt as it was.");
    if (step_ == 0)
        return ReplayText::tr("Deal %1 as dealt; %2 to come.")
            .arg(QString::fromStdString(record.deal),
                 Counted(Steps(), QT_TRANSLATE_NOOP("ReplayText", "%1 turn"),
                         QT_TRANSLATE_NOOP("ReplayText", "%1 turns")));
    const Turn& turn = record.turns[static_cast<size_t>(step_ - 1)];
    QStringList cards;
    for (const TurnCard& c : turn.cards) cards << CardName(c.card);
    QString text = ReplayText::tr("Turn %1 of %2: %3, %4.")
                       .arg(step_)
                       .arg(Steps())
                       .arg(cards.join(QStringLiteral(", ")), OutcomeText(turn.outcome));
    if (const SlipMark* slip = SlipOf(recall_, step_); slip && slip->turnsAgo > 0) {
        const QString ago = Counted(slip->turnsAgo, QT_TRANSLATE_NOOP("ReplayText", "%1 turn"),
                                    QT_TRANSLATE_NOOP("ReplayText", "%1 turns"));
        text += QLatin1Char(' ');
        text += slip->partner == slip->card
                    ? ReplayText::tr("It had been seen %1 before (row %2, column %3).")
                          .arg(ago)
                          .arg(slip->row + 1)
                          .arg(slip->column + 1)
                    : ReplayText::tr(
                          "%1 should have been paired: its partner had been seen %2 "
                          "before (row %3, column %4).")
                          .arg(CardName(slip->card), ago)
                          .arg(slip->row + 1)
                          .arg(slip->column + 1);
    }
    return text;
}

void ReplayViewer::Refresh() {
    if (index_ < 0 || index_ >= static_cast<int>(games_.size())) return;
    const TurnRecord& record = games_[static_cast<size_t>(index_)].record;
    ReplayPicture shot = RenderReplayStep(gameId_, record, step_, kDrawSize);
    const double fx = static_cast<double>(kTableSize.width()) / kDrawSize.width();
    const double fy = static_cast<double>(kTableSize.height()) / kDrawSize.height();
    auto scaled = [&](const QRect& r) {
        return r.isNull() ? r
                          : QRectF(r.x() * fx, r.y() * fy, r.width() * fx, r.height() * fy)
                                .toAlignedRect();
    };
    shot.shouldBePaired = scaled(shot.shouldBePaired);
    shot.partnerSeen = scaled(shot.partnerSeen);
    picture_ = shot.table.isNull()
                   ? shot.table
                   : shot.table.scaled(kTableSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!picture_.isNull()) {
        QPainter p(&picture_);
        p.setRenderHint(QPainter::Antialiasing);
        // The slip's card in amber, where its partner had been in red.
        if (!shot.shouldBePaired.isNull()) {
            p.setPen(QPen(QColor(255, 170, 0), 4));
            p.drawRoundedRect(shot.shouldBePaired.adjusted(-3, -3, 3, 3), 4, 4);
        }
        if (!shot.partnerSeen.isNull()) {
            p.setPen(QPen(QColor(220, 0, 0), 4, Qt::DashLine));
            p.drawRoundedRect(shot.partnerSeen.adjusted(-3, -3, 3, 3), 4, 4);
            if (!shot.shouldBePaired.isNull() && shot.shouldBePaired != shot.partnerSeen) {
                p.setPen(QPen(QColor(220, 0, 0), 2));
                p.drawLine(shot.shouldBePaired.center(), shot.partnerSeen.center());
            }
        }
    }
    lblTable_->setPixmap(QPixmap::fromImage(picture_));
    lblTurn_->setText(Caption());
    btnFirst_->setEnabled(step_ > 0);
    btnBack_->setEnabled(step_ > 0);
    btnForward_->setEnabled(step_ < Steps());
    btnLast_->setEnabled(step_ < Steps());
}

void OpenReplays(QWidget* parent, int gameId, const std::string& player) {
    std::vector<StoredReplay> games = ReadReplays(gameId, player);
    if (games.empty()) {
        Dialogs().Info(ReplayText::tr("No finished game of this game has been kept to replay yet.")
                           .toStdString());
        return;
    }
    const int last = static_cast<int>(games.size()) - 1;
    ReplayViewer viewer(gameId, std::move(games), last, parent);
    viewer.exec();
}

}  // namespace bw
