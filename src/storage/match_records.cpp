#include "storage/match_records.h"

#include <cerrno>
#include <map>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "storage/kept_aside.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {

constexpr const char* kVersion = "0001";
constexpr size_t kCountWidth = 6;
constexpr size_t kRecordLength = 4 * kCountWidth + 3;  // "000012 000007 000004 000001"
constexpr long kCountMax = 999999;

using AllRecords = std::map<std::string, std::map<std::string, MatchRecord>>;

std::string Path() {
    return ProgramFile(kMatchesFile);
}

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string Record(const MatchRecord& r) {
    const int width = static_cast<int>(kCountWidth);
    return FormatNumber(r.played, width) + " " + FormatNumber(r.won, width) + " " +
           FormatNumber(r.lost, width) + " " + FormatNumber(r.tied, width);
}

std::string Entry(const std::string& section, const std::string& player, const MatchRecord& r) {
    const std::string record = Record(r);
    return record + " " + ResultCheckValue(section, player, record);
}

std::optional<MatchRecord> ParseEntry(const std::string& section, const std::string& player,
                                      const std::string& value) {
    if (value.size() != kRecordLength + 9 || value[kRecordLength] != ' ') return std::nullopt;
    const std::string record = value.substr(0, kRecordLength);
    if (value.substr(kRecordLength + 1) != ResultCheckValue(section, player, record))
        return std::nullopt;
    long v[4];
    for (size_t k = 0; k < 4; ++k) {
        const size_t at = k * (kCountWidth + 1);
        if (k > 0 && record[at - 1] != ' ') return std::nullopt;
        for (size_t i = at; i < at + kCountWidth; ++i)
            if (record[i] < '0' || record[i] > '9') return std::nullopt;
        v[k] = std::stol(record.substr(at, kCountWidth));
    }
    const MatchRecord r{v[0], v[1], v[2], v[3]};
    if (r.won + r.lost + r.tied != r.played) return std::nullopt;
    return r;
}

// A link, a pipe or a folder in the file's place is none of the program's
// own and is left alone.
bool Usable(const std::string& path, bool& exists) {
    const int problem = platform::RegularFileProblem(path);
    exists = problem == 0;
    return problem == 0 || problem == ENOENT;
}

AllRecords ReadAll(const std::string& path, bool& damaged) {
    AllRecords all;
    for (const std::string& section : ListSections(path)) {
        if (section == "Version") continue;
        for (const std::string& line : ReadSectionLines(path, section)) {
            const size_t eq = line.find('=');
            const std::string player = eq == std::string::npos ? "" : line.substr(0, eq);
            const auto record =
                player.empty() ? std::nullopt : ParseEntry(section, player, line.substr(eq + 1));
            if (!record || all[section].count(player))
                damaged = true;
            else
                all[section][player] = *record;
        }
    }
    return all;
}

// The whole file in one replace, a damaged one copied aside first.
bool RewriteAll(const AllRecords& all, bool damaged) {
    const std::string path = Path();
    if (damaged && CopyAside(path).empty()) return false;  // nothing is dropped unkept
    ReplacementFile out(path);
    if (!out.ok()) return false;
    out.WriteLine("[Version]");
    out.WriteLine(std::string("Version=") + kVersion);
    for (const auto& [section, players] : all) {
        if (players.empty()) continue;
        out.WriteLine("");
        out.WriteLine("[" + section + "]");
        for (const auto& [name, record] : players)
            out.WriteLine(name + "=" + Entry(section, name, record));
    }
    return out.Commit();
}

// Renames `from` to `to` (an empty `to` removes it) in every section.
void RewritePlayer(const std::string& from, const std::string& to) {
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists) || !exists) return;
    bool damaged = false;
    AllRecords all = ReadAll(path, damaged);
    bool holds = false;
    for (auto& [section, players] : all) {
        const auto it = players.find(from);
        if (it == players.end()) continue;
        holds = true;
        const MatchRecord record = it->second;
        players.erase(it);
        if (!to.empty()) players[to] = record;
    }
    if (holds) RewriteAll(all, damaged);
}

}  // namespace

bool RecordMatchResult(int gameId, const std::string& player, MatchOutcome outcome) {
    const std::string p = TrimRight(player);
    const std::string section = std::to_string(gameId);
    if (gameId < 0 || !IsStorableEntry(p, std::string(kRecordLength + 9, '0'))) return false;
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists)) {
        Dialogs().Info(SectionFileError(path).what());
        return false;
    }
    bool damaged = false;
    AllRecords all = exists ? ReadAll(path, damaged) : AllRecords{};
    MatchRecord& r = all[section][p];
    // Once played is at its maximum the counts stay as they are, so they
    // still add up.
    if (r.played < kCountMax) {
        ++r.played;
        ++(outcome == MatchOutcome::kWon    ? r.won
           : outcome == MatchOutcome::kLost ? r.lost
                                            : r.tied);
    }
    if (damaged) return RewriteAll(all, damaged);
    try {
        if (EnsureFile(path)) WriteKey(path, "Version", "Version", kVersion);
        return WriteKey(path, section, p, Entry(section, p, r));
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
    return false;
}

std::optional<MatchRecord> ReadMatchRecord(int gameId, const std::string& player) {
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists) || !exists) return std::nullopt;
    const std::string section = std::to_string(gameId), p = TrimRight(player);
    const KeyValues kv = ReadKeys(path, section, {p}, {""});
    if (!kv.allFound) return std::nullopt;
    return ParseEntry(section, p, kv.values[0]);
}

MemoryModel PlayerRecallModel(int gameId, const std::string& player, int pairs) {
    const PlayerResults results = ReadPlayerResults(player);
    const auto it = results.find(gameId);
    return RecallModel(it == results.end() ? std::vector<GameResult>{} : it->second.history, pairs);
}

void RenamePlayerMatches(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName), n = TrimRight(newName);
    if (o.empty() || n.empty() || o == n) return;
    RewritePlayer(o, n);
}

void ClearPlayerMatches(const std::string& player) {
    const std::string p = TrimRight(player);
    if (!p.empty()) RewritePlayer(p, std::string());
}

}  // namespace bw
