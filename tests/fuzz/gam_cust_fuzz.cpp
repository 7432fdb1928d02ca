// DATA\GAM_CUST.DAT, the customised games, beside a small catalogue: the
// lists the open-game dialog shows and the look-ups of a customised game.
#include "core/ports.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/catalogue.h"
#include "storage/games_source.h"

namespace {

class NarrowScreen : public bw::IScreen {
public:
    int Width() override { return 640; }
};

const std::string& SmallCatalogue() {
    static const std::string bytes = [] {
        std::vector<bw::GameSource> games(2);
        games[0].id = 201;
        games[0].family = 16;
        games[0].name = "Memory-Up (6x4)";
        games[1].id = 203;
        games[1].family = 16;
        games[1].needs800x600 = true;
        games[1].name = "Concentration";
        std::string out;
        std::vector<std::string> errors;
        bw::CompileGames(games, out, errors);
        return out;
    }();
    return bytes;
}

}  // namespace

BW_FUZZ_TARGET(gam_cust) {
    using namespace bw;
    static NarrowScreen screen;
    fuzz::FreshProgramState();
    InstalledPorts().screen = &screen;
    fuzz::WriteScratch("GAMES.DAT", SmallCatalogue());
    fuzz::WriteScratch("DATA/GAM_CUST.DAT", std::string(reinterpret_cast<const char*>(data), size));
    LoadCatalogue();

    CustomGames custom;
    if (!ReadCustomGames(custom)) return 0;
    fuzz::Require(custom.names.size() == custom.numbers.size() &&
                      custom.numbers.size() == custom.bases.size() &&
                      custom.bases.size() == custom.options.size(),
                  "the four lists run in parallel");
    for (size_t i = 0; i < custom.numbers.size() && i < 16; ++i) {
        std::string options;
        CustomGameBase(custom.numbers[i], &options);
        GameName(custom.numbers[i], custom.names[i]);
        GameFamily(custom.numbers[i]);
        CanPlayOnThisScreen(custom.numbers[i]);
    }
    AllGameNames();
    return 0;
}
