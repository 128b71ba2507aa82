#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvak {

// A note at the start of a memo describing a QTC whose content is the QSO:
// "[QTC<serial>/<count> <call> <yyyy>-<mm>-<dd> <hhmm> <word>]".
struct QtcNote {
    int serial = 0;
    int count = 0;
    std::string callSign;
    int year = 0;
    int month = 0;
    int day = 0;
    int hhmm = 0;
};

// The note the memo begins with; nothing unless all its values are there.
// Numbers are read as scanf reads "[QTC%d/%d %s %4d-%2d-%2d %4d %s": blanks
// before a number are skipped, a width limits its characters, and a number
// that does not fit an int makes no note.
std::optional<QtcNote> parseQtcNote(std::string_view memo);

}  // namespace sorvak
