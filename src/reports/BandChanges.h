#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/CSorvakDoc.h"

namespace sorvak {

// A multi-single station's run transmitter stays at least this long on a
// band after its first QSO there.
inline constexpr int32_t kBandStaySeconds = 10 * 60;

// One transmitter's move from one band to another.
struct BandChange {
    size_t row;       // the first QSO on the new band
    size_t previous;  // the first QSO of the stay on the band before
};

// The band changes of the QSOs at `rows`: one transmitter's QSOs, each with
// a time and a band, in time order.
std::vector<BandChange> bandChanges(const QsoList& qsos, std::span<const size_t> rows);

// True when the change left the band before sooner than kBandStaySeconds
// after the first QSO there.
bool leftBandTooSoon(const QsoList& qsos, const BandChange& change);

// The changes grouped by the clock hour of their first QSO, in time order.
struct HourOfChanges {
    int32_t hour;  // the clock time of the hour's first second
    std::vector<size_t> rows;
};
std::vector<HourOfChanges> changesPerHour(const QsoList& qsos, std::span<const BandChange> changes);

}  // namespace sorvak
