#include "app/players_dialog.h"

#include <gmock/gmock.h>

#include <QTest>

#include "app/help_window.h"
#include "app/open_game_dialog.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "dialog_support.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/preferences.h"
#include "storage/statistics.h"
#include "support/program_game.h"

namespace bw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kRecord = "000001 000002 000003 000004 000005 000006 000000000007 000000000008";

class PlayersDialog : public test::DialogTest {
protected:
    PlayersDialog() {
        form.show();  // shown without its own event loop; name dialogs run modally
    }
    ~PlayersDialog() override {
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_TRUE(script.done());
    }
    std::vector<std::string> Listed() {
        std::vector<std::string> names;
        for (int i = 0; i < form.lboOperatori->count(); ++i)
            names.push_back(form.lboOperatori->item(i)->text().toStdString());
        return names;
    }
    std::string Current() {
        auto* item = form.lboOperatori->currentItem();
        return item && item->isSelected() ? item->text().toStdString() : std::string("<none>");
    }
    void ClickRow(int row) {
        QListWidget* list = form.lboOperatori;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // The next name dialog: checks its caption and text, types `name`, then
    // OK (or Cancel).
    void Answer(const std::string& caption, const std::string& shown, const std::string& name,
                bool ok = true) {
        script.Then([=](QWidget* w) {
            auto* d = qobject_cast<TfrmPlayers2*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowTitle().toStdString(), caption);
            EXPECT_EQ(d->edtName->text().toStdString(), shown);
            d->edtName->clear();
            QTest::keyClicks(d->edtName, QString::fromStdString(name));
            QTest::mouseClick(ok ? d->btnOK : d->btnCancel, Qt::LeftButton);
        });
    }
    // The stored list as Users() shows it: 20 keys, then the absent 21st.
    static std::string Stored(std::vector<std::string> names) {
        names.resize(20);
        std::string out;
        for (const auto& n : names) out += n + "|";
        return out + "-|";
    }
    std::string Users() {
        std::string out;
        for (int i = 1; i <= 21; ++i)
            out += platform::IniReadString(SettingsFile(), "Users", UserKey(i), "-") + "|";
        return out;
    }
    void StartGameInProgress() {
        SetFlag(ProgramGame(), flag::kInProgress, true);
        SetFlag(ProgramGame(), flag::kFinished, false);
    }

    test::ModalScript script;
    TfrmPlayers form{ProgramGame()};
};

TEST_F(PlayersDialog, ShowsTheSortedListOnTheCurrentPlayer) {
    WriteUsers({"bob", "Player 1", "Anna", "", "Zed"});
    form.hide();
    form.show();
    EXPECT_EQ(form.windowTitle(), "Players");
    EXPECT_THAT(Listed(), ElementsAre("Anna", "bob", "Player 1", "Zed"));
    EXPECT_EQ(Current(), "Player 1");
    EXPECT_TRUE(form.btnSelect->isEnabled());
    EXPECT_TRUE(form.btnEdit->isEnabled());
    EXPECT_TRUE(form.btnDelete->isEnabled());
    EXPECT_TRUE(form.btnSelect->isDefault());

    // A current player missing from the list: nothing selected, nothing to
    // act on.
    SetValue(ProgramGame().values.player, field::kPlayer, "Ghost");
    form.hide();
    form.show();
    EXPECT_TRUE(form.lboOperatori->selectedItems().isEmpty());
    EXPECT_EQ(form.model().selected(), -1);
    EXPECT_FALSE(form.btnSelect->isEnabled());
    EXPECT_FALSE(form.btnEdit->isEnabled());
    EXPECT_FALSE(form.btnDelete->isEnabled());
    ClickRow(1);
    EXPECT_EQ(Current(), "bob");
    EXPECT_TRUE(form.btnEdit->isEnabled());
}

