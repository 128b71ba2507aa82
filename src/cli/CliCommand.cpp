#include "CliCommand.h"

#include <cstdio>
#include <map>
#include <string_view>

#include "CliArguments.h"
#include "CliCheck.h"
#include "CliCountryFile.h"
#include "CliJarl.h"
#include "CliLogTools.h"
#include "CliReports.h"
#include "CliUi.h"
#include "commands/FileLoad.h"
#include "commands/LoadCommands.h"
#include "commands/SaveCommands.h"
#include "commands/SortCommands.h"
#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "model/QsoColumns.h"
#include "model/Sorting.h"
#include "platform/Cp932.h"
#include "platform/LocalClock.h"

namespace sorvak {
namespace {

const std::map<std::string_view, unsigned> kSortKeys = {
    {"time", SORT_TIME},          {"call-ascii", SORT_CALLSIGN | CMP_BYTES},
    {"call-jejf", SORT_CALLSIGN}, {"call-jhjr", SORT_CALLSIGN | CMP_JA_JH_JR},
    {"band", SORT_BAND},          {"mode", SORT_MODE},
    {"power", SORT_POWER},        {"txnumber", SORT_TXNUMBER},
    {"points", SORT_POINTS},      {"operator", SORT_OPERATOR},
    {"memo", SORT_MEMO},
};

class CliRun {
  public:
    CliRun(std::ostream& out, std::ostream& err) : out_(out), err_(err), ui_(err), logTools_(err) {}

    int run(const CliArguments& args);

  private:
    int usage(const std::string& error) {
        err_ << "sorvak-cli: " << error << '\n' << kCliUsage;
        return 2;
    }
    int fail(const std::string& error) {
        err_ << "sorvak-cli: " << error << '\n';
        return 1;
    }
    bool load(const std::string& path, LoadMode mode);
    bool apply(const CliAction& action);
    void dump();
    // The exit status when the Cabrillo header of the command line is refused;
    // otherwise the header is stored in the document.
    std::optional<int> refuseCabrilloHeader(const CliArguments& args);
    // The same for the summary sheet of the JARL log, and when the user
    // declines to write it without its operator list.
    std::optional<int> refuseJarlHeader(const CliArguments& args);
    int convert(const CliArguments& args, FileKind kind);

