#include "render/card_images.h"

#include <algorithm>
#include <vector>

#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/paths.h"
#include "render/images.h"
#include "render/layout.h"
#include "render/library.h"
#include "render/rule_check.h"
#include "storage/preferences.h"

namespace bw {

QRect CardRect(0, 0, 71, 96);
std::array<QImage, 53> CardFaces;
QImage CardBack;
std::map<std::string, QImage> PileMarks;
std::array<QImage, 2> CardShadows;
std::array<QImage, 2> StackBorders;

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

// The size the screen rules chose while the table has room only for a
// smaller one; blank while none is forced. Memory only: the player's
// choice in the settings file stays as it is.
std::string g_sizeWithoutRoom;

// True when the table holds every pile whole at `letter`; the piles are
// left laid out at that size, the images at the one they were loaded for.
bool TableHoldsAt(char letter) {
    ICardSetUp& setUp = CardSetUp();
    const int width = CardWidth, height = CardHeight;
    CardSizeOfLetter(letter, CardWidth, CardHeight);
    SetOverlapOffsets(letter);
    setUp.LayOutPiles();
    const bool holds = setUp.TableHoldsPiles();
    CardWidth = width;
    CardHeight = height;
    return holds;
}

// Puts into position 128 the largest size, from the one the screen rules
// chose down to "M", at which the table holds every pile whole, or "M" when
// none does: a card cut off at the window's edge cannot be played. The
// deck stays, and so does an own card set, which comes in one size.
void ChooseSizeForTable() {
    if (!CardSetUp().HasTable() || ParameterIs(field::kOwnCardSet, "Y")) return;
    const std::string wanted =
        g_sizeWithoutRoom.empty() ? GetParameter(field::kCardSize) : g_sizeWithoutRoom;
    static const std::string kLargestFirst = "SBM";
    const size_t from = wanted.size() == 1 ? kLargestFirst.find(wanted[0]) : std::string::npos;
    if (from == std::string::npos) return;
    char fits = 'M';
    for (size_t i = from; i < kLargestFirst.size(); ++i) {
        if (TableHoldsAt(kLargestFirst[i])) {
            fits = kLargestFirst[i];
            break;
        }
    }
    SetOverlapOffsets(SizeLetter());
    g_sizeWithoutRoom = fits == wanted[0] ? std::string() : wanted;
    SetParameter(field::kCardSize, std::string(1, fits));
}

// The resource letter of a suit under the game's suit mode (rule 48):
// one-suit games show spades everywhere, two-suit games hearts for the red
// suits and spades for the black ones.
int SourceSuit(int suit) {
    switch (Rule(rule::kSuitMode)) {
        case 1: return 3;
        case 2: return suit < 2 ? 0 : 3;
        default: return suit;
    }
}

void CutSuit(const QImage& grid, int firstRow, QSize cut, int suit) {
    for (int rank = 1; rank <= 13; ++rank) {
        const int r = firstRow + (rank - 1) / 5, c = (rank - 1) % 5;
        QImage card = grid.copy(c * cut.width(), r * cut.height(), cut.width(), cut.height());
        if (card.size() != QSize(CardWidth, CardHeight))
            card =
                card.scaled(CardWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        CardFaces[static_cast<size_t>(suit * 13 + rank - 1)] = card;
    }
}

void LoadLibraryFaces() {
    const char size = SizeLetter();
    std::string deck = GetParameter(field::kCardDeck);
    if (deck.empty()) deck = "001";
    const QSize cut = CuttingSize(size);
    for (int suit = 0; suit < 4; ++suit) {
        const char letter = kSuitLetters[SourceSuit(suit)];
        QImage grid;
        // A face set the library lacks (a hand-edited "Card") shows the
        // standard set rather than blank cards.
        if (!LoadLibraryBitmap(grid, std::string("C") + size + deck + letter) && deck != "001")
            LoadLibraryBitmap(grid, std::string("C") + size + "001" + letter);
        if (grid.isNull()) {
            for (int rank = 0; rank < 13; ++rank)
                CardFaces[static_cast<size_t>(suit) * 13 + static_cast<size_t>(rank)] = QImage();
            continue;
        }
        CutSuit(grid, 0, cut, suit);
    }
}

// Switches the own card set off in memory and in the settings file.
void SwitchOwnCardSetOff(const std::string& deck) {
    SetParameter(field::kOwnCardSet, "N");
    WritePreference(key::kCustomizedCardsSet, "");
    SetParameter(field::kCardDeck, deck);
    WritePreference(key::kCard, deck);
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
bool LoadOwnCardSet() {
    const std::string path = OwnCardSetPath();
    char letter = ' ';
    CardSetCheck check = CheckCardSetFile(path, letter);
    QImage set;
    if (check == CardSetCheck::kValid && LoadBitmapFile(path, set) != ImageFileStatus::kOk)
        check = CardSetCheck::kBadFormat;  // a sound header over damaged pixels
    if (check != CardSetCheck::kValid) {
        ReportOwnCardSet(check, path);
        ResetOwnCardSet();
        return false;
    }
    const QSize cut(set.width() / 5, set.height() / 12);
    for (int suit = 0; suit < 4; ++suit) CutSuit(set, 3 * SourceSuit(suit), cut, suit);
    return true;
}

void LoadLibraryBack(std::string back) {
    const char size = SizeLetter();
    if (back.empty()) back = "011";
    auto load = [&](const std::string& number) {
        QImage img;
        if (size != 'B' && number != "011") {
            if (LoadLibraryBitmap(img, "DB" + number))
                img = img.scaled(CardWidth, CardHeight, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        } else {
            LoadLibraryBitmap(img, std::string("D") + size + number);
        }
        return img;
    };
    CardBack = load(back);
    // A back number the library lacks falls back to the standard back.
    if (CardBack.isNull() && back != "011") CardBack = load("011");
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
std::string LibrarySetKey() {
    if (ParameterIs(field::kOwnCardSet, "Y") || ParameterIs(field::kOwnBack, "Y"))
        return std::string();
    return std::to_string(LibraryGeneration()) + "/" + SizeLetter() + "/" +
           GetParameter(field::kCardDeck) + "/" + GetParameter(field::kBackCard) + "/" +
           std::to_string(Rule(rule::kSuitMode));
}

bool UseKeptSet(const std::string& key) {
    for (size_t i = 0; i < g_sets.size(); ++i) {
        if (g_sets[i].first != key) continue;
        std::rotate(g_sets.begin(), g_sets.begin() + static_cast<long>(i),
                    g_sets.begin() + static_cast<long>(i) + 1);
        const CardImageSet& set = g_sets.front().second;
        CardFaces = set.faces;
        CardBack = set.back;
        PileMarks = set.marks;
        CardShadows = set.shadows;
        StackBorders = set.borders;
        return true;
    }
    return false;
}

void KeepSet(const std::string& key) {
    g_sets.insert(g_sets.begin(),
                  {key, CardImageSet{CardFaces, CardBack, PileMarks, CardShadows, StackBorders}});
    if (g_sets.size() > kKeptSets) g_sets.resize(kKeptSets);
}

void Announce(int messageCase) {
    const std::string name = GetParameter(field::kGameName);
    auto show = [](const std::string& text, const std::string& key) {
        CardSetUp().Advice(text, key);
    };
    switch (messageCase) {
        case 640:
            if (MainGame.Opt(opt::kOnce640) == 0) {
                show(Medium640Message(name), "Msg_Cards_Medium_640x480");
                MainGame.SetOpt(opt::kOnce640, 1);
            }
            break;
        case 800:
            if (MainGame.Opt(opt::kOnceSmaller) == 0) {
                show(Medium800Message(name), "Msg_Cards_Medium_800x600");
                MainGame.SetOpt(opt::kOnceSmaller, 1);
            }
            break;
        default:  // the large cards
            if (MainGame.Opt(opt::kOnceSmaller) == 0) {
                show(LargeCardsMessage(name), "Msg_Cards_Large");
                MainGame.SetOpt(opt::kOnceSmaller, 1);
            }
            break;
    }
}

}  // namespace

QImage MarkPicture(const QImage& loaded) {
    return loaded.hasAlphaChannel() ? loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    : loaded;
}

const QImage& PileMark(const std::string& code) {
    static const QImage empty;
    auto it = PileMarks.find(code);
    return it == PileMarks.end() ? empty : it->second;
}

bool CardSizeOfLetter(char letter, int& width, int& height) {
    return CardSizeForLetter(letter, width, height);
}

QSize CuttingSize(char letter) {
    switch (letter) {
        case 'M': return {59, 80};
        case 'S': return {85, 115};
        default: return {71, 96};
    }
}

void ICardSetUp::ReloadRules() {
    LoadGameRules(static_cast<int>(ParameterInt(field::kGameId, 0)));
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
    return ProgramFile("data\\custom card sets\\" + ReadPreference(key::kCustomizedCardsSet, "") +
                       ".crs");
}

std::string OwnCardBackPath() {
    return ProgramFile("data\\custom decks\\" + ReadPreference(key::kCustomizedDeck, "") + ".bmp");
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

void ResetOwnCardSet() {
    SwitchOwnCardSetOff(DefaultDeck());
    LoadLibraryFaces();
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
            CardBack =
                own.scaled(CardWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
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
        WritePreference(key::kCustomizedDeck, "");
    }
    LoadLibraryBack(GetParameter(field::kBackCard));
}

void ForgetKeptCardImages() {
    g_sets.clear();
}

void LoadCardImages() {
    const std::string key = LibrarySetKey();
    if (!key.empty() && UseKeptSet(key)) return;
    // 1. Faces; a failed own set resets itself to the library's faces.
    if (ParameterIs(field::kOwnCardSet, "Y"))
        LoadOwnCardSet();
    else
        LoadLibraryFaces();
    // 2. Marks, back, shadows and borders of the size.
    const std::string size(1, SizeLetter());
    PileMarks.clear();
    for (const char* code : kPileMarkCodes)
        PileMarks[code] = MarkPicture(LibraryBitmap("W" + size + code));
    LoadCardBack();
    for (int i = 0; i < 2; ++i) {
        const std::string sized = size + std::to_string(i + 1);
        CardShadows[static_cast<size_t>(i)] = LibraryBitmap("SHADOW_" + sized);
        StackBorders[static_cast<size_t>(i)] = LibraryBitmap("3D_BORDER_" + sized);
    }
    // 3. The joker.
    CardFaces[52] = LibraryBitmap("JOKER_" + size);
    if (!key.empty() && key == LibrarySetKey()) KeepSet(key);
}

void ApplyCardSize() {
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
    const int oldWidth = CardWidth, oldHeight = CardHeight;
    int w = 0, h = 0;
    if (CardSizeOfLetter(SizeLetter(), w, h)) {
        CardWidth = w;
        CardHeight = h;
    }
    CardRect = QRect(0, 0, CardWidth, CardHeight);
    LoadCardImages();
    if (CardWidth != oldWidth || CardHeight != oldHeight) CardSetUp().CardSizeChanged();
}

void SetUpCards() {
    ICardSetUp& setUp = CardSetUp();
    // 1. The game's rules, and the size before this setup.
    setUp.ReloadRules();
    ReportRuleDamage(static_cast<int>(ParameterInt(field::kGameId, 0)));
    const std::string before = GetParameter(field::kCardSize);
    // The screen rules start from the size chosen, not from one the last
    // game's table forced.
    const std::string forcedFrom = g_sizeWithoutRoom;
    if (!forcedFrom.empty()) SetParameter(field::kCardSize, forcedFrom);
    g_sizeWithoutRoom.clear();

    // 2. Does the size fit the screen for this game?
    const int w = Screen().Width();
    const int k = Rule(rule::kCardSizeNeed);
    std::string size = before;
    std::string saved = GetParameter(field::kSavedSize);
    auto large = [&] { return size == "S" || saved == "S"; };
    const bool fits = !(k == 1 && w < 650) && !(k == 2 && w < 1100) && !(w < 650 && large());

    if (fits && !(w < 810 && k == 1 && large())) {
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
            MainGame.SetOpt(opt::kForcedAnnounced, 1);
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
            if (MainGame.Opt(opt::kForcedAnnounced) == 0) {
                Announce(messageCase);
                MainGame.SetOpt(opt::kForcedAnnounced, 1);
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
        Rule(rule::kSuitMode) != MainGame.Opt(opt::kSuitModeLoaded)) {
        ApplyCardSize();
        MainGame.SetOpt(opt::kSuitModeLoaded, Rule(rule::kSuitMode));
    }

    // 7. Piles back to their markers, offsets, layout.
    ResetPileAnchors();
    setUp.UpdateGameMenus();
    SetOverlapOffsets(SizeLetter());
    setUp.LayOutPiles();
}

void FitCardsToTable() {
    const std::string before = GetParameter(field::kCardSize);
    ChooseSizeForTable();
    if (GetParameter(field::kCardSize) != before) {
        ApplyCardSize();
        SetOverlapOffsets(SizeLetter());
    }
}

}  // namespace bw
