#include "storage/statistics.h"

#include <cerrno>
#include <filesystem>

#include "core/params.h"
#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "storage/kept_aside.h"
#include "storage/preferences.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {

// 1-based places of the count's six digits in the first ten characters.
constexpr int kWonDigits[6] = {2, 3, 5, 6, 8, 9};
constexpr int kLostDigits[6] = {3, 4, 6, 7, 9, 10};

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string Pad30(std::string s) {
    s.resize(30, ' ');
    return s;
}

bool AllDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<int> GameIdOf(const std::string& section) {
    if (!AllDigits(section) || section.size() > 9) return std::nullopt;
    return std::stoi(section);
}

struct StoredPair {
    std::string path;
    std::string wonKey, lostKey;
    std::optional<long> won, lost;
};

StoredPair LoadSingleGame(int gameId, const std::string& player) {
    StoredPair p;
    p.path = ProgramFile(stat_file::kSingleGame);
    EnsureFile(p.path);
    p.wonKey = single_game::WonKey(gameId);
    p.lostKey = single_game::LostKey(gameId);
    const std::string zero = single_game::Scramble(std::string(30, '0'));
    KeyValues kv = ReadKeys(p.path, player, {p.wonKey, p.lostKey}, {zero, zero});
    p.won = single_game::ParseRecord(p.wonKey, true, single_game::Unscramble(kv.values[0]));
    p.lost = single_game::ParseRecord(p.lostKey, false, single_game::Unscramble(kv.values[1]));
    return p;
}

// A score line of the old format holds at most 89 characters; one of the
// current format is those 89 and " x". Anything else starting like a score
// line is not a file of the old format, and cutting it would lose data.
bool OldFormatScoreLine(const std::string& line) {
    if (line.empty() || line[0] != '0' || line.size() <= 89) return true;
    return line.size() == 91 && line.compare(89, 2, " x") == 0;
}

bool OldFormatScoreFile(const std::string& path) {
    platform::LineReader in(path);
    std::string line;
    while (in.Next(line))
        if (!OldFormatScoreLine(line)) return false;
    return !in.failed();
}

// A file that is not what the upgrade expects is kept under a free name
// beside it, and the scores start afresh.
void PutScoreFileAside(const std::string& path) {
    const std::string aside = FreeAsideName(path);
    if (!platform::RenameFile(path, aside)) {
        Dialogs().Info(std::string(section_msg::kRenameError) + path +
                       BW_TR_NOOP("Messages", "\nto: ") + aside);
        return;
    }
    std::string text = kScoreFileAsideMessage;
    text.replace(text.find("%s"), 2, FileNameOf(aside));
    Dialogs().Info(text);
}

// A corrupt single-game record restarts at zero, and only that record: the
// file as it was is copied aside first, the player's other values and the
// other players' stay. When no copy can be made nothing is changed.
void ResetCorruptValues(const StoredPair& s, const std::string& player) {
    std::string text = kCorruptSingleGameMessage;
    const std::string aside = CopyAside(s.path);
    if (!aside.empty()) {
        text += std::string("\n") + single_game::kKeptAsideNote + FileNameOf(aside) + "\".";
        try {
            if (!s.won)
                WriteKey(s.path, player, s.wonKey,
                         single_game::Scramble(single_game::BuildRecord(s.wonKey, true, 0)));
            if (!s.lost)
                WriteKey(s.path, player, s.lostKey,
                         single_game::Scramble(single_game::BuildRecord(s.lostKey, false, 0)));
        } catch (const SectionFileError& e) {
            Dialogs().Info(e.what());
        }
    }
    Dialogs().Info(text);
    WindowControl().Repaint();
    BusyCursor busy;
    Waits().Wait(2000);
}

