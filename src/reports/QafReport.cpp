#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

bool shown(const ReportRun& run, const HourTally& hour) {
    return run.has(ANALYSIS_ZERO_HOURS) || hour.count[0][0] != 0;
}

void writeResult(ReportRun& run, const std::vector<int>& bands) {
    const HourTally& totals = run.tally.totals;
    run.write("＜結果＞\n\n　バンド　　交信局数　　得点　　マルチ\n");
    for (int b : bands) {
        auto i = static_cast<size_t>(b);
        if (b == 16) {
            run.write(" 10.1 GHz");
        } else {
            run.print("%5s MHz", std::string(bandIndexText(b)).c_str());
        }
        run.print("%9d%10d%8d\n", totals.count[i][0], totals.points[i], totals.newMultis[i]);
    }
    bool doubled = run.has(ANALYSIS_DOUBLE_SCORE);
    run.print("  合　計%10d%10d ×%5d  ", totals.count[0][0], totals.points[0], totals.newMultis[0]);
    if (doubled) {
        run.write("× 2  ");
    }
    // In 64 bits: a big contest's score does not wrap around.
    long long score = static_cast<long long>(totals.points[0]) * totals.newMultis[0];
    run.print("＝  %lld\n\n\n", doubled ? score * 2 : score);
}

// The heading of an hour table: title, CW note, band headings.
void writeTableHead(ReportRun& run, const char* title, int cw, const std::vector<int>& bands) {
    run.write(title);
    writeCwNote(run, cw);
    run.write("\n\n      ");
    for (int b : bands) {
        writeBandHeading(run, b);
    }
    run.write("  ALL\n\n");
}

void writeCountRow(ReportRun& run, const HourTally& h, const std::vector<int>& bands) {
    for (int b : bands) {
        auto i = static_cast<size_t>(b);
        writeCountCell(run, h.count[i][0], h.cwCount[i][0]);
    }
    run.print("%5d", h.count[0][0]);
    writeCwTotal(run, h.cwCount[0][0]);
}

void writeCumulativeRow(ReportRun& run, const HourTally& h, const std::vector<int>& bands) {
    for (int b : bands) {
        auto i = static_cast<size_t>(b);
        writeCountCell(run, h.cumCount[i], h.cumCwCount[i]);
    }
    run.print("%5d", h.cumCount[0]);
    writeCwTotal(run, h.cumCwCount[0]);
}

void writeMultiRow(ReportRun& run, const HourTally& h, const std::vector<int>& bands) {
    for (int b : bands) {
        auto i = static_cast<size_t>(b);
        writeDashCell(run, h.newMultis[i], h.cwNewMultis[i]);
    }
    run.write(formatCount(h.newMultis[0], 5));
    writeCwTotal(run, h.cwNewMultis[0]);
}

using RowWriter = void (*)(ReportRun&, const HourTally&, const std::vector<int>&);

void writeHourRows(ReportRun& run, const std::vector<int>& bands, RowWriter row) {
    for (const HourTally& hour : run.tally.hours) {
        if (shown(run, hour)) {
            run.print(" [%02d] ", hour.hour);
            row(run, hour, bands);
            run.write("\n");
        }
    }
}

}  // namespace

void writeQaf(ReportRun& run) {
    const HourTally& totals = run.tally.totals;
    std::vector<int> bands = activeBands(run.tally);
    writeResult(run, bands);

    writeTableHead(run, "＜時間ごとの交信局数＞", totals.cwCount[0][0], bands);
    writeHourRows(run, bands, writeCountRow);
    run.write("\nTotal ");
    writeCountRow(run, totals, bands);

    writeTableHead(run, "\n\n\n＜時間ごとの累積交信局数＞", totals.cwCount[0][0], bands);
    writeHourRows(run, bands, writeCumulativeRow);

    writeTableHead(run, "\n\n＜マルチプライヤーの獲得状況＞", totals.cwNewMultis[0], bands);
    writeHourRows(run, bands, writeMultiRow);
    run.write("\nTotal ");
    writeMultiRow(run, totals, bands);
}

}  // namespace sorvak
