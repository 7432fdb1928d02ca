// Card backs, painted as vector scenes at every card size so each size is
// sharp: "D" + size letter + back number.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "artgen.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Scene = void (*)(QPainter&, const QRectF&);

QPointF At(const QRectF& r, double fx, double fy) {
    return {r.x() + fx * r.width(), r.y() + fy * r.height()};
}

// ---- 001: a starry night after the famous painting

void StarryNight(QPainter& p, const QRectF& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(16, 34, 92));
    sky.setColorAt(0.7, QColor(40, 78, 150));
    sky.setColorAt(1, QColor(30, 60, 110));
    p.fillRect(r, sky);
    // Swirling brush strokes following two vortices.
    Rng rng(1889);
    const double u = r.width();
    auto flow = [&](double x, double y) {
        double a = 0;
        const double cx[2] = {0.42, 0.70}, cy[2] = {0.30, 0.42};
        double vx = 1.0, vy = -0.15;
        for (int i = 0; i < 2; ++i) {
            double dx = x - cx[i], dy = y - cy[i];
            double d2 = dx * dx + dy * dy + 0.01;
            vx += -dy * 0.08 / d2;
            vy += dx * 0.08 / d2;
        }
        a = std::atan2(vy, vx);
        return a;
    };
    for (int i = 0; i < 900; ++i) {
        double x = rng.Uniform(), y = rng.Uniform() * 0.72;
        QColor c = Mix(QColor(70, 120, 200), QColor(190, 215, 235), rng.Uniform());
        if (rng.Below(5) == 0) c = QColor(230, 220, 140);
        c.setAlpha(170);
        QPen pen(c, u * 0.018, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        QPainterPath path(At(r, x, y));
        for (int s = 0; s < 4; ++s) {
            double a = flow(x, y);
            x += std::cos(a) * 0.025;
            y += std::sin(a) * 0.025 * r.width() / r.height();
            path.lineTo(At(r, x, y));
        }
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    // Stars with halos, and the crescent moon.
    const double stars[][3] = {{0.18, 0.12, 0.05},  {0.34, 0.22, 0.04}, {0.55, 0.10, 0.045},
                               {0.62, 0.28, 0.035}, {0.15, 0.40, 0.04}, {0.48, 0.46, 0.035},
                               {0.80, 0.55, 0.03}};
    for (const auto& s : stars) {
        QPointF c = At(r, s[0], s[1]);
        double rad = s[2] * u;
        QRadialGradient g(c, rad * 2.2);
        g.setColorAt(0, QColor(255, 250, 190, 255));
        g.setColorAt(0.35, QColor(250, 230, 120, 230));
        g.setColorAt(0.55, QColor(200, 210, 150, 120));
        g.setColorAt(1, QColor(120, 160, 200, 0));
        p.setBrush(g);
        p.drawEllipse(c, rad * 2.2, rad * 2.2);
    }
    QPointF moon = At(r, 0.84, 0.13);
    QRadialGradient halo(moon, u * 0.2);
    halo.setColorAt(0, QColor(255, 230, 120, 240));
    halo.setColorAt(0.45, QColor(240, 200, 80, 160));
    halo.setColorAt(1, QColor(240, 200, 80, 0));
    p.setBrush(halo);
    p.drawEllipse(moon, u * 0.2, u * 0.2);
    QPainterPath crescent;
    crescent.addEllipse(moon, u * 0.075, u * 0.075);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(u * 0.035, -u * 0.02), u * 0.065, u * 0.065);
    p.setBrush(QColor(255, 200, 60));
    p.drawPath(crescent.subtracted(bite));
    // Hills and the village.
    QPainterPath hills;
    hills.moveTo(At(r, 0, 0.72));
    hills.cubicTo(At(r, 0.3, 0.62), At(r, 0.6, 0.78), At(r, 1, 0.66));
    hills.lineTo(At(r, 1, 1));
    hills.lineTo(At(r, 0, 1));
    hills.closeSubpath();
    QLinearGradient hg(At(r, 0, 0.65), At(r, 0, 1));
    hg.setColorAt(0, QColor(38, 62, 96));
    hg.setColorAt(1, QColor(16, 30, 48));
    p.setBrush(hg);
    p.drawPath(hills);
    Rng v(1853);
    for (int i = 0; i < 11; ++i) {
        double x = 0.28 + i * 0.062 + v.Range(-0.01, 0.01), y = 0.80 + v.Range(0, 0.08);
        double w = 0.05, h = 0.04;
        p.setBrush(QColor(24, 40, 60));
        p.drawRect(QRectF(At(r, x, y), QSizeF(w * r.width(), h * r.height())));
        QPolygonF roof;
        roof << At(r, x - 0.006, y) << At(r, x + w / 2, y - 0.025) << At(r, x + w + 0.006, y);
        p.setBrush(QColor(14, 26, 44));
        p.drawPolygon(roof);
        p.setBrush(QColor(250, 210, 90));
        p.drawRect(QRectF(At(r, x + w * 0.35, y + h * 0.35),
                          QSizeF(w * 0.3 * r.width(), h * 0.35 * r.height())));
    }
    // The church spire.
    QPolygonF spire;
    spire << At(r, 0.60, 0.82) << At(r, 0.625, 0.66) << At(r, 0.65, 0.82);
    p.setBrush(QColor(20, 34, 54));
    p.drawPolygon(spire);
    // The cypress: a dark flame rising on the left.
    QPainterPath cy;
    cy.moveTo(At(r, 0.06, 1.0));
    cy.cubicTo(At(r, 0.02, 0.7), At(r, 0.12, 0.4), At(r, 0.17, 0.08));
    cy.cubicTo(At(r, 0.22, 0.35), At(r, 0.34, 0.7), At(r, 0.30, 1.0));
    cy.closeSubpath();
    QLinearGradient cg(At(r, 0.05, 0), At(r, 0.3, 0));
    cg.setColorAt(0, QColor(14, 26, 18));
    cg.setColorAt(0.6, QColor(36, 52, 30));
    cg.setColorAt(1, QColor(16, 24, 16));
    p.setBrush(cg);
    p.drawPath(cy);
    p.setPen(QPen(QColor(70, 90, 50, 160), u * 0.012, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        double y = 0.15 + i * 0.07;
        p.drawLine(At(r, 0.12 + 0.02 * std::sin(i), y + 0.04), At(r, 0.19 + 0.02 * std::cos(i), y));
    }
    p.setPen(Qt::NoPen);
}

// ---- 003: a snowman on a winter night

void Snowman(QPainter& p, const QRectF& r) {
    const double u = r.width();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(24, 48, 112));
    sky.setColorAt(0.6, QColor(90, 140, 210));
    sky.setColorAt(1, QColor(170, 200, 235));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    // Distant hill and a pine tree.
    QPainterPath back;
    back.moveTo(At(r, 0, 0.7));
    back.cubicTo(At(r, 0.3, 0.6), At(r, 0.6, 0.66), At(r, 1, 0.62));
    back.lineTo(At(r, 1, 1));
    back.lineTo(At(r, 0, 1));
    p.setBrush(QColor(214, 228, 246));
    p.drawPath(back);
    for (int i = 0; i < 3; ++i) {
        double x = 0.80, top = 0.38 + i * 0.08, w = 0.08 + i * 0.05;
        QPolygonF tier;
        tier << At(r, x, top) << At(r, x + w, top + 0.14) << At(r, x - w, top + 0.14);
        p.setBrush(QColor(30, 90, 60));
        p.drawPolygon(tier);
        QPolygonF snow;
        snow << At(r, x, top) << At(r, x + w * 0.45, top + 0.06) << At(r, x - w * 0.45, top + 0.06);
        p.setBrush(QColor(245, 250, 255));
        p.drawPolygon(snow);
    }
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(At(r, 0.785, 0.66), QSizeF(0.03 * u, 0.05 * r.height())));
    QPainterPath front;
    front.moveTo(At(r, 0, 0.8));
    front.cubicTo(At(r, 0.4, 0.72), At(r, 0.7, 0.86), At(r, 1, 0.78));
    front.lineTo(At(r, 1, 1));
    front.lineTo(At(r, 0, 1));
    QLinearGradient fg(At(r, 0, 0.75), At(r, 0, 1));
    fg.setColorAt(0, QColor(255, 255, 255));
    fg.setColorAt(1, QColor(200, 215, 240));
    p.setBrush(fg);
    p.drawPath(front);
    // The snowman: three shaded balls.
    auto ball = [&](double fx, double fy, double fr) {
        QPointF c = At(r, fx, fy);
        double rad = fr * u;
        QRadialGradient g(c - QPointF(rad * 0.35, rad * 0.35), rad * 1.3);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(0.7, QColor(226, 234, 248));
        g.setColorAt(1, QColor(170, 188, 220));
        p.setBrush(g);
        p.drawEllipse(c, rad, rad);
    };
    ball(0.42, 0.80, 0.22);
    ball(0.42, 0.56, 0.16);
    ball(0.42, 0.37, 0.12);
    // Scarf.
    p.setBrush(QColor(200, 30, 40));
    p.drawRoundedRect(QRectF(At(r, 0.29, 0.445), QSizeF(0.26 * u, 0.035 * r.height())), 0.02 * u,
                      0.02 * u);
    p.drawRoundedRect(QRectF(At(r, 0.47, 0.46), QSizeF(0.06 * u, 0.12 * r.height())), 0.02 * u,
                      0.02 * u);
    // Hat.
    p.setBrush(QColor(24, 24, 30));
    p.drawRect(QRectF(At(r, 0.30, 0.275), QSizeF(0.24 * u, 0.025 * r.height())));
    p.drawRect(QRectF(At(r, 0.34, 0.15), QSizeF(0.16 * u, 0.13 * r.height())));
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(At(r, 0.34, 0.245), QSizeF(0.16 * u, 0.025 * r.height())));
    // Eyes, carrot nose, buttons, arms.
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(At(r, 0.385, 0.35), 0.018 * u, 0.018 * u);
    p.drawEllipse(At(r, 0.455, 0.35), 0.018 * u, 0.018 * u);
    for (double y : {0.53, 0.60, 0.72, 0.82}) p.drawEllipse(At(r, 0.42, y), 0.02 * u, 0.02 * u);
    QPolygonF nose;
    nose << At(r, 0.42, 0.375) << At(r, 0.56, 0.395) << At(r, 0.42, 0.405);
    p.setBrush(QColor(240, 130, 30));
    p.drawPolygon(nose);
    p.setPen(QPen(QColor(100, 60, 30), 0.02 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(At(r, 0.28, 0.54), At(r, 0.10, 0.44));
    p.drawLine(At(r, 0.15, 0.47), At(r, 0.11, 0.40));
    p.drawLine(At(r, 0.56, 0.54), At(r, 0.72, 0.45));
    p.drawLine(At(r, 0.67, 0.48), At(r, 0.70, 0.40));
    p.setPen(Qt::NoPen);
    // Snowflakes.
    Rng rng(25);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 70; ++i) {
        double s = rng.Range(0.008, 0.02) * u;
        p.drawEllipse(At(r, rng.Uniform(), rng.Uniform() * 0.9), s, s);
    }
}

