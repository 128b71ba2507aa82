#include "CliCheck.h"

#include <algorithm>
#include <array>
#include <map>

#include "CliArguments.h"
#include "commands/LogCheckCommands.h"
#include "editing/LogCheckForm.h"
#include "model/CSorvakDoc.h"
#include "platform/LogClock.h"
#include "platform/Ui.h"
#include "reports/LogCheckText.h"

namespace sorvak {
namespace {

constexpr std::array<std::string_view, 2> kSwitches = {"no-master-calls", "fail-on-findings"};
constexpr std::array<std::string_view, 6> kOptions = {"start",          "end",       "off-time",
                                                      "break-counting", "max-hours", "dupes"};

const std::map<std::string_view, BreakCounting> kBreakCountings = {
    {"gap", BreakCounting::Gap}, {"empty-minutes", BreakCounting::EmptyMinutes}};
const std::map<std::string_view, DupeRule> kDupeRules = {
    {"band-mode", DupeRule::BandMode}, {"band", DupeRule::Band}, {"contest", DupeRule::Contest}};

template <size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The form as the dialog would show it, with the values of the command line.
LogCheckForm formOf(const CliArguments& args, const CSorvakDoc& doc) {
    LogCheckForm form = LogCheckForm::prefilledFrom(doc, LogCheckSettings{});
    const auto& options = args.checkOptions;
    auto take = [&](const char* name, std::string& field) {
        if (auto it = options.find(name); it != options.end()) {
            field = it->second;
        }
    };
    take("start", form.start);
    take("end", form.end);
    take("off-time", form.offTime);
    take("max-hours", form.maxHours);
    if (auto it = options.find("break-counting"); it != options.end()) {
        form.breakCounting = kBreakCountings.at(it->second);
    }
    if (auto it = options.find("dupes"); it != options.end()) {
        form.dupeRule = kDupeRules.at(it->second);
    }
    form.useMasterCalls = !options.contains("no-master-calls");
    return form;
}

}  // namespace

bool isCheckSwitch(std::string_view name) {
    return contains(kSwitches, name);
}

bool isCheckOption(std::string_view name) {
    return contains(kOptions, name);
}

std::optional<std::string> checkUsageError(const CliArguments& args) {
    for (const auto& [name, value] : args.checkOptions) {
        if (args.command != "check") {
            return args.command + " takes no --" + name;
        }
        if (name == "break-counting" && !kBreakCountings.contains(value)) {
            return "--break-counting takes gap or empty-minutes";
        }
        if (name == "dupes" && !kDupeRules.contains(value)) {
            return "--dupes takes band-mode, band or contest";
        }
    }
    return std::nullopt;
}

int runCheckCommand(const CliArguments& args, CSorvakDoc& doc, Ui& ui, std::ostream& out) {
    if (doc.empty()) {
        ui.tell(kLogCheckNoData);
        return 1;
    }
    LogCheckForm form = formOf(args, doc);
    if (auto failure = form.check()) {
        ui.tell(failure->message);
        return 1;
    }
    LogCheckResult result =
        checkLogAsInstalled(doc, form.settings(doc, logClockNow(doc.contest().utcFlag)));
    for (const std::string& line : result.summary) {
        out << line << '\n';
    }
    out << '\n';
    for (const CheckFinding& finding : result.findings) {
        auto cells = findingCells(finding);
        for (size_t column = 0; column < cells.size(); ++column) {
            out << (column > 0 ? "\t" : "") << cells[column];
        }
        out << '\n';
    }
    return args.checkOptions.contains("fail-on-findings") && result.warnings > 0 ? 3 : 0;
}

}  // namespace sorvak
