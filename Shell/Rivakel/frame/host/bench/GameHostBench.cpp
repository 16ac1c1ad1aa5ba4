// What the shell pays for the game host: reading the descriptions of a catalogue of twelve game
// modules (the game tiles), and starting and stopping a game.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/graphics/Surface.h"
#include "frame/host/GameInfo.h"
#include "frame/host/tests/GameHostTestServices.h"

namespace {

const std::vector<std::string> kCatalogue = {
    "TestGame",          "TestGameBare",      "TestGameCard",         "MisbehavingLeaveTimer",
    "MisbehavingLeaveListeners", "MisbehavingLeaveButtons", "MisbehavingLeaveSound", "MisbehavingLeavePageSurfaces",
    "MisbehavingEndTheRecord",   "MisbehavingThrows",       "MisbehavingAskForMail", "HostileSweep"};

void BM_ReadTwelveDescriptions(benchmark::State& state) {
    GameHostTestServices services;
    for (auto _ : state) {
        for (const std::string& name : kCatalogue) {
            GameInfo info;
            if (services.Host().ReadGameInfo(TestGamePath(name), info) != kHostOk) state.SkipWithError(name.c_str());
            if (info.logo != nullptr) info.logo->ReleaseInternalRef();
        }
    }
}
BENCHMARK(BM_ReadTwelveDescriptions)->Unit(benchmark::kMillisecond);

void BM_StartGame(benchmark::State& state) {
    GameHostTestServices services;
    for (auto _ : state) {
        services.Host().Start(TestGamePath("TestGame"), "");
        state.PauseTiming();
        services.Host().Stop();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartGame)->Unit(benchmark::kMillisecond);

void BM_StopGame(benchmark::State& state) {
    GameHostTestServices services;
    for (auto _ : state) {
        state.PauseTiming();
        services.Host().Start(TestGamePath("TestGame"), "");
        state.ResumeTiming();
        services.Host().Stop();
    }
}
BENCHMARK(BM_StopGame)->Unit(benchmark::kMillisecond);

}  // namespace
