#include "formats/ExportSample.h"

#include <memory>

namespace sorvak::test {

void addExportSample(CSorvakDoc& doc) {
    doc.add(std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                 .month = 11,
                                                 .day = 3,
                                                 .hhmm = 905,
                                                 .callSign = "JA1ABC/1/P",
                                                 .srst = 599,
                                                 .sent = "10H",
                                                 .rrst = 579,
                                                 .rcvd = "13M",
                                                 .multi = "13",
                                                 .bandText = "7",
                                                 .modeText = "CW",
                                                 .txNumber = 0,
                                                 .operatorName = "OP1",
                                                 .memo = "[QTC1/10 JA9XYZ 2026-11-02 0900 599]"}));
    doc.add(std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                 .month = 1,
                                                 .day = 21,
                                                 .hhmm = 2359,
                                                 .callSign = "7K1XYZ",
                                                 .srst = 59,
                                                 .sent = "10H",
                                                 .rrst = 57,
                                                 .rcvd = "25L",
                                                 .multi = "25",
                                                 .bandText = "430",
                                                 .modeText = "SSB",
                                                 .txNumber = 1,
                                                 .memo = "[QTC2/10 JA9XYZ 2026-11-02]"}));
    doc.add(std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                 .month = 12,
                                                 .day = 31,
                                                 .hhmm = 0,
                                                 .callSign = "JA1ABCDEFG/MM",
                                                 .srst = 599,
                                                 .sent = "10H",
                                                 .rrst = 599,
                                                 .rcvd = "X",
                                                 .bandText = "1.9",
                                                 .modeText = "Other",
                                                 .txNumber = 12,
                                                 .operatorName = "\xB5\xCD\xDF",
                                                 .memo = "\x83\x81\x83\x82"}));
}

std::string crlfLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace sorvak::test
