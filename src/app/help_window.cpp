#include "app/help_window.h"

#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/paths.h"

namespace bw {

namespace {

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
        Dialogs().Info("The help page cannot be found:\r" + path);
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
        Dialogs().Info("The help page cannot be read:\r" + path);
        return false;
    }
    w->show();
    w->raise();
    return true;
}

}  // namespace

HelpWindow::HelpWindow(const QString& windowName, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help_") + windowName);
    setWindowTitle(windowName == QStringLiteral("rules") ? QStringLiteral("Rules")
                                                         : QStringLiteral("Help"));
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
    return ProgramFile("help\\" + std::to_string(context) + ".html");
}

std::string HelpContentsPath() {
    return ProgramFile("help\\contents.html");
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
