#include "reports/BandChanges.h"

namespace sorvak {

std::vector<BandChange> bandChanges(const QsoList& qsos, std::span<const size_t> rows) {
    std::vector<BandChange> changes;
    if (rows.empty()) {
        return changes;
    }
    size_t stay = rows[0];
    for (size_t row : rows.subspan(1)) {
        if (qsos[row]->band() != qsos[stay]->band()) {
            changes.push_back(BandChange{row, stay});
            stay = row;
        }
    }
    return changes;
}

bool leftBandTooSoon(const QsoList& qsos, const BandChange& change) {
    return static_cast<int64_t>(qsos[change.row]->time()) - qsos[change.previous]->time() <
           kBandStaySeconds;
}

std::vector<HourOfChanges> changesPerHour(const QsoList& qsos,
                                          std::span<const BandChange> changes) {
    std::vector<HourOfChanges> hours;
    for (const BandChange& change : changes) {
        int32_t hour = qsos[change.row]->time() / 3600 * 3600;
        if (hours.empty() || hours.back().hour != hour) {
            hours.push_back(HourOfChanges{hour, {}});
        }
        hours.back().rows.push_back(change.row);
    }
    return hours;
}

}  // namespace sorvak