TEST_F(PlayersDialog, NewAsksAgainAfterADuplicateAndAnEmptyName) {
    const std::string before = Settings();
    Answer("Add a player", "", "Player 2  ");
    Answer("Add a player", "Player 2  ", "   ");
    Answer("Add a player", "   ", "Ann");
    QTest::mouseClick(form.btnNew, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos, ElementsAre("This player name already exists.",
                                                "Please enter at least 1 character."));
    EXPECT_THAT(Listed(), ElementsAre("Ann", "Player 1", "Player 2", "Player 3"));
    // The current player keeps the selection; nothing is written yet.
    EXPECT_EQ(Current(), "Player 1");
    EXPECT_EQ(Settings(), before);

    // Insert is New; Cancel ends it.
    Answer("Add a player", "", "Nobody", false);
    QTest::keyClick(form.lboOperatori, Qt::Key_Insert);
    EXPECT_EQ(Listed().size(), 4u);

    // Close saves the list with the player who was current.
    QTest::mouseClick(form.btnClose, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Users(), Stored({"Ann", "Player 1", "Player 2", "Player 3"}));
    EXPECT_EQ(Pref("UserDefault"), "Player 1");
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
}

TEST_F(PlayersDialog, NameFieldTakesThirtyCharacters) {
    script.Then([](QWidget* w) {
        auto* d = qobject_cast<TfrmPlayers2*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->grpName->title(), "&Player name: ");
        QTest::keyClicks(d->edtName, QString(40, 'x'));
        EXPECT_EQ(d->edtName->text(), QString(30, 'x'));
        QTest::keyClick(d->edtName, Qt::Key_Return);  // OK is the default
    });
    QTest::mouseClick(form.btnNew, Qt::LeftButton);
    EXPECT_THAT(Listed(), ElementsAre("Player 1", "Player 2", "Player 3", std::string(30, 'x')));
}

TEST_F(PlayersDialog, EditRenamesInTheListAndTheStatisticsAtOnce) {
    const std::string stat = "DATA/STAT.DAT";
    core.dir.write(stat, "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 1=" + kRecord +
                             "\r\nPlayer 10=" + kRecord + "\r\n");
    const std::string statBefore = core.dir.read(stat);

    // Unchanged: no message, no statistics change.
    Answer("Edit a player", "Player 1", "Player 1");
    QTest::mouseClick(form.btnEdit, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos, IsEmpty());
    EXPECT_EQ(core.dir.read(stat), statBefore);

    // Another player's name, then empty, then a new one.
    Answer("Edit a player", "Player 1", "Player 3");
    Answer("Edit a player", "Player 3", "");
    Answer("Edit a player", "", "Zoe");
    QTest::mouseClick(form.btnEdit, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos, ElementsAre("This player name already exists.",
                                                "Please enter at least 1 character."));
    EXPECT_THAT(Listed(), ElementsAre("Player 2", "Player 3", "Zoe"));
    EXPECT_EQ(Current(), "Zoe");
    EXPECT_EQ(core.dir.read(stat), "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nZoe=" + kRecord +
                                       "\r\nPlayer 10=" + kRecord + "\r\n");
    // The renamed player stays the current one when the dialog closes.
    form.close();
    EXPECT_EQ(ProgramGame().values.player, "Zoe");
    EXPECT_EQ(Pref("UserDefault"), "Zoe");
    EXPECT_EQ(Users(), Stored({"Player 2", "Player 3", "Zoe"}));
}

