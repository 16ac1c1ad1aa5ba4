#include "app/testing/TestPortal.h"

#include <fstream>

#include "app/App.h"
#include "app/MainLoop.h"
#include "app/MainWindowProc.h"
#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "app/ServerLink.h"
#include "app/Session.h"
#include "app/SessionGames.h"
#include "app/TestServerMarker.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/WaitSources.h"
#include "frame/shell/Shell.h"
#include "platform/headless/HeadlessBackend.h"

namespace test_portal {

void End() {
    StopSession();
    RunPendingSessionStop();
    EndProgram();
    ResetProgram();
}

bool Start(const std::vector<std::string>& args) {
    // A program starting over one still running would drop the first one's state under its feet.
    if (Program().mainWindow) End();
    return !StartProgram(args).has_value() && Shell() != nullptr;
}

void Pump(platform::headless::HeadlessBackend& headless, uint32_t ms) {
    const uint32_t until = headless.TickMs() + ms;
    RunNestedLoop([&] { return static_cast<int32_t>(headless.TickMs() - until) >= 0; }, nullptr, nullptr);
}

void RunUntil(const std::function<bool()>& done) { RunNestedLoop(done, nullptr, nullptr); }

void Turn(platform::headless::HeadlessBackend& headless, uint32_t waitMs) {
    platform::Event event;
    bool have = WaitForEventOrSources(headless, event, waitMs);
    while (have) {
        MainWindowProc(event);
        have = headless.PollEvent(event);
    }
    ClockService()->TickAll();
}

void Deliver(const platform::Event& event) { MainWindowProc(event); }

void StopSession() { ::StopSession(); }

void RunPendingStop() { RunPendingSessionStop(); }

bool SessionStopping() { return ::SessionStopping(); }

platform::Window* MainWindow() { return Program().mainWindow.get(); }

bool Installed() { return g_pApp != nullptr && g_pApp->IsInstalled(); }

std::shared_ptr<CGamesPages> GamesPages() { return SessionGamesPages(); }

bool BannerDefinitionsPending() { return PendingBannerDefinitions() != nullptr; }

void UseLocalServer(const std::filesystem::path& dataHome, uint16_t port) {
    std::filesystem::create_directories(dataHome / "Rivakel");
    std::ofstream(dataHome / "Rivakel" / std::string(kTestServerMarkerName)) << "127.0.0.1:" << port << "\n";
}

}  // namespace test_portal
