#pragma once

#include "model/ClockTime.h"

namespace sorvak {

// The date and time of the computer's clock, in its local time zone.
ClockParts localNow();

}  // namespace sorvak
