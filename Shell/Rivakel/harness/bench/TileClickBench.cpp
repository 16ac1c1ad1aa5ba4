// The start a player waits for: a click on a game's tile on the Games page of the real portal
// (headless backend) until the game's first frame is presented, for every game built. The game
// is stopped again between clicks, outside the timing. Goal: under 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/MainLoop.h"
#include "app/ProgramState.h"
#include "app/Session.h"
#include "app/ProgramMain.h"
#include "app/testing/BenchFolders.h"
#include "frame/games/GameTile.h"
#include "frame/host/GameHost.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPage.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPageX = 189, kPageY = 129;

CGameTile* FirstTile() {
    for (CSurface* child : Shell()->PageSurface()->Children())
        if (auto* tile = dynamic_cast<CGameTile*>(child)) return tile;
    return nullptr;
}

void BM_TileClickToFirstFrame(benchmark::State& state, const std::string& module) {
    const BenchFolders folders("rivakel-tile-click-bench");
    const fs::path rivakel = fs::path(std::getenv("XDG_DATA_HOME")) / "Rivakel";
    fs::create_directories(rivakel / "System");
    std::ofstream(rivakel / "System/Core.rdt") << "<RDT></RDT>";
    const std::string id = fs::path(module).stem().string();
    fs::create_directories(rivakel / "Games" / id);
    fs::copy_file(module, rivakel / "Games" / id / (id + ".gam"));
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    platform::headless::HeadlessBackend* headless = owned.get();
    platform::SetBackend(std::move(owned));
    if (StartProgram({}).has_value() || Shell() == nullptr) {
        state.SkipWithError("the program did not start");
        platform::SetBackend(nullptr);
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (CGameHost* host = GameHost(); host != nullptr && host->IsRunning()) host->Stop();
        Shell()->ShowPage(page_name::kGames);
        CGameTile* tile = FirstTile();
        if (tile == nullptr) {
            state.SkipWithError("no tile on the Games page");
            break;
        }
        int x = 0, y = 0;
        tile->GetLoc(x, y);
        state.ResumeTiming();

        headless->PushClick(kPageX + x + 40, kPageY + y + 30);
        int presentsAtStart = -1;
        RunNestedLoop(
            [&] {
                const int presents = headless->MainWindow()->PresentCount();
                if (presentsAtStart < 0 && Shell()->GameRunning()) presentsAtStart = presents;
                return presentsAtStart >= 0 && presents > presentsAtStart;
            },
            nullptr, nullptr);
    }
    if (CGameHost* host = GameHost(); host != nullptr && host->IsRunning()) host->Stop();
    StopSession();
    RunPendingSessionStop();
    EndProgram();
    ResetProgram();
    platform::SetBackend(nullptr);
    state.counters["goal_ms"] = 100;
}

// RIVAKEL_GAME_MODULES: "<game>=<module>" for every game built, separated by '|'.
const bool kRegistered = [] {
    std::istringstream games(RIVAKEL_GAME_MODULES);
    for (std::string game; std::getline(games, game, '|');) {
        const size_t equals = game.find('=');
        if (equals == std::string::npos) continue;
        benchmark::RegisterBenchmark(("BM_TileClickToFirstFrame/" + game.substr(0, equals)).c_str(),
                                     BM_TileClickToFirstFrame, game.substr(equals + 1))
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
