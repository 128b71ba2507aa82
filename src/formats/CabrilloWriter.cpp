#include "formats/CabrilloWriter.h"

#include <array>
#include <utility>
#include <vector>

#include "formats/QtcNote.h"
#include "formats/TextLine.h"
#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

constexpr std::array<const char*, 16> kFrequencies = {
    "1800",  "3500", "7000", "10000", "14000", "18000", "21000", "24000",
    "28000", "50",   "144",  "432",   "1.2",   "2.3",   "5.7",   "10",
};
constexpr std::array<const char*, 6> kModes = {"CW", "PH", "FM", "PH", "RY", ""};

void addHeaderLine(std::string& file, const char* tag, const std::string& value) {
    if (!value.empty()) {
        file += formatText("%s: %s\r\n", tag, value.c_str());
    }
}

void addHeader(std::string& file, const CabrilloHeader& h, int version) {
    if (version == 2 || version == 3) {
        file += version == 2 ? "START-OF-LOG: 2.0\r\n" : "START-OF-LOG: 3.0\r\n";
        addHeaderLine(file, version == 2 ? "ARRL-SECTION" : "LOCATION", h.location);
    }
    addHeaderLine(file, "CONTEST", h.contest);
    addHeaderLine(file, "CALLSIGN", h.callSign);
    if (version == 2) {
        addHeaderLine(file, "CATEGORY", h.category);
    }
    if (version == 3) {
        const std::pair<const char*, const std::string*> categories[] = {
            {"CATEGORY-ASSISTED", &h.catAssisted}, {"CATEGORY-BAND", &h.catBand},
            {"CATEGORY-MODE", &h.catMode},         {"CATEGORY-OPERATOR", &h.catOperator},
            {"CATEGORY-POWER", &h.catPower},       {"CATEGORY-STATION", &h.catStation},
            {"CATEGORY-TIME", &h.catTime},         {"CATEGORY-TRANSMITTER", &h.catTransmitter},
            {"CATEGORY-OVERLAY", &h.catOverlay},
        };
        for (const auto& [tag, value] : categories) {
            addHeaderLine(file, tag, *value);
        }
    }
    file += "CREATED-BY: sorvak(Quog)\r\n";
    addHeaderLine(file, "NAME", h.name);
    addHeaderLine(file, "ADDRESS", h.address);
}

std::string qsoLine(const QsoRecord& qso, const std::string& ownCall) {
    ClockParts at = clockFaceOf(qso);
    return formatText("QSO: %5s %2s %4.4d-%2.2d-%2.2d %4.4d %-13s %-3d %-6s %-13s %-3d %-6s %d\r\n",
                      cabrilloFrequencyText(qso.band()), cabrilloModeText(qso.mode()), at.year,
                      at.month, at.day, at.hour * 100 + at.minute, ownCall.c_str(), qso.srst(),
                      qso.sent().c_str(), qso.callSign().c_str(), qso.rrst(), qso.rcvd().c_str(),
                      qso.txNumber());
}

std::string qtcLine(const QsoRecord& qso, const QtcNote& note, const std::string& ownCall) {
    ClockParts at = clockFaceOf(qso);
    return formatText(
        "QTC: %5s %2s %4.4d-%2.2d-%2.2d %4.4d %-13s %3.3d/%2.2d     %-13s %4.4d "
        "%-13s %-4s\r\n",
        cabrilloFrequencyText(qso.band()), cabrilloModeText(qso.mode()), note.year, note.month,
        note.day, note.hhmm, note.callSign.c_str(), note.serial, note.count, ownCall.c_str(),
        at.hour * 100 + at.minute, qso.callSign().c_str(), qso.rcvd().c_str());
}

}  // namespace

const char* cabrilloFrequencyText(int band) {
    return band >= 0 && band < static_cast<int>(kFrequencies.size()) ? kFrequencies[band] : "";
}

const char* cabrilloModeText(int mode) {
    return mode >= 0 && mode < static_cast<int>(kModes.size()) ? kModes[mode] : "";
}

std::string writeCabrillo(const CSorvakDoc& doc) {
    const CabrilloHeader& header = doc.cabrilloHeader();
    std::vector<std::pair<const QsoRecord*, QtcNote>> notes;
    for (const auto& qso : doc.qsoList()) {
        if (auto note = parseQtcNote(qso->memo())) {
            notes.emplace_back(qso.get(), std::move(*note));
        }
    }
    std::string file;
    addHeader(file, header, doc.cabrilloVersion());
    for (const auto& qso : doc.qsoList()) {
        file += qsoLine(*qso, header.callSign);
    }
    for (const auto& [qso, note] : notes) {
        file += qtcLine(*qso, note, header.callSign);
    }
    return file + "END-OF-LOG:\r\n";
}

}  // namespace sorvak
