#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sorvak {

class CSorvakDoc;

// The JARL electronic log (version R2.1): the summary sheet from the
// document's JARL log header with `totalScore` as its TOTALSCORE, then the
// log sheet, one QSO a line in list order with its date and time in JST, or
// in UTC when the header asks for a UTC log sheet. Nothing when a QSO would
// not make a line the sponsor can read (see jarlLogRefusal).
std::optional<std::string> writeJarlLog(const CSorvakDoc& doc, int64_t totalScore);

// Why the log cannot be written (UTF-8, naming the row and the field of the
// first QSO at fault), or nothing when it can.
std::optional<std::string> jarlLogRefusal(const CSorvakDoc& doc);

}  // namespace sorvak
