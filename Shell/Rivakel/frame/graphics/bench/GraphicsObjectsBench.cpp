// Costs an applet pays at the boundary every tick: a getter's wrapper made and released, and a
// particle frame of pixels set and cleared.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"
#include "frame/graphics/GraphicsObjects.h"

namespace {

void BM_GetImageAndRelease(benchmark::State& state) {
    SurfaceTestServices services;
    ISurface* surface = MakeSurfaceObject(new CSurface(500, 420, 0));
    for (auto _ : state) {
        IImage* image = nullptr;
        surface->GetImage(&image);
        benchmark::DoNotOptimize(image);
        image->Release();
    }
    state.SetItemsProcessed(state.iterations());
    surface->Release();
}
BENCHMARK(BM_GetImageAndRelease)->Iterations(1000000);

void BM_SetThenClearPixels(benchmark::State& state) {
    SurfaceTestServices services;
    IImage* image = MakeImageObject(new CImage(nullptr, 500, 420, CRenderTarget::kFlagColorKeyed));
    const AppletColor colour = 0xC87828;
    std::mt19937 random(7);
    std::vector<AppletPixelEntry> points(50000);
    for (AppletPixelEntry& point : points) {
        point = {static_cast<int>(random() % 502) - 1, static_cast<int>(random() % 422) - 1, colour};
    }
    for (auto _ : state) {
        image->SetPixels(points.data(), static_cast<int>(points.size()), 1);
        image->ClearPixels(points.data(), static_cast<int>(points.size()), 1);
    }
    image->Release();
}
BENCHMARK(BM_SetThenClearPixels)->Unit(benchmark::kMicrosecond);

}  // namespace
