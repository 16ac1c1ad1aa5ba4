// The play screen in the shell's window on the headless backend: what one 20 ms tick costs while
// a group pops and the bubbles above it fall (the game's effects, the shell's compose and
// present), over whole boards played biggest group first.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "Apps/Common/ModuleRandom.h"

namespace {

using namespace brisquet2;

// The cell of the biggest group that can pop; none when nothing can.
std::optional<BubbleCell> BiggestGroup(const CBubbleBoard& board) {
    std::optional<BubbleCell> best;
    size_t bestSize = 1;
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 0; r < board.Height(); ++r)
            if ((kBrisquet2Rules.poppable & BubbleKindBit(board.At(c, r))) != 0) {
                const size_t size = board.Group(c, r).size();
                if (size > bestSize) best = BubbleCell{c, r}, bestSize = size;
            }
    return best;
}

void BM_PopAndFallTicksInTheShell(benchmark::State& state) {
    std::vector<double> ticks;
    int pops = 0;
    bool ended = false;
    for (auto _ : state) {
        test::Brisquet2Session session;
        session.Start();
        session.StartBreaking();
        ModuleRandom generator;
        const ShellRandom shell{[&generator](int seed) { generator.Seed(static_cast<uint32_t>(seed)); },
                                [&generator] { return generator.Next(); }};
        CBubbleBoard board = MakePuzzle(1, true, shell).board;
        ticks.clear();
        while (const std::optional<BubbleCell> cell = BiggestGroup(board)) {
            session.Click(10 + 32 * cell->column + 16, 12 + 32 * cell->row + 18);
            board.PopNow(cell->column, cell->row, kBrisquet2Rules);
            ++pops;
            // The pop shows 500 ms; the longest fall takes 660 ms more.
            for (int i = 0; i < 60; ++i) {
                const auto start = std::chrono::steady_clock::now();
                session.Harness().AdvanceMs(20, 20);
                ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
        }
        // The board's end brings up a panel: the clicks reached the game.
        ended = session.PanelUp();
        session.Stop();
    }
    state.counters["pops"] = pops;
    state.counters["ended_with_panel"] = ended ? 1 : 0;
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_median_ms"] = ticks[ticks.size() / 2];
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
}

}  // namespace

BENCHMARK(BM_PopAndFallTicksInTheShell)->Unit(benchmark::kMillisecond)->Iterations(1);
