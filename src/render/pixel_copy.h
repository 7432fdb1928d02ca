#pragma once
// Pixel copies between pictures, clipped to both. The table surfaces and the
// background picture both use them, so they depend on neither.
#include <QImage>
#include <QRect>

namespace bw {

// RGB32, ARGB32 or premultiplied ARGB32: four bytes a pixel.
bool Is32Bit(const QImage& img);
// Opaque copy of `part` of `src` to (x, y) of `dst`, clipped to both; 32-bit
// targets copy whole rows.
void Blit(QImage& dst, int x, int y, const QImage& src, const QRect& part);
// Clips a copy of `part` of a source of `srcBounds` to (x, y) of a target
// of `bounds`; false when nothing is left. `part` and (x, y) are adjusted.
bool ClipCopy(const QRect& bounds, const QRect& srcBounds, int& x, int& y, QRect& part);
// `part` of `src` laid over (x, y) of `dst` by its alpha, as a painter's
// source-over does it; without a painter for premultiplied pictures.
void BlendOver(QImage& dst, int x, int y, const QImage& src, const QRect& part);

}  // namespace bw
