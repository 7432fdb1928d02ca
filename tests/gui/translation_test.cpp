// The program in the player's language: the shipped translations, every
// dialog laid out for each language's longer texts at 800 x 600, and
// the messages of the layers without Qt translated where they are shown.
// With BW_SHOT_DIR set the dialogs are also written there as PNG files.
#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/customize_dialog.h"
#include "app/deal_number_dialog.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/memory_end_dialog.h"
#include "app/msg_advice.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/product_info.h"
#include "app/statistics_window.h"
#include "app/translation.h"
#include "core/game.h"
#include "dialog_support.h"
#include "storage/catalogue.h"
#include "storage/players.h"
#include "support/program_game.h"

namespace bw {
namespace {

const QString kTranslations = QStringLiteral(BW_PROGRAM_DIR "translations");

void Save(QWidget& w, const QString& name) {
    const QByteArray dir = qgetenv("BW_SHOT_DIR");
    if (!dir.isEmpty()) w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name));
}

// Every text of the window shows whole: each label, button and group title
// is as wide as its text needs (one line), and lies inside its parent.
void ExpectNothingCut(QWidget& top) {
    top.show();
    QTest::qWait(10);
    EXPECT_LE(top.width(), 800) << top.objectName().toStdString();
    EXPECT_LE(top.height(), 600) << top.objectName().toStdString();
    const QList<QWidget*> parts = top.findChildren<QWidget*>();
    auto checkShown = [&] {
        for (QWidget* w : parts) {
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const auto* group = qobject_cast<QGroupBox*>(w);
            QString text = label    ? label->text()
                           : button ? button->text()
                           : group  ? group->title()
                                    : "";
            if (text.isEmpty() || (label && (label->wordWrap() || !label->pixmap().isNull())))
                continue;
            if (!w->isVisibleTo(&top) || w->width() == 0) continue;
            const std::string what = top.objectName().toStdString() + "/" +
                                     w->objectName().toStdString() + " \"" + text.toStdString() +
                                     "\"";
            // A push button's hint is a style minimum; its text is what must fit.
            if (group || qobject_cast<const QPushButton*>(w)) {
                const QString shown = QString(text).remove(QLatin1Char('&'));
                const int needed = w->fontMetrics().horizontalAdvance(shown) + 12;
                EXPECT_LE(needed, w->width()) << what;
            } else {
                EXPECT_LE(w->sizeHint().width(), w->width()) << what;
            }
            if (QWidget* parent = w->parentWidget()) {
                EXPECT_TRUE(parent->rect().contains(w->geometry())) << what;
            }
        }
    };
    // The pages of a tab widget are hidden but one: each is shown and looked at.
    const QList<QTabWidget*> tabWidgets = top.findChildren<QTabWidget*>();
    if (tabWidgets.isEmpty()) checkShown();
    for (QTabWidget* tabs : tabWidgets)
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QTest::qWait(5);
            EXPECT_GE(tabs->tabBar()->width(), tabs->tabBar()->sizeHint().width())
                << tabs->tabText(i).toStdString();
            checkShown();
        }
}

class Translated : public test::DialogTest {
protected:
    void SetUp() override {
        WriteGames(test::StandardGames());
        ASSERT_EQ(InstallTranslation(kTranslations, QLocale(QLocale::German)), "de");
    }
    void TearDown() override { RemoveTranslation(); }
};

