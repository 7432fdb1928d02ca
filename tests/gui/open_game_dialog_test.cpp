#include "app/open_game_dialog.h"

#include <gmock/gmock.h>

#include <QPointer>
#include <QTest>

#include "app/game_preview.h"
#include "app/help_window.h"
#include "app/players_dialog.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "dialog_support.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "render/device_detail.h"
#include "render/images.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "storage/catalogue.h"
#include "storage/results.h"
#include "storage/section_file.h"
#include "storage/statistics.h"
#include "support/program_game.h"

namespace bw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class OpenGameDialog : public test::DialogTest {
protected:
    TfrmOpenGame& Form() { return OpenGameForm(ProgramGame()); }
    QTreeWidgetItem* Branch() { return Form().trvGames->topLevelItem(0); }
    QTreeWidgetItem* Node(const QString& name) {
        QTreeWidgetItem* b = Branch();
        for (int i = 0; i < b->childCount(); ++i)
            if (b->child(i)->text(0) == name) return b->child(i);
        return nullptr;
    }
    std::vector<std::string> ChildNames() {
        std::vector<std::string> names;
        for (int i = 0; i < Branch()->childCount(); ++i)
            names.push_back(Branch()->child(i)->text(0).toStdString());
        return names;
    }
    // A click on a tree node, as the player makes it.
    void Click(QTreeWidgetItem* node) {
        QTreeWidget* tree = Form().trvGames;
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
    }
    void ShowAndSelect(const QString& name) {
        Form().show();
        QTreeWidgetItem* node = Node(name);
        ASSERT_NE(node, nullptr);
        Click(node);
        ASSERT_EQ(Form().trvGames->currentItem(), node);
    }
    static QImage IconImage(const QTreeWidgetItem* node) {
        return node->icon(0).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    static QImage LibraryIcon(const std::string& name) {
        return KeyedToAlpha(LibraryBitmap(name), 0xFF800000).convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(OpenGameDialog, FirstShowingOpensTheBranchOnTheCurrentGame) {
    // Before the first showing the branch waits with its placeholder.
    ASSERT_EQ(Branch()->childCount(), 1);
    EXPECT_EQ(Branch()->child(0)->data(0, Qt::UserRole).toInt(), kPlaceholderNode);
    EXPECT_EQ(Branch()->text(0), "All games (alphabetically)");
    EXPECT_EQ(Form().windowTitle(), "Open a game");

    Form().show();
    EXPECT_TRUE(Branch()->isExpanded());
    // Name order without regard to case.
    EXPECT_THAT(ChildNames(), ElementsAre("ace-To-King", "Big Memory", "Concentration",
                                          "Forget me not", "Memory-Up (6x4)", "Pairs"));
    QTreeWidgetItem* current = Form().trvGames->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), "Memory-Up (6x4)");
    EXPECT_EQ(current->data(0, Qt::UserRole).toInt(), 201);
    EXPECT_TRUE(current->isSelected());
    EXPECT_FALSE(Form().pnlGame->isHidden());
    EXPECT_EQ(Form().lblGameName->text(), "Memory-Up (6x4)");
    EXPECT_TRUE(Form().btnOK->isEnabled());
    EXPECT_TRUE(Form().btnRules->isEnabled());
    EXPECT_TRUE(Form().trvGames->hasFocus() || !Form().isActiveWindow());
    // The players list, sorted, on the current player.
    ASSERT_EQ(Form().cboPlayers->count(), 3);
    EXPECT_EQ(Form().cboPlayers->currentText(), "Player 1");
    EXPECT_THAT(core.dialogs.infos, IsEmpty());
}

TEST_F(OpenGameDialog, TheShippedGames) {
    const std::string shipped = test::ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
    if (shipped.empty()) GTEST_SKIP() << "no GAMES.DAT in the program folder";
    core.dir.write("GAMES.DAT", shipped);
    LoadCatalogue();
    Form().show();
    EXPECT_THAT(ChildNames(), ElementsAre("Ace-To-King", "Concentration", "Forget me not",
                                          "Memory-Up (4x3)", "Memory-Up (6x4)", "Memory-Up (8x5)"));
    ASSERT_NE(Form().trvGames->currentItem(), nullptr);
    EXPECT_EQ(Form().trvGames->currentItem()->text(0), "Memory-Up (6x4)");
    EXPECT_EQ(Form().lblDecks->text(), "2");
    EXPECT_EQ(Form().lblTime->text(), "Quick");
    EXPECT_EQ(Form().lblDifficulty->text(), "Easy");
    EXPECT_EQ(Form().lblSkill->text(), "Mostly skill");
    EXPECT_EQ(Form().lblChance->text(), "Very high (about 99 in 100)");
    EXPECT_EQ(Form().lblRedeals->text(), "0");
    Click(Node("Ace-To-King"));
    EXPECT_EQ(Form().lblDecks->text(), "1");
    EXPECT_EQ(Form().lblChance->text(), "Low");
    EXPECT_EQ(Form().lblDifficulty->text(), "Hard");
    QTest::mouseClick(Form().btnOK, Qt::LeftButton);
    EXPECT_EQ(Pref("Game"), "204");
    EXPECT_EQ(Pref("Game_TreePos"), "1");
}

TEST_F(OpenGameDialog, BranchIsFilledOnceWhenExpandedOrSelected) {
    Form().trvGames->expandItem(Branch());
    EXPECT_EQ(Branch()->childCount(), 6);
    Form().trvGames->collapseItem(Branch());
    Form().trvGames->expandItem(Branch());
    EXPECT_EQ(Branch()->childCount(), 6);
    // Filled on expanding, nothing is selected: the first showing then
    // finds no placeholder and leaves the selection alone.
    Form().show();
    QTreeWidgetItem* current = Form().trvGames->currentItem();
    EXPECT_TRUE(current == nullptr || current == Branch());
    EXPECT_TRUE(Form().pnlGame->isHidden());
    EXPECT_FALSE(Form().btnOK->isEnabled());
}

TEST_F(OpenGameDialog, GameNodesShowTheirFamilyPicture) {
    if (!libraryLoaded) GTEST_SKIP() << "no resource library";
    Form().show();
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE"));
    EXPECT_EQ(IconImage(Node("Big Memory")), LibraryIcon("TREE5_ROW_TYPE"));
    // The branch: a closed folder, an open one while selected.
    Click(Branch());
    const QIcon icon = Branch()->icon(0);
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32),
              LibraryIcon("TREE1"));
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Selected).toImage().convertToFormat(QImage::Format_ARGB32),
              LibraryIcon("TREE2"));
}

