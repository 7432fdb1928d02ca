// The results file: any DATA\Results.dat is read without a crash; a record
// the program makes, at any count, is one its reader takes back; and after
// a game is recorded the file reads back unchanged by a fresh run, with that
// game counted (damage found on the way costs only what it hit).
#include <algorithm>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace {

bw::GameResult TakeGame(bw::fuzz::Input& in) {
    bw::GameResult g;
    g.score = static_cast<int>(in.U32());
    g.seconds = static_cast<int>(in.U32());
    g.misses = static_cast<int>(in.U32() % 100000);
    g.slips = static_cast<int>(in.U32() % 100000);
    g.won = in.Bool();
    g.date = static_cast<int>(in.U32() % 100000000);
    return g;
}

}  // namespace

BW_FUZZ_TARGET(results) {
    using namespace bw;
    fuzz::FreshProgramState();
    ResetResultsSession();
    fuzz::Input in(data, size);
    const int game = static_cast<int>(in.U32() & 0x7FFFFFFF);
    std::string player = in.Text(31);
    player.erase(player.find_last_not_of(' ') + 1);
    const GameResult result = TakeGame(in);
    // A record to go on from: as stored, when it reads as one.
    ResultRecord record = ParseResultRecord(in.Text(kResultRecordLength)).value_or(ResultRecord{});
    for (int n = in.Byte() % 4; n > 0; --n) record.Add(TakeGame(in));
    const std::string entry = FormatResultEntry(game, player, record);
    const auto back = ParseResultEntry(game, player, entry);
    fuzz::Require(back.has_value(), "a record the program makes reads back");
    fuzz::Require(FormatResultEntry(game, player, *back) == entry, "and writes back the same");

    fuzz::WriteScratch("DATA/Results.dat", in.Rest());
    const PlayerResults before = ReadPlayerResults(player);
    RecordGameResult(game, player, result);
    const PlayerResults after = ReadPlayerResults(player);
    ResetResultsSession();
    fuzz::Require(ReadPlayerResults(player) == after, "what was written reads back as it is");
    if (!player.empty() && IsStorableEntry(player, entry)) {
        const auto was = before.find(game);
        const long played = was == before.end() ? 0 : was->second.played;
        const auto now = after.find(game);
        fuzz::Require(
            now != after.end() && now->second.played == std::min(played + 1, kResultCountMax),
            "the game is counted");
    }
    return 0;
}
