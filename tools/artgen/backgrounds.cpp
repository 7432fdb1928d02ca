// Table backgrounds "B" + number: tiles that repeat without seams (every
// pattern and every noise field here is periodic over the tile), and one
// large picture above 499 that the table copies once.
#include <QPainter>
#include <cmath>

#include "artgen.h"

namespace artgen {

namespace {

constexpr double kTau = 6.28318530717958647692;

template <class F>
QImage Pixels(int w, int h, F f) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = f(x, y);
    }
    return img;
}

QRgb Rgb(double r, double g, double b) {
    auto c = [](double v) { return static_cast<int>(std::clamp(v, 0.0, 255.0)); };
    return qRgb(c(r), c(g), c(b));
}

QRgb Lerp(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Rgb(a.red() + (b.red() - a.red()) * t, a.green() + (b.green() - a.green()) * t,
               a.blue() + (b.blue() - a.blue()) * t);
}

QRgb Scale(QRgb c, double f) {
    return Rgb(qRed(c) * f, qGreen(c) * f, qBlue(c) * f);
}

// Draws `paint` at the tile and at its eight wrapped neighbours, so shapes
// crossing an edge come back on the other side.
template <class F>
void Wrapped(QPainter& p, int size, F paint) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * size, dy * size);
            paint();
            p.restore();
        }
}

// 263 "Marble 1": green marble with pale veins.
QImage Marble() {
    const int T = 256;
    TileFbm turb(T, 4, 5, 263);
    TileFbm turb2(T, 2, 2, 5, 265u, 0.6f);
    TileFbm cloud(T, 3, 4, 264);
    return Pixels(T, T, [&](int x, int y) {
        double t = turb.At(x, y), t2 = turb2.At(x, y);
        double v = std::sin(kTau * (1.0 * x / T + 1.0 * y / T + 3.0 * t));
        double w = std::sin(kTau * (2.0 * x / T - 1.0 * y / T + 4.0 * t2));
        double vein =
            0.7 * std::pow(1.0 - std::abs(v), 7.0) + 0.35 * std::pow(1.0 - std::abs(w), 14.0);
        double c = cloud.At(x, y);
        QColor base = Mix(QColor(16, 62, 46), QColor(52, 118, 88), c * 1.2 - 0.1);
        return Lerp(base, QColor(200, 232, 214), vein);
    });
}

// 287 "Metal gold": brushed gold.
QImage MetalGold() {
    const int T = 256;
    TileNoise fine(T, 16, 256, 287);
    TileFbm streak(T, 2, 32, 3, 288);
    TileFbm sheen(T, 2, 2, 289);
    return Pixels(T, T, [&](int x, int y) {
        // Stretched noise: long horizontal streaks.
        double s = 0.6 * fine.At(x, y) + 0.4 * streak.At(x, y);
        double l = 0.78 + 0.28 * (s - 0.5) + 0.18 * (sheen.At(x, y) - 0.5);
        return Rgb(236 * l, 190 * l, 84 * l);
    });
}

// 324 "Meadow": grass blades with a few flowers.
QImage Meadow() {
    const int T = 256;
    TileFbm ground(T, 4, 3, 324);
    QImage img = Pixels(T, T, [&](int x, int y) {
        double g = ground.At(x, y);
        return Lerp(QColor(40, 90, 24), QColor(70, 130, 40), g);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(325);
    for (int i = 0; i < 2600; ++i) {
        double x = rng.Uniform() * T, y = rng.Uniform() * T;
        double len = rng.Range(6, 14), lean = rng.Range(-4, 4);
        QColor c = Mix(QColor(50, 110, 30), QColor(140, 190, 70), rng.Uniform());
        const double width = rng.Range(0.8, 1.6);
        Wrapped(p, T, [&] {
            p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
            QPainterPath blade(QPointF(x, y));
            blade.quadTo(QPointF(x + lean * 0.3, y - len * 0.6), QPointF(x + lean, y - len));
            p.drawPath(blade);
        });
    }
    const QColor petals[] = {QColor(250, 250, 250), QColor(250, 220, 60), QColor(200, 120, 220)};
    for (int i = 0; i < 24; ++i) {
        double x = rng.Uniform() * T, y = rng.Uniform() * T;
        QColor c = petals[rng.Below(3)];
        Wrapped(p, T, [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            for (int k = 0; k < 5; ++k) {
                double a = k * kTau / 5;
                p.drawEllipse(QPointF(x + 2.2 * std::cos(a), y + 2.2 * std::sin(a)), 1.8, 1.8);
            }
            p.setBrush(QColor(240, 180, 30));
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
        });
    }
    return img;
}

// 302 "Pattern 1": interlaced rings, burgundy and gold.
QImage Pattern() {
    const int T = 128;
    QImage img = Opaque(T, T, QColor(90, 16, 30));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double cell = T / 2.0;
    // A quatrefoil lattice: circles on the grid and on the half-offset grid.
    Wrapped(p, T, [&] {
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i) {
                QPointF c(i * cell, j * cell);
                p.setPen(QPen(QColor(200, 160, 70), 3));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(c, cell * 0.5, cell * 0.5);
                QPointF d(c.x() + cell / 2, c.y() + cell / 2);
                p.setPen(QPen(QColor(150, 40, 60), 2));
                p.drawEllipse(d, cell * 0.35, cell * 0.35);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(220, 185, 90));
                QPolygonF diamond;
                diamond << d + QPointF(0, -6) << d + QPointF(6, 0) << d + QPointF(0, 6)
                        << d + QPointF(-6, 0);
                p.drawPolygon(diamond);
                p.setBrush(QColor(60, 8, 20));
                p.drawEllipse(c, 4, 4);
            }
    });
    p.end();
    // A faint woven grain over the whole tile.
    TileNoise grain(T, 64, 302);
    for (int y = 0; y < T; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < T; ++x) line[x] = Scale(line[x], 0.9 + 0.2 * grain.At(x, y));
    }
    return img;
}

