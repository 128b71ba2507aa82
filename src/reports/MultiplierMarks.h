#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "model/QsoRecord.h"
#include "reports/MultiplierList.h"

namespace sorvak {

// Which multipliers of a list, and for the zone types which zones, were
// worked on which band (band index 1 to 16).
class MultiplierMarks {
  public:
    using Bands = std::bitset<17>;

    explicit MultiplierMarks(MultiplierList list);

    // Marks the multipliers the QSO claims on `bandIndex`: with `newMulti`
    // set, its `multi` (a zone for the zone types, else a name of the list);
    // for the zone types with `newMulti2` set, its `multi2` (a name). Returns
    // the first claimed multiplier that is not valid, leaving the QSO's
    // later one unexamined; nothing when all were valid. A QSO without a band
    // index 1 to 16 is checked but marks nothing.
    std::optional<std::string> markQso(const QsoRecord& qso, int bandIndex);

    const MultiplierList& list() const { return list_; }
    // The bands the list's name at `index` was worked on.
    const Bands& nameBands(size_t index) const { return names_[index]; }
    // The bands zone 1 to zoneCount(type) was worked on.
    const Bands& zoneBands(int zone) const { return zones_[zone]; }
    // Whether any multiplier or zone was marked on the band.
    bool bandHasMultiplier(int bandIndex) const { return bands_[bandIndex]; }

  private:
    void mark(Bands& bands, int bandIndex);

    MultiplierList list_;
    std::vector<Bands> names_;
    std::array<Bands, 91> zones_{};
    Bands bands_;
};

// Marks every QSO of the log on its band; the invalid multipliers found
// (markQso's), in log order.
std::vector<std::string> markLog(MultiplierMarks& marks, const QsoList& qsos);

}  // namespace sorvak
