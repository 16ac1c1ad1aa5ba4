// Switching between the Support, About and Settings pages, each with its text, buttons and
// fields, and composing the window; goal: under 20 ms a switch.
#include <benchmark/benchmark.h>

#include <array>
#include <utility>

#include "frame/shell/bench/BenchPortal.h"

namespace {

using Page = std::pair<const char*, int>;
constexpr std::array<Page, 5> kPages = {{
    {page_name::kSupport, 101},
    {page_name::kSupport, 152},
    {page_name::kAbout, 0},
    {page_name::kAbout, CShell::kAboutSealsView},
    {page_name::kSettings, 0},
}};

void BM_SwitchPages(benchmark::State& state) {
    BenchPortal portal(true);
    if (!portal.ok) {
        state.SkipWithError("the program did not start");
        return;
    }
    const Page from = kPages[static_cast<size_t>(state.range(0))];
    const Page to = kPages[static_cast<size_t>(state.range(1))];
    for (auto _ : state) {
        Shell()->ShowPage(from.first, from.second);
        Shell()->Repaint();
        Shell()->ShowPage(to.first, to.second);
        Shell()->Repaint();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["goal_ms_per_switch"] = 20;
}
BENCHMARK(BM_SwitchPages)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
