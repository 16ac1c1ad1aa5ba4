// The model's share of a level-21 play tick, before any picture: a whole truck run on the 20 ms
// timer (belt, falling balls, steering, the check), divided by its ticks.
#include <benchmark/benchmark.h>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Tallimo/PlayRound.h"

namespace {

using namespace tallimo;

void BM_Level21TruckTicks(benchmark::State& state) {
    ModuleRandom random;
    const RandomSource rand = [&random] { return random.Next(); };
    int64_t ticks = 0;
    for (auto _ : state) {
        GameProgress progress;
        PlayRound round(progress, true, kLastLevel, rand, 0);
        for (int64_t now = 0; round.State() != PlayState::Passed; now += 20, ++ticks) {
            benchmark::DoNotOptimize(round.Tick(now));
            round.Key(now % 200 == 0 ? PlayKey::Drop : PlayKey::Left, now);
        }
    }
    state.counters["ticks"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Level21TruckTicks);

}  // namespace