// ---- 006 and 011: woven strips

struct Weave {
    QColor a, b;    // the two strip colours
    QColor ground;  // between the strips
    double strips;  // strips across the width
    double angle;   // degrees
};

void PaintWeave(QPainter& p, const QRectF& r, const Weave& w) {
    p.fillRect(r, w.ground);
    p.save();
    p.setClipRect(r);
    p.translate(r.center());
    p.rotate(w.angle);
    const double pitch = r.width() / w.strips, s = pitch * 0.82;
    const int n = static_cast<int>(std::ceil(std::hypot(r.width(), r.height()) / pitch / 2)) + 1;
    auto piece = [&](int i, int j, bool horizontal, bool over) {
        // The strip piece through crossing (i, j), reaching half-way into
        // the gaps on both sides.
        const double half = (pitch - s) / 2;
        QRectF rect = horizontal ? QRectF(i * pitch - half, j * pitch, pitch, s)
                                 : QRectF(i * pitch, j * pitch - half, s, pitch);
        QColor base = horizontal ? w.a : w.b;
        QPointF from = rect.topLeft();
        QPointF to = horizontal ? rect.topRight() : rect.bottomLeft();
        QLinearGradient along(from, to);
        if (over) {
            along.setColorAt(0, Shade(base, 0.55));
            along.setColorAt(0.5, Shade(base, 1.25));
            along.setColorAt(1, Shade(base, 0.55));
        } else {
            along.setColorAt(0, Shade(base, 0.7));
            along.setColorAt(0.5, Shade(base, 0.45));
            along.setColorAt(1, Shade(base, 0.7));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(along);
        p.drawRect(rect);
        // A fine edge line on both long sides.
        p.setPen(QPen(Shade(base, 0.4), std::max(0.6, s * 0.06)));
        if (horizontal) {
            p.drawLine(rect.topLeft(), rect.topRight());
            p.drawLine(rect.bottomLeft(), rect.bottomRight());
        } else {
            p.drawLine(rect.topLeft(), rect.bottomLeft());
            p.drawLine(rect.topRight(), rect.bottomRight());
        }
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int j = -n; j <= n; ++j) {
            for (int i = -n; i <= n; ++i) {
                bool hOver = ((i + j) & 1) == 0;
                // Pass 0 draws the pieces that lie under, pass 1 those above.
                if (pass == 0) {
                    if (hOver)
                        piece(i, j, false, false);
                    else
                        piece(i, j, true, false);
                } else {
                    if (hOver)
                        piece(i, j, true, true);
                    else
                        piece(i, j, false, true);
                }
            }
        }
    }
    p.restore();
}

