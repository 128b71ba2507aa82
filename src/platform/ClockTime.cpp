#include "platform/ClockTime.h"

#include <limits>

namespace sorvak {
namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date (month 1-12).
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

ClockParts civilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    ClockParts parts;
    parts.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
    return parts;
}

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

int32_t makeCalendarTime(const ClockParts& p) {
    if (p.month < 1 || p.month > 12 || p.day < 1 || p.day > daysInMonth(p.year, p.month) ||
        p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 ||
        p.second > 59) {
        return kNoTime;
    }
    return makeClockTime(p);
}

int32_t makeClockTime(const ClockParts& parts) {
    // Normalise the month into the year first, then let the day count carry the rest.
    int64_t month0 = static_cast<int64_t>(parts.month) - 1;
    int64_t year = parts.year + floorDiv(month0, 12);
    month0 -= floorDiv(month0, 12) * 12;
    int64_t days = daysFromCivil(year, month0 + 1, 1) + (static_cast<int64_t>(parts.day) - 1);
    int64_t seconds = days * 86400 + static_cast<int64_t>(parts.hour) * 3600 +
                      static_cast<int64_t>(parts.minute) * 60 + parts.second;
    if (seconds < 0 || seconds > std::numeric_limits<int32_t>::max()) {
        return kNoTime;
    }
    return static_cast<int32_t>(seconds);
}

std::optional<ClockParts> breakDownClockTime(int32_t time) {
    if (time < 0) {
        return std::nullopt;
    }
    ClockParts parts = civilFromDays(time / 86400);
    int secondsOfDay = time % 86400;
    parts.hour = secondsOfDay / 3600;
    parts.minute = secondsOfDay % 3600 / 60;
    parts.second = secondsOfDay % 60;
    return parts;
}

}  // namespace sorvak
