#include "formats/ForeignLog.h"

#include <string_view>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

constexpr std::string_view kCallSignLine = "CALLSIGN: ";
constexpr std::string_view kContestLine = "CONTEST: ";

}  // namespace

void applyContestLine(CSorvakDoc& doc, const std::string& line) {
    if (line.starts_with(kCallSignLine)) {
        doc.contest().stationCall = line.substr(kCallSignLine.size());
    } else if (line.starts_with(kContestLine)) {
        doc.contest().contestName = line.substr(kContestLine.size());
    }
}

std::string modeTextOfField(const std::string& field) {
    if (field == "CW" || field == "FM") {
        return field;
    }
    if (field == "PH") {
        return "SSB";
    }
    if (field == "RY") {
        return "RTTY";
    }
    return "Other";
}

std::string bandOfFrequency(std::span<const FrequencyStep> steps, const char* otherwise,
                            double frequency) {
    for (const FrequencyStep& step : steps) {
        if (frequency < step.below) {
            return step.band;
        }
    }
    return otherwise;
}

}  // namespace sorvak
