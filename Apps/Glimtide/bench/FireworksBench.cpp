// The fireworks' own cost per 50 ms tick, without the shell: the endless show with a fixed seed,
// and the sky at its fullest (every rocket of a salvo burst at once, all their sparks alive).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "Apps/Glimtide/FireworksRenderer.h"
#include "Apps/Glimtide/MemoryGame.h"

namespace {

using namespace glimtide;

AppletColor Device(int r, int g, int b) { return static_cast<AppletColor>((r << 16) | (g << 8) | b); }

const CColourTable& Colours() {
    static const CColourTable table(Device);
    return table;
}

struct Sky {
    std::minstd_rand random{12345};
    CFireworksRenderer renderer{Colours(), {[this] { return static_cast<int>(random() % 32768); }, nullptr}};

    Sky(Level level) { renderer.SetPalette(LevelPalette(level)); }

    // A rocket as the show launches it.
    void Launch(RocketKind kind) {
        const float x = static_cast<float>(renderer.Rand() % 250 - 124);
        const Vec3 velocity{renderer.RandomSigned() * 8, (renderer.RandomSigned() + 1) * 3 + 18, 0};
        const RocketBurst burst{kind, true, renderer.RandomPaletteColour(), false};
        const SparkStart start{{x, -280, 0}, velocity, {255, 255, 255}, static_cast<float>(renderer.Rand() % 20 + 100), 2, 5};
        if (renderer.Rand() % 2 == 1)
            renderer.Add<TrailRocket>(start, burst, renderer.Now());
        else
            renderer.Add<Rocket>(start, burst);
    }
};

void BM_ShowTicks(benchmark::State& state) {
    constexpr int kTicks = 6000;
    std::vector<double> ticks;
    size_t maxParticles = 0;
    int maxPoints = 0;
    for (auto _ : state) {
        Sky sky(Level::Show);
        ticks.clear();
        int nextLaunch = 0;
        for (int t = 0; t < kTicks; ++t) {
            const int now = t * 50;
            const auto start = std::chrono::steady_clock::now();
            sky.renderer.BeginFrame(nullptr);
            sky.renderer.Update(now);
            if (now >= nextLaunch) {
                nextLaunch = now + sky.renderer.Rand() % 2000 + 1500;
                sky.Launch(sky.renderer.Rand() % 3 == 1 ? RocketKind::SubRockets : RocketKind::Ordinary);
            }
            ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            maxParticles = std::max(maxParticles, static_cast<size_t>(sky.renderer.ParticleCount()));
            maxPoints = std::max(maxPoints, sky.renderer.Points().Count());
        }
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_mean_ms"] = [&] {
        double sum = 0;
        for (double t : ticks) sum += t;
        return sum / static_cast<double>(ticks.size());
    }();
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
    state.counters["max_particles"] = static_cast<double>(maxParticles);
    state.counters["max_points"] = maxPoints;
}

// Eight rockets burst in the same tick, half of them into rockets; the sky is timed when their
// sparks and the sub-rockets' shells are all alive.
void BM_FullestSkyTick(benchmark::State& state) {
    int particles = 0, points = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Sky sky(Level::Show);
        for (int i = 0; i < 8; ++i) {
            const RocketBurst burst{i % 2 ? RocketKind::SubRockets : RocketKind::Ordinary, true, {255, 200, 0}, false};
            sky.renderer.Add<Rocket>(SparkStart{{static_cast<float>(i * 30 - 100), -20, 0}, {}, {255, 255, 255}, 0, 2, 5},
                                     burst);
        }
        for (int t = 1; t <= 34; ++t) sky.renderer.Update(t * 50);
        sky.renderer.BeginFrame(nullptr);
        state.ResumeTiming();
        sky.renderer.Update(35 * 50);
        particles = sky.renderer.ParticleCount();
        points = sky.renderer.Points().Count();
    }
    state.counters["particles"] = particles;
    state.counters["points"] = points;
}

}  // namespace

BENCHMARK(BM_ShowTicks)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FullestSkyTick)->Unit(benchmark::kMillisecond);
