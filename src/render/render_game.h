#pragma once
// A dealt game drawn as the main window shows it, without a window: for the
// command-line tool, the benchmarks and the reference-picture tests.
#include <QImage>
#include <string>

#include "render/layout.h"

namespace bw {

struct Game;

struct RenderRequest {
    int gameId = 0;
    std::string gameNumber;  // up to 13 digits
    LayoutInput layout;      // table rectangle and screen; the card size comes from cardSize
    char cardSize = 'B';
    bool shadow = true;
};

// Sets the preferences the table's look depends on to their defaults
// (background, fade, shadows, card size, deck and back).
void UseDefaultTablePreferences(char cardSize, bool shadow);

// Deals the game and draws the whole table into TableBitmap(); returns the
// window's client area (width x bottom + 1). The caller has loaded the
// catalogue and the resource library and runs a QGuiApplication. The
// screen port answers the request's screen size while this runs.
QImage RenderDealtTable(Game& g, const RenderRequest& request);

}  // namespace bw
