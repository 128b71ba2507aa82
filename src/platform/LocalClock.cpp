#include "platform/LocalClock.h"

namespace sorvak {

std::optional<ClockParts> localClockParts(std::time_t moment) {
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) {
        return std::nullopt;
    }
    return ClockParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
}

ClockParts localClockNow() {
    return localClockParts(std::time(nullptr)).value_or(ClockParts{});
}

}  // namespace sorvak
