// The customize dialog driven as a player would: trees clicked, boxes ticked,
// OK, Cancel or the close box; then the parameter block, the settings file
// and what the main window and the table were asked to do.
#include <gmock/gmock.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/customize_dialog.h"
#include "app/help_window.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/ini.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/qt_table.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "render/window_canvas.h"
#include "storage/catalogue.h"
#include "storage/preferences.h"
#include "support/fake_screen.h"
#include "support/program_game.h"
#include "support/recording_window.h"
#include "support/test_support.h"

namespace bw {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

using test::RecordingWindow;

// The table port's full repaint and show, in order.
class TableCalls : public ITable {
public:
    std::vector<std::string> calls;
    void RepaintTable(bool) override { calls.push_back("repaint"); }
    void ShowTable() override { calls.push_back("show"); }
};

// The whole [Preference] section as key=value lines, in file order.
std::vector<std::string> PreferenceLines(const std::string& file) {
    std::vector<std::string> lines;
    const std::string text = test::ReadFile(file);
    bool inside = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[')
            inside = line == "[Preference]";
        else if (inside && !line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

class CustomizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadResourceLibraryFile(BW_PROGRAM_DIR "QLR.RGF"));
        std::filesystem::create_directories(core.dir.file("DATA"));
        InstalledPorts().SetWindow(&window);
        InstalledPorts().SetTable(&table);
        // The block as start-up leaves it with an empty settings file.
        SetParameter(pos::kCardSize, 1, "B");
        SetParameter(pos::kCardDeck, 3, "001");
        SetParameter(pos::kBackCard, 3, "011");
        SetParameter(27, 1, "N");
        SetParameter(28, 15, "2147483663");
        SetParameter(43, 4, "0");
        SetParameter(47, 15, "32768");
        SetParameter(135, 1, "Y");
        SetParameter(179, 1, "N");
        SetParameter(66, 1, "Y");
        SetParameter(136, 1, "Y");
        SetParameter(185, 1, "N");
        SetParameter(141, 1, "Y");
    }

    std::string Settings() const { return SettingsFile(); }
    std::string Key(const std::string& k) const {
        return platform::IniReadString(Settings(), "Preference", k, "<missing>");
    }

    // Opens the dialog as the main window does, without blocking.
    void Open() {
        dialog = std::make_unique<TfrmCustomize_Freeware>(ProgramGame());
        dialog->show();
        QApplication::processEvents();
    }
    static void Choose(QTreeWidget* tree, const char* text) {
        QTreeWidgetItem* node = TfrmCustomize_Freeware::FindNode(tree, QString::fromUtf8(text));
        ASSERT_NE(node, nullptr) << text;
        tree->scrollToItem(node);
        const QRect r = tree->visualItemRect(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
        ASSERT_TRUE(node->isSelected()) << text;
    }
    // Clicks a check box on its label, as a player does.
    static void Tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {},
                          QPoint(box->sizeHint().width() / 2, box->height() / 2));
    }
    static QString Selected(QTreeWidget* tree) {
        QTreeWidgetItem* node = TfrmCustomize_Freeware::SelectedNode(tree);
        return node ? node->text(0) : QString();
    }
    std::vector<std::string> Block() const {
        return {GetParameter(21, 3),  GetParameter(43, 4), GetParameter(28, 15),
                GetParameter(47, 15), GetParameter(27, 1), GetParameter(135, 1),
                GetParameter(128, 1), GetParameter(24, 3), GetParameter(179, 1)};
    }

    test::CoreFixture core;
    RecordingWindow window;
    TableCalls table;
    std::unique_ptr<TfrmCustomize_Freeware> dialog;
};

TEST_F(CustomizeTest, TreesHoldTheBacksAndBackgroundsWithTheirNumbers) {
    Open();
    QTreeWidget* backs = dialog->trvCardBack;
    QStringList categories;
    for (int i = 0; i < backs->topLevelItemCount(); ++i)
        categories << backs->topLevelItem(i)->text(0);
    EXPECT_EQ(categories, QStringList({"Animals", "Children", "Classics", "Famous pictures",
                                       "Flowers", "Geometric", "Nature"}));
    for (const TreeEntry& e : CardBackEntries()) {
        QTreeWidgetItem* leaf = TfrmCustomize_Freeware::FindLeaf(backs, e.number);
        ASSERT_NE(leaf, nullptr) << e.text;
        EXPECT_EQ(leaf->text(0), e.text);
        EXPECT_EQ(leaf->parent()->text(0), e.category);
        EXPECT_EQ(leaf->parent()->data(0, Qt::UserRole).toLongLong(), 0);
        // Every back the tree offers exists in the library.
        EXPECT_FALSE(LibraryBitmap("DB" + FormatNumber(e.number, 3)).isNull()) << e.text;
    }
    QTreeWidget* grounds = dialog->trvBackGround;
    EXPECT_EQ(grounds->topLevelItem(0)->text(0), "Colors");
    EXPECT_EQ(grounds->topLevelItem(1)->text(0), "Over 256 colors");
    EXPECT_EQ(grounds->topLevelItem(2)->text(0), "Under 256 colors");
    for (const TreeEntry& e : BackgroundEntries()) {
        QTreeWidgetItem* leaf = TfrmCustomize_Freeware::FindLeaf(grounds, e.number);
        ASSERT_NE(leaf, nullptr) << e.text;
        EXPECT_EQ(leaf->text(0), e.text);
        if (e.number <= 1000) {
            EXPECT_FALSE(LibraryBitmap("B" + FormatNumber(e.number, 3)).isNull()) << e.text;
        }
    }
    EXPECT_EQ(TfrmCustomize_Freeware::FindLeaf(grounds, 32768)->text(0), "Green");
    EXPECT_EQ(TfrmCustomize_Freeware::FindLeaf(grounds, 263)->parent()->text(0), "Marbles");
}

