#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

void writeHead(ReportRun& run, int band) {
    run.write("\n\n");
    run.write(bandTitle(band));
    run.write("\n    ");
    for (int area = 1; area <= 9; ++area) {
        run.print("%6d", area);
    }
    run.write("     0     合計");
    if (run.has(ANALYSIS_CUMULATIVE)) {
        run.write("    累積");
    }
    run.write("\n\n");
}

void writeHourRow(ReportRun& run, const HourTally& hour, size_t b) {
    bool cw = run.has(ANALYSIS_CW_SUBCOUNT);
    run.print(" [%02d]   ", hour.hour);
    for (size_t a = 1; a < kAreaIndexCount; ++a) {
        run.write(formatCount(hour.count[b][a], 2));
        run.write(cw ? formatCwSubcount(hour.cwCount[b][a], 4) : "    ");
    }
    run.write(formatCount(hour.count[b][0], 3));
    if (run.has(ANALYSIS_CUMULATIVE)) {
        run.write(cw && hour.cwCount[b][0] > 0 ? formatCwSubcount(hour.cwCount[b][0], 4) : "    ");
        run.print("%4d", hour.cumCount[b]);
        if (cw && run.tally.totals.cwCount[b][0] > 0) {
            run.print("(%d)", hour.cumCwCount[b]);
        }
    } else {
        writeCwTotal(run, hour.cwCount[b][0]);
    }
    run.write("\n");
}

void writeTotals(ReportRun& run, size_t b) {
    const HourTally& totals = run.tally.totals;
    run.write("\nTotal");
    for (size_t a = 1; a < kAreaIndexCount; ++a) {
        run.write(formatCount(totals.count[b][a], 5));
        run.write(" ");
    }
    run.print("%6d\n", totals.count[b][0]);
    if (totals.cwCount[b][0] > 0 && run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.spaces(5);
        for (size_t a = 1; a < kAreaIndexCount; ++a) {
            run.print("%6s", formatCwSubcount(totals.cwCount[b][a], 0).c_str());
        }
        run.print("%7s\n", formatCwSubcount(totals.cwCount[b][0], 0).c_str());
    }
}

}  // namespace

void writeQaa(ReportRun& run) {
    run.write("＜時間およびエリアごとの交信局数＞");
    writeCwNote(run, run.tally.totals.cwCount[0][0]);
    for (int band : activeBands(run.tally)) {
        auto b = static_cast<size_t>(band);
        writeHead(run, band);
        for (const HourTally& hour : run.tally.hours) {
            if (hour.count[0][0] != 0) {
                writeHourRow(run, hour, b);
            }
        }
        writeTotals(run, b);
    }
}

}  // namespace sorvak
