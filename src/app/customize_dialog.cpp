#include "app/customize_dialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "app/help_window.h"
#include "core/params.h"
#include "core/ports.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/images.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "storage/preferences.h"

namespace bw {

namespace {

struct CustomizeText {
    Q_DECLARE_TR_FUNCTIONS(CustomizeText)
};

constexpr int kNumberRole = Qt::UserRole;

// Tree pictures are drawn on dark red, which is masked out.
constexpr QRgb kTreeKey = qRgb(128, 0, 0);

const char* YN(bool on) {
    return on ? "Y" : "N";
}

QIcon TreeIcon(const char* normal, const char* selected) {
    QIcon icon;
    const QImage n = LibraryBitmap(normal);
    if (!n.isNull()) icon.addPixmap(QPixmap::fromImage(KeyedToAlpha(n, kTreeKey)), QIcon::Normal);
    if (selected) {
        const QImage s = LibraryBitmap(selected);
        if (!s.isNull())
            icon.addPixmap(QPixmap::fromImage(KeyedToAlpha(s, kTreeKey)), QIcon::Selected);
    }
    return icon;
}

int64_t NumberOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNumberRole).toLongLong() : 0;
}

QCheckBox* AddCheck(QWidget* parent, const char* name, const char* text, int x, int y, int w) {
    auto* c = new QCheckBox(CustomizeText::tr(text), parent);
    c->setObjectName(QString::fromUtf8(name));
    c->setGeometry(x, y, w, 20);
    return c;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const char* title, QRect r) {
    auto* g = new QGroupBox(CustomizeText::tr(title), parent);
    g->setObjectName(QString::fromUtf8(name));
    g->setGeometry(r);
    return g;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* text, QRect r) {
    auto* l = new QLabel(CustomizeText::tr(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(r);
    return l;
}

// The label says what the view holds; item views take no name from their
// buddy, so a screen reader is given it as well.
void NameAfter(QWidget* view, QLabel* label) {
    label->setBuddy(view);
    view->setAccessibleName(label->text().remove('&'));
}

}  // namespace

const std::vector<std::pair<const char*, char>>& CardSizeChoices() {
    static const std::vector<std::pair<const char*, char>> choices = {
        {QT_TRANSLATE_NOOP("CustomizeText", "Normal"), 'B'},
        {QT_TRANSLATE_NOOP("CustomizeText", "Large"), 'S'},
        {QT_TRANSLATE_NOOP("CustomizeText", "Medium"), 'M'},
        {QT_TRANSLATE_NOOP("CustomizeText", "Fit to the table"), kFitToTableSize}};
    return choices;
}

const std::vector<TreeEntry>& CardBackEntries() {
    static const std::vector<TreeEntry> entries = {
        {QT_TRANSLATE_NOOP("CustomizeText", "Animals"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Tropical fish"), 19},
        {QT_TRANSLATE_NOOP("CustomizeText", "Children"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Snowman"), 3},
        {QT_TRANSLATE_NOOP("CustomizeText", "Classics"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Classic blue"), 7},
        {QT_TRANSLATE_NOOP("CustomizeText", "Famous pictures"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Van Gogh"), 1},
        {QT_TRANSLATE_NOOP("CustomizeText", "Flowers"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Roses"), 14},
        {QT_TRANSLATE_NOOP("CustomizeText", "Geometric"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Plaiting 1"), 11},
        {QT_TRANSLATE_NOOP("CustomizeText", "Geometric"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Plaiting 2"), 6},
        {QT_TRANSLATE_NOOP("CustomizeText", "Nature"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Lake"), 20},
    };
    return entries;
}

const std::vector<TreeEntry>& BackgroundEntries() {
    static const std::vector<TreeEntry> entries = {
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Blue"), 16711680},
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Green"), 32768},
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Navy"), 8388608},
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Olive"), 32896},
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "Teal"), 8421376},
        {QT_TRANSLATE_NOOP("CustomizeText", "Colors"), nullptr,
         QT_TRANSLATE_NOOP("CustomizeText", "White"), 16777215},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Marbles"),
         QT_TRANSLATE_NOOP("CustomizeText", "Marble 1"), 263},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Metal"),
         QT_TRANSLATE_NOOP("CustomizeText", "Metal gold"), 287},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Nature"), QT_TRANSLATE_NOOP("CustomizeText", "Meadow"),
         324},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Patterns"),
         QT_TRANSLATE_NOOP("CustomizeText", "Pattern 1"), 302},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Tissue"),
         QT_TRANSLATE_NOOP("CustomizeText", "Moquette 1"), 296},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Walls"),
         QT_TRANSLATE_NOOP("CustomizeText", "Brick wall 1"), 304},
        {QT_TRANSLATE_NOOP("CustomizeText", "Over 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Wood"), QT_TRANSLATE_NOOP("CustomizeText", "Parquet"),
         311},
        {QT_TRANSLATE_NOOP("CustomizeText", "Under 256 colors"),
         QT_TRANSLATE_NOOP("CustomizeText", "Geometricals"),
         QT_TRANSLATE_NOOP("CustomizeText", "Moquette"), 102},
    };
    return entries;
}

const std::vector<FaceSetEntry>& FaceSetEntries() {
    static const std::vector<FaceSetEntry> entries = {
        {QT_TRANSLATE_NOOP("CustomizeText", "Classic"), "001"},
        {QT_TRANSLATE_NOOP("CustomizeText", "Large indices"), "003"},
        {QT_TRANSLATE_NOOP("CustomizeText", "Four colours"), "004"},
    };
    return entries;
}

BackgroundChoice ChoiceOfNumber(int64_t number, int64_t rememberedColour) {
    if (number > 1000) return {BackgroundChoice::kColour, number};
    if (number == 1) return {BackgroundChoice::kColour, rememberedColour};
    if (number >= 2) return {BackgroundChoice::kImage, number};
    return {};
}

CustomizeSnapshot CustomizeSnapshot::Take() {
    CustomizeSnapshot s;
    s.size = GetParameter(field::kCardSize);
    s.deck = GetParameter(field::kCardDeck);
    s.fade = GetParameter(field::kFadeBackground);
    s.back = GetParameter(field::kBackCard);
    s.backgroundNumber = GetParameter(field::kBackgroundPicture);
    s.colour = GetParameter(field::kBackgroundColour);
    s.fixedColour = GetParameter(field::kFixedColour);
    s.defaultFlag = GetParameter(field::kDefaultBackground);
    s.pilesTT = GetParameter(field::kPilesTT);
    return s;
}

void CustomizeSnapshot::Restore() const {
    SetParameter(field::kCardSize, size);
    SetParameter(field::kCardDeck, deck);
    SetParameter(field::kFadeBackground, fade);
    SetParameter(field::kBackCard, back);
    SetParameter(field::kBackgroundPicture, backgroundNumber);
    SetParameter(field::kBackgroundColour, colour);
    SetParameter(field::kFixedColour, fixedColour);
    SetParameter(field::kDefaultBackground, defaultFlag);
    SetParameter(field::kPilesTT, pilesTT);
}

QImage BackSample(int number, const QImage& under, QPoint at) {
    QImage back = LibraryBitmap("DB" + FormatNumber(number, 3));
    if (back.isNull()) return back;
    back = back.convertToFormat(QImage::Format_RGB32);
    const int w = back.width(), h = back.height();
    const QRect inside = under.rect();
    auto take = [&](int x, int y) {
        const QPoint p = at + QPoint(x, y);
        if (inside.contains(p)) back.setPixel(x, y, under.pixel(p));
    };
    // The corner pixel and its two neighbours along the edges, per corner.
    for (const QPoint c :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        const int dx = c.x() == 0 ? 1 : -1, dy = c.y() == 0 ? 1 : -1;
        take(c.x(), c.y());
        take(c.x() + dx, c.y());
        take(c.x(), c.y() + dy);
    }
    return back;
}

void PaintBackgroundSample(QImage& canvas, const BackgroundChoice& choice) {
    const Canvas sample = Canvas::Of(canvas);
    switch (choice.kind) {
        case BackgroundChoice::kDefault:
            PaintBackgroundAs(sample, kBackgroundDefault, 0, "", true, 0);
            break;
        case BackgroundChoice::kColour:
            PaintBackgroundAs(sample, kBackgroundColour, choice.value, "", true, 0);
            break;
        case BackgroundChoice::kImage:
            PaintBackgroundAs(sample, static_cast<int>(choice.value), 0, "", true, 0);
            break;
    }
}

void SamplePicture::SetPicture(const QImage& image) {
    picture_ = image;
    update();
}

void SamplePicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

// ---------------------------------------------------------------- the form

TfrmCustomize_Freeware::TfrmCustomize_Freeware(QWidget* parent) : C_TAdvancedDialog(parent) {
    setObjectName(QStringLiteral("frmCustomize_Freeware"));
    setWindowTitle(CustomizeText::tr("Customize"));
    setFixedSize(400, 300);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setAccessibleName(CustomizeText::tr("Pages"));
    PageControl->setGeometry(6, 6, 388, 254);
    BuildGeneralPage();
    BuildDecksPage();
    BuildBackgroundsPage();
    BuildSoundsPage();
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });

    btnOK = new QPushButton(CustomizeText::tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(156, 268, 75, 25);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(CustomizeText::tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(237, 268, 75, 25);
    btnHelp = new QPushButton(QStringLiteral("&?"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setGeometry(318, 268, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
}

void TfrmCustomize_Freeware::BuildGeneralPage() {
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    PageControl->addTab(tabGeneral, CustomizeText::tr("&General"));

    grpToolbar = AddGroup(tabGeneral, "grpToolbar", QT_TRANSLATE_NOOP("CustomizeText", "Toolbar "),
                          QRect(8, 6, 178, 104));
    grpButtons = AddGroup(grpToolbar, "grpButtons", QT_TRANSLATE_NOOP("CustomizeText", "Buttons "),
                          QRect(8, 20, 162, 76));
    chkTBLargeIcons = AddCheck(grpButtons, "chkTBLargeIcons",
                               QT_TRANSLATE_NOOP("CustomizeText", "&Large buttons"), 10, 22, 146);
    chkTBFlatBtn = AddCheck(grpButtons, "chkTBFlatBtn",
                            QT_TRANSLATE_NOOP("CustomizeText", "&Flat buttons"), 10, 46, 146);

    grpTimeScores = AddGroup(tabGeneral, "grpTimeScores",
                             QT_TRANSLATE_NOOP("CustomizeText", "Time / Scores options"),
                             QRect(8, 118, 178, 76));
    chkShowTime = AddCheck(grpTimeScores, "chkShowTime",
                           QT_TRANSLATE_NOOP("CustomizeText", "Show &time"), 12, 22, 156);
    chkShowScore = AddCheck(grpTimeScores, "chkShowScore",
                            QT_TRANSLATE_NOOP("CustomizeText", "Show sco&re"), 12, 46, 156);

    grpShow = AddGroup(tabGeneral, "grpShow", QT_TRANSLATE_NOOP("CustomizeText", "Show "),
                       QRect(194, 6, 178, 104));
    chkConfirmQuitGame =
        AddCheck(grpShow, "chkConfirmQuitGame",
                 QT_TRANSLATE_NOOP("CustomizeText", "C&onfirm quit game"), 12, 22, 160);
    chkConfirmOnExit =
        AddCheck(grpShow, "chkConfirmOnExit",
                 QT_TRANSLATE_NOOP("CustomizeText", "Confirm on e&xit"), 12, 46, 160);
    // Kept for the settings file; nothing reads the key, so it is not offered.
    chkWinningAnimation =
        AddCheck(grpShow, "chkWinningAnimation",
                 QT_TRANSLATE_NOOP("CustomizeText", "&Winning animation"), 12, 70, 160);
    chkWinningAnimation->hide();
    // In the hidden box's place: an unfinished game kept over closing.
    chkResumeGame =
        AddCheck(grpShow, "chkResumeGame",
                 QT_TRANSLATE_NOOP("CustomizeText", "Res&ume unfinished game"), 12, 70, 160);
    chkResumeGame->setToolTip(
        CustomizeText::tr("Resume an unfinished game at start-up, where it was left"));
}

QTreeWidget* TfrmCustomize_Freeware::BuildTree(QWidget* page, const std::vector<TreeEntry>& entries,
                                               const char* leafIcon, bool sorted) {
    auto* tree = new QTreeWidget(page);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setIconSize(QSize(16, 16));
    const QIcon closed = TreeIcon("TREE1", nullptr), open = TreeIcon("TREE2", nullptr);
    const QIcon leaf = TreeIcon(leafIcon, "N_TREE5");

    auto child = [&](QTreeWidgetItem* parent, const char* text) -> QTreeWidgetItem* {
        const QString t = CustomizeText::tr(text);
        const int count = parent ? parent->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < count; ++i) {
            QTreeWidgetItem* it = parent ? parent->child(i) : tree->topLevelItem(i);
            if (it->text(0) == t) return it;
        }
        auto* it = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        it->setText(0, t);
        it->setData(0, kNumberRole, qlonglong(0));
        it->setIcon(0, closed);
        return it;
    };
    for (const TreeEntry& e : entries) {
        QTreeWidgetItem* node = child(nullptr, e.category);
        if (e.group) node = child(node, e.group);
        auto* it = new QTreeWidgetItem(node);
        it->setText(0, CustomizeText::tr(e.text));
        it->setData(0, kNumberRole, qlonglong(e.number));
        it->setIcon(0, leaf);
    }
    if (sorted) tree->sortItems(0, Qt::AscendingOrder);
    connect(tree, &QTreeWidget::itemExpanded, tree,
            [open](QTreeWidgetItem* it) { it->setIcon(0, open); });
    connect(tree, &QTreeWidget::itemCollapsed, tree,
            [closed](QTreeWidgetItem* it) { it->setIcon(0, closed); });
    return tree;
}

void TfrmCustomize_Freeware::BuildDecksPage() {
    tabDecks = new QWidget;
    tabDecks->setObjectName(QStringLiteral("tabDecks"));
    PageControl->addTab(tabDecks, CustomizeText::tr("&Decks  "));

    QLabel* selectBack =
        AddLabel(tabDecks, "lblSelectBack",
                 QT_TRANSLATE_NOOP("CustomizeText", "Select a card back:"), QRect(8, 6, 200, 16));
    trvCardBack = BuildTree(tabDecks, CardBackEntries(), "N_TREE3", true);
    NameAfter(trvCardBack, selectBack);
    trvCardBack->setObjectName(QStringLiteral("trvCardBack"));
    trvCardBack->setGeometry(8, 24, 200, 136);
    connect(trvCardBack, &QTreeWidget::itemSelectionChanged, this, [this] { trvCardBackChange(); });

    pnlSample = new QFrame(tabDecks);
    pnlSample->setObjectName(QStringLiteral("pnlSample"));
    static_cast<QFrame*>(pnlSample)->setFrameShape(QFrame::StyledPanel);
    pnlSample->setGeometry(216, 24, 156, 194);
    imgSfondoEsempio2 = new SamplePicture(pnlSample);
    imgSfondoEsempio2->setObjectName(QStringLiteral("imgSfondoEsempio2"));
    imgSfondoEsempio2->setGeometry(8, 8, 140, 150);
    imgDorsoEsempio = new SamplePicture(imgSfondoEsempio2);
    imgDorsoEsempio->setObjectName(QStringLiteral("imgDorsoEsempio"));
    imgDorsoEsempio->setGeometry(35, 27, 71, 96);
    lblDecks = AddLabel(pnlSample, "lblDecks", QT_TRANSLATE_NOOP("CustomizeText", "Sample "),
                        QRect(8, 164, 140, 20));
    lblDecks->setAlignment(Qt::AlignCenter);

    // The face set: the four-colour one tells the suits apart without
    // relying on red against black alone.
    lblFaces = AddLabel(tabDecks, "lblFaces", QT_TRANSLATE_NOOP("CustomizeText", "Card &faces:"),
                        QRect(8, 170, 62, 16));
    cmbFaces = new QComboBox(tabDecks);
    cmbFaces->setObjectName(QStringLiteral("cmbFaces"));
    cmbFaces->setGeometry(72, 166, 136, 22);
    for (const FaceSetEntry& e : FaceSetEntries())
        cmbFaces->addItem(CustomizeText::tr(e.text), QString::fromLatin1(e.deck));
    lblFaces->setBuddy(cmbFaces);

    QLabel* sizeLabel =
        AddLabel(tabDecks, "lblCardSize", QT_TRANSLATE_NOOP("CustomizeText", "Card si&ze:"),
                 QRect(8, 198, 60, 20));
    cmbCardSize = new QComboBox(tabDecks);
    sizeLabel->setBuddy(cmbCardSize);
    cmbCardSize->setObjectName(QStringLiteral("cmbCardSize"));
    cmbCardSize->setGeometry(70, 196, 138, 22);
    for (const auto& [text, letter] : CardSizeChoices())
        cmbCardSize->addItem(CustomizeText::tr(text), QChar(letter));
    // A size without an entry (an own card set's, say) shows none and stays.
    const std::string size = GetParameter(field::kCardSize);
    cmbCardSize->setCurrentIndex(size.size() == 1 ? cmbCardSize->findData(QChar(size[0])) : -1);
}

void TfrmCustomize_Freeware::BuildBackgroundsPage() {
    tabBackgrounds = new QWidget;
    tabBackgrounds->setObjectName(QStringLiteral("tabBackgrounds"));
    PageControl->addTab(tabBackgrounds, CustomizeText::tr("&Backgrounds"));

    QLabel* selectBackground =
        AddLabel(tabBackgrounds, "lblSelectBackground",
                 QT_TRANSLATE_NOOP("CustomizeText", "Select a background:"), QRect(8, 6, 200, 16));
    trvBackGround = BuildTree(tabBackgrounds, BackgroundEntries(), "N_TREE4", false);
    NameAfter(trvBackGround, selectBackground);
    trvBackGround->setObjectName(QStringLiteral("trvBackGround"));
    trvBackGround->setGeometry(8, 24, 200, 194);
    connect(trvBackGround, &QTreeWidget::itemSelectionChanged, this,
            [this] { trvBackGroundChange(); });

    imgSfondoEsempio = new SamplePicture(tabBackgrounds);
    imgSfondoEsempio->setObjectName(QStringLiteral("imgSfondoEsempio"));
    imgSfondoEsempio->setGeometry(216, 24, 156, 140);
    lblBackGround = AddLabel(tabBackgrounds, "lblBackGround", "", QRect(216, 168, 156, 20));
    lblBackGround->setAlignment(Qt::AlignCenter);
    chkFadeBackground =
        AddCheck(tabBackgrounds, "chkFadeBackground",
                 QT_TRANSLATE_NOOP("CustomizeText", "&Fade background"), 216, 196, 156);
    connect(chkFadeBackground, &QCheckBox::clicked, this, [this] { chkFadeBackgroundClick(); });
}

void TfrmCustomize_Freeware::BuildSoundsPage() {
    tabSounds = new QWidget;
    tabSounds->setObjectName(QStringLiteral("tabSounds"));
    PageControl->addTab(tabSounds, CustomizeText::tr("&Sounds"));
    // "Disable all sounds" keeps its text; its key moves off the page's "S",
    // which the "Sounds" tab holds.
    chkSoundsEnabled =
        AddCheck(tabSounds, "chkSoundsEnabled",
                 QT_TRANSLATE_NOOP("CustomizeText", "Disable &all sounds"), 12, 12, 300);
}

QTreeWidgetItem* TfrmCustomize_Freeware::SelectedNode(QTreeWidget* tree) {
    const QList<QTreeWidgetItem*> sel = tree->selectedItems();
    return sel.isEmpty() ? nullptr : sel.front();
}

QTreeWidgetItem* TfrmCustomize_Freeware::FindLeaf(QTreeWidget* tree, int64_t number) {
    if (number <= 0) return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->childCount() == 0 && NumberOf(*it) == number) return *it;
    return nullptr;
}

QTreeWidgetItem* TfrmCustomize_Freeware::FindNode(QTreeWidget* tree, const QString& text) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == text) return *it;
    return nullptr;
}

void TfrmCustomize_Freeware::showEvent(QShowEvent* event) {
    C_TAdvancedDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    FormShow();
}

void TfrmCustomize_Freeware::FormShow() {
    BusyCursor busy;
    cancelled_ = true;
    closed_ = false;
    saved_ = CustomizeSnapshot::Take();
    rememberedColour_ = ParameterInt(field::kBackgroundColour, 0);
    if (rememberedColour_ == 0) rememberedColour_ = kButtonFaceColourValue;

    chkFadeBackground->setChecked(ParameterIs(field::kFadeBackground, "Y"));
    // While a smaller size is forced the set in use is the small-size one;
    // the player's own choice is the one kept aside.
    facesAtOpening_ = GetParameter(field::kSavedDeck);
    if (facesAtOpening_.find_first_not_of(' ') == std::string::npos)
        facesAtOpening_ = GetParameter(field::kCardDeck);
    cmbFaces->setCurrentIndex(cmbFaces->findData(QString::fromStdString(facesAtOpening_)));

    // The trees' selections are set quietly; the samples are drawn once below.
    {
        opening_ = true;
        trvCardBack->clearSelection();
        trvBackGround->clearSelection();
        backShown_ = static_cast<int>(ParameterInt(field::kBackCard, 11));
        lblDecks->setText(CustomizeText::tr("Sample "));
        if (QTreeWidgetItem* leaf = FindLeaf(trvCardBack, backShown_)) {
            leaf->setSelected(true);
            trvCardBack->setCurrentItem(leaf);
            trvCardBack->scrollToItem(leaf);
            lblDecks->setText(leaf->text(0));
        }

        // The default background selects no node; OK then keeps it.
        lblBackGround->clear();
        if (ParameterIs(field::kDefaultBackground, "Y")) {
            shown_ = {};
        } else {
            const int64_t fixed = ParameterInt(field::kFixedColour, 0);
            const int64_t number = ParameterInt(field::kBackgroundPicture, 0);
            int64_t leafNumber = 0;
            // Leaves above 1000 are colours and the others pictures: a small
            // colour value must not select a picture, nor the reverse.
            if (fixed != 0) {
                shown_ = {BackgroundChoice::kColour, fixed};
                if (fixed > 1000) leafNumber = fixed;
            } else if (number != 0) {
                shown_ = {BackgroundChoice::kImage, number};
                if (number <= 1000) leafNumber = number;
            } else {
                shown_ = {BackgroundChoice::kColour, rememberedColour_};
            }
            if (QTreeWidgetItem* leaf = FindLeaf(trvBackGround, leafNumber)) {
                leaf->setSelected(true);
                trvBackGround->setCurrentItem(leaf);
                trvBackGround->scrollToItem(leaf);
                lblBackGround->setText(leaf->text(0));
            }
        }
        opening_ = false;
    }
    RefreshBackgroundSamples();
    DrawBackSample();

    chkSoundsEnabled->setChecked(!ParameterIs(field::kSoundsEnabled, "Y"));
    // The same default as the tool bar at start-up, so that OK alone never
    // changes the bar.
    chkTBLargeIcons->setChecked(ReadPreference(key::kToolBarLarge, "Y") == "Y");
    chkTBFlatBtn->setChecked(ReadPreference(key::kToolBarFlat, "Y") == "Y");
    chkConfirmOnExit->setChecked(ReadPreference(key::kConfirmQuit, "N") == "Y");
    chkWinningAnimation->setChecked(ReadPreference(key::kWinningAnimation, "Y") == "Y");
    chkShowTime->setChecked(!ParameterIs(field::kShowTime, "N"));
    chkShowScore->setChecked(!ParameterIs(field::kShowScore, "N"));
    chkConfirmQuitGame->setChecked(!ParameterIs(field::kConfirmQuitGame, "N"));
    chkResumeGame->setChecked(ReadPreference(key::kResumeGame, "Y") != "N");
}

void TfrmCustomize_Freeware::RefreshBackgroundSamples() {
    for (SamplePicture* sample : {imgSfondoEsempio, imgSfondoEsempio2}) {
        QImage canvas(sample->size(), QImage::Format_RGB32);
        canvas.fill(palette().color(QPalette::Window));
        PaintBackgroundSample(canvas, shown_);
        sample->SetPicture(canvas);
    }
}

void TfrmCustomize_Freeware::DrawBackSample() {
    imgDorsoEsempio->SetPicture(
        BackSample(backShown_, imgSfondoEsempio2->Picture(), imgDorsoEsempio->pos()));
}

void TfrmCustomize_Freeware::trvCardBackChange() {
    if (opening_) return;
    QTreeWidgetItem* node = SelectedNode(trvCardBack);
    const int64_t number = NumberOf(node);
    if (number <= 0) return;
    backShown_ = static_cast<int>(number);
    DrawBackSample();
    lblDecks->setText(node->text(0));
}

void TfrmCustomize_Freeware::trvBackGroundChange() {
    if (opening_) return;
    QTreeWidgetItem* node = SelectedNode(trvBackGround);
    if (!node) return;
    BusyCursor busy;
    shown_ = ChoiceOfNumber(NumberOf(node), rememberedColour_);
    RefreshBackgroundSamples();
    DrawBackSample();
    lblBackGround->setText(node->text(0));
}

void TfrmCustomize_Freeware::chkFadeBackgroundClick() {
    // The fade is read from the block while painting; closing settles it.
    SetParameter(field::kFadeBackground, YN(chkFadeBackground->isChecked()));
    if (shown_.kind == BackgroundChoice::kColour) {
        RefreshBackgroundSamples();
        DrawBackSample();
    }
}

void TfrmCustomize_Freeware::PageControlChange() {
    RefreshBackgroundSamples();
    DrawBackSample();
}

void TfrmCustomize_Freeware::StoreChoicesInBlock() {
    const int64_t back = NumberOf(SelectedNode(trvCardBack));
    if (back > 0) SetParameter(field::kBackCard, FormatNumber(back, 3));

    if (QTreeWidgetItem* node = SelectedNode(trvBackGround)) {
        const int64_t n = NumberOf(node);
        int64_t number = 0, fixed = 0;
        bool useDefault = false;
        if (n <= 0)
            useDefault = true;
        else if (n <= 1000)
            number = n == 1 ? 0 : n;
        else
            fixed = n;
        SetParameter(field::kBackgroundPicture, std::to_string(number));
        SetParameter(field::kBackgroundColour, std::to_string(rememberedColour_));
        SetParameter(field::kFixedColour, std::to_string(fixed));
        SetParameter(field::kDefaultBackground, YN(useDefault));
    }
    SetParameter(field::kFadeBackground, YN(chkFadeBackground->isChecked()));

    // Only a face set the player changed is stored: opening and closing the
    // dialog leaves a forced small-size set alone.
    const std::string faces = cmbFaces->currentData().toString().toStdString();
    if (!faces.empty() && faces != facesAtOpening_) {
        // A forced smaller size shows the chosen set at once and keeps it
        // for when the size comes back (every set exists at every size).
        if (GetParameter(field::kSavedDeck).find_first_not_of(' ') != std::string::npos)
            SetParameter(field::kSavedDeck, faces);
        SetParameter(field::kCardDeck, faces);
    }
    if (cmbCardSize->currentIndex() >= 0) {
        const char letter = cmbCardSize->currentData().toChar().toLatin1();
        if (GetParameter(field::kCardSize) != std::string(1, letter)) ChooseCardSize(letter);
    }
}

void TfrmCustomize_Freeware::btnOKClick() {
    StoreSwitch(field::kSoundsEnabled, key::kSoundsEnabled, !chkSoundsEnabled->isChecked());

    StoreChoicesInBlock();
    WritePreferenceInt(key::kBackCard, ParameterInt(field::kBackCard, 11));
    if (SelectedNode(trvBackGround)) {
        WritePreference(key::kBackgroundBmp, GetParameter(field::kBackgroundPicture));
        WritePreferenceInt(key::kBackgroundCol, ParameterInt(field::kBackgroundColour, 0));
        WritePreferenceInt(key::kBackgroundFixedCol, ParameterInt(field::kFixedColour, 0));
        WritePreference(key::kBackgroundDef, GetParameter(field::kDefaultBackground));
    }
    WritePreference(key::kFadeBackground, GetParameter(field::kFadeBackground));
    const std::string faces = cmbFaces->currentData().toString().toStdString();
    if (!faces.empty() && faces != facesAtOpening_)
        WritePreferenceInt(key::kCard, std::stoi(faces));

    const bool large = chkTBLargeIcons->isChecked(), flat = chkTBFlatBtn->isChecked();
    const bool time = chkShowTime->isChecked(), score = chkShowScore->isChecked();
    WritePreferenceYN(key::kToolBarLarge, large);
    WritePreferenceYN(key::kToolBarFlat, flat);
    StoreSwitch(field::kShowTime, key::kShowTime, time);
    StoreSwitch(field::kShowScore, key::kShowScore, score);
    WritePreferenceYN(key::kConfirmQuit, chkConfirmOnExit->isChecked());
    StoreSwitch(field::kConfirmQuitGame, key::kConfirmQuitGame, chkConfirmQuitGame->isChecked());
    WritePreferenceYN(key::kWinningAnimation, chkWinningAnimation->isChecked());
    WritePreferenceYN(key::kResumeGame, chkResumeGame->isChecked());
    IWindowBars& window = WindowBars();
    window.ApplyToolBarSize(large);
    window.ApplyToolBarFlat(flat);
    window.ShowTimePanel(time);
    window.ShowScorePanel(score);

    cancelled_ = false;
    accept();
}

void TfrmCustomize_Freeware::btnCancelClick() {
    cancelled_ = true;
    reject();
}

void TfrmCustomize_Freeware::btnHelpClick() {
    ShowHelpTopic(ProgramDir() + "quillory.hlp>proc", kCustomizeHelpContext, this);
}

void TfrmCustomize_Freeware::done(int result) {
    QDialog::done(result);
    if (closed_) return;
    closed_ = true;
    FormClose();
}

void TfrmCustomize_Freeware::FormClose() {
    BusyCursor busy;
    WindowControl().Repaint();
    if (cancelled_)
        saved_.Restore();
    else
        StoreChoicesInBlock();
    RebuildTable();
}

void RebuildTable() {
    LoadCardBack();
    ApplyCardSize();
    // Fitted cards take their size from the table at once.
    if (GetParameter(field::kCardSize) == std::string(1, kFitToTableSize)) FitCardsToTable();
    CardSetUp().LayOutPiles();
    PaintBackground(Canvas::Table());
    TableView().RepaintTable(false);
    TableView().ShowTable();
    WindowControl().Repaint();
}

bool ShowCustomizeDialog(QWidget* parent) {
    TfrmCustomize_Freeware dialog(parent);
    return dialog.exec() == QDialog::Accepted && !dialog.Cancelled();
}

}  // namespace bw
