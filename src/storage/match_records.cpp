#include "storage/match_records.h"

#include "core/params.h"
#include "core/ports.h"
#include "storage/player_entries.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {

constexpr size_t kCountWidth = 6;
constexpr size_t kRecordLength = 4 * kCountWidth + 3;  // "000012 000007 000004 000001"
constexpr long kCountMax = 999999;

std::string Record(const MatchRecord& r) {
    const int width = static_cast<int>(kCountWidth);
    return FormatNumber(r.played, width) + " " + FormatNumber(r.won, width) + " " +
           FormatNumber(r.lost, width) + " " + FormatNumber(r.tied, width);
}

std::optional<MatchRecord> RecordOf(const std::string& record) {
    if (record.size() != kRecordLength) return std::nullopt;
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

const PlayerEntryFile& File() {
    static const PlayerEntryFile file(kMatchesFile, kRecordLength,
                                      [](const std::string& r) { return RecordOf(r).has_value(); });
    return file;
}

}  // namespace

bool RecordMatchResult(int gameId, const std::string& player, MatchOutcome outcome) {
    const std::string p = StoredPlayerName(player);
    const std::string section = std::to_string(gameId);
    if (gameId < 0 || !File().Storable(p)) return false;
    bool exists = false;
    if (!File().Usable(exists)) {
        Dialogs().Info(SectionFileError(File().Path()).what());
        return false;
    }
    bool damaged = false;
    PlayerEntryFile::Entries all = exists ? File().ReadAll(damaged) : PlayerEntryFile::Entries{};
    const auto& held = all[section];
    const auto it = held.find(p);
    MatchRecord r = it == held.end() ? MatchRecord{} : *RecordOf(it->second);
    // Once played is at its maximum the counts stay as they are, so they
    // still add up.
    if (r.played < kCountMax) {
        ++r.played;
        ++(outcome == MatchOutcome::kWon    ? r.won
           : outcome == MatchOutcome::kLost ? r.lost
                                            : r.tied);
    }
    if (!damaged) return File().Write(section, p, Record(r));
    all[section][p] = Record(r);
    return File().RewriteAll(all, damaged);
}

std::optional<MatchRecord> ReadMatchRecord(int gameId, const std::string& player) {
    bool damaged = false;
    const auto record = File().Read(std::to_string(gameId), StoredPlayerName(player), damaged);
    return record ? RecordOf(*record) : std::nullopt;
}

MemoryModel PlayerRecallModel(int gameId, const std::string& player, int pairs) {
    const PlayerResults results = ReadPlayerResults(player);
    const auto it = results.find(gameId);
    return RecallModel(it == results.end() ? std::vector<GameResult>{} : it->second.history, pairs);
}

void RenamePlayerMatches(const std::string& oldName, const std::string& newName) {
    File().RenamePlayer(oldName, newName);
}

void ClearPlayerMatches(const std::string& player) {
    File().ClearPlayer(player);
}

}  // namespace bw
