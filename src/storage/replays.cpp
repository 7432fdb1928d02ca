#include "storage/replays.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "storage/kept_aside.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {

constexpr size_t kMostBytes = size_t{64} << 20;
constexpr size_t kMostNameBytes = 255;

struct Session {
    bool noWrites = false;  // reported: nothing more is written this run
};
Session g_session;

std::string Path() {
    return ProgramFile(kReplaysFile);
}

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

bool Storable(const std::string& player) {
    return !player.empty() && player.size() <= kMostNameBytes &&
           player.find_first_of("\r\n") == std::string::npos;
}

bool Number(std::string_view f, int least, int most, int& out) {
    if (f.empty()) return false;
    const auto [p, ec] = std::from_chars(f.data(), f.data() + f.size(), out);
    return ec == std::errc() && p == f.data() + f.size() && out >= least && out <= most;
}

// The next field of `rest` up to a blank.
std::string_view Take(std::string_view& rest) {
    const size_t end = rest.find(' ');
    const std::string_view f = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return f;
}

std::string Checked(int gameId, const std::string& player, int date, const std::string& turns) {
    return ResultCheckValue(std::to_string(gameId), player, std::to_string(date) + " " + turns);
}

std::string Line(const StoredReplay& r) {
    const std::string turns = TurnRecordText(r.record);
    return std::to_string(r.gameId) + " " + std::to_string(r.date) + " " +
           Checked(r.gameId, r.player, r.date, turns) + " " + std::to_string(r.player.size()) +
           " " + r.player + " " + turns;
}

std::optional<StoredReplay> ParseLine(std::string_view line) {
    StoredReplay r;
    int nameBytes = 0;
    if (!Number(Take(line), 0, 9999, r.gameId) || !Number(Take(line), 19000101, 99991231, r.date))
        return std::nullopt;
    const std::string_view check = Take(line);
    if (!Number(Take(line), 1, static_cast<int>(kMostNameBytes), nameBytes) ||
        line.size() < static_cast<size_t>(nameBytes) + 2 ||
        line[static_cast<size_t>(nameBytes)] != ' ')
        return std::nullopt;
    r.player = std::string(line.substr(0, static_cast<size_t>(nameBytes)));
    const std::string turns(line.substr(static_cast<size_t>(nameBytes) + 1));
    if (!Storable(r.player) || check != Checked(r.gameId, r.player, r.date, turns))
        return std::nullopt;
    auto record = ParseTurnRecord(turns);
    if (!record) return std::nullopt;
    r.record = std::move(*record);
    return r;
}

// A link, a folder, a pipe or a device in the file's place is not ours:
// neither read, written nor moved. Said once.
bool NotAFileOfOurOwn(const std::string& path) {
    const int problem = platform::RegularFileProblem(path);
    if (problem == 0 || problem == ENOENT) return false;
    if (!g_session.noWrites) Dialogs().Info(SectionFileError(path).what());
    g_session.noWrites = true;
    return true;
}

void Say(const char* message, const std::string& aside) {
    std::string text = message;
    text.replace(text.find("%s"), 2, FileNameOf(aside));
    Dialogs().Info(text);
}

bool Rewrite(const std::string& path, const std::vector<StoredReplay>& games) {
    ReplacementFile out(path);
    if (!out.ok()) return false;
    out.Write(ReplaysText(games));
    return out.Commit();
}

// The file's games. One that cannot be read as a replay file is put aside
// whole; one with damaged lines is copied aside and rewritten without them.
std::vector<StoredReplay> Load() {
    const std::string path = Path();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || NotAFileOfOurOwn(path)) return {};
    std::string text;
    const int err = platform::ReadRegularFile(path, text, kMostBytes);
    if (err != 0 && err != EFBIG) {
        if (!g_session.noWrites) Dialogs().Info(SectionFileError(path).what());
        g_session.noWrites = true;
        return {};
    }
    ReplayFileText read = err == EFBIG ? ReplayFileText{{}, true, false} : ParseReplays(text);
    if (read.unreadable) {
        if (g_session.noWrites) return {};
        const std::string aside = FreeAsideName(path);
        if (!platform::RenameFile(path, aside)) {
            g_session.noWrites = true;
            return {};
        }
        Say(replays_msg::kDamaged, aside);
        return {};
    }
    if (read.damaged && !g_session.noWrites) {
        const std::string aside = CopyAside(path);
        if (aside.empty() || !Rewrite(path, read.games)) {
            g_session.noWrites = true;
            return std::move(read.games);
        }
        Say(replays_msg::kDamagedEntries, aside);
    }
    return std::move(read.games);
}

