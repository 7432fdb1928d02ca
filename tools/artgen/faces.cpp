#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "artgen.h"

namespace artgen {

namespace {

const char* const kSuitIds[4] = {"heart", "diamond", "club", "spade"};
const char kSuitLetters[4] = {'H', 'D', 'C', 'S'};

QString CardId(int suit, int rank) {
    static const char* const courts[3] = {"jack", "queen", "king"};
    QString r = rank <= 10 ? QString::number(rank) : QString(courts[rank - 11]);
    return r + "_" + kSuitIds[suit];
}

// Renders one card of an SVG deck at the card size: supersampled for clean
// small sizes, laid on white, with the crisp outline and the corner pixels
// the table drawing expects.
QImage RenderCard(QSvgRenderer& svg, const QString& id, int w, int h) {
    // The masters are large enough to be drawn as they are.
    const int ss = h > 200 ? 1 : 4;
    QImage big = Transparent(w * ss, h * ss);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&p, id, QRectF(0, 0, w * ss, h * ss));
    }
    QImage small = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage card = Opaque(w, h, Qt::white);
    {
        QPainter p(&card);
        p.drawImage(0, 0, small);
    }
    CardOutline(card, QColor(72, 72, 72), QColor(0, 96, 0));
    return card;
}

struct Deck {
    const char* number;
    const char* file;  // under the card decks folder
};

}  // namespace

bool MakeFaces(Library& lib, const QString& decksDir) {
    const Deck decks[] = {
        {"001", "svg-standard/standard.svgz"},  // classic faces
        {"003", "svg-nicu-white/white.svgz"},   // large indices: the small-size set
    };
    for (const Deck& deck : decks) {
        QSvgRenderer svg(decksDir + "/" + deck.file);
        if (!svg.isValid()) {
            std::fprintf(stderr, "artgen: cannot read the card deck %s/%s\n", qPrintable(decksDir),
                         deck.file);
            return false;
        }
        for (const CardSize& size : CardSizes()) {
            if (size.letter == 'L') continue;  // cut from the "B" grids
            for (int suit = 0; suit < 4; ++suit) {
                QImage grid = Opaque(5 * size.w, 3 * size.h, QColor(0, 96, 0));
                QPainter p(&grid);
                for (int rank = 1; rank <= 13; ++rank) {
                    QString id = CardId(suit, rank);
                    if (!svg.elementExists(id)) {
                        std::fprintf(stderr, "artgen: deck %s lacks %s\n", deck.file,
                                     qPrintable(id));
                        return false;
                    }
                    int r = (rank - 1) / 5, c = (rank - 1) % 5;
                    p.drawImage(c * size.w, r * size.h, RenderCard(svg, id, size.w, size.h));
                }
                p.end();
                lib.AddBitmap(
                    QString("C%1%2%3").arg(size.letter).arg(deck.number).arg(kSuitLetters[suit]),
                    grid);
            }
        }
        // Size "L" cuts its faces from grids of the "B" card size.
        for (int suit = 0; suit < 4; ++suit) {
            lib.AddBitmapAlias(QString("CL%1%2").arg(deck.number).arg(kSuitLetters[suit]),
                               QString("CB%1%2").arg(deck.number).arg(kSuitLetters[suit]));
        }
    }
    // One joker for every deck.
    QSvgRenderer jokers(decksDir + "/svg-nicu-white/white.svgz");
    if (!jokers.isValid() || !jokers.elementExists("red_joker")) {
        std::fprintf(stderr, "artgen: no joker in the card decks\n");
        return false;
    }
    for (const CardSize& size : CardSizes()) {
        lib.AddBitmap(QString("JOKER_%1").arg(size.letter),
                      RenderCard(jokers, "red_joker", size.w, size.h));
    }
    return true;
}

}  // namespace artgen
