#include "render/pixel_copy.h"

#include <QPainter>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bw {

bool Is32Bit(const QImage& img) {
    switch (img.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied: return true;
        default: return false;
    }
}

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

}  // namespace bw
