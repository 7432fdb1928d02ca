// The built resource library: every name the program asks for loads, at
// the sizes the table and the windows expect; look-ups and failures behave
// as the program relies on.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPixmap>
#include <algorithm>
#include <filesystem>
#include <random>

#include "core/params.h"
#include "fuzz/resource_file.h"
#include "platform/paths.h"
#include "platform/qt/sound_player.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/raw_picture.h"
#include "render_support.h"

namespace bw {
namespace {

using test::UseBuiltLibrary;

struct Size {
    char letter;
    int w, h;
};
// The last: the masters that fitted cards are scaled from.
const Size kSizes[] = {
    {'S', 85, 115}, {'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}, {kMasterSize, 284, 384}};
const char* const kBacks[] = {"001", "003", "006", "007", "011", "014", "019", "020"};
const char* const kMarks[] = {"004", "_WASTE", "022",      "005", "008", "010", "012", "013",
                              "014", "015",    "016",      "017", "018", "019", "020", "006",
                              "003", "011",    "_TABLEAU", "001", "009", "021"};

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override { UseBuiltLibrary(); }

    // Checks that `name` loads with the given size.
    void ExpectBitmap(const std::string& name, int w, int h) {
        QImage img;
        ASSERT_TRUE(LoadLibraryBitmap(img, name)) << name;
        EXPECT_EQ(img.size(), QSize(w, h)) << name;
    }
};

TEST_F(LibraryTest, CardImagesExistAtEverySize) {
    for (const Size& s : kSizes) {
        const std::string L(1, s.letter);
        // Face grids are cut at 71 x 96 for "L".
        const int cw = s.letter == 'L' ? 71 : s.w, ch = s.letter == 'L' ? 96 : s.h;
        for (const char* deck : {"001", "003"})
            for (const char* suit : {"H", "D", "C", "S"})
                ExpectBitmap("C" + L + deck + suit, 5 * cw, 3 * ch);
        ExpectBitmap("JOKER_" + L, s.w, s.h);
        for (const char* mark : kMarks) ExpectBitmap("W" + L + mark, s.w, s.h);
        ExpectBitmap("SHADOW_" + L + "1", 7, s.h);
        ExpectBitmap("SHADOW_" + L + "2", s.w - 8, 7);
        // The stack edge reads rows / columns 15 - d .. 15 of a strip as long
        // as the card plus 11 (bottom) or 13 (right).
        QImage b1 = LibraryBitmap("3D_BORDER_" + L + "1"),
               b2 = LibraryBitmap("3D_BORDER_" + L + "2");
        EXPECT_GE(b1.width(), 16);
        EXPECT_GE(b1.height(), s.h + 13);
        EXPECT_GE(b2.width(), s.w + 11);
        EXPECT_GE(b2.height(), 16);
        if (s.letter != 'L') {
            for (const char* back : kBacks) ExpectBitmap("D" + L + back, s.w, s.h);
        }
    }
    ExpectBitmap("DL011", 25, 32);
}

TEST_F(LibraryTest, TransparentColoursAreWhereTheTableExpectsThem) {
    for (const Size& s : kSizes) {
        const std::string L(1, s.letter);
        // Shadows are black dots on white.
        for (const char* n : {"1", "2"}) {
            QImage sh = LibraryBitmap("SHADOW_" + L + n);
            int black = 0;
            for (int y = 0; y < sh.height(); ++y)
                for (int x = 0; x < sh.width(); ++x) {
                    QRgb c = sh.pixel(x, y) & 0xFFFFFF;
                    ASSERT_TRUE(c == 0xFFFFFF || c == 0) << L << n << " " << x << "," << y;
                    black += c == 0;
                }
            EXPECT_GT(black, sh.width() * sh.height() / 4);
        }
        // Beyond the deepest stack the borders are pure blue.
        EXPECT_EQ(LibraryBitmap("3D_BORDER_" + L + "2").pixel(0, 15) & 0xFFFFFF, 0x0000FFu);
        EXPECT_EQ(LibraryBitmap("3D_BORDER_" + L + "1").pixel(15, 0) & 0xFFFFFF, 0x0000FFu);
        // ... and a card edge where the unraised bottom card lies.
        EXPECT_NE(LibraryBitmap("3D_BORDER_" + L + "2").pixel(20, 15) & 0xFFFFFF, 0x0000FFu);
    }
    // Faces are opaque; their corner pixels are what the drawing replaces.
    EXPECT_FALSE(LibraryBitmap("CB001H").hasAlphaChannel());
}

TEST_F(LibraryTest, WindowPicturesExist) {
    const char* const tools[] = {"TB_NEW",   "TB_OPEN",       "TB_RESTART",  "TB_SAVE1",
                                 "TB_UNDO",  "TB_REDO",       "TB_AUTOPLAY", "TB_STAT",
                                 "TB_RULES", "TB_FASTSEARCH", "TB_EXIT"};
    for (const char* t : tools) {
        ExpectBitmap(t, 44, 42);
        ExpectBitmap(std::string(t) + "1", 23, 22);
    }
    for (const char* t : {"TB_UNDO", "TB_REDO", "TB_AUTOPLAY"}) {
        ExpectBitmap(std::string(t) + "_DIS", 44, 42);
        ExpectBitmap(std::string(t) + "1_DIS", 23, 22);
    }
    ExpectBitmap("TB_CANC_UP", 23, 22);
    ExpectBitmap("TB_CANC_DOWN", 23, 22);

    std::vector<std::string> tree = {"TREE1",
                                     "TREE2",
                                     "N_TREE3",
                                     "N_TREE4",
                                     "N_TREE5",
                                     "TREE5_CUSTOMIZED_GAMES",
                                     "TREE5_CUSTOMIZED_GAMES_WIN",
                                     "TREE5_CUSTOMIZED_GAMES_NOWIN",
                                     "TREE5_ORIGINAL_TYPE"};
    for (const char* p : {"F", "S", "D", "C", "T", "I"})
        for (const char* n : {"1", "2"}) tree.push_back(std::string(p) + "_TREE" + n);
    const char* const families[] = {
        "CANFIELD",          "FORTYTHIEVES", "FREECELL", "KLONDIKE",     "PAIRING",
        "SIMPLEGAMES",       "SPIDER",       "1DECK",    "2DECK",        "FAN",
        "BAKERSDOZEN",       "ROW",          "PUZZLE",   "ADDITION",     "MEMORY",
        "BELEAGUEREDCASTLE", "QUEENOFITALY", "YUKON",    "MATHEMATICAL", "SIRTOMMY",
        "NONBUILDERS",       "STRIPPEDDECK"};
    for (const char* f : families)
        for (const char* suffix : {"", "_WIN", "_NOWIN"})
            tree.push_back(std::string("TREE5_") + f + "_TYPE" + suffix);
    for (const std::string& n : tree) {
        ExpectBitmap(n, 16, 16);
        // Drawn on the key colour the tree views mask out.
        EXPECT_EQ(LibraryBitmap(n).pixel(0, 0) & 0xFFFFFF, 0x800000u) << n;
    }

    for (const char* f : {"TIME_LONG", "TIME_MEDIUM", "TIME_QUICK", "DIFF_EASY", "DIFF_MEDIUM",
                          "DIFF_HARD", "CHAN_VERYHIGH", "CHAN_HIGH", "CHAN_MEDIUM", "CHAN_LOW",
                          "CHAN_VERYLOW", "SKILL_DIFFICULT", "SKILL_MOSTLYSKILL", "SKILL_MODERATE",
                          "SKILL_MOSTLYCHANCE", "SKILL_CHANCEONLY"})
        ExpectBitmap(std::string("PROG_") + f, 16, 16);
    for (const char* s : {"HEARTS", "DIAMONDS", "CLUBS", "SPADES"})
        ExpectBitmap(std::string("SUIT_") + s, 16, 16);
    ExpectBitmap("BADGE_WON", 61, 37);
    ExpectBitmap("BADGE_LOST", 61, 37);
    ExpectBitmap("SPLASH", 467, 287);
    ExpectBitmap("MAINICON", 256, 256);
    ExpectBitmap("MAINICON32", 32, 32);
}

// Average colour difference between two columns (or rows) of an image.
double LineDifference(const QImage& img, int a, int b, bool columns) {
    const int n = columns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        QRgb p = columns ? img.pixel(a, i) : img.pixel(i, a);
        QRgb q = columns ? img.pixel(b, i) : img.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

TEST_F(LibraryTest, BackgroundsTileWithoutSeams) {
    // Soft textures change little between neighbouring lines anywhere, so
    // across the wrap they must change about as little as on average.
    // Patterns with hard edges (mortar, strips) may put an edge at the wrap,
    // but no sharper one than inside the tile.
    const struct {
        const char* name;
        bool soft;
    } tiles[] = {{"B263", true},  {"B287", true},  {"B324", true},  {"B296", false},
                 {"B302", false}, {"B304", false}, {"B311", false}, {"B102", false}};
    for (const auto& t : tiles) {
        QImage img = LibraryBitmap(t.name);
        ASSERT_FALSE(img.isNull()) << t.name;
        for (bool columns : {true, false}) {
            const int last = (columns ? img.width() : img.height()) - 1;
            double mean = 0, max = 0;
            for (int i = 0; i < last; ++i) {
                const double d = LineDifference(img, i, i + 1, columns);
                mean += d;
                max = std::max(max, d);
            }
            mean /= last;
            const double wrap = LineDifference(img, last, 0, columns);
            if (t.soft)
                EXPECT_LE(wrap, 2.0 * mean + 6) << t.name << (columns ? " x" : " y");
            else
                EXPECT_LE(wrap, 1.05 * max + 2) << t.name << (columns ? " x" : " y");
        }
    }
    // Numbers above 499 are copied once: a picture for a whole table.
    QImage big = LibraryBitmap("B600");
    EXPECT_GE(big.width(), 800);
    EXPECT_GE(big.height(), 600);
}

TEST_F(LibraryTest, LookUpsIgnoreCaseAndMissingNamesEmptyTheTarget) {
    QImage a = LibraryBitmap("cb001h"), b = LibraryBitmap("CB001H");
    ASSERT_FALSE(a.isNull());
    EXPECT_TRUE(test::SamePixels(a, b));
    QImage target = b;
    EXPECT_FALSE(LoadLibraryBitmap(target, "CB999H"));
    EXPECT_TRUE(target.isNull());
    EXPECT_FALSE(LoadLibraryBitmap(target, "GAME0201"));  // previews are not the library's
    EXPECT_FALSE(LoadLibraryBitmap(target, "../wave/WON"));
    EXPECT_FALSE(LoadLibraryBitmap(target, ""));
    // Kinds are apart: a sound is no bitmap.
    EXPECT_FALSE(LoadLibraryBitmap(target, "Won"));
    EXPECT_FALSE(LibrarySoundData("won").isEmpty());
    const auto names = LibraryBitmapNames();
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "CB001H"));
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "DB020"));
}

