// What playing costs per step on a 1920 x 1080 table: one frame of a drag
// through the real pointer-move path onto the Qt table drawing, one step of a
// card's flight, and the undo snapshot that every move records.
//
// The drag frame is also checked, not just timed: a frame must put back only
// the strips the held image uncovers, never the whole table.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <algorithm>

#include "bench_app.h"
#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/cards.h"
#include "core/families/memory.h"
#include "core/game.h"
#include "core/history.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/drag.h"
#include "interaction/memory.h"
#include "interaction/press.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "render/animations.h"
#include "render/library.h"
#include "render/qt_table.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "render/window_canvas.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The window as the drawing code sees it; counts the pixels it is asked to
// put on the screen.
class CountingWindow : public bw::IWindowCanvas {
public:
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    long long flushedArea = 0;
    int largestFlush = 0;
    QImage& Image() override { return image; }
    void Flush(const QRect& r) override {
        const int area = r.width() * r.height();
        flushedArea += area;
        largestFlush = std::max(largestFlush, area);
    }
    int ScrollY() override { return 0; }
    void Reset() {
        flushedArea = 0;
        largestFlush = 0;
    }
};

// The Qt table port, counting what the drag asks it to restore from the
// table picture.
class CountingTable : public bw::QtTable {
public:
    CountingTable() : QtTable(bw::ProgramGame()) {}
    long long restoredArea = 0;
    void RestoreRect(int left, int top, int right, int bottom) override {
        restoredArea +=
            static_cast<long long>(std::max(right - left, 0)) * std::max(bottom - top, 0);
        QtTable::RestoreRect(left, top, right, bottom);
    }
};

// Ready once: a GUI application, the library and the shipped catalogue.
bool Prepare(benchmark::State& state) {
    static const bool ready = [] {
        bw::bench::StartBenchApp();
        return bw::LibraryHandle() && bw::LoadCatalogue() && bw::CatalogueIndex(205) >= 0;
    }();
    if (!ready)
        state.SkipWithError("QLR.RGF or the shipped GAMES.DAT missing beside the benchmark");
    return ready;
}

// Game `id` dealt and drawn on a 1920 x 1080 screen, shown on `window`.
void DealAt1080(int id, CountingWindow& window) {
    bw::FillCardRegister(bw::ProgramGame());  // the faces live there
    bw::RenderRequest request;
    request.gameId = id;
    request.gameNumber = "4711200300001";
    request.layout.top = 60;
    request.layout.bottom = 1000;
    request.layout.height = kHeight;
    request.layout.width = kWidth - 17;
    request.layout.screenWidth = kWidth;
    request.layout.screenHeight = kHeight;
    bw::RenderDealtTable(bw::ProgramGame(), request);
    bw::WindowCanvas() = &window;
    bw::ShowTable(bw::ProgramGame());
}

// The middle of the first card place of tableau row r.
QPoint PlaceOf(int r) {
    const bw::CardPoint p =
        bw::CardSlotPosition(bw::ProgramGame(), bw::PileName(bw::kFila, r + 1), r, 0);
    return {p.left + bw::ProgramGame().CardWidth / 2, p.top + bw::ProgramGame().CardHeight / 2};
}

