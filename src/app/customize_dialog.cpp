#include "app/customize_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <cmath>
#include <optional>

#include "app/help_window.h"
#include "core/game.h"
#include "core/look_time.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/paths.h"
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

// Own pictures: leaves under their own category, carrying their file.
constexpr int kOwnNumber = -1;
constexpr int kOwnPathRole = Qt::UserRole + 1;
const char* const kOwnCategory = QT_TRANSLATE_NOOP("CustomizeText", "Your own");

OwnFileChooser& Chooser() {
    static OwnFileChooser chooser;
    return chooser;
}

bool IsOwn(const QTreeWidgetItem* item) {
    return item && item->childCount() == 0 && NumberOf(item) == kOwnNumber;
}

std::string OwnPathOf(const QTreeWidgetItem* item) {
    return item ? QFile::encodeName(item->data(0, kOwnPathRole).toString()).toStdString()
                : std::string();
}

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    const QString ca = QFileInfo(FromPath(a)).canonicalFilePath();
    return a == b || (!ca.isEmpty() && ca == QFileInfo(FromPath(b)).canonicalFilePath());
}

// A name the folder and the settings file both take as it is.
QString SafeName(const QString& name) {
    QString out;
    for (const QChar c : name) {
        const bool plain =
            c.unicode() < 128 && (c.isLetterOrNumber() || QStringLiteral(" _-.()").contains(c));
        out += plain ? c : QChar('_');
    }
    out = out.trimmed();
    return out.isEmpty() ? QStringLiteral("picture") : out;
}

bool SameContent(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    return fa.readAll() == fb.readAll();
}

// The label says what the view holds; item views take no name from their
// buddy, so a screen reader is given it as well.
void NameAfter(QWidget* view, QLabel* label) {
    label->setBuddy(view);
    view->setAccessibleName(label->text().remove('&'));
}

// A spin box's editor is what takes the focus: it carries the name as well.
void NameSpinBoxAfter(QAbstractSpinBox* box, QLabel* label) {
    NameAfter(box, label);
    if (auto* edit = box->findChild<QLineEdit*>()) edit->setAccessibleName(box->accessibleName());
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
    s.ownBack = GetParameter(field::kOwnBack);
    s.ownBackground = GetParameter(field::kOwnBackground);
    s.ownCardSet = GetParameter(field::kOwnCardSet);
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
    SetParameter(field::kOwnBack, ownBack);
    SetParameter(field::kOwnBackground, ownBackground);
    SetParameter(field::kOwnCardSet, ownCardSet);
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

std::string OwnFolder(OwnKind kind) {
    switch (kind) {
        case OwnKind::kBack: return ProgramFile("data\\custom decks") + "/";
        case OwnKind::kBackground: return ProgramFile("data\\custom backgrounds") + "/";
        case OwnKind::kCardSet: break;
    }
    return ProgramFile("data\\custom card sets") + "/";
}

std::vector<std::string> OwnFiles(OwnKind kind) {
    const QStringList endings = kind == OwnKind::kBack ? QStringList{QStringLiteral("bmp")}
                                : kind == OwnKind::kCardSet
                                    ? QStringList{QStringLiteral("crs")}
                                    : QStringList{QStringLiteral("bmp"), QStringLiteral("jpg"),
                                                  QStringLiteral("jpeg"), QStringLiteral("jpe")};
    std::vector<std::string> files;
    const QDir dir(FromPath(OwnFolder(kind)));
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (endings.contains(f.suffix().toLower()))
            files.push_back(QFile::encodeName(f.filePath()).toStdString());
    return files;
}

std::string OwnFileRefusal(OwnKind kind, const std::string& path) {
    QImage picture;
    if (kind == OwnKind::kCardSet) {
        // What the table's loading asks of a set: an accepted size, and
        // pixels that read whole behind the header.
        char letter = ' ';
        if (CheckCardSetFile(path, letter) == CardSetCheck::kValid &&
            LoadBitmapFile(path, picture) == ImageFileStatus::kOk)
            return {};
        return BW_TR_NOOP("Messages",
                          "The format of the Customized card set image is not valid.\r") +
               path;
    }
    if (kind == OwnKind::kBack) {
        if (LoadBitmapFile(path, picture) == ImageFileStatus::kOk) return {};
        return BW_TR_NOOP("Messages", "The format of the Customized deck image is not valid.\r") +
               path;
    }
    if (LoadImageFile(path, picture) == ImageFileStatus::kOk) return {};
    return BW_TR_NOOP("Messages", "The format of the Customized background image is not valid.\r") +
           path;
}

std::string CopyOwnFile(OwnKind kind, const std::string& source, std::string& error) {
    const QString from = FromPath(source);
    const QString folder = FromPath(OwnFolder(kind));
    if (!QDir().mkpath(folder)) {
        error = QFile::encodeName(folder).toStdString();
        return {};
    }
    // The ending tells the readers what the file is: keep what was checked.
    const QString ending = kind == OwnKind::kCardSet ? QStringLiteral(".crs")
                           : kind == OwnKind::kBackground && IsJpegName(source)
                               ? QStringLiteral(".jpg")
                               : QStringLiteral(".bmp");
    const QString base = SafeName(QFileInfo(from).completeBaseName());
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            n == 1 ? base + ending : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(ending);
        const QString to = folder + name;
        if (QFileInfo::exists(to)) {
            if (SameContent(from, to)) return QFile::encodeName(to).toStdString();
            continue;  // another picture of that name stays as it is
        }
        QFile in(from);
        if (!in.copy(to)) {
            error = in.errorString().toStdString();
            QFile::remove(to);
            return {};
        }
        return QFile::encodeName(to).toStdString();
    }
    error = QFile::encodeName(folder).toStdString();
    return {};
}

