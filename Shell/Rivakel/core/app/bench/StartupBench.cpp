// Start to the main window's first presented frame on the headless backend; goal: at most 250 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/app/MainLoop.h"
#include "core/app/ProgramState.h"
#include "core/app/WinMain.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

void BM_StartToFirstFrame(benchmark::State& state) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "rivakel-app-bench";
    std::filesystem::create_directories(root / "data");
    std::filesystem::create_directories(root / "run");
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
    for (auto _ : state) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* headless = owned.get();
        platform::SetBackend(std::move(owned));
        if (StartProgram("").has_value()) {
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
    std::filesystem::remove_all(root);
    state.counters["goal_ms"] = 250;
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
