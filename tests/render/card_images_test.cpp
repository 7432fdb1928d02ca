// Card sizes and card images: the size chosen for the screen and the game,
// the messages when a smaller size is forced, the suit modes, own card sets
// and own backs (good and bad files), the back rules and the overlap offsets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/ini.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render_support.h"
#include "storage/preferences.h"
#include "support/program_game.h"

namespace bw {
namespace {

constexpr int kOwnBack = 256, kOwnSet = 257, kSavedSize = 240, kSavedDeck = 129;

class CardImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseBuiltLibrary();
        InstalledPorts().screen = &screen;
        core.dir.write("DATA/Cfg.dat", "[Preference]\r\n");
        SetParameter(pos::kCardSize, 1, "B");
        SetParameter(pos::kCardDeck, 3, "001");
        SetParameter(pos::kBackCard, 3, "011");
        SetParameter(kOwnBack, 1, "N");
        SetParameter(kOwnSet, 1, "N");
        SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
        Install<ICardSetUp>(&setUp);
        // The images of an earlier test must not count as loaded.
        ProgramGame().Options.SetOpt(122, -1);
        ProgramGame().CardWidth = 71;
        ProgramGame().CardHeight = 96;
    }
    void TearDown() override { Install<ICardSetUp>(nullptr); }

    std::string Pref(const std::string& key) { return ReadPreference(key, "<none>"); }

    // The built-in face of a card cut straight from the library grid.
    QImage LibraryFace(char size, const std::string& deck, char suit, int rank) {
        QSize cut = CuttingSize(size);
        QImage grid = LibraryBitmap(std::string("C") + size + deck + suit);
        return grid.copy(((rank - 1) % 5) * cut.width(), ((rank - 1) / 5) * cut.height(),
                         cut.width(), cut.height());
    }

    // An own card set file: every suit's cells filled with its own colour,
    // the cell of rank r in the suit's rows marked with r in the blue channel.
    std::string WriteOwnSet(const std::string& name, int w, int h) {
        QImage set(w, h, QImage::Format_RGB32);
        const int cw = w / 5, ch = h / 12;
        const QRgb suitColour[4] = {qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(100, 100, 0),
                                    qRgb(0, 0, 0)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int row = y / std::max(ch, 1), col = x / std::max(cw, 1);
                const int suit = std::min(row / 3, 3), rank = (row % 3) * 5 + col + 1;
                const QRgb c = suitColour[suit];
                set.setPixel(x, y, qRgb(qRed(c), qGreen(c), rank));
            }
        WritePreference(key::kCustomizedCardsSet, name);
        return test::WriteBmp(core.dir.path() + "data/custom card sets/" + name + ".crs", set);
    }

    test::CoreFixture core;
    test::FakeScreen screen{1280, 1024};
    int reloads = 0, layouts = 0, customizeEnabled = 0, sizeChanges = 0;
    std::vector<std::string> advice;
    // Counts the set-up's steps and notes its messages.
    struct CountingSetUp : ICardSetUp {
        CardImagesTest& t;
        explicit CountingSetUp(CardImagesTest& test) : t(test) {}
        void ReloadRules(Game&) override { ++t.reloads; }
        void Advice(const std::string& text, const std::string& key) override {
            t.advice.push_back(key + ": " + text);
        }
        void LayOutPiles() override { ++t.layouts; }
        void EnableCustomize() override { ++t.customizeEnabled; }
        void CardSizeChanged() override { ++t.sizeChanges; }
    } setUp{*this};
};

TEST_F(CardImagesTest, SizeLettersAndCuttingSizes) {
    int w = 0, h = 0;
    EXPECT_TRUE(CardSizeOfLetter('S', w, h));
    EXPECT_EQ(QSize(w, h), QSize(85, 115));
    EXPECT_TRUE(CardSizeOfLetter('L', w, h));
    EXPECT_EQ(QSize(w, h), QSize(25, 32));
    EXPECT_FALSE(CardSizeOfLetter('X', w, h));
    EXPECT_EQ(QSize(w, h), QSize(25, 32));
    EXPECT_EQ(CuttingSize('M'), QSize(59, 80));
    EXPECT_EQ(CuttingSize('S'), QSize(85, 115));
    EXPECT_EQ(CuttingSize('B'), QSize(71, 96));
    EXPECT_EQ(CuttingSize('L'), QSize(71, 96));
    EXPECT_EQ(CuttingSize('?'), QSize(71, 96));
}

