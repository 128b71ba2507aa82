#pragma once

#include "model/QsoRecord.h"
#include "platform/ClockTime.h"

namespace sorvak {

// The date and time the program's own text logs write: the clock face, or
// all zeros for a QSO without a time, which their readers read back as no
// time rather than as 1970-01-01 00:00.
inline ClockParts textLogClockFace(const QsoRecord& qso) {
    return breakDownClockTime(qso.time()).value_or(ClockParts{0, 0, 0, 0, 0, 0});
}

}  // namespace sorvak
