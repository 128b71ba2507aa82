#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

#include "CliArguments.h"
#include "CliJarl.h"
#include "CliUi.h"
#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"
#include "formats/FileLoad.h"
#include "formats/LoadCommands.h"
#include "formats/LogSource.h"
#include "formats/SaveCommands.h"
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

const std::map<std::string_view, FileKind> kFormats = {
    {"qgb", KIND_QGB},
    {"all", KIND_ALL},
    {"txt", KIND_DOS_TXT},
    {"cbr", KIND_CABRILLO},
    {"spc", KIND_SUPERCHECK},
    {"hamlog-old", KIND_HAMLOG_OLD},
    {"hamlog445", KIND_HAMLOG_445},
    {"hamlog500", KIND_HAMLOG_500},
    {"logtaro", KIND_LOGTARO},
    {"jarl", KIND_JARL},
};

const std::map<std::string, FileKind> kExtensions = {
    {"QGB", KIND_QGB},      {"ALL", KIND_ALL},        {"TXT", KIND_DOS_TXT},
    {"CBR", KIND_CABRILLO}, {"SPC", KIND_SUPERCHECK}, {"CSV", KIND_LOGTARO},
};

std::optional<FileKind> kindOfExtension(const std::string& path) {
    auto slash = path.find_last_of('/');
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    auto it = kExtensions.find(ext);
    return it == kExtensions.end() ? std::nullopt : std::optional<FileKind>(it->second);
}

class CliRun {
  public:
    CliRun(std::ostream& out, std::ostream& err) : out_(out), err_(err), ui_(err) {}

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
    // The same for the summary sheet of the JARL log.
    std::optional<int> refuseJarlHeader(const CliArguments& args);
    int convert(const CliArguments& args, FileKind kind);

    std::ostream& out_;
    std::ostream& err_;
    CliUi ui_;
    CSorvakDoc doc_;
};

bool CliRun::load(const std::string& path, LoadMode mode) {
    if (!LogSource(path).isOpen()) {
        err_ << "sorvak-cli: cannot open " << path << '\n';
        return false;
    }
    auto kind =
        mode == LoadMode::Merge ? mergeFile(doc_, ui_, path) : FileLoad(doc_, ui_, path, mode);
    if (!kind) {
        return true;  // the user declined: nothing to do, and no failure
    }
    if (*kind == KIND_UNKNOWN || *kind == KIND_HAMLOG_OLD) {
        err_ << "sorvak-cli: " << path << ": no reader for this file's format\n";
        return false;
    }
    return true;
}

bool CliRun::apply(const CliAction& action) {
    switch (action.kind) {
        case CliAction::Kind::Append:
            return load(action.value, LoadMode::Append);
        case CliAction::Kind::Merge:
            return load(action.value, LoadMode::Merge);
        case CliAction::Kind::Sort:
            sortQsos(doc_, ui_, kSortKeys.at(action.value));
            doc_.updateAllViews();
            return true;
        case CliAction::Kind::Answer:
            ui_.setAnswerYes(action.value == "yes");
            return true;
    }
    return false;
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
        for (size_t column = 0; column < kQsoColumnCount; ++column) {
            if (column > 0) {
                out_ << '\t';
            }
            out_ << cp932ToUtf8(qsoCellText(doc_.at(row), row, column));
        }
        out_ << '\n';
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
    form.apply(doc_);
    return std::nullopt;
}

std::optional<int> CliRun::refuseJarlHeader(const CliArguments& args) {
    JarlLogForm form = JarlLogForm::prefilledFrom(doc_, localNow());
    std::string error;
    if (!applyJarlOptions(args.jarlOptions, form, error)) {
        return usage(error);
    }
    if (auto failure = form.check()) {
        return fail(failure->message);
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
    FileKind kind = KIND_UNKNOWN;
    if (args.command == "convert") {
        if (args.to) {
            auto it = kFormats.find(*args.to);
            if (it == kFormats.end()) {
                return usage("unknown format " + *args.to);
            }
            kind = it->second;
        } else if (auto byExtension = kindOfExtension(args.out)) {
            kind = *byExtension;
        } else {
            return usage("cannot tell the format from " + args.out + "; use --to");
        }
    }
    if (!load(args.file, LoadMode::Load)) {
        return 1;
    }
    for (const auto& action : args.actions) {
        if (!apply(action)) {
            return 1;
        }
    }
    if (args.command == "dump") {
        dump();
        return 0;
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

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args(argv + 1, argv + argc);
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
