#pragma once
// The resource library's artwork generator: every picture, cursor and sound
// of QLR.RGF is painted or synthesised here at build time.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <map>
#include <vector>

namespace artgen {

// Card sizes of the library: letter, width, height.
struct CardSize {
    char letter;
    int w;
    int h;
};
// The masters: every card picture once more at four times size "B", the
// source the program scales from for fitted card sizes and for screens of
// more than one device pixel per logical pixel.
constexpr char kMasterSize = 'X';
// S, B, M (the sizes the table uses), L (the tiny size) and the masters.
const std::vector<CardSize>& CardSizes();
CardSize SizeOf(char letter);

// Collects the generated resources by kind and name; names are stored in
// upper case, the way the program looks them up.
class Library {
public:
    // Opaque pictures are stored without an alpha channel.
    void AddBitmap(const QString& name, const QImage& image);
    void AddCursor(const QString& name, const QImage& image, QPoint hotSpot);
    void AddSound(const QString& name, const QByteArray& wave);
    // A second name for the same picture file.
    void AddBitmapAlias(const QString& alias, const QString& existing);

    const std::map<QString, QImage>& bitmaps() const { return bitmaps_; }
    bool HasBitmap(const QString& name) const { return bitmaps_.count(name.toUpper()) > 0; }
    QImage Bitmap(const QString& name) const;
    const std::map<QString, QImage>& cursors() const { return cursors_; }
    const std::map<QString, QByteArray>& sounds() const { return sounds_; }

    // Writes bmp/NAME.png, cur/NAME.png, wave/NAME.wav and qlr.qrc.
    bool Write(const QString& dir) const;

private:
    std::map<QString, QImage> bitmaps_;
    std::map<QString, QString> aliases_;  // alias -> existing
    std::map<QString, QImage> cursors_;
    std::map<QString, QByteArray> sounds_;
};

// The generators, one per family of resources.
bool MakeFaces(Library& lib, const QString& decksDir);  // card faces and jokers
void MakeBacks(Library& lib);                           // card backs
void MakeTableArt(Library& lib);                        // pile marks, shadows, borders
void MakeBackgrounds(Library& lib);                     // table backgrounds
void MakeIcons(Library& lib);                           // tool bar, tree, facts, suits, badges
void MakeSplash(Library& lib, const QString& version);  // splash picture and program icon
void MakeCursors(Library& lib);                         // the twelve table pointers
void MakeSounds(Library& lib);                          // the fifteen event sounds
// The program icon for the desktop's icon theme: DIR/hicolor/NxN/apps/NAME.png
// at the sizes below and DIR/hicolor/scalable/apps/NAME.svg.
inline constexpr int kThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
bool WriteThemeIcons(const QString& dir, const QString& name);
// Contact sheets of everything, for looking at the artwork.
void WriteSheets(const Library& lib, const QString& dir);

// ---- shared painting helpers ----

// A fresh image: opaque RGB32 filled with `fill`, or transparent ARGB.
QImage Opaque(int w, int h, QColor fill);
QImage Transparent(int w, int h);

// Corner pixels a card drawing replaces with the table (three per corner).
bool IsCardCorner(int x, int y, int w, int h);
// Draws the one-pixel card outline just inside the image edge and paints the
// three corner pixels with `corner`.
void CardOutline(QImage& img, QColor outline, QColor corner);

// Tileable value noise: lattice of `cells` x `cells` over a tile of `size`
// pixels, wrapping at the tile edge.
class TileNoise {
public:
    TileNoise(int size, int cells, uint32_t seed) : TileNoise(size, cells, cells, seed) {}
    // Different cell counts across and down stretch the noise (grain, streaks).
    TileNoise(int size, int cellsX, int cellsY, uint32_t seed);
    float At(float x, float y) const;  // 0..1
private:
    float Lattice(int i, int j) const;
    int size_;
    int cellsX_, cellsY_;
    std::vector<float> values_;
};
// Sum of octaves of tileable noise (cells doubling each octave), 0..1.
class TileFbm {
public:
    TileFbm(int size, int cells, int octaves, uint32_t seed, float gain = 0.5f)
        : TileFbm(size, cells, cells, octaves, seed, gain) {}
    TileFbm(int size, int cellsX, int cellsY, int octaves, uint32_t seed, float gain = 0.5f);
    float At(float x, float y) const;

private:
    std::vector<TileNoise> octaves_;
    std::vector<float> weights_;
};

// Small deterministic random numbers (the art must not change between builds).
class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed ? seed : 1u) {}
    uint32_t Next();
    double Uniform();                    // [0, 1)
    double Range(double lo, double hi);  // [lo, hi)
    int Below(int n);

private:
    uint32_t s_;
};

QColor Mix(QColor a, QColor b, double t);
QColor Shade(QColor c, double factor);  // < 1 darker, > 1 lighter

// Suit outlines in a unit box (0..1 x 0..1).
QPainterPath HeartPath();
QPainterPath DiamondPath();
QPainterPath ClubPath();
QPainterPath SpadePath();
QPainterPath SuitPath(int suit);  // 0 hearts, 1 diamonds, 2 clubs, 3 spades
QPainterPath Scaled(const QPainterPath& p, QRectF box);

// The fonts every build has (loaded from the DejaVu files when present).
QString SansFamily();
QString SerifFamily();
void LoadFonts();

}  // namespace artgen
