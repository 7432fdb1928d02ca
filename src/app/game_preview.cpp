#include "app/game_preview.h"

#include <QPainter>
#include <algorithm>

#include "core/deal.h"
#include "core/move_engine.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "render/layout.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

constexpr QRgb kPreviewGreen = 0xFF008000;
// Every preview shows the same deal, so a game's picture never changes.
constexpr const char* kPreviewGameNumber = "0000000000001";

}  // namespace

QImage PreviewBackground(QSize size, bool manyColours) {
    QImage image(size, QImage::Format_RGB32);
    if (!manyColours || size.isEmpty()) {
        image.fill(kPreviewGreen);
        return image;
    }
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        // 256 bands over the height: band 0 at the top is full green, band
        // 255 at the bottom black.
        const int band = static_cast<int>(static_cast<int64_t>(y) * 256 / h);
        const QRgb colour = qRgb(0, (255 - band) * 128 / 255, 0);
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + size.width(), colour);
    }
    return image;
}

QImage ComposePreview(const QImage& background, const QImage& picture) {
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) return out;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0);
    for (int y = 0; y < keyed.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xFF000000) == (key | 0xFF000000)) line[x] = 0;
    }
    QPainter p(&out);
    p.drawImage((out.width() - keyed.width()) / 2, 0, keyed);
    return out;
}

struct PreviewState::Saved {
    PileList mazzo, fila, dest, appogg;
    PileSet savedPiles;
    std::vector<std::string> cardRegister;
    RuleTable rules;
    TMainGame mainGame;
    std::array<int16_t, 40> filaLeft, filaTop;
    std::array<uint8_t, 16> flags;
    std::array<int64_t, 2> times;
    ParameterBlock params;
    OffsetRows offsets;
    int runningCount = 0;
    Ports ports;
};

PreviewState::PreviewState(int gameId, QSize size) : saved_(std::make_unique<Saved>()) {
    Saved& s = *saved_;
    s.mazzo = MazzoPiles;
    s.fila = FilaPiles;
    s.dest = DestPiles;
    s.appogg = AppoggPiles;
    s.savedPiles = SavedPiles;
    s.cardRegister = CardRegister;
    s.rules = GameRules;
    s.mainGame = MainGame;
    s.filaLeft = FilaLeft;
    s.filaTop = FilaTop;
    s.flags = GameFlags;
    s.times = GameTimes;
    s.params = Params();
    s.offsets = OffsetTable;
    s.runningCount = RunningCount;
    s.ports = InstalledPorts();

    // Nothing of the preview may reach the main window, the sound or a box.
    Ports quiet;
    quiet.screen = s.ports.screen;
    InstalledPorts() = quiet;

    const int column = CatalogueIndex(gameId);
    if (column < 0) return;
    // The rule bases of the running game are kept apart from GameRules, so
    // the column is loaded without LoadGameRules.
    LoadRuleColumn(ProgramFile("GAMES.DAT"), column, GameRules);
    if (GameRules[371] <= 0) return;

    for (auto* list : {&MazzoPiles, &FilaPiles, &DestPiles, &AppoggPiles})
        for (auto& pile : *list) pile.clear();
    FillCardRegister();
    ResetPileAnchors();
    MainGame.SetOpt(70, 1);
    SetOverlapOffsets(kPreviewCardSize);
    LayoutInput in;
    ApplyTableRect(PreviewTableRect(size.width(), size.height()), in);
    CardSizeForLetter(kPreviewCardSize, in.cardWidth, in.cardHeight);
    in.shadowOffset = 0;
    in.screenWidth = Screen().Width();
    in.screenHeight = Screen().Height();
    LayOutPiles(in);

    SetParameter(pos::kGameNumber, 15, kPreviewGameNumber);
    DealGame();
    ok_ = true;
}

PreviewState::~PreviewState() {
    Saved& s = *saved_;
    MazzoPiles = s.mazzo;
    FilaPiles = s.fila;
    DestPiles = s.dest;
    AppoggPiles = s.appogg;
    SavedPiles = s.savedPiles;
    CardRegister = s.cardRegister;
    GameRules = s.rules;
    MainGame = s.mainGame;
    FilaLeft = s.filaLeft;
    FilaTop = s.filaTop;
    GameFlags = s.flags;
    GameTimes = s.times;
    Params() = s.params;
    OffsetTable = s.offsets;
    RunningCount = s.runningCount;
    InstalledPorts() = s.ports;
}

QImage RenderGamePreview(int gameId, QSize size) {
    PreviewState state(gameId, size);
    if (!state.ok()) return QImage();
    // The piles are dealt and laid out; the table drawing paints them here
    // once it is part of the program.
    return QImage();
}

}  // namespace bw