// 296 "Moquette 1": a deep blue carpet pile with a small motif.
QImage Moquette() {
    const int T = 128;
    TileNoise pile(T, 128, 296);
    TileFbm shade(T, 4, 3, 297);
    QImage img = Pixels(T, T, [&](int x, int y) {
        double n = 0.75 + 0.35 * pile.At(x, y) + 0.25 * (shade.At(x, y) - 0.5);
        int mx = x % 32, my = y % 32;
        int d = std::abs(mx - 16) + std::abs(my - 16);
        QColor base(26, 44, 110);
        if (d == 9 || d == 10)
            base = QColor(170, 140, 60);
        else if (d < 4)
            base = QColor(150, 30, 40);
        return Rgb(base.red() * n, base.green() * n, base.blue() * n);
    });
    return img;
}

// 304 "Brick wall 1".
QImage BrickWall() {
    const int T = 256, bw = 64, bh = 32, mortar = 3;
    TileFbm grit(T, 32, 3, 304);
    TileFbm stain(T, 4, 3, 305);
    Rng rng(306);
    std::vector<double> tone(64);
    for (double& t : tone) t = rng.Range(0.8, 1.12);
    return Pixels(T, T, [&](int x, int y) {
        int row = y / bh;
        int xs = (x + (row & 1) * bw / 2) % T;
        int col = xs / bw;
        int bx = xs % bw, by = y % bh;
        double g = grit.At(x, y), s = stain.At(x, y);
        if (bx < mortar || by < mortar) {
            double l = 0.85 + 0.3 * g;
            return Rgb(170 * l, 165 * l, 150 * l);
        }
        double t = tone[static_cast<size_t>((row * 7 + col) % 64)];
        // A soft bevel on the brick edges.
        double edge = std::min({bx - mortar, by - mortar, bw - 1 - bx, bh - 1 - by});
        double bevel = edge < 2 ? 0.82 + 0.08 * edge : 1.0;
        double l = t * bevel * (0.8 + 0.4 * g) * (0.9 + 0.2 * s);
        return Rgb(150 * l, 60 * l, 40 * l);
    });
}

// 311 "Parquet": oak strips laid in squares of alternating direction.
QImage Parquet() {
    const int T = 256, block = 64, strip = 16;
    // Grain stretched along each strip direction.
    TileNoise fibreH(T, 8, 128, 311), fibreV(T, 128, 8, 314);
    TileFbm grainH(T, 2, 16, 3, 312), grainV(T, 16, 2, 3, 315);
    Rng rng(313);
    std::vector<double> tone(256);
    for (double& t : tone) t = rng.Range(0.85, 1.1);
    return Pixels(T, T, [&](int x, int y) {
        int bx = x / block, by = y / block;
        bool horizontal = ((bx + by) & 1) == 0;
        int lx = x % block, ly = y % block;
        int across = horizontal ? ly : lx;
        int along = horizontal ? lx : ly;
        int s = across / strip;
        double t = tone[static_cast<size_t>(((by * 4 + bx) * 4 + s) % 256)];
        // Grain runs along the strip: noise sampled stretched in that direction.
        double g = horizontal ? grainH.At(x, y) : grainV.At(x, y);
        double f = horizontal ? fibreH.At(x, y) : fibreV.At(x, y);
        double rings = std::sin(kTau * (across % strip) / strip * 1.5 + 6.0 * g);
        double l = t * (0.88 + 0.08 * rings + 0.12 * (f - 0.5));
        bool gap = (across % strip) == 0 || along == 0;
        if (gap) l *= 0.55;
        return Rgb(190 * l, 130 * l, 70 * l);
    });
}

// 102 "Moquette" for displays of 256 colours or fewer: few flat colours.
QImage MoquetteFlat() {
    const int T = 32;
    return Pixels(T, T, [&](int x, int y) {
        int d = std::abs(x - 16) + std::abs(y - 16);
        if (d == 12 || d == 13) return qRgb(128, 128, 0);
        if (d < 4) return qRgb(128, 0, 0);
        return ((x + y) & 3) == 0 ? qRgb(0, 0, 128) : qRgb(0, 0, 96);
    });
}

// 600: green baize with a soft light falling on it, copied once at the
// table's top-left corner.
QImage Baize() {
    const int W = 1024, H = 768;
    TileNoise fibre(256, 256, 600);
    TileFbm cloud(256, 4, 3, 601);
    return Pixels(W, H, [&](int x, int y) {
        double dx = (x - W * 0.45) / W, dy = (y - H * 0.35) / H;
        double light = 1.15 - 0.9 * (dx * dx + dy * dy);
        // Fibres only on every other pixel keep the file small.
        double n =
            0.97 + ((x ^ y) & 1 ? 0.06 * fibre.At(x, y) : 0.0) + 0.08 * (cloud.At(x, y) - 0.5);
        double l = light * n;
        return Rgb(12 * l, 110 * l, 40 * l);
    });
}

}  // namespace

void MakeBackgrounds(Library& lib) {
    lib.AddBitmap("B263", Marble());
    lib.AddBitmap("B287", MetalGold());
    lib.AddBitmap("B324", Meadow());
    lib.AddBitmap("B302", Pattern());
    lib.AddBitmap("B296", Moquette());
    lib.AddBitmap("B304", BrickWall());
    lib.AddBitmap("B311", Parquet());
    lib.AddBitmap("B102", MoquetteFlat());
    lib.AddBitmap("B600", Baize());
}

}  // namespace artgen