TEST_F(CustomizeTest, OpeningSelectsTheLeavesOfTheCurrentChoices) {
    SetParameter(21, 3, "014");
    SetParameter(47, 15, "0");
    SetParameter(43, 4, "304");
    SetParameter(135, 1, "N");
    Open();
    EXPECT_EQ(Selected(dialog->trvCardBack), "Roses");
    EXPECT_EQ(dialog->lblDecks->text(), "Roses");
    EXPECT_EQ(Selected(dialog->trvBackGround), "Brick wall 1");
    EXPECT_EQ(dialog->ShownBackground(), (BackgroundChoice{BackgroundChoice::kImage, 304}));
    EXPECT_FALSE(dialog->chkFadeBackground->isChecked());
    EXPECT_TRUE(dialog->Cancelled());

    // A fixed colour wins over a picture number.
    dialog.reset();
    SetParameter(47, 15, "8421376");
    Open();
    EXPECT_EQ(Selected(dialog->trvBackGround), "Teal");
    EXPECT_EQ(dialog->ShownBackground(), (BackgroundChoice{BackgroundChoice::kColour, 8421376}));
}

TEST_F(CustomizeTest, DefaultBackgroundSelectsNoNodeAndOkKeepsIt) {
    SetParameter(27, 1, "Y");
    SetParameter(47, 15, "16711680");
    Open();
    EXPECT_EQ(TfrmCustomize_Freeware::SelectedNode(dialog->trvBackGround), nullptr);
    EXPECT_EQ(dialog->ShownBackground(), BackgroundChoice{});
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_FALSE(dialog->Cancelled());
    EXPECT_EQ(GetParameter(27, 1), "Y");
    EXPECT_EQ(GetParameter(47, 15), "16711680");
    // Nothing about the background was written; the fade is its own box.
    EXPECT_EQ(Key("Background_Def"), "<missing>");
    EXPECT_EQ(Key("Background_Fixed_Col"), "<missing>");
    EXPECT_EQ(Key("Background_bmp"), "<missing>");
    EXPECT_EQ(Key("Background_Col"), "<missing>");
    EXPECT_EQ(Key("Fade_Background"), "Y");
}

TEST_F(CustomizeTest, OkWithoutAMatchingLeafKeepsTheBackgroundPreferences) {
    SetParameter(47, 15, "255");  // a colour the tree does not offer
    SetParameter(28, 15, "0");    // and no colour of its own
    Open();
    EXPECT_EQ(TfrmCustomize_Freeware::SelectedNode(dialog->trvBackGround), nullptr);
    EXPECT_EQ(dialog->ShownBackground(), (BackgroundChoice{BackgroundChoice::kColour, 255}));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(47, 15), "255");
    EXPECT_EQ(GetParameter(28, 15), "0");
    EXPECT_EQ(GetParameter(27, 1), "N");
    EXPECT_EQ(Key("Background_Fixed_Col"), "<missing>");

    // A colour whose value is also a picture's number is still a colour.
    SetParameter(47, 15, "263");
    Open();
    EXPECT_EQ(TfrmCustomize_Freeware::SelectedNode(dialog->trvBackGround), nullptr);
    EXPECT_EQ(dialog->ShownBackground(), (BackgroundChoice{BackgroundChoice::kColour, 263}));
}

TEST_F(CustomizeTest, CancelAfterChangesRestoresTheBlockWritesNothingAndRebuildsTheTable) {
    SetParameter(47, 15, "0");
    SetParameter(43, 4, "311");
    SetParameter(28, 15, "12345");
    const std::vector<std::string> before = Block();
    Open();
    dialog->PageControl->setCurrentWidget(dialog->tabDecks);
    Choose(dialog->trvCardBack, "Roses");
    EXPECT_EQ(dialog->lblDecks->text(), "Roses");
    dialog->PageControl->setCurrentWidget(dialog->tabBackgrounds);
    Choose(dialog->trvBackGround, "Green");
    EXPECT_EQ(dialog->lblBackGround->text(), "Green");
    Tick(dialog->chkFadeBackground);
    EXPECT_EQ(GetParameter(135, 1), "N");  // the sample follows the box at once
    dialog->PageControl->setCurrentWidget(dialog->tabSounds);
    Tick(dialog->chkSoundsEnabled);
    ASSERT_TRUE(dialog->chkSoundsEnabled->isChecked());
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);

    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Block(), before);
    EXPECT_EQ(GetParameter(141, 1), "Y");
    EXPECT_FALSE(std::filesystem::exists(Settings()));
    EXPECT_THAT(table.calls, ElementsAre("repaint", "show"));
    EXPECT_THAT(window.calls, ElementsAre("repaint", "repaint"));
    // The table's back is the one in use before, not the one looked at.
    EXPECT_EQ(CardBack(), LibraryBitmap("DB011"));
}

