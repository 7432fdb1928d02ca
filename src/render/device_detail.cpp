#include "render/device_detail.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

#include "render/card_images.h"

namespace bw {

namespace {

qreal g_ratio = 1;

struct Stamp {
    QRect card;  // where the picture's top-left pixel and its size lie
    QRect clip;  // the part of it shown
    QImage logical;
    DetailSource source;
};

// Stamps by surface, the oldest first. Surfaces are told apart by address;
// a stale stamp is harmless, as only pixels that still match are used.
struct Surface {
    const QImage* image;
    std::deque<Stamp> stamps;
};
std::vector<Surface> g_surfaces;
constexpr size_t kMostSurfaces = 8;
constexpr size_t kMostStamps = 600;

Surface* Find(const QImage* image, bool create) {
    for (Surface& s : g_surfaces)
        if (s.image == image) return &s;
    if (!create) return nullptr;
    if (g_surfaces.size() >= kMostSurfaces) g_surfaces.erase(g_surfaces.begin());
    g_surfaces.push_back({image, {}});
    return &g_surfaces.back();
}

void Add(Surface& s, Stamp stamp) {
    if (stamp.clip.isEmpty()) return;
    if (s.stamps.size() >= kMostStamps) s.stamps.pop_front();
    s.stamps.push_back(std::move(stamp));
}

// The detailed pictures at device sizes, by the logical picture they stand
// for and the size: a table's worth of faces at ratio 3 is about 12 MB.
struct Detail {
    qint64 key;
    QSize size;
    QImage picture;
};
std::deque<Detail> g_details;
constexpr qsizetype kDetailBytes = qsizetype{24} << 20;

const QImage* DetailPicture(const Stamp& stamp, QSize size) {
    const qint64 key = stamp.logical.cacheKey();
    for (const Detail& d : g_details)
        if (d.key == key && d.size == size) return d.picture.isNull() ? nullptr : &d.picture;
    const bool mark = stamp.source.kind == DetailSource::kMark;
    const QImage master =
        mark ? MarkMaster(stamp.source.mark)
             : DetailMaster(stamp.source.kind == DetailSource::kBack, stamp.source.index);
    QImage picture;
    // A master no larger than the logical picture adds nothing.
    if (!master.isNull() && master.width() > stamp.logical.width()) {
        picture = master.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mark && !stamp.source.under.isNull()) {
            // Blended again at device pixels, over the table enlarged smoothly.
            QImage over =
                stamp.source.under.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QPainter p(&over);
            p.drawImage(0, 0, picture);
            p.end();
            picture = std::move(over);
        }
        picture = picture.convertToFormat(QImage::Format_RGB32);
    }
    qsizetype bytes = picture.sizeInBytes();
    for (const Detail& d : g_details) bytes += d.picture.sizeInBytes();
    while (!g_details.empty() && bytes > kDetailBytes) {
        bytes -= g_details.front().picture.sizeInBytes();
        g_details.pop_front();
    }
    g_details.push_back({key, size, std::move(picture)});
    return g_details.back().picture.isNull() ? nullptr : &g_details.back().picture;
}

// The rounded corners' pixels show what lies under a card, whatever the
// picture holds there: one pixel a corner for the smallest cards, three
// for the others.
bool InCorner(int x, int y, QSize card) {
    const int cx = std::min(x, card.width() - 1 - x), cy = std::min(y, card.height() - 1 - y);
    return card.width() == 25 ? cx + cy == 0 : cx + cy <= 1;
}

int DeviceAt(int logical, qreal ratio) {
    return static_cast<int>(std::floor(logical * ratio + 1e-9));
}

}  // namespace

void SetDeviceRatio(qreal ratio) {
    ratio = std::clamp<qreal>(ratio, 1, 8);
    if (ratio == g_ratio) return;
    g_ratio = ratio;
    g_details.clear();
}

qreal DeviceRatio() {
    return g_ratio;
}

void NoteDetail(const QImage* surface, int x, int y, const QImage& logical, const QRect& clip,
                const DetailSource& source) {
    if (g_ratio == 1 || !surface || logical.isNull() || source.kind == DetailSource::kNone) return;
    const QRect card(QPoint(x, y), logical.size());
    Add(*Find(surface, true), {card, clip & card & surface->rect(), logical, source});
}

void CoverDetail(const QImage* surface, const QRect& r) {
    if (g_ratio == 1) return;
    Surface* s = Find(surface, false);
    if (!s) return;
    s->stamps.erase(std::remove_if(s->stamps.begin(), s->stamps.end(),
                                   [&](const Stamp& st) { return r.contains(st.clip); }),
                    s->stamps.end());
}

void CopyDetail(const QImage* source, const QRect& from, const QImage* target, int x, int y) {
    if (g_ratio == 1 || source == target) return;
    Surface* s = Find(source, false);
    if (!s || !target) return;
    std::vector<Stamp> moved;
    const QPoint by = QPoint(x, y) - from.topLeft();
    for (const Stamp& st : s->stamps) {
        const QRect part = st.clip & from;
        if (!part.isEmpty())
            moved.push_back({st.card.translated(by), part.translated(by), st.logical, st.source});
    }
    if (moved.empty()) return;
    // `s` may move when the target is added.
    Surface& t = *Find(target, true);
    for (Stamp& st : moved) Add(t, std::move(st));
}

