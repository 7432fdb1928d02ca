#include <QDir>
#include <QPainter>

#include "artgen.h"

namespace artgen {

namespace {

struct Tile {
    QString label;
    QImage image;
};

// Lays the tiles out in rows up to `width` pixels, each labelled below,
// enlarged `zoom` times (nearest neighbour, so pixels stay visible).
void SaveSheet(const QString& path, const std::vector<Tile>& tiles, int width, QColor bg,
               int zoom = 1, bool labels = true) {
    const int pad = 6, labelH = labels ? 14 : 0;
    int x = pad, y = pad, rowH = 0, maxW = 0;
    std::vector<QPoint> at;
    for (const Tile& t : tiles) {
        int w = std::max(t.image.width() * zoom, labels ? 40 : 0),
            h = t.image.height() * zoom + labelH;
        if (x + w + pad > width && x > pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        at.emplace_back(x, y);
        x += w + pad;
        rowH = std::max(rowH, h);
        maxW = std::max(maxW, x);
    }
    QImage sheet = Opaque(std::max(maxW, 1), y + rowH + pad, bg);
    QPainter p(&sheet);
    QFont f(SansFamily());
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(bg.lightness() > 128 ? Qt::black : Qt::white);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const QImage& img = tiles[i].image;
        p.drawImage(QRect(at[i], img.size() * zoom), img);
        if (labels)
            p.drawText(QRect(at[i].x(), at[i].y() + img.height() * zoom, 200, labelH),
                       Qt::AlignLeft | Qt::AlignVCenter, tiles[i].label);
    }
    p.end();
    sheet.save(path);
}

std::vector<Tile> Matching(const Library& lib, const std::function<bool(const QString&)>& pick) {
    std::vector<Tile> tiles;
    for (const auto& [name, img] : lib.bitmaps())
        if (pick(name)) tiles.push_back({name, img});
    return tiles;
}

// Draws `src` with one colour transparent.
void DrawKeyed(QPainter& p, QPoint at, const QImage& src, QRgb key) {
    QImage a = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF)) a.setPixel(x, y, 0);
    p.drawImage(at, a);
}

// Piles raised by the stack edge and a dragged card with its shadow, drawn
// the way the table draws them.
QImage EdgeDemo(const Library& lib, char size) {
    const CardSize cs = SizeOf(size);
    const int W = cs.w, H = cs.h;
    QImage face = lib.Bitmap(QString("C%1").arg(size) + "001S").copy(0, 0, W, H);
    QImage b1 = lib.Bitmap(QString("3D_BORDER_%1").arg(size) + "1");
    QImage b2 = lib.Bitmap(QString("3D_BORDER_%1").arg(size) + "2");
    const int depths[] = {0, 1, 2, 4, 8, 15};
    QImage img = Opaque(6 * (W + 30) + W + 40, H + 50, QColor(0, 96, 0));
    QPainter p(&img);
    for (int i = 0; i < 6; ++i) {
        const int d = depths[i], bx = 25 + i * (W + 30), by = 25;
        DrawKeyed(p, QPoint(bx - 13, by + H - d - 1), b2.copy(0, 15 - d, W + 11, d + 1),
                  qRgb(0, 0, 255));
        DrawKeyed(p, QPoint(bx + W - d - 1, by - 13), b1.copy(15 - d, 0, d + 1, H + 13),
                  qRgb(0, 0, 255));
        QImage top = face.copy();
        if (W > 25) {
            top.setPixel(W - 1, H - 1, qRgb(192, 192, 192));
            top.setPixel(W - 2, H - 1, qRgb(192, 192, 192));
            top.setPixel(W - 1, H - 2, qRgb(192, 192, 192));
        }
        p.drawImage(bx - d, by - d, top);
    }
    const int x = 25 + 6 * (W + 30), y = 20;
    DrawKeyed(p, QPoint(x + W, y + 7), lib.Bitmap(QString("SHADOW_%1").arg(size) + "1"),
              qRgb(255, 255, 255));
    DrawKeyed(p, QPoint(x + 8, y + H), lib.Bitmap(QString("SHADOW_%1").arg(size) + "2"),
              qRgb(255, 255, 255));
    p.drawImage(x, y, face);
    p.end();
    return img;
}

}  // namespace

