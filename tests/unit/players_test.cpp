#include "storage/players.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/game.h"
#include "core/params.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/section_file.h"
#include "storage/statistics.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::ReadFile;
using test::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace msg = players_msg;

class Players : public ::testing::Test {
protected:
    Players() { platform::MakeDir(fx.dir.file("DATA")); }

    test::CoreFixture fx;
    std::string cfg = fx.dir.file("DATA/Cfg.dat");
    std::string stat = fx.dir.file("DATA/STAT.DAT");

    // Stores the names as User001.. and makes `current` the current player.
    PlayersModel OpenWith(const std::vector<std::string>& names, const std::string& current) {
        for (size_t i = 0; i < names.size(); ++i)
            platform::IniWriteString(cfg, "Users", UserKey(static_cast<int>(i) + 1), names[i]);
        SetValue(ProgramGame().values.player, field::kPlayer, current);
        PlayersModel m;
        m.Open(ProgramGame());
        return m;
    }
    std::string User(int i) const { return platform::IniReadString(cfg, "Users", UserKey(i), "?"); }
    std::string UserDefault() const {
        return platform::IniReadString(cfg, "Preference", "UserDefault", "?");
    }
};

TEST_F(Players, LoadPlayerNamesReadsTwentyKeysSorted) {
    EXPECT_THAT(LoadPlayerNames(), IsEmpty());
    WriteFile(
        cfg,
        "[Users]\r\nUser001=Zed\r\nUser002=\r\nUser005=ann\r\nUser020=Bob\r\nUser021=Extra\r\n"
        "User003=  Cy  \r\n");
    EXPECT_THAT(LoadPlayerNames(), ElementsAre("ann", "Bob", "Cy", "Zed"));
    EXPECT_EQ(UserKey(7), "User007");
    EXPECT_EQ(UserKey(20), "User020");
}

// A name that cannot be a key is refused with a message at load, once, the
// current player included; legacy bytes are kept as they are.
TEST_F(Players, UnusableStoredNamesAreRefusedAloud) {
    ResetPlayerNameReports();
    WriteFile(cfg,
              "[Preference]\r\nUserDefault=A=B\r\n[Users]\r\nUser001=[x\r\nUser002=Jos\xE9\r\n"
              "User003=A=B\r\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().values.player, "Jos\xE9");
    EXPECT_THAT(LoadPlayerNames(), ElementsAre("Jos\xE9"));
    EXPECT_THAT(LoadPlayerNames(), ElementsAre("Jos\xE9"));
    EXPECT_THAT(fx.dialogs.infos,
                ElementsAre(::testing::HasSubstr("\"A=B\""), ::testing::HasSubstr("\"[x\"")));
    ResetPlayerNameReports();
}

TEST_F(Players, OpeningSelectsTheCurrentPlayer) {
    PlayersModel m = OpenWith({"Player 2", "Player 1", "Player 3"}, "Player 2");
    EXPECT_THAT(m.names(), ElementsAre("Player 1", "Player 2", "Player 3"));
    EXPECT_EQ(m.selected(), 1);
    EXPECT_EQ(m.rememberedPlayer(), "Player 2");
    EXPECT_TRUE(m.saveOnClose());
    EXPECT_FALSE(m.listChanged());

    m = OpenWith({"Ann"}, "Nobody");
    EXPECT_FALSE(m.HasSelection());
    m.SetSelected(5);
    EXPECT_FALSE(m.HasSelection());
}

TEST_F(Players, NewNamesAreValidated) {
    PlayersModel m = OpenWith({"Bob", "Ann"}, "Bob");
    EXPECT_EQ(m.AddPlayer(""), NameEntry::Retry);
    EXPECT_EQ(m.AddPlayer("   "), NameEntry::Retry);
    EXPECT_EQ(m.AddPlayer("Bob  "), NameEntry::Retry);
    EXPECT_EQ(m.AddPlayer("A=B"), NameEntry::Retry);
    EXPECT_EQ(m.AddPlayer("[x]"), NameEntry::Retry);
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(msg::kEnterName, msg::kEnterName, msg::kNameExists,
                                              msg::kUnusableName, msg::kUnusableName));
    EXPECT_FALSE(m.listChanged());
    EXPECT_THAT(m.names(), ElementsAre("Ann", "Bob"));

    // Case counts; the selection stays on its name.
    EXPECT_EQ(m.AddPlayer("bob"), NameEntry::Accepted);
    EXPECT_EQ(m.AddPlayer(" Cy " + std::string(40, 'y')), NameEntry::Accepted);
    EXPECT_THAT(m.names(), ElementsAre("Ann", "Bob", "bob", "Cy " + std::string(27, 'y')));
    // The 30-byte field cuts a typed name between characters; Latin-1 bytes as they are.
    const std::string euros = "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC";
    EXPECT_EQ(PlayersModel::Normalize("a" + euros + euros + euros),
              "a" + euros + euros.substr(0, 12));
    EXPECT_EQ(PlayersModel::Normalize(std::string(40, '\xA9')), std::string(30, '\xA9'));
    EXPECT_EQ(m.SelectedName(), "Bob");
    EXPECT_TRUE(m.listChanged());
    // Nothing is written before Select or Close.
    EXPECT_EQ(User(3), "?");
}

