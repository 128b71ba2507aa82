#include "reports/RateSeries.h"

#include <algorithm>

#include "reports/AnalysisTally.h"
#include "reports/ReportCells.h"

namespace sorvak {
namespace {

std::vector<std::unique_ptr<QsoRecord>> timeSortedCopy(
    const std::vector<std::unique_ptr<QsoRecord>>& qsos) {
    std::vector<std::unique_ptr<QsoRecord>> copy;
    copy.reserve(qsos.size());
    for (const auto& qso : qsos) {
        copy.push_back(std::make_unique<QsoRecord>(*qso));
    }
    std::stable_sort(copy.begin(), copy.end(),
                     [](const auto& a, const auto& b) { return a->time() < b->time(); });
    return copy;
}

}  // namespace

RateSeries rateSeriesOf(const std::vector<std::unique_ptr<QsoRecord>>& qsos,
                        bool includeZeroHours) {
    RateSeries series;
    if (qsos.empty()) {
        return series;
    }
    AnalysisTally tally = tallyLog(timeSortedCopy(qsos), 0);
    series.bands = activeBands(tally);
    series.counts.resize(series.bands.size());
    for (const HourTally& hour : tally.hours) {
        if (!includeZeroHours && hour.count[0][0] == 0) {
            continue;
        }
        series.hours.push_back({hour.day, hour.hour});
        series.cumulative.push_back(hour.cumCount[0]);
        for (size_t i = 0; i < series.bands.size(); ++i) {
            series.counts[i].push_back(hour.count[static_cast<size_t>(series.bands[i])][0]);
        }
    }
    return series;
}

}  // namespace sorvak
