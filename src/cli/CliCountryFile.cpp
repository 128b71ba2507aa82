#include "CliCountryFile.h"

#include "CliArguments.h"
#include "platform/AtomicFile.h"
#include "platform/FileBytes.h"
#include "reports/CtyDatConverter.h"

namespace sorvak {

int runMakeCountryFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) {
        err << "sorvak-cli: wrong number of arguments for make-country-file\n" << kCliUsage;
        return 2;
    }
    std::string source = args.size() == 2 ? args[0] : kInstalledCtyDat;
    const std::string& target = args.back();
    auto ctyDat = readFileBytes(source);
    if (!ctyDat) {
        err << "sorvak-cli: cannot open " << source << '\n';
        return 1;
    }
    CtyDatConversion conversion = convertCtyDat(*ctyDat);
    if (conversion.entities == 0) {
        err << "sorvak-cli: " << source << ": no country entries in this file\n";
        return 1;
    }
    if (!replaceFileContents(target, conversion.bytes)) {
        err << "sorvak-cli: cannot write " << target << '\n';
        return 1;
    }
    out << target << ": " << conversion.entities << " entities ("
        << conversion.entitiesWithoutPrefix << " with exact calls only), " << conversion.prefixes
        << " prefixes, " << conversion.continentBlocks
        << " continent override blocks; left out: " << conversion.exactCalls << " exact calls, "
        << conversion.repeatedPrefixes << " repeated prefixes";
    if (!conversion.skippedLines.empty()) {
        out << "; skipped lines that are neither an entity nor its aliases:";
        for (size_t line : conversion.skippedLines) {
            out << ' ' << line;
        }
    }
    out << '\n';
    return 0;
}

}  // namespace sorvak
