#include "app/splash.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/main_window.h"
#include "app/placeholders.h"
#include "core/params.h"
#include "platform/ini.h"
#include "storage/preferences.h"

namespace bw {

namespace {
struct SplashText {
    Q_DECLARE_TR_FUNCTIONS(SplashText)
};
}  // namespace

QPixmap DrawnSplash() {
    QPixmap pm(TfrmSplashForm::kWidth, TfrmSplashForm::kHeight);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pm.height());
    g.setColorAt(0, QColor(0, 110, 40));
    g.setColorAt(1, QColor(0, 60, 20));
    p.fillRect(pm.rect(), g);
    // A fan of three card backs.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(90 + i * 22, 150);
        p.rotate(-18 + i * 18);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-34, -50, 68, 100), 6, 6);
        p.setBrush(QColor(30, 60, 160));
        p.drawRoundedRect(QRectF(-29, -45, 58, 90), 4, 4);
        p.restore();
    }
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(36);
    title.setBold(true);
    p.setFont(title);
    const QRect text(190, 80, pm.width() - 200, 120);
    p.drawText(text.adjusted(0, 0, 0, -70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Brindlewick"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.drawText(text.adjusted(2, 54, 0, -40), Qt::AlignLeft | Qt::AlignVCenter,
               SplashText::tr("Memory card games"));
    p.drawText(text.adjusted(2, 80, 0, -14), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(kProductName) + SplashText::tr(", version ") +
                   QString::fromLatin1(kProductVersion));
    p.setPen(QColor(255, 255, 255, 180));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

TfrmSplashForm::TfrmSplashForm(const QPixmap& picture, QWidget* parent)
    : C_TAdvancedDialog(parent) {
    setObjectName(QStringLiteral("frmSplashForm"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kWidth, kHeight);
    imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setGeometry(0, 0, kWidth, kHeight);
    imgSplash->setPixmap(picture.isNull() ? DrawnSplash()
                                          : picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));
    // Named for the window lists; the frameless window shows no caption.
    setWindowTitle(SplashText::tr("Starting ") + QString::fromLatin1(kProductName));
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

TfrmSplashForm::~TfrmSplashForm() {
    qApp->removeEventFilter(this);
}

void TfrmSplashForm::ShowNow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    // Kept above other windows, the splash would cover a dialog shown while
    // it is up, and a window manager keeps it there: every dialog takes it
    // down before it shows.
    qApp->installEventFilter(this);
    show();
    repaint();
    shown_.start();
}

bool TfrmSplashForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() &&
            (w->windowType() == Qt::Dialog || w->windowType() == Qt::Sheet || w->isModal())) {
            hideTimer_.stop();
            hide();
        }
    }
    return C_TAdvancedDialog::eventFilter(watched, event);
}

void TfrmSplashForm::HideWhenShownFor(int minimumMs, QWidget* window) {
    const qint64 left = shown_.isValid() ? minimumMs - shown_.elapsed() : 0;
    if (left <= 0) {
        hide();
        return;
    }
    if (window && window->windowHandle() && isVisible() && !WindowPositionsKnown()) {
        // A Wayland compositor stacks the window mapped last on top and
        // cannot be asked to keep one there; it keeps a child over its
        // parent, and the parent is only read when a window is mapped.
        remapping_ = true;
        hide();
        windowHandle()->setTransientParent(window->windowHandle());
        show();
        remapping_ = false;
        qApp->installEventFilter(this);
    } else {
        raise();
    }
    hideTimer_.start(static_cast<int>(left));
}

void TfrmSplashForm::mousePressEvent(QMouseEvent* event) {
    hideTimer_.stop();
    hide();
    event->accept();
}

void TfrmSplashForm::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    if (!remapping_) imgSplash->clear();
    C_TAdvancedDialog::hideEvent(event);
}

int SplashMinimumMs() {
    constexpr int kDefault = 1000;
    const std::string text =
        platform::IniReadString(SettingsFile(), section::kPreference, key::kSplashTime, "");
    int64_t ms = kDefault;
    if (!platform::ParseProfileInt(text, ms)) ms = kDefault;
    return static_cast<int>(std::clamp<int64_t>(ms, 0, 10000));
}

}  // namespace bw
