#include "app/game_preview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/card_size.h"
#include "core/deal.h"
#include "core/game.h"
#include "core/move_engine.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "render/card_images.h"
#include "render/device_detail.h"
#include "render/images.h"
#include "render/layout.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

constexpr QRgb kPreviewGreen = 0xFF008000;
// Switches of the player's own card back and card set.
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
    // An opaque picture is keyed on its colour alone; one with an alpha
    // channel on the whole pixel, so its opaque pixels of that colour stay.
    const QRgb mask = picture.hasAlphaChannel() ? 0xFFFFFFFF : 0x00FFFFFF;
    const QRgb key = keyed.pixel(0, 0) & mask;
    for (int y = 0; y < keyed.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & mask) == key) line[x] = 0;
    }
    // Placed in pixels: the pictures may be at device pixels.
    const qreal ratio = out.devicePixelRatio();
    out.setDevicePixelRatio(1);
    keyed.setDevicePixelRatio(1);
    {
        QPainter p(&out);
        p.drawImage((out.width() - keyed.width()) / 2, 0, keyed);
    }
    out.setDevicePixelRatio(ratio);
    return out;
}

struct PreviewState::Saved {
    ParameterBlock params;
    Ports ports;
};

PreviewState::PreviewState(int gameId, QSize size, const std::string& dealNumber)
    : saved_(std::make_unique<Saved>()) {
    Saved& s = *saved_;
    s.params = Params();
    s.ports = InstalledPorts();

    // Nothing of the preview may reach the main window, the sound or a box.
    Ports quiet;
    quiet.screen = s.ports.screen;
    quiet.store = s.ports.store;
    quiet.memory = s.ports.memory;
    quiet.setUp = s.ports.setUp;
    quiet.moves = s.ports.moves;
    quiet.upper = s.ports.upper;
    InstalledPorts() = quiet;

    const int column = CatalogueIndex(gameId);
    if (column < 0) return;
    // The rule bases of the running game are kept apart from GameRules, so
    // the column is loaded without LoadGameRules.
    LoadRuleColumn(ProgramFile("GAMES.DAT"), column, game_.GameRules);
    if (Rule(game_, rule::kPackCards) <= 0) return;

    for (auto* list : {&game_.MazzoPiles, &game_.FilaPiles, &game_.DestPiles, &game_.AppoggPiles})
        for (auto& pile : *list) pile.clear();
    FillCardRegister(game_);
    // The small cards of the library's faces and backs, whatever the player's
    // own card files are (they come in the table sizes only).
    SetParameter(field::kCardSize, std::string(1, kPreviewCardSize));
    SetParameter(field::kOwnBack, "N");
    SetParameter(field::kOwnCardSet, "N");
    CardSizeForLetter(kPreviewCardSize, game_.CardWidth, game_.CardHeight);
    ResetPileAnchors(game_);
    game_.Options.SetOpt(opt::kPreview, 1);
    game_.Options.SetOpt(opt::kSuitModeLoaded, Rule(game_, rule::kSuitMode));
    SetOverlapOffsets(game_, kPreviewCardSize);
    LayoutInput in;
    ApplyTableRect(PreviewTableRect(size.width(), size.height()), in);
    in.cardWidth = game_.CardWidth;
    in.cardHeight = game_.CardHeight;
    in.shadowOffset = CardShadowOffset();
    in.screenWidth = Screen().Width();
    in.screenHeight = Screen().Height();
    LayOutPiles(game_, in);

    SetValue(game_.values.number, field::kGameNumber,
             dealNumber.empty() ? kPreviewGameNumber : dealNumber);
    game_.Options.SetOpt(opt::kStockPasses, 1);
    DealGame(game_);
    SetFlag(game_, flag::kInProgress, true);
    SetFlag(game_, flag::kFinished, false);
    ok_ = true;
}

PreviewState::~PreviewState() {
    Saved& s = *saved_;
    Params() = s.params;
    InstalledPorts() = s.ports;
}

namespace {

// The card images and table pictures of the main table, put back when the
// preview has been drawn with its own.
class DrawingSnapshot {
public:
    DrawingSnapshot()
        : rect_(CardRect()),
          faces_(CardFaces()),
          back_(CardBack()),
          marks_(PileMarks()),
          shadows_(CardShadows()),
          borders_(StackBorders()),
          table_(TableBitmap()),
          background_(BackgroundBitmap()) {}
    ~DrawingSnapshot() {
        CardRect() = rect_;
        CardFaces() = faces_;
        CardBack() = back_;
        PileMarks() = marks_;
        CardShadows() = shadows_;
        StackBorders() = borders_;
        TableBitmap() = table_;
        BackgroundBitmap() = background_;
    }
    DrawingSnapshot(const DrawingSnapshot&) = delete;
    DrawingSnapshot& operator=(const DrawingSnapshot&) = delete;

private:
    QRect rect_;
    std::array<QImage, 53> faces_;
    QImage back_;
    std::map<std::string, QImage> marks_;
    std::array<QImage, 2> shadows_, borders_;
    QImage table_;
    BackgroundPicture background_;
};

}  // namespace