TEST_F(LibraryTest, TwelvePointersWithHotSpots) {
    int count = 0;
    for (const char* shape :
         {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"}) {
        for (const char* set : {"A", "B"}) {
            const std::string name = std::string("CUR_") + shape + set;
            QImage img;
            QPoint hot;
            ASSERT_TRUE(LoadLibraryCursorImage(name, img, hot)) << name;
            EXPECT_EQ(img.size(), QSize(32, 32));
            EXPECT_TRUE(img.hasAlphaChannel());
            // The hot spot is on the drawn shape (its tip), not in the air.
            int alpha = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (img.rect().contains(hot + QPoint(dx, dy)))
                        alpha = std::max(alpha, qAlpha(img.pixel(hot + QPoint(dx, dy))));
            EXPECT_GT(alpha, 100) << name;
            ++count;
        }
    }
    EXPECT_EQ(count, 12);
    // Left hands mirror right hands, hot spot included.
    QImage r, l;
    QPoint hr, hl;
    LoadLibraryCursorImage("CUR_RIGHT_HAND1A", r, hr);
    LoadLibraryCursorImage("CUR_LEFT_HAND1A", l, hl);
    EXPECT_EQ(hl.x(), 31 - hr.x());
    EXPECT_EQ(hl.y(), hr.y());

    EXPECT_EQ(LoadLibraryCursors(), 12);
    for (int n : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25, 30})
        EXPECT_NE(ScreenCursor(n), nullptr) << n;
    EXPECT_EQ(ScreenCursor(16), nullptr);
    EXPECT_EQ(ScreenCursor(12)->hotSpot(), QPoint(hr));
}

