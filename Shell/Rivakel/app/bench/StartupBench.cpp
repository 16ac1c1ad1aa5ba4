// Start to the main window's first presented frame on the headless backend; goal: at most 250 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/MainLoop.h"
#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "app/testing/BenchFolders.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

void BM_StartToFirstFrame(benchmark::State& state) {
    const BenchFolders folders("rivakel-app-bench");
    for (auto _ : state) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* headless = owned.get();
        platform::SetBackend(std::move(owned));
        if (StartProgram({}).has_value()) {
            state.SkipWithError("the program did not start");
            break;
        }
        // The loop presents the window first, then takes the close.
        headless->PushClose();
        Run();
        EndProgram();
        ResetProgram();
    }
    platform::SetBackend(nullptr);
    state.counters["goal_ms"] = 250;
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
