// The splash picture (467 x 287) and the program icon.
#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <cmath>

#include "artgen.h"

namespace artgen {

namespace {

void DrawShadowed(QPainter& p, const QImage& card, QPointF at, double angle) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 18));
        p.drawRoundedRect(QRectF(-card.width() / 2.0 + i, -card.height() / 2.0 + i * 1.5,
                                 card.width(), card.height()),
                          4, 4);
    }
    // Rounded corners: the card is clipped rather than drawn square.
    QPainterPath clip;
    clip.addRoundedRect(
        QRectF(-card.width() / 2.0, -card.height() / 2.0, card.width(), card.height()), 3, 3);
    p.setClipPath(clip);
    p.drawImage(QPointF(-card.width() / 2.0, -card.height() / 2.0), card);
    p.restore();
}

QImage Splash(const Library& lib, const QString& version) {
    const int W = 467, H = 287;
    QImage img = Opaque(W, H, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRadialGradient felt(QPointF(W * 0.6, H * 0.4), W * 0.75);
    felt.setColorAt(0, QColor(20, 130, 60));
    felt.setColorAt(0.6, QColor(8, 90, 40));
    felt.setColorAt(1, QColor(2, 40, 18));
    p.fillRect(img.rect(), felt);
    // A faint weave in the felt.
    TileNoise fibre(64, 64, 2003);
    for (int y = 0; y < H; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            double f = 0.94 + 0.1 * fibre.At(x, y);
            line[x] = qRgb(std::min(255, static_cast<int>(qRed(line[x]) * f)),
                           std::min(255, static_cast<int>(qGreen(line[x]) * f)),
                           std::min(255, static_cast<int>(qBlue(line[x]) * f)));
        }
    }
    // A fan of the four aces and the joker.
    const int cw = 85, ch = 115;
    std::vector<QImage> fan;
    for (const char* suit : {"S", "D", "C", "H"}) {
        QImage grid = lib.Bitmap(QString("CS001") + suit);
        if (!grid.isNull()) fan.push_back(grid.copy(0, 0, cw, ch));
    }
    QImage joker = lib.Bitmap("JOKER_S");
    if (!joker.isNull()) fan.insert(fan.begin() + 2, joker);
    const QPointF pivot(W / 2.0, 500);
    for (size_t i = 0; i < fan.size(); ++i) {
        double angle = -20 + 10.0 * static_cast<double>(i);
        double a = (angle - 90) * 3.14159265358979 / 180;
        QPointF at = pivot + QPointF(std::cos(a), std::sin(a)) * 290;
        DrawShadowed(p, fan[i], at, angle);
    }
    // The name, gold on the felt.
    QFont title(SerifFamily());
    title.setBold(true);
    title.setPixelSize(50);
    QPainterPath text;
    text.addText(QPointF(0, 0), title, "Brindlewick");
    QRectF tb = text.boundingRect();
    const QPointF at((W - tb.width()) / 2 - tb.left(), 66);
    text.translate(at);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(text.translated(2.5, 3));
    QLinearGradient gold(QPointF(0, at.y() - 40), QPointF(0, at.y() + 8));
    gold.setColorAt(0, QColor(255, 244, 190));
    gold.setColorAt(0.5, QColor(240, 196, 80));
    gold.setColorAt(1, QColor(170, 110, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 0), 1));
    p.drawPath(text);
    QFont sub(SerifFamily());
    sub.setBold(true);
    sub.setPixelSize(20);
    p.setFont(sub);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(QRectF(1.5, 78 + 1.5, W, 30), Qt::AlignHCenter | Qt::AlignVCenter, "2003");
    p.setPen(QColor(250, 230, 160));
    p.drawText(QRectF(0, 78, W, 30), Qt::AlignHCenter | Qt::AlignVCenter, "2003");
    QFont small(SansFamily());
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(215, 240, 215));
    p.drawText(QRectF(0, 104, W, 20), Qt::AlignHCenter | Qt::AlignVCenter, "Memory card games");
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(170, 210, 170));
    p.drawText(QRectF(W - 160, H - 26, 146, 16), Qt::AlignRight | Qt::AlignVCenter,
               "Version " + version);
    // A thin gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 160, 70), 2));
    p.drawRect(QRectF(5, 5, W - 10, H - 10));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    p.end();
    return img;
}

// The icon drawn on a 32 x 32 design grid: a card back and a heart face.
void PaintIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    auto card = [&](QRectF r, double angle, bool back) {
        p.save();
        p.translate(r.center());
        p.rotate(angle);
        QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
        p.setPen(QPen(QColor(30, 30, 40), 0.9));
        QLinearGradient g(c.topLeft(), c.bottomRight());
        if (back) {
            g.setColorAt(0, QColor(70, 110, 220));
            g.setColorAt(1, QColor(20, 40, 140));
        } else {
            g.setColorAt(0, QColor(255, 255, 255));
            g.setColorAt(1, QColor(220, 225, 235));
        }
        p.setBrush(g);
        p.drawRoundedRect(c, 2.2, 2.2);
        if (back) {
            p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(c.adjusted(1.8, 1.8, -1.8, -1.8), 1.2, 1.2);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(215, 25, 35));
            double s = c.width() * 0.62;
            p.drawPath(Scaled(HeartPath(), QRectF(-s / 2, -s / 2 + 1, s, s)));
        }
        p.restore();
    };
    card(QRectF(3, 4, 17, 24), -14, true);
    card(QRectF(12, 4, 17, 24), 10, false);
}

QImage Icon(int size) {
    // Small sizes are drawn four times larger and scaled down.
    const int ss = size < 64 ? 4 : 1;
    QImage big = Transparent(size * ss, size * ss);
    {
        QPainter p(&big);
        p.scale(size * ss / 32.0, size * ss / 32.0);
        PaintIcon(p);
    }
    return ss == 1 ? big : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void MakeSplash(Library& lib, const QString& version) {
    lib.AddBitmap("SPLASH", Splash(lib, version));
    lib.AddBitmap("MAINICON", Icon(256));
    for (int s : {16, 32, 48}) lib.AddBitmap(QString("MAINICON%1").arg(s), Icon(s));
}

bool WriteThemeIcons(const QString& dir, const QString& name) {
    QDir root(dir);
    for (int size : kThemeIconSizes) {
        const QString sub = QString("hicolor/%1x%1/apps").arg(size);
        if (!root.mkpath(sub) || !Icon(size).save(root.filePath(sub + "/" + name + ".png"), "PNG"))
            return false;
    }
    if (!root.mkpath("hicolor/scalable/apps")) return false;
    QSvgGenerator svg;
    svg.setFileName(root.filePath("hicolor/scalable/apps/" + name + ".svg"));
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRectF(0, 0, 32, 32));
    svg.setTitle("Brindlewick");
    QPainter p;
    if (!p.begin(&svg)) return false;
    PaintIcon(p);
    return p.end();
}

}  // namespace artgen
