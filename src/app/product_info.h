#pragma once
// The product information the program shows: the about box and the home page.
#include <QLabel>
#include <QPushButton>
#include <string>

#include "app/advanced_form.h"

namespace bw {

// What the program is, in one line (about box, --help, metainfo summary).
inline constexpr const char* kProductLine = QT_TRANSLATE_NOOP(
    "AboutText", "Memory card games: Memory-Up, Concentration, Ace-To-King and Forget me not.");

// The build's home page, or, when the build names none, the help contents
// page of the running copy as a "file://" address.
std::string HomePageAddress();
// Opens the home page: a local one in the program's help window, a web one
// with the desktop's handler; a page that cannot be opened is reported in an
// information box. True on success.
bool OpenHomePage(QWidget* owner = nullptr);
// The home page as the about box shows it: a local page as its file name.
QString HomePageText();

// TfrmAbout: icon, product name, version, what it is, copyright, home page
// link and OK.
class TfrmAbout : public C_TAdvancedDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* imgIcon;
    QLabel* lblProduct;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblCopyright;
    QLabel* lblHomePage;
    QPushButton* btnOK;
};

// "A&bout [Program]...": the about box, modal, with the "About" sound.
void ShowAboutBox(QWidget* owner);

}  // namespace bw
