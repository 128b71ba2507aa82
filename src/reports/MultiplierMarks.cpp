#include "reports/MultiplierMarks.h"

#include <utility>

#include "reports/AnalysisTally.h"

namespace sorvak {

MultiplierMarks::MultiplierMarks(MultiplierList list)
    : list_(std::move(list)), names_(list_.size()) {}

void MultiplierMarks::mark(Bands& bands, int bandIndex) {
    if (bandIndex >= 1 && bandIndex <= 16) {
        bands.set(bandIndex);
        bands_.set(bandIndex);
    }
}

std::optional<std::string> MultiplierMarks::markQso(const QsoRecord& qso, int bandIndex) {
    bool zoneType = zoneCount(list_.type()) > 0;
    if (qso.newMulti() != 0) {
        if (zoneType) {
            auto zone = parseZone(qso.multi(), list_.type());
            if (!zone) {
                return qso.multi();
            }
            mark(zones_[*zone], bandIndex);
        } else {
            auto index = list_.indexOf(qso.multi());
            if (!index) {
                return qso.multi();
            }
            mark(names_[*index], bandIndex);
        }
    }
    if (qso.newMulti2() != 0 && zoneType) {
        auto index = list_.indexOf(qso.multi2());
        if (!index) {
            return qso.multi2();
        }
        mark(names_[*index], bandIndex);
    }
    return std::nullopt;
}

std::vector<std::string> markLog(MultiplierMarks& marks, const QsoList& qsos) {
    std::vector<std::string> invalid;
    for (const auto& qso : qsos) {
        if (auto multiplier = marks.markQso(*qso, bandIndexOf(*qso))) {
            invalid.push_back(std::move(*multiplier));
        }
    }
    return invalid;
}

}  // namespace sorvak