TEST_F(CardImagesTest, EveryImageLoadsAtEverySize) {
    for (const char* size : {"S", "B", "M", "L"}) {
        SetParameter(pos::kCardSize, 1, size);
        ApplyCardSize(ProgramGame());
        const QSize card(ProgramGame().CardWidth, ProgramGame().CardHeight);
        int w = 0, h = 0;
        CardSizeOfLetter(size[0], w, h);
        EXPECT_EQ(card, QSize(w, h)) << size;
        EXPECT_EQ(CardRect(), QRect(0, 0, w, h));
        for (size_t i = 0; i < 53; ++i)
            EXPECT_EQ(CardFaces()[i].size(), card) << size << " face " << i;
        EXPECT_EQ(CardBack().size(), card) << size;
        EXPECT_EQ(PileMarks().size(), 21u);
        for (const char* code : kPileMarkCodes)
            EXPECT_EQ(PileMark(code).size(), card) << size << code;
        EXPECT_TRUE(PileMark("no such").isNull());
        for (int i = 0; i < 2; ++i) {
            EXPECT_FALSE(CardShadows()[static_cast<size_t>(i)].isNull());
            EXPECT_FALSE(StackBorders()[static_cast<size_t>(i)].isNull());
        }
    }
    // An unknown letter keeps the size that was set.
    SetParameter(pos::kCardSize, 1, "Q");
    ApplyCardSize(ProgramGame());
    EXPECT_EQ(ProgramGame().CardWidth, 25);
}

