#include "storage/results.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/sections.h"
#include "storage/section_file.h"

namespace bw {

namespace {

// A field of fixed width: digits, or a sign and digits.
struct Field {
    int width;
    bool sign;
};
constexpr Field kTotals[] = {{6, false}, {6, false}, {6, false}, {6, true},  {6, false},
                             {12, true}, {6, false}, {6, false}, {9, false}, {9, false},
                             {6, false}, {8, false}, {2, false}};
constexpr Field kSlotScore{5, true}, kSlotTime{6, false}, kSlotMisses{4, false},
    kSlotSlips{4, false}, kSlotDate{8, false};
constexpr size_t kTotalsLength = 100;
constexpr size_t kSlotLength = 33;

constexpr size_t TotalsWidth() {
    size_t n = std::size(kTotals) - 1;  // the spaces between the fields
    for (const Field& f : kTotals) n += static_cast<size_t>(f.width);
    return n;
}
static_assert(TotalsWidth() == kTotalsLength);
static_assert(kTotalsLength + kResultHistory * (kSlotLength + 1) == kResultRecordLength);

long long Clamp(long long v, const Field& f) {
    long long max = 1;
    for (int i = 0; i < (f.sign ? f.width - 1 : f.width); ++i) max *= 10;
    --max;
    return std::clamp(v, f.sign ? -max : 0LL, max);
}

std::string Put(long long v, const Field& f) {
    v = Clamp(v, f);
    if (!f.sign) return FormatNumber(v, f.width);
    return (v < 0 ? "-" : "+") + FormatNumber(v < 0 ? -v : v, f.width - 1);
}

// Reads a field at `at` and moves past it and the blank after it.
bool Take(const std::string& s, size_t& at, const Field& f, long long& out) {
    if (at + static_cast<size_t>(f.width) > s.size()) return false;
    size_t i = at;
    bool negative = false;
    if (f.sign) {
        if (s[i] != '+' && s[i] != '-') return false;
        negative = s[i] == '-';
        ++i;
    }
    long long v = 0;
    for (; i < at + static_cast<size_t>(f.width); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = negative ? -v : v;
    at += static_cast<size_t>(f.width);
    if (at < s.size()) {
        if (s[at] != ' ') return false;
        ++at;
    }
    return true;
}

std::string FormatSlot(const GameResult* r) {
    if (!r) return "+0000 000000 0000 0000 - 00000000";
    return Put(r->score, kSlotScore) + " " + Put(r->seconds, kSlotTime) + " " +
           Put(r->misses, kSlotMisses) + " " + Put(r->slips, kSlotSlips) + " " +
           (r->won ? "W" : "L") + " " + Put(r->date, kSlotDate);
}

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::optional<int> GameIdOf(const std::string& section) {
    if (section.empty() || section.size() > 9 ||
        section.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int id = std::stoi(section);
    // Sections are named as they are written, so a rewrite finds them again.
    if (std::to_string(id) != section) return std::nullopt;
    return id;
}

// What this run has found out about the file.
struct Session {
    bool noWrites = false;  // reported: nothing more is written this run
};
Session g_session;

std::string Path() {
    return ProgramFile(kResultsFile);
}

// The whole file, checked line by line. nullopt when it is damaged or
// cannot be read.
using AllResults = std::map<int, std::map<std::string, ResultRecord>>;
std::optional<AllResults> ReadAll(const std::string& path) {
    AllResults all;
    platform::LineReader in(path);
    if (!in.ok()) return std::nullopt;
    std::string line;
    std::string section;
    bool versionSeen = false;
    std::optional<int> game;
    while (in.Next(line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            auto name = platform::SectionName(line, platform::SectionSyntax::kExact);
            if (!name) return std::nullopt;
            section = std::move(*name);
            game = GameIdOf(section);
            if (!game && section != "Version") return std::nullopt;
            continue;
        }
        const size_t eq = line.find('=');
        if (section.empty() || eq == std::string::npos || eq == 0) return std::nullopt;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (!game) {
            if (key != "Version" || value != kResultsVersion) return std::nullopt;
            versionSeen = true;
            continue;
        }
        auto record = ParseResultRecord(value);
        if (!record) return std::nullopt;
        all[*game][key] = std::move(*record);
    }
    if (in.failed() || (!all.empty() && !versionSeen)) return std::nullopt;
    return all;
}

// Anything at all under the name, a folder included.
bool Present(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string FreeAsideName(const std::string& path) {
    std::string aside = path + ".bad";
    for (int n = 2; Present(aside); ++n) aside = path + ".bad" + std::to_string(n);
    return aside;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A damaged file is never deleted: it moves aside and a fresh one starts.
void PutAside(const std::string& path) {
    const std::string aside = FreeAsideName(path);
    if (!platform::RenameFile(path, aside)) {
        if (!g_session.noWrites) Dialogs().Info(results_msg::kDamagedKept);
        g_session.noWrites = true;
        return;
    }
    std::string text = results_msg::kDamaged;
    text.replace(text.find("%s"), 2, BaseName(aside));
    Dialogs().Info(text);
}

// The file's content, with a damaged file put aside (then empty).
AllResults Load() {
    const std::string path = Path();
    if (!Present(path)) return {};
    if (auto all = ReadAll(path)) return *all;
    PutAside(path);
    return {};
}

// Whether results may be written; reported once per run when not.
bool Writable(const std::string& path) {
    if (g_session.noWrites) return false;
    const bool exists = Present(path);
    const std::string dir = platform::DirOf(path);
    // The folder must take the temporary file of a rewrite.
    bool ok = ::access(dir.empty() ? "." : dir.c_str(), W_OK) == 0 &&
              (!exists || ::access(path.c_str(), W_OK) == 0);
    if (ok && !exists) {
        ok = EnsureFile(path);
        try {
            ok = ok && WriteKey(path, "Version", "Version", kResultsVersion);
        } catch (const SectionFileError&) {
            ok = false;
        }
        if (!ok) platform::DeleteFile(path);
    }
    if (!ok) {
        Dialogs().Info(results_msg::kReadOnly);
        g_session.noWrites = true;
    }
    return ok;
}

bool Storable(const std::string& player) {
    return IsStorableEntry(player, std::string(kResultRecordLength, '0'));
}

// Rewrites every game section that holds `key` or `replacement`: the
// entry `key` gets the name `replacement` (an empty one removes it), and
// whatever `replacement` held before goes, so a name never has two records.
void RewriteEntries(const std::string& key, const std::string& replacement) {
    const std::string path = Path();
    if (!Present(path)) return;
    const AllResults all = Load();
    auto holds = [&](const std::map<std::string, ResultRecord>& players) {
        return players.count(key) || (!replacement.empty() && players.count(replacement));
    };
    if (std::none_of(all.begin(), all.end(), [&](const auto& g) { return holds(g.second); }) ||
        !Writable(path))
        return;
    BusyCursor busy;
    for (const auto& [game, players] : all) {
        if (!holds(players)) continue;
        std::vector<std::string> keys, values;
        for (const auto& [name, record] : players) {
            if (name == replacement || (name == key && replacement.empty())) continue;
            keys.push_back(name == key ? replacement : name);
            values.push_back(FormatResultRecord(record));
        }
        try {
            if (!RewriteSection(path, std::to_string(game), keys, values)) return;
        } catch (const SectionFileError& e) {
            Dialogs().Info(e.what());
            return;
        }
    }
}

}  // namespace

void ResultRecord::Add(const GameResult& r) {
    bestScore = played == 0 ? r.score : std::max<long>(bestScore, r.score);
    ++played;
    totalScore += r.score;
    misses += r.misses;
    slips += r.slips;
    if (r.won) {
        bestTime = won == 0 ? r.seconds : std::min<long>(bestTime, r.seconds);
        ++won;
        ++streak;
        longestStreak = std::max(longestStreak, streak);
        if (r.misses == 0) ++perfect;
    } else {
        ++lost;
        streak = 0;
    }
    lastDate = r.date;
    history.push_back(r);
    if (history.size() > static_cast<size_t>(kResultHistory)) history.erase(history.begin());
}

std::string FormatResultRecord(const ResultRecord& r) {
    const long long totals[] = {r.played,
                                r.won,
                                r.lost,
                                r.bestScore,
                                r.bestTime,
                                r.totalScore,
                                r.streak,
                                r.longestStreak,
                                r.misses,
                                r.slips,
                                r.perfect,
                                r.lastDate,
                                static_cast<long long>(r.history.size())};
    std::string s;
    for (size_t i = 0; i < std::size(kTotals); ++i) {
        if (i) s += ' ';
        s += Put(totals[i], kTotals[i]);
    }
    for (int i = 0; i < kResultHistory; ++i)
        s += " " + FormatSlot(static_cast<size_t>(i) < r.history.size()
                                  ? &r.history[static_cast<size_t>(i)]
                                  : nullptr);
    return s;
}

std::optional<ResultRecord> ParseResultRecord(const std::string& text) {
    if (text.size() != kResultRecordLength) return std::nullopt;
    long long v[std::size(kTotals)];
    size_t at = 0;
    for (size_t i = 0; i < std::size(kTotals); ++i)
        if (!Take(text, at, kTotals[i], v[i])) return std::nullopt;
    ResultRecord r;
    r.played = static_cast<long>(v[0]);
    r.won = static_cast<long>(v[1]);
    r.lost = static_cast<long>(v[2]);
    r.bestScore = static_cast<long>(v[3]);
    r.bestTime = static_cast<long>(v[4]);
    r.totalScore = v[5];
    r.streak = static_cast<long>(v[6]);
    r.longestStreak = static_cast<long>(v[7]);
    r.misses = static_cast<long>(v[8]);
    r.slips = static_cast<long>(v[9]);
    r.perfect = static_cast<long>(v[10]);
    r.lastDate = static_cast<int>(v[11]);
    const long long count = v[12];
    if (count > kResultHistory || r.won + r.lost != r.played || r.streak > r.longestStreak ||
        r.perfect > r.won)
        return std::nullopt;
    // Slot: "+0058 000094 0002 0001 W 20030601".
    for (int i = 0; i < kResultHistory; ++i, at += kSlotLength + 1) {
        const std::string slot = text.substr(at, kSlotLength);
        long long score, seconds, misses, slips, date;
        size_t p = 0;
        if (!Take(slot, p, kSlotScore, score) || !Take(slot, p, kSlotTime, seconds) ||
            !Take(slot, p, kSlotMisses, misses) || !Take(slot, p, kSlotSlips, slips) ||
            p + 2 > slot.size() || slot[p + 1] != ' ')
            return std::nullopt;
        const char mark = slot[p];
        p += 2;
        if (!Take(slot, p, kSlotDate, date) || p != kSlotLength) return std::nullopt;
        if (i >= count) {
            if (mark != '-') return std::nullopt;
            continue;
        }
        if (mark != 'W' && mark != 'L') return std::nullopt;
        r.history.push_back({static_cast<int>(score), static_cast<int>(seconds),
                             static_cast<int>(misses), static_cast<int>(slips), mark == 'W',
                             static_cast<int>(date)});
    }
    return r;
}

void RecordGameResult(int gameId, const std::string& player, const GameResult& result) {
    const std::string p = TrimRight(player);
    if (gameId < 0 || !Storable(p) || g_session.noWrites) return;
    AllResults all = Load();
    const std::string path = Path();
    if (!Writable(path)) return;
    ResultRecord& record = all[gameId][p];
    record.Add(result);
    try {
        WriteKey(path, std::to_string(gameId), p, FormatResultRecord(record));
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
}

PlayerResults ReadPlayerResults(const std::string& player) {
    const std::string p = TrimRight(player);
    PlayerResults out;
    for (auto& [game, players] : Load()) {
        auto it = players.find(p);
        if (it != players.end()) out.emplace(game, std::move(it->second));
    }
    return out;
}

void RenamePlayerResults(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName), n = TrimRight(newName);
    if (o == n || !Storable(o) || !Storable(n)) return;
    RewriteEntries(o, n);
}

void ClearPlayerResults(const std::string& player) {
    const std::string p = TrimRight(player);
    if (!Storable(p)) return;
    RewriteEntries(p, std::string());
}

void ResetResultsSession() {
    g_session = Session{};
}

}  // namespace bw
