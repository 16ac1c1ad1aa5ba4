// What the shell's dialogs need of the program around them. The session fills it in once the
// shell window exists and empties it before the window goes; while `root` is null every
// dialog falls back to the platform's own message box (or its refusing answer).
#pragma once

#include <functional>
#include <string_view>

#include "platform/Platform.h"

class CSurface;
class CDialog;

struct DialogEnvironment {
    // The shell window's surface: boxes are drawn on it, centred.
    CSurface* root = nullptr;
    // Composes and presents the window now.
    std::function<void()> repaint;
    // Runs the window's loop (events, the single-instance channel, timers) until `done` answers
    // true or the session stops; every event is shown to `filter` first, which may take it, and
    // `turn` runs once before each wait.
    std::function<void(const std::function<bool()>& done, const std::function<bool(const platform::Event&)>& filter,
                       const std::function<void()>& turn)>
        runLoop;
    std::function<bool()> stopping;
    // Brings the main window back and to the front: a box in a minimised window is never seen.
    std::function<void()> raiseWindow;
    std::function<bool()> embedded;
    std::function<bool()> installed;
    // Installs the shell for the user (the companion install); saving the store follows.
    std::function<void()> installShell;
    // Queues a message to the portal's server.
    std::function<void(int type, std::string_view function, std::string_view params, bool forceConnection,
                       int priority)>
        queueMessage;
};

DialogEnvironment& CurrentDialogEnvironment();

// Called on every turn of an open dialog's loop (only for the topmost dialog): scripted runs and
// tests answer dialogs through it by pressing buttons, typing or queueing input. Empty: none.
using DialogScript = std::function<void(CDialog& dialog)>;
void SetDialogScript(DialogScript script);
const DialogScript& CurrentDialogScript();
