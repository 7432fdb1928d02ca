// bw_artgen --decks DIR --out DIR [--sheets DIR]
// Paints every resource of the library into DIR/out and writes the .qrc
// list that rcc turns into QLR.RGF.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "artgen.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString decks, out, sheets;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--decks")) decks = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--sheets")) sheets = argv[i + 1];
        else {
            std::fprintf(stderr, "artgen: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (decks.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: bw_artgen --decks DIR --out DIR [--sheets DIR]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    artgen::LoadFonts();
    artgen::Library lib;
    if (!artgen::MakeFaces(lib, decks)) return 1;
    artgen::MakeBacks(lib);
    artgen::MakeTableArt(lib);
    artgen::MakeBackgrounds(lib);
    artgen::MakeIcons(lib);
    artgen::MakeSplash(lib);
    artgen::MakeCursors(lib);
    artgen::MakeSounds(lib);
    if (!lib.Write(out)) {
        std::fprintf(stderr, "artgen: cannot write into %s\n", qPrintable(out));
        return 1;
    }
    if (!sheets.isEmpty()) artgen::WriteSheets(lib, sheets);
    std::printf("artgen: %zu pictures, %zu cursors, %zu sounds in %lld ms\n", lib.bitmaps().size(),
                lib.cursors().size(), lib.sounds().size(), static_cast<long long>(clock.elapsed()));
    return 0;
}
