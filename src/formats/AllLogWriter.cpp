#include "formats/AllLog.h"

#include "formats/TextLogTime.h"
#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

// The TX number follows an operator name at this column at the earliest.
constexpr size_t kTxColumnAfterOperator = 98;

// A multiplier column shows "-" for a QSO that brought no new multiplier.
std::string multiplierText(const std::string& multi, int isNew) {
    return isNew == 1 ? multi : "-";
}

std::string fixedPart(const QsoRecord& q) {
    ClockParts t = textLogClockFace(q);
    return formatText(
        "%4d/%2.2d/%2.2d %2.2d:%2.2d %-13s%-3d %-8s%-3d %-8s%-6s%-6s%-5s%-4s %-3d", t.year, t.month,
        t.day, t.hour, t.minute, q.callSign().c_str(), q.srst(), q.sent().c_str(), q.rrst(),
        q.rcvd().c_str(), multiplierText(q.multi(), q.newMulti()).c_str(),
        multiplierText(q.multi2(), q.newMulti2()).c_str(), std::string(q.bandText()).c_str(),
        std::string(q.modeText()).c_str(), q.points());
}

std::string qsoLine(const QsoRecord& q) {
    std::string line = fixedPart(q);
    if (!q.operatorName().empty()) {
        line += "%%" + q.operatorName() + "%% ";
    }
    if (q.txNumber() > 0) {
        if (!q.operatorName().empty() && line.size() < kTxColumnAfterOperator) {
            line.resize(kTxColumnAfterOperator, ' ');
        }
        line += formatText("TX#%-3d", q.txNumber());
    }
    return line + q.memo();
}

}  // namespace

std::string writeAllLog(const CSorvakDoc& doc) {
    std::string file = std::string(kAllLogHeader) + "\r\n";
    for (const auto& q : doc.qsoList()) {
        file += qsoLine(*q) + "\r\n";
    }
    return file;
}

}  // namespace sorvak
