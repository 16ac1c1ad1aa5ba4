// What the shell hands a game at start: the utility interface, the game and page areas, the
// factory, the services and the settings. A game module exports exactly the two functions below.
#pragma once

#include <cstdint>

#include "frame/api/ShellObject.h"

class IShellFactory;
class IShellServices;
class ISettingsAccess;
class ISurface;

class IUtility : public IShellObject {
public:
    // 0 to 32767 from the one seed of the shell process.
    virtual int Rand() = 0;                                      // 2
    // Stops in an attached debugger, then returns.
    virtual void DebugBreak() = 0;                               // 3
    // -1 seeds from the wall clock's milliseconds since the shell started.
    virtual void SRand(int seed) = 0;                            // 4
    // printf rules; one debug line, cut to fit.
    virtual void DebugOutput(const char* format, ...) = 0;       // 5

protected:
    IUtility() = default;
    ~IUtility() override = default;
};

// The record is itself the utility interface. Applets never release or destroy what it holds.
class AppletRecord : public IUtility {
public:
    intptr_t reserved = 0;
    ISurface* gameArea = nullptr;         // 500 x 420; applets attach their screens to it
    ISurface* pageArea = nullptr;         // the page surface; the help page is drawn into its image
    IShellFactory* factory = nullptr;     // outlives the game
    IShellServices* services = nullptr;   // made for this start
    ISettingsAccess* settings = nullptr;  // made for this start

protected:
    AppletRecord() = default;
    ~AppletRecord() override = default;
};

// The exports, found by name: extern "C" int Shell_StartApplet(AppletRecord*) and
// extern "C" int Shell_StopApplet(AppletRecord*).
using ShellStartAppletFn = int (*)(AppletRecord* record);
using ShellStopAppletFn = int (*)(AppletRecord* record);