TEST_F(CustomizeTest, ClosingTheWindowOrEscapeCountsAsCancel) {
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        table.calls.clear();
        Open();
        Choose(dialog->trvBackGround, "Navy");
        if (way == 0)
            dialog->close();
        else
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_TRUE(dialog->Cancelled());
        EXPECT_EQ(GetParameter(47, 15), "32768");
        EXPECT_THAT(table.calls, ElementsAre("repaint", "show"));
    }
}

TEST_F(CustomizeTest, GreenStoresAFixedColourAndNoPicture) {
    SetParameter(43, 4, "263");
    SetParameter(47, 15, "0");
    Open();
    Choose(dialog->trvBackGround, "Green");
    EXPECT_EQ(dialog->ShownBackground(), (BackgroundChoice{BackgroundChoice::kColour, 32768}));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(47, 15), "32768");
    EXPECT_EQ(GetParameter(43, 4), "0");
    EXPECT_EQ(GetParameter(27, 1), "N");
    EXPECT_EQ(GetParameter(28, 15), "2147483663");
    EXPECT_EQ(Key("Background_Fixed_Col"), "32768");
    EXPECT_EQ(Key("Background_bmp"), "0");
    EXPECT_EQ(Key("Background_Def"), "N");
    EXPECT_EQ(Key("Background_Col"), "2147483663");
}

TEST_F(CustomizeTest, PicturesAndCategoriesMapToTheirPreferences) {
    struct Case {
        const char* node;
        const char* number;
        const char* fixed;
        const char* def;
    } cases[] = {
        {"Meadow", "324", "0", "N"},
        {"Moquette", "102", "0", "N"},
        {"White", "0", "16777215", "N"},
        {"Over 256 colors", "0", "0", "Y"},  // a category: the default background
        {"Metal", "0", "0", "Y"},            // so is a middle node
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        SetParameter(27, 1, "N");
        SetParameter(43, 4, "0");
        SetParameter(47, 15, "32768");
        SetParameter(28, 15, "0");  // remembered as the button face
        Open();
        Choose(dialog->trvBackGround, c.node);
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        EXPECT_EQ(GetParameter(43, 4), c.number);
        EXPECT_EQ(GetParameter(47, 15), c.fixed);
        EXPECT_EQ(GetParameter(27, 1), c.def);
        EXPECT_EQ(GetParameter(28, 15), "2147483663");
        EXPECT_EQ(Key("Background_bmp"), c.number);
        EXPECT_EQ(Key("Background_Fixed_Col"), c.fixed);
        EXPECT_EQ(Key("Background_Def"), c.def);
    }
}

TEST_F(CustomizeTest, CategoryNodeSwitchesToTheDefaultBackground) {
    Open();
    Choose(dialog->trvBackGround, "Over 256 colors");
    EXPECT_EQ(dialog->ShownBackground(), BackgroundChoice{});
    EXPECT_EQ(dialog->lblBackGround->text(), "Over 256 colors");
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(27, 1), "Y");
    EXPECT_EQ(GetParameter(43, 4), "0");
    EXPECT_EQ(GetParameter(47, 15), "0");
    EXPECT_EQ(Key("Background_Def"), "Y");
}

TEST_F(CustomizeTest, ABackCategoryKeepsTheBackAndItsSample) {
    SetParameter(21, 3, "006");
    Open();
    const QImage sample = dialog->imgDorsoEsempio->Picture();
    Choose(dialog->trvCardBack, "Animals");
    EXPECT_EQ(dialog->lblDecks->text(), "Plaiting 2");
    EXPECT_EQ(dialog->imgDorsoEsempio->Picture(), sample);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(21, 3), "006");
    EXPECT_EQ(Key("Back_Card"), "6");
}

TEST_F(CustomizeTest, DisableAllSoundsWritesNAndClearingItWritesY) {
    Open();
    EXPECT_FALSE(dialog->chkSoundsEnabled->isChecked());
    dialog->PageControl->setCurrentWidget(dialog->tabSounds);
    Tick(dialog->chkSoundsEnabled);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(Key("Sounds_Enabled"), "N");
    EXPECT_EQ(GetParameter(141, 1), "N");

    Open();
    EXPECT_TRUE(dialog->chkSoundsEnabled->isChecked());
    dialog->PageControl->setCurrentWidget(dialog->tabSounds);
    Tick(dialog->chkSoundsEnabled);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(Key("Sounds_Enabled"), "Y");
    EXPECT_EQ(GetParameter(141, 1), "Y");
}

TEST_F(CustomizeTest, EveryPageHasMnemonicsOfItsOwn) {
    // The page tabs' letters work on every page; a check box sharing one
    // would never be reached by its key.
    Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    auto letter = [](const QString& text) {
        const qsizetype at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    QList<QChar> shared{letter(dialog->btnHelp->text())};
    for (int i = 0; i < dialog->PageControl->count(); ++i)
        shared << letter(dialog->PageControl->tabText(i));
    for (int i = 0; i < dialog->PageControl->count(); ++i) {
        QWidget* page = dialog->PageControl->widget(i);
        QList<QChar> seen = shared;
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            const QChar c = letter(b->text());
            if (c.isNull() || !b->isVisibleTo(page)) continue;
            EXPECT_FALSE(seen.contains(c)) << b->text().toStdString() << " on "
                                           << dialog->PageControl->tabText(i).toStdString();
            seen << c;
        }
    }
    // The sounds box answers its key.
    dialog->PageControl->setCurrentWidget(dialog->tabSounds);
    const QChar key = letter(dialog->chkSoundsEnabled->text()).toUpper();
    QTest::keyClick(dialog->windowHandle(), static_cast<Qt::Key>(key.unicode()), Qt::AltModifier);
    // A button's key clicks it the way a press shows it, after a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->chkSoundsEnabled->isChecked(); }, 2000));
    EXPECT_EQ(dialog->PageControl->currentWidget(), dialog->tabSounds);
}