void ForgetDetail(const QImage* surface) {
    g_surfaces.erase(std::remove_if(g_surfaces.begin(), g_surfaces.end(),
                                    [&](const Surface& s) { return s.image == surface; }),
                     g_surfaces.end());
}

DetailSnapshot::DetailSnapshot(const QImage* surface) : surface_(surface) {
    if (Surface* s = Find(surface, false)) {
        kept_ = std::make_shared<std::deque<Stamp>>(std::move(s->stamps));
        ForgetDetail(surface);
    }
}

DetailSnapshot::~DetailSnapshot() {
    ForgetDetail(surface_);
    if (kept_)
        Find(surface_, true)->stamps =
            std::move(*std::static_pointer_cast<std::deque<Stamp>>(kept_));
}

QRect DeviceRect(const QRect& r, qreal ratio) {
    const int x0 = DeviceAt(r.left(), ratio), y0 = DeviceAt(r.top(), ratio);
    return QRect(x0, y0, DeviceAt(r.right() + 1, ratio) - x0, DeviceAt(r.bottom() + 1, ratio) - y0);
}

QImage DevicePicture(const QImage& surface, const QRect& rIn, qreal ratio) {
    const QRect r = rIn & surface.rect();
    const QRect device = DeviceRect(r, ratio);
    QImage out(std::max(device.width(), 1), std::max(device.height(), 1), QImage::Format_RGB32);
    out.setDevicePixelRatio(ratio);
    if (r.isEmpty()) return out;
    const QImage src = surface.format() == QImage::Format_RGB32
                           ? surface
                           : surface.convertToFormat(QImage::Format_RGB32);
    // Each device pixel's logical pixel, column by column and row by row.
    auto owners = [ratio](int first, int count, int deviceFirst, int deviceCount) {
        std::vector<int> of(static_cast<size_t>(deviceCount), first + count - 1);
        for (int l = first; l < first + count; ++l)
            for (int d = DeviceAt(l, ratio); d < DeviceAt(l + 1, ratio); ++d)
                if (d - deviceFirst >= 0 && d - deviceFirst < deviceCount)
                    of[static_cast<size_t>(d - deviceFirst)] = l;
        return of;
    };
    const std::vector<int> colOf = owners(r.left(), r.width(), device.left(), device.width());
    const std::vector<int> rowOf = owners(r.top(), r.height(), device.top(), device.height());
    for (int dy = 0; dy < device.height(); ++dy) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(src.constScanLine(rowOf[static_cast<size_t>(dy)]));
        QRgb* to = reinterpret_cast<QRgb*>(out.scanLine(dy));
        for (int dx = 0; dx < device.width(); ++dx) to[dx] = from[colOf[static_cast<size_t>(dx)]];
    }
    if (ratio == 1) return out;
    const Surface* s = Find(&surface, false);
    if (!s) return out;
    // The newest stamp last, so that it wins where stamps overlap.
    for (const Stamp& st : s->stamps) {
        const QRect part = st.clip & r;
        if (part.isEmpty()) continue;
        const QRect cardDevice = DeviceRect(st.card, ratio);
        const QImage* detail = DetailPicture(st, cardDevice.size());
        if (!detail) continue;
        const QImage logical = st.logical.format() == QImage::Format_RGB32
                                   ? st.logical
                                   : st.logical.convertToFormat(QImage::Format_RGB32);
        const QRect partDevice = DeviceRect(part, ratio);
        for (int dy = partDevice.top(); dy <= partDevice.bottom(); ++dy) {
            const int ly = rowOf[static_cast<size_t>(dy - device.top())];
            const QRgb* shown = reinterpret_cast<const QRgb*>(src.constScanLine(ly));
            const QRgb* own =
                reinterpret_cast<const QRgb*>(logical.constScanLine(ly - st.card.top()));
            const int detailY = std::clamp(dy - cardDevice.top(), 0, detail->height() - 1);
            const QRgb* fine = reinterpret_cast<const QRgb*>(detail->constScanLine(detailY));
            QRgb* to = reinterpret_cast<QRgb*>(out.scanLine(dy - device.top()));
            for (int dx = partDevice.left(); dx <= partDevice.right(); ++dx) {
                const int lx = colOf[static_cast<size_t>(dx - device.left())];
                // Only where the table still shows this card's own pixel.
                if (((shown[lx] ^ own[lx - st.card.left()]) & 0xFFFFFF) != 0 ||
                    InCorner(lx - st.card.left(), ly - st.card.top(), st.card.size()))
                    continue;
                to[dx - device.left()] =
                    fine[std::clamp(dx - cardDevice.left(), 0, detail->width() - 1)];
            }
        }
    }
    return out;
}

}  // namespace bw
