#include "render/surfaces.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/ports.h"
#include "core/state.h"
#include "render/window_canvas.h"

namespace bw {

QImage TableBitmap;
BackgroundPicture BackgroundBitmap;

namespace {

// TableBitmap rectangles (window coordinates) not yet shown on the window.
QRegion g_pending;
// The table's size when the bitmaps hold only part of it; empty otherwise.
QSize g_tableSize;

bool Is32Bit(const QImage& img) {
    switch (img.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied: return true;
        default: return false;
    }
}

}  // namespace

bool ClipCopy(const QRect& bounds, const QRect& srcBounds, int& x, int& y, QRect& part) {
    const QRect inSource = part & srcBounds;
    if (inSource.isEmpty()) return false;
    // What is cut off the source moves the target along with it.
    x += inSource.x() - part.x();
    y += inSource.y() - part.y();
    part = inSource;
    QRect to(x, y, part.width(), part.height());
    const QRect clipped = to & bounds;
    if (clipped.isEmpty()) return false;
    part = QRect(part.x() + clipped.x() - x, part.y() + clipped.y() - y, clipped.width(),
                 clipped.height());
    x = clipped.x();
    y = clipped.y();
    return true;
}

void SizeTableBitmaps(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (TableBitmap.width() != width || TableBitmap.height() != height) {
        TableBitmap = QImage(width, height, QImage::Format_RGB32);
        TableBitmap.fill(Qt::black);
    }
    if (BackgroundBitmap.size() != QSize(width, height))
        BackgroundBitmap.Reset(QSize(width, height), 0xFF000000);
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
    return g_tableSize.isValid() ? g_tableSize : TableBitmap.size();
}

void CreateTableBitmaps() {
    SizeTableBitmaps(Screen().Width(), Screen().Height());
}

void FreeTableBitmaps() {
    TableBitmap = QImage();
    BackgroundBitmap = BackgroundPicture();
    g_tableSize = QSize();
    g_pending = QRegion();
}

int ScrollPosition() {
    return MainGame.Opt(opt::kScroll);
}

Canvas Canvas::Window() {
    IWindowCanvas* w = WindowCanvas();
    return w ? Canvas(CanvasKind::kWindow, &w->Image()) : Canvas(CanvasKind::kNone, nullptr);
}
Canvas Canvas::Table() {
    return Canvas(CanvasKind::kTable, &TableBitmap);
}
Canvas Canvas::Background() {
    return Canvas(CanvasKind::kBackground, nullptr);
}
Canvas Canvas::Of(QImage& image) {
    return Canvas(CanvasKind::kImage, &image);
}

QImage* Canvas::image() const {
    // Drawing on the background itself makes it an image of its own.
    if (surface_ == CanvasKind::kBackground)
        return BackgroundBitmap.isNull() ? nullptr : &BackgroundBitmap.Image();
    if (!image_ || image_->isNull()) return nullptr;
    return image_;
}

int Canvas::ShiftY() const {
    return surface_ == CanvasKind::kTable || surface_ == CanvasKind::kBackground ? ScrollPosition()
                                                                                 : 0;
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
        if (!BackgroundBitmap.valid(x, y)) return false;
        out = BackgroundBitmap.pixel(x, y);
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

void Blit(QImage& dst, int x, int y, const QImage& src, const QRect& partIn) {
    QRect part = partIn;
    if (dst.isNull() || src.isNull() || !ClipCopy(dst.rect(), src.rect(), x, y, part)) return;
    // Opaque 32-bit pixels read the same in every 32-bit format.
    if (Is32Bit(dst) && src.format() == QImage::Format_RGB32) {
        const size_t bytes = static_cast<size_t>(part.width()) * 4;
        for (int row = 0; row < part.height(); ++row) {
            const uchar* from =
                src.constScanLine(part.y() + row) + static_cast<size_t>(part.x()) * 4;
            uchar* to = dst.scanLine(y + row) + static_cast<size_t>(x) * 4;
            std::memcpy(to, from, bytes);
        }
        return;
    }
    QPainter p(&dst);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, y), src, part);
}

void Canvas::Copy(int x, int y, const QImage& src, const QRect& part) const {
    QImage* img = image();
    if (!img || src.isNull()) return;
    Blit(*img, x, y + ShiftY(), src, part);
    Touched(QRect(x, y, part.width(), part.height()));
}

namespace {

// x * a / 255 per channel, rounded as Qt's raster engine does it.
inline QRgb ByteMul(QRgb x, uint a) {
    quint64 t = ((quint64(x) | (quint64(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return QRgb(t) | QRgb(t >> 24);
}

}  // namespace

void BlendOver(QImage& dst, int x, int y, const QImage& src, const QRect& partIn) {
    QRect part = partIn;
    if (dst.isNull() || src.isNull() || !ClipCopy(dst.rect(), src.rect(), x, y, part)) return;
    if (!Is32Bit(dst) || src.format() != QImage::Format_ARGB32_Premultiplied) {
        QPainter p(&dst);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(QPoint(x, y), src, part);
        return;
    }
    // A small picture over a large one: a painter (and the threads it hands
    // the work to) costs more than the blend itself. Same arithmetic as the
    // painter's source-over.
    // An opaque source pixel makes the product 0, a clear one leaves the
    // target exactly as it was: no pixel needs a case of its own.
    for (int row = 0; row < part.height(); ++row) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(src.constScanLine(part.y() + row)) + part.x();
        QRgb* to = reinterpret_cast<QRgb*>(dst.scanLine(y + row)) + x;
        int col = 0;
#ifdef __SSE2__
        const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(0x80);
        const __m128i full = _mm_set1_epi32(255);
        for (; col + 4 <= part.width(); col += 4) {
            const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + col));
            const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + col));
            __m128i ia = _mm_sub_epi32(full, _mm_srli_epi32(s, 24));
            ia = _mm_or_si128(ia, _mm_slli_epi32(ia, 16));
            auto mul = [&](__m128i c, __m128i a) {
                const __m128i t = _mm_mullo_epi16(c, a);
                return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), half),
                                      8);
            };
            const __m128i lo = mul(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi32(ia, ia));
            const __m128i hi = mul(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi32(ia, ia));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + col),
                             _mm_add_epi32(s, _mm_packus_epi16(lo, hi)));
        }
#endif
        for (; col < part.width(); ++col)
            to[col] = from[col] + ByteMul(to[col], qAlpha(~from[col]));
    }
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
    const QRect part(r.x(), r.y() + ScrollPosition(), r.width(), r.height());
    if (img == &tableSource && ShiftY() == ScrollPosition()) return;  // onto itself
    Blit(*img, r.x(), r.y() + ShiftY(), tableSource, part);
    Touched(r);
}

void Canvas::Restore(const QRect& r, const BackgroundPicture& background) const {
    if (r.isEmpty() || (surface_ == CanvasKind::kBackground && &background == &BackgroundBitmap))
        return;
    QImage* img = image();
    if (!img || background.isNull()) return;
    background.PaintOnto(*img, r.x(), r.y() + ShiftY(),
                         QRect(r.x(), r.y() + ScrollPosition(), r.width(), r.height()));
    Touched(r);
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

void ShowTableChanges() {
    const QRegion pending = g_pending;
    g_pending = QRegion();
    const Canvas window = Canvas::Window();
    if (!window.image()) return;
    for (const QRect& r : pending) window.Restore(r, TableBitmap);
}

void DiscardTableChanges() {
    g_pending = QRegion();
}

}  // namespace bw
