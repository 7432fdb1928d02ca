#include "app/help_window.h"

#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/translation.h"
#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/paths.h"

namespace bw {

namespace {

struct HelpText {
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

QMap<QString, QPointer<HelpWindow>>& Windows() {
    static QMap<QString, QPointer<HelpWindow>> windows;
    return windows;
}

QString WindowNameOf(const std::string& helpFile) {
    const size_t gt = helpFile.rfind('>');
    if (gt == std::string::npos || gt + 1 >= helpFile.size()) return QStringLiteral("proc");
    return QString::fromStdString(helpFile.substr(gt + 1));
}

bool Show(const std::string& helpFile, const std::string& path, QWidget* owner) {
    if (!platform::FileExists(path)) {
        Dialogs().Info(HelpText::tr("The help page cannot be found:\r%1")
                           .arg(QString::fromStdString(path))
                           .toStdString());
        return false;
    }
    const QString name = WindowNameOf(helpFile);
    // A window under a modal dialog other than its own would be shown but
    // blocked until the dialog closes.
    if (QWidget* modal = QApplication::activeModalWidget()) owner = modal;
    QPointer<HelpWindow>& w = Windows()[name];
    if (!w) {
        w = new HelpWindow(name, owner);
        w->setAttribute(Qt::WA_DeleteOnClose);
    } else if (w->parentWidget() != owner) {
        w->setParent(owner, w->windowFlags());
    }
    if (!w->ShowPage(path)) {
        Dialogs().Info(HelpText::tr("The help page cannot be read:\r%1")
                           .arg(QString::fromStdString(path))
                           .toStdString());
        return false;
    }
    w->show();
    w->raise();
    return true;
}

// The page in the player's language where it has been translated
// ("help/de/3200.html"), else the English one.
std::string LocalPage(const std::string& name) {
    const std::string language = TranslationLanguage().toStdString();
    if (!language.empty()) {
        std::string local = ProgramFile("help\\" + language + "\\" + name);
        if (platform::RegularFileProblem(local, platform::Links::kFollow) == 0) return local;
    }
    return ProgramFile("help\\" + name);
}

}  // namespace

HelpWindow::HelpWindow(const QString& windowName, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help_") + windowName);
    setWindowTitle(windowName == QStringLiteral("rules") ? HelpText::tr("Rules")
                                                         : HelpText::tr("Help"));
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 520);
}

bool HelpWindow::ShowPage(const std::string& path) {
    // Looked at, not opened: a pipe in a page's place would never answer.
    if (platform::RegularFileProblem(path, platform::Links::kFollow) != 0 ||
        ::access(path.c_str(), R_OK) != 0)
        return false;
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    return true;
}

std::string HelpTopicPath(int context) {
    return LocalPage(std::to_string(context) + ".html");
}

std::string HelpContentsPath() {
    return LocalPage("contents.html");
}

bool ShowHelpTopic(const std::string& helpFile, int context, QWidget* owner) {
    return Show(helpFile, HelpTopicPath(context), owner);
}

bool ShowHelpContents(const std::string& helpFile, QWidget* owner) {
    return Show(helpFile, HelpContentsPath(), owner);
}

bool ShowHelpPage(const std::string& helpFile, const std::string& path, QWidget* owner) {
    return Show(helpFile, path, owner);
}

HelpWindow* FindHelpWindow(const QString& windowName) {
    auto it = Windows().find(windowName);
    return it == Windows().end() ? nullptr : it.value().data();
}

}  // namespace bw
