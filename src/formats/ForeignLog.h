#pragma once

#include <span>
#include <string>

namespace sorvak {

class CSorvakDoc;

// What the Cabrillo and N1MM readers share.

// Field limits of their QSO lines.
inline constexpr size_t kForeignCallLimit = 15;
inline constexpr size_t kForeignExchangeLimit = 7;

// A "CALLSIGN: " or "CONTEST: " line sets the station call or the contest
// name to the rest of the line; other lines change nothing.
void applyContestLine(CSorvakDoc& doc, const std::string& line);

// The mode text of a mode field: CW, PH, FM and RY are known, anything else is "Other".
std::string modeTextOfField(const std::string& field);

// One row of a frequency table: frequencies below `below` are on `band`.
struct FrequencyStep {
    double below;
    const char* band;
};

// The band of the first row the frequency is below, else `otherwise`.
std::string bandOfFrequency(std::span<const FrequencyStep> steps, const char* otherwise,
                            double frequency);

}  // namespace sorvak
