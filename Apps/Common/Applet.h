// The root object of an applet: one per run, made by Shell_StartApplet and destroyed by
// Shell_StopApplet. It keeps the record's interfaces in the module's globals, holds the current
// screen, answers the shell's Instructions event with the help page, and makes the text buttons
// every screen uses. Each game derives its own root object from it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "Apps/Common/HelpPages.h"
#include "Apps/Common/TextButtonStyle.h"
#include "frame/api/ShellObject.h"

class AppletRecord;
class CScreen;
class IEventListener;
class IImage;
class ISurface;

class CApplet {
public:
    CApplet(AppletRecord* record, HelpPageStyle help);
    // Deletes the current screen (when the game's own destructor has not), releases the help
    // listener and the canvas, and clears the module's globals.
    virtual ~CApplet();
    CApplet(const CApplet&) = delete;
    CApplet& operator=(const CApplet&) = delete;

    // Deletes `oldScreen` (the current one, or null for the first) and makes `newScreen`
    // current. Called from the old screen's own callbacks: the caller returns at once. 0.
    int SetScreen(CScreen* oldScreen, CScreen* newScreen);
    CScreen* Screen() const { return screen_; }

    // A rollover button of the label at (x, y) on `owner`, with user value `id`; the caller
    // owns it (detach it from the owner and release it when done). Null when the label is null.
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback, const TextButtonStyle& style);

    // Draws the first help page on the page surface's picture. 0.
    int ShowHelpPage(intptr_t* args);
    CHelpPages& Help() { return *help_; }

    // The record's utility: 0 to 32767 from the shell's generator.
    int Rand();

    // Per-player settings of the current user (see PlayerSettings.h).
    int SetPlayerSetting(const char* player, const char* item, const char* value);
    void GetPlayerSetting(const char* player, const char* item, std::span<char> out);
    void SetPlayerSettingInt(const char* player, const char* item, int value);
    int GetPlayerSettingInt(const char* player, const char* item, int* out = nullptr);

protected:
    // Deletes the current screen now, so a game can release what its screens draw with after.
    void EndScreen();
    AppletRecord* record() const { return record_; }

private:
    AppletRecord* record_;
    std::unique_ptr<CHelpPages> help_;
    CScreen* screen_ = nullptr;
    ShellRef<IEventListener> helpListener_;
};

// The exports of an applet module call these. Start makes the root object (nothing thrown
// crosses into the shell: a failed start leaves no object) and names the game; Stop destroys
// whatever root object exists. Both answer 0.
template <class Root>
int StartApplet(AppletRecord* record, const char* displayName);
int StopApplet();

namespace applet_entry {
// Keeps `root` as the module's root object and names the game.
int Started(CApplet* root, AppletRecord* record, const char* displayName);
}  // namespace applet_entry

template <class Root>
int StartApplet(AppletRecord* record, const char* displayName) {
    StopApplet();
    CApplet* root = nullptr;
    try {
        root = new Root(record);
    } catch (...) {
        root = nullptr;
    }
    return applet_entry::Started(root, record, displayName);
}

// Marks the two exports: C names, visible outside the module.
#define APPLET_EXPORT extern "C" __attribute__((visibility("default")))

// The module's two entry points: the shell starts the game's root object `Root` with its record
// (naming the game `displayName`) and stops it. Written once, in the game's Exports.cpp.
#define RIVAKEL_APPLET_ENTRY_POINTS(Root, displayName)                                                   \
    APPLET_EXPORT int Shell_StartApplet(AppletRecord* record) { return StartApplet<Root>(record, displayName); } \
    APPLET_EXPORT int Shell_StopApplet(AppletRecord* /*record*/) { return StopApplet(); }
