// brindlewick-tool deal ID NUMBER: the table a game number deals, pile by pile.
#include <algorithm>
#include <iostream>

#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/rules.h"
#include "core/state.h"
#include "storage/catalogue.h"
#include "tool.h"

namespace bw::tool {
namespace {

// "name: 012+ 000 065-": each slot's code, "+" face up, "-" face down.
std::string PileLine(Game& game, const std::string& name, const std::string& pile) {
    std::string line = name + ":";
    for (size_t i = 0; i + 3 <= pile.size(); i += 3) {
        std::string slot = pile.substr(i, 3);
        line += " " + slot;
        if (slot != "000") line += IsFaceDown(game, std::stoi(slot)) ? "-" : "+";
    }
    return line;
}

int Run(Game& game, const Args& args) {
    if (args.size() != 2) return UsageError("usage: deal ID NUMBER");
    long id = 0;
    if (!ParseGamesInteger(args[0], id) || id < 0 || id > 9999 || args[0][0] == ' ')
        return UsageError("bad game id '" + args[0] + "'");
    const std::string& number = args[1];
    if (number.empty() || number.size() > 13 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return UsageError("the game number must be 1 to 13 digits: '" + number + "'");

    UseProgramDir();
    std::string problem = GamesFileProblem(ProgramFile("GAMES.DAT"));
    if (!problem.empty()) {
        std::cerr << "brindlewick-tool: " << problem << "\n";
        return 1;
    }
    LoadCatalogue();
    if (CatalogueIndex(static_cast<int>(id)) < 0) {
        std::cerr << "brindlewick-tool: no game " << args[0] << " in the catalogue\n";
        return 1;
    }
    LoadGameRules(game, static_cast<int>(id));
    SetValue(game.values.number, field::kGameNumber, number);
    DealGame(game);

    std::cout << PileLine(game, "Mazzo", game.MazzoPiles[0]) << "\n"
              << PileLine(game, "Mazzo_Vis", game.MazzoPiles[1]) << "\n"
              << PileLine(game, "Waste", game.MazzoPiles[2]) << "\n";
    auto count = [&game](int entry, int most) {
        return std::clamp<int>(game.GameRules[entry], 0, most);
    };
    for (int i = 0; i < count(367, 16); ++i)
        std::cout << PileLine(game, "Dest" + std::to_string(i + 1), game.DestPiles[i]) << "\n";
    for (int i = 0; i < count(368, 40); ++i)
        std::cout << PileLine(game, "Fila" + std::to_string(i + 1), game.FilaPiles[i]) << "\n";
    for (int i = 0; i < count(369, 10); ++i)
        std::cout << PileLine(game, "Appogg" + std::to_string(i + 1), game.AppoggPiles[i]) << "\n";
    return 0;
}

const Register kDeal{
    {"deal", "deal ID NUMBER        the piles a game number deals (+ up, - down)", Run}};

}  // namespace
}  // namespace bw::tool
