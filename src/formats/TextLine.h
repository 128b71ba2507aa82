#pragma once

#include <string>
#include <string_view>

#include "model/ClockTime.h"

namespace sorvak {

class QsoRecord;

// printf into a string of whatever length the values need: a long value is
// never cut, it pushes the rest of the line to the right.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text with each "\n" written as CR LF, as the text files are stored.
std::string withCrLf(std::string_view text);

// The clock-face date and time of a QSO; a QSO without a time reads as
// 1970-01-01 00:00, as its time setters start from there.
ClockParts clockFaceOf(const QsoRecord& qso);
// The date and time the program's own text logs write: the clock face, or
// all zeros for a QSO without a time, which their readers read back as no
// time rather than as 1970-01-01 00:00.
ClockParts textLogClockFace(const QsoRecord& qso);

}  // namespace sorvak