void Plaiting1(QPainter& p, const QRectF& r) {
    PaintWeave(p, r, {QColor(196, 40, 44), QColor(232, 214, 170), QColor(60, 20, 20), 5.5, 45});
}

void Plaiting2(QPainter& p, const QRectF& r) {
    PaintWeave(p, r, {QColor(30, 120, 90), QColor(220, 180, 60), QColor(20, 40, 30), 7.5, 30});
}

// ---- 007: classic blue, lattice and medallion

void ClassicBlue(QPainter& p, const QRectF& r) {
    const double u = r.width();
    p.fillRect(r, QColor(28, 58, 150));
    p.save();
    p.setClipRect(r);
    const double step = u / 7;
    QPen fine(QColor(120, 160, 235), std::max(0.7, u * 0.012));
    p.setPen(fine);
    for (double d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
    }
    // Small dots where the lattice lines cross.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 220, 255));
    for (double y = r.top(); y <= r.bottom() + step; y += step / 2) {
        int row = static_cast<int>(std::lround((y - r.top()) / (step / 2)));
        for (double x = r.left() + (row % 2 ? step / 2 : 0); x <= r.right() + step; x += step)
            p.drawEllipse(QPointF(x, y), u * 0.014, u * 0.014);
    }
    p.restore();
    // Inner frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 240, 255), std::max(0.8, u * 0.018)));
    p.drawRect(r.adjusted(u * 0.05, u * 0.05, -u * 0.05, -u * 0.05));
    // Medallion with the four suits.
    QPointF c = r.center();
    double rx = u * 0.30, ry = u * 0.36;
    QRadialGradient g(c, ry);
    g.setColorAt(0, QColor(60, 100, 200));
    g.setColorAt(1, QColor(20, 40, 120));
    p.setBrush(g);
    p.setPen(QPen(QColor(235, 240, 255), std::max(0.8, u * 0.02)));
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 240, 255));
    const double s = u * 0.16;
    const QPointF offs[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (int suit = 0; suit < 4; ++suit) {
        QPointF at = c + QPointF(offs[suit].x() * rx * 0.5, offs[suit].y() * ry * 0.5);
        p.drawPath(Scaled(SuitPath(suit), QRectF(at.x() - s / 2, at.y() - s / 2, s, s)));
    }
}

