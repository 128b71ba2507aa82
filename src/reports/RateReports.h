#pragma once

namespace sorvak {

struct ReportRun;

// The reports drawn from the hour-by-hour tally alone (see ReportWriter.h).

// Result table, hourly and cumulative counts and multipliers per hour.
void writeQaf(ReportRun& run);
// Per band, QSOs by hour and call area.
void writeQaa(ReportRun& run);
// Per band, a bar of QSOs for every hour.
void writeQag(ReportRun& run);
// Hours as columns, bands as rows, in blocks of at most 24 hours.
void writeQaq(ReportRun& run);

}  // namespace sorvak
