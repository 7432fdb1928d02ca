// Small pictures: tool-bar buttons (large 44 x 42, small 23 x 22, and the
// disabled look), the game-tree pictures (16 x 16 on the key colour
// 128,0,0), the game facts "PROG_", suit symbols and the won/lost badges.
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "artgen.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
using Draw = std::function<void(QPainter&)>;  // paints into a 32 x 32 design box

const QColor kOutline(40, 40, 50);

// Renders a design (32 x 32 units) into a w x h transparent image, the
// design box scaled to `box` pixels and centred.
QImage Render(const Draw& draw, int w, int h, double box) {
    const int ss = 4;
    QImage big = Transparent(w * ss, h * ss);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate((w * ss - box * ss) / 2, (h * ss - box * ss) / 2);
        p.scale(box * ss / 32.0, box * ss / 32.0);
        draw(p);
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The classic disabled look: a flat grey shape with a white highlight
// one pixel down and right.
QImage Disabled(const QImage& img) {
    QImage out = Transparent(img.width(), img.height());
    QImage a = img.convertToFormat(QImage::Format_ARGB32);
    auto shape = [&](QColor c) {
        QImage s = a.copy();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                int al = qAlpha(a.pixel(x, y));
                s.setPixel(x, y, qRgba(c.red(), c.green(), c.blue(), al));
            }
        return s;
    };
    QPainter p(&out);
    p.drawImage(1, 1, shape(QColor(255, 255, 255)));
    p.drawImage(0, 0, shape(QColor(128, 128, 128)));
    return out;
}

// Flattens onto the key colour: no half-transparent fringe, so the mask
// cuts cleanly.
QImage Keyed(const QImage& img, QColor key) {
    QImage a = img.convertToFormat(QImage::Format_ARGB32);
    QImage out(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QRgb c = a.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) >= 110 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : key.rgb());
        }
    return out;
}

// ---- design pieces (32 x 32 units)

void MiniCard(QPainter& p, QRectF r, double angle, int suit, QColor back = QColor()) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setPen(QPen(kOutline, 1.0));
    if (back.isValid()) {
        QLinearGradient g(c.topLeft(), c.bottomRight());
        g.setColorAt(0, Shade(back, 1.3));
        g.setColorAt(1, back);
        p.setBrush(g);
        p.drawRoundedRect(c, 1.8, 1.8);
        p.setPen(QPen(QColor(255, 255, 255, 180), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(c.adjusted(1.6, 1.6, -1.6, -1.6), 1, 1);
    } else {
        QLinearGradient g(c.topLeft(), c.bottomRight());
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(222, 226, 236));
        p.setBrush(g);
        p.drawRoundedRect(c, 1.8, 1.8);
        if (suit >= 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(suit < 2 ? QColor(210, 20, 30) : QColor(20, 20, 30));
            double s = std::min(c.width(), c.height()) * 0.6;
            p.drawPath(Scaled(SuitPath(suit), QRectF(-s / 2, -s / 2, s, s)));
        }
    }
    p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, double curve, QColor c, double width) {
    // A curved arrow with a solid head.
    QPointF mid = (from + to) / 2 + QPointF(0, -curve);
    QPainterPath path(from);
    path.quadTo(mid, to);
    p.setPen(QPen(Shade(c, 0.5), width + 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    QPointF dir = to - mid;
    double len = std::hypot(dir.x(), dir.y());
    dir /= len;
    QPointF n(-dir.y(), dir.x());
    QPolygonF head;
    head << to + dir * 6 << to + n * 5.5 << to - n * 5.5;
    p.setPen(QPen(Shade(c, 0.5), 1));
    p.setBrush(c);
    p.drawPolygon(head);
}

void Folder(QPainter& p, bool open, QRectF r = QRectF(2, 7, 28, 21)) {
    QColor y(246, 200, 70);
    p.setPen(QPen(Shade(y, 0.5), 1));
    p.setBrush(Shade(y, 0.85));
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top() + 2);
    back.lineTo(r.left() + r.width() * 0.35, r.top() + 2);
    back.lineTo(r.left() + r.width() * 0.42, r.top() + 5);
    back.lineTo(r.right(), r.top() + 5);
    back.lineTo(r.right(), r.bottom());
    back.closeSubpath();
    p.drawPath(back);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Shade(y, 1.25));
    g.setColorAt(1, y);
    p.setBrush(g);
    if (open) {
        QPolygonF front;
        front << QPointF(r.left() + 4, r.top() + 9) << QPointF(r.right() + 2, r.top() + 9)
              << QPointF(r.right() - 3, r.bottom()) << QPointF(r.left(), r.bottom());
        p.drawPolygon(front);
    } else {
        p.drawRoundedRect(QRectF(r.left(), r.top() + 7, r.width(), r.height() - 7), 1, 1);
    }
}

