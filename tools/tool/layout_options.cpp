#include "layout_options.h"

#include <cerrno>
#include <cstdlib>

#include "core/card_size.h"
#include "core/game.h"

namespace bw::tool {

std::optional<int> ParseCoordinate(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

OptionResult ParseLayoutOption(const Args& args, size_t& i, LayoutOptions& out) {
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
    bool ok = true;
    if (opt == "--top") {
        ok = number(out.top);
    } else if (opt == "--bottom") {
        ok = number(out.bottom);
    } else if (opt == "--height") {
        ok = number(out.height);
    } else if (opt == "--width") {
        ok = number(out.width);
    } else if (opt == "--screen") {
        ok = number(out.screenWidth) && number(out.screenHeight);
    } else if (opt == "--window") {
        ok = number(out.windowWidth) && number(out.windowHeight);
    } else if (opt == "--frame") {
        std::optional<int> side[4];
        ok = number(side[0]) && number(side[1]) && number(side[2]) && number(side[3]);
        for (int k = 0; ok && k < 4; ++k) out.frame[k] = *side[k];
        out.frameGiven = true;
    } else if (opt == "--card-size") {
        if (i + 1 >= args.size() || (args[i + 1] != "S" && args[i + 1] != "B" &&
                                     args[i + 1] != "M" && args[i + 1] != "fit")) {
            UsageError("--card-size takes fit, S, B or M");
            return OptionResult::kError;
        }
        ++i;
        out.cardSize = args[i] == "fit" ? kFitToTableSize : args[i][0];
        out.cardSizeGiven = true;
    } else if (opt == "--scale") {
        const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
        errno = 0;
        char* end = nullptr;
        const double ratio = value.empty() ? 0.0 : std::strtod(value.c_str(), &end);
        if (value.empty() || errno != 0 || *end != '\0' || !(ratio >= 1.0 && ratio <= 4.0)) {
            UsageError("--scale takes a ratio from 1 to 4");
            return OptionResult::kError;
        }
        ++i;
        out.scale = ratio;
    } else if (opt == "--no-shadow") {
        out.shadow = false;
    } else {
        return OptionResult::kNotMine;
    }
    return ok ? OptionResult::kTaken : OptionResult::kError;
}

bool HasTableRect(const LayoutOptions& o, const std::string& usage) {
    auto inRange = [](const std::optional<int>& v, int least) {
        return !v || (*v >= least && *v <= kMaxWindowSide);
    };
    if (o.Window()) {
        if (o.top || o.bottom || o.height || o.width || !o.shadow) {
            UsageError(
                "--window takes the table from the window and the default preferences; "
                "leave out --top, --bottom, --height, --width and --no-shadow");
            return false;
        }
        if (!inRange(o.windowWidth, 1) || !inRange(o.windowHeight, 1) ||
            !inRange(o.screenWidth, 1) || !inRange(o.screenHeight, 1)) {
            UsageError("window and screen sides go from 1 to " + std::to_string(kMaxWindowSide));
            return false;
        }
        for (int side : o.frame) {
            if (side < 0 || side > 1000) {
                UsageError("the frame's sides go from 0 to 1000");
                return false;
            }
        }
        return true;
    }
    if (o.frameGiven) {
        UsageError("--frame goes with --window");
        return false;
    }
    if (o.top && o.bottom && o.height && o.width) return true;
    UsageError("--top, --bottom, --height and --width are required; usage: " + usage);
    return false;
}

LayoutInput ToLayoutInput(Game& game, const LayoutOptions& o) {
    LayoutInput in;
    in.top = o.top.value_or(0);
    in.bottom = o.bottom.value_or(0);
    in.height = o.height.value_or(0);
    in.width = o.width.value_or(0);
    in.screenWidth = o.screenWidth ? *o.screenWidth : in.width;
    in.screenHeight = o.screenHeight ? *o.screenHeight : in.height;
    in.shadowOffset = o.shadow ? 9 : 0;
    if (o.cardSize != kFitToTableSize) {
        CardSizeForLetter(o.cardSize, in.cardWidth, in.cardHeight);
        return in;
    }
    // Every pile's anchor card whole inside the table rectangle.
    const int kept = game.CardHeight;
    in.cardHeight = LargestFittedHeight([&in, &game](int h) {
        LayoutInput trial = in;
        trial.cardHeight = h;
        trial.cardWidth = FittedCardWidth(h);
        game.CardHeight = h;
        SetOverlapOffsets(game, kFitToTableSize);
        ResetAndLayOutPiles(game, trial);
        for (const PilePosition& p : PilesOnTable(game)) {
            if (p.left < 0 || p.top < trial.top || p.left + trial.cardWidth > trial.width ||
                p.top + h > trial.bottom + 1)
                return false;
        }
        return true;
    });
    in.cardWidth = FittedCardWidth(in.cardHeight);
    game.CardHeight = in.cardHeight;
    SetOverlapOffsets(game, kFitToTableSize);
    game.CardHeight = kept;
    return in;
}

}  // namespace bw::tool
