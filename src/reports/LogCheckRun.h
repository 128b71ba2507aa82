#pragma once

#include "reports/LogCheck.h"

namespace sorvak {

class CSorvakDoc;

// What the log check says when the log has no QSO.
inline constexpr const char* kLogCheckNoData = "データがありません。";

// Checks the log with the settings, against the installed master call list
// when they ask for it (read once for the check).
LogCheckResult checkLogAsInstalled(const CSorvakDoc& doc, const LogCheckSettings& settings);

}  // namespace sorvak
