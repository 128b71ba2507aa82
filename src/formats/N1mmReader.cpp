#include <array>
#include <cstdio>
#include <memory>
#include <string_view>

#include "formats/ForeignLog.h"
#include "formats/LineItems.h"
#include "formats/LoadContext.h"
#include "formats/N1mmColumns.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

constexpr std::string_view kColumnHeader =
    "Date     Time   Freq   Mode MyCall       Snt Exch   HisCall         Rcvd Exch     Mult   Pts";
static_assert(kColumnHeader.size() == 92);

constexpr size_t kMulti = 83, kMultiWidth = 6;
constexpr size_t kPoints = 90;

// Frequencies in kHz.
constexpr std::array<FrequencyStep, 15> kN1mmBands = {{{3500, "1.9"},
                                                       {7000, "3.5"},
                                                       {10000, "7"},
                                                       {14000, "10"},
                                                       {18000, "14"},
                                                       {21000, "18"},
                                                       {24000, "21"},
                                                       {28000, "24"},
                                                       {50000, "28"},
                                                       {144000, "50"},
                                                       {430000, "144"},
                                                       {1200000, "430"},
                                                       {2400000, "1200"},
                                                       {5700000, "2400"},
                                                       {9999999, "5600"}}};

// The QSO of a data line, or nothing when the line does not give all its
// twelve values. The points of a line without any keep `points` as it was.
std::unique_ptr<QsoRecord> recordOf(const std::string& line, int& points) {
    QsoParts p;
    int hhmm = 0;
    double frequency = 0;
    ItemBuffer mode{}, ownCall{}, sent{}, call{}, rcvd{};
    if (std::sscanf(line.c_str(), "%4d%2d%2d %4d %lf %254s %254s %9d %254s %254s %9d %254s",
                    &p.year, &p.month, &p.day, &hhmm, &frequency, mode.data(), ownCall.data(),
                    &p.srst, sent.data(), call.data(), &p.rrst, rcvd.data()) != 12) {
        return nullptr;
    }
    p.hhmm = hhmm;
    p.callSign = wholeCharactersWithin(call.data(), kForeignCallLimit);
    p.sent = wholeCharactersWithin(sent.data(), kForeignExchangeLimit);
    p.rcvd = wholeCharactersWithin(rcvd.data(), kForeignExchangeLimit);
    p.multi = itemInColumns(line, kMulti, kMultiWidth);
    points = numberFrom(line, kPoints, points);
    p.points = points;
    p.bandText = bandOfFrequency(kN1mmBands, "10G", frequency);
    p.modeText = modeTextOfField(mode.data());
    p.powerLetter = 'P';
    return std::make_unique<QsoRecord>(p);
}

// The data lines under the column header, up to the first line that is
// only a line feed or does not give its twelve values.
void readHeaderLines(LoadContext& context, ForeignLoadNotes& notes) {
    int points = 0;
    std::string raw;
    while (context.source.readRawLine(raw) && raw != "\n") {
        auto record = recordOf(cText(raw), points);
        if (!record) {
            return;
        }
        notes.add(context, std::move(record));
    }
}

// The data lines under a column heading of today's files; blank lines are
// passed over, and a line without a QSO is counted.
void readColumnLines(LoadContext& context, const N1mmColumns& columns, int lineNumber,
                     ForeignLoadNotes& notes) {
    std::string raw;
    while (context.source.readLine(raw)) {
        std::string line = cText(raw);
        ++lineNumber;
        if (itemsOf(line).empty()) {
            continue;
        }
        if (auto parts = columns.qsoOf(line)) {
            notes.add(context, std::make_unique<QsoRecord>(*parts));
        } else {
            notes.unreadLine(lineNumber);
        }
    }
}

}  // namespace

void readN1mmLog(LoadContext& context) {
    ForeignLoadNotes notes;
    std::string raw;
    for (int lineNumber = 1; context.source.readLine(raw); ++lineNumber) {
        std::string line = cText(raw);
        if (line.starts_with(kColumnHeader)) {
            readHeaderLines(context, notes);
            break;
        }
        if (auto columns = N1mmColumns::of(line)) {
            readColumnLines(context, *columns, lineNumber, notes);
            break;
        }
        applyContestLine(context.doc, line);
    }
    notes.finish(context);
}

}  // namespace sorvak