// ---- tool-bar designs

void ToolNew(QPainter& p) {
    MiniCard(p, QRectF(5, 6, 15, 21), -12, -1, QColor(30, 60, 160));
    MiniCard(p, QRectF(12, 6, 15, 21), 10, 0);
    // A sparkle: a fresh deal.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        double a = i * kPi / 4, r = (i % 2) ? 2.0 : 6.0;
        QPointF pt(25 + r * std::cos(a), 7 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(170, 110, 0), 0.8));
    p.setBrush(QColor(255, 220, 40));
    p.drawPath(star);
}

void ToolOpen(QPainter& p) {
    Folder(p, false);
    MiniCard(p, QRectF(13, 3, 12, 16), 12, 0);
    Folder(p, true);
}

void ToolRestart(QPainter& p) {
    MiniCard(p, QRectF(9, 4, 15, 21), 0, -1, QColor(30, 60, 160));
    p.setBrush(Qt::NoBrush);
    QColor g(40, 170, 60);
    p.setPen(QPen(Shade(g, 0.5), 5, Qt::SolidLine, Qt::FlatCap));
    QRectF arc(6, 10, 20, 20);
    p.drawArc(arc, 200 * 16, 270 * 16);
    p.setPen(QPen(g, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arc, 200 * 16, 270 * 16);
    QPolygonF head;
    head << QPointF(5, 15) << QPointF(13, 16) << QPointF(7, 22);
    p.setPen(QPen(Shade(g, 0.5), 1));
    p.setBrush(g);
    p.drawPolygon(head);
}

void ToolSave(QPainter& p) {
    QColor b(50, 90, 190);
    p.setPen(QPen(Shade(b, 0.5), 1));
    QLinearGradient g(QPointF(4, 4), QPointF(28, 28));
    g.setColorAt(0, Shade(b, 1.3));
    g.setColorAt(1, b);
    p.setBrush(g);
    QPainterPath disk;
    disk.moveTo(4, 4);
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 28);
    disk.lineTo(4, 28);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(QColor(230, 232, 240));
    p.drawRect(QRectF(8, 4, 14, 9));
    p.setBrush(Shade(b, 0.7));
    p.drawRect(QRectF(17, 5.5, 3, 6));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(8, 17, 16, 11), 1, 1);
    p.setPen(QPen(QColor(170, 170, 190), 1));
    for (double y : {20.5, 23.5}) p.drawLine(QPointF(10, y), QPointF(22, y));
}

void ToolUndo(QPainter& p) {
    Arrow(p, QPointF(27, 24), QPointF(8, 14), 14, QColor(50, 110, 220), 3.5);
}

void ToolRedo(QPainter& p) {
    Arrow(p, QPointF(5, 24), QPointF(24, 14), 14, QColor(50, 110, 220), 3.5);
}

void ToolAutoplay(QPainter& p) {
    MiniCard(p, QRectF(4, 5, 15, 21), -8, 2);
    // A lightning bolt: cards fly home by themselves.
    QPolygonF bolt;
    bolt << QPointF(22, 3) << QPointF(14, 17) << QPointF(20, 17) << QPointF(16, 30)
         << QPointF(28, 13) << QPointF(22, 13) << QPointF(27, 3);
    p.setPen(QPen(QColor(160, 90, 0), 1));
    QLinearGradient g(QPointF(16, 3), QPointF(24, 30));
    g.setColorAt(0, QColor(255, 240, 120));
    g.setColorAt(1, QColor(250, 170, 20));
    p.setBrush(g);
    p.drawPolygon(bolt);
}

