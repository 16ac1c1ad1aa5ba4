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

class CSubsystem_Clock {
public:
    virtual ~CSubsystem_Clock() = default;
    // Appends; 0.
    virtual int AddTimer(CTimer* timer) = 0;
    // Removes the first registration of `timer`; 0, or kTimerNotFound.
    virtual int RemoveTimer(CTimer* timer) = 0;
    // Ticks every registered timer once, skipping game-clock timers while paused; 0.
    // Callbacks may start, stop or delete any timer, this one included.
    virtual int TickAll() = 0;
    virtual void GetTime(TimeRecord& out) = 0;
    // Resuming moves the game clock back by the pause's length; 0.
    virtual int SetPaused(bool paused) = 0;
    virtual bool IsPaused() const = 0;
    // Wall clock since creation; 0.
    virtual int GetElapsedMs(uint32_t& out) = 0;
    // Game clock: keeps advancing while paused and drops back at resume; 0.
    virtual int GetGameMs(uint32_t& out) = 0;
    virtual void GetStartTime(TimeRecord& out) = 0;

    // The reading timers on `clock` use: while paused the game clock reads as it stood when
    // the pause began, so a timer started in a pause does not fire early after it.
    virtual uint32_t TimerMs(TimerClock clock) = 0;
    // Milliseconds until the earliest timer TickAll would tick is due (0 when one is due now),
    // so the main loop can wait instead of spinning; kNoTimerDue when there is none.
    virtual uint32_t NextDueInMs() = 0;
    virtual size_t TimerCount() const = 0;
};

class CSubsystem_Clock_Win32 final : public CSubsystem_Clock {
public:
    explicit CSubsystem_Clock_Win32(std::unique_ptr<ClockSource> source);
    // Timers still registered are left unregistered, never pointing at a dead clock.
    ~CSubsystem_Clock_Win32() override;
    CSubsystem_Clock_Win32(const CSubsystem_Clock_Win32&) = delete;
    CSubsystem_Clock_Win32& operator=(const CSubsystem_Clock_Win32&) = delete;

    int AddTimer(CTimer* timer) override;
    int RemoveTimer(CTimer* timer) override;
    int TickAll() override;
    void GetTime(TimeRecord& out) override;
    int SetPaused(bool paused) override;
    bool IsPaused() const override { return paused_; }
    int GetElapsedMs(uint32_t& out) override;
    int GetGameMs(uint32_t& out) override;
    void GetStartTime(TimeRecord& out) override { out = startTime_; }
    uint32_t TimerMs(TimerClock clock) override;
    uint32_t NextDueInMs() override;
    size_t TimerCount() const override { return liveCount_; }

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
