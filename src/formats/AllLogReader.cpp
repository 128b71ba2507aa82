#include <algorithm>
#include <cstdio>
#include <memory>

#include "formats/LoadContext.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"

namespace sorvak {
namespace {

// Where a Windows text log line keeps its fields.
constexpr size_t kCall = 17, kCallWidth = 13;
constexpr size_t kSrst = 30;
constexpr size_t kSent = 34, kRcvd = 46, kExchangeWidth = 7;
constexpr size_t kRrst = 42;
constexpr size_t kMulti = 54, kMulti2 = 60, kMultiWidth = 6;
constexpr size_t kBandModePoints = 66;
constexpr size_t kTail = 79, kPointsWidth = 3;
constexpr size_t kTxColumn = 98, kMemoAfterTxColumn = 104, kTxWidth = 6;

struct LineDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// False when the line does not give all five parts; the others stay 0.
bool readDate(const std::string& line, LineDate& d) {
    return std::sscanf(line.c_str(), "%9d/%9d/%9d %9d:%9d", &d.year, &d.month, &d.day, &d.hour,
                       &d.minute) == 5;
}

// A multiplier column; "-" marks a QSO that brought no new multiplier.
std::string multiplierAt(const std::string& line, size_t column) {
    std::string item = itemInColumns(line, column, kMultiWidth);
    return item.starts_with('-') ? std::string() : item;
}

// Band, mode and points; returns the column where the tail begins. A value
// longer than its column (the mode "Other") pushes the points, and the tail
// after them, to the right: the tail then begins where the points' three
// columns end.
size_t readBandModePoints(const std::string& line, QsoParts& p) {
    ItemBuffer band{};
    ItemBuffer mode{};
    p.points = 0;
    int pointsStart = 0;
    int pointsEnd = 0;
    std::string rest = restFrom(line, kBandModePoints);
    std::sscanf(rest.c_str(), "%254s %254s %n%9d%n", band.data(), mode.data(), &pointsStart,
                &p.points, &pointsEnd);
    p.bandText = band.data();
    p.modeText = mode.data();
    if (pointsEnd == 0) {
        return kTail;
    }
    size_t width = std::max(kPointsWidth, static_cast<size_t>(pointsEnd - pointsStart));
    return std::max(kTail, kBandModePoints + pointsStart + width);
}

// Operator name, TX number and memo from `tail` on.
void readTail(const std::string& line, size_t tail, QsoParts& p) {
    size_t position = readOperatorName(line, tail, p.operatorName);
    if (readTxNumber(line, position, p.txNumber)) {
        position += kTxWidth;
    }
    if (readTxNumber(line, kTxColumn, p.txNumber)) {
        position = kMemoAfterTxColumn;
    }
    p.memo = restFrom(line, position);
}

std::unique_ptr<QsoRecord> recordOf(const std::string& line, const LineDate& d) {
    QsoParts p;
    p.callSign = itemInColumns(line, kCall, kCallWidth);
    p.srst = numberFrom(line, kSrst, 0);
    p.sent = itemInColumns(line, kSent, kExchangeWidth);
    p.rrst = numberFrom(line, kRrst, 0);
    p.rcvd = itemInColumns(line, kRcvd, kExchangeWidth);
    p.multi = multiplierAt(line, kMulti);
    p.multi2 = multiplierAt(line, kMulti2);
    size_t tail = readBandModePoints(line, p);
    p.powerLetter = powerFromSent(p.sent);
    readTail(line, tail, p);
    auto record = std::make_unique<QsoRecord>(p);
    record->setTime(makeCalendarTime(ClockParts{d.year, d.month, d.day, d.hour, d.minute, 0}));
    return record;
}

bool isSkipped(const std::string& line) {
    return line.empty() || line[0] == ';' || line[0] == 'Q';
}

}  // namespace

void readAllLog(LoadContext& context) {
    std::string raw;
    int lineNumber = 0;
    while (context.source.readLine(raw)) {
        ++lineNumber;
        std::string line = cText(raw);
        if (isSkipped(line)) {
            continue;
        }
        LineDate date;
        if (!readDate(line, date) && !askToGoOn(context.ui, lineNumber, line)) {
            return;
        }
        context.add(recordOf(line, date));
    }
}

}  // namespace sorvak
