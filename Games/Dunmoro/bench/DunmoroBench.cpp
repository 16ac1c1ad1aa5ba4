// The game's speed in the harness's shell window on the headless backend:
//   - one play-screen tick (timers, compose, present) with every card on the table moving, on
//     board 16, the board with the most cards (goal: under 2 ms);
//   - a start, from the click on the game's tile to the title screen presented (goal: 150 ms).
#include <benchmark/benchmark.h>

#include "Games/Dunmoro/tests/DunmoroSession.h"
#include "harness/GameAreaLayers.h"

namespace {

using dunmoro::test::DunmoroSession;

void PlayScreenTickWithEveryCardMoving(benchmark::State& state) {
    DunmoroSession session;
    session.SetPlayerValue(dunmoro::kCurPlayMode, "1");
    session.SetPlayerValue(dunmoro::kCurLayout, "16");
    if (!session.Start()) {
        state.SkipWithError("the game did not start");
        return;
    }
    session.StartTheGame();
    const GameAreaLayers layers(session.Harness());
    std::vector<size_t> cards;
    for (size_t i = 0; i < layers.Count(); ++i) {
        const GameAreaLayer layer = layers.At(i);
        if (layer.width == 49 && layer.height == 66) cards.push_back(i);
    }
    int step = 1;
    for (auto _ : state) {
        for (const size_t card : cards) {
            const GameAreaLayer layer = layers.At(card);
            layers.MoveTo(card, layer.x + step, layer.y);
        }
        step = -step;
        session.Harness().AdvanceMs(10, 10);
    }
    state.counters["cards"] = static_cast<double>(cards.size());
}
BENCHMARK(PlayScreenTickWithEveryCardMoving)->Unit(benchmark::kMillisecond);

void StartToTitleScreen(benchmark::State& state) {
    DunmoroSession session;
    for (auto _ : state) {
        if (!session.Start()) {
            state.SkipWithError("the game did not start");
            return;
        }
        state.PauseTiming();
        session.Stop();
        state.ResumeTiming();
    }
}
BENCHMARK(StartToTitleScreen)->Unit(benchmark::kMillisecond);

}  // namespace
