// The main loop with the server connection made and nothing to send: it must wait, not spin.
// Runs the real program against the local portal server on the headless backend with real
// waits for three seconds (goal: under 1% of a core, counter `cpu_percent`).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "Tools/portalserver/PortalServer.h"
#include "app/bench/IdleLoopMeasure.h"
#include "app/testing/BenchFolders.h"
#include "app/testing/TestPortal.h"

namespace {

void BM_IdleWithConnectionCpuShare(benchmark::State& state) {
    const BenchFolders folders("rivakel-net-idle-bench");
    const std::filesystem::path data = std::getenv("XDG_DATA_HOME");
    portal::PortalServer server({});
    if (!server.Start()) {
        state.SkipWithError("no server");
        return;
    }
    test_portal::UseLocalServer(data, server.Port());
    double percent = 0;
    for (auto _ : state) {
        const std::optional<double> measured = IdleLoopCpuPercent(3);
        if (!measured) {
            state.SkipWithError("the program did not start");
            break;
        }
        percent = *measured;
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
