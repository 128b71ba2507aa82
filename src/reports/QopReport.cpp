#include <string>

#include "reports/AnalysisFlags.h"
#include "reports/AnalysisTally.h"
#include "reports/CountReports.h"
#include "reports/OperatorTally.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

OperatorTally tallyOperators(const ReportRun& run) {
    OperatorTally tally;
    for (const auto& qso : run.qsoList) {
        tally.add(*qso, bandIndexOf(*qso));
    }
    return tally;
}

void writeHeading(ReportRun& run, const char* title, int cw, const std::vector<int>& bands,
                  size_t width) {
    run.write(title);
    writeCwNote(run, cw);
    run.write("\n\n");
    run.spaces(static_cast<int>(width));
    run.write("  ");
    for (int band : bands) {
        writeBandHeading(run, band);
    }
    run.write("  ALL\n\n");
}

// The band cells, the all-band count and its CW count of one line.
void writeCells(ReportRun& run, const std::vector<int>& bands, const BandCounts& all,
                const BandCounts& cw) {
    for (int band : bands) {
        auto b = static_cast<size_t>(band);
        writeDashCell(run, all[b], cw[b]);
    }
    run.write(formatCount(all[0], 5));
    writeCwTotal(run, cw[0]);
}

// One line per operator, then the Total line from the tally's `all` and `cw`.
void writeLines(ReportRun& run, const OperatorTally& operators, const std::vector<int>& bands,
                bool multipliers, const BandCounts& all, const BandCounts& cw) {
    size_t width = operators.nameWidth();
    for (const OperatorCounts& op : operators.operators()) {
        std::string_view name = printedOperatorName(op);
        run.writeBytes(name);
        run.write("  ");
        run.spaces(static_cast<int>(width - std::min(width, name.size())));
        writeCells(run, bands, multipliers ? op.opMultis : op.opCount,
                   multipliers ? op.opCwMultis : op.opCwCount);
        run.write("\n");
    }
    run.write("\nTotal");
    run.spaces(static_cast<int>(width) - 5);
    run.write("  ");
    writeCells(run, bands, all, cw);
}

BandCounts allBands(const BandAreaCounts& counts) {
    BandCounts column{};
    for (size_t b = 0; b < column.size(); ++b) {
        column[b] = counts[b][0];
    }
    return column;
}

}  // namespace

void writeQop(ReportRun& run) {
    OperatorTally operators = tallyOperators(run);
    const HourTally& totals = run.tally.totals;
    std::vector<int> bands = activeBands(run.tally);
    size_t width = operators.nameWidth();
    writeHeading(run, "＜オペレータ別交信局数＞", totals.cwCount[0][0], bands, width);
    writeLines(run, operators, bands, false, allBands(totals.count), allBands(totals.cwCount));
    run.write("\n");
    writeHeading(run, "\n\n＜オペレータ別取得マルチ＞", totals.cwNewMultis[0], bands, width);
    writeLines(run, operators, bands, true, totals.newMultis, totals.cwNewMultis);
}

}  // namespace sorvak
