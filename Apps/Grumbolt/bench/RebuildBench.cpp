// One click that rebuilds a swamp, in the shell's window on the headless backend: Reset answered
// with OK, the swamp generated again and its frogs and lilypads made, until the frame is presented.
// Random Hard swamps carry the most frogs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Apps/Grumbolt/tests/GrumboltSession.h"

namespace {

using namespace grumbolt::test;

void BM_OneClickRebuild(benchmark::State& state) {
    std::vector<double> clicks;
    int asked = 0;
    for (auto _ : state) {
        GrumboltSession session;
        if (!session.Start()) {
            state.SkipWithError("the game did not start");
            return;
        }
        session.ChooseHard();
        session.Wait(300);
        if (!session.OnSwamp()) {
            state.SkipWithError("no swamp shown");
            return;
        }
        for (int i = 0; i < 40; ++i) {
            session.AnswerBox(platform::IdOk);
            const auto start = std::chrono::steady_clock::now();
            session.ResetSwamp();
            clicks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        for (const auto& box : session.MessageBoxes()) asked += box.caption == "Reset Swamp?" ? 1 : 0;
    }
    std::sort(clicks.begin(), clicks.end());
    state.counters["click_median_ms"] = clicks[clicks.size() / 2];
    state.counters["click_max_ms"] = clicks.back();
    // Each click reached the game: it asked before rebuilding.
    state.counters["resets_asked"] = asked;
}

}  // namespace

BENCHMARK(BM_OneClickRebuild)->Unit(benchmark::kMillisecond)->Iterations(1);
