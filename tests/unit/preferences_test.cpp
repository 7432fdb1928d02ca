#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/card_size.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/look_time.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/autoplay_prefs.h"
#include "storage/preferences.h"
#include "support/fake_screen.h"
#include "support/program_game.h"
#include "support/recording_window.h"
#include "support/test_support.h"

namespace bw {
namespace {

using test::FakeScreen;
using test::RecordingWindow;

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest() {
        InstalledPorts().SetWindow(&window);
        InstalledPorts().screen = &screen;
        std::filesystem::create_directory(fx.dir.file("DATA"));
    }
    ~PreferencesTest() override { Install<IDeckFourSetUp>(nullptr); }

    void WriteCfg(const std::string& text) { fx.dir.write("DATA/Cfg.dat", text); }
    std::string Cfg() const { return fx.dir.read("DATA/Cfg.dat"); }
    std::string Stored(const std::string& sect, const std::string& key) const {
        return platform::IniReadString(SettingsFile(), sect, key, "<missing>");
    }

    test::CoreFixture fx;
    RecordingWindow window;
    FakeScreen screen;
};

TEST_F(PreferencesTest, EmptyFileGivesEveryDefault) {
    WriteCfg("");
    LoadPreferences(ProgramGame());

    struct Field {
        int position, width;
        const char* value;
    };
    const Field texts[] = {
        {244, 1, "Y"},  {21, 3, "011"}, {24, 3, "001"}, {128, 1, "B"},     {43, 4, "0"},
        {27, 1, "N"},   {135, 1, "Y"},  {246, 1, "N"},  {256, 1, "N"},     {257, 1, "N"},
        {66, 1, "Y"},   {136, 1, "Y"},  {67, 1, "Y"},   {178, 1, "Y"},     {179, 1, "N"},
        {239, 1, "Y"},  {241, 1, "Y"},  {242, 1, "Y"},  {68, 6, "020000"}, {74, 2, "10"},
        {76, 1, "N"},   {185, 1, "N"},  {186, 1, "Y"},  {152, 1, "N"},     {187, 1, "N"},
        {188, 1, "N"},  {243, 1, "Y"},  {245, 1, "N"},  {253, 1, "Y"},     {255, 1, "Y"},
        {247, 1, "Y"},  {248, 1, "Y"},  {249, 1, "Y"},  {251, 1, "N"},     {172, 2, "10"},
        {120, 2, "01"},
    };
    for (const Field& f : texts)
        EXPECT_EQ(GetParameter(f.position, f.width), f.value) << "position " << f.position;
    GameValues values;
    values.id = "0201";
    values.name = "Memory-Up (6x4)";
    values.player = "Player 1";
    values.undoMode = "0";
    values.newGameMarkC = "1";
    values.startMarkC = "0";
    values.startMarkD = "Y";
    values.startMarkA = values.startMarkB = "0000";
    EXPECT_TRUE(ProgramGame().values == values);
    const int sounds[] = {141, 142, 143, 181, 182, 174, 180, 144, 171, 145, 175,
                          183, 252, 146, 147, 149, 148, 176, 184, 177, 151};
    for (int p : sounds) EXPECT_EQ(GetParameter(p, 1), "Y") << "sound switch " << p;
    EXPECT_EQ(ParameterInt(47, 15), 32768);
    EXPECT_EQ(ParameterInt(28, 15), 2147483663LL);
    EXPECT_EQ(CardShadowOffset(), 9);

    EXPECT_EQ(ProgramGame().Options.Opt(108), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(115), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(103), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(104), 2);
    EXPECT_EQ(ProgramGame().Options.Opt(105), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(74), 2);

    // First run: three players, the first current, and the first counted start.
    EXPECT_EQ(Stored("Preference", "UserDefault"), "Player 1");
    EXPECT_EQ(Stored("Users", "User001"), "Player 1");
    EXPECT_EQ(Stored("Users", "User002"), "Player 2");
    EXPECT_EQ(Stored("Users", "User003"), "Player 3");
    EXPECT_EQ(Stored("Users", "User004"), "<missing>");
    EXPECT_EQ(Stored("Parameters", "Run_Exe"), "1");

    // Loading leaves the bars to the window; autoplay is told on once.
    EXPECT_EQ(window.calls, std::vector<std::string>{"autoplay on"});
    EXPECT_TRUE(fx.dialogs.advices.empty());
}

TEST_F(PreferencesTest, StoredValuesAreNormalisedAndCutToTheirFields) {
    const std::string longName(60, 'g');
    WriteCfg(
        "[Preference]\r\nBack_Card=0\r\nBackground_Col=0\r\nBackground_bmp=\r\n"
        "Game_name=" +
        longName +
        "\r\nCustomized_Background=/home/u/sky.jpg\r\n"
        "Customized_Deck=\r\nCard_Size=Medium\r\nUserDefault=Alice\r\n"
        "Cards_Animate=N\r\nGame=8001\r\nBackground_Fixed_Col=0x10\r\n"
        "Disable_Statistics=Y\r\nHighLights_Foundations_Mark=-2\r\n"
        "[settings]\r\nRandom_Game_Type=5\r\nGames_Fast_Search_Type=1\r\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(21, 3), "001");
    EXPECT_EQ(GetParameter(28, 15), "2147483663");
    EXPECT_EQ(GetParameter(43, 4), "0");
    EXPECT_EQ(ProgramGame().values.name, longName.substr(0, 50));
    EXPECT_EQ(GetParameter(246, 1), "Y");
    EXPECT_EQ(GetParameter(256, 1), "N");
    EXPECT_EQ(GetParameter(128, 1), "M");
    EXPECT_EQ(ProgramGame().values.id, "8001");
    EXPECT_EQ(ParameterInt(47, 15), 16);
    // Without its own key the shadow follows the animation switch.
    EXPECT_EQ(GetParameter(178, 1), "N");
    EXPECT_EQ(CardShadowOffset(), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(115), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(103), -2);
    EXPECT_EQ(ProgramGame().Options.Opt(104), 5);
    EXPECT_EQ(ProgramGame().Options.Opt(108), 1);
    // A current player exists: nobody is added.
    EXPECT_EQ(ProgramGame().values.player, "Alice");
    EXPECT_EQ(Stored("Users", "User001"), "<missing>");
}

// The look times come in range whatever the file holds, and what the dialog
// stores is what the memory play reads.
TEST_F(PreferencesTest, LookTimesAreKeptInTheirRanges) {
    const struct {
        const char* pair;
        const char* study;
        int pairMs, studySeconds;
    } cases[] = {{"", "", 200, 10},
                 {"1500", "25", 1500, 25},
                 {"50", "2", 200, 5},
                 {"99999", "900", 3000, 30},
                 {"-7", "-1", 200, 5},
                 {"fast", "1e3", 200, 10},
                 {"99999999999999999999", "", 200, 10}};
    for (const auto& c : cases) {
        WriteCfg(std::string("[Preference]\r\nWrong_Pair_Time=") + c.pair +
                 "\r\nStudy_Time=" + c.study + "\r\n");
        LoadPreferences(ProgramGame());
        EXPECT_EQ(WrongPairMs(), c.pairMs) << c.pair;
        EXPECT_EQ(StudySeconds(), c.studySeconds) << c.study;
    }
    EXPECT_TRUE(StoreLookTimes(5000, 12));
    EXPECT_EQ(WrongPairMs(), 3000);
    EXPECT_EQ(StudySeconds(), 12);
    EXPECT_EQ(Stored("Preference", "Wrong_Pair_Time"), "3000");
    EXPECT_EQ(Stored("Preference", "Study_Time"), "12");
    // Only the memory games record a look time, and only a longer one.
    EXPECT_EQ(LookTimeOfGame(37), 3000);
    EXPECT_EQ(LookTimeOfGame(38), 12000);
    EXPECT_EQ(LookTimeOfGame(1), 0);
    StoreLookTimes(200, 10);
    EXPECT_EQ(LookTimeOfGame(37), 0);
    EXPECT_EQ(LookTimeOfGame(38), 0);
}

TEST_F(PreferencesTest, ShadowKeyOverridesTheAnimationSwitch) {
    WriteCfg("[Preference]\nCards_Animate=N\nCards_Shadowed=Y\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(67, 1), "N");
    EXPECT_EQ(GetParameter(178, 1), "Y");
    EXPECT_EQ(CardShadowOffset(), 9);
}

TEST_F(PreferencesTest, StartCounterStopsAtFiftyOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"50", "51"}, {"51", "51"}, {"400", "400"}, {"0", "1"}, {"x", "1"}};
    for (const auto& [before, after] : cases) {
        WriteCfg(std::string("[Parameters]\nRun_Exe=") + before + "\n");
        LoadPreferences(ProgramGame());
        EXPECT_EQ(Stored("Parameters", "Run_Exe"), after) << "stored " << before;
    }
}

TEST_F(PreferencesTest, PointerShapes) {
    struct Case {
        const char* stored;
        int table, drag;
    };
    const Case cases[] = {{"10", 0, 0},  {"12", 12, 22}, {"15", 15, 25}, {"20", 20, 30},
                          {"25", 25, 0}, {"99", 0, 0},   {"123", 0, 0},  {"ten", 0, 0}};
    for (const Case& c : cases) {
        WriteCfg(std::string("[Preference]\nCursor=") + c.stored + "\n");
        LoadPreferences(ProgramGame());
        EXPECT_EQ(TableCursorShape(), c.table) << "Cursor=" << c.stored;
        EXPECT_EQ(DragCursorShape(), c.drag) << "Cursor=" << c.stored;
    }
    WriteCfg("[Preference]\nCursor=123\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(172, 2), "10");  // too wide for its field: the default
}

TEST_F(PreferencesTest, LowColourDisplayAdvisesOnceAndPicksFaceSetThree) {
    screen.bits = 8;
    WriteCfg("");
    LoadPreferences(ProgramGame());
    ASSERT_EQ(fx.dialogs.advices.size(), 1u);
    EXPECT_EQ(fx.dialogs.advices[0], kScreenUnder256ColorsText);
    EXPECT_EQ(GetParameter(24, 3), "003");
    EXPECT_EQ(Stored("Show_Messages", "Screen_Under_256_Colors"), "<missing>");

    // Not ticked: shown again next time. A stored face set wins over the default.
    WriteCfg("[Preference]\nCard=2\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(fx.dialogs.advices.size(), 2u);
    EXPECT_EQ(GetParameter(24, 3), "002");

    // Ticked: never again.
    fx.dialogs.adviceTicks = true;
    LoadPreferences(ProgramGame());
    EXPECT_EQ(fx.dialogs.advices.size(), 3u);
    EXPECT_EQ(Stored("Show_Messages", "Screen_Under_256_Colors"), "N");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(fx.dialogs.advices.size(), 3u);

    screen.bits = 16;
    WriteCfg("");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(fx.dialogs.advices.size(), 3u);
    EXPECT_EQ(GetParameter(24, 3), "001");
}

TEST_F(PreferencesTest, AdviceMessageHonoursItsKey) {
    WriteCfg("[show_messages]\nMsg_Cards_Large=N\nMsg_Cards_Medium_800x600=Y\n");
    EXPECT_FALSE(ShowAdviceMessage("large", "Msg_Cards_Large", kAdvicePageColor));
    EXPECT_TRUE(ShowAdviceMessage("medium", "Msg_Cards_Medium_800x600", kAdvicePage640x480));
    EXPECT_EQ(fx.dialogs.advices, std::vector<std::string>{"medium"});
    fx.dialogs.adviceTicks = true;
    EXPECT_TRUE(ShowAdviceMessage("medium", "Msg_Cards_Medium_800x600", kAdvicePage640x480));
    EXPECT_FALSE(ShowAdviceMessage("medium", "Msg_Cards_Medium_800x600", kAdvicePage640x480));
    EXPECT_EQ(fx.dialogs.advices.size(), 2u);
    EXPECT_NE(Cfg().find("Msg_Cards_Large=N"), std::string::npos);  // untouched
}

TEST_F(PreferencesTest, FaceSetFourRunsItsSetUpRightAfterLoadingCard) {
    struct CountingSetUp : IDeckFourSetUp {
        int runs = 0;
        std::string cardSizeSeen = "unset";
        void SetUp() override {
            ++runs;
            cardSizeSeen = GetParameter(128, 1);
        }
    } setUp;
    Install<IDeckFourSetUp>(&setUp);
    const int& runs = setUp.runs;
    const std::string& cardSizeSeen = setUp.cardSizeSeen;
    fx.dir.write("DATA/Cfg.dat", "[Preference]\nCard=4\nCard_Size=S\n");
    Params().Reset();
    LoadPreferences(ProgramGame());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(cardSizeSeen, "");  // before the keys that follow "Card"

    WriteCfg("[Preference]\nCard=3\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(runs, 1);
    Install<IDeckFourSetUp>(nullptr);
    WriteCfg("[Preference]\nCard=4\n");
    LoadPreferences(ProgramGame());  // no set-up installed: nothing to run
    EXPECT_EQ(GetParameter(24, 3), "004");
}

// The choices come back typed, each switch in the sense its readers give the
// letter the block keeps; the window is not driven and nothing is written.
TEST_F(PreferencesTest, ChoicesAreReadTypedWithoutDrivingTheWindow) {
    const std::string cfg =
        "[Preference]\nToolBar_Large=N\nToolBar_Flat=Yes\nShow_Time=x\nShow_Score=Yes\n"
        "StatusBar=y\nAutoPlay=N\nUserDefault=Bob\nCards_Animate=S\nCards_Shadowed=No\n"
        "Piles_TT=\nSounds_Undo=N\nSounds_Redo= Y\nBack_Card=1234\nCard=4\n"
        "Cursor=12\nGame_name=" +
        std::string(60, 'g') +
        "\nHighLights_Foundations_Mark=40000\nAutoPlay_All_Games=2\nWrong_Pair_Time=9\n"
        "Background_bmp=   \nConfirmQuit=x\n[Parameters]\nRun_Exe=51\n[Users]\nUser002=Eve\n";
    WriteCfg(cfg);
    const bw::Preferences read = ReadPreferences(SettingsFile(), true);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(Cfg(), cfg);
    EXPECT_FALSE(read.toolBarLarge);
    EXPECT_FALSE(read.toolBarFlat);  // outside the block only "Y" is on
    EXPECT_FALSE(read.showTime);
    EXPECT_TRUE(read.showScore);
    EXPECT_TRUE(read.statusBar);
    EXPECT_FALSE(read.autoplay);
    EXPECT_TRUE(read.cardsAnimate);
    EXPECT_FALSE(read.cardsShadowed);
    EXPECT_TRUE(read.pilesTT);
    EXPECT_FALSE(read.sounds.undo);
    EXPECT_TRUE(read.sounds.redo);
    EXPECT_EQ(read.backCard, 11);
    EXPECT_EQ(read.cardDeck, 4);
    EXPECT_EQ(read.cursor, 12);
    EXPECT_EQ(read.gameName.size(), 60u);
    EXPECT_EQ(read.highlightFoundations, 0);
    EXPECT_EQ(read.autoplayMode, 2);
    EXPECT_EQ(read.wrongPairMs, 200);
    EXPECT_EQ(read.backgroundPicture, "0");
    EXPECT_EQ(read.runs, 51);
    EXPECT_EQ(read.users[1], "Eve");
    EXPECT_EQ(read.player, "Bob");
    EXPECT_TRUE(!read.ConfirmQuitTicked() && read.ConfirmQuitOnClose());  // neither letter
    // Missing: the defaults, the face set that of a low-colour display.
    WriteCfg("garbage\n[Preference\n=\n");
    const bw::Preferences none = ReadPreferences(SettingsFile(), true);
    EXPECT_EQ(none.cardDeck, 3);
    EXPECT_TRUE(none.toolBarLarge && none.showTime && !none.statusBar && none.sounds.splash);
    EXPECT_EQ(none.gameId, 201);

    // Loading fills the block from the same choices and still leaves the
    // window alone; a panel switch means in the block what the window shows.
    WriteCfg(cfg);
    const bw::Preferences loaded = LoadPreferences(ProgramGame());
    EXPECT_EQ(loaded.showTime, read.showTime);
    EXPECT_EQ(window.calls, std::vector<std::string>{"autoplay on"});  // the game's own switch
    EXPECT_EQ(GetParameter(field::kShowTime), "N");
    EXPECT_EQ(GetParameter(field::kShowScore), "Y");
    EXPECT_EQ(GetParameter(field::kCardsShadowed), "N");
    EXPECT_EQ(CardShadowOffset(), 0);
    EXPECT_EQ(ProgramGame().values.name, std::string(50, 'g'));
    EXPECT_EQ(Cfg(), cfg);  // a current player and a full counter: nothing to write
}

TEST_F(PreferencesTest, SingleAutoplaySwitch) {
    WriteCfg("[Preference]\nAutoPlay=Y\n");
    SetAutoplaySwitch(ProgramGame(), true);  // already on: it stays on, told once
    LoadPreferences(ProgramGame());
    EXPECT_EQ(window.Count("autoplay on"), 1);
    EXPECT_TRUE(window.checked);

    // A mode that is neither 1 nor 2 falls back to one switch for all games.
    SetAutoplaySwitch(ProgramGame(), false);
    WriteCfg("[Preference]\nAutoPlay_All_Games=7\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().Options.Opt(105), 1);
    EXPECT_TRUE(window.checked);
}

TEST_F(PreferencesTest, PerGameAutoplaySwitchAtStartUp) {
    SetGameCommands(ProgramGame(), true);
    WriteCfg(
        "[Preference]\nAutoPlay_All_Games=2\nAutoPlay=Y\nGame=4\n"
        "[Autoplay]\nGames=YYYYN\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().Options.Opt(105), 2);
    EXPECT_EQ(window.Count("autoplay on"), 0);  // stored off, already off

    WriteCfg(
        "[Preference]\nAutoPlay_All_Games=2\nAutoPlay=N\nGame=3\n"
        "[Autoplay]\nGames=YYYYN\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(window.Count("autoplay on"), 1);
    EXPECT_TRUE(window.checked);

    // The command is disabled until a game is open: nothing to apply yet.
    SetGameCommands(ProgramGame(), false);
    SetAutoplaySwitch(ProgramGame(), false);
    LoadPreferences(ProgramGame());
    EXPECT_EQ(window.Count("autoplay on"), 1);
}

TEST_F(PreferencesTest, GamesStringHoldsOneSwitchPerGame) {
    WriteCfg("[Autoplay]\nGames=YYN\n");
    EXPECT_TRUE(GameAutoplayStored(0));
    EXPECT_TRUE(GameAutoplayStored(1));
    EXPECT_FALSE(GameAutoplayStored(2));
    EXPECT_TRUE(GameAutoplayStored(3));
    EXPECT_TRUE(GameAutoplayStored(7999));
    EXPECT_TRUE(GameAutoplayStored(-1));

    // Shorter than id + 2: padded with "Y" to id + 10, then the switch set.
    WriteCfg("");
    ASSERT_TRUE(StoreGameAutoplaySwitch(4, false));
    EXPECT_EQ(Stored("Autoplay", "Games"), "YYYYNYYYYYYYYY");
    EXPECT_FALSE(GameAutoplayStored(4));
    EXPECT_TRUE(GameAutoplayStored(5));

    WriteCfg("[Autoplay]\nGames=YYN\n");
    ASSERT_TRUE(StoreGameAutoplaySwitch(2, true));
    EXPECT_EQ(Stored("Autoplay", "Games"), "YYYYYYYYYYYY");

    // Long enough already: only the game's own character changes.
    WriteCfg("[Autoplay]\nGames=NNNNNNNNNNNNNNNNNNNN\n");
    ASSERT_TRUE(StoreGameAutoplaySwitch(3, true));
    EXPECT_EQ(Stored("Autoplay", "Games"), "NNNYNNNNNNNNNNNNNNNN");
    EXPECT_FALSE(GameAutoplayStored(2));
    EXPECT_TRUE(GameAutoplayStored(3));

    EXPECT_FALSE(StoreGameAutoplaySwitch(-1, false));
    EXPECT_EQ(Stored("Autoplay", "Games"), "NNNYNNNNNNNNNNNNNNNN");
}

TEST_F(PreferencesTest, CustomGamesHaveTheirOwnKey) {
    WriteCfg("");
    EXPECT_TRUE(GameAutoplayStored(8001));
    ASSERT_TRUE(StoreGameAutoplaySwitch(8001, false));
    EXPECT_EQ(Stored("Autoplay", "Cust_8001"), "N");
    EXPECT_FALSE(GameAutoplayStored(8001));
    EXPECT_TRUE(GameAutoplayStored(8002));
    EXPECT_EQ(Stored("Autoplay", "Games"), "<missing>");
    WriteCfg("[AUTOPLAY]\ncust_8003=No\ncust_8004=\n");
    EXPECT_FALSE(GameAutoplayStored(8003));  // the first character counts
    EXPECT_TRUE(GameAutoplayStored(8004));
}

TEST_F(PreferencesTest, DamagedFilesGiveDefaults) {
    std::mt19937 rng(7);
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>(rng() & 0xFF);
    WriteCfg(garbage);
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(21, 3), "011");
    EXPECT_EQ(ProgramGame().values.id, "0201");
    EXPECT_EQ(ProgramGame().Options.Opt(104), 2);

    // An overlong line does not hide the keys around it.
    WriteCfg("[Preference]\nBack_Card=7\nJunk=" + std::string(200000, 'x') + "\nGame=12\n" +
             std::string(100000, '[') + "\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(21, 3), "007");
    EXPECT_EQ(ProgramGame().values.id, "0012");

    // Numbers that are not numbers, or do not fit their field or entry.
    WriteCfg(
        "[Preference]\nBack_Card=abc\nGame=12x\nCard=123456\nLanguage=\n"
        "Speed_Move_Card=1e3\nAutoPlay_All_Games=two\nHighLights_Foundations_Mark=70000\n"
        "Background_Col=99999999999999999999\n[Settings]\nRandom_Game_Type=--1\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(21, 3), "011");
    EXPECT_EQ(ProgramGame().values.id, "0201");
    EXPECT_EQ(GetParameter(24, 3), "001");
    EXPECT_EQ(GetParameter(68, 6), "020000");
    EXPECT_EQ(GetParameter(74, 2), "10");
    EXPECT_EQ(ProgramGame().Options.Opt(105), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(103), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(104), 2);
    EXPECT_EQ(ParameterInt(28, 15), 2147483663LL);
}

TEST_F(PreferencesTest, MissingDataFolderLoadsDefaultsAndWritesFail) {
    std::filesystem::remove_all(fx.dir.file("DATA"));
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_EQ(ProgramGame().values.id, "0201");
    EXPECT_FALSE(platform::DirExists(fx.dir.file("DATA")));
    EXPECT_FALSE(WritePreference("Back_Card", "3"));
    EXPECT_FALSE(StoreGameAutoplaySwitch(4, false));
    EXPECT_FALSE(ChangeChoices([](Preferences& p) { p.showTime = false; }, {ChoiceKey::kShowTime}));
    fx.dialogs.adviceTicks = true;
    EXPECT_TRUE(ShowAdviceMessage("text", "Msg_Cards_Large", kAdvicePageColor));
    EXPECT_TRUE(ShowAdviceMessage("text", "Msg_Cards_Large", kAdvicePageColor));
}

TEST_F(PreferencesTest, SettingsFileThatIsAFolder) {
    std::filesystem::create_directory(fx.dir.file("DATA/Cfg.dat"));
    LoadPreferences(ProgramGame());
    EXPECT_EQ(GetParameter(21, 3), "011");
    EXPECT_EQ(ProgramGame().values.player, "Player 1");
    EXPECT_FALSE(WritePreference("Back_Card", "3"));
    EXPECT_TRUE(platform::DirExists(fx.dir.file("DATA/Cfg.dat")));
}

TEST_F(PreferencesTest, ExistingPlayersAreKeptWhenNoneIsCurrent) {
    WriteCfg("[Users]\nUser001=\nUser002=Carol\nUser003=Dave\n");
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().values.player, "Carol");
    EXPECT_EQ(Stored("Preference", "UserDefault"), "Carol");
    EXPECT_EQ(Stored("Users", "User001"), "");
    EXPECT_EQ(Stored("Users", "User002"), "Carol");
    EXPECT_EQ(Stored("Users", "User003"), "Dave");
}

TEST_F(PreferencesTest, WritersStoreWhatTheNextLoadReads) {
    WriteCfg("[Preference]\r\nGame_name=Old\r\nBackground_def=N\r\n");
    ProgramGame().Options.SetOpt(105, 1);
    ProgramGame().Options.SetOpt(104, 3);
    ASSERT_TRUE(WriteChosenGame(12, "Pairs", 4, 17));
    Preferences choices;
    choices.showTime = false;
    choices.backCard = 5;
    ASSERT_TRUE(
        SavePreferences(SettingsFile(), choices, {ChoiceKey::kShowTime, ChoiceKey::kBackCard}));
    ASSERT_TRUE(WriteExitPreferences(ProgramGame(), false));
    ASSERT_TRUE(WritePreference(key::kCustomizedBackground, "/pics/sky.bmp"));
    choices.defaultBackground = true;  // the own picture dropped
    ASSERT_TRUE(SavePreferences(SettingsFile(), choices,
                                {ChoiceKey::kOwnBackground, ChoiceKey::kDefaultBackground}));
    EXPECT_EQ(Stored("Preference", "Game_TreeNum"), "4");
    EXPECT_EQ(Stored("Preference", "Game_TreePos"), "17");
    EXPECT_EQ(Stored("Settings", "Random_Game_Type"), "3");
    // The old spelling of a key is updated in place, not doubled.
    EXPECT_NE(Cfg().find("Game_name=Pairs"), std::string::npos);
    EXPECT_EQ(Cfg().find("Game_Name="), std::string::npos);

    Params().Reset();
    LoadPreferences(ProgramGame());
    EXPECT_EQ(ProgramGame().values.id, "0012");
    EXPECT_EQ(ProgramGame().values.name, "Pairs");
    EXPECT_EQ(GetParameter(66, 1), "N");
    EXPECT_EQ(GetParameter(21, 3), "005");
    EXPECT_EQ(GetParameter(246, 1), "N");
    EXPECT_EQ(GetParameter(27, 1), "Y");
    EXPECT_EQ(window.Count("autoplay on"), 0);  // "AutoPlay" was written "N"

    // In per-game mode the single switch is not written at exit.
    ProgramGame().Options.SetOpt(105, 2);
    ASSERT_TRUE(WriteExitPreferences(ProgramGame(), true));
    EXPECT_EQ(Stored("Preference", "AutoPlay"), "N");
    ASSERT_TRUE(
        SavePreferences(SettingsFile(), choices, {ChoiceKey::kOwnBack, ChoiceKey::kOwnCardSet}));
    EXPECT_EQ(Stored("Preference", "Customized_Deck"), "");
    EXPECT_EQ(Stored("Preference", "Customized_Cards_Set"), "");
}

TEST_F(PreferencesTest, WindowPlacement) {
    WriteCfg("");
    WindowPlacement p = ReadWindowPlacement(1024, 768);
    EXPECT_TRUE(p.maximized);
    EXPECT_EQ(p.left, 50);
    EXPECT_EQ(p.top, 50);
    EXPECT_EQ(p.width, 874);
    EXPECT_EQ(p.height, 618);

    ASSERT_TRUE(WriteWindowPlacement({false, 10, 20, 640, 480}));
    p = ReadWindowPlacement(1024, 768);
    EXPECT_FALSE(p.maximized);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.top, 20);
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);

    // Maximised keeps the last normal rectangle.
    ASSERT_TRUE(WriteWindowPlacement({true, 0, 0, 0, 0}));
    p = ReadWindowPlacement(1024, 768);
    EXPECT_TRUE(p.maximized);
    EXPECT_EQ(p.width, 640);

    WriteCfg("[Preference]\nMainWindowState_Left=99999999999\n");
    EXPECT_EQ(ReadWindowPlacement(1024, 768).left, 50);
}

TEST(FitOnScreens, DamagedPlacementsComeBackOntoTheScreen) {
    const std::vector<ScreenArea> one = {{0, 0, 1024, 740}};
    auto fit = [](WindowPlacement p, const std::vector<ScreenArea>& s) {
        WindowPlacement f = FitOnScreens(p, s);
        return std::vector<int>{f.left, f.top, f.width, f.height};
    };
    using V = std::vector<int>;
    EXPECT_EQ(fit({false, 120, 80, 640, 470}, one), (V{120, 80, 640, 470}));      // fits: kept
    EXPECT_EQ(fit({false, 30000, -9000, 640, 470}, one), (V{384, 0, 640, 470}));  // far off
    EXPECT_EQ(fit({false, 900, 600, 640, 470}, one), (V{384, 270, 640, 470}));    // partly off
    EXPECT_EQ(fit({false, 10, 10, 60000, 60000}, one), (V{0, 0, 1024, 740}));     // too large
    EXPECT_EQ(fit({false, 10, 10, -640, 0}, one), (V{10, 10, 874, 590}));         // no size
    EXPECT_EQ(fit({false, 10, 10, 3, 2}, one), (V{10, 10, 320, 240}));            // unusable
    EXPECT_EQ(fit({false, INT_MAX, INT_MAX, INT_MAX, INT_MAX}, one), (V{0, 0, 1024, 740}));
    EXPECT_EQ(fit({false, INT_MIN, INT_MIN, 500, 400}, one), (V{0, 0, 500, 400}));
    // Two screens: a window on the second stays there; one off both goes to
    // the first (primary), one across both to the screen holding most of it.
    const std::vector<ScreenArea> two = {{0, 0, 1024, 768}, {1024, -200, 1280, 1024}};
    EXPECT_EQ(fit({false, 1300, 0, 800, 600}, two), (V{1300, 0, 800, 600}));
    EXPECT_EQ(fit({false, -5000, 5000, 800, 600}, two), (V{0, 168, 800, 600}));
    EXPECT_EQ(fit({false, 900, 100, 800, 600}, two), (V{1024, 100, 800, 600}));
}

}  // namespace
}  // namespace bw
