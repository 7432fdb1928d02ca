#include "app/memory_end_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/cards.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/state.h"
#include "render/library.h"

namespace bw {

namespace {

struct MemoryEndText {
    Q_DECLARE_TR_FUNCTIONS(MemoryEndText)
};

constexpr int kBadgeWidth = 61;
constexpr int kBadgeHeight = 37;

// The won and lost badges of the library; where it has none, a rounded
// plaque with a tick or a cross and the word. The library's say "Won" and
// "Lost": a translated word gets a plaque of its own, with a narrower mark
// and as wide as the word needs.
QPixmap Badge(bool won) {
    const char* source = won ? QT_TRANSLATE_NOOP("MemoryEndText", "Won")
                             : QT_TRANSLATE_NOOP("MemoryEndText", "Lost");
    const QString word = MemoryEndText::tr(source);
    const bool translated = word != QLatin1String(source);
    if (!translated) {
        const QImage fromLibrary = LibraryBitmap(won ? "BADGE_WON" : "BADGE_LOST");
        if (!fromLibrary.isNull()) return QPixmap::fromImage(fromLibrary);
    }
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(translated ? 11 : 12);
    f.setBold(true);
    const int mark = translated ? 20 : 28;  // room of the tick or cross
    const int advance = QFontMetrics(f).horizontalAdvance(word);
    const int width = translated ? std::max(kBadgeWidth, mark + advance + 10) : kBadgeWidth;
    QPixmap pm(width, kBadgeHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = won ? QColor(0, 150, 60) : QColor(200, 30, 30);
    p.setPen(QPen(fill.darker(150), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, width - 3, kBadgeHeight - 3), 8, 8);
    p.setPen(QPen(Qt::white, translated ? 3.0 : 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double k = mark / 28.0;  // the mark drawn for 28 pixels, scaled to its room
    if (won) {
        const QPointF tick[] = {
            {10 * k, 19}, {16 * k, 26 - 2 * (1 - k)}, {26 * k, 10 + 3 * (1 - k)}};
        p.drawPolyline(tick, 3);
    } else {
        p.drawLine(QPointF(10 * k, 11 + 2 * (1 - k)), QPointF(24 * k, 26 - 2 * (1 - k)));
        p.drawLine(QPointF(24 * k, 11 + 2 * (1 - k)), QPointF(10 * k, 26 - 2 * (1 - k)));
    }
    p.setFont(f);
    p.drawText(QRect(mark, 0, width - mark - (translated ? 4 : 2), kBadgeHeight), Qt::AlignCenter,
               word);
    return pm;
}

struct PageLabels {
    QGroupBox** group;
    QLabel **eachMatch, **eachMiss, **eachMatch2, **eachMiss2;
    QLabel **matches, **misses, **totMatches, **totMisses;
    QLabel **start, **toWin, **total, **badge;
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  int w = 0, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setAlignment(align);
    if (w > 0)
        l->setGeometry(x, y, w, 14);
    else {
        l->move(x, y);
        l->adjustSize();
    }
    return l;
}

// One page: the size group and the "Score " group, with the form's names.
QWidget* BuildPage(const QString& caption, const QString& sizeCaption, const char* const names[12],
                   const char* groupName, const PageLabels& out) {
    auto* page = new QWidget;
    page->setObjectName(caption);
    page->setWindowTitle(caption);
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;

    auto* size = new QGroupBox(sizeCaption, page);
    size->setObjectName(QString::fromLatin1(groupName));
    size->setGeometry(8, 4, 200, 58);
    *out.group = size;
    MakeLabel(size, QString(), MemoryEndText::tr("For each match:"), 12, 20);
    MakeLabel(size, QString(), MemoryEndText::tr("For each miss:"), 12, 37);
    *out.eachMatch = MakeLabel(size, names[0], QString(), 110, 20, 40, right);
    *out.eachMiss = MakeLabel(size, names[1], QString(), 110, 37, 40, right);

    auto* score = new QGroupBox(MemoryEndText::tr("Score "), page);
    score->setGeometry(8, 66, 200, 136);
    MakeLabel(score, QString(), MemoryEndText::tr("Start:"), 12, 20);
    *out.start = MakeLabel(score, names[2], QString(), 140, 20, 44, right);
    MakeLabel(score, QString(), MemoryEndText::tr("Matches:"), 12, 37);
    *out.matches = MakeLabel(score, names[3], QString(), 62, 37, 22, right);
    MakeLabel(score, QString(), QStringLiteral("x"), 86, 37, 10, centre);
    *out.eachMatch2 = MakeLabel(score, names[4], QString(), 96, 37, 24, right);
    MakeLabel(score, QString(), QStringLiteral("="), 122, 37, 12, centre);
    *out.totMatches = MakeLabel(score, names[5], QString(), 140, 37, 44, right);
    MakeLabel(score, QString(), MemoryEndText::tr("Misses"), 12, 54);
    *out.misses = MakeLabel(score, names[6], QString(), 62, 54, 22, right);
    MakeLabel(score, QString(), QStringLiteral("x"), 86, 54, 10, centre);
    *out.eachMiss2 = MakeLabel(score, names[7], QString(), 96, 54, 24, right);
    MakeLabel(score, QString(), QStringLiteral("="), 122, 54, 12, centre);
    *out.totMisses = MakeLabel(score, names[8], QString(), 140, 54, 44, right);
    MakeLabel(score, QString(), MemoryEndText::tr("(Score to win:"), 12, 71);
    *out.toWin = MakeLabel(score, names[9], QString(), 96, 71, 40);

    auto* rule = new QFrame(score);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(130, 90, 58, 2);
    QLabel* totalCaption = MakeLabel(score, QString(), MemoryEndText::tr("Total:"), 12, 100);
    *out.total = MakeLabel(score, names[10], QString(), 140, 100, 44, right);
    for (QLabel* l : {totalCaption, *out.total}) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
    }
    totalCaption->adjustSize();
    *out.badge = new QLabel(score);
    // A wider translated badge starts after its caption (see FormShow).
    (*out.badge)->setProperty("captionEnd", totalCaption->geometry().right());
    (*out.badge)->setObjectName(QString::fromLatin1(names[11]));
    (*out.badge)->setGeometry(60, 90, kBadgeWidth, kBadgeHeight);
    return page;
}

int IntOf(const QLabel* l) {
    return l->text().trimmed().toInt();
}

QString Num(long long n) {
    return QString::number(n);
}

QMainWindow* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMainWindow*>(w)) return m;
    return nullptr;
}

// The cards on the table, in screen coordinates; empty when there is no
// table to look at.
QRect CardsOnScreen(Game& g, QMainWindow* main) {
    auto* table = main ? main->findChild<QWidget*>(QStringLiteral("imgSfondo")) : nullptr;
    if (!table) return {};
    QRect area;
    const int s = CardShadowOffset();
    auto add = [&](int left, int top) {
        if (OnTable(left) && OnTable(top))
            area |= QRect(left, top, g.CardWidth + s, g.CardHeight + s);
    };
    for (int i = 0; i < RuleCount(g, rule::kDests, 16); ++i)
        if (!g.DestPiles[static_cast<size_t>(i)].empty())
            add(g.Options.DestLeft(i), g.Options.DestTop(i));
    for (int r = 0; r < RuleCount(g, rule::kFilas, 40); ++r) {
        const std::string& row = g.FilaPiles[static_cast<size_t>(r)];
        const std::string name = "Fila" + std::to_string(r + 1);
        for (int k = 0; k < SlotCount(row); ++k) {
            if (SlotCode(row, k) < 1) continue;
            const CardPoint p = CardSlotPosition(g, name, r, k);
            add(p.left, p.top);
        }
    }
    if (area.isEmpty()) return {};
    return area.translated(table->mapToGlobal(QPoint(0, 0)));
}

// Where the report (its outer size `frame`) covers none of `cards`: right of
// them, left, below, above, within the screen area; centred on the screen
// when it fits nowhere beside them.
QPoint ReportPlace(const QRect& cards, const QSize& frame, const QRect& screen) {
    constexpr int kGap = 8;
    const int w = frame.width(), h = frame.height();
    auto alongY = [&](int y) { return std::clamp(y, screen.top(), screen.bottom() + 1 - h); };
    auto alongX = [&](int x) { return std::clamp(x, screen.left(), screen.right() + 1 - w); };
    if (!cards.isEmpty() && w <= screen.width() && h <= screen.height()) {
        const int midY = alongY(cards.center().y() - h / 2);
        const int midX = alongX(cards.center().x() - w / 2);
        for (const QPoint& p :
             {QPoint(cards.right() + 1 + kGap, midY), QPoint(cards.left() - kGap - w, midY),
              QPoint(midX, cards.bottom() + 1 + kGap), QPoint(midX, cards.top() - kGap - h)})
            if (screen.contains(QRect(p, frame))) return p;
    }
    return screen.center() - QPoint(w / 2, h / 2);
}

// The screen area the main window lies on, from the screen port.
QRect ScreenOf(QMainWindow* main) {
    const std::vector<ScreenArea> areas = Screen().Areas();
    if (areas.empty()) return QRect(0, 0, Screen().Width(), Screen().Height());
    const QPoint centre = main ? main->frameGeometry().center() : QPoint();
    for (const ScreenArea& a : areas) {
        const QRect r(a.left, a.top, a.width, a.height);
        if (r.contains(centre)) return r;
    }
    return QRect(areas[0].left, areas[0].top, areas[0].width, areas[0].height);
}

}  // namespace

TfrmMemoryEnd::TfrmMemoryEnd(Game& game, QWidget* owner) : C_TAdvancedDialog(owner), game_(game) {
    setObjectName(QStringLiteral("frmMemoryEnd"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(216, 248);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    imgGreen = new QLabel(this);
    imgGreen->setObjectName(QStringLiteral("imgGreen"));
    imgGreen->setPixmap(Badge(true));
    imgGreen->hide();
    imgRed = new QLabel(this);
    imgRed->setObjectName(QStringLiteral("imgRed"));
    imgRed->setPixmap(Badge(false));
    imgRed->hide();

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(0, 0, 216, 206);

    static const char* const kPairs[12] = {"lblEachMatch",  "lblEachMiss",   "lblStartScore",
                                           "lblMatches",    "lblEachMatch2", "lblTotMatches",
                                           "lblMisses",     "lblEachMiss2",  "lblTotMisses",
                                           "lblScoreToWin", "lblTotalPair",  "imgPair"};
    static const char* const kSequence[12] = {
        "lblEachSequence",       "lblMissSequence",      "lblStartScoreSequence",
        "lblMatchesSequence",    "lblEachMatchSequence", "lblTotMatchesSequence",
        "lblMissesSequence",     "lblEachMissSequence",  "lblTotMissesSequence",
        "lblScoreToWinSequence", "lblTotalSequence",     "imgSequence"};
    static const char* const kFmn[12] = {"lblEachFmn",       "lblMissFmn",  "lblStartScoreFmn",
                                         "lblMatchesFmn",    "lblEachFmn2", "lblTotMatchesFmn",
                                         "lblMissesFmn",     "lblMissFmn2", "lblTotMissesFmn",
                                         "lblScoreToWinFmn", "LblTotalFmn", "imgForgetMeNot"};
    static const char* const kCon[12] = {"lblEachCon",       "lblMissCon",  "lblStartScoreCon",
                                         "lblMatchesCon",    "lblEachCon2", "lblTotMatchesCon",
                                         "lblMissesCon",     "lblMissCon2", "lblTotMissesCon",
                                         "lblScoreToWinCon", "lblTotalCon", "imgConcentration"};

    Notebook1->addWidget(
        BuildPage(MemoryEndText::tr("Pairs"), MemoryEndText::tr("Grid: 6 x 4 "), kPairs, "grbGrid",
                  {&grbGrid, &lblEachMatch, &lblEachMiss, &lblEachMatch2, &lblEachMiss2,
                   &lblMatches, &lblMisses, &lblTotMatches, &lblTotMisses, &lblStartScore,
                   &lblScoreToWin, &lblTotalPair, &imgPair}));
    Notebook1->addWidget(BuildPage(
        QStringLiteral("Ace-To-King"), MemoryEndText::tr("Sequence "), kSequence, "grbSequence",
        {&grbSequence, &lblEachSequence, &lblMissSequence, &lblEachMatchSequence,
         &lblEachMissSequence, &lblMatchesSequence, &lblMissesSequence, &lblTotMatchesSequence,
         &lblTotMissesSequence, &lblStartScoreSequence, &lblScoreToWinSequence, &lblTotalSequence,
         &imgSequence}));
    Notebook1->addWidget(
        BuildPage(QStringLiteral("Forget me not"), MemoryEndText::tr("Cards: 10 "), kFmn, "grbFmn",
                  {&grbFmn, &lblEachFmn, &lblMissFmn, &lblEachFmn2, &lblMissFmn2, &lblMatchesFmn,
                   &lblMissesFmn, &lblTotMatchesFmn, &lblTotMissesFmn, &lblStartScoreFmn,
                   &lblScoreToWinFmn, &LblTotalFmn, &imgForgetMeNot}));
    Notebook1->addWidget(
        BuildPage(QStringLiteral("Concentration"), MemoryEndText::tr("Cards: 52 "), kCon, "grbCon",
                  {&grbCon, &lblEachCon, &lblMissCon, &lblEachCon2, &lblMissCon2, &lblMatchesCon,
                   &lblMissesCon, &lblTotMatchesCon, &lblTotMissesCon, &lblStartScoreCon,
                   &lblScoreToWinCon, &lblTotalCon, &imgConcentration}));

    btnOK = new QPushButton(MemoryEndText::tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(70, 214, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
    ApplyFontFallback(this);
}

void TfrmMemoryEnd::FormCreate() {
    struct Row {
        QLabel *start, *match, *miss, *match2, *miss2;
        const char *startText, *matchText, *missText;
    };
    const Row rows[] = {
        {lblStartScore, lblEachMatch, lblEachMiss, lblEachMatch2, lblEachMiss2, "-52", "10", "-2"},
        {lblStartScoreSequence, lblEachSequence, lblMissSequence, lblEachMatchSequence,
         lblEachMissSequence, "-52", "15", "-1"},
        {lblStartScoreFmn, lblEachFmn, lblMissFmn, lblEachFmn2, lblMissFmn2, "-52", "10", "0"},
        {lblStartScoreCon, lblEachCon, lblMissCon, lblEachCon2, lblMissCon2, "-52", "7", "-1"},
    };
    for (const Row& r : rows) {
        r.start->setText(QString::fromLatin1(r.startText));
        r.match->setText(QString::fromLatin1(r.matchText));
        r.match2->setText(QString::fromLatin1(r.matchText));
        r.miss->setText(QString::fromLatin1(r.missText));
        r.miss2->setText(QString::fromLatin1(r.missText));
    }
}

bool TfrmMemoryEnd::Prepare(bool won) {
    const int kind = Rule(game_, rule::kGoalKind);
    if (!IsMemoryKind(kind)) return false;
    won_ = won;
    setWindowTitle(won ? MemoryEndText::tr("Game Won") : MemoryEndText::tr("Game Lost"));

    const int misses = game_.Options.Opt(opt::kMisses);
    const QString toWin = Num(Rule(game_, rule::kScoreToWin)) + QStringLiteral(")");
    const QString total = QString::fromStdString(game_.values.score);
    const long long pairs = static_cast<long long>(game_.MazzoPiles[2].size() / 6);

    switch (kind) {
        case goal::kPairs: {  // MemoryEndText::tr("Pairs")
            Notebook1->setCurrentIndex(0);
            lblMatches->setText(Num(pairs));
            lblMisses->setText(Num(misses));
            lblScoreToWin->setText(toWin);
            switch (Rule(game_, rule::kFilas)) {
                case 3: grbGrid->setTitle(MemoryEndText::tr("Grid: 4 x 3")); break;
                case 4: grbGrid->setTitle(MemoryEndText::tr("Grid: 6 x 4")); break;
                case 5: grbGrid->setTitle(MemoryEndText::tr("Grid: 8 x 5")); break;
                default: break;  // the design caption stays
            }
            lblTotMatches->setText(
                Num(IntOf(lblMatches) * static_cast<long long>(IntOf(lblEachMatch))));
            lblTotMisses->setText(Num(IntOf(lblMisses) * -2LL));
            lblTotalPair->setText(total);
            break;
        }
        case goal::kAceToKing: {  // "Ace-To-King"
            Notebook1->setCurrentIndex(1);
            lblMatchesSequence->setText(Num(RecordedRunLength(game_)));
            lblMissesSequence->setText(Num(misses));
            lblTotMatchesSequence->setText(
                Num(IntOf(lblMatchesSequence) * static_cast<long long>(IntOf(lblEachSequence))));
            lblTotMissesSequence->setText(Num(-static_cast<long long>(IntOf(lblMissesSequence))));
            lblTotalSequence->setText(total);
            lblScoreToWinSequence->setText(toWin);
            break;
        }
        case goal::kForgetMeNot: {  // "Forget me not"
            Notebook1->setCurrentIndex(2);
            const int matches = TwinMatchCount(game_);
            lblMatchesFmn->setText(Num(matches));
            lblMissesFmn->setText(Num(10 - matches));
            lblTotMatchesFmn->setText(
                Num(static_cast<long long>(IntOf(lblEachFmn)) * IntOf(lblMatchesFmn)));
            lblTotMissesFmn->setText(QStringLiteral("0"));
            LblTotalFmn->setText(total);
            lblScoreToWinFmn->setText(toWin);
            break;
        }
        case goal::kConcentration: {  // "Concentration"
            Notebook1->setCurrentIndex(3);
            lblMatchesCon->setText(Num(pairs));
            lblMissesCon->setText(Num(misses));
            lblScoreToWinCon->setText(toWin);
            lblTotMatchesCon->setText(
                Num(IntOf(lblMatchesCon) * static_cast<long long>(IntOf(lblEachCon))));
            lblTotMissesCon->setText(Num(-static_cast<long long>(IntOf(lblMissesCon))));
            lblTotalCon->setText(total);
            break;
        }
    }
    return true;
}

QLabel* TfrmMemoryEnd::BadgeOfPage(int page) const {
    switch (page) {
        case 0: return imgPair;
        case 1: return imgSequence;
        case 2: return imgForgetMeNot;
        default: return imgConcentration;
    }
}

void TfrmMemoryEnd::showEvent(QShowEvent* event) {
    C_TAdvancedDialog::showEvent(event);
    FormShow();
}

void TfrmMemoryEnd::FormShow() {
    QLabel* badge = BadgeOfPage(Notebook1->currentIndex());
    badge->setPixmap((won_ ? imgGreen : imgRed)->pixmap());
    badge->resize(badge->pixmap().size());
    if (badge->width() > kBadgeWidth)
        badge->move(std::max(60, badge->property("captionEnd").toInt() + 5), badge->y());
    repaint();
}

void TfrmMemoryEnd::done(int result) {
    FormClose();
    C_TAdvancedDialog::done(result);
}

void TfrmMemoryEnd::FormClose() {
    // Closed after the game has already ended: clear the table of its cards.
    if (Flag(game_, flag::kInProgress)) return;
    // The window shows again what the report covered as soon as it is gone.
    hide();
    TableView().PaintEmptyTable();
}

void ShowMemoryEnd(Game& game, bool won) {
    const int kind = Rule(game, rule::kGoalKind);
    if (!IsMemoryKind(kind)) return;
    QMainWindow* main = MainWindow();
    {
        TfrmMemoryEnd dialog(game, main);
        dialog.Prepare(won);
        // The player wants to see the revealed table beside the report. The
        // window frame is not known before the dialog is mapped: allow for
        // a usual caption and borders.
        dialog.adjustSize();
        const QSize frame = dialog.size() + QSize(2 * 4, 30 + 4);
        if (WindowPositionsKnown())
            dialog.move(ReportPlace(CardsOnScreen(game, main), frame, ScreenOf(main)));
        dialog.exec();
    }
}

}  // namespace bw
