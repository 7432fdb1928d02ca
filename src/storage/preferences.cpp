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

// Reads one file key by key, bringing each value into the shape its holder
// needs.
class Reader {
public:
    explicit Reader(std::string file) : file_(std::move(file)) {}

    std::string Text(const char* key, const std::string& def,
                     const char* sect = section::kPreference) const {
        return platform::IniReadString(file_, sect, key, def);
    }
    int64_t Int(const char* key, int64_t def, const char* sect = section::kPreference) const {
        return platform::IniReadInt(file_, sect, key, def);
    }
    // Switches held in the block keep one letter, the first after any
    // blanks: "Yes" counts as "Y" and "No" as "N". Some are on only for
    // "Y", some for anything but "N", as their readers have always taken them.
    static char Letter(const std::string& text) {
        const size_t at = text.find_first_not_of(' ');
        return at == std::string::npos ? '\0' : text[at];
    }
    bool Yes(const char* key, const char* def) const { return Letter(Text(key, def)) == 'Y'; }
    bool NotNo(const char* key, const char* def) const { return Letter(Text(key, def)) != 'N'; }
    // A number for a field of the block: one that does not fit would read
    // back as asterisks, so it counts as unusable and gives the default.
    int64_t Number(const char* key, int64_t def, ParamField f) const {
        const int64_t v = Int(key, def);
        return FormatNumber(v, f.width).find('*') == std::string::npos ? v : def;
    }
    // Option-table entries are 16-bit; a value outside that range gives the
    // default instead of wrapping round to an unrelated number.
    int Option(const char* key, int def, const char* sect = section::kPreference) const {
        const int64_t v = Int(key, def, sect);
        return v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()
                   ? def
                   : static_cast<int>(v);
    }

private:
    std::string file_;
};

std::string YN(bool on) {
    return on ? "Y" : "N";
}
void SetNumber(ParamField f, int64_t v) {
    SetParameter(f, FormatNumber(v, f.width));
}

// The first run has no current player. A list of players without a current
// one is not a first run: keep the list and make its first player current.
// A current player whose name cannot be a key would play without a record:
// it is refused (and said so) like an unusable listed name.
void EnsureCurrentPlayer(Game& g, const std::vector<std::string>& users) {
    const std::string current = g.values.player;
    if (!current.empty() && IsUsablePlayerName(current)) return;
    if (!current.empty()) {
        ReportUnusableStoredName(current);
        SetValue(g.values.player, field::kPlayer, "");
    }
    for (const std::string& name : users) {
        if (name.empty() || !IsUsablePlayerName(name)) continue;
        WritePreference(key::kUserDefault, name);
        SetValue(g.values.player, field::kPlayer, name);
        return;
    }
    std::vector<platform::IniEntry> first{{section::kPreference, key::kUserDefault, "Player 1"}};
    for (int i = 1; i <= 3; ++i)
        first.push_back({section::kUsers, UserKey(i), "Player " + std::to_string(i)});
    platform::IniWriteStrings(SettingsFile(), first);
    SetValue(g.values.player, field::kPlayer, "Player 1");
}

void ApplyAutoplaySwitch(Game& g, const Preferences& p) {
    g.Options.SetOpt(opt::kAutoPlayAllGames, p.autoplayMode);
    if (p.autoplayMode == 1) {
        if (p.autoplay) SetAutoplaySwitch(g, true);
    } else {
        ApplyStoredGameAutoplay(g, GameId(g, -1));
    }
}

bool IsLoadedShape(int64_t n) {
    return (n >= 10 && n <= 15) || (n >= 20 && n <= 25) || n == 30;
}

