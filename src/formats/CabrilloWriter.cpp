#include "formats/CabrilloWriter.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/QtcNote.h"
#include "model/CSorvakDoc.h"
#include "model/Vocabulary.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

constexpr std::array<const char*, 16> kFrequencies = {
    "1800",  "3500", "7000", "10000", "14000", "18000", "21000", "24000",
    "28000", "50",   "144",  "432",   "1.2G",  "2.3G",  "5.7G",  "10G",
};
constexpr std::array<const char*, 6> kModes = {"CW", "PH", "FM", "PH", "RY", "DG"};

struct HeaderLine {
    const char* tag;
    std::string_view value;
};

// The tagged header lines of a version, in the order they are written; each
// is written only when its value is not empty (CREATED-BY always is).
std::vector<HeaderLine> headerLines(const CabrilloHeader& h, int version) {
    std::vector<HeaderLine> lines;
    if (version == 2 || version == 3) {
        lines.push_back({version == 2 ? "ARRL-SECTION" : "LOCATION", h.location});
    }
    lines.push_back({"CONTEST", h.contest});
    lines.push_back({"CALLSIGN", h.callSign});
    if (version == 2) {
        lines.push_back({"CATEGORY", h.category});
    }
    if (version == 3) {
        lines.insert(lines.end(), {
                                      {"CATEGORY-ASSISTED", h.catAssisted},
                                      {"CATEGORY-BAND", h.catBand},
                                      {"CATEGORY-MODE", h.catMode},
                                      {"CATEGORY-OPERATOR", h.catOperator},
                                      {"CATEGORY-POWER", h.catPower},
                                      {"CATEGORY-STATION", h.catStation},
                                      {"CATEGORY-TIME", h.catTime},
                                      {"CATEGORY-TRANSMITTER", h.catTransmitter},
                                      {"CATEGORY-OVERLAY", h.catOverlay},
                                  });
    }
    lines.push_back({"CREATED-BY", kCabrilloProgram});
    lines.push_back({"NAME", h.name});
    lines.push_back({"ADDRESS", h.address});
    return lines;
}

std::string header(const CabrilloHeader& h, int version) {
    std::string file;
    if (version == 2 || version == 3) {
        file += version == 2 ? "START-OF-LOG: 2.0\r\n" : "START-OF-LOG: 3.0\r\n";
    }
    for (const HeaderLine& line : headerLines(h, version)) {
        if (!line.value.empty()) {
            file += std::string(line.tag) + ": " + std::string(line.value) + "\r\n";
        }
    }
    return file;
}

std::string qsoLine(const QsoRecord& qso, const std::string& ownCall) {
    ClockParts at = qso.clockFace();
    return formatText("QSO: %5s %2s %4.4d-%2.2d-%2.2d %4.4d %-13s %-3d %-6s %-13s %-3d %-6s %d\r\n",
                      cabrilloFrequencyText(qso.band()), cabrilloModeText(qso.mode()), at.year,
                      at.month, at.day, at.hour * 100 + at.minute, ownCall.c_str(), qso.srst(),
                      qso.sent().c_str(), qso.callSign().c_str(), qso.rrst(), qso.rcvd().c_str(),
                      qso.txNumber());
}

std::string qtcLine(const QsoRecord& qso, const QtcNote& note, const std::string& ownCall) {
    ClockParts at = qso.clockFace();
    return formatText(
        "QTC: %5s %2s %4.4d-%2.2d-%2.2d %4.4d %-13s %3.3d/%2.2d     %-13s %4.4d "
        "%-13s %-4s\r\n",
        cabrilloFrequencyText(qso.band()), cabrilloModeText(qso.mode()), note.year, note.month,
        note.day, note.hhmm, note.callSign.c_str(), note.serial, note.count, ownCall.c_str(),
        at.hour * 100 + at.minute, qso.callSign().c_str(), qso.rcvd().c_str());
}

// A line whose empty field would leave a gap that moves the later fields.
bool isIncomplete(const QsoRecord& qso) {
    return qso.time() < 0 || qso.callSign().empty() || qso.sent().empty() || qso.rcvd().empty() ||
           qso.band() < 0 || qso.band() >= kBandCount || qso.mode() < 0 || qso.mode() >= kModeCount;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

const char* cabrilloFrequencyText(int band) {
    return band >= 0 && band < static_cast<int>(kFrequencies.size()) ? kFrequencies[band] : "";
}

const char* cabrilloModeText(int mode) {
    return mode >= 0 && mode < static_cast<int>(kModes.size()) ? kModes[mode] : "";
}

std::string writeCabrillo(const CSorvakDoc& doc) {
    const CabrilloHeader& h = doc.cabrilloHeader();
    std::vector<std::pair<const QsoRecord*, QtcNote>> notes;
    for (const auto& qso : doc.qsoList()) {
        if (auto note = parseQtcNote(qso->memo())) {
            notes.emplace_back(qso.get(), std::move(*note));
        }
    }
    std::string file = header(h, doc.cabrilloVersion());
    for (const auto& qso : doc.qsoList()) {
        file += qsoLine(*qso, h.callSign);
    }
    for (const auto& [qso, note] : notes) {
        file += qtcLine(*qso, note, h.callSign);
    }
    return file + "END-OF-LOG:\r\n";
}

std::optional<std::string> cabrilloIncompleteLines(const CSorvakDoc& doc) {
    const auto& qsos = doc.qsoList();
    auto first =
        std::find_if(qsos.begin(), qsos.end(), [](const auto& qso) { return isIncomplete(*qso); });
    if (first == qsos.end()) {
        return std::nullopt;
    }
    std::string head = header(doc.cabrilloHeader(), doc.cabrilloVersion());
    auto lineNumber = std::count(head.begin(), head.end(), '\n') + (first - qsos.begin()) + 1;
    auto count =
        std::count_if(first, qsos.end(), [](const auto& qso) { return isIncomplete(*qso); });
    return formatText(
        "時刻、ｺｰﾙｻｲﾝ、ﾅﾝﾊﾞｰ、ﾊﾞﾝﾄﾞ、ﾓｰﾄﾞのどれかが空欄のQSO行が%d行あります。"
        "最初は%d行目です。\nｺﾝﾃｽﾄの受付で受け付けられないことがあります。",
        static_cast<int>(count), static_cast<int>(lineNumber));
}

std::vector<std::string> nonAsciiCabrilloTags(const CabrilloHeader& header, int version) {
    std::vector<std::string> tags;
    for (const HeaderLine& line : headerLines(header, version)) {
        if (!isAscii(line.value)) {
            tags.emplace_back(line.tag);
        }
    }
    return tags;
}

}  // namespace sorvak
