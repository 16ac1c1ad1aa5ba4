// An interval timer made by IShellFactory::CreateTimer. Its callback receives {context,
// milliseconds since the timer started, the same again}.
#pragma once

#include "frame/api/ShellObject.h"

inline constexpr int kTimerGameClock = 0;  // stands still while the shell is paused
inline constexpr int kTimerWallClock = 1;

class ITimer : public IShellObject {
public:
    // Registers with the clock unless running; start and last firing = now. 0.
    virtual int Start() = 0;                                                              // 2
    virtual int Stop() = 0;                                                               // 3
    // Fires when at least the interval has passed since the last firing. 0.
    virtual int Tick() = 0;                                                               // 4
    virtual int SetClock(int selector) = 0;                                               // 5
    // True on the wall clock.
    virtual bool GetClock() = 0;                                                          // 6
    // Start and last firing = now, then Start. 0.
    virtual int Restart() = 0;                                                            // 7
    // Negative counts as 0. 0.
    virtual int SetInterval(int ms) = 0;                                                  // 8

protected:
    ITimer() = default;
    ~ITimer() override = default;
};