// The sound switches with their keys and fields, in the order of loading.
struct SoundEntry {
    const char* key;
    ParamField field;
    bool Preferences::Sounds::*member;
};
using S = Preferences::Sounds;
const SoundEntry kSounds[] = {
    {key::kSoundsEnabled, field::kSoundsEnabled, &S::enabled},
    {"Sounds_About", field::kSoundsAbout, &S::about},
    {"Sounds_Autoplay", field::kSoundsAutoplay, &S::autoplay},
    {"Sounds_CardDown", field::kSoundsCardDown, &S::cardDown},
    {"Sounds_CardUp", field::kSoundsCardUp, &S::cardUp},
    {"Sounds_NewHiScores", field::kSoundsNewHiScores, &S::newHiScores},
    {"Sounds_FaceUp", field::kSoundsFaceUp, &S::faceUp},
    {"Sounds_GameWon", field::kSoundsGameWon, &S::gameWon},
    {"Sounds_HiScores", field::kSoundsHiScores, &S::hiScores},
    {"Sounds_NewGame", field::kSoundsNewGame, &S::newGame},
    {"Sounds_Pairing", field::kSoundsPairing, &S::pairing},
    {"Sounds_Redeal", field::kSoundsRedeal, &S::redeal},
    {"Sounds_Redeal_Without_Animation", field::kSoundsQuietRedeal, &S::quietRedeal},
    {"Sounds_Redo", field::kSoundsRedo, &S::redo},
    {"Sounds_Restart", field::kSoundsRestart, &S::restart},
    {"Sounds_Shuffle", field::kSoundsShuffle, &S::shuffle},
    {key::kSoundsSplash, field::kSoundsSplash, &S::splash},
    {"Sounds_Stock", field::kSoundsStock, &S::stock},
    {"Sounds_Foundation", field::kSoundsFoundation, &S::foundation},
    {"Sounds_Tableau", field::kSoundsTableau, &S::tableau},
    {"Sounds_Undo", field::kSoundsUndo, &S::undo},
};

}  // namespace

