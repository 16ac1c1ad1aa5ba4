// The Games page of a shell with 100 installed games: enumerating and reading every game file,
// placing the tiles and composing the window; goal: under 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/testing/BenchFolders.h"
#include "app/testing/TestPortal.h"
#include "frame/shell/Shell.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGames = 100;

void BM_GamesPageWithAHundredGames(benchmark::State& state) {
    const BenchFolders folders("rivakel-games-bench");
    const fs::path rivakel = fs::path(std::getenv("XDG_DATA_HOME")) / "Rivakel";
    fs::create_directories(rivakel / "System");
    std::ofstream(rivakel / "System/Core.rdt") << "<RDT></RDT>";
    for (int i = 0; i < kGames; ++i) {
        const std::string name = "Game" + std::to_string(i);
        fs::create_directories(rivakel / "Games" / name);
        fs::copy_file(SHELL_TEST_GAME, rivakel / "Games" / name / (name + ".gam"));
    }
    platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    if (!test_portal::Start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        Shell()->ShowPage(page_name::kGames);
        Shell()->Repaint();
    }
    test_portal::End();
    platform::SetBackend(nullptr);
    state.counters["goal_ms"] = 50;
}
BENCHMARK(BM_GamesPageWithAHundredGames)->Unit(benchmark::kMillisecond);

}  // namespace
