// Repainting the whole 800x572 window from images: compose and present on the headless backend.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/graphics/VideoService.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

void BM_RepaintWholeWindow(benchmark::State& state) {
    platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    platform::WindowParams params;
    params.width = 800;
    params.height = 572;
    auto window = CreateVideoWindow(params);
    auto video = CreateVideoService(window.get(), {});
    CRenderTarget root(800, 572, 0), page(800, 572, 0), tile(120, 90, CRenderTarget::kFlagColorKeyed);
    page.ClearToColor(20, 40, 80);
    tile.SetCurColor(200, 180, 0);
    tile.DrawEllipse(0, 0, 120, 90);
    for (auto _ : state) {
        root.BlitAt(page, 0, 0, 0);
        for (int i = 0; i < 24; ++i) root.BlitAt(tile, (i % 6) * 130 + 10, (i / 6) * 130 + 40, 0);
        video->AddDirty(0, 0, 800, 572);
        video->Present(root);
        video->ClearDirty();
    }
}

}  // namespace

BENCHMARK(BM_RepaintWholeWindow)->Unit(benchmark::kMicrosecond);