namespace {

// The device pixel ratio the cards note their detail for, while it lives.
class RatioForNow {
public:
    explicit RatioForNow(qreal ratio) : was_(DeviceRatio()) { SetDeviceRatio(ratio); }
    ~RatioForNow() { SetDeviceRatio(was_); }
    RatioForNow(const RatioForNow&) = delete;
    RatioForNow& operator=(const RatioForNow&) = delete;

private:
    qreal was_;
};

// The live (preview) table drawn on a plain colour, at device pixels.
QImage DrawLiveTable(Game& g, QSize size, QRgb colour, qreal ratio) {
    DrawingSnapshot keep;
    const DetailSnapshot keepDetail(&TableBitmap());
    const RatioForNow atRatio(ratio);
    CardRect() = QRect(0, 0, g.CardWidth, g.CardHeight);
    LoadCardImages(g);
    // The pictures are swapped in rather than resized, which would drop
    // the main table's pending updates.
    QImage plain(size, QImage::Format_RGB32);
    plain.fill(colour);
    BackgroundBitmap() = plain;
    TableBitmap() = plain;
    RepaintTable(g, Canvas::Table(g), false);
    const QRect all(QPoint(0, 0), size);
    return ratio == 1 ? TableBitmap().copy(all) : DevicePicture(TableBitmap(), all, ratio);
}

// The table with its own alpha: drawn once on black and once on white, a
// pixel's coverage is what the white shows through, and the black drawing is
// already its premultiplied colour. A single key colour would leave the
// translucent empty-pile marks tinted with the key.
QImage DrawLiveTableWithAlpha(Game& g, QSize logicalSize, qreal ratio) {
    const QImage onBlack = DrawLiveTable(g, logicalSize, 0xFF000000, ratio);
    const QImage onWhite = DrawLiveTable(g, logicalSize, 0xFFFFFFFF, ratio);
    const QSize size = onBlack.size();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* b = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const QRgb* w = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int through = std::max({qRed(w[x]) - qRed(b[x]), qGreen(w[x]) - qGreen(b[x]),
                                          qBlue(w[x]) - qBlue(b[x]), 0});
            const int a = 255 - through;
            o[x] = qRgba(std::min(qRed(b[x]), a), std::min(qGreen(b[x]), a),
                         std::min(qBlue(b[x]), a), a);
        }
    }
    return out;
}

}  // namespace

QImage RenderPreviewDeal(int gameId, const std::string& dealNumber, QSize size, QRgb colour,
                         const std::function<bool(Game&)>& arrange) {
    if (size.isEmpty()) return QImage();
    PreviewState state(gameId, size, dealNumber);
    if (!state.ok() || !arrange(state.game())) return QImage();
    return DrawLiveTable(state.game(), size, colour, 1);
}

QImage RenderGamePreview(int gameId, QSize size, qreal ratio) {
    if (size.isEmpty()) return QImage();
    // A table wider or taller than the picture (long rows of small cards)
    // is laid out on a larger table of the same shape and scaled down, so
    // that the whole of it shows.
    QSize drawSize = size;
    for (int pass = 0;; ++pass) {
        PreviewState state(gameId, drawSize);
        if (!state.ok()) return QImage();
        const QRect used = TableExtent(state.game());
        const bool fits = used.isEmpty() || QRect(QPoint(0, 0), drawSize).contains(used);
        if (!fits && pass < 3) {
            const double f = std::max((used.right() + 6.0) / drawSize.width(),
                                      (used.bottom() + 6.0) / drawSize.height());
            drawSize = QSize(static_cast<int>(std::ceil(drawSize.width() * f)),
                             static_cast<int>(std::ceil(drawSize.height() * f)));
            continue;
        }
        QImage picture = DrawLiveTableWithAlpha(state.game(), drawSize, ratio);
        if (drawSize != size) {
            picture = picture.scaled(DeviceRect(QRect(QPoint(0, 0), size), ratio).size(),
                                     Qt::KeepAspectRatio, Qt::SmoothTransformation);
            picture.setDevicePixelRatio(ratio);
        }
        return picture;
    }
}

}  // namespace bw
