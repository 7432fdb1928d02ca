#include "storage/results.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <set>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/sections.h"
#include "storage/daily.h"
#include "storage/kept_aside.h"
#include "storage/match_records.h"
#include "storage/replays.h"
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

// Up to ten digits, written as a number is written, so a rewrite finds the
// section again.
std::optional<long long> Decimal(const std::string& text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const long long v = std::stoll(text);
    if (std::to_string(v) != text) return std::nullopt;
    return v;
}

uint32_t Crc32(const std::string& text, uint32_t crc = 0xFFFFFFFFu) {
    for (const char c : text) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

std::string CheckValue(const std::string& section, const std::string& player,
                       const std::string& record) {
    const uint32_t crc = ~Crc32(record, Crc32(player + "=", Crc32(section + "\n")));
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", crc);
    return hex;
}

// What this run has found out about the file.
struct Session {
    bool noWrites = false;  // reported: nothing more is written this run
};
Session g_session;

std::string Path() {
    return ProgramFile(kResultsFile);
}

using AllResults = std::map<ResultKey, std::map<std::string, ResultRecord>>;

// The file as read: the entries that hold, and what keeps it from being
// the current format as it stands.
struct ReadOutcome {
    AllResults all;
    bool unreadable = false;  // not opened or not read to its end
    bool damaged = false;     // lines or entries left out
    bool outdated = false;    // no version section, or version 0001 entries
};

ReadOutcome ReadAll(const std::string& path) {
    ReadOutcome out;
    platform::LineReader in(path);
    if (!in.ok()) {
        out.unreadable = true;
        return out;
    }
    std::string line;
    enum class Where { kNowhere, kVersion, kGame } where = Where::kNowhere;
    ResultKey game;
    bool versionSeen = false, checked = false;
    std::set<ResultKey> sections;
    while (in.Next(line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            auto name = platform::SectionName(line, platform::SectionSyntax::kExact);
            const auto id = name ? ResultSectionKey(*name) : std::nullopt;
            where = id ? Where::kGame : name == "Version" ? Where::kVersion : Where::kNowhere;
            if (id) {
                game = *id;
                // The store writes into the first of two like-named sections:
                // one rewrite makes them one.
                if (!sections.insert(game).second) out.outdated = true;
            }
            if (where == Where::kNowhere) out.damaged = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (where == Where::kNowhere || eq == std::string::npos || eq == 0) {
            out.damaged = true;
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (where == Where::kVersion) {
            if (key == "Version" && !versionSeen &&
                (value == kResultsVersion || value == kResultsVersionUnchecked)) {
                versionSeen = true;
                checked = value == kResultsVersion;
            } else {
                out.damaged = true;
            }
            continue;
        }
        auto record = ParseResultEntry(game.gameId, key, value, game.lookMs);
        // Entries without a check value are taken only from a file that does
        // not claim to have them (nor look times, which came later).
        if (!record && !checked && game.lookMs == 0) {
            record = ParseResultRecord(value);
            if (record) out.outdated = true;
        }
        // A name twice in a game: the store updates the first, so the first
        // is the one that counts.
        if (!record || out.all[game].count(key)) {
            out.damaged = true;
            continue;
        }
        out.all[game][key] = std::move(*record);
    }
    if (in.failed()) out.unreadable = true;
    if (!versionSeen) out.outdated = true;
    return out;
}

// Writes every entry, in the current format, over the file in one replace.
bool RewriteAll(const std::string& path, const AllResults& all) {
    ReplacementFile out(path);
    if (!out.ok()) return false;
    out.WriteLine("[Version]");
    out.WriteLine(std::string("Version=") + kResultsVersion);
    for (const auto& [game, players] : all) {
        if (players.empty()) continue;
        out.WriteLine("");
        out.WriteLine("[" + ResultSectionName(game) + "]");
        for (const auto& [name, record] : players)
            out.WriteLine(name + "=" + FormatResultEntry(game.gameId, name, record));
    }
    return out.Commit();
}

// Anything at all under the name, a folder included.
bool Present(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
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
    text.replace(text.find("%s"), 2, FileNameOf(aside));
    Dialogs().Info(text);
}

// A link, a folder, a pipe or a device in the file's place is neither read,
// written nor moved: it is the player's or someone else's, not a damaged
// results file. Said once, as for the other files the program cannot open.
bool NotAFileOfOurOwn(const std::string& path) {
    const int problem = platform::RegularFileProblem(path);
    if (problem == 0 || problem == ENOENT) return false;
    if (!g_session.noWrites) Dialogs().Info(SectionFileError(path).what());
    g_session.noWrites = true;
    return true;
}

// The file's content. A file that cannot be read is put aside whole (then
// empty); one with damaged entries is copied aside and rewritten without
// them; an older or header-less one is rewritten in the current format.
// When such a rewrite fails nothing more is written this run, so the file
// never mixes formats.
AllResults Load() {
    const std::string path = Path();
    if (!Present(path) || NotAFileOfOurOwn(path)) return {};
    ReadOutcome read = ReadAll(path);
    if (read.unreadable) {
        PutAside(path);
        return {};
    }
    if (!read.damaged && !read.outdated) return std::move(read.all);
    if (g_session.noWrites) return std::move(read.all);
    std::string aside;
    if (read.damaged) {
        aside = CopyAside(path);
        if (aside.empty()) {
            Dialogs().Info(results_msg::kDamagedKept);
            g_session.noWrites = true;
            return std::move(read.all);
        }
    }
    if (!RewriteAll(path, read.all)) {
        g_session.noWrites = true;
        return std::move(read.all);
    }
    if (read.damaged) {
        std::string text = results_msg::kDamagedEntries;
        text.replace(text.find("%s"), 2, FileNameOf(aside));
        Dialogs().Info(text);
    }
    return std::move(read.all);
}

// Whether results may be written; reported once per run when not.
bool Writable(const std::string& path) {
    if (g_session.noWrites || NotAFileOfOurOwn(path)) return false;
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
    return IsStorableEntry(player, std::string(kResultEntryLength, '0'));
}

// Rewrites the file when a game section holds `key` or `replacement`: the
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
    // One rewrite of the whole file: a kill in between never leaves a
    // player's games split over two names.
    AllResults changed;
    for (const auto& [game, players] : all) {
        for (const auto& [name, record] : players) {
            if (name == replacement || (name == key && replacement.empty())) continue;
            changed[game][name == key ? replacement : name] = record;
        }
    }
    RewriteAll(path, changed);
}

}  // namespace

std::string ResultCheckValue(const std::string& section, const std::string& player,
                             const std::string& record) {
    return CheckValue(section, player, record);
}

void ResultRecord::Add(const GameResult& r) {
    bestScore = played == 0 ? r.score : std::max<long>(bestScore, r.score);
    if (r.won) bestTime = won == 0 ? r.seconds : std::min<long>(bestTime, r.seconds);
    streak = r.won ? std::min(streak + 1, kResultCountMax) : 0;
    longestStreak = std::max(longestStreak, streak);
    // The counts stop together, or "won" and "lost" would no longer add up
    // to "played" once it is held at its field's maximum.
    if (played < kResultCountMax) {
        ++played;
        totalScore += r.score;
        misses += r.misses;
        slips += r.slips;
        ++(r.won ? won : lost);
        if (r.won && r.misses == 0) ++perfect;
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

std::string FormatResultEntry(int gameId, const std::string& player, const ResultRecord& r) {
    const std::string record = FormatResultRecord(r);
    return record + " " + CheckValue(ResultSectionName({gameId, r.lookMs}), player, record);
}

std::optional<ResultRecord> ParseResultEntry(int gameId, const std::string& player,
                                             const std::string& text, int lookMs) {
    if (text.size() != kResultEntryLength || text[kResultRecordLength] != ' ') return std::nullopt;
    const std::string record = text.substr(0, kResultRecordLength);
    if (text.compare(kResultRecordLength + 1, std::string::npos,
                     CheckValue(ResultSectionName({gameId, lookMs}), player, record)) != 0)
        return std::nullopt;
    auto r = ParseResultRecord(record);
    if (r) {
        r->lookMs = lookMs;
        for (GameResult& g : r->history) g.lookMs = lookMs;
    }
    return r;
}

std::string ResultSectionName(const ResultKey& key) {
    const std::string id = std::to_string(key.gameId);
    return key.lookMs == 0 ? id : id + "/" + std::to_string(key.lookMs);
}

std::optional<ResultKey> ResultSectionKey(const std::string& section) {
    const size_t slash = section.find('/');
    const auto id = Decimal(section.substr(0, slash));
    if (!id || *id > std::numeric_limits<int>::max()) return std::nullopt;
    if (slash == std::string::npos) return ResultKey{static_cast<int>(*id), 0};
    const auto look = Decimal(section.substr(slash + 1));
    if (!look || *look == 0 || *look > kResultLookMsMax) return std::nullopt;
    return ResultKey{static_cast<int>(*id), static_cast<int>(*look)};
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
    // A look time no section can name is kept as the nearest one that can.
    const ResultKey key{gameId, std::clamp(result.lookMs, 0, kResultLookMsMax)};
    ResultRecord& record = all[key][p];
    record.lookMs = key.lookMs;
    GameResult kept = result;
    kept.lookMs = key.lookMs;
    record.Add(kept);
    try {
        WriteKey(path, ResultSectionName(key), p, FormatResultEntry(gameId, p, record));
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
}

PlayerLookResults ReadPlayerLookResults(const std::string& player) {
    const std::string p = TrimRight(player);
    PlayerLookResults out;
    for (auto& [game, players] : Load()) {
        auto it = players.find(p);
        if (it != players.end()) out.emplace(game, std::move(it->second));
    }
    return out;
}

PlayerResults ReadPlayerResults(const std::string& player) {
    PlayerResults out;
    for (auto& [game, record] : ReadPlayerLookResults(player))
        if (game.lookMs == 0) out.emplace(game.gameId, std::move(record));
    return out;
}

void RenamePlayerResults(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName), n = TrimRight(newName);
    if (o == n || !Storable(o) || !Storable(n)) return;
    RewriteEntries(o, n);
    RenamePlayerDaily(o, n);
    RenamePlayerMatches(o, n);
    RenamePlayerReplays(o, n);
}

void ClearPlayerResults(const std::string& player) {
    const std::string p = TrimRight(player);
    if (!Storable(p)) return;
    RewriteEntries(p, std::string());
    ClearPlayerDaily(p);
    ClearPlayerMatches(p);
    ClearPlayerReplays(p);
}

void ResetResultsSession() {
    g_session = Session{};
    ResetReplaysSession();
}

}  // namespace bw
