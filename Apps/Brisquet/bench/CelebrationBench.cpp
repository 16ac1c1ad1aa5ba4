// The celebration after screen 29 in the shell's window on the headless backend: 87 bubbles
// bouncing over the board every 30 ms, each tick moved by the game and composed and presented by
// the shell. The bot clears the Advanced screens up to 29 first, as a player would.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "Apps/Brisquet/tests/BrisquetBot.h"
#include "Apps/Brisquet/tests/BrisquetView.h"

namespace {

using namespace brisquet::test;

constexpr int kTicks = 400;

void BM_CelebrationTickAfterScreen29(benchmark::State& state) {
    std::vector<double> ticks;
    bool celebrating = false;
    for (auto _ : state) {
        BrisquetSession session;
        session.Start();
        session.ChooseAdvanced();
        BrisquetBot bot(session);
        std::string error;
        for (int screen = 21; screen <= 29; ++screen) {
            if (!bot.Clear(&error)) state.SkipWithError(error.c_str());
            bot.WaitStill();
            if (screen < 29) session.PanelButton();
        }
        celebrating = session.KeepGoingUp();
        ticks.clear();
        for (int i = 0; i < kTicks; ++i) {
            const auto start = std::chrono::steady_clock::now();
            session.Harness().AdvanceMs(30, 30);
            ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        session.Stop();
    }
    state.counters["celebrating"] = celebrating ? 1 : 0;
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_median_ms"] = ticks[ticks.size() / 2];
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
}

}  // namespace

BENCHMARK(BM_CelebrationTickAfterScreen29)->Unit(benchmark::kMillisecond)->Iterations(1);