    std::ostream& out_;
    std::ostream& err_;
    CliUi ui_;
    CliLogTools logTools_;
    CSorvakDoc doc_;
};

bool CliRun::load(const std::string& path, LoadMode mode) {
    if (!LogSource(path).isOpen()) {
        err_ << "sorvak-cli: cannot open " << path << '\n';
        return false;
    }
    auto result =
        mode == LoadMode::Merge ? mergeFile(doc_, ui_, path) : FileLoad(doc_, ui_, path, mode);
    if (!result) {
        return true;  // the user declined: nothing to do, and no failure
    }
    // A file refused for what it holds has been told already.
    if (!result->taken && !hasReader(result->kind)) {
        err_ << "sorvak-cli: " << path << ": no reader for this file's format\n";
    }
    return result->taken;
}

bool CliRun::apply(const CliAction& action) {
    switch (action.kind) {
        case CliAction::Kind::Append:
            return load(action.value, LoadMode::Append);
        case CliAction::Kind::Merge:
            return load(action.value, LoadMode::Merge);
        case CliAction::Kind::Sort:
            OnSort(doc_, ui_, kSortKeys.at(action.value));
            return true;
        case CliAction::Kind::Answer:
            ui_.setAnswerYes(action.value == "yes");
            return true;
        default:  // the log tools run through CliLogTools
            return false;
    }
}

void CliRun::dump() {
    const ContestInfo& info = doc_.contest();
    char version[64];
    std::snprintf(version, sizeof version, "%.15g", info.version);
    out_ << "version\t" << version << '\n'
         << "utc\t" << info.utcFlag << '\n'
         << "coefficient\t" << info.coefficient << '\n'
         << "station\t" << cp932ToUtf8(info.stationCall) << '\n'
         << "contest\t" << cp932ToUtf8(info.contestName) << '\n'
         << '\n';
    for (size_t row = 0; row < doc_.count(); ++row) {
        out_ << cp932ToUtf8(qsoRowText(doc_.at(row), row)) << '\n';
    }
}

std::optional<int> CliRun::refuseCabrilloHeader(const CliArguments& args) {
    CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc_);
    std::string error;
    if (!applyCabrilloOptions(args, form, error)) {
        return usage(error);
    }
    if (auto failure = form.check()) {
        return fail(failure->message);
    }
    if (!acceptCabrilloHeader(form.header(), form.fileVersion(), ui_)) {
        return 1;
    }
    form.apply(doc_);
    return std::nullopt;
}

std::optional<int> CliRun::refuseJarlHeader(const CliArguments& args) {
    JarlLogForm form = JarlLogForm::prefilledFrom(doc_, localClockNow());
    std::string error;
    if (!applyJarlOptions(args.jarlOptions, form, error)) {
        return usage(error);
    }
    if (auto failure = form.check()) {
        return fail(failure->message);
    }
    if (auto question = form.operatorListQuestion(); question && !ui_.confirm(*question)) {
        return 1;  // declined: nothing written
    }
    form.apply(doc_);
    return std::nullopt;
}

int CliRun::convert(const CliArguments& args, FileKind kind) {
    if (doc_.empty()) {
        return fail("データがありません。");
    }
    return writeLogTo(doc_, ui_, kind, args.out) ? 0 : 1;
}

int CliRun::run(const CliArguments& args) {
    for (const auto& action : args.actions) {
        if (action.kind == CliAction::Kind::Sort && !kSortKeys.contains(action.value)) {
            return usage("unknown sort key " + action.value);
        }
    }
    if (auto error = reportUsageError(args)) {
        return usage(*error);
    }
    if (auto error = checkUsageError(args)) {
        return usage(*error);
    }
    FileKind kind = KIND_UNKNOWN;
    if (args.command == "convert") {
        if (args.to) {
            auto named = kindOfCliName(*args.to);
            if (!named) {
                return usage("unknown format " + *args.to);
            }
            kind = *named;
        } else if (auto byExtension = kindNamedBy(args.out)) {
            kind = *byExtension;
        } else {
            return usage("cannot tell the format from " + args.out + "; use --to");
        }
    }
    if (!load(args.file, LoadMode::Load)) {
        return 1;
    }
    for (const auto& action : args.actions) {
        if (CliLogTools::handles(action)) {
            if (auto refused = logTools_.apply(action, doc_, ui_)) {
                return *refused;
            }
        } else if (!apply(action)) {
            return 1;
        }
    }
    if (args.command == "dump") {
        dump();
        return 0;
    }
    if (isReportCommand(args.command)) {
        return runReportCommand(args, doc_, ui_);
    }
    if (args.command == "check") {
        return runCheckCommand(args, doc_, ui_, out_);
    }
    if (kind == KIND_CABRILLO) {
        if (auto refused = refuseCabrilloHeader(args)) {
            return *refused;
        }
    }
    if (kind == KIND_JARL) {
        if (auto refused = refuseJarlHeader(args)) {
            return *refused;
        }
    }
    return convert(args, kind);
}

// True when --help or -h stands where an option or a command may stand (not
// as the value of an option).
bool asksForHelp(const std::vector<std::string>& args) {
    bool isValue = false;
    for (const std::string& arg : args) {
        if (!isValue && (arg == "--help" || arg == "-h")) {
            return true;
        }
        isValue = !isValue && arg.size() > 2 && arg.compare(0, 2, "--") == 0;
    }
    return false;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (asksForHelp(args)) {
        out << kCliUsage;
        return 0;
    }
    if (!args.empty() && args.front() == "make-country-file") {
        return runMakeCountryFile({args.begin() + 1, args.end()}, out, err);
    }
    std::string error;
    auto parsed = parseCliArguments(args, error);
    CliRun run(out, err);
    if (!parsed) {
        err << "sorvak-cli: " << error << '\n' << kCliUsage;
        return 2;
    }
    return run.run(*parsed);
}

}  // namespace sorvak
