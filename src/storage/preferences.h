#pragma once
// The user's preferences in "DATA\Cfg.dat": read once at start-up into the
// parameter block and the option table, kept for the run as the player's
// choices, and written back key by key the moment a command or dialog
// changes one. The file is kept in memory only while it is unchanged on
// disk, so a value written here (or by anyone) is seen by the next reader.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/param_fields.h"
#include "core/ports.h"
#include "core/tr_marker.h"

namespace bw {

namespace section {
inline constexpr const char* kPreference = "Preference";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kParameters = "Parameters";
inline constexpr const char* kUsers = "Users";
inline constexpr const char* kAutoplay = "Autoplay";
inline constexpr const char* kShowMessages = "Show_Messages";
}  // namespace section

// Keys that later code reads or writes directly (section "Preference" unless
// noted). Keys are compared without regard to case, so "Background_def" as
// loaded and "Background_Def" as written are one entry.
namespace key {
inline constexpr const char* kSoundsEnabled = "Sounds_Enabled";
inline constexpr const char* kSoundsSplash = "Sounds_Splash";
// Milliseconds the splash stays up at least (read before the main window).
inline constexpr const char* kSplashTime = "Splash_Time";
inline constexpr const char* kBackCard = "Back_Card";
inline constexpr const char* kCard = "Card";
inline constexpr const char* kCardSize = "Card_Size";
inline constexpr const char* kBackgroundBmp = "Background_bmp";
inline constexpr const char* kBackgroundCol = "Background_Col";
inline constexpr const char* kBackgroundFixedCol = "Background_Fixed_Col";
inline constexpr const char* kBackgroundDef = "Background_Def";
inline constexpr const char* kFadeBackground = "Fade_Background";
inline constexpr const char* kCustomizedBackground = "Customized_Background";
inline constexpr const char* kCustomizedDeck = "Customized_Deck";
inline constexpr const char* kCustomizedCardsSet = "Customized_Cards_Set";
inline constexpr const char* kToolBarLarge = "ToolBar_Large";
inline constexpr const char* kToolBarFlat = "ToolBar_Flat";
inline constexpr const char* kShowTime = "Show_Time";
inline constexpr const char* kShowScore = "Show_Score";
// The line of the player's best earlier run on the deal ("Y" unless "N").
inline constexpr const char* kShowBestRun = "Show_Best_Run";
inline constexpr const char* kConfirmQuit = "ConfirmQuit";
inline constexpr const char* kConfirmQuitGame = "ConfirmQuitGame";
inline constexpr const char* kResumeGame = "Resume_Game";
inline constexpr const char* kConfirmSaveAndExit = "ConfirmSaveAndExit";
inline constexpr const char* kConfirmSaveAndExitType = "ConfirmSaveAndExitType";
inline constexpr const char* kCardsAnimate = "Cards_Animate";
inline constexpr const char* kWinningAnimation = "Winning_Animation";
inline constexpr const char* kWinningAnimations = "Winning_Animations";
inline constexpr const char* kWinningAnimationsTime = "Winning_Animations_Time";
inline constexpr const char* kHighlightsFoundationsMark = "HighLights_Foundations_Mark";
inline constexpr const char* kHighlightsFoundationsColor = "HighLights_Foundations_Color";
inline constexpr const char* kGame = "Game";
inline constexpr const char* kGameName = "Game_Name";
inline constexpr const char* kGameTreeNum = "Game_TreeNum";
inline constexpr const char* kGameTreePos = "Game_TreePos";
inline constexpr const char* kOpenPreviewGame = "Open_Preview_Game";
inline constexpr const char* kOpenShowWonLost = "Open_Show_Won_Lost";
inline constexpr const char* kUserDefault = "UserDefault";
inline constexpr const char* kAutoPlay = "AutoPlay";
inline constexpr const char* kAutoPlayAllGames = "AutoPlay_All_Games";
inline constexpr const char* kMaximized = "MainWindowState_Maximized";
inline constexpr const char* kWindowLeft = "MainWindowState_Left";
inline constexpr const char* kWindowTop = "MainWindowState_Top";
inline constexpr const char* kWindowWidth = "MainWindowState_Width";
inline constexpr const char* kWindowHeight = "MainWindowState_Height";
inline constexpr const char* kNewsQuestion = "News_Question";
inline constexpr const char* kNewsFirstDisplay = "News_First_Display";
inline constexpr const char* kTipsStartUp = "Tips_StartUp";
// The memory games' look times: milliseconds a wrong pair stays up (200 to
// 3000), seconds of the "Forget me not" memorise phase (5 to 30).
inline constexpr const char* kWrongPairTime = "Wrong_Pair_Time";
inline constexpr const char* kStudyTime = "Study_Time";
// Section "Settings".
inline constexpr const char* kRandomGameType = "Random_Game_Type";
inline constexpr const char* kGamesFastSearchType = "Games_Fast_Search_Type";
// Section "Parameters".
inline constexpr const char* kRunExe = "Run_Exe";
// Section "Autoplay".
inline constexpr const char* kAutoplayGames = "Games";
}  // namespace key

// The player's choices as the settings file holds them, read in one go and
// typed. Every member starts at the value a missing key gives. A switch held
// in the block is true in the sense its readers give the letter it keeps (the
// first after blanks): most are on only for "Y"; those marked "unless N" for
// anything but "N". The tool-bar, autoplay and statistics switches take the
// whole text, and only "Y" is on. Numbers that do not fit their field (or a
// 16-bit option entry) give the default, and the normalisations of start-up
// are applied, so the block and the option table can be filled from here
// without further checks. Texts are kept whole; the block cuts them to its
// fields. The values in force stay in the block and may part from these:
// the card size and face set a small screen or table forces, a face set
// that is not installed, the panels switched from the menus.
struct Preferences {
    static constexpr int kUserSlots = 20;
    static constexpr int64_t kButtonFaceColour = 2147483663;  // 0x8000000F

