// The memory grids (goal kinds 36 to 39): their score rows, the win test of
// a grid, the end dialog's data, the pairing sound and the answer rows of
// "Forget me not".
#include "core/families/memory.h"

#include <algorithm>

#include "core/families/families.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/history.h"
#include "core/look_time.h"
#include "core/memory_log.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/sounds.h"

namespace bw {

namespace {

int WastePairs(const Game& g) {
    return static_cast<int>(g.MazzoPiles[2].size() / 6);
}
int Foundations(const Game& g) {
    return std::clamp<int>(Rule(g, rule::kDests), 0, 16);
}
constexpr int kAnswerRows = 10;

// No card of the grid is hidden: with `strict`, every card is face up;
// without, no card is marked face down.
bool GridAllUp(const Game& g, bool strict) {
    for (int r = 0; r < TableauCount(g); ++r) {
        const std::string& row = g.FilaPiles[static_cast<size_t>(r)];
        for (int s = 0; s < SlotCount(row); ++s) {
            const CardCode c = SlotCode(row, s);
            if (c >= 1 && (strict ? !IsFaceUp(g, c) : FaceOf(g, c) == Face::kDown)) return false;
        }
    }
    return true;
}

bool IsForgetMeNot(const Game& g) {
    return Rule(g, rule::kGoalKind) == goal::kForgetMeNot;
}

class Memory : public GoalFamily {
public:
    bool IsWon(Game& g) const override {
        // "Forget me not" is judged by its score when it ends.
        if (IsForgetMeNot(g)) return DefaultWin(g, false);
        // A grid game is over only once every card is up: reaching the
        // score early must not let a move's tail end it with cards left.
        return GridAllUp(g, false) && ScoreValue(g) >= Rule(g, rule::kScoreToWin);
    }

    int Score(Game& g, bool& shown) const override {
        shown = true;
        const int m = g.Options.Opt(opt::kMisses);
        switch (Rule(g, rule::kGoalKind)) {
            case goal::kAceToKing: return 15 * RecordedRunLength(g) - m - 52;
            case goal::kPairs: return 10 * WastePairs(g) - 2 * m - 52;
            case goal::kConcentration: return 7 * WastePairs(g) - m - 52;
            default: return -Rule(g, rule::kPackCards) + 10 * TwinMatchCount(g);
        }
    }

    // The grids end with no hidden card left, "Forget me not" with its
    // answer rows full.
    bool PlayedToTheEnd(const Game& g) const override {
        if (!IsForgetMeNot(g)) return GridAllUp(g, true);
        const int rows = TableauCount(g);
        for (int r = 0; r < std::min(rows, kAnswerRows); ++r)
            if (g.FilaPiles[static_cast<size_t>(r)].empty()) return false;
        return rows >= kAnswerRows;
    }

    int Misses(const Game& g) const override {
        return IsForgetMeNot(g) ? kAnswerRows - TwinMatchCount(g) : g.Options.Opt(opt::kMisses);
    }

    bool ShowsMemoryEnd() const override { return true; }
    bool CountsSlips(const Game& g) const override { return !IsForgetMeNot(g); }

    void PlayWasteSound(const Game& g) const override {
        const int k = Rule(g, rule::kGoalKind);
        if (k == goal::kPairs || k == goal::kConcentration)
            PlaySwitched("Pairing", field::kSoundsPairing);
    }

    void AfterTableauMove(Game& g) const override {
        if (IsForgetMeNot(g)) CheckTwinRowsFull(g);
    }

    // The memorise phase of "Forget me not" ends once its time is up, while
    // the models are still shown and no twin is dealt; the memory play
    // hides the models and deals the twins.
    void ClockTick(Game& g) const override {
        IMemoryPlay* memory = InstalledPorts().memory;
        if (!IsForgetMeNot(g) || !memory) return;
        const CardCode model = BottomCode(g.DestPiles[0]);
        if (ElapsedSeconds(g) > StudySeconds() && IsFaceUp(g, model) && g.FilaPiles[0].empty()) {
            RecordStep(g, 1);
            memory->EndMemorisePhase(g);
        }
    }
};

}  // namespace

const GoalFamily& MemoryFamily() {
    static const Memory family;
    return family;
}

void SetModelFaces(Game& g, bool hide) {
    const Face target = hide ? Face::kDown : Face::kUp;
    for (int i = 0; i < Foundations(g); ++i) {
        const std::string& pile = g.DestPiles[static_cast<size_t>(i)];
        const int left = g.Options.DestLeft(i), top = g.Options.DestTop(i);
        for (int s = 0; s < SlotCount(pile); ++s) {
            const CardCode c = SlotCode(pile, s);
            if (c < 1 || FaceOf(g, c) == target) continue;
            if (hide) Waits().Wait(kTurnBackPauseMs);
            SetCardFace(g, c, target);
            if (hide)
                CardDrawing().DrawCardBack(left, top, kOnBoth);
            else
                CardDrawing().DrawCardFace(BottomCode(pile), left, top, kOnBoth);
        }
    }
}

int TwinMatches(Game& g, bool mark) {
    const int matches = TwinMatchCount(g);
    // Every answer gets its verdict, a right one its frame as well: a thin
    // frame alone is hard to see on the table.
    for (int j = 0; mark && j < kAnswerRows; ++j) {
        const CardCode model = BottomCode(g.DestPiles[static_cast<size_t>(j)]);
        const std::string& row = g.FilaPiles[static_cast<size_t>(j)];
        if (model < 1 || row.empty()) continue;
        const bool right = BottomCode(row) == model + 52;
        const int left = g.FilaLeft[static_cast<size_t>(j)], top = FilaTopOnScreen(g, j);
        if (right) CardDrawing().DrawSelectionFrame(left, top, kOnBoth);
        CardDrawing().DrawAnswerMark(left, top, right, kOnBoth);
    }
    return matches;
}

void CheckTwinRowsFull(Game& g) {
    for (int j = 0; j < kAnswerRows; ++j)
        if (g.FilaPiles[static_cast<size_t>(j)].empty()) return;
    // The last twin is still held on the window, with its shadow, while the
    // move that placed it runs this: show the table as it now is before the
    // reveal and the result dialog.
    TableView().ShowTable();
    SetModelFaces(g, false);
    TwinMatches(g, true);
    UpdateScore(g);
    if (!GameHooks().EndGame(g)) TableView().ShowTable();
}

}  // namespace bw
