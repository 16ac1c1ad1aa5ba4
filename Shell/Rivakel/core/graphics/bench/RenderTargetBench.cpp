#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "core/graphics/RenderTarget.h"

namespace {

constexpr int kW = 500, kH = 420;

void FillPattern(CRenderTarget& target, bool withKey) {
    platform::PixelView view = target.Lock();
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            view.Row(y)[x] = withKey && ((x / 7 + y / 5) % 3 == 0) ? CRenderTarget::kColorKey : (x * 31u + y * 17u) & 0xFFFFFF;
        }
    }
}

// Seconds per copy of the same bytes with memcpy, for the opaque blit's ratio.
double MemcpySeconds() {
    std::vector<uint32_t> from(kW * kH, 1), to(kW * kH);
    constexpr int kRounds = 2000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds;
}

void RunBlit(benchmark::State& state, unsigned flags, bool keyed, int dstW, int dstH) {
    CRenderTarget src(kW, kH, keyed ? CRenderTarget::kFlagColorKeyed : 0), dst(dstW, dstH, 0);
    FillPattern(src, keyed);
    const platform::Rect d{0, 0, dstW, dstH};
    for (auto _ : state) {
        dst.Blit(&d, src, nullptr, flags);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
    }
    state.counters["pixels/s"] =
        benchmark::Counter(static_cast<double>(dstW) * dstH, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_BlitOpaque(benchmark::State& state) { RunBlit(state, 0, false, kW, kH); }

void BM_BlitOpaqueVsMemcpy(benchmark::State& state) {
    CRenderTarget src(kW, kH, 0), dst(kW, kH, 0);
    FillPattern(src, false);
    const double memcpySeconds = MemcpySeconds();
    const auto start = std::chrono::steady_clock::now();
    int64_t blits = 0;
    for (auto _ : state) {
        dst.Blit(nullptr, src, nullptr, 0);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
        ++blits;
    }
    const double blitSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / blits;
    state.counters["time_vs_memcpy"] = blitSeconds / memcpySeconds;
}

void BM_BlitKeyed(benchmark::State& state) { RunBlit(state, 0, true, kW, kH); }
void BM_BlitMirroredBoth(benchmark::State& state) { RunBlit(state, 3, true, kW, kH); }
void BM_BlitStretched(benchmark::State& state) { RunBlit(state, 0, true, 800, 572); }

void BM_SetPixels50000(benchmark::State& state) {
    CRenderTarget target(640, 452, 0);
    std::vector<ColoredPoint> items;
    for (int i = 0; i < 50000; ++i) items.push_back({(i * 37) % 640, (i * 11) % 452, (i & 0xFFu) << 16});
    for (auto _ : state) {
        target.SetPixels(items);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_BlitOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlitOpaqueVsMemcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlitKeyed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlitMirroredBoth)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlitStretched)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetPixels50000)->Unit(benchmark::kMicrosecond);