TEST_F(CustomizeTest, OkWritesExactlyTheDialogsKeys) {
    Open();
    Choose(dialog->trvCardBack, "Lake");
    Choose(dialog->trvBackGround, "Marble 1");
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_THAT(
        PreferenceLines(Settings()),
        UnorderedElementsAreArray(
            {"Sounds_Enabled=Y", "Back_Card=20", "Background_bmp=263", "Background_Col=2147483663",
             "Background_Fixed_Col=0", "Background_Def=N", "Fade_Background=Y", "ToolBar_Large=Y",
             "ToolBar_Flat=Y", "Show_Time=Y", "Show_Score=Y", "ConfirmQuit=N", "ConfirmQuitGame=N",
             "Winning_Animation=Y", "Resume_Game=Y", "Wrong_Pair_Time=200", "Study_Time=10"}));
    EXPECT_EQ(GetParameter(21, 3), "020");
    EXPECT_EQ(CardBack(), LibraryBitmap("DB020"));
    // The table is rebuilt after the bars and panels took their settings.
    EXPECT_THAT(window.calls,
                ElementsAre("large", "flat", "time on", "score on", "repaint", "repaint"));
    EXPECT_THAT(table.calls, ElementsAre("repaint", "show"));
}

// OK changes the choices kept for the run and writes the file as it does
// with none kept; a smaller size the screen forces is a size in force only,
// and OK leaves the player's size alone then.
TEST_F(CustomizeTest, OkChangesTheKeptChoicesAndAForcedSizeLeavesThem) {
    auto customize = [&] {
        test::WriteFile(Settings(), "[Preference]\r\nCard_Size=B\r\nShow_Time=Y\r\n");
        Open();
        Choose(dialog->trvCardBack, "Lake");
        Choose(dialog->trvBackGround, "Marble 1");
        dialog->cmbFaces->setCurrentIndex(dialog->cmbFaces->findData("004"));
        dialog->cmbCardSize->setCurrentIndex(dialog->cmbCardSize->findData(QChar('S')));
        Tick(dialog->chkShowTime);
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        return test::ReadFile(Settings());
    };
    // Keys new to the file follow in the order they have always been written.
    const std::string unkept = customize();
    EXPECT_EQ(unkept,
              "[Preference]\r\nCard_Size=S\r\nShow_Time=N\r\nSounds_Enabled=Y\r\nBack_Card=20\r\n"
              "Background_bmp=263\r\nBackground_Col=2147483663\r\nBackground_Fixed_Col=0\r\n"
              "Background_Def=N\r\nFade_Background=Y\r\nCard=4\r\nToolBar_Large=Y\r\n"
              "ToolBar_Flat=Y\r\nShow_Score=Y\r\nConfirmQuit=N\r\nConfirmQuitGame=N\r\n"
              "Winning_Animation=Y\r\nResume_Game=Y\r\nWrong_Pair_Time=200\r\nStudy_Time=10\r\n");
    SetUp();
    struct Keeper : IChoiceKeeper {
        Preferences choices;
        Preferences* Kept() override { return &choices; }
    } keeper;
    Install<IChoiceKeeper>(&keeper);
    EXPECT_EQ(customize(), unkept);
    const Preferences& kept = keeper.choices;
    EXPECT_EQ(kept.backCard, 20);
    EXPECT_EQ(kept.backgroundPicture, "263");
    EXPECT_FALSE(kept.defaultBackground);
    EXPECT_EQ(kept.cardDeck, 4);
    EXPECT_EQ(kept.cardSize, "S");
    EXPECT_FALSE(kept.showTime);

    // A game that needs more room than a 1024-pixel screen has for large cards.
    struct NoRules : ICardSetUp {
        void ReloadRules(Game&) override {}
        void Advice(const std::string&, const std::string&) override {}
    } setUp;
    test::FakeScreen screen(1024, 768);
    IScreen* const ownScreen = InstalledPorts().screen;
    InstalledPorts().screen = &screen;
    Install<ICardSetUp>(&setUp);
    ProgramGame().GameRules[38] = 2;
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(128, 1), "B");
    Open();
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(kept.cardSize, "S");
    EXPECT_EQ(Key("Card_Size"), "S");
    ProgramGame().GameRules[38] = 0;
    Install<ICardSetUp>(nullptr);
    InstalledPorts().screen = ownScreen;
    Install<IChoiceKeeper>(nullptr);
}

