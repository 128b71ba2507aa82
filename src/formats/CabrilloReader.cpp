#include <array>
#include <cstdio>
#include <memory>

#include "formats/ForeignLog.h"
#include "formats/LoadContext.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

// Frequencies as the Cabrillo writer puts them: GHz for the microwave bands,
// MHz from 50 MHz up, kHz for the HF bands.
constexpr std::array<FrequencyStep, 15> kCabrilloBands = {{{2.3, "1200"},
                                                           {5.7, "2400"},
                                                           {10, "5600"},
                                                           {50, "10G"},
                                                           {144, "50"},
                                                           {432, "144"},
                                                           {1800, "430"},
                                                           {3500, "1.9"},
                                                           {7000, "3.5"},
                                                           {10000, "7"},
                                                           {14000, "10"},
                                                           {18000, "14"},
                                                           {21000, "18"},
                                                           {24000, "21"},
                                                           {28000, "24"}}};

// The fields of a "QSO:" line. A line that stops early leaves the rest as
// the previous QSO line had them.
struct QsoLineFields {
    double frequency = 0;
    ItemBuffer mode{};
    int year = 0;
    int month = 0;
    int day = 0;
    int hhmm = 0;
    ItemBuffer ownCall{};
    int srst = 0;
    ItemBuffer sent{};
    ItemBuffer call{};
    int rrst = 0;
    ItemBuffer rcvd{};
    int txNumber = 0;

    void read(const std::string& line) {
        std::sscanf(line.c_str(),
                    "QSO: %lf %254s %4d-%2d-%2d %4d %254s %9d %254s %254s %9d %254s %9d",
                    &frequency, mode.data(), &year, &month, &day, &hhmm, ownCall.data(), &srst,
                    sent.data(), call.data(), &rrst, rcvd.data(), &txNumber);
    }
};

std::unique_ptr<QsoRecord> recordOf(const QsoLineFields& f) {
    QsoParts p;
    p.year = f.year;
    p.month = f.month;
    p.day = f.day;
    p.hhmm = f.hhmm;
    p.callSign = wholeCharactersWithin(f.call.data(), kForeignCallLimit);
    p.srst = f.srst;
    p.sent = wholeCharactersWithin(f.sent.data(), kForeignExchangeLimit);
    p.rrst = f.rrst;
    p.rcvd = wholeCharactersWithin(f.rcvd.data(), kForeignExchangeLimit);
    p.bandText = bandOfFrequency(kCabrilloBands, "28", f.frequency);
    p.modeText = modeTextOfField(f.mode.data());
    p.powerLetter = 'P';
    p.points = 1;
    p.txNumber = f.txNumber;
    return std::make_unique<QsoRecord>(p);
}

}  // namespace

void readCabrillo(LoadContext& context) {
    QsoLineFields fields;
    std::string raw;
    while (context.source.readLine(raw)) {
        std::string line = cText(raw);
        applyContestLine(context.doc, line);
        if (!line.starts_with("QSO: ")) {
            continue;
        }
        fields.read(line);
        context.add(recordOf(fields));
    }
}

}  // namespace sorvak
