#include "storage/game_store.h"

#include "storage/autoplay_prefs.h"
#include "storage/catalogue.h"
#include "storage/preferences.h"
#include "storage/replays.h"
#include "storage/results.h"

namespace bw {

namespace {

class FileStore : public IGameStore {
public:
    int RuleColumn(int gameId) override { return CatalogueIndex(gameId); }
    void RecordResult(int gameId, const std::string& player, const GameResult& result) override {
        RecordGameResult(gameId, player, result);
    }
    void RecordTurns(int gameId, const std::string& player, int date,
                     const TurnRecord& turns) override {
        RecordReplay(gameId, player, date, turns);
    }
    bool AutoplayStored(int gameId) override { return GameAutoplayStored(gameId); }
    void StoreAutoplay(int gameId, bool on) override { StoreGameAutoplaySwitch(gameId, on); }
    void RememberGame(int gameId, const std::string& name,
                      const std::optional<DialogPlace>& place) override {
        std::vector<ChoiceKey> changed{ChoiceKey::kGame, ChoiceKey::kGameName};
        if (place)
            changed.insert(changed.end(), {ChoiceKey::kGameTreeNum, ChoiceKey::kGameTreePos});
        ChangeChoices(
            [&](Preferences& p) {
                p.gameId = gameId;
                p.gameName = name;
                if (place) {
                    p.gameTreeNum = place->treeNum;
                    p.gameTreePos = place->treePos;
                }
            },
            changed);
    }
    void RememberPlayer(const std::string& name) override {
        ChangeChoices([&](Preferences& p) { p.player = name; }, {ChoiceKey::kPlayer});
    }
};

}  // namespace

IGameStore& FileGameStore() {
    static FileStore store;
    return store;
}

}  // namespace bw
