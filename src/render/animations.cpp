#include "render/animations.h"

#include <QPainter>
#include <QRegion>
#include <cmath>
#include <cstdlib>

#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render/surfaces.h"

namespace bw {

namespace {

bool AutoplayRunning(Game& g) {
    return Opt(g, opt::kAutoplay) == 3 && Opt(g, opt::kStockChanged) == 0;
}

QImage CardPicture(CardCode code) {
    const int face = FaceIndexOf(code);
    const QImage& src = code == -1 || face < 0 ? CardBack() : CardFace(face);
    return src.convertToFormat(QImage::Format_RGB32);
}

// The corner pixels of a picture at a window position, taken from TableBitmap().
void CornersFromTable(const Game& g, QImage& img, int left, int top) {
    const Canvas table = Canvas::Table(g);
    const int w = img.width(), h = img.height();
    if (w < 3 || h < 3) return;
    const bool single = w == 25;
    const QPoint corners[4][3] = {
        {{0, 0}, {1, 0}, {0, 1}},
        {{w - 1, 0}, {w - 2, 0}, {w - 1, 1}},
        {{0, h - 1}, {1, h - 1}, {0, h - 2}},
        {{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}},
    };
    for (const auto& corner : corners) {
        for (int i = 0; i < (single ? 1 : 3); ++i) {
            QRgb v;
            if (table.Pixel(left + corner[i].x(), top + corner[i].y(), v))
                img.setPixel(corner[i], v);
        }
    }
}

// The drag shadow on the window; returns what it covers.
QRegion DrawShadow(const Game& g, const QRect& r, int offset) {
    const Canvas window = Canvas::Window(g);
    QRegion covered;
    const int right = r.left() + r.width(), bottom = r.top() + r.height();
    if (r.height() <= g.CardHeight) {
        const QImage& side = CardShadows()[0];
        const QImage& below = CardShadows()[1];
        window.CopyKeyed(right, r.top() + offset - 2, side, side.rect(), kShadowKey);
        window.CopyKeyed(r.left() + offset - 1, bottom, below, below.rect(), kShadowKey);
        covered += QRect(right, r.top() + offset - 2, side.width(), side.height());
        covered += QRect(r.left() + offset - 1, bottom, below.width(), below.height());
    } else {
        // A column gets a dotted shadow: a strip 7 wide on the right from 7
        // below the top, a strip 7 high below from 8 right of the left
        // edge; the outermost column and row end 2 pixels short, bevelled.
        for (int y = r.top() + 7; y < bottom + 7; ++y) {
            if ((y - r.top() - 7) % 2 != 0) continue;
            for (int x = right; x < right + 7; ++x) {
                if (x == right + 6 && y < r.top() + 9) continue;
                window.SetPixel(x, y, 0xFF000000);
            }
        }
        for (int y = bottom; y < bottom + 7; ++y) {
            if ((y - bottom) % 2 != 0) continue;
            for (int x = r.left() + 8; x < right; ++x) {
                if (y == bottom + 6 && x < r.left() + 10) continue;
                window.SetPixel(x, y, 0xFF000000);
            }
        }
        const QRect side(right, r.top() + 7, 7, r.height());
        const QRect below(r.left() + 8, bottom, r.width() - 8, 7);
        window.Touched(side);
        window.Touched(below);
        covered += side;
        covered += below;
    }
    window.SetPixel(right - 1, bottom - 2, 0xFF000000);
    window.SetPixel(right - 2, bottom - 1, 0xFF000000);
    window.Touched(QRect(right - 2, bottom - 2, 2, 2));
    return covered;
}

}  // namespace

MovingImage& Moving() {
    static MovingImage moving;
    return moving;
}

void PrepareMovingCard(const Game& g, CardCode code) {
    MovingImage& m = Moving();
    m.image = CardPicture(code);
    m.height = g.CardHeight;
}

void SetMovingImage(const QImage& picture) {
    MovingImage& m = Moving();
    m.image = picture.convertToFormat(QImage::Format_RGB32);
    m.height = picture.height();
    m.shown = false;
}

void ResetMovingImage() {
    MovingImage& m = Moving();
    m.shown = false;
    m.last = m.lastDrawn = QRect();
}

bool ShowMovingImageAt(Game& g, int left, int top, bool drop, bool fullRestore) {
    MovingImage& m = Moving();
    if (left == Opt(g, opt::kHoldX) && top == Opt(g, opt::kHoldY)) return false;
    const Canvas window = Canvas::Window(g);
    const QRect now(left, top, m.image.width(), m.image.height());

    // What the old picture and its shadow (their bounding box) leave uncovered.
    if (m.shown) {
        const QRegion uncovered = QRegion(m.lastDrawn.isNull() ? m.last : m.lastDrawn) - now;
        for (const QRect& r : uncovered) window.Restore(r, TableBitmap());
    }
    if (fullRestore) CornersFromTable(g, m.image, left, top);
    window.Copy(left, top, m.image);

    QRegion drawn(now);
    if (drop) {
        Canvas::Table(g).Copy(left, top, m.image);
        DiscardTableChanges();
    } else if (const int offset = CardShadowOffset(); offset > 0) {
        drawn += DrawShadow(g, now, offset);
    }
    m.last = now;
    m.lastDrawn = drawn.boundingRect();
    m.shown = !drop;
    g.Options.SetOpt(opt::kHoldX, left);
    g.Options.SetOpt(opt::kHoldY, top);
    return true;
}

void DrawMovingImageAt(Game& g, int left, int top) {
    MovingImage& m = Moving();
    if (m.image.isNull()) return;
    const QRect now(left, top, m.image.width(), m.image.height());
    Canvas::Window(g).Copy(left, top, m.image);
    QRegion drawn(now);
    if (const int offset = CardShadowOffset(); offset > 0) drawn += DrawShadow(g, now, offset);
    m.last = now;
    m.lastDrawn = drawn.boundingRect();
    m.shown = true;
    g.Options.SetOpt(opt::kHoldX, left);
    g.Options.SetOpt(opt::kHoldY, top);
}

void HideMovingImage(const Game& g) {
    MovingImage& m = Moving();
    if (!m.shown) return;
    Canvas::Window(g).Restore(m.lastDrawn.isNull() ? m.last : m.lastDrawn, TableBitmap());
    m.shown = false;
}

int FlightStep(int distance, bool fast, bool autoplay) {
    const int d = std::abs(distance);
    if (d == 0) return 0;
    int s = static_cast<int>(std::lround(d / (0.0128 * d + 4)));
    if (fast) s = static_cast<int>(s * 0.9);
    if (autoplay) s = static_cast<int>(s * 0.5);
    // Short flights would otherwise never move.
    return std::clamp(s, 1, d);
}

void FlyCard(Game& g, CardCode code, int x0, int y0, bool prepare, bool lift, bool fast, bool drop,
             int y1, int x1) {
    const bool autoplay = AutoplayRunning(g);
    int w = static_cast<int>(ParameterInt(field::kMoveSpeed, 10));
    if (autoplay) w *= 3;
    const int offset = CardShadowOffset();
    if (lift) {
        x1 -= offset;
        y1 -= offset;
    }
    if (x1 < -9999) x1 = -3 * g.CardWidth;
    if (y1 < -9999) y1 = -3 * g.CardHeight;

    if (prepare) {
        PrepareMovingCard(g, code);
        for (int e : {opt::kHeld, opt::kHeldTop, opt::kHoldX, opt::kHoldY}) g.Options.SetOpt(e, 0);
        // The card lies at the start as the flight begins: leaving uncovers it.
        MovingImage& m = Moving();
        m.last = m.lastDrawn = QRect(x0, y0, m.image.width(), m.image.height());
        m.shown = true;
    }

    const std::string shadow = GetParameter(field::kCardsShadowed);
    if (!autoplay) SetParameter(field::kCardsShadowed, "N");

    const int dx = x1 - x0, dy = y1 - y0;
    const bool xDrives = std::abs(dx) >= std::abs(dy);
    const int total = xDrives ? std::abs(dx) : std::abs(dy);
    const int step = FlightStep(total, fast, autoplay);
    const int pause = fast ? w / 4 : w;
    int x = x0, y = y0;
    bool xArrived = dx == 0, yArrived = dy == 0;
    while (true) {
        int& drive = xDrives ? x : y;
        const int driveFrom = xDrives ? x0 : y0, driveTo = xDrives ? x1 : y1;
        bool& driveArrived = xDrives ? xArrived : yArrived;
        int& other = xDrives ? y : x;
        const int otherFrom = xDrives ? y0 : x0, otherTo = xDrives ? y1 : x1;
        bool& otherArrived = xDrives ? yArrived : xArrived;

        if (!driveArrived) {
            drive += driveTo > driveFrom ? step : -step;
            if ((driveTo > driveFrom && drive >= driveTo) ||
                (driveTo < driveFrom && drive <= driveTo)) {
                drive = driveTo;
                driveArrived = true;
            }
        }
        if (!otherArrived && total > 0) {
            const long long covered = std::abs(drive - driveFrom);
            const long long percent = (covered * 200 + total) / (2LL * total);
            other = otherFrom +
                    static_cast<int>((static_cast<long long>(otherTo - otherFrom) * percent) / 100);
            if ((otherTo > otherFrom && other >= otherTo) ||
                (otherTo < otherFrom && other <= otherTo)) {
                other = otherTo;
                otherArrived = true;
            }
        }
        if (pause > 0) Waits().Wait(pause);
        if (xArrived && yArrived) break;
        ShowMovingImageAt(g, x, y, false, true);
    }

    if (lift) {
        ShowMovingImageAt(g, x1, y1, false, true);
        if (w > 0) Waits().Wait(2 * w);
        x1 += offset;
        y1 += offset;
    }
    if (!ShowMovingImageAt(g, x1, y1, drop, true) && drop) {
        Canvas::Table(g).Copy(x1, y1, Moving().image);
        DiscardTableChanges();
        Moving().shown = false;
    }
    SetParameter(field::kCardsShadowed, shadow);
}

void AnimateFaceUp(const Game& g, CardCode code, int left, int top) {
    const Canvas window = Canvas::Window(g);
    QImage* img = window.image();
    const int face = FaceIndexOf(code);
    if (!img || face < 0 || !OnTable(left) || !OnTable(top)) return;
    const int w = static_cast<int>(ParameterInt(field::kMoveSpeed, 10));
    const QRect card = CardRectAt(g, left, top);
    auto frame = [&](const QImage& picture, int quarters) {
        window.Restore(card, TableBitmap());
        const int width = g.CardWidth * quarters / 4;
        {
            QPainter p(img);
            p.drawImage(QRect(left + (g.CardWidth - width) / 2, top, width, g.CardHeight), picture);
        }
        window.Touched(card);
        if (w > 0) Waits().Wait(w);
    };
    for (int q = 3; q >= 1; --q) frame(CardBack(), q);
    for (int q = 1; q <= 3; ++q) frame(CardFace(face), q);
    window.Restore(card, TableBitmap());
}

}  // namespace bw
