#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

// The score of a log as the analysis result table counts it: QSOs, points
// and multiplier flags (newMulti and newMulti2 each counting), per band and
// in all.
struct BandScore {
    int band = 0;  // band index: 0 all bands, 1 to 16 the band codes 0 to 15
    int qsos = 0;
    int points = 0;
    int multis = 0;
};

struct LogScore {
    std::vector<BandScore> bands;  // the bands with QSOs, in band order
    BandScore total;
};

// One tally pass over the list, the same the analysis makes (without the
// call-area count).
LogScore scoreOf(const std::vector<std::unique_ptr<QsoRecord>>& qsos);

// Points × multipliers, times the field-day coefficient when it is more than
// 1; 0 for a check log. A coefficient text that is not a number counts as 1.
int64_t claimedScore(const LogScore& score, const std::string& coefficient, bool checkLog);

// The coefficient a text names, when it is a plain decimal number from 1 to
// kMaxFieldDayCoefficient.
inline constexpr int kMaxFieldDayCoefficient = 99;
std::optional<int> fieldDayCoefficient(const std::string& text);

// The result table shown beside the score: heading, one line per band, the
// total line with the product.
std::vector<std::string> scoreTableLines(const LogScore& score, const std::string& coefficient,
                                         bool checkLog);

}  // namespace sorvak
