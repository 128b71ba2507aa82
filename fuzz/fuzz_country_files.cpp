// The country list converter, the country file reader with call-sign
// resolution, and the multiplier data file reader, over any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reports/CountryFile.h"
#include "reports/CtyDatConverter.h"
#include "reports/MultiplierList.h"
#include "reports/ResolveCountry.h"

namespace {

void resolveSome(const sorvak::CountryTable& table, std::string_view input) {
    for (std::string_view call : {std::string_view("JA1ABC/KH6"), std::string_view("W1/JA1ABC/P"),
                                  std::string_view("/"), input.substr(0, 24)}) {
        const sorvak::CountryPrefixEntry* entry = sorvak::resolveCountry(table, call);
        if (entry != nullptr &&
            (entry->prefix.empty() || !sorvak::prefixPartOf(call).starts_with(entry->prefix))) {
            __builtin_trap();  // a match is a non-empty beginning of the chosen part
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    sorvak::readMultiplierList(input);
    resolveSome(sorvak::readCountryFile(input).table, input);
    sorvak::CtyDatConversion conversion = sorvak::convertCtyDat(input);
    sorvak::CountryFileResult reread = sorvak::readCountryFile(conversion.bytes);
    if (reread.status != sorvak::CountryFileStatus::Read) {
        __builtin_trap();  // the converter always writes a file the reader takes
    }
    resolveSome(reread.table, input);
    return 0;
}
