#include "app/statistics_window.h"

#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/help_window.h"
#include "app/name_text.h"
#include "app/open_game_dialog.h"
#include "app/replay_viewer.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rule_names.h"
#include "storage/catalogue.h"
#include "storage/daily.h"
#include "storage/players.h"
#include "storage/replays.h"

namespace bw {

namespace {

struct StatisticsText {
    Q_DECLARE_TR_FUNCTIONS(StatisticsText)
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string OneDecimal(double v) {
    return QString::number(v, 'f', 1).toStdString();
}

std::string Time(long seconds) {
    return FormatElapsed(int64_t{seconds} * 1000);
}

// The goal kind of a game, from its rule column.
int GoalOf(int gameId) {
    const std::vector<int> v = GameRuleValues(gameId, {rule::kGoalKind, rule::kScoreToWin});
    return v.empty() ? 0 : v[0];
}

const char* const kHeaders[] = {QT_TRANSLATE_NOOP("StatisticsText", "Game"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Played"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Won"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Win %"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Best\nscore"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Best\ntime"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Average\nscore"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Current\nstreak"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Longest\nstreak"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Perfect\ngames"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Misses\nper game"),
                                QT_TRANSLATE_NOOP("StatisticsText", "Slips\nper game")};

// A scale of about `steps` round steps covering lo..hi.
struct Scale {
    double lo, hi, step;
};
Scale NiceScale(double lo, double hi, int steps) {
    if (hi - lo < 1e-9) {
        lo -= 5;
        hi += 5;
    }
    const double raw = (hi - lo) / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw) {
            step = m * magnitude;
            break;
        }
    return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

}  // namespace

std::vector<std::string> StatisticsRow(const ResultRecord& r, bool countsSlips) {
    const std::string none = "-";
    if (r.played == 0) return {"0", "0", none, none, none, none, none, none, none, none, none};
    const double played = static_cast<double>(r.played);
    return {std::to_string(r.played),
            std::to_string(r.won),
            std::to_string((r.won * 100 + r.played / 2) / r.played) + "%",
            std::to_string(r.bestScore),
            r.won > 0 ? Time(r.bestTime) : none,
            OneDecimal(static_cast<double>(r.totalScore) / played),
            std::to_string(r.streak),
            std::to_string(r.longestStreak),
            std::to_string(r.perfect),
            OneDecimal(static_cast<double>(r.misses) / played),
            countsSlips ? OneDecimal(static_cast<double>(r.slips) / played) : none};
}

QString GameRowName(const std::string& name, int lookMs) {
    if (lookMs == 0) return Q(name);
    return StatisticsText::tr("%1 (look %2 s)")
        .arg(Q(name), QLocale().toString(lookMs / 1000.0, 'f', 1));
}

// ---------------------------------------------------------------------------

MemoryPlot::MemoryPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(160);
}

void MemoryPlot::SetSummary(const MemorySummary& summary) {
    summary_ = summary;
    update();
}

void MemoryPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = p.fontMetrics();
    const int gap = 12, head = fm.height() + 6;
    const int w = (width() - 4 * gap) / 3;
    const QRect spans(gap, head, w, height() - head - fm.height() - 10);
    const QRect slips(spans.right() + gap, head, w, spans.height());
    const QRect heat(slips.right() + gap, head, w, spans.height());
    p.setPen(palette().text().color());
    p.drawText(QRect(spans.left(), 2, w, head), Qt::AlignLeft,
               StatisticsText::tr("Recall span (turns)"));
    p.drawText(QRect(slips.left(), 2, w, head), Qt::AlignLeft,
               StatisticsText::tr("Slips per game, with trend"));
    p.drawText(QRect(heat.left(), 2, w, head), Qt::AlignLeft,
               StatisticsText::tr("Where slips happen"));
    if (summary_.slipsPerGame.empty()) {
        p.drawText(rect(), Qt::AlignCenter, StatisticsText::tr(statistics_msg::kNoGames));
        return;
    }

    // Recall spans: one bar per band.
    static const char* kBands[kSpanBands] = {"1", "2", "3", "4", "5", "6-10", "11-20", "21+"};
    const int most =
        std::max(1, *std::max_element(summary_.spanBands.begin(), summary_.spanBands.end()));
    const int bw = spans.width() / kSpanBands;
    for (int i = 0; i < kSpanBands; ++i) {
        const int h = summary_.spanBands[static_cast<size_t>(i)] * spans.height() / most;
        p.fillRect(spans.left() + i * bw + 2, spans.bottom() - h, bw - 4, h, QColor(40, 120, 200));
        p.drawText(QRect(spans.left() + i * bw, spans.bottom() + 2, bw, fm.height()),
                   Qt::AlignHCenter, QString::fromLatin1(kBands[i]));
    }

