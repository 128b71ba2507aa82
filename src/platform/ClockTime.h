#pragma once

#include <cstdint>
#include <optional>

namespace sorvak {

// QSO times are clock-face: seconds since 1970-01-01 00:00:00 counted as if
// the log's own clock were UTC. No time zone or daylight saving is applied in
// either direction, so breaking a value down returns exactly what was stored.

struct ClockParts {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

inline constexpr int32_t kNoTime = -1;

// Japan Standard Time, nine hours ahead of UTC all year round.
inline constexpr int32_t kJstOffset = 9 * 3600;

// Out-of-range parts are normalised as the calendar does it (month 13 is
// January of the next year, day 32 of January is 1 February). A moment that
// the 32-bit count cannot hold (before 1970 or after 2038-01-19 03:14:07)
// gives kNoTime.
int32_t makeClockTime(const ClockParts& parts);

// makeClockTime of parts that name a real date and time of day (month 1-12,
// a day that month has, hour 0-23, minute and second 0-59); kNoTime for any
// other, so that a date such as 2024-13-40 24:60 is never taken for a later one.
int32_t makeCalendarTime(const ClockParts& parts);

// Empty for a negative count, which names no moment.
std::optional<ClockParts> breakDownClockTime(int32_t time);

}  // namespace sorvak
