#include <cstdio>
#include <memory>
#include <optional>

#include "formats/DosLog.h"
#include "formats/LoadContext.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"

namespace sorvak {
namespace {

// Reading limits of the blank-separated items.
constexpr size_t kCallLimit = 15, kNumberLimit = 31, kBandModeLimit = 7;
// A first line this long that begins with "m" is the wide layout's header.
constexpr size_t kWideHeaderFrom = 80;

DosLayout layoutOfFirstLine(const std::string& line) {
    bool wide = line.starts_with('m') && line.size() >= kWideHeaderFrom;
    return DosLayout{wide ? DosLayout::kWideWidth : DosLayout::kNarrowWidth};
}

// False when the line does not give month, day and time; the others stay 0.
bool readDate(const std::string& line, QsoParts& p) {
    p.month = 0;
    p.day = 0;
    p.hhmm = 0;
    return std::sscanf(line.c_str(), "%9d %9d %9d", &p.month, &p.day, &p.hhmm) == 3;
}

// The multiplier column is right-aligned: empty unless its last column is used.
std::string multiplierOf(const std::string& line, const DosLayout& layout) {
    size_t last = layout.multiLast();
    if (last >= line.size() || line[last] == ' ') {
        return {};
    }
    return itemFrom(line, layout.multi(), kNumberLimit);
}

// How far a mode text longer than its three columns ("RTTY", "Other")
// pushes the points and the tail after it to the right.
size_t modePush(const std::string& modeText) {
    return modeText.size() > DosLayout::kModeWidth ? modeText.size() - DosLayout::kModeWidth : 0;
}

// Operator name, TX number and memo after the fixed columns, which end
// `push` columns later than their place.
void readTail(const std::string& line, const DosLayout& layout, size_t push, QsoParts& p) {
    size_t tail = layout.tail() + push;
    if (line.size() <= tail + 1) {
        return;
    }
    size_t position = readOperatorName(line, tail + 1, p.operatorName);
    if (readTxNumber(line, layout.txColumn(), p.txNumber)) {
        position = layout.memoAfterTx();
    }
    p.memo = restFrom(line, position);
}

void readFixedFields(const std::string& line, const DosLayout& layout, QsoParts& p) {
    p.callSign = fieldItem(line, DosLayout::kCall, DosLayout::kCallWidth, kCallLimit);
    p.srst = numberInColumns(line, DosLayout::kSrst, DosLayout::kRstWidth, 0);
    p.sent = itemInColumns(line, DosLayout::kSent, layout.width);
    p.rrst = numberInColumns(line, layout.rrst(), DosLayout::kRstWidth, 0);
    p.rcvd = fieldItem(line, layout.rcvd(), layout.width, kNumberLimit);
    p.multi = multiplierOf(line, layout);
    p.bandText = itemFrom(line, layout.band(), kBandModeLimit);
    p.modeText = itemFrom(line, layout.mode(), kBandModeLimit);
    p.points = numberFrom(line, layout.points() + modePush(p.modeText), 0);
    p.powerLetter = powerFromSent(p.sent);
}

bool isSkipped(const std::string& line) {
    return line.empty() || line[0] == ';' || line[0] == 'm';
}

}  // namespace

void readDosLog(LoadContext& context) {
    const int year = modificationYear(context.source);
    std::optional<DosLayout> layout;
    std::string raw;
    int lineNumber = 0;
    while (context.source.readLine(raw)) {
        ++lineNumber;
        std::string line = cText(raw);
        if (!layout) {
            layout = layoutOfFirstLine(line);
        }
        if (isSkipped(line)) {
            continue;
        }
        QsoParts p;
        p.year = year;
        if (!readDate(line, p) && !askToGoOn(context.ui, lineNumber, line)) {
            return;
        }
        readFixedFields(line, *layout, p);
        readTail(line, *layout, modePush(p.modeText), p);
        context.add(std::make_unique<QsoRecord>(p));
    }
}

}  // namespace sorvak
