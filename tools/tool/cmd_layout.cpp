// brindlewick-tool layout: where each pile of a game lies on a table of a
// given size, computed by the program's own layout from GAMES.DAT.
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "render/layout.h"
#include "storage/catalogue.h"
#include "tool.h"

namespace bw::tool {
namespace {

const char* const kUsage =
    "layout ID --top T --bottom B --height H --width W [--screen SW SH] [--card-size S|B|M] "
    "[--no-shadow]   (the screen defaults to the table's width and height)";

// A whole decimal number that fits the layout's 16-bit coordinates.
std::optional<int> ParseCoordinate(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

int Run(const Args& args) {
    if (args.empty()) return UsageError(std::string("missing game id; usage: ") + kUsage);
    std::optional<int> id = ParseCoordinate(args[0]);
    if (!id || *id < 0) return UsageError("bad game id '" + args[0] + "'");

    std::optional<int> top, bottom, height, width, screenW, screenH;
    char size = 'B';
    bool shadow = true;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& opt = args[i];
        auto number = [&](std::optional<int>& into) -> bool {
            if (i + 1 >= args.size()) {
                UsageError(opt + " needs a number");
                return false;
            }
            into = ParseCoordinate(args[++i]);
            if (!into) {
                UsageError("bad number for " + opt + ": '" + args[i] + "'");
                return false;
            }
            return true;
        };
        if (opt == "--top") {
            if (!number(top)) return 2;
        } else if (opt == "--bottom") {
            if (!number(bottom)) return 2;
        } else if (opt == "--height") {
            if (!number(height)) return 2;
        } else if (opt == "--width") {
            if (!number(width)) return 2;
        } else if (opt == "--screen") {
            if (!number(screenW) || !number(screenH)) return 2;
        } else if (opt == "--card-size") {
            if (i + 1 >= args.size() ||
                (args[i + 1] != "S" && args[i + 1] != "B" && args[i + 1] != "M"))
                return UsageError("--card-size takes S, B or M");
            size = args[++i][0];
        } else if (opt == "--no-shadow") {
            shadow = false;
        } else {
            return UsageError("unknown option '" + opt + "'; usage: " + kUsage);
        }
    }
    if (!top || !bottom || !height || !width)
        return UsageError(
            std::string("--top, --bottom, --height and --width are required; usage: ") + kUsage);

    UseProgramDir();
    if (!LoadCatalogue()) {
        std::cerr << "brindlewick-tool: cannot read " << ProgramFile("GAMES.DAT") << "\n";
        return 1;
    }
    if (CatalogueIndex(*id) < 0) return UsageError("unknown game id " + std::to_string(*id));
    LoadGameRules(*id);

    LayoutInput in;
    in.top = *top;
    in.bottom = *bottom;
    in.height = *height;
    in.width = *width;
    in.screenWidth = screenW ? *screenW : *width;
    in.screenHeight = screenH ? *screenH : *height;
    in.shadowOffset = shadow ? 9 : 0;
    CardSizeForLetter(size, in.cardWidth, in.cardHeight);
    SetOverlapOffsets(size);
    ResetAndLayOutPiles(in);
    std::cout << FormatPilePositions(PilesOnTable());
    return 0;
}

const Register kLayout{{"layout", kUsage, Run}};

}  // namespace
}  // namespace bw::tool
