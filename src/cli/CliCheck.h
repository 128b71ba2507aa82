#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace sorvak {

struct CliArguments;
class CSorvakDoc;
class Ui;

// The options of the `check` command.
bool isCheckSwitch(std::string_view name);  // takes no value
bool isCheckOption(std::string_view name);  // takes one value

// The usage error in the check options, if any: one given to another
// command, or a word --break-counting or --dupes does not take.
std::optional<std::string> checkUsageError(const CliArguments& args);

// Runs `check` on the loaded log and prints the summary and one line per
// finding (UTF-8, the cells separated by tabs). The exit status: 0 done, 1
// refused (an empty log, a setting the dialog would refuse), 3 with
// --fail-on-findings when a warning was found.
int runCheckCommand(const CliArguments& args, CSorvakDoc& doc, Ui& ui, std::ostream& out);

}  // namespace sorvak
