#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/CSorvakDoc.h"
#include "platform/ClockTime.h"
#include "reports/OperatingTime.h"

namespace sorvak {

class MasterCallList;

// Which QSOs with the same call count as one repeated contact.
enum class DupeRule { BandMode, Band, Contest };

// What the log check looks for and against what.
struct LogCheckSettings {
    // The contest period in the log's own clock, [start, end): a contest that
    // ends at 21:00 takes its last QSO at 20:59. kNoTime leaves that side open.
    int32_t start = kNoTime;
    int32_t end = kNoTime;
    int offTimeMinutes = 60;
    BreakCounting breakCounting = BreakCounting::Gap;
    int maxHours = 0;  // the operating-time limit; 0: none
    DupeRule dupeRule = DupeRule::BandMode;
    bool useMasterCalls = true;

    // Not chosen by the user: the log's clock (its utcFlag) and the
    // computer's clock read in it (kNoTime: not compared).
    int utcFlag = 0;
    int32_t now = kNoTime;
};

// The kinds of finding, in the order they are told.
enum class CheckKind {
    CallSign,       // not the shape of a call sign
    MasterCalls,    // not in the master call list
    Exchange,       // one station, two received exchanges
    SentExchange,   // empty, unlike the rest, or a serial with gaps and repeats
    Time,           // no time, outside the period, out of order, in the future
    Dupe,           // repeated by the chosen rule
    MissingField,   // no band, mode or received exchange
    JstLog,         // the log's times are JST
    OperatingTime,  // off periods and QSOs past the operating-time limit
    BandChange,     // band changes per hour and the ten-minute rule
};
inline constexpr int kCheckKindCount = 10;

// The kind's name in the column "種類".
std::string_view checkKindName(CheckKind kind);

// A warning is a probable fault; information is for the user to judge.
enum class CheckLevel { Warning, Information };

struct CheckFinding {
    CheckKind kind = CheckKind::CallSign;
    CheckLevel level = CheckLevel::Warning;
    // The rows (0-based) of the QSOs involved; the first is the one the
    // finding is shown on. Empty for a finding about the whole log.
    std::vector<size_t> rows;
    // The time and call sign (UTF-8) of the first row's QSO when checked.
    int32_t time = kNoTime;
    std::string callSign;
    std::string text;  // what was found, UTF-8
};

struct LogCheckResult {
    std::vector<std::string> summary;  // UTF-8 lines
    // Findings about the whole log first, then by the row they are shown on.
    std::vector<CheckFinding> findings;
    size_t warnings = 0;
    size_t information = 0;
};

// Checks the log without changing it. `calls` is the master call list, or
// null when none could be read (said once when the settings ask for it).
LogCheckResult checkLog(const QsoList& qsos, const LogCheckSettings& settings,
                        const MasterCallList* calls);

}  // namespace sorvak
