// The main loop with the server connection made and nothing to send: it must wait, not spin.
// Runs the real program against the local portal server on the headless backend with real
// waits for three seconds (goal: under 1% of a core, counter `cpu_percent`).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "Tools/portalserver/PortalServer.h"
#include "core/app/MainLoop.h"
#include "core/app/ProgramState.h"
#include "core/app/WinMain.h"
#include "core/app/bench/BenchFolders.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

void BM_IdleWithConnectionCpuShare(benchmark::State& state) {
    const BenchFolders folders("rivakel-net-idle-bench");
    const std::filesystem::path data = std::getenv("XDG_DATA_HOME");
    portal::PortalServer server({});
    if (!server.Start()) {
        state.SkipWithError("no server");
        return;
    }
    std::filesystem::create_directories(data / "Rivakel");
    std::ofstream(data / "Rivakel" / "LocalTestServer.txt") << "127.0.0.1:" << server.Port() << "\n";
    double percent = 0;
    for (auto _ : state) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* headless = owned.get();
        headless->SetRealWaitMs(60'000);
        platform::SetBackend(std::move(owned));
        if (StartProgram("").has_value()) {
            state.SkipWithError("the program did not start");
            break;
        }
        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        std::thread closer([headless] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
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
    bool connected = false;
    for (const auto& message : server.Received()) connected |= message.function == "Hello";
    if (!connected) state.SkipWithError("the shell never reached the server");
    state.counters["cpu_percent"] = percent;
    state.counters["goal_percent"] = 1;
}
BENCHMARK(BM_IdleWithConnectionCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
