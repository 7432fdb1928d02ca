#include "storage/daily.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "core/params.h"
#include "core/ports.h"
#include "storage/kept_aside.h"
#include "storage/player_entries.h"
#include "storage/section_file.h"

namespace bw {

namespace {

constexpr size_t kRecordLength = 15;  // "20261209 000003"
constexpr long kStreakMax = 999999;

struct Mark {
    int date = 0;
    long streak = 0;
};

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

std::optional<Mark> MarkOf(const std::string& record) {
    if (record.size() != kRecordLength || record[8] != ' ') return std::nullopt;
    for (size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14})
        if (record[i] < '0' || record[i] > '9') return std::nullopt;
    Mark m{std::stoi(record.substr(0, 8)), std::stol(record.substr(9))};
    if (!DateOf(m.date) || m.streak < 1) return std::nullopt;
    return m;
}

const PlayerEntryFile& File() {
    static const PlayerEntryFile file(kDailyFile, kRecordLength,
                                      [](const std::string& r) { return MarkOf(r).has_value(); });
    return file;
}

std::optional<Mark> ReadMark(const std::string& section, const std::string& player, bool& damaged) {
    const auto record = File().Read(section, player, damaged);
    return record ? MarkOf(*record) : std::nullopt;
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
    const std::string p = StoredPlayerName(player);
    const std::string section = std::to_string(gameId);
    if (gameId < 0 || !DateOf(date) || !File().Storable(p)) return DailyMark::kNotKept;
    bool exists = false;
    if (!File().Usable(exists)) {
        Dialogs().Info(SectionFileError(File().Path()).what());
        return DailyMark::kNotKept;
    }
    bool damaged = false;
    const auto last = ReadMark(section, p, damaged);
    // One deal of the day per date: a replay is practice, and so is one
    // dealt before the last date marked (the clock was set back).
    if (last && last->date >= date) return DailyMark::kPractice;
    const Mark next{date, last && last->date == DateBefore(date) ? last->streak + 1 : 1};
    if (damaged && CopyAside(File().Path()).empty()) return DailyMark::kNotKept;
    return File().Write(section, p, Record(next)) ? DailyMark::kRecorded : DailyMark::kNotKept;
}

long DailyStreak(int gameId, const std::string& player, int today) {
    bool damaged = false;
    const auto mark = ReadMark(std::to_string(gameId), StoredPlayerName(player), damaged);
    if (!mark || (mark->date != today && mark->date != DateBefore(today))) return 0;
    return mark->streak;
}

void RenamePlayerDaily(const std::string& oldName, const std::string& newName) {
    File().RenamePlayer(oldName, newName);
}

void ClearPlayerDaily(const std::string& player) {
    File().ClearPlayer(player);
}

}  // namespace bw