TEST_F(PlayersDialog, DeleteRefusesTheCurrentPlayerAndAsksForAnother) {
    core.dir.write("DATA/STAT.DAT",
                   "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 3=" + kRecord + "\r\n");
    QTest::mouseClick(form.btnDelete, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos, ElementsAre("It is impossible to delete the selected player."));
    EXPECT_THAT(Listed(), ElementsAre("Player 1", "Player 2", "Player 3"));

    ClickRow(2);
    core.dialogs.answers = {false};
    QTest::keyClick(form.lboOperatori, Qt::Key_Delete);
    ASSERT_EQ(core.dialogs.confirms.size(), 1u);
    EXPECT_EQ(core.dialogs.confirms[0],
              "Are you sure you want to delete the selected player?\nNote: the statistics for "
              "this player will also be deleted.");
    EXPECT_THAT(Listed(), ElementsAre("Player 1", "Player 2", "Player 3"));

    QTest::keyClick(form.lboOperatori, Qt::Key_Delete);  // OK this time
    EXPECT_THAT(Listed(), ElementsAre("Player 1", "Player 2"));
    EXPECT_EQ(Current(), "Player 1");  // the first entry
    // The statistics are cleared at once and stay cleared after Close.
    EXPECT_EQ(core.dir.read("DATA/STAT.DAT"),
              "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 3=" +
                  std::string(kClearedGameRecord) + "\r\n");
    QTest::mouseClick(form.btnClose, Qt::LeftButton);
    EXPECT_EQ(Users(), Stored({"Player 1", "Player 2"}));
    EXPECT_EQ(core.dir.read("DATA/STAT.DAT"),
              "[Version]\r\nVersion=0300\r\n\r\n[201]\r\nPlayer 3=" +
                  std::string(kClearedGameRecord) + "\r\n");
}

TEST_F(PlayersDialog, SelectWithoutASelection) {
    SetValue(ProgramGame().values.player, field::kPlayer, "Ghost");
    form.hide();
    form.show();
    form.btnSelectClick();
    EXPECT_THAT(core.dialogs.infos, ElementsAre("Select a player."));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PlayersDialog, SelectingTheSamePlayerSavesWithoutAsking) {
    StartGameInProgress();
    const std::string before = Users();
    QTest::mouseClick(form.btnSelect, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.playerChanged());
    EXPECT_THAT(core.dialogs.confirms, IsEmpty());
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));  // the game goes on
    EXPECT_EQ(Pref("UserDefault"), "Player 1");
    EXPECT_EQ(Users(), before);  // the list did not change
}

TEST_F(PlayersDialog, SelectingAnotherPlayerAsksToQuitTheGame) {
    StartGameInProgress();
    SetValue(ProgramGame().values.startMarkA, field::kStartMarkA, "1234");
    ClickRow(1);
    core.dialogs.answers = {false};
    QTest::mouseClick(form.btnSelect, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.confirms, ElementsAre("Start a new game for player Player 2?"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_EQ(Pref("UserDefault"), "<none>");

    // Yes: the game ends for the old player, the new one becomes current.
    QTest::mouseClick(form.btnSelect, Qt::LeftButton);
    EXPECT_EQ(core.dialogs.confirms.size(), 2u);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.playerChanged());
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(ProgramGame().values.startMarkA, "0000");
    EXPECT_EQ(ProgramGame().values.player, "Player 2");
    EXPECT_EQ(Pref("UserDefault"), "Player 2");
}

TEST_F(PlayersDialog, NoQuestionWhenTheSwitchIsOffOrNoGameRuns) {
    SetParameter(185, 1, "N");
    StartGameInProgress();
    ClickRow(2);
    // Double-click is Select.
    QListWidget* list = form.lboOperatori;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(2)).center());
    EXPECT_THAT(core.dialogs.confirms, IsEmpty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ProgramGame().values.player, "Player 3");
}

TEST_F(PlayersDialog, OnlyTwentyNamesAreStored) {
    std::vector<std::string> names;
    for (int i = 1; i <= 20; ++i) names.push_back("P" + FormatNumber(i, 2));
    WriteUsers(names);
    SetValue(ProgramGame().values.player, field::kPlayer, "P05");
    form.hide();
    form.show();
    Answer("Add a player", "", "P00");
    QTest::mouseClick(form.btnNew, Qt::LeftButton);
    ASSERT_EQ(Listed().size(), 21u);
    QTest::mouseClick(form.btnSelect, Qt::LeftButton);
    names.insert(names.begin(), "P00");
    names.pop_back();
    EXPECT_EQ(Users(), Stored(names));
}