// Whether the file may be written; reported once per run when not.
bool Writable(const std::string& path) {
    if (g_session.noWrites || NotAFileOfOurOwn(path)) return false;
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    const std::string dir = platform::DirOf(path);
    const bool ok = ::access(dir.empty() ? "." : dir.c_str(), W_OK) == 0 &&
                    (!exists || !platform::WriteProtected(path, st));
    if (!ok) {
        Dialogs().Info(replays_msg::kReadOnly);
        g_session.noWrites = true;
    }
    return ok;
}

// Renames `from` to `to` (an empty `to` removes its games); whatever `to`
// held before goes, so a name never has two sets of games.
void RewritePlayer(const std::string& from, const std::string& to) {
    const std::string path = Path();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return;
    std::vector<StoredReplay> games = Load();
    const bool holds = std::any_of(games.begin(), games.end(), [&](const StoredReplay& r) {
        return r.player == from || (!to.empty() && r.player == to);
    });
    if (!holds || !Writable(path)) return;
    std::erase_if(games, [&](const StoredReplay& r) { return !to.empty() && r.player == to; });
    for (StoredReplay& r : games)
        if (r.player == from) r.player = to;
    std::erase_if(games, [](const StoredReplay& r) { return r.player.empty(); });
    if (!Rewrite(path, games)) g_session.noWrites = true;
}

}  // namespace

ReplayFileText ParseReplays(std::string_view text) {
    ReplayFileText out;
    const std::string header(kReplaysHeader);
    size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool broken = end == std::string_view::npos;  // cut short: no line end
        if (broken) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (first) {
            first = false;
            if (line != header || broken) {
                out.unreadable = true;
                return out;
            }
            continue;
        }
        if (line.empty() && !broken) continue;
        const auto game = broken ? std::nullopt : ParseLine(line);
        if (game)
            out.games.push_back(*game);
        else
            out.damaged = true;
    }
    if (first) out.unreadable = true;
    return out;
}

std::string ReplaysText(const std::vector<StoredReplay>& games) {
    std::string out = std::string(kReplaysHeader) + "\n";
    for (const StoredReplay& r : games) out += Line(r) + "\n";
    return out;
}

void RecordReplay(int gameId, const std::string& player, int date, const TurnRecord& record) {
    const std::string p = TrimRight(player);
    TurnRecord kept = record;
    std::erase_if(kept.turns, [](const Turn& t) { return t.outcome == TurnOutcome::kOpen; });
    if (gameId < 0 || gameId > 9999 || !Storable(p) || kept.turns.empty() ||
        !RecordsTurns(kept.goal) || date < 19000101 || date > 99991231 || g_session.noWrites)
        return;
    const std::string path = Path();
    std::vector<StoredReplay> games = Load();
    if (!Writable(path)) return;
    games.push_back({gameId, p, date, std::move(kept)});
    // Only the newest games of this player and game stay.
    auto ours = [&](const StoredReplay& r) { return r.gameId == gameId && r.player == p; };
    long excess = std::count_if(games.begin(), games.end(), ours) - kReplayHistory;
    for (auto it = games.begin(); excess > 0 && it != games.end();) {
        if (ours(*it)) {
            it = games.erase(it);
            --excess;
        } else {
            ++it;
        }
    }
    if (!Rewrite(path, games)) g_session.noWrites = true;
}

std::vector<StoredReplay> ReadReplays(int gameId, const std::string& player) {
    const std::string p = TrimRight(player);
    std::vector<StoredReplay> games = Load();
    std::erase_if(games,
                  [&](const StoredReplay& r) { return r.gameId != gameId || r.player != p; });
    return games;
}

void RenamePlayerReplays(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName), n = TrimRight(newName);
    if (o == n || !Storable(o) || !Storable(n)) return;
    RewritePlayer(o, n);
}

void ClearPlayerReplays(const std::string& player) {
    const std::string p = TrimRight(player);
    if (Storable(p)) RewritePlayer(p, std::string());
}

void ResetReplaysSession() {
    g_session = Session{};
}

}  // namespace bw
