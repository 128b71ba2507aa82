#include "formats/HamlogCsvWriter.h"

#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

// What the three layouts take from a QSO, ready for printing.
struct HamlogQso {
    const QsoRecord& qso;
    std::string baseCall;  // the call sign up to its first '/'
    std::string portable;  // what follows that '/'
    ClockParts at;
    int year2;  // year modulo 100
    char zone;  // 'U' or 'J'
    std::string band;
    std::string mode;
};

HamlogQso hamlogQso(const QsoRecord& qso, int utcFlag) {
    const std::string& call = qso.callSign();
    size_t slash = call.find('/');
    ClockParts at = qso.clockFace();
    return HamlogQso{qso,
                     call.substr(0, slash),
                     slash == std::string::npos ? "" : call.substr(slash + 1),
                     at,
                     at.year % 100,
                     utcFlag != 0 ? 'U' : 'J',
                     std::string(qso.bandText()),
                     std::string(qso.modeText())};
}

using HamlogLine = std::string (*)(const HamlogQso& h);

std::string writeHamlog(const CSorvakDoc& doc, HamlogLine line) {
    std::string file;
    for (const auto& qso : doc.qsoList()) {
        file += line(hamlogQso(*qso, doc.contest().utcFlag));
    }
    return file;
}

std::string oldLine(const HamlogQso& h) {
    return formatText(
        "\"%s\",\"%s\",\"%s\",\"\",\"%s\",\"%s\",\"\",\"J\",\"\",\"\","
        "\"%02d%02d%02d\",\"%04d%c\",\"%d\",\"%d\",\"\",\"\",\"%s\"\r\n",
        h.baseCall.c_str(), h.portable.c_str(), h.qso.multi().c_str(), h.band.c_str(),
        h.mode.c_str(), h.year2, h.at.month, h.at.day, h.at.hour * 100 + h.at.minute, h.zone,
        h.qso.srst(), h.qso.rrst(), h.qso.memo().c_str());
}

std::string line445(const HamlogQso& h) {
    return formatText(
        "\"%s\",\"%s\",\"%02d/%02d/%02d\",\"%02d:%02d%c\",\"%d\",\"%d\",\"%s\","
        "\"%s\",\"%s\",\"\",\"J  \",\"\",\"\",\"%s\",\"%s\"\r\n",
        h.baseCall.c_str(), h.portable.c_str(), h.year2, h.at.month, h.at.day, h.at.hour,
        h.at.minute, h.zone, h.qso.srst(), h.qso.rrst(), h.band.c_str(), h.mode.c_str(),
        h.qso.multi().c_str(), h.qso.operatorName().c_str(), h.qso.memo().c_str());
}

std::string line500(const HamlogQso& h) {
    return formatText(
        "\"%s\",\"%02d/%02d/%02d\",\"%02d:%02d%c\",\"%d\",\"%d\",\"%s\",\"%s\","
        "\"%s\",\"\",\"J  \",\"\",\"\",\"%s\",\"%s\",\"%c\"\r\n",
        h.qso.callSign().c_str(), h.year2, h.at.month, h.at.day, h.at.hour, h.at.minute, h.zone,
        h.qso.srst(), h.qso.rrst(), h.band.c_str(), h.mode.c_str(), h.qso.multi().c_str(),
        h.qso.operatorName().c_str(), h.qso.memo().c_str(), h.zone == 'U' ? '8' : '0');
}

}  // namespace

std::string writeHamlogCsvOld(const CSorvakDoc& doc) {
    return writeHamlog(doc, oldLine);
}

std::string writeHamlogCsv445(const CSorvakDoc& doc) {
    return writeHamlog(doc, line445);
}

std::string writeHamlogCsv500(const CSorvakDoc& doc) {
    return writeHamlog(doc, line500);
}

}  // namespace sorvak
