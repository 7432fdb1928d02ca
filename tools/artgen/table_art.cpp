// What the table draws around the cards: empty-pile marks ("W" + size +
// code), the drag shadows and the stack-edge borders, for every card size.
#include <QPainter>
#include <cmath>

#include "artgen.h"

namespace artgen {

namespace {

enum class Symbol { None, Frame, DottedFrame, Redeal, NoRedeal, Ring, Stack, Plus, Text };

struct Mark {
    const char* code;
    Symbol symbol;
    const char* text;
};

// Every mark the table may ask for. "004" is the plain slot of tableau and
// foundation piles; the rank marks carry the base rank of their pile.
const Mark kMarks[] = {
    {"004", Symbol::None, ""},        {"_WASTE", Symbol::DottedFrame, ""},
    {"022", Symbol::Redeal, ""},      {"008", Symbol::NoRedeal, ""},
    {"021", Symbol::Ring, ""},        {"005", Symbol::Stack, ""},
    {"010", Symbol::Text, "A"},       {"012", Symbol::Text, "2"},
    {"013", Symbol::Text, "3"},       {"014", Symbol::Text, "4"},
    {"015", Symbol::Text, "5"},       {"016", Symbol::Text, "6"},
    {"017", Symbol::Text, "7"},       {"018", Symbol::Text, "8"},
    {"019", Symbol::Text, "9"},       {"020", Symbol::Text, "10"},
    {"006", Symbol::Text, "J"},       {"003", Symbol::Text, "Q"},
    {"011", Symbol::Text, "K"},       {"_TABLEAU", Symbol::Frame, ""},
    {"001", Symbol::DottedFrame, ""}, {"009", Symbol::Plus, ""},
};

void ArrowHead(QPainter& p, QPointF tip, double angle, double size) {
    QPolygonF head;
    head << tip << tip + QPointF(std::cos(angle + 2.5), std::sin(angle + 2.5)) * size
         << tip + QPointF(std::cos(angle - 2.5), std::sin(angle - 2.5)) * size;
    p.drawPolygon(head);
}

QImage PaintMark(const Mark& m, int w, int h) {
    const int ss = 3;
    const double W = w * ss, H = h * ss, u = W;
    // Translucent: the slot darkens and the chalk lightens whatever
    // background lies under the empty pile.
    QImage big(w * ss, h * ss, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        // The slot: a darker panel with a chalk outline.
        QRectF slot(ss * 0.5, ss * 0.5, W - ss, H - ss);
        QLinearGradient g(slot.topLeft(), slot.bottomRight());
        g.setColorAt(0, QColor(0, 0, 0, 70));
        g.setColorAt(1, QColor(0, 0, 0, 35));
        p.setBrush(g);
        p.setPen(QPen(QColor(230, 240, 220, 190), std::max(1.0, w / 40.0) * ss));
        p.drawRoundedRect(slot, ss * 2.5, ss * 2.5);
        QColor ink(230, 240, 220, 200);
        const QPointF c(W / 2, H / 2);
        const double line = std::max(1.2, w / 22.0) * ss;
        p.setBrush(Qt::NoBrush);
        switch (m.symbol) {
            case Symbol::None: break;
            case Symbol::Frame: {
                p.setPen(QPen(ink, line * 0.5, Qt::SolidLine));
                p.drawRoundedRect(slot.adjusted(u * 0.12, u * 0.12, -u * 0.12, -u * 0.12), ss * 2,
                                  ss * 2);
                break;
            }
            case Symbol::DottedFrame: {
                p.setPen(QPen(ink, line * 0.5, Qt::DotLine));
                p.drawRoundedRect(slot.adjusted(u * 0.12, u * 0.12, -u * 0.12, -u * 0.12), ss * 2,
                                  ss * 2);
                break;
            }
            case Symbol::Redeal: {
                // A circular arrow: the stock may be turned over again.
                double r = u * 0.26;
                p.setPen(QPen(ink, line, Qt::SolidLine, Qt::FlatCap));
                p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 100 * 16, 290 * 16);
                p.setPen(Qt::NoPen);
                p.setBrush(ink);
                double a = 100 * 3.14159265 / 180;
                QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
                ArrowHead(p, tip + QPointF(-line * 1.2, 0), 0, line * 2.2);
                break;
            }
            case Symbol::NoRedeal: {
                double r = u * 0.26;
                QColor red(230, 90, 80, 230);
                p.setPen(QPen(red, line, Qt::SolidLine, Qt::RoundCap));
                p.drawEllipse(c, r, r);
                p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
                break;
            }
            case Symbol::Ring: {
                double r = u * 0.26;
                p.setPen(QPen(ink, line));
                p.drawEllipse(c, r, r);
                break;
            }
            case Symbol::Stack: {
                p.setPen(QPen(ink, line * 0.6));
                for (int i = 2; i >= 0; --i) {
                    QRectF card(c.x() - u * 0.18 + i * u * 0.05, c.y() - u * 0.24 + i * u * 0.05,
                                u * 0.3, u * 0.4);
                    p.setBrush(QColor(255, 255, 255, 40 + i * 25));
                    p.drawRoundedRect(card, ss, ss);
                }
                break;
            }
            case Symbol::Plus: {
                double r = u * 0.2;
                p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
                p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
                break;
            }
            case Symbol::Text: {
                QFont f(SerifFamily());
                f.setBold(true);
                QString t = m.text;
                f.setPixelSize(static_cast<int>(u * (t.size() > 1 ? 0.42 : 0.5)));
                p.setFont(f);
                p.setPen(ink);
                p.drawText(QRectF(0, 0, W, H), Qt::AlignCenter, t);
                break;
            }
        }
    }
    QImage mark = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32);
    return mark;
}

