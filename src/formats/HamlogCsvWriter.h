#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The CSV files of the Turbo HAMLOG logbook in its three layouts. Times are
// the log's own clock, marked U (UTC) or J (JST) from the contest header.
std::string writeHamlogCsvOld(const CSorvakDoc& doc);
std::string writeHamlogCsv445(const CSorvakDoc& doc);
std::string writeHamlogCsv500(const CSorvakDoc& doc);

}  // namespace sorvak
