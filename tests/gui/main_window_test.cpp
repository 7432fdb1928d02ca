// The main window driven headless: menus, bars and panels, caption,
// commands, start-up and closing.
#include <gmock/gmock.h>

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <chrono>
#include <filesystem>
#include <sstream>

#include "app/command_line.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/placeholders.h"
#include "app/product_info.h"
#include "app/shell_hooks.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/undo.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "render/library.h"
#include "storage/preferences.h"
#include "storage/resume_file.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MainWindowTest : public GuiFixture, public ::testing::Test {
protected:
    ShellCalls shell;
    MainWindowTest() {
        SetParameter(pos::kSettingsFile, 20, "DATA\\Cfg.dat");
        platform::MakeDir(dir.path() + "DATA");
        window.resize(800, 600);
        InstalledPorts().SetWindow(&window);
    }

    // The preferences of a first run, as start-up loads them.
    void LoadDefaults() { window.ApplyWindowChoices(LoadPreferences(ProgramGame())); }

    TfrmMain window{ProgramGame()};
};

QStringList Captions(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndShortcuts) {
    QStringList bar;
    for (QAction* a : window.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Game", "&Tools", "&Help"}));
    EXPECT_EQ(Captions(window.mnuPartita),
              (QStringList{"&New game", "&Open a game...", "Play deal &number...", "New &match...",
                           "-", "&Players...", "&Statistics...", "-", "E&xit"}));
    EXPECT_EQ(Captions(window.mnuGame),
              (QStringList{"&Undo", "&Redo", "-", "Aut&oplay", "-", "&Restart this deal",
                           "&Copy deal number", "Deal of the &day", "Copy &result",
                           "&Replay last game"}));
    EXPECT_EQ(Captions(window.mnuTools), (QStringList{"C&ustomize..."}));
    EXPECT_EQ(Captions(window.mnuHelp),
              (QStringList{"&Rules", "&Contents", "-", "Brindlewick 2003 on the &Web...", "-",
                           "A&bout Brindlewick 2003..."}));
    EXPECT_EQ(Captions(window.mnuWeb), (QStringList{"Brindlewick 2003 &Home Page"}));

    const std::pair<QAction*, QKeySequence> keys[] = {
        {window.mnuNew, QKeySequence(Qt::Key_F2)},
        {window.mnuOpen, QKeySequence(Qt::CTRL | Qt::Key_F12)},
        {window.mnuPlayers, QKeySequence(Qt::CTRL | Qt::Key_L)},
        {window.mnuStatistics, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {window.mnuUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {window.mnuRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {window.mnuAutoplay, QKeySequence(Qt::Key_F7)},
        {window.mnuCustomize, QKeySequence(Qt::CTRL | Qt::Key_U)},
        {window.mnuRules, QKeySequence(Qt::Key_F1)},
        {window.mnuRestart, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {window.mnuDealNumber, QKeySequence(Qt::CTRL | Qt::Key_G)},
        {window.mnuNewMatch, QKeySequence(Qt::CTRL | Qt::Key_M)},
    };
    for (const auto& [action, key] : keys)
        EXPECT_EQ(action->shortcut(), key) << action->text().toStdString();
    EXPECT_TRUE(window.mnuEsci->shortcut().isEmpty());
    EXPECT_TRUE(window.mnuContents->shortcut().isEmpty());
}

TEST_F(MainWindowTest, PlaceholdersAreReplacedOnceEach) {
    EXPECT_EQ(ExpandPlaceholders("[Program] on the &Web..."), "Brindlewick 2003 on the &Web...");
    EXPECT_EQ(ExpandPlaceholders("[Program] and [Program]"), "Brindlewick 2003 and [Program]");
    EXPECT_EQ(ExpandPlaceholders("[Program_sw]: [GameNum_sw] games, [GameNum_fw] here"),
              "Quillory 2004: 390 games, 5 here");
    EXPECT_EQ(ExpandPlaceholders("no placeholder"), "no placeholder");
}

TEST_F(MainWindowTest, ToolButtonsSitAtTheirPositions) {
    auto lefts = [](std::initializer_list<QToolButton*> buttons) {
        std::vector<int> out;
        for (QToolButton* b : buttons) out.push_back(b->x());
        return out;
    };
    EXPECT_THAT(lefts({window.tbNew, window.tbOpen, window.tbUndo, window.tbRedo, window.tbAutoPlay,
                       window.tbRules, window.tbExit, window.tbStat}),
                ElementsAre(4, 48, 101, 145, 197, 250, 303, 356));
    EXPECT_THAT(lefts({window.tbNew1, window.tbOpen1, window.tbUndo1, window.tbRedo1,
                       window.tbAutoPlay1, window.tbRules1, window.tbExit1, window.tbStat1}),
                ElementsAre(4, 27, 59, 82, 113, 144, 175, 206));
    std::vector<int> seps, seps1;
    for (QFrame* s : window.separators) seps.push_back(s->x());
    for (QFrame* s : window.separators1) seps1.push_back(s->x());
    EXPECT_THAT(seps, ElementsAre(96, 192, 245, 298, 351, 404));
    EXPECT_THAT(seps1, ElementsAre(53, 108, 139, 170, 201, 232));
    EXPECT_EQ(window.tbNew->size(), QSize(44, 42));
    EXPECT_EQ(window.tbNew->toolTip(), "New");

    EXPECT_EQ(window.tbRestart->x(), 409);
    EXPECT_EQ(window.tbRestart1->x(), 237);
}

TEST_F(MainWindowTest, SmallFlatBarIsTwentyFourPixelsWithButtonsAtTopOne) {
    window.ApplyToolBarSize(false);
    window.ApplyToolBarFlat(true);
    EXPECT_FALSE(window.pnlTB->isVisibleTo(&window));
    EXPECT_TRUE(window.pnlTB1->isVisibleTo(&window));
    EXPECT_EQ(window.pnlTB1->height(), 24);
    EXPECT_EQ(window.tbNew1->height(), 22);
    EXPECT_EQ(window.tbNew1->y(), 1);
    EXPECT_EQ(window.tbExit1->width(), 23);
    EXPECT_TRUE(window.tbNew1->autoRaise());
    EXPECT_TRUE(window.separators1[0]->isVisibleTo(&window));
    EXPECT_EQ(window.pnlTempo->height(), 20);
    EXPECT_TRUE(window.popSmallIcons->isChecked());
    EXPECT_FALSE(window.popLargeIcons->isChecked());

    window.ApplyToolBarFlat(false);
    EXPECT_EQ(window.pnlTB1->height(), 25);
    EXPECT_EQ(window.tbNew1->height(), 23);
    EXPECT_FALSE(window.tbNew1->autoRaise());
    EXPECT_FALSE(window.separators1[0]->isVisibleTo(&window));
    EXPECT_TRUE(window.popNoFlat->isChecked());

    window.ApplyToolBarSize(true);
    EXPECT_EQ(window.pnlTB->height(), 45);
    EXPECT_EQ(window.tbNew->y(), 2);
    EXPECT_EQ(window.pnlTempo->height(), 24);
    // The lines follow the visible bar.
    EXPECT_EQ(window.pnlLineaGrigia->y(), 45);
    EXPECT_EQ(window.pnlLineaNera->y(), 46);
    EXPECT_EQ(window.pnlLineaGrigia->height(), 1);
}

TEST_F(MainWindowTest, PopupMenuChangesAreWrittenToTheSettings) {
    window.popSmallIcons->trigger();
    window.popNoFlat->trigger();
    EXPECT_EQ(ReadPreference(key::kToolBarLarge, "?"), "N");
    EXPECT_EQ(ReadPreference(key::kToolBarFlat, "?"), "N");
    // Start-up applies the same settings without writing them.
    window.ApplyToolBarSize(true);
    EXPECT_EQ(ReadPreference(key::kToolBarLarge, "?"), "N");
}

TEST_F(MainWindowTest, NarrowWindowDropsTheScorePanelFirstThenTheTime) {
    SetParameter(66, 1, "Y");
    SetParameter(136, 1, "Y");
    auto arrangeAt = [&](int width) {
        window.resize(width, 400);
        window.ArrangeBars();
        return std::pair{window.pnlTempo->isVisibleTo(&window),
                         window.pnlScore->isVisibleTo(&window)};
    };
    // The large bar's last button, Statistics, ends at 400; the time panel
    // starts at W - 95 and the score panel 75 pixels further left.
    EXPECT_EQ(arrangeAt(800), std::pair(true, true));
    EXPECT_EQ(window.pnlTempo->x(), 800 - 80 - 15);
    EXPECT_EQ(window.pnlScore->x(), 800 - 80 - 15 - 70 - 5);
    EXPECT_EQ(window.pnlScore->y(), window.pnlTempo->y());
    EXPECT_EQ(arrangeAt(574), std::pair(true, true));   // score at 404 > 403
    EXPECT_EQ(arrangeAt(573), std::pair(true, false));  // score at 403: hidden first
    EXPECT_EQ(arrangeAt(499), std::pair(true, false));
    EXPECT_EQ(arrangeAt(498), std::pair(false, false));  // time at 403: hidden too
    EXPECT_EQ(arrangeAt(800), std::pair(true, true));    // and back when there is room

    // Restart (409..452) takes only the room the panels leave.
    auto restartAt = [&](int width) {
        arrangeAt(width);
        EXPECT_EQ(window.separators.back()->isVisibleTo(&window),
                  window.tbRestart->isVisibleTo(&window));
        return window.tbRestart->isVisibleTo(&window);
    };
    EXPECT_TRUE(restartAt(627));   // score at 457
    EXPECT_FALSE(restartAt(626));  // score at 456
    EXPECT_TRUE(window.pnlScore->isVisibleTo(&window));
    SetParameter(66, 1, "N");
    SetParameter(136, 1, "N");
    EXPECT_TRUE(restartAt(500));  // no panels: the bar's own width
}

TEST_F(MainWindowTest, ToolBarNamesTheCurrentPlayer) {
    // The caption of this edition names no player: the bar does, after its
    // buttons, clear of the panels, and follows a change of player.
    SetParameter(66, 1, "Y");
    SetParameter(136, 1, "Y");
    SetValue(ProgramGame().values.player, field::kPlayer, "Player 1");
    window.resize(1000, 500);
    window.show();
    window.ArrangeBars();
    window.UpdateCaption();
    QLabel* name = window.lblPlayerName;
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->text(), "Player: Player 1");
    EXPECT_FALSE(window.windowTitle().contains("Player 1"));
    auto clear = [&] {
        const QRect at = name->geometry();
        return at.left() > window.tbStat->geometry().right() && at.right() < window.pnlScore->x() &&
               at.right() < window.pnlTempo->x();
    };
    EXPECT_TRUE(clear());
    shell.players = [] {
        SetValue(ProgramGame().values.player, field::kPlayer, "Anna Lisa Marianne Konstantina");
    };
    window.mnuPlayers->trigger();
    EXPECT_EQ(name->toolTip(), "Player: Anna Lisa Marianne Konstantina");
    EXPECT_TRUE(name->text().startsWith("Player: Anna"));
    EXPECT_TRUE(clear());
    // Narrower, the name is shortened, then left out before it would cover a panel.
    window.resize(640, 500);
    window.ArrangeBars();
    EXPECT_TRUE(!name->isVisible() || clear());
    window.resize(520, 500);
    window.ArrangeBars();
    EXPECT_FALSE(name->isVisible());
}

TEST_F(MainWindowTest, HidingTheTimePanelMovesTheScoreToTheRightEdge) {
    LoadDefaults();
    window.resize(900, 500);
    window.ArrangeBars();
    ASSERT_EQ(window.pnlScore->x(), 900 - 80 - 15 - 70 - 5);
    EXPECT_FALSE(window.popShowTime->isEnabled());

    window.popHideTime->trigger();
    EXPECT_FALSE(window.pnlTempo->isVisibleTo(&window));
    EXPECT_EQ(window.pnlScore->x(), 900 - 70 - 15);
    EXPECT_TRUE(window.pnlScore->isVisibleTo(&window));
    EXPECT_TRUE(window.popShowTime->isEnabled());
    EXPECT_EQ(GetParameter(66, 1), "N");
    EXPECT_EQ(ReadPreference(key::kShowTime, "?"), "N");

    window.popShowTime->trigger();
    EXPECT_TRUE(window.pnlTempo->isVisibleTo(&window));
    EXPECT_EQ(window.pnlScore->x(), 900 - 80 - 15 - 70 - 5);
    EXPECT_EQ(ReadPreference(key::kShowTime, "?"), "Y");

    window.popHideScore->trigger();
    EXPECT_FALSE(window.pnlScore->isVisibleTo(&window));
    EXPECT_EQ(ReadPreference(key::kShowScore, "?"), "N");
}

TEST_F(MainWindowTest, CaptionNamesTheGameAndTheDealNumber) {
    SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000012345678");
    // No game dealt: none named.
    window.UpdateCaption();
    EXPECT_EQ(window.windowTitle(), "Brindlewick 2003 3.1");
    SetFlag(ProgramGame(), flag::kInProgress, true);
    SetValue(ProgramGame().values.number, field::kGameNumber, "");
    window.UpdateCaption();
    EXPECT_EQ(window.windowTitle(), "Brindlewick 2003 3.1  [Memory-Up (6x4)]");
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000012345678");
    window.UpdateCaption();
    EXPECT_EQ(window.windowTitle(), "Brindlewick 2003 3.1  [Memory-Up (6x4)]  [0000012345678]");
    // Assigned only when it changes.
    window.setWindowTitle("x");
    window.SetCaption("x");
    EXPECT_EQ(window.windowTitle(), "x");
}

TEST_F(MainWindowTest, GameCommandsAreEnabledTogether) {
    SetGameCommands(ProgramGame(), false);
    for (QAction* a :
         {window.mnuNew, window.mnuUndo, window.mnuRedo, window.mnuAutoplay, window.mnuRules})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QToolButton* b : {window.tbNew, window.tbUndo1, window.tbAutoPlay, window.tbRules1})
        EXPECT_FALSE(b->isEnabled());
    // Commands that need no game stay available.
    EXPECT_TRUE(window.mnuOpen->isEnabled());
    EXPECT_TRUE(window.tbOpen->isEnabled());
    EXPECT_TRUE(window.tbExit->isEnabled());
    EXPECT_FALSE(window.AutoplayEnabled());
    SetGameCommands(ProgramGame(), true);
    EXPECT_TRUE(window.mnuNew->isEnabled());
    // Undo and Redo also wait for something to restore.
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.tbRedo1->isEnabled());
}

TEST_F(MainWindowTest, AutoplayCheckMarkDrivesBothButtons) {
    window.mnuAutoplay->trigger();  // the menu item
    EXPECT_TRUE(window.AutoplayChecked());
    EXPECT_TRUE(window.tbAutoPlay->isChecked());
    EXPECT_TRUE(window.tbAutoPlay1->isChecked());

    window.tbAutoPlay->click();  // the large tool button
    EXPECT_FALSE(window.AutoplayChecked());
    EXPECT_FALSE(window.tbAutoPlay->isChecked());
    EXPECT_FALSE(window.tbAutoPlay1->isChecked());

    window.tbAutoPlay1->click();  // the small one
    EXPECT_TRUE(window.AutoplayChecked());
    EXPECT_TRUE(window.tbAutoPlay->isChecked());
    EXPECT_TRUE(Status(ProgramGame()).autoplay);

    // The engine's switch (start-up, per-game switch) moves the same marks.
    SetAutoplaySwitch(ProgramGame(), false);
    EXPECT_FALSE(window.mnuAutoplay->isChecked());
    EXPECT_FALSE(window.tbAutoPlay1->isChecked());

    // F7 reaches the command while the window has the focus.
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F7);
    EXPECT_TRUE(window.AutoplayChecked());
}

TEST_F(MainWindowTest, AutoplayInPerGameModeIsStoredForTheGame) {
    ProgramGame().Options.SetOpt(105, 2);
    SetValue(ProgramGame().values.id, field::kGameId, "4");
    window.mnuAutoplay->trigger();  // on
    window.mnuAutoplay->trigger();  // off
    EXPECT_EQ(ReadSetting(section::kAutoplay, key::kAutoplayGames, ""), "YYYYNYYYYYYYYY");
    // With one switch for all games nothing is stored per game.
    ProgramGame().Options.SetOpt(105, 1);
    window.mnuAutoplay->trigger();
    EXPECT_EQ(ReadSetting(section::kAutoplay, key::kAutoplayGames, ""), "YYYYNYYYYYYYYY");
}

TEST_F(MainWindowTest, CommandsCallTheirHandlers) {
    std::vector<std::string> calls;
    shell.openGameDialog = [&] { calls.push_back("open"); };
    shell.customize = [&] { calls.push_back("customize"); };
    shell.players = [&] { calls.push_back("players"); };
    window.tbOpen1->click();
    window.mnuCustomize->trigger();
    window.mnuPlayers->trigger();
    EXPECT_THAT(calls, ElementsAre("open", "customize", "players"));

    // The Help menu's own commands: the home page of this build is the
    // program's own help, shown in its help window rather than left to a
    // desktop that may have nothing to open it with...
    dir.write("help/contents.html", "<html><body>Contents</body></html>");
    window.mnuHomePage->trigger();
    EXPECT_THAT(dialogs.urls, IsEmpty());
    HelpWindow* help = FindHelpWindow("proc");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->toPlainText(), "Contents");
    help->close();
    // ...and the about box opens, with its sound.
    SetParameter(141, 1, "Y");
    SetParameter(142, 1, "Y");
    QString shown;
    {
        ModalAnswer answer([&](QWidget* modal) {
            shown = modal->objectName();
            modal->findChild<QPushButton*>("btnOK")->click();
        });
        window.mnuAbout->trigger();
    }
    EXPECT_EQ(shown, "frmAbout");
    EXPECT_THAT(sound.played, ElementsAre("About"));
}

