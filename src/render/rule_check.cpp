#include "render/rule_check.h"

#include <algorithm>

#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/tr_marker.h"
#include "render/layout.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

struct CountRule {
    int entry;
    int most;
    const char* what;
};

// Beyond these a count names piles, jokers or decks that do not exist.
constexpr CountRule kCounts[] = {
    {rule::kDests, 16, "foundations"},
    {rule::kFilas, 40, "tableau piles"},
    {rule::kReserves, 10, "reserve cells"},
    {rule::kJokerCount, 4, "jokers"},
    {rule::kPackCards, 104, "cards in the pack"},
};

}  // namespace

std::string RuleDamage(const Game& g) {
    std::string out;
    auto add = [&out](const std::string& line) { out += (out.empty() ? "" : "\n") + line; };
    for (const CountRule& c : kCounts) {
        const int v = Rule(g, c.entry);
        if (v < 0 || v > c.most)
            add("entry " + std::to_string(c.entry) + ": " + std::to_string(v) + " " + c.what +
                " (0 to " + std::to_string(c.most) + ")");
    }
    if (Rule(g, rule::kFilas) > 0 && !TableauStyleKnown(g))
        add("entry 359: tableau layout style " + std::to_string(Rule(g, rule::kFilaStyle)) +
            " does not exist");
    // Counts above 1000 name single cards; the others take from the pack,
    // which never holds more than two decks and the jokers.
    long dealt = 0;
    auto deal = [&dealt, &g](int entry) {
        const int n = Rule(g, entry);
        if (n > 0 && n <= 1000) dealt += n;
    };
    for (int e : {rule::kDealMazzo, rule::kDealMazzoVis, rule::kDealWaste}) deal(e);
    for (int i = 0; i < 40; ++i) deal(rule::kDealFila1 + i);
    for (int i = 0; i < 10; ++i) deal(rule::kDealAppogg1 + i);
    const long pack = (Rule(g, rule::kPackCards) > 52 ? 104 : 52) +
                      std::clamp<int>(Rule(g, rule::kJokerCount), 0, 4);
    if (dealt > pack)
        add("the deal needs " + std::to_string(dealt) + " cards, the pack holds at most " +
            std::to_string(pack));
    return out;
}

void ReportRuleDamage(const Game& g, int gameId) {
    static int lastGame = -1;
    static std::string lastDamage;
    const std::string damage = RuleDamage(g);
    if (damage.empty() || (gameId == lastGame && damage == lastDamage)) return;
    lastGame = gameId;
    lastDamage = damage;
    Dialogs().Info(
        BW_TR_NOOP("Messages", "The rules of the game \"") + GameName(gameId) +
        BW_TR_NOOP("Messages", "\" in the file\n") + ProgramFile("GAMES.DAT") +
        BW_TR_NOOP("Messages", "\nare damaged:\n") + damage +
        BW_TR_NOOP("Messages",
                   "\nThe game may not play as it should; reinstalling the program repairs "
                   "the file."));
}

}  // namespace bw