    bool showToolTips = true;
    bool toolBarLarge = true;
    bool toolBarFlat = true;
    int64_t backCard = 11;  // 0 becomes 1
    int64_t cardDeck = 1;   // 3 on a display of 256 colours or fewer
    std::string cardSize = "B";
    std::string backgroundPicture = "0";  // empty becomes "0"
    int64_t fixedColour = 32768;
    int64_t backgroundColour = kButtonFaceColour;  // 0 becomes the default
    bool defaultBackground = false;
    bool fadeBackground = true;
    // The player's own pictures; empty when there is none.
    std::string ownBackgroundPath;
    std::string ownBackPath;
    std::string ownCardSetPath;
    int64_t gameId = 201;
    std::string gameName = "Memory-Up (6x4)";
    // Where the open-game dialog last found the game (-30: all games).
    int64_t gameTreeNum = -30;
    int64_t gameTreePos = 0;
    bool openShowWonLost = false;
    bool openPreviewGame = true;  // unless N
    bool showTime = true;
    bool showScore = true;
    bool cardsAnimate = true;     // unless N
    bool cardsShadowed = true;    // unless N; without its key it follows cardsAnimate
    bool pilesTT = false;         // unless N
    bool automaticFaceUp = true;  // unless N
    bool dealAnimation = true;    // unless N
    bool redealAnimation = true;  // unless N
    int64_t language = 20000;
    int64_t moveSpeed = 10;
    bool statusBar = false;  // unless N
    std::string player;
    std::string undoMode = "0";    // "2" disables undo
    bool confirmQuitGame = false;  // unless N
    bool confirmHiScores = true;   // unless N
    struct Sounds {
        bool enabled = true, about = true, autoplay = true, cardDown = true, cardUp = true,
             newHiScores = true, faceUp = true, gameWon = true, hiScores = true, newGame = true,
             pairing = true, redeal = true, quietRedeal = true, redo = true, restart = true,
             shuffle = true, splash = true, stock = true, foundation = true, tableau = true,
             undo = true;
    } sounds;
    bool randomBackground = false;
    bool randomCard = false;
    bool randomDeck = false;
    bool vertScrollBar = true;  // unless N
    bool showPilesSize = false;
    bool mainPopupMenu = true;  // unless N
    bool showPartialCard = true;
    bool rightToFoundations = true;
    bool rightToTableaus = true;
    bool doubleToFoundations = true;
    bool doubleToTableaus = false;
    bool winningAnimation = true;
    // "ConfirmQuit" as stored: the dialog ticks its box only for "Y", while
    // the close check asks for anything but "N", so a hand-edited value
    // keeps both readings.
    std::string confirmQuitText = "N";
    bool ConfirmQuitTicked() const { return confirmQuitText == "Y"; }
    bool ConfirmQuitOnClose() const { return confirmQuitText != "N"; }
    void SetConfirmQuit(bool on) { confirmQuitText = on ? "Y" : "N"; }
    // The winning show by name and its seconds (negative: none).
    std::string winningShow = "(Random)";
    int64_t winningShowSeconds = 30;
    bool resumeGame = true;   // unless N
    bool showBestRun = true;  // unless N
    int wrongPairMs = 200;    // in range (core/look_time.h)
    int studySeconds = 10;
    // Option-table entries.
    int fastSearchType = 0;
    bool disableStatistics = false;
    int highlightFoundations = 0;  // the mark, 1 to 5; others draw none
    int64_t highlightColour = 0;
    int randomGameType = 2;
    int autoplayMode = 1;  // 1: one switch for all games, 2: a switch per game
    bool autoplay = true;  // the one switch of mode 1
    int64_t cursor = 10;
    int64_t runs = 0;  // counted program starts
    // "User001".."User020" of section "Users", empty where missing.
    std::vector<std::string> users = std::vector<std::string>(kUserSlots);
};

// Reads the settings file at `cfgPath` and nothing else: no window, no
// block, no writes. A missing or damaged file yields the defaults;
// `fewColours` (a display of 256 colours or fewer) changes the face set's.
Preferences ReadPreferences(const std::string& cfgPath, bool fewColours);

// Start-up: reads the settings file and puts the choices into the parameter
// block, the option table and the values of `g` (its game, player and undo
// mode), in the order later readers rely on, with the advice on a low-colour
// display, the set-up of face set "004", the first-run players, the start
// counter and the autoplay switch on the way.
// Returns the choices read; the window keeps them for the run and applies
// its bars and panels from them. Failed writes are ignored.
Preferences LoadPreferences(Game& g);

// The keys a change at run time writes, each from its member of the
// choices. Two spellings of "Card" live on: the customize dialog writes the
// plain number, the switch-off of an own card set the three digits.
enum class ChoiceKey {
    kSoundsEnabled,
    kBackCard,
    kBackgroundPicture,
    kBackgroundCol,
    kFixedColour,
    kDefaultBackground,
    kFadeBackground,
    kOwnBack,
    kOwnBackground,
    kFaceSet,
    kFaceSetDigits,
    kOwnCardSet,
    kCardSize,
    kToolBarLarge,
    kToolBarFlat,
    kShowTime,
    kShowScore,
    kConfirmQuit,
    kConfirmQuitGame,
    kCardsAnimate,
    kWinningAnimation,
    kResumeGame,
    kWrongPairTime,
    kStudyTime,
    kShowBestRun,
    kGame,
    kGameName,
    kGameTreeNum,
    kGameTreePos,
    kOpenShowWonLost,
    kOpenPreviewGame,
    kHighlightMark,
    kHighlightColour,
    kWinningShow,
    kWinningShowTime,
    kPlayer,
    kAutoPlay,
    kRandomGameType,  // section "Settings"
};

// Writes the keys of `changed` from `p`, one write each and in that order
// (a key new to the file is added where it comes). False when a write
// failed; the others are made all the same.
bool SavePreferences(const std::string& cfgPath, const Preferences& p,
                     const std::vector<ChoiceKey>& changed);

// The choices kept for the run, owned by the main window; installed with
// Install<IChoiceKeeper>. Unset, there are none to keep.
class IChoiceKeeper {
public:
    virtual ~IChoiceKeeper() = default;
    virtual Preferences* Kept() { return nullptr; }
};

// The player's choices as they stand: the kept ones, or with none kept (tests,
// the tool, the window not yet set up) the settings file read afresh. What a
// choice is read from after start-up, so a change is seen even when the file
// could not take it. The reference holds until the next call.
const Preferences& KeptChoices();

// A choice the player changed at run time: `change` makes it in the kept
// choices (with none kept, in a scratch copy that only carries it to the
// file) and the keys of `changed` are saved from them. The values in force
// are the caller's to set.
bool ChangeChoices(const std::function<void(Preferences&)>& change,
                   const std::vector<ChoiceKey>& changed);

// Extra set-up of face set "004", run while loading when that set is
// chosen; the card images install it (Install<IDeckFourSetUp>).
class IDeckFourSetUp {
public:
    virtual ~IDeckFourSetUp() = default;
    virtual void SetUp() {}
};

// Pointer shapes of the card table from "Cursor" (position 172), as numbers
// of the loaded shapes (10..15, 20..25, 30); 0 means the default arrow.
// "Cursor" v shows shape v, and v + 10 while cards are dragged; 10 gives the
// arrow for both, and so does a number for which no shape is loaded.
int TableCursorShape();
int DragCursorShape();

// Pages of the information dialog's picture notebook.
constexpr int kAdvicePageColor = 0;
constexpr int kAdvicePage640x480 = 1;
extern const char* const kScreenUnder256ColorsText;

// Shows the information dialog unless section "Show_Messages" holds "N" for
// `messageKey`; writes "N" there when the user ticks "don't show again".
// True when the dialog was shown.
bool ShowAdviceMessage(const std::string& text, const std::string& messageKey, int page);

// From now on a failed write of the settings file shows the file and the
// reason; the writes that fail together (one dialog's keys, shut-down) show
// one box.
inline constexpr const char* kSettingsWriteErrorText =
    BW_TR_NOOP("Messages", "Cannot save the settings in the file:\n");
void ReportSettingsWriteFailures();

// Plain reads and writes. Writes return false when the file cannot be
// written (missing "DATA" folder, read-only file) and change nothing then.
std::string ReadPreference(const std::string& key, const std::string& def);
int64_t ReadPreferenceInt(const std::string& key, int64_t def);
std::string ReadSetting(const std::string& sect, const std::string& key, const std::string& def);
int64_t ReadSettingInt(const std::string& sect, const std::string& key, int64_t def);
bool WritePreference(const std::string& key, const std::string& value);
bool WritePreferenceInt(const std::string& key, int64_t value);
bool WritePreferenceYN(const std::string& key, bool on);
bool WriteSetting(const std::string& sect, const std::string& key, const std::string& value);
bool WriteSettingInt(const std::string& sect, const std::string& key, int64_t value);

// The look times into their fields and the choices, brought into range first.
bool StoreLookTimes(int64_t wrongPairMs, int64_t studySeconds);

// "User001".."User020" of section "Users".
std::string UserKey(int number);

struct WindowPlacement {
    bool maximized = true;
    int left = 50;
    int top = 50;
    int width = 0;
    int height = 0;
};
// The stored placement; width and height default to the screen's less 150.
WindowPlacement ReadWindowPlacement(int screenWidth, int screenHeight);
// The rectangle brought onto the desktop, so a damaged or outdated setting
// never leaves the window out of reach: a size that is not positive gets the
// default (the screen's less 150), one below 320 x 240 or beyond the screen
// is limited, and a window not wholly on one screen is moved onto the screen
// it overlaps most (the first, the primary, when it overlaps none).
WindowPlacement FitOnScreens(WindowPlacement placement, const std::vector<ScreenArea>& screens);
// Maximised writes only the flag; otherwise the flag "N" and the rectangle.
bool WriteWindowPlacement(const WindowPlacement& placement);

// The game chosen in the open-game dialog or by game selection.
bool WriteChosenGame(int gameId, const std::string& name, int treeNum, int treePos);
// Shut-down: the single autoplay switch (only in the all-games mode, option
// 105 = 1) and the random game type (option 104).
bool WriteExitPreferences(const Game& g, bool autoplayOn);

}  // namespace bw