TEST_F(MainWindowTest, AboutBoxNamesTheProgramAndOpensItsHomePage) {
    ASSERT_TRUE(LoadResourceLibraryFile(BW_PROGRAM_DIR "QLR.RGF"));
    dir.write("help/contents.html", "<html></html>");
    TfrmAbout about(&window);
    EXPECT_EQ(about.windowTitle(), "About Brindlewick 2003");
    EXPECT_EQ(about.lblProduct->text(), "Brindlewick 2003");
    EXPECT_EQ(about.lblVersion->text(), "Version 3.1");
    EXPECT_THAT(about.lblCopyright->text().toStdString(), ::testing::HasSubstr("Copyright"));
    EXPECT_FALSE(about.imgIcon->pixmap().isNull());
    // The link reads as the page's file; it opens the page in the help window.
    const std::string page = "file://" + dir.path() + "help/contents.html";
    about.show();
    const QString shown = QTextDocumentFragment::fromHtml(about.lblHomePage->text()).toPlainText();
    EXPECT_EQ(shown.toStdString(), dir.path() + "help/contents.html");
    emit about.lblHomePage->linkActivated(QString::fromStdString(page));
    EXPECT_THAT(dialogs.urls, IsEmpty());
    ASSERT_NE(FindHelpWindow("proc"), nullptr);
    EXPECT_TRUE(FindHelpWindow("proc")->isVisible());
    about.hide();

    // A page that is gone is reported.
    platform::DeleteFile(dir.file("help/contents.html"));
    EXPECT_FALSE(OpenHomePage());
    ASSERT_EQ(dialogs.infos.size(), 1u);
    EXPECT_THAT(dialogs.infos[0], ::testing::HasSubstr("cannot be found"));
}

