#include "storage/preferences.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/game.h"
#include "core/game_status.h"
#include "core/look_time.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "storage/autoplay_prefs.h"
#include "storage/players.h"

namespace bw {

const char* const kScreenUnder256ColorsText = BW_TR_NOOP(
    "Messages",
    "At this time your video driver supports 256 colors or less. This program takes advantage "
    "of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \nIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.");

namespace {

constexpr int64_t kButtonFaceColour = 2147483663;  // 0x8000000F, the system button face
constexpr int kShadowOn = 9;
constexpr int kMaxPlayers = 20;

int g_shadowOffset = kShadowOn;

// Reads one file into the block, key by key, in the order the callers expect.
class Loader {
public:
    explicit Loader(std::string file) : file_(std::move(file)) {}

    std::string Read(const char* key, const std::string& def,
                     const char* sect = section::kPreference) const {
        return platform::IniReadString(file_, sect, key, def);
    }
    int64_t ReadInt(const char* key, int64_t def, const char* sect = section::kPreference) const {
        return platform::IniReadInt(file_, sect, key, def);
    }

    // Text and switches are cut to their field.
    void Text(const char* key, const std::string& def, ParamField f) const {
        SetParameter(f, Read(key, def));
    }
    // Numbers are zero-padded to their field; one that does not fit would
    // read back as asterisks, so it counts as unusable and gives the default.
    void Number(const char* key, int64_t def, ParamField f) const {
        std::string text = FormatNumber(ReadInt(key, def), f.width);
        if (text.find('*') != std::string::npos) text = FormatNumber(def, f.width);
        SetParameter(f, text);
    }
    // A path held elsewhere; the block only records whether there is one.
    void Presence(const char* key, ParamField f) const {
        SetParameter(f, Read(key, "").empty() ? "N" : "Y");
    }
    // Option-table entries are 16-bit; a value outside that range gives the
    // default instead of wrapping round to an unrelated number.
    void Option(int entry, const char* key, int64_t def,
                const char* sect = section::kPreference) const {
        int64_t v = ReadInt(key, def, sect);
        if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
            v = def;
        ProgramGame().Options.SetOpt(entry, static_cast<int>(v));
    }

private:
    std::string file_;
};

bool ParameterIsY(ParamField f) {
    return GetParameter(f) == "Y";
}

// The first run has no current player. A list of players without a current
// one is not a first run: keep the list and make its first player current.
// A current player whose name cannot be a key would play without a record:
// it is refused (and said so) like an unusable listed name.
void EnsureCurrentPlayer(const Loader& in) {
    const std::string current = GetParameter(field::kPlayer);
    if (!current.empty() && IsUsablePlayerName(current)) return;
    if (!current.empty()) {
        ReportUnusableStoredName(current);
        SetParameter(field::kPlayer, "");
    }
    for (int i = 1; i <= kMaxPlayers; ++i) {
        std::string name = in.Read(UserKey(i).c_str(), "", section::kUsers);
        if (name.empty() || !IsUsablePlayerName(name)) continue;
        WritePreference(key::kUserDefault, name);
        SetParameter(field::kPlayer, name);
        return;
    }
    std::vector<platform::IniEntry> first{{section::kPreference, key::kUserDefault, "Player 1"}};
    for (int i = 1; i <= 3; ++i)
        first.push_back({section::kUsers, UserKey(i), "Player " + std::to_string(i)});
    platform::IniWriteStrings(SettingsFile(), first);
    SetParameter(field::kPlayer, "Player 1");
}

void LoadAutoplaySwitch(const Loader& in) {
    in.Option(opt::kAutoPlayAllGames, key::kAutoPlayAllGames, 1);
    // Any mode but the two known ones would leave the switch remembered
    // nowhere; fall back to one switch for all games.
    if (ProgramGame().Options.Opt(opt::kAutoPlayAllGames) != 1 &&
        ProgramGame().Options.Opt(opt::kAutoPlayAllGames) != 2)
        ProgramGame().Options.SetOpt(opt::kAutoPlayAllGames, 1);
    if (ProgramGame().Options.Opt(opt::kAutoPlayAllGames) == 1) {
        if (in.Read(key::kAutoPlay, "Y") == "Y") SetAutoplaySwitch(ProgramGame(), true);
    } else {
        ApplyStoredGameAutoplay(static_cast<int>(ParameterInt(field::kGameId, -1)));
    }
}

// Out of range is brought into range; what is no number is the standard.
void LoadLookTimes(const Loader& in) {
    SetParameter(
        field::kWrongPairMs,
        std::to_string(ClampWrongPairMs(in.ReadInt(key::kWrongPairTime, kWrongPairMsStandard))));
    SetParameter(
        field::kStudySeconds,
        std::to_string(ClampStudySeconds(in.ReadInt(key::kStudyTime, kStudySecondsStandard))));
}

bool IsLoadedShape(int64_t n) {
    return (n >= 10 && n <= 15) || (n >= 20 && n <= 25) || n == 30;
}

}  // namespace

int PreferredShadowOffset() {
    return g_shadowOffset;
}

void LoadPreferences() {
    const Loader in(SettingsFile());
    IWindowBars& window = WindowBars();

    // 1-3: the main key table, in order.
    in.Text("Show_ToolTips", "Y", field::kShowToolTips);
    window.ApplyToolBarSize(in.Read(key::kToolBarLarge, "Y") == "Y");
    window.ApplyToolBarFlat(in.Read(key::kToolBarFlat, "Y") == "Y");
    in.Number(key::kBackCard, 11, field::kBackCard);
    const bool fewColours = !MoreThan256Colors(Screen());
    if (fewColours)
        ShowAdviceMessage(kScreenUnder256ColorsText, "Screen_Under_256_Colors", kAdvicePageColor);
    in.Number(key::kCard, fewColours ? 3 : 1, field::kCardDeck);
    if (GetParameter(field::kCardDeck) == "004") Installed<IDeckFourSetUp>().SetUp();
    in.Text("Card_Size", "B", field::kCardSize);
    in.Text(key::kBackgroundBmp, "", field::kBackgroundPicture);
    in.Number(key::kBackgroundFixedCol, 32768, field::kFixedColour);
    in.Number(key::kBackgroundCol, kButtonFaceColour, field::kBackgroundColour);
    in.Text(key::kBackgroundDef, "N", field::kDefaultBackground);
    in.Text(key::kFadeBackground, "Y", field::kFadeBackground);
    in.Presence(key::kCustomizedBackground, field::kOwnBackground);
    in.Presence(key::kCustomizedDeck, field::kOwnBack);
    in.Presence(key::kCustomizedCardsSet, field::kOwnCardSet);
    in.Number(key::kGame, 201, field::kGameId);
    in.Text(key::kGameName, "Memory-Up (6x4)", field::kGameName);
    in.Text(key::kShowTime, "Y", field::kShowTime);
    in.Text(key::kShowScore, "Y", field::kShowScore);
    in.Text(key::kCardsAnimate, "Y", field::kCardsAnimate);
    in.Text("Cards_Shadowed", in.Read(key::kCardsAnimate, "Y"), field::kCardsShadowed);
    g_shadowOffset = GetParameter(field::kCardsShadowed) == "N" ? 0 : kShadowOn;
    in.Text("Piles_TT", "N", field::kPilesTT);
    in.Text("Automatic_FaceUp", "Y", field::kAutomaticFaceUp);
    in.Text("Deal_Animation", "Y", field::kDealAnimation);
    in.Text("Redeal_Animation", "Y", field::kRedealAnimation);
    in.Number("Language", 20000, field::kLanguage);
    in.Number("Speed_Move_Card", 10, field::kMoveSpeed);
    in.Text("StatusBar", "N", field::kStatusBar);
    in.Text(key::kUserDefault, "", field::kPlayer);
    in.Text("Undo_Enabled", "0", field::kUndoMode);
    in.Text(key::kConfirmQuitGame, "N", field::kConfirmQuitGame);
    in.Text("ConfirmEnterHiScores", "Y", field::kConfirmHiScores);
    static const std::pair<const char*, ParamField> kSounds[] = {
        {key::kSoundsEnabled, field::kSoundsEnabled},
        {"Sounds_About", field::kSoundsAbout},
        {"Sounds_Autoplay", field::kSoundsAutoplay},
        {"Sounds_CardDown", field::kSoundsCardDown},
        {"Sounds_CardUp", field::kSoundsCardUp},
        {"Sounds_NewHiScores", field::kSoundsNewHiScores},
        {"Sounds_FaceUp", field::kSoundsFaceUp},
        {"Sounds_GameWon", field::kSoundsGameWon},
        {"Sounds_HiScores", field::kSoundsHiScores},
        {"Sounds_NewGame", field::kSoundsNewGame},
        {"Sounds_Pairing", field::kSoundsPairing},
        {"Sounds_Redeal", field::kSoundsRedeal},
        {"Sounds_Redeal_Without_Animation", field::kSoundsQuietRedeal},
        {"Sounds_Redo", field::kSoundsRedo},
        {"Sounds_Restart", field::kSoundsRestart},
        {"Sounds_Shuffle", field::kSoundsShuffle},
        {key::kSoundsSplash, field::kSoundsSplash},
        {"Sounds_Stock", field::kSoundsStock},
        {"Sounds_Foundation", field::kSoundsFoundation},
        {"Sounds_Tableau", field::kSoundsTableau},
        {"Sounds_Undo", field::kSoundsUndo},
    };
    for (const auto& [name, f] : kSounds) in.Text(name, "Y", f);
    in.Text("Random_Background", "N", field::kRandomBackground);
    in.Text("Random_Card", "N", field::kRandomCard);
    in.Text("Random_Deck", "N", field::kRandomDeck);
    in.Text("VertScrollBar", "Y", field::kVertScrollBar);
    in.Text("ShowPilesSize", "N", field::kShowPilesSize);
    in.Text("Show_Main_Popup_Menu", "Y", field::kMainPopupMenu);
    in.Text("Show_Partial_Hidden_Card", "Y", field::kShowPartialCard);
    in.Text("RightClick_To_Foundations", "Y", field::kRightToFoundations);
    in.Text("RightClick_To_Tableaus", "Y", field::kRightToTableaus);
    in.Text("DoubleClick_To_Foundations", "Y", field::kDoubleToFoundations);
    in.Text("DoubleClick_To_Tableaus", "N", field::kDoubleToTableaus);
    LoadLookTimes(in);

    // 4
    SetParameter(field::kNewGameMarkC, "1");
    SetParameter(field::kStartMarkC, "0");
    SetParameter(field::kStartMarkD, "Y");

    // 5
    in.Option(opt::kFastSearchType, key::kGamesFastSearchType, 0, section::kSettings);
    ProgramGame().Options.SetOpt(opt::kNoStatistics,
                                 in.Read("Disable_Statistics", "N") == "Y" ? 1 : 0);
    in.Number("Cursor", 10, field::kCursor);
    SetParameter(field::kScoring, "01");
    in.Option(opt::kHighlightFoundations, "HighLights_Foundations_Mark", 0);
    in.Option(opt::kRandomGameType, key::kRandomGameType, 2, section::kSettings);

    // 6
    if (ParameterInt(field::kBackCard, 0) == 0) SetParameter(field::kBackCard, "001");
    if (ParameterInt(field::kBackgroundColour, 0) == 0)
        SetParameter(field::kBackgroundColour, std::to_string(kButtonFaceColour));
    if (GetParameter(field::kBackgroundPicture).empty())
        SetParameter(field::kBackgroundPicture, "0");

    // 7
    window.ShowTimePanel(ParameterIsY(field::kShowTime));
    window.ShowScorePanel(ParameterIsY(field::kShowScore));

    // 8
    EnsureCurrentPlayer(in);

    // 9
    const int64_t runs = in.ReadInt(key::kRunExe, 0, section::kParameters);
    if (runs < 51) WriteSettingInt(section::kParameters, key::kRunExe, runs + 1);
    ProgramGame().Options.SetOpt(opt::kForcedAnnounced, 2);

    // 10
    LoadAutoplaySwitch(in);

    // 11
    SetParameter(field::kStartMarkA, "0000");
    SetParameter(field::kStartMarkB, "0000");
    window.ShowStatusBar(GetParameter(field::kStatusBar) != "N");
}

int TableCursorShape() {
    const long long v = ParameterInt(field::kCursor, 10);
    return v != 10 && IsLoadedShape(v) ? static_cast<int>(v) : 0;
}

int DragCursorShape() {
    const long long v = ParameterInt(field::kCursor, 10);
    return v != 10 && IsLoadedShape(v + 10) ? static_cast<int>(v + 10) : 0;
}

void ReportSettingsWriteFailures() {
    // Writes that follow one another within a moment belong to one action:
    // one box for all of them.
    platform::SetIniWriteFailureHandler(
        [shown = false, last = uint32_t{0}](const std::string& path,
                                            const std::string& reason) mutable {
            if (shown && platform::TickCount() - last < 2000) {
                last = platform::TickCount();
                return;
            }
            Dialogs().Info(kSettingsWriteErrorText + path + "\n" + reason);
            shown = true;
            last = platform::TickCount();  // the box was modal: the burst goes on from here
        });
}

bool ShowAdviceMessage(const std::string& text, const std::string& messageKey, int page) {
    if (ReadSetting(section::kShowMessages, messageKey, "Y") == "N") return false;
    if (Dialogs().Advice(text, page)) WriteSetting(section::kShowMessages, messageKey, "N");
    return true;
}

std::string ReadPreference(const std::string& k, const std::string& def) {
    return ReadSetting(section::kPreference, k, def);
}
int64_t ReadPreferenceInt(const std::string& k, int64_t def) {
    return ReadSettingInt(section::kPreference, k, def);
}
std::string ReadSetting(const std::string& sect, const std::string& k, const std::string& def) {
    return platform::IniReadString(SettingsFile(), sect, k, def);
}
int64_t ReadSettingInt(const std::string& sect, const std::string& k, int64_t def) {
    return platform::IniReadInt(SettingsFile(), sect, k, def);
}

bool WritePreference(const std::string& k, const std::string& value) {
    return WriteSetting(section::kPreference, k, value);
}
bool WritePreferenceInt(const std::string& k, int64_t value) {
    return WriteSettingInt(section::kPreference, k, value);
}
bool WritePreferenceYN(const std::string& k, bool on) {
    return WritePreference(k, on ? "Y" : "N");
}
bool WriteSetting(const std::string& sect, const std::string& k, const std::string& value) {
    return platform::IniWriteString(SettingsFile(), sect, k, value);
}
bool WriteSettingInt(const std::string& sect, const std::string& k, int64_t value) {
    return platform::IniWriteInt(SettingsFile(), sect, k, value);
}

bool StoreSwitch(ParamField f, const std::string& k, bool on) {
    SetParameter(f, on ? "Y" : "N");
    return WritePreferenceYN(k, on);
}

bool StoreNumber(ParamField f, const std::string& k, int64_t value) {
    SetParameter(f, FormatNumber(value, f.width));
    return WritePreferenceInt(k, value);
}

bool StoreLookTimes(int64_t wrongPairMs, int64_t studySeconds) {
    const int pair = ClampWrongPairMs(wrongPairMs), study = ClampStudySeconds(studySeconds);
    SetParameter(field::kWrongPairMs, std::to_string(pair));
    SetParameter(field::kStudySeconds, std::to_string(study));
    bool ok = WritePreferenceInt(key::kWrongPairTime, pair);
    ok = WritePreferenceInt(key::kStudyTime, study) && ok;
    return ok;
}

std::string UserKey(int number) {
    return "User" + FormatNumber(number, 3);
}

WindowPlacement ReadWindowPlacement(int screenWidth, int screenHeight) {
    // Window coordinates are ints; a stored number beyond them is damage.
    auto read = [](const char* k, int def) {
        int64_t v = ReadPreferenceInt(k, def);
        return v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()
                   ? def
                   : static_cast<int>(v);
    };
    WindowPlacement p;
    p.maximized = ReadPreference(key::kMaximized, "Y") == "Y";
    p.left = read(key::kWindowLeft, 50);
    p.top = read(key::kWindowTop, 50);
    p.width = read(key::kWindowWidth, screenWidth - 150);
    p.height = read(key::kWindowHeight, screenHeight - 150);
    return p;
}

WindowPlacement FitOnScreens(WindowPlacement p, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) return p;
    // 64-bit: stored numbers may be anywhere in the int range.
    auto overlap = [&p](const ScreenArea& s) {
        const int64_t w = std::min<int64_t>(int64_t{p.left} + p.width, int64_t{s.left} + s.width) -
                          std::max(p.left, s.left);
        const int64_t h = std::min<int64_t>(int64_t{p.top} + p.height, int64_t{s.top} + s.height) -
                          std::max(p.top, s.top);
        return w > 0 && h > 0 ? w * h : 0;
    };
    const ScreenArea* best = &screens.front();
    int64_t most = 0;
    for (const ScreenArea& s : screens) {
        if (p.width > 0 && p.height > 0 && overlap(s) > most) {
            most = overlap(s);
            best = &s;
        }
    }
    const ScreenArea& s = *best;
    auto fit = [](int size, int screen, int minimum) {
        if (size <= 0) size = screen - 150;
        return std::max(std::min(size, screen), std::min(minimum, screen));
    };
    p.width = fit(p.width, s.width, 320);
    p.height = fit(p.height, s.height, 240);
    p.left =
        static_cast<int>(std::clamp<int64_t>(p.left, s.left, int64_t{s.left} + s.width - p.width));
    p.top =
        static_cast<int>(std::clamp<int64_t>(p.top, s.top, int64_t{s.top} + s.height - p.height));
    return p;
}