TEST_F(CardImagesTest, FacesAreCutFromTheGridsInCardCodeOrder) {
    SetParameter(pos::kCardSize, 1, "M");
    SetParameter(pos::kCardDeck, 3, "003");
    ApplyCardSize(ProgramGame());
    EXPECT_TRUE(test::SamePixels(CardFaces()[0], LibraryFace('M', "003", 'H', 1)));
    EXPECT_TRUE(test::SamePixels(CardFaces()[13 + 6], LibraryFace('M', "003", 'D', 7)));
    EXPECT_TRUE(test::SamePixels(CardFaces()[26 + 10], LibraryFace('M', "003", 'C', 11)));
    EXPECT_TRUE(test::SamePixels(CardFaces()[51], LibraryFace('M', "003", 'S', 13)));
    EXPECT_TRUE(test::SamePixels(CardFaces()[52], LibraryBitmap("JOKER_M")));
    EXPECT_FALSE(test::SamePixels(CardFaces()[0], CardFaces()[13]));
    // Size "L" is cut at 71 x 96 and shrunk to the card.
    SetParameter(pos::kCardSize, 1, "L");
    ApplyCardSize(ProgramGame());
    EXPECT_TRUE(test::SamePixels(
        CardFaces()[0], LibraryFace('L', "003", 'H', 1)
                            .scaled(25, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

TEST_F(CardImagesTest, SuitModesShareImages) {
    ApplyCardSize(ProgramGame());
    EXPECT_FALSE(test::SamePixels(CardFaces()[13 + 4], CardFaces()[4]));
    ProgramGame().GameRules[48] = 2;  // two suits: red ones show hearts, black ones spades
    LoadCardImages(ProgramGame());
    for (int r = 0; r < 13; ++r) {
        EXPECT_TRUE(test::SamePixels(CardFaces()[static_cast<size_t>(13 + r)],
                                     LibraryFace('B', "001", 'H', r + 1)));
        EXPECT_TRUE(test::SamePixels(CardFaces()[static_cast<size_t>(26 + r)],
                                     LibraryFace('B', "001", 'S', r + 1)));
    }
    ProgramGame().GameRules[48] = 1;  // one suit: spades everywhere
    LoadCardImages(ProgramGame());
    for (int s = 0; s < 4; ++s)
        EXPECT_TRUE(test::SamePixels(CardFaces()[static_cast<size_t>(s * 13 + 5)],
                                     LibraryFace('B', "001", 'S', 6)));
}

TEST_F(CardImagesTest, BackRulesBySizeAndNumber) {
    SetParameter(pos::kCardSize, 1, "S");
    ApplyCardSize(ProgramGame());  // back 011 in "S": its own unscaled "S" picture
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DS011")));
    SetParameter(pos::kBackCard, 3, "003");
    LoadCardBack();  // any other back in "S": the "B" picture stretched
    EXPECT_TRUE(test::SamePixels(
        CardBack(),
        LibraryBitmap("DB003").scaled(85, 115, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    SetParameter(pos::kCardSize, 1, "B");
    ApplyCardSize(ProgramGame());
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DB003")));
    SetParameter(pos::kCardSize, 1, "M");
    ApplyCardSize(ProgramGame());
    EXPECT_TRUE(test::SamePixels(
        CardBack(),
        LibraryBitmap("DB003").scaled(59, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    // A number the library lacks, or none at all, shows the standard back.
    SetParameter(pos::kBackCard, 3, "042");
    LoadCardBack();
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DM011")));
    SetParameter(pos::kBackCard, 3, "");
    LoadCardBack();
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DM011")));
    // The tiny size stretches to its own card, not to the large one.
    SetParameter(pos::kCardSize, 1, "L");
    SetParameter(pos::kBackCard, 3, "019");
    ApplyCardSize(ProgramGame());
    EXPECT_EQ(CardBack().size(), QSize(25, 32));
}

TEST_F(CardImagesTest, FaceSetsTheLibraryLacks) {
    // Set "004" is in this library: it stays.
    SetParameter(pos::kCardDeck, 3, "004");
    DeckFourSetUp();
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "004");
    // A hand-edited set number shows the standard faces, not blank cards.
    SetParameter(pos::kCardDeck, 3, "002");
    ApplyCardSize(ProgramGame());
    EXPECT_TRUE(test::SamePixels(CardFaces()[7], LibraryFace('B', "001", 'H', 8)));
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "002");
}

TEST_F(CardImagesTest, FourColourSetHasEveryCardInItsSuitsColour) {
    // The suit a face's coloured ink says: 0 red, 1 blue, 2 green, 3 no
    // colour at all (black), -1 mixed or blank.
    auto inkSuit = [](const QImage& face) {
        int counts[3] = {0, 0, 0}, dark = 0;
        for (int y = 2; y < face.height() - 2; ++y)
            for (int x = 2; x < face.width() - 2; ++x) {
                const QColor c = face.pixelColor(x, y);
                const int hi = std::max({c.red(), c.green(), c.blue()});
                const int lo = std::min({c.red(), c.green(), c.blue()});
                if (hi - lo > 90)
                    ++counts[hi == c.red() ? 0 : hi == c.blue() ? 1 : 2];
                else if (hi < 60)
                    ++dark;
            }
        const int coloured = counts[0] + counts[1] + counts[2];
        if (coloured == 0) return dark > 20 ? 3 : -1;
        for (int k = 0; k < 3; ++k)
            if (counts[k] * 10 >= coloured * 9) return k;
        return -1;
    };
    SetParameter(pos::kCardDeck, 3, "004");
    for (const char* size : {"S", "B", "M"}) {
        SetParameter(pos::kCardSize, 1, size);
        ApplyCardSize(ProgramGame());
        for (size_t i = 0; i < 52; ++i) {
            ASSERT_EQ(CardFaces()[i].size(),
                      QSize(ProgramGame().CardWidth, ProgramGame().CardHeight))
                << size << i;
            EXPECT_EQ(inkSuit(CardFaces()[i]), static_cast<int>(i / 13)) << size << " face " << i;
            // Every card its own face, and not the classic set's.
            if (i > 0) {
                EXPECT_FALSE(test::SamePixels(CardFaces()[i], CardFaces()[i - 1])) << i;
            }
            const char suit = "HDCS"[i / 13];
            EXPECT_FALSE(test::SamePixels(
                CardFaces()[i], LibraryFace(size[0], "001", suit, static_cast<int>(i % 13) + 1)));
        }
    }
}

TEST_F(CardImagesTest, OwnCardSetDecidesTheSize) {
    const std::string path = WriteOwnSet("mine", 425, 1380);
    char letter = ' ';
    EXPECT_EQ(CheckCardSetFile("", letter), CardSetCheck::kValid);
    EXPECT_EQ(letter, 'S');
    EXPECT_EQ(CheckCardSetFile(path, letter), CardSetCheck::kValid);
    SetParameter(kOwnSet, 1, "Y");
    SetParameter(pos::kCardSize, 1, "M");
    ApplyCardSize(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "S");
    EXPECT_EQ(ProgramGame().CardWidth, 85);
    EXPECT_TRUE(core.dialogs.infos.empty());
    // Rank 7 of diamonds: green cell marked 7.
    const QRgb d7 = CardFaces()[13 + 6].pixel(40, 50);
    EXPECT_EQ(qGreen(d7), 250);
    EXPECT_EQ(qBlue(d7), 7);
    EXPECT_EQ(qBlue(CardFaces()[39 + 12].pixel(40, 50)), 13);
    // Two-suit games take diamonds from the hearts rows, clubs from spades.
    ProgramGame().GameRules[48] = 2;
    LoadCardImages(ProgramGame());
    EXPECT_EQ(qRed(CardFaces()[13 + 6].pixel(40, 50)), 250);
    EXPECT_EQ(qBlue(CardFaces()[13 + 6].pixel(40, 50)), 7);
    EXPECT_EQ(qRgb(0, 0, 3) & 0xFFFFFF, CardFaces()[26 + 2].pixel(40, 50) & 0xFFFFFF);
    // The other two accepted sizes.
    WriteOwnSet("b", 355, 1152);
    EXPECT_EQ(CheckCardSetFile("", letter), CardSetCheck::kValid);
    EXPECT_EQ(letter, 'B');
    WriteOwnSet("m", 295, 960);
    EXPECT_EQ(CheckCardSetFile("", letter), CardSetCheck::kValid);
    EXPECT_EQ(letter, 'M');
}

TEST_F(CardImagesTest, WronglySizedOwnCardSetIsRefused) {
    const std::string path = WriteOwnSet("odd", 400, 1000);
    WritePreference(key::kCard, "3");
    SetParameter(kOwnSet, 1, "Y");
    ApplyCardSize(ProgramGame());
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_EQ(core.dialogs.infos[0],
              "The format of the Customized card set image is not valid.\r" + path);
    EXPECT_EQ(GetParameter(kOwnSet, 1), "N");
    EXPECT_EQ(Pref(key::kCustomizedCardsSet), "");
    EXPECT_EQ(Pref(key::kCard), "001");
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "B");
    EXPECT_TRUE(test::SamePixels(CardFaces()[0], LibraryFace('B', "001", 'H', 1)));
    // Switched off for good: the next setup does not complain again.
    ApplyCardSize(ProgramGame());
    EXPECT_EQ(core.dialogs.infos.size(), 1u);
}

TEST_F(CardImagesTest, MissingOrDamagedOwnCardSet) {
    WritePreference(key::kCustomizedCardsSet, "gone");
    const std::string gone = OwnCardSetPath();
    SetParameter(kOwnSet, 1, "Y");
    screen.width = 640;  // narrow screens fall back to the medium cards
    ApplyCardSize(ProgramGame());
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_EQ(core.dialogs.infos[0], "Customized cards set image not found: " + gone);
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "003");
    EXPECT_EQ(ProgramGame().CardWidth, 59);
    EXPECT_FALSE(CardFaces()[0].isNull());

    // A sound header over pixel data cut short, and plain garbage.
    const std::string path = WriteOwnSet("cut", 355, 1152);
    const std::string bytes = test::ReadFile(path);
    test::WriteFile(path, bytes.substr(0, 2000));
    core.dialogs.infos.clear();
    SetParameter(kOwnSet, 1, "Y");
    screen.width = 1280;
    ApplyCardSize(ProgramGame());
    for (size_t i = 0; i < 53; ++i) EXPECT_FALSE(CardFaces()[i].isNull()) << i;
    test::WriteFile(path, std::string(3000, '\x42'));
    SetParameter(kOwnSet, 1, "Y");
    WritePreference(key::kCustomizedCardsSet, "cut");
    core.dialogs.infos.clear();
    ApplyCardSize(ProgramGame());
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_EQ(core.dialogs.infos[0],
              "The format of the Customized card set image is not valid.\r" + path);
    EXPECT_EQ(GetParameter(kOwnSet, 1), "N");
}

TEST_F(CardImagesTest, OwnCardBack) {
    QImage back(30, 40, QImage::Format_RGB32);
    back.fill(QColor(10, 200, 90));
    WritePreference(key::kCustomizedDeck, "leaf");
    test::WriteBmp(core.dir.path() + "data/custom decks/leaf.bmp", back);
    SetParameter(kOwnBack, 1, "Y");
    ApplyCardSize(ProgramGame());
    EXPECT_EQ(CardBack().size(), QSize(71, 96));
    EXPECT_EQ(CardBack().pixel(35, 48) & 0xFFFFFF, qRgb(10, 200, 90) & 0xFFFFFF);
    EXPECT_TRUE(core.dialogs.infos.empty());

    // Damaged: a clear message, the own back off, the standard back shown.
    test::WriteFile(core.dir.path() + "data/custom decks/leaf.bmp", "BM garbage");
    SetParameter(pos::kBackCard, 3, "019");
    LoadCardBack();
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_NE(core.dialogs.infos[0].find("not valid"), std::string::npos);
    EXPECT_EQ(GetParameter(kOwnBack, 1), "N");
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DB011")));

    // Missing.
    SetParameter(kOwnBack, 1, "Y");
    WritePreference(key::kCustomizedDeck, "nothere");
    SetParameter(pos::kBackCard, 3, "019");
    const std::string path = OwnCardBackPath();
    LoadCardBack();
    ASSERT_EQ(core.dialogs.infos.size(), 2u);
    EXPECT_EQ(core.dialogs.infos[1], "Customized deck image not found: " + path);
    EXPECT_EQ(GetParameter(kOwnBack, 1), "N");
    EXPECT_EQ(GetParameter(pos::kBackCard, 3), "011");
    EXPECT_EQ(Pref(key::kCustomizedDeck), "");
    EXPECT_TRUE(test::SamePixels(CardBack(), LibraryBitmap("DB011")));
}

TEST_F(CardImagesTest, BigCardGameOnSmallScreenForcesMediumAndComesBack) {
    ProgramGame().GameRules[38] = 1;
    screen.width = 640;
    SetUpCards(ProgramGame());
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "003");
    EXPECT_EQ(GetParameter(kSavedSize, 1), "B");
    EXPECT_EQ(GetParameter(kSavedDeck, 3), "001");
    EXPECT_EQ(ProgramGame().CardWidth, 59);
    EXPECT_EQ(customizeEnabled, 0);
    ASSERT_EQ(advice.size(), 1u);
    EXPECT_EQ(advice[0], "Msg_Cards_Medium_640x480: " + Medium640Message("Memory-Up (6x4)"));
    EXPECT_NE(advice[0].find("it's possible to play Memory-Up (6x4) using a predefined cards set."),
              std::string::npos);
    EXPECT_EQ(ProgramGame().Options.Opt(82), 1);
    EXPECT_EQ(sizeChanges, 1);

    // The next game on the same screen: already forced, no second message.
    SetUpCards(ProgramGame());
    EXPECT_EQ(advice.size(), 1u);
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");

    // A game that fits: the saved size and deck come back.
    ProgramGame().GameRules[38] = 0;
    screen.width = 1280;
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "B");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "001");
    EXPECT_EQ(GetParameter(kSavedSize, 1), "");
    EXPECT_EQ(GetParameter(kSavedDeck, 3), "");
    EXPECT_EQ(ProgramGame().CardWidth, 71);
    EXPECT_EQ(customizeEnabled, 1);
    EXPECT_EQ(layouts, 3);
}

TEST_F(CardImagesTest, The640MessageRespectsItsOnceFlag) {
    ProgramGame().GameRules[38] = 1;
    screen.width = 640;
    ProgramGame().Options.SetOpt(82, 1);
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_TRUE(advice.empty());
}

TEST_F(CardImagesTest, LargeCardsStepDownToNormal) {
    ProgramGame().GameRules[38] = 2;
    screen.width = 1024;
    SetParameter(pos::kCardSize, 1, "S");
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "B");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "001");
    EXPECT_EQ(GetParameter(kSavedSize, 1), "S");
    ASSERT_EQ(advice.size(), 1u);
    EXPECT_EQ(advice[0], "Msg_Cards_Large: " + LargeCardsMessage("Memory-Up (6x4)"));
    EXPECT_EQ(ProgramGame().Options.Opt(98), 1);
    EXPECT_EQ(ProgramGame().CardWidth, 71);

    // The 800 message shares entry 98 with the large one: not shown now.
    ProgramGame().Options.SetOpt(74, 0);
    SetParameter(kSavedSize, 1, "");
    SetParameter(kSavedDeck, 3, "");
    screen.width = 800;
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_EQ(advice.size(), 1u);
}

TEST_F(CardImagesTest, MediumCardsOn800Screens) {
    ProgramGame().GameRules[38] = 2;
    screen.width = 800;
    screen.bits = 8;
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "003");
    ASSERT_EQ(advice.size(), 1u);
    EXPECT_EQ(advice[0].substr(0, 25), "Msg_Cards_Medium_800x600:");
    EXPECT_NE(advice[0].find("1024x768"), std::string::npos);
}

