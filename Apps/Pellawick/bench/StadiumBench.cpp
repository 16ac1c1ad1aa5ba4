// The stadium's own share of the play tick and of the stadium setup, before any picture: seating
// the big stadium (32 customers with looks, schemes and legs), and a 20 ms tick of the world with
// every customer waiting with a bubble.
#include <benchmark/benchmark.h>

#include <climits>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Pellawick/Stadium.h"

namespace {

using namespace pellawick;

void BM_SeatTheBigStadium(benchmark::State& state) {
    ModuleRandom random;
    const RandomSource rand = [&random] { return random.Next(); };
    for (auto _ : state) {
        Stadium stadium(League::Major, League::Major, rand);
        stadium.NewGame();
        stadium.StartInning(1, BuiltInLevels(2), 0);
        benchmark::DoNotOptimize(stadium.Customers().data());
    }
}

void BM_BusyTick(benchmark::State& state) {
    ModuleRandom random;
    const RandomSource rand = [&random] { return random.Next(); };
    LevelValues busy = BuiltInLevels(2);
    busy.totalPatience = INT_MAX / 8;  // the crowd keeps waiting, nobody ends the play
    busy.minTimeBetweenCustomers = 0;
    busy.maxTimeBetweenCustomers = 0;
    Stadium stadium(League::Major, League::Major, rand);
    stadium.NewGame();
    stadium.StartInning(1, busy, 0);
    int now = 0;
    for (int i = 0; i < 200; ++i) stadium.Update(now += 20);
    for (auto _ : state) {
        stadium.Update(now += 20);
        for (const Customer& c : stadium.Customers()) benchmark::DoNotOptimize(stadium.BubbleOf(c, now));
        stadium.TakeSounds();
    }
    state.counters["hungry"] = stadium.Hungry();
}

BENCHMARK(BM_SeatTheBigStadium)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BusyTick)->Unit(benchmark::kMicrosecond);

}  // namespace
