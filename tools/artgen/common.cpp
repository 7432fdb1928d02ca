#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTransform>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <thread>

#include "artgen.h"
#include "render/raw_picture.h"

namespace artgen {

const std::vector<CardSize>& CardSizes() {
    static const std::vector<CardSize> sizes = {
        {'S', 85, 115}, {'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}, {kMasterSize, 284, 384}};
    return sizes;
}

CardSize SizeOf(char letter) {
    for (const auto& s : CardSizes())
        if (s.letter == letter) return s;
    return {'B', 71, 96};
}

// ---------------------------------------------------------------- Library

void Library::AddBitmap(const QString& name, const QImage& image) {
    QImage img = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                         : image.convertToFormat(QImage::Format_RGB32);
    bitmaps_[name.toUpper()] = img;
}

void Library::AddBitmapAlias(const QString& alias, const QString& existing) {
    aliases_[alias.toUpper()] = existing.toUpper();
}

QImage Library::Bitmap(const QString& name) const {
    QString key = name.toUpper();
    auto a = aliases_.find(key);
    if (a != aliases_.end()) key = a->second;
    auto it = bitmaps_.find(key);
    return it == bitmaps_.end() ? QImage() : it->second;
}

void Library::AddCursor(const QString& name, const QImage& image, QPoint hotSpot) {
    QImage img = image.convertToFormat(QImage::Format_ARGB32);
    img.setText("HotSpot", QString("%1,%2").arg(hotSpot.x()).arg(hotSpot.y()));
    cursors_[name.toUpper()] = img;
}

void Library::AddSound(const QString& name, const QByteArray& wave) {
    sounds_[name.toUpper()] = wave;
}

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

}  // namespace

bool Library::Write(const QString& dir) const {
    QDir root(dir);
    for (const char* sub : {"bmp", "cur", "wave"}) {
        if (!root.mkpath(sub)) return false;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    auto entry = [&qrc](const QString& alias, const QString& file) {
        qrc += "  <file alias=\"" + alias.toLatin1() + "\">" + file.toLatin1() + "</file>\n";
    };
    // Pictures are stored as the pixels a PNG decoder would give back (the
    // packer compresses them), pointers as PNG: their hot spot is a text
    // chunk. The round trip through PNG fixes the pixel format and values
    // exactly as the PNG files of old had them. Encoding is most of the
    // generator's time: spread it over the processors.
    struct Picture {
        QString name;  // "bmp/NAME"
        const QImage* image;
        bool raw;
        QString file;  // chosen by the workers
    };
    std::vector<Picture> pictures;
    for (const auto& [name, img] : bitmaps_) pictures.push_back({"bmp/" + name, &img, true, {}});
    for (const auto& [name, img] : cursors_) pictures.push_back({"cur/" + name, &img, false, {}});
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto work = [&] {
        for (size_t i = next++; i < pictures.size(); i = next++) {
            Picture& p = pictures[i];
            QByteArray png;
            QBuffer buffer(&png);
            if (!buffer.open(QIODevice::WriteOnly) || !p.image->save(&buffer, "PNG")) {
                ok = false;
                continue;
            }
            QByteArray bytes = png;
            p.file = p.name + ".png";
            if (p.raw) {
                const QByteArray raw = bw::EncodeRawPicture(QImage::fromData(png, "PNG"));
                if (!raw.isEmpty()) {
                    bytes = raw;
                    p.file = p.name + ".raw";
                }
            }
            if (!WriteBytes(root.filePath(p.file), bytes)) ok = false;
        }
    };
    const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < n; ++i) workers.emplace_back(work);
    work();
    for (std::thread& t : workers) t.join();
    if (!ok) return false;
    std::map<QString, QString> files;
    for (const Picture& p : pictures) {
        entry(p.name, p.file);
        files[p.name] = p.file;
    }
    for (const auto& [alias, existing] : aliases_) entry("bmp/" + alias, files["bmp/" + existing]);
    for (const auto& [name, wave] : sounds_) {
        QString file = "wave/" + name + ".wav";
        if (!WriteBytes(root.filePath(file), wave)) return false;
        entry("wave/" + name, file);
    }
    qrc += "</qresource>\n</RCC>\n";
    // Written last: the build treats the .qrc as the sign that the set is complete.
    return WriteBytes(root.filePath("qlr.qrc"), qrc);
}

// ---------------------------------------------------------------- images

QImage Opaque(int w, int h, QColor fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage Transparent(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool IsCardCorner(int x, int y, int w, int h) {
    int cx = x < 2 ? x : (x >= w - 2 ? w - 1 - x : -1);
    int cy = y < 2 ? y : (y >= h - 2 ? h - 1 - y : -1);
    if (cx < 0 || cy < 0) return false;
    if (w <= 25) return cx == 0 && cy == 0;
    return cx + cy <= 1;
}

void CardOutline(QImage& img, QColor outline, QColor corner) {
    const int w = img.width(), h = img.height();
    const QRgb o = outline.rgba(), c = corner.rgba();
    for (int x = 0; x < w; ++x) {
        img.setPixel(x, 0, o);
        img.setPixel(x, h - 1, o);
    }
    for (int y = 0; y < h; ++y) {
        img.setPixel(0, y, o);
        img.setPixel(w - 1, y, o);
    }
    // The rounded corner: the outline turns through the diagonal pixel.
    if (w > 25) {
        img.setPixel(1, 1, o);
        img.setPixel(w - 2, 1, o);
        img.setPixel(1, h - 2, o);
        img.setPixel(w - 2, h - 2, o);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (IsCardCorner(x, y, w, h)) img.setPixel(x, y, c);
}

// ---------------------------------------------------------------- noise

uint32_t Rng::Next() {
    // xorshift32
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}
double Rng::Uniform() {
    return (Next() >> 8) / 16777216.0;
}
double Rng::Range(double lo, double hi) {
    return lo + (hi - lo) * Uniform();
}
int Rng::Below(int n) {
    return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n));
}

TileNoise::TileNoise(int size, int cellsX, int cellsY, uint32_t seed)
    : size_(size), cellsX_(cellsX), cellsY_(cellsY), values_(static_cast<size_t>(cellsX * cellsY)) {
    Rng r(seed * 2654435761u + 12345u);
    for (float& v : values_) v = static_cast<float>(r.Uniform());
}

float TileNoise::Lattice(int i, int j) const {
    i %= cellsX_;
    j %= cellsY_;
    if (i < 0) i += cellsX_;
    if (j < 0) j += cellsY_;
    return values_[static_cast<size_t>(j * cellsX_ + i)];
}

float TileNoise::At(float x, float y) const {
    float fx = x * cellsX_ / size_, fy = y * cellsY_ / size_;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = Lattice(ix, iy), b = Lattice(ix + 1, iy);
    float c = Lattice(ix, iy + 1), d = Lattice(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

TileFbm::TileFbm(int size, int cellsX, int cellsY, int octaves, uint32_t seed, float gain) {
    float w = 1.0f, total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        octaves_.emplace_back(size, cellsX << o, cellsY << o,
                              seed + static_cast<uint32_t>(o) * 7919u);
        weights_.push_back(w);
        total += w;
        w *= gain;
    }
    for (float& x : weights_) x /= total;
}

float TileFbm::At(float x, float y) const {
    float v = 0;
    for (size_t i = 0; i < octaves_.size(); ++i) v += weights_[i] * octaves_[i].At(x, y);
    return v;
}

QColor Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Shade(QColor c, double factor) {
    if (factor < 1) return Mix(QColor(0, 0, 0, c.alpha()), c, factor);
    return Mix(c, QColor(255, 255, 255, c.alpha()), factor - 1);
}

// ---------------------------------------------------------------- suits

QPainterPath HeartPath() {
    QPainterPath p;
    p.moveTo(0.5, 0.28);
    p.cubicTo(0.5, 0.08, 0.24, -0.02, 0.09, 0.12);
    p.cubicTo(-0.06, 0.27, 0.02, 0.52, 0.22, 0.70);
    p.cubicTo(0.33, 0.80, 0.45, 0.88, 0.5, 0.98);
    p.cubicTo(0.55, 0.88, 0.67, 0.80, 0.78, 0.70);
    p.cubicTo(0.98, 0.52, 1.06, 0.27, 0.91, 0.12);
    p.cubicTo(0.76, -0.02, 0.5, 0.08, 0.5, 0.28);
    p.closeSubpath();
    return p;
}

QPainterPath DiamondPath() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.66, 0.28, 0.90, 0.5);
    p.quadTo(0.66, 0.72, 0.5, 1.0);
    p.quadTo(0.34, 0.72, 0.10, 0.5);
    p.quadTo(0.34, 0.28, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath SpadePath() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.40, 0.16, 0.04, 0.34, 0.03, 0.58);
    p.cubicTo(0.02, 0.78, 0.30, 0.86, 0.46, 0.70);
    p.cubicTo(0.44, 0.84, 0.38, 0.93, 0.28, 1.0);
    p.lineTo(0.72, 1.0);
    p.cubicTo(0.62, 0.93, 0.56, 0.84, 0.54, 0.70);
    p.cubicTo(0.70, 0.86, 0.98, 0.78, 0.97, 0.58);
    p.cubicTo(0.96, 0.34, 0.60, 0.16, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath ClubPath() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(0.5, 0.25), 0.22, 0.22);
    p.addEllipse(QPointF(0.25, 0.58), 0.22, 0.22);
    p.addEllipse(QPointF(0.75, 0.58), 0.22, 0.22);
    p.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    QPainterPath stem;
    stem.moveTo(0.46, 0.55);
    stem.cubicTo(0.45, 0.78, 0.40, 0.92, 0.28, 1.0);
    stem.lineTo(0.72, 1.0);
    stem.cubicTo(0.60, 0.92, 0.55, 0.78, 0.54, 0.55);
    stem.closeSubpath();
    p.addPath(stem);
    return p.simplified();
}

QPainterPath SuitPath(int suit) {
    switch (suit) {
        case 0: return HeartPath();
        case 1: return DiamondPath();
        case 2: return ClubPath();
        default: return SpadePath();
    }
}

QPainterPath Scaled(const QPainterPath& p, QRectF box) {
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width(), box.height());
    return t.map(p);
}

// ---------------------------------------------------------------- fonts

namespace {
QString g_sans = "DejaVu Sans";
QString g_serif = "DejaVu Serif";
}  // namespace

void LoadFonts() {
    // Loading the files directly keeps the lettering the same on every
    // machine, whatever the font configuration says.
    const QString dir = "/usr/share/fonts/truetype/dejavu/";
    auto load = [&](const char* file, QString& family) {
        int id = QFontDatabase::addApplicationFont(dir + file);
        if (id >= 0) {
            QStringList fams = QFontDatabase::applicationFontFamilies(id);
            if (!fams.isEmpty()) family = fams.first();
        }
    };
    load("DejaVuSans.ttf", g_sans);
    load("DejaVuSans-Bold.ttf", g_sans);
    load("DejaVuSerif.ttf", g_serif);
    load("DejaVuSerif-Bold.ttf", g_serif);
}

QString SansFamily() {
    return g_sans;
}
QString SerifFamily() {
    return g_serif;
}

}  // namespace artgen
