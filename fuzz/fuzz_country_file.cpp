// The country file reader with call-sign resolution, and the country list
// converter, over any bytes: the longest prefix is found for every prefix of
// the file, and the converter writes a file the reader takes whole.
#include <string_view>

#include "FuzzSupport.h"
#include "reports/CountryFile.h"
#include "reports/CtyDatConverter.h"
#include "reports/ResolveCountry.h"

namespace {

using namespace sorvak;

void resolveSome(const CountryTable& table, std::string_view input) {
    for (std::string_view call : {std::string_view("JA1ABC/KH6"), std::string_view("W1/JA1ABC/P"),
                                  std::string_view("/"), input.substr(0, 24)}) {
        const CountryPrefixEntry* entry = resolveCountry(table, call);
        if (entry != nullptr &&
            (entry->prefix.empty() || !prefixPartOf(call).starts_with(entry->prefix))) {
            fuzz::propertyFailed("a match is a beginning of the call's part", std::string(call),
                                 entry->prefix);
        }
    }
}

// Every prefix finds itself or, listed earlier, an entry of the same prefix.
void findEveryPrefix(const CountryTable& table) {
    for (const CountryPrefixEntry& entry : table.entries()) {
        const CountryPrefixEntry* found = table.longestPrefixOf(entry.prefix);
        if (found == nullptr || found->prefix != entry.prefix || found > &entry ||
            found->prefixLength != static_cast<int>(entry.prefix.size())) {
            fuzz::propertyFailed("a prefix finds its own entry first", entry.prefix,
                                 found == nullptr ? "nothing" : found->prefix);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    CountryFileResult read = readCountryFile(input);
    findEveryPrefix(read.table);
    resolveSome(read.table, input);
    CtyDatConversion conversion = convertCtyDat(input);
    CountryFileResult reread = readCountryFile(conversion.bytes);
    if (reread.status != CountryFileStatus::Read) {
        fuzz::propertyFailed("the converter writes a file the reader takes", "", conversion.bytes);
    }
    fuzz::expectSame("every prefix is read from the converted\n" + conversion.bytes,
                     std::to_string(conversion.prefixes),
                     std::to_string(reread.table.entries().size()));
    findEveryPrefix(reread.table);
    resolveSome(reread.table, input);
    return 0;
}
