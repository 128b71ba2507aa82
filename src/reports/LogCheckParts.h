#pragma once

// The pieces the log check is made of; each kind of finding has its own file.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reports/LogCheck.h"

namespace sorvak::logcheck {

struct CheckInput {
    const QsoList& qsos;
    const LogCheckSettings& settings;
    const MasterCallList* calls;
    bool severalTransmitters;  // the QSOs have more than one transmitter number
    // The rows of the QSOs with a time, ordered by time (ties in list order).
    std::vector<size_t> timeOrder;
};

// The findings as they are made, in any order.
class Findings {
  public:
    explicit Findings(const QsoList& qsos) : qsos_(qsos) {}

    // A finding shown on the QSO at `rows[0]`, the others involved too.
    void onRows(CheckKind kind, CheckLevel level, std::vector<size_t> rows, std::string text);
    void onRow(CheckKind kind, CheckLevel level, size_t row, std::string text) {
        onRows(kind, level, {row}, std::move(text));
    }
    // A finding about the whole log.
    void onLog(CheckKind kind, CheckLevel level, std::string text);
    // Takes the findings of `other`.
    void append(Findings&& other);
    size_t size() const { return findings_.size(); }

    // The findings about the whole log first, then by their row and kind.
    std::vector<CheckFinding> sorted() &&;

  private:
    const QsoList& qsos_;
    std::vector<CheckFinding> findings_;
};

// What the operating-time check tells the summary.
struct OperatingSummary {
    int64_t onMinutes = 0;
    int64_t offMinutes = 0;
    size_t offPeriods = 0;
    size_t pastLimit = 0;
};

void checkCallSigns(const CheckInput& input, Findings& findings);  // and the master call list
void checkExchanges(const CheckInput& input, Findings& findings);  // received and sent
// The stations whose exchange differs between their QSOs; every number is
// taken for a serial when the log itself sends one.
void checkReceived(const CheckInput& input, Findings& findings, bool sentSerial);

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Groups of equal values with their rows, the most frequent first (ties:
// the one seen first).
using ValueGroups = std::vector<std::pair<std::string, std::vector<size_t>>>;
void addTo(ValueGroups& groups, std::string value, size_t row);
void byFrequency(ValueGroups& groups);
void checkTimes(const CheckInput& input, Findings& findings);    // and the JST log
void checkRecords(const CheckInput& input, Findings& findings);  // dupes and missing fields
void checkBandChanges(const CheckInput& input, Findings& findings);
// Nothing when the log has no QSO with a time in the period.
std::optional<OperatingSummary> checkOperatingTime(const CheckInput& input, Findings& findings);

// The texts of the findings, UTF-8.
std::string shownText(std::string_view cp932);                       // a QSO's text
std::string quoted(std::string_view cp932);                          // 'JA1ABC'
std::string clockText(int32_t time);                                 // 2026/11/21 21:04
std::string lineText(size_t row);                                    // Line 12
std::string lineList(std::span<const size_t> rows);                  // Line 3, 8, 12
std::string durationText(int64_t minutes);                           // 45分, 1時間, 2時間5分
std::string transmitterText(const CheckInput& input, int txNumber);  // 送信機 1: (or none)

}  // namespace sorvak::logcheck
