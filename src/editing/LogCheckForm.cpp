#include "editing/LogCheckForm.h"

#include <algorithm>

#include "editing/FieldChecks.h"
#include "model/CSorvakDoc.h"
#include "reports/LogCheckText.h"

namespace sorvak {
namespace {

constexpr const char* kMomentMessage = "日時は YYYY-MM-DD HH:MM の形で入力してください。";
constexpr const char* kMomentFormat = "%04d-%02d-%02d %02d:%02d";
constexpr const char* kOrderMessage = "終了日時は開始日時より後にしてください。";

std::string_view trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, last - first + 1);
}

// The clock time of "YYYY-MM-DD HH:MM"; kNoTime for an empty text, nothing
// for a text that names no moment of 1970 to 2037.
std::optional<int32_t> momentOf(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return kNoTime;
    }
    static constexpr std::string_view kShape = "dddd-dd-dd dd:dd";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool fits = kShape[i] == 'd'   ? c >= '0' && c <= '9'
                    : kShape[i] == ' ' ? c == ' ' || c == 'T'
                                       : c == kShape[i];
        if (!fits) {
            return std::nullopt;
        }
    }
    auto number = [&](size_t at, size_t length) { return numberOf(text.substr(at, length)); };
    ClockParts parts{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), 0};
    int32_t time = makeClockTime(parts);
    std::optional<ClockParts> back = breakDownClockTime(time);
    if (parts.year < kFirstYear || parts.year > kLastYear || !back || back->month != parts.month ||
        back->day != parts.day || back->hour != parts.hour || back->minute != parts.minute) {
        return std::nullopt;
    }
    return time;
}

}  // namespace

LogCheckForm LogCheckForm::prefilledFrom(const CSorvakDoc& doc, const LogCheckSettings& kept) {
    int32_t first = kNoTime;
    int32_t last = kNoTime;
    for (const auto& qso : doc.qsoList()) {
        if (qso->time() >= 0) {
            first = first == kNoTime ? qso->time() : std::min(first, qso->time());
            last = std::max(last, qso->time());
        }
    }
    LogCheckForm form;
    int32_t afterLast = last == kNoTime ? kNoTime : last / 60 * 60 + 60;
    form.start = clockTimeText(kept.start != kNoTime ? kept.start : first, kMomentFormat);
    form.end = clockTimeText(kept.end != kNoTime ? kept.end : afterLast, kMomentFormat);
    form.offTime = std::to_string(kept.offTimeMinutes);
    form.breakCounting = kept.breakCounting;
    form.maxHours = std::to_string(kept.maxHours);
    form.dupeRule = kept.dupeRule;
    form.useMasterCalls = kept.useMasterCalls;
    return form;
}

std::optional<LogCheckForm::Failure> LogCheckForm::check() const {
    std::optional<int32_t> from = momentOf(start);
    if (!from) {
        return Failure{Field::Start, kMomentMessage};
    }
    std::optional<int32_t> to = momentOf(end);
    if (!to) {
        return Failure{Field::End, kMomentMessage};
    }
    if (*from != kNoTime && *to != kNoTime && *to <= *from) {
        return Failure{Field::End, kOrderMessage};
    }
    if (auto message = checkUnsigned(offTime, 1, kLongestOffTime)) {
        return Failure{Field::OffTime, *message};
    }
    if (auto message = checkUnsigned(maxHours, 0, kMostHours)) {
        return Failure{Field::MaxHours, *message};
    }
    return std::nullopt;
}

LogCheckSettings LogCheckForm::settings(const CSorvakDoc& doc, int32_t now) const {
    LogCheckSettings settings;
    settings.start = momentOf(start).value_or(kNoTime);
    settings.end = momentOf(end).value_or(kNoTime);
    settings.offTimeMinutes = numberOf(offTime);
    settings.breakCounting = breakCounting;
    settings.maxHours = numberOf(maxHours);
    settings.dupeRule = dupeRule;
    settings.useMasterCalls = useMasterCalls;
    settings.utcFlag = doc.contest().utcFlag;
    settings.now = now;
    return settings;
}

}  // namespace sorvak
