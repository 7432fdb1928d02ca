#include "app/msg_advice.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace bw {

namespace {

struct AdviceText {
    Q_DECLARE_TR_FUNCTIONS(AdviceText)
};

constexpr int kPicture = 48;

// A colour wheel of six sectors: the "colours" advice.
QPixmap ColorPicture() {
    QPixmap pm(kPicture, kPicture);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(colours[i]);
        p.setPen(Qt::NoPen);
        p.drawPie(QRect(2, 2, kPicture - 4, kPicture - 4), i * 60 * 16, 60 * 16);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(2, 2, kPicture - 4, kPicture - 4));
    return pm;
}

// A small screen labelled with its size: the screen-size advice.
QPixmap ScreenPicture() {
    QPixmap pm(kPicture, kPicture);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(3, 6, kPicture - 7, 30);
    p.setBrush(Qt::gray);
    p.drawRect(16, 37, 16, 4);
    p.drawRect(10, 41, 28, 3);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(3, 6, kPicture - 7, 30), Qt::AlignCenter, QStringLiteral("640x480"));
    return pm;
}

QLabel* PicturePage(const QPixmap& pm, const QString& caption) {
    auto* page = new QLabel;
    page->setObjectName(caption);
    page->setWindowTitle(caption);
    page->setPixmap(pm);
    page->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return page;
}

}  // namespace

TfrmMsgAdvice::TfrmMsgAdvice(QWidget* parent) : C_TAdvancedDialog(parent) {
    setObjectName(QStringLiteral("frmMsgAdvice"));
    setWindowTitle(AdviceText::tr("Information"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    nbkPictures = new QStackedWidget(this);
    nbkPictures->setObjectName(QStringLiteral("nbkPictures"));
    nbkPictures->addWidget(PicturePage(ColorPicture(), AdviceText::tr("Color")));
    nbkPictures->addWidget(PicturePage(ScreenPicture(), QStringLiteral("640x480")));
    nbkPictures->setFixedSize(kPicture + 8, kPicture + 8);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumWidth(360);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);

    chkDontShow = new QCheckBox(AdviceText::tr("&Don't show this message box again"), this);
    chkDontShow->setObjectName(QStringLiteral("chkDontShow"));

    btnOK = new QPushButton(AdviceText::tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(nbkPictures, 0, Qt::AlignTop);
    top->addWidget(lblMessage, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkDontShow);
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    ApplyFontFallback(this);
}

void TfrmMsgAdvice::Prepare(const QString& text, int page) {
    lblMessage->setText(text);
    nbkPictures->setCurrentIndex(page >= 0 && page < nbkPictures->count() ? page : 0);
    adjustSize();
}

}  // namespace bw
