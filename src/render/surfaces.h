#pragma once
// The drawing surfaces of the card table and the pixel copies between them.
//
// TableBitmap() holds the table as it should look (background and cards),
// BackgroundBitmap() the background alone, painted on request; both are in
// table coordinates and sized to the screen. The window canvas (render/window_canvas.h) is what the
// main window shows. Drawing code works in window coordinates: a canvas that
// is one of the two bitmaps adds the scroll position (option entry 90) to
// every y, the window canvas takes them as they are.
#include <QColor>
#include <QImage>
#include <QRect>

#include "render/background_picture.h"
#include "render/device_detail.h"
#include "render/pixel_copy.h"

namespace bw {

struct Game;

QImage& TableBitmap();
BackgroundPicture& BackgroundBitmap();

// Both bitmaps at the given size (32-bit RGB, black); a size that is already
// right keeps the pictures.
void SizeTableBitmaps(int width, int height);
// The table is `width` x `height` (the background is painted for that size),
// but the window shows only its top-left `shown` part, so the bitmaps hold
// just that much. Allocated (and filled black) only when the size changes.
void FitTableBitmaps(int width, int height, QSize shown);
// The size the table covers (the bitmaps' own size unless fitted smaller).
QSize TableSize();
// The screen's size (Screen()).
void CreateTableBitmaps();
void FreeTableBitmaps();

enum class CanvasKind { kNone, kWindow, kTable, kBackground, kImage };

// Where a drawing primitive paints. Cheap to copy.
class Canvas {
public:
    // Each at the scroll offset `g` has now (option entry 90): a canvas is
    // made for one drawing and not kept across a change of the offset.
    static Canvas Window(const Game& g);  // the window canvas, or nothing when none is installed
    static Canvas Table(const Game& g);   // TableBitmap()
    static Canvas Background(const Game& g);  // BackgroundBitmap()
    // A picture of its own (samples); its pixels are window coordinates, and
    // it is not scrolled.
    static Canvas Of(QImage& image);

    CanvasKind surface() const { return surface_; }
    bool IsWindow() const { return surface_ == CanvasKind::kWindow; }
    bool IsTable() const { return surface_ == CanvasKind::kTable; }
    // Null when there is nothing to draw on.
    QImage* image() const;
    // Added to window y on this surface.
    int ShiftY() const;
    // How far the table is scrolled down for the game the canvas was made for.
    int Scroll() const { return scroll_; }
    // The same surface at the scroll offset `g` has now (after it changed).
    Canvas Rescrolled(const Game& g) const;
    // Call after painting the window rectangle `r`: the window shows it at
    // once, and TableBitmap() remembers it until ShowTableChanges.
    void Touched(const QRect& r) const;

    // Pixel access in window coordinates; false / nothing off the surface.
    bool Pixel(int x, int y, QRgb& out) const;
    void SetPixel(int x, int y, QRgb value) const;
    // `src` (or its part `part`) at window position (x, y), opaque.
    void Copy(int x, int y, const QImage& src, const QRect& part) const;
    void Copy(int x, int y, const QImage& src) const { Copy(x, y, src, src.rect()); }
    // Copy drew `part` of card picture `logical` at (x, y): on a screen of
    // more device pixels it is shown from the picture's detailed source.
    void NoteDetail(int x, int y, const QImage& logical, const QRect& part,
                    const DetailSource& source) const;
    // `src` laid over what is there by its alpha channel.
    void Blend(int x, int y, const QImage& src, const QRect& part) const;
    // The same, leaving pixels of colour `key` (alpha ignored) untouched.
    void CopyKeyed(int x, int y, const QImage& src, const QRect& part, QRgb key) const;
    // The window rectangle `r` taken from one of the table bitmaps.
    void Restore(const QRect& r, const QImage& tableSource) const;
    void Restore(const QRect& r, const BackgroundPicture& background) const;
    void Fill(const QRect& r, const QColor& colour) const;

private:
    Canvas(CanvasKind s, QImage* img, int scroll) : surface_(s), image_(img), scroll_(scroll) {}
    CanvasKind surface_ = CanvasKind::kNone;
    QImage* image_ = nullptr;
    int scroll_ = 0;
};

// TableBitmap() rectangles drawn since the last call, shown on the window
// at the scroll offset of `g`.
void ShowTableChanges(const Game& g);
// Forgets them (the whole table is about to be shown anyway).
void DiscardTableChanges();

inline void Blit(QImage& dst, int x, int y, const BackgroundPicture& src, const QRect& part) {
    src.PaintOnto(dst, x, y, part);
}

}  // namespace bw
