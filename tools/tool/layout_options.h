#pragma once
// The table options shared by the commands that lay a game out: the table
// rectangle, the screen, the card size and the card shadows.
#include <optional>
#include <string>

#include "render/layout.h"
#include "tool.h"

namespace bw::tool {

inline constexpr const char* kLayoutOptionsUsage =
    "{--top T --bottom B --height H --width W [--card-size S|B|M] [--no-shadow] |\n"
    "       --window W H [--frame L T R B]} [--screen SW SH]";

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
    char cardSize = 'B';
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
LayoutInput ToLayoutInput(const LayoutOptions& o);

}  // namespace bw::tool
