#include "app/ProgramMain.h"

#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainLoop.h"
#include "app/ProgramState.h"
#include "app/ReporterWindow.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/Splash.h"
#include "app/TestServerMarker.h"
#include "core/base/Log.h"
#include "core/report/ErrorReport.h"
#include "oldest/OldestBuild.h"
#include "platform/Host.h"

namespace {

// The fault handler of the program's run; dropped with the program, so that an exit that
// stopped the session in order leaves neither a handler nor its empty record behind.
std::unique_ptr<platform::CrashCapture>& ErrorReportCapture() {
    static std::unique_ptr<platform::CrashCapture> capture;
    return capture;
}

// A later start ends here when the first instance runs; a first instance that never finishes
// shutting down ends it with the box and -1.
bool SettleSingleInstance(platform::Backend& backend, const InstanceWait& wait, int& exitCode) {
    ProgramState& program = Program();
    program.instance = platform::OpenInstanceChannel("Rivakel");
    if (!program.instance) {
        Warning("ProgramMain: no single-instance channel; running without one");
        return true;
    }
    switch (ClaimSingleInstance(*program.instance, backend, wait)) {
    case InstanceOutcome::Primary:
        return true;
    case InstanceOutcome::ActivatedOther:
    case InstanceOutcome::EndedBySignal:
        program.instance.reset();
        exitCode = 0;
        return false;
    case InstanceOutcome::OtherNeverStopped:
        backend.MessageBox(kCantStopCaption, kCantStopText, platform::MbOk | platform::MbIconError);
        platform::ExitProcess(-1);
    }
    return true;
}

// Checked before the splash, the first thing with text, and before anything is written.
bool FontsAvailable(platform::Backend& backend) {
    if (backend.HasInstalledFonts()) return true;
    const std::string text =
        "Rivakel found no fonts on this computer, so it cannot show any text.\n"
        "Please install a font package (fonts-liberation2 is the one Rivakel is made for) and start Rivakel again.";
    platform::DebugOutput("Rivakel: " + text + "\n");
    backend.MessageBox("Rivakel cannot start", text, platform::MbOk | platform::MbIconError);
    return false;
}

// Nobody could see a program without its window, let alone close it, and a later start would
// only raise what is not there: say so, stop the session in its order and end.
int EndWithoutWindow(platform::Backend& backend) {
    const std::string text =
        "Rivakel could not open its window, so it cannot run.\n"
        "Please check that the display is working, then start Rivakel again.";
    platform::DebugOutput("Rivakel: " + text + "\n");
    backend.MessageBox("Rivakel cannot start", text, platform::MbOk | platform::MbIconError);
    StopSession();
    RunPendingSessionStop();
    return kExitNoWindow;
}

}  // namespace

std::optional<int> StartProgram(const std::vector<std::string>& startArgs, const InstanceWait& wait) {
    platform::Backend* backend = platform::GetBackend();
    if (!backend) {
        platform::DebugOutput("Rivakel: no display is available, so the portal cannot start. "
                              "Run it inside a graphical session (DISPLAY or WAYLAND_DISPLAY must be set).\n");
        return kExitNoDisplay;
    }
    ResetProgram();
    ProgramState& program = Program();
    // The oldest build is this program with its own menu bar and notice; the rest of the
    // command line is the same.
    std::vector<std::string> args = startArgs;
    if (!args.empty() && args.front() == kOldestBuildSwitch) {
        program.oldestBuild = true;
        args.erase(args.begin());
    }
    program.arguments = args;
    // Whatever ends the process from here on (a failed installation, a resource shortage, a box
    // before the session) stops the running game and the session in order first, as a close does.
    platform::SetBeforeExit([] {
        EndSessionNow();
        EndProgram();
    });
    // From here on a termination signal ends the program in order, as the window's close does: a
    // wait for the first instance or a box before the window ends with 0, the box with it.
    platform::CatchCloseSignals();

    int exitCode = 0;
    if (!SettleSingleInstance(*backend, wait, exitCode)) return exitCode;
    WatchInstanceChannel(true);
    if (!FontsAvailable(*backend)) {
        program.instance.reset();
        return kExitNoFonts;
    }

    std::srand(backend->TickMs());
    const platform::Point screen = backend->ScreenSize();
    program.screenWidth = screen.x;
    program.screenHeight = screen.y;

    const StartOptions options = ScanStartOptions(args);
    program.embedded = options.embedded;
    program.parentWindow = options.parentWindow;
    program.sizes = ChooseWindowSize(program.screenWidth, options.embedded, options.bigWindow);

    int sessionResult = 0;
    {
        CSplash splash(*backend, screen);
        if (std::optional<std::string> address = ReadTestServerMarker()) {
            program.localTestServer = true;
            program.testServerAddress = *address;
        }
        sessionResult = SetSessionGUID(args);
    }
    if (sessionResult != 0) return sessionResult;
    if (SessionStopping()) return 0;
    if (!program.mainWindow) return EndWithoutWindow(*backend);
    return std::nullopt;
}

void EndProgram() {
    ProgramState& program = Program();
    program.mainWindow.reset();
    WatchInstanceChannel(false);
    program.instance.reset();
    platform::SetBeforeExit({});
    ErrorReportCapture().reset();
}

int ProgramMain(int argc, char** argv) {
    const std::span<char* const> all(argv, static_cast<size_t>(argc));
    const Arguments args(all.empty() ? all.end() : all.begin() + 1, all.end());
    if (!args.empty() && args[0] == kErrorReportSwitch) {
        // A termination signal closes the report's dialogs; the program then ends with 0.
        platform::CatchCloseSignals();
        const std::vector<std::string> reporterArgs(args.begin() + 1, args.end());
        return RunErrorReporter(reporterArgs, RunInReporterWindow);
    }
    ErrorReportCapture() = InstallErrorReport();
    std::optional<int> exitCode = StartProgram(args);
    if (!exitCode) Run();
    EndProgram();
    return exitCode.value_or(0);
}
