// The replays file and the turn records in it: any DATA\Replays.dat is read
// without a crash, and the games it gives write back as themselves; a turn
// record the reader takes writes back as itself, and its memory measures stay
// within the record; a finished game recorded over any file reads back last,
// and follows its player's rename.
#include <algorithm>

#include "core/turn_record.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/replays.h"

namespace {

void CheckMeasures(const bw::TurnRecord& record) {
    using namespace bw;
    const int turns = static_cast<int>(record.turns.size());
    const RecallProfile p = Recall(record);
    fuzz::Require(static_cast<int>(p.slips.size()) == SlipCount(record), "one mark per slip");
    for (int span : p.spans) fuzz::Require(span >= 1 && span < turns, "a span lies in the game");
    for (const SlipMark& m : p.slips)
        fuzz::Require(m.turn >= 1 && m.turn <= turns &&
                          (m.turnsAgo == -1 || (m.turnsAgo >= 1 && m.turnsAgo < m.turn)),
                      "a slip's partner was seen before it");
    const MemorySummary s = SummarizeMemory({record, record});
    fuzz::Require(s.slipsPerGame.size() == 2 && s.heat.Most() <= 2 * SlipCount(record),
                  "the heat map counts no more than the slips");
}

}  // namespace

BW_FUZZ_TARGET(replays) {
    using namespace bw;
    fuzz::FreshProgramState();
    ResetReplaysSession();
    fuzz::Input in(data, size);
    const int game = static_cast<int>(in.U32() % 10000);
    std::string player = in.Text(31);
    player.erase(player.find_last_not_of(' ') + 1);
    const auto record = ParseTurnRecord(in.Text(4096));
    const std::string file = in.Rest();

    if (record) {
        fuzz::Require(ParseTurnRecord(TurnRecordText(*record)) == record,
                      "a turn record writes back as itself");
        CheckMeasures(*record);
    }
    const ReplayFileText read = ParseReplays(file);
    if (!read.unreadable) {
        const ReplayFileText again = ParseReplays(ReplaysText(read.games));
        fuzz::Require(!again.unreadable && !again.damaged && again.games == read.games,
                      "the games read write back as themselves");
        for (const StoredReplay& r : read.games) CheckMeasures(r.record);
    }

    fuzz::WriteScratch("DATA/Replays.dat", file);
    ReadReplays(game, player);
    if (!record) return 0;
    RecordReplay(game, player, 20261210, *record);
    TurnRecord kept = *record;
    std::erase_if(kept.turns, [](const Turn& t) { return t.outcome == TurnOutcome::kOpen; });
    const std::vector<StoredReplay> after = ReadReplays(game, player);
    const bool storable = !player.empty() && player.find_first_of("\r\n") == std::string::npos;
    if (!storable || kept.turns.empty()) return 0;
    fuzz::Require(!after.empty() && after.back().record == kept && after.back().date == 20261210,
                  "the recorded game reads back last");
    fuzz::Require(after.size() <= static_cast<size_t>(kReplayHistory), "at most 50 are kept");
    const std::string other = player == "Zed" ? "Amy" : "Zed";
    RenamePlayerReplays(player, other);
    fuzz::Require(
        ReadReplays(game, player).empty() && ReadReplays(game, other) ==
                                                 [&] {
                                                     std::vector<StoredReplay> moved = after;
                                                     for (StoredReplay& r : moved) r.player = other;
                                                     return moved;
                                                 }(),
        "a renamed player's games follow the name");
    return 0;
}
