#include "storage/preferences.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "storage/autoplay_prefs.h"

namespace bw {

const char* const kScreenUnder256ColorsText =
    "At this time your video driver supports 256 colors or less. This program takes advantage "
    "of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \nIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.";

namespace {

constexpr int64_t kButtonFaceColour = 2147483663;  // 0x8000000F, the system button face
constexpr int kShadowOn = 9;
constexpr int kMaxPlayers = 20;

std::function<void()>& DeckFourSetUp() {
    static std::function<void()> setUp;
    return setUp;
}

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
    void Text(const char* key, const std::string& def, int position, int width) const {
        SetParameter(position, width, Read(key, def));
    }
    // Numbers are zero-padded to their field; one that does not fit would
    // read back as asterisks, so it counts as unusable and gives the default.
    void Number(const char* key, int64_t def, int position, int width) const {
        std::string text = FormatNumber(ReadInt(key, def), width);
        if (text.find('*') != std::string::npos) text = FormatNumber(def, width);
        SetParameter(position, width, text);
    }
    // A path held elsewhere; the block only records whether there is one.
    void Presence(const char* key, int position) const {
        SetParameter(position, 1, Read(key, "").empty() ? "N" : "Y");
    }
    // Option-table entries are 16-bit; a value outside that range gives the
    // default instead of wrapping round to an unrelated number.
    void Option(int entry, const char* key, int64_t def,
                const char* sect = section::kPreference) const {
        int64_t v = ReadInt(key, def, sect);
        if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
            v = def;
        MainGame.SetOpt(entry, static_cast<int>(v));
    }

private:
    std::string file_;
};

bool ParameterIsY(int position) {
    return GetParameter(position, 1) == "Y";
}

// The first run has no current player. A list of players without a current
// one is not a first run: keep the list and make its first player current.
void EnsureCurrentPlayer(const Loader& in) {
    if (!GetParameter(pos::kPlayer, 30).empty()) return;
    for (int i = 1; i <= kMaxPlayers; ++i) {
        std::string name = in.Read(UserKey(i).c_str(), "", section::kUsers);
        if (name.empty()) continue;
        WritePreference(key::kUserDefault, name);
        SetParameter(pos::kPlayer, 30, name);
        return;
    }
    WritePreference(key::kUserDefault, "Player 1");
    for (int i = 1; i <= 3; ++i)
        WriteSetting(section::kUsers, UserKey(i), "Player " + std::to_string(i));
    SetParameter(pos::kPlayer, 30, "Player 1");
}

void LoadAutoplaySwitch(const Loader& in) {
    in.Option(105, key::kAutoPlayAllGames, 1);
    // Any mode but the two known ones would leave the switch remembered
    // nowhere; fall back to one switch for all games.
    if (MainGame.Opt(105) != 1 && MainGame.Opt(105) != 2) MainGame.SetOpt(105, 1);
    if (MainGame.Opt(105) == 1) {
        // The command toggles; it must end up on, whatever its state now.
        if (in.Read(key::kAutoPlay, "Y") == "Y" && !Window().AutoplayChecked())
            Window().ToggleAutoplay();
    } else {
        ApplyStoredGameAutoplay(static_cast<int>(ParameterInt(pos::kGameId, 4, -1)));
    }
}

bool IsLoadedShape(int64_t n) {
    return (n >= 10 && n <= 15) || (n >= 20 && n <= 25) || n == 30;
}

}  // namespace

void SetDeckFourSetUp(std::function<void()> setUp) {
    DeckFourSetUp() = std::move(setUp);
}

int PreferredShadowOffset() {
    return g_shadowOffset;
}

