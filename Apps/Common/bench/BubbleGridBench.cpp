// The bubble view in the harness's shell window: a pop of the five bottom rows of a full 15 x 10
// board and the fall of the 75 bubbles above it, one 20 ms tick of the main loop at a time
// (timers, the view's moves, the shell's compose and present), with the p99 and worst tick; and,
// for comparison, ticks of the same board standing still.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "Apps/Common/BubbleGrid.h"
#include "harness/InProcessSession.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace {

class Owner final : public IBubbleGridEvents {
public:
    void OnBubbleClicked(int, int) override {}
    void OnBoardChanged() override {}
};

IImageSeq* Solid(IShellFactory& factory, int red) {
    IImage* image = factory.CreateImage(32, 32, kSurfaceColourKeyed);
    image->ClearToColor(255, 0, 255);
    image->SetCurColor(red, 120, 200);
    image->FillRect(2, 2, 30, 30);
    IImageSeq* sequence = factory.CreateImageSeqFromImage(image);
    image->Release();
    return sequence;
}

void BM_PopAndFallTicks(benchmark::State& state) {
    InProcessSession session;
    CAppletHarness& harness = session.Harness();
    IShellFactory& factory = session.Factory();
    std::array<IAnim*, 3> idle{};
    std::array<IImageSeq*, 3> pop{};
    for (size_t k = 0; k < 3; ++k) {
        IImageSeq* sequence = Solid(factory, 60 * static_cast<int>(k));
        idle[k] = factory.CreateAnim(sequence);
        sequence->Release();
        pop[k] = Solid(factory, 250);
    }
    Owner owner;
    std::vector<double> ticks;
    for (auto _ : state) {
        CBubbleBoard board(15, 10);
        for (int c = 0; c < 15; ++c)
            for (int r = 0; r < 10; ++r) board.Set(c, r, r >= 5 ? 1 : (c + r) % 2 + 2);
        CBubbleGrid grid(factory, *session.Record().gameArea, board, {idle, pop}, {}, owner, [] { return 1000; });
        if (state.range(0) == 0) {
            // The same board standing still: the shell's own share of a tick.
            for (int i = 0; i < 17; ++i) {
                const auto start = std::chrono::steady_clock::now();
                harness.AdvanceMs(20, 20);
                ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            continue;
        }
        grid.FloodMark(0, 9, {0x0E, 0});
        while (grid.RunningPops() + grid.RunningFalls() > 0) {
            const auto start = std::chrono::steady_clock::now();
            harness.AdvanceMs(20, 20);
            ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["ticks"] = static_cast<double>(ticks.size());
    state.counters["p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["max_ms"] = ticks.back();
    for (size_t k = 0; k < 3; ++k) {
        idle[k]->Release();
        pop[k]->Release();
    }
}

BENCHMARK(BM_PopAndFallTicks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
