#include "app/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <cstring>
#include <utility>

#include "app/deal_number_dialog.h"
#include "app/help_window.h"
#include "app/memory_end_dialog.h"
#include "app/name_text.h"
#include "app/open_game_dialog.h"
#include "app/placeholders.h"
#include "app/product_info.h"
#include "app/replay_viewer.h"
#include "app/resume.h"
#include "app/shell_hooks.h"
#include "app/startup.h"
#include "app/statistics_window.h"
#include "app/table_accessible.h"
#include "app/translation.h"
#include "core/autoplay.h"
#include "core/card_size.h"
#include "core/deal.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/game_status.h"
#include "core/match.h"
#include "core/memory_log.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/rules.h"
#include "core/sounds.h"
#include "core/state.h"
#include "interaction/drag.h"
#include "interaction/keyboard.h"
#include "interaction/press.h"
#include "interaction/shortcuts.h"
#include "interaction/undo.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "render/win_animations.h"
#include "storage/autoplay_prefs.h"
#include "storage/catalogue.h"
#include "storage/preferences.h"
#include "storage/replays.h"
#include "storage/statistics.h"

namespace bw {

IShellCommands& ShellCommands() {
    return Installed<IShellCommands>();
}

namespace {

struct MainWindowText {
    Q_DECLARE_TR_FUNCTIONS(MainWindowText)
};

constexpr int kTimeWidth = 80;
constexpr int kScoreWidth = 70;
constexpr int kPanelMargin = 15;  // from the window's right edge
constexpr int kPanelGap = 5;      // between the score and the time panel
constexpr int kBarClearance = 3;
constexpr int kBestWidth = 120;     // the best-run line, at least
constexpr int kBestLine = 3;        // the thickness of its progress line
constexpr int kPlayerNameGap = 12;  // between the bar's last button and the player
constexpr int kStatusHeight = 19;
constexpr int kMinimumWidth = 240, kMinimumHeight = 160;  // with no game on the table

QString Expanded(const char* text) {
    return QString::fromStdString(ExpandPlaceholders(MainWindowText::tr(text).toStdString()));
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys) {
    QAction* a = menu->addAction(Expanded(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty()) a->setShortcut(keys);
    return a;
}

// A panel's width: its own, wider by what a translated caption needs more
// than the English one.
int FittedWidth(const QLabel* caption, const char* english, int width) {
    const QFontMetrics fm = caption->fontMetrics();
    return width + qMax(0, fm.horizontalAdvance(caption->text()) -
                               fm.horizontalAdvance(QString::fromLatin1(english)));
}

QString BestText(int best, int total) {
    return MainWindowText::tr("Best: %1 of %2 pairs").arg(best).arg(total);
}

QFrame* Panel(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setAutoFillBackground(true);
    return f;
}

// A tool bar picture that the library lacks falls back to the style's glyph.
QIcon FallbackIcon(const std::string& name) {
    QStyle* s = QApplication::style();
    if (name.rfind("TB_NEW", 0) == 0) return s->standardIcon(QStyle::SP_FileIcon);
    if (name.rfind("TB_OPEN", 0) == 0) return s->standardIcon(QStyle::SP_DialogOpenButton);
    if (name.rfind("TB_UNDO", 0) == 0) return s->standardIcon(QStyle::SP_ArrowBack);
    if (name.rfind("TB_REDO", 0) == 0) return s->standardIcon(QStyle::SP_ArrowForward);
    if (name.rfind("TB_AUTOPLAY", 0) == 0) return s->standardIcon(QStyle::SP_MediaSeekForward);
    if (name.rfind("TB_RULES", 0) == 0) return s->standardIcon(QStyle::SP_DialogHelpButton);
    if (name.rfind("TB_STAT", 0) == 0) return s->standardIcon(QStyle::SP_FileDialogDetailedView);
    if (name.rfind("TB_RESTART", 0) == 0) return s->standardIcon(QStyle::SP_BrowserReload);
    return s->standardIcon(QStyle::SP_DialogCloseButton);
}

// While it lives, the first key or mouse press stops the winning show and is
// swallowed.
class WinShowStopper : public QObject {
public:
    explicit WinShowStopper(Game& game) : game_(game) { qApp->installEventFilter(this); }
    ~WinShowStopper() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::NonClientAreaMouseButtonPress: StopWinningAnimation(game_); return true;
            default: return false;
        }
    }

private:
    Game& game_;
};

bool TableKeyOf(int qt, TableKey& key) {
    switch (qt) {
        case Qt::Key_Left: key = TableKey::kLeft; return true;
        case Qt::Key_Right: key = TableKey::kRight; return true;
        case Qt::Key_Up: key = TableKey::kUp; return true;
        case Qt::Key_Down: key = TableKey::kDown; return true;
        case Qt::Key_Home: key = TableKey::kHome; return true;
        case Qt::Key_End: key = TableKey::kEnd; return true;
        case Qt::Key_Space: key = TableKey::kSpace; return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: key = TableKey::kReturn; return true;
        case Qt::Key_Escape: key = TableKey::kEscape; return true;
        default: return false;
    }
}

bool ButtonOf(Qt::MouseButton qt, MouseButton& button) {
    switch (qt) {
        case Qt::LeftButton: button = MouseButton::kLeft; return true;
        case Qt::RightButton: button = MouseButton::kRight; return true;
        case Qt::MiddleButton: button = MouseButton::kMiddle; return true;
        default: return false;
    }
}

}  // namespace

QString LocaleTimeSeparator() {
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    // The first character after the hours that is not a letter.
    for (int i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('h') && format[i] != QLatin1Char('H')) continue;
        for (int j = i + 1; j < format.size(); ++j) {
            if (format[j] == format[i]) continue;
            if (!format[j].isLetter() && !format[j].isSpace()) return QString(format[j]);
            break;
        }
        break;
    }
    return QStringLiteral(":");
}

bool WindowPositionsKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QString ZeroTimeText() {
    const QString sep = LocaleTimeSeparator();
    return QStringLiteral("0") + sep + QStringLiteral("00") + sep + QStringLiteral("00");
}

void TfrmMain::imgSfondoMouseDown(const TablePointerEvent& e) {
    MouseButton button;
    if (!ButtonOf(e.button, button)) return;
    int shift = 0;
    if (e.modifiers & Qt::ShiftModifier) shift |= kShiftKey;
    if (e.modifiers & Qt::ControlModifier) shift |= kCtrlKey;
    if (e.modifiers & Qt::AltModifier) shift |= kAltKey;
    PointerPress(game_, button, shift, e.x, e.y);
}

TfrmMain::TfrmMain(Game& game, QWidget* parent)
    : C_TAdvancedMainForm(parent), game_(game), results_(game) {
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setWindowTitle(QString::fromLatin1(kProductName));
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(central_);
    central_->installEventFilter(this);

    imgSfondo = new TableWidget(central_);
    imgSfondo->game = &game_;
    // During a match a computer seat's turn takes no input on the table but
    // Escape, which offers to quit; every press or key may end a turn.
    imgSfondo->onPress = [this](const TablePointerEvent& e) {
        if (match_ && match_->TableLocked()) return;
        HideFocusFrame(game_);
        imgSfondoMouseDown(e);
        if (match_) match_->AfterPlay();
        UpdateBestRun();
    };
    imgSfondo->onKey = [this](int qtKey) {
        if (match_ && qtKey == Qt::Key_Escape && match_->Escape()) return true;
        if (match_ && match_->TableLocked()) return true;
        TableKey key;
        const bool used = TableKeyOf(qtKey, key) && TableKeyPress(game_, key);
        if (match_) match_->AfterPlay();
        return used;
    };
    imgSfondo->onMove = [this](const TablePointerEvent& e) { PointerMove(game_, e.x, e.y); };
    imgSfondo->onRelease = [this](const TablePointerEvent& e) {
        MouseButton button;
        if (ButtonOf(e.button, button)) PointerRelease(game_, button);
    };
    imgSfondo->onDoubleClick = [this](const TablePointerEvent& e) {
        if (e.button == Qt::LeftButton) DoubleClickMove(game_);
    };
    imgSfondo->onDeviceRatioChanged = [] { TableView().RedrawTable(); };

    BuildMenus();
    BuildToolBars();
    BuildPanels();
    match_ = new MatchController(game_, central_);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    ApplyFontFallback(this);
    SetToolBarSize(true, false);
    SetToolBarFlat(true, false);
    ShowStatusBar(false);
    lblTempo->setText(ZeroTimeText());
    results_.Wrap();
}