TEST_F(OpenGameDialog, BranchSelectedHidesThePreviewAndRefusesOkAndRules) {
    const std::string before = Settings();
    Form().show();
    Click(Branch());
    EXPECT_TRUE(Form().pnlGame->isHidden());
    EXPECT_FALSE(Form().btnOK->isEnabled());
    EXPECT_FALSE(Form().btnRules->isEnabled());
    // The handlers themselves answer a branch (Enter, the accelerators).
    Form().btnOKClick();
    Form().btnRulesClick();
    EXPECT_THAT(core.dialogs.infos, ElementsAre("Open a game", "Select a game"));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_FALSE(Form().confirmed());
    EXPECT_EQ(window.Count("rules 201"), 0);
    EXPECT_EQ(Settings(), before);
}

TEST_F(OpenGameDialog, OkStoresTheChoiceAndConfirms) {
    ShowAndSelect("ace-To-King");
    Form().chkWonLost->setChecked(true);
    QTest::mouseClick(Form().btnOK, Qt::LeftButton);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(Form().confirmed());
    EXPECT_EQ(Pref("Game"), "203");
    EXPECT_EQ(Pref("Game_Name"), "ace-To-King");
    EXPECT_EQ(Pref("Game_TreeNum"), "-30");
    EXPECT_EQ(Pref("Game_TreePos"), "1");  // the branch is 0, its first child 1
    EXPECT_EQ(Pref("Open_Show_Won_Lost"), "Y");
    // The current game changes only when the main window opens it.
    EXPECT_EQ(ProgramGame().values.id, "201");
    const OpenGameChoice c = Form().Choice();
    EXPECT_EQ(c.id, 203);
    EXPECT_EQ(c.name, "ace-To-King");
    EXPECT_EQ(c.player, "Player 1");
    int num = 0, place = 0;
    ASSERT_TRUE(Form().TreePlace(203, num, place));
    EXPECT_EQ(num, -30);
    EXPECT_EQ(place, 1);
    ASSERT_TRUE(Form().TreePlace(200, num, place));
    EXPECT_EQ(place, 6);
    EXPECT_FALSE(Form().TreePlace(999, num, place));
    EXPECT_GE(window.Count("repaint"), 1);
}

