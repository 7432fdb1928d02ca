#include "app/splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/placeholders.h"

namespace bw {

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
               QStringLiteral("Memory card games"));
    p.drawText(text.adjusted(2, 80, 0, -14), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(kProductName) + QStringLiteral(", version ") +
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
}

void TfrmSplashForm::ShowNow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    show();
    repaint();
}

}  // namespace bw
