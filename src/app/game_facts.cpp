#include "app/game_facts.h"

#include <array>

#include "core/params.h"
#include "core/rules.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

template <size_t N>
FactText Pick(int value, const std::array<const char*, N>& texts, const char* prefix,
              const std::array<const char*, N>& pictures) {
    if (value < 0 || value >= static_cast<int>(N)) return {};
    const size_t i = static_cast<size_t>(value);
    return {texts[i], std::string(prefix) + pictures[i]};
}

}  // namespace

GameFacts DescribeGame(const GameFactValues& v) {
    GameFacts f;
    f.decks = std::to_string(v.cards / 52);
    f.gameTime = Pick<3>(v.gameTime, {"Long", "Medium", "Quick"}, "PROG_TIME_",
                         {"LONG", "MEDIUM", "QUICK"});
    f.difficulty = Pick<3>(v.difficulty, {"Easy", "Medium", "Hard"}, "PROG_DIFF_",
                           {"EASY", "MEDIUM", "HARD"});
    f.chance = Pick<5>(v.chance, {"Very high", "High", "Medium", "Low", "Very low"}, "PROG_CHAN_",
                       {"VERYHIGH", "HIGH", "MEDIUM", "LOW", "VERYLOW"});
    if (v.chanceIn != 0 && !f.chance.text.empty())
        f.chance.text += " (about " + std::to_string(v.chanceAbout) + " in " +
                         std::to_string(v.chanceIn) + ")";
    f.skill = Pick<5>(v.skill, {"Difficult", "Mostly skill", "Moderate", "Mostly chance", "Chance only"},
                      "PROG_SKILL_",
                      {"DIFFICULT", "MOSTLYSKILL", "MODERATE", "MOSTLYCHANCE", "CHANCEONLY"});
    // The rule counts the deals, the dialog the deals after the first.
    if (v.redeals == -1)
        f.redeals = "Unlimited";
    else if (v.redeals == 0)
        f.redeals = "0";
    else if (v.redeals > 0)
        f.redeals = std::to_string(v.redeals - 1);
    return f;
}

GameFactValues ReadGameFactValues(int gameId) {
    RuleTable rules;
    rules.fill(0);
    const int column = CatalogueIndex(gameId);
    if (column >= 0) LoadRuleColumn(ProgramFile("GAMES.DAT"), column, rules);
    auto at = [&](int line) { return static_cast<int>(rules[static_cast<size_t>(line)]); };
    GameFactValues v;
    v.cards = at(fact_line::kCards);
    v.gameTime = at(fact_line::kGameTime);
    v.difficulty = at(fact_line::kDifficulty);
    v.skill = at(fact_line::kSkill);
    v.chance = at(fact_line::kChance);
    v.chanceAbout = at(fact_line::kChanceAbout);
    v.chanceIn = at(fact_line::kChanceIn);
    v.redeals = at(fact_line::kRedeals);
    return v;
}

}  // namespace bw
