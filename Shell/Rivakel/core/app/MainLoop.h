// The main loop: events, the single-instance channel and timers, until the session has ended.
#pragma once

#include <cstdint>

// Longest wait for an event, so later starts get their answers promptly.
inline constexpr uint32_t kMaxEventWaitMs = 50;

// Shows the main window, runs the loop until the session's end asks it to quit, then
// destroys the main window.
void Run();
