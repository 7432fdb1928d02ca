// brindlewick-tool render: a dealt game drawn as the main window shows it
// right after the deal, written to a PNG file. Runs without a display.
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <cctype>
#include <iostream>
#include <memory>

#include "app/main_window.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "layout_options.h"
#include "render/library.h"
#include "render/render_game.h"
#include "storage/catalogue.h"
#include "tool.h"
#include "window_view.h"

namespace bw::tool {
namespace {

const std::string kUsage = std::string("render ID NUMBER ") + kLayoutOptionsUsage +
                           " -o FILE.png\n    draws the dealt table (NUMBER: the game number, up"
                           " to 13 digits); with --window the\n    whole window: menu bar, tool"
                           " bar, panels and table";

bool IsGameNumber(const std::string& s) {
    if (s.empty() || s.size() > 13) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int Run(Game& game, const Args& args) {
    if (args.size() < 2) return UsageError("missing game id or number; usage: " + kUsage);
    std::optional<int> id = ParseCoordinate(args[0]);
    if (!id || *id < 0) return UsageError("bad game id '" + args[0] + "'");
    if (!IsGameNumber(args[1]))
        return UsageError("bad game number '" + args[1] + "': up to 13 digits");

    LayoutOptions options;
    std::string output;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size()) return UsageError("-o needs a file name");
            output = args[++i];
            continue;
        }
        switch (ParseLayoutOption(args, i, options)) {
            case OptionResult::kTaken: break;
            case OptionResult::kError: return 2;
            case OptionResult::kNotMine:
                return UsageError("unknown option '" + args[i] + "'; usage: " + kUsage);
        }
    }
    if (!HasTableRect(options, kUsage)) return 2;
    if (output.empty()) return UsageError("-o FILE.png is required; usage: " + kUsage);
    if (options.Window()) {
        return WithDealtWindow(game, *id, args[1], options, [&output](TfrmMain& window) {
            QImageWriter writer(QString::fromStdString(output), "png");
            if (!writer.write(window.grab().toImage())) {
                std::cerr << "brindlewick-tool: cannot write " << output << ": "
                          << writer.errorString().toStdString() << "\n";
                return 1;
            }
            return 0;
        });
    }
    // The table alone is drawn at logical pixels only.
    if (options.scale != 1.0) return UsageError("--scale with render goes with --window");
    if (*options.width < 1 || *options.bottom < 0)
        return UsageError("the table needs a width and a bottom of at least 1 and 0");

    UseProgramDir();
    if (!LoadCatalogue()) {
        std::cerr << "brindlewick-tool: cannot read " << ProgramFile("GAMES.DAT") << "\n";
        return 1;
    }
    if (CatalogueIndex(*id) < 0) return UsageError("unknown game id " + std::to_string(*id));

    // Drawing needs a GUI application; none of it reaches a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "brindlewick-tool";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    if (!LoadResourceLibrary()) {
        std::cerr << "brindlewick-tool: cannot load " << ProgramFile("QLR.RGF") << "\n";
        return 1;
    }

    RenderRequest request;
    request.gameId = *id;
    request.gameNumber = args[1];
    request.layout = ToLayoutInput(game, options);
    request.cardSize = options.cardSize;
    request.shadow = options.shadow;
    const QImage table = RenderDealtTable(game, request);
    FreeResourceLibrary();
    if (!table.save(QString::fromStdString(output), "PNG")) {
        std::cerr << "brindlewick-tool: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}

const Register kRender{{"render", kUsage, Run}};

}  // namespace
}  // namespace bw::tool
