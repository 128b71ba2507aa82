#include <memory>

#include "FuzzSupport.h"
#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"

namespace sorvak::fuzz {
namespace {

// A binary log of a few QSOs, with values at the edges of their fields.
CSorvakDoc sampleLog() {
    CSorvakDoc doc;
    doc.contest().stationCall = "JA1ZZZ";
    doc.contest().contestName = "ALL JA";
    doc.contest().utcFlag = 1;
    doc.contest().coefficient = 2;
    for (int i = 0; i < 3; ++i) {
        QsoValues v;
        v.time = i == 2 ? kNoTime : 1795350900 + i * 60;
        v.callSign = i == 1 ? "JA1ABCDEFGHI" : "JA1ABC";
        v.srst = 599;
        v.sent = "10H";
        v.rrst = i == 1 ? -1 : 59;
        v.rcvd = "\x93\x8c\x8b\x9e";
        v.multi = "10";
        v.newMulti = 1;
        v.band = i == 1 ? 15 : 2;
        v.mode = i;
        v.power = i == 2 ? -1 : 3;
        v.points = i == 1 ? 255 : 1;
        v.txNumber = i;
        v.operatorName = i == 0 ? "JA1OP" : "";
        v.memo = std::string(i == 1 ? 67 : 4, 'm');
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
    return doc;
}

std::vector<std::string> binaryLogSeeds() {
    std::string log = writeBinaryLog(sampleLog());
    CSorvakDoc server;
    server.contest().contestName = "QServer log";
    std::string serverLog = writeBinaryLog(server) + log.substr(kRecordSize);
    return {log, log.substr(0, kRecordSize), serverLog, log.substr(0, log.size() - 100)};
}

const SeedRegistration registration("binary_log", binaryLogSeeds);

}  // namespace
}  // namespace sorvak::fuzz