bool UpgradeHiScoreLines(const std::string& path) {
    if (!OldFormatScoreFile(path)) {
        PutScoreFileAside(path);
        return false;
    }
    ReplacementFile out(path);
    if (!out.ok()) return false;
    platform::LineReader in(out.target());
    if (!in.ok()) {
        out.Abandon();
        Dialogs().Info(SectionFileError(path).what());
        return false;
    }
    out.WriteLine("[Version]");
    out.WriteLine(std::string("Version=") + kStatVersion);
    out.WriteLine("");
    std::string line;
    while (in.Next(line)) {
        if (line.compare(0, 9, "[Version]") == 0 || line.compare(0, 8, "Version=") == 0) continue;
        if (!line.empty() && line[0] == '0') {
            line.resize(89, ' ');
            line += " x";
        }
        out.WriteLine(line);
    }
    if (in.failed()) {
        out.Abandon();
        Dialogs().Info(SectionFileError(path).what());
        return false;
    }
    return out.Commit();
}

// Older settings files stored "S" for yes; the choices are told too.
void UpgradeOldSwitches() {
    const std::string cfg = SettingsFile();
    const auto old = [&cfg](const char* key) {
        return platform::IniReadString(cfg, section::kPreference, key, "") == "S";
    };
    if (old(key::kCardsAnimate))
        ChangeChoices([](Preferences& p) { p.cardsAnimate = true; }, {ChoiceKey::kCardsAnimate});
    if (old(key::kConfirmQuit))
        ChangeChoices([](Preferences& p) { p.SetConfirmQuit(true); }, {ChoiceKey::kConfirmQuit});
}

void RemovePlayerFromLog(const std::string& path, const std::string& player) {
    ReplacementFile out(path);
    if (!out.ok()) return;
    platform::LineReader in(out.target());
    if (!in.ok()) {
        out.Abandon();
        Dialogs().Info(SectionFileError(path).what());
        return;
    }
    bool dropped = false;
    std::string line;
    while (in.Next(line)) {
        std::string name = line.size() > 81 ? line.substr(81, 30) : std::string();
        if (TrimRight(name) == player) {
            dropped = true;
            continue;
        }
        out.WriteLine(line);
    }
    if (in.failed()) {
        out.Abandon();
        Dialogs().Info(SectionFileError(path).what());
        return;
    }
    if (dropped) {
        out.Commit();
    } else {
        out.Abandon();
    }
}

void ReplaceReporting(const std::string& path, int column, const std::string& oldText,
                      const std::string& newText) {
    try {
        ReplaceInLines(path, column, oldText, newText);
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
}

}  // namespace

namespace single_game {

std::string WonKey(int gameId) {
    return "GW-" + FormatNumber(gameId, 4);
}
std::string LostKey(int gameId) {
    return "GL-" + FormatNumber(gameId, 4);
}

long CheckNumber(const std::string& key, const std::string& firstTen) {
    const std::string text = key + firstTen;
    long sum = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        const long i = static_cast<long>(k) + 1;
        const long x = static_cast<unsigned char>(text[k]);
        sum += x + i * x / 2 + (i + x) % 3 + i;
    }
    return sum;
}

std::string BuildRecord(const std::string& key, bool won, long count) {
    std::string rec(10, ' ');
    for (char& c : rec) c = static_cast<char>('0' + platform::RandomBelow(9));
    const std::string digits = FormatNumber(count, 6);
    const int* places = won ? kWonDigits : kLostDigits;
    for (int d = 0; d < 6; ++d)
        rec[static_cast<size_t>(places[d] - 1)] = digits[static_cast<size_t>(d)];
    return rec + FormatNumber(CheckNumber(key, rec), 6);
}

std::optional<long> ParseRecord(const std::string& key, bool won, const std::string& plain) {
    if (plain.size() < 16) return std::nullopt;
    const int* places = won ? kWonDigits : kLostDigits;
    std::string digits;
    for (int d = 0; d < 6; ++d) digits += plain[static_cast<size_t>(places[d] - 1)];
    const std::string check = plain.substr(10, 6);
    if (!AllDigits(digits) || !AllDigits(check)) return std::nullopt;
    const long count = std::stol(digits);
    const long stored = std::stol(check);
    if (count == 0 && stored == 0) return 0;
    if (stored != CheckNumber(key, plain.substr(0, 10))) return std::nullopt;
    return count;
}

