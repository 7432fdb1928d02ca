// Every control a player can reach with the keyboard, in the main window and
// in every dialog, has a name that a screen reader can say.
#include <gmock/gmock.h>

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>
#include <algorithm>

#include "app/customize_dialog.h"
#include "app/help_window.h"
#include "app/memory_end_dialog.h"
#include "app/msg_advice.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "app/product_info.h"
#include "app/statistics_window.h"
#include "app/table_accessible.h"
#include "play_support.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class AccessibleNames : public PlayTest {
protected:
    // The focusable controls of `root` without an accessible name, every
    // page of a tab widget looked at in turn.
    static std::vector<std::string> Unnamed(QWidget* root) {
        std::vector<std::string> unnamed;
        root->show();
        QApplication::processEvents();
        auto look = [&] {
            for (QWidget* w : root->findChildren<QWidget*>()) {
                if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible()) continue;
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                const QString name = i ? i->text(QAccessible::Name).trimmed() : QString();
                const std::string id = (root->objectName() + "/" + w->objectName() + " (" +
                                        w->metaObject()->className() + ")")
                                           .toStdString();
                if (name.isEmpty() &&
                    std::find(unnamed.begin(), unnamed.end(), id) == unnamed.end())
                    unnamed.push_back(id);
            }
        };
        look();
        for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
            for (int p = 0; p < tabs->count(); ++p) {
                tabs->setCurrentIndex(p);
                QApplication::processEvents();
                look();
            }
        root->hide();
        return unnamed;
    }
};

TEST_F(AccessibleNames, EveryControlOfTheWindowAndTheDialogsHasAName) {
    InstallTableAccessibility();
    Start(200, "Memory-Up (4x3)");
    EXPECT_THAT(Unnamed(&window), ::testing::IsEmpty());
    TfrmCustomize_Freeware customize(ProgramGame(), &window);
    EXPECT_THAT(Unnamed(&customize), ::testing::IsEmpty());
    EXPECT_THAT(Unnamed(&OpenGameForm(ProgramGame(), &window)), ::testing::IsEmpty());
    TfrmPlayers players(ProgramGame(), &window);
    EXPECT_THAT(Unnamed(&players), ::testing::IsEmpty());
    TfrmPlayers2 newPlayer("New player", "", &window);
    EXPECT_THAT(Unnamed(&newPlayer), ::testing::IsEmpty());
    TfrmStatistics statistics(ProgramGame(), &window);
    EXPECT_THAT(Unnamed(&statistics), ::testing::IsEmpty());
    TfrmMemoryEnd result(ProgramGame(), &window);
    EXPECT_THAT(Unnamed(&result), ::testing::IsEmpty());
    TfrmAbout about(&window);
    EXPECT_THAT(Unnamed(&about), ::testing::IsEmpty());
    TfrmMsgAdvice advice(&window);
    EXPECT_THAT(Unnamed(&advice), ::testing::IsEmpty());
    HelpWindow help(QStringLiteral("rules"), &window);
    EXPECT_THAT(Unnamed(&help), ::testing::IsEmpty());
}

}  // namespace
}  // namespace bw::test
