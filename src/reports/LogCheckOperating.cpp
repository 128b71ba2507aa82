// The operating time: its off periods and the QSOs past its limit.
#include "reports/LogCheckParts.h"

namespace sorvak::logcheck {
namespace {

int32_t minuteOf(int32_t time) {
    return time / 60;
}

int32_t minuteAfter(int32_t time) {
    return static_cast<int32_t>((static_cast<int64_t>(time) + 59) / 60);
}

}  // namespace

std::optional<OperatingSummary> checkOperatingTime(const CheckInput& input, Findings& findings) {
    const LogCheckSettings& settings = input.settings;
    std::vector<size_t> rows;
    for (size_t row : input.timeOrder) {
        int32_t time = input.qsos[row]->time();
        if ((settings.start == kNoTime || time >= settings.start) &&
            (settings.end == kNoTime || time < settings.end)) {
            rows.push_back(row);
        }
    }
    if (rows.empty()) {
        return std::nullopt;
    }
    std::vector<int32_t> minutes;
    minutes.reserve(rows.size());
    for (size_t row : rows) {
        minutes.push_back(minuteOf(input.qsos[row]->time()));
    }
    int32_t first = settings.start != kNoTime ? minuteAfter(settings.start) : minutes.front();
    int32_t end = settings.end != kNoTime ? minuteAfter(settings.end) : minutes.back() + 1;
    OperatingTime time =
        operatingTime(minutes, first, end, settings.offTimeMinutes, settings.breakCounting);

    OperatingSummary summary{time.onMinutes, 0, time.offPeriods.size(), 0};
    for (const OffPeriod& off : time.offPeriods) {
        summary.offMinutes += off.minutes;
        std::vector<size_t> involved;
        if (off.next < rows.size()) {
            involved.push_back(rows[off.next]);
        }
        if (off.next > 0) {
            involved.push_back(rows[off.next - 1]);
        }
        findings.onRows(CheckKind::OperatingTime, CheckLevel::Information, std::move(involved),
                        "休止 " + clockText(off.start * 60) + " から " + clockText(off.end * 60) +
                            " まで (" + durationText(off.minutes) + ")");
    }
    if (settings.maxHours <= 0) {
        return summary;
    }
    std::optional<int32_t> limit =
        limitReached(time, first, end, static_cast<int64_t>(settings.maxHours) * 60);
    for (size_t i = 0; limit && i < rows.size(); ++i) {
        if (minutes[i] >= *limit) {
            ++summary.pastLimit;
            findings.onRow(CheckKind::OperatingTime, CheckLevel::Warning, rows[i],
                           "運用時間の上限 " + std::to_string(settings.maxHours) +
                               "時間を超えた後の交信です (上限に達したのは " +
                               clockText(*limit * 60) + ")");
        }
    }
    return summary;
}

}  // namespace sorvak::logcheck
