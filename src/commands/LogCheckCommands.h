#pragma once

#include <optional>

#include "reports/LogCheck.h"

namespace sorvak {

class CSorvakDoc;
class Ui;

// What the log check says when the log has no QSO.
inline constexpr const char* kLogCheckNoData = "データがありません。";

// Checks the log with the settings, against the installed master call list
// when they ask for it (read once for the check).
LogCheckResult checkLogAsInstalled(const CSorvakDoc& doc, const LogCheckSettings& settings);

// The settings dialog of the log check over the kept settings, which take
// what was accepted; false when the log is empty (and the user told) or the
// dialog was cancelled.
bool askLogCheckSettings(const CSorvakDoc& doc, Ui& ui, LogCheckSettings& kept);

// The check of the log as it is now with the kept settings, the log's clock
// and the computer's clock now, under the wait cursor; nothing for an empty
// log (and the user told).
std::optional<LogCheckResult> runLogCheck(const CSorvakDoc& doc, Ui& ui,
                                          const LogCheckSettings& kept);

// "テキストで保存(&S)...": the findings as a text file the user names.
void OnSaveLogCheckText(const CSorvakDoc& doc, Ui& ui, const LogCheckResult& result);

}  // namespace sorvak
