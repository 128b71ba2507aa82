#include <algorithm>

#include "formats/DosLog.h"
#include "formats/TextLogTime.h"
#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

DosLayout layoutFor(const CSorvakDoc& doc) {
    size_t longest = 0;
    for (const auto& q : doc.qsoList()) {
        longest = std::max({longest, q->sent().size(), q->rcvd().size()});
    }
    return DosLayout{longest >= DosLayout::kWideFrom ? DosLayout::kWideWidth
                                                     : DosLayout::kNarrowWidth};
}

std::string headerLine(const DosLayout& layout) {
    return formatText("mon day time  callsign      sent%*srcvd%*smulti   MHz mode pts memo",
                      static_cast<int>(layout.width - 1), "", static_cast<int>(layout.width - 4),
                      "");
}

std::string fixedPart(const QsoRecord& q, const DosLayout& layout) {
    ClockParts t = textLogClockFace(q);
    int width = static_cast<int>(layout.width);
    return formatText("%3d%4d %04d %-11s%3d%-*s%3d%-*s%6s%6s  %-3s %-3d", t.month, t.day,
                      t.hour * 100 + t.minute, q.callSign().c_str(), q.srst(), width,
                      q.sent().c_str(), q.rrst(), width, q.rcvd().c_str(),
                      q.newMulti() == 1 ? q.multi().c_str() : "", std::string(q.bandText()).c_str(),
                      std::string(q.modeText()).c_str(), q.points());
}

std::string qsoLine(const QsoRecord& q, const DosLayout& layout) {
    std::string line = fixedPart(q, layout);
    if (!q.operatorName().empty()) {
        line += " %%" + q.operatorName() + "%%";
    }
    if (q.txNumber() > 0) {
        line.resize(std::max(line.size(), layout.txColumn()), ' ');
        line += formatText("TX#%-2d", q.txNumber());
    }
    if (!q.memo().empty()) {
        line += " " + q.memo();
    }
    return line;
}

}  // namespace

std::string writeDosLog(const CSorvakDoc& doc) {
    DosLayout layout = layoutFor(doc);
    std::string file = headerLine(layout) + "\r\n";
    for (const auto& q : doc.qsoList()) {
        file += qsoLine(*q, layout) + "\r\n";
    }
    return file;
}

}  // namespace sorvak