TEST_F(MainWindowTest, TimerTicksTheGameClock) {
    EXPECT_EQ(window.Timer1->interval(), 1000);
    clock.dayStart = 10 * 3600 * 1000;
    ProgramGame().GameTimes[0] = clock.MillisecondsOfDay();
    window.Timer1Timer();  // the clock is stopped: the label stays
    EXPECT_EQ(window.TimeText(), ZeroTimeText().toStdString());
    SetFlag(ProgramGame(), flag::kClockRuns, true);
    clock.Advance(61000);
    window.Timer1Timer();
    const std::string sep = window.TimeSeparator();
    EXPECT_EQ(window.TimeText(), "0" + sep + "01" + sep + "01");
}

TEST_F(MainWindowTest, PressOnTheTableReachesThePressHandler) {
    window.show();
    clock.dayStart = 9 * 3600 * 1000;
    ProgramGame().GameTimes[0] = clock.MillisecondsOfDay();
    SetFlag(ProgramGame(), flag::kInProgress, true);
    SetFlag(ProgramGame(), flag::kClockRuns, true);
    clock.Advance(5000);
    // The press handler ticks the clock before it looks at the table.
    QTest::mouseClick(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    const std::string sep = window.TimeSeparator();
    EXPECT_EQ(window.TimeText(), "0" + sep + "00" + sep + "05");
}

TEST_F(MainWindowTest, TimeAndScoreShowWhatTheCoreSends) {
    EXPECT_EQ(window.TimeText(), ZeroTimeText().toStdString());
    window.ShowTime("0:01:59");
    EXPECT_EQ(window.TimeText(), "0:01:59");
    window.ShowScore("-52");
    EXPECT_EQ(window.lblScore->text(), "-52");
    EXPECT_EQ(window.lblTempo2->text(), "Time:");
    EXPECT_EQ(window.lblScore2->text(), "Score:");
    // A blank's width separates caption and value, in either bar, for a time
    // under ten hours and the lowest score.
    window.ShowScore("-999");
    for (bool large : {true, false}) {
        (large ? window.popLargeIcons : window.popSmallIcons)->trigger();
        for (auto [caption, value] : {std::pair{window.lblTempo2, window.lblTempo},
                                      std::pair{window.lblScore2, window.lblScore}}) {
            const QFontMetrics fm = value->fontMetrics();
            const int captionEnd =
                caption->x() + caption->fontMetrics().horizontalAdvance(caption->text());
            const int valueStart =
                value->geometry().right() + 1 - fm.horizontalAdvance(value->text());
            EXPECT_GE(valueStart - captionEnd, fm.horizontalAdvance(' '))
                << caption->text().toStdString() << value->text().toStdString() << " large "
                << large;
            EXPECT_LE(value->geometry().right(), value->parentWidget()->width() - 2);
        }
    }
}

TEST_F(MainWindowTest, RulesShowTheGamesPageInTheRulesWindow) {
    dir.write("help/3201.html", "<html><body><h2>Memory-Up (6x4)</h2></body></html>");
    SetValue(ProgramGame().values.id, field::kGameId, "201");
    window.mnuRules->trigger();
    HelpWindow* rules = FindHelpWindow("rules");
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_TRUE(rules->browser()->toPlainText().contains("Memory-Up (6x4)"));
    rules->close();

    // A page that is not there is reported, not shown empty.
    SetValue(ProgramGame().values.id, field::kGameId, "202");
    window.mnuRules->trigger();
    ASSERT_EQ(dialogs.infos.size(), 1u);
    EXPECT_THAT(dialogs.infos[0], ::testing::HasSubstr("3202.html"));

    // Customised games have no rules page: nothing happens.
    window.mnuRulesClick(8001);
    EXPECT_EQ(dialogs.infos.size(), 1u);
}

TEST_F(MainWindowTest, ShippedHelpPagesCoverEveryGame) {
    // The build copies the pages beside the program.
    const std::string dirOfPages = std::string(BW_PROGRAM_DIR) + "help/";
    for (int id = 200; id <= 205; ++id)
        EXPECT_TRUE(platform::FileExists(dirOfPages + std::to_string(id + 3000) + ".html")) << id;
    EXPECT_TRUE(platform::FileExists(dirOfPages + "contents.html"));
    const std::string concentration = ReadFile(dirOfPages + "3203.html");
    EXPECT_THAT(concentration, ::testing::HasSubstr("90"));
}

TEST(CommandLineTest, HelpAndVersionAnswerAndEveryOtherArgumentIsIgnored) {
    auto answer = [](std::vector<std::string> args, std::string* text = nullptr) {
        std::ostringstream out;
        auto code = AnswerCommandLine(args, "/opt/bw/share/brindlewick/", "/home/p/DATA/", out);
        if (text) *text = out.str();
        return code;
    };
    std::string text;
    EXPECT_EQ(answer({"--version"}, &text), 0);
    EXPECT_THAT(text, ::testing::StartsWith("brindlewick 3.1\n"));
    // Wherever it stands, and in its short form.
    EXPECT_EQ(answer({"-style", "fusion", "-h"}, &text), 0);
    EXPECT_THAT(text, ::testing::StartsWith("Usage: brindlewick"));
    EXPECT_THAT(text, ::testing::HasSubstr("/opt/bw/share/brindlewick/"));
    EXPECT_THAT(text, ::testing::HasSubstr("/home/p/DATA/"));
    EXPECT_EQ(answer({}), std::nullopt);
    EXPECT_EQ(answer({"--versions", "game.dat", "-"}, &text), std::nullopt);
    EXPECT_EQ(text, "");
}

// ---------------------------------------------------------------------------
// Start-up and closing

class StartUpTest : public MainWindowTest {
protected:
    StartUpTest() {
        SetProgramDir(dir.path());
        dir.write("GAMES.DAT", MemoryGamesCatalogue());
    }
};

TEST_F(StartUpTest, EmptySettingsFolderStartsOnTheDefaultGame) {
    ASSERT_TRUE(window.FormCreate());
    EXPECT_TRUE(platform::DirExists(dir.path() + "DATA"));
    EXPECT_EQ(ProgramGame().values.id, "0201");
    EXPECT_EQ(ProgramGame().values.name, "Memory-Up (6x4)");
    EXPECT_EQ(window.windowTitle(), "Brindlewick 2003 3.1");  // nothing dealt yet
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFirstActivation));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));
    EXPECT_EQ(ProgramGame().Options.Opt(122), 4);
    EXPECT_EQ(ProgramGame().Options.Opt(100), -1);
    EXPECT_EQ(ProgramGame().CardRegister.size(), 108u);
    EXPECT_EQ(ProgramGame().CardRegister[0], "CUORI_A        10011");
    EXPECT_EQ(ProgramGame().CardRegister[107], "JOKER          41081");
    EXPECT_EQ(dir.read("QLRV0620.DAT"), "Quillory version: 06.20\r\n");
    // Default preferences: large flat bar, both panels, autoplay on.
    EXPECT_TRUE(window.LargeBar());
    EXPECT_TRUE(window.FlatButtons());
    EXPECT_TRUE(window.AutoplayChecked());
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(StartUpTest, MissingGamesFileIsFatalWithItsMessage) {
    platform::DeleteFile(dir.file("GAMES.DAT"));
    EXPECT_FALSE(window.FormCreate());
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Error: Cannot find file:\n" + dir.path() +
                                     "GAMES.DAT\nCopy the file into the directory that above is "
                                     "specified\nor reinstall the program.");
}

