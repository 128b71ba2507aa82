#pragma once

#include <cstdint>

namespace sorvak {

// The computer's clock as a clock time of a log kept in UTC (utcFlag 1) or
// in JST, UTC + 9 hours (utcFlag 0), whatever the computer's own time zone.
int32_t logClockNow(int utcFlag);

}  // namespace sorvak
