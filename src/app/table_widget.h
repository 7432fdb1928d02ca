#pragma once
// imgSfondo, the card table of the main window: a widget showing the window
// canvas that the drawing code paints, and passing pointer input on.
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "render/window_canvas.h"

namespace bw {

struct Game;

struct TablePointerEvent {
    int x = 0;  // widget pixels
    int y = 0;
    Qt::MouseButton button = Qt::NoButton;  // the button that changed
    Qt::MouseButtons buttons;               // held after the change
    Qt::KeyboardModifiers modifiers;
};

class TableWidget : public QWidget, public IWindowCanvas {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);
    ~TableWidget() override;

    // A double click reports onDoubleClick, then onPress for its second press.
    using Handler = std::function<void(const TablePointerEvent&)>;
    Handler onPress, onMove, onRelease, onDoubleClick;
    // The screen's device pixel ratio changed: the table wants drawing anew
    // for its detail to show.
    std::function<void()> onDeviceRatioChanged;
    // A key pressed while the table has the focus; true when it was used.
    std::function<bool(int key)> onKey;

    // The keyboard's focus frame around a card rectangle, painted over the
    // canvas (never into it); an empty rectangle takes it away.
    void SetFocusFrame(const QRect& card);
    QRect FocusFrame() const { return focusFrame_; }

    // IWindowCanvas
    QImage& Image() override { return canvas_; }
    void Flush(const QRect& rect) override;
    void FlushSoon(const QRect& rect) override;
    int ScrollY() override { return scrollY_; }
    void SetScrollY(int y) { scrollY_ = y; }

    // The game the table shows, which its accessible interface reads.
    Game* game = nullptr;

    // Set once assistive technology asked for the table's accessible
    // interface: from then on every change reads the table again for it.
    void SetAccessibleWatched() { accessibleWatched_ = true; }
    bool AccessibleWatched() const { return accessibleWatched_; }

    // Makes this the canvas the drawing code paints on.
    void Install();

    // A left click at `at` (widget pixels), queued as a mouse press and
    // release: what assistive technology's "press" on a card does.
    void QueueClick(const QPoint& at);

    // The pointer over the table; a null cursor shape means the arrow.
    void SetTableCursor(const QCursor& cursor) { setCursor(cursor); }

    // Colour of parts of the canvas nothing has been drawn on yet.
    static QColor BlankColour() { return QColor(0, 128, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // QWidget repaints a widget that gains or loses the focus; the table
    // shows no focus of its own, and every dialog would redraw all of it.
    void focusInEvent(QFocusEvent*) override { AccessibleChanged(); }
    void focusOutEvent(QFocusEvent*) override { AccessibleChanged(); }
    bool focusNextPrevChild(bool) override { return false; }

private:
    void EnsureCanvas(const QSize& size);
    // What assistive technology reads of the table is read again once the
    // current drawing or key is done (only once such a reader asked).
    void AccessibleChanged();
    void Forward(const Handler& handler, QMouseEvent* event);

    QImage canvas_;
    int scrollY_ = 0;
    QRect focusFrame_;
    bool accessibleDue_ = false;
    bool accessibleWatched_ = false;
};

}  // namespace bw