Preferences ReadPreferences(const std::string& cfgPath, bool fewColours) {
    const Reader in(cfgPath);
    Preferences p;
    p.showToolTips = in.Yes("Show_ToolTips", "Y");
    // Switches outside the block take the whole text.
    p.toolBarLarge = in.Text(key::kToolBarLarge, "Y") == "Y";
    p.toolBarFlat = in.Text(key::kToolBarFlat, "Y") == "Y";
    p.backCard = in.Number(key::kBackCard, 11, field::kBackCard);
    if (p.backCard == 0) p.backCard = 1;
    p.cardDeck = in.Number(key::kCard, fewColours ? 3 : 1, field::kCardDeck);
    p.cardSize = in.Text(key::kCardSize, "B");
    p.backgroundPicture = in.Text(key::kBackgroundBmp, "");
    // The block drops blanks: a blank text is as good as none.
    if (p.backgroundPicture.find_first_not_of(' ') == std::string::npos) p.backgroundPicture = "0";
    p.fixedColour = in.Number(key::kBackgroundFixedCol, 32768, field::kFixedColour);
    p.backgroundColour =
        in.Number(key::kBackgroundCol, Preferences::kButtonFaceColour, field::kBackgroundColour);
    if (p.backgroundColour == 0) p.backgroundColour = Preferences::kButtonFaceColour;
    p.defaultBackground = in.Yes(key::kBackgroundDef, "N");
    p.fadeBackground = in.Yes(key::kFadeBackground, "Y");
    p.ownBackgroundPath = in.Text(key::kCustomizedBackground, "");
    p.ownBackPath = in.Text(key::kCustomizedDeck, "");
    p.ownCardSetPath = in.Text(key::kCustomizedCardsSet, "");
    p.gameId = in.Number(key::kGame, 201, field::kGameId);
    p.gameName = in.Text(key::kGameName, "Memory-Up (6x4)");
    p.gameTreeNum = in.Int(key::kGameTreeNum, -30);
    p.gameTreePos = in.Int(key::kGameTreePos, 0);
    p.openShowWonLost = in.Text(key::kOpenShowWonLost, "N") == "Y";
    p.openPreviewGame = in.Text(key::kOpenPreviewGame, "Y") != "N";
    p.showTime = in.Yes(key::kShowTime, "Y");
    p.showScore = in.Yes(key::kShowScore, "Y");
    const std::string animate = in.Text(key::kCardsAnimate, "Y");
    p.cardsAnimate = Reader::Letter(animate) != 'N';
    p.cardsShadowed = in.NotNo("Cards_Shadowed", animate.c_str());
    p.pilesTT = in.NotNo("Piles_TT", "N");
    p.automaticFaceUp = in.NotNo("Automatic_FaceUp", "Y");
    p.dealAnimation = in.NotNo("Deal_Animation", "Y");
    p.redealAnimation = in.NotNo("Redeal_Animation", "Y");
    p.language = in.Number("Language", 20000, field::kLanguage);
    p.moveSpeed = in.Number("Speed_Move_Card", 10, field::kMoveSpeed);
    p.statusBar = in.NotNo("StatusBar", "N");
    p.player = in.Text(key::kUserDefault, "");
    p.undoMode = in.Text("Undo_Enabled", "0");
    p.confirmQuitGame = in.NotNo(key::kConfirmQuitGame, "N");
    p.confirmHiScores = in.NotNo("ConfirmEnterHiScores", "Y");
    for (const SoundEntry& s : kSounds) p.sounds.*s.member = in.Yes(s.key, "Y");
    p.randomBackground = in.Yes("Random_Background", "N");
    p.randomCard = in.Yes("Random_Card", "N");
    p.randomDeck = in.Yes("Random_Deck", "N");
    p.vertScrollBar = in.NotNo("VertScrollBar", "Y");
    p.showPilesSize = in.Yes("ShowPilesSize", "N");
    p.mainPopupMenu = in.NotNo("Show_Main_Popup_Menu", "Y");
    p.showPartialCard = in.Yes("Show_Partial_Hidden_Card", "Y");
    p.rightToFoundations = in.Yes("RightClick_To_Foundations", "Y");
    p.rightToTableaus = in.Yes("RightClick_To_Tableaus", "Y");
    p.doubleToFoundations = in.Yes("DoubleClick_To_Foundations", "Y");
    p.doubleToTableaus = in.Yes("DoubleClick_To_Tableaus", "N");
    p.confirmQuitText = in.Text(key::kConfirmQuit, "N");
    p.winningShow = in.Text(key::kWinningAnimations, "(Random)");
    p.winningShowSeconds = in.Int(key::kWinningAnimationsTime, 30);
    p.winningAnimation = in.Text(key::kWinningAnimation, "Y") == "Y";
    p.resumeGame = in.Text(key::kResumeGame, "Y") != "N";
    p.showBestRun = in.Text(key::kShowBestRun, "Y") != "N";
    // Out of range is brought into range; what is no number is the standard.
    p.wrongPairMs = ClampWrongPairMs(in.Int(key::kWrongPairTime, kWrongPairMsStandard));
    p.studySeconds = ClampStudySeconds(in.Int(key::kStudyTime, kStudySecondsStandard));

    p.fastSearchType = in.Option(key::kGamesFastSearchType, 0, section::kSettings);
    p.disableStatistics = in.Text("Disable_Statistics", "N") == "Y";
    p.cursor = in.Number("Cursor", 10, field::kCursor);
    p.highlightFoundations = in.Option(key::kHighlightsFoundationsMark, 0);
    p.highlightColour = in.Int(key::kHighlightsFoundationsColor, 0);
    p.randomGameType = in.Option(key::kRandomGameType, 2, section::kSettings);
    p.runs = in.Int(key::kRunExe, 0, section::kParameters);
    // Any mode but the two known ones would leave the switch remembered
    // nowhere; fall back to one switch for all games.
    p.autoplayMode = in.Option(key::kAutoPlayAllGames, 1);
    if (p.autoplayMode != 1 && p.autoplayMode != 2) p.autoplayMode = 1;
    p.autoplay = in.Text(key::kAutoPlay, "Y") == "Y";
    for (int i = 1; i <= Preferences::kUserSlots; ++i)
        p.users[static_cast<size_t>(i - 1)] = in.Text(UserKey(i).c_str(), "", section::kUsers);
    return p;
}

