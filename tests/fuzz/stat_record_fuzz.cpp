// The single-game statistics records: any stored text is unscrambled and
// judged by its check number; a record built for a count reads back as
// that count; and any Stat_uni.dat either gives counts or is thrown away,
// and once cleared reads as zero.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/statistics.h"

BW_FUZZ_TARGET(stat_record) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::Input in(data, size);
    const bool won = in.Bool();
    const int game = static_cast<int>(in.U32() % 8000);
    const long count = static_cast<long>(in.U32() % 1000000);
    const std::string stored = in.Text(40);
    const std::string file = in.Rest();

    const std::string key = won ? single_game::WonKey(game) : single_game::LostKey(game);
    single_game::ParseRecord(key, won, single_game::Unscramble(stored));
    const std::string built = single_game::BuildRecord(key, won, count);
    fuzz::Require(single_game::ParseRecord(
                      key, won, single_game::Unscramble(single_game::Scramble(built))) == count,
                  "a built record reads back as its count");

    fuzz::WriteScratch("DATA/Stat_uni.dat", file);
    ReadSingleGameValues(game, "Player");
    ClearSingleGameValues(game, "Player");
    if (auto counts = ReadSingleGameValues(game, "Player"))
        fuzz::Require(counts->won == 0 && counts->lost == 0, "cleared values read as zero");
    return 0;
}
