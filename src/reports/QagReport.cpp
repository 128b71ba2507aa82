#include <algorithm>

#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

// The longest bar; a longer count ends its bar with "+".
constexpr int kLongestBar = 67;

}  // namespace

void writeQag(ReportRun& run) {
    run.write("＜グラフ＞\n");
    for (int band : activeBands(run.tally)) {
        auto b = static_cast<size_t>(band);
        run.write("\n");
        run.write(bandTitle(band));
        run.write("\n");
        for (const HourTally& hour : run.tally.hours) {
            int n = hour.count[b][0];
            if (n == 0 && !run.has(ANALYSIS_ZERO_HOURS)) {
                continue;
            }
            run.print(" [%02d]%4d  ", hour.hour, n);
            run.text.append(static_cast<size_t>(std::min(n, kLongestBar)), '*');
            run.write(n > kLongestBar ? "+\n" : "\n");
        }
        run.print("Total%4d\n", run.tally.totals.count[b][0]);
    }
}

}  // namespace sorvak
