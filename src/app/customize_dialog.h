#pragma once
// TfrmCustomize_Freeware, the "Customize" dialog: card back, table
// background and fade, tool bar, time and score panels, confirmations and
// sounds. Backs and backgrounds are previewed inside the dialog; the table is
// rebuilt when the dialog closes, however it closes. OK puts the choices into
// the parameter block and the player's kept choices, which saves them to the
// settings file; any other way out puts the block back as it was at opening.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/advanced_form.h"

namespace bw {

struct Game;

constexpr int kCustomizeHelpContext = 1019;

// Numbers carried by the tree leaves (categories carry 0). Card backs: the
// back number. Backgrounds: above 1000 a fixed colour (a TColor value),
// 2..1000 a library background, 0 the default background.
struct TreeEntry {
    const char* category;  // top-level node
    const char* group;     // middle node, or nullptr for a leaf right under the category
    const char* text;      // the leaf
    int64_t number;
};
const std::vector<TreeEntry>& CardBackEntries();
// The card sizes on the decks page, in their order: text and size letter.
const std::vector<std::pair<const char*, char>>& CardSizeChoices();
const std::vector<TreeEntry>& BackgroundEntries();

// The library's face sets offered on the decks page: the text shown and the
// set's number ("Card", position 24).
struct FaceSetEntry {
    const char* text;
    const char* deck;
};
const std::vector<FaceSetEntry>& FaceSetEntries();

// What a background sample shows.
struct BackgroundChoice {
    enum Kind { kDefault, kColour, kImage, kOwn };
    Kind kind = kDefault;
    int64_t value = 0;      // the TColor of kColour, the picture number of kImage
    std::string path = {};  // the file of kOwn
    bool operator==(const BackgroundChoice&) const = default;
};

// The player's own pictures: card backs in "data\custom decks\" (BMP, as
// the back is loaded from there), backgrounds in "data\custom backgrounds\"
// (BMP or JPEG), card sets in "data\custom card sets\" (".crs": a BMP of
// every face at one of the card sizes). The dialog adds one by copying a
// checked file there.
enum class OwnKind { kBack, kBackground, kCardSet };
// The folder, ending with '/'.
std::string OwnFolder(OwnKind kind);
// The usable-looking files of the folder (by their ending), sorted by name.
std::vector<std::string> OwnFiles(OwnKind kind);
// Empty when the program's own readers take the file; otherwise the message
// for a bad picture of that kind.
std::string OwnFileRefusal(OwnKind kind, const std::string& path);
// Copies `source` into the folder under its name (made safe for a file and
// the settings file), or under a free one beside it ("name (2).bmp") when
// another file has the name; a file of the same content is taken as it is.
// The path of the copy; empty, with `error` set, when it cannot be made.
std::string CopyOwnFile(OwnKind kind, const std::string& source, std::string& error);
// Asks for the file to add; empty when none was chosen. The file dialog
// unless something else is put in its place (tests); an empty function puts
// the file dialog back.
using OwnFileChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;
void SetOwnFileChooser(OwnFileChooser chooser);
// The choice a tree number stands for; `rememberedColour` for number 1.
BackgroundChoice ChoiceOfNumber(int64_t number, int64_t rememberedColour);

// The parameter block fields the dialog may change, as they were at opening.
struct CustomizeSnapshot {
    std::string size, deck, fade, back, backgroundNumber, colour, fixedColour, defaultFlag, pilesTT;
    std::string ownBack, ownBackground, ownCardSet;
    static CustomizeSnapshot Take();
    void Restore() const;
};

// Paints a background choice over the whole of `canvas` without touching
// the table's own background picture.
void PaintBackgroundSample(QImage& canvas, const BackgroundChoice& choice);

// The 71 x 96 library back of `number` ("DB" + 3 digits) with its corner
// pixels taken from `under` at `at`, so the sample shows rounded corners over
// the background behind it. Null when the library has no such back.
QImage BackSample(int number, const QImage& under, QPoint at);

// A picture control: shows its image unscaled at the top-left corner.
class SamplePicture : public QWidget {
    Q_OBJECT
public:
    explicit SamplePicture(QWidget* parent = nullptr) : QWidget(parent) {}
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class TfrmCustomize_Freeware : public C_TAdvancedDialog {
    Q_OBJECT
public:
    // The choices are applied to `game`'s table.
    explicit TfrmCustomize_Freeware(Game& game, QWidget* parent = nullptr);

    // True unless OK closed the dialog (also while it is open).
    bool Cancelled() const { return cancelled_; }
    // The selected tree node, or nullptr.
    static QTreeWidgetItem* SelectedNode(QTreeWidget* tree);
    // The leaf of `tree` carrying `number`, or nullptr.
    static QTreeWidgetItem* FindLeaf(QTreeWidget* tree, int64_t number);
    // The node of `tree` with this text (first match), or nullptr.
    static QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& text);
    // What the background samples show now.
    const BackgroundChoice& ShownBackground() const { return shown_; }

