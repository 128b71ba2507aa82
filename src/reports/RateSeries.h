#pragma once

#include <memory>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

// What a rate chart draws: the hours the analysis shows, the QSOs of each
// active band in each of them, and the running total.
struct RateSeries {
    struct Hour {
        int day = 0;
        int hour = 0;
    };
    std::vector<Hour> hours;
    std::vector<int> bands;                // band indexes 1 to 16 with QSOs, ascending
    std::vector<std::vector<int>> counts;  // counts[i][h]: QSOs of bands[i] in hours[h]
    std::vector<int> cumulative;           // all QSOs up to and including hours[h]
};

// Tallies a time-sorted copy of the list (the list itself is left as it is)
// hour by hour, as the analysis does. Hours without a QSO are kept only with
// `includeZeroHours`. A QSO without a band counts in the total only.
RateSeries rateSeriesOf(const std::vector<std::unique_ptr<QsoRecord>>& qsos, bool includeZeroHours);

}  // namespace sorvak
