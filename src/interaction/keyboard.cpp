#include "interaction/keyboard.h"

#include <algorithm>
#include <cstdlib>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/drag.h"
#include "interaction/press.h"

namespace bw {

namespace {

constexpr int kAnswerRows = 10;  // "Forget me not": rows 1..10 lie under the models

bool PlacingGame(Game& g) {
    return Rule(g, rule::kGoalKind) == goal::kForgetMeNot;
}

using Grid = std::vector<std::vector<GridPlace>>;

// The places a lifted twin may go to: the answer places.
Grid AnswerPlaces(const Grid& grid) {
    Grid out;
    for (const auto& line : grid) {
        std::vector<GridPlace> kept;
        for (const GridPlace& p : line)
            if (p.row < kAnswerRows) kept.push_back(p);
        if (!kept.empty()) out.push_back(kept);
    }
    return out;
}

struct Index {
    size_t line = 0, at = 0;
};

// The focused place in `grid`; a place that is gone gives the nearest one.
Index Locate(const Grid& grid, const GridPlace& focus) {
    Index best;
    long bestDistance = -1;
    for (size_t l = 0; l < grid.size(); ++l)
        for (size_t i = 0; i < grid[l].size(); ++i) {
            const GridPlace& p = grid[l][i];
            if (p.row == focus.row && p.slot == focus.slot) return {l, i};
            const long d = std::labs(p.left - focus.left) + std::labs(p.top - focus.top);
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = {l, i};
            }
        }
    return best;
}

// The place of the neighbouring line nearest to `x` (the left one of two).
size_t NearestIn(const std::vector<GridPlace>& line, int x) {
    size_t best = 0;
    for (size_t i = 1; i < line.size(); ++i)
        if (std::abs(line[i].left - x) < std::abs(line[best].left - x)) best = i;
    return best;
}

GridPlace Moved(const Grid& grid, const GridPlace& from, TableKey key) {
    Index at = Locate(grid, from);
    const auto& line = grid[at.line];
    switch (key) {
        case TableKey::kLeft:
            if (at.at > 0) --at.at;
            break;
        case TableKey::kRight:
            if (at.at + 1 < line.size()) ++at.at;
            break;
        case TableKey::kHome: at.at = 0; break;
        case TableKey::kEnd: at.at = line.size() - 1; break;
        case TableKey::kUp:
        case TableKey::kDown: {
            const bool up = key == TableKey::kUp;
            if (up ? at.line == 0 : at.line + 1 >= grid.size()) break;
            const int x = line[at.at].left;
            at.line = up ? at.line - 1 : at.line + 1;
            at.at = NearestIn(grid[at.line], x);
            break;
        }
        default: break;
    }
    return grid[at.line][at.at];
}

void DrawFrame(Game& g) {
    // A game that ended meanwhile has taken the frame away.
    if (!g.pointer.key.shown) return;
    const GridPlace& p = g.pointer.key.focus;
    PointerFeedback().ShowFocusFrame(p.left, p.top, p.left + g.CardWidth, p.top + g.CardHeight);
}

int CentreX(const Game& g, const GridPlace& p) {
    return p.left + g.CardWidth / 2;
}
int CentreY(const Game& g, const GridPlace& p) {
    return p.top + g.CardHeight / 2;
}

void Click(Game& g, const GridPlace& p) {
    PointerPress(g, MouseButton::kLeft, 0, CentreX(g, p), CentreY(g, p));
    PointerRelease(g, MouseButton::kLeft);
}

// The first empty answer place, else the first one.
GridPlace FirstFreeAnswer(Game& g, const Grid& answers) {
    for (const auto& line : answers)
        for (const GridPlace& p : line)
            if (g.FilaPiles[static_cast<size_t>(p.row)].empty()) return p;
    return answers.front().front();
}

// After a twin went down: the next twin still to place, else where it went.
GridPlace NextTwin(Game& g, const Grid& grid, const GridPlace& placed) {
    for (const auto& line : grid)
        for (const GridPlace& p : line)
            if (p.row >= kAnswerRows && !g.FilaPiles[static_cast<size_t>(p.row)].empty()) return p;
    return placed;
}

void Lift(Game& g, const Grid& grid) {
    const GridPlace from = g.pointer.key.focus;
    PointerPress(g, MouseButton::kLeft, 0, CentreX(g, from), CentreY(g, from));
    if (g.Options.Opt(opt::kHeld) == 0) {
        PointerRelease(g, MouseButton::kLeft);
        return;
    }
    const Grid answers = AnswerPlaces(grid);
    if (answers.empty()) return;
    g.pointer.key.holding = true;
    g.pointer.key.origin = from;
    g.pointer.key.focus = FirstFreeAnswer(g, answers);
    PointerMove(g, CentreX(g, g.pointer.key.focus), CentreY(g, g.pointer.key.focus));
    DrawFrame(g);
}

void Place(Game& g) {
    g.pointer.key.holding = false;
    const GridPlace to = g.pointer.key.focus;
    PointerRelease(g, MouseButton::kLeft);
    // The release may have ended the game and dealt another.
    g.pointer.key.focus = NextTwin(g, GridPlaces(g), to);
    DrawFrame(g);
}

void PutBack(Game& g) {
    g.pointer.key.holding = false;
    // A release before any movement takes the cards back where they lie.
    g.Options.SetOpt(opt::kPointerMoved, 0);
    PointerRelease(g, MouseButton::kLeft);
    g.pointer.key.focus = g.pointer.key.origin;
}

}  // namespace

