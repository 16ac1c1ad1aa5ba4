// A clock source the test moves by hand.
#pragma once

#include <memory>

#include "core/base/ClockSource.h"

struct FakeTime {
    uint32_t tick = 0;
    platform::CalendarTime utc;
};

class FakeClockSource final : public ClockSource {
public:
    explicit FakeClockSource(std::shared_ptr<FakeTime> time) : time_(std::move(time)) {}
    uint32_t TickMs() override { return time_->tick; }
    platform::CalendarTime NowUtc() override { return time_->utc; }

private:
    std::shared_ptr<FakeTime> time_;
};
