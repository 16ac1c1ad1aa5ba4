// Program-wide state of the shell process, owned by the program rather than by `CApp`, so the
// main loop and its final teardown never touch an application object that the session freed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/WindowSizeTable.h"
#include "platform/Host.h"
#include "platform/Platform.h"

class CTimer;

struct ProgramState {
    std::vector<std::string> arguments;  // without the program's name
    int screenWidth = 0;
    int screenHeight = 0;
    bool embedded = false;
    bool oldestBuild = false;  // the big menu buttons and the more-games notice
    int64_t parentWindow = 0;
    WindowSizeTable sizes;

    std::unique_ptr<platform::Window> mainWindow;
    std::unique_ptr<platform::InstanceChannel> instance;

    bool localTestServer = false;
    std::string testServerAddress;  // "host:port"

    bool pendingRml = false;
    std::string pendingRmlPath;
    // The pending mailing is the one kept by an earlier start, not a file named on the command line.
    bool pendingRmlKept = false;

    bool inactive = false;
    // The one shell timer that still runs while the window is inactive; set by the shell frame.
    CTimer* inactiveTimer = nullptr;
    bool quit = false;  // ends the main loop
};

ProgramState& Program();
// Drops every piece of program state (window, instance channel) and starts afresh; a process
// runs one program, but tests start many in turn.
void ResetProgram();