TEST_F(LibraryTest, FifteenSoundsArePlayableAndNotClipped) {
    for (const char* n :
         {"Splash", "About", "Shuffle", "Redeal", "Red_no_a", "Stock", "Tableau", "Foundation",
          "Autoplay", "Eddy", "Pairing", "Face_up", "card_up", "card_down", "Won"}) {
        platform::PcmSound pcm;
        ASSERT_TRUE(platform::ParseWave(LibrarySoundData(n), pcm)) << n;
        EXPECT_EQ(pcm.bitsPerSample, 16) << n;
        const int frames = pcm.samples.size() / 2 / pcm.channels;
        const double seconds = static_cast<double>(frames) / pcm.sampleRate;
        EXPECT_GT(seconds, 0.04) << n;
        EXPECT_LT(seconds, 3.0) << n;
        const auto* s = reinterpret_cast<const int16_t*>(pcm.samples.constData());
        int peak = 0;
        for (int i = 0; i < frames * pcm.channels; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(s[i])));
        EXPECT_GT(peak, 8000) << n;   // audible
        EXPECT_LT(peak, 32000) << n;  // headroom: never clipped
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(static_cast<int>(s[0])), 200) << n;
        EXPECT_LT(std::abs(static_cast<int>(s[frames * pcm.channels - 1])), 200) << n;
    }
}