    // Slips per game, oldest on the left, and the trend line over them.
    const auto& per = summary_.slipsPerGame;
    const int top = std::max(1, *std::max_element(per.begin(), per.end()));
    // Bars no wider than a tenth of the plot, so one game is not a wall.
    const double step =
        static_cast<double>(slips.width()) / static_cast<double>(std::max<size_t>(per.size(), 10));
    auto y = [&](double v) { return slips.bottom() - v * slips.height() / top; };
    for (size_t i = 0; i < per.size(); ++i)
        p.fillRect(QRectF(slips.left() + static_cast<double>(i) * step + 1, y(per[i]),
                          std::max(1.0, step - 2), slips.bottom() - y(per[i])),
                   QColor(200, 60, 40));
    p.setPen(QPen(palette().text().color(), 2, Qt::DashLine));
    const double lastX = slips.left() + (static_cast<double>(per.size()) - 0.5) * step;
    p.drawLine(QPointF(slips.left() + step / 2, y(std::max(0.0, summary_.trendFirst))),
               QPointF(lastX, y(std::max(0.0, summary_.trendLast))));
    p.setPen(palette().text().color());
    p.drawText(QRect(slips.left(), slips.bottom() + 2, slips.width(), fm.height()),
               Qt::AlignHCenter,
               per.size() == 1 ? StatisticsText::tr("the last game")
                               : StatisticsText::tr("last %1 games").arg(per.size()));

    // The heat map: a cell per grid place, darker for more slips.
    const SlipHeat& map = summary_.heat;
    if (map.rows == 0 || map.columns == 0) {
        p.drawText(heat, Qt::AlignCenter, StatisticsText::tr("No slips"));
        return;
    }
    const int cell = std::max(4, std::min(heat.width() / map.columns, heat.height() / map.rows));
    const int hottest = std::max(1, map.Most());
    for (int r = 0; r < map.rows; ++r)
        for (int c = 0; c < map.columns; ++c) {
            const int n = map.At(r, c);
            const QRect box(heat.left() + c * cell, heat.top() + r * cell, cell - 2, cell - 2);
            p.fillRect(box, QColor(255 - 20 * (n == 0), 255 - 20 * (n == 0) - 200 * n / hottest,
                                   255 - 20 * (n == 0) - 215 * n / hottest));
            p.drawRect(box);
            if (n > 0) p.drawText(box, Qt::AlignCenter, QString::number(n));
        }
}

ResultsPlot::ResultsPlot(QWidget* parent) : QWidget(parent) {
    setObjectName("imgPlot");
    setMinimumSize(560, 220);
}

void ResultsPlot::SetResults(const std::vector<GameResult>& history, bool hasTarget,
                             int scoreToWin) {
    history_ = history;
    hasTarget_ = hasTarget;
    scoreToWin_ = scoreToWin;
    update();
}

void ResultsPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm = p.fontMetrics();
    if (history_.empty()) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(rect(), Qt::AlignCenter, StatisticsText::tr(statistics_msg::kNoGames));
        return;
    }
    const QRect area = rect().adjusted(52, 28, -58, -26);

    double lo = history_.front().score, hi = lo;
    long longest = 0;
    for (const GameResult& g : history_) {
        lo = std::min<double>(lo, g.score);
        hi = std::max<double>(hi, g.score);
        longest = std::max<long>(longest, g.seconds);
    }
    if (hasTarget_) {
        lo = std::min<double>(lo, scoreToWin_);
        hi = std::max<double>(hi, scoreToWin_);
    }
    // A little room above and below, so that no dot or the target line sits
    // on the plot's edge (or under the legend).
    const double pad = std::max(1.0, (hi - lo) * 0.08);
    const Scale score = NiceScale(lo - pad, hi + pad, 5);
    const Scale time = NiceScale(0, static_cast<double>(std::max<long>(longest, 60)), 4);
    auto yScore = [&](double v) {
        return area.bottom() - (v - score.lo) / (score.hi - score.lo) * area.height();
    };
    auto yTime = [&](double v) { return area.bottom() - v / time.hi * area.height(); };
    const int columns = std::max<int>(static_cast<int>(history_.size()), 10);
    const double slot = static_cast<double>(area.width()) / columns;
    auto x = [&](size_t i) { return area.left() + (static_cast<double>(i) + 0.5) * slot; };

    // Grid and the score scale on the left.
    for (double v = score.lo; v <= score.hi + score.step / 2; v += score.step) {
        const double y = yScore(v);
        p.setPen(QColor(230, 230, 230));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(0, y - 8, area.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', 0));
    }
    // The time scale on the right.
    p.setPen(QColor(40, 90, 170));
    for (double v = 0; v <= time.hi + time.step / 2; v += time.step)
        p.drawText(QRectF(area.right() + 6, yTime(v) - 8, 56, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   Q(Time(static_cast<long>(v))));

    // Times as bars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 220, 110));
    for (size_t i = 0; i < history_.size(); ++i) {
        const double top = yTime(history_[i].seconds);
        p.drawRect(QRectF(x(i) - slot * 0.3, top, slot * 0.6, area.bottom() - top));
    }
    if (hasTarget_) {
        QPen dashed(QColor(30, 120, 40), 1, Qt::DashLine);
        p.setPen(dashed);
        const double y = yScore(scoreToWin_);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        // Under the line where the legend would cover it.
        p.drawText(QPointF(area.left() + 4, y - area.top() < 16 ? y + fm.ascent() + 2 : y - 3),
                   StatisticsText::tr("to win"));
    }
    // Scores as a line through dots, green won and red lost.
    QPainterPath line;
    for (size_t i = 0; i < history_.size(); ++i) {
        const QPointF pt(x(i), yScore(history_[i].score));
        if (i == 0)
            line.moveTo(pt);
        else
            line.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.drawPath(line);
    for (size_t i = 0; i < history_.size(); ++i) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(history_[i].won ? QColor(40, 160, 60) : QColor(200, 50, 40));
        p.drawEllipse(QPointF(x(i), yScore(history_[i].score)), 4.5, 4.5);
    }

    // Game numbers under the plot, oldest first.
    p.setPen(QColor(60, 60, 60));
    for (size_t i = 0; i < history_.size(); ++i) {
        const size_t n = i + 1;
        if (n != 1 && n % 5 != 0 && n != history_.size()) continue;
        p.drawText(QRectF(x(i) - 15, area.bottom() + 4, 30, 16), Qt::AlignCenter,
                   QString::number(n));
    }
    p.setPen(QColor(160, 160, 160));
    p.drawLine(area.bottomLeft(), area.bottomRight());

    // Legend.
    int lx = area.left();
    const int ly = 8;
    p.setPen(Qt::NoPen);
    for (const auto& [colour, text] :
         {std::pair{QColor(40, 160, 60),
                    QT_TRANSLATE_NOOP("StatisticsText", "score of a won game")},
          std::pair{QColor(200, 50, 40),
                    QT_TRANSLATE_NOOP("StatisticsText", "score of a lost game")}}) {
        p.setBrush(colour);
        p.drawEllipse(QPointF(lx + 5, ly + 7), 4.5, 4.5);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QPointF(lx + 14, ly + 11), StatisticsText::tr(text));
        lx += 24 + fm.horizontalAdvance(StatisticsText::tr(text));
        p.setPen(Qt::NoPen);
    }
    p.setBrush(QColor(90, 140, 220, 110));
    p.drawRect(QRectF(lx, ly + 2, 10, 10));
    p.setPen(QColor(40, 40, 40));
    p.drawText(QPointF(lx + 14, ly + 11), StatisticsText::tr("time"));
}

// ---------------------------------------------------------------------------

