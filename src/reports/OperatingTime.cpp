#include "reports/OperatingTime.h"

namespace sorvak {

OperatingTime operatingTime(std::span<const int32_t> minutes, int32_t first, int32_t end,
                            int minimumOff, BreakCounting counting) {
    OperatingTime time;
    time.onMinutes = static_cast<int64_t>(end) - first;
    // The period's ends stand as QSOs: a minute before its first minute when
    // empty minutes are counted, so that an empty first minute counts too.
    bool empty = counting == BreakCounting::EmptyMinutes;
    int64_t previous = empty ? static_cast<int64_t>(first) - 1 : first;
    for (size_t i = 0; i <= minutes.size(); ++i) {
        int64_t next = i < minutes.size() ? minutes[i] : end;
        int64_t length = next - previous - (empty ? 1 : 0);
        if (length >= minimumOff && length > 0) {
            time.offPeriods.push_back(OffPeriod{static_cast<int32_t>(next - length),
                                                static_cast<int32_t>(next),
                                                static_cast<int32_t>(length), i});
            time.onMinutes -= length;
        }
        previous = next;
    }
    return time;
}

std::optional<int32_t> limitReached(const OperatingTime& time, int32_t first, int32_t end,
                                    int64_t limitMinutes) {
    int64_t used = 0;
    int64_t from = first;
    for (size_t i = 0; i <= time.offPeriods.size(); ++i) {
        int64_t to = i < time.offPeriods.size() ? time.offPeriods[i].start : end;
        if (used + (to - from) >= limitMinutes) {
            return static_cast<int32_t>(from + (limitMinutes - used));
        }
        used += to - from;
        if (i < time.offPeriods.size()) {
            from = time.offPeriods[i].end;
        }
    }
    return std::nullopt;
}

}  // namespace sorvak
