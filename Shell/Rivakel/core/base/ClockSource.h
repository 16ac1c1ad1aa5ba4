// Where the clock service reads time: the platform backend in the program, a fake in tests.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Platform.h"

class ClockSource {
public:
    virtual ~ClockSource() = default;
    // Monotonic milliseconds, wrapping at 2^32.
    virtual uint32_t TickMs() = 0;
    virtual platform::CalendarTime NowUtc() = 0;
};

// Reads the process's platform backend.
std::unique_ptr<ClockSource> MakeBackendClockSource();
