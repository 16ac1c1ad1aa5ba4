// The duel's 20 ms ticks composed in the shell's window on the headless backend, with the game's
// own pictures: a tick in the crater state, which writes the whole 500 x 420 ground to the canvas
// (the key colour skipped), and a tick of a ball in flight. Both players are people here, and the
// throws go up and across until enough ticks of each kind were timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/DuelScreen.h"
#include "Apps/Slorrow/SlorrowApplet.h"
#include "harness/InProcessRecord.h"
#include "harness/InProcessResources.h"

namespace {

using namespace slorrow;

constexpr size_t kSamples = 300;
// Held this long in turn, the throws land short, far or on the rival.
constexpr std::array<uint32_t, 3> kHoldMs = {300, 700, 1200};

struct Timings {
    std::vector<double> flight;
    std::vector<double> crater;
};

Timings TimeDuelTicks() {
    Timings timings;
    InProcessResources resources(SLORROW_GAM);
    CAppletHarness harness({});
    InProcessRecord inProcess(harness);
    {
        CSlorrowApplet game(inProcess.record);
        game.SetScreen(game.Screen(), nullptr);
        auto* duel = new CDuelScreen(game, 2);
        game.SetScreen(nullptr, duel);
        size_t throws = 0;
        for (int tick = 0; tick < 50000 && (timings.flight.size() < kSamples || timings.crater.size() < kSamples); ++tick) {
            const DuelState state = duel->Model().State();
            if (state == DuelState::Over) break;
            if (state == DuelState::Turn) {
                const Vec2 hand = duel->Model().Get(*duel->Model().Thrower()).Hand();
                const bool left = *duel->Model().Thrower() == Side::Left;
                std::array<intptr_t, 5> args{reinterpret_cast<intptr_t>(duel), 0,
                                             static_cast<intptr_t>(hand.x + (left ? 40.0f : -40.0f)),
                                             static_cast<intptr_t>(hand.y - 60.0f), 0};
                duel->OnMouseDown(args.data());
                harness.AdvanceMs(kHoldMs[throws++ % kHoldMs.size()], 20);
                duel->OnMouseUp(args.data());
            }
            const auto start = std::chrono::steady_clock::now();
            harness.AdvanceMs(20, 20);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (state == DuelState::Flight) timings.flight.push_back(ms);
            if (state == DuelState::Crater) timings.crater.push_back(ms);
        }
    }
    Globals() = {};
    return timings;
}

void Report(benchmark::State& state, std::vector<double> ticks, const char* name) {
    if (ticks.empty()) return;
    std::sort(ticks.begin(), ticks.end());
    const std::string prefix(name);
    state.counters[prefix + "_median_ms"] = ticks[ticks.size() / 2];
    state.counters[prefix + "_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters[prefix + "_ticks"] = static_cast<double>(ticks.size());
}

void BM_DuelTicksComposed(benchmark::State& state) {
    Timings timings;
    for (auto _ : state) timings = TimeDuelTicks();
    Report(state, timings.crater, "crater");
    Report(state, timings.flight, "flight");
}

}  // namespace

BENCHMARK(BM_DuelTicksComposed)->Unit(benchmark::kMillisecond)->Iterations(1);
