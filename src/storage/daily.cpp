#include "storage/daily.h"

#include <cerrno>
#include <chrono>
#include <map>
#include <optional>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "storage/kept_aside.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {

constexpr const char* kVersion = "0001";
constexpr size_t kRecordLength = 15;  // "20261209 000003"
constexpr long kStreakMax = 999999;

struct Mark {
    int date = 0;
    long streak = 0;
};

std::string Path() {
    return ProgramFile(kDailyFile);
}

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::optional<std::chrono::year_month_day> DateOf(int date) {
    if (date <= 0) return std::nullopt;
    const std::chrono::year_month_day d{std::chrono::year(date / 10000),
                                        std::chrono::month(static_cast<unsigned>(date / 100 % 100)),
                                        std::chrono::day(static_cast<unsigned>(date % 100))};
    if (!d.ok()) return std::nullopt;
    return d;
}

std::string Record(const Mark& m) {
    return FormatNumber(m.date, 8) + " " + FormatNumber(std::min(m.streak, kStreakMax), 6);
}

std::string Entry(const std::string& section, const std::string& player, const Mark& m) {
    const std::string record = Record(m);
    return record + " " + ResultCheckValue(section, player, record);
}

std::optional<Mark> ParseEntry(const std::string& section, const std::string& player,
                               const std::string& value) {
    if (value.size() != kRecordLength + 9 || value[8] != ' ' || value[kRecordLength] != ' ')
        return std::nullopt;
    const std::string record = value.substr(0, kRecordLength);
    if (value.substr(kRecordLength + 1) != ResultCheckValue(section, player, record))
        return std::nullopt;
    for (size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14})
        if (record[i] < '0' || record[i] > '9') return std::nullopt;
    Mark m{std::stoi(record.substr(0, 8)), std::stol(record.substr(9))};
    if (!DateOf(m.date) || m.streak < 1) return std::nullopt;
    return m;
}

// The file's usable state: a link, a pipe or a folder in its place is none
// of the program's own and is left alone (said once by the store's message).
bool Usable(const std::string& path, bool& exists) {
    const int problem = platform::RegularFileProblem(path);
    exists = problem == 0;
    return problem == 0 || problem == ENOENT;
}

// Every entry of the file by section and player; `damaged` when a line or an
// entry does not hold (it is left out).
std::map<std::string, std::map<std::string, Mark>> ReadAll(const std::string& path, bool& damaged) {
    std::map<std::string, std::map<std::string, Mark>> all;
    for (const std::string& section : ListSections(path)) {
        if (section == "Version") continue;
        for (const std::string& line : ReadSectionLines(path, section)) {
            const size_t eq = line.find('=');
            const std::string player = eq == std::string::npos ? "" : line.substr(0, eq);
            const auto mark =
                player.empty() ? std::nullopt : ParseEntry(section, player, line.substr(eq + 1));
            if (!mark || all[section].count(player))
                damaged = true;
            else
                all[section][player] = *mark;
        }
    }
    return all;
}

std::optional<Mark> ReadMark(const std::string& section, const std::string& player, bool& damaged) {
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists) || !exists) return std::nullopt;
    const KeyValues kv = ReadKeys(path, section, {player}, {""});
    if (!kv.allFound) return std::nullopt;
    const auto mark = ParseEntry(section, player, kv.values[0]);
    if (!mark) damaged = true;
    return mark;
}

// The whole file in one replace, a damaged one copied aside first.
void RewriteAll(const std::map<std::string, std::map<std::string, Mark>>& all, bool damaged) {
    const std::string path = Path();
    if (damaged && CopyAside(path).empty()) return;  // nothing is dropped unkept
    ReplacementFile out(path);
    if (!out.ok()) return;
    out.WriteLine("[Version]");
    out.WriteLine(std::string("Version=") + kVersion);
    for (const auto& [section, players] : all) {
        if (players.empty()) continue;
        out.WriteLine("");
        out.WriteLine("[" + section + "]");
        for (const auto& [name, mark] : players)
            out.WriteLine(name + "=" + Entry(section, name, mark));
    }
    out.Commit();
}

// Renames `from` to `to` (an empty `to` removes it) in every section.
void RewritePlayer(const std::string& from, const std::string& to) {
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists) || !exists) return;
    bool damaged = false;
    auto all = ReadAll(path, damaged);
    bool holds = false;
    for (auto& [section, players] : all) {
        const auto it = players.find(from);
        if (it == players.end()) continue;
        holds = true;
        const Mark mark = it->second;
        players.erase(it);
        if (!to.empty()) players[to] = mark;
    }
    if (holds) RewriteAll(all, damaged);
}

}  // namespace

int DateBefore(int date) {
    const auto d = DateOf(date);
    if (!d) return 0;
    const std::chrono::year_month_day before{std::chrono::sys_days(*d) - std::chrono::days(1)};
    return static_cast<int>(before.year()) * 10000 +
           static_cast<int>(static_cast<unsigned>(before.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(before.day()));
}

DailyMark RecordDailyGame(int gameId, const std::string& player, int date) {
    const std::string p = TrimRight(player);
    const std::string section = std::to_string(gameId);
    if (gameId < 0 || !DateOf(date) || !IsStorableEntry(p, std::string(kRecordLength + 9, '0')))
        return DailyMark::kNotKept;
    const std::string path = Path();
    bool exists = false;
    if (!Usable(path, exists)) {
        Dialogs().Info(SectionFileError(path).what());
        return DailyMark::kNotKept;
    }
    bool damaged = false;
    const auto last = ReadMark(section, p, damaged);
    // One deal of the day per date: a replay is practice, and so is one
    // dealt before the last date marked (the clock was set back).
    if (last && last->date >= date) return DailyMark::kPractice;
    const Mark next{date, last && last->date == DateBefore(date) ? last->streak + 1 : 1};
    if (damaged && CopyAside(path).empty()) return DailyMark::kNotKept;
    try {
        if (EnsureFile(path)) WriteKey(path, "Version", "Version", kVersion);
        if (WriteKey(path, section, p, Entry(section, p, next))) return DailyMark::kRecorded;
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
    return DailyMark::kNotKept;
}

long DailyStreak(int gameId, const std::string& player, int today) {
    bool damaged = false;
    const auto mark = ReadMark(std::to_string(gameId), TrimRight(player), damaged);
    if (!mark || (mark->date != today && mark->date != DateBefore(today))) return 0;
    return mark->streak;
}

void RenamePlayerDaily(const std::string& oldName, const std::string& newName) {
    const std::string o = TrimRight(oldName), n = TrimRight(newName);
    if (o.empty() || n.empty() || o == n) return;
    RewritePlayer(o, n);
}

void ClearPlayerDaily(const std::string& player) {
    const std::string p = TrimRight(player);
    if (!p.empty()) RewritePlayer(p, std::string());
}

}  // namespace bw
