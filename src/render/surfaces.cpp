#include "render/surfaces.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "core/game.h"
#include "core/ports.h"
#include "core/state.h"
#include "render/device_detail.h"
#include "render/window_canvas.h"

namespace bw {

QImage& TableBitmap() {
    static QImage table;
    return table;
}
BackgroundPicture& BackgroundBitmap() {
    static BackgroundPicture background;
    return background;
}

namespace {

// TableBitmap() rectangles (window coordinates) not yet shown on the window.
QRegion g_pending;
// The table's size when the bitmaps hold only part of it; empty otherwise.
QSize g_tableSize;

}  // namespace

void SizeTableBitmaps(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (TableBitmap().width() != width || TableBitmap().height() != height) {
        TableBitmap() = QImage(width, height, QImage::Format_RGB32);
        TableBitmap().fill(Qt::black);
    }
    if (BackgroundBitmap().size() != QSize(width, height))
        BackgroundBitmap().Reset(QSize(width, height), 0xFF000000);
    g_tableSize = QSize();
    g_pending = QRegion();
}

void FitTableBitmaps(int width, int height, QSize shown) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    SizeTableBitmaps(std::clamp(shown.width(), 1, width), std::clamp(shown.height(), 1, height));
    g_tableSize = QSize(width, height);
}

QSize TableSize() {
    return g_tableSize.isValid() ? g_tableSize : TableBitmap().size();
}

void CreateTableBitmaps() {
    SizeTableBitmaps(Screen().Width(), Screen().Height());
}

void FreeTableBitmaps() {
    TableBitmap() = QImage();
    BackgroundBitmap() = BackgroundPicture();
    g_tableSize = QSize();
    g_pending = QRegion();
}

Canvas Canvas::Window(const Game& g) {
    IWindowCanvas* w = WindowCanvas();
    const int scroll = g.Options.Opt(opt::kScroll);
    return w ? Canvas(CanvasKind::kWindow, &w->Image(), scroll)
             : Canvas(CanvasKind::kNone, nullptr, scroll);
}
Canvas Canvas::Table(const Game& g) {
    return Canvas(CanvasKind::kTable, &TableBitmap(), g.Options.Opt(opt::kScroll));
}
Canvas Canvas::Background(const Game& g) {
    return Canvas(CanvasKind::kBackground, nullptr, g.Options.Opt(opt::kScroll));
}
Canvas Canvas::Of(QImage& image) {
    return Canvas(CanvasKind::kImage, &image, 0);
}
Canvas Canvas::Rescrolled(const Game& g) const {
    return Canvas(surface_, image_,
                  surface_ == CanvasKind::kImage ? 0 : g.Options.Opt(opt::kScroll));
}

QImage* Canvas::image() const {
    // Drawing on the background itself makes it an image of its own.
    if (surface_ == CanvasKind::kBackground)
        return BackgroundBitmap().isNull() ? nullptr : &BackgroundBitmap().Image();
    if (!image_ || image_->isNull()) return nullptr;
    return image_;
}

int Canvas::ShiftY() const {
    return surface_ == CanvasKind::kTable || surface_ == CanvasKind::kBackground ? scroll_ : 0;
}

void Canvas::Touched(const QRect& r) const {
    if (r.isEmpty()) return;
    if (surface_ == CanvasKind::kWindow) {
        if (IWindowCanvas* w = WindowCanvas()) w->Flush(r);
    } else if (surface_ == CanvasKind::kTable) {
        g_pending += r;
        // Many scattered pieces are shown as one rectangle.
        if (g_pending.rectCount() > 32) g_pending = g_pending.boundingRect();
    }
}

bool Canvas::Pixel(int x, int y, QRgb& out) const {
    y += ShiftY();
    if (surface_ == CanvasKind::kBackground) {
        if (!BackgroundBitmap().valid(x, y)) return false;
        out = BackgroundBitmap().pixel(x, y);
        return true;
    }
    QImage* img = image();
    if (!img || !img->valid(x, y)) return false;
    out = img->pixel(x, y);
    return true;
}

void Canvas::SetPixel(int x, int y, QRgb value) const {
    QImage* img = image();
    y += ShiftY();
    if (!img || !img->valid(x, y)) return;
    img->setPixel(x, y, value);
}

