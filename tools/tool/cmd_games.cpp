// Listing the games of GAMES.DAT beside the tool and their rule columns.
#include <iostream>

#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "storage/catalogue.h"
#include "tool.h"

namespace bw::tool {

namespace {

// Loads the catalogue of the program folder; false after a message.
bool LoadGames() {
    UseProgramDir();
    std::string problem = GamesFileProblem(ProgramFile("GAMES.DAT"));
    if (!problem.empty()) {
        std::cerr << "brindlewick-tool: " << problem << "\n";
        return false;
    }
    LoadCatalogue();
    return true;
}

bool ReadId(const std::string& text, int& id) {
    long v = 0;
    if (!ParseGamesInteger(text, v) || v < 0 || v > 9999) return false;
    id = static_cast<int>(v);
    return true;
}

int RunGames(Game& /*game*/, const Args& args) {
    if (!args.empty()) return UsageError("games takes no arguments");
    if (!LoadGames()) return 1;
    for (const std::string& line : MainGame.catalogue) {
        CatalogueEntry e = ParseCatalogueLine(line);
        if (e.id < 0) {
            std::cerr << "brindlewick-tool: skipped an entry whose id is not a number: '" << e.name
                      << "'\n";
            continue;
        }
        std::cout << e.id << " " << e.family << " " << e.name << "\n";
    }
    return 0;
}

int RunRules(Game& game, const Args& args) {
    int id = 0;
    if (args.size() != 1 || !ReadId(args[0], id)) return UsageError("usage: rules ID");
    if (!LoadGames()) return 1;
    if (CatalogueIndex(id) < 0) {
        std::cerr << "brindlewick-tool: no game " << args[0] << " in the catalogue\n";
        return 1;
    }
    LoadGameRules(game, id);
    for (size_t i = 0; i < game.GameRules.size(); ++i)
        if (game.GameRules[i] != 0) std::cout << i << " " << game.GameRules[i] << "\n";
    return 0;
}

Register games{{"games", "games                 one line per game: id, family, name", RunGames}};
Register rules{{"rules", "rules ID              the non-zero rule entries of a game", RunRules}};

}  // namespace

}  // namespace bw::tool
