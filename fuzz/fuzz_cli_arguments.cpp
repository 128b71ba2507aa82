// The command-line parser over any arguments (one a line), then the options
// of a parsed command line on a small log in memory: the Cabrillo and JARL
// header options, the report options and every log-editing option.
#include <sstream>

#include "CliArguments.h"
#include "CliJarl.h"
#include "CliLogTools.h"
#include "CliReports.h"
#include "FuzzSupport.h"
#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"
#include "model/CSorvakDoc.h"

namespace {

using namespace sorvak;

std::vector<std::string> argumentsOf(std::string_view input) {
    std::vector<std::string> args;
    while (!input.empty()) {
        size_t end = std::min(input.find('\n'), input.size());
        args.emplace_back(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return args;
}

void addQso(CSorvakDoc& doc, int hhmm, const char* call, const char* band, const char* mode) {
    QsoParts p;
    p.year = 2026;
    p.month = 11;
    p.day = 22;
    p.hhmm = hhmm;
    p.callSign = call;
    p.srst = p.rrst = 599;
    p.sent = "10H";
    p.rcvd = "12M";
    p.bandText = band;
    p.modeText = mode;
    p.powerLetter = 'H';
    p.points = 1;
    doc.add(std::make_unique<QsoRecord>(p));
}

void runOptions(const CliArguments& args) {
    CSorvakDoc doc;
    addQso(doc, 1234, "JA1ABC", "7", "CW");
    addQso(doc, 1235, "JA1ABC", "7", "CW");
    addQso(doc, 2359, "7K1XYZ/1", "144", "FM");
    std::ostringstream err;
    fuzz::AgreeingUi ui;
    CliLogTools tools(err);
    for (const CliAction& action : args.actions) {
        if (CliLogTools::handles(action) && tools.apply(action, doc, ui)) {
            break;
        }
    }
    reportUsageError(args);
    CabrilloHeaderForm cabrillo = CabrilloHeaderForm::prefilledFrom(doc);
    std::string error;
    if (applyCabrilloOptions(args, cabrillo, error) && !cabrillo.check()) {
        cabrillo.apply(doc);
    }
    JarlLogForm jarl = JarlLogForm::prefilledFrom(doc, ClockParts{2026, 12, 9, 12, 0, 0});
    if (applyJarlOptions(args.jarlOptions, jarl, error) && !jarl.check()) {
        jarl.apply(doc);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    if (auto args = parseCliArguments(argumentsOf(fuzz::textOf(data, size)), error)) {
        runOptions(*args);
    } else if (error.empty()) {
        fuzz::propertyFailed("a refused command line says why", "a message", "");
    }
    return 0;
}
