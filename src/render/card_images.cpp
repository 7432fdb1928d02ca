#include "render/card_images.h"

#include <algorithm>
#include <vector>

#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/paths.h"
#include "render/device_detail.h"
#include "render/images.h"
#include "render/layout.h"
#include "render/library.h"
#include "render/rule_check.h"
#include "storage/preferences.h"

namespace bw {

QRect& CardRect() {
    static QRect rect(0, 0, 71, 96);
    return rect;
}
namespace {
// The pictures are made at the size of the card rectangle, which follows the
// program's game when its card size is applied.
int PictureWidth() {
    return CardRect().width();
}
int PictureHeight() {
    return CardRect().height();
}
}  // namespace
std::array<QImage, 53>& CardFaces() {
    static std::array<QImage, 53> faces;
    return faces;
}
QImage& CardBack() {
    static QImage back;
    return back;
}
std::map<std::string, QImage>& PileMarks() {
    static std::map<std::string, QImage> marks;
    return marks;
}
std::array<QImage, 2>& CardShadows() {
    static std::array<QImage, 2> shadows;
    return shadows;
}
std::array<QImage, 2>& StackBorders() {
    static std::array<QImage, 2> borders;
    return borders;
}

const char* const kPileMarkCodes[21] = {"004", "_WASTE", "022", "005", "008",      "010", "012",
                                        "013", "014",    "015", "016", "017",      "018", "019",
                                        "020", "006",    "003", "011", "_TABLEAU", "001", "009"};

namespace {

// Parameter block fields of this setup.

const char kSuitLetters[4] = {'H', 'D', 'C', 'S'};

std::string DefaultDeck() {
    return MoreThan256Colors(Screen()) ? "001" : "003";
}

char SizeLetter() {
    const std::string s = GetParameter(field::kCardSize);
    return s.empty() ? ' ' : s[0];
}

bool Fitted() {
    return SizeLetter() == kFitToTableSize;
}

// The library letter the pictures of the size come from: fitted cards are
// scaled from the masters.
char SourceLetter() {
    return Fitted() ? kMasterSize : SizeLetter();
}

// Whether the table's own contract holds for a scaled card: the one-pixel
// outline and the rounded-corner pixels of the drawing, which scaling blurs,
// are put back in the master's colours.
QImage ScaledCard(const QImage& master) {
    if (master.isNull()) return master;
    QImage card = master
                      .scaled(PictureWidth(), PictureHeight(), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation)
                      .convertToFormat(master.format());
    const int w = card.width(), h = card.height();
    if (w < 4 || h < 4) return card;
    const QRgb edge = master.pixel(0, master.height() / 2);
    const QRgb corner = master.pixel(0, 0);
    for (int x = 0; x < w; ++x) {
        card.setPixel(x, 0, edge);
        card.setPixel(x, h - 1, edge);
    }
    for (int y = 0; y < h; ++y) {
        card.setPixel(0, y, edge);
        card.setPixel(w - 1, y, edge);
    }
    for (const QPoint p : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
        card.setPixel(p, edge);
    for (const QPoint p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
          QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2),
          QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
        card.setPixel(p, corner);
    return card;
}

// Drag shadows at a fitted size: black dots on white (the key), each end
// bevelled at 45 degrees, as the library's own.
QImage FittedShadow(int which) {
    constexpr int kDepth = 7;
    const int w = PictureWidth(), h = PictureHeight();
    const int sw = which == 1 ? kDepth : std::max(1, w - 8);
    const int sh = which == 1 ? h : kDepth;
    const int ox = which == 1 ? w : 8, oy = which == 1 ? kDepth : h;
    QImage img(sw, sh, QImage::Format_RGB32);
    img.fill(kShadowKey);
    for (int y = 0; y < sh; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < sw; ++x) {
            const bool inside = which == 1 ? (y >= x && (sw - 1 - x) + (sh - 1 - y) >= 2) : x >= y;
            if (inside && ((ox + x + oy + y) & 1) == 0) line[x] = qRgb(0, 0, 0);
        }
    }
    return img;
}

// Stack edges at a fitted size: the edges of a pile of 16 cards, each one
// pixel further up and left, on the blue key (the layout the drawing reads).
QImage FittedBorder(int which) {
    const int w = PictureWidth(), h = PictureHeight();
    const int bw = which == 1 ? 16 : w + 16, bh = which == 1 ? h + 16 : 16;
    QImage img(bw, bh, QImage::Format_RGB32);
    img.fill(kBorderKey);
    auto corner = [w, h](int x, int y) {
        const int cx = x < 2 ? x : (x >= w - 2 ? w - 1 - x : -1);
        const int cy = y < 2 ? y : (y >= h - 2 ? h - 1 - y : -1);
        return cx >= 0 && cy >= 0 && cx + cy <= 1;
    };
    for (int k = 0; k <= 15; ++k) {
        const int x0 = which == 1 ? 16 - w - k : 13 - k;
        const int y0 = which == 1 ? 13 - k : 16 - h - k;
        const QRgb edge = k == 0    ? qRgb(96, 96, 96)
                          : (k & 1) ? qRgb(176, 176, 176)
                                    : qRgb(208, 208, 208);
        for (int y = std::max(0, y0); y < std::min(bh, y0 + h); ++y) {
            // Row by row: at large fitted sizes this runs on every re-fit.
            QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = std::max(0, x0); x < std::min(bw, x0 + w); ++x) {
                const int cx = x - x0, cy = y - y0;
                if (corner(cx, cy)) continue;
                const bool rim = cx == w - 1 || cy == h - 1 || (cx == w - 2 && cy == h - 2);
                line[x] = rim ? edge : qRgb(236, 236, 236);
            }
        }
    }
    return img;
}

// The size the screen rules chose while the table has room only for a
// smaller one; blank while none is forced. Memory only: the player's
// choice in the settings file stays as it is.
std::string g_sizeWithoutRoom;

// True when the table holds every pile whole at `letter`; the piles are
// left laid out at that size, the images at the one they were loaded for.
bool TableHoldsAt(Game& g, char letter) {
    ICardSetUp& setUp = CardSetUp();
    const int width = g.CardWidth, height = g.CardHeight;
    if (letter == kFitToTableSize) {
        g.CardWidth = FittedCardWidth(height);
    } else {
        CardSizeOfLetter(letter, g.CardWidth, g.CardHeight);
    }
    SetOverlapOffsets(g, letter);
    setUp.LayOutPiles();
    const bool holds = setUp.TableHoldsPiles();
    g.CardWidth = width;
    g.CardHeight = height;
    return holds;
}

// The largest card height at which the table holds every pile whole.
int FittedHeight(Game& g) {
    const int height = g.CardHeight;
    const int found = LargestFittedHeight([height, &g](int h) {
        g.CardHeight = h;
        const bool holds = TableHoldsAt(g, kFitToTableSize);
        g.CardHeight = height;
        return holds;
    });
    return found;
}

// Puts into position 128 the largest size, from the one the screen rules
// chose down to "M", at which the table holds every pile whole, or "M" when
// none does: a card cut off at the window's edge cannot be played. The
// deck stays, and so does an own card set, which comes in one size.
void ChooseSizeForTable(Game& g) {
    if (!CardSetUp().HasTable() || ParameterIs(field::kOwnCardSet, "Y")) return;
    const std::string wanted =
        g_sizeWithoutRoom.empty() ? GetParameter(field::kCardSize) : g_sizeWithoutRoom;
    static const std::string kLargestFirst = "SBM";
    const size_t from = wanted.size() == 1 ? kLargestFirst.find(wanted[0]) : std::string::npos;
    if (from == std::string::npos) return;
    char fits = 'M';
    for (size_t i = from; i < kLargestFirst.size(); ++i) {
        if (TableHoldsAt(g, kLargestFirst[i])) {
            fits = kLargestFirst[i];
            break;
        }
    }
    SetOverlapOffsets(g, SizeLetter());
    g_sizeWithoutRoom = fits == wanted[0] ? std::string() : wanted;
    SetParameter(field::kCardSize, std::string(1, fits));
}

// The resource letter of a suit under the game's suit mode (rule 48):
// one-suit games show spades everywhere, two-suit games hearts for the red
// suits and spades for the black ones.
int SourceSuit(int suitMode, int suit) {
    switch (suitMode) {
        case 1: return 3;
        case 2: return suit < 2 ? 0 : 3;
        default: return suit;
    }
}

void CutSuit(const QImage& grid, int firstRow, QSize cut, int suit) {
    for (int rank = 1; rank <= 13; ++rank) {
        const int r = firstRow + (rank - 1) / 5, c = (rank - 1) % 5;
        QImage card = grid.copy(c * cut.width(), r * cut.height(), cut.width(), cut.height());
        if (Fitted())
            card = ScaledCard(card);
        else if (card.size() != QSize(PictureWidth(), PictureHeight()))
            card = card.scaled(PictureWidth(), PictureHeight(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        CardFaces()[static_cast<size_t>(suit * 13 + rank - 1)] = card;
    }
}

// The masters' face grids in use, decoded once while the cards are fitted
// (6.5 MB a suit), by library name.
std::map<std::string, QImage> g_masterGrids;

// The suit mode of the game the faces were last loaded for: the faces
// scaled when first drawn must match the ones cut at the load.
int g_facesSuitMode = 0;

const QImage& MasterGrid(int suit) {
    std::string deck = GetParameter(field::kCardDeck);
    if (deck.empty()) deck = "001";
    const std::string letter(1, kSuitLetters[SourceSuit(g_facesSuitMode, suit)]);
    const std::string name = std::string("C") + kMasterSize + deck + letter;
    auto it = g_masterGrids.find(name);
    if (it != g_masterGrids.end()) return it->second;
    if (g_masterGrids.size() >= 4) g_masterGrids.clear();  // one deck's worth
    QImage grid;
    if (!LoadLibraryBitmap(grid, name) && deck != "001")
        LoadLibraryBitmap(grid, std::string("C") + kMasterSize + "001" + letter);
    return g_masterGrids[name] = grid;
}

// One face at the fitted size, scaled from its master.
QImage FittedFace(size_t index) {
    if (index == 52) return ScaledCard(LibraryBitmap(std::string("JOKER_") + kMasterSize));
    const int suit = static_cast<int>(index / 13), rank = static_cast<int>(index % 13) + 1;
    const QImage& grid = MasterGrid(suit);
    if (grid.isNull()) return QImage();
    const int r = (rank - 1) / 5, c = (rank - 1) % 5;
    return ScaledCard(grid.copy(c * kMasterWidth, r * kMasterHeight, kMasterWidth, kMasterHeight));
}

}  // namespace

QImage DetailMaster(bool back, int index) {
    if (back) {
        if (ParameterIs(field::kOwnBack, "Y")) return QImage();
        std::string number = GetParameter(field::kBackCard);
        if (number.empty()) number = "011";
        QImage img;
        if (!LoadLibraryBitmap(img, std::string("D") + kMasterSize + number))
            LoadLibraryBitmap(img, std::string("D") + kMasterSize + "011");
        return img;
    }
    if (ParameterIs(field::kOwnCardSet, "Y") || index < 0 || index > 52) return QImage();
    if (index == 52) return LibraryBitmap(std::string("JOKER_") + kMasterSize);
    const QImage& grid = MasterGrid(index / 13);
    if (grid.isNull()) return QImage();
    const int rank = index % 13;
    return grid.copy(rank % 5 * kMasterWidth, rank / 5 * kMasterHeight, kMasterWidth,
                     kMasterHeight);
}

namespace {

void LoadLibraryFaces(Game& g) {
    // Fitted faces are scaled when first drawn (CardFace): a new size while
    // the window is resized costs the cards on show, not the whole deck.
    if (Fitted()) {
        for (QImage& face : CardFaces()) face = QImage();
        return;
    }
    // On a screen of more device pixels the masters give the detail of
    // every size: kept, not unpacked again for every preview and deal.
    if (DeviceRatio() == 1) g_masterGrids.clear();
    const char size = SourceLetter();
    std::string deck = GetParameter(field::kCardDeck);
    if (deck.empty()) deck = "001";
    const QSize cut = CuttingSize(size);
    for (int suit = 0; suit < 4; ++suit) {
        const char letter = kSuitLetters[SourceSuit(Rule(g, rule::kSuitMode), suit)];
        QImage grid;
        // A face set the library lacks (a hand-edited "Card") shows the
        // standard set rather than blank cards.
        if (!LoadLibraryBitmap(grid, std::string("C") + size + deck + letter) && deck != "001")
            LoadLibraryBitmap(grid, std::string("C") + size + "001" + letter);
        if (grid.isNull()) {
            for (int rank = 0; rank < 13; ++rank)
                CardFaces()[static_cast<size_t>(suit) * 13 + static_cast<size_t>(rank)] = QImage();
            continue;
        }
        CutSuit(grid, 0, cut, suit);
    }
}

// Switches the own card set off in force and in the player's choices: the
// library set `deck` ("001" or "003") takes its place.
void SwitchOwnCardSetOff(const std::string& deck) {
    SetParameter(field::kOwnCardSet, "N");
    SetParameter(field::kCardDeck, deck);
    ChangeChoices(
        [&](Preferences& p) {
            p.ownCardSetPath.clear();
            p.cardDeck = std::stoi(deck);
        },
        {ChoiceKey::kOwnCardSet, ChoiceKey::kFaceSetDigits});
}

void ReportOwnCardSet(CardSetCheck check, const std::string& path) {
    if (check == CardSetCheck::kMissing)
        Dialogs().Info(BW_TR_NOOP("Messages", "Customized cards set image not found: ") + path);
    else
        Dialogs().Info(
            BW_TR_NOOP("Messages", "The format of the Customized card set image is not valid.\r") +
            path);
}

// The own card set's faces, cut suit by suit (three rows of five per suit).
bool LoadOwnCardSet(Game& g) {
    const std::string path = OwnCardSetPath();
    char letter = ' ';
    CardSetCheck check = CheckCardSetFile(path, letter);
    QImage set;
    if (check == CardSetCheck::kValid && LoadBitmapFile(path, set) != ImageFileStatus::kOk)
        check = CardSetCheck::kBadFormat;  // a sound header over damaged pixels
    if (check != CardSetCheck::kValid) {
        ReportOwnCardSet(check, path);
        ResetOwnCardSet(g);
        return false;
    }
    const QSize cut(set.width() / 5, set.height() / 12);
    for (int suit = 0; suit < 4; ++suit)
        CutSuit(set, 3 * SourceSuit(Rule(g, rule::kSuitMode), suit), cut, suit);
    return true;
}

void LoadLibraryBack(std::string back) {
    const char size = SizeLetter();
    if (back.empty()) back = "011";
    auto load = [&](const std::string& number) {
        QImage img;
        if (Fitted()) {
            if (LoadLibraryBitmap(img, std::string("D") + kMasterSize + number))
                img = ScaledCard(img);
        } else if (size != 'B' && number != "011") {
            if (LoadLibraryBitmap(img, "DB" + number))
                img = img.scaled(PictureWidth(), PictureHeight(), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        } else {
            LoadLibraryBitmap(img, std::string("D") + size + number);
        }
        return img;
    };
    CardBack() = load(back);
    // A back number the library lacks falls back to the standard back.
    if (CardBack().isNull() && back != "011") CardBack() = load("011");
}

// The images of one size and set from the library. The library does not
// change while it is loaded, so a set once built is built again only for
// another size, deck, back or suit mode; the open-game preview's small
// cards and the table's cards each keep theirs.
struct CardImageSet {
    std::array<QImage, 53> faces;
    QImage back;
    std::map<std::string, QImage> marks;
    std::array<QImage, 2> shadows, borders;
};
constexpr size_t kKeptSets = 2;
std::vector<std::pair<std::string, CardImageSet>> g_sets;  // the last used first

// Empty when the player's own files take part: they may change on disk.
std::string LibrarySetKey(Game& g) {
    if (ParameterIs(field::kOwnCardSet, "Y") || ParameterIs(field::kOwnBack, "Y"))
        return std::string();
    const std::string size = Fitted()
                                 ? std::to_string(g.CardWidth) + "x" + std::to_string(g.CardHeight)
                                 : std::string(1, SizeLetter());
    return std::to_string(LibraryGeneration()) + "/" + size + "/" + GetParameter(field::kCardDeck) +
           "/" + GetParameter(field::kBackCard) + "/" + std::to_string(Rule(g, rule::kSuitMode));
}

bool UseKeptSet(const std::string& key) {
    for (size_t i = 0; i < g_sets.size(); ++i) {
        if (g_sets[i].first != key) continue;
        std::rotate(g_sets.begin(), g_sets.begin() + static_cast<long>(i),
                    g_sets.begin() + static_cast<long>(i) + 1);
        const CardImageSet& set = g_sets.front().second;
        CardFaces() = set.faces;
        CardBack() = set.back;
        PileMarks() = set.marks;
        CardShadows() = set.shadows;
        StackBorders() = set.borders;
        return true;
    }
    return false;
}

// Fitted sizes change with every resize of the window: the kept sets older
// than the one in use are dropped beyond this many bytes of pictures.
constexpr qsizetype kKeptBytes = qsizetype{32} << 20;

qsizetype SetBytes(const CardImageSet& set) {
    qsizetype bytes = set.back.sizeInBytes();
    for (const QImage& face : set.faces) bytes += face.sizeInBytes();
    for (const auto& [code, mark] : set.marks) bytes += mark.sizeInBytes();
    return bytes;
}

void KeepSet(const std::string& key) {
    g_sets.insert(g_sets.begin(), {key, CardImageSet{CardFaces(), CardBack(), PileMarks(),
                                                     CardShadows(), StackBorders()}});
    if (g_sets.size() > kKeptSets) g_sets.resize(kKeptSets);
    qsizetype bytes = SetBytes(g_sets.front().second);
    for (size_t i = 1; i < g_sets.size(); ++i) {
        bytes += SetBytes(g_sets[i].second);
        if (bytes > kKeptBytes) {
            g_sets.resize(i);
            break;
        }
    }
}

void Announce(Game& g, int messageCase) {
    const std::string name = g.values.name;
    auto show = [](const std::string& text, const std::string& key) {
        CardSetUp().Advice(text, key);
    };
    switch (messageCase) {
        case 640:
            if (g.Options.Opt(opt::kOnce640) == 0) {
                show(Medium640Message(name), "Msg_Cards_Medium_640x480");
                g.Options.SetOpt(opt::kOnce640, 1);
            }
            break;
        case 800:
            if (g.Options.Opt(opt::kOnceSmaller) == 0) {
                show(Medium800Message(name), "Msg_Cards_Medium_800x600");
                g.Options.SetOpt(opt::kOnceSmaller, 1);
            }
            break;
        default:  // the large cards
            if (g.Options.Opt(opt::kOnceSmaller) == 0) {
                show(LargeCardsMessage(name), "Msg_Cards_Large");
                g.Options.SetOpt(opt::kOnceSmaller, 1);
            }
            break;
    }
}

}  // namespace

QImage MarkPicture(const QImage& loaded) {
    return loaded.hasAlphaChannel() ? loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    : loaded;
}

QImage& CardFace(int index) {
    static QImage none;
    if (index < 0 || index >= static_cast<int>(CardFaces().size())) return none = QImage();
    QImage& face = CardFaces()[static_cast<size_t>(index)];
    if (face.isNull() && Fitted() && !ParameterIs(field::kOwnCardSet, "Y"))
        face = FittedFace(static_cast<size_t>(index));
    return face;
}

const QImage& MarkMaster(const std::string& code) {
    // Unpacked once (every re-fit and every new device size scales them).
    static std::map<std::string, QImage> masters;
    static int generation = -1;
    if (generation != LibraryGeneration()) {
        masters.clear();
        generation = LibraryGeneration();
    }
    auto it = masters.find(code);
    if (it == masters.end())
        it = masters.emplace(code, LibraryBitmap(std::string("W") + kMasterSize + code)).first;
    return it->second;
}

QImage LibraryMark(const std::string& code) {
    if (Fitted()) {
        const QImage& master = MarkMaster(code);
        if (master.isNull()) return QImage();
        return MarkPicture(master.scaled(PictureWidth(), PictureHeight(), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation));
    }
    const std::string size = GetParameter(field::kCardSize);
    const QImage mark = LibraryBitmap("W" + (size.empty() ? std::string("B") : size) + code);
    return mark.isNull() ? QImage() : MarkPicture(mark);
}

const QImage& PileMark(const std::string& code) {
    static const QImage empty;
    auto it = PileMarks().find(code);
    return it == PileMarks().end() ? empty : it->second;
}

bool CardSizeOfLetter(char letter, int& width, int& height) {
    return CardSizeForLetter(letter, width, height);
}

QSize CuttingSize(char letter) {
    switch (letter) {
        case kMasterSize: return {kMasterWidth, kMasterHeight};
        case 'M': return {59, 80};
        case 'S': return {85, 115};
        default: return {71, 96};
    }
}

void ICardSetUp::ReloadRules(Game& g) {
    LoadGameRules(g, GameId(g, 0));
}

void ICardSetUp::Advice(const std::string& text, const std::string& key) {
    ShowAdviceMessage(text, key, kAdvicePage640x480);
}

ICardSetUp& CardSetUp() {
    return Installed<ICardSetUp>();
}

std::string Medium640Message(const std::string& gameName) {
    return BW_TR_NOOP("Messages",
                      "Your video card's display is 640x480 pixels. For the best graphics display "
                      "the screen "
                      "resolution should be set to 800x600 pixels or higher. However, it's "
                      "possible to play ") +
           gameName + " " + BW_TR_NOOP("Messages", "using a predefined cards set.");
}

std::string Medium800Message(const std::string& gameName) {
    return BW_TR_NOOP(
               "Messages",
               "Your video card's display is 800x600 pixels. For the best graphics display of this "
               "game "
               "the screen resolution should be set to 1024x768 pixels or higher. However, it's "
               "possible "
               "to play ") +
           gameName + " " + BW_TR_NOOP("Messages", "using a predefined cards set.");
}

std::string LargeCardsMessage(const std::string& gameName) {
    return BW_TR_NOOP("Messages",
                      "You have selected the Large size Card Set. It's possible to play ") +
           gameName + " " + BW_TR_NOOP("Messages", "using the Normal size Card Set.");
}

std::string OwnCardSetPath() {
    return ProgramFile("data\\custom card sets\\" + KeptChoices().ownCardSetPath + ".crs");
}

std::string OwnCardBackPath() {
    return ProgramFile("data\\custom decks\\" + KeptChoices().ownBackPath + ".bmp");
}

CardSetCheck CheckCardSetFile(const std::string& file, char& sizeLetter) {
    const std::string path = file.empty() ? OwnCardSetPath() : file;
    if (!platform::FileExists(path)) return CardSetCheck::kMissing;
    QSize size;
    if (!BitmapFileSize(path, size)) return CardSetCheck::kBadFormat;
    const struct {
        int w, h;
        char letter;
    } accepted[] = {{425, 1380, 'S'}, {355, 1152, 'B'}, {295, 960, 'M'}};
    for (const auto& a : accepted) {
        if (size.width() == a.w && size.height() == a.h) {
            sizeLetter = a.letter;
            return CardSetCheck::kValid;
        }
    }
    return CardSetCheck::kBadFormat;
}

void ResetOwnCardSet(Game& g) {
    SwitchOwnCardSetOff(DefaultDeck());
    LoadLibraryFaces(g);
}

void DeckFourSetUp() {
    QImage probe;
    if (!LoadLibraryBitmap(probe, "CB004H")) SetParameter(field::kCardDeck, "001");
}

void LoadCardBack() {
    if (ParameterIs(field::kOwnBack, "Y")) {
        const std::string path = OwnCardBackPath();
        QImage own;
        const ImageFileStatus status = LoadBitmapFile(path, own);
        if (status == ImageFileStatus::kOk) {
            CardBack() = own.scaled(PictureWidth(), PictureHeight(), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
            return;
        }
        if (status == ImageFileStatus::kMissing)
            Dialogs().Info(BW_TR_NOOP("Messages", "Customized deck image not found: ") + path);
        else
            Dialogs().Info(
                BW_TR_NOOP("Messages", "The format of the Customized deck image is not valid.\r") +
                path);
        SetParameter(field::kOwnBack, "N");
        SetParameter(field::kBackCard, "011");
        ChangeChoices([](Preferences& p) { p.ownBackPath.clear(); }, {ChoiceKey::kOwnBack});
    }
    LoadLibraryBack(GetParameter(field::kBackCard));
}

void ForgetKeptCardImages() {
    g_sets.clear();
}

void LoadCardImages(Game& g) {
    g_facesSuitMode = Rule(g, rule::kSuitMode);
    const std::string key = LibrarySetKey(g);
    if (!key.empty() && UseKeptSet(key)) return;
    // 1. Faces; a failed own set resets itself to the library's faces.
    if (ParameterIs(field::kOwnCardSet, "Y"))
        LoadOwnCardSet(g);
    else
        LoadLibraryFaces(g);
    // 2. Marks, back, shadows and borders of the size.
    const std::string size(1, SourceLetter());
    PileMarks().clear();
    // Fitted marks, as fitted faces, when first drawn (LibraryMark).
    if (!Fitted()) {
        for (const char* code : kPileMarkCodes)
            PileMarks()[code] = MarkPicture(LibraryBitmap("W" + size + code));
    }
    LoadCardBack();
    for (int i = 0; i < 2; ++i) {
        const std::string sized = size + std::to_string(i + 1);
        const auto at = static_cast<size_t>(i);
        CardShadows()[at] = Fitted() ? FittedShadow(i + 1) : LibraryBitmap("SHADOW_" + sized);
        StackBorders()[at] = Fitted() ? FittedBorder(i + 1) : LibraryBitmap("3D_BORDER_" + sized);
    }
    // 3. The joker.
    CardFaces()[52] = Fitted() ? QImage() : LibraryBitmap("JOKER_" + size);
    if (!key.empty() && key == LibrarySetKey(g)) KeepSet(key);
}

void ApplyCardSize(Game& g) {
    if (ParameterIs(field::kOwnCardSet, "Y")) {
        char letter = ' ';
        const CardSetCheck check = CheckCardSetFile("", letter);
        if (check == CardSetCheck::kValid) {
            SetParameter(field::kCardSize, std::string(1, letter));
        } else {
            ReportOwnCardSet(check, OwnCardSetPath());
            if (Screen().Width() < 650) {
                SetParameter(field::kCardSize, "M");
                SwitchOwnCardSetOff("003");
            } else {
                SwitchOwnCardSetOff(DefaultDeck());
            }
        }
    }
    const int oldWidth = g.CardWidth, oldHeight = g.CardHeight;
    int w = 0, h = 0;
    if (CardSizeOfLetter(SizeLetter(), w, h)) {
        g.CardWidth = w;
        g.CardHeight = h;
    } else if (Fitted()) {
        // The height the last fit chose; the table's next fit adjusts it.
        g.CardWidth = FittedCardWidth(g.CardHeight);
    }
    CardRect() = QRect(0, 0, g.CardWidth, g.CardHeight);
    LoadCardImages(g);
    if (g.CardWidth != oldWidth || g.CardHeight != oldHeight) CardSetUp().CardSizeChanged();
}

void ChooseCardSize(char letter) {
    const std::string size(1, letter);
    if (size == GetParameter(field::kCardSize) && g_sizeWithoutRoom.empty()) return;
    g_sizeWithoutRoom.clear();
    if (!GetParameter(field::kSavedDeck).empty()) {
        SetParameter(field::kCardDeck, GetParameter(field::kSavedDeck));
        SetParameter(field::kSavedSize, "");
        SetParameter(field::kSavedDeck, "");
    }
    SetParameter(field::kCardSize, size);
    ChangeChoices([&](Preferences& p) { p.cardSize = size; }, {ChoiceKey::kCardSize});
}

void SetUpCards(Game& g) {
    ICardSetUp& setUp = CardSetUp();
    // 1. The game's rules, and the size before this setup.
    setUp.ReloadRules(g);
    ReportRuleDamage(g, GameId(g, 0));
    const std::string before = GetParameter(field::kCardSize);
    // The screen rules start from the size chosen, not from one the last
    // game's table forced.
    const std::string forcedFrom = g_sizeWithoutRoom;
    if (!forcedFrom.empty()) SetParameter(field::kCardSize, forcedFrom);
    g_sizeWithoutRoom.clear();

    // 2. Does the size fit the screen for this game?
    const int w = Screen().Width();
    const int k = Rule(g, rule::kCardSizeNeed);
    std::string size = before;
    std::string saved = GetParameter(field::kSavedSize);
    auto large = [&] { return size == "S" || saved == "S"; };
    // Fitted cards take the size the table has room for: nothing is forced.
    const bool fitted = size.size() == 1 && size[0] == kFitToTableSize;
    const bool fits =
        fitted || (!(k == 1 && w < 650) && !(k == 2 && w < 1100) && !(w < 650 && large()));

    if (fits && (fitted || !(w < 810 && k == 1 && large()))) {
        // 3. It fits: give back a size kept while a smaller one was forced.
        if (!GetParameter(field::kSavedDeck).empty()) {
            SetParameter(field::kCardSize, saved);
            SetParameter(field::kCardDeck, GetParameter(field::kSavedDeck));
            SetParameter(field::kSavedSize, "");
            SetParameter(field::kSavedDeck, "");
        }
        setUp.EnableCustomize();
    } else {
        // 4. A smaller size is forced; the chosen one is kept to come back to.
        if ((size == "B" || size == "S") && saved.empty()) {
            SetParameter(field::kSavedSize, size);
            SetParameter(field::kSavedDeck, GetParameter(field::kCardDeck));
            saved = size;
        } else {
            g.Options.SetOpt(opt::kForcedAnnounced, 1);
        }
        std::string to;
        int messageCase = 0;
        if (k == 1 && w < 650) {
            if (size != "M") {
                to = "M";
                messageCase = 640;
            }
        } else if (k == 2 && w < 810) {
            if (size != "M") {
                to = "M";
                messageCase = 800;
            }
        } else if (k == 2 && w < 1100) {
            if (size == "S") to = "B";
        } else if ((w < 650 && large()) || (w < 810 && k == 1 && large())) {
            if (size != "B") to = "B";
        }
        if (!to.empty()) {
            SetParameter(field::kCardSize, to);
            SetParameter(field::kCardDeck, to == "M" ? "003" : DefaultDeck());
            // 5. Told once per run of forced sizes.
            if (g.Options.Opt(opt::kForcedAnnounced) == 0) {
                Announce(g, messageCase);
                g.Options.SetOpt(opt::kForcedAnnounced, 1);
            }
        }
    }

    // The smaller size the table forced stays until the deal shows whether
    // this game has room for the chosen one (FitCardsToTable), so that its
    // images are not loaded twice.
    if (!forcedFrom.empty() && GetParameter(field::kCardSize) == forcedFrom) {
        g_sizeWithoutRoom = forcedFrom;
        SetParameter(field::kCardSize, before);
    }

    // 6. New images when the size or the suit mode changed.
    if (GetParameter(field::kCardSize) != before ||
        Rule(g, rule::kSuitMode) != g.Options.Opt(opt::kSuitModeLoaded)) {
        ApplyCardSize(g);
        g.Options.SetOpt(opt::kSuitModeLoaded, Rule(g, rule::kSuitMode));
    }

    // 7. Piles back to their markers, offsets, layout.
    ResetPileAnchors(g);
    setUp.UpdateGameMenus();
    SetOverlapOffsets(g, SizeLetter());
    setUp.LayOutPiles();
}

void FitCardsToTable(Game& g) {
    if (SizeLetter() == kFitToTableSize) {
        if (!CardSetUp().HasTable() || ParameterIs(field::kOwnCardSet, "Y")) return;
        const int height = FittedHeight(g);
        if (height != g.CardHeight || FittedCardWidth(height) != g.CardWidth) {
            g.CardHeight = height;
            ApplyCardSize(g);
        }
        SetOverlapOffsets(g, kFitToTableSize);
        return;
    }
    const std::string before = GetParameter(field::kCardSize);
    ChooseSizeForTable(g);
    if (GetParameter(field::kCardSize) != before) {
        ApplyCardSize(g);
        SetOverlapOffsets(g, SizeLetter());
    }
}

}  // namespace bw