TEST_F(Translated, EveryDialogInEveryLanguageHoldsItsTextsAt800x600) {
    const struct {
        QLocale::Language language;
        const char *code, *file, *open, *statistics, *addPlayer;
    } kLanguages[] = {
        {QLocale::German, "de", "&Datei", "Spiel öffnen", "Statistik", "Spieler hinzufügen"},
        {QLocale::French, "fr", "&Fichier", "Ouvrir un jeu", "Statistiques", nullptr},
        {QLocale::Spanish, "es", "&Archivo", nullptr, nullptr, nullptr},
        {QLocale::Italian, "it", "&File", nullptr, nullptr, nullptr},
    };
    for (const auto& l : kLanguages) {
        SCOPED_TRACE(l.code);
        RemoveTranslation();
        ASSERT_EQ(InstallTranslation(kTranslations, QLocale(l.language)), l.code);
        const QString prefix = QString::fromLatin1(l.code) + "_";
        TfrmMain main{ProgramGame()};
        main.resize(800, 600);
        ExpectNothingCut(main);
        EXPECT_EQ(main.menuBar()->actions().at(0)->text(), QString::fromUtf8(l.file));
        EXPECT_LE(main.menuBar()->sizeHint().width(), 800);
        Save(main, prefix + "main.png");

        TfrmOpenGame& open = OpenGameForm(ProgramGame());
        if (l.open) {
            EXPECT_EQ(open.windowTitle(), QString::fromUtf8(l.open));
        }
        ExpectNothingCut(open);
        Save(open, prefix + "open_game.png");
        FreeOpenGameForm();  // built once per run: the next language builds it anew

        TfrmStatistics statistics{ProgramGame()};
        if (l.statistics) {
            EXPECT_EQ(statistics.windowTitle(), QString::fromUtf8(l.statistics));
        }
        ExpectNothingCut(statistics);
        // The headers take their room first; the game names must still show whole.
        for (int row = 0; row < statistics.grdGames->rowCount(); ++row) {
            const QTableWidgetItem* item = statistics.grdGames->item(row, 0);
            ASSERT_NE(item, nullptr);
            EXPECT_LE(statistics.grdGames->fontMetrics().horizontalAdvance(item->text()) + 8,
                      statistics.grdGames->columnWidth(0))
                << item->text().toStdString();
        }
        Save(statistics, prefix + "statistics.png");

        TfrmCustomize_Freeware customize{ProgramGame()};
        ExpectNothingCut(customize);
        // The own pictures' buttons stay left of the decks page's sample.
        for (const QPushButton* b : {customize.btnRemoveBack, customize.btnRemoveCardSet})
            EXPECT_LT(b->geometry().right(), customize.pnlSample->x()) << b->text().toStdString();
        customize.PageControl->setCurrentWidget(customize.tabDecks);
        Save(customize, prefix + "customize_decks.png");
        customize.findChild<QTabWidget*>()->setCurrentIndex(0);  // the General page for a look
        Save(customize, prefix + "customize.png");

        TfrmPlayers players{ProgramGame()};
        ExpectNothingCut(players);
        TfrmPlayers2 name(players_caption::kAdd, "Player 1");
        if (l.addPlayer) {
            EXPECT_EQ(name.windowTitle(), QString::fromUtf8(l.addPlayer));
        }
        ExpectNothingCut(name);

        TfrmDealNumber number("Memory-Up (6x4)", "0001234567890", nullptr);
        ExpectNothingCut(number);
        Save(number, prefix + "deal_number.png");

        // The shipped rules page of the language (checked for its tables and
        // links by the translations.help test), as a player sees it.
        HelpWindow rules(QStringLiteral("rules"));
        rules.resize(560, 560);
        EXPECT_TRUE(rules.ShowPage(std::string(BW_PROGRAM_DIR) + "help/" + l.code + "/3205.html"));
        EXPECT_EQ(rules.browser()->documentTitle(), "Forget me not");
        Save(rules, prefix + "rules_3205.png");

        TfrmAbout about;
        ExpectNothingCut(about);
        Save(about, prefix + "about.png");

        TfrmMsgAdvice advice;
        advice.Prepare(QStringLiteral("Text"), 0);
        ExpectNothingCut(advice);

        for (bool won : {true, false}) {
            TfrmMemoryEnd end{ProgramGame()};
            end.Prepare(won);
            ExpectNothingCut(end);
            // The library's badge says "Won" or "Lost" in English: the
            // translated one is drawn with the word, whole, between the
            // caption and the total.
            const QLabel* badge = end.imgPair;
            EXPECT_GT(badge->pixmap().width(), 61);
            EXPECT_EQ(badge->size(), badge->pixmap().size());
            end.lblTotalPair->setText(QStringLiteral("-148"));
            const QLabel* total = end.lblTotalPair;
            EXPECT_LT(badge->geometry().right(),
                      total->x() + total->width() - total->fontMetrics().horizontalAdvance("-148"));
            const QString word = QCoreApplication::translate("MemoryEndText", "Total:");
            int captions = 0;
            for (const QLabel* caption : badge->parentWidget()->findChildren<QLabel*>()) {
                if (caption->text() != word) continue;
                ++captions;
                EXPECT_GT(badge->x(), caption->x() + caption->sizeHint().width());
            }
            EXPECT_EQ(captions, 1);
            Save(end, prefix + (won ? "memory_won.png" : "memory_lost.png"));
        }
    }
}

