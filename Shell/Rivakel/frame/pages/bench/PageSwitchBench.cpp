// Switching between the form pages and the others (each shown and the window composed) in the
// running portal with the built-in catalogue; goal: any switch under 20 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/testing/BenchFolders.h"
#include "app/testing/TestPortal.h"
#include "frame/shell/Shell.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

const std::vector<std::pair<const char*, int>> kPages = {
    {page_name::kHome, 0},     {page_name::kJoin, 0},    {page_name::kExit, 0},      {page_name::kGetMore, 1},
    {page_name::kAllGames, 0}, {page_name::kEmailThis, 2}, {page_name::kGames, 0},
};

// Shows page `from`, then measures showing page `to` and composing the window.
void BM_SwitchPage(benchmark::State& state) {
    const auto& from = kPages[static_cast<size_t>(state.range(0))];
    const auto& to = kPages[static_cast<size_t>(state.range(1))];
    const BenchFolders folders("rivakel-pages-bench");
    platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    if (!test_portal::Start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        Shell()->ShowPage(from.first, from.second);
        Shell()->Repaint();
        state.ResumeTiming();
        Shell()->ShowPage(to.first, to.second);
        Shell()->Repaint();
    }
    test_portal::End();
    platform::SetBackend(nullptr);
    state.SetLabel(std::string(from.first) + " -> " + to.first);
    state.counters["goal_ms"] = 20;
}

void AllPairs(benchmark::internal::Benchmark* bench) {
    const auto count = static_cast<int64_t>(kPages.size());
    for (int64_t from = 0; from < count; ++from)
        for (int64_t to = 0; to < count; ++to)
            if (from != to) bench->Args({from, to});
}
BENCHMARK(BM_SwitchPage)->Apply(AllPairs)->Unit(benchmark::kMillisecond);

}  // namespace
