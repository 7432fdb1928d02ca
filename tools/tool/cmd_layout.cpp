// brindlewick-tool layout: where each pile of a game lies on a table of a
// given size, computed by the program's own layout from GAMES.DAT, or in the
// main window of a given size, measured on the window itself.
#include <iostream>
#include <optional>

#include "app/main_window.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "layout_options.h"
#include "render/layout.h"
#include "storage/catalogue.h"
#include "tool.h"
#include "window_view.h"

namespace bw::tool {
namespace {

const std::string kUsage = std::string("layout ID ") + kLayoutOptionsUsage +
                           "\n    prints each pile's name, left and top; the screen defaults to"
                           " the table's width and height\n    (with --window: to the display's"
                           " size, or the window's without a display), after a line\n"
                           "    \"Card W H\": the card size in force\n    " +
                           kWindowOptionsHelp + "\n    " + kSizeOptionsHelp;

int Run(Game& game, const Args& args) {
    if (args.empty()) return UsageError("missing game id; usage: " + kUsage);
    std::optional<int> id = ParseCoordinate(args[0]);
    if (!id || *id < 0) return UsageError("bad game id '" + args[0] + "'");

    LayoutOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        switch (ParseLayoutOption(args, i, options)) {
            case OptionResult::kTaken: break;
            case OptionResult::kError: return 2;
            case OptionResult::kNotMine:
                return UsageError("unknown option '" + args[i] + "'; usage: " + kUsage);
        }
    }
    if (!HasTableRect(options, kUsage)) return 2;

    if (options.Window()) {
        return WithDealtWindow(game, *id, std::string(), options, [](TfrmMain& window) {
            std::cout << "Card " << window.game().CardWidth << " " << window.game().CardHeight
                      << "\n"
                      << FormatPilePositions(PilesInWindow(window));
            return 0;
        });
    }

    UseProgramDir();
    if (!LoadCatalogue()) {
        std::cerr << "brindlewick-tool: cannot read " << ProgramFile("GAMES.DAT") << "\n";
        return 1;
    }
    if (CatalogueIndex(*id) < 0) return UsageError("unknown game id " + std::to_string(*id));
    LoadGameRules(game, *id);

    SetOverlapOffsets(game, options.cardSize);
    const LayoutInput in = ToLayoutInput(game, options);
    ResetAndLayOutPiles(game, in);
    std::cout << "Card " << in.cardWidth << " " << in.cardHeight << "\n"
              << FormatPilePositions(PilesOnTable(game));
    return 0;
}

const Register kLayout{{"layout", kUsage, Run}};

}  // namespace
}  // namespace bw::tool
