// The interval timer behind every periodic action of the shell and the applets.
#pragma once

#include <cstdint>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/RefCounted.h"

// Receives {context, elapsed ms since start, the same again}; the result is ignored.
using TimerCallback = int (*)(intptr_t* args);

class CTimer : public CRefCounted {
public:
    CTimer(void* context, uint32_t intervalMs, TimerCallback callback);
    // Unregisters a running timer; safe inside its own callback.
    ~CTimer() override;

    // Registers with the session's clock and sets start and last fire to now; a running
    // timer is left as it is. 0.
    int Start();
    int Stop();
    // Resets the phase (start and last fire to now) and starts the timer when it is not running.
    int Restart();
    // Fires when at least the interval has passed since the last firing. Missed periods are
    // not repeated: the next firing is an interval after this one. 0.
    int Tick();

    // An aligned timer fires on the multiples of its interval on its clock, so that every such
    // timer of one interval fires in the same turn of the loop rather than each in its own.
    void SetAligned(bool aligned) { aligned_ = aligned; }
    void SetInterval(uint32_t intervalMs) { interval_ = intervalMs; }
    uint32_t Interval() const { return interval_; }
    void SetClock(TimerClock clock) { clock_ = clock; }
    TimerClock GetClock() const { return clock_; }
    bool IsRegistered() const { return registered_; }

    // Milliseconds until the next firing (0 when due), at clock reading `now` or now; lets the
    // main loop wait for a single timer while the window is inactive.
    uint32_t DueInMs(uint32_t now) const;
    uint32_t DueInMs() const;
    // Fires when due at reading `now`; true when the callback ran. After a firing the timer
    // may already be deleted.
    bool TickAt(uint32_t now);

private:
    // Where the period that holds `now` began.
    uint32_t PeriodStart(uint32_t now) const { return aligned_ && interval_ > 0 ? now - now % interval_ : now; }

    friend class CSubsystem_Clock;
    // The clock is going away: forget the registration without calling it.
    void Detach() { registered_ = false; }

    uint32_t interval_;
    uint32_t lastFire_ = 0;
    uint32_t start_ = 0;
    TimerCallback callback_;
    void* context_;
    bool registered_ = false;
    bool aligned_ = false;
    TimerClock clock_ = TimerClock::Game;
};
