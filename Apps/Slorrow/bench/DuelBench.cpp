// The model's share of the duel's 20 ms ticks: a crater growing in the ground, and a ball in flight.
#include <benchmark/benchmark.h>

#include "Apps/Slorrow/GroundBuffer.h"
#include "Apps/Slorrow/MudBall.h"

namespace {

using namespace slorrow;

GroundBuffer Hillside() {
    GroundBuffer ground;
    for (int y = 200; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x) ground.Set(x, y, 0x339900);
    return ground;
}

// A whole crater: the glowing discs of radius 5 to 20 and the final hole, as the ticks paint them.
void BM_CraterSequence(benchmark::State& state) {
    GroundBuffer ground = Hillside();
    for (auto _ : state) {
        for (int radius = 5; radius <= 20; radius += 2) ground.PaintDisc(250, 200, radius, kCraterGlow);
        ground.PaintDisc(250, 200, 20, kSky);
        benchmark::DoNotOptimize(ground.Pixels().data());
    }
}
BENCHMARK(BM_CraterSequence);

// One tick of a flight: the step, the ground and the candidates' tests.
void BM_FlightTick(benchmark::State& state) {
    const GroundBuffer ground = Hillside();
    const Box left{30, 140, 39, 65};
    const Box right{435, 140, 20, 55};
    MudBall ball({60, 150}, {0.6f, -0.8f}, 60);
    for (auto _ : state) {
        ball.Step(0.03f);
        benchmark::DoNotOptimize(ball.Check(ground, left, right));
        if (ball.Position().y > 180) ball = MudBall({60, 150}, {0.6f, -0.8f}, 60);
    }
}
BENCHMARK(BM_FlightTick);

}  // namespace
