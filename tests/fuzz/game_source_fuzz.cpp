// The ".game" source compiler: what parses compiles, and GAMES.DAT decodes
// back to the same games; a formatted game parses back unchanged.
#include <algorithm>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/games_source.h"

namespace {

bool SameGame(const bw::GameSource& a, const bw::GameSource& b, bool withRules) {
    if (a.id != b.id || a.family != b.family || a.editionClass != b.editionClass ||
        a.needs800x600 != b.needs800x600 || a.name != b.name)
        return false;
    if (!withRules) return true;
    if (a.rules.size() != b.rules.size()) return false;
    for (size_t i = 0; i < a.rules.size(); ++i)
        // An entry left unnamed takes the name another game gave it.
        if (a.rules[i].index != b.rules[i].index || a.rules[i].value != b.rules[i].value ||
            (!a.rules[i].shortName.empty() && a.rules[i].shortName != b.rules[i].shortName))
            return false;
    return true;
}

}  // namespace

BW_FUZZ_TARGET(game_source) {
    using namespace bw;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Two files when the input holds a "%%" line: duplicates across files.
    std::vector<std::string> files;
    const size_t split = text.find("\n%%\n");
    files.push_back(text.substr(0, split));
    if (split != std::string::npos) files.push_back(text.substr(split + 4));

    std::vector<GameSource> games;
    std::vector<std::string> errors;
    for (size_t i = 0; i < files.size(); ++i) {
        GameSource g;
        if (!ParseGameSource(files[i], "f" + std::to_string(i), g, errors)) return 0;
        GameSource again;
        std::vector<std::string> none;
        fuzz::Require(ParseGameSource(FormatGameSource(g), "again", again, none),
                      "a formatted game parses");
        fuzz::Require(SameGame(g, again, true) && again.header == g.header,
                      "a formatted game parses back unchanged");
        games.push_back(g);
    }
    std::string bytes;
    if (!CompileGames(games, bytes, errors)) return 0;
    std::vector<GameSource> decoded;
    std::vector<std::string> warnings;
    fuzz::Require(DecodeGames(bytes, decoded, warnings), "compiled games decode");
    fuzz::Require(warnings.empty(), "compiled games decode without warnings");
    fuzz::Require(decoded.size() == games.size(), "every compiled game decodes");
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.id < b.id; });
    for (size_t i = 0; i < games.size(); ++i) {
        const bool hasColumn = games[i].editionClass == '0' || games[i].editionClass == '5';
        fuzz::Require(SameGame(games[i], decoded[i], hasColumn),
                      "decoded games match their sources");
    }
    return 0;
}