std::string Scramble(const std::string& plain) {
    std::string out = plain;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) +
                                   static_cast<unsigned char>(kSingleGameScrambleKey[i % 5]));
    return out;
}

std::string Unscramble(const std::string& stored) {
    std::string out = stored;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) -
                                   static_cast<unsigned char>(kSingleGameScrambleKey[i % 5]));
    return out;
}

}  // namespace single_game

void UpgradeScoreFile() {
    const std::string path = ProgramFile(stat_file::kHiScores);
    if (!platform::FileExists(path)) return;
    const std::string version = ReadKeys(path, "Version", {"Version"}, {"0000"}).values[0];
    if (version < kStatVersion) UpgradeHiScoreLines(path);
    UpgradeOldSwitches();
}

void RenamePlayerInStatistics(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName);
    const std::string n = TrimRight(newName);
    // A name that cannot be a key would merge or split entries.
    if (o == n || !IsStorableEntry(o, "") || !IsStorableEntry(n, "")) return;
    BusyCursor busy;
    ReplaceReporting(ProgramFile(stat_file::kGames), 1, o + "=", n + "=");
    ReplaceReporting(ProgramFile(stat_file::kLog), 82, Pad30(o), Pad30(n));
    ReplaceReporting(ProgramFile(stat_file::kHiScores), 39, Pad30(o), Pad30(n));
    RenamePlayerResults(o, n);
}

void ClearPlayerStatistics(const std::string& player) {
    const std::string p = TrimRight(player);
    if (!IsStorableEntry(p, kClearedGameRecord)) return;
    BusyCursor busy;
    const std::string games = ProgramFile(stat_file::kGames);
    if (platform::FileExists(games)) {
        for (const std::string& section : ListSections(games)) {
            if (platform::ToLower(section) == "version") continue;
            try {
                // One failure would repeat for every section: stop at the first.
                if (!WriteKey(games, section, p, kClearedGameRecord)) break;
            } catch (const SectionFileError& e) {
                Dialogs().Info(e.what());
                break;
            }
            if (auto id = GameIdOf(section)) ClearSingleGameValues(*id, p);
        }
    }
    const std::string log = ProgramFile(stat_file::kLog);
    if (platform::FileExists(log)) RemovePlayerFromLog(log, p);
    ClearPlayerResults(p);
}

void ClearSingleGameValues(int gameId, const std::string& player) {
    if (gameId < 0 || gameId >= 8000) return;
    const std::string p = TrimRight(player);
    if (p.empty()) return;
    StoredPair s = LoadSingleGame(gameId, p);
    if (!s.won || !s.lost) ResetCorruptValues(s, p);
    try {
        // The lost record would fail for the same reason: one message.
        if (WriteKey(s.path, p, s.wonKey,
                     single_game::Scramble(single_game::BuildRecord(s.wonKey, true, 0))))
            WriteKey(s.path, p, s.lostKey,
                     single_game::Scramble(single_game::BuildRecord(s.lostKey, false, 0)));
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
}

std::optional<SingleGameCounts> ReadSingleGameValues(int gameId, const std::string& player) {
    if (gameId < 0 || gameId >= 8000) return SingleGameCounts{};
    const std::string p = TrimRight(player);
    StoredPair s = LoadSingleGame(gameId, p);
    if (!s.won || !s.lost) {
        ResetCorruptValues(s, p);
        return std::nullopt;
    }
    return SingleGameCounts{*s.won, *s.lost};
}

bool SeriesFileExists(bool atStartup) {
    const std::string dir = ProgramFile("DATA\\");
    bool found = false;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = platform::ToLower(it->path().filename().string());
        if (name.size() >= 10 && name.compare(0, 6, "stat_e") == 0 &&
            name.compare(name.size() - 4, 4, ".dat") == 0 && it->is_regular_file(ec)) {
            found = true;
            break;
        }
    }
    if (!found && atStartup) {
        const std::string marker = ProgramFile(stat_file::kSeriesMarker);
        if (platform::FileExists(marker)) platform::DeleteFile(marker);
    }
    return found;
}

}  // namespace bw
