#include "interaction/match_play.h"

#include <string>

#include "core/card_positions.h"
#include "core/game.h"
#include "core/memory_log.h"
#include "core/option_entries.h"
#include "core/piles.h"
#include "core/state.h"
#include "interaction/memory.h"

namespace bw {

MatchPlay::MatchPlay(const Game& g, MatchState seats, uint64_t seed, int first)
    : state_(std::move(seats)), ownRandom_(seed), random_(&ownRandom_) {
    Start(g, first);
}

MatchPlay::MatchPlay(const Game& g, MatchState seats, MatchRandom& random, int first)
    : state_(std::move(seats)), ownRandom_(0), random_(&random) {
    Start(g, first);
}

void MatchPlay::Start(const Game& g, int first) {
    for (const MatchSeat& s : state_.seats) {
        if (s.level > 0)
            opponents_.emplace_back(Opponent(s.model, *random_));
        else
            opponents_.emplace_back(std::nullopt);
    }
    if (!state_.seats.empty()) state_.toPlay = first % static_cast<int>(state_.seats.size());
    slipsTold_ = Slips(g);
    previous_ = InstalledPorts().upper.Find<IPlayAnnouncer>();
    Install<IPlayAnnouncer>(this);
}

MatchPlay::~MatchPlay() {
    if (InstalledPorts().upper.Find<IPlayAnnouncer>() == this) Install<IPlayAnnouncer>(previous_);
}

bool MatchPlay::ComputerToPlay() const {
    const auto seat = static_cast<size_t>(state_.toPlay);
    return seat < opponents_.size() && opponents_[seat].has_value();
}

CardCode MatchPlay::ComputerCard(const Game& g) {
    if (!ComputerToPlay() || Over(g)) return 0;
    Opponent& me = *opponents_[static_cast<size_t>(state_.toPlay)];
    const std::vector<CardCode> up = FaceUpGridCodes(g);
    return up.empty() ? me.FirstCard(g) : me.SecondCard(g, up.front());
}

MatchStep MatchPlay::Turn(Game& g, CardCode card) {
    MatchStep step;
    if (!IsHidden(g, card)) return step;
    const CardPlace place = FindCardPlace(g, card, {{kFila, 0, TableauCount(g)}});
    if (!place.Found()) return step;
    const int row = place.index;
    const int slot = place.slot;
    const size_t waste = g.MazzoPiles[2].size();
    const int misses = g.Options.Opt(opt::kMisses);
    const CardPoint at = CardSlotPosition(g, PileName(kFila, row + 1), row, slot);
    MemoryPress(g, card, at.left, at.top, row);
    step.turned = true;
    step.pair = g.MazzoPiles[2].size() > waste;
    step.miss = g.Options.Opt(opt::kMisses) > misses;
    return step;
}

bool MatchPlay::Over(const Game& g) const {
    return AllGridCardsUp(g);
}

void MatchPlay::CardTurned(const Game& g, CardCode card) {
    for (auto& o : opponents_)
        if (o) o->Saw(card);
    if (previous_) previous_->CardTurned(g, card);
}

void MatchPlay::PairFound(const Game& g, CardCode first, CardCode second) {
    for (auto& o : opponents_) {
        if (!o) continue;
        o->Gone(first);
        o->Gone(second);
        o->TurnPassed();
    }
    MatchPairFound(state_);
    if (previous_) previous_->PairFound(g, first, second);
}

void MatchPlay::Missed(const Game& g) {
    for (auto& o : opponents_)
        if (o) o->TurnPassed();
    const int slips = Slips(g);
    MatchMissed(state_, slips > slipsTold_);
    slipsTold_ = slips;
    if (previous_) previous_->Missed(g);
}

}  // namespace bw