// Own backs, backgrounds and card sets come in through the file chooser once
// the program's readers took them, are copied beside the shipped ones
// without overwriting another picture, are used on OK and can be removed
// again, shipped pictures never.
TEST_F(CustomizeTest, OwnBacksBackgroundsAndCardSetsAreAddedCheckedUsedAndRemoved) {
    auto picture = [&](const char* name, QRgb colour, const char* format) {
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(colour);
        const std::string path = core.dir.file(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    };
    const std::string red = picture("mine.bmp", qRgb(200, 0, 0), "BMP");
    std::filesystem::create_directories(core.dir.file("other"));
    const std::string blue = picture("other/mine.bmp", qRgb(0, 0, 200), "BMP");
    const std::string sky = picture("sky.jpg", qRgb(90, 160, 230), "JPG");
    // A card set: every face at the normal size (5 x 12 cells of 71 x 96).
    QImage set(355, 1152, QImage::Format_RGB32);
    set.fill(qRgb(20, 180, 40));
    const std::string faces = core.dir.file("faces.crs");
    ASSERT_TRUE(set.save(QString::fromStdString(faces), "BMP"));
    const std::string odd = core.dir.file("odd.crs");  // a picture, not a set's size
    ASSERT_TRUE(QImage(40, 60, QImage::Format_RGB32).save(QString::fromStdString(odd), "BMP"));
    const std::string fake = core.dir.file("fake.jpg");
    test::WriteFile(fake, "BM but no picture at all");
    std::string chosen;
    QString filter;
    SetOwnFileChooser([&](QWidget*, const QString&, const QString& f) {
        filter = f;
        return QString::fromStdString(chosen);
    });
    auto add = [&](QPushButton* button, const std::string& file) {
        chosen = file;
        QTest::mouseClick(button, Qt::LeftButton);
    };
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b)) <
               30;
    };
    const std::string decks = OwnFolder(OwnKind::kBack);
    const std::string backgrounds = OwnFolder(OwnKind::kBackground);

    Open();
    dialog->PageControl->setCurrentWidget(dialog->tabDecks);
    Choose(dialog->trvCardBack, "Lake");
    EXPECT_FALSE(dialog->btnRemoveBack->isEnabled());
    add(dialog->btnAddBack, red);
    EXPECT_TRUE(filter.contains("*.bmp"));
    EXPECT_EQ(Selected(dialog->trvCardBack), "mine");
    EXPECT_TRUE(dialog->btnRemoveBack->isEnabled());
    EXPECT_EQ(dialog->imgDorsoEsempio->Picture().pixel(30, 40), qRgb(200, 0, 0));
    // Another picture of the same name keeps its file; the same one is not
    // copied twice.
    add(dialog->btnAddBack, blue);
    EXPECT_EQ(Selected(dialog->trvCardBack), "mine (2)");
    add(dialog->btnAddBack, red);
    EXPECT_EQ(Selected(dialog->trvCardBack), "mine");
    EXPECT_EQ(test::ReadFile(decks + "mine.bmp"), test::ReadFile(red));
    EXPECT_EQ(test::ReadFile(decks + "mine (2).bmp"), test::ReadFile(blue));
    Choose(dialog->trvCardBack, "mine (2)");
    // The set's readers refuse a picture of another size; a set is listed
    // after the library's faces and decides the card size.
    EXPECT_FALSE(dialog->btnRemoveCardSet->isEnabled());
    add(dialog->btnAddCardSet, odd);
    EXPECT_TRUE(filter.contains("*.crs"));
    EXPECT_THAT(core.dialogs.infos,
                ElementsAre("The format of the Customized card set image is not valid.\r" + odd));
    const std::string sets = OwnFolder(OwnKind::kCardSet);
    EXPECT_FALSE(std::filesystem::exists(sets + "odd.crs"));
    add(dialog->btnAddCardSet, faces);
    EXPECT_EQ(dialog->cmbFaces->currentText(), "faces");
    EXPECT_EQ(test::ReadFile(sets + "faces.crs"), test::ReadFile(faces));
    EXPECT_TRUE(dialog->btnRemoveCardSet->isEnabled());
    EXPECT_FALSE(dialog->cmbCardSize->isEnabled());
    if (!qEnvironmentVariableIsEmpty("BW_SCREENSHOT_DIR"))
        dialog->grab().save(qEnvironmentVariable("BW_SCREENSHOT_DIR") + "/customize_own_set.png");
    core.dialogs.infos.clear();

    // A file the picture readers refuse gets their message and is not copied.
    dialog->PageControl->setCurrentWidget(dialog->tabBackgrounds);
    add(dialog->btnAddBackground, fake);
    EXPECT_THAT(
        core.dialogs.infos,
        ElementsAre("The format of the Customized background image is not valid.\r" + fake));
    EXPECT_FALSE(std::filesystem::exists(backgrounds + "fake.jpg"));
    add(dialog->btnAddBackground, sky);
    EXPECT_EQ(Selected(dialog->trvBackGround), "sky");
    EXPECT_TRUE(near(dialog->imgSfondoEsempio->Picture().pixel(20, 20), qRgb(90, 160, 230)));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(Key("Customized_Deck"), "mine (2)");
    EXPECT_EQ(Key("Customized_Background"), backgrounds + "sky.jpg");
    EXPECT_EQ(GetParameter(256, 1), "Y");
    EXPECT_EQ(GetParameter(246, 1), "Y");
    EXPECT_EQ(GetParameter(27, 1), "N");
    EXPECT_EQ(CardBack().pixel(ProgramGame().CardWidth / 2, ProgramGame().CardHeight / 2),
              qRgb(0, 0, 200));
    EXPECT_EQ(Key("Customized_Cards_Set"), "faces");
    EXPECT_EQ(GetParameter(257, 1), "Y");
    EXPECT_EQ(CardFaces()[0].pixel(35, 48), qRgb(20, 180, 40));

    // Opened again, the own choices are selected; removing them goes back
    // to the shipped back and background, even when the dialog is cancelled.
    Open();
    EXPECT_EQ(Selected(dialog->trvCardBack), "mine (2)");
    EXPECT_EQ(Selected(dialog->trvBackGround), "sky");
    EXPECT_EQ(dialog->cmbFaces->currentText(), "faces");
    QTest::mouseClick(dialog->btnRemoveCardSet, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(sets + "faces.crs"));
    EXPECT_EQ(dialog->cmbFaces->currentData().toString(), "001");
    EXPECT_EQ(dialog->cmbFaces->findText("faces"), -1);
    EXPECT_FALSE(dialog->btnRemoveCardSet->isEnabled());
    QTest::mouseClick(dialog->btnRemoveBack, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(decks + "mine (2).bmp"));
    EXPECT_TRUE(std::filesystem::exists(decks + "mine.bmp"));
    EXPECT_EQ(Selected(dialog->trvCardBack), "Plaiting 1");
    EXPECT_FALSE(dialog->btnRemoveBack->isEnabled());
    QTest::mouseClick(dialog->btnRemoveBackground, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(backgrounds + "sky.jpg"));
    EXPECT_EQ(TfrmCustomize_Freeware::FindNode(dialog->trvBackGround, "Your own"), nullptr);
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(Key("Customized_Deck"), "");
    EXPECT_EQ(Key("Customized_Background"), "");
    EXPECT_EQ(GetParameter(256, 1), "N");
    EXPECT_EQ(GetParameter(246, 1), "N");
    EXPECT_EQ(CardBack(), LibraryBitmap("DB011"));
    EXPECT_EQ(Key("Customized_Cards_Set"), "");
    EXPECT_EQ(GetParameter(257, 1), "N");
    EXPECT_NE(CardFaces()[0].pixel(35, 48), qRgb(20, 180, 40));
    EXPECT_THAT(core.dialogs.infos, ::testing::SizeIs(1));
    SetOwnFileChooser(nullptr);
}