TEST_F(OpenGameDialog, DoubleClickOnAGameIsOk) {
    Form().show();
    QTreeWidgetItem* node = Node("Pairs");
    QTreeWidget* tree = Form().trvGames;
    tree->scrollToItem(node);
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(Form().confirmed());
    EXPECT_EQ(Pref("Game"), "200");
    EXPECT_EQ(Pref("Game_TreePos"), "6");
}

TEST_F(OpenGameDialog, CancelWritesNothingAndTheNextShowingKeepsTheSelection) {
    const std::string before = "[Preference]\r\nGame=201\r\n";
    core.dir.write("DATA/Cfg.dat", before);
    ShowAndSelect("Concentration");
    QTest::mouseClick(Form().btnCancel, Qt::LeftButton);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(Form().confirmed());
    EXPECT_EQ(Settings(), before);
    EXPECT_EQ(ProgramGame().values.id, "201");
    // The tree persists: the second showing starts on the last selection.
    Form().show();
    ASSERT_NE(Form().trvGames->currentItem(), nullptr);
    EXPECT_EQ(Form().trvGames->currentItem()->text(0), "Concentration");
    EXPECT_EQ(Form().lblGameName->text(), "Concentration");
    // Escape is Cancel as well.
    QTest::keyClick(Form().trvGames, Qt::Key_Escape);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(Settings(), before);
}