TfrmStatistics::TfrmStatistics(const Game& game, QWidget* parent)
    : C_TAdvancedDialog(parent), game_(game) {
    setObjectName("frmStatistics");
    setWindowTitle(StatisticsText::tr("Statistics"));
    setFont(QFont("Tahoma", 8));

    lblPlayer = new QLabel(StatisticsText::tr("Pla&yer:"), this);
    cboPlayers = new QComboBox(this);
    cboPlayers->setObjectName("cboPlayers");
    cboPlayers->setMinimumWidth(200);
    lblPlayer->setBuddy(cboPlayers);

    grdGames = new QTableWidget(this);
    grdGames->setObjectName("grdGames");
    grdGames->setAccessibleName(QStringLiteral("Games"));
    grdGames->setColumnCount(static_cast<int>(std::size(kHeaders)));
    QStringList headers;
    for (const char* h : kHeaders) headers << StatisticsText::tr(h);
    grdGames->setHorizontalHeaderLabels(headers);
    grdGames->verticalHeader()->hide();
    grdGames->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdGames->setSelectionMode(QAbstractItemView::SingleSelection);
    grdGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdGames->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdGames->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdGames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    lblPlot = new QLabel(this);
    lblPlot->setObjectName("lblPlot");
    lblDaily = new QLabel(this);
    lblDaily->setObjectName("lblDaily");
    imgPlot = new ResultsPlot(this);
    imgMemory = new MemoryPlot(this);
    imgMemory->setObjectName("imgMemory");
    pgcPlots = new QTabWidget(this);
    pgcPlots->setObjectName("pgcPlots");
    pgcPlots->setAccessibleName(StatisticsText::tr("Plots"));
    auto* scorePage = new QWidget(pgcPlots);
    auto* scoreLayout = new QVBoxLayout(scorePage);
    scoreLayout->addWidget(lblPlot);
    scoreLayout->addWidget(imgPlot, 1);
    pgcPlots->addTab(scorePage, StatisticsText::tr("Score and time"));
    pgcPlots->addTab(imgMemory, StatisticsText::tr("Memory"));

    btnReset = new QPushButton(StatisticsText::tr("&Reset..."), this);
    btnReset->setObjectName("btnReset");
    btnReplay = new QPushButton(StatisticsText::tr("Re&play..."), this);
    btnReplay->setObjectName("btnReplay");
    btnHelp = new QPushButton(StatisticsText::tr("&Help"), this);
    btnHelp->setObjectName("btnHelp");
    btnClose = new QPushButton(StatisticsText::tr("Close"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    // The style's hint leaves a long translated text touching the frame.
    for (QPushButton* b : {btnReset, btnReplay, btnHelp, btnClose})
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) +
                           16);

    auto* top = new QHBoxLayout;
    top->addWidget(lblPlayer);
    top->addWidget(cboPlayers);
    top->addStretch(1);
    top->addWidget(lblDaily);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnReset);
    buttons->addWidget(btnReplay);
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnClose);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(grdGames);
    all->addWidget(pgcPlots, 1);
    all->addLayout(buttons);

    for (const TreeGame& g : BuildGameList()) catalogue_.push_back({g.id, g.name});
    games_ = catalogue_;
    grdGames->setRowCount(static_cast<int>(games_.size()));

    connect(cboPlayers, &QComboBox::currentIndexChanged, this, [this] { cboPlayersChange(); });
    connect(grdGames, &QTableWidget::currentCellChanged, this, [this] { grdGamesChange(); });
    connect(btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    // Any of the selected game's last games, from the viewer's list.
    connect(btnReplay, &QPushButton::clicked, this,
            [this] { OpenReplays(this, SelectedGame(), SelectedPlayer()); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { btnHelpClick(); });
    resize(900, 600);
}

void TfrmStatistics::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    C_TAdvancedDialog::showEvent(event);
}

void TfrmStatistics::FormShow() {
    const std::string current = game_.values.player;
    {
        const QSignalBlocker block(cboPlayers);
        cboPlayers->clear();
        playerNames_ = LoadPlayerNames();
        for (const std::string& name : playerNames_) cboPlayers->addItem(NameText(name));
        int at = cboPlayers->findText(NameText(current), Qt::MatchExactly);
        if (at < 0 && !current.empty()) {
            playerNames_.push_back(current);
            cboPlayers->addItem(NameText(current));
            at = cboPlayers->count() - 1;
        }
        cboPlayers->setCurrentIndex(at);
    }
    const int game = GameId(game_, -1);
    int row = 0;
    for (size_t i = 0; i < games_.size(); ++i)
        if (games_[i].id == game) row = static_cast<int>(i);
    FillTable();
    grdGames->setCurrentCell(row, 0);
    grdGamesChange();
    grdGames->setFocus();
}

std::string TfrmStatistics::SelectedPlayer() const {
    return NameBytes(cboPlayers->currentText(), playerNames_);
}

int TfrmStatistics::SelectedGame() const {
    const int row = grdGames->currentRow();
    return row >= 0 && row < static_cast<int>(games_.size()) ? games_[static_cast<size_t>(row)].id
                                                             : -1;
}

