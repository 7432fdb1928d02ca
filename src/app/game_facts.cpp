#include "app/game_facts.h"

#include <array>

#include <QCoreApplication>
#include "core/rule_names.h"
#include "storage/catalogue.h"

namespace bw {

namespace {

struct GameFactsText {
    Q_DECLARE_TR_FUNCTIONS(GameFactsText)
};

template <size_t N>
FactText Pick(int value, const std::array<const char*, N>& texts, const char* prefix,
              const std::array<const char*, N>& pictures) {
    if (value < 0 || value >= static_cast<int>(N)) return {};
    const size_t i = static_cast<size_t>(value);
    return {GameFactsText::tr(texts[i]).toStdString(), std::string(prefix) + pictures[i]};
}

}  // namespace

GameFacts DescribeGame(const GameFactValues& v) {
    GameFacts f;
    f.decks = std::to_string(v.cards / 52);
    f.gameTime = Pick<3>(
        v.gameTime,
        {QT_TRANSLATE_NOOP("GameFactsText", "Long"), QT_TRANSLATE_NOOP("GameFactsText", "Medium"),
         QT_TRANSLATE_NOOP("GameFactsText", "Quick")},
        "PROG_TIME_", {"LONG", "MEDIUM", "QUICK"});
    f.difficulty = Pick<3>(
        v.difficulty,
        {QT_TRANSLATE_NOOP("GameFactsText", "Easy"), QT_TRANSLATE_NOOP("GameFactsText", "Medium"),
         QT_TRANSLATE_NOOP("GameFactsText", "Hard")},
        "PROG_DIFF_", {"EASY", "MEDIUM", "HARD"});
    f.chance = Pick<5>(
        v.chance,
        {QT_TRANSLATE_NOOP("GameFactsText", "Very high"),
         QT_TRANSLATE_NOOP("GameFactsText", "High"), QT_TRANSLATE_NOOP("GameFactsText", "Medium"),
         QT_TRANSLATE_NOOP("GameFactsText", "Low"), QT_TRANSLATE_NOOP("GameFactsText", "Very low")},
        "PROG_CHAN_", {"VERYHIGH", "HIGH", "MEDIUM", "LOW", "VERYLOW"});
    if (v.chanceIn != 0 && !f.chance.text.empty())
        f.chance.text +=
            GameFactsText::tr(" (about %1 in %2)").arg(v.chanceAbout).arg(v.chanceIn).toStdString();
    f.skill = Pick<5>(v.skill,
                      {QT_TRANSLATE_NOOP("GameFactsText", "Difficult"),
                       QT_TRANSLATE_NOOP("GameFactsText", "Mostly skill"),
                       QT_TRANSLATE_NOOP("GameFactsText", "Moderate"),
                       QT_TRANSLATE_NOOP("GameFactsText", "Mostly chance"),
                       QT_TRANSLATE_NOOP("GameFactsText", "Chance only")},
                      "PROG_SKILL_",
                      {"DIFFICULT", "MOSTLYSKILL", "MODERATE", "MOSTLYCHANCE", "CHANCEONLY"});
    // The rule counts the deals, the dialog the deals after the first.
    if (v.redeals == -1)
        f.redeals = GameFactsText::tr("Unlimited").toStdString();
    else if (v.redeals == 0)
        f.redeals = "0";
    else if (v.redeals > 0)
        f.redeals = std::to_string(v.redeals - 1);
    return f;
}

GameFactValues ReadGameFactValues(int gameId) {
    using namespace rule;
    const std::vector<int> v =
        GameRuleValues(gameId, {kPackCards, kFactTime, kFactDiff, kFactSkill, kFactChance,
                                kFactChanceX, kFactChanceY, kStockPasses});
    GameFactValues f;
    f.cards = v[0];
    f.gameTime = v[1];
    f.difficulty = v[2];
    f.skill = v[3];
    f.chance = v[4];
    f.chanceAbout = v[5];
    f.chanceIn = v[6];
    f.redeals = v[7];
    return f;
}

}  // namespace bw