void Canvas::Copy(int x, int y, const QImage& src, const QRect& part) const {
    QImage* img = image();
    if (!img || src.isNull()) return;
    Blit(*img, x, y + ShiftY(), src, part);
    Touched(QRect(x, y, part.width(), part.height()));
    // What the opaque copy covered shows no card picture any more.
    CoverDetail(img, QRect(x, y + ShiftY(), part.width(), part.height()));
    CopyDetail(&src, part, img, x, y + ShiftY());
}

void Canvas::NoteDetail(int x, int y, const QImage& logical, const QRect& part,
                        const DetailSource& source) const {
    if (surface_ == CanvasKind::kBackground || !image()) return;
    bw::NoteDetail(image_, x, y + ShiftY(), logical,
                   QRect(x + part.x(), y + ShiftY() + part.y(), part.width(), part.height()),
                   source);
}

void Canvas::Blend(int x, int y, const QImage& src, const QRect& part) const {
    QImage* img = image();
    if (!img || src.isNull()) return;
    BlendOver(*img, x, y + ShiftY(), src, part);
    Touched(QRect(x, y, part.width(), part.height()));
}

void Canvas::CopyKeyed(int x, int y, const QImage& src, const QRect& partIn, QRgb key) const {
    QImage* img = image();
    if (!img || src.isNull()) return;
    QRect part = partIn;
    int tx = x, ty = y + ShiftY();
    if (!ClipCopy(img->rect(), src.rect(), tx, ty, part)) return;
    const QImage s = src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32
                         ? src
                         : src.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = key & 0xFFFFFF;
    for (int row = 0; row < part.height(); ++row) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(s.constScanLine(part.y() + row)) + part.x();
        for (int col = 0; col < part.width(); ++col) {
            if ((from[col] & 0xFFFFFF) == k) continue;
            img->setPixel(tx + col, ty + row, from[col] | 0xFF000000);
        }
    }
    Touched(QRect(x, y, partIn.width(), partIn.height()));
}

void Canvas::Restore(const QRect& r, const QImage& tableSource) const {
    if (r.isEmpty()) return;
    QImage* img = image();
    if (!img || tableSource.isNull()) return;
    const QRect part(r.x(), r.y() + scroll_, r.width(), r.height());
    if (img == &tableSource && ShiftY() == scroll_) return;  // onto itself
    Blit(*img, r.x(), r.y() + ShiftY(), tableSource, part);
    Touched(r);
    CoverDetail(img, r.translated(0, ShiftY()));
    CopyDetail(&tableSource, part, img, r.x(), r.y() + ShiftY());
}

void Canvas::Restore(const QRect& r, const BackgroundPicture& background) const {
    if (r.isEmpty() || (surface_ == CanvasKind::kBackground && &background == &BackgroundBitmap()))
        return;
    QImage* img = image();
    if (!img || background.isNull()) return;
    background.PaintOnto(*img, r.x(), r.y() + ShiftY(),
                         QRect(r.x(), r.y() + scroll_, r.width(), r.height()));
    Touched(r);
    if (surface_ != CanvasKind::kBackground) CoverDetail(img, r.translated(0, ShiftY()));
}

void Canvas::Fill(const QRect& r, const QColor& colour) const {
    QImage* img = image();
    if (!img || r.isEmpty()) return;
    const QRect to = r.translated(0, ShiftY()) & img->rect();
    if (to.isEmpty()) return;
    if (Is32Bit(*img)) {
        const QRgb v = colour.rgb();
        for (int y = to.top(); y <= to.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(img->scanLine(y));
            std::fill(line + to.left(), line + to.right() + 1, v);
        }
    } else {
        QPainter p(img);
        p.fillRect(to, colour);
    }
    Touched(r);
}

void ShowTableChanges(const Game& g) {
    const QRegion pending = g_pending;
    g_pending = QRegion();
    const Canvas window = Canvas::Window(g);
    if (!window.image()) return;
    for (const QRect& r : pending) window.Restore(r, TableBitmap());
}

void DiscardTableChanges() {
    g_pending = QRegion();
}

}  // namespace bw
