// The game in the shell's window on the headless backend: setting up the big stadium (every
// customer's nine animations recoloured, and mirrored right of the aisle) when the Minor Leagues
// start, and a 20 ms play tick there while a wave stands the whole crowd up, composed and
// presented by the shell.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Apps/Pellawick/tests/PellawickSession.h"

namespace {

using namespace pellawick::test;

// From the title to the panel that promotes to the Minor Leagues, every inning won with P.
void ToPromotion(PellawickSession& session) {
    session.PlayBall();
    for (int inning = 0; inning < 10; ++inning) {
        session.Key(kSpace);
        session.Key('P');
    }
}

void BM_SetUpTheBigStadium(benchmark::State& state) {
    PellawickSession session;
    for (auto _ : state) {
        state.PauseTiming();
        session.Start();
        ToPromotion(session);
        state.ResumeTiming();
        session.Key(kSpace);
        state.PauseTiming();
        session.Stop();
        state.ResumeTiming();
    }
}

void BM_WaveTickInTheBigStadium(benchmark::State& state) {
    std::vector<double> ticks;
    for (auto _ : state) {
        PellawickSession session;
        session.Start();
        ToPromotion(session);
        session.Key(kSpace);  // the Minor Leagues' intro
        session.Key(kSpace);  // play
        session.Key(kSpace);  // the wave
        ticks.clear();
        for (int i = 0; i < 250; ++i) {
            const auto start = std::chrono::steady_clock::now();
            session.Harness().AdvanceMs(20, 20);
            ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        session.Stop();
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_median_ms"] = ticks[ticks.size() / 2];
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
}

}  // namespace

BENCHMARK(BM_SetUpTheBigStadium)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_WaveTickInTheBigStadium)->Unit(benchmark::kMillisecond)->Iterations(1);
