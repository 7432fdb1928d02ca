// brindlewick-tool sheet SIZE DECK -o FILE.png
// A contact sheet of what the table would show at a card size: the 52 faces
// of a face set in suit rows, the joker, and every card back of the library.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <iostream>

#include "core/game.h"
#include "core/params.h"
#include "render/card_images.h"
#include "render/library.h"
#include "tool.h"

namespace bw::tool {

namespace {

int RunSheet(Game& game, const Args& args) {
    std::string size, deck, out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            out = args[++i];
        else if (size.empty())
            size = args[i];
        else if (deck.empty())
            deck = args[i];
        else
            return UsageError("sheet: unexpected argument '" + args[i] + "'");
    }
    int w = 0, h = 0;
    if (size.size() != 1 || !CardSizeOfLetter(size[0], w, h))
        return UsageError("sheet: SIZE is one of S, B, M, L");
    if (deck.size() != 3 || deck.find_first_not_of("0123456789") != std::string::npos)
        return UsageError("sheet: DECK is a three-digit face set number such as 001");
    if (out.empty()) return UsageError("sheet: -o FILE.png is required");

    // Pictures need a GUI application, which needs no display offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "brindlewick-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    UseProgramDir();
    if (!LoadResourceLibrary()) {
        std::cerr << "brindlewick-tool: cannot load " << ProgramFile("QLR.RGF") << "\n";
        return 1;
    }
    SetParameter(pos::kCardSize, 1, size);
    SetParameter(pos::kCardDeck, 3, deck);
    SetParameter(256, 1, "N");  // no own back
    SetParameter(257, 1, "N");  // no own card set
    SetParameter(pos::kBackCard, 3, "011");
    ApplyCardSize(game);

    std::vector<QImage> backs;
    for (const std::string& n : LibraryBitmapNames()) {
        // "DB" + number names every back the library has.
        if (n.size() != 5 || n.compare(0, 2, "DB") != 0) continue;
        SetParameter(pos::kBackCard, 3, n.substr(2));
        LoadCardBack();
        backs.push_back(CardBack());
    }

    const int gap = 6, cols = 13;
    const int rows = 4 + 1 + static_cast<int>((backs.size() + cols - 1) / cols);
    QImage sheet(gap + cols * (game.CardWidth + gap), gap + rows * (game.CardHeight + gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0, 96, 0));
    QPainter p(&sheet);
    auto at = [&](int r, int c) {
        return QPoint(gap + c * (game.CardWidth + gap), gap + r * (game.CardHeight + gap));
    };
    for (int i = 0; i < 52; ++i)
        p.drawImage(at(i / 13, i % 13), CardFaces()[static_cast<size_t>(i)]);
    p.drawImage(at(4, 0), CardFaces()[52]);
    for (size_t i = 0; i < backs.size(); ++i)
        p.drawImage(at(5 + static_cast<int>(i) / cols, static_cast<int>(i) % cols), backs[i]);
    p.end();
    FreeResourceLibrary();
    if (!sheet.save(QString::fromStdString(out), "PNG")) {
        std::cerr << "brindlewick-tool: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

const Register kSheet{{"sheet", "sheet SIZE DECK -o FILE.png", RunSheet}};

}  // namespace

}  // namespace bw::tool
