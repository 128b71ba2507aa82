#include "CliArguments.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "CliCheck.h"
#include "CliReports.h"
#include "editing/CabrilloHeaderForm.h"

namespace sorvak {

const char* const kCliUsage =
    "usage: sorvak-cli dump FILE [COMMON...]\n"
    "       sorvak-cli convert FILE OUT [--to FORMAT] [COMMON...]\n"
    "       sorvak-cli checklist FILE [--stations-per-line N] [--chars-per-station W]\n"
    "                  [--no-portable] [COMMON...]\n"
    "       sorvak-cli analyze FILE [--reports LIST] [--multi-data F] [--country-file F]\n"
    "                  [--double-score] [--no-cumulative] [--no-zero-hours]\n"
    "                  [--no-cw-subcount] [COMMON...]\n"
    "       sorvak-cli check FILE [--start YYYY-MM-DDTHH:MM] [--end YYYY-MM-DDTHH:MM]\n"
    "                  [--off-time MIN] [--break-counting gap|empty-minutes] [--max-hours H]\n"
    "                  [--dupes band-mode|band|contest] [--no-master-calls]\n"
    "                  [--fail-on-findings] [COMMON...]\n"
    "       sorvak-cli make-country-file [CTY.DAT] OUT\n"
    "COMMON: --append F | --merge F | --sort KEY | --answer yes|no\n"
    "        --delete-dupes | --sent-number T | --number-to-multi N\n"
    "        --number-to-multi-digits N | --only-band B | --only-mode M\n"
    "        --bulk FIELD=VALUE | --contest-data FIELD=VALUE\n"
    "FORMAT: qgb all txt cbr spc hamlog-old hamlog445 hamlog500 logtaro adi adx jarl\n"
    "cbr: --cabrillo-version 2|3 --contest T --callsign T --location T --category T\n"
    "     --name T --address T --cat-assisted T --cat-band T --cat-mode T\n"
    "     --cat-operator T --cat-power T --cat-station T --cat-time T\n"
    "     --cat-transmitter T --cat-overlay T\n"
    "LIST: comma-separated from qaf qaa qag qam qaq qad qcn qop (default qaf,qaq)\n"
    "jarl: --jarl FIELD=VALUE ... [--jarl checklog] [--jarl time=jst|utc]; FIELD: contest\n"
    "     category callsign opcallsign address name tel email licensedate age power\n"
    "     fdcoeff opplace powersupply comments multioplist regclub oath date signature\n"
    "     (\\n in address and comments is a line break; time=utc: the log sheet in UTC)\n"
    "KEY: time call-ascii call-jejf call-jhjr band mode power txnumber points operator memo\n"
    "--bulk FIELD: date (YYYY-MM-DD) shift (+H:MM|-H:MM) srst sent rrst rcvd band mode\n"
    "     power tx points operator memo; --only-band/--only-mode limit the --bulk after them\n"
    "--contest-data FIELD: call name utc (0|1) coefficient\n";

namespace {

// Export options that take a value: the Cabrillo header on the command line.
constexpr std::array<std::string_view, 16> kExportOptions = {
    "cabrillo-version", "contest",  "callsign",        "location",
    "category",         "name",     "address",         "cat-assisted",
    "cat-band",         "cat-mode", "cat-operator",    "cat-power",
    "cat-station",      "cat-time", "cat-transmitter", "cat-overlay"};

// The log-editing options, in the order given with the others.
std::optional<CliAction::Kind> logToolKind(std::string_view name) {
    using K = CliAction::Kind;
    static const std::map<std::string_view, K> kinds = {
        {"delete-dupes", K::DeleteDupes},
        {"sent-number", K::SentNumber},
        {"number-to-multi", K::NumberToMulti},
        {"number-to-multi-digits", K::NumberToMultiDigits},
        {"bulk", K::Bulk},
        {"only-band", K::OnlyBand},
        {"only-mode", K::OnlyMode},
        {"contest-data", K::ContestData},
    };
    auto it = kinds.find(name);
    return it == kinds.end() ? std::nullopt : std::optional<K>(it->second);
}

std::optional<CliAction::Kind> actionKind(std::string_view name) {
    if (name == "append")
        return CliAction::Kind::Append;
    if (name == "merge")
        return CliAction::Kind::Merge;
    if (name == "sort")
        return CliAction::Kind::Sort;
    if (name == "answer")
        return CliAction::Kind::Answer;
    return logToolKind(name);
}

// The form's text field behind each Cabrillo option.
const std::map<std::string_view, std::string CabrilloHeaderForm::*> kCabrilloFields = {
    {"contest", &CabrilloHeaderForm::contest},
    {"callsign", &CabrilloHeaderForm::callSign},
    {"location", &CabrilloHeaderForm::location},
    {"category", &CabrilloHeaderForm::category},
    {"name", &CabrilloHeaderForm::name},
    {"address", &CabrilloHeaderForm::address},
    {"cat-assisted", &CabrilloHeaderForm::catAssisted},
    {"cat-band", &CabrilloHeaderForm::catBand},
    {"cat-mode", &CabrilloHeaderForm::catMode},
    {"cat-operator", &CabrilloHeaderForm::catOperator},
    {"cat-power", &CabrilloHeaderForm::catPower},
    {"cat-station", &CabrilloHeaderForm::catStation},
    {"cat-time", &CabrilloHeaderForm::catTime},
    {"cat-transmitter", &CabrilloHeaderForm::catTransmitter},
    {"cat-overlay", &CabrilloHeaderForm::catOverlay},
};

}  // namespace

bool applyCabrilloOptions(const CliArguments& args, CabrilloHeaderForm& form, std::string& error) {
    for (const auto& [name, value] : args.exportOptions) {
        if (name != "cabrillo-version") {
            form.*kCabrilloFields.at(name) = value;
        } else if (value == "2" || value == "3") {
            form.version = value == "2" ? 2 : 3;
        } else {
            error = "--cabrillo-version takes 2 or 3";
            return false;
        }
    }
    return true;
}

namespace {

// Files an option that takes a value; false, with the error, when the option
// is unknown or the value wrong.
bool takeOption(const std::string& name, const std::string& value, CliArguments& parsed,
                std::string& error) {
    if (auto kind = actionKind(name)) {
        if (*kind == CliAction::Kind::Answer && value != "yes" && value != "no") {
            error = "--answer takes yes or no";
            return false;
        }
        parsed.actions.push_back(CliAction{*kind, value});
    } else if (name == "to") {
        parsed.to = value;
    } else if (name == "jarl") {
        parsed.jarlOptions.push_back(value);
    } else if (std::find(kExportOptions.begin(), kExportOptions.end(), name) !=
               kExportOptions.end()) {
        parsed.exportOptions[name] = value;
    } else if (isReportOption(name)) {
        parsed.reportOptions[name] = value;
    } else if (isCheckOption(name)) {
        parsed.checkOptions[name] = value;
    } else {
        error = "unknown option --" + name;
        return false;
    }
    return true;
}

// The command and its files from the arguments that are no options.
bool takeCommand(const std::vector<std::string>& positional, CliArguments& parsed,
                 std::string& error) {
    if (positional.empty()) {
        error = "no command";
        return false;
    }
    parsed.command = positional[0];
    bool takesFile =
        parsed.command == "dump" || parsed.command == "check" || isReportCommand(parsed.command);
    size_t wanted = takesFile ? 2 : parsed.command == "convert" ? 3 : 0;
    if (wanted == 0) {
        error = "unknown command " + parsed.command;
        return false;
    }
    if (positional.size() != wanted) {
        error = "wrong number of arguments for " + parsed.command;
        return false;
    }
    parsed.file = positional[1];
    if (wanted == 3) {
        parsed.out = positional[2];
    } else if (parsed.to || !parsed.exportOptions.empty() || !parsed.jarlOptions.empty()) {
        error = parsed.command + " takes no export options";
        return false;
    }
    return true;
}

}  // namespace

std::optional<CliArguments> parseCliArguments(const std::vector<std::string>& args,
                                              std::string& error) {
    CliArguments parsed;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() <= 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        if (isReportSwitch(name)) {
            parsed.reportOptions[name] = "";
            continue;
        }
        if (isCheckSwitch(name)) {
            parsed.checkOptions[name] = "";
            continue;
        }
        if (name == "delete-dupes") {  // the one option without a value
            parsed.actions.push_back(CliAction{CliAction::Kind::DeleteDupes, ""});
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return std::nullopt;
        }
        if (!takeOption(name, args[++i], parsed, error)) {
            return std::nullopt;
        }
    }
    if (!takeCommand(positional, parsed, error)) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace sorvak
