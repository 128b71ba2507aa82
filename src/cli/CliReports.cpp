#include "CliReports.h"

#include <algorithm>
#include <array>
#include <utility>

#include "CliArguments.h"
#include "commands/AnalysisCommands.h"
#include "commands/CheckListCommands.h"
#include "editing/AnalysisForm.h"
#include "editing/CheckListForm.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"
#include "reports/AnalysisFlags.h"
#include "reports/CountryFileLocation.h"

namespace sorvak {
namespace {

constexpr std::array<std::string_view, 1> kCheckListSwitches = {"no-portable"};
constexpr std::array<std::string_view, 2> kCheckListOptions = {"stations-per-line",
                                                               "chars-per-station"};
constexpr std::array<std::string_view, 4> kAnalyzeSwitches = {"double-score", "no-cumulative",
                                                              "no-zero-hours", "no-cw-subcount"};
constexpr std::array<std::string_view, 3> kAnalyzeOptions = {"reports", "multi-data",
                                                             "country-file"};

constexpr std::pair<std::string_view, unsigned> kReportNames[] = {
    {"qaf", ANALYSIS_QAF}, {"qaa", ANALYSIS_QAA}, {"qag", ANALYSIS_QAG}, {"qam", ANALYSIS_QAM},
    {"qaq", ANALYSIS_QAQ}, {"qad", ANALYSIS_QAD}, {"qcn", ANALYSIS_QCN}, {"qop", ANALYSIS_QOP},
};

template <size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool belongsTo(std::string_view command, std::string_view name) {
    if (command == "checklist") {
        return contains(kCheckListSwitches, name) || contains(kCheckListOptions, name);
    }
    if (command == "analyze") {
        return contains(kAnalyzeSwitches, name) || contains(kAnalyzeOptions, name);
    }
    return false;
}

// The report bits of a list such as "qaf,qaq"; an error text for a bad name.
std::pair<unsigned, std::string> reportFlags(const std::string& list) {
    unsigned flags = 0;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = std::min(list.find(',', start), list.size());
        std::string name = list.substr(start, comma - start);
        auto it = std::find_if(std::begin(kReportNames), std::end(kReportNames),
                               [&](const auto& entry) { return entry.first == name; });
        if (it == std::end(kReportNames)) {
            return {0, "unknown report \"" + name + "\""};
        }
        flags |= it->second;
        start = comma + 1;
    }
    return {flags, ""};
}

bool has(const CliArguments& args, const char* name) {
    return args.reportOptions.contains(name);
}

std::string valueOr(const CliArguments& args, const char* name, const std::string& fallback) {
    auto it = args.reportOptions.find(name);
    return it == args.reportOptions.end() ? fallback : it->second;
}

int checkList(const CliArguments& args, CSorvakDoc& doc, Ui& ui) {
    ReportSettings settings = doc.reportSettings();
    CheckListForm given;
    given.stationsPerLine =
        valueOr(args, "stations-per-line", std::to_string(settings.stationsPerLine));
    given.charsPerStation =
        valueOr(args, "chars-per-station", std::to_string(settings.charsPerStation));
    given.showPortable = !has(args, "no-portable");
    if (auto failure = given.check()) {
        ui.tell(failure->message);
        return 1;
    }
    // As the dialog's OK would store them: widened to the longest call + 1.
    given.apply(doc);
    CheckListForm form = CheckListForm::prefilledFrom(doc);
    if (auto failure = form.check()) {
        ui.tell(failure->message);
        return 1;
    }
    form.apply(doc);
    return writeCheckListFiles(doc, ui, ".") == CheckListOutcome::Written ? 0 : 1;
}

int analyze(const CliArguments& args, CSorvakDoc& doc, Ui& ui) {
    ReportSettings settings = doc.reportSettings();
    if (has(args, "reports")) {
        unsigned flags = reportFlags(args.reportOptions.at("reports")).first;
        settings.outQAF = (flags & ANALYSIS_QAF) != 0;
        settings.outQAA = (flags & ANALYSIS_QAA) != 0;
        settings.outQAG = (flags & ANALYSIS_QAG) != 0;
        settings.outQAM = (flags & ANALYSIS_QAM) != 0;
        settings.outQAQ = (flags & ANALYSIS_QAQ) != 0;
        settings.outQAD = (flags & ANALYSIS_QAD) != 0;
        settings.outQCN = (flags & ANALYSIS_QCN) != 0;
        settings.outQOP = (flags & ANALYSIS_QOP) != 0;
    }
    settings.multiDataFile = valueOr(args, "multi-data", settings.multiDataFile);
    settings.doubleScore = has(args, "double-score") ? 1 : settings.doubleScore;
    settings.cumulative = has(args, "no-cumulative") ? 0 : settings.cumulative;
    settings.includeZeroHours = has(args, "no-zero-hours") ? 0 : settings.includeZeroHours;
    settings.cwSubcount = has(args, "no-cw-subcount") ? 0 : settings.cwSubcount;
    AnalysisForm form(settings);
    if (auto failure = form.check()) {
        ui.tell(failure->message);
        return 1;
    }
    doc.setReportSettings(form.settings);
    AnalysisOutcome outcome =
        writeAnalysis(doc, ui, valueOr(args, "country-file", countryFilePath()), ".");
    return outcome == AnalysisOutcome::Written || outcome == AnalysisOutcome::Cancelled ? 0 : 1;
}

}  // namespace

bool isReportSwitch(std::string_view name) {
    return contains(kCheckListSwitches, name) || contains(kAnalyzeSwitches, name);
}

bool isReportOption(std::string_view name) {
    return contains(kCheckListOptions, name) || contains(kAnalyzeOptions, name);
}

bool isReportCommand(std::string_view command) {
    return command == "checklist" || command == "analyze";
}

std::optional<std::string> reportUsageError(const CliArguments& args) {
    for (const auto& [name, value] : args.reportOptions) {
        if (!belongsTo(args.command, name)) {
            return args.command + " takes no --" + name;
        }
    }
    if (has(args, "reports")) {
        std::string error = reportFlags(args.reportOptions.at("reports")).second;
        if (!error.empty()) {
            return error;
        }
    }
    return std::nullopt;
}

int runReportCommand(const CliArguments& args, CSorvakDoc& doc, Ui& ui) {
    return args.command == "checklist" ? checkList(args, doc, ui) : analyze(args, doc, ui);
}

}  // namespace sorvak
