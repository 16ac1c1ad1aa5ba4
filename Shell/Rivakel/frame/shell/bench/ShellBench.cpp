// The shell window's speed on the headless backend: a full repaint of the 800 x 572 frame, one
// idle 50 ms turn of the loop with the frame shown (its share of a core), and a game's launch
// from the launch command to its first presented frame.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "core/app/MainLoop.h"
#include "core/app/ProgramState.h"
#include "core/app/Session.h"
#include "core/app/WinMain.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "frame/api/IShellServices.h"
#include "frame/dialogs/Dialog.h"
#include "frame/dialogs/DialogEnvironment.h"
#include "frame/shell/Shell.h"
#include "platform/Host.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class Portal {
public:
    explicit Portal(bool installed, bool game = false) {
        root_ = std::filesystem::temp_directory_path() / ("rivakel-shell-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "data" / "Rivakel" / "System");
        std::filesystem::create_directories(root_ / "run");
        if (installed) {
            const std::string core = "<Core></Core>";
            platform::WriteFileAtomic((root_ / "data" / "Rivakel" / "System" / "Core.rdt").string(),
                                      std::span(reinterpret_cast<const uint8_t*>(core.data()), core.size()));
        }
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "run").c_str(), 1);
        if (game) {
            setenv(kDevGameVariable, SHELL_TEST_GAME, 1);
        } else {
            unsetenv(kDevGameVariable);
        }
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        headless = owned.get();
        platform::SetBackend(std::move(owned));
        // The launch's question, should one come, is answered Yes.
        SetDialogScript([](CDialog& dialog) { dialog.Command(2002); });
        ok = !StartProgram({}).has_value() && Shell() != nullptr;
        Pump(200);
    }
    ~Portal() {
        StopSession();
        RunPendingSessionStop();
        EndProgram();
        ResetProgram();
        SetDialogScript(nullptr);
        platform::SetBackend(nullptr);
        unsetenv(kDevGameVariable);
        std::filesystem::remove_all(root_);
    }
    void Pump(uint32_t ms) {
        const uint32_t until = headless->TickMs() + ms;
        RunNestedLoop([&] { return static_cast<int32_t>(headless->TickMs() - until) >= 0; }, nullptr, nullptr);
    }

    platform::headless::HeadlessBackend* headless = nullptr;
    bool ok = false;

private:
    std::filesystem::path root_;
};

void BM_FullRepaint800x572(benchmark::State& state) {
    Portal portal(true);
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
    Portal portal(installed);
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
    Portal portal(true, true);
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
