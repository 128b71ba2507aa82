#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

// Band index of the reports: 0 all bands, 1 to 16 the band codes 0 to 15.
inline constexpr int kBandIndexCount = 17;
// Area index: 0 all areas, 1 to 9 the Japanese call areas 1 to 9, 10 area 0.
inline constexpr int kAreaIndexCount = 11;

using BandCounts = std::array<int, kBandIndexCount>;
using BandAreaCounts = std::array<std::array<int, kAreaIndexCount>, kBandIndexCount>;

// The QSOs of one clock hour; the totals of the whole log have the same shape.
struct HourTally {
    int day = -1;
    int hour = -1;
    BandAreaCounts count{};
    BandAreaCounts cwCount{};
    BandCounts cumCount{};  // from the first hour up to this one
    BandCounts cumCwCount{};
    BandCounts newMultis{};  // multiplier flags set (newMulti and newMulti2 count apart)
    BandCounts cwNewMultis{};
    BandCounts points{};
    BandCounts cwPoints{};
};

struct AnalysisTally {
    std::vector<HourTally> hours;  // every clock hour from the first QSO's to the last's
    int hourCount = 0;
    HourTally totals;  // sums over all hours; its cumulative arrays stay 0
    // With the call areas counted: the rows whose call sign has no area.
    std::vector<size_t> rowsWithoutArea;
};

// The band index of a QSO; 0 when its band is none of the 16 bands.
int bandIndexOf(const QsoRecord& qso);

// One pass over the list in its order. A new clock hour is recognised by its
// hour of day alone: hours skipped since the previous QSO get empty records,
// but a QSO at the same hour on a later day (other than 23) is counted in the
// earlier record. With `flags` holding the area bit the call areas of the
// QSOs before row `areaRows` are counted too, and the rows of call signs
// without an area are listed. A QSO without a band counts in the all-band
// cells only.
AnalysisTally tallyLog(const QsoList& qsos, unsigned flags,
                       size_t areaRows = std::numeric_limits<size_t>::max());

}  // namespace sorvak
