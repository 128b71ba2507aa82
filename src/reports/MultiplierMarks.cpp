#include "reports/MultiplierMarks.h"

#include "model/QsoRecord.h"

namespace sorvak {

MultiplierMarks::MultiplierMarks(const MultiplierList& list) : list_(list), names_(list.size()) {}

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

}  // namespace sorvak
