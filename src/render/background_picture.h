#pragma once
// The table background as a picture that is painted on request. Its pixels
// follow from a few values (a colour per row, a tile, a placed picture over
// what was there), so it keeps those instead of a table-sized copy; only a
// background drawn on pixel by pixel is held as an image of its own.
#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

namespace bw {

class BackgroundPicture {
public:
    BackgroundPicture() = default;
    // Held as it is (the pictures of a preview).
    BackgroundPicture& operator=(const QImage& image);

    // `size` all in the raw 32-bit value `pixel`, as QImage::fill stores it.
    void Reset(QSize size, uint pixel);
    void fill(uint pixel) { Reset(size_, pixel); }
    // Row y in rows[y]; rows below the vector's end keep what was there.
    void SetRows(std::vector<QRgb> rows);
    // An opaque RGB32 picture repeated from the top-left corner.
    void SetTiles(const QImage& tile);
    // An opaque RGB32 picture at the top-left corner, over what was there.
    void SetPlaced(const QImage& picture);
    // An image to paint on; the background is held as one from now on.
    QImage& Image();

    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    QRect rect() const { return QRect(QPoint(0, 0), size_); }
    bool valid(int x, int y) const { return rect().contains(x, y); }
    // Changes whenever the pixels may have changed.
    qint64 cacheKey() const { return image_.isNull() ? key_ : image_.cacheKey(); }

    // True when rectangles `a` and `b` (same size, inside the picture) are
    // known to hold the same pixels without reading them: rows of one colour
    // each, `a` and `b` on the same rows. False says nothing.
    bool SameAt(const QRect& a, const QRect& b) const;

    QRgb pixel(int x, int y) const;
    QRgb pixel(QPoint p) const { return pixel(p.x(), p.y()); }
    // As QImage::copy: a part reaching outside is black there.
    QImage copy(const QRect& part) const;
    QImage copy() const { return copy(rect()); }
    operator QImage() const { return copy(); }

    // `part` (clipped to the picture and the target) to (x, y) of `dst`, opaque.
    void PaintOnto(QImage& dst, int x, int y, const QRect& part) const;

    struct Layer;

private:
    void LayerTheImage();
    void Push(std::shared_ptr<const Layer> layer);

    QSize size_{0, 0};
    std::shared_ptr<const Layer> top_;
    QImage image_;  // used instead of the layers when not null
    qint64 key_ = 0;
};

bool operator==(const BackgroundPicture& a, const QImage& b);

}  // namespace bw
