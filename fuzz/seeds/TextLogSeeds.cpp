#include <memory>

#include "FuzzSupport.h"
#include "formats/AllLog.h"
#include "formats/DosLog.h"
#include "model/CSorvakDoc.h"

namespace sorvak::fuzz {
namespace {

// A small log with every part of a text log line in use.
CSorvakDoc sampleLog(const std::string& longestNumber) {
    CSorvakDoc doc;
    for (int i = 0; i < 3; ++i) {
        QsoParts p;
        p.year = 2026;
        p.month = 11;
        p.day = 22;
        p.hhmm = 1234 + i;
        p.callSign = "JA" + std::to_string(i) + "ABC";
        p.srst = 599;
        p.sent = i == 0 ? longestNumber : "10H";
        p.rrst = 599;
        p.rcvd = "12M";
        p.multi = i == 1 ? "" : "12";
        p.multi2 = "AB";
        p.bandText = "7";
        p.modeText = i == 2 ? "Other" : "CW";
        p.powerLetter = 'H';
        p.points = 1;
        p.txNumber = i;
        p.operatorName = i == 1 ? "JA1OP" : "";
        p.memo = i == 0 ? "" : "memo";
        doc.add(std::make_unique<QsoRecord>(p));
    }
    return doc;
}

std::vector<std::string> allLogSeeds() {
    return {writeAllLog(sampleLog("10H")), "Quog for Windows \r\n", ";\r\n2026/11/22\r\n"};
}

std::vector<std::string> dosLogSeeds() {
    return {writeDosLog(sampleLog("10H")), writeDosLog(sampleLog("1234567890")), "m\r\n 1 2 3\r\n"};
}

const SeedRegistration allLog("all_log", allLogSeeds);
const SeedRegistration dosLog("dos_log", dosLogSeeds);

}  // namespace
}  // namespace sorvak::fuzz
