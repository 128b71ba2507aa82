#include "platform/LogClock.h"

#include <ctime>
#include <limits>

namespace sorvak {

int32_t logClockNow(int utcFlag) {
    constexpr int64_t kJstOffset = 9 * 3600;
    int64_t now = static_cast<int64_t>(std::time(nullptr)) + (utcFlag == 1 ? 0 : kJstOffset);
    return now < 0 || now > std::numeric_limits<int32_t>::max() ? -1 : static_cast<int32_t>(now);
}

}  // namespace sorvak