TEST_F(CustomizeTest, FaceSetIsChosenOnTheDecksPageAndKeptThroughAForcedSize) {
    // Cancel leaves the set; OK stores and loads the four-colour one.
    Open();
    ASSERT_EQ(dialog->cmbFaces->currentData().toString(), "001");
    dialog->cmbFaces->setCurrentIndex(dialog->cmbFaces->findData("004"));
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(GetParameter(24, 3), "001");
    EXPECT_EQ(Key("Card"), "<missing>");
    Open();
    dialog->cmbFaces->setCurrentIndex(dialog->cmbFaces->findData("004"));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(24, 3), "004");
    EXPECT_EQ(Key("Card"), "4");
    const QImage::Format rgb = QImage::Format_RGB32;
    EXPECT_EQ(CardFaces()[0].convertToFormat(rgb),
              LibraryBitmap("CB004H").copy(0, 0, 71, 96).convertToFormat(rgb));
    // A smaller size is forced ("003" in use, the player's set kept aside):
    // the dialog shows the kept set, and OK without a change keeps both.
    SetParameter(24, 3, "003");
    SetParameter(129, 3, "001");
    Open();
    EXPECT_EQ(dialog->cmbFaces->currentData().toString(), "001");
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(24, 3), "003");
    EXPECT_EQ(GetParameter(129, 3), "001");
    // A change shows now and comes back with the size.
    Open();
    dialog->cmbFaces->setCurrentIndex(dialog->cmbFaces->findData("004"));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(24, 3), "004");
    EXPECT_EQ(GetParameter(129, 3), "004");
}

TEST_F(CustomizeTest, GeneralPageReadsAndWritesTheBarsPanelsAndConfirmations) {
    test::WriteFile(Settings(), "[Preference]\r\nToolBar_Flat=N\r\nConfirmQuit=Y\r\n");
    SetParameter(66, 1, "N");
    SetParameter(185, 1, "Y");
    Open();
    // A missing "ToolBar_Large" is the large bar the window starts with.
    EXPECT_TRUE(dialog->chkTBLargeIcons->isChecked());
    EXPECT_FALSE(dialog->chkTBFlatBtn->isChecked());
    EXPECT_TRUE(dialog->chkConfirmOnExit->isChecked());
    EXPECT_FALSE(dialog->chkShowTime->isChecked());
    EXPECT_TRUE(dialog->chkShowScore->isChecked());
    EXPECT_TRUE(dialog->chkConfirmQuitGame->isChecked());
    EXPECT_TRUE(dialog->grpButtons->isVisibleTo(dialog.get()));
    EXPECT_FALSE(dialog->chkWinningAnimation->isVisibleTo(dialog.get()));

    for (QCheckBox* box :
         {dialog->chkTBLargeIcons, dialog->chkTBFlatBtn, dialog->chkShowTime, dialog->chkShowScore,
          dialog->chkConfirmQuitGame, dialog->chkConfirmOnExit})
        Tick(box);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(Key("ToolBar_Large"), "N");
    EXPECT_EQ(Key("ToolBar_Flat"), "Y");
    EXPECT_EQ(Key("Show_Time"), "Y");
    EXPECT_EQ(Key("Show_Score"), "N");
    EXPECT_EQ(Key("ConfirmQuitGame"), "N");
    EXPECT_EQ(Key("ConfirmQuit"), "N");
    EXPECT_EQ(GetParameter(66, 1), "Y");
    EXPECT_EQ(GetParameter(136, 1), "N");
    EXPECT_EQ(GetParameter(185, 1), "N");
    EXPECT_THAT(window.calls,
                ElementsAre("small", "flat", "time on", "score off", "repaint", "repaint"));
}