TEST_F(StartUpTest, GamesFileWithoutGamesIsFatalToo) {
    dir.write("GAMES.DAT", "[Sect1]\r\n[Sect2]\r\n");
    EXPECT_FALSE(window.FormCreate());
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_THAT(dialogs.errors[0], ::testing::HasSubstr("holds no game"));
}

TEST_F(StartUpTest, UnknownStoredGameLeavesNoGameCurrent) {
    dir.write("DATA/Cfg.dat", "[Preference]\r\nGame=377\r\nGame_name=Gone\r\n");
    ASSERT_TRUE(window.FormCreate());
    EXPECT_EQ(ProgramGame().values.id, "-001");
    EXPECT_EQ(ProgramGame().values.name, "");
}

TEST_F(StartUpTest, OldFilesAreDeletedAndOthersKept) {
    for (const char* f : {"IMAGES/GAME0000.BMP", "IMAGES/GAME0042.BMP", "IMAGES/WB001.BMP",
                          "IMAGES/WP025.BMP", "IMAGES/CB001C.BMP", "IMAGES/CB005S.BMP",
                          "IMAGES/CL003H.BMP", "QUILLORY.DLL", "IMAGES/MINE.BMP"})
        dir.write(f, "x");
    // Without its marker file a group is left alone.
    dir.write("IMAGES/GAMEX.BMP", "x");
    ASSERT_TRUE(window.FormCreate());
    for (const char* gone :
         {"IMAGES/GAME0000.BMP", "IMAGES/GAME0042.BMP", "IMAGES/WB001.BMP", "IMAGES/WP025.BMP",
          "IMAGES/CB001C.BMP", "IMAGES/CB005S.BMP", "IMAGES/CL003H.BMP", "QUILLORY.DLL"})
        EXPECT_FALSE(platform::FileExists(dir.file(gone))) << gone;
    EXPECT_TRUE(platform::FileExists(dir.file("IMAGES/MINE.BMP")));
    EXPECT_TRUE(platform::FileExists(dir.file("IMAGES/GAMEX.BMP")));
}

