#include "platform/LocalClock.h"

#include <ctime>

namespace sorvak {

ClockParts localClockNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return ClockParts{};
    }
    return ClockParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace sorvak