class LibraryFileTest : public ::testing::Test {
protected:
    void SetUp() override { FreeResourceLibrary(); }
    void TearDown() override {
        FreeResourceLibrary();
        UseBuiltLibrary();
    }
    test::CoreFixture core;
};

TEST_F(LibraryFileTest, MissingOrDamagedLibraryIsReportedWithItsPathAsItIs) {
    EXPECT_FALSE(OpenResourceLibraryOrReport());
    ASSERT_EQ(core.dialogs.errors.size(), 1u);
    EXPECT_EQ(core.dialogs.errors[0], "Error: Can't find/load " + ProgramFile("QLR.RGF"));
    EXPECT_EQ(LibraryHandle(), nullptr);
    QImage img;
    EXPECT_FALSE(LoadLibraryBitmap(img, "CB001H"));

    // Not a resource file, and a truncated one.
    core.dir.write("QLR.RGF", "MZ this is no library at all, not even close........");
    EXPECT_FALSE(LoadResourceLibrary());
    const std::string whole = test::ReadFile(test::BuiltLibraryPath());
    core.dir.write("QLR.RGF", whole.substr(0, 4096));
    EXPECT_FALSE(LoadResourceLibrary());
    core.dir.write("QLR.RGF", "");
    EXPECT_FALSE(LoadResourceLibrary());
    EXPECT_EQ(LibraryHandle(), nullptr);

    core.dir.write("QLR.RGF", whole);
    EXPECT_TRUE(OpenResourceLibraryOrReport());
    EXPECT_NE(LibraryHandle(), nullptr);
    EXPECT_EQ(core.dialogs.errors.size(), 1u);
    EXPECT_TRUE(LoadLibraryBitmap(img, "CB001H"));
}

// Qt's resource reader follows every offset of the file unchecked: damage
// that points outside the file is refused before Qt sees it, and a picture
// whose chunks claim more than it holds is never decoded.
TEST_F(LibraryFileTest, DamagedStructureIsRefusedBeforeQtReadsIt) {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    picture.save(&buffer, "PNG");
    const std::string good = fuzz::OneEntryLibrary("bmp", "PIC", png.toStdString());
    auto load = [&](const std::string& bytes) {
        FreeResourceLibrary();
        core.dir.write("QLR.RGF", bytes);
        return LoadResourceLibrary();
    };
    ASSERT_TRUE(load(good));
    QImage img;
    EXPECT_TRUE(LoadLibraryBitmap(img, "PIC"));
    EXPECT_EQ(img.size(), QSize(4, 3));

    // Header, tree, data and names: 20, 3 x 14, 4 + png, then the names.
    auto patched = [&](size_t at, uint32_t v) {
        std::string b = good;
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<size_t>(i)] = static_cast<char>(v >> (24 - 8 * i));
        return b;
    };
    EXPECT_FALSE(load(patched(8, 0xFFFFFF00u)));   // the tree before the file
    EXPECT_FALSE(load(patched(62, 0x7FFFFFFFu)));  // the entry runs past the end
    EXPECT_FALSE(load(patched(40, 1000)));  // the kind's folder lists nodes that are not there
    std::string rootIsFile = good;
    rootIsFile[25] = 0;
    EXPECT_FALSE(load(rootIsFile));

    std::string longChunk = png.toStdString();
    longChunk[33] = '\x7f';  // the chunk after IHDR claims far more than the file
    ASSERT_TRUE(load(fuzz::OneEntryLibrary("bmp", "PIC", longChunk)));
    EXPECT_FALSE(LoadLibraryBitmap(img, "PIC"));
    EXPECT_TRUE(img.isNull());
}