// What a power cut in the middle of a rewrite leaves is cleared at the next
// start, once no running copy can still be writing it.
TEST_F(StartUpTest, StaleTemporaryFilesOfInterruptedRewritesAreRemoved) {
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
    for (const char* f : {"DATA/rplA3F.tmp", "DATA/ini7.tmp", "verFFFF.tmp", "DATA/rpl12.tmp",
                          "DATA/rplay.tmp", "DATA/rpl1.dat", "DATA/Cfg.dat", "rpl1.tmp"}) {
        dir.write(f, "x");
        std::filesystem::last_write_time(dir.file(f), old);
    }
    dir.write("DATA/rplBEEF.tmp", "being written now");
    ASSERT_TRUE(window.FormCreate());
    for (const char* gone : {"DATA/rplA3F.tmp", "DATA/ini7.tmp", "verFFFF.tmp", "DATA/rpl12.tmp"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(gone))) << gone;
    for (const char* kept :
         {"DATA/rplay.tmp", "DATA/rpl1.dat", "DATA/Cfg.dat", "rpl1.tmp", "DATA/rplBEEF.tmp"})
        EXPECT_TRUE(std::filesystem::exists(dir.file(kept))) << kept;
}

TEST_F(StartUpTest, OnlyTheFirstActivationStartsTheGame) {
    int starts = 0;
    shell.openGameDialog = [&] { ++starts; };
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFirstActivation));
    window.Activated();
    EXPECT_EQ(starts, 1);
}

