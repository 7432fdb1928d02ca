#include "core/state.h"

#include "core/game.h"
#include "core/history.h"
#include "core/move_engine.h"

namespace bw {

TMainGame MainGame;

void FillCardRegister(Game& g) {
    static const char* kSuits[4] = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static const char* kRanks[13] = {"A",  "02", "03", "04", "05", "06", "07",
                                     "08", "09", "10", "J",  "Q",  "K"};
    std::vector<std::string>& cards = g.CardRegister;
    cards.clear();
    cards.reserve(108);
    for (int deck = 0; deck < 2; ++deck)
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 13; ++r) {
                std::string name = std::string(kSuits[s]) + "_" + kRanks[r];
                name.resize(15, ' ');
                int code = deck * 52 + s * 13 + r + 1;
                cards.push_back(name + std::to_string(s + 1) + FormatCode(code) + "1");
            }
    for (int j = 0; j < 4; ++j) {
        std::string name = "JOKER";
        name.resize(15, ' ');
        cards.push_back(name + "4" + FormatCode(105 + j) + "1");
    }
}

void ResetPileAnchors(Game& g) {
    OptionTable& options = g.Options;
    for (int i = 0; i < 3; ++i) {
        options.SetStockLeft(i, kOffStock);
        options.SetStockTop(i, kOffStock);
    }
    for (int i = 0; i < 16; ++i) {
        options.SetDestLeft(i, kOffDest);
        options.SetDestTop(i, kOffDest);
    }
    for (int i = 0; i < 10; ++i) {
        options.SetAppoggLeft(i, kOffAppogg);
        options.SetAppoggTop(i, kOffAppogg);
    }
    g.FilaLeft.fill(static_cast<int16_t>(kOffFila));
    g.FilaTop.fill(static_cast<int16_t>(kOffFila));
}

void ForgetCatalogue() {
    MainGame.catalogue.clear();
    MainGame.second.clear();
}

void ResetGameState(Game& g) {
    g.MazzoPiles.assign(3, std::string());
    g.FilaPiles.assign(40, std::string());
    g.DestPiles.assign(16, std::string());
    g.AppoggPiles.assign(10, std::string());
    g.SavedPiles = PileSet{};
    FillCardRegister(g);
    g.GameRules.fill(0);
    g.Options.ClearOptions();
    g.inMatch = false;
    g.GameFlags.fill(0);
    g.GameTimes.fill(0);
    ClearHistory(g, true);
    g.FilaLeft.fill(0);
    g.FilaTop.fill(0);
    ResetMoveEngineState(g);
}

}  // namespace bw
