#pragma once

#include <ctime>
#include <optional>

#include "platform/ClockTime.h"

namespace sorvak {

// A moment broken down in the computer's local time; nothing when the system
// cannot break it down.
std::optional<ClockParts> localClockParts(std::time_t moment);

// The computer's local clock, broken down to the second.
ClockParts localClockNow();

}  // namespace sorvak
