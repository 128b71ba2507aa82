#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sorvak {

class CabrilloHeaderForm;

// One of the options applied in order to the loaded log.
struct CliAction {
    enum class Kind {
        Append,
        Merge,
        Sort,
        Answer,
        DeleteDupes,
        SentNumber,
        NumberToMulti,
        NumberToMultiDigits,
        Bulk,
        OnlyBand,
        OnlyMode,
        ContestData,
    } kind;
    std::string value;
};

struct CliArguments {
    std::string command;  // "dump", "convert", "checklist", "analyze" or "check"
    std::string file;
    std::string out;                 // convert only
    std::optional<std::string> to;   // convert only
    std::vector<CliAction> actions;  // in the order given
    // Options of the export that take one value each, by name without "--".
    std::map<std::string, std::string> exportOptions;
    // Options of checklist and analyze by name; a switch has an empty value.
    std::map<std::string, std::string> reportOptions;
    // Options of check by name; a switch has an empty value.
    std::map<std::string, std::string> checkOptions;
    // The values of --jarl, in the order given.
    std::vector<std::string> jarlOptions;
};

// Parses the arguments after the program's name; on a usage error returns
// nothing and sets `error`.
std::optional<CliArguments> parseCliArguments(const std::vector<std::string>& args,
                                              std::string& error);

// Overrides the form's fields with the Cabrillo options given; false with
// `error` set when --cabrillo-version is neither 2 nor 3.
bool applyCabrilloOptions(const CliArguments& args, CabrilloHeaderForm& form, std::string& error);

extern const char* const kCliUsage;

}  // namespace sorvak