// Until the open-game dialog is wired in, the first activation deals the
// stored game so the program is playable from its first start.
TEST_F(StartUpTest, FirstActivationDealsTheStoredGame) {
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    const std::string number = ProgramGame().values.number;
    ASSERT_EQ(number.size(), 13u);
    EXPECT_EQ(window.windowTitle().toStdString(),
              "Brindlewick 2003 3.1  [Memory-Up (6x4)]  [" + number + "]");
    EXPECT_TRUE(window.GameCommandsEnabled());
    EXPECT_THAT(dialogs.confirms, IsEmpty());

    // "New game" deals another number without asking by default.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_THAT(dialogs.confirms, IsEmpty());
    EXPECT_EQ(ProgramGame().values.number.size(), 13u);
    EXPECT_NE(ProgramGame().values.number, number);
    EXPECT_TRUE(window.windowTitle().endsWith(
        QString::fromStdString("[" + ProgramGame().values.number + "]")));
}

TEST_F(StartUpTest, NoCurrentGameLeavesTheGameCommandsOff) {
    dir.write("DATA/Cfg.dat", "[Preference]\r\nGame=377\r\n");
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(window.GameCommandsEnabled());
    EXPECT_FALSE(window.tbNew->isEnabled());
    EXPECT_TRUE(window.tbOpen->isEnabled());
}

