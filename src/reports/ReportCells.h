#pragma once

#include <string>
#include <vector>

namespace sorvak {

struct AnalysisTally;
struct ReportRun;

// Pieces the reports share.

// Band indexes 1 to 16 that have at least one QSO in the log.
std::vector<int> activeBands(const AnalysisTally& tally);

// "[7 MHz]", or "[10.1 GHz]" for band index 16.
std::string bandTitle(int band);

// A count with its CW sub-count: "%4d" and the sub-count in 5, or "%4d" and
// two spaces when CW sub-counts are off.
void writeCountCell(ReportRun& run, int n, int cw);
// The same with "-" for 0 (formatCount).
void writeDashCell(ReportRun& run, int n, int cw);
// "%4s  " with the band text, widened by three spaces for the sub-counts.
void writeBandHeading(ReportRun& run, int band);
// "(n)" when n > 0 and CW sub-counts are on.
void writeCwTotal(ReportRun& run, int n);
// The CW note when `cw` > 0 and CW sub-counts are on.
void writeCwNote(ReportRun& run, int cw);

}  // namespace sorvak
