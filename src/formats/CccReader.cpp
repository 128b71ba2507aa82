#include <algorithm>
#include <cstdio>
#include <memory>

#include "formats/LoadContext.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"
#include "platform/Cp932.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

constexpr size_t kCallLimit = 15;
constexpr size_t kRcvd = 37, kMulti = 41, kMulti2 = 45, kFieldWidth = 3;
constexpr size_t kPoints = 54;
constexpr size_t kMemo = 57;
// A received RST above this is a CW report.
constexpr int kHighestPhoneRst = 59;

std::string bandOfMetres(int metres) {
    switch (metres) {
        case 160:
            return "1.9";
        case 80:
            return "3.5";
        case 40:
            return "7";
        case 30:
            return "10";
        case 20:
            return "14";
        case 18:
            return "18";
        case 15:
            return "21";
        case 12:
            return "24";
        case 10:
            return "28";
        case 6:
            return "50";
        case 2:
            return "144";
        default:
            return {};
    }
}

// A three-column field without its leading blanks.
std::string fieldAt(const std::string& line, size_t column) {
    std::string field = column < line.size() ? line.substr(column, kFieldWidth) : std::string();
    return field.substr(std::min(field.find_first_not_of(' '), field.size()));
}

// The QSO of a line, or nothing when the line does not give its six values.
std::unique_ptr<QsoRecord> recordOf(const std::string& line, int year) {
    QsoParts p;
    p.year = year;
    int metres = 0;
    ItemBuffer call{};
    if (std::sscanf(line.c_str(), "%2d %2d %4d %9d %254s %9d", &p.month, &p.day, &p.hhmm, &metres,
                    call.data(), &p.rrst) != 6) {
        return nullptr;
    }
    bool cw = p.rrst > kHighestPhoneRst;
    p.callSign = wholeCharactersWithin(call.data(), kCallLimit);
    p.srst = cw ? 599 : 59;
    p.modeText = cw ? "CW" : "SSB";
    p.rcvd = fieldAt(line, kRcvd);
    p.multi = fieldAt(line, kMulti);
    p.multi2 = fieldAt(line, kMulti2);
    p.points = numberFrom(line, kPoints, 0);
    p.memo = line.size() > kMemo ? line.substr(kMemo) : std::string();
    p.bandText = bandOfMetres(metres);
    p.powerLetter = 'P';
    return std::make_unique<QsoRecord>(p);
}

}  // namespace

void readCccLog(LoadContext& context) {
    const int year = modificationYear(context.source);
    std::string raw;
    while (context.source.readLine(raw)) {
        std::string line = cText(raw);
        if (line.starts_with("CCC TXT file")) {
            continue;
        }
        auto record = recordOf(line, year);
        if (!record) {
            context.ui.tell("読み込めません\n" + cp932ToUtf8(line));
            return;
        }
        context.add(std::move(record));
    }
}

}  // namespace sorvak
