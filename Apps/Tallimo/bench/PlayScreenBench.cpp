// A level-21 play tick composed in the shell's window on the headless backend: the 502-pixel
// truck, the belt's animation and the balls on it and falling, with Space dropping balls as a
// player would; the game's tick, the shell's compose and present together.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <vector>

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Tallimo/PlayScreen.h"
#include "Apps/Tallimo/TallimoApplet.h"
#include "core/store/tests/StoreTestFolder.h"
#include "harness/InProcessRecord.h"

namespace {

using namespace tallimo;

void BM_Level21TickComposed(benchmark::State& state) {
    std::vector<double> ticks;
    for (auto _ : state) {
        StoreTestFolder folder;
        // The game's pictures as files of its folder, where a game's files are found.
        const std::filesystem::path games = std::filesystem::path(folder.Path()) / "Rivakel";
        std::filesystem::create_directories(games);
        for (const auto& entry : std::filesystem::directory_iterator(TALLIMO_ART_DIR))
            std::filesystem::copy_file(entry.path(), games / entry.path().filename());
        CAppletHarness harness({folder.Path()});
        InProcessRecord inProcess(harness);
        {
            CTallimoApplet game(inProcess.record);
            game.SetScreen(game.Screen(), nullptr);
            auto* play = new CPlayScreen(game, true, kLastLevel);
            game.SetScreen(nullptr, play);
            std::array<intptr_t, 5> space{reinterpret_cast<intptr_t>(play), 0, 0x20, 0, 0};
            ticks.clear();
            // One truck, until the key after its check sends it away and another screen follows.
            for (int i = 0; i < 3000 && game.Screen() == play; ++i) {
                if (i % 10 == 0) play->OnKey(space.data());
                const auto start = std::chrono::steady_clock::now();
                harness.AdvanceMs(20, 20);
                ticks.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            state.counters["pictures_loaded"] = game.GetPicture(Picture::Truck) != nullptr ? 1 : 0;
        }
        Globals() = {};
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["tick_median_ms"] = ticks[ticks.size() / 2];
    state.counters["tick_p99_ms"] = ticks[ticks.size() * 99 / 100];
    state.counters["tick_max_ms"] = ticks.back();
}

}  // namespace

BENCHMARK(BM_Level21TickComposed)->Unit(benchmark::kMillisecond)->Iterations(1);
