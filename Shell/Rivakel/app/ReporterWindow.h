// A window of the error reporter's own, with just the services the shell's dialog kit draws and
// takes input with: the reporter is a fresh process with no session, no store and no shell frame.
#pragma once

#include <functional>

// Runs `body` (which shows dialogs) while the window is up; the window goes when it returns.
// False, with nothing run, when no window can be made.
bool RunInReporterWindow(const std::function<void()>& body);
