#include "render/render_game.h"

#include <algorithm>

#include "core/card_size.h"
#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

class FixedScreen : public IScreen {
public:
    FixedScreen(int w, int h) : w_(w), h_(h) {}
    int Width() override { return w_; }
    int Height() override { return h_; }

private:
    int w_, h_;
};

// The card set-up of one rendered deal: its game's rules, no message, and
// the layout the request gives.
class RequestSetUp : public ICardSetUp {
public:
    RequestSetUp(Game& game, const RenderRequest& request) : game_(game), request_(request) {}
    void ReloadRules(Game& g) override { LoadGameRules(g, request_.gameId); }
    void Advice(const std::string&, const std::string&) override {}
    void LayOutPiles() override {
        LayoutInput in = request_.layout;
        in.cardWidth = game_.CardWidth;
        in.cardHeight = game_.CardHeight;
        in.shadowOffset = request_.shadow ? 9 : 0;
        bw::LayOutPiles(game_, in);
    }
    // Fitted cards look for the largest size the request's table holds.
    bool HasTable() override { return request_.cardSize == kFitToTableSize; }
    bool TableHoldsPiles() override {
        const LayoutInput& in = request_.layout;
        return QRect(0, in.top, in.width, in.bottom + 1 - in.top).contains(TableExtent(game_));
    }

private:
    Game& game_;
    const RenderRequest& request_;
};

}  // namespace

void UseDefaultTablePreferences(char cardSize, bool shadow) {
    SetParameter(field::kDefaultBackground, "N");  // not the plain default background
    SetParameter(field::kOwnBackground, "N");      // no own picture
    SetParameter(field::kBackgroundPicture, "0");  // no library picture: a colour
    SetParameter(field::kFixedColour, "32768");
    SetParameter(field::kBackgroundColour, std::to_string(kButtonFaceColourValue));
    SetParameter(field::kFadeBackground, "Y");  // faded
    SetParameter(field::kCardsShadowed, shadow ? "Y" : "N");
    SetParameter(field::kPilesTT, "N");  // no tableau jitter
    SetParameter(field::kCardSize, std::string(1, cardSize));
    SetParameter(field::kCardDeck, "001");
    SetParameter(field::kBackCard, "011");
    SetParameter(field::kOwnBack, "N");
    SetParameter(field::kOwnCardSet, "N");
}

QImage RenderDealtTable(Game& g, const RenderRequest& request) {
    Ports& ports = InstalledPorts();
    IScreen* savedScreen = ports.screen;
    FixedScreen screen(request.layout.screenWidth, request.layout.screenHeight);
    ports.screen = &screen;
    ICardSetUp* savedSetUp = ports.upper.Find<ICardSetUp>();

    UseDefaultTablePreferences(request.cardSize, request.shadow);
    SetValue(g.values.id, field::kGameId, std::to_string(request.gameId));
    SetValue(g.values.name, field::kGameName, GameName(request.gameId));
    SetValue(g.values.number, field::kGameNumber, request.gameNumber);

    // The images of the size, then the set-up every new game runs.
    LoadGameRules(g, request.gameId);
    ApplyCardSize(g);
    g.Options.SetOpt(opt::kSuitModeLoaded, Rule(g, rule::kSuitMode));
    RequestSetUp setUp(g, request);
    Install<ICardSetUp>(&setUp);
    SetUpCards(g);

    ClearPiles(g, false, true);
    g.Options.SetOpt(opt::kStockPasses, 1);
    DealGame(g);
    SetFlag(g, flag::kInProgress, true);
    if (request.cardSize == kFitToTableSize) {
        FitCardsToTable(g);
        ResetPileAnchors(g);
        setUp.LayOutPiles();
    }

    const int width = std::max(request.layout.width, 1);
    const int height = std::max(request.layout.bottom + 1, 1);
    SizeTableBitmaps(std::max(request.layout.screenWidth, width),
                     std::max(request.layout.screenHeight, height));
    PaintBackground(Canvas::Table(g));
    RepaintTable(g, Canvas::Table(g), false);
    DiscardTableChanges();

    Install<ICardSetUp>(savedSetUp);
    ports.screen = savedScreen;
    return TableBitmap().copy(0, 0, width, height);
}

}  // namespace bw
