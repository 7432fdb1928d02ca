#pragma once
// The table options shared by the commands that lay a game out: the table
// rectangle, the screen, the card size and the card shadows.
#include <optional>
#include <string>

#include "render/layout.h"
#include "tool.h"

namespace bw::tool {

inline constexpr const char* kLayoutOptionsUsage =
    "{--top T --bottom B --height H --width W [--no-shadow] |\n"
    "       --window W H [--frame L T R B]} [--screen SW SH] [--card-size fit|S|B|M]\n"
    "       [--scale RATIO]";

// What --card-size and --scale mean, for the usage texts.
inline constexpr const char* kSizeOptionsHelp =
    "--card-size: the card size (default B; fit: \"Fit to the table\"). --scale: the\n"
    "    screen's device pixels per logical pixel, 1 to 4 (default 1); coordinates stay\n"
    "    logical, pictures are written at device pixels.";

// What --window means, for the usage texts.
inline constexpr const char* kWindowOptionsHelp =
    "--window W H: the main window of that size (without the window manager's frame;\n"
    "    what a resize of the window to W x H gives), with the default preferences; the\n"
    "    coordinates are the window's, the menu bar included. --frame: the window\n"
    "    manager's frame around it, left, top, right, bottom (default none).";

// The largest window and screen the tool builds (its table pictures are as big).
inline constexpr int kMaxWindowSide = 8192;

struct LayoutOptions {
    std::optional<int> top, bottom, height, width, screenWidth, screenHeight;
    std::optional<int> windowWidth, windowHeight;
    int frame[4] = {0, 0, 0, 0};  // left, top, right, bottom
    bool frameGiven = false;
    bool cardSizeGiven = false;
    char cardSize = 'B';  // S, B, M or kFitToTableSize
    double scale = 1.0;   // device pixels per logical pixel
    bool shadow = true;
    bool Window() const { return windowWidth.has_value(); }
};

// A whole decimal number that fits the layout's 16-bit coordinates.
std::optional<int> ParseCoordinate(const std::string& text);

enum class OptionResult { kTaken, kNotMine, kError };
// Takes the layout option at args[i] (and its values, advancing i). Errors
// are reported on standard error.
OptionResult ParseLayoutOption(const Args& args, size_t& i, LayoutOptions& out);
// Reports a missing part of the table rectangle, or, with --window, a table
// option beside it or a size out of range; true when the options fit.
bool HasTableRect(const LayoutOptions& o, const std::string& usage);
// The layout's input: the screen defaults to the table's width and height.
// With fitted cards the card size is the largest at which every pile of the
// current game (rules loaded) lies whole on the table.
LayoutInput ToLayoutInput(Game& game, const LayoutOptions& o);

}  // namespace bw::tool
