#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
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

// The four-colour set: every suit its own colour, chosen so that the four stay
// apart for red-green colour blindness too (simulated deuteranopia and
// protanopia): the red leans to orange and is light, the green leans to blue
// and is darker, the blue is strong, the spades black.
QColor FourColour(int suit) {
    static const QColor colours[4] = {QColor(232, 48, 0), QColor(0, 64, 224), QColor(0, 112, 92),
                                      QColor(0, 0, 0)};
    return colours[suit];
}

// The glyphs of `text` as an outline squeezed into `box` (aspect kept unless
// the text is too wide, as "10" is).
QPainterPath TextIn(const QString& text, QRectF box) {
    QFont f(SansFamily());
    f.setBold(true);
    f.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    const double sy = box.height() / b.height();
    const double sx = std::min(sy, box.width() / b.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

// Paints one face of the four-colour, high-contrast set: a thick black edge,
// large rank and suit indices in two corners and one big central pip (the
// court cards a framed letter), so rank and suit read at a glance.
QImage PaintFourColourCard(int suit, int rank, int w, int h) {
    const int ss = 4;
    const double W = w * ss, H = h * ss;
    QImage big = Opaque(w * ss, h * ss, Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor ink = FourColour(suit);
        const double edge = std::max(1.0, w / 30.0) * ss;  // the strong outline
        p.setPen(QPen(Qt::black, edge));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(edge / 2, edge / 2, W - edge, H - edge), W / 14, W / 14);

        static const char* const ranks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                              "8", "9", "10", "J", "Q", "K"};
        const QString label = QString::fromLatin1(ranks[rank - 1]);
        // Index: the rank above the suit, in a column at the card's edge
        // that the centre never reaches.
        const double iw = W * 0.27, ih = H * 0.24, pad = edge + W * 0.03;
        const QPainterPath index =
            TextIn(label, QRectF(pad, pad, iw, ih))
                .united(Scaled(SuitPath(suit),
                               QRectF(pad + iw * 0.1, pad + ih * 1.1, iw * 0.8, ih * 0.62)));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(index);
        p.save();
        p.translate(W, H);
        p.rotate(180);
        p.drawPath(index);
        p.restore();

        // Centre, between the two index columns.
        const QRectF centre(W * 0.34, H * 0.29, W * 0.32, H * 0.42);
        if (rank <= 10) {
            const double side = centre.width();
            p.drawPath(Scaled(SuitPath(suit), QRectF(centre.center().x() - side / 2,
                                                     centre.center().y() - side / 2, side, side)));
        } else {
            p.setPen(QPen(ink, edge * 0.75));
            p.setBrush(Qt::NoBrush);
            p.drawRect(centre);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            const double m = centre.width() * 0.15;
            p.drawPath(TextIn(label, centre.adjusted(m, m * 1.5, -m, -m * 1.5)));
        }
    }
    QImage card = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    CardOutline(card, Qt::black, QColor(0, 96, 0));
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
    // "004": the four-colour, high-contrast set, painted from vectors.
    for (const CardSize& size : CardSizes()) {
        if (size.letter == 'L') continue;
        for (int suit = 0; suit < 4; ++suit) {
            QImage grid = Opaque(5 * size.w, 3 * size.h, QColor(0, 96, 0));
            QPainter p(&grid);
            for (int rank = 1; rank <= 13; ++rank) {
                const int r = (rank - 1) / 5, c = (rank - 1) % 5;
                p.drawImage(c * size.w, r * size.h,
                            PaintFourColourCard(suit, rank, size.w, size.h));
            }
            p.end();
            lib.AddBitmap(QString("C%1%2%3").arg(size.letter).arg("004").arg(kSuitLetters[suit]),
                          grid);
        }
    }
    for (const char letter : kSuitLetters)
        lib.AddBitmapAlias(QString("CL004%1").arg(letter), QString("CB004%1").arg(letter));
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
