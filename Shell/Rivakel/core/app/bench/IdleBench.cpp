// The main loop while no timer is due: it must wait, not spin. Runs the real loop on the headless
// backend with real waits for two seconds and reports the share of one core it used (goal: under
// 1%, counter `cpu_percent`).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

#include "core/app/MainLoop.h"
#include "core/app/ProgramState.h"
#include "core/app/WinMain.h"
#include "core/app/bench/BenchFolders.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

void BM_IdleLoopCpuShare(benchmark::State& state) {
    const BenchFolders folders("rivakel-idle-bench");
    double percent = 0;
    for (auto _ : state) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* headless = owned.get();
        headless->SetRealWaitMs(60'000);
        platform::SetBackend(std::move(owned));
        if (StartProgram({}).has_value()) {
            state.SkipWithError("the program did not start");
            break;
        }
        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        std::thread closer([headless] {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            headless->PushClose();
        });
        Run();
        closer.join();
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        percent = 100.0 * cpu / wall;
        EndProgram();
        ResetProgram();
    }
    platform::SetBackend(nullptr);
    state.counters["cpu_percent"] = percent;
    state.counters["goal_percent"] = 1;
}
BENCHMARK(BM_IdleLoopCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