TfrmMain::~TfrmMain() {
    results_.Unwrap();
    if (InstalledPorts().statusDisplay == this) InstalledPorts().SetWindow(nullptr);
    if (Installed<IChoiceKeeper>().Kept() == &choices_) Install<IChoiceKeeper>(nullptr);
}

// ---------------------------------------------------------------------------
// Construction of the controls

void TfrmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    mnuPartita = bar->addMenu(MainWindowText::tr("&File"));
    mnuPartita->setObjectName(QStringLiteral("mnuPartita"));
    mnuNew = AddItem(mnuPartita, "mnuNew", QT_TRANSLATE_NOOP("MainWindowText", "&New game"),
                     QKeySequence(Qt::Key_F2));
    mnuOpen = AddItem(mnuPartita, "mnuOpen", QT_TRANSLATE_NOOP("MainWindowText", "&Open a game..."),
                      QKeySequence(Qt::CTRL | Qt::Key_F12));
    mnuDealNumber = AddItem(mnuPartita, "mnuDealNumber",
                            QT_TRANSLATE_NOOP("MainWindowText", "Play deal &number..."),
                            QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuNewMatch =
        AddItem(mnuPartita, "mnuNewMatch", QT_TRANSLATE_NOOP("MainWindowText", "New &match..."),
                QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuNewMatch->setEnabled(false);
    mnuPartita->addSeparator();
    mnuPlayers =
        AddItem(mnuPartita, "mnuPlayers", QT_TRANSLATE_NOOP("MainWindowText", "&Players..."),
                QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuStatistics =
        AddItem(mnuPartita, "mnuStatistics", QT_TRANSLATE_NOOP("MainWindowText", "&Statistics..."),
                QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuPartita->addSeparator();
    mnuEsci = AddItem(mnuPartita, "mnuEsci", QT_TRANSLATE_NOOP("MainWindowText", "E&xit"),
                      QKeySequence());

    mnuGame = bar->addMenu(MainWindowText::tr("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuUndo = AddItem(mnuGame, "mnuUndo", QT_TRANSLATE_NOOP("MainWindowText", "&Undo"),
                      QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = AddItem(mnuGame, "mnuRedo", QT_TRANSLATE_NOOP("MainWindowText", "&Redo"),
                      QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuGame->addSeparator();
    mnuAutoplay = AddItem(mnuGame, "mnuAutoplay", QT_TRANSLATE_NOOP("MainWindowText", "Aut&oplay"),
                          QKeySequence(Qt::Key_F7));
    mnuAutoplay->setCheckable(true);
    mnuGame->addSeparator();
    mnuRestart =
        AddItem(mnuGame, "mnuRestart", QT_TRANSLATE_NOOP("MainWindowText", "&Restart this deal"),
                QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuCopyDeal = AddItem(mnuGame, "mnuCopyDeal",
                          QT_TRANSLATE_NOOP("MainWindowText", "&Copy deal number"), QKeySequence());
    mnuDailyDeal = AddItem(mnuGame, "mnuDailyDeal",
                           QT_TRANSLATE_NOOP("MainWindowText", "Deal of the &day"), QKeySequence());
    mnuCopyResult = AddItem(mnuGame, "mnuCopyResult",
                            QT_TRANSLATE_NOOP("MainWindowText", "Copy &result"), QKeySequence());
    mnuReplay = AddItem(mnuGame, "mnuReplay",
                        QT_TRANSLATE_NOOP("MainWindowText", "&Replay last game"), QKeySequence());
    // Only the finished deal of the day has a result to share.
    connect(mnuGame, &QMenu::aboutToShow, this, [this] {
        mnuCopyResult->setEnabled(results_.ResultOf(daily_).has_value());
        // Only the memory games keep their turns.
        mnuReplay->setEnabled(RecordsTurns(Rule(game_, rule::kGoalKind)));
    });

    mnuTools = bar->addMenu(MainWindowText::tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuCustomize =
        AddItem(mnuTools, "mnuCustomize", QT_TRANSLATE_NOOP("MainWindowText", "C&ustomize..."),
                QKeySequence(Qt::CTRL | Qt::Key_U));

    mnuHelp = bar->addMenu(MainWindowText::tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuRules = AddItem(mnuHelp, "mnuRules", QT_TRANSLATE_NOOP("MainWindowText", "&Rules"),
                       QKeySequence(Qt::Key_F1));
    mnuContents = AddItem(mnuHelp, "mnuContents", QT_TRANSLATE_NOOP("MainWindowText", "&Contents"),
                          QKeySequence());
    mnuHelp->addSeparator();
    mnuWeb =
        mnuHelp->addMenu(Expanded(QT_TRANSLATE_NOOP("MainWindowText", "[Program] on the &Web...")));
    mnuWeb->setObjectName(QStringLiteral("mnuWeb"));
    mnuHomePage =
        AddItem(mnuWeb, "mnuHomePage", QT_TRANSLATE_NOOP("MainWindowText", "[Program] &Home Page"),
                QKeySequence());
    mnuHelp->addSeparator();
    mnuAbout = AddItem(mnuHelp, "mnuAbout",
                       QT_TRANSLATE_NOOP("MainWindowText", "A&bout [Program]..."), QKeySequence());

    connect(mnuNew, &QAction::triggered, this, &TfrmMain::mnuNewClick);
    connect(mnuOpen, &QAction::triggered, this, &TfrmMain::mnuOpenClick);
    connect(mnuDealNumber, &QAction::triggered, this, &TfrmMain::mnuDealNumberClick);
    connect(mnuNewMatch, &QAction::triggered, this, &TfrmMain::mnuNewMatchClick);
    connect(mnuRestart, &QAction::triggered, this, &TfrmMain::mnuRestartClick);
    connect(mnuCopyDeal, &QAction::triggered, this, &TfrmMain::mnuCopyDealClick);
    connect(mnuDailyDeal, &QAction::triggered, this, &TfrmMain::mnuDailyDealClick);
    connect(mnuCopyResult, &QAction::triggered, this, &TfrmMain::mnuCopyResultClick);
    connect(mnuReplay, &QAction::triggered, this, &TfrmMain::mnuReplayClick);
    connect(mnuPlayers, &QAction::triggered, this, &TfrmMain::mnuPlayersClick);
    connect(mnuStatistics, &QAction::triggered, this, &TfrmMain::mnuStatisticsClick);
    connect(mnuEsci, &QAction::triggered, this, &TfrmMain::mnuEsciClick);
    connect(mnuUndo, &QAction::triggered, this, &TfrmMain::mnuUndoClick);
    connect(mnuRedo, &QAction::triggered, this, &TfrmMain::mnuRedoClick);
    // The command inverts the check mark itself: undo Qt's inversion first.
    connect(mnuAutoplay, &QAction::triggered, this, [this](bool checked) {
        mnuAutoplay->setChecked(!checked);
        mnuAutoplayClick();
    });
    connect(mnuCustomize, &QAction::triggered, this, &TfrmMain::mnuCustomizeClick);
    connect(mnuRules, &QAction::triggered, this, &TfrmMain::RulesCommand);
    connect(mnuContents, &QAction::triggered, this, &TfrmMain::mnuContentsClick);
    connect(mnuHomePage, &QAction::triggered, this, &TfrmMain::mnuHomePageClick);
    connect(mnuAbout, &QAction::triggered, this, &TfrmMain::mnuAboutClick);
}

QToolButton* TfrmMain::AddButton(QFrame* bar, const char* name, const char* hint, int left,
                                 void (TfrmMain::*command)()) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(MainWindowText::tr(hint));
    b->setFocusPolicy(Qt::NoFocus);
    b->move(left, 2);
    b->installEventFilter(this);
    connect(b, &QToolButton::clicked, this, [this, command] {
        // The command may run for a while (a deal): show the pressed bar first.
        repaint();
        (this->*command)();
    });
    return b;
}

void TfrmMain::BuildToolBars() {
    pnlTB = Panel(central_, "pnlTB");
    pnlTB1 = Panel(central_, "pnlTB1");
    auto toggle = &TfrmMain::mnuAutoplayClick;
    tbNew = AddButton(pnlTB, "tbNew", QT_TRANSLATE_NOOP("MainWindowText", "New"), 4,
                      &TfrmMain::mnuNewClick);
    tbOpen = AddButton(pnlTB, "tbOpen", QT_TRANSLATE_NOOP("MainWindowText", "Open"), 48,
                       &TfrmMain::mnuOpenClick);
    tbUndo = AddButton(pnlTB, "tbUndo", QT_TRANSLATE_NOOP("MainWindowText", "Undo"), 101,
                       &TfrmMain::mnuUndoClick);
    tbRedo = AddButton(pnlTB, "tbRedo", QT_TRANSLATE_NOOP("MainWindowText", "Redo"), 145,
                       &TfrmMain::mnuRedoClick);
    tbAutoPlay = AddButton(pnlTB, "tbAutoPlay", QT_TRANSLATE_NOOP("MainWindowText", "Autoplay"),
                           197, toggle);
    tbRules = AddButton(pnlTB, "tbRules", QT_TRANSLATE_NOOP("MainWindowText", "Rules"), 250,
                        &TfrmMain::RulesCommand);
    tbExit = AddButton(pnlTB, "tbExit", QT_TRANSLATE_NOOP("MainWindowText", "Exit"), 303,
                       &TfrmMain::mnuEsciClick);
    tbNew1 = AddButton(pnlTB1, "tbNew1", QT_TRANSLATE_NOOP("MainWindowText", "New"), 4,
                       &TfrmMain::mnuNewClick);
    tbOpen1 = AddButton(pnlTB1, "tbOpen1", QT_TRANSLATE_NOOP("MainWindowText", "Open"), 27,
                        &TfrmMain::mnuOpenClick);
    tbUndo1 = AddButton(pnlTB1, "tbUndo1", QT_TRANSLATE_NOOP("MainWindowText", "Undo"), 59,
                        &TfrmMain::mnuUndoClick);
    tbRedo1 = AddButton(pnlTB1, "tbRedo1", QT_TRANSLATE_NOOP("MainWindowText", "Redo"), 82,
                        &TfrmMain::mnuRedoClick);
    tbAutoPlay1 = AddButton(pnlTB1, "tbAutoPlay1", QT_TRANSLATE_NOOP("MainWindowText", "Autoplay"),
                            113, toggle);
    tbRules1 = AddButton(pnlTB1, "tbRules1", QT_TRANSLATE_NOOP("MainWindowText", "Rules"), 144,
                         &TfrmMain::RulesCommand);
    tbExit1 = AddButton(pnlTB1, "tbExit1", QT_TRANSLATE_NOOP("MainWindowText", "Exit"), 175,
                        &TfrmMain::mnuEsciClick);
    // Statistics comes after the bar's fixed buttons, set off like them, so
    // that every other button keeps its place.
    tbStat = AddButton(pnlTB, "tbStat", QT_TRANSLATE_NOOP("MainWindowText", "Statistics"), 356,
                       &TfrmMain::mnuStatisticsClick);
    tbStat1 = AddButton(pnlTB1, "tbStat1", QT_TRANSLATE_NOOP("MainWindowText", "Statistics"), 206,
                        &TfrmMain::mnuStatisticsClick);
    tbRestart = AddButton(pnlTB, "tbRestart", QT_TRANSLATE_NOOP("MainWindowText", "Restart"), 409,
                          &TfrmMain::mnuRestartClick);
    tbRestart1 = AddButton(pnlTB1, "tbRestart1", QT_TRANSLATE_NOOP("MainWindowText", "Restart"),
                           237, &TfrmMain::mnuRestartClick);
    tbAutoPlay->setCheckable(true);
    tbAutoPlay1->setCheckable(true);

    for (int x : {96, 192, 245, 298, 351, 404}) {
        auto* s = new QFrame(pnlTB);
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
        s->setGeometry(x, 2, 2, 42);
        separators.push_back(s);
    }
    for (int x : {53, 108, 139, 170, 201, 232}) {
        auto* s = new QFrame(pnlTB1);
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
        s->setGeometry(x, 1, 2, 22);
        separators1.push_back(s);
    }

    popTB = new QMenu(this);
    popTB->setObjectName(QStringLiteral("popTB"));
    popLargeIcons = popTB->addAction(MainWindowText::tr("Large icons"));
    popSmallIcons = popTB->addAction(MainWindowText::tr("Small icons"));
    popTB->addSeparator();
    popFlat = popTB->addAction(MainWindowText::tr("Flat button"));
    popNoFlat = popTB->addAction(MainWindowText::tr("No flat button"));
    popTB->addSeparator();
    popShowTime = popTB->addAction(MainWindowText::tr("Show time"));
    popShowScore = popTB->addAction(MainWindowText::tr("Show score"));
    for (QAction* a : {popLargeIcons, popSmallIcons, popFlat, popNoFlat}) a->setCheckable(true);
    connect(popLargeIcons, &QAction::triggered, this, [this] { SetToolBarSize(true, true); });
    connect(popSmallIcons, &QAction::triggered, this, [this] { SetToolBarSize(false, true); });
    connect(popFlat, &QAction::triggered, this, [this] { SetToolBarFlat(true, true); });
    connect(popNoFlat, &QAction::triggered, this, [this] { SetToolBarFlat(false, true); });
    connect(popShowTime, &QAction::triggered, this, [this] { SetTimePanel(true, true); });
    connect(popShowScore, &QAction::triggered, this, [this] { SetScorePanel(true, true); });
    for (QFrame* bar : {pnlTB, pnlTB1}) {
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this,
                [this, bar](const QPoint& at) { popTB->popup(bar->mapToGlobal(at)); });
    }
}

void TfrmMain::BuildPanels() {
    auto label = [](QWidget* parent, const char* name, const QString& text) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    pnlTempo = Panel(central_, "pnlTempo");
    pnlTempo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblTempo2 = label(pnlTempo, "lblTempo2", MainWindowText::tr("Time:"));
    lblTempo = label(pnlTempo, "lblTempo", QString());
    lblTempo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlScore = Panel(central_, "pnlScore");
    pnlScore->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblScore2 = label(pnlScore, "lblScore2", MainWindowText::tr("Score:"));
    lblScore = label(pnlScore, "lblScore", QStringLiteral("0"));
    lblScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlTempo->resize(FittedWidth(lblTempo2, "Time:", kTimeWidth), 24);
    pnlScore->resize(FittedWidth(lblScore2, "Score:", kScoreWidth), 24);

    popTime = new QMenu(this);
    popTime->setObjectName(QStringLiteral("popTime"));
    popHideTime = popTime->addAction(MainWindowText::tr("&Hide"));
    popScore = new QMenu(this);
    popScore->setObjectName(QStringLiteral("popScore"));
    popHideScore = popScore->addAction(MainWindowText::tr("Hide"));
    connect(popHideTime, &QAction::triggered, this, [this] { SetTimePanel(false, true); });
    connect(popHideScore, &QAction::triggered, this, [this] { SetScorePanel(false, true); });
    for (auto [panel, menu] : {std::pair{pnlTempo, popTime}, std::pair{pnlScore, popScore}}) {
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        QMenu* m = menu;
        QFrame* p = panel;
        connect(p, &QWidget::customContextMenuRequested, this,
                [m, p](const QPoint& at) { m->popup(p->mapToGlobal(at)); });
    }

    pnlBest = Panel(central_, "pnlBest");
    pnlBest->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblBest = label(pnlBest, "lblBest", QString());
    lblBest->setAlignment(Qt::AlignCenter);
    barBest = Panel(pnlBest, "barBest");
    barBestFill = Panel(barBest, "barBestFill");
    QPalette track = barBest->palette();
    track.setColor(QPalette::Window, QColor(200, 200, 200));
    barBest->setPalette(track);
    QPalette fill = barBestFill->palette();
    fill.setColor(QPalette::Window, QColor(0, 96, 192));
    barBestFill->setPalette(fill);
    pnlBest->setToolTip(
        MainWindowText::tr("Pairs your best earlier run on this deal had found "
                           "by this time of the game"));
    // Wide enough for two-digit counts in the language shown.
    const QFontMetrics bestFont = lblBest->fontMetrics();
    pnlBest->resize(qMax(kBestWidth, bestFont.horizontalAdvance(BestText(88, 88)) + 12),
                    pnlTempo->height());
    LayOutBestRun();
    pnlBest->hide();
    popShowBest = new QAction(MainWindowText::tr("Show my best run"), this);
    popShowBest->setObjectName(QStringLiteral("popShowBest"));
    popShowBest->setCheckable(true);
    popShowBest->setChecked(KeptChoices().showBestRun);
    popTime->addAction(popShowBest);
    popBest = new QMenu(this);
    popBest->setObjectName(QStringLiteral("popBest"));
    popBest->addAction(popShowBest);
    connect(popShowBest, &QAction::toggled, this, [this](bool on) {
        ChangeChoices([on](Preferences& p) { p.showBestRun = on; }, {ChoiceKey::kShowBestRun});
        UpdateBestRun();
    });
    pnlBest->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pnlBest, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popBest->popup(pnlBest->mapToGlobal(at)); });

    pnlLineaGrigia = Panel(central_, "pnlLineaGrigia");
    pnlLineaNera = Panel(central_, "pnlLineaNera");
    QPalette grey = pnlLineaGrigia->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    pnlLineaGrigia->setPalette(grey);
    QPalette black = pnlLineaNera->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlLineaNera->setPalette(black);

    lblPlayerName = label(central_, "lblPlayerName", QString());
    lblPlayerName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    pnlStatusBar = new QLabel(central_);
    pnlStatusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    pnlStatusBar->setAutoFillBackground(true);
    pnlStatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlStatusBar->setIndent(4);
}

// ---------------------------------------------------------------------------
// Start-up

bool TfrmMain::FormCreate() {
    InstalledPorts().SetWindow(this);
    imgSfondo->Install();
    // 1-4
    lblTempo->setText(ZeroTimeText());
    SetFlag(game_, flag::kFirstActivation, true);
    // 6-8
    ResetWindowOptions(game_);
    helpFile_ = ProgramDir() + "quillory.hlp>proc";
    EnsureDataFolder();
    RemoveStaleTemporaryFiles();
    // 9-11
    choices_ = LoadPreferences(game_);
    Install<IChoiceKeeper>(this);
    ApplyWindowChoices(choices_);
    FillCardRegister(game_);
    FillPileTables(game_);
    // 12: without the game data there is nothing to play.
    const std::string problem = GamesFileProblem(GamesFilePath());
    if (!problem.empty() || !LoadCatalogue()) {
        Dialogs().Error(MainWindowText::tr("Error").toStdString(), problem);
        return false;
    }
    CheckStoredGame(game_);
    // 5: the table's pointers; the chosen one needs the "Cursor" preference.
    LoadLibraryCursors();
    SetTableCursorShape(TableCursorShape());
    // 13-16
    ApplyCardSize(game_);
    SetUndoEnabled(game_, true);
    platform::SeedRandomFromClock();
    WriteVersionMarker();
    DeleteObsoleteFiles();
    ClearStartOptions(game_);
    UpdateCaption();
    Timer1->start();
    return true;
}

void TfrmMain::ApplyWindowChoices(const Preferences& choices) {
    SetToolBarSize(choices.toolBarLarge, false);
    SetToolBarFlat(choices.toolBarFlat, false);
    SetTimePanel(choices.showTime, false);
    SetScorePanel(choices.showScore, false);
    ShowStatusBar(choices.statusBar);
}

void TfrmMain::RestorePlacement() {
    IScreen& screen = Screen();
    const WindowPlacement p =
        FitOnScreens(ReadWindowPlacement(screen.Width(), screen.Height()), screen.Areas());
    // The stored rectangle is also what a maximised window returns to (and
    // what it keeps where nothing maximises windows).
    if (WindowPositionsKnown())
        setGeometry(p.left, p.top, p.width, p.height);
    else
        resize(p.width, p.height);
    if (p.maximized) {
        for (QFrame* bar : {pnlTB, pnlTB1}) bar->resize(screen.Width() + 8, bar->height());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    ArrangeBars();
}

void TfrmMain::showEvent(QShowEvent* event) {
    C_TAdvancedMainForm::showEvent(event);
    if (Flag(game_, flag::kFirstActivation)) {
        ArrangeBars();
        LayOutTable();
        TableView().RepaintTable(false);
        repaint();
    }
}

// A modal window of the program over the game holds its time.
bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked) PauseClock(game_);
    if (event->type() == QEvent::WindowUnblocked) ResumeClock(game_);
    return C_TAdvancedMainForm::event(event);
}

void TfrmMain::changeEvent(QEvent* event) {
    C_TAdvancedMainForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activated();
}

void TfrmMain::FirstGame() {
    const DealRequest request = std::exchange(firstDeal_, DealRequest{});
    const long long stored = TextInt(game_.values.id, -1);
    if (request.Asked() && (request.game >= 0 || stored >= 0)) {
        const int id = request.game >= 0 ? request.game : static_cast<int>(stored);
        const std::string name = request.game >= 0 ? request.name : game_.values.name;
        if (!request.number.empty())
            SetValue(game_.values.number, field::kGameNumber, request.number);
        OpenGame(game_, id, name, request.number.empty() ? kNewGameNumber : kStoredGameNumber,
                 false, game_.values.player);
        return;
    }
    if (ResumeGame()) return;
    if (ShellCommands().OpenGameDialog()) return;
    // Without the open-game dialog the stored game starts at once, so the
    // program is playable from its first start.
    const long long id = TextInt(game_.values.id, -1);
    if (id < 0) {
        SetGameCommands(game_, false);
        return;
    }
    OpenGame(game_, static_cast<int>(id), game_.values.name, kNewGameNumber, false,
             game_.values.player);
}

bool TfrmMain::ResumeGame() {
    if (!ResumeWanted()) return false;
    ResumeRecord record;
    std::string why;
    switch (ReadResumeFile(record, why)) {
        case ResumeFile::kNone: return false;
        case ResumeFile::kRead: break;
        case ResumeFile::kBad: {
            std::string aside = MoveResumeFileAside();
            if (aside.empty()) RemoveResumeFile();  // never the same message twice
            Dialogs().Info(MainWindowText::tr("The unfinished game kept in %1 cannot be continued "
                                              "(%2). It was moved aside as %3.")
                               .arg(QString::fromStdString(ResumeFilePath()),
                                    QString::fromStdString(why), QString::fromStdString(aside))
                               .toStdString());
            return false;
        }
    }
    RemoveResumeFile();
    PutResumeValues(record, game_);
    // The game's rules and cards as for a deal, then the game itself on them.
    LoadGame(game_);
    if (!GameRulesReadable()) return false;
    Game& game = game_;
    // The pictures are loaded at the size in force, whatever size the game
    // was kept at.
    const int cardWidth = game.CardWidth, cardHeight = game.CardHeight;
    // The record's game text carries no values: the game keeps those just set.
    record.game.values = game.values;
    game = std::move(record.game);
    game.CardWidth = cardWidth;
    game.CardHeight = cardHeight;
    game.pausedAt = -1;
    game.pointer = PointerState{};
    if (Flag(game_, flag::kClockRuns)) {
        // The clock goes on from the time kept, across midnight as it counts.
        constexpr int64_t kDay = (23 * 3600 + 59 * 60 + 59) * 1000LL;
        int64_t start = platform::MillisecondsOfDay() - game.status.elapsedMs % kDay;
        if (start < 0) start += kDay;
        game.GameTimes[0] = start;
    }
    ShowPlayerName();
    TableDealt();
    ResetTitle(game_);
    UpdateTitle(game_);
    const GameStatus status = game.status;
    ShowScore(status.score);
    ShowTime(FormatElapsed(status.elapsedMs));
    EnableGameCommands(status.commands);
    ShowAutoplay(status.autoplay);
    SetUndoRedoEnabled(status.undoRedo);
    HistoryChanged();
    if (Flag(game_, flag::kInProgress))
        CommandStates().EnablePlayCommands(Rule(game_, rule::kNoSaving) != 1);
    TableView().PaintEmptyTable();
    TableView().RepaintTable(false);
    return true;
}

bool TfrmMain::KeepGameForResume() {
    const bool unfinished = Flag(game_, flag::kInProgress) && !Flag(game_, flag::kFinished) &&
                            Rule(game_, rule::kPackCards) != 0 && !Flag(game_, flag::kWinAnimation);
    if (!unfinished || !ResumeWanted()) {
        RemoveResumeFile();  // a game ended or not kept is never continued
        return false;
    }
    RefreshTimeDisplay(game_);
    const int err = WriteResumeFile(RecordOfTheGame(game_));
    if (err == 0) return true;
    Dialogs().Info(MainWindowText::tr("The unfinished game could not be kept in %1 (%2). It "
                                      "counts as abandoned.")
                       .arg(QString::fromStdString(ResumeFilePath()),
                            QString::fromLocal8Bit(std::strerror(err)))
                       .toStdString());
    return false;
}

void TfrmMain::Activated() {
    if (Flag(game_, flag::kFirstActivation)) {
        SetFlag(game_, flag::kFirstActivation, false);
        UpdateCaption();
        ArrangeBars();
        repaint();
        UpgradeScoreFile();
        if (!SeriesFileExists(true) || firstDeal_.Asked()) FirstGame();
        ShowPlayerName();
    }
    // A palette display redraws the faded default background in its colours.
    if (!MoreThan256Colors(Screen()) && ParameterIs(field::kFadeBackground, "Y") &&
        (ParameterIs(field::kDefaultBackground, "Y") ||
         ParameterInt(field::kBackgroundPicture, 0) == 0))
        HandleResize();
}

// ---------------------------------------------------------------------------
// The window's roles (IWindow)

void TfrmMain::ShowScore(const std::string& text) {
    // Shown with the table's next drawing, or the window's.
    lblScore->setText(QString::fromStdString(text));
    AnnounceScore(QString::fromStdString(text));
}

void TfrmMain::ShowTime(const std::string& text) {
    lblTempo->setText(QString::fromStdString(text));
}

std::string TfrmMain::TimeText() const {
    return lblTempo->text().toStdString();
}

void TfrmMain::SwallowInput(bool on) {
    if (!on)
        inputBlock_.reset();
    else if (!inputBlock_)
        inputBlock_ = std::make_unique<InputBlock>();
}

void TfrmMain::SetCaption(const std::string& caption) {
    const QString c = QString::fromStdString(caption);
    if (windowTitle() != c) setWindowTitle(c);
    ShowPlayerName();
}

void TfrmMain::ShowPlayerName() {
    const QString name = NameText(game_.values.player);
    const QString text = MainWindowText::tr("Player: ") + name;
    lblPlayerName->setToolTip(text);
    if (playerText_ == text) return;
    playerText_ = text;
    PlacePlayerName();
}

void TfrmMain::PlacePlayerName() {
    const QString& text = playerText_;
    QToolButton* restart = largeBar_ ? tbRestart : tbRestart1;
    QToolButton* last = restart->isHidden() ? VisibleLastButton() : restart;
    const int left = last->x() + last->width() + kPlayerNameGap;
    int right = BarWidth() - kPanelMargin;
    for (QFrame* panel : {pnlTempo, pnlScore, pnlBest})
        if (!panel->isHidden()) right = qMin(right, panel->x());
    const int room = right - kPanelGap - left;
    const QFontMetrics fm(lblPlayerName->font());
    // Shown while the name keeps a few letters; a longer one ends in "...".
    const bool fits =
        !text.isEmpty() && room >= fm.horizontalAdvance(MainWindowText::tr("Player: ")) +
                                       fm.horizontalAdvance(QStringLiteral("Mmmm"));
    lblPlayerName->setText(fm.elidedText(text, Qt::ElideRight, qMax(room, 0)));
    lblPlayerName->setGeometry(left, pnlTempo->y(), qMax(room, 0), pnlTempo->height());
    lblPlayerName->setVisible(fits);
    lblPlayerName->raise();
}

void TfrmMain::UpdateCaption() {
    SetCaption(TitleText(game_));
}

void TfrmMain::EnableGameCommands(bool on) {
    for (QToolButton* b :
         {tbNew, tbAutoPlay, tbRules, tbRestart, tbNew1, tbAutoPlay1, tbRules1, tbRestart1})
        b->setEnabled(on);
    for (QAction* a :
         {mnuNew, mnuAutoplay, mnuRules, mnuRestart, mnuDealNumber, mnuCopyDeal, mnuDailyDeal})
        a->setEnabled(on);
}

void TfrmMain::SetUndoRedoEnabled(bool enabled) {
    undoAllowed_ = enabled;
    HistoryChanged();
}

// Each command is greyed while its history has nothing to give back, so a
// player never meets an enabled command that only beeps.
void TfrmMain::HistoryChanged() {
    // A match has no undo: a seat would take back what the others saw.
    const bool undo = undoAllowed_ && !game_.inMatch && UndoOffered(game_);
    const bool redo = undoAllowed_ && !game_.inMatch && RedoOffered(game_);
    mnuNewMatch->setEnabled(IsMatchGoal(Rule(game_, rule::kGoalKind)) && mnuNew->isEnabled());
    if (mnuUndo->isEnabled() != undo || tbUndo->isEnabled() != undo) {
        for (QToolButton* b : {tbUndo, tbUndo1}) b->setEnabled(undo);
        mnuUndo->setEnabled(undo);
    }
    if (mnuRedo->isEnabled() != redo || tbRedo->isEnabled() != redo) {
        for (QToolButton* b : {tbRedo, tbRedo1}) b->setEnabled(redo);
        mnuRedo->setEnabled(redo);
    }
    // After each turn and each deal, not only at the clock's next tick.
    UpdateBestRun();
}

void TfrmMain::ApplyToolBarSize(bool large) {
    SetToolBarSize(large, false);
}
void TfrmMain::ApplyToolBarFlat(bool flat) {
    SetToolBarFlat(flat, false);
}
void TfrmMain::ShowTimePanel(bool on) {
    SetTimePanel(on, false);
}
void TfrmMain::ShowScorePanel(bool on) {
    SetScorePanel(on, false);
}

void TfrmMain::ShowStatusBar(bool on) {
    pnlStatusBar->setVisible(on);
    HandleResize();
}

bool TfrmMain::AutoplayChecked() const {
    return mnuAutoplay->isChecked();
}
bool TfrmMain::AutoplayEnabled() const {
    return mnuAutoplay->isEnabled();
}

void TfrmMain::ShowAutoplay(bool on) {
    mnuAutoplay->setChecked(on);
    SetAutoplayButtons(on);
}

void TfrmMain::SetAutoplayButtons(bool checked) {
    tbAutoPlay->setChecked(checked);
    tbAutoPlay1->setChecked(checked);
}

void ShellTable::SetTableCursor(int slot) {
    window_.SetTableCursorShape(slot);
}

void ShellTable::ShowFocusFrame(int left, int top, int right, int bottom) {
    window_.imgSfondo->SetFocusFrame(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void ShellTable::HideFocusFrame() {
    window_.imgSfondo->SetFocusFrame(QRect());
}

void TfrmMain::SetTableCursorShape(int slot) {
    const QCursor* shape = ScreenCursor(slot);
    imgSfondo->SetTableCursor(shape ? *shape : QCursor(Qt::ArrowCursor));
}

void TfrmMain::ShowMemoryEnd(bool won) {
    // The game is over: no frame over a place that nothing can be done with.
    AnnounceGameEnd(won);
    ::bw::HideFocusFrame(game_);
    ::bw::ShowMemoryEnd(game_, won);
}

void TfrmMain::ShowStatusText(const std::string& text) {
    pnlStatusBar->setText(TranslatedMessage(text));
    // The bar the player switched off shows only while it has something to say.
    const bool on = !text.empty() || !ParameterIs(field::kStatusBar, "N");
    if (on == !pnlStatusBar->isHidden()) return;
    if (on) {
        pnlStatusBar->setGeometry(0, central_->height() - kStatusHeight, BarWidth() - 8,
                                  kStatusHeight);
        pnlStatusBar->raise();
    }
    pnlStatusBar->setVisible(on);
}

void TfrmMain::PlayWinningAnimation() {
    // Any key or mouse press, on the table or the frame, ends the show.
    WinShowStopper stopper(game_);
    const QFrame* bar = VisibleBar();
    WinArea area;
    area.top = bar->y() + bar->height();
    area.width = imgSfondo->width();
    area.height = imgSfondo->height();
    ::bw::PlayWinningAnimation(game_, std::string(), 0, area);
}

void TfrmMain::RefreshGameMark() {
    bw::RefreshOpenGameMarks();
}
void TfrmMain::RefreshOpenGameMarks() {
    bw::RefreshOpenGameMarks();
}
bool TfrmMain::GameTreePlace(int gameId, int& treeNum, int& treePos) {
    return OpenGameTreePlace(gameId, treeNum, treePos);
}

void TfrmMain::OpenGameDialog() {
    ShellCommands().OpenGameDialog();
}

// ---------------------------------------------------------------------------
// Tool bars and panels

void TfrmMain::LoadBarPictures(bool large) {
    static const char* kNames[] = {"TB_NEW",   "TB_OPEN", "TB_UNDO", "TB_REDO",   "TB_AUTOPLAY",
                                   "TB_RULES", "TB_EXIT", "TB_STAT", "TB_RESTART"};
    QToolButton* const bigs[] = {tbNew,   tbOpen, tbUndo, tbRedo,   tbAutoPlay,
                                 tbRules, tbExit, tbStat, tbRestart};
    QToolButton* const smalls[] = {tbNew1,   tbOpen1, tbUndo1, tbRedo1,   tbAutoPlay1,
                                   tbRules1, tbExit1, tbStat1, tbRestart1};
    for (size_t i = 0; i < std::size(bigs); ++i) {
        QToolButton* shown = large ? bigs[i] : smalls[i];
        QToolButton* other = large ? smalls[i] : bigs[i];
        const std::string name = std::string(kNames[i]) + (large ? "" : "1");
        const QPixmap pm = QPixmap::fromImage(LibraryBitmap(name));
        if (!pm.isNull()) {
            QIcon icon(pm);
            // The library's own greyed glyph where it has one ("_DIS").
            const QImage greyed = LibraryBitmap(name + "_DIS");
            if (!greyed.isNull()) icon.addPixmap(QPixmap::fromImage(greyed), QIcon::Disabled);
            shown->setIcon(icon);
            shown->setIconSize(pm.size());
        } else {
            shown->setIcon(FallbackIcon(name));
            shown->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
        }
        other->setIcon(QIcon());
    }
}

void TfrmMain::SetToolBarSize(bool large, bool fromMenu) {
    largeBar_ = large;
    pnlTB->setVisible(large);
    pnlTB1->setVisible(!large);
    popLargeIcons->setChecked(large);
    popSmallIcons->setChecked(!large);
    const int h = large ? 24 : 20;
    pnlTempo->resize(pnlTempo->width(), h);
    pnlScore->resize(pnlScore->width(), h);
    pnlBest->resize(pnlBest->width(), h);
    LayOutBestRun();
    CenterPanelLabels();
    LoadBarPictures(large);
    // Button and bar heights depend on the bar now shown.
    SetToolBarFlat(flat_, false);
    repaint();
    HandleResize();
    if (fromMenu)
        ChangeChoices([large](Preferences& p) { p.toolBarLarge = large; },
                      {ChoiceKey::kToolBarLarge});
}

void TfrmMain::CenterPanelLabels() {
    const int h = pnlTempo->height();
    for (QLabel* l : {lblTempo2, lblTempo, lblScore2, lblScore}) {
        const int textHeight = l->fontMetrics().height();
        const int top =
            qRound(l->font().pointSizeF()) == 8 ? (largeBar_ ? 4 : 3) : (h - textHeight) / 2 + 1;
        l->setFixedHeight(textHeight);
        l->move(l->x(), qMax(0, top));
    }
    // Caption on the left, value on the right; the value keeps room for its
    // widest text and the caption gives way when the font runs wide.
    auto place = [](QLabel* caption, QLabel* value, int panelWidth, const QString& widest) {
        constexpr int kInset = 2;  // inside the one-pixel frame, one pixel clear
        caption->adjustSize();
        caption->move(kInset, caption->y());
        const int need = value->fontMetrics().horizontalAdvance(widest) + 2;
        const int room = panelWidth - 2 * kInset - caption->width() - 2;
        const int w = qMax(need, room);
        value->setGeometry(panelWidth - kInset - w, value->y(), w, value->height());
    };
    place(lblTempo2, lblTempo, pnlTempo->width(), QStringLiteral("0") + ZeroTimeText());
    place(lblScore2, lblScore, pnlScore->width(), QStringLiteral("-0000"));
    lblTempo->raise();
    lblScore->raise();
}

void TfrmMain::SetToolBarFlat(bool flat, bool fromMenu) {
    flat_ = flat;
    popFlat->setChecked(flat);
    popNoFlat->setChecked(!flat);
    const int top = largeBar_ ? 2 : 1;  // only one bar is ever shown
    const int smallHeight = flat ? 22 : 23;
    for (QToolButton* b :
         {tbNew, tbOpen, tbUndo, tbRedo, tbAutoPlay, tbRules, tbExit, tbStat, tbRestart}) {
        b->setAutoRaise(flat);
        b->setGeometry(b->x(), top, 44, 42);
    }
    for (QToolButton* b :
         {tbNew1, tbOpen1, tbUndo1, tbRedo1, tbAutoPlay1, tbRules1, tbExit1, tbStat1, tbRestart1}) {
        b->setAutoRaise(flat);
        b->setGeometry(b->x(), top, 23, smallHeight);
    }
    for (QFrame* s : separators) {
        s->setVisible(flat && (s != separators.back() || !tbRestart->isHidden()));
        s->setGeometry(s->x(), top, 2, 42);
    }
    for (QFrame* s : separators1) {
        s->setVisible(flat && (s != separators1.back() || !tbRestart1->isHidden()));
        s->setGeometry(s->x(), top, 2, smallHeight);
    }
    pnlTB->resize(pnlTB->width(), flat ? 46 : 45);
    pnlTB1->resize(pnlTB1->width(), flat ? 24 : 25);
    ArrangeBars();
    if (fromMenu)
        ChangeChoices([flat](Preferences& p) { p.toolBarFlat = flat; }, {ChoiceKey::kToolBarFlat});
}

void TfrmMain::SetTimePanel(bool on, bool fromMenu) {
    SetParameter(field::kShowTime, on ? "Y" : "N");
    pnlTempo->setVisible(on);
    popShowTime->setEnabled(!on);
    if (fromMenu) ChangeChoices([on](Preferences& p) { p.showTime = on; }, {ChoiceKey::kShowTime});
    ArrangeBars();
}

void TfrmMain::SetScorePanel(bool on, bool fromMenu) {
    SetParameter(field::kShowScore, on ? "Y" : "N");
    pnlScore->setVisible(on);
    popShowScore->setEnabled(!on);
    if (fromMenu)
        ChangeChoices([on](Preferences& p) { p.showScore = on; }, {ChoiceKey::kShowScore});
    ArrangeBars();
}

int TfrmMain::BarWidth() const {
    // Before the first activation a maximised window may not have its final
    // size yet; the bars are laid out for the whole screen then.
    if (Flag(game_, flag::kFirstActivation) && (windowState() & Qt::WindowMaximized))
        return Screen().Width() + 8;
    return width();
}

QMargins TfrmMain::FrameMargins() const {
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

TableRect TfrmMain::TableArea() const {
    const QFrame* bar = VisibleBar();
    const QRect outer = geometry().marginsAdded(FrameMargins());
    return MainWindowTableRect(bar->y() + bar->height(), imgSfondo->height(), outer.height(),
                               outer.width(), 0);
}

void TfrmMain::LayOutTable() {
    // The places move: the frame waits for the next arrow key.
    ::bw::HideFocusFrame(game_);
    if (Rule(game_, rule::kPackCards) == 0) return;
    LayoutInput in;
    ApplyTableRect(TableArea(), in);
    in.cardWidth = game_.CardWidth;
    in.cardHeight = game_.CardHeight;
    in.shadowOffset = CardShadowOffset();
    in.screenWidth = Screen().Width();
    in.screenHeight = Screen().Height();
    in.scrollPosition = imgSfondo->ScrollY();
    ResetAndLayOutPiles(game_, in);
}

void TfrmMain::TableDealt() {
    if (match_) match_->Dealt();
    bestStale_ = true;
    // Each game needs its own room: the minimum is found again.
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    FitCardsToTable(game_);
    LayOutTable();
    KeepCardsReachable();
}

bool TfrmMain::TableHoldsPiles() const {
    const TableRect area = TableArea();
    const int bottom = pnlStatusBar->isHidden() ? area.bottom + 1 : pnlStatusBar->y();
    return QRect(0, area.top, imgSfondo->width(), bottom - area.top).contains(TableExtent(game_));
}

void TfrmMain::KeepCardsReachable() {
    // Even the smallest cards do not fit: the window may not be this small,
    // for a card cut off at its edge cannot be played. It grows by what the
    // cards stick out (the layout then has room at the smallest size), as
    // far as the screen allows; a new game starts from the window's own
    // minimum again.
    if (Rule(game_, rule::kPackCards) == 0 || isMaximized() || isFullScreen() || TableHoldsPiles())
        return;
    const QRect extent = TableExtent(game_);
    const TableRect area = TableArea();
    const int bottom = pnlStatusBar->isHidden() ? area.bottom + 1 : pnlStatusBar->y();
    const int wider = qMax(0, extent.right() + 1 - imgSfondo->width()) + qMax(0, -extent.left());
    const int taller = qMax(0, extent.bottom() + 1 - bottom) + qMax(0, area.top - extent.top());
    if (wider == 0 && taller == 0) return;
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    const QMargins frame = FrameMargins();
    QSize least = minimumSize().expandedTo(size() + QSize(wider, taller));
    if (screen.isValid()) least = least.boundedTo(screen.size().shrunkBy(frame));
    if (least == minimumSize()) return;
    setMinimumSize(least);
    // Grown past the screen's edge the cards would be cut off there instead.
    if (!screen.isValid() || !WindowPositionsKnown()) return;
    const QSize outer = least.grownBy(frame);
    const QPoint at(qBound(screen.left(), x(), screen.right() + 1 - outer.width()),
                    qBound(screen.top(), y(), screen.bottom() + 1 - outer.height()));
    if (at != pos()) move(at);
}

QToolButton* TfrmMain::VisibleLastButton() const {
    return largeBar_ ? tbStat : tbStat1;
}

void TfrmMain::ArrangeBars() {
    const int w = BarWidth();
    pnlTB->setGeometry(0, 0, qMax(w, central_->width()), pnlTB->height());
    pnlTB1->setGeometry(0, 0, qMax(w, central_->width()), pnlTB1->height());

    // 1-2: the panels from the right; a panel that moves is hidden first.
    QFrame* bar = VisibleBar();
    const int top = (bar->height() - pnlTempo->height()) / 2;
    const bool timeWanted = ParameterIs(field::kShowTime, "Y");
    const bool scoreWanted = ParameterIs(field::kShowScore, "Y");
    const int timeLeft = w - pnlTempo->width() - kPanelMargin;
    const int scoreLeft = timeWanted ? timeLeft - pnlScore->width() - kPanelGap
                                     : w - pnlScore->width() - kPanelMargin;
    for (auto [panel, left] : {std::pair{pnlTempo, timeLeft}, std::pair{pnlScore, scoreLeft}}) {
        if (panel->x() != left || panel->y() != top) {
            panel->hide();
            panel->move(left, top);
        }
    }
    // 3: the lines under the bar.
    const int lineTop = bar->y() + bar->height();
    pnlLineaGrigia->setGeometry(0, lineTop, w, 1);
    pnlLineaNera->setGeometry(0, lineTop + 1, w, 1);
    if (match_) match_->Place(w - kPanelMargin, lineTop + 6);
    // 4: a panel shows only where it clears the bar's last button.
    QToolButton* last = VisibleLastButton();
    const int barRight = last->x() + last->width();
    pnlScore->setVisible(scoreWanted && pnlScore->x() > barRight + kBarClearance);
    pnlTempo->setVisible(timeWanted && pnlTempo->x() > barRight + kBarClearance);
    // Restart takes the room the panels leave and never pushes them off.
    int room = w;
    for (QFrame* panel : {pnlTempo, pnlScore})
        if (!panel->isHidden()) room = qMin(room, panel->x());
    for (auto [button, separator] :
         {std::pair{tbRestart, separators.back()}, std::pair{tbRestart1, separators1.back()}}) {
        const bool fits = button->x() + button->width() + kBarClearance < room;
        button->setVisible(fits);
        separator->setVisible(fits && flat_);
    }
    for (QWidget* over : {static_cast<QWidget*>(pnlTB), static_cast<QWidget*>(pnlTB1),
                          static_cast<QWidget*>(pnlLineaGrigia),
                          static_cast<QWidget*>(pnlLineaNera), static_cast<QWidget*>(pnlTempo),
                          static_cast<QWidget*>(pnlScore), static_cast<QWidget*>(pnlStatusBar)})
        over->raise();
    PlaceBestRun();
    PlacePlayerName();
}

void TfrmMain::HandleResize() {
    imgSfondo->setGeometry(central_->rect());
    if (!Flag(game_, flag::kFirstActivation)) ArrangeBars();
    // The table spans the screen (its background fades over that height),
    // but only the part under the window is ever shown.
    FitTableBitmaps(Screen().Width() + 30, Screen().Height() + 30, imgSfondo->size());
    if (!pnlStatusBar->isHidden())
        pnlStatusBar->setGeometry(0, central_->height() - kStatusHeight, BarWidth() - 8,
                                  kStatusHeight);
    // A table too small for the cards takes smaller ones, and a larger
    // table gives the chosen size back.
    if (Rule(game_, rule::kPackCards) != 0) FitCardsToTable(game_);
    LayOutTable();
    KeepCardsReachable();
    // The background follows the table's size (a fade runs to its bottom),
    // and the cards of the old layout must go.
    TableView().PaintEmptyTable();
    TableView().RepaintTable(false);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) {
        HandleResize();
    } else if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched)) {
        // Hints follow the "Show_ToolTips" preference as it is now.
        if (!ParameterIs(field::kShowToolTips, "Y")) return true;
    }
    return C_TAdvancedMainForm::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Commands

void TfrmMain::mnuNewClick() {
    NewGameCommand(game_);
}

void TfrmMain::mnuOpenClick() {
    OpenGameDialog();
    ShowPlayerName();
}

void TfrmMain::mnuAutoplayClick() {
    // A tool button has toggled itself already; the command decides.
    SetAutoplayButtons(mnuAutoplay->isChecked());
    AutoplayCommand(game_);
}

void TfrmMain::mnuRestartClick() {
    RestartDealCommand(game_);
}

void TfrmMain::mnuNewMatchClick() {
    match_->NewMatchCommand();
}

void TfrmMain::mnuDealNumberClick() {
    const auto number =
        AskDealNumber(game_.values.name, GameNumberDigits(game_.values.number), this);
    if (number) PlayDealNumber(game_, *number);
}

void TfrmMain::mnuCopyDealClick() {
    const std::string text =
        DealNumberText(game_.values.name, GameNumberDigits(game_.values.number));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TfrmMain::mnuDailyDealClick() {
    const QDate today = QDate::currentDate();
    const auto number =
        DailyDealNumber(GameId(game_, 0), today.year(), static_cast<unsigned>(today.month()),
                        static_cast<unsigned>(today.day()));
    if (!number) return;
    const DailyDeal deal{GameId(game_, 0), *number, game_.values.name,
                         today.toString(QStringLiteral("yyyy-MM-dd")).toStdString()};
    if (!PlayDealNumber(game_, *number)) return;
    daily_ = deal;
    results_.Watch(deal);
}

void TfrmMain::mnuReplayClick() {
    OpenReplays(this, GameId(game_, -1), game_.values.player);
}

void TfrmMain::mnuCopyResultClick() {
    if (const auto result = results_.ResultOf(daily_))
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(DailyResultLine(daily_, *result)));
}

void TfrmMain::mnuPlayersClick() {
    ShellCommands().Players();
    ShowPlayerName();
}

void TfrmMain::mnuStatisticsClick() {
    ShowStatisticsWindow(game_, this);
}

void TfrmMain::mnuEsciClick() {
    close();
}

void TfrmMain::mnuUndoClick() {
    if (game_.inMatch) return;
    UndoCommand(game_);
}

void TfrmMain::mnuRedoClick() {
    if (game_.inMatch) return;
    RedoCommand(game_);
}

void TfrmMain::mnuCustomizeClick() {
    ShellCommands().Customize();
}

void TfrmMain::mnuRulesClick(int gameId) {
    const long long id = gameId >= 0 ? gameId : TextInt(game_.values.id, -1);
    // Customised games (8000 and up) have no rules page of their own.
    if (id < 0 || id >= 8000) return;
    const std::string saved = helpFile_;
    helpFile_ = ProgramDir() + "quillory.hlp>rules";
    ShowHelpTopic(helpFile_, static_cast<int>(id) + 3000, this);
    helpFile_ = saved;
}

void TfrmMain::mnuContentsClick() {
    ShowHelpContents(helpFile_, this);
}

void TfrmMain::mnuHomePageClick() {
    OpenHomePage(this);
}

void TfrmMain::mnuAboutClick() {
    ShowAboutBox(this);
}

void TfrmMain::Timer1Timer() {
    ClockTick(game_);
    UpdateBestRun();
}

void TfrmMain::UpdateBestRun() {
    if (popShowBest == nullptr) return;  // before the panels exist
    const Game& g = game_;
    std::string deal = game_.values.number;
    deal.erase(deal.find_last_not_of(' ') + 1);
    const int gameId = GameId(game_, -1);
    const std::string player = game_.values.player;
    const std::string key = std::to_string(gameId) + ' ' + deal + ' ' + player;
    // Read once per deal: a new deal, or the same one dealt again (the run
    // just finished may be the best now).
    if (bestStale_ || key != bestKey_) {
        bestStale_ = false;
        bestKey_ = key;
        bestPassed_ = false;
        bestTimes_.clear();
        if (RecordsTurns(Rule(g, rule::kGoalKind)) && !deal.empty()) {
            std::vector<TurnRecord> games;
            for (StoredReplay& r : ReadReplays(gameId, player))
                games.push_back(std::move(r.record));
            bestTimes_ = BestRun(games, deal);
        }
    }
    const int mine = static_cast<int>(PairTimes(Turns(g)).size());
    const int best = PairsBy(bestTimes_, g.status.elapsedMs);
    const int total = static_cast<int>(bestTimes_.size());
    // Passed: more pairs found than the best run had at the same game time.
    // The race is won then, and the line stays away for the rest of the game.
    if (mine > best) bestPassed_ = true;
    const bool wanted = popShowBest->isChecked() && total > 0 && !bestPassed_ && !game_.inMatch &&
                        !Flag(g, flag::kFinished);
    if (wanted) {
        const QString text = BestText(best, total);
        if (lblBest->text() != text) lblBest->setText(text);
        barBestFill->setGeometry(0, 0, barBest->width() * best / total, barBest->height());
    }
    if (wanted != bestWanted_) {
        bestWanted_ = wanted;
        PlaceBestRun();
        PlacePlayerName();
    }
}

void TfrmMain::LayOutBestRun() {
    const int w = pnlBest->width();
    const int h = pnlBest->height();
    // The count above, the thin line along the bottom, inside the frame.
    barBest->setGeometry(4, h - kBestLine - 3, w - 8, kBestLine);
    lblBest->setGeometry(2, 1, w - 4, h - kBestLine - 4);
    barBestFill->resize(barBestFill->width(), kBestLine);
}

void TfrmMain::PlaceBestRun() {
    // Next to the time panel, in the same row: the time and score panels
    // keep their places, so the line takes the slot left of them.
    int right = BarWidth() - kPanelMargin;
    for (QFrame* panel : {pnlTempo, pnlScore})
        if (!panel->isHidden()) right = qMin(right, panel->x() - kPanelGap);
    pnlBest->move(right - pnlBest->width(), pnlTempo->y());
    // It gives way to the bar's buttons, Restart included.
    QToolButton* restart = largeBar_ ? tbRestart : tbRestart1;
    QToolButton* last = restart->isHidden() ? VisibleLastButton() : restart;
    const bool fits = pnlBest->x() > last->x() + last->width() + kBarClearance;
    pnlBest->setVisible(bestWanted_ && fits);
    pnlBest->raise();
}

// ---------------------------------------------------------------------------
// Closing

bool TfrmMain::CloseQuery() {
    WindowPlacement placement;
    placement.maximized = isMaximized();
    const QRect g = isMaximized() ? normalGeometry() : geometry();
    placement.left = g.x();
    placement.top = g.y();
    if (!WindowPositionsKnown()) {
        // The stored position stays for the next start on a desktop that
        // honours it; here the window only has a size.
        const WindowPlacement stored = ReadWindowPlacement(Screen().Width(), Screen().Height());
        placement.left = stored.left;
        placement.top = stored.top;
    }
    placement.width = g.width();
    placement.height = g.height();
    WriteWindowPlacement(placement);

    bool allowed = true;
    if (Flag(game_, flag::kWinAnimation)) {
        // Leaving during the winning show only stops the show.
        StopWinningAnimation(game_);
        game_.Options.SetOpt(opt::kCloseAsked, 1);
        allowed = false;
    } else if (choices_.ConfirmQuitOnClose()) {
        allowed = Dialogs().Confirm(
            ExpandPlaceholders(MainWindowText::tr("Exit [Program]?").toStdString()));
        if (!allowed) game_.Options.SetOpt(opt::kCloseAsked, 0);
    }
    if (!allowed) SetFlag(game_, flag::kCloseRefused, false);
    return allowed;
}

void TfrmMain::FormClose() {
    if (match_) match_->Quit();  // a match is not kept to resume alone
    if (!KeepGameForResume()) EndGame(game_);
    repaint();
    hide();
    StopEventSound();
    Timer1->stop();
    WriteExitPreferences(game_, mnuAutoplay->isChecked());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    FormClose();
    event->accept();
}

}  // namespace bw
