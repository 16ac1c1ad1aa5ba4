#include "core/base/CSubsystem_Clock.h"

#include <algorithm>

#include "core/base/Log.h"
#include "core/base/ShutdownFlag.h"
#include "core/base/Timer.h"

namespace {
std::unique_ptr<CSubsystem_Clock> g_clock;
}  // namespace

CSubsystem_Clock::CSubsystem_Clock(std::unique_ptr<ClockSource> source)
    : source_(std::move(source)) {
    timers_.reserve(50);
    firing_.reserve(8);
    wallBase_ = gameBase_ = source_->TickMs();
    GetTime(startTime_);
}

CSubsystem_Clock::~CSubsystem_Clock() {
    for (CTimer* timer : timers_)
        if (timer != nullptr) timer->Detach();
}

int CSubsystem_Clock::AddTimer(CTimer* timer) {
    timers_.push_back(timer);
    ++liveCount_;
    return 0;
}

int CSubsystem_Clock::RemoveTimer(CTimer* timer) {
    const auto found = std::find(timers_.begin(), timers_.end(), timer);
    if (timer == nullptr || found == timers_.end()) return kTimerNotFound;
    std::replace(firing_.begin(), firing_.end(), timer, static_cast<CTimer*>(nullptr));
    if (walkDepth_ > 0) {
        *found = nullptr;
        holes_ = true;
    } else {
        timers_.erase(found);
    }
    --liveCount_;
    return 0;
}

int CSubsystem_Clock::TickAll() {
    ++walkDepth_;
    // Timers started during the walk wait for the next round, so none fires twice in one.
    const size_t end = timers_.size();
    // One clock read serves every timer until a callback runs; a callback may pause, resume
    // or restart timers, so the readings are taken again after each firing.
    bool fresh = false;
    uint32_t game = 0, wall = 0;
    for (size_t i = 0; i < end; ++i) {
        CTimer* timer = timers_[i];
        if (timer == nullptr) continue;
        const TimerClock clock = timer->GetClock();
        if (clock == TimerClock::Game && paused_) continue;
        if (ShutdownRequested()) break;
        if (!firing_.empty() && std::find(firing_.begin(), firing_.end(), timer) != firing_.end()) continue;
        if (!fresh) {
            game = TimerMs(TimerClock::Game);
            wall = TimerMs(TimerClock::Wall);
            fresh = true;
        }
        firing_.push_back(timer);
        if (timer->TickAt(clock == TimerClock::Game ? game : wall)) fresh = false;
        firing_.pop_back();
    }
    if (--walkDepth_ == 0 && holes_) Compact();
    return 0;
}

void CSubsystem_Clock::Compact() {
    std::erase(timers_, nullptr);
    holes_ = false;
}

void CSubsystem_Clock::GetTime(TimeRecord& out) {
    const platform::CalendarTime now = source_->NowUtc();
    out = MakeTimeRecord(now, source_->TickMs());
}

int CSubsystem_Clock::SetPaused(bool paused) {
    if (paused == paused_) return 0;
    uint32_t elapsed = 0;
    GetElapsedMs(elapsed);
    if (paused)
        pauseStart_ = elapsed;
    else
        gameBase_ += elapsed - pauseStart_;
    paused_ = paused;
    return 0;
}

int CSubsystem_Clock::GetElapsedMs(uint32_t& out) {
    out = source_->TickMs() - wallBase_;
    return 0;
}

int CSubsystem_Clock::GetGameMs(uint32_t& out) {
    out = source_->TickMs() - gameBase_;
    return 0;
}

uint32_t CSubsystem_Clock::TimerMs(TimerClock clock) {
    uint32_t ms = 0;
    if (clock == TimerClock::Wall) {
        GetElapsedMs(ms);
    } else if (paused_) {
        ms = wallBase_ + pauseStart_ - gameBase_;
    } else {
        GetGameMs(ms);
    }
    return ms;
}

uint32_t CSubsystem_Clock::NextDueInMs() {
    uint32_t next = kNoTimerDue;
    const uint32_t game = TimerMs(TimerClock::Game);
    const uint32_t wall = TimerMs(TimerClock::Wall);
    for (const CTimer* timer : timers_) {
        if (timer == nullptr) continue;
        const TimerClock clock = timer->GetClock();
        if (clock == TimerClock::Game && paused_) continue;
        // A timer whose callback is still running (a box it opened) is not ticked again until it
        // returns; counted as due, it would keep the box's loop from ever waiting.
        if (!firing_.empty() && std::find(firing_.begin(), firing_.end(), timer) != firing_.end()) continue;
        next = std::min(next, timer->DueInMs(clock == TimerClock::Game ? game : wall));
        if (next == 0) break;
    }
    return next;
}

CSubsystem_Clock* ClockService() { return g_clock.get(); }

CSubsystem_Clock* CreateClock(std::unique_ptr<ClockSource> source) {
    g_clock.reset();
    if (source == nullptr) return nullptr;
    g_clock = std::make_unique<CSubsystem_Clock>(std::move(source));
    return g_clock.get();
}

void DestroyClock() { g_clock.reset(); }

TimeRecord ClockNow() {
    TimeRecord now;
    if (g_clock != nullptr) g_clock->GetTime(now);
    return now;
}
