#pragma once

namespace sorvak {

struct ReportRun;

// The reports that count the QSOs by who was worked or who worked them (see
// ReportWriter.h).

// QSOs per continent and band, each call sign resolved through the country file.
void writeQcn(ReportRun& run);
// QSOs and multipliers per operator and band.
void writeQop(ReportRun& run);

}  // namespace sorvak