void LoadPreferences() {
    const Loader in(SettingsFile());
    IWindow& window = Window();

    // 1-3: the main key table, in order.
    in.Text("Show_ToolTips", "Y", 244, 1);
    window.ApplyToolBarSize(in.Read(key::kToolBarLarge, "Y") == "Y");
    window.ApplyToolBarFlat(in.Read(key::kToolBarFlat, "Y") == "Y");
    in.Number(key::kBackCard, 11, pos::kBackCard, 3);
    const bool fewColours = !MoreThan256Colors(Screen());
    if (fewColours)
        ShowAdviceMessage(kScreenUnder256ColorsText, "Screen_Under_256_Colors", kAdvicePageColor);
    in.Number(key::kCard, fewColours ? 3 : 1, pos::kCardDeck, 3);
    if (GetParameter(pos::kCardDeck, 3) == "004" && DeckFourSetUp()) DeckFourSetUp()();
    in.Text("Card_Size", "B", pos::kCardSize, 1);
    in.Text(key::kBackgroundBmp, "", 43, 4);
    in.Number(key::kBackgroundFixedCol, 32768, 47, 15);
    in.Number(key::kBackgroundCol, kButtonFaceColour, 28, 15);
    in.Text(key::kBackgroundDef, "N", 27, 1);
    in.Text(key::kFadeBackground, "Y", 135, 1);
    in.Presence(key::kCustomizedBackground, 246);
    in.Presence(key::kCustomizedDeck, 256);
    in.Presence(key::kCustomizedCardsSet, 257);
    in.Number(key::kGame, 201, pos::kGameId, 4);
    in.Text(key::kGameName, "Memory-Up (6x4)", pos::kGameName, 50);
    in.Text(key::kShowTime, "Y", 66, 1);
    in.Text(key::kShowScore, "Y", 136, 1);
    in.Text(key::kCardsAnimate, "Y", 67, 1);
    in.Text("Cards_Shadowed", in.Read(key::kCardsAnimate, "Y"), 178, 1);
    g_shadowOffset = GetParameter(178, 1) == "N" ? 0 : kShadowOn;
    in.Text("Piles_TT", "N", 179, 1);
    in.Text("Automatic_FaceUp", "Y", 239, 1);
    in.Text("Deal_Animation", "Y", 241, 1);
    in.Text("Redeal_Animation", "Y", 242, 1);
    in.Number("Language", 20000, 68, 6);
    in.Number("Speed_Move_Card", 10, 74, 2);
    in.Text("StatusBar", "N", 76, 1);
    in.Text(key::kUserDefault, "", pos::kPlayer, 30);
    in.Text("Undo_Enabled", "0", 137, 1);
    in.Text(key::kConfirmQuitGame, "N", 185, 1);
    in.Text("ConfirmEnterHiScores", "Y", 186, 1);
    static const std::pair<const char*, int> kSounds[] = {
        {key::kSoundsEnabled, 141},
        {"Sounds_About", 142},
        {"Sounds_Autoplay", 143},
        {"Sounds_CardDown", 181},
        {"Sounds_CardUp", 182},
        {"Sounds_NewHiScores", 174},
        {"Sounds_FaceUp", 180},
        {"Sounds_GameWon", 144},
        {"Sounds_HiScores", 171},
        {"Sounds_NewGame", 145},
        {"Sounds_Pairing", 175},
        {"Sounds_Redeal", 183},
        {"Sounds_Redeal_Without_Animation", 252},
        {"Sounds_Redo", 146},
        {"Sounds_Restart", 147},
        {"Sounds_Shuffle", 149},
        {key::kSoundsSplash, 148},
        {"Sounds_Stock", 176},
        {"Sounds_Foundation", 184},
        {"Sounds_Tableau", 177},
        {"Sounds_Undo", 151},
    };
    for (const auto& [name, position] : kSounds) in.Text(name, "Y", position, 1);
    in.Text("Random_Background", "N", 152, 1);
    in.Text("Random_Card", "N", 187, 1);
    in.Text("Random_Deck", "N", 188, 1);
    in.Text("VertScrollBar", "Y", 243, 1);
    in.Text("ShowPilesSize", "N", 245, 1);
    in.Text("Show_Main_Popup_Menu", "Y", 253, 1);
    in.Text("Show_Partial_Hidden_Card", "Y", 255, 1);
    in.Text("RightClick_To_Foundations", "Y", 247, 1);
    in.Text("RightClick_To_Tableaus", "Y", 248, 1);
    in.Text("DoubleClick_To_Foundations", "Y", 249, 1);
    in.Text("DoubleClick_To_Tableaus", "N", 251, 1);

    // 4
    SetParameter(168, 1, "1");
    SetParameter(169, 2, "0");
    SetParameter(254, 1, "Y");

    // 5
    in.Option(108, key::kGamesFastSearchType, 0, section::kSettings);
    MainGame.SetOpt(115, in.Read("Disable_Statistics", "N") == "Y" ? 1 : 0);
    in.Number("Cursor", 10, 172, 2);
    SetParameter(120, 2, "01");
    in.Option(103, "HighLights_Foundations_Mark", 0);
    in.Option(104, key::kRandomGameType, 2, section::kSettings);

    // 6
    if (ParameterInt(pos::kBackCard, 3, 0) == 0) SetParameter(pos::kBackCard, 3, "001");
    if (ParameterInt(28, 15, 0) == 0) SetParameter(28, 15, std::to_string(kButtonFaceColour));
    if (GetParameter(43, 4).empty()) SetParameter(43, 4, "0");

    // 7
    window.ShowTimePanel(ParameterIsY(66));
    window.ShowScorePanel(ParameterIsY(136));

    // 8
    EnsureCurrentPlayer(in);

    // 9
    const int64_t runs = in.ReadInt(key::kRunExe, 0, section::kParameters);
    if (runs < 51) WriteSettingInt(section::kParameters, key::kRunExe, runs + 1);
    MainGame.SetOpt(74, 2);

    // 10
    LoadAutoplaySwitch(in);

    // 11
    SetParameter(112, 4, "0000");
    SetParameter(116, 4, "0000");
    window.ShowStatusBar(GetParameter(76, 1) != "N");
}

int TableCursorShape() {
    const long long v = ParameterInt(172, 2, 10);
    return v != 10 && IsLoadedShape(v) ? static_cast<int>(v) : 0;
}

int DragCursorShape() {
    const long long v = ParameterInt(172, 2, 10);
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

bool StoreSwitch(int position, const std::string& k, bool on) {
    SetParameter(position, 1, on ? "Y" : "N");
    return WritePreferenceYN(k, on);
}

bool StoreNumber(int position, int width, const std::string& k, int64_t value) {
    SetParameter(position, width, FormatNumber(value, width));
    return WritePreferenceInt(k, value);
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
    if (MainGame.Opt(105) == 1) ok = WritePreferenceYN(key::kAutoPlay, autoplayOn);
    ok = WriteSettingInt(section::kSettings, key::kRandomGameType, MainGame.Opt(104)) && ok;
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
