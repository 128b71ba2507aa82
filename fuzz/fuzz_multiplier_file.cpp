// The multiplier data file reader over any bytes: every name it lists is
// found again at its place, and a QSO that claims it marks it.
#include "FuzzSupport.h"
#include "model/QsoRecord.h"
#include "reports/MultiplierList.h"
#include "reports/MultiplierMarks.h"
#include "reports/TextLines.h"

namespace {

using namespace sorvak;

QsoRecord claiming(const std::string& multi, const std::string& multi2) {
    QsoValues v;
    v.multi = multi;
    v.newMulti = 1;
    v.multi2 = multi2;
    v.newMulti2 = multi2.empty() ? 0 : 1;
    return QsoRecord(std::move(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MultiplierList list = readMultiplierList(fuzz::textOf(data, size));
    const auto& names = list.names();
    for (size_t i = 0; i < names.size(); ++i) {
        if (list.indexOf(names[i]) != i) {
            fuzz::propertyFailed("a listed name is found at its place", std::to_string(i),
                                 names[i]);
        }
        if (names[i].empty() || firstItem(names[i]) != names[i]) {
            fuzz::propertyFailed("a listed name is one item", "", names[i]);
        }
    }
    int zones = zoneCount(list.type());
    for (int zone = 1; zone <= zones; ++zone) {
        if (parseZone(" " + std::to_string(zone) + " ", list.type()) != zone) {
            fuzz::propertyFailed("a zone reads as itself", std::to_string(zone), "");
        }
    }
    MultiplierMarks marks(list);
    for (size_t i = 0; i < names.size() && i < 64; ++i) {
        int band = static_cast<int>(i % 16) + 1;
        QsoRecord qso = zones > 0
                            ? claiming(std::to_string(static_cast<int>(i) % zones + 1), names[i])
                            : claiming(names[i], "");
        if (auto invalid = marks.markQso(qso, band)) {
            fuzz::propertyFailed("a listed name is a valid claim", names[i], *invalid);
        }
        if (!marks.nameBands(i).test(static_cast<size_t>(band)) || !marks.bandHasMultiplier(band)) {
            fuzz::propertyFailed("a claim marks its band", names[i], std::to_string(band));
        }
    }
    return 0;
}
