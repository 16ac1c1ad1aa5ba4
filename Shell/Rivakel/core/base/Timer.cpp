#include "core/base/Timer.h"

#include "core/base/Log.h"

CTimer::CTimer(void* context, uint32_t intervalMs, TimerCallback callback)
    : interval_(intervalMs), callback_(callback), context_(context) {}

CTimer::~CTimer() { Stop(); }

int CTimer::Start() {
    if (registered_) return 0;
    CSubsystem_Clock* clock = ClockService();
    if (clock == nullptr) {
        Error("Error - no clock in CTimer::Start");
        return 0;
    }
    registered_ = true;
    clock->AddTimer(this);
    start_ = clock->TimerMs(clock_);
    lastFire_ = PeriodStart(start_);
    return 0;
}

int CTimer::Stop() {
    if (!registered_) return 0;
    registered_ = false;
    if (CSubsystem_Clock* clock = ClockService()) clock->RemoveTimer(this);
    return 0;
}

int CTimer::Restart() {
    if (CSubsystem_Clock* clock = ClockService()) {
        start_ = clock->TimerMs(clock_);
        lastFire_ = PeriodStart(start_);
    }
    return Start();
}

int CTimer::Tick() {
    if (CSubsystem_Clock* clock = ClockService()) TickAt(clock->TimerMs(clock_));
    return 0;
}

uint32_t CTimer::DueInMs(uint32_t now) const {
    const uint32_t since = now - lastFire_;
    return since >= interval_ ? 0 : interval_ - since;
}

uint32_t CTimer::DueInMs() const {
    CSubsystem_Clock* clock = ClockService();
    return clock != nullptr ? DueInMs(clock->TimerMs(clock_)) : kNoTimerDue;
}

bool CTimer::TickAt(uint32_t now) {
    if (now - lastFire_ < interval_) return false;
    lastFire_ = PeriodStart(now);
    const auto elapsed = static_cast<intptr_t>(now - start_);
    intptr_t args[3] = {reinterpret_cast<intptr_t>(context_), elapsed, elapsed};
    // The callback may delete this timer: nothing of it is touched afterwards.
    const TimerCallback callback = callback_;
    if (callback != nullptr) callback(args);
    return true;
}
