#include "app/product_info.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help_window.h"
#include "app/placeholders.h"
#include "build_info.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/sounds.h"
#include "platform/paths.h"
#include "render/library.h"

namespace bw {

namespace {

struct AboutText {
    Q_DECLARE_TR_FUNCTIONS(AboutText)
};
constexpr int kIconSize = 64;
const QString kFileScheme = QStringLiteral("file://");
}  // namespace

std::string HomePageAddress() {
    std::string configured = BW_HOME_PAGE;
    if (!configured.empty()) return configured;
    return QUrl::fromLocalFile(QString::fromStdString(HelpContentsPath())).toString().toStdString();
}

bool OpenHomePage(QWidget* owner) {
    const std::string address = HomePageAddress();
    const QString url = QString::fromStdString(address);
    if (url.startsWith(kFileScheme, Qt::CaseInsensitive)) {
        // The program's own pages: its help window shows them, whatever the
        // desktop can open, and reports a missing one itself.
        return ShowHelpPage(ProgramDir() + "quillory.hlp>proc",
                            QUrl(url).toLocalFile().toStdString(), owner);
    }
    const bool opened = OpenLink("HTTP", address);
    if (!opened)
        Dialogs().Info(
            AboutText::tr("The home page could not be opened:\r%1\rNo program of this desktop "
                          "opens such addresses.")
                .arg(QString::fromStdString(address))
                .toStdString());
    return opened;
}

QString HomePageText() {
    const QString url = QString::fromStdString(HomePageAddress());
    // A local page reads as the file it is.
    return url.startsWith(kFileScheme, Qt::CaseInsensitive) ? QUrl(url).toLocalFile() : url;
}

TfrmAbout::TfrmAbout(QWidget* parent) : C_TAdvancedDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(
        QString::fromStdString(ExpandPlaceholders(AboutText::tr("About [Program]").toStdString())));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    const QImage icon = LibraryBitmap("MAINICON");
    if (!icon.isNull())
        imgIcon->setPixmap(QPixmap::fromImage(
            icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    imgIcon->setFixedSize(kIconSize, kIconSize);

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblProduct = label("lblProduct", QString::fromLatin1(kProductName));
    QFont big = lblProduct->font();
    big.setPointSize(14);
    big.setBold(true);
    lblProduct->setFont(big);
    lblVersion = label("lblVersion", AboutText::tr("Version ") + QStringLiteral(BW_VERSION));
    lblDescription = label("lblDescription", AboutText::tr(kProductLine));
    lblDescription->setWordWrap(true);
    lblCopyright = label("lblCopyright", QString::fromUtf8(BW_COPYRIGHT));

    const QString address = QString::fromStdString(HomePageAddress());
    lblHomePage =
        label("lblHomePage", QStringLiteral("<a href=\"%1\">%2</a>")
                                 .arg(address.toHtmlEscaped(), HomePageText().toHtmlEscaped()));
    lblHomePage->setTextFormat(Qt::RichText);
    lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                         Qt::LinksAccessibleByKeyboard);
    lblHomePage->setToolTip(AboutText::tr("Open the home page"));
    // Through OpenHomePage, which tells a local page from a web one.
    connect(lblHomePage, &QLabel::linkActivated, this, [] { OpenHomePage(); });

    btnOK = new QPushButton(AboutText::tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    for (QLabel* l : {lblProduct, lblVersion, lblDescription, lblCopyright, lblHomePage})
        text->addWidget(l);
    text->insertSpacing(2, 6);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(bottom);
    lblDescription->setMinimumWidth(320);
    ApplyFontFallback(this);
}

void ShowAboutBox(QWidget* owner) {
    TfrmAbout about(owner);
    PlayEventSound("About", SoundSwitch(field::kSoundsAbout));
    about.exec();
}

}  // namespace bw