TEST_F(PlayersDialog, EscapeAndTheCloseBoxKeepTheRememberedPlayer) {
    ClickRow(2);  // looked at, not selected with Select
    QTest::keyClick(form.lboOperatori, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_EQ(Pref("UserDefault"), "Player 1");
}

TEST_F(PlayersDialog, ChangedPlayerRedrawsAndOffersTheOpenGameDialog) {
    form.hide();
    script.Then([](QWidget* w) {
        auto* f = qobject_cast<TfrmPlayers*>(w);
        ASSERT_NE(f, nullptr);
        f->lboOperatori->setCurrentRow(1);
        QTest::mouseClick(f->btnSelect, Qt::LeftButton);
    });
    ShowPlayersDialog(ProgramGame());
    EXPECT_THAT(table.events, ElementsAre("draw"));
    EXPECT_THAT(window.events, ElementsAre("marks", "open dialog"));

    // Keeping the player: nothing more.
    table.events.clear();
    window.events.clear();
    script.Then([](QWidget* w) {
        auto* f = qobject_cast<TfrmPlayers*>(w);
        ASSERT_NE(f, nullptr);
        QTest::mouseClick(f->btnSelect, Qt::LeftButton);
    });
    ShowPlayersDialog(ProgramGame());
    EXPECT_THAT(table.events, IsEmpty());
    EXPECT_THAT(window.events, IsEmpty());
}

TEST_F(PlayersDialog, NoSecondOpenGameDialogWhileOneIsShowing) {
    form.hide();
    OpenGameForm(ProgramGame()).show();
    script.Then([](QWidget* w) {
        auto* f = qobject_cast<TfrmPlayers*>(w);
        ASSERT_NE(f, nullptr);
        f->lboOperatori->setCurrentRow(2);
        QTest::mouseClick(f->btnSelect, Qt::LeftButton);
    });
    ShowPlayersDialog(ProgramGame());
    EXPECT_THAT(table.events, ElementsAre("draw"));
    EXPECT_EQ(window.Count("open dialog"), 0);
}

TEST_F(PlayersDialog, UnwritableSettingsAreReported) {
    core.dir.write("DATA/Cfg.dat", "");
    platform::DeleteFile(core.dir.file("DATA/Cfg.dat"));
    platform::MakeDir(core.dir.file("DATA/Cfg.dat"));  // a folder cannot be written as a file
    form.hide();
    form.show();
    Answer("Add a player", "", "Ann");
    QTest::mouseClick(form.btnNew, Qt::LeftButton);
    ClickRow(0);
    QTest::mouseClick(form.btnSelect, Qt::LeftButton);
    EXPECT_THAT(core.dialogs.infos, ElementsAre("Write error on file " + SettingsFile()));
    // The choice holds for this run.
    EXPECT_EQ(ProgramGame().values.player, "Ann");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(PlayersDialog, F1ShowsEachDialogsOwnHelpPage) {
    core.dir.write("help/1002.html", "<html><body>players page</body></html>");
    core.dir.write("help/1018.html", "<html><body>rename page</body></html>");
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    HelpWindow* proc = FindHelpWindow("proc");
    ASSERT_NE(proc, nullptr);
    EXPECT_TRUE(proc->browser()->toPlainText().contains("players page"));
    proc->close();
    QApplication::processEvents();

    QString inNameDialog;
    script.Then([&](QWidget* w) {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) return;
        QTest::keyClick(w, Qt::Key_F1);
        if (HelpWindow* h = FindHelpWindow("proc")) inNameDialog = h->browser()->toPlainText();
        QTest::mouseClick(qobject_cast<TfrmPlayers2*>(w)->btnCancel, Qt::LeftButton);
    });
    ClickRow(0);
    QTest::mouseClick(form.btnEdit, Qt::LeftButton);
    EXPECT_TRUE(inNameDialog.contains("rename page"));
    if (HelpWindow* h = FindHelpWindow("proc")) h->close();
    QApplication::processEvents();
}

}  // namespace
}  // namespace bw