// Drag shadows, white transparent: a half-tone of black dots. Shadow 1 runs
// down the right side of a card from 7 pixels below its top to 7 below its
// bottom (it also covers the corner); shadow 2 runs under the card from 8
// pixels right of its left edge to its right edge. The dot phases agree
// where the two meet.
constexpr int kShadowDepth = 7;

QImage Shadow(int which, int w, int h) {
    const int sw = which == 1 ? kShadowDepth : w - 8;
    const int sh = which == 1 ? h : kShadowDepth;
    // Positions relative to the card's top-left corner.
    const int ox = which == 1 ? w : 8, oy = which == 1 ? kShadowDepth : h;
    QImage img = Opaque(sw, sh, Qt::white);
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            int gx = ox + x, gy = oy + y;
            // Both ends are bevelled at 45 degrees: the near end tucks under
            // the card, the far corner is cut.
            bool inside = which == 1 ? (y >= x && (sw - 1 - x) + (sh - 1 - y) >= 2) : x >= y;
            if (inside && ((gx + gy) & 1) == 0) img.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return img;
}

// Stack edges, pure blue transparent: the edges of a pile of 16 cards, each
// one pixel further up and left than the one below. Border 1 holds the right
// edges (column 15 - k is the right column of the card raised by k, rows
// from 13 above the unraised card's top); border 2 the bottom edges (row
// 15 - k is the bottom row of the card raised by k, columns from 13 left of
// the unraised card's left).
QColor EdgeColour(int k) {
    if (k == 0) return QColor(96, 96, 96);
    return (k & 1) ? QColor(176, 176, 176) : QColor(208, 208, 208);
}

QImage Border(int which, int w, int h) {
    const int bw = which == 1 ? 16 : w + 16, bh = which == 1 ? h + 16 : 16;
    QImage img = Opaque(bw, bh, QColor(0, 0, 255));
    for (int k = 0; k <= 15; ++k) {
        // The card raised by k, in image coordinates.
        int x0, y0;
        if (which == 1) {
            x0 = 16 - w - k;
            y0 = 13 - k;
        } else {
            x0 = 13 - k;
            y0 = 16 - h - k;
        }
        const QRgb edge = EdgeColour(k).rgb();
        const QRgb face = QColor(236, 236, 236).rgb();
        for (int y = std::max(0, y0); y < std::min(bh, y0 + h); ++y) {
            for (int x = std::max(0, x0); x < std::min(bw, x0 + w); ++x) {
                int cx = x - x0, cy = y - y0;
                if (IsCardCorner(cx, cy, w, h)) continue;
                bool rim = cx == w - 1 || cy == h - 1 || (w > 25 && cx == w - 2 && cy == h - 2);
                img.setPixel(x, y, rim ? edge : face);
            }
        }
    }
    return img;
}

}  // namespace

void MakeTableArt(Library& lib) {
    for (const CardSize& size : CardSizes()) {
        for (const Mark& m : kMarks)
            lib.AddBitmap(QString("W%1%2").arg(size.letter).arg(m.code),
                          PaintMark(m, size.w, size.h));
        for (int which = 1; which <= 2; ++which) {
            lib.AddBitmap(QString("SHADOW_%1%2").arg(size.letter).arg(which),
                          Shadow(which, size.w, size.h));
            lib.AddBitmap(QString("3D_BORDER_%1%2").arg(size.letter).arg(which),
                          Border(which, size.w, size.h));
        }
    }
}

}  // namespace artgen