TEST_F(OpenGameDialog, FactTextsAndPictures) {
    Form().show();
    struct Case {
        const char* game;
        const char* decks;
        const char* time;
        const char* difficulty;
        const char* skill;
        const char* chance;
        const char* redeals;
    } cases[] = {
        {"Pairs", "0", "Quick", "Easy", "Chance only", "Very high", "Unlimited"},
        {"Memory-Up (6x4)", "0", "Medium", "Medium", "Moderate", "Low (about 3 in 10)", "0"},
        {"Concentration", "2", "Long", "Hard", "Difficult", "High", "0"},
        {"ace-To-King", "0", "Quick", "Medium", "Mostly chance", "Very low", "3"},
        // Odds of "1 in 0" are no odds.
        {"Forget me not", "0", "Long", "Easy", "Difficult", "Medium", "1"},
        // Values the tables do not know show nothing.
        {"Big Memory", "0", "", "Easy", "Difficult", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        Click(Node(c.game));
        EXPECT_EQ(Form().lblGameName->text(), c.game);
        EXPECT_EQ(Form().lblDecks->text(), c.decks);
        EXPECT_EQ(Form().lblTime->text(), c.time);
        EXPECT_EQ(Form().lblDifficulty->text(), c.difficulty);
        EXPECT_EQ(Form().lblSkill->text(), c.skill);
        EXPECT_EQ(Form().lblChance->text(), c.chance);
        EXPECT_EQ(Form().lblRedeals->text(), c.redeals);
        if (libraryLoaded) {
            EXPECT_EQ(Form().imgTime->pixmap().isNull(), std::string(c.time).empty());
        }
    }
    if (!libraryLoaded) return;
    Click(Node("ace-To-King"));
    EXPECT_EQ(Form().imgTime->pixmap().toImage(),
              LibraryBitmap("PROG_TIME_QUICK")
                  .convertToFormat(Form().imgTime->pixmap().toImage().format()));
    EXPECT_EQ(Form().imgChance->pixmap().toImage(),
              LibraryBitmap("PROG_CHAN_VERYLOW")
                  .convertToFormat(Form().imgChance->pixmap().toImage().format()));
}

TEST_F(OpenGameDialog, SmallScreenRefusesAGameMarkedFor800x600) {
    screen.width = 640;
    screen.height = 480;
    const std::string before = Settings();
    ShowAndSelect("Forget me not");
    QTest::mouseClick(Form().btnOK, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos,
                ElementsAre("Your video card's display is 640x480 pixels.\nYou can't play: "
                            "Forget me not\nPlease set your screen resolution to 800x600 pixels "
                            "or higher."));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_FALSE(Form().confirmed());
    EXPECT_EQ(Settings(), before);
    // Another game plays on that screen.
    Click(Node("Pairs"));
    QTest::mouseClick(Form().btnOK, Qt::LeftButton);
    EXPECT_TRUE(Form().confirmed());
    EXPECT_EQ(core.dialogs.infos.size(), 1u);
}

TEST_F(OpenGameDialog, RulesShowTheSelectedGame) {
    ShowAndSelect("Pairs");
    QTest::mouseClick(Form().btnRules, Qt::LeftButton);
    EXPECT_EQ(window.Count("rules 200"), 1);
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(OpenGameDialog, RulesOverTheModalDialogTakeInput) {
    // The main window shows the rules, owning them, while the dialog is
    // modal over it: the rules must still be read and closed by the player.
    core.dir.write("help/3200.html", "<html><body><h2>Pairs</h2></body></html>");
    QWidget mainWindow;
    mainWindow.show();
    QPointer<HelpWindow> rules;
    bool shown = false;
    test::ModalScript script;
    script.Then([&](QWidget*) {
        Click(Node("Pairs"));
        QTest::mouseClick(Form().btnRules, Qt::LeftButton);
        EXPECT_EQ(window.Count("rules 200"), 1);
        ASSERT_TRUE(ShowHelpTopic(ProgramDir() + "quillory.hlp>rules", 3200, &mainWindow));
        rules = FindHelpWindow("rules");
        ASSERT_NE(rules, nullptr);
        shown = rules->isVisible();
        QTest::keyClick(rules->windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(Form().isVisible());
        QTest::mouseClick(Form().btnCancel, Qt::LeftButton);
    });
    Form().exec();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(!rules || !rules->isVisible()) << "the rules took no key";
}

TEST_F(OpenGameDialog, ClosingWithoutACurrentGameDisablesTheGameCommands) {
    SetValue(ProgramGame().values.id, field::kGameId, FormatNumber(-1, 4));
    Form().show();
    // No game node to select.
    EXPECT_FALSE(Form().btnOK->isEnabled());
    QTest::mouseClick(Form().btnCancel, Qt::LeftButton);
    EXPECT_THAT(window.events, ElementsAre("commands off", "repaint"));
    // With a current game the commands stay as they are.
    window.events.clear();
    SetValue(ProgramGame().values.id, field::kGameId, "201");
    Form().show();
    Form().close();
    EXPECT_THAT(window.events, ElementsAre("repaint"));
}

TEST_F(OpenGameDialog, StoredBranchAndPreviewSwitchAreReadAtCreation) {
    core.dir.write("DATA/Cfg.dat",
                   "[Preference]\r\nGame_TreeNum=-7\r\nOpen_Preview_Game=N\r\n"
                   "Open_Show_Won_Lost=Y\r\n");
    Form().show();
    // A branch this edition does not have opens the one it has.
    ASSERT_NE(Form().trvGames->currentItem(), nullptr);
    EXPECT_EQ(Form().trvGames->currentItem()->text(0), "Memory-Up (6x4)");
    EXPECT_TRUE(Form().imgGame->isHidden());
    EXPECT_TRUE(Form().chkWonLost->isChecked());
    // Later changes of the file do not reach the live dialog.
    platform::IniWriteString(SettingsFile(), "Preference", "Open_Preview_Game", "Y");
    Click(Node("Pairs"));
    EXPECT_TRUE(Form().imgGame->isHidden());
}

TEST_F(OpenGameDialog, PreviewPictureLiesOnTheGradient) {
    ShowAndSelect("Pairs");
    EXPECT_FALSE(Form().imgGame->isHidden());
    const QImage shown = Form().PreviewPicture();
    ASSERT_EQ(shown.size(), QSize(300, 185));
    const QImage bg = PreviewBackground(QSize(300, 185), true);
    EXPECT_EQ(QColor(bg.pixel(5, 0)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(bg.pixel(5, 184)), QColor(0, 0, 0));
    // Darker downwards, one band at a time.
    for (int y = 1; y < 185; ++y) ASSERT_LE(qGreen(bg.pixel(0, y)), qGreen(bg.pixel(0, y - 1)));
    EXPECT_EQ(qRed(bg.pixel(0, 92)) + qBlue(bg.pixel(0, 92)), 0);
    EXPECT_GT(qGreen(bg.pixel(0, 92)), 50);
    // Where the table has no card, the background shows.
    EXPECT_EQ(shown.pixel(0, 184), bg.pixel(0, 184));
    EXPECT_EQ(shown.pixel(299, 0), bg.pixel(299, 0));
    // 256 colours: plain green.
    const QImage plain = PreviewBackground(QSize(300, 185), false);
    EXPECT_EQ(QColor(plain.pixel(0, 0)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(plain.pixel(299, 184)), QColor(0, 128, 0));
}

TEST_F(OpenGameDialog, ComposedPictureIsCentredAndKeyedOnItsCorner) {
    const QImage bg = PreviewBackground(QSize(300, 185), false);
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    picture.setPixel(50, 10, qRgb(200, 10, 10));
    const QImage out = ComposePreview(bg, picture);
    EXPECT_EQ(out.pixel(100 + 50, 10), qRgb(200, 10, 10));
    EXPECT_EQ(out.pixel(100, 0), bg.pixel(100, 0));  // key colour: transparent
    EXPECT_EQ(out.pixel(150, 60), bg.pixel(150, 60));
    EXPECT_EQ(ComposePreview(bg, QImage()), bg);
    // An odd difference drops the half pixel.
    QImage odd(3, 1, QImage::Format_RGB32);
    odd.fill(Qt::white);
    odd.setPixel(1, 0, qRgb(1, 2, 3));
    EXPECT_EQ(ComposePreview(QImage(8, 1, QImage::Format_RGB32), odd).pixel(3, 0), qRgb(1, 2, 3));
}

TEST_F(OpenGameDialog, PreviewTableLeavesTheRunningGameAlone) {
    // A running game of its own.
    ProgramGame().MazzoPiles[0] = "001002";
    ProgramGame().FilaPiles[3] = "013";
    ProgramGame().GameRules[51] = 7;
    ProgramGame().GameRules[371] = 52;
    ProgramGame().Options.SetOpt(70, 0);
    ProgramGame().Options.SetOpt(90, 4);
    ProgramGame().FilaLeft[0] = 123;
    SetValue(ProgramGame().values.number, field::kGameNumber, "4242424242424");
    SetValue(ProgramGame().values.score, field::kScore, "17");
    SetFlag(ProgramGame(), flag::kInProgress, true);
    const Game before = ProgramGame();

    {
        PreviewState state(201, QSize(300, 185));
        ASSERT_TRUE(state.ok());
        EXPECT_EQ(state.game().Options.Opt(70), 1);
        EXPECT_EQ(state.game().GameRules[371], 24);
        // The grid lies inside the picture: four rows of six small cards.
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_GE(state.game().FilaLeft[i], 0);
            EXPECT_LE(state.game().FilaLeft[i] + 6 * 25, 300);
            EXPECT_GE(state.game().FilaTop[i], 3);
            EXPECT_LE(state.game().FilaTop[i] + 32, 185);
        }
        int dealt = 0;
        for (int i = 0; i < 4; ++i) dealt += static_cast<int>(state.game().FilaPiles[i].size() / 3);
        EXPECT_EQ(dealt, 24);
    }
    // The preview deals a game of its own: nothing of the running one moves.
    EXPECT_TRUE(ProgramGame() == before);
    EXPECT_EQ(ProgramGame().values.number, "4242424242424");
    EXPECT_EQ(ProgramGame().values.score, "17");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(InstalledPorts().statusDisplay, &window);
    EXPECT_THAT(window.events, IsEmpty());
    EXPECT_THAT(table.events, IsEmpty());

    // A game the catalogue does not hold has no preview.
    PreviewState none(999, QSize(300, 185));
    EXPECT_FALSE(none.ok());
}

// The box around the pixels a picture does not leave transparent.
QRect OpaqueBox(const QImage& picture) {
    QRect box;
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(OpenGameDialog, PreviewPictureIsTheDealtTableInSmallCards) {
    // The main table's own look, which the preview must leave alone.
    ProgramGame().CardWidth = 71;
    ProgramGame().CardHeight = 96;
    CardFaces()[0] = QImage(71, 96, QImage::Format_RGB32);
    CardFaces()[0].fill(Qt::red);
    TableBitmap() = QImage(40, 30, QImage::Format_RGB32);
    TableBitmap().fill(Qt::blue);
    const QImage face = CardFaces()[0], tableBefore = TableBitmap();

    const QImage picture = RenderGamePreview(201, QSize(300, 185));
    ASSERT_EQ(picture.size(), QSize(300, 185));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    // Four rows of six cards of 25 x 32 and the "Waste" beside them, where
    // the layout puts them.
    QRect expected;
    {
        PreviewState state(201, QSize(300, 185));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(SlotCount(state.game().FilaPiles[static_cast<size_t>(i)]), 6);
            expected |= QRect(state.game().FilaLeft[static_cast<size_t>(i)],
                              state.game().FilaTop[static_cast<size_t>(i)], 25, 32);
        }
        expected |=
            QRect(state.game().Options.StockLeft(2), state.game().Options.StockTop(2), 25, 32);
    }
    const QRect box = OpaqueBox(picture);
    EXPECT_TRUE(expected.contains(box))
        << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
    EXPECT_GE(box.width(), expected.width() - 2);
    EXPECT_GE(box.height(), expected.height() - 2);
    // A card back in the middle of the first card.
    EXPECT_EQ(qAlpha(picture.pixel(expected.x() + 12, expected.y() + 16)), 255);
    // At twice the pixels the backs come from their detailed picture, not
    // the small ones doubled.
    const QImage sharp = RenderGamePreview(201, QSize(300, 185), 2);
    ASSERT_EQ(sharp.size(), QSize(600, 370));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(DeviceRatio(), 1.0);
    int finer = 0;
    for (int y = expected.top() * 2; y <= expected.bottom() * 2; ++y)
        for (int x = expected.left() * 2; x <= expected.right() * 2; ++x)
            finer += sharp.pixel(x, y) != picture.pixel(x / 2, y / 2);
    EXPECT_GT(finer, expected.width() * expected.height());

    EXPECT_EQ(ProgramGame().CardWidth, 71);
    EXPECT_EQ(ProgramGame().CardHeight, 96);
    EXPECT_EQ(CardFaces()[0], face);
    EXPECT_EQ(TableBitmap(), tableBefore);
    EXPECT_TRUE(RenderGamePreview(999, QSize(300, 185)).isNull());
}

TEST_F(OpenGameDialog, TranslucentEmptyPileMarksShowTheGradientThroughThem) {
    // Forget me not's empty answer places are translucent: over the gradient
    // they are dark green, with no trace of whatever the table was drawn on.
    const std::string shipped = test::ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
    if (shipped.empty()) GTEST_SKIP() << "no GAMES.DAT in the program folder";
    core.dir.write("GAMES.DAT", shipped);
    LoadCatalogue();
    const QImage bg = PreviewBackground(QSize(300, 185), true);
    const QImage shown = ComposePreview(bg, RenderGamePreview(205, QSize(300, 185)));
    ASSERT_EQ(shown.size(), bg.size());
    int tinted = 0, marks = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y), g = bg.pixel(x, y);
            if (qRed(p) > 100 && qBlue(p) > 100 && qGreen(p) < 60) ++tinted;
            if (p != g && qRed(p) == 0 && qBlue(p) == 0) ++marks;
        }
    EXPECT_EQ(tinted, 0);
    EXPECT_GT(marks, 20 * 20 * 20);
}

TEST_F(OpenGameDialog, PreviewOfATableWiderThanThePictureIsScaledDown) {
    // Four rows of thirteen at the left edge need about 360 pixels.
    std::vector<test::GameSpec> games = test::StandardGames();
    games[2].rules[359] = 118;
    games[2].rules[371] = 52;
    for (int r = 375; r <= 378; ++r) games[2].rules[r] = 13;
    WriteGames(games);
    {
        PreviewState state(202, QSize(300, 185));
        EXPECT_GT(state.game().FilaLeft[0] + 13 * 25, 300);
    }
    const QImage picture = RenderGamePreview(202, QSize(300, 185));
    ASSERT_EQ(picture.size(), QSize(300, 185));
    const QRect box = OpaqueBox(picture);
    EXPECT_LT(box.right(), 299);
    EXPECT_GT(box.width(), 250);  // all thirteen columns, smaller
}

TEST_F(OpenGameDialog, PlayerChosenInTheListTakesEffectWhenTheGameOpens) {
    Form().show();
    EXPECT_EQ(Form().lblResultsTo->text(), "Results go to: Player 1");
    // Arrow keys walk from the check box into the list and change the
    // player: the dialog says so before OK.
    Form().cboPlayers->setFocus();
    QTest::keyClick(Form().cboPlayers, Qt::Key_Down);
    EXPECT_EQ(Form().cboPlayers->currentText(), "Player 2");
    EXPECT_EQ(Form().lblResultsTo->text(), "Results go to: Player 2 (now playing: Player 1)");
    EXPECT_TRUE(Form().lblResultsTo->font().bold());
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_EQ(Form().Choice().player, "Player 2");
    EXPECT_EQ(Settings(), core.dir.read("DATA/Cfg.dat"));
    EXPECT_EQ(Pref("UserDefault"), "<none>");
    // Cancelled: the next showing is back on the current player.
    Form().close();
    Form().show();
    EXPECT_EQ(Form().cboPlayers->currentText(), "Player 1");
    EXPECT_EQ(Form().Choice().player, "Player 1");
    EXPECT_EQ(Form().lblResultsTo->text(), "Results go to: Player 1");
    EXPECT_FALSE(Form().lblResultsTo->font().bold());
}

// A name is its bytes in every widget: a Latin-1 name from an older settings
// file is chosen as itself, and one that cannot be a key is refused aloud.
TEST_F(OpenGameDialog, PlayerNamesKeepTheirBytesAndUnusableOnesAreRefusedAloud) {
    ResetPlayerNameReports();
    platform::IniWriteString(SettingsFile(), "Users", "User004", "Jos\xE9");
    platform::IniWriteString(SettingsFile(), "Users", "User005", "A=B");
    Form().show();
    EXPECT_EQ(Form().cboPlayers->count(), 4);
    Form().cboPlayers->setCurrentIndex(Form().cboPlayers->findText(QString::fromLatin1("Jos\xE9")));
    EXPECT_EQ(Form().Choice().player, "Jos\xE9");
    Form().close();
    Form().show();
    EXPECT_THAT(core.dialogs.infos, ElementsAre(::testing::HasSubstr("\"A=B\"")));
    TfrmPlayers2 edit(players_caption::kEdit, "Jos\xE9");
    EXPECT_EQ(edit.Name(), "Jos\xE9");
    ResetPlayerNameReports();
}

TEST_F(OpenGameDialog, OpenGameCommandOpensTheChosenGameForTheChosenPlayer) {
    test::ModalScript script;
    script.Then([this](QWidget* w) {
        ASSERT_EQ(w, &Form());
        Form().cboPlayers->setCurrentIndex(Form().cboPlayers->findText("Player 3"));
        Click(Node("Pairs"));
        QTest::mouseClick(Form().btnOK, Qt::LeftButton);
    });
    EXPECT_TRUE(OpenGameCommand(ProgramGame()));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_FALSE(Form().confirmed());  // read and cleared
    EXPECT_EQ(ProgramGame().values.id, "200");
    EXPECT_EQ(ProgramGame().values.name, "Pairs");
    EXPECT_EQ(ProgramGame().values.player, "Player 3");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(Pref("Game"), "200");
    EXPECT_EQ(Pref("UserDefault"), "Player 3");
    EXPECT_EQ(Pref("Game_TreePos"), "6");

    // Cancel opens nothing.
    script.Then([this](QWidget*) { QTest::mouseClick(Form().btnCancel, Qt::LeftButton); });
    EXPECT_FALSE(OpenGameCommand(ProgramGame()));
    EXPECT_EQ(ProgramGame().values.id, "200");
    EXPECT_EQ(script.unexpected(), 0);
}

class OpenGameMarks : public OpenGameDialog {
protected:
    void StoreCounts(const std::string& player, int id, long won, long lost) {
        namespace sg = single_game;
        const std::string path = ProgramFile(stat_file::kSingleGame);
        EnsureFile(path);
        const std::string w = sg::WonKey(id), l = sg::LostKey(id);
        WriteKey(path, player, w, sg::Scramble(sg::BuildRecord(w, true, won)));
        WriteKey(path, player, l, sg::Scramble(sg::BuildRecord(l, false, lost)));
    }
};

TEST_F(OpenGameMarks, WonAndLostFollowTheSwitchAndThePlayer) {
    if (!libraryLoaded) GTEST_SKIP() << "no resource library";
    StoreCounts("Player 1", 200, 2, 1);
    StoreCounts("Player 1", 202, 0, 3);
    StoreCounts("Player 2", 202, 1, 0);
    Form().show();
    // Off by default: family pictures only.
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE"));
    QTest::mouseClick(Form().chkWonLost, Qt::LeftButton);
    ASSERT_TRUE(Form().chkWonLost->isChecked());
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE_WIN"));
    EXPECT_EQ(IconImage(Node("Concentration")), LibraryIcon("TREE5_MEMORY_TYPE_NOWIN"));
    EXPECT_EQ(IconImage(Node("ace-To-King")), LibraryIcon("TREE5_MEMORY_TYPE"));
    // Another player in the list: that player's results.
    Form().cboPlayers->setCurrentIndex(Form().cboPlayers->findText("Player 2"));
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE"));
    EXPECT_EQ(IconImage(Node("Concentration")), LibraryIcon("TREE5_MEMORY_TYPE_WIN"));
    EXPECT_THAT(core.dialogs.infos, IsEmpty());
}

TEST_F(OpenGameMarks, RecordedResultsMarkTheGames) {
    if (!libraryLoaded) GTEST_SKIP() << "no resource library";
    ResetResultsSession();
    RecordGameResult(202, "Player 1", {5, 60, 0, 0, true, 20030601});
    RecordGameResult(202, "Player 1", {-30, 60, 9, 2, false, 20030601});
    RecordGameResult(200, "Player 1", {-30, 60, 9, 2, false, 20030601});
    Form().show();
    QTest::mouseClick(Form().chkWonLost, Qt::LeftButton);
    EXPECT_EQ(IconImage(Node("Concentration")), LibraryIcon("TREE5_MEMORY_TYPE_WIN"));
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE_NOWIN"));
    EXPECT_EQ(IconImage(Node("ace-To-King")), LibraryIcon("TREE5_MEMORY_TYPE"));
    EXPECT_THAT(core.dialogs.infos, IsEmpty());
}

TEST_F(OpenGameMarks, MainWindowRefreshFollowsTheCurrentPlayer) {
    if (!libraryLoaded) GTEST_SKIP() << "no resource library";
    int num = 0, place = 0;
    EXPECT_FALSE(OpenGameTreePlace(200, num, place));  // no dialog yet
    RefreshOpenGameMarks();
    StoreCounts("Player 2", 200, 1, 0);
    core.dir.write("DATA/Cfg.dat", "[Preference]\r\nOpen_Show_Won_Lost=Y\r\n");
    Form().show();
    Form().close();
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE"));
    SetValue(ProgramGame().values.player, field::kPlayer,
             "Player 2");  // another player, chosen elsewhere
    RefreshOpenGameMarks();
    EXPECT_EQ(IconImage(Node("Pairs")), LibraryIcon("TREE5_MEMORY_TYPE_WIN"));
    ASSERT_TRUE(OpenGameTreePlace(200, num, place));
    EXPECT_EQ(place, 6);
}

TEST_F(OpenGameMarks, CorruptValuesAreReportedOnceAndShowNoMarks) {
    core.dir.write("DATA/Stat_uni.dat", "[Player 1]\r\nGW-0203=garbage\r\n");
    core.dir.write("DATA/Cfg.dat", "[Preference]\r\nOpen_Show_Won_Lost=Y\r\n");
    Form().show();
    EXPECT_THAT(core.dialogs.infos, ElementsAre(::testing::StartsWith(kCorruptSingleGameMessage)));
    if (libraryLoaded) {
        EXPECT_EQ(IconImage(Node("ace-To-King")), LibraryIcon("TREE5_MEMORY_TYPE"));
    }
}

TEST(OpenGameTree, ImageListOrder) {
    const std::vector<std::string> names = TreeImageNames();
    ASSERT_EQ(names.size(), 11u + 10 + 3 + 2 + 4 + 5 + 1 + 4 + 2 + 21 + 21 + 3);
    EXPECT_EQ(names[11], "TREE5_CANFIELD_TYPE");
    EXPECT_EQ(names[12], "TREE5_FAN_TYPE");
    EXPECT_EQ(names[23], "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(names[24], "TREE5_YUKON_TYPE");
    EXPECT_EQ(names[35], "TREE5_ORIGINAL_TYPE");
    EXPECT_EQ(names[42], "TREE5_CANFIELD_TYPE_WIN");
    EXPECT_EQ(names[63], "TREE5_CANFIELD_TYPE_NOWIN");
    EXPECT_EQ(names.back(), "TREE5_STRIPPEDDECK_TYPE_NOWIN");
    if (!LibraryHandle()) return;
    for (const std::string& n : names) EXPECT_FALSE(LibraryBitmap(n).isNull()) << n;
}

TEST_F(OpenGameDialog, GameListSkipsUnreadableLines) {
    MainGame.catalogue.push_back("16  x1y00 Broken");
    MainGame.catalogue.push_back("bad 20700 Odd family");
    const std::vector<TreeGame> games = BuildGameList();
    ASSERT_EQ(games.size(), 7u);
    EXPECT_EQ(games[5].name, "Odd family");
    EXPECT_EQ(games[5].family, 0);
    EXPECT_EQ(games[5].id, 207);
    EXPECT_EQ(FamilyPictureName(-1), "");
}

}  // namespace
}  // namespace bw
