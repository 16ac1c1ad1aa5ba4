// Goal: a due timer fires within 1 ms of its time. Real time, with the main loop's way of waiting:
// sleep until the clock says the next timer is due, then TickAll. Counters are microseconds late.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/Timer.h"

namespace {

using Steady = std::chrono::steady_clock;

class RealSource final : public ClockSource {
public:
    uint32_t TickMs() override { return static_cast<uint32_t>(NowUs() / 1000); }
    platform::CalendarTime NowUtc() override { return {}; }
    int64_t NowUs() const {
        return std::chrono::duration_cast<std::chrono::microseconds>(Steady::now() - epoch_).count();
    }

private:
    Steady::time_point epoch_ = Steady::now();
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
    auto owned = std::make_unique<RealSource>();
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
            std::this_thread::sleep_for(std::chrono::milliseconds(clock->NextDueInMs()));
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
