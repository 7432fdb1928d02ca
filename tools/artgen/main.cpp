// bw_artgen --decks DIR --out DIR --version V [--icons DIR] [--sheets DIR]
// Paints every resource of the library into DIR/out and writes the .qrc
// list that rcc turns into QLR.RGF; --icons also writes the program icon
// for the desktop's icon theme.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "artgen.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString decks, out, sheets, version, icons;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--decks"))
            decks = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out"))
            out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--sheets"))
            sheets = argv[i + 1];
        else if (!std::strcmp(argv[i], "--version"))
            version = argv[i + 1];
        else if (!std::strcmp(argv[i], "--icons"))
            icons = argv[i + 1];
        else {
            std::fprintf(stderr, "artgen: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (decks.isEmpty() || out.isEmpty() || version.isEmpty()) {
        std::fprintf(stderr,
                     "usage: bw_artgen --decks DIR --out DIR --version V [--icons DIR] "
                     "[--sheets DIR]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    artgen::LoadFonts();
    artgen::Library lib;
    const bool timing = qEnvironmentVariableIsSet("ARTGEN_TIMING");
    auto step = [&](const char* what, auto&& run) {
        qint64 t0 = clock.elapsed();
        run();
        if (timing)
            std::printf("  %-12s %5lld ms\n", what, static_cast<long long>(clock.elapsed() - t0));
    };
    bool facesOk = true;
    step("faces", [&] { facesOk = artgen::MakeFaces(lib, decks); });
    if (!facesOk) return 1;
    step("backs", [&] { artgen::MakeBacks(lib); });
    step("table", [&] { artgen::MakeTableArt(lib); });
    step("backgrounds", [&] { artgen::MakeBackgrounds(lib); });
    step("icons", [&] { artgen::MakeIcons(lib); });
    step("splash", [&] { artgen::MakeSplash(lib, version); });
    step("cursors", [&] { artgen::MakeCursors(lib); });
    step("sounds", [&] { artgen::MakeSounds(lib); });
    bool written = false;
    step("write", [&] { written = lib.Write(out); });
    if (!written) {
        std::fprintf(stderr, "artgen: cannot write into %s\n", qPrintable(out));
        return 1;
    }
    if (!icons.isEmpty() && !artgen::WriteThemeIcons(icons, "brindlewick")) {
        std::fprintf(stderr, "artgen: cannot write the icons into %s\n", qPrintable(icons));
        return 1;
    }
    if (!sheets.isEmpty()) artgen::WriteSheets(lib, sheets);
    std::printf("artgen: %zu pictures, %zu cursors, %zu sounds in %lld ms\n", lib.bitmaps().size(),
                lib.cursors().size(), lib.sounds().size(), static_cast<long long>(clock.elapsed()));
    return 0;
}
