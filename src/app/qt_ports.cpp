#include "app/qt_ports.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

#include "app/counter.h"
#include "app/msg_advice.h"
#include "app/translation.h"

namespace bw {

QString MessageText(const std::string& text) {
    QString s = TranslatedMessage(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

namespace {

struct Titles {
    Q_DECLARE_TR_FUNCTIONS(Titles)
};
QMessageBox::StandardButton Ask(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                                const std::string& text) {
    QMessageBox box(icon, title, MessageText(text), QMessageBox::Ok | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
}  // namespace

void QtDialogs::Info(const std::string& text) {
    QMessageBox box(QMessageBox::Information, Titles::tr("Information"), MessageText(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

bool QtDialogs::Confirm(const std::string& text) {
    return Ask(owner_, QMessageBox::Question, Titles::tr("Confirm"), text) == QMessageBox::Ok;
}

bool QtDialogs::ConfirmWarning(const std::string& text) {
    return Ask(owner_, QMessageBox::Warning, Titles::tr("Warning"), text) == QMessageBox::Ok;
}

void QtDialogs::Error(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, Titles::tr(title.c_str()), MessageText(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

bool QtDialogs::Advice(const std::string& text, int page) {
    TfrmMsgAdvice dialog(owner_);
    dialog.Prepare(MessageText(text), page);
    dialog.exec();
    return dialog.DontShowAgain();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

void QtDialogs::PushBusyCursor() {
    ++busy_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDialogs::PopBusyCursor() {
    // An unbalanced pop must not take away a cursor someone else set.
    if (busy_ == 0) return;
    --busy_;
    QApplication::restoreOverrideCursor();
}

bool QtDialogs::OpenUrl(const std::string& address) {
    // Tolerant, as the shell's "open" is of blanks; an address that still
    // cannot be parsed would reach the handler as something else.
    const QUrl url(QString::fromStdString(address), QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
    if (opener_.isEmpty()) return QDesktopServices::openUrl(url);
    // The opener fails within moments when nothing on the desktop opens the
    // address; one that has found a handler may wait for it to close, so a
    // run past the wait counts as opened and is left to finish on its own.
    constexpr int kFailWithinMs = 3000;
    auto* opener = new QProcess(qApp);
    opener->setProgram(opener_);
    opener->setArguments({QString::fromUtf8(url.toEncoded())});
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) opener->deleteLater();
    });
    opener->start();
    if (!opener->waitForStarted()) return false;
    if (!opener->waitForFinished(kFailWithinMs)) return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

int QtScreen::Width() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().width() : IScreen::Width();
}

int QtScreen::Height() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().height() : IScreen::Height();
}

std::vector<ScreenArea> QtScreen::Areas() {
    std::vector<ScreenArea> out;
    QScreen* primary = QGuiApplication::primaryScreen();
    auto add = [&out](QScreen* s) {
        const QRect r = s->availableGeometry();
        out.push_back(ScreenArea{r.x(), r.y(), r.width(), r.height()});
    };
    if (primary) add(primary);
    for (QScreen* s : QGuiApplication::screens())
        if (s != primary) add(s);
    return out.empty() ? IScreen::Areas() : out;
}

int QtScreen::ColorBits() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->depth() : IScreen::ColorBits();
}

bool QtScreen::HasFont(const std::string& family) {
    const QString wanted = QString::fromStdString(family);
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families)
        if (f.compare(wanted, Qt::CaseInsensitive) == 0) return true;
    return false;
}

int QtScreen::Dpi() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? qRound(s->logicalDotsPerInch()) : IScreen::Dpi();
}

void QtWaits::Wait(int ms) {
    WaitMilliseconds(ms);
}
void QtWaits::WaitResponsive(int ms) {
    WaitMillisecondsResponsive(ms);
}
void QtWaits::WaitForPlayer(int ms) {
    WaitMillisecondsForPlayer(ms);
}

}  // namespace bw
