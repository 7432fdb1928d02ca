// brindlewick-tool match GAME --seats L1,L2[,...] --games N [--seed S]:
// computer seats of levels 1..4 play N matches of a pairing game on the
// engine, headless; one line per seat. The opening seat rotates from match
// to match, so the figures measure the levels, not the order of the seats.
#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "core/game.h"
#include "core/match.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "interaction/match_play.h"
#include "storage/catalogue.h"
#include "tool.h"

namespace bw::tool {
namespace {

constexpr long kMostGames = 10000000;
// A match of 54 pairs (two decks, with jokers) needs far fewer turns; more
// means the engine refused the cards, and the run stops instead of looping.
constexpr int kMostTurnsPerMatch = 100000;

// The match ends without the solo game end: nothing is recorded, no dialog.
class MatchGameHooks : public IGameHooks {
public:
    bool EndGame(Game& g) override {
        SetFlag(g, flag::kInProgress, false);
        return false;
    }
};

bool ParseCount(const std::string& text, long most, long& out) {
    if (text.empty() || text.size() > 12 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stol(text);
    return out >= 1 && out <= most;
}

struct SeatTotals {
    long wins = 0, ties = 0, pairs = 0, misses = 0, avoidable = 0;
};

int Run(Game& game, const Args& args) {
    const char* usage = "usage: match GAME --seats L1,L2[,...] --games N [--seed S]";
    if (args.empty()) return UsageError(usage);
    std::string seatsText, gamesText, seedText = "1";
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return UsageError(usage);
        if (args[i] == "--seats")
            seatsText = args[i + 1];
        else if (args[i] == "--games")
            gamesText = args[i + 1];
        else if (args[i] == "--seed")
            seedText = args[i + 1];
        else
            return UsageError("unknown option '" + args[i] + "'; " + usage);
    }
    if (seatsText.empty() || gamesText.empty()) return UsageError(usage);

    long id = 0;
    if (!ParseGamesInteger(args[0], id) || id < 0 || id > 9999 || args[0][0] == ' ')
        return UsageError("bad game id '" + args[0] + "'");
    MatchState seats;
    std::stringstream list(seatsText);
    for (std::string level; std::getline(list, level, ',');) {
        long l = 0;
        if (!ParseCount(level, kOpponentLevels, l))
            return UsageError("unknown level '" + level +
                              "': the levels are 1 to 4 (4: perfect memory)");
        MatchSeat seat;
        seat.level = static_cast<int>(l);
        seat.model = LevelModel(seat.level);
        seats.seats.push_back(seat);
    }
    if (seatsText.back() == ',' || seats.seats.size() < kMinSeats || seats.seats.size() > kMaxSeats)
        return UsageError("--seats takes 2 to 4 levels, separated by commas: '" + seatsText + "'");
    long games = 0;
    if (!ParseCount(gamesText, kMostGames, games))
        return UsageError("--games takes a number of matches from 1 to 10000000: '" + gamesText +
                          "'");
    long seedValue = 0;
    if (!ParseCount(seedText, 999999999999L, seedValue) && seedText != "0")
        return UsageError("--seed takes a number of up to 12 digits: '" + seedText + "'");
    const auto seed = static_cast<uint64_t>(seedValue);

    UseProgramDir();
    const std::string problem = GamesFileProblem(ProgramFile("GAMES.DAT"));
    if (!problem.empty()) {
        std::cerr << "brindlewick-tool: " << problem << "\n";
        return 1;
    }
    LoadCatalogue();
    if (CatalogueIndex(static_cast<int>(id)) < 0)
        return UsageError("no game " + args[0] +
                          " in the catalogue (brindlewick-tool games lists them)");
    LoadGameRules(game, static_cast<int>(id));
    if (!IsMatchGoal(Rule(game, rule::kGoalKind)))
        return UsageError("game " + args[0] +
                          " is not a pairing game: matches are played in \"Pairs\" and "
                          "\"Concentration\" games");

    MatchGameHooks hooks;
    InstalledPorts().game = &hooks;
    SetValue(game.values.id, field::kGameId, std::to_string(id));
    std::vector<SeatTotals> totals(seats.seats.size());
    for (long n = 0; n < games; ++n) {
        // A deal number of its own for every match of the run.
        char number[16];
        std::snprintf(number, sizeof number, "%013" PRIu64,
                      (seed * 1000003U + static_cast<uint64_t>(n)) % 10000000000000U);
        SetValue(game.values.number, field::kGameNumber, number);
        StartGame(game, true, false, kStoredGameNumber, true);
        const int opening = static_cast<int>(n % static_cast<long>(seats.seats.size()));
        Game& g = game;
        MatchPlay play(g, seats, seed * 7919U + static_cast<uint64_t>(n), opening);
        int turns = 0;
        while (!play.Over(g)) {
            if (++turns > kMostTurnsPerMatch || !play.Turn(g, play.ComputerCard(g)).turned) {
                std::cerr << "brindlewick-tool: match " << n + 1 << " (deal " << number
                          << ") did not come to an end\n";
                return 1;
            }
        }
        const std::vector<int> leaders = MatchLeaders(play.state());
        for (int l : leaders) {
            SeatTotals& t = totals[static_cast<size_t>(l)];
            (leaders.size() == 1 ? t.wins : t.ties)++;
        }
        for (size_t s = 0; s < totals.size(); ++s) {
            const MatchSeat& seat = play.state().seats[s];
            totals[s].pairs += seat.pairs;
            totals[s].misses += seat.misses;
            totals[s].avoidable += seat.avoidable;
        }
    }
    const auto per = [games](long v) {
        return static_cast<double>(v) / static_cast<double>(games);
    };
    for (size_t s = 0; s < totals.size(); ++s) {
        const SeatTotals& t = totals[s];
        std::printf("seat %zu level %d wins %ld ties %ld pairs %.1f misses %.1f avoidable %.2f\n",
                    s + 1, seats.seats[s].level, t.wins, t.ties, per(t.pairs), per(t.misses),
                    per(t.avoidable));
    }
    return 0;
}

const Register kMatch{{"match",
                       "match GAME --seats L1,L2[,...] --games N [--seed S]\n"
                       "      computer seats of levels 1..4 (4: perfect memory) play N matches",
                       Run}};

}  // namespace
}  // namespace bw::tool
