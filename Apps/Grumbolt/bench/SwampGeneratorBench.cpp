// Generating swamps: every free and challenge swamp, reporting the slowest single swamp,
// and the Hard swamp that takes longest as its own case.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "Apps/Grumbolt/SwampGenerator.h"

namespace {

using namespace grumbolt;
using Clock = std::chrono::steady_clock;

// The best of three runs, so that a swamp is not blamed for the machine's other work.
double GenerateMs(int number, bool challenge, SwampDice& dice) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(GenerateSwamp(number, challenge, dice).swampValue);
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

void BM_EverySwamp(benchmark::State& state) {
    ModuleRandom random;
    SwampDice dice = SwampDice::From(random);
    double worst = 0;
    int worstNumber = 0;
    for (auto _ : state) {
        for (int n = 0; n <= kFreeSwamps; ++n) {
            const double ms = GenerateMs(n, false, dice);
            if (ms > worst) worst = ms, worstNumber = n;
        }
        for (int n = 1; n <= kChallengeSwamps; ++n) worst = std::max(worst, GenerateMs(n, true, dice));
    }
    state.counters["worst_ms"] = worst;
    state.counters["worst_number"] = worstNumber;
}

void BM_HardestChallengeSwamp(benchmark::State& state) {
    ModuleRandom random;
    SwampDice dice = SwampDice::From(random);
    for (auto _ : state) benchmark::DoNotOptimize(GenerateSwamp(kChallengeSwamps, true, dice).swampValue);
}

BENCHMARK(BM_EverySwamp)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HardestChallengeSwamp)->Unit(benchmark::kMicrosecond);

}  // namespace