// Pictures stored as raw pixels load with the very pixels and format they
// were stored with; a header that does not fit its pixels loads nothing.
TEST_F(LibraryFileTest, RawPicturesLoadExactlyAndDamagedOnesAreRefused) {
    QImage picture(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgba(40 * x, 70 * y, 9, 60 * x + y));
    const QByteArray raw = EncodeRawPicture(picture);
    ASSERT_FALSE(raw.isEmpty());
    EXPECT_TRUE(EncodeRawPicture(picture.convertToFormat(QImage::Format_Indexed8)).isEmpty());
    auto loaded = [&](const QByteArray& bytes) {
        FreeResourceLibrary();
        core.dir.write("QLR.RGF", fuzz::OneEntryLibrary("bmp", "PIC", bytes.toStdString()));
        QImage img;
        EXPECT_TRUE(LoadResourceLibrary());
        const bool ok = LoadLibraryBitmap(img, "PIC");
        EXPECT_EQ(ok, !img.isNull());
        return img;
    };
    const QImage back = loaded(raw);
    EXPECT_EQ(back.format(), QImage::Format_ARGB32);
    EXPECT_EQ(back, picture);

    auto patched = [&](int at, uint32_t v) {
        QByteArray b = raw;
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
        return b;
    };
    EXPECT_TRUE(loaded(raw.left(raw.size() - 1)).isNull());  // a pixel short
    EXPECT_TRUE(loaded(patched(4, 6)).isNull());             // wider than its pixels
    EXPECT_TRUE(loaded(patched(8, 0x40000001u)).isNull());   // a size that overflows
    EXPECT_TRUE(loaded(patched(12, QImage::Format_Indexed8)).isNull());
    EXPECT_TRUE(loaded(raw.left(10)).isNull());  // the header cut
}

TEST_F(LibraryFileTest, FreeingReleasesEverything) {
    UseBuiltLibrary();
    EXPECT_EQ(LibraryPath(), test::BuiltLibraryPath());
    EXPECT_EQ(LoadLibraryCursors(), 12);
    FreeResourceLibrary();
    EXPECT_EQ(LibraryHandle(), nullptr);
    EXPECT_TRUE(LibraryBitmap("CB001H").isNull());
    EXPECT_TRUE(LibrarySoundData("Won").isEmpty());
    EXPECT_EQ(ScreenCursor(10), nullptr);
    EXPECT_TRUE(LibraryBitmapNames().empty());
    // Playing without a library only stops.
    PlayLibrarySound("Won", false);
    StopLibrarySound();
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

// Every look-up the program makes, on whatever library is loaded.
void LookUpEverything() {
    QImage img;
    LoadLibraryBitmap(img, "CB001H");
    LoadLibraryBitmap(img, "SPLASH");
    for (const std::string& n : LibraryBitmapNames()) LoadLibraryBitmap(img, n);
    LoadLibraryCursors();
    LibrarySoundData("Won");
    LibrarySoundData("Splash");
}

// A library whose header is sound but whose index or data lies: refused
// with the start-up message, never followed into memory it does not own.
TEST_F(LibraryFileTest, CorruptLibraryIsRefusedNotFollowed) {
    const std::string whole = test::ReadFile(test::BuiltLibraryPath());
    auto be32 = [&](size_t at) {
        return (static_cast<uint32_t>(static_cast<unsigned char>(whole[at])) << 24) |
               (static_cast<uint32_t>(static_cast<unsigned char>(whole[at + 1])) << 16) |
               (static_cast<uint32_t>(static_cast<unsigned char>(whole[at + 2])) << 8) |
               static_cast<uint32_t>(static_cast<unsigned char>(whole[at + 3]));
    };
    const size_t tree = be32(8), names = be32(16);
    std::mt19937 rng(5);
    std::vector<std::pair<const char*, std::string>> cases;
    {
        std::string b = whole;
        for (size_t i = tree; i < b.size(); ++i) b[i] = static_cast<char>(rng());
        cases.push_back({"index overwritten with noise", b});
    }
    {
        std::string b = whole;
        for (size_t i = names; i < tree; ++i) b[i] = static_cast<char>(rng());
        cases.push_back({"names overwritten with noise", b});
    }
    for (int k = 0; k < 40; ++k) {
        std::string b = whole;
        for (int j = 0; j < 8; ++j) b[tree + rng() % (b.size() - tree)] = static_cast<char>(rng());
        cases.push_back({"bytes of the index changed", b});
    }
    {
        std::string b = whole;
        b[tree + 6] = '\x7f';  // the root folder claims two billion children
        cases.push_back({"a folder with two billion entries", b});
    }
    int refused = 0;
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        FreeResourceLibrary();
        core.dir.write("QLR.RGF", bytes);
        core.dialogs.errors.clear();
        if (OpenResourceLibraryOrReport()) {
            LookUpEverything();  // what the check let through is safe to use
        } else {
            ++refused;
            EXPECT_EQ(core.dialogs.errors.size(), 1u);
        }
    }
    // The noise and the huge folder at least are refused.
    EXPECT_GE(refused, 3);
    FreeResourceLibrary();
    core.dir.write("QLR.RGF", whole.substr(0, tree) + whole.substr(tree, 10));
    EXPECT_FALSE(LoadResourceLibrary());  // index cut off
}

}  // namespace
}  // namespace bw
