// brindlewick-tool pack NUMBER [--cards 52|104] [--jokers N] [--strip 0|1|2]
#include <iostream>

#include "core/deal.h"
#include "core/game.h"
#include "core/state.h"
#include "tool.h"

namespace bw::tool {
namespace {

bool ParseInt(const std::string& s, int& out) {
    if (s.empty() || s.size() > 6) return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    out = std::stoi(s);
    return true;
}

int RunPack(Game& game, const Args& args) {
    if (args.empty()) return UsageError("pack needs a game number");
    const std::string& number = args[0];
    if (number.empty() || number.size() > 13 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return UsageError("the game number must be 1 to 13 digits: '" + number + "'");
    int cards = 52, jokers = 0, strip = 0;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return UsageError("option " + args[i] + " needs a value");
        int v = 0;
        if (!ParseInt(args[i + 1], v)) return UsageError("not a number: '" + args[i + 1] + "'");
        if (args[i] == "--cards" && (v == 52 || v == 104)) {
            cards = v;
        } else if (args[i] == "--jokers" && v >= 0 && v <= 4) {
            jokers = v;
        } else if (args[i] == "--strip" && v >= 0 && v <= 2) {
            strip = v;
        } else {
            return UsageError("bad option " + args[i] + " " + args[i + 1]);
        }
    }
    game.GameRules.fill(0);
    game.GameRules[371] = static_cast<int16_t>(cards);
    game.GameRules[374] = static_cast<int16_t>(jokers);
    game.GameRules[44] = jokers > 0 ? 1 : 0;
    game.GameRules[47] = static_cast<int16_t>(strip);
    Pack pack = BuildPackFor(game, number);
    std::string line;
    for (CardCode c : pack) line += (line.empty() ? "" : " ") + FormatCode(c);
    std::cout << line << "\n";
    return 0;
}

Register reg({"pack", "pack NUMBER [--cards 52|104] [--jokers N] [--strip 0|1|2]", RunPack});

}  // namespace
}  // namespace bw::tool
