#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/QsoRecord.h"

namespace sorvak {

// The fields of a QSO line that were taken for its two reports.
struct ReportFields {
    std::string sent;
    std::string received;
};

// A QSO line as read.
struct CabrilloQso {
    QsoParts parts;
    // Read in layout 2 or 3 (below).
    bool byFields = false;
    // Layouts 2 and 3: the fields the reports were taken from, when both
    // exchanges began with one.
    std::optional<ReportFields> reports;
};

// The QSO of a Cabrillo "QSO: " line, or nothing when the line fits none of
// its layouts. After the frequency, mode, date (YYYY-MM-DD) and time (HHMM)
// a line holds, blank-separated: the own call, the sent exchange, the worked
// call, the received exchange and perhaps a transmitter number. Its fields
// are taken in the first of these layouts that fits them:
// 1. "own srst sent call rrst rcvd [tx]" with srst and rrst numbers, the
//    exchanges one word each, as such lines were always read;
// 2. a sent and a received exchange of the same number of fields, and a
//    transmitter number when the count of fields is odd; the field between
//    them must look like a call sign;
// 3. a sent and a received exchange that both begin with a report but are
//    of different lengths: the worked call is the one field that looks like
//    a call sign and stands before a report; a last field after the received
//    report that is a transmitter number is taken for one.
// A transmitter number is one digit. In layouts 2 and 3 a first field of
// the RST form ("59", "599", or 0 for none) on both sides is taken for the
// report, and the fields of an exchange are joined by one blank. Exchanges
// are kept whole; a call sign is cut to 15 bytes at a whole character.
// A line of a file written here (`writtenHere`) always ends in the
// transmitter number, of any size; it is taken first, and the layouts read
// what stands before it.
std::optional<CabrilloQso> cabrilloQsoOf(std::string_view line, bool writtenHere = false);

// Puts the report fields back in front of the exchanges of the QSO, for a
// log whose exchanges do not all begin with reports: there a first number
// of the RST form is a serial number ("111 U 71 MDC").
void keepReportsInExchanges(QsoRecord& qso, const ReportFields& reports);

}  // namespace sorvak