void ToolStat(QPainter& p) {
    const QColor cols[3] = {QColor(220, 60, 50), QColor(250, 180, 30), QColor(50, 160, 70)};
    const double hs[3] = {10, 17, 24};
    for (int i = 0; i < 3; ++i) {
        QRectF bar(5 + i * 8, 28 - hs[i], 6, hs[i]);
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, Shade(cols[i], 1.3));
        g.setColorAt(1, cols[i]);
        p.setPen(QPen(Shade(cols[i], 0.5), 1));
        p.setBrush(g);
        p.drawRect(bar);
    }
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(QPointF(3, 28.5), QPointF(29, 28.5));
}

void ToolRules(QPainter& p) {
    QColor red(180, 40, 40);
    p.setPen(QPen(Shade(red, 0.5), 1));
    p.setBrush(QColor(245, 240, 225));
    p.drawRect(QRectF(7, 5, 20, 23));
    QLinearGradient g(QPointF(5, 3), QPointF(25, 27));
    g.setColorAt(0, Shade(red, 1.3));
    g.setColorAt(1, red);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(5, 3, 20, 23), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(red, 0.6));
    p.drawRect(QRectF(5, 3, 3, 23));
    QFont f(SerifFamily());
    f.setBold(true);
    f.setPixelSize(18);
    p.setFont(f);
    p.setPen(QColor(255, 235, 150));
    p.drawText(QRectF(8, 3, 17, 23), Qt::AlignCenter, "?");
}

void ToolSearch(QPainter& p) {
    MiniCard(p, QRectF(4, 3, 15, 21), -6, 1);
    p.setPen(QPen(QColor(90, 60, 30), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 21), QPointF(28, 28));
    QRadialGradient g(QPointF(16, 14), 8);
    g.setColorAt(0, QColor(220, 240, 255, 200));
    g.setColorAt(1, QColor(120, 180, 230, 160));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 70), 2.2));
    p.drawEllipse(QPointF(17, 16), 7, 7);
}

void ToolExit(QPainter& p) {
    // An open door with an arrow leaving it.
    QColor wood(150, 90, 40);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(60, 50, 40));
    p.drawRect(QRectF(6, 3, 15, 26));
    QPolygonF door;
    door << QPointF(6, 3) << QPointF(15, 6) << QPointF(15, 31) << QPointF(6, 29);
    QLinearGradient g(QPointF(6, 0), QPointF(15, 0));
    g.setColorAt(0, Shade(wood, 1.2));
    g.setColorAt(1, wood);
    p.setBrush(g);
    p.drawPolygon(door);
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(QPointF(13, 18), 1.2, 1.2);
    Arrow(p, QPointF(16, 17), QPointF(27, 17), 0.01, QColor(40, 170, 60), 3);
}