TEST_F(CardImagesTest, SmallScreenWithLargeCardsEvenForOrdinaryGames) {
    screen.width = 640;
    SetParameter(pos::kCardSize, 1, "S");
    screen.bits = 8;  // 256 colours: the normal size takes set "003"
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "B");
    EXPECT_EQ(GetParameter(pos::kCardDeck, 3), "003");
    ASSERT_EQ(advice.size(), 1u);
    EXPECT_EQ(advice[0].substr(0, 16), "Msg_Cards_Large:");
    // A medium size on the same screen is never touched nor announced.
    advice.clear();
    ProgramGame().Options.SetOpt(74, 0);
    ProgramGame().Options.SetOpt(98, 0);
    SetParameter(kSavedSize, 1, "");
    SetParameter(kSavedDeck, 3, "");
    SetParameter(pos::kCardSize, 1, "M");
    SetUpCards(ProgramGame());
    EXPECT_EQ(GetParameter(pos::kCardSize, 1), "M");
    EXPECT_TRUE(advice.empty());
}

TEST_F(CardImagesTest, SetUpEndsWithOffsetsAnchorsAndLayout) {
    ProgramGame().GameRules[3] = 12;
    ProgramGame().GameRules[6] = 1;
    ProgramGame().Options.SetStockLeft(0, 123);
    ProgramGame().FilaLeft[3] = 77;
    SetUpCards(ProgramGame());
    EXPECT_EQ(ProgramGame().Options.Opt(64), 45);  // 18 x 2.5
    EXPECT_EQ(ProgramGame().Options.Opt(66), 10);  // 4 x 2.5
    EXPECT_EQ(ProgramGame().Options.Opt(65), 12);
    EXPECT_EQ(ProgramGame().Options.Opt(67), 4);
    EXPECT_EQ(ProgramGame().Options.Opt(101), 12);
    EXPECT_EQ(ProgramGame().Options.Opt(102), 8);
    EXPECT_EQ(ProgramGame().Options.StockLeft(0), kOffStock);
    EXPECT_EQ(ProgramGame().FilaLeft[3], kOffFila);
    EXPECT_EQ(layouts, 1);
}

TEST_F(CardImagesTest, ImagesReloadOnlyWhenSizeOrSuitModeChanges) {
    SetUpCards(ProgramGame());  // the suit mode counts as changed the first time
    EXPECT_EQ(ProgramGame().Options.Opt(122), 0);
    CardFaces()[0] = QImage();
    SetUpCards(ProgramGame());  // nothing changed: no reload
    EXPECT_TRUE(CardFaces()[0].isNull());
    ProgramGame().GameRules[48] = 2;
    SetUpCards(ProgramGame());
    EXPECT_FALSE(CardFaces()[0].isNull());
    EXPECT_EQ(ProgramGame().Options.Opt(122), 2);
    EXPECT_EQ(sizeChanges, 0);  // B all along
}

}  // namespace
}  // namespace bw
