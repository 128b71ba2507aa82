#include "reports/Continents.h"

namespace sorvak {

int continentIndex(std::string_view code) {
    std::string_view twoLetters = code.substr(0, 2);
    for (size_t k = 0; k < kContinents.size(); ++k) {
        if (kContinents[k].code == twoLetters) {
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

std::string_view continentOfZone(int zone) {
    struct ZoneRange {
        int last;
        std::string_view continent;
    };
    static constexpr ZoneRange kRanges[] = {
        {8, "NA"}, {13, "SA"}, {16, "EU"}, {26, "AS"}, {32, "OC"}, {39, "AF"}, {40, "EU"},
    };
    if (zone < 1) {
        return "??";
    }
    for (const auto& range : kRanges) {
        if (zone <= range.last) {
            return range.continent;
        }
    }
    return "??";
}

}  // namespace sorvak
