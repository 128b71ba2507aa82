#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "reports/LogCheck.h"

namespace sorvak {

// The window of the findings.
inline constexpr const char* kLogCheckResultTitle = "ログチェックの結果";
inline constexpr const char* kLogCheckRecheck = "再チェック(&R)";
inline constexpr const char* kLogCheckSaveText = "テキストで保存(&S)...";
inline constexpr const char* kLogCheckWithInformation = "参考も表示する(&I)";

inline constexpr size_t kLogCheckColumnCount = 6;
inline constexpr std::array<const char*, kLogCheckColumnCount> kLogCheckColumns = {
    "Line", "日付", "時刻", "CallSign", "種類", "内容"};

// A finding's cells under those headings (UTF-8): the Line number, date and
// time and call sign of the QSO it is shown on (empty for the whole log),
// the kind ("(参考)" after it for information) and what was found.
std::array<std::string, kLogCheckColumnCount> findingCells(const CheckFinding& finding);

// The findings as "テキストで保存(&S)..." writes them (CP932, CR LF): a title
// line naming the log, the summary, and the table in aligned columns.
std::string logCheckText(const LogCheckResult& result, const std::string& logTitle);

// A clock time through a printf format that takes the year, month, day,
// hour and minute, in this order (it may leave out the last ones); empty
// for no time.
std::string clockTimeText(int32_t time, const char* format);

// The name the save dialog proposes: the log's path with "_CHECK.TXT" in
// place of its extension.
std::string logCheckFileName(const std::string& logTitle);

}  // namespace sorvak