// ---- 014: roses

void Rose(QPainter& p, QPointF c, double rad, QColor petal) {
    // Leaves first, then petals spiralling inwards.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(40 + i * 120);
        QPainterPath leaf;
        leaf.moveTo(rad * 0.6, 0);
        leaf.quadTo(rad * 1.3, -rad * 0.45, rad * 1.75, 0);
        leaf.quadTo(rad * 1.3, rad * 0.45, rad * 0.6, 0);
        QLinearGradient lg(QPointF(rad * 0.6, 0), QPointF(rad * 1.75, 0));
        lg.setColorAt(0, QColor(30, 90, 40));
        lg.setColorAt(1, QColor(70, 150, 70));
        p.setBrush(lg);
        p.setPen(QPen(QColor(20, 60, 30), rad * 0.05));
        p.drawPath(leaf);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    QRadialGradient base(c, rad);
    base.setColorAt(0, Shade(petal, 0.6));
    base.setColorAt(1, Shade(petal, 0.9));
    p.setBrush(base);
    p.drawEllipse(c, rad, rad);
    for (int k = 0; k < 9; ++k) {
        double t = k / 9.0, pr = rad * (1.0 - t * 0.85);
        double a = k * 2.4;
        QPointF pc = c + QPointF(std::cos(a), std::sin(a)) * rad * 0.12 * (1 - t);
        QRadialGradient g(pc - QPointF(pr * 0.3, pr * 0.4), pr * 1.2);
        g.setColorAt(0, Shade(petal, 1.35 - t * 0.3));
        g.setColorAt(0.7, petal);
        g.setColorAt(1, Shade(petal, 0.55));
        p.setBrush(g);
        p.setPen(QPen(Shade(petal, 0.45), std::max(0.3, rad * 0.04)));
        double span = 200 - t * 40;
        p.drawChord(QRectF(pc.x() - pr, pc.y() - pr * 0.9, pr * 2, pr * 1.8),
                    static_cast<int>((a * 180 / kPi) * 16), static_cast<int>(span * 16));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(petal, 0.5));
    p.drawEllipse(c, rad * 0.12, rad * 0.12);
}

