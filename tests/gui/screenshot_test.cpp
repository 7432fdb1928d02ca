// The dialogs as painted on the screen. With BW_SHOT_DIR set the pictures
// are also written there as PNG files for a look by eye.
#include <gmock/gmock.h>

#include <QDir>
#include <QTest>

#include "app/game_preview.h"
#include "app/open_game_dialog.h"
#include "app/players_dialog.h"
#include "dialog_support.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace bw {
namespace {

void Save(const QImage& image, const char* name) {
    const QByteArray dir = qgetenv("BW_SHOT_DIR");
    if (!dir.isEmpty()) image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name));
}

class Painted : public test::DialogTest {
protected:
    void SetUp() override {
        // The shipped games when the build made them, so the pictures show
        // the real tables.
        const std::string shipped = test::ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT");
        if (!shipped.empty()) {
            core.dir.write("GAMES.DAT", shipped);
            LoadCatalogue();
        }
    }
};

TEST_F(Painted, OpenGameDialogShowsThePreviewWhereItBelongs) {
    TfrmOpenGame& form = OpenGameForm(ProgramGame());
    form.show();
    QTest::qWait(20);
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Save(shot, "open_game.png");
    const QPoint at = form.imgGame->mapTo(&form, QPoint(0, 0));
    const QImage preview = form.PreviewPicture();
    ASSERT_FALSE(preview.isNull());
    for (QPoint p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 184), QPoint(299, 184)})
        EXPECT_EQ(shot.pixel(at + p), preview.pixel(p)) << p.x() << "," << p.y();
    // Everything inside the window.
    for (QWidget* w :
         std::initializer_list<QWidget*>{form.btnOK, form.btnCancel, form.btnRules, form.imgGame,
                                         form.cboPlayers, form.lblChance})
        EXPECT_TRUE(form.rect().contains(QRect(w->mapTo(&form, QPoint(0, 0)), w->size())))
            << w->objectName().toStdString();
    for (int id = 200; id <= 205; ++id)
        Save(RenderGamePreview(id, QSize(300, 185)),
             ("preview_" + std::to_string(id) + ".png").c_str());
    // OK stands 5 pixels left of Cancel.
    EXPECT_EQ(form.btnCancel->x() - (form.btnOK->x() + form.btnOK->width()), 5);
}

TEST_F(Painted, PlayersDialogs) {
    TfrmPlayers form{ProgramGame()};
    form.show();
    QTest::qWait(20);
    Save(form.grab().toImage(), "players.png");
    for (QWidget* w :
         std::initializer_list<QWidget*>{form.btnClose, form.btnSelect, form.lboOperatori})
        EXPECT_TRUE(form.rect().contains(QRect(w->mapTo(&form, QPoint(0, 0)), w->size())));
    TfrmPlayers2 name(players_caption::kEdit, "Player 1");
    name.show();
    QTest::qWait(20);
    Save(name.grab().toImage(), "player_name.png");
    EXPECT_EQ(name.edtName->text(), "Player 1");
    EXPECT_TRUE(name.btnOK->isDefault());
}

}  // namespace
}  // namespace bw
