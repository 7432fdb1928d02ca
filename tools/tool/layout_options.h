#pragma once
// The table options shared by the commands that lay a game out: the table
// rectangle, the screen, the card size and the card shadows.
#include <optional>
#include <string>

#include "render/layout.h"
#include "tool.h"

namespace bw::tool {

inline constexpr const char* kLayoutOptionsUsage =
    "--top T --bottom B --height H --width W [--screen SW SH] [--card-size S|B|M] [--no-shadow]";

struct LayoutOptions {
    std::optional<int> top, bottom, height, width, screenWidth, screenHeight;
    char cardSize = 'B';
    bool shadow = true;
};

// A whole decimal number that fits the layout's 16-bit coordinates.
std::optional<int> ParseCoordinate(const std::string& text);

enum class OptionResult { kTaken, kNotMine, kError };
// Takes the layout option at args[i] (and its values, advancing i). Errors
// are reported on standard error.
OptionResult ParseLayoutOption(const Args& args, size_t& i, LayoutOptions& out);
// Reports a missing part of the table rectangle; true when all are there.
bool HasTableRect(const LayoutOptions& o, const std::string& usage);
// The layout's input: the screen defaults to the table's width and height.
LayoutInput ToLayoutInput(const LayoutOptions& o);

}  // namespace bw::tool