TEST_F(StartUpTest, NewGameAsksBeforeAbandoningARunningGame) {
    dir.write("DATA/Cfg.dat", "[Preference]\r\nConfirmQuitGame=Y\r\n");
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    const std::string first = ProgramGame().values.number;
    dialogs.answers = {false};
    window.tbNew->click();
    EXPECT_THAT(dialogs.confirms, ElementsAre("Quit this game?"));
    EXPECT_EQ(ProgramGame().values.number, first);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
}

TEST_F(StartUpTest, UndoSwitchedOffKeepsUndoAndRedoDisabled) {
    dir.write("DATA/Cfg.dat", "[Preference]\r\nUndo_Enabled=2\r\n");
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_TRUE(window.GameCommandsEnabled());
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.tbRedo->isEnabled());
    EXPECT_FALSE(window.tbUndo1->isEnabled());
}

TEST_F(StartUpTest, UndoWithNothingRecordedIsGreyedAndBeeps) {
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.tbUndo->isEnabled());
    EXPECT_FALSE(window.tbRedo->isEnabled());
    // Nothing recorded yet: the command, reached anyway, beeps.
    UndoCommand(ProgramGame());
    EXPECT_EQ(dialogs.beeps, 1);
}

// The start-up dialog left without a game: nothing is dealt, so the caption
// names no game and nothing can be undone.
TEST_F(StartUpTest, CancelledFirstDialogLeavesNoGameNamedAndUndoGreyed) {
    shell.openGameDialog = [] {};
    ASSERT_TRUE(window.FormCreate());
    window.Activated();
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(window.windowTitle(), "Brindlewick 2003 3.1");
    EXPECT_TRUE(window.mnuNew->isEnabled());
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    EXPECT_FALSE(window.mnuRedo->isEnabled());
    EXPECT_FALSE(window.tbUndo1->isEnabled());
}

TEST_F(StartUpTest, WindowStartsMaximisedUnlessTheSettingsSayOtherwise) {
    ASSERT_TRUE(window.FormCreate());
    window.RestorePlacement();
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    // The bars span the screen until the first activation.
    EXPECT_EQ(window.BarWidth(), screen.width + 8);
    EXPECT_EQ(window.pnlTB->width(), screen.width + 8);
    // Returning from maximised: 50, 50 and the screen less 150.
    EXPECT_EQ(window.normalGeometry().size(), QSize(screen.width - 150, screen.height - 150));
}

TEST_F(StartUpTest, StoredPlacementIsRestored) {
    dir.write("DATA/Cfg.dat",
              "[Preference]\r\nMainWindowState_Maximized=N\r\nMainWindowState_Left=120\r\n"
              "MainWindowState_Top=80\r\nMainWindowState_Width=640\r\n"
              "MainWindowState_Height=470\r\n");
    ASSERT_TRUE(window.FormCreate());
    window.RestorePlacement();
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.geometry(), QRect(120, 80, 640, 470));
    EXPECT_EQ(window.pnlTempo->x(), 640 - 80 - 15);
}

TEST_F(StartUpTest, MissingRectangleFallsBackToTheScreenLess150) {
    dir.write("DATA/Cfg.dat", "[Preference]\r\nMainWindowState_Maximized=N\r\n");
    ASSERT_TRUE(window.FormCreate());
    window.RestorePlacement();
    EXPECT_EQ(window.geometry(), QRect(50, 50, screen.width - 150, screen.height - 150));
}

class CountingRepaints : public ITable {
public:
    int repaints = 0;
    void RepaintTable(bool) override { ++repaints; }
};

TEST_F(StartUpTest, PaletteDisplayRedrawsTheTableAtEveryActivation) {
    screen.bits = 8;
    CountingRepaints table;
    InstalledPorts().SetTable(&table);
    int& redraws = table.repaints;
    ASSERT_TRUE(window.FormCreate());
    EXPECT_EQ(dialogs.advices.size(), 1u);  // the colour advice at start-up
    window.Activated();                     // the first one also deals
    redraws = 0;
    window.Activated();
    window.Activated();
    EXPECT_EQ(redraws, 2);
    screen.bits = 24;
    window.Activated();
    EXPECT_EQ(redraws, 2);
}

