#pragma once

#include "model/ClockTime.h"

namespace sorvak {

// The computer's local clock, broken down to the second.
ClockParts localClockNow();

}  // namespace sorvak
