// The field's costs on a fenced farm of about 2,000 ring segments: one 50 ms tick of 70 animals,
// and one capture (the closing step of a long comb-shaped trail).
#include <benchmark/benchmark.h>

#include <vector>

#include "Apps/Pennimar/Animal.h"
#include "Apps/Pennimar/CaptureArea.h"
#include "Apps/Pennimar/FenceField.h"

namespace {

using namespace pennimar;

void Walk(FenceField& field, Direction d, int untilX, int untilY) {
    while ((field.Player().x != untilX || field.Player().y != untilY) && field.WalkAlongFence(d, 4)) {
    }
}

// From the right side at height y, a comb of 1-pixel teeth leftwards to the left side: about
// 985 segments. `closeIt` false stops one step short of closing it.
void LayComb(FenceField& field, int y, bool teethUp, bool closeIt) {
    if (teethUp) {
        Walk(field, Direction::Right, 496, 416);
        Walk(field, Direction::Up, 496, y);
    } else {
        Walk(field, Direction::Up, 4, 56);
        Walk(field, Direction::Right, 496, 56);
        Walk(field, Direction::Down, 496, y);
    }
    field.StartTrail(Direction::Left, 2);
    const Direction tooth = teethUp ? Direction::Up : Direction::Down;
    const Direction back = teethUp ? Direction::Down : Direction::Up;
    const Direction wave[] = {tooth, Direction::Left, back, Direction::Left};
    for (int i = 0; field.IsLaying(); ++i) {
        const Direction d = wave[i % 4];
        if (!closeIt && d == Direction::Left && field.Player().x <= 5) return;
        const FieldPoint s = StepOf(d, 1);
        field.MovePlayer(d, s.x, s.y);
    }
}

// Combs along the bottom and the top: a ring of about 2,000 segments.
FenceField Farm() {
    FenceField field;
    field.BuildFieldBorder();
    LayComb(field, 412, true, true);
    LayComb(field, 60, false, true);
    return field;
}

void BM_TickOf70Animals(benchmark::State& state) {
    const FenceField field = Farm();
    std::vector<Animal> animals(70);
    for (size_t i = 0; i < animals.size(); ++i) {
        Animal& a = animals[i];
        a.width = 30, a.height = 22;
        a.x = 20 + static_cast<float>(i % 10) * 45, a.y = 70 + static_cast<float>(i / 10) * 20;
        a.vx = (i % 2 ? 1.7f : -2.3f), a.vy = (i % 3 ? 1.1f : -2.9f);
    }
    for (auto _ : state)
        for (Animal& a : animals) benchmark::DoNotOptimize(a.Step(field));
    state.counters["ring"] = static_cast<double>(field.Ring().Count());
}
BENCHMARK(BM_TickOf70Animals)->Unit(benchmark::kMillisecond);

void BM_Capture(benchmark::State& state) {
    FenceField ready;
    ready.BuildFieldBorder();
    LayComb(ready, 412, true, true);
    LayComb(ready, 60, false, false);
    for (auto _ : state) {
        state.PauseTiming();
        FenceField field = ready;
        state.ResumeTiming();
        if (field.MovePlayer(Direction::Left, -1, 0).kind != MoveKind::Captured) state.SkipWithError("no capture");
    }
    state.counters["ring"] = static_cast<double>(ready.Ring().Count() + ready.Trail().size());
}
BENCHMARK(BM_Capture)->Unit(benchmark::kMillisecond);

// A staircase of n segments closed by two long sides.
void BM_CaptureAreaStaircase(benchmark::State& state) {
    const int steps = static_cast<int>(state.range(0)) / 2;
    std::vector<FieldPoint> points{{0, 0}};
    for (int i = 0; i < steps - 1; ++i) {
        points.push_back({i * 4 + 4, i * 4});
        points.push_back({i * 4 + 4, i * 4 + 4});
    }
    points.push_back({0, steps * 4});
    std::vector<FenceSegment> polygon;
    for (size_t i = 0; i < points.size(); ++i)
        polygon.push_back(FenceSegment::Make(points[i], points[(i + 1) % points.size()], 0));
    std::vector<FieldRect> rectangles;
    for (auto _ : state) benchmark::DoNotOptimize(CaptureArea(polygon, rectangles));
}
BENCHMARK(BM_CaptureAreaStaircase)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
