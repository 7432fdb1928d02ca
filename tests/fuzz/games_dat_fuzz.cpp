// GAMES.DAT as the program reads it: the catalogue with its character
// substitution, the start-up check, every rules column, the look-ups the
// dialogs make, and the decoder behind "brindlewick-tool decompile".
#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/catalogue.h"
#include "storage/games_source.h"
#include "support/program_game.h"

namespace {
// Narrow enough that the 800 x 600 flag of an entry is looked at.
class NarrowScreen : public bw::IScreen {
public:
    int Width() override { return 640; }
};
}  // namespace

BW_FUZZ_TARGET(games_dat) {
    using namespace bw;
    static NarrowScreen screen;
    fuzz::FreshProgramState();
    InstalledPorts().screen = &screen;
    fuzz::Input in(data, size);
    const int probe = static_cast<int>(in.U32() % 1200) - 100;
    const std::string bytes = in.Rest();
    const std::string path = fuzz::WriteScratch("GAMES.DAT", bytes);

    for (unsigned char c = 32; c < 128; ++c)
        fuzz::Require(
            DecodeGamesChar(EncodeGamesChar(static_cast<char>(c))) == static_cast<char>(c),
            "the substitution is its own inverse on plain text");
    GamesFileProblem(path);
    if (!LoadCatalogue()) return 0;
    // Each look-up reads the whole file again: a few entries show it all.
    for (size_t i = 0; i < MainGame.catalogue.size() && i < 2; ++i) {
        const CatalogueEntry e = ParseCatalogueLine(MainGame.catalogue[i]);
        LoadGameRules(ProgramGame(), e.id);
        GameName(e.id);
        GameFamily(e.id);
        GameIdByName(e.name);
        CanPlayOnThisScreen(e.id);
        GameRuleValues(e.id, {-1, 0, 51, 368, 488, 489, 100000});
    }
    LoadRuleColumn(path, probe, ProgramGame().GameRules);
    CatalogueIndex(probe);
    GameName(probe, "caller");
    AllGameNames();
    SetValue(ProgramGame().values.id, field::kGameId, FormatNumber(probe, 4));
    CheckStoredGame(ProgramGame());

    std::vector<GameSource> games;
    std::vector<std::string> warnings;
    DecodeGames(bytes, games, warnings);
    return 0;
}
