#pragma once
// The deal of the day's result, as a player shares it: the deal dealt from
// the Game menu is remembered with its date, the store wrapper keeps the
// result the engine records, and the two make one line for the clipboard.
#include <optional>
#include <string>

#include "core/ports.h"

namespace bw {

struct Game;

struct DailyDeal {
    int gameId = 0;
    std::string number;  // 13 digits
    std::string name;    // the game's name when dealt
    std::string date;    // YYYY-MM-DD, the local date when dealt
    bool operator==(const DailyDeal&) const = default;
};

// Passes everything to the store it wraps and keeps the first result recorded
// for the deal of the day it watches: a later play of the same deal that day
// is practice and does not replace it.
class ResultKeeper : public IGameStore {
public:
    // Watches the deals `game` plays.
    explicit ResultKeeper(const Game& game) : game_(game) {}
    // Installs itself over the installed store; Unwrap puts that one back.
    void Wrap();
    void Unwrap();
    int RuleColumn(int gameId) override;
    void RecordResult(int gameId, const std::string& player, const GameResult& result) override;
    void RecordTurns(int gameId, const std::string& player, int date,
                     const TurnRecord& turns) override;
    bool AutoplayStored(int gameId) override;
    void StoreAutoplay(int gameId, bool on) override;
    void RememberGame(int gameId, const std::string& name,
                      const std::optional<DialogPlace>& place) override;
    void RememberPlayer(const std::string& name) override;

    // Watches `deal`; the same deal again keeps the result already kept.
    void Watch(const DailyDeal& deal);
    // The kept result of `deal`, if it is the deal watched and it ended.
    std::optional<GameResult> ResultOf(const DailyDeal& deal) const;

private:
    const Game& game_;
    IGameStore* inner_ = nullptr;
    DailyDeal watched_;
    std::optional<GameResult> result_;
};

// "Brindlewick Memory-Up (6x4), deal of 2026-12-09: won, 64 points, 0:01:31,
// 2 misses, 0 slips", in the player's language.
std::string DailyResultLine(const DailyDeal& deal, const GameResult& result);

}  // namespace bw