void DragTo(QPoint from, QPoint to) {
    bw::PointerPress(bw::ProgramGame(), bw::MouseButton::kLeft, 0, from.x(), from.y());
    bw::PointerMove(bw::ProgramGame(), (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    bw::PointerMove(bw::ProgramGame(), to.x(), to.y());
    bw::PointerRelease(bw::ProgramGame(), bw::MouseButton::kLeft);
}

// "Forget me not" with the models hidden and nine twins in their answer
// places: the last twin is held and moved back and forth by (3, 2) pixels,
// one frame per iteration.
void BM_DragFrame(benchmark::State& state) {
    if (!Prepare(state)) return;
    CountingWindow window;
    CountingTable table;
    bw::Ports& ports = bw::InstalledPorts();
    const bw::Ports saved = ports;
    ports.SetTable(&table);
    bw::InstallInteractionHooks();
    DealAt1080(205, window);
    bw::SetModelFaces(bw::ProgramGame(), true);
    bw::DealTwins(bw::ProgramGame());
    auto twinRow = [](int j) {
        const bw::CardCode twin =
            bw::BottomCode(bw::ProgramGame().DestPiles[static_cast<size_t>(j)]) + 52;
        for (int r = 10; r < 20; ++r)
            if (bw::BottomCode(bw::ProgramGame().FilaPiles[static_cast<size_t>(r)]) == twin)
                return r;
        return -1;
    };
    for (int j = 0; j < 9; ++j) {
        if (twinRow(j) >= 0) DragTo(PlaceOf(twinRow(j)), PlaceOf(j));
    }
    int placed = 0;
    for (int j = 0; j < 9; ++j)
        placed += bw::ProgramGame().FilaPiles[static_cast<size_t>(j)].empty() ? 0 : 1;
    const int last = twinRow(9);
    if (placed != 9 || last < 0) {
        state.SkipWithError("the twins could not be dragged to their places");
        bw::WindowCanvas() = nullptr;
        ports = saved;
        return;
    }
    const QPoint at = PlaceOf(last);
    bw::PointerPress(bw::ProgramGame(), bw::MouseButton::kLeft, 0, at.x(), at.y());
    bw::PointerMove(bw::ProgramGame(), at.x() - 40, at.y() - 60);  // the first move draws the image
    if (bw::ProgramGame().Options.Opt(94) == 0) {
        state.SkipWithError("the last twin was not picked up");
        bw::WindowCanvas() = nullptr;
        ports = saved;
        return;
    }

    constexpr int dx = 3, dy = 2;
    window.Reset();
    table.restoredArea = 0;
    long long frames = 0;
    bool there = false;
    for (auto _ : state) {
        there = !there;
        bw::PointerMove(bw::ProgramGame(), at.x() - 40 + (there ? dx : 0),
                        at.y() - 60 + (there ? dy : 0));
        ++frames;
        benchmark::ClobberMemory();
    }
    const long long restoredArea = table.restoredArea;
    const long long flushedArea = window.flushedArea;
    const int largestFlush = window.largestFlush;
    bw::PointerRelease(bw::ProgramGame(), bw::MouseButton::kLeft);

    // The held image with its shadow. A frame restores what of the old
    // place the new cards do not cover: the strips they uncover and the old
    // picture under the new shadow, which lets the table show through.
    const int s = bw::CardShadowOffset();
    const long long w = bw::ProgramGame().CardWidth + s,
                    h = bw::ProgramGame().pointer.RunHeight + s;
    auto restoredBy = [&](int ddx, int ddy) {
        const long long ox =
            std::min<long long>(w, ddx + bw::ProgramGame().CardWidth) - std::max(0, ddx);
        const long long oy =
            std::min<long long>(h, ddy + bw::ProgramGame().pointer.RunHeight) - std::max(0, ddy);
        return w * h - std::max(ox, 0LL) * std::max(oy, 0LL);
    };
    const long long expected =
        (frames + 1) / 2 * restoredBy(dx, dy) + frames / 2 * restoredBy(-dx, -dy);
    const long long restored = frames ? restoredArea / frames : 0;
    const long long flushed = frames ? flushedArea / frames : 0;
    state.counters["restored_px"] = static_cast<double>(restored);
    state.counters["shown_px"] = static_cast<double>(flushed);
    state.counters["table_px"] = static_cast<double>(kWidth) * kHeight;
    state.SetLabel("card " + std::to_string(bw::ProgramGame().CardWidth) + "x" +
                   std::to_string(bw::ProgramGame().CardHeight));
    if (restoredArea != expected) {
        const std::string what = "frames restored " + std::to_string(restoredArea) +
                                 " pixels, the uncovered strips are " + std::to_string(expected);
        state.SkipWithError(what.c_str());
    } else if (largestFlush > w * h || flushed > 2 * w * h)
        state.SkipWithError("a frame repainted more than the strips and the image");
    bw::WindowCanvas() = nullptr;
    ports = saved;
}
BENCHMARK(BM_DragFrame)->Unit(benchmark::kMicrosecond);

// Counts the steps of a flight: each one waits once, at once here.
class CountingWaits : public bw::IWaits {
public:
    long long waits = 0;
    void Wait(int) override { ++waits; }
    void WaitResponsive(int) override { ++waits; }
};

// A card flying across the whole table; reported per step of the flight.
void BM_FlyCardStep(benchmark::State& state) {
    if (!Prepare(state)) return;
    CountingWindow window;
    CountingWaits waits;
    bw::Ports& ports = bw::InstalledPorts();
    const bw::Ports saved = ports;
    DealAt1080(202, window);
    ports.waits = &waits;
    bw::SetParameter(74, 2, "10");  // "Speed_Move_Card": every step waits
    const bw::CardCode card = bw::BottomCode(bw::ProgramGame().FilaPiles[0]);
    const int x0 = 20, y0 = 80, x1 = kWidth - bw::ProgramGame().CardWidth - 40, y1 = 900;
    long long flights = 0;
    for (auto _ : state) {
        bw::FlyCard(bw::ProgramGame(), card, x0, y0, true, false, false, false, y1, x1);
        bw::HideMovingImage(bw::ProgramGame());
        ++flights;
    }
    const double steps = flights ? static_cast<double>(waits.waits) / flights : 0;
    state.counters["steps"] = steps;
    state.counters["per_step"] = benchmark::Counter(
        steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    if (steps < 10) state.SkipWithError("the flight took fewer steps than expected");
    bw::WindowCanvas() = nullptr;
    ports = saved;
}
BENCHMARK(BM_FlyCardStep)->Unit(benchmark::kMicrosecond);

// Every pile of the table filled with a double pack, faces mixed, and
// `steps` snapshots already in the history.
void FillTable(int steps) {
    bw::ResetGameState(bw::ProgramGame());
    bw::FillCardRegister(bw::ProgramGame());
    bw::ProgramGame().GameRules[367] = 16;
    bw::ProgramGame().GameRules[368] = 40;
    bw::ProgramGame().GameRules[369] = 10;
    auto fill = [](bw::PileList& list, int cardsPerPile, int& next) {
        for (std::string& pile : list) {
            pile.clear();
            for (int k = 0; k < cardsPerPile; ++k) {
                pile += bw::FormatCode(next % 108 + 1);
                bw::SetFaceFlag(bw::ProgramGame().CardRegister, next % 108 + 1,
                                next % 3 ? '1' : '0');
                ++next;
            }
        }
    };
    int next = 0;
    fill(bw::ProgramGame().MazzoPiles, 20, next);
    fill(bw::ProgramGame().DestPiles, 13, next);
    fill(bw::ProgramGame().FilaPiles, 12, next);
    fill(bw::ProgramGame().AppoggPiles, 4, next);
    bw::ClearHistory(bw::ProgramGame(), true);
    for (int i = 0; i < steps; ++i) bw::RecordStep(bw::ProgramGame(), 1);
}

void BM_RecordStepFullTable(benchmark::State& state) {
    const int history = static_cast<int>(state.range(0));
    FillTable(history);
    constexpr size_t kPerStep[4] = {3, 16, 40, 10};
    for (auto _ : state) {
        bw::RecordStep(bw::ProgramGame(), 1);
        benchmark::ClobberMemory();
        // The history keeps its length: the new step's entries go again.
        state.PauseTiming();
        for (size_t i = 0; i < 4; ++i)
            bw::ProgramGame().UndoLists[i].resize(bw::ProgramGame().UndoLists[i].size() -
                                                  kPerStep[i]);
        bw::ProgramGame().UndoMarks.pop_back();
        state.ResumeTiming();
    }
    if (bw::StepCount(bw::ProgramGame().UndoLists) != history)
        state.SkipWithError("history length drifted");
    state.counters["piles"] = 69;
    bw::ClearHistory(bw::ProgramGame(), true);
}
BENCHMARK(BM_RecordStepFullTable)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
