// The open-game and players dialogs reached through the main window's
// commands, as the program connects them.
#include <gmock/gmock.h>

#include <QTest>

#include "app/main_window.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/shell_hooks.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "dialog_support.h"
#include "gui_support.h"
#include "support/program_game.h"

namespace bw {
namespace {

using ::testing::ElementsAre;

class GameDialogs : public test::DialogTest {
protected:
    test::ShellCalls shell;
    GameDialogs() {
        main.resize(800, 600);
        InstalledPorts().SetWindow(&main);
        // As the program connects them at start-up.
        shell.openGameDialog = [this] { OpenGameCommand(ProgramGame(), &main); };
        shell.players = [this] { ShowPlayersDialog(ProgramGame(), &main); };
        OpenGameForm(ProgramGame(), &main);
    }
    ~GameDialogs() override {
        FreeOpenGameForm();
        InstalledPorts().SetWindow(nullptr);
    }
    static QTreeWidgetItem* Node(const QString& name) {
        QTreeWidgetItem* branch = OpenGameForm(ProgramGame()).trvGames->topLevelItem(0);
        for (int i = 0; i < branch->childCount(); ++i)
            if (branch->child(i)->text(0) == name) return branch->child(i);
        return nullptr;
    }

    TfrmMain main{ProgramGame()};
    test::ModalScript script;
};

TEST_F(GameDialogs, OpenAGameFromTheMenu) {
    EXPECT_EQ(OpenGameForm(ProgramGame()).parentWidget(), &main);
    script.Then([](QWidget* w) {
        auto* form = qobject_cast<TfrmOpenGame*>(w);
        ASSERT_NE(form, nullptr);
        form->trvGames->setCurrentItem(Node("Concentration"));
        QTest::mouseClick(form->btnOK, Qt::LeftButton);
    });
    main.mnuOpen->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(ProgramGame().values.id, "202");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    // Opening the game stores its place through the main.
    int num = 0, place = 0;
    ASSERT_TRUE(main.GameTreePlace(202, num, place));
    EXPECT_EQ(place, 3);
    EXPECT_EQ(Pref("Game_TreePos"), "3");
    EXPECT_EQ(Pref("Game_TreeNum"), "-30");
}

TEST_F(GameDialogs, RulesFromTheDialogShowTheSelectedGamesPage) {
    script.Then([](QWidget* w) {
        auto* form = qobject_cast<TfrmOpenGame*>(w);
        ASSERT_NE(form, nullptr);
        form->trvGames->setCurrentItem(Node("Pairs"));
        QTest::mouseClick(form->btnRules, Qt::LeftButton);
        QTest::mouseClick(form->btnCancel, Qt::LeftButton);
    });
    main.mnuOpen->trigger();
    EXPECT_EQ(script.unexpected(), 0);
    // The test folder has no help pages: the window names the one it looked for.
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_THAT(core.dialogs.infos[0], ::testing::HasSubstr("3200.html"));
    EXPECT_EQ(ProgramGame().values.id, "201");
}

TEST_F(GameDialogs, AnotherPlayerThenTheOpenGameDialog) {
    script.Then([](QWidget* w) {
        auto* form = qobject_cast<TfrmPlayers*>(w);
        ASSERT_NE(form, nullptr);
        form->lboOperatori->setCurrentRow(2);
        QTest::mouseClick(form->btnSelect, Qt::LeftButton);
    });
    script.Then([](QWidget* w) {
        auto* form = qobject_cast<TfrmOpenGame*>(w);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->cboPlayers->currentText(), "Player 3");
        QTest::mouseClick(form->btnOK, Qt::LeftButton);
    });
    main.mnuPlayers->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(ProgramGame().values.player, "Player 3");
    EXPECT_EQ(Pref("UserDefault"), "Player 3");
    EXPECT_EQ(ProgramGame().values.id, "201");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
}

}  // namespace
}  // namespace bw