void WriteSheets(const Library& lib, const QString& dir) {
    QDir().mkpath(dir);
    const QColor felt(0, 96, 0);
    for (const char* deck : {"001", "003", "004"}) {
        for (char size : {'S', 'B', 'M'}) {
            std::vector<Tile> tiles;
            for (char suit : {'H', 'D', 'C', 'S'}) {
                QString name = QString("C%1%2%3").arg(size).arg(deck).arg(suit);
                tiles.push_back({name, lib.Bitmap(name)});
            }
            tiles.push_back(
                {QString("JOKER_%1").arg(size), lib.Bitmap(QString("JOKER_%1").arg(size))});
            SaveSheet(QString("%1/faces_%2_%3.png").arg(dir).arg(deck).arg(size), tiles, 900, felt);
        }
    }
    SaveSheet(
        dir + "/backs.png",
        Matching(lib,
                 [](const QString& n) { return n.size() == 5 && n[0] == 'D' && n[2].isDigit(); }),
        1000, felt);
    for (char size : {'S', 'B', 'M', 'L'}) {
        SaveSheet(
            QString("%1/marks_%2.png").arg(dir).arg(size),
            Matching(lib,
                     [size](const QString& n) { return n.startsWith(QString("W%1").arg(size)); }),
            1000, felt);
        SaveSheet(QString("%1/edges_%2.png").arg(dir).arg(size),
                  Matching(lib,
                           [size](const QString& n) {
                               return n == QString("SHADOW_%1%2").arg(size).arg(1) ||
                                      n == QString("SHADOW_%1%2").arg(size).arg(2) ||
                                      n.startsWith(QString("3D_BORDER_%1").arg(size));
                           }),
                  600, QColor(200, 200, 200), 3);
    }
    for (char size : {'S', 'B', 'M', 'L'}) {
        SaveSheet(QString("%1/edge_demo_%2.png").arg(dir).arg(size),
                  {{"stack edges and shadow", EdgeDemo(lib, size)}}, 2000, QColor(0, 96, 0), 2);
    }
    // Backgrounds tiled 2 x 2 so seams would show.
    std::vector<Tile> bgs;
    for (const auto& [name, img] : lib.bitmaps()) {
        if (name.size() != 4 || name[0] != 'B' || !name[1].isDigit()) continue;
        if (img.width() > 400) {
            bgs.push_back({name, img.scaled(img.width() / 2, img.height() / 2)});
            continue;
        }
        QImage two = Opaque(img.width() * 2, img.height() * 2, Qt::black);
        QPainter p(&two);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) p.drawImage(x * img.width(), y * img.height(), img);
        p.end();
        bgs.push_back({name, two});
    }
    SaveSheet(dir + "/backgrounds.png", bgs, 1400, QColor(64, 64, 64));
    SaveSheet(dir + "/toolbar.png",
              Matching(lib, [](const QString& n) { return n.startsWith("TB_"); }), 900,
              QColor(212, 208, 200), 2);
    SaveSheet(dir + "/tree.png", Matching(lib, [](const QString& n) { return n.contains("TREE"); }),
              1000, QColor(255, 255, 255), 2);
    SaveSheet(dir + "/misc.png",
              Matching(lib,
                       [](const QString& n) {
                           return n.startsWith("PROG_") || n.startsWith("SUIT_") ||
                                  n.startsWith("BADGE_") || n.startsWith("MAINICON");
                       }),
              1000, QColor(212, 208, 200), 2);
    SaveSheet(dir + "/splash.png", Matching(lib, [](const QString& n) { return n == "SPLASH"; }),
              600, QColor(64, 64, 64));
    std::vector<Tile> curs;
    for (const auto& [name, img] : lib.cursors()) {
        QImage c = img.copy();
        QStringList hs = c.text("HotSpot").split(',');
        if (hs.size() == 2) {
            QPainter p(&c);
            p.setPen(QColor(255, 0, 255));
            p.drawPoint(hs[0].toInt(), hs[1].toInt());
        }
        curs.push_back({name, c});
    }
    SaveSheet(dir + "/cursors.png", curs, 900, QColor(0, 96, 0), 3);
    // Sounds as waveforms, one pixel per 5 ms column (min/max of the samples).
    std::vector<Tile> waves;
    for (const auto& [name, wav] : lib.sounds()) {
        const int n = (wav.size() - 44) / 2;
        const qint16* s = reinterpret_cast<const qint16*>(wav.constData() + 44);
        const int per = 110, cols = std::max(1, n / per);
        QImage img = Opaque(cols, 80, QColor(250, 250, 250));
        QPainter p(&img);
        p.setPen(QColor(200, 200, 200));
        p.drawLine(0, 40, cols, 40);
        p.setPen(QColor(30, 60, 160));
        for (int c = 0; c < cols; ++c) {
            int lo = 0, hi = 0;
            for (int i = c * per; i < std::min(n, (c + 1) * per); ++i) {
                lo = std::min<int>(lo, s[i]);
                hi = std::max<int>(hi, s[i]);
            }
            p.drawLine(c, 40 - hi * 40 / 32768, c, 40 - lo * 40 / 32768);
        }
        p.end();
        waves.push_back({name, img});
    }
    SaveSheet(dir + "/sounds.png", waves, 900, QColor(212, 208, 200));
}

}  // namespace artgen
