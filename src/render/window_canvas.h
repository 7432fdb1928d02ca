#pragma once
// The card table as it shows on the window. The drawing code paints "on the
// window" through this interface; the main window's table widget owns the
// image and puts changed rectangles on the screen.
#include <QImage>
#include <QRect>

namespace bw {

class IWindowCanvas {
public:
    virtual ~IWindowCanvas();
    // The window's picture, in table coordinates (the widget's own pixels).
    virtual QImage& Image() = 0;
    // Puts a changed rectangle of Image() on the screen at once.
    virtual void Flush(const QRect& rect) = 0;
    // Puts it on the screen with the window's next drawing: a picture that
    // is drawn over again at once costs no copy of its own.
    virtual void FlushSoon(const QRect& rect) { Flush(rect); }
    // How far the table is scrolled down, in pixels.
    virtual int ScrollY() = 0;
};

inline IWindowCanvas::~IWindowCanvas() = default;

// The canvas of the running window; nullptr while there is none (tools,
// tests without a window).
inline IWindowCanvas*& WindowCanvas() {
    static IWindowCanvas* canvas = nullptr;
    return canvas;
}

}  // namespace bw
