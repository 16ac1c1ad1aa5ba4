// Mouse dispatch over a large registry: 5,000 events on 1,000 surfaces, moves across them.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Surface.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

int Continue(intptr_t*) { return 1; }

void BM_DispatchMoveWithManyEvents(benchmark::State& state) {
    auto previous = platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    CSubsystem_Event* events = CreateEventService();
    auto* root = new CSurface(800, 600, 0);
    root->AddInternalRef();
    events->SetRoot(root);
    std::vector<ListenerPtr> listeners;
    for (int i = 0; i < 1000; ++i) {
        auto* surface = new CSurface(20, 20, CSurface::kFlagInteractive);
        surface->SetLoc((i % 40) * 20, (i / 40) * 20);
        root->AttachSurface(surface);
        for (int code : {kEventLeftDown, kEventMouseMove, kEventClick}) {
            listeners.push_back(events->Listen(surface, code, nullptr, Continue));
        }
    }
    int step = 0;
    for (auto _ : state) {
        ++step;
        events->DispatchMouse(kEventMouseMove, (step * 7) % 800, (step * 3) % 500);
    }
    state.counters["events"] = static_cast<double>(events->EventCount());
    listeners.clear();
    root->ReleaseInternalRef();
    DestroyEventService();
    platform::SetBackend(std::move(previous));
}
BENCHMARK(BM_DispatchMoveWithManyEvents);

}  // namespace