TEST_F(Players, EditingRenamesAtOnce) {
    WriteFile(stat, "[Version]\r\nVersion=0300\r\n[201]\r\nBob=" + std::string(kClearedGameRecord) +
                        "\r\nBobby=" + std::string(kClearedGameRecord) + "\r\n");
    const std::string before = ReadFile(stat);
    PlayersModel m = OpenWith({"Bob", "Ann", "Zoe"}, "Bob");

    // Unchanged: no message, no statistics touched.
    EXPECT_EQ(m.EditSelected("Bob  "), NameEntry::Unchanged);
    EXPECT_EQ(m.EditSelected(""), NameEntry::Retry);
    EXPECT_EQ(m.EditSelected("Zoe"), NameEntry::Retry);
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(msg::kEnterName, msg::kNameExists));
    EXPECT_EQ(ReadFile(stat), before);
    EXPECT_FALSE(m.listChanged());

    // The current player renamed: the remembered player follows.
    EXPECT_EQ(m.EditSelected("Robert"), NameEntry::Accepted);
    EXPECT_THAT(m.names(), ElementsAre("Ann", "Robert", "Zoe"));
    EXPECT_EQ(m.SelectedName(), "Robert");
    EXPECT_EQ(m.rememberedPlayer(), "Robert");
    EXPECT_EQ(ReadFile(stat),
              "[Version]\r\nVersion=0300\r\n[201]\r\nRobert=" + std::string(kClearedGameRecord) +
                  "\r\nBobby=" + std::string(kClearedGameRecord) + "\r\n");

    // Another player renamed: the remembered one stays.
    m.SetSelected(2);
    EXPECT_EQ(m.EditSelected("Abe"), NameEntry::Accepted);
    EXPECT_THAT(m.names(), ElementsAre("Abe", "Ann", "Robert"));
    EXPECT_EQ(m.selected(), 0);
    EXPECT_EQ(m.rememberedPlayer(), "Robert");
}

TEST_F(Players, DeletingAsksAndClearsStatisticsAtOnce) {
    WriteFile(stat,
              "[Version]\r\nVersion=0300\r\n[201]\r\nAnn=000001 000002 000003 000004 000005 "
              "000006 000000000007 000000000008\r\n");
    PlayersModel m = OpenWith({"Bob", "Ann", "Cy"}, "Bob");
    // The current player cannot go, and is not even asked about.
    EXPECT_FALSE(m.DeleteSelected());
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(msg::kCannotDeleteCurrent));
    EXPECT_THAT(fx.dialogs.confirms, IsEmpty());

    m.SetSelected(0);  // Ann
    fx.dialogs.answers = {false, true};
    EXPECT_FALSE(m.DeleteSelected());
    EXPECT_THAT(m.names(), ElementsAre("Ann", "Bob", "Cy"));
    EXPECT_FALSE(m.listChanged());
    EXPECT_TRUE(m.DeleteSelected());
    EXPECT_THAT(fx.dialogs.confirms, ElementsAre(msg::kConfirmDelete, msg::kConfirmDelete));
    EXPECT_THAT(m.names(), ElementsAre("Bob", "Cy"));
    EXPECT_EQ(m.selected(), 0);
    EXPECT_EQ(ReadKeys(stat, "201", {"Ann"}, {""}).values[0], kClearedGameRecord);

    // Close saves the shortened list with the remembered player; the
    // statistics stay cleared.
    m.Close();
    EXPECT_EQ(User(1), "Bob");
    EXPECT_EQ(User(2), "Cy");
    EXPECT_EQ(User(3), "");
    EXPECT_EQ(User(20), "");
    EXPECT_EQ(UserDefault(), "Bob");
    EXPECT_EQ(ReadKeys(stat, "201", {"Ann"}, {""}).values[0], kClearedGameRecord);
}

