// Start to the main window's first presented frame on the headless backend; goal: at most 250 ms.
// The loop presents the window before its first turn; a timer due at once marks that turn and
// ends the session as a termination signal does (a close would ask the portal, not installed
// here, whether to leave, and nobody answers in a headless run). The end is not timed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "app/MainLoop.h"
#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "app/Session.h"
#include "app/testing/BenchFolders.h"
#include "core/base/Timer.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

struct FirstTurn {
    platform::headless::HeadlessBackend* backend = nullptr;
    CTimer* timer = nullptr;
    SteadyClock::time_point at;
    bool presented = false;
    static int OnTick(intptr_t* args) {
        auto* self = reinterpret_cast<FirstTurn*>(args[0]);
        self->at = SteadyClock::now();
        const platform::headless::HeadlessWindow* window = self->backend->MainWindow();
        self->presented = window != nullptr && window->PresentCount() > 0;
        self->timer->Stop();
        StopSession();
        return 0;
    }
};

void BM_StartToFirstFrame(benchmark::State& state) {
    const BenchFolders folders("rivakel-app-bench");
    for (auto _ : state) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* headless = owned.get();
        platform::SetBackend(std::move(owned));
        const SteadyClock::time_point start = SteadyClock::now();
        if (StartProgram({}).has_value()) {
            state.SkipWithError("the program did not start");
            break;
        }
        FirstTurn first;
        CTimer timer(&first, 0, FirstTurn::OnTick);
        first.backend = headless;
        first.timer = &timer;
        timer.SetClock(TimerClock::Wall);
        timer.Start();
        Run();
        EndProgram();
        ResetProgram();
        if (!first.presented) {
            state.SkipWithError("no frame was presented before the loop's first turn");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(first.at - start).count());
    }
    platform::SetBackend(nullptr);
    state.counters["goal_ms"] = 250;
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