void SetOwnFileChooser(OwnFileChooser chooser) {
    Chooser() = std::move(chooser);
}

void PaintBackgroundSample(QImage& canvas, const BackgroundChoice& choice) {
    const Canvas sample = Canvas::Of(canvas);
    switch (choice.kind) {
        case BackgroundChoice::kOwn: {
            // Read here, not through the table's painting, which forgets an
            // own picture that fails.
            QImage picture;
            if (LoadImageFile(choice.path, picture) == ImageFileStatus::kOk) {
                QPainter(&canvas).drawImage(canvas.rect(), picture);
                break;
            }
            PaintBackgroundAs(sample, kBackgroundDefault, 0, "", true, 0);
            break;
        }
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

TfrmCustomize_Freeware::TfrmCustomize_Freeware(Game& game, QWidget* parent)
    : C_TAdvancedDialog(parent), game_(game) {
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
    BuildLookTimeGroup();
}

void TfrmCustomize_Freeware::BuildLookTimeGroup() {
    grpLookTime =
        AddGroup(tabGeneral, "grpLookTime", QT_TRANSLATE_NOOP("CustomizeText", "Memory games"),
                 QRect(194, 118, 178, 104));
    QLabel* pair = AddLabel(grpLookTime, "lblWrongPair",
                            QT_TRANSLATE_NOOP("CustomizeText", "Wrong &pair stays up:"),
                            QRect(12, 18, 160, 16));
    spnWrongPair = new QDoubleSpinBox(grpLookTime);
    spnWrongPair->setObjectName(QStringLiteral("spnWrongPair"));
    spnWrongPair->setGeometry(12, 36, 80, 20);
    spnWrongPair->setDecimals(1);
    spnWrongPair->setSingleStep(0.1);
    spnWrongPair->setRange(kWrongPairMsStandard / 1000.0, kWrongPairMsMax / 1000.0);
    spnWrongPair->setSuffix(CustomizeText::tr(" s"));
    NameSpinBoxAfter(spnWrongPair, pair);
    QLabel* study = AddLabel(grpLookTime, "lblStudyTime",
                             QT_TRANSLATE_NOOP("CustomizeText", "Forget me not stud&y time:"),
                             QRect(12, 58, 160, 16));
    spnStudyTime = new QSpinBox(grpLookTime);
    spnStudyTime->setObjectName(QStringLiteral("spnStudyTime"));
    spnStudyTime->setGeometry(12, 76, 80, 20);
    spnStudyTime->setRange(kStudySecondsMin, kStudySecondsMax);
    spnStudyTime->setSuffix(CustomizeText::tr(" s"));
    NameSpinBoxAfter(spnStudyTime, study);
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
    trvCardBack->setGeometry(8, 24, 200, 82);
    connect(trvCardBack, &QTreeWidget::itemSelectionChanged, this, [this] { trvCardBackChange(); });
    btnRemoveBack = AddOwnButtons(tabDecks, OwnKind::kBack, 110);

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
                        QRect(8, 144, 62, 16));
    cmbFaces = new QComboBox(tabDecks);
    cmbFaces->setObjectName(QStringLiteral("cmbFaces"));
    cmbFaces->setGeometry(72, 140, 136, 22);
    for (const FaceSetEntry& e : FaceSetEntries())
        cmbFaces->addItem(CustomizeText::tr(e.text), QString::fromLatin1(e.deck));
    lblFaces->setBuddy(cmbFaces);
    connect(cmbFaces, &QComboBox::currentIndexChanged, this, [this] { cmbFacesChange(); });
    btnRemoveCardSet = AddOwnButtons(tabDecks, OwnKind::kCardSet, 166);

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
    trvBackGround->setGeometry(8, 24, 200, 166);
    connect(trvBackGround, &QTreeWidget::itemSelectionChanged, this,
            [this] { trvBackGroundChange(); });
    btnRemoveBackground = AddOwnButtons(tabBackgrounds, OwnKind::kBackground, 196);

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
    FillOwnCardSets();
    SelectCurrentFaces();

    // The trees' selections are set quietly; the samples are drawn once below.
    FillOwnLeaves(OwnKind::kBack);
    FillOwnLeaves(OwnKind::kBackground);
    SelectCurrentBack();
    SelectCurrentBackground();
    RefreshBackgroundSamples();
    DrawBackSample();

    chkSoundsEnabled->setChecked(!ParameterIs(field::kSoundsEnabled, "Y"));
    const Preferences& choices = KeptChoices();
    chkTBLargeIcons->setChecked(choices.toolBarLarge);
    chkTBFlatBtn->setChecked(choices.toolBarFlat);
    chkConfirmOnExit->setChecked(choices.ConfirmQuitTicked());
    chkWinningAnimation->setChecked(choices.winningAnimation);
    chkShowTime->setChecked(!ParameterIs(field::kShowTime, "N"));
    chkShowScore->setChecked(!ParameterIs(field::kShowScore, "N"));
    chkConfirmQuitGame->setChecked(!ParameterIs(field::kConfirmQuitGame, "N"));
    chkResumeGame->setChecked(choices.resumeGame);
    spnWrongPair->setValue(WrongPairMs() / 1000.0);
    spnStudyTime->setValue(StudySeconds());
    UpdateOwnButtons();
}

void TfrmCustomize_Freeware::SelectCurrentBack() {
    opening_ = true;
    trvCardBack->clearSelection();
    backShown_ = static_cast<int>(ParameterInt(field::kBackCard, 11));
    ownBackShown_.clear();
    lblDecks->setText(CustomizeText::tr("Sample "));
    if (ParameterIs(field::kOwnBack, "Y") && SelectOwnLeaf(OwnKind::kBack, OwnCardBackPath())) {
        QTreeWidgetItem* leaf = SelectedNode(trvCardBack);
        ownBackShown_ = OwnPathOf(leaf);
        lblDecks->setText(leaf->text(0));
    } else if (QTreeWidgetItem* leaf = FindLeaf(trvCardBack, backShown_)) {
        leaf->setSelected(true);
        trvCardBack->setCurrentItem(leaf);
        trvCardBack->scrollToItem(leaf);
        lblDecks->setText(leaf->text(0));
    }
    opening_ = false;
}

void TfrmCustomize_Freeware::SelectCurrentBackground() {
    opening_ = true;
    trvBackGround->clearSelection();
    // The default background selects no node; OK then keeps it.
    lblBackGround->clear();
    if (ParameterIs(field::kDefaultBackground, "Y")) {
        shown_ = {};
    } else if (ParameterIs(field::kOwnBackground, "Y")) {
        const std::string path = BitmapFilePath(KeptChoices().ownBackgroundPath);
        shown_ = {BackgroundChoice::kOwn, 0, path};
        if (SelectOwnLeaf(OwnKind::kBackground, path))
            lblBackGround->setText(SelectedNode(trvBackGround)->text(0));
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

// ---------------------------------------------------------------- own pictures

QPushButton* TfrmCustomize_Freeware::AddOwnButtons(QWidget* page, OwnKind kind, int top) {
    // The card set's pair shares the decks page with the back's: texts and
    // keys of their own.
    const bool set = kind == OwnKind::kCardSet;
    auto* add = new QPushButton(
        set ? CustomizeText::tr("Add a card s&et...") : CustomizeText::tr("&Add your own..."),
        page);
    auto* remove = new QPushButton(
        set ? CustomizeText::tr("Remove se&t") : CustomizeText::tr("&Remove"), page);
    add->setObjectName(kind == OwnKind::kBack         ? QStringLiteral("btnAddBack")
                       : kind == OwnKind::kBackground ? QStringLiteral("btnAddBackground")
                                                      : QStringLiteral("btnAddCardSet"));
    remove->setObjectName(kind == OwnKind::kBack         ? QStringLiteral("btnRemoveBack")
                          : kind == OwnKind::kBackground ? QStringLiteral("btnRemoveBackground")
                                                         : QStringLiteral("btnRemoveCardSet"));
    // Side by side in the width of the tree above them: "Remove" as wide as
    // its translated text needs, the other button the rest.
    constexpr int kLeft = 8, kRow = 200, kGap = 5;
    const int removeWidth = std::max(
        70, remove->fontMetrics().horizontalAdvance(remove->text().remove(QLatin1Char('&'))) + 12);
    add->setGeometry(kLeft, top, kRow - kGap - removeWidth, 24);
    remove->setGeometry(kLeft + kRow - removeWidth, top, removeWidth, 24);
    remove->setEnabled(false);
    (kind == OwnKind::kBack ? btnAddBack : set ? btnAddCardSet : btnAddBackground) = add;
    connect(add, &QPushButton::clicked, this, [this, kind] { btnAddOwnClick(kind); });
    connect(remove, &QPushButton::clicked, this, [this, kind] { btnRemoveOwnClick(kind); });
    return remove;
}

QTreeWidget* TfrmCustomize_Freeware::OwnTree(OwnKind kind) const {
    return kind == OwnKind::kBack ? trvCardBack : trvBackGround;
}

void TfrmCustomize_Freeware::FillOwnLeaves(OwnKind kind) {
    QTreeWidget* tree = OwnTree(kind);
    const QString title = CustomizeText::tr(kOwnCategory);
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i)
        if (tree->topLevelItem(i)->text(0) == title && NumberOf(tree->topLevelItem(i)) == 0)
            delete tree->takeTopLevelItem(i);
    const std::vector<std::string> files = OwnFiles(kind);
    if (files.empty()) return;
    auto* category = new QTreeWidgetItem(tree);
    category->setText(0, title);
    category->setData(0, kNumberRole, qlonglong(0));
    category->setIcon(0, TreeIcon("TREE1", nullptr));
    const QIcon leafIcon = TreeIcon(kind == OwnKind::kBack ? "N_TREE3" : "N_TREE4", "N_TREE5");
    for (const std::string& file : files) {
        auto* leaf = new QTreeWidgetItem(category);
        leaf->setText(0, QFileInfo(FromPath(file)).completeBaseName());
        leaf->setData(0, kNumberRole, qlonglong(kOwnNumber));
        leaf->setData(0, kOwnPathRole, FromPath(file));
        leaf->setIcon(0, leafIcon);
    }
}

// The own sets follow the library's in the face list, carrying their file.
void TfrmCustomize_Freeware::FillOwnCardSets() {
    const QSignalBlocker quiet(cmbFaces);
    for (int i = cmbFaces->count() - 1; i >= 0; --i)
        if (!cmbFaces->itemData(i, kOwnPathRole).toString().isEmpty()) cmbFaces->removeItem(i);
    for (const std::string& file : OwnFiles(OwnKind::kCardSet)) {
        cmbFaces->addItem(QFileInfo(FromPath(file)).completeBaseName());
        cmbFaces->setItemData(cmbFaces->count() - 1, FromPath(file), kOwnPathRole);
    }
}

bool TfrmCustomize_Freeware::SelectOwnCardSet(const std::string& path) {
    for (int i = 0; i < cmbFaces->count(); ++i) {
        const QString file = cmbFaces->itemData(i, kOwnPathRole).toString();
        if (file.isEmpty() || !SameFile(QFile::encodeName(file).toStdString(), path)) continue;
        cmbFaces->setCurrentIndex(i);
        return true;
    }
    return false;
}

std::string TfrmCustomize_Freeware::OwnCardSetShown() const {
    return QFile::encodeName(cmbFaces->currentData(kOwnPathRole).toString()).toStdString();
}

void TfrmCustomize_Freeware::SelectCurrentFaces() {
    if (!ParameterIs(field::kOwnCardSet, "Y") || !SelectOwnCardSet(OwnCardSetPath()))
        cmbFaces->setCurrentIndex(cmbFaces->findData(QString::fromStdString(facesAtOpening_)));
    cmbFacesChange();
}

void TfrmCustomize_Freeware::cmbFacesChange() {
    // An own set comes in one size, its own.
    cmbCardSize->setEnabled(OwnCardSetShown().empty());
    UpdateOwnButtons();
}

bool TfrmCustomize_Freeware::SelectOwnLeaf(OwnKind kind, const std::string& path) {
    QTreeWidget* tree = OwnTree(kind);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (!IsOwn(*it) || !SameFile(OwnPathOf(*it), path)) continue;
        tree->clearSelection();
        (*it)->setSelected(true);
        tree->setCurrentItem(*it);
        tree->scrollToItem(*it);
        return true;
    }
    return false;
}

void TfrmCustomize_Freeware::UpdateOwnButtons() {
    if (!btnRemoveBack || !btnRemoveBackground || !btnRemoveCardSet) return;  // still being built
    btnRemoveBack->setEnabled(IsOwn(SelectedNode(trvCardBack)));
    btnRemoveBackground->setEnabled(IsOwn(SelectedNode(trvBackGround)));
    btnRemoveCardSet->setEnabled(!OwnCardSetShown().empty());
}

void TfrmCustomize_Freeware::btnAddOwnClick(OwnKind kind) {
    const QString caption = kind == OwnKind::kBack ? CustomizeText::tr("Add your own card back")
                            : kind == OwnKind::kCardSet
                                ? CustomizeText::tr("Add your own card set")
                                : CustomizeText::tr("Add your own background");
    const QString filter =
        kind == OwnKind::kBack ? CustomizeText::tr("Card backs (*.bmp *.BMP)")
        : kind == OwnKind::kCardSet
            ? CustomizeText::tr("Card sets (*.crs *.CRS)")
            : CustomizeText::tr("Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)");
    const QString chosen = Chooser()
                               ? Chooser()(this, caption, filter)
                               : QFileDialog::getOpenFileName(this, caption, QString(), filter);
    if (chosen.isEmpty()) return;
    const std::string source = QFile::encodeName(chosen).toStdString();
    // The program's own readers judge the file, as they will when it is used.
    const std::string refusal = OwnFileRefusal(kind, source);
    if (!refusal.empty()) {
        Dialogs().Info(refusal);
        return;
    }
    std::string error;
    const std::string copy = CopyOwnFile(kind, source, error);
    if (copy.empty()) {
        Dialogs().Info(
            BW_TR_NOOP("Messages", "The picture cannot be copied into the program's folder.\r") +
            error);
        return;
    }
    if (kind == OwnKind::kCardSet) {
        FillOwnCardSets();
        SelectOwnCardSet(copy);  // a choice of the player's, used on OK
        cmbFacesChange();
        return;
    }
    FillOwnLeaves(kind);
    SelectOwnLeaf(kind, copy);  // shows it as a choice of the player's
    UpdateOwnButtons();
}

void TfrmCustomize_Freeware::RemoveOwnCardSet() {
    const std::string path = OwnCardSetShown();
    if (path.empty()) return;  // the library's sets stay
    if (!platform::DeleteFile(path) && platform::FileExists(path)) {
        Dialogs().Info(BW_TR_NOOP("Messages", "The picture cannot be removed:\r") + path);
        return;
    }
    // The set in use is gone: the library's faces come back, as for a set
    // found missing, whatever way the dialog is left.
    if (ParameterIs(field::kOwnCardSet, "Y") && SameFile(OwnCardSetPath(), path)) {
        ResetOwnCardSet(game_);
        saved_.ownCardSet = "N";
        saved_.deck = GetParameter(field::kCardDeck);
        facesAtOpening_ = saved_.deck;
    }
    FillOwnCardSets();
    SelectCurrentFaces();
}

void TfrmCustomize_Freeware::btnRemoveOwnClick(OwnKind kind) {
    if (kind == OwnKind::kCardSet) {
        RemoveOwnCardSet();
        return;
    }
    QTreeWidget* tree = OwnTree(kind);
    const QTreeWidgetItem* node = SelectedNode(tree);
    if (!IsOwn(node)) return;  // shipped pictures stay
    const std::string path = OwnPathOf(node);
    if (!platform::DeleteFile(path) && platform::FileExists(path)) {
        Dialogs().Info(BW_TR_NOOP("Messages", "The picture cannot be removed:\r") + path);
        return;
    }
    // The picture in use is gone: the table goes back to the shipped choice,
    // whatever way the dialog is left.
    if (kind == OwnKind::kBack) {
        if (ParameterIs(field::kOwnBack, "Y") && SameFile(OwnCardBackPath(), path)) {
            SetParameter(field::kOwnBack, "N");
            saved_.ownBack = "N";
            ChangeChoices([](Preferences& p) { p.ownBackPath.clear(); }, {ChoiceKey::kOwnBack});
        }
    } else if (ParameterIs(field::kOwnBackground, "Y") &&
               SameFile(BitmapFilePath(KeptChoices().ownBackgroundPath), path)) {
        SetParameter(field::kOwnBackground, "N");
        saved_.ownBackground = "N";
        ChangeChoices([](Preferences& p) { p.ownBackgroundPath.clear(); },
                      {ChoiceKey::kOwnBackground});
    }
    FillOwnLeaves(kind);
    if (kind == OwnKind::kBack)
        SelectCurrentBack();
    else
        SelectCurrentBackground();
    RefreshBackgroundSamples();
    DrawBackSample();
    UpdateOwnButtons();
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
    QImage own;
    if (!ownBackShown_.empty() && LoadBitmapFile(ownBackShown_, own) == ImageFileStatus::kOk) {
        imgDorsoEsempio->SetPicture(
            own.scaled(imgDorsoEsempio->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32));
        return;
    }
    imgDorsoEsempio->SetPicture(
        BackSample(backShown_, imgSfondoEsempio2->Picture(), imgDorsoEsempio->pos()));
}

void TfrmCustomize_Freeware::trvCardBackChange() {
    UpdateOwnButtons();
    if (opening_) return;
    QTreeWidgetItem* node = SelectedNode(trvCardBack);
    if (IsOwn(node)) {
        ownBackShown_ = OwnPathOf(node);
        DrawBackSample();
        lblDecks->setText(node->text(0));
        return;
    }
    const int64_t number = NumberOf(node);
    if (number <= 0) return;
    ownBackShown_.clear();
    backShown_ = static_cast<int>(number);
    DrawBackSample();
    lblDecks->setText(node->text(0));
}

void TfrmCustomize_Freeware::trvBackGroundChange() {
    UpdateOwnButtons();
    if (opening_) return;
    QTreeWidgetItem* node = SelectedNode(trvBackGround);
    if (!node) return;
    BusyCursor busy;
    shown_ = IsOwn(node) ? BackgroundChoice{BackgroundChoice::kOwn, 0, OwnPathOf(node)}
                         : ChoiceOfNumber(NumberOf(node), rememberedColour_);
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
    const QTreeWidgetItem* backNode = SelectedNode(trvCardBack);
    const int64_t back = NumberOf(backNode);
    if (IsOwn(backNode)) {
        SetParameter(field::kOwnBack, "Y");
    } else if (back > 0) {
        SetParameter(field::kBackCard, FormatNumber(back, 3));
        SetParameter(field::kOwnBack, "N");
    }

    QTreeWidgetItem* node = SelectedNode(trvBackGround);
    if (IsOwn(node)) {
        SetParameter(field::kOwnBackground, "Y");
        SetParameter(field::kDefaultBackground, "N");
    } else if (node) {
        SetParameter(field::kOwnBackground, "N");
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
    const bool ownSet = !OwnCardSetShown().empty();
    if (ownSet || !faces.empty()) SetParameter(field::kOwnCardSet, YN(ownSet));
    if (!faces.empty() && faces != facesAtOpening_) {
        // A forced smaller size shows the chosen set at once and keeps it
        // for when the size comes back (every set exists at every size).
        if (GetParameter(field::kSavedDeck).find_first_not_of(' ') != std::string::npos)
            SetParameter(field::kSavedDeck, faces);
        SetParameter(field::kCardDeck, faces);
    }
    if (!ownSet && cmbCardSize->currentIndex() >= 0) {
        const char letter = cmbCardSize->currentData().toChar().toLatin1();
        if (GetParameter(field::kCardSize) != std::string(1, letter)) ChooseCardSize(letter);
    }
}

void TfrmCustomize_Freeware::btnOKClick() {
    const bool soundsOn = !chkSoundsEnabled->isChecked();
    SetParameter(field::kSoundsEnabled, YN(soundsOn));
    ChangeChoices([&](Preferences& p) { p.sounds.enabled = soundsOn; },
                  {ChoiceKey::kSoundsEnabled});

    // The block first (a card size chosen is kept on the way); then the
    // choices from it, and the keys in the order they have always gone.
    StoreChoicesInBlock();
    std::vector<ChoiceKey> changed{ChoiceKey::kBackCard};
    if (SelectedNode(trvBackGround))
        changed.insert(changed.end(), {ChoiceKey::kBackgroundPicture, ChoiceKey::kBackgroundCol,
                                       ChoiceKey::kFixedColour, ChoiceKey::kDefaultBackground});
    changed.push_back(ChoiceKey::kFadeBackground);
    // Own pictures are named in the settings file; a shipped choice made in
    // place of one forgets it.
    std::optional<std::string> ownBack, ownBackground, ownSet;
    if (const QTreeWidgetItem* backNode = SelectedNode(trvCardBack); IsOwn(backNode))
        ownBack = QFile::encodeName(QFileInfo(FromPath(OwnPathOf(backNode))).completeBaseName())
                      .toStdString();
    else if (NumberOf(backNode) > 0 && saved_.ownBack == "Y")
        ownBack.emplace();
    if (ownBack) changed.push_back(ChoiceKey::kOwnBack);
    if (const QTreeWidgetItem* node = SelectedNode(trvBackGround); IsOwn(node))
        ownBackground = OwnPathOf(node);
    else if (node && saved_.ownBackground == "Y")
        ownBackground.emplace();
    if (ownBackground) changed.push_back(ChoiceKey::kOwnBackground);
    const std::string faces = cmbFaces->currentData().toString().toStdString();
    const bool newFaces = !faces.empty() && faces != facesAtOpening_;
    if (newFaces) changed.push_back(ChoiceKey::kFaceSet);
    if (const std::string set = OwnCardSetShown(); !set.empty())
        ownSet = QFile::encodeName(QFileInfo(FromPath(set)).completeBaseName()).toStdString();
    else if (!faces.empty() && saved_.ownCardSet == "Y")
        ownSet.emplace();
    if (ownSet) changed.push_back(ChoiceKey::kOwnCardSet);

    const bool large = chkTBLargeIcons->isChecked(), flat = chkTBFlatBtn->isChecked();
    const bool time = chkShowTime->isChecked(), score = chkShowScore->isChecked();
    const bool confirmQuitGame = chkConfirmQuitGame->isChecked();
    SetParameter(field::kShowTime, YN(time));
    SetParameter(field::kShowScore, YN(score));
    SetParameter(field::kConfirmQuitGame, YN(confirmQuitGame));
    changed.insert(changed.end(),
                   {ChoiceKey::kToolBarLarge, ChoiceKey::kToolBarFlat, ChoiceKey::kShowTime,
                    ChoiceKey::kShowScore, ChoiceKey::kConfirmQuit, ChoiceKey::kConfirmQuitGame,
                    ChoiceKey::kWinningAnimation, ChoiceKey::kResumeGame});
    ChangeChoices(
        [&](Preferences& p) {
            p.backCard = ParameterInt(field::kBackCard, 11);
            if (SelectedNode(trvBackGround)) {
                p.backgroundPicture = GetParameter(field::kBackgroundPicture);
                p.backgroundColour = ParameterInt(field::kBackgroundColour, 0);
                p.fixedColour = ParameterInt(field::kFixedColour, 0);
                p.defaultBackground = ParameterIs(field::kDefaultBackground, "Y");
            }
            p.fadeBackground = ParameterIs(field::kFadeBackground, "Y");
            if (ownBack) p.ownBackPath = *ownBack;
            if (ownBackground) p.ownBackgroundPath = *ownBackground;
            if (newFaces) p.cardDeck = std::stoi(faces);
            if (ownSet) p.ownCardSetPath = *ownSet;
            p.toolBarLarge = large;
            p.toolBarFlat = flat;
            p.showTime = time;
            p.showScore = score;
            p.SetConfirmQuit(chkConfirmOnExit->isChecked());
            p.confirmQuitGame = confirmQuitGame;
            p.winningAnimation = chkWinningAnimation->isChecked();
            p.resumeGame = chkResumeGame->isChecked();
        },
        changed);
    StoreLookTimes(std::lround(spnWrongPair->value() * 1000), spnStudyTime->value());
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
    RebuildTable(game_);
}

void RebuildTable(Game& game) {
    LoadCardBack();
    ApplyCardSize(game);
    // Fitted cards take their size from the table at once.
    if (GetParameter(field::kCardSize) == std::string(1, kFitToTableSize)) FitCardsToTable(game);
    CardSetUp().LayOutPiles();
    PaintBackground(Canvas::Table(game));
    TableView().RepaintTable(false);
    TableView().ShowTable();
    WindowControl().Repaint();
}

bool ShowCustomizeDialog(Game& game, QWidget* parent) {
    TfrmCustomize_Freeware dialog(game, parent);
    return dialog.exec() == QDialog::Accepted && !dialog.Cancelled();
}

}  // namespace bw
