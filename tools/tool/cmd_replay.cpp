// brindlewick-tool replay --data DIR --game ID [--player NAME] [--last K]:
// one stored memory game, turn by turn, for scripts and bug reports. The
// file is only read, never repaired.
#include <cerrno>
#include <iostream>

#include "core/rules.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "storage/replays.h"
#include "tool.h"

namespace bw::tool {
namespace {

constexpr const char* kUsage = "usage: replay --data DIR --game ID [--player NAME] [--last K]";

bool Whole(const std::string& text, long least, long most, long& out) {
    return !text.empty() && text[0] != ' ' && ParseGamesInteger(text, out) && out >= least &&
           out <= most;
}

int Run(Game& /*game*/, const Args& args) {
    std::string data, player;
    bool anyPlayer = true;
    long id = -1, last = 1;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return UsageError(kUsage);
        const std::string& key = args[i];
        const std::string& value = args[i + 1];
        if (key == "--data") {
            data = value;
        } else if (key == "--game") {
            if (!Whole(value, 0, 9999, id)) return UsageError("bad game id '" + value + "'");
        } else if (key == "--player") {
            player = value;
            anyPlayer = false;
        } else if (key == "--last") {
            if (!Whole(value, 1, kReplayHistory, last))
                return UsageError("bad --last '" + value + "': 1 to " +
                                  std::to_string(kReplayHistory));
        } else {
            return UsageError(kUsage);
        }
    }
    if (data.empty() || id < 0) return UsageError(kUsage);
    if (!data.empty() && data.back() != '/') data += '/';
    const std::string path = platform::ResolvePath(data, "Replays.dat");
    std::string text;
    if (const int err = platform::ReadRegularFile(path, text, size_t{64} << 20); err != 0)
        return UsageError("cannot read " + path + ": " + platform::FileErrorText(err));
    const ReplayFileText file = ParseReplays(text);
    if (file.unreadable) return UsageError(path + " is not a replay file");
    if (file.damaged) std::cerr << "brindlewick-tool: damaged lines of " << path << " skipped\n";
    std::vector<const StoredReplay*> games;
    for (const StoredReplay& r : file.games)
        if (r.gameId == id && (anyPlayer || r.player == player)) games.push_back(&r);
    if (games.size() < static_cast<size_t>(last))
        return UsageError("no game " + std::to_string(last) + " back of game " +
                          std::to_string(id) + (anyPlayer ? "" : " for player '" + player + "'") +
                          " (" + std::to_string(games.size()) + " stored)");
    const StoredReplay& game = *games[games.size() - static_cast<size_t>(last)];
    std::cout << "game " << id << " deal " << game.record.deal << "\n";
    int n = 0;
    for (const Turn& turn : game.record.turns) {
        std::cout << "turn " << ++n;
        for (const TurnCard& c : turn.cards) std::cout << " " << FormatCode(c.card);
        std::cout << " " << OutcomeWord(turn.outcome) << "\n";
    }
    return 0;
}

const Register kReplay{{"replay",
                        "replay --data DIR --game ID [--player NAME] [--last K]\n    "
                        "a stored memory game turn by turn (DIR: the DATA folder;\n    "
                        "K: the K-th last game, 1 by default; all players unless named)",
                        Run}};

}  // namespace
}  // namespace bw::tool
