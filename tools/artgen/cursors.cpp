// The table's pointers, 32 x 32 with their hot spots: two arrows, a
// pointing hand and an open hand, each for the right and the left hand.
// The "A" set is the normal pointer; the "B" set, shown while cards are
// held, carries a small card.
#include <QPainter>

#include "artgen.h"

namespace artgen {

namespace {

QPainterPath ArrowShape() {
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(0, 19);
    p.lineTo(4.5, 14.5);
    p.lineTo(8, 22);
    p.lineTo(11, 20.8);
    p.lineTo(7.6, 13.5);
    p.lineTo(14, 13.5);
    p.closeSubpath();
    return p;
}

QPainterPath PointingHand() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addRoundedRect(QRectF(9, 0, 5, 17), 2.5, 2.5);        // index finger
    p.addRoundedRect(QRectF(13.5, 9, 4.5, 10), 2.2, 2.2);   // middle
    p.addRoundedRect(QRectF(17.5, 10, 4.5, 10), 2.2, 2.2);  // ring
    p.addRoundedRect(QRectF(21.5, 11.5, 4, 9), 2, 2);       // little finger
    p.addRoundedRect(QRectF(9, 14, 16.5, 14), 4, 4);        // palm
    QPainterPath thumb;
    thumb.moveTo(10, 17);
    thumb.lineTo(4.5, 13.5);
    thumb.cubicTo(2, 12, 0.5, 15, 2.5, 17);
    thumb.lineTo(9.5, 25);
    thumb.closeSubpath();
    p.addPath(thumb);
    return p.simplified();
}

QPainterPath OpenHand() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addRoundedRect(QRectF(8, 4, 4.5, 14), 2.2, 2.2);
    p.addRoundedRect(QRectF(12.5, 1, 4.5, 16), 2.2, 2.2);
    p.addRoundedRect(QRectF(17, 2.5, 4.5, 15), 2.2, 2.2);
    p.addRoundedRect(QRectF(21.5, 6, 4, 12), 2, 2);
    p.addRoundedRect(QRectF(8, 13, 17.5, 15), 5, 5);
    QPainterPath thumb;
    thumb.moveTo(9, 17);
    thumb.lineTo(3.5, 11.5);
    thumb.cubicTo(1.5, 9.5, -0.5, 12.5, 1.5, 14.5);
    thumb.lineTo(9, 25);
    thumb.closeSubpath();
    p.addPath(thumb);
    return p.simplified();
}

void HeldCard(QPainter& p, QPointF at) {
    QRectF r(at, QSizeF(11, 15));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 20, 30));
    p.drawPath(Scaled(HeartPath(), r.adjusted(2.5, 4, -2.5, -4)));
}

QImage Cursor(const QPainterPath& shape, QColor fill, bool mirror, bool holding, QPointF offset) {
    const int ss = 4;
    QImage big = Transparent(32 * ss, 32 * ss);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(ss, ss);
        if (mirror) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        p.translate(offset);
        // A soft shadow, then the outlined shape.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawPath(shape.translated(1.2, 1.2));
        p.setPen(QPen(QColor(0, 0, 0), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(shape);
        if (holding) HeldCard(p, QPointF(16, 15));
    }
    return big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void MakeCursors(Library& lib) {
    struct Def {
        const char* name;
        QPainterPath shape;
        QColor fill;
        QPointF offset;   // where the shape's origin lies in the image
        QPointF hotSpot;  // in shape coordinates
    };
    const Def defs[] = {
        {"CUR_ARROW1", ArrowShape(), QColor(255, 255, 255), {1, 1}, {0, 0}},
        {"CUR_ARROW2", ArrowShape(), QColor(250, 205, 60), {1, 1}, {0, 0}},
        {"CUR_RIGHT_HAND1", PointingHand(), QColor(255, 255, 255), {1, 1}, {11.5, 0.5}},
        {"CUR_RIGHT_HAND2", OpenHand(), QColor(255, 236, 214), {1, 1}, {14.5, 1.5}},
    };
    for (const Def& d : defs) {
        for (int left = 0; left < 2; ++left) {
            QString name = d.name;
            // The left-hand variants of the arrows keep the arrow; only the
            // hands are mirrored for left-handed players.
            bool isHand = name.contains("HAND");
            if (left && !isHand) continue;
            if (left) name.replace("RIGHT", "LEFT");
            bool mirror = left == 1;
            int hx = static_cast<int>(d.offset.x() + d.hotSpot.x());
            int hy = static_cast<int>(d.offset.y() + d.hotSpot.y());
            if (mirror) hx = 31 - hx;
            lib.AddCursor(name + "A", Cursor(d.shape, d.fill, mirror, false, d.offset),
                          QPoint(hx, hy));
            lib.AddCursor(name + "B", Cursor(d.shape, d.fill, mirror, true, d.offset),
                          QPoint(hx, hy));
        }
    }
}

}  // namespace artgen