int TfrmStatistics::SelectedLookMs() const {
    const int row = grdGames->currentRow();
    return row >= 0 && row < static_cast<int>(games_.size())
               ? games_[static_cast<size_t>(row)].lookMs
               : 0;
}

void TfrmStatistics::FillTable() {
    BusyCursor busy;
    results_ = ReadPlayerLookResults(SelectedPlayer());
    // Games played with a longer look follow their game, one row per look time.
    games_.clear();
    for (const Row& g : catalogue_) {
        games_.push_back(g);
        for (const auto& [key, record] : results_)
            if (key.gameId == g.id && key.lookMs != 0) games_.push_back({g.id, g.name, key.lookMs});
    }
    const QSignalBlocker block(grdGames);
    grdGames->setRowCount(static_cast<int>(games_.size()));
    for (size_t i = 0; i < games_.size(); ++i) {
        const int row = static_cast<int>(i);
        auto it = results_.find({games_[i].id, games_[i].lookMs});
        const ResultRecord record = it == results_.end() ? ResultRecord{} : it->second;
        std::vector<std::string> cells = {
            GameRowName(games_[i].name, games_[i].lookMs).toStdString()};
        for (std::string& c : StatisticsRow(record, GoalOf(games_[i].id) != 38))
            cells.push_back(std::move(c));
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Q(cells[c]));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdGames->setItem(row, static_cast<int>(c), item);
        }
    }
    grdGames->resizeRowsToContents();
    int height = grdGames->horizontalHeader()->height() + 2 * grdGames->frameWidth();
    for (int r = 0; r < grdGames->rowCount(); ++r) height += grdGames->rowHeight(r);
    grdGames->setFixedHeight(height);
    // The table is shown with its new height at once, not one layout pass
    // later with a gap above the plot.
    layout()->activate();
}

void TfrmStatistics::cboPlayersChange() {
    FillTable();
    grdGamesChange();
}

void TfrmStatistics::grdGamesChange() {
    const int id = SelectedGame();
    auto it = results_.find({id, SelectedLookMs()});
    const int row = grdGames->currentRow();
    const std::string name = row >= 0 && row < static_cast<int>(games_.size())
                                 ? games_[static_cast<size_t>(row)].name
                                 : std::string();
    lblPlot->setText(
        StatisticsText::tr("Last %1 games of %2: score and time")
            .arg(QString::number(kResultHistory), GameRowName(name, SelectedLookMs())));
    const QDate today = QDate::currentDate();
    const long streak =
        DailyStreak(id, SelectedPlayer(), today.year() * 10000 + today.month() * 100 + today.day());
    lblDaily->setText(
        StatisticsText::tr(
            streak == 1 ? QT_TRANSLATE_NOOP("StatisticsText", "Deal of the day: %1 day in a row")
                        : QT_TRANSLATE_NOOP("StatisticsText", "Deal of the day: %1 days in a row"))
            .arg(streak));
    const std::vector<int> rules = GameRuleValues(id, {rule::kScoreToWin});
    const int target = rules.empty() ? 0 : rules[0];
    imgPlot->SetResults(it == results_.end() ? std::vector<GameResult>{} : it->second.history,
                        target != 0, target);
    std::vector<TurnRecord> games;
    for (StoredReplay& g : ReadReplays(id, SelectedPlayer())) games.push_back(std::move(g.record));
    imgMemory->SetSummary(SummarizeMemory(games));
}

void TfrmStatistics::btnResetClick() {
    const std::string player = SelectedPlayer();
    if (player.empty()) return;
    std::string question = StatisticsText::tr(statistics_msg::kConfirmReset).toStdString();
    // A translation without the placeholder still asks, without the name.
    const size_t at = question.find("%s");
    if (at != std::string::npos) question.replace(at, 2, player);
    if (!Dialogs().ConfirmWarning(question)) return;
    ClearPlayerResults(player);
    FillTable();
    grdGamesChange();
    GameWindows().RefreshOpenGameMarks();
}

void TfrmStatistics::btnHelpClick() {
    ShowHelpTopic(ProgramDir() + "quillory.hlp>proc", kStatisticsHelpContext, this);
}

void ShowStatisticsWindow(const Game& game, QWidget* parent) {
    TfrmStatistics form(game, parent);
    form.exec();
}

}  // namespace bw
