// Runs the real program on the headless backend with real waits for `seconds`, then closes it,
// and gives the share of one core it used in percent; nullopt when it did not start.
#pragma once

#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <thread>

#include "core/app/MainLoop.h"
#include "core/app/ProgramState.h"
#include "core/app/WinMain.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

inline std::optional<double> IdleLoopCpuPercent(int seconds) {
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    platform::headless::HeadlessBackend* headless = owned.get();
    headless->SetRealWaitMs(60'000);
    platform::SetBackend(std::move(owned));
    if (StartProgram({}).has_value()) return std::nullopt;
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    std::thread closer([headless, seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        headless->PushClose();
    });
    Run();
    closer.join();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    EndProgram();
    ResetProgram();
    return 100.0 * cpu / wall;
}
