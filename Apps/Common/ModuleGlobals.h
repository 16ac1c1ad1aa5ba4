// What one applet module keeps for its whole run: the interfaces of the record it was started
// with. Every applet module links its own copy of this library, so each has its own globals.
#pragma once

class AppletRecord;
class CApplet;
class IShellFactory;
class IShellServices;
class ISettingsAccess;
class ISurface;

struct ModuleGlobals {
    AppletRecord* record = nullptr;  // also the utility interface (Rand)
    IShellFactory* factory = nullptr;
    IShellServices* services = nullptr;
    ISettingsAccess* settings = nullptr;
    ISurface* gameArea = nullptr;
    ISurface* pageArea = nullptr;
    CApplet* applet = nullptr;  // the running root object, null between stop and start
};

// The module's globals; all null outside a run.
ModuleGlobals& Globals();