TEST_F(CustomizeTest, HelpButtonShowsTheDialogsPage) {
    core.dir.write("help/1019.html", "<html><body><h2>Customize</h2></body></html>");
    Open();
    QTest::mouseClick(dialog->btnHelp, Qt::LeftButton);
    HelpWindow* proc = FindHelpWindow("proc");
    ASSERT_NE(proc, nullptr);
    EXPECT_TRUE(proc->isVisible());
    EXPECT_TRUE(proc->browser()->toPlainText().contains("Customize"));
    EXPECT_TRUE(dialog->isVisible());
    proc->close();
    QApplication::processEvents();
}

TEST_F(CustomizeTest, ShowCustomizeDialogRunsModallyAndReportsOk) {
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok);
        table.calls.clear();
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<TfrmCustomize_Freeware*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowTitle(), "Customize");
            EXPECT_EQ(d->size(), QSize(400, 300));
            QTest::mouseClick(ok ? d->btnOK : d->btnCancel, Qt::LeftButton);
        });
        EXPECT_EQ(ShowCustomizeDialog(ProgramGame(), nullptr), ok);
        EXPECT_THAT(table.calls, ElementsAre("repaint", "show"));
    }
}

// A dealt "Memory-Up (6x4)" drawn by the real table code: after the dialog,
// TableBitmap() shows the chosen back on every card and the chosen background
// between them.
class CustomizeTableTest : public CustomizeTest {
protected:
    // The window lays the piles out again for the new card images.
    struct RequestLayout : ICardSetUp {
        RenderRequest request;
        void LayOutPiles() override {
            LayoutInput in = request.layout;
            in.cardWidth = ProgramGame().CardWidth;
            in.cardHeight = ProgramGame().CardHeight;
            bw::LayOutPiles(ProgramGame(), in);
        }
        bool HasTable() override { return true; }
        bool TableHoldsPiles() override {
            const LayoutInput& in = request.layout;
            return QRect(0, in.top, in.width, in.bottom + 1 - in.top)
                .contains(TableExtent(ProgramGame()));
        }
    } layout;
    void SetUp() override {
        CustomizeTest::SetUp();
        InstalledPorts().SetTable(&qtTable);
        savedCanvas = WindowCanvas();
        WindowCanvas() = nullptr;
        test::WriteFile(core.dir.file("GAMES.DAT"), test::ReadFile(BW_PROGRAM_DIR "GAMES.DAT"));
        ASSERT_TRUE(LoadCatalogue());
        ASSERT_GE(CatalogueIndex(201), 0);
        RenderRequest request;
        request.gameId = 201;
        request.gameNumber = "1234567890123";
        request.layout.top = 60;
        request.layout.bottom = 700;
        request.layout.height = 768;
        request.layout.width = 1007;
        request.layout.screenWidth = 1024;
        request.layout.screenHeight = 768;
        before = RenderDealtTable(ProgramGame(), request);
        // The window lays the piles out again for the new card images.
        layout.request = request;
        Install<ICardSetUp>(&layout);
        card = PileAnchor(ProgramGame(), "Fila1", 0);
        ASSERT_TRUE(QRect(0, 0, 1007, 700).contains(card));
    }
    void TearDown() override {
        Install<ICardSetUp>(nullptr);
        WindowCanvas() = savedCanvas;
    }

    // A table pixel well inside the first card, and one of bare table above the cards.
    QRgb CardPixel() const { return TableBitmap().pixel(card + QPoint(35, 48)) & 0xFFFFFF; }
    static QRgb Of(const QImage& img, QPoint p) { return img.pixel(p) & 0xFFFFFF; }

    QtTable qtTable{ProgramGame()};
    IWindowCanvas* savedCanvas = nullptr;
    QImage before;
    QPoint card;
    const QPoint bare{300, 20};
};

