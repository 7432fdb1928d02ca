// The one place where a goal kind's number is turned into its family.
#include "core/families/families.h"
#include "core/families/family.h"
#include "core/game.h"

namespace bw {

bool IsMemoryKind(int goal) {
    return goal >= goal::kFirstMemory && goal <= goal::kLastMemory;
}

bool IsSelectionKind(int goal) {
    switch (goal) {
        case goal::kNumbersToTarget:
        case goal::kTopCardsSum14:
        case goal::kUncoveredSum13:
        case goal::kTwoToTarget:
        case goal::kNeighbourPairs:
        case goal::kExposedPairs:
        case goal::kExposedPairsAnyButton:
        case goal::kElevensAndFaces:
        case goal::kEighteensAndAces:
        case goal::kTensTwentiesThirties:
        case goal::kSuitPairsToTarget:
        case goal::kColourPairsToTarget:
        case goal::kSuitRunToTarget:
        case goal::kNinesAndHighFours:
        case goal::kRankPairs:
        case goal::kElevensAndFacesOnly:
        case goal::kSelectAndRefill:
        case goal::kFacesMatchNumbers:
        case goal::kTargetOrNeighbours:
        case goal::kChainRemoval:
        case goal::kRankSums: return true;
        default: return false;
    }
}

bool RecordsTurns(int goal) {
    return goal == goal::kAceToKing || goal == goal::kPairs || goal == goal::kConcentration;
}

bool IsMatchGoal(int goal) {
    return goal == goal::kPairs || goal == goal::kConcentration;
}

bool FirstFoundationIsSelection(const RuleTable& rules) {
    const int kind = Rule(rules, rule::kGoalKind);
    return Rule(rules, rule::kSelectSum) != 0 || kind == goal::kTopCardsSum14 ||
           kind == goal::kUncoveredSum13;
}

bool GoalFamily::PlayedToTheEnd(const Game& g) const {
    return Flag(g, flag::kFinished);
}

int GoalFamily::Misses(const Game& g) const {
    return g.Options.Opt(opt::kMisses);
}

const GoalFamily& FamilyOf(const RuleTable& rules) {
    if (IsMemoryKind(Rule(rules, rule::kGoalKind))) return MemoryFamily();
    return PatienceFamily();
}

const GoalFamily& FamilyOf(const Game& g) {
    return FamilyOf(g.GameRules);
}

}  // namespace bw
