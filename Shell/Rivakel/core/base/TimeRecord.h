// The time record handed around the shell and to applets: UTC calendar fields, the seconds
// since 2000-01-01 00:00:00 UTC, the millisecond tick at reading and those seconds as text.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

struct TimeRecord {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    int32_t secondsSince2000 = 0;
    uint32_t tickMs = 0;
    char secondsText[24] = {};  // secondsSince2000 in decimal
};
static_assert(sizeof(TimeRecord) == 44);

// Seconds from 2000-01-01 00:00:00 UTC to `utc` (negative before it).
int64_t SecondsSince2000(const platform::CalendarTime& utc);
TimeRecord MakeTimeRecord(const platform::CalendarTime& utc, uint32_t tickMs);
