#pragma once

namespace sorvak {

struct ReportRun;

// The reports that list the multipliers themselves (see ReportWriter.h).

// Per band, the multipliers first worked in each hour; for the zone lists
// also the zones.
void writeQam(ReportRun& run);
// Per band, the multipliers of the list worked and not worked, with a map of
// multipliers by band and, for the zone lists, of zones by band.
void writeQad(ReportRun& run);

}  // namespace sorvak
