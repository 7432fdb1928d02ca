#include "render/background_picture.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "render/pixel_copy.h"

namespace bw {

// What one painting put on the background; `under` shows where it left
// the table alone.
struct BackgroundPicture::Layer {
    enum class Kind { kRows, kTiles, kPlaced } kind = Kind::kRows;
    std::vector<QRgb> rows;  // kRows
    QImage picture;          // kTiles, kPlaced: Format_RGB32
    std::shared_ptr<const Layer> under;
    int depth = 1;
};

namespace {

// Pictures placed one over another keep each other; past this many the
// background is cheaper held as an image.
constexpr int kMostLayers = 4;

qint64 NextKey() {
    static std::atomic<qint64> next{1};
    return next++;
}

void FillRow(QImage& dst, int x, int y, int width, QRgb value) {
    QRgb* line = reinterpret_cast<QRgb*>(dst.scanLine(y)) + x;
    std::fill(line, line + width, value);
}

void CopyRow(QImage& dst, int x, int y, const QRgb* from, int width) {
    std::memcpy(reinterpret_cast<QRgb*>(dst.scanLine(y)) + x, from,
                static_cast<size_t>(width) * sizeof(QRgb));
}

using Layer = BackgroundPicture::Layer;
using Kind = Layer::Kind;

// Paints the table part `part` (inside the picture) at (x, y) of the
// 32-bit `dst`, which holds all of it.
void PaintLayer(const Layer* layer, QImage& dst, int x, int y, const QRect& part) {
    if (part.isEmpty()) return;
    if (!layer) {
        // What a newly allocated table picture holds.
        for (int r = 0; r < part.height(); ++r) FillRow(dst, x, y + r, part.width(), 0xFF000000);
        return;
    }
    const Layer* under = layer->under.get();
    switch (layer->kind) {
        case Kind::kRows: {
            const int covered =
                std::clamp(static_cast<int>(layer->rows.size()) - part.y(), 0, part.height());
            for (int r = 0; r < covered; ++r)
                FillRow(dst, x, y + r, part.width(),
                        layer->rows[static_cast<size_t>(part.y()) + static_cast<size_t>(r)]);
            PaintLayer(under, dst, x, y + covered,
                       QRect(part.x(), part.y() + covered, part.width(), part.height() - covered));
            return;
        }
        case Kind::kTiles: {
            const QImage& tile = layer->picture;
            const int tw = tile.width(), th = tile.height();
            for (int r = 0; r < part.height(); ++r) {
                const QRgb* from =
                    reinterpret_cast<const QRgb*>(tile.constScanLine((part.y() + r) % th));
                int done = 0, col = part.x() % tw;
                while (done < part.width()) {
                    const int n = std::min(tw - col, part.width() - done);
                    CopyRow(dst, x + done, y + r, from + col, n);
                    done += n;
                    col = 0;
                }
            }
            return;
        }
        case Kind::kPlaced: {
            const QImage& pic = layer->picture;
            const QRect inside = part & pic.rect();
            for (int r = 0; r < inside.height(); ++r)
                CopyRow(
                    dst, x + inside.x() - part.x(), y + inside.y() - part.y() + r,
                    reinterpret_cast<const QRgb*>(pic.constScanLine(inside.y() + r)) + inside.x(),
                    inside.width());
            if (inside == part) return;
            // Right of the picture, beside it; then everything below it.
            const int besideBottom = std::min(part.bottom(), pic.height() - 1);
            if (part.right() >= pic.width() && besideBottom >= part.y()) {
                const int left = std::max(part.x(), pic.width());
                PaintLayer(
                    under, dst, x + left - part.x(), y,
                    QRect(left, part.y(), part.right() - left + 1, besideBottom - part.y() + 1));
            }
            const int top = std::max(part.y(), pic.height());
            if (top <= part.bottom())
                PaintLayer(under, dst, x, y + top - part.y(),
                           QRect(part.x(), top, part.width(), part.bottom() - top + 1));
            return;
        }
    }
}

QRgb PixelOf(const Layer* layer, int x, int y) {
    for (; layer; layer = layer->under.get()) {
        switch (layer->kind) {
            case Kind::kRows:
                if (y < static_cast<int>(layer->rows.size()))
                    return layer->rows[static_cast<size_t>(y)] | 0xFF000000;
                break;
            case Kind::kTiles:
                return layer->picture.pixel(x % layer->picture.width(),
                                            y % layer->picture.height());
            case Kind::kPlaced:
                if (layer->picture.valid(x, y)) return layer->picture.pixel(x, y);
                break;
        }
    }
    return 0xFF000000;
}

}  // namespace

BackgroundPicture& BackgroundPicture::operator=(const QImage& image) {
    size_ = image.size();
    top_.reset();
    image_ = image;
    return *this;
}

void BackgroundPicture::Reset(QSize size, uint pixel) {
    size_ = size;
    image_ = QImage();
    top_.reset();
    auto layer = std::make_shared<Layer>();
    layer->rows.assign(static_cast<size_t>(std::max(size.height(), 0)), pixel);
    top_ = std::move(layer);
    key_ = NextKey();
}

void BackgroundPicture::LayerTheImage() {
    if (image_.isNull()) return;
    auto layer = std::make_shared<Layer>();
    layer->kind = Kind::kPlaced;
    layer->picture = image_.convertToFormat(QImage::Format_RGB32);
    image_ = QImage();
    top_ = std::move(layer);
}

void BackgroundPicture::Push(std::shared_ptr<const Layer> layer) {
    top_ = std::move(layer);
    key_ = NextKey();
    if (top_->depth > kMostLayers) Image();
}

void BackgroundPicture::SetRows(std::vector<QRgb> rows) {
    auto layer = std::make_shared<Layer>();
    rows.resize(std::min(rows.size(), static_cast<size_t>(std::max(size_.height(), 0))));
    const bool whole = rows.size() == static_cast<size_t>(std::max(size_.height(), 0));
    layer->rows = std::move(rows);
    if (!whole) {
        LayerTheImage();
        layer->under = top_;
        layer->depth = top_ ? top_->depth + 1 : 1;
    }
    Push(std::move(layer));
}

void BackgroundPicture::SetTiles(const QImage& tile) {
    if (tile.isNull()) return;
    auto layer = std::make_shared<Layer>();
    layer->kind = Kind::kTiles;
    layer->picture = tile;
    image_ = QImage();
    Push(std::move(layer));
}

void BackgroundPicture::SetPlaced(const QImage& picture) {
    auto layer = std::make_shared<Layer>();
    layer->kind = Kind::kPlaced;
    layer->picture = picture;
    const bool whole = picture.width() >= size_.width() && picture.height() >= size_.height();
    if (!whole) {
        LayerTheImage();
        layer->under = top_;
        layer->depth = top_ ? top_->depth + 1 : 1;
    }
    image_ = QImage();
    Push(std::move(layer));
}

QImage& BackgroundPicture::Image() {
    if (image_.isNull() && !size_.isEmpty()) {
        image_ = copy();
        top_.reset();
    }
    return image_;
}

bool BackgroundPicture::SameAt(const QRect& a, const QRect& b) const {
    if (a == b) return true;
    if (!image_.isNull() || !top_ || top_->kind != Kind::kRows || a.size() != b.size() ||
        a.y() != b.y() || !rect().contains(a) || !rect().contains(b))
        return false;
    return a.bottom() < static_cast<int>(top_->rows.size());
}

QRgb BackgroundPicture::pixel(int x, int y) const {
    if (!image_.isNull()) return image_.pixel(x, y);
    if (!valid(x, y)) return 12345;  // QImage's answer off the picture
    return PixelOf(top_.get(), x, y);
}

QImage BackgroundPicture::copy(const QRect& part) const {
    if (!image_.isNull()) return image_.copy(part);
    if (part.isEmpty()) return QImage();
    QImage out(part.size(), QImage::Format_RGB32);
    out.fill(0);
    PaintOnto(out, 0, 0, part);
    return out;
}

void BackgroundPicture::PaintOnto(QImage& dst, int x, int y, const QRect& partIn) const {
    if (!image_.isNull()) {
        Blit(dst, x, y, image_, partIn);
        return;
    }
    QRect part = partIn;
    if (dst.isNull() || size_.isEmpty() || !ClipCopy(dst.rect(), rect(), x, y, part)) return;
    const QImage::Format f = dst.format();
    if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
        f == QImage::Format_ARGB32_Premultiplied) {
        PaintLayer(top_.get(), dst, x, y, part);
        return;
    }
    QImage piece(part.size(), QImage::Format_RGB32);
    PaintLayer(top_.get(), piece, 0, 0, part);
    Blit(dst, x, y, piece, piece.rect());
}

bool operator==(const BackgroundPicture& a, const QImage& b) {
    return a.copy() == b;
}

}  // namespace bw
