#include "app/table_widget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "app/table_accessible.h"
#include "render/device_detail.h"

namespace bw {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgSfondo"));
    // The canvas covers every pixel; Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The table takes the keys of keyboard play.
    setFocusPolicy(Qt::StrongFocus);
    EnsureCanvas(QSize(1, 1));
    // The primary screen's until shown: a window drawn but never shown (the
    // tool's pictures) has its detail too.
    SetDeviceRatio(devicePixelRatioF());
}

TableWidget::~TableWidget() {
    if (WindowCanvas() == this) WindowCanvas() = nullptr;
}

void TableWidget::Install() {
    WindowCanvas() = this;
}

void TableWidget::Flush(const QRect& rect) {
    const QRect r = rect.intersected(this->rect());
    if (!r.isEmpty()) repaint(r);
    AccessibleChanged();
}

void TableWidget::FlushSoon(const QRect& rect) {
    const QRect r = rect.intersected(this->rect());
    if (!r.isEmpty()) update(r);
    AccessibleChanged();
}

void TableWidget::AccessibleChanged() {
    if (accessibleDue_ || !accessibleWatched_) return;
    accessibleDue_ = true;
    QTimer::singleShot(0, this, [this] {
        accessibleDue_ = false;
        TableAccessibilityChanged(this);
    });
}

void TableWidget::EnsureCanvas(const QSize& size) {
    if (canvas_.width() >= size.width() && canvas_.height() >= size.height()) return;
    // Grow only: what was drawn stays where it was.
    QImage grown(qMax(canvas_.width(), size.width()), qMax(canvas_.height(), size.height()),
                 QImage::Format_RGB32);
    grown.fill(BlankColour());
    if (!canvas_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = grown;
}

namespace {
constexpr int kFrameGap = 4;  // between the card and the focus frame
QRect FrameArea(const QRect& card) {
    return card.adjusted(-kFrameGap - 2, -kFrameGap - 2, kFrameGap + 2, kFrameGap + 2);
}
}  // namespace

void TableWidget::SetFocusFrame(const QRect& card) {
    if (card == focusFrame_) return;
    const QRect old = focusFrame_;
    focusFrame_ = card;
    AccessibleChanged();
    if (!old.isEmpty()) repaint(FrameArea(old));
    if (!card.isEmpty()) repaint(FrameArea(card));
}

void TableWidget::showEvent(QShowEvent* event) {
    // Before the first drawing, so that the cards drawn note their detail.
    SetDeviceRatio(devicePixelRatioF());
    QWidget::showEvent(event);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    const qreal ratio = devicePixelRatioF();
    if (ratio != DeviceRatio()) {
        // Moved to a screen of another ratio: drawn anew once this is done.
        SetDeviceRatio(ratio);
        if (onDeviceRatioChanged) QTimer::singleShot(0, this, onDeviceRatioChanged);
    }
    if (ratio == 1) {
        p.drawImage(r, canvas_, r);
    } else {
        // Device pixels one to one: the painter's scale and the picture's
        // ratio cancel out, at an exact device pixel.
        const QRect device = DeviceRect(r, ratio);
        p.drawImage(QPointF(device.x() / ratio, device.y() / ratio),
                    DevicePicture(canvas_, r, ratio));
    }
    if (focusFrame_.isEmpty() || !r.intersects(FrameArea(focusFrame_))) return;
    // A light frame in a dark one shows on any background and card.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QRectF frame = QRectF(focusFrame_).adjusted(-kFrameGap, -kFrameGap, kFrameGap, kFrameGap);
    p.setPen(QPen(QColor(20, 20, 20), 4));
    p.drawRoundedRect(frame, 5, 5);
    p.setPen(QPen(QColor(255, 215, 0), 2));
    p.drawRoundedRect(frame, 5, 5);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    EnsureCanvas(event->size());
    QWidget::resizeEvent(event);
}

void TableWidget::Forward(const Handler& handler, QMouseEvent* event) {
    if (!handler) return;
    TablePointerEvent e;
    const QPoint pos = event->position().toPoint();
    e.x = pos.x();
    e.y = pos.y();
    e.button = event->button();
    e.buttons = event->buttons();
    e.modifiers = event->modifiers();
    handler(e);
}

void TableWidget::QueueClick(const QPoint& at) {
    // Queued: the press may open a modal dialog (the game's end), which must
    // not run inside the caller (an accessibility bus call waiting for its
    // answer). Press and release go as one, as a real click is: a
    // release posted on its own would reach the table inside that dialog,
    // past its modality, and act on a game that is ending.
    QTimer::singleShot(0, this, [this, at] {
        const QPointF local(at), global(mapToGlobal(at));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        const QPointer<TableWidget> alive(this);
        QCoreApplication::sendEvent(this, &press);
        if (!alive) return;
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(this, &release);
    });
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    Forward(onPress, event);
}
void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    Forward(onMove, event);
}
void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    Forward(onRelease, event);
}
// The second press of a double click is reported after the double click
// itself, which may already have acted on it.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    Forward(onDoubleClick, event);
    Forward(onPress, event);
}

}  // namespace bw
