#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sorvak {

// How a break between QSOs is measured against the minimum off-time.
enum class BreakCounting {
    Gap,           // the time between two QSOs: 09:27 -> 10:27 is 60 minutes
    EmptyMinutes,  // the whole minutes without a QSO: 13:59 -> 15:00 is 60
};

// Times here are whole minutes of the log's clock (clock time / 60).
struct OffPeriod {
    int32_t start;
    int32_t end;  // the minute of the QSO after it, or the end of the period
    int32_t minutes;
    size_t next;  // the index of the QSO after it in the minutes given; their count: none
};

struct OperatingTime {
    int64_t onMinutes = 0;
    std::vector<OffPeriod> offPeriods;
};

// The on-time and the off periods of QSOs at `minutes` (in time order, all
// within [first, end)) in the period [first, end). A stretch without QSOs,
// also at either end of the period, is an off period when it lasts at least
// `minimumOff` minutes as `counting` measures it; the on-time is the rest of
// the period.
OperatingTime operatingTime(std::span<const int32_t> minutes, int32_t first, int32_t end,
                            int minimumOff, BreakCounting counting);

// The minute at which the on-time from `first` reaches `limitMinutes`; a QSO
// in that minute or later is past the limit. Nothing when the on-time stays
// within it.
std::optional<int32_t> limitReached(const OperatingTime& time, int32_t first, int32_t end,
                                    int64_t limitMinutes);

}  // namespace sorvak