bool WriteWindowPlacement(const WindowPlacement& p) {
    if (p.maximized) return WritePreferenceYN(key::kMaximized, true);
    bool ok = WritePreferenceYN(key::kMaximized, false);
    ok = WritePreferenceInt(key::kWindowLeft, p.left) && ok;
    ok = WritePreferenceInt(key::kWindowTop, p.top) && ok;
    ok = WritePreferenceInt(key::kWindowWidth, p.width) && ok;
    ok = WritePreferenceInt(key::kWindowHeight, p.height) && ok;
    return ok;
}

bool WriteChosenGame(int gameId, const std::string& name, int treeNum, int treePos) {
    bool ok = WritePreferenceInt(key::kGame, gameId);
    ok = WritePreference(key::kGameName, name) && ok;
    ok = WritePreferenceInt(key::kGameTreeNum, treeNum) && ok;
    ok = WritePreferenceInt(key::kGameTreePos, treePos) && ok;
    return ok;
}

bool WriteExitPreferences(bool autoplayOn) {
    bool ok = true;
    if (ProgramGame().Options.Opt(opt::kAutoPlayAllGames) == 1)
        ok = WritePreferenceYN(key::kAutoPlay, autoplayOn);
    ok = WriteSettingInt(section::kSettings, key::kRandomGameType,
                         ProgramGame().Options.Opt(opt::kRandomGameType)) &&
         ok;
    return ok;
}

bool DropCustomBackground() {
    bool ok = WritePreference(key::kCustomizedBackground, "");
    ok = WritePreferenceYN(key::kBackgroundDef, true) && ok;
    return ok;
}

bool DropCustomDeck() {
    return WritePreference(key::kCustomizedDeck, "");
}
bool DropCustomCardSet() {
    return WritePreference(key::kCustomizedCardsSet, "");
}

}  // namespace bw
