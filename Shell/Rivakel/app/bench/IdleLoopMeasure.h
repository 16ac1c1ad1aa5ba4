// Runs the real program on the headless backend with real waits, idle for `seconds`, then closes it
// (leaving without saving when the shell asks), and gives the share of one core it used in
// percent; nullopt when it did not start.
#pragma once

#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <thread>

#include "app/MainLoop.h"
#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/DialogTemplate.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

inline constexpr std::chrono::milliseconds kIdleWarmUp{1500};

inline std::optional<double> IdleLoopCpuPercent(int seconds) {
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    platform::headless::HeadlessBackend* headless = owned.get();
    headless->SetRealWaitMs(60'000);
    platform::SetBackend(std::move(owned));
    SetDialogScript([](CDialog& dialog) {
        dialog.Press(dialog.Name() == "IDD_QUIT_NOTSAVED" ? kIdDecline : kIdCancel);
    });
    if (StartProgram({}).has_value()) {
        SetDialogScript(nullptr);
        return std::nullopt;
    }
    // Measured after the window is up and its opening sound has played, and before the close:
    // the idle loop alone. std::clock counts every thread of the process.
    double cpu = 0, wall = 0;
    std::thread closer([headless, seconds, &cpu, &wall] {
        std::this_thread::sleep_for(kIdleWarmUp);
        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        headless->PushClose();
    });
    Run();
    closer.join();
    EndProgram();
    ResetProgram();
    SetDialogScript(nullptr);
    return 100.0 * cpu / wall;
}
