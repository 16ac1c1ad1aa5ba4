// The game in the shell's window on the headless backend: how long a start takes, what the
// endless show costs per 50 ms tick (the game's tick, the shell's compose and present), and
// whether a hundred starts and stops leave the shell's heap where it was.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Apps/Glimtide/tests/GlimtideSession.h"

namespace {

using glimtide::test::GlimtideSession;

void BM_StartGame(benchmark::State& state) {
    GlimtideSession session;
    session.Start();  // the shell's font and picture caches are warm from here on
    session.Stop();
    for (auto _ : state) {
        session.Start();
        state.PauseTiming();
        session.Stop();
        state.ResumeTiming();
    }
}

void BM_ShowTickInTheShell(benchmark::State& state) {
    std::vector<double> ticks;
    for (auto _ : state) {
        GlimtideSession session;
        session.Start();
        session.ChooseShow();
        ticks.clear();
        for (int i = 0; i < 3000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            session.Harness().AdvanceMs(50, 50);
            ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        session.Stop();
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_median_ms"] = ticks[ticks.size() / 2];
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
}

void BM_HundredStartsHeapGrowth(benchmark::State& state) {
    double growth = 0;
    for (auto _ : state) {
        GlimtideSession session;
        for (int run = 0; run < 5; ++run) {
            session.Start();
            session.ChooseEasy();
            session.Stop();
        }
        const size_t before = mallinfo2().uordblks;
        for (int run = 0; run < 100; ++run) {
            session.Start();
            session.ChooseEasy();
            session.Wait(200);
            session.Stop();
        }
        growth = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(before);
    }
    state.counters["heap_growth_bytes"] = growth;
}

}  // namespace

BENCHMARK(BM_StartGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowTickInTheShell)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HundredStartsHeapGrowth)->Unit(benchmark::kMillisecond)->Iterations(1);
