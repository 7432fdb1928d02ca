#include "core/history.h"

#include <algorithm>

#include "core/families/family.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"

namespace bw {

namespace {
constexpr size_t kPerStep[4] = {3, 16, 40, 10};

PileList& LiveList(Game& g, int i) {
    switch (i) {
        case 0: return g.MazzoPiles;
        case 1: return g.DestPiles;
        case 2: return g.FilaPiles;
        default: return g.AppoggPiles;
    }
}

void DropNewestData(HistoryLists& h) {
    for (int i = 0; i < 4; ++i) {
        auto& list = h[static_cast<size_t>(i)];
        size_t n = std::min(kPerStep[i], list.size());
        list.resize(list.size() - n);
    }
}
}  // namespace

int StepCount(const HistoryLists& h) {
    size_t steps = h[0].size() / kPerStep[0];
    for (int i = 1; i < 4; ++i)
        steps = std::min(steps, h[static_cast<size_t>(i)].size() / kPerStep[i]);
    return static_cast<int>(steps);
}

std::string PileImage(const Game& g, const std::string& pile) {
    std::string out;
    out.reserve(pile.size() / 3 * 4);
    for (int i = 0; i < SlotCount(pile); ++i) {
        CardCode c = SlotCode(pile, i);
        if (c < 1) {
            out += "0000";
        } else {
            // A readable slot already holds the code's three digits.
            out.append(pile, static_cast<size_t>(i) * 3, 3);
            out += FaceFlag(g.CardRegister, c);
        }
    }
    return out;
}

std::string PileFromImage(Game& g, const std::string& image) {
    std::string pile;
    pile.reserve(image.size() / 4 * 3);
    for (size_t p = 0; p + 4 <= image.size(); p += 4) {
        pile += image.substr(p, 3);
        CardCode c = SlotCode(image.substr(p, 3), 0);
        if (c >= 1) SetFaceFlag(g.CardRegister, c, image[p + 3] == '1' ? '1' : '0');
    }
    return pile;
}

void RecordStep(Game& g, int which, bool clearOnly) {
    if (which == 1) {
        SetValue(g.values.newGameMarkA, field::kNewGameMarkA, "0");
    } else {
        SetValue(g.values.newGameMarkB, field::kNewGameMarkB, "0");
    }
    if (which == 0 && clearOnly) {
        for (auto& l : g.RedoLists) l.clear();
        g.RedoMarks.clear();
        GameObserver().HistoryChanged();
        return;
    }
    HistoryLists& h = which == 1 ? g.UndoLists : g.RedoLists;
    const bool selectionInDest1 = FirstFoundationIsSelection(g.GameRules);
    for (int i = 0; i < 4; ++i) {
        const PileList& live = LiveList(g, i);
        for (size_t k = 0; k < kPerStep[i]; ++k) {
            const std::string& pile = k < live.size() ? live[k] : std::string();
            if (i == 1 && k == 0 && selectionInDest1)
                h[static_cast<size_t>(i)].push_back(std::string());
            else
                h[static_cast<size_t>(i)].push_back(PileImage(g, pile));
        }
    }
    (which == 1 ? g.UndoMarks : g.RedoMarks) += ",";
    GameObserver().HistoryChanged();
}

void MergeMarks(std::string& marks) {
    size_t last = marks.rfind(',');
    if (last == std::string::npos) {
        marks.clear();
        return;
    }
    std::string kept = marks.substr(last + 1);
    std::string rest = marks.substr(0, last);
    size_t prev = rest.rfind(',');
    if (prev == std::string::npos) {
        marks.clear();  // only one step was left
        return;
    }
    marks = rest.substr(0, prev) + "," + kept;
}

void DropNewestSteps(Game& g, int n) {
    for (int k = 0; k < n; ++k) {
        if (StepCount(g.UndoLists) == 0) return;
        DropNewestData(g.UndoLists);
        MergeMarks(g.UndoMarks);
    }
    GameObserver().HistoryChanged();
}

// The oldest snapshot of a merged action survives (the table as it was
// before the press), so the data of the newer step goes while the newest
// marks element is kept.
void DropSecondNewestSteps(Game& g, int n) {
    for (int k = 0; k < n; ++k) {
        if (StepCount(g.UndoLists) < 2) return;
        DropNewestData(g.UndoLists);
        MergeMarks(g.UndoMarks);
    }
    GameObserver().HistoryChanged();
}

void MarkStep(Game& g, int marker) {
    size_t last = g.UndoMarks.rfind(',');
    if (last == std::string::npos) return;
    g.UndoMarks = g.UndoMarks.substr(0, last + 1) + FormatNumber(marker, 3);
}

int CountMarks(const std::string& marks, int marker) {
    const std::string want = FormatNumber(marker, 3);
    int count = 0;
    size_t start = 0;
    while (start <= marks.size()) {
        size_t end = marks.find(',', start);
        if (end == std::string::npos) end = marks.size();
        for (size_t p = start; p + 3 <= end; p += 3)
            if (marks.compare(p, 3, want) == 0) ++count;
        start = end + 1;
    }
    return count;
}

void ClearHistory(Game& g, bool clearUndoToo) {
    for (auto& l : g.RedoLists) l.clear();
    g.RedoMarks.clear();
    if (clearUndoToo) {
        for (auto& l : g.UndoLists) l.clear();
        g.UndoMarks.clear();
    }
    GameObserver().HistoryChanged();
}

bool PopStepInto(Game& g, HistoryLists& h, std::string& marks, std::string* element) {
    if (StepCount(h) == 0) return false;
    for (int i = 0; i < 4; ++i) {
        auto& list = h[static_cast<size_t>(i)];
        PileList& live = LiveList(g, i);
        size_t n = kPerStep[i];
        size_t base = list.size() - n;
        for (size_t k = 0; k < n && k < live.size(); ++k) {
            // The selection list is not part of the snapshot (stored empty).
            live[k] = PileFromImage(g, list[base + k]);
        }
        list.resize(base);
    }
    size_t last = marks.rfind(',');
    if (element) *element = last == std::string::npos ? std::string() : marks.substr(last + 1);
    marks = last == std::string::npos ? std::string() : marks.substr(0, last);
    GameObserver().HistoryChanged();
    return true;
}

}  // namespace bw
