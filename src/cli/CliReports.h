#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvak {

struct CliArguments;
class CSorvakDoc;
class Ui;

// The options of the `checklist` and `analyze` commands.
bool isReportSwitch(std::string_view name);  // takes no value
bool isReportOption(std::string_view name);  // takes one value

// Whether `command` is one of the report commands.
bool isReportCommand(std::string_view command);

// The usage error in the report options, if any: an option of one report
// command given to another command, or a report list that names an unknown
// or unavailable report.
std::optional<std::string> reportUsageError(const CliArguments& args);

// Runs `checklist` or `analyze` on the loaded log with the settings of the
// command line; the exit status (0 done, 1 nothing written or a refusal).
int runReportCommand(const CliArguments& args, CSorvakDoc& doc, Ui& ui);

}  // namespace sorvak