Preferences LoadPreferences(Game& g) {
    const bool fewColours = !MoreThan256Colors(Screen());
    Preferences p = ReadPreferences(SettingsFile(), fewColours);

    // 1-3: the main key table, in order.
    SetParameter(field::kShowToolTips, YN(p.showToolTips));
    SetNumber(field::kBackCard, p.backCard);
    if (fewColours)
        ShowAdviceMessage(kScreenUnder256ColorsText, "Screen_Under_256_Colors", kAdvicePageColor);
    SetNumber(field::kCardDeck, p.cardDeck);
    // Before the keys that follow: the set-up may only change the face set.
    if (GetParameter(field::kCardDeck) == "004") Installed<IDeckFourSetUp>().SetUp();
    SetParameter(field::kCardSize, p.cardSize);
    SetParameter(field::kBackgroundPicture, p.backgroundPicture);
    SetNumber(field::kFixedColour, p.fixedColour);
    // The button-face colour stands as its plain decimal text, as the
    // normalisation of a stored 0 has always written it.
    if (p.backgroundColour == Preferences::kButtonFaceColour)
        SetParameter(field::kBackgroundColour, std::to_string(p.backgroundColour));
    else
        SetNumber(field::kBackgroundColour, p.backgroundColour);
    SetParameter(field::kDefaultBackground, YN(p.defaultBackground));
    SetParameter(field::kFadeBackground, YN(p.fadeBackground));
    // The paths are read where they are used; the block says whether there is one.
    SetParameter(field::kOwnBackground, YN(!p.ownBackgroundPath.empty()));
    SetParameter(field::kOwnBack, YN(!p.ownBackPath.empty()));
    SetParameter(field::kOwnCardSet, YN(!p.ownCardSetPath.empty()));
    SetValue(g.values.id, field::kGameId, FormatNumber(p.gameId, field::kGameId.width));
    SetValue(g.values.name, field::kGameName, p.gameName);
    SetParameter(field::kShowTime, YN(p.showTime));
    SetParameter(field::kShowScore, YN(p.showScore));
    SetParameter(field::kCardsAnimate, YN(p.cardsAnimate));
    SetParameter(field::kCardsShadowed, YN(p.cardsShadowed));
    SetParameter(field::kPilesTT, YN(p.pilesTT));
    SetParameter(field::kAutomaticFaceUp, YN(p.automaticFaceUp));
    SetParameter(field::kDealAnimation, YN(p.dealAnimation));
    SetParameter(field::kRedealAnimation, YN(p.redealAnimation));
    SetNumber(field::kLanguage, p.language);
    SetNumber(field::kMoveSpeed, p.moveSpeed);
    SetParameter(field::kStatusBar, YN(p.statusBar));
    SetValue(g.values.player, field::kPlayer, p.player);
    SetValue(g.values.undoMode, field::kUndoMode, p.undoMode);
    SetParameter(field::kConfirmQuitGame, YN(p.confirmQuitGame));
    SetParameter(field::kConfirmHiScores, YN(p.confirmHiScores));
    for (const SoundEntry& s : kSounds) SetParameter(s.field, YN(p.sounds.*s.member));
    SetParameter(field::kRandomBackground, YN(p.randomBackground));
    SetParameter(field::kRandomCard, YN(p.randomCard));
    SetParameter(field::kRandomDeck, YN(p.randomDeck));
    SetParameter(field::kVertScrollBar, YN(p.vertScrollBar));
    SetParameter(field::kShowPilesSize, YN(p.showPilesSize));
    SetParameter(field::kMainPopupMenu, YN(p.mainPopupMenu));
    SetParameter(field::kShowPartialCard, YN(p.showPartialCard));
    SetParameter(field::kRightToFoundations, YN(p.rightToFoundations));
    SetParameter(field::kRightToTableaus, YN(p.rightToTableaus));
    SetParameter(field::kDoubleToFoundations, YN(p.doubleToFoundations));
    SetParameter(field::kDoubleToTableaus, YN(p.doubleToTableaus));
    SetParameter(field::kWrongPairMs, std::to_string(p.wrongPairMs));
    SetParameter(field::kStudySeconds, std::to_string(p.studySeconds));

    // 4
    SetValue(g.values.newGameMarkC, field::kNewGameMarkC, "1");
    SetValue(g.values.startMarkC, field::kStartMarkC, "0");
    SetValue(g.values.startMarkD, field::kStartMarkD, "Y");

    // 5-6 (the normalisations are the reader's)
    OptionTable& options = g.Options;
    options.SetOpt(opt::kFastSearchType, p.fastSearchType);
    options.SetOpt(opt::kNoStatistics, p.disableStatistics ? 1 : 0);
    SetNumber(field::kCursor, p.cursor);
    SetParameter(field::kScoring, "01");
    options.SetOpt(opt::kHighlightFoundations, p.highlightFoundations);
    options.SetOpt(opt::kRandomGameType, p.randomGameType);

    // 7: the time and score panels are the window's, from the returned choices.

    // 8
    EnsureCurrentPlayer(g, p.users);

    // 9
    if (p.runs < 51) WriteSettingInt(section::kParameters, key::kRunExe, p.runs + 1);
    options.SetOpt(opt::kForcedAnnounced, 2);

    // 10
    ApplyAutoplaySwitch(g, p);

    // 11 (the status bar is the window's)
    SetValue(g.values.startMarkA, field::kStartMarkA, "0000");
    SetValue(g.values.startMarkB, field::kStartMarkB, "0000");
    return p;
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

namespace {

// The key of a choice and its text in the file ("Preference" unless named).
struct Entry {
    const char* key;
    std::string text;
    const char* sect = section::kPreference;
};

Entry EntryOf(const Preferences& p, ChoiceKey c) {
    switch (c) {
        case ChoiceKey::kSoundsEnabled: return {key::kSoundsEnabled, YN(p.sounds.enabled)};
        case ChoiceKey::kBackCard: return {key::kBackCard, std::to_string(p.backCard)};
        case ChoiceKey::kBackgroundPicture: return {key::kBackgroundBmp, p.backgroundPicture};
        case ChoiceKey::kBackgroundCol:
            return {key::kBackgroundCol, std::to_string(p.backgroundColour)};
        case ChoiceKey::kFixedColour:
            return {key::kBackgroundFixedCol, std::to_string(p.fixedColour)};
        case ChoiceKey::kDefaultBackground: return {key::kBackgroundDef, YN(p.defaultBackground)};
        case ChoiceKey::kFadeBackground: return {key::kFadeBackground, YN(p.fadeBackground)};
        case ChoiceKey::kOwnBack: return {key::kCustomizedDeck, p.ownBackPath};
        case ChoiceKey::kOwnBackground: return {key::kCustomizedBackground, p.ownBackgroundPath};
        case ChoiceKey::kFaceSet: return {key::kCard, std::to_string(p.cardDeck)};
        case ChoiceKey::kFaceSetDigits: return {key::kCard, FormatNumber(p.cardDeck, 3)};
        case ChoiceKey::kOwnCardSet: return {key::kCustomizedCardsSet, p.ownCardSetPath};
        case ChoiceKey::kCardSize: return {key::kCardSize, p.cardSize};
        case ChoiceKey::kToolBarLarge: return {key::kToolBarLarge, YN(p.toolBarLarge)};
        case ChoiceKey::kToolBarFlat: return {key::kToolBarFlat, YN(p.toolBarFlat)};
        case ChoiceKey::kShowTime: return {key::kShowTime, YN(p.showTime)};
        case ChoiceKey::kShowScore: return {key::kShowScore, YN(p.showScore)};
        case ChoiceKey::kConfirmQuit: return {key::kConfirmQuit, YN(p.ConfirmQuitTicked())};
        case ChoiceKey::kConfirmQuitGame: return {key::kConfirmQuitGame, YN(p.confirmQuitGame)};
        case ChoiceKey::kCardsAnimate: return {key::kCardsAnimate, YN(p.cardsAnimate)};
        case ChoiceKey::kWinningAnimation: return {key::kWinningAnimation, YN(p.winningAnimation)};
        case ChoiceKey::kResumeGame: return {key::kResumeGame, YN(p.resumeGame)};
        case ChoiceKey::kWrongPairTime: return {key::kWrongPairTime, std::to_string(p.wrongPairMs)};
        case ChoiceKey::kStudyTime: return {key::kStudyTime, std::to_string(p.studySeconds)};
        case ChoiceKey::kShowBestRun: return {key::kShowBestRun, YN(p.showBestRun)};
        case ChoiceKey::kGame: return {key::kGame, std::to_string(p.gameId)};
        case ChoiceKey::kGameName: return {key::kGameName, p.gameName};
        case ChoiceKey::kGameTreeNum: return {key::kGameTreeNum, std::to_string(p.gameTreeNum)};
        case ChoiceKey::kGameTreePos: return {key::kGameTreePos, std::to_string(p.gameTreePos)};
        case ChoiceKey::kOpenShowWonLost: return {key::kOpenShowWonLost, YN(p.openShowWonLost)};
        case ChoiceKey::kOpenPreviewGame: return {key::kOpenPreviewGame, YN(p.openPreviewGame)};
        case ChoiceKey::kHighlightMark:
            return {key::kHighlightsFoundationsMark, std::to_string(p.highlightFoundations)};
        case ChoiceKey::kHighlightColour:
            return {key::kHighlightsFoundationsColor, std::to_string(p.highlightColour)};
        case ChoiceKey::kWinningShow: return {key::kWinningAnimations, p.winningShow};
        case ChoiceKey::kWinningShowTime:
            return {key::kWinningAnimationsTime, std::to_string(p.winningShowSeconds)};
        case ChoiceKey::kPlayer: return {key::kUserDefault, p.player};
        case ChoiceKey::kAutoPlay: return {key::kAutoPlay, YN(p.autoplay)};
        case ChoiceKey::kRandomGameType:
            return {key::kRandomGameType, std::to_string(p.randomGameType), section::kSettings};
    }
    return {nullptr, {}};
}

}  // namespace

bool SavePreferences(const std::string& cfgPath, const Preferences& p,
                     const std::vector<ChoiceKey>& changed) {
    bool ok = true;
    for (const ChoiceKey c : changed) {
        const Entry e = EntryOf(p, c);
        if (e.key) ok = platform::IniWriteString(cfgPath, e.sect, e.key, e.text) && ok;
    }
    return ok;
}

bool ChangeChoices(const std::function<void(Preferences&)>& change,
                   const std::vector<ChoiceKey>& changed) {
    Preferences scratch;
    Preferences* kept = Installed<IChoiceKeeper>().Kept();
    Preferences& p = kept ? *kept : scratch;
    change(p);
    return SavePreferences(SettingsFile(), p, changed);
}

const Preferences& KeptChoices() {
    if (const Preferences* kept = Installed<IChoiceKeeper>().Kept()) return *kept;
    static Preferences read;
    read = ReadPreferences(SettingsFile(), !MoreThan256Colors(Screen()));
    return read;
}

bool StoreLookTimes(int64_t wrongPairMs, int64_t studySeconds) {
    const int pair = ClampWrongPairMs(wrongPairMs), study = ClampStudySeconds(studySeconds);
    SetParameter(field::kWrongPairMs, std::to_string(pair));
    SetParameter(field::kStudySeconds, std::to_string(study));
    return ChangeChoices(
        [&](Preferences& p) {
            p.wrongPairMs = pair;
            p.studySeconds = study;
        },
        {ChoiceKey::kWrongPairTime, ChoiceKey::kStudyTime});
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
    return ChangeChoices(
        [&](Preferences& p) {
            p.gameId = gameId;
            p.gameName = name;
            p.gameTreeNum = treeNum;
            p.gameTreePos = treePos;
        },
        {ChoiceKey::kGame, ChoiceKey::kGameName, ChoiceKey::kGameTreeNum, ChoiceKey::kGameTreePos});
}

bool WriteExitPreferences(const Game& g, bool autoplayOn) {
    const OptionTable& options = g.Options;
    std::vector<ChoiceKey> changed;
    if (options.Opt(opt::kAutoPlayAllGames) == 1) changed.push_back(ChoiceKey::kAutoPlay);
    changed.push_back(ChoiceKey::kRandomGameType);
    return ChangeChoices(
        [&](Preferences& p) {
            if (options.Opt(opt::kAutoPlayAllGames) == 1) p.autoplay = autoplayOn;
            p.randomGameType = options.Opt(opt::kRandomGameType);
        },
        changed);
}

}  // namespace bw