TEST_F(Players, SaveWritesAtMostTwentyNames) {
    PlayersModel m = OpenWith({"P00"}, "P00");
    for (int i = 20; i >= 1; --i)
        ASSERT_EQ(m.AddPlayer("P" + FormatNumber(i, 2)), NameEntry::Accepted);
    ASSERT_EQ(m.names().size(), 21u);
    m.Close();
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(User(i), "P" + FormatNumber(i - 1, 2));
    EXPECT_EQ(User(21), "?");
    EXPECT_EQ(UserDefault(), "P00");
    EXPECT_EQ(ProgramGame().values.player, "P00");
    EXPECT_THAT(fx.waits.waits, ElementsAre(100));
    // Closing twice saves once.
    m.Close();
    EXPECT_EQ(fx.waits.waits.size(), 1u);
}

TEST_F(Players, SelectingTheCurrentPlayerAgainJustSaves) {
    PlayersModel m = OpenWith({"Ann", "Bob"}, "Bob");
    const std::string users = ReadFile(cfg);
    int questions = 0, ends = 0;
    PlayersModel::SelectHooks hooks{[&](const std::string&) {
                                        ++questions;
                                        return true;
                                    },
                                    [&] { ++ends; }};
    EXPECT_EQ(m.SelectPlayer(hooks), PlayersModel::SelectOutcome::Kept);
    EXPECT_EQ(questions + ends, 0);
    EXPECT_FALSE(m.saveOnClose());
    // The unchanged list stays as it was; the current player is written.
    EXPECT_EQ(ReadFile(cfg).substr(0, users.size()), users);
    EXPECT_EQ(UserDefault(), "Bob");
    m.Close();
    EXPECT_EQ(fx.waits.waits.size(), 1u);

    m.SetSelected(-1);
    EXPECT_EQ(m.SelectPlayer(hooks), PlayersModel::SelectOutcome::NothingSelected);
    EXPECT_THAT(fx.dialogs.infos, ElementsAre(msg::kSelectPlayer));
}

TEST_F(Players, SelectingAnotherPlayerEndsTheOldGame) {
    PlayersModel m = OpenWith({"Ann", "Bob"}, "Bob");
    SetValue(ProgramGame().values.startMarkA, field::kStartMarkA, "1234");
    m.SetSelected(0);
    std::vector<std::string> questions;
    std::string playerAtGameEnd;
    bool answer = false;
    PlayersModel::SelectHooks hooks{[&](const std::string& q) {
                                        questions.push_back(q);
                                        return answer;
                                    },
                                    [&] { playerAtGameEnd = ProgramGame().values.player; }};

    // Declined: the dialog stays open and nothing changes.
    EXPECT_EQ(m.SelectPlayer(hooks), PlayersModel::SelectOutcome::Declined);
    EXPECT_THAT(questions, ElementsAre("Start a new game for player Ann?"));
    EXPECT_EQ(playerAtGameEnd, "");
    EXPECT_EQ(ProgramGame().values.player, "Bob");
    EXPECT_EQ(UserDefault(), "?");
    EXPECT_TRUE(m.saveOnClose());

    answer = true;
    EXPECT_EQ(m.SelectPlayer(hooks), PlayersModel::SelectOutcome::Changed);
    EXPECT_EQ(playerAtGameEnd, "Bob");
    EXPECT_EQ(ProgramGame().values.player, "Ann");
    EXPECT_EQ(ProgramGame().values.startMarkA, "0000");
    EXPECT_EQ(ProgramGame().values.startMarkB, "0000");
    EXPECT_EQ(UserDefault(), "Ann");
}

}  // namespace
}  // namespace bw
