// The main loop while no timer is due: it must wait, not spin. Runs the real loop on the headless
// backend with real waits for two seconds and reports the share of one core it used (goal: under
// 1%, counter `cpu_percent`).
#include <benchmark/benchmark.h>

#include "app/bench/IdleLoopMeasure.h"
#include "app/testing/BenchFolders.h"

namespace {

void BM_IdleLoopCpuShare(benchmark::State& state) {
    const BenchFolders folders("rivakel-idle-bench");
    double percent = 0;
    for (auto _ : state) {
        const std::optional<double> measured = IdleLoopCpuPercent(2);
        if (!measured) {
            state.SkipWithError("the program did not start");
            break;
        }
        percent = *measured;
    }
    platform::SetBackend(nullptr);
    state.counters["cpu_percent"] = percent;
    state.counters["goal_percent"] = 1;
}
BENCHMARK(BM_IdleLoopCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
