#include "formats/CabrilloQsoLine.h"

#include <charconv>
#include <string>
#include <vector>

#include "formats/ForeignLog.h"
#include "formats/FrequencyBands.h"
#include "formats/LineItems.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

using Fields = std::vector<LineItem>;

// "QSO:", frequency, mode, date and time come before the fields of a layout.
constexpr size_t kHeadItems = 5;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int valueOf(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// A transmitter number: one digit, as Cabrillo's 0 and 1 of a two-transmitter
// station (a longer number is an exchange's, such as a member number).
std::optional<int> transmitterNumber(std::string_view field) {
    return field.size() == 1 && isDigit(field[0]) ? std::optional<int>(field[0] - '0')
                                                  : std::nullopt;
}

// RS or RST: readability 1-5, strength and tone 1-9.
bool isReport(std::string_view field) {
    if ((field.size() != 2 && field.size() != 3) || field[0] < '1' || field[0] > '5') {
        return false;
    }
    for (char c : field.substr(1)) {
        if (c < '1' || c > '9') {
            return false;
        }
    }
    return true;
}

// A report, or the 0 that stands for none.
bool isReportField(std::string_view field) {
    return field == "0" || isReport(field);
}

// Letters and digits ending in a letter, with a letter before the last digit:
// "JA1ABC", "4X1AB", "UA1ZZ", but not a class such as "4A" nor a name.
bool isCallPart(std::string_view part) {
    if (part.empty() || !isLetter(part.back())) {
        return false;
    }
    size_t lastDigit = std::string_view::npos;
    for (size_t i = 0; i < part.size(); ++i) {
        if (isDigit(part[i])) {
            lastDigit = i;
        } else if (!isLetter(part[i])) {
            return false;
        }
    }
    if (lastDigit == std::string_view::npos) {
        return false;
    }
    for (size_t i = 0; i < lastDigit; ++i) {
        if (isLetter(part[i])) {
            return true;
        }
    }
    return false;
}

// A call sign, perhaps with a prefix or suffix after a '/' ("UA1ZZ/3", "F/JA1ABC").
bool looksLikeCall(std::string_view field) {
    while (true) {
        size_t slash = field.find('/');
        if (isCallPart(field.substr(0, slash))) {
            return true;
        }
        if (slash == std::string_view::npos) {
            return false;
        }
        field.remove_prefix(slash + 1);
    }
}

// Letters, digits and '/', with a letter somewhere before a digit: a call
// sign, cut short perhaps ("WB8"), but no number, word or exchange such as
// "10H" or "4A".
bool mayBeCall(std::string_view field) {
    bool letter = false;
    bool digitAfterLetter = false;
    for (char c : field) {
        if (!isLetter(c) && !isDigit(c) && c != '/') {
            return false;
        }
        letter = letter || isLetter(c);
        digitAfterLetter = digitAfterLetter || (letter && isDigit(c));
    }
    return digitAfterLetter;
}

// Takes 1 to `most` digits from the front of `text`.
std::optional<int> takeDigits(std::string_view& text, size_t most) {
    size_t count = 0;
    while (count < most && count < text.size() && isDigit(text[count])) {
        ++count;
    }
    if (count == 0) {
        return std::nullopt;
    }
    int value = valueOf(text.substr(0, count));
    text.remove_prefix(count);
    return value;
}

bool takeDash(std::string_view& text) {
    if (text.empty() || text.front() != '-') {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// "YYYY-MM-DD" and "HHMM", as "%4d-%2d-%2d %4d" read them.
bool readWhen(std::string_view date, std::string_view time, QsoParts& p) {
    auto year = takeDigits(date, 4);
    auto month = takeDash(date) ? takeDigits(date, 2) : std::nullopt;
    auto day = takeDash(date) ? takeDigits(date, 2) : std::nullopt;
    auto hhmm = takeDigits(time, 4);
    if (!year || !month || !day || !date.empty() || !hhmm || !time.empty()) {
        return false;
    }
    p.year = *year;
    p.month = *month;
    p.day = *day;
    p.hhmm = *hhmm;
    return true;
}

std::string callOf(std::string_view field) {
    return std::string(wholeCharactersWithin(field, kForeignCallLimit));
}

// Each layout takes a transmitter number at the end of the line only when
// `takesNumber` says so (a line written here has had its number taken already).
bool readOneWordExchanges(const Fields& f, bool takesNumber, CabrilloQso& q) {
    QsoParts& p = q.parts;
    if (f.size() != 6 && (f.size() != 7 || !takesNumber)) {
        return false;
    }
    auto srst = wholeNumber(f[1].text);
    auto rrst = wholeNumber(f[4].text);
    auto tx = f.size() == 7 ? transmitterNumber(f[6].text) : std::optional<int>(0);
    if (!srst || !rrst || !tx) {
        return false;
    }
    p.srst = *srst;
    p.sent = f[2].text;
    p.callSign = callOf(f[3].text);
    p.rrst = *rrst;
    p.rcvd = f[5].text;
    p.txNumber = *tx;
    return true;
}

// The exchanges in fields [sent, call) and [call + 1, end).
void takeExchanges(const Fields& f, size_t sent, size_t call, size_t end, CabrilloQso& q) {
    QsoParts& p = q.parts;
    size_t rcvd = call + 1;
    q.byFields = true;
    if (sent < call && rcvd < end && isReportField(f[sent].text) && isReportField(f[rcvd].text)) {
        q.reports = ReportFields{std::string(f[sent].text), std::string(f[rcvd].text)};
        p.srst = valueOf(f[sent++].text);
        p.rrst = valueOf(f[rcvd++].text);
    }
    p.sent = joinedItems(f, sent, call);
    p.callSign = callOf(f[call].text);
    p.rcvd = joinedItems(f, rcvd, end);
}

bool readSameLengths(const Fields& f, bool takesNumber, CabrilloQso& q) {
    size_t end = f.size();
    std::optional<int> tx = 0;
    if (end % 2 == 1) {
        tx = takesNumber ? transmitterNumber(f[--end].text) : std::nullopt;
    }
    size_t call = end / 2;
    if (!tx || call < 2 || !mayBeCall(f[call].text)) {
        return false;
    }
    takeExchanges(f, 1, call, end, q);
    q.parts.txNumber = *tx;
    return true;
}

bool readReportLed(const Fields& f, bool takesNumber, CabrilloQso& q) {
    // A line written here (its number taken already) writes 0 for no report.
    bool (*report)(std::string_view) = takesNumber ? isReport : isReportField;
    if (f.size() < 4 || !report(f[1].text)) {
        return false;
    }
    size_t call = 0;
    for (size_t i = 2; i + 1 < f.size(); ++i) {
        if (looksLikeCall(f[i].text) && report(f[i + 1].text)) {
            if (call != 0) {
                return false;
            }
            call = i;
        }
    }
    if (call == 0) {
        return false;
    }
    size_t end = f.size();
    std::optional<int> tx =
        takesNumber && end > call + 2 ? transmitterNumber(f[end - 1].text) : std::nullopt;
    takeExchanges(f, 1, call, tx ? end - 1 : end, q);
    q.parts.txNumber = tx.value_or(0);
    return true;
}

std::string withReport(const std::string& report, const std::string& exchange) {
    return exchange.empty() ? report : report + ' ' + exchange;
}

}  // namespace

std::optional<CabrilloQso> cabrilloQsoOf(std::string_view line, bool writtenHere) {
    if (!line.starts_with("QSO: ")) {
        return std::nullopt;
    }
    Fields items = itemsOf(line);
    CabrilloQso q;
    QsoParts& p = q.parts;
    if (items.size() < kHeadItems || !readWhen(items[3].text, items[4].text, p)) {
        return std::nullopt;
    }
    Fields fields(items.begin() + kHeadItems, items.end());
    std::optional<int> writtenNumber;
    if (writtenHere && !fields.empty()) {
        writtenNumber = wholeNumber(fields.back().text);
    }
    if (writtenNumber) {
        fields.pop_back();
    }
    bool takesNumber = !writtenNumber;
    if (!readOneWordExchanges(fields, takesNumber, q) && !readSameLengths(fields, takesNumber, q) &&
        !readReportLed(fields, takesNumber, q)) {
        return std::nullopt;
    }
    if (writtenNumber) {
        p.txNumber = *writtenNumber;
    }
    p.bandText = bandOfCabrilloFrequency(items[1].text);
    p.modeText = modeTextOfField(std::string(items[2].text));
    p.powerLetter = 'P';
    p.points = 1;
    return q;
}

void keepReportsInExchanges(QsoRecord& qso, const ReportFields& reports) {
    qso.setSrst(0);
    qso.setSent(withReport(reports.sent, qso.sent()));
    qso.setRrst(0);
    qso.setRcvd(withReport(reports.received, qso.rcvd()));
}

}  // namespace sorvak