void Roses(QPainter& p, const QRectF& r) {
    const double u = r.width();
    QRadialGradient bg(r.center(), r.height() * 0.7);
    bg.setColorAt(0, QColor(30, 70, 40));
    bg.setColorAt(1, QColor(10, 30, 18));
    p.fillRect(r, bg);
    p.save();
    p.setClipRect(r);
    // Background leaves.
    Rng rng(14);
    for (int i = 0; i < 30; ++i) {
        p.save();
        p.translate(At(r, rng.Uniform(), rng.Uniform()));
        p.rotate(rng.Range(0, 360));
        QPainterPath leaf;
        double l = u * rng.Range(0.10, 0.18);
        leaf.moveTo(0, 0);
        leaf.quadTo(l * 0.5, -l * 0.3, l, 0);
        leaf.quadTo(l * 0.5, l * 0.3, 0, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100 + rng.Below(40), 50, 150));
        p.drawPath(leaf);
        p.restore();
    }
    Rose(p, At(r, 0.30, 0.26), u * 0.20, QColor(200, 20, 40));
    Rose(p, At(r, 0.72, 0.50), u * 0.22, QColor(215, 30, 50));
    Rose(p, At(r, 0.32, 0.76), u * 0.19, QColor(190, 15, 35));
    Rose(p, At(r, 0.95, 0.10), u * 0.14, QColor(205, 40, 60));
    Rose(p, At(r, 0.02, 0.52), u * 0.13, QColor(205, 40, 60));
    Rose(p, At(r, 0.92, 0.93), u * 0.14, QColor(205, 40, 60));
    p.restore();
}

// ---- 019: tropical fish

void Fish(QPainter& p, QPointF c, double len, bool left, QColor body, QColor stripe, bool stripes) {
    p.save();
    p.translate(c);
    if (left) p.scale(-1, 1);
    QPainterPath b;
    b.moveTo(len * 0.5, 0);
    b.cubicTo(len * 0.35, -len * 0.32, -len * 0.25, -len * 0.30, -len * 0.32, 0);
    b.cubicTo(-len * 0.25, len * 0.30, len * 0.35, len * 0.32, len * 0.5, 0);
    QPainterPath tail;
    tail.moveTo(-len * 0.28, 0);
    tail.lineTo(-len * 0.55, -len * 0.22);
    tail.quadTo(-len * 0.47, 0, -len * 0.55, len * 0.22);
    tail.closeSubpath();
    QLinearGradient g(QPointF(0, -len * 0.3), QPointF(0, len * 0.3));
    g.setColorAt(0, Shade(body, 1.3));
    g.setColorAt(1, Shade(body, 0.7));
    p.setPen(QPen(Shade(body, 0.4), len * 0.03));
    p.setBrush(g);
    p.drawPath(tail);
    p.drawPath(b);
    if (stripes) {
        p.setClipPath(b);
        p.setPen(QPen(Qt::black, len * 0.02));
        p.setBrush(stripe);
        for (double x : {0.22, -0.05})
            p.drawRect(QRectF(len * x, -len * 0.4, len * 0.1, len * 0.8));
        p.setClipping(false);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(len * 0.32, -len * 0.05), len * 0.06, len * 0.06);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(len * 0.335, -len * 0.05), len * 0.035, len * 0.035);
    p.restore();
}

