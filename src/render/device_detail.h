#pragma once
// Pictures at device pixels. The table is drawn in logical pixels, the
// layout's own unit; on a screen with more device pixels to the logical one
// the enlarged table would show every card face with steps in its pips. So
// the surfaces remember where they show a card picture that has more detail
// (the library's large faces and backs), and the picture put on the screen
// takes those pixels from the detailed picture wherever the logical one
// still shows the card's own pixel: a card covered, moved or drawn over
// since keeps its enlarged pixels there, without any bookkeeping of its own.
#include <QImage>
#include <QRect>
#include <memory>
#include <string>
#include <utility>

namespace bw {

// Device pixels to the logical one of the screen the table is on; 1 (the
// default) records nothing and changes nothing.
void SetDeviceRatio(qreal ratio);
qreal DeviceRatio();

// A picture with detail: a face (index as CardFaces()), the back, or an
// empty-pile mark (its code; a translucent one over `under`, the table it
// was blended on).
struct DetailSource {
    enum Kind { kNone, kFace, kBack, kMark } kind = kNone;
    int index = 0;
    std::string mark;
    QImage under;

    DetailSource() = default;
    DetailSource(Kind k, int i, std::string code = {}, QImage table = {})
        : kind(k), index(i), mark(std::move(code)), under(std::move(table)) {}
};

// `surface` shows `logical` with its top-left corner at (x, y) (the
// surface's own pixels), clipped to `clip`.
void NoteDetail(const QImage* surface, int x, int y, const QImage& logical, const QRect& clip,
                const DetailSource& source);
// Rectangle `r` of `surface` was painted over, opaque: what lies wholly
// inside is forgotten. (Only to keep the lists short: a card picture drawn
// over shows its detail nowhere, as its pixels are not there.)
void CoverDetail(const QImage* surface, const QRect& r);
// Rectangle `from` of `source` was copied to (x, y) of `target`.
void CopyDetail(const QImage* source, const QRect& from, const QImage* target, int x, int y);
// Forgets everything `surface` showed.
void ForgetDetail(const QImage* surface);

// Keeps what a surface showed while it is swapped for another picture
// for a while (previews), and gives it back at the end.
class DetailSnapshot {
public:
    explicit DetailSnapshot(const QImage* surface);
    ~DetailSnapshot();
    DetailSnapshot(const DetailSnapshot&) = delete;
    DetailSnapshot& operator=(const DetailSnapshot&) = delete;

private:
    const QImage* surface_;
    std::shared_ptr<void> kept_;
};

// Logical rectangle `r` of `surface` at device pixels (`ratio` of them to
// one), its device pixel ratio set: covers the device pixels from
// floor(r.left * ratio) to floor((r.right + 1) * ratio), each way.
QImage DevicePicture(const QImage& surface, const QRect& r, qreal ratio);
// The device rectangle DevicePicture covers for `r`.
QRect DeviceRect(const QRect& r, qreal ratio);

}  // namespace bw
