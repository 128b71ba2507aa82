#pragma once

#include <string>
#include <string_view>

#include "model/CSorvakDoc.h"

namespace sorvak {

class LoadContext;

// The binary log: fixed 256-byte records, the header record first.

// The text in a header's contest name that marks a log saved by the
// network log server, whose header fields are not read.
inline constexpr std::string_view kServerLogMark = "QServer";

// Sets the contest header from a header record.
void applyHeaderRecord(CSorvakDoc& doc, const RawRecord& header);
// The contest-name text of a header record.
std::string headerContestName(const RawRecord& header);
// True when the header record was written by the network log server, whose
// header fields are not applied.
bool isServerHeader(const RawRecord& header);

void readBinaryLog(LoadContext& context);
// The whole file: the header record and one record per QSO in list order.
// A text longer than its field is cut at a whole character; `cut` counts
// the texts that were.
std::string writeBinaryLog(const CSorvakDoc& doc, int& cut);
std::string writeBinaryLog(const CSorvakDoc& doc);
// The writer of the format table: the file, and in `note` how many texts
// were cut, if any.
std::string writeBinaryLogFile(const CSorvakDoc& doc, std::string& note);

// Day counts since 1899-12-30, the fraction being the time of day. A QSO
// without a time is written as day 0 (1899-12-30), which reads back as no time.
double dayCountFromTime(int32_t time);
// kNoTime for a day count before 1970 or that no 32-bit time can hold (NaN
// included).
int32_t timeFromDayCount(double days);

}  // namespace sorvak
