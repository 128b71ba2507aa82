#include "reports/ReportCells.h"

#include "reports/AnalysisFlags.h"
#include "reports/AnalysisTally.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {

std::vector<int> activeBands(const AnalysisTally& tally) {
    std::vector<int> bands;
    for (int b = 1; b < kBandIndexCount; ++b) {
        if (tally.totals.count[static_cast<size_t>(b)][0] > 0) {
            bands.push_back(b);
        }
    }
    return bands;
}

std::string bandTitle(int band) {
    if (band == 16) {
        return "[10.1 GHz]";
    }
    std::string title(1, '[');
    title += bandIndexText(band);
    return title + " MHz]";
}

void writeCountCell(ReportRun& run, int n, int cw) {
    if (run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.print("%4d%s", n, formatCwSubcount(cw, 5).c_str());
    } else {
        run.print("%4d  ", n);
    }
}

void writeDashCell(ReportRun& run, int n, int cw) {
    run.write(formatCount(n, 4));
    run.write(run.has(ANALYSIS_CW_SUBCOUNT) ? formatCwSubcount(cw, 5) : "  ");
}

void writeBandHeading(ReportRun& run, int band) {
    run.print("%4s  ", std::string(bandIndexText(band)).c_str());
    if (run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.write("   ");
    }
}

void writeCwTotal(ReportRun& run, int n) {
    if (n > 0 && run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.print("(%d)", n);
    }
}

void writeCwNote(ReportRun& run, int cw) {
    if (cw > 0 && run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.write(kCwNote);
    }
}

}  // namespace sorvak