TEST_F(StartUpTest, StoredSettingsShapeTheWindow) {
    dir.write("DATA/Cfg.dat",
              "[Preference]\r\nToolBar_Large=N\r\nToolBar_Flat=N\r\nShow_Score=N\r\n"
              "StatusBar=Y\r\nAutoPlay=N\r\n");
    ASSERT_TRUE(window.FormCreate());
    EXPECT_FALSE(window.LargeBar());
    EXPECT_FALSE(window.FlatButtons());
    EXPECT_EQ(window.pnlTB1->height(), 25);
    EXPECT_FALSE(window.pnlScore->isVisibleTo(&window));
    EXPECT_TRUE(window.popShowScore->isEnabled());
    EXPECT_TRUE(window.pnlStatusBar->isVisibleTo(&window));
    window.show();
    window.resize(700, 500);
    const QWidget* client = window.centralWidget();
    EXPECT_EQ(window.pnlStatusBar->geometry().bottom(), client->height() - 1);
    EXPECT_EQ(window.pnlStatusBar->width(), 700 - 8);
    EXPECT_FALSE(window.AutoplayChecked());
}

// Choices changed in the run are what their readers see, whatever the file
// says behind the program's back.
TEST_F(StartUpTest, ReadersTakeTheRunsChoicesAndACancelledExitKeepsTheWindow) {
    ASSERT_TRUE(window.FormCreate());
    ChangeChoices(
        [](Preferences& p) {
            p.SetConfirmQuit(true);
            p.resumeGame = false;
            p.ownCardSetPath = "mine";
            p.ownBackPath = "leaf";
        },
        {ChoiceKey::kConfirmQuit, ChoiceKey::kResumeGame, ChoiceKey::kOwnCardSet,
         ChoiceKey::kOwnBack});
    dir.write("DATA/Cfg.dat",
              "[Preference]\r\nConfirmQuit=N\r\nResume_Game=Y\r\nCustomized_Cards_Set=x\r\n"
              "Customized_Deck=x\r\n");
    EXPECT_FALSE(ResumeWanted());
    EXPECT_EQ(OwnCardSetPath(), ProgramFile("data\\custom card sets\\mine.crs"));
    EXPECT_EQ(OwnCardBackPath(), ProgramFile("data\\custom decks\\leaf.bmp"));
    window.setGeometry(60, 70, 700, 500);
    window.show();
    dialogs.answers = {false};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_THAT(dialogs.confirms, ElementsAre("Exit Brindlewick 2003?"));
    EXPECT_EQ(ProgramGame().Options.Opt(71), 0);
    EXPECT_EQ(ReadPreference(key::kMaximized, "?"), "N");
    EXPECT_EQ(ReadPreferenceInt(key::kWindowWidth, 0), 700);
    EXPECT_EQ(ReadPreferenceInt(key::kWindowHeight, 0), 500);

    SetFlag(ProgramGame(), flag::kInProgress, true);  // the running game is ended on the way out
    dialogs.answers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadPreference(key::kAutoPlay, "?"), "Y");
    EXPECT_EQ(ReadSettingInt(section::kSettings, key::kRandomGameType, -1), 2);
}

TEST_F(StartUpTest, ExitWithoutConfirmationByDefault) {
    ASSERT_TRUE(window.FormCreate());
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_THAT(dialogs.confirms, IsEmpty());
}

TEST_F(StartUpTest, ClosingDuringTheWinningShowOnlyStopsTheShow) {
    ASSERT_TRUE(window.FormCreate());
    window.show();
    SetFlag(ProgramGame(), flag::kWinAnimation, true);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Flag(ProgramGame(), flag::kWinAnimation));  // the show stops at its next card
    EXPECT_EQ(ProgramGame().Options.Opt(71), 1);
    EXPECT_THAT(dialogs.confirms, IsEmpty());
}

}  // namespace
}  // namespace bw::test

namespace bw::test {
namespace {

// The window as a person sees it: the lines under the bar are drawn where
// the arrangement put them, and the panels over the table. Set
// BW_SCREENSHOT_DIR to keep the pictures.
TEST_F(StartUpTest, GrabbedWindowShowsBarsLinesAndPanels) {
    ASSERT_TRUE(window.FormCreate());
    window.resize(820, 560);
    window.show();
    window.Activated();
    window.ShowScore("-52");
    QImage shot = window.grab().toImage();
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) shot.save(keep + "/main_window_large.png");

    const QPoint origin = window.centralWidget()->mapTo(&window, QPoint(0, 0));
    const int grey = origin.y() + window.pnlLineaGrigia->y();
    EXPECT_EQ(QColor(shot.pixel(400, grey)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(shot.pixel(400, grey + 1)), QColor(Qt::black));
    // Below the lines lies the table.
    EXPECT_EQ(QColor(shot.pixel(400, grey + 40)), TableWidget::BlankColour());
    EXPECT_TRUE(window.pnlTempo->isVisible());
    EXPECT_TRUE(window.pnlScore->isVisible());

    window.popSmallIcons->trigger();
    window.popNoFlat->trigger();
    shot = window.grab().toImage();
    if (!keep.isEmpty()) shot.save(keep + "/main_window_small.png");
    EXPECT_EQ(window.pnlLineaGrigia->y(), 25);
    EXPECT_EQ(QColor(shot.pixel(400, origin.y() + 26)), QColor(Qt::black));
}

}  // namespace
}  // namespace bw::test
