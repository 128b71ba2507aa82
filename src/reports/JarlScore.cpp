#include "reports/JarlScore.h"

#include <limits>

#include "platform/TextFormat.h"
#include "reports/AnalysisTally.h"
#include "reports/ReportFormat.h"

namespace sorvak {
namespace {

BandScore bandScore(const HourTally& totals, int band) {
    auto b = static_cast<size_t>(band);
    return BandScore{band, totals.count[b][0], totals.points[b], totals.newMultis[b]};
}

}  // namespace

LogScore scoreOf(const std::vector<std::unique_ptr<QsoRecord>>& qsos) {
    AnalysisTally tally = tallyLog(qsos, 0);
    LogScore score;
    for (int band = 1; band < kBandIndexCount; ++band) {
        if (tally.totals.count[static_cast<size_t>(band)][0] != 0) {
            score.bands.push_back(bandScore(tally.totals, band));
        }
    }
    score.total = bandScore(tally.totals, 0);
    return score;
}

std::optional<int> fieldDayCoefficient(const std::string& text) {
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxFieldDayCoefficient) {
        return std::nullopt;
    }
    return value;
}

int64_t claimedScore(const LogScore& score, const std::string& coefficient, bool checkLog) {
    if (checkLog) {
        return 0;
    }
    // Points and multipliers are 32-bit counts, so their product fits; only
    // the coefficient could carry it past 64 bits, and then it stops at the
    // largest value rather than wrap around.
    int64_t product = static_cast<int64_t>(score.total.points) * score.total.multis;
    int64_t claimed = product;
    if (__builtin_mul_overflow(product, fieldDayCoefficient(coefficient).value_or(1), &claimed)) {
        claimed =
            product < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    }
    return claimed;
}

std::vector<std::string> scoreTableLines(const LogScore& score, const std::string& coefficient,
                                         bool checkLog) {
    std::vector<std::string> lines = {"　バンド　　交信局数　　得点　　マルチ"};
    for (const BandScore& band : score.bands) {
        std::string name =
            band.band == 16 ? std::string(" 10.1 GHz")
                            : formatText("%5s MHz", std::string(bandIndexText(band.band)).c_str());
        lines.push_back(name + formatText("%9d%10d%8d", band.qsos, band.points, band.multis));
    }
    std::string total = formatText("  合　計%10d%10d ×%5d  ", score.total.qsos, score.total.points,
                                   score.total.multis);
    std::optional<int> factor = fieldDayCoefficient(coefficient);
    if (!checkLog && factor && *factor > 1) {
        total += formatText("× %d  ", *factor);
    }
    total +=
        formatText("＝  %lld", static_cast<long long>(claimedScore(score, coefficient, checkLog)));
    if (checkLog) {
        total += "  (チェックログ)";
    }
    lines.push_back(total);
    return lines;
}

}  // namespace sorvak
