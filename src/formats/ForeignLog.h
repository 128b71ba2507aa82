#pragma once

#include <memory>
#include <span>
#include <string>

namespace sorvak {

class CSorvakDoc;
class LoadContext;
class QsoRecord;
class Ui;

// What the Cabrillo and N1MM readers share.

// Field limits of their QSO lines: call signs, and the exchanges of the
// older N1MM layout.
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

// Tells how many QSOs were left without a band, when there are any.
void tellBandsUnset(Ui& ui, int count);

// What a reader of these logs keeps account of while it reads, and tells at
// the end. Their times are UTC: a load marks the log UTC; appended to or
// merged into a JST log they are taken as they stand, and the user is told.
class ForeignLoadNotes {
  public:
    // Hands the QSO to the context.
    void add(LoadContext& context, std::unique_ptr<QsoRecord> record);
    // A QSO line that could not be read (lines count from 1).
    void unreadLine(int lineNumber);
    // Marks the clock and tells what there is to tell.
    void finish(LoadContext& context) const;

  private:
    int read_ = 0;
    int bandsUnset_ = 0;
    int unread_ = 0;
    int firstUnread_ = 0;
};

}  // namespace sorvak
