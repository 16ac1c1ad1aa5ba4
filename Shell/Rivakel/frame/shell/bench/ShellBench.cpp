// The shell window's speed on the headless backend: a full repaint of the 800 x 572 frame, one
// idle 50 ms turn of the loop with the frame shown (its share of a core), and a game's launch
// from the launch command to its first presented frame.
#include <benchmark/benchmark.h>

#include <ctime>

#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "frame/api/IShellServices.h"
#include "frame/shell/bench/BenchPortal.h"

namespace {

void BM_FullRepaint800x572(benchmark::State& state) {
    BenchPortal portal(true);
    if (!portal.ok) return state.SkipWithError("the portal did not start");
    CSubsystem_Video* video = CurrentSurfaceServices().video;
    for (auto _ : state) {
        video->AddDirty(0, 0, 800, 572);
        Shell()->Repaint();
    }
}
BENCHMARK(BM_FullRepaint800x572)->Unit(benchmark::kMicrosecond);

// One 50 ms turn of an idle portal (the repaint timer's tick and the loop's wait); the share of
// a core is the time taken over the 50 ms the turn stands for.
void IdleTurn(benchmark::State& state, bool installed) {
    BenchPortal portal(installed);
    if (!portal.ok) return state.SkipWithError("the portal did not start");
    const std::clock_t begin = std::clock();
    for (auto _ : state) portal.Pump(50);
    const double cpuSeconds = static_cast<double>(std::clock() - begin) / CLOCKS_PER_SEC;
    state.counters["core_share_percent"] = 100.0 * cpuSeconds / (0.050 * static_cast<double>(state.iterations()));
}
void BM_IdleTurnInstalled(benchmark::State& state) { IdleTurn(state, true); }
void BM_IdleTurnWithPlayingLogo(benchmark::State& state) { IdleTurn(state, false); }
BENCHMARK(BM_IdleTurnInstalled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IdleTurnWithPlayingLogo)->Unit(benchmark::kMicrosecond);

// From the launch command to the game's first frame on the screen: the old game is stopped,
// the module loaded and started, and the window repainted.
void BM_LaunchToFirstFrame(benchmark::State& state) {
    BenchPortal portal(true, SHELL_TEST_GAME);
    if (!portal.ok || !Shell()->GameRunning()) return state.SkipWithError("the test game did not start");
    Shell()->SetMode(kStopFreely);
    for (auto _ : state) {
        const int presents = portal.headless->MainWindow()->PresentCount();
        Shell()->LaunchGame(0);
        Shell()->SetMode(kStopFreely);
        Shell()->Repaint();
        if (portal.headless->MainWindow()->PresentCount() == presents) state.SkipWithError("nothing presented");
    }
}
BENCHMARK(BM_LaunchToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
