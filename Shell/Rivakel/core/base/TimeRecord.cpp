#include "core/base/TimeRecord.h"

#include "core/base/Strings.h"

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int64_t kDays1970To2000 = 10957;

}  // namespace

int64_t SecondsSince2000(const platform::CalendarTime& utc) {
    const int64_t days = DaysFromCivil(utc.year, utc.month, utc.day) - kDays1970To2000;
    return days * 86400 + int64_t{utc.hour} * 3600 + int64_t{utc.minute} * 60 + utc.second;
}

TimeRecord MakeTimeRecord(const platform::CalendarTime& utc, uint32_t tickMs) {
    TimeRecord record;
    record.year = static_cast<uint16_t>(utc.year);
    record.month = static_cast<uint16_t>(utc.month);
    record.day = static_cast<uint16_t>(utc.day);
    record.hour = static_cast<uint16_t>(utc.hour);
    record.minute = static_cast<uint16_t>(utc.minute);
    record.second = static_cast<uint16_t>(utc.second);
    record.secondsSince2000 = static_cast<int32_t>(SecondsSince2000(utc));
    record.tickMs = tickMs;
    FormatString(record.secondsText, "%d", static_cast<int>(record.secondsSince2000));
    return record;
}