void ToolCancel(QPainter& p) {
    QColor red(210, 40, 40);
    p.setPen(QPen(Shade(red, 0.45), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
    p.setPen(QPen(red, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

// ---- tree and family pictures

void TreeBadge(QPainter& p, int kind) {
    // A small emblem in the lower right of a folder.
    QPointF c(23, 21);
    switch (kind) {
        case 0: break;
        case 1: {  // favourites: a star
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                double a = -kPi / 2 + i * kPi / 5, r = (i % 2) ? 3.5 : 8;
                QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            p.setPen(QPen(QColor(150, 90, 0), 1));
            p.setBrush(QColor(255, 215, 40));
            p.drawPath(star);
            break;
        }
        case 2:
        case 3: {  // a suit
            p.setPen(QPen(QColor(255, 255, 255), 1.5));
            p.setBrush(kind == 2 ? QColor(20, 20, 30) : QColor(210, 20, 30));
            p.drawPath(Scaled(SuitPath(kind == 2 ? 3 : 1), QRectF(c.x() - 7, c.y() - 7, 14, 14)));
            break;
        }
        case 4: {  // customised: a gear
            p.setPen(QPen(QColor(50, 50, 60), 1));
            p.setBrush(QColor(150, 160, 175));
            QPainterPath gear;
            for (int i = 0; i < 16; ++i) {
                double a = i * kPi / 8, r = (i % 2) ? 5.5 : 8;
                QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
                if (i == 0)
                    gear.moveTo(pt);
                else
                    gear.lineTo(pt);
            }
            gear.closeSubpath();
            QPainterPath hole;
            hole.addEllipse(c, 2.5, 2.5);
            p.drawPath(gear.subtracted(hole));
            break;
        }
        case 5: {  // timed: a clock
            p.setPen(QPen(QColor(40, 40, 50), 1.3));
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(c, 7, 7);
            p.drawLine(c, c + QPointF(0, -5));
            p.drawLine(c, c + QPointF(4, 0));
            break;
        }
        case 6: {  // information
            p.setPen(QPen(QColor(20, 60, 140), 1));
            p.setBrush(QColor(60, 120, 220));
            p.drawEllipse(c, 7.5, 7.5);
            p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(0, -1), c + QPointF(0, 4));
            p.drawPoint(c + QPointF(0, -4.5));
            break;
        }
    }
}

Draw TreeFolder(bool open, int badge) {
    return [=](QPainter& p) {
        Folder(p, false, QRectF(1, 5, 28, 22));
        if (open) MiniCard(p, QRectF(9, 2, 12, 16), 8, 0);
        if (open) Folder(p, true, QRectF(1, 5, 28, 22));
        TreeBadge(p, badge);
    };
}

// A family picture: two cards, the front one marked with the family's
// emblem and colour.
struct Family {
    const char* name;
    QColor colour;
    int emblem;  // 0-3 suits, 4 star, 5 ring, 6 square, 7 triangle, 8 bars, 9 dot
};

void Emblem(QPainter& p, int emblem, QRectF box, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPointF m = box.center();
    double r = box.width() / 2;
    switch (emblem) {
        case 0:
        case 1:
        case 2:
        case 3: p.drawPath(Scaled(SuitPath(emblem), box)); break;
        case 4: {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                double a = -kPi / 2 + i * kPi / 5, rr = (i % 2) ? r * 0.45 : r;
                QPointF pt = m + QPointF(rr * std::cos(a), rr * std::sin(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            p.drawPath(star);
            break;
        }
        case 5:
            p.setPen(QPen(c, r * 0.45));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(m, r * 0.7, r * 0.7);
            break;
        case 6: p.drawRect(box.adjusted(r * 0.2, r * 0.2, -r * 0.2, -r * 0.2)); break;
        case 7: {
            QPolygonF t;
            t << QPointF(m.x(), box.top()) << box.bottomRight() << box.bottomLeft();
            p.drawPolygon(t);
            break;
        }
        case 8:
            for (int i = 0; i < 3; ++i)
                p.drawRect(QRectF(box.left(), box.top() + i * box.height() / 3, box.width(),
                                  box.height() / 5));
            break;
        default: p.drawEllipse(m, r * 0.6, r * 0.6); break;
    }
}

Draw FamilyPicture(const Family& f, int mark) {
    return [=](QPainter& p) {
        MiniCard(p, QRectF(3, 3, 17, 24), -10, -1, f.colour);
        MiniCard(p, QRectF(11, 5, 17, 24), 6, -1);
        p.save();
        p.translate(19.5, 17);
        p.rotate(6);
        Emblem(p, f.emblem, QRectF(-6, -6, 12, 12), f.colour);
        p.restore();
        if (mark == 1) {  // won: a green tick
            p.setPen(QPen(QColor(20, 90, 20), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPolygonF tick;
            tick << QPointF(17, 24) << QPointF(21, 29) << QPointF(30, 17);
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(tick);
            p.setPen(QPen(QColor(60, 200, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(tick);
        } else if (mark == 2) {  // played, never won: a red cross, as "Lost" shows it
            // As large as the tick: the tree shows the picture at half size.
            p.setPen(QPen(QColor(110, 20, 20), 1));
            p.setBrush(QColor(205, 45, 40));
            p.drawEllipse(QPointF(24, 24), 7, 7);
            p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(21, 21), QPointF(27, 27));
            p.drawLine(QPointF(27, 21), QPointF(21, 27));
        }
    };
}

const Family kFamilies[] = {
    {"TREE5_CANFIELD_TYPE", QColor(200, 40, 40), 0},
    {"TREE5_FORTYTHIEVES_TYPE", QColor(120, 60, 20), 7},
    {"TREE5_FREECELL_TYPE", QColor(30, 110, 200), 6},
    {"TREE5_KLONDIKE_TYPE", QColor(20, 130, 60), 3},
    {"TREE5_PAIRING_TYPE", QColor(200, 100, 20), 5},
    {"TREE5_SIMPLEGAMES_TYPE", QColor(90, 170, 60), 9},
    {"TREE5_SPIDER_TYPE", QColor(60, 60, 70), 2},
    {"TREE5_1DECK_TYPE", QColor(40, 80, 170), 9},
    {"TREE5_2DECK_TYPE", QColor(130, 40, 150), 8},
    {"TREE5_FAN_TYPE", QColor(210, 120, 160), 1},
    {"TREE5_BAKERSDOZEN_TYPE", QColor(180, 130, 40), 6},
    {"TREE5_ROW_TYPE", QColor(30, 140, 140), 8},
    {"TREE5_PUZZLE_TYPE", QColor(150, 80, 200), 4},
    {"TREE5_ADDITION_TYPE", QColor(20, 100, 160), 4},
    {"TREE5_MEMORY_TYPE", QColor(230, 150, 20), 4},
    {"TREE5_BELEAGUEREDCASTLE_TYPE", QColor(110, 110, 120), 6},
    {"TREE5_QUEENOFITALY_TYPE", QColor(40, 140, 60), 1},
    {"TREE5_YUKON_TYPE", QColor(60, 140, 210), 7},
    {"TREE5_MATHEMATICAL_TYPE", QColor(200, 60, 100), 5},
    {"TREE5_SIRTOMMY_TYPE", QColor(100, 70, 40), 0},
    {"TREE5_NONBUILDERS_TYPE", QColor(90, 90, 150), 9},
    {"TREE5_STRIPPEDDECK_TYPE", QColor(170, 50, 50), 7},
    {"TREE5_CUSTOMIZED_GAMES", QColor(70, 120, 150), 4},
    {"TREE5_ORIGINAL_TYPE", QColor(190, 150, 30), 4},
};

// ---- game facts

QColor Level(int i, int n) {
    // Green for the easy end, red for the hard one.
    double t = n <= 1 ? 0 : static_cast<double>(i) / (n - 1);
    return t < 0.5 ? Mix(QColor(50, 170, 60), QColor(240, 180, 30), t * 2)
                   : Mix(QColor(240, 180, 30), QColor(210, 50, 40), (t - 0.5) * 2);
}

Draw Clock(double fraction, QColor c) {
    return [=](QPainter& p) {
        p.setPen(QPen(kOutline, 2));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPie(QRectF(5, 5, 22, 22), 90 * 16, static_cast<int>(-360 * 16 * fraction));
        p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(16, 7));
        p.drawLine(QPointF(16, 16), QPointF(16 + 8 * std::sin(fraction * 2 * kPi),
                                            16 - 8 * std::cos(fraction * 2 * kPi)));
    };
}

Draw Bars(int filled, int total, QColor c) {
    return [=](QPainter& p) {
        double w = 26.0 / total;
        for (int i = 0; i < total; ++i) {
            double h = 8 + 18.0 * (i + 1) / total;
            QRectF bar(3 + i * w, 29 - h, w - 2, h);
            p.setPen(QPen(kOutline, 1));
            p.setBrush(i < filled ? c : QColor(225, 225, 225));
            p.drawRect(bar);
        }
    };
}

Draw SkillScale(int position) {
    // A scale from skill (a blue star, left) to chance (a die, right) with a
    // pointer at the game's place.
    return [=](QPainter& p) {
        QLinearGradient g(QPointF(2, 0), QPointF(30, 0));
        g.setColorAt(0, QColor(50, 100, 220));
        g.setColorAt(1, QColor(210, 60, 50));
        p.setPen(QPen(kOutline, 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 13, 28, 7), 3, 3);
        double x = 4 + position * 6.0;
        QPolygonF ptr;
        ptr << QPointF(x, 20) << QPointF(x - 4.5, 29) << QPointF(x + 4.5, 29);
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(ptr);
        ptr.clear();
        ptr << QPointF(x, 13) << QPointF(x - 4.5, 4) << QPointF(x + 4.5, 4);
        p.drawPolygon(ptr);
    };
}

Draw Suit(int suit) {
    return [=](QPainter& p) {
        QColor c = suit < 2 ? QColor(215, 25, 35) : QColor(25, 25, 35);
        QLinearGradient g(QPointF(4, 3), QPointF(28, 29));
        g.setColorAt(0, Shade(c, suit < 2 ? 1.3 : 1.8));
        g.setColorAt(1, c);
        p.setPen(QPen(Shade(c, 0.6), 0.8));
        p.setBrush(g);
        p.drawPath(Scaled(SuitPath(suit), QRectF(3, 3, 26, 26)));
    };
}

QImage Badge(bool won) {
    const int w = 61, h = 37, ss = 4;
    QImage big = Transparent(w * ss, h * ss);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(ss, ss);
        QColor c = won ? QColor(40, 160, 60) : QColor(200, 45, 40);
        QRectF r(1.5, 1.5, w - 3, h - 3);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, Shade(c, 1.45));
        g.setColorAt(0.5, c);
        g.setColorAt(1, Shade(c, 0.75));
        p.setPen(QPen(Shade(c, 0.45), 1.5));
        p.setBrush(g);
        p.drawRoundedRect(r, 9, 9);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 7, 7);
        // The sign: a tick or a cross in a white disc.
        QPointF m(12.5, h / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(m, 8.5, 8.5);
        p.setPen(QPen(c, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (won) {
            QPolygonF tick;
            tick << m + QPointF(-5, 0) << m + QPointF(-1.5, 4) << m + QPointF(5, -4.5);
            p.drawPolyline(tick);
        } else {
            p.drawLine(m + QPointF(-4, -4), m + QPointF(4, 4));
            p.drawLine(m + QPointF(4, -4), m + QPointF(-4, 4));
        }
        QFont f(SansFamily());
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        p.setPen(QColor(0, 0, 0, 90));
        QRectF text(21, 0, w - 23, h);
        p.drawText(text.translated(0.8, 0.8), Qt::AlignCenter, won ? "WON" : "LOST");
        p.setPen(QColor(255, 255, 255));
        p.drawText(text, Qt::AlignCenter, won ? "WON" : "LOST");
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void MakeIcons(Library& lib) {
    struct Tool {
        const char* name;
        void (*draw)(QPainter&);
        bool disabled;
    };
    const Tool tools[] = {
        {"TB_NEW", ToolNew, false},          {"TB_OPEN", ToolOpen, false},
        {"TB_RESTART", ToolRestart, false},  {"TB_SAVE1", ToolSave, false},
        {"TB_UNDO", ToolUndo, true},         {"TB_REDO", ToolRedo, true},
        {"TB_AUTOPLAY", ToolAutoplay, true}, {"TB_STAT", ToolStat, false},
        {"TB_RULES", ToolRules, false},      {"TB_FASTSEARCH", ToolSearch, false},
        {"TB_EXIT", ToolExit, false},
    };
    for (const Tool& t : tools) {
        QImage large = Render(t.draw, 44, 42, 34);
        QImage small = Render(t.draw, 23, 22, 20);
        lib.AddBitmap(t.name, large);
        lib.AddBitmap(QString(t.name) + "1", small);
        if (t.disabled) {
            lib.AddBitmap(QString(t.name) + "_DIS", Disabled(large));
            lib.AddBitmap(QString(t.name) + "1_DIS", Disabled(small));
        }
    }
    // The players dialog's delete button, up and pressed.
    QImage cancel = Render(ToolCancel, 23, 22, 18);
    lib.AddBitmap("TB_CANC_UP", cancel);
    QImage down = Transparent(23, 22);
    {
        QPainter p(&down);
        p.drawImage(1, 1, cancel);
    }
    lib.AddBitmap("TB_CANC_DOWN", down);

    // Tree pictures on the key colour.
    const QColor key(128, 0, 0);
    auto tree = [&](const QString& name, const Draw& d) {
        lib.AddBitmap(name, Keyed(Render(d, 16, 16, 16), key));
    };
    tree("TREE1", TreeFolder(false, 0));
    tree("TREE2", TreeFolder(true, 0));
    tree("N_TREE3",
         [](QPainter& p) { MiniCard(p, QRectF(7, 3, 18, 26), 0, -1, QColor(30, 60, 160)); });
    tree("N_TREE4", [](QPainter& p) { MiniCard(p, QRectF(7, 3, 18, 26), 0, 0); });
    tree("N_TREE5", [](QPainter& p) {
        MiniCard(p, QRectF(4, 4, 17, 24), -10, -1, QColor(30, 60, 160));
        MiniCard(p, QRectF(11, 4, 17, 24), 8, 3);
    });
    const struct {
        const char* prefix;
        int badge;
    } folders[] = {{"F", 1}, {"S", 2}, {"D", 3}, {"C", 4}, {"T", 5}, {"I", 6}};
    for (const auto& f : folders) {
        tree(QString("%1_TREE1").arg(f.prefix), TreeFolder(false, f.badge));
        tree(QString("%1_TREE2").arg(f.prefix), TreeFolder(true, f.badge));
    }
    for (const Family& f : kFamilies) {
        tree(f.name, FamilyPicture(f, 0));
        if (QString(f.name) == "TREE5_ORIGINAL_TYPE") continue;
        tree(QString(f.name) + "_WIN", FamilyPicture(f, 1));
        tree(QString(f.name) + "_NOWIN", FamilyPicture(f, 2));
    }

    // Game facts.
    const char* const times[3] = {"LONG", "MEDIUM", "QUICK"};
    const double spans[3] = {0.85, 0.5, 0.2};
    for (int i = 0; i < 3; ++i)
        lib.AddBitmap(QString("PROG_TIME_") + times[i],
                      Render(Clock(spans[i], Level(2 - i, 3)), 16, 16, 16));
    const char* const diffs[3] = {"EASY", "MEDIUM", "HARD"};
    for (int i = 0; i < 3; ++i)
        lib.AddBitmap(QString("PROG_DIFF_") + diffs[i],
                      Render(Bars(i + 1, 3, Level(i, 3)), 16, 16, 16));
    const char* const chances[5] = {"VERYHIGH", "HIGH", "MEDIUM", "LOW", "VERYLOW"};
    for (int i = 0; i < 5; ++i)
        lib.AddBitmap(QString("PROG_CHAN_") + chances[i],
                      Render(Bars(5 - i, 5, Level(i, 5)), 16, 16, 16));
    const char* const skills[5] = {"DIFFICULT", "MOSTLYSKILL", "MODERATE", "MOSTLYCHANCE",
                                   "CHANCEONLY"};
    for (int i = 0; i < 5; ++i)
        lib.AddBitmap(QString("PROG_SKILL_") + skills[i], Render(SkillScale(i), 16, 16, 16));

    const char* const suits[4] = {"HEARTS", "DIAMONDS", "CLUBS", "SPADES"};
    for (int s = 0; s < 4; ++s)
        lib.AddBitmap(QString("SUIT_") + suits[s], Render(Suit(s), 16, 16, 16));

    lib.AddBitmap("BADGE_WON", Badge(true));
    lib.AddBitmap("BADGE_LOST", Badge(false));
}

}  // namespace artgen
