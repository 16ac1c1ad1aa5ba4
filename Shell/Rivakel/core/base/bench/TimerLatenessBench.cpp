// Goal: a due timer fires within 1 ms of its time. Real time, with the main loop's way of waiting:
// the sdl backend's WaitEvent (dummy video driver) until the next timer is due, then TickAll.
// Counters are microseconds late.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <memory>
#include <vector>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Timer.h"
#include "platform/Platform.h"

namespace {

using Steady = std::chrono::steady_clock;

class RealSource final : public ClockSource {
public:
    explicit RealSource(platform::Backend& backend) : backend_(backend) {}
    uint32_t TickMs() override { return backend_.TickMs(); }
    platform::CalendarTime NowUtc() override { return {}; }
    // The backend's ticks are this clock's milliseconds; only differences of them are used.
    static int64_t NowUs() {
        return std::chrono::duration_cast<std::chrono::microseconds>(Steady::now().time_since_epoch()).count();
    }

private:
    platform::Backend& backend_;
};

struct Firing {
    int64_t nowUs;
    intptr_t elapsedMs;
    intptr_t dueElapsedMs;
};

struct Probe {
    const RealSource* source;
    uint32_t intervalMs;
    intptr_t lastElapsedMs = 0;
    std::vector<Firing> firings;
};

int Record(intptr_t* args) {
    auto* probe = reinterpret_cast<Probe*>(args[0]);
    probe->firings.push_back({probe->source->NowUs(), args[1], probe->lastElapsedMs + probe->intervalMs});
    probe->lastElapsedMs = args[1];
    return 0;
}

void TimerLateness(benchmark::State& state) {
    const auto interval = static_cast<uint32_t>(state.range(0));
    // Benchmarks run without a display; the dummy driver still waits the way the window does.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("RIVAKEL_PLATFORM", "sdl", 1);
    platform::Backend* backend = platform::GetBackend();
    if (backend == nullptr) {
        state.SkipWithError("the sdl backend cannot start");
        return;
    }
    auto owned = std::make_unique<RealSource>(*backend);
    const RealSource* source = owned.get();
    CSubsystem_Clock* clock = CreateClock(std::move(owned));
    std::vector<int64_t> lateUs;
    for (auto _ : state) {
        Probe probe{source, interval, 0, {}};
        CTimer timer(&probe, interval, Record);
        timer.SetClock(TimerClock::Wall);
        timer.Start();
        const int64_t endUs = source->NowUs() + 1'000'000;
        while (source->NowUs() < endUs) {
            platform::Event event;
            while (backend->WaitEvent(event, clock->NextDueInMs())) {
            }
            clock->TickAll();
        }
        timer.Stop();
        // The timer's start in source milliseconds; a reading taken just after a millisecond
        // boundary can only make it look later, so the smallest is exact.
        int64_t startMs = INT64_MAX;
        for (const Firing& f : probe.firings) startMs = std::min(startMs, f.nowUs / 1000 - f.elapsedMs);
        for (const Firing& f : probe.firings) lateUs.push_back(f.nowUs - (startMs + f.dueElapsedMs) * 1000);
    }
    DestroyClock();
    if (lateUs.empty()) {
        state.SkipWithError("no timer fired");
        return;
    }
    std::sort(lateUs.begin(), lateUs.end());
    const auto at = [&](double share) { return static_cast<double>(lateUs[static_cast<size_t>(share * (lateUs.size() - 1))]); };
    state.counters["late_p50_us"] = at(0.5);
    state.counters["late_p99_us"] = at(0.99);
    state.counters["late_max_us"] = at(1.0);
    state.counters["goal_us"] = 1000;
}
BENCHMARK(TimerLateness)->Arg(20)->Arg(50)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