    // Handlers.
    void FormShow();
    void btnOKClick();
    void btnCancelClick();
    void btnHelpClick();
    void trvCardBackChange();
    void trvBackGroundChange();
    void chkFadeBackgroundClick();
    void PageControlChange();
    void FormClose();
    void btnAddOwnClick(OwnKind kind);
    void btnRemoveOwnClick(OwnKind kind);

    // Controls.
    QTabWidget* PageControl;
    QWidget *tabGeneral, *tabDecks, *tabBackgrounds, *tabSounds;
    QPushButton *btnOK, *btnCancel, *btnHelp;
    QGroupBox *grpToolbar, *grpButtons, *grpTimeScores, *grpShow;
    QCheckBox *chkTBLargeIcons, *chkTBFlatBtn, *chkShowTime, *chkShowScore;
    QCheckBox *chkWinningAnimation, *chkConfirmQuitGame, *chkConfirmOnExit;
    QCheckBox* chkResumeGame;
    QTreeWidget* trvCardBack;
    QWidget* pnlSample;
    SamplePicture *imgSfondoEsempio2, *imgDorsoEsempio;
    QLabel* lblDecks;
    QLabel* lblFaces;
    // The face set: one entry per FaceSetEntries(), then the own card sets.
    QComboBox* cmbFaces;
    // The card size: the three sizes of their own and "Fit to the table".
    QComboBox* cmbCardSize;
    QTreeWidget* trvBackGround;
    SamplePicture* imgSfondoEsempio;
    QLabel* lblBackGround;
    QCheckBox* chkFadeBackground;
    QCheckBox* chkSoundsEnabled;
    // Own card backs, backgrounds and card sets: add a file, remove an own one.
    QPushButton *btnAddBack = nullptr, *btnRemoveBack = nullptr;
    QPushButton *btnAddBackground = nullptr, *btnRemoveBackground = nullptr;
    QPushButton *btnAddCardSet = nullptr, *btnRemoveCardSet = nullptr;
    // The memory games' look times (General page).
    QGroupBox* grpLookTime;
    QDoubleSpinBox* spnWrongPair;  // seconds, one decimal
    QSpinBox* spnStudyTime;        // seconds

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildGeneralPage();
    void BuildLookTimeGroup();
    void BuildDecksPage();
    void BuildBackgroundsPage();
    void BuildSoundsPage();
    QTreeWidget* BuildTree(QWidget* page, const std::vector<TreeEntry>& entries,
                           const char* leafIcon, bool sorted);
    // Own pictures: the trees' own leaves, the buttons, the selections.
    QPushButton* AddOwnButtons(QWidget* page, OwnKind kind, int top);
    void FillOwnLeaves(OwnKind kind);
    void FillOwnCardSets();
    bool SelectOwnCardSet(const std::string& path);
    void SelectCurrentFaces();
    void cmbFacesChange();
    void RemoveOwnCardSet();
    // The file of the own set the face list shows, or empty.
    std::string OwnCardSetShown() const;
    QTreeWidget* OwnTree(OwnKind kind) const;
    void UpdateOwnButtons();
    bool SelectOwnLeaf(OwnKind kind, const std::string& path);
    void SelectCurrentBack();
    void SelectCurrentBackground();
    void RefreshBackgroundSamples();
    void DrawBackSample();
    // Back, background and fade fields from the controls (OK and closing).
    void StoreChoicesInBlock();

    Game& game_;
    CustomizeSnapshot saved_;
    int64_t rememberedColour_ = 0;
    std::string facesAtOpening_;  // the face set when the dialog opened
    BackgroundChoice shown_;
    int backShown_ = 11;        // the back number the back sample shows
    std::string ownBackShown_;  // or the own back file it shows
    bool cancelled_ = true;
    bool closed_ = false;
    bool opening_ = false;  // selections made by the opening are not the player's
};

// Shows the dialog modally over `parent`; true when it was left with OK.
// The table is rebuilt either way.
bool ShowCustomizeDialog(Game& game, QWidget* parent);

// The table after a change of back, size or background: card images,
// layout, background, full repaint, shown on the window.
void RebuildTable(Game& game);

}  // namespace bw
