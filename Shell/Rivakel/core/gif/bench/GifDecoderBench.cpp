// The decoder against giflib (decode plus the same composition) on the same data. The
// counters report output pixels per second; compare the two rows of each case for the ratio.
#include <benchmark/benchmark.h>

#include "core/gif/GifDecoder.h"
#include "core/gif/tests/GifTestWriter.h"
#include "core/gif/tests/GiflibComposer.h"

namespace {

std::vector<uint32_t> Palette(int colours) {
    std::vector<uint32_t> table;
    for (int i = 0; i < colours; ++i) table.push_back(static_cast<uint32_t>(i) * 0x9E3779u & 0xFFFFFF);
    return table;
}

// A wide picture of smooth bands, like the game-area backgrounds.
const std::vector<uint8_t>& Landscape() {
    static const std::vector<uint8_t> data = [] {
        giftest::File file;
        file.width = 1567;
        file.height = 396;
        file.globalTable = Palette(64);
        giftest::Frame f;
        f.width = file.width;
        f.height = file.height;
        f.indices.resize(static_cast<size_t>(f.width) * static_cast<size_t>(f.height));
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x)
                f.indices[static_cast<size_t>(y * f.width + x)] = static_cast<uint8_t>((x / 40 + y / 12 + (x * y) % 7 / 6) % 64);
        file.frames.push_back(f);
        return giftest::Write(file);
    }();
    return data;
}

// 40 frames of 117x84 with transparency, like a sprite animation.
const std::vector<uint8_t>& Animation() {
    static const std::vector<uint8_t> data = [] {
        giftest::File file;
        file.width = 117;
        file.height = 84;
        file.loop = true;
        file.globalTable = Palette(32);
        for (int i = 0; i < 40; ++i) {
            giftest::Frame f;
            f.width = file.width;
            f.height = file.height;
            f.indices = giftest::Pattern(f.width, f.height, 32, static_cast<unsigned>(i));
            f.transparentIndex = 0;
            f.disposal = 1;
            file.frames.push_back(f);
        }
        return giftest::Write(file);
    }();
    return data;
}

// 256-colour noise: short strings, the worst case for LZW.
const std::vector<uint8_t>& Noise() {
    static const std::vector<uint8_t> data = [] {
        giftest::File file;
        file.width = 640;
        file.height = 480;
        file.globalTable = Palette(256);
        giftest::Frame f;
        f.width = file.width;
        f.height = file.height;
        f.indices.resize(static_cast<size_t>(f.width) * static_cast<size_t>(f.height));
        uint32_t state = 1;
        for (auto& index : f.indices) index = static_cast<uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
        file.frames.push_back(f);
        return giftest::Write(file);
    }();
    return data;
}

int64_t Pixels(const GifImage& image) {
    return static_cast<int64_t>(image.width) * image.height * static_cast<int64_t>(image.frames.size());
}

template <const std::vector<uint8_t>& (*Data)()>
void BM_Rivakel(benchmark::State& state) {
    GifImage image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeGif(Data(), image));
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(Pixels(image)), benchmark::Counter::kIsIterationInvariantRate);
}

template <const std::vector<uint8_t>& (*Data)()>
void BM_Giflib(benchmark::State& state) {
    int64_t pixels = 0;
    for (auto _ : state) {
        auto image = giftest::ComposeWithGiflib(Data());
        pixels = image ? Pixels(*image) : 0;
        benchmark::DoNotOptimize(image);
    }
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Rivakel<Landscape>);
BENCHMARK(BM_Giflib<Landscape>);
BENCHMARK(BM_Rivakel<Animation>);
BENCHMARK(BM_Giflib<Animation>);
BENCHMARK(BM_Rivakel<Noise>);
BENCHMARK(BM_Giflib<Noise>);

}  // namespace