Grid GridPlaces(Game& g) {
    const int goal = Rule(g, rule::kGoalKind);
    if (!IsMemoryKind(goal)) return {};
    std::vector<GridPlace> all;
    const int rows = TableauCount(g);
    for (int r = 0; r < rows; ++r) {
        if (!OnTable(g.FilaLeft[static_cast<size_t>(r)])) continue;
        const std::string name = PileName(kFila, r + 1);
        // Rows of side-by-side cards keep a slot for every card (holes too);
        // a pile is one place, empty or not.
        const int slots =
            Rule(g, rule::kTableFamily) == 9 ? SlotCount(g.FilaPiles[static_cast<size_t>(r)]) : 1;
        for (int s = 0; s < slots; ++s) {
            const CardPoint p = CardSlotPosition(g, name, r, s);
            all.push_back({r, s, p.left, p.top});
        }
    }
    std::sort(all.begin(), all.end(), [](const GridPlace& a, const GridPlace& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    // Places whose tops lie within half a card of each other form one line
    // of the screen (rows set off by half a card stay lines of their own).
    Grid grid;
    for (const GridPlace& p : all) {
        if (grid.empty() || p.top - grid.back().front().top >= g.CardHeight / 2)
            grid.emplace_back();
        grid.back().push_back(p);
    }
    for (auto& line : grid)
        std::sort(line.begin(), line.end(),
                  [](const GridPlace& a, const GridPlace& b) { return a.left < b.left; });
    return grid;
}

bool TableKeyPress(Game& g, TableKey key) {
    if (!Flag(g, flag::kInProgress)) return false;
    // A twin lifted with the keyboard may have been taken away meanwhile.
    if (g.pointer.key.holding && g.Options.Opt(opt::kHeld) == 0) g.pointer.key.holding = false;
    // The mouse holds a card: the keys wait.
    if (!g.pointer.key.holding && g.Options.Opt(opt::kHeld) != 0) return false;
    const Grid grid = GridPlaces(g);
    if (grid.empty()) return false;

    switch (key) {
        case TableKey::kLeft:
        case TableKey::kRight:
        case TableKey::kUp:
        case TableKey::kDown:
        case TableKey::kHome:
        case TableKey::kEnd: {
            const Grid& within = g.pointer.key.holding ? AnswerPlaces(grid) : grid;
            if (within.empty()) return false;
            if (!g.pointer.key.shown) {
                g.pointer.key.shown = true;
                const Index at = Locate(within, g.pointer.key.focus);
                g.pointer.key.focus = within[at.line][at.at];
            } else {
                g.pointer.key.focus = Moved(within, g.pointer.key.focus, key);
            }
            if (g.pointer.key.holding)
                PointerMove(g, CentreX(g, g.pointer.key.focus), CentreY(g, g.pointer.key.focus));
            DrawFrame(g);
            return true;
        }
        case TableKey::kSpace:
        case TableKey::kReturn: {
            if (!g.pointer.key.shown) return false;
            const Index at = Locate(grid, g.pointer.key.focus);
            if (!g.pointer.key.holding) g.pointer.key.focus = grid[at.line][at.at];
            if (g.pointer.key.holding)
                Place(g);
            else if (PlacingGame(g))
                Lift(g, grid);
            else
                Click(g, g.pointer.key.focus);
            return true;
        }
        case TableKey::kEscape:
            if (!g.pointer.key.holding) return false;
            PutBack(g);
            DrawFrame(g);
            return true;
    }
    return false;
}

void HideFocusFrame(Game& g) {
    if (g.pointer.key.holding && g.Options.Opt(opt::kHeld) != 0) PutBack(g);
    g.pointer.key.holding = false;
    if (!g.pointer.key.shown) return;
    g.pointer.key.shown = false;
    PointerFeedback().HideFocusFrame();
}

bool FocusFrameShown(const Game& g) {
    return g.pointer.key.shown;
}
GridPlace FocusedPlace(const Game& g) {
    return g.pointer.key.focus;
}
bool KeyboardHolding(const Game& g) {
    return g.pointer.key.holding;
}

}  // namespace bw
