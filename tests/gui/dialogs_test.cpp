// The Qt message boxes, the advice dialog and the font fallback of the forms.
#include <gmock/gmock.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/advanced_form.h"
#include "app/msg_advice.h"
#include "app/qt_ports.h"
#include "core/params.h"
#include "core/sounds.h"
#include "gui_support.h"
#include "platform/paths.h"
#include "storage/preferences.h"

namespace bw::test {
namespace {

class QtDialogsTest : public GuiFixture, public ::testing::Test {
protected:
    QtDialogsTest() {
        SetParameter(pos::kSettingsFile, 20, "DATA\\Cfg.dat");
        platform::MakeDir(dir.path() + "DATA");
        InstalledPorts().dialogs = &qt;
    }
    QtDialogs qt;
};

TEST_F(QtDialogsTest, AdviceTickedWritesDontShowAgain) {
    QString caption, message, page;
    ModalAnswer answer1([&](QWidget* w) {
        auto* box = qobject_cast<TfrmMsgAdvice*>(w);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        message = box->lblMessage->text();
        page = box->nbkPictures->currentWidget()->objectName();
        EXPECT_EQ(box->chkDontShow->text(), "&Don't show this message box again");
        EXPECT_EQ(box->btnOK->text(), "OK");
        const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
        if (!keep.isEmpty()) box->grab().save(keep + "/advice.png");
        box->chkDontShow->setChecked(true);
        box->btnOK->click();
    });
    EXPECT_TRUE(ShowAdviceMessage("Line one\rline two", "Msg_Cards_Large", kAdvicePage640x480));
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(message, "Line one\nline two");
    EXPECT_EQ(page, "640x480");
    EXPECT_EQ(ReadSetting(section::kShowMessages, "Msg_Cards_Large", "?"), "N");
    // Suppressed from now on: no dialog, nothing shown.
    EXPECT_FALSE(ShowAdviceMessage("again", "Msg_Cards_Large", kAdvicePageColor));
}

TEST_F(QtDialogsTest, AdviceLeftUntickedKeepsShowing) {
    ModalAnswer answer2([](QWidget* w) {
        auto* box = qobject_cast<TfrmMsgAdvice*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->nbkPictures->currentWidget()->objectName(), "Color");
        box->btnOK->click();
    });
    EXPECT_TRUE(ShowAdviceMessage("colours", "Screen_Under_256_Colors", kAdvicePageColor));
    EXPECT_EQ(ReadSetting(section::kShowMessages, "Screen_Under_256_Colors", "?"), "?");
}

TEST_F(QtDialogsTest, ConfirmationAnswersOkAndCancel) {
    ModalAnswer answer3([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Quit this game?");
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(Dialogs().Confirm("Quit this game?"));
    ModalAnswer answer4(
        [](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); });
    EXPECT_TRUE(Dialogs().Confirm("Quit this game?"));
}

TEST_F(QtDialogsTest, ErrorBoxCarriesItsTitle) {
    QString title, text;
    ModalAnswer answer5([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    Dialogs().Error("Error", "Cannot find file:\r/x/GAMES.DAT");
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text, "Cannot find file:\n/x/GAMES.DAT");
}

// Stands in for the desktop's browser and mail program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<std::string> urls;  // as the handler receives them, encoded
public slots:
    void open(const QUrl& url) { urls.push_back(url.toEncoded().toStdString()); }
};

TEST_F(QtDialogsTest, LinksReachTheDesktopsHandlerOfTheirScheme) {
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    EXPECT_TRUE(OpenLink("http", "www.example.com/a b"));
    EXPECT_TRUE(OpenLink("EMAIL", "help@example.com"));
    EXPECT_TRUE(qt.OpenUrl("file:///usr/share/brindlewick/help/contents.html"));
    EXPECT_THAT(catcher.urls,
                ::testing::ElementsAre("http://www.example.com/a%20b", "mailto:help@example.com",
                                       "file:///usr/share/brindlewick/help/contents.html"));
    // What is no address opens nothing and says so by its result.
    EXPECT_FALSE(qt.OpenUrl(""));
    EXPECT_FALSE(qt.OpenUrl("http://[not an address"));
    EXPECT_EQ(catcher.urls.size(), 3u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

TEST_F(QtDialogsTest, DesktopOpenerThatOpensNothingIsAFailure) {
    // Stand-ins for xdg-open: one finding no handler, one handing the address
    // on, one whose browser keeps it waiting.
    auto opener = [&](const std::string& name, const std::string& body) {
        dir.write(name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(dir.file(name), std::filesystem::perms::owner_all);
        return QString::fromStdString(dir.file(name));
    };
    qt.SetDesktopOpener(opener("none", "echo \"xdg-open: no method available\" >&2; exit 3"));
    EXPECT_FALSE(qt.OpenUrl("https://example.org/brindlewick"));
    EXPECT_FALSE(OpenLink("EMAIL", "help@example.com"));
    qt.SetDesktopOpener(opener("found", "echo \"$1\" >>" + dir.file("opened")));
    EXPECT_TRUE(OpenLink("http", "example.org/a b"));
    EXPECT_EQ(dir.read("opened"), "http://example.org/a%20b\n");
    qt.SetDesktopOpener(opener("browser", "sleep 6"));
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(qt.OpenUrl("https://example.org/"));
    EXPECT_LT(waited.elapsed(), 10000);
    qt.SetDesktopOpener(QString::fromStdString(dir.file("missing")));
    EXPECT_FALSE(qt.OpenUrl("https://example.org/"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtDialogsTest, BusyCursorNestsAndUnbalancedPopsAreHarmless) {
    Dialogs().PushBusyCursor();
    Dialogs().PushBusyCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Dialogs().PopBusyCursor();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    Dialogs().PopBusyCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Someone else's cursor survives an extra pop.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    Dialogs().PopBusyCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    QApplication::restoreOverrideCursor();
}

TEST(QtScreenTest, FontListIsSearchedWithoutRegardToCase) {
    QtScreen screen;
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    EXPECT_TRUE(screen.HasFont(families.first().toUpper().toStdString()));
    EXPECT_FALSE(screen.HasFont("No Such Font Family 1234"));
    EXPECT_GT(screen.Width(), 0);
    EXPECT_GT(screen.ColorBits(), 0);
}

// A form with one control of each kind the fallback looks at.
class SampleForm : public C_TAdvancedDialog {
public:
    SampleForm() {
        setFont(QFont("Tahoma", 8));
        inherits = new QLabel("inherits", this);
        tahoma = new QLabel("tahoma", this);
        tahoma->setFont(QFont("Tahoma", 8));
        arial = new QLabel("arial", this);
        arial->setFont(QFont("Arial", 8));
        group = new QGroupBox("group", this);
        group->setFont(QFont("tahoma", 9));
        button = new QPushButton("button", this);
        button->setFont(QFont("Tahoma", 8));
    }
    QLabel *inherits, *tahoma, *arial;
    QGroupBox* group;
    QPushButton* button;
};

class FontFallbackTest : public GuiFixture, public ::testing::Test {
protected:
    FontFallbackTest() { ResetFontCode(); }
    ~FontFallbackTest() override { ResetFontCode(); }
};

TEST_F(FontFallbackTest, WithoutTahomaTahomaControlsTakeMsSansSerif) {
    screen.tahoma = false;
    EXPECT_EQ(FontCode(), 11);
    SampleForm form;
    form.show();  // controls made after the base constructor are checked here
    EXPECT_EQ(form.font().family(), "MS Sans Serif");
    EXPECT_EQ(form.tahoma->font().family(), "MS Sans Serif");
    EXPECT_EQ(form.inherits->font().family(), "MS Sans Serif");
    EXPECT_EQ(form.group->font().family(), "MS Sans Serif");
    EXPECT_EQ(form.group->font().pointSize(), 9);  // only the family changes
    EXPECT_EQ(form.button->font().family(), "MS Sans Serif");
    EXPECT_EQ(form.arial->font().family(), "Arial");
}

TEST_F(FontFallbackTest, WithTahomaNothingChanges) {
    screen.tahoma = true;
    EXPECT_EQ(FontCode(), 10);
    SampleForm form;
    form.show();
    EXPECT_EQ(form.font().family(), "Tahoma");
    EXPECT_EQ(form.tahoma->font().family(), "Tahoma");
}

TEST_F(FontFallbackTest, CodeIsComputedOnce) {
    screen.tahoma = true;
    EXPECT_EQ(FontCode(), 10);
    screen.tahoma = false;
    EXPECT_EQ(FontCode(), 10);
}

}  // namespace
}  // namespace bw::test

#include "dialogs_test.moc"
