#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The Windows text log: a header line, then one column-fixed line per QSO.
inline constexpr const char* kAllLogHeader = "Quog for Windows ";

// The whole file, lines ending in CR LF.
std::string writeAllLog(const CSorvakDoc& doc);

}  // namespace sorvak
