#pragma once

namespace sorvak {

struct ReportRun;

// The reports drawn from the hour-by-hour tally alone (see ReportWriter.h).

// Result table, hourly and cumulative counts and multipliers per hour.
bool writeQaf(ReportRun& run);
// Per band, QSOs by hour and call area.
bool writeQaa(ReportRun& run);
// Per band, a bar of QSOs for every hour.
bool writeQag(ReportRun& run);
// Hours as columns, bands as rows, in blocks of at most 24 hours.
bool writeQaq(ReportRun& run);

}  // namespace sorvak
