#include "app/MainLoop.h"

#include <algorithm>

#include "app/App.h"
#include "app/MainWindowProc.h"
#include "app/ProgramState.h"
#include "app/Session.h"
#include "app/WindowPlacement.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/Timer.h"
#include "core/base/WaitSources.h"
#include "core/store/UserStore.h"
#include "frame/cardbacks/CardbackSelector.h"
#include "frame/shell/Shell.h"

namespace {

// Never past the next due timer; while inactive only the inactive-window timer counts.
uint32_t NextWaitMs() {
    const ProgramState& program = Program();
    CSubsystem_Clock* clock = ClockService();
    if (!clock) return kMaxEventWaitMs;
    if (program.inactive) {
        return program.inactiveTimer ? std::min(program.inactiveTimer->DueInMs(), kMaxEventWaitMs) : kMaxEventWaitMs;
    }
    return std::min(clock->NextDueInMs(), kMaxEventWaitMs);
}

void TickTimers() {
    const ProgramState& program = Program();
    CSubsystem_Clock* clock = ClockService();
    if (!clock) return;
    if (!program.inactive) {
        clock->TickAll();
    } else if (program.inactiveTimer) {
        program.inactiveTimer->Tick();
    }
}

void PlaceMainWindow(platform::Window& window, platform::Backend& backend) {
    const ProgramState& program = Program();
    if (program.embedded) return;
    CSubsystem_UserStore* store = UserStore();
    const RdtNode* user = store ? store->GetCurrentUser() : nullptr;
    if (std::optional<platform::Point> at = StoredWindowPosition(user, backend.UsableArea(), program.sizes)) {
        window.SetPosition(*at);
    }
}

void ShowMainWindow(platform::Backend& backend) {
    platform::Window* window = Program().mainWindow.get();
    if (!window) return;
    PlaceMainWindow(*window, backend);
    window->Show();
    RepaintMainWindow();
    if (g_pApp != nullptr && g_pApp->CardbackPending() && Shell() != nullptr)
        ShowCardbackChoice(*Shell(), g_pApp->CardbackPath());
    window->Raise();
    Info("Rivakel: main window %dx%d shown", Program().sizes.windowWidth, Program().sizes.windowHeight);
}

}  // namespace

void SetInactiveWindowTimer(CTimer* timer) { Program().inactiveTimer = timer; }

void RunNestedLoop(const std::function<bool()>& done, const std::function<bool(const platform::Event&)>& filter,
                   const std::function<void()>& turn) {
    ProgramState& program = Program();
    platform::Backend* backend = platform::GetBackend();
    if (!backend) return;
    const auto over = [&] { return program.quit || SessionStopping() || done(); };
    while (!over()) {
        if (turn) turn();
        if (over()) break;
        platform::Event event;
        // The server connection and later starts are served while a box is up: their answers must
        // not time out behind it.
        bool have = WaitForEventOrSources(*backend, event, NextWaitMs());
        while (have) {
            if (!filter || !filter(event)) MainWindowProc(event);
            if (over()) return;
            have = backend->PollEvent(event);
        }
        if (!over()) TickTimers();
    }
}

void Run() {
    ProgramState& program = Program();
    platform::Backend* backend = platform::GetBackend();
    if (!backend) return;
    ShowMainWindow(*backend);
    while (!program.quit) {
        platform::Event event;
        bool have = WaitForEventOrSources(*backend, event, NextWaitMs());
        while (have && !program.quit) {
            MainWindowProc(event);
            RunPendingSessionStop();
            have = !program.quit && backend->PollEvent(event);
        }
        RunPendingSessionStop();
        if (!program.quit) {
            TickTimers();
            RunPendingSessionStop();
        }
    }
    program.mainWindow.reset();
    Info("Rivakel: main loop ended");
}
