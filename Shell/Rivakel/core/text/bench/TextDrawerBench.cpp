#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/text/TextDrawer.h"
#include "platform/fonts/Fonts.h"

namespace {

constexpr std::string_view kLine = "The quick brown fox jumps over the lazy dog, 0123456789 ABCD";

std::unique_ptr<platform::Font> TwelvePixelFont(bool system) {
    platform::FontRequest request;
    request.face = "Arial";
    request.height = -12;
    std::unique_ptr<platform::Font> font = system ? platform::OpenSystemFont(request) : nullptr;
    return font ? std::move(font) : platform::OpenBitmapFont(request);
}

// Goal: a warm 60-character line of 12-pixel text in under 20 microseconds.
void DrawLine(benchmark::State& state) {
    auto font = TwelvePixelFont(state.range(0) != 0);
    std::vector<uint32_t> pixels(800 * 600, 0);
    const platform::PixelView view{pixels.data(), 800, 600, 800};
    const TextStyle style{0x333399, std::nullopt, false, false};
    DrawText(view, {0, 0, 800, 600}, {10, 10}, kLine, *font, style);
    for (auto _ : state) {
        DrawText(view, {0, 0, 800, 600}, {10, 10}, kLine, *font, style);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawLine)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void DrawLineOpaqueUnderlined(benchmark::State& state) {
    auto font = TwelvePixelFont(true);
    std::vector<uint32_t> pixels(800 * 600, 0);
    const platform::PixelView view{pixels.data(), 800, 600, 800};
    const TextStyle style{0x333399, 0xFFFFCC, true, false};
    for (auto _ : state) {
        DrawText(view, {0, 0, 800, 600}, {10, 10}, kLine, *font, style);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawLineOpaqueUnderlined)->Unit(benchmark::kMicrosecond);

void MeasureLine(benchmark::State& state) {
    auto font = TwelvePixelFont(true);
    for (auto _ : state) benchmark::DoNotOptimize(TextExtent(*font, kLine));
}
BENCHMARK(MeasureLine);

}  // namespace
