// The main loop: events, the single-instance channel and timers, until the session has ended.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Platform.h"

class CTimer;

// Longest wait for an event: the main window is never woken more than four times a second for
// nothing.
inline constexpr uint32_t kMaxEventWaitMs = 250;

// While the window is inactive no timer of the clock runs but this one (the shell frame's
// repaint timer, or its exit timer while closing). Null for none; cleared at the session's end,
// and to be cleared by whoever deletes the timer before that.
void SetInactiveWindowTimer(CTimer* timer);

// The loop of a modal box run from inside the main loop: events (each shown to `filter` first,
// which may take it), the waits' sources (the single-instance channel among them) and timers,
// until `done` answers true, the session stops or the program quits. `turn` runs once before
// each wait. The session's end is left to the main loop, once the box's caller has returned.
void RunNestedLoop(const std::function<bool()>& done, const std::function<bool(const platform::Event&)>& filter,
                   const std::function<void()>& turn);

// Shows the main window, runs the loop until the session's end asks it to quit, then
// destroys the main window.
void Run();