TEST_F(Translated, MessagesOfTheCoreAreTranslatedWithTheirValuesKept) {
    // A whole text, a text with a value in its placeholder, and a message
    // built of marked pieces around a path.
    EXPECT_EQ(TranslatedMessage(players_msg::kSelectPlayer), "Wählen Sie einen Spieler.");
    std::string stored = players_msg::kUnusableStoredName;
    stored.replace(stored.find("%s"), 2, "A=B");
    EXPECT_EQ(TranslatedMessage(stored).left(51),
              "Die Einstellungsdatei nennt den Spieler „A=B“, der ");
    EXPECT_EQ(TranslatedMessage("Cannot find file:\n/x/GAMES.DAT\nCopy the file into the "
                                "directory that above is specified\nor reinstall the program."),
              "Datei nicht gefunden:\n/x/GAMES.DAT\nKopieren Sie die Datei in den oben genannten "
              "Ordner\noder installieren Sie das Programm neu.");
    EXPECT_EQ(TranslatedMessage("Misses: 4 (2 slips)"), "Fehlgriffe: 4 (2 Patzer)");
    // The help pages in German where they are translated, else in English.
    core.dir.write("help/de/3200.html", "<html></html>");
    core.dir.write("help/3201.html", "<html></html>");
    EXPECT_EQ(HelpTopicPath(3200), core.dir.path() + "help/de/3200.html");
    EXPECT_EQ(HelpTopicPath(3201), core.dir.path() + "help/3201.html");
    // Text that is not the program's, and English, stay as they are.
    EXPECT_EQ(TranslatedMessage("/home/a/DATA"), "/home/a/DATA");
    RemoveTranslation();
    EXPECT_EQ(TranslatedMessage(players_msg::kSelectPlayer), players_msg::kSelectPlayer);
    // English and a language without a translation choose no file.
    EXPECT_EQ(InstallTranslation(kTranslations, QLocale(QLocale::English)), "");
    EXPECT_EQ(InstallTranslation(kTranslations, QLocale(QLocale::Japanese)), "");
    EXPECT_EQ(InstallTranslation(kTranslations, QLocale(QLocale::French, QLocale::Canada)), "fr");
}

TEST_F(Translated, FrenchClockCaptionStaysClearOfTheClock) {
    ASSERT_EQ(InstallTranslation(kTranslations, QLocale(QLocale::French)), "fr");
    TfrmMain main{ProgramGame()};
    main.resize(800, 600);
    main.show();
    // "Temps :" is longer than "Time:": the panel grows, the caption stays
    // clear of the clock.
    EXPECT_EQ(main.lblTempo2->text(), "Temps :");
    const int clock = main.lblTempo->fontMetrics().horizontalAdvance(main.lblTempo->text());
    EXPECT_LE(main.lblTempo2->x() + main.lblTempo2->sizeHint().width(),
              main.lblTempo->x() + main.lblTempo->width() - clock);
}

}  // namespace
}  // namespace bw
