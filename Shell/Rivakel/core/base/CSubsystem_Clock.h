// The clock service: the wall clock, the game clock that a pause holds back, and the list of
// running timers that the main loop ticks.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/base/ClockSource.h"
#include "core/base/TimeRecord.h"

class CTimer;

enum class TimerClock : uint8_t { Game = 0, Wall = 1 };

// Result of RemoveTimer for a timer that is not registered.
inline constexpr int kTimerNotFound = 20;
// NextDueInMs when no timer would be ticked.
inline constexpr uint32_t kNoTimerDue = UINT32_MAX;

class CSubsystem_Clock final {
public:
    explicit CSubsystem_Clock(std::unique_ptr<ClockSource> source);
    // Timers still registered are left unregistered, never pointing at a dead clock.
    ~CSubsystem_Clock();
    CSubsystem_Clock(const CSubsystem_Clock&) = delete;
    CSubsystem_Clock& operator=(const CSubsystem_Clock&) = delete;

    // Appends; 0.
    int AddTimer(CTimer* timer);
    // Removes the first registration of `timer`; 0, or kTimerNotFound.
    int RemoveTimer(CTimer* timer);
    // Ticks every registered timer once, skipping game-clock timers while paused; 0.
    // Callbacks may start, stop or delete any timer, this one included.
    int TickAll();
    void GetTime(TimeRecord& out);
    // Resuming moves the game clock back by the pause's length; 0.
    int SetPaused(bool paused);
    bool IsPaused() const { return paused_; }
    // Wall clock since creation; 0.
    int GetElapsedMs(uint32_t& out);
    // Game clock: keeps advancing while paused and drops back at resume; 0.
    int GetGameMs(uint32_t& out);
    void GetStartTime(TimeRecord& out) { out = startTime_; }

    // The reading timers on `clock` use: while paused the game clock reads as it stood when
    // the pause began, so a timer started in a pause does not fire early after it.
    uint32_t TimerMs(TimerClock clock);
    // Milliseconds until the earliest timer TickAll would tick is due (0 when one is due now),
    // so the main loop can wait instead of spinning; kNoTimerDue when there is none.
    uint32_t NextDueInMs();
    size_t TimerCount() const { return liveCount_; }

private:
    void Compact();

    std::unique_ptr<ClockSource> source_;
    // Registration order. Inside a tick walk removed entries become null and are compacted
    // when the outermost walk ends, so no walk skips or repeats a timer.
    std::vector<CTimer*> timers_;
    // Timers inside their callbacks: a nested walk (a modal loop run from a callback) does
    // not fire them again. Entries of removed timers become null.
    std::vector<CTimer*> firing_;
    size_t liveCount_ = 0;
    int walkDepth_ = 0;
    bool holes_ = false;
    uint32_t wallBase_ = 0;
    uint32_t gameBase_ = 0;
    uint32_t pauseStart_ = 0;
    bool paused_ = false;
    TimeRecord startTime_;
};

// The session's clock; null before CreateClock and after DestroyClock.
CSubsystem_Clock* ClockService();
// Creates the session's clock on `source` (replacing an earlier one) and returns it.
CSubsystem_Clock* CreateClock(std::unique_ptr<ClockSource> source);
// Creates the session's clock on the platform backend; null when there is no backend.
CSubsystem_Clock* CreateClock();
void DestroyClock();
// The session clock's time now; all zero, with empty text, when there is no clock.
TimeRecord ClockNow();
