#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The CSV file of the ログ太郎のパパ v8 logbook; it carries no zone marker.
std::string writeLogTaroCsv(const CSorvakDoc& doc);

}  // namespace sorvak