TEST_F(CustomizeTableTest, OkRebuildsTheTableWithTheNewBackAndBackground) {
    const QImage oldBack = LibraryBitmap("DB011"), newBack = LibraryBitmap("DB014");
    const QImage marble = LibraryBitmap("B263");
    ASSERT_EQ(CardPixel(), Of(oldBack, {35, 48}));
    ASSERT_NE(Of(oldBack, {35, 48}), Of(newBack, {35, 48}));
    const QImage backgroundBefore = BackgroundBitmap().copy();

    Open();
    Choose(dialog->trvCardBack, "Roses");
    Choose(dialog->trvBackGround, "Marble 1");
    // The samples show the choice; the table's own background waits for OK.
    EXPECT_EQ(Of(dialog->imgSfondoEsempio->Picture(), {20, 30}), Of(marble, {20, 30}));
    EXPECT_EQ(Of(dialog->imgDorsoEsempio->Picture(), {35, 48}), Of(newBack, {35, 48}));
    EXPECT_EQ(BackgroundBitmap(), backgroundBefore);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);

    EXPECT_EQ(CardPixel(), Of(newBack, {35, 48}));
    for (const QPoint p : {bare, QPoint(5, 5), QPoint(1000, 690)}) {
        const QPoint tile(p.x() % marble.width(), p.y() % marble.height());
        EXPECT_EQ(Of(BackgroundBitmap(), p), Of(marble, tile)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(Of(TableBitmap(), bare),
              Of(marble, QPoint(bare.x() % marble.width(), bare.y() % marble.height())));
    // The bottom-left corner of the card shows the marble through it.
    const QPoint corner = card + QPoint(0, ProgramGame().CardHeight - 1);
    EXPECT_EQ(Of(TableBitmap(), corner), Of(BackgroundBitmap(), corner));
}

// "Fit to the table" sits beside the sizes of their own; OK keeps it and
// the cards take the table's room at once, every one whole; Cancel leaves
// the size as it was.
TEST_F(CustomizeTableTest, FitToTheTableIsChosenOnTheDecksPageAndFitsAtOnce) {
    Open();
    ASSERT_EQ(dialog->cmbCardSize->currentText(), "Normal");
    dialog->cmbCardSize->setCurrentIndex(dialog->cmbCardSize->findText("Fit to the table"));
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(GetParameter(128, 1), "B");
    EXPECT_EQ(ProgramGame().CardHeight, 96);

    Open();
    dialog->cmbCardSize->setCurrentIndex(dialog->cmbCardSize->findText("Fit to the table"));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(GetParameter(128, 1), "F");
    EXPECT_THAT(PreferenceLines(Settings()), ::testing::Contains("Card_Size=F"));
    // Four rows of cards in a table 640 pixels high.
    EXPECT_GT(ProgramGame().CardHeight, 120);
    EXPECT_EQ(ProgramGame().CardWidth, (ProgramGame().CardHeight * 71 + 48) / 96);
    EXPECT_EQ(CardBack().size(), QSize(ProgramGame().CardWidth, ProgramGame().CardHeight));
    EXPECT_TRUE(QRect(0, 60, 1007, 641).contains(TableExtent(ProgramGame())));
    const QPoint moved = PileAnchor(ProgramGame(), "Fila1", 0) + QPoint(35, 48);
    EXPECT_EQ(Of(TableBitmap(), moved), Of(CardBack(), {35, 48}));

    Open();
    EXPECT_EQ(dialog->cmbCardSize->currentText(), "Fit to the table");
}

TEST_F(CustomizeTableTest, CancelRebuildsTheTableAsItWas) {
    Open();
    Choose(dialog->trvCardBack, "Snowman");
    Choose(dialog->trvBackGround, "White");
    TableBitmap().fill(Qt::magenta);  // anything the rebuild does not repaint shows
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(TableBitmap().copy(before.rect()), before);
}

TEST_F(CustomizeTableTest, ColourChoiceFadesUnlessTheBoxIsCleared) {
    for (bool fade : {true, false}) {
        SCOPED_TRACE(fade);
        Open();
        Choose(dialog->trvBackGround, "White");
        if (dialog->chkFadeBackground->isChecked() != fade) Tick(dialog->chkFadeBackground);
        // Faded, the top band is 255/256 of white and the bottom nearly black.
        const QRgb top = fade ? 0xFEFEFE : 0xFFFFFF;
        const QImage& sample = dialog->imgSfondoEsempio->Picture();
        EXPECT_EQ(Of(sample, {10, 0}), top);
        EXPECT_EQ(qRed(Of(sample, {10, sample.height() - 1})), fade ? 0 : 255);
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        EXPECT_EQ(Key("Fade_Background"), fade ? "Y" : "N");
        EXPECT_EQ(Of(TableBitmap(), {10, 0}), top);
        EXPECT_EQ(qRed(Of(TableBitmap(), {10, 700})) < 80, fade);
    }
}

TEST(BackSampleTest, CornersComeFromThePictureUnderTheBack) {
    ASSERT_TRUE(LoadResourceLibraryFile(BW_PROGRAM_DIR "QLR.RGF"));
    QImage under(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) under.setPixel(x, y, qRgb(x, y, 77));
    const QPoint at(30, 40);
    const QImage back = BackSample(7, under, at);
    const QImage plain = LibraryBitmap("DB007").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), QSize(71, 96));
    const int w = 71, h = 96;
    const QPoint corners[] = {{0, 0},     {1, 0},         {0, 1},         {w - 1, 0},
                              {w - 2, 0}, {w - 1, 1},     {0, h - 1},     {1, h - 1},
                              {0, h - 2}, {w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
    for (const QPoint p : corners)
        EXPECT_EQ(back.pixel(p), under.pixel(at + p)) << p.x() << "," << p.y();
    // Everything else is the back itself.
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 0), QPoint(35, 48), QPoint(w - 2, h - 2)})
        EXPECT_EQ(back.pixel(p), plain.pixel(p)) << p.x() << "," << p.y();
    EXPECT_TRUE(BackSample(999, under, at).isNull());
}

}  // namespace
}  // namespace bw
