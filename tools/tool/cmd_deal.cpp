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
std::string PileLine(const std::string& name, const std::string& pile) {
    std::string line = name + ":";
    for (size_t i = 0; i + 3 <= pile.size(); i += 3) {
        std::string slot = pile.substr(i, 3);
        line += " " + slot;
        if (slot != "000") line += IsFaceDown(ProgramGame(), std::stoi(slot)) ? "-" : "+";
    }
    return line;
}

int Run(const Args& args) {
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
    LoadGameRules(ProgramGame(), static_cast<int>(id));
    SetValue(ProgramGame().values.number, field::kGameNumber, number);
    DealGame(ProgramGame());

    std::cout << PileLine("Mazzo", ProgramGame().MazzoPiles[0]) << "\n"
              << PileLine("Mazzo_Vis", ProgramGame().MazzoPiles[1]) << "\n"
              << PileLine("Waste", ProgramGame().MazzoPiles[2]) << "\n";
    auto count = [](int entry, int most) {
        return std::clamp<int>(ProgramGame().GameRules[entry], 0, most);
    };
    for (int i = 0; i < count(367, 16); ++i)
        std::cout << PileLine("Dest" + std::to_string(i + 1), ProgramGame().DestPiles[i]) << "\n";
    for (int i = 0; i < count(368, 40); ++i)
        std::cout << PileLine("Fila" + std::to_string(i + 1), ProgramGame().FilaPiles[i]) << "\n";
    for (int i = 0; i < count(369, 10); ++i)
        std::cout << PileLine("Appogg" + std::to_string(i + 1), ProgramGame().AppoggPiles[i])
                  << "\n";
    return 0;
}

const Register kDeal{
    {"deal", "deal ID NUMBER        the piles a game number deals (+ up, - down)", Run}};

}  // namespace
}  // namespace bw::tool
