#pragma once
// The program's help: HTML pages shipped in the "help" folder beside the
// program, shown in help windows named like the help file's window part
// ("quillory.hlp>rules" shows in the window "rules"). A topic's page is its
// context number + ".html"; the contents page is "contents.html".
#include <QDialog>
#include <QTextBrowser>
#include <string>

namespace bw {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& windowName, QWidget* parent = nullptr);
    bool ShowPage(const std::string& path);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The page file of a context number under the program folder.
std::string HelpTopicPath(int context);
std::string HelpContentsPath();

// Shows a topic in the window the help file names ("...>proc" when it names
// none); a missing page is reported in an information box. False when the
// page could not be shown. Over a modal dialog the window belongs to the
// dialog, so that it takes input while the dialog is open.
bool ShowHelpTopic(const std::string& helpFile, int context, QWidget* owner);
bool ShowHelpContents(const std::string& helpFile, QWidget* owner);
// Shows a page file of the program's help the same way.
bool ShowHelpPage(const std::string& helpFile, const std::string& path, QWidget* owner);
// The help window of that name, if it has been opened (tests).
HelpWindow* FindHelpWindow(const QString& windowName);

}  // namespace bw