void TropicalFish(QPainter& p, const QRectF& r) {
    const double u = r.width();
    QLinearGradient sea(r.topLeft(), r.bottomLeft());
    sea.setColorAt(0, QColor(40, 170, 220));
    sea.setColorAt(1, QColor(10, 50, 120));
    p.fillRect(r, sea);
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::NoPen);
    // Light rays from the surface.
    for (int i = 0; i < 4; ++i) {
        QPolygonF ray;
        double x = 0.1 + i * 0.27;
        ray << At(r, x, 0) << At(r, x + 0.1, 0) << At(r, x + 0.35, 1) << At(r, x + 0.15, 1);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawPolygon(ray);
    }
    // Seaweed and coral.
    Rng rng(19);
    for (int i = 0; i < 6; ++i) {
        double x = 0.05 + i * 0.18;
        QPainterPath weed;
        weed.moveTo(At(r, x, 1.0));
        weed.cubicTo(At(r, x - 0.08, 0.85), At(r, x + 0.08, 0.78),
                     At(r, x, 0.62 + rng.Range(0, 0.1)));
        p.setPen(QPen(QColor(40, 150 + rng.Below(60), 80), u * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(weed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 120));
    for (int i = 0; i < 3; ++i) {
        QPointF base = At(r, 0.62 + i * 0.05, 1.0);
        for (int k = -2; k <= 2; ++k) {
            QPainterPath branch;
            branch.moveTo(base);
            branch.quadTo(base + QPointF(k * u * 0.04, -u * 0.1),
                          base + QPointF(k * u * 0.07, -u * (0.18 - std::abs(k) * 0.03)));
            p.setPen(QPen(QColor(240, 110, 120), u * 0.025, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(branch);
        }
    }
    p.setPen(Qt::NoPen);
    QLinearGradient sand(At(r, 0, 0.9), At(r, 0, 1));
    sand.setColorAt(0, QColor(230, 210, 150));
    sand.setColorAt(1, QColor(190, 160, 100));
    QPainterPath floor;
    floor.moveTo(At(r, 0, 0.95));
    floor.quadTo(At(r, 0.5, 0.88), At(r, 1, 0.95));
    floor.lineTo(At(r, 1, 1));
    floor.lineTo(At(r, 0, 1));
    p.setBrush(sand);
    p.drawPath(floor);
    // The fish.
    Fish(p, At(r, 0.55, 0.22), u * 0.45, false, QColor(255, 130, 20), Qt::white, true);
    Fish(p, At(r, 0.35, 0.52), u * 0.40, true, QColor(250, 220, 30), Qt::white, false);
    Fish(p, At(r, 0.70, 0.70), u * 0.34, false, QColor(40, 80, 230), QColor(250, 220, 30), true);
    Fish(p, At(r, 0.22, 0.82), u * 0.22, true, QColor(250, 80, 160), Qt::white, false);
    // Bubbles.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.5, u * 0.01)));
    for (int i = 0; i < 9; ++i) {
        double s = u * rng.Range(0.015, 0.035);
        p.drawEllipse(At(r, 0.82 + rng.Range(-0.05, 0.05), 0.05 + i * 0.05), s, s);
    }
    p.restore();
}

// ---- 020: a mountain lake

void MountainRange(QPainter& p, const QRectF& r, double base, double height, uint32_t seed,
                   QColor c, bool snow) {
    Rng rng(seed);
    QPainterPath m;
    m.moveTo(At(r, 0, base));
    double x = 0;
    std::vector<QPointF> peaks;
    while (x < 1.0) {
        double w = rng.Range(0.12, 0.26);
        double h = height * rng.Range(0.55, 1.0);
        m.lineTo(At(r, x + w / 2, base - h));
        peaks.push_back(At(r, x + w / 2, base - h));
        x += w;
        m.lineTo(At(r, x, base - height * rng.Range(0.05, 0.3)));
    }
    m.lineTo(At(r, 1.05, base));
    m.closeSubpath();
    QLinearGradient g(At(r, 0, base - height), At(r, 0, base));
    g.setColorAt(0, Shade(c, 1.1));
    g.setColorAt(1, Shade(c, 0.75));
    p.setBrush(g);
    p.drawPath(m);
    if (snow) {
        p.save();
        p.setClipPath(m);
        p.setBrush(QColor(245, 248, 255));
        for (QPointF pk : peaks) {
            QPolygonF cap;
            double d = r.height() * height * 0.22;
            cap << pk << pk + QPointF(d * 0.9, d) << pk + QPointF(d * 0.3, d * 0.8)
                << pk + QPointF(0, d * 1.1) << pk + QPointF(-d * 0.4, d * 0.8)
                << pk + QPointF(-d * 0.9, d);
            p.drawPolygon(cap);
        }
        p.restore();
    }
}

void LakeLandscape(QPainter& p, const QRectF& r) {
    // The land above the waterline.
    QLinearGradient sky(r.topLeft(), At(r, 0, 0.55));
    sky.setColorAt(0, QColor(60, 110, 190));
    sky.setColorAt(0.6, QColor(150, 190, 230));
    sky.setColorAt(1, QColor(250, 210, 160));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 200));
    p.drawEllipse(At(r, 0.75, 0.40), r.width() * 0.06, r.width() * 0.06);
    MountainRange(p, r, 0.56, 0.36, 20, QColor(110, 120, 160), true);
    MountainRange(p, r, 0.56, 0.18, 21, QColor(60, 90, 90), false);
    // Pines along the shore.
    Rng rng(22);
    for (double x = 0.0; x < 1.02; x += 0.035) {
        double h = rng.Range(0.05, 0.11);
        QPolygonF t;
        t << At(r, x, 0.56 - h) << At(r, x + 0.03, 0.565) << At(r, x - 0.03, 0.565);
        p.setBrush(QColor(20, 60 + rng.Below(20), 40));
        p.drawPolygon(t);
    }
    // Mirror the land into the lake, darker and bluer.
    const int waterY = static_cast<int>(r.y() + r.height() * 0.565);
    QImage* dev = dynamic_cast<QImage*>(p.device());
    if (dev) {
        QImage land =
            dev->copy(QRect(static_cast<int>(r.x()), static_cast<int>(r.y()),
                            static_cast<int>(r.width()), waterY - static_cast<int>(r.y())));
        QImage mirror = land.mirrored(false, true);
        p.drawImage(QPointF(r.x(), waterY), mirror);
    }
    QLinearGradient water(At(r, 0, 0.565), r.bottomLeft());
    water.setColorAt(0, QColor(20, 60, 110, 110));
    water.setColorAt(1, QColor(10, 30, 70, 220));
    p.fillRect(QRectF(QPointF(r.x(), waterY), r.bottomRight()), water);
    p.setPen(QPen(QColor(255, 255, 255, 70), std::max(0.5, r.width() * 0.008)));
    for (int i = 0; i < 14; ++i) {
        double y = 0.6 + i * 0.028, x = rng.Range(0.05, 0.8);
        p.drawLine(At(r, x, y), At(r, x + rng.Range(0.05, 0.18), y));
    }
    p.setPen(Qt::NoPen);
}

struct BackDef {
    int number;
    Scene scene;
};

const BackDef kBacks[] = {
    {1, StarryNight}, {3, Snowman}, {6, Plaiting2},     {7, ClassicBlue},
    {11, Plaiting1},  {14, Roses},  {19, TropicalFish}, {20, LakeLandscape},
};

// A back at w x h: white rim, the scene in a framed panel, the card outline.
QImage PaintBack(Scene scene, int w, int h) {
    const int ss = 3;
    QImage big = Opaque(w * ss, h * ss, Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        double rim = std::max(1.5, w * 0.045) * ss;
        QRectF panel(rim, rim, w * ss - 2 * rim, h * ss - 2 * rim);
        QPainterPath clip;
        clip.addRoundedRect(panel, ss * 1.5, ss * 1.5);
        p.save();
        p.setClipPath(clip);
        scene(p, panel);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 60, 70), ss * 0.8));
        p.drawRoundedRect(panel, ss * 1.5, ss * 1.5);
    }
    QImage back = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    CardOutline(back, QColor(72, 72, 72), QColor(0, 96, 0));
    return back;
}

}  // namespace

void MakeBacks(Library& lib) {
    for (const BackDef& b : kBacks) {
        for (const CardSize& size : CardSizes()) {
            // Size "L" stretches the "B" backs except the default one.
            if (size.letter == 'L' && b.number != 11) continue;
            lib.AddBitmap(QString("D%1%2").arg(size.letter).arg(b.number, 3, 10, QChar('0')),
                          PaintBack(b.scene, size.w, size.h));
        }
    }
}

}  // namespace artgen
