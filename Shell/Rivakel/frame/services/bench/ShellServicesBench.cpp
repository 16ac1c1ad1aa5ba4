// A game's colour table made at its start: 262,144 colours, each its own value, nothing kept.
#include <benchmark/benchmark.h>

#include "frame/api/IShellServices.h"
#include "frame/services/ServiceObjects.h"

namespace {

void BM_AllocColourTable(benchmark::State& state) {
    IShellServices* services = MakeShellServices(nullptr, nullptr);
    for (auto _ : state) {
        for (int r = 0; r < 64; ++r)
            for (int g = 0; g < 64; ++g)
                for (int b = 0; b < 64; ++b) benchmark::DoNotOptimize(services->AllocColor(r * 4, g * 4, b * 4));
    }
    state.SetItemsProcessed(state.iterations() * 262144);
    services->Destroy(1);
}
BENCHMARK(BM_AllocColourTable)->Unit(benchmark::kMillisecond);

}  // namespace
