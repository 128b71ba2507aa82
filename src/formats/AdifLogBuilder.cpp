#include "formats/AdifLogBuilder.h"

#include <algorithm>
#include <charconv>

#include "formats/AdifVocabulary.h"
#include "platform/ClockTime.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

// QSO points are not carried by ADIF; each QSO counts one.
constexpr int kAdifPoints = 1;

std::string_view trimmed(std::string_view value) {
    while (!value.empty() && value.front() == ' ') {
        value.remove_prefix(1);
    }
    while (!value.empty() && value.back() == ' ') {
        value.remove_suffix(1);
    }
    return value;
}

// The number of exactly `count` digits at `at`, or -1.
int digitsAt(std::string_view text, size_t at, size_t count) {
    int number = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') {
            return -1;
        }
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// QSO_DATE YYYYMMDD and TIME_ON HHMM or HHMMSS; no time unless both are valid.
int32_t timeOf(std::string_view date, std::string_view time) {
    date = trimmed(date);
    time = trimmed(time);
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6)) {
        return kNoTime;
    }
    int year = digitsAt(date, 0, 4);
    if (year < 0) {
        return kNoTime;
    }
    return makeCalendarTime(ClockParts{year, digitsAt(date, 4, 2), digitsAt(date, 6, 2),
                                       digitsAt(time, 0, 2), digitsAt(time, 2, 2),
                                       time.size() == 6 ? digitsAt(time, 4, 2) : 0});
}

// The leading number of a report ("599", "59+", "-10"); 0 when there is none.
int reportOf(std::string_view value) {
    value = trimmed(value);
    int number = 0;
    std::from_chars(value.data(), value.data() + value.size(), number);
    return number;
}

int bandOf(const AdifFields& fields) {
    if (!trimmed(fields.band).empty()) {
        return bandCodeOfAdifBand(trimmed(fields.band));
    }
    std::string_view freq = trimmed(fields.freq);
    double megahertz = 0;
    auto [end, error] = std::from_chars(freq.data(), freq.data() + freq.size(), megahertz);
    return !freq.empty() && error == std::errc() && end == freq.data() + freq.size()
               ? bandCodeOfFrequency(megahertz)
               : -1;
}

std::string_view firstGiven(std::string_view preferred, std::string_view otherwise) {
    return preferred.empty() ? otherwise : preferred;
}

}  // namespace

std::string AdifLogBuilder::text(std::string_view value) {
    bool ascii = std::all_of(value.begin(), value.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string cp932 =
        utf8_ && !ascii ? utf8ToCp932(value, log_.charactersLost) : std::string(value);
    for (char& c : cp932) {
        if ((c >= 0 && c < ' ') || c == 0x7F) {
            c = ' ';
        }
    }
    return cp932;
}

std::string AdifLogBuilder::trimmedText(std::string_view value) {
    return std::string(trimmed(text(value)));
}

void AdifLogBuilder::add(const AdifFields& fields) {
    QsoValues v;
    v.time = timeOf(fields.qsoDate, fields.timeOn);
    v.callSign = trimmedText(fields.call);
    v.srst = reportOf(fields.rstSent);
    v.rrst = reportOf(fields.rstRcvd);
    v.sent = text(firstGiven(fields.stxString, fields.stx));
    v.rcvd = text(firstGiven(fields.srxString, fields.srx));
    v.band = bandOf(fields);
    v.mode = modeCodeOfAdifMode(trimmed(fields.mode));
    v.points = kAdifPoints;
    v.operatorName = trimmedText(fields.operatorCall);
    v.memo = text(firstGiven(fields.commentIntl, fields.comment));
    if (v.band < 0) {
        ++log_.bandsUnset;
    }
    if (log_.stationCall.empty()) {
        log_.stationCall = trimmedText(fields.stationCallsign);
    }
    if (log_.contestName.empty()) {
        log_.contestName = trimmedText(fields.contestId);
    }
    log_.records.push_back(std::make_unique<QsoRecord>(std::move(v)));
}

}  // namespace sorvak
