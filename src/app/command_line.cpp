#include "app/command_line.h"

#include <algorithm>

#include "app/placeholders.h"
#include "app/product_info.h"
#include "build_info.h"
#include "core/new_game.h"
#include "storage/catalogue.h"

namespace bw {

std::optional<int> AnswerCommandLine(const std::vector<std::string>& args,
                                     const std::string& programDir, const std::string& dataDir,
                                     std::ostream& out) {
    auto has = [&args](std::initializer_list<const char*> names) {
        return std::any_of(args.begin(), args.end(), [&](const std::string& a) {
            return std::find(names.begin(), names.end(), a) != names.end();
        });
    };
    if (has({"--help", "-h"})) {
        out << "Usage: brindlewick [--help | --version] [--game ID] [--deal NUMBER]\n\n"
            << kProductName << " " << BW_VERSION << ". " << kProductLine << "\n"
            << "The game is played with the mouse or the keyboard.\n\n"
            << "  -h, --help       show this help and exit\n"
            << "      --version    show the version and exit\n"
            << "      --game ID    start game ID (see 'brindlewick-tool games')\n"
            << "      --deal NUMBER  deal NUMBER (1 to 13 digits) of that game, or of the\n"
            << "                   last game played\n\n"
            << "Games, pictures and help: " << programDir << "\n"
            << "Settings and statistics:  " << dataDir << "\n";
        return 0;
    }
    if (has({"--version"})) {
        out << "brindlewick " << BW_VERSION << "\n" << kProductName << "\n" << BW_COPYRIGHT << "\n";
        return 0;
    }
    return std::nullopt;
}

std::optional<int> ReadDealRequest(const std::vector<std::string>& args, DealRequest& out,
                                   std::ostream& err) {
    std::string gameText, numberText;
    bool gameGiven = false, numberGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool game = args[i] == "--game", deal = args[i] == "--deal";
        if (!game && !deal) continue;
        if (i + 1 == args.size()) {
            err << "brindlewick: " << args[i] << " needs a value\n";
            return 2;
        }
        (game ? gameText : numberText) = args[++i];
        (game ? gameGiven : numberGiven) = true;
    }
    if (numberGiven) {
        const auto number = DealNumberFromText(numberText);
        if (!number) {
            err << "brindlewick: the deal number must be 1 to 13 digits: '" << numberText << "'\n";
            return 2;
        }
        out.number = *number;
    }
    if (!gameGiven) return std::nullopt;
    const bool digits = !gameText.empty() && gameText.size() <= 4 &&
                        gameText.find_first_not_of("0123456789") == std::string::npos;
    const int id = digits ? std::stoi(gameText) : -1;
    std::string name;
    if (id >= 0 && LoadCatalogue() && CatalogueIndex(id) >= 0) name = GameName(id);
    CustomGames custom;
    if (id >= 8000 && ReadCustomGames(custom))
        for (size_t k = 0; k < custom.numbers.size(); ++k)
            if (custom.numbers[k] == id && CustomGameBase(id) >= 0) {
                name = custom.names[k];
                name.erase(name.find_last_not_of(' ') + 1);
            }
    if (name.empty()) {
        err << "brindlewick: no game '" << gameText << "' (the games: brindlewick-tool games)\n";
        return 2;
    }
    out.game = id;
    out.name = name;
    return std::nullopt;
}

}  // namespace bw
