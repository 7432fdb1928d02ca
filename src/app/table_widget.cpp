#include "app/table_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace bw {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgSfondo"));
    // The canvas covers every pixel; Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    EnsureCanvas(QSize(1, 1));
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

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, canvas_, r);
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
